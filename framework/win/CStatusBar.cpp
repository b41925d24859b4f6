#include "framework/win/CStatusBar.h"

#include "framework/win/AfxCtrlSupport.h"
#include "framework/win/CCmdUI.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
ON_WM_SIZE()
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_MESSAGE(WM_GETTEXT, OnGetText)
ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
ON_MESSAGE(SB_SETMINHEIGHT, OnSetMinHeight)
END_MESSAGE_MAP()

namespace {

// Room around a pane's text: the pane's sunken edge and a little space.
constexpr int kPanePadding = 4;

// Updating a pane from an update handler.
class CStatusCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override {
        m_bEnableChanged = TRUE;
        auto* pBar = static_cast<CStatusBar*>(m_pOther);
        const int nIndex = static_cast<int>(m_nIndex);
        const UINT nStyle = pBar->GetPaneStyle(nIndex) & ~SBPS_DISABLED;
        pBar->SetPaneStyle(nIndex, bOn ? nStyle : (nStyle | SBPS_DISABLED));
    }
    void SetCheck(int nCheck) override {
        auto* pBar = static_cast<CStatusBar*>(m_pOther);
        const int nIndex = static_cast<int>(m_nIndex);
        const UINT nStyle = pBar->GetPaneStyle(nIndex) & ~SBPS_POPOUT;
        pBar->SetPaneStyle(nIndex, nCheck != 0 ? (nStyle | SBPS_POPOUT) : nStyle);
    }
    void SetText(LPCSTR lpszText) override {
        static_cast<CStatusBar*>(m_pOther)->SetPaneText(static_cast<int>(m_nIndex), lpszText);
    }
};

// The key a key indicator shows, 0 for other panes.
int IndicatorKey(UINT nID) {
    switch (nID) {
    case ID_INDICATOR_CAPS:
        return VK_CAPITAL;
    case ID_INDICATOR_NUM:
        return VK_NUMLOCK;
    case ID_INDICATOR_SCRL:
        return VK_SCROLL;
    default:
        return 0;
    }
}

} // namespace

CStatusBar::CStatusBar() = default;

CStatusBar::~CStatusBar() {
    m_wndCtrl.m_hWnd = nullptr; // only a view of this bar's window
}

// ---------------------------------------------------------------------------------------------------
// Creation

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    return CreateEx(pParentWnd, 0, dwStyle, nID);
}

BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID) {
    if (pParentWnd == nullptr || pParentWnd->m_hWnd == nullptr)
        return FALSE;
    AfxInitCommonControls(ICC_BAR_CLASSES);
    m_dwStyle = dwStyle & CBRS_ALL;
    DWORD dwWndStyle =
        (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    // A frame the user can size gets the grip in its corner.
    CWnd* pTop = pParentWnd->GetTopLevelParent();
    if (pTop != nullptr && (pTop->GetStyle() & WS_THICKFRAME))
        dwWndStyle |= SBARS_SIZEGRIP;
    const CRect rect(0, 0, 0, 0);
    return CWnd::CreateEx(0, STATUSCLASSNAMEA, nullptr, dwWndStyle, rect, pParentWnd, nID);
}

// ---------------------------------------------------------------------------------------------------
// Panes

int CStatusBar::TextWidth(const CString& text) const {
    if (m_hWnd == nullptr || text.IsEmpty())
        return 0;
    HDC hDC = ::GetDC(m_hWnd);
    auto hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HGDIOBJ hOld = ::SelectObject(hDC, hFont != nullptr ? hFont : ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    ::GetTextExtentPoint32A(hDC, text, text.GetLength(), &size);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    return size.cx;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
    if (m_hWnd == nullptr || nIDCount < 0 || (nIDCount > 0 && lpIDArray == nullptr))
        return FALSE;
    BOOL bResult = TRUE;
    m_panes.assign(static_cast<size_t>(nIDCount), Pane{});
    bool bMessagePane = false;
    for (int i = 0; i < nIDCount; ++i) {
        Pane& pane = m_panes[static_cast<size_t>(i)];
        pane.nID = lpIDArray[i];
        if (pane.nID == ID_SEPARATOR) {
            if (!bMessagePane) {
                pane.nStyle = SBPS_NOBORDERS | SBPS_STRETCH;
                bMessagePane = true;
            }
            continue;
        }
        if (!pane.strText.LoadString(pane.nID)) {
            TRACE("SetIndicators: no string for indicator %u\n", pane.nID);
            bResult = FALSE;
            continue;
        }
        pane.cxText = TextWidth(pane.strText);
    }
    m_nCount = nIDCount;
    UpdateAllPanes(TRUE, TRUE);
    return bResult;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const {
    for (size_t i = 0; i < m_panes.size(); ++i) {
        if (m_panes[i].nID == nIDFind)
            return static_cast<int>(i);
    }
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const {
    return IsValid(nIndex) ? m_panes[static_cast<size_t>(nIndex)].nID : ID_SEPARATOR;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const {
    ::SetRectEmpty(lpRect);
    if (m_hWnd != nullptr && IsValid(nIndex))
        SendMessage(SB_GETRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect));
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const {
    if (!IsValid(nIndex)) {
        nID = 0;
        nStyle = 0;
        cxWidth = 0;
        return;
    }
    const Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    nID = pane.nID;
    nStyle = pane.nStyle;
    cxWidth = pane.cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth) {
    if (!IsValid(nIndex))
        return;
    Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    const bool bRects = pane.cxText != cxWidth || ((pane.nStyle ^ nStyle) & SBPS_STRETCH);
    const bool bText = pane.nStyle != nStyle;
    pane.nID = nID;
    pane.nStyle = nStyle;
    pane.cxText = std::max(0, cxWidth);
    if (bRects)
        UpdateAllPanes(TRUE, FALSE);
    if (bText)
        ShowPaneText(nIndex);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const {
    return IsValid(nIndex) ? m_panes[static_cast<size_t>(nIndex)].nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle) {
    if (!IsValid(nIndex))
        return;
    Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    if (pane.nStyle == nStyle)
        return;
    const bool bRects = ((pane.nStyle ^ nStyle) & SBPS_STRETCH) != 0;
    pane.nStyle = nStyle;
    if (bRects)
        UpdateAllPanes(TRUE, FALSE);
    ShowPaneText(nIndex);
}

CString CStatusBar::GetPaneText(int nIndex) const {
    return IsValid(nIndex) ? m_panes[static_cast<size_t>(nIndex)].strText : CString();
}

void CStatusBar::GetPaneText(int nIndex, CString& rString) const {
    rString = GetPaneText(nIndex);
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate) {
    if (!IsValid(nIndex))
        return FALSE;
    Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    const CString text(lpszNewText != nullptr ? lpszNewText : "");
    if (pane.strText == text)
        return TRUE;
    pane.strText = text;
    if (bUpdate)
        ShowPaneText(nIndex);
    return TRUE;
}

void CStatusBar::ShowPaneText(int nIndex) {
    if (m_hWnd == nullptr || !IsValid(nIndex))
        return;
    const Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    const WPARAM wParam =
        static_cast<WPARAM>(nIndex) | (pane.nStyle & (SBT_NOBORDERS | SBT_POPOUT | SBT_OWNERDRAW));
    LPCSTR text = (pane.nStyle & SBPS_DISABLED) ? "" : static_cast<LPCSTR>(pane.strText);
    SendMessage(SB_SETTEXTA, wParam, reinterpret_cast<LPARAM>(text));
}

CStatusBarCtrl& CStatusBar::GetStatusBarCtrl() const {
    m_wndCtrl.m_hWnd = m_hWnd;
    return m_wndCtrl;
}

// ---------------------------------------------------------------------------------------------------
// Layout

bool CStatusBar::HasGripper() const {
    if (!(GetStyle() & SBARS_SIZEGRIP))
        return false;
    // A maximized frame cannot be sized: the control then draws no grip.
    CWnd* pTop = GetTopLevelParent();
    return pTop == nullptr || !pTop->IsZoomed();
}

void CStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText) {
    if (m_hWnd == nullptr)
        return;
    const int nCount = static_cast<int>(m_panes.size());
    if (bUpdateRects) {
        int borders[3] = {0, 0, 0};
        SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
        CRect client;
        GetClientRect(&client);
        int nAvailable = client.Width() - 2 * borders[0];
        if (HasGripper())
            nAvailable -= ::GetSystemMetrics(SM_CXVSCROLL);
        int nFixed = 0;
        int nStretch = 0;
        for (const Pane& pane : m_panes) {
            if (pane.nStyle & SBPS_STRETCH)
                ++nStretch;
            else
                nFixed += pane.cxText + 2 * kPanePadding;
        }
        nFixed += std::max(0, nCount - 1) * borders[2];
        const int nStretchEach = nStretch > 0 ? std::max(0, nAvailable - nFixed) / nStretch : 0;
        std::vector<int> edges(static_cast<size_t>(std::max(nCount, 1)));
        int x = borders[0];
        for (int i = 0; i < nCount; ++i) {
            const Pane& pane = m_panes[static_cast<size_t>(i)];
            const int nWidth = (pane.nStyle & SBPS_STRETCH)
                                   ? std::max(nStretchEach, pane.cxText + 2 * kPanePadding)
                                   : pane.cxText + 2 * kPanePadding;
            x += nWidth;
            edges[static_cast<size_t>(i)] = x;
            x += borders[2];
        }
        if (nCount == 0)
            edges[0] = -1;
        SendMessage(SB_SETPARTS, static_cast<WPARAM>(std::max(nCount, 1)),
                    reinterpret_cast<LPARAM>(edges.data()));
    }
    if (bUpdateText) {
        for (int i = 0; i < nCount; ++i)
            ShowPaneText(i);
    }
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    int nHeight = 0;
    int nWidth = 0;
    if (m_hWnd != nullptr) {
        HDC hDC = ::GetDC(m_hWnd);
        auto hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
        HGDIOBJ hOld = ::SelectObject(hDC, hFont != nullptr ? hFont : ::GetStockObject(DEFAULT_GUI_FONT));
        TEXTMETRICA tm{};
        ::GetTextMetricsA(hDC, &tm);
        ::SelectObject(hDC, hOld);
        ::ReleaseDC(m_hWnd, hDC);
        int borders[3] = {0, 0, 0};
        SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
        nHeight = tm.tmHeight + 2 * borders[1] + 2 * ::GetSystemMetrics(SM_CYEDGE);
        for (const Pane& pane : m_panes)
            nWidth += pane.cxText + 2 * kPanePadding + borders[2];
    }
    nHeight = std::max(nHeight, m_nMinHeight);
    if (bStretch && bHorz)
        nWidth = 32767;
    return CSize(nWidth, nHeight);
}

void CStatusBar::OnSize(UINT, int, int) {
    Default();
    UpdateAllPanes(TRUE, FALSE);
}

LRESULT CStatusBar::OnSetMinHeight(WPARAM wParam, LPARAM) {
    m_nMinHeight = static_cast<int>(wParam);
    return Default();
}

// The window text is the message pane's.
LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam) {
    const int nIndex = CommandToIndex(ID_SEPARATOR);
    if (nIndex < 0)
        return FALSE;
    return SetPaneText(nIndex, reinterpret_cast<LPCSTR>(lParam));
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam) {
    auto* buffer = reinterpret_cast<LPSTR>(lParam);
    if (buffer == nullptr || wParam == 0)
        return 0;
    const CString text = GetPaneText(CommandToIndex(ID_SEPARATOR));
    lstrcpynA(buffer, text, static_cast<int>(wParam));
    return lstrlenA(buffer);
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM) {
    return GetPaneText(CommandToIndex(ID_SEPARATOR)).GetLength();
}

// ---------------------------------------------------------------------------------------------------
// Command user interface and drawing

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    CCmdTarget* pCmdTarget = AfxFrameAsWnd(pTarget);
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(m_panes.size());
    for (size_t i = 0; i < m_panes.size(); ++i) {
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = m_panes[i].nID;
        if (state.m_nID == ID_SEPARATOR)
            continue;
        // Panes are never disabled for want of a handler.
        const BOOL bHandled = state.DoUpdate(pCmdTarget, FALSE);
        if (!bHandled) {
            if (const int nKey = IndicatorKey(state.m_nID); nKey != 0)
                state.Enable((::GetKeyState(nKey) & 1) != 0);
        }
    }
    // Controls on the bar (a button in a pane) update like a dialog's.
    UpdateDialogControls(pCmdTarget, bDisableIfNoHndler);
}

void CStatusBar::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CStatusBar::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        if (pResult != nullptr)
            *pResult = TRUE;
        return TRUE;
    }
    return CControlBar::OnChildNotify(message, wParam, lParam, pResult);
}
