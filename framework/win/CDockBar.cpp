#include "framework/win/CDockBar.h"

#include "framework/win/AfxRes.h"
#include "framework/win/CMiniDockFrameWnd.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_WM_SIZE()
ON_WM_DESTROY()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

const CDockBar::DockSide CDockBar::dockSides[4] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_TOP},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_BOTTOM},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_LEFT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_RIGHT},
};

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating) {}

CDockBar::~CDockBar() {
    // Bars outlive their dock bar (they belong to the frame object): they only forget it.
    for (auto& row : m_rows) {
        for (CControlBar* pBar : row)
            pBar->m_pDockBar = nullptr;
    }
    m_rows.clear();
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    static LPCSTR className = AfxRegisterWndClass(0, ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)),
                                                  ::GetSysColorBrush(COLOR_BTNFACE));
    const CRect rect(0, 0, 0, 0);
    m_dwStyle = dwStyle & CBRS_ALL;
    return CWnd::Create(className, nullptr,
                        (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rect,
                        pParentWnd, nID);
}

BOOL CDockBar::IsHorz() const {
    return (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
}

// ---------------------------------------------------------------------------------------------------
// Docked bars

int CDockBar::GetDockedCount() const {
    int n = 0;
    for (const auto& row : m_rows)
        n += static_cast<int>(row.size());
    return n;
}

int CDockBar::GetDockedVisibleCount() const {
    int n = 0;
    for (const auto& row : m_rows) {
        for (CControlBar* pBar : row)
            n += pBar->IsVisible() ? 1 : 0;
    }
    return n;
}

void CDockBar::DropEmptyRows() {
    m_rows.erase(std::remove_if(m_rows.begin(), m_rows.end(), [](const auto& row) { return row.empty(); }),
                 m_rows.end());
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect) {
    if (pBar == nullptr || pBar->m_hWnd == nullptr || pBar == this)
        return;
    CDockBar* pOld = pBar->m_pDockBar;
    // Into this window first: a floating frame left empty by the move may then go without its bar.
    if (::GetParent(pBar->m_hWnd) != m_hWnd)
        ::SetParent(pBar->m_hWnd, m_hWnd);
    if (pOld == this) {
        for (auto& row : m_rows)
            row.erase(std::remove(row.begin(), row.end(), pBar), row.end());
        DropEmptyRows();
    } else if (pOld != nullptr) {
        pOld->RemoveControlBar(pBar);
    }

    const DWORD dwOld = pBar->m_dwStyle;
    DWORD dwAlign = m_dwStyle & CBRS_ALIGN_ANY;
    if (m_bFloating)
        dwAlign = (dwOld & CBRS_ORIENT_HORZ) ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT;
    // A bar with one border, the one towards the pane (CBRS_TOP, CBRS_LEFT ...), keeps it towards the
    // pane on this side.
    DWORD dwBorders = dwOld & CBRS_BORDER_ANY;
    const DWORD dwFacing = m_dwStyle & CBRS_BORDER_ANY;
    if (!m_bFloating && dwFacing != 0 && dwBorders != 0 && (dwBorders & (dwBorders - 1)) == 0)
        dwBorders = dwFacing;
    pBar->m_dwStyle = (dwOld & ~(CBRS_ALIGN_ANY | CBRS_FLOATING | CBRS_BORDER_ANY)) | dwBorders | dwAlign |
                      (m_bFloating ? CBRS_FLOATING : 0);
    pBar->m_pDockBar = this;

    const BOOL bHorz = IsHorz() || (m_bFloating && (dwAlign & CBRS_ORIENT_HORZ));
    if (lpRect == nullptr) {
        pBar->m_nDockPos = -1;
        m_rows.push_back({pBar});
    } else {
        CRect rect(*lpRect);
        ScreenToClient(&rect);
        const int nAlong = std::max(0, static_cast<int>(bHorz ? rect.left : rect.top));
        const int nAcross = bHorz ? rect.top : rect.left;
        pBar->m_nDockPos = nAlong;
        // The row whose band (by the bars' present positions) holds the bar's edge.
        size_t nInsertRow = m_rows.size();
        bool bNewRow = true;
        for (size_t i = 0; i < m_rows.size(); ++i) {
            int nStart = INT_MAX;
            int nEnd = INT_MIN;
            for (CControlBar* pOther : m_rows[i]) {
                CRect rc;
                pOther->GetWindowRect(&rc);
                ScreenToClient(&rc);
                nStart = std::min(nStart, static_cast<int>(bHorz ? rc.top : rc.left));
                nEnd = std::max(nEnd, static_cast<int>(bHorz ? rc.bottom : rc.right));
            }
            if (nAcross >= nStart && nAcross < nEnd) {
                nInsertRow = i;
                bNewRow = false;
                break;
            }
            if (nAcross < nStart) {
                nInsertRow = i;
                break;
            }
        }
        if (bNewRow) {
            m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(nInsertRow),
                          std::vector<CControlBar*>{pBar});
        } else {
            auto& row = m_rows[nInsertRow];
            auto at = std::find_if(row.begin(), row.end(), [&](CControlBar* pOther) {
                CRect rc;
                pOther->GetWindowRect(&rc);
                ScreenToClient(&rc);
                return (bHorz ? rc.left : rc.top) > nAlong;
            });
            row.insert(at, pBar);
        }
    }
    if (dwOld != pBar->m_dwStyle)
        pBar->OnBarStyleChange(dwOld, pBar->m_dwStyle);
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar) {
    bool found = false;
    for (auto& row : m_rows) {
        auto at = std::find(row.begin(), row.end(), pBar);
        if (at != row.end()) {
            row.erase(at);
            found = true;
        }
    }
    if (!found)
        return FALSE;
    DropEmptyRows();
    if (pBar->m_pDockBar == this)
        pBar->m_pDockBar = nullptr;
    if (m_bFloating && !m_bDestroying) {
        if (m_rows.empty()) {
            if (CMiniDockFrameWnd* pFrame = GetFloatingFrame())
                pFrame->DestroyWindow();
        } else {
            ShowFloatingFrame();
        }
    }
    return TRUE;
}

void CDockBar::SetRows(const std::vector<std::vector<CControlBar*>>& rows) {
    std::vector<CControlBar*> placed;
    std::vector<std::vector<CControlBar*>> newRows;
    for (const auto& row : rows) {
        std::vector<CControlBar*> newRow;
        for (CControlBar* pBar : row) {
            if (pBar == nullptr || pBar->m_hWnd == nullptr || pBar == this ||
                std::find(placed.begin(), placed.end(), pBar) != placed.end())
                continue;
            if (pBar->m_pDockBar != this)
                DockControlBar(pBar);
            placed.push_back(pBar);
            newRow.push_back(pBar);
        }
        if (!newRow.empty())
            newRows.push_back(std::move(newRow));
    }
    // Bars docked here but not named keep their rows after the named ones.
    for (const auto& row : m_rows) {
        std::vector<CControlBar*> rest;
        for (CControlBar* pBar : row) {
            if (std::find(placed.begin(), placed.end(), pBar) == placed.end())
                rest.push_back(pBar);
        }
        if (!rest.empty())
            newRows.push_back(std::move(rest));
    }
    m_rows = std::move(newRows);
}

// ---------------------------------------------------------------------------------------------------
// Layout

CSize CDockBar::BarSize(CControlBar* pBar, BOOL bHorz) {
    if (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) {
        DWORD nMode = bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;
        if (pBar->m_dwStyle & CBRS_FLOATING)
            nMode = LM_MRUWIDTH | (bHorz ? LM_HORZ : 0);
        return pBar->CalcDynamicLayout(-1, nMode);
    }
    return pBar->CalcFixedLayout(FALSE, bHorz);
}

CSize CDockBar::LayoutRows(int nLength, bool bMove) {
    const BOOL bHorz = IsHorz();
    int nAcross = 0;
    int nLongest = 0;
    for (const auto& row : m_rows) {
        int nAlong = 0;
        int nThickness = 0;
        for (CControlBar* pBar : row) {
            if (bMove && pBar->m_nDelayShow != 0) {
                pBar->ShowWindow(pBar->m_nDelayShow > 0 ? SW_SHOWNOACTIVATE : SW_HIDE);
                pBar->m_nDelayShow = 0;
            }
            if (!pBar->IsVisible())
                continue;
            CSize size = BarSize(pBar, bHorz);
            int nBarLength = bHorz ? size.cx : size.cy;
            const int nBarThickness = bHorz ? size.cy : size.cx;
            if (pBar->m_nDockPos > nAlong)
                nAlong = pBar->m_nDockPos;
            // A bar that would stick out moves back as far as the bars before it allow.
            if (nLength > 0 && nAlong + nBarLength > nLength)
                nAlong = std::max(0, std::min(nAlong, nLength - nBarLength));
            if (nLength > 0 && nBarLength > nLength)
                nBarLength = nLength;
            if (bMove) {
                CRect rect = bHorz ? CRect(nAlong, nAcross, nAlong + nBarLength, nAcross + nBarThickness)
                                   : CRect(nAcross, nAlong, nAcross + nBarThickness, nAlong + nBarLength);
                ::SetWindowPos(pBar->m_hWnd, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE);
            }
            nAlong += nBarLength;
            nThickness = std::max(nThickness, nBarThickness);
        }
        nAcross += nThickness;
        nLongest = std::max(nLongest, nAlong);
    }
    return bHorz ? CSize(nLongest, nAcross) : CSize(nAcross, nLongest);
}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    return Stretched(LayoutRows(0, false), bStretch, bHorz);
}

LRESULT CDockBar::OnSizeParent(WPARAM, LPARAM lParam) {
    auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (m_bFloating || !(GetStyle() & WS_VISIBLE))
        return 0;
    const BOOL bHorz = IsHorz();
    const CRect free(pLayout->rect);
    const int nLength = std::max(0, static_cast<int>(bHorz ? free.Width() : free.Height()));
    CSize size = LayoutRows(nLength, false);
    const int nThickness = std::min(static_cast<int>(bHorz ? size.cy : size.cx),
                                    std::max(0, static_cast<int>(bHorz ? free.Height() : free.Width())));
    CRect rect(free);
    const DWORD dwAlign = m_dwStyle & CBRS_ALIGN_ANY;
    if (dwAlign & CBRS_ALIGN_TOP) {
        rect.bottom = rect.top + nThickness;
        pLayout->rect.top += nThickness;
    } else if (dwAlign & CBRS_ALIGN_BOTTOM) {
        rect.top = rect.bottom - nThickness;
        pLayout->rect.bottom -= nThickness;
    } else if (dwAlign & CBRS_ALIGN_LEFT) {
        rect.right = rect.left + nThickness;
        pLayout->rect.left += nThickness;
    } else {
        rect.left = rect.right - nThickness;
        pLayout->rect.right -= nThickness;
    }
    if (bHorz) {
        pLayout->sizeTotal.cy += nThickness;
        pLayout->sizeTotal.cx = std::max(pLayout->sizeTotal.cx, static_cast<LONG>(size.cx));
    } else {
        pLayout->sizeTotal.cx += nThickness;
        pLayout->sizeTotal.cy = std::max(pLayout->sizeTotal.cy, static_cast<LONG>(size.cy));
    }
    if (pLayout->hDWP != nullptr) {
        AfxRepositionWindow(pLayout, m_hWnd, &rect);
        LayoutRows(nLength, true);
    }
    return 0;
}

void CDockBar::OnSize(UINT, int cx, int cy) {
    // A floating dock bar fills its frame; its bars follow its size.
    if (m_bFloating)
        LayoutRows(IsHorz() ? cx : cy, true);
}

void CDockBar::OnDestroy() {
    m_bDestroying = true;
    CControlBar::OnDestroy();
}

void CDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL bDisableIfNoHndler) {
    if (m_bFloating || m_pDockSite == nullptr)
        return;
    // Floating frames are not children of the frame, so idle updates do not reach their bars. The first
    // edge dock bar of the frame passes them on.
    const std::vector<CControlBar*> bars = FrameBars(m_pDockSite);
    auto first = std::find_if(bars.begin(), bars.end(), [](CControlBar* pBar) {
        return pBar->IsDockBar() && !static_cast<CDockBar*>(pBar)->m_bFloating;
    });
    if (first == bars.end() || *first != this)
        return;
    for (CControlBar* pBar : bars) {
        if (pBar->IsFloating() && !pBar->IsDockBar() && pBar->m_hWnd != nullptr)
            ::SendMessageA(pBar->m_hWnd, WM_IDLEUPDATECMDUI, static_cast<WPARAM>(bDisableIfNoHndler), 0);
    }
}

// ---------------------------------------------------------------------------------------------------
// Floating

CMiniDockFrameWnd* CDockBar::GetFloatingFrame() const {
    if (!m_bFloating || m_hWnd == nullptr)
        return nullptr;
    return dynamic_cast<CMiniDockFrameWnd*>(FromHandlePermanent(::GetParent(m_hWnd)));
}

void CDockBar::ShowFloatingFrame() {
    CMiniDockFrameWnd* pFrame = GetFloatingFrame();
    if (pFrame == nullptr)
        return;
    if (GetDockedVisibleCount() == 0) {
        pFrame->ShowWindow(SW_HIDE);
        return;
    }
    pFrame->RecalcLayout();
    pFrame->ShowWindow(SW_SHOWNOACTIVATE);
}

// ---------------------------------------------------------------------------------------------------
// Frame side

CDockBar* CDockBar::FindDockBar(const CFrameWnd* pFrame, UINT nDockBarID) {
    for (CControlBar* pBar : FrameBars(pFrame)) {
        if (pBar->IsDockBar() && !static_cast<CDockBar*>(pBar)->m_bFloating &&
            static_cast<UINT>(pBar->GetDlgCtrlID()) == nDockBarID)
            return static_cast<CDockBar*>(pBar);
    }
    return nullptr;
}

void CDockBar::EnableDocking(CFrameWnd* pFrame, DWORD dwDockStyle) {
    CWnd* pFrameWnd = AfxFrameAsWnd(pFrame);
    if (pFrameWnd == nullptr || pFrameWnd->m_hWnd == nullptr)
        return;
    for (const DockSide& side : dockSides) {
        if (!(dwDockStyle & side.dwStyle & CBRS_ALIGN_ANY) || FindDockBar(pFrame, side.nID) != nullptr)
            continue;
        auto* pDockBar = new CDockBar;
        pDockBar->m_bAutoDelete = TRUE; // the window owns it from here on
        pDockBar->m_pDockSite = pFrame;
        // A dock bar whose window failed to be created has deleted itself (PostNcDestroy).
        pDockBar->Create(pFrameWnd, WS_VISIBLE | side.dwStyle, side.nID);
    }
}

void CDockBar::DockControlBar(CFrameWnd* pFrame, CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect) {
    if (pBar == nullptr || pBar->m_hWnd == nullptr)
        return;
    CDockBar* pDockBar = nullptr;
    for (const DockSide& side : dockSides) {
        if (nDockBarID != 0 && side.nID != nDockBarID)
            continue;
        if (!(pBar->m_dwDockStyle & side.dwStyle & CBRS_ALIGN_ANY))
            continue;
        pDockBar = FindDockBar(pFrame, side.nID);
        if (pDockBar != nullptr)
            break;
    }
    if (pDockBar == nullptr) {
        TRACE("DockControlBar: no dock bar allows bar %d\n", pBar->GetDlgCtrlID());
        return;
    }
    pBar->m_pDockSite = pFrame;
    pDockBar->DockControlBar(pBar, lpRect);
    RecalcFrameLayout(pFrame);
}

void CDockBar::FloatControlBar(CFrameWnd* pFrame, CControlBar* pBar, CPoint point, DWORD dwStyle) {
    if (pBar == nullptr || pBar->m_hWnd == nullptr)
        return;
    pBar->m_pDockSite = pFrame;
    if (pBar->IsFloating() && pBar->m_pDockBar != nullptr) {
        if (CMiniDockFrameWnd* pMini = pBar->m_pDockBar->GetFloatingFrame()) {
            pMini->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return;
        }
    }
    auto* pMini = new CMiniDockFrameWnd;
    if (!pMini->Create(AfxFrameAsWnd(pFrame), pFrame, point))
        return; // a window that failed to be created deleted its object
    // The bar's orientation while floating.
    pBar->m_dwStyle =
        (pBar->m_dwStyle & ~CBRS_ALIGN_ANY) |
        ((dwStyle & CBRS_ORIENT_HORZ) || !(dwStyle & CBRS_ALIGN_ANY) ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT);
    CDockBar& dockBar = pMini->m_wndDockBar;
    dockBar.m_dwStyle = (dockBar.m_dwStyle & ~CBRS_ALIGN_ANY) | (pBar->m_dwStyle & CBRS_ALIGN_ANY);
    CString title;
    pBar->GetWindowText(title);
    pMini->SetWindowText(title);
    dockBar.DockControlBar(pBar);
    dockBar.ShowFloatingFrame();
    RecalcFrameLayout(pFrame);
}
