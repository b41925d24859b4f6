#include "grid/controls/combo/CGEGridCombo.h"

#include "grid/controls/combo/GEDropDown.h"

BEGIN_MESSAGE_MAP(CGEGridCombo, CWnd)
ON_WM_CTLCOLOR()
ON_WM_ACTIVATE()
ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

CGEGridCombo::CGEGridCombo(CWnd* pNotifyWnd, CGEControl*, const CRect& rect) : m_pNotifyWnd(pNotifyWnd) {
    GEDropDownLockScope lock;
    CreateEx(WS_EX_TOOLWINDOW, GEGetPopupClassName(), "", WS_POPUP | WS_VISIBLE, rect.left - 1, rect.top,
             rect.Width() + 1, rect.Height(), nullptr, nullptr);
}

CGEGridCombo::~CGEGridCombo() {
    delete m_pChild;
    m_pChild = nullptr;
    m_brush.DeleteObject();
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}

void CGEGridCombo::SetChild(CWnd* pChild) {
    m_pChild = pChild;
}

void CGEGridCombo::SetColors(COLORREF clrText, COLORREF clrBack) {
    m_brush.DeleteObject();
    m_bCustomColors = TRUE;
    m_clrText = clrText;
    m_clrBack = clrBack;
    m_brush.CreateSolidBrush(clrBack);
}

HBRUSH CGEGridCombo::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    if (!m_bCustomColors)
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    pDC->SetBkColor(m_clrBack);
    pDC->SetTextColor(m_clrText);
    return static_cast<HBRUSH>(m_brush.GetSafeHandle());
}

void CGEGridCombo::OnActivate(UINT, CWnd*, BOOL) {
    Default();
}

void CGEGridCombo::OnSysCommand(UINT, LPARAM) {}

BOOL CGEGridCombo::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (m_pChild != nullptr && reinterpret_cast<HWND>(lParam) == m_pChild->GetSafeHwnd() &&
        m_pNotifyWnd != nullptr && m_pNotifyWnd->GetSafeHwnd() != nullptr) {
        m_pNotifyWnd->SendMessage(WM_COMMAND, wParam, lParam);
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}
