#include "grid/controls/CGECellTipStatic.h"

#include "framework/win/CClientDC.h"
#include "framework/win/CWnd.h"
#include "grid/controls/CGEDrawingAndFormatting.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEStyle.h"

#include <commctrl.h>

#include <map>

namespace {

// Tips being shown, by the id of the timer that watches the pointer.
std::map<UINT_PTR, CGECellTipStatic*>& Watched() {
    static std::map<UINT_PTR, CGECellTipStatic*> tips;
    return tips;
}

} // namespace

CGECellTipStatic::CGECellTipStatic(CGEControl* pControl) : m_pControl(pControl) {}

CGECellTipStatic::~CGECellTipStatic() {
    Hide();
    if (m_hTip != nullptr)
        ::DestroyWindow(m_hTip);
}

BOOL CGECellTipStatic::NeedShow(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style) {
    CString strText;
    if (!m_pControl->GetControlText(strText, nRow, nCol, nullptr, style) || strText.IsEmpty())
        return FALSE;
    CWnd* pWnd = m_pControl->GetGridWindow();
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    const CRect rectText = m_pControl->ComputeTextRect(nRow, nCol, nullptr, &style);
    CClientDC dc(pWnd);
    CFont* pOldFont = m_pControl->SelectStyleFont(&dc, style, nullptr);
    const BOOL bWrap = style.GetIncludeWrapText() && style.GetWrapText();
    CRect calc(0, 0, rectText.Width(), 0);
    dc.DrawText(strText, &calc, DT_CALCRECT | DT_NOPREFIX | (bWrap ? DT_WORDBREAK : DT_SINGLELINE));
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    return bWrap ? calc.Height() > rectText.Height() : calc.Width() > rectText.Width();
}

DWORD CGECellTipStatic::GetDelay(ROWCOL, ROWCOL, const CGEStyle&) {
    return ::GetDoubleClickTime();
}

BOOL CGECellTipStatic::Show(const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style) {
    CWnd* pWnd = m_pControl->GetGridWindow();
    CString strText;
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr ||
        !m_pControl->GetControlText(strText, nRow, nCol, nullptr, style) || strText.IsEmpty())
        return FALSE;
    if (m_hTip == nullptr) {
        m_hTip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                   WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0, 0, pWnd->GetSafeHwnd(),
                                   nullptr, ::GetModuleHandleA(nullptr), nullptr);
        if (m_hTip == nullptr)
            return FALSE;
        TOOLINFOA info{};
        info.cbSize = sizeof info;
        info.uFlags = TTF_TRACK | TTF_ABSOLUTE;
        info.hwnd = pWnd->GetSafeHwnd();
        info.lpszText = const_cast<LPSTR>("");
        ::SendMessageA(m_hTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
        ::SendMessageA(m_hTip, TTM_SETMAXTIPWIDTH, 0, 600);
    }
    TOOLINFOA info{};
    info.cbSize = sizeof info;
    info.hwnd = pWnd->GetSafeHwnd();
    info.lpszText = const_cast<LPSTR>(strText.GetString());
    ::SendMessageA(m_hTip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
    m_rectScreen = rect;
    pWnd->ClientToScreen(&m_rectScreen);
    ::SendMessageA(m_hTip, TTM_TRACKPOSITION, 0, MAKELPARAM(m_rectScreen.left, m_rectScreen.top));
    ::SendMessageA(m_hTip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
    if (m_nTimer == 0) {
        m_nTimer = ::SetTimer(nullptr, 0, 200, &CGECellTipStatic::OnWatchTimer);
        Watched()[m_nTimer] = this;
    }
    return TRUE;
}

void CGECellTipStatic::Hide() {
    if (m_hTip == nullptr)
        return;
    if (m_nTimer != 0) {
        ::KillTimer(nullptr, m_nTimer);
        Watched().erase(m_nTimer);
        m_nTimer = 0;
    }
    TOOLINFOA info{};
    info.cbSize = sizeof info;
    info.hwnd = m_pControl->GetGridWindow() != nullptr ? m_pControl->GetGridWindow()->GetSafeHwnd() : nullptr;
    ::SendMessageA(m_hTip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info));
}

BOOL CGECellTipStatic::IsShown() const {
    return m_nTimer != 0;
}

void CALLBACK CGECellTipStatic::OnWatchTimer(HWND, UINT, UINT_PTR idEvent, DWORD) {
    const auto found = Watched().find(idEvent);
    if (found == Watched().end()) {
        ::KillTimer(nullptr, idEvent);
        return;
    }
    POINT point{};
    ::GetCursorPos(&point);
    if (!found->second->m_rectScreen.PtInRect(point))
        found->second->Hide();
}
