#include "grid/controls/gadgets/CGEBPopupCalculator.h"

IMPLEMENT_DYNAMIC(CGEBPopupCalculator, CGEBCalculator)

BEGIN_MESSAGE_MAP(CGEBPopupCalculator, CGEBCalculator)
ON_MESSAGE(WM_KILLFOCUS, OnKillFocusMsg)
ON_MESSAGE(WM_KEYDOWN, OnPopupKeyDownMsg)
ON_MESSAGE(WM_SYSKEYDOWN, OnSysKeyDownMsg)
END_MESSAGE_MAP()

UINT CGEBPopupCalculator::GetClassStyle() {
    return CS_SAVEBITS;
}

void CGEBPopupCalculator::PostNcDestroy() {
    if (m_bAutoDelete)
        delete this;
}

CRect CGEBPopupCalculator::PlacePopup(const CSize& size, const RECT& anchor, const RECT& workArea) {
    int y = anchor.bottom;
    if (y + size.cy > workArea.bottom)
        y = anchor.top - size.cy;
    int x = anchor.left;
    if (x + size.cx > workArea.right)
        x = anchor.right - size.cx;
    return CRect(x, y, x + size.cx, y + size.cy);
}

BOOL CGEBPopupCalculator::CreatePopup(DWORD dwExStyle, DWORD dwStyle, const RECT& anchor, CWnd* pParentWnd,
                                      LPVOID lpParam) {
    dwStyle = (dwStyle | WS_POPUP) & ~WS_CHILD;
    CSize size;
    PrepareCreate(dwExStyle, dwStyle, pParentWnd, size);
    RECT workArea{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    if (!CreateAt(dwExStyle, dwStyle, PlacePopup(size, anchor, workArea), pParentWnd, 0, lpParam))
        return FALSE;
    ::SetFocus(GetSafeHwnd());
    return TRUE;
}

void CGEBPopupCalculator::NotifyOwner() {
    CWnd* pOwner = GetOwner();
    const HWND hOwner = pOwner != nullptr ? pOwner->GetSafeHwnd() : nullptr;
    if (hOwner == nullptr || !::IsWindow(hOwner) || IsError())
        return;
    const CString strText = GetEngine().GetDisplayText();
    ::SendMessageA(hOwner, GEB_CALC_RESULT, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strText)));
}

BOOL CGEBPopupCalculator::HandleEvent(UINT nCommand) {
    const BOOL bDone = CGEBCalculator::HandleEvent(nCommand);
    if (nCommand == CGEBCalcEngine::cmdEquals && (GetStyle() & stylePopupCloseOnEquals) != 0) {
        NotifyOwner();
        PostMessage(WM_CLOSE);
    }
    return bDone;
}

void CGEBPopupCalculator::AcceptAndClose() {
    // The calculator's own "=" so that the owner hears the result once, whatever the style says.
    CGEBCalculator::HandleEvent(CGEBCalcEngine::cmdEquals);
    NotifyOwner();
    Close();
}

void CGEBPopupCalculator::Close() {
    // Destroying the focused window moves the focus away, which must not close it a second time.
    m_bClosing = TRUE;
    DestroyWindow(); // may delete this object
}

LRESULT CGEBPopupCalculator::OnPopupKeyDownMsg(WPARAM wParam, LPARAM lParam) {
    if (wParam == VK_ESCAPE) {
        Close();
        return 0;
    }
    if (wParam == VK_RETURN) {
        AcceptAndClose();
        return 0;
    }
    return OnKeyDownMsg(wParam, lParam);
}

LRESULT CGEBPopupCalculator::OnSysKeyDownMsg(WPARAM wParam, LPARAM lParam) {
    if (wParam == VK_DOWN) {
        AcceptAndClose();
        return 0;
    }
    return OnPopupKeyDownMsg(wParam, lParam);
}

LRESULT CGEBPopupCalculator::OnKillFocusMsg(WPARAM wParam, LPARAM) {
    const HWND hNewFocus = reinterpret_cast<HWND>(wParam);
    Default();
    if (hNewFocus != GetSafeHwnd() && !m_bClosing)
        Close();
    return 0;
}
