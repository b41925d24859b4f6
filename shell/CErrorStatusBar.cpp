#include "shell/CErrorStatusBar.h"

#include "resource.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CErrorStatusBar, CStatusBar)

BEGIN_MESSAGE_MAP(CErrorStatusBar, CStatusBar)
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {
constexpr int kButtonWidth = 80;
} // namespace

CErrorStatusBar::~CErrorStatusBar() {
    if (m_hIcon != nullptr)
        ::DestroyIcon(m_hIcon);
}

BOOL CErrorStatusBar::CreateBar(CWnd* pParentWnd, UINT nID) {
    if (!CreateEx(pParentWnd, SBARS_SIZEGRIP, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, nID))
        return FALSE;
    if (!m_button.Create("", WS_CHILD | BS_PUSHBUTTON | BS_FLAT | BS_LEFT, CRect(0, 0, 0, 0), this,
                         ID_VIEW_ERRORS))
        return FALSE;
    m_button.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    m_hIcon = static_cast<HICON>(
        ::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_ERRORS), IMAGE_ICON, 16, 16, 0));
    m_button.SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(m_hIcon));
    return TRUE;
}

void CErrorStatusBar::SetErrorCount(int count) {
    m_count = count;
    if (m_button.m_hWnd == nullptr)
        return;
    CString text;
    text.Format("%d", count);
    CString label;
    AfxFormatString1(label, IDS_ERRORS_COUNT, text);
    m_button.SetWindowText(label);
    PlaceButton();
    m_button.ShowWindow(count > 0 ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void CErrorStatusBar::PlaceButton() {
    if (m_button.m_hWnd == nullptr || GetCount() == 0)
        return;
    // At the right end of the message pane, inside its border.
    CRect pane;
    GetItemRect(0, &pane);
    pane.DeflateRect(1, 1);
    m_button.MoveWindow(std::max(pane.left, pane.right - kButtonWidth), pane.top,
                        std::min(kButtonWidth, pane.Width()), pane.Height());
}

void CErrorStatusBar::OnSize(UINT nType, int cx, int cy) {
    CStatusBar::OnSize(nType, cx, cy);
    PlaceButton();
}
