#include "framework/win/CToolTipCtrl.h"

#include "framework/win/AfxCtrlSupport.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace {

// The first TOOLINFO layout: understood by every version of the control, unlike the full structure,
// which older versions reject.
const UINT kToolInfoSize = TTTOOLINFOA_V2_SIZE;

LPARAM InfoParam(const TOOLINFOA* ti) {
    return reinterpret_cast<LPARAM>(ti);
}

} // namespace

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
    return CreateEx(pParentWnd, dwStyle, 0);
}

BOOL CToolTipCtrl::CreateEx(CWnd* pParentWnd, DWORD dwStyle, DWORD dwStyleEx) {
    AfxInitCommonControls(ICC_BAR_CLASSES);
    if (!CWnd::CreateEx(dwStyleEx, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd->GetSafeHwnd(), nullptr))
        return FALSE;
    SetOwner(pParentWnd);
    return TRUE;
}

void CToolTipCtrl::FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const {
    ti = TOOLINFOA{};
    ti.cbSize = kToolInfoSize;
    HWND hWnd = pWnd->GetSafeHwnd();
    if (nIDTool == 0) {
        // The window itself is the tool, known to the control through the window that holds it.
        HWND hWndParent = ::GetParent(hWnd);
        ti.hwnd = hWndParent != nullptr ? hWndParent : hWnd;
        ti.uFlags = TTF_IDISHWND;
        ti.uId = reinterpret_cast<UINT_PTR>(hWnd);
    } else {
        ti.hwnd = hWnd;
        ti.uId = nIDTool;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
    if (pWnd == nullptr || nIDText == 0)
        return FALSE;
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool != nullptr)
        ti.rect = *lpRectTool;
    ti.hinst = AfxGetResourceHandle();
    ti.lpszText = MAKEINTRESOURCEA(nIDText);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, InfoParam(&ti)));
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
    if (pWnd == nullptr)
        return FALSE;
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool != nullptr)
        ti.rect = *lpRectTool;
    ti.lpszText = const_cast<LPSTR>(lpszText);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, InfoParam(&ti)));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
    if (pWnd == nullptr)
        return;
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    SendMessage(TTM_DELTOOLA, 0, InfoParam(&ti));
}

int CToolTipCtrl::GetToolCount() const {
    return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT, 0, 0));
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const {
    str.Empty();
    if (pWnd == nullptr)
        return;
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    // The control copies up to INFOTIPSIZE characters without being told the buffer's size.
    char* buffer = str.GetBuffer(INFOTIPSIZE);
    buffer[0] = '\0';
    ti.lpszText = buffer;
    SendMessage(TTM_GETTEXTA, INFOTIPSIZE, InfoParam(&ti));
    str.ReleaseBuffer();
}

BOOL CToolTipCtrl::GetToolInfo(CToolInfo& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool) const {
    if (pWnd == nullptr)
        return FALSE;
    FillInToolInfo(ToolInfo, pWnd, nIDTool);
    ToolInfo.szText[0] = '\0';
    ToolInfo.lpszText = ToolInfo.szText;
    return static_cast<BOOL>(SendMessage(TTM_GETTOOLINFOA, 0, InfoParam(&ToolInfo)));
}

void CToolTipCtrl::SetToolInfo(LPTOOLINFOA lpToolInfo) {
    SendMessage(TTM_SETTOOLINFOA, 0, InfoParam(lpToolInfo));
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect) {
    if (pWnd == nullptr || lpRect == nullptr)
        return;
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.rect = *lpRect;
    SendMessage(TTM_NEWTOOLRECTA, 0, InfoParam(&ti));
}

void CToolTipCtrl::UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
    if (pWnd == nullptr)
        return;
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = const_cast<LPSTR>(lpszText);
    SendMessage(TTM_UPDATETIPTEXTA, 0, InfoParam(&ti));
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool) {
    if (pWnd == nullptr)
        return;
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.hinst = AfxGetResourceHandle();
    ti.lpszText = MAKEINTRESOURCEA(nIDText);
    SendMessage(TTM_UPDATETIPTEXTA, 0, InfoParam(&ti));
}

BOOL CToolTipCtrl::HitTest(CWnd* pWnd, CPoint pt, LPTOOLINFOA lpToolInfo) const {
    if (pWnd == nullptr || lpToolInfo == nullptr)
        return FALSE;
    TTHITTESTINFOA hit{};
    hit.hwnd = pWnd->GetSafeHwnd();
    hit.pt = pt;
    hit.ti.cbSize = kToolInfoSize;
    if (!SendMessage(TTM_HITTESTA, 0, reinterpret_cast<LPARAM>(&hit)))
        return FALSE;
    *lpToolInfo = hit.ti;
    return TRUE;
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg) {
    SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg));
}

void CToolTipCtrl::Activate(BOOL bActivate) {
    SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(bActivate), 0);
}

void CToolTipCtrl::Pop() {
    SendMessage(TTM_POP, 0, 0);
}

void CToolTipCtrl::Update() {
    SendMessage(TTM_UPDATE, 0, 0);
}

void CToolTipCtrl::SetDelayTime(UINT nDelay) {
    SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, static_cast<LPARAM>(nDelay));
}

void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime) {
    SendMessage(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
}

int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const {
    return static_cast<int>(SendMessage(TTM_GETDELAYTIME, dwDuration, 0));
}

int CToolTipCtrl::SetMaxTipWidth(int iWidth) {
    return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, static_cast<LPARAM>(iWidth)));
}

int CToolTipCtrl::GetMaxTipWidth() const {
    return static_cast<int>(SendMessage(TTM_GETMAXTIPWIDTH, 0, 0));
}

void CToolTipCtrl::GetMargin(LPRECT lprc) const {
    SendMessage(TTM_GETMARGIN, 0, reinterpret_cast<LPARAM>(lprc));
}

void CToolTipCtrl::SetMargin(LPRECT lprc) {
    SendMessage(TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(lprc));
}

COLORREF CToolTipCtrl::GetTipBkColor() const {
    return static_cast<COLORREF>(SendMessage(TTM_GETTIPBKCOLOR, 0, 0));
}

void CToolTipCtrl::SetTipBkColor(COLORREF clr) {
    SendMessage(TTM_SETTIPBKCOLOR, clr, 0);
}

COLORREF CToolTipCtrl::GetTipTextColor() const {
    return static_cast<COLORREF>(SendMessage(TTM_GETTIPTEXTCOLOR, 0, 0));
}

void CToolTipCtrl::SetTipTextColor(COLORREF clr) {
    SendMessage(TTM_SETTIPTEXTCOLOR, clr, 0);
}

BOOL CToolTipCtrl::SetTitle(UINT uIcon, LPCSTR lpstrTitle) {
    return static_cast<BOOL>(SendMessage(TTM_SETTITLEA, uIcon, reinterpret_cast<LPARAM>(lpstrTitle)));
}
