#include "framework/win/CSplitterWnd.h"

#include "framework/win/AfxRes.h"
#include "framework/win/CCreateContext.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CView.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_KEYDOWN()
ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

namespace {

// Sizes of the rows or columns along a length: each but the last takes its ideal size (nothing when
// the ideal size is below the minimum) as far as the length goes; the last takes what is left.
template <class Info> void LayoutSizes(std::vector<Info>& infos, int length, int bar) {
    int left = length;
    for (size_t i = 0; i < infos.size(); ++i) {
        Info& info = infos[i];
        if (i + 1 == infos.size()) {
            info.nCurSize = std::max(0, left);
            break;
        }
        int size = info.nIdealSize < info.nMinSize ? 0 : info.nIdealSize;
        size = std::max(0, std::min(size, left - bar));
        info.nCurSize = size;
        left -= size + bar;
    }
}

// One direction of the splitter: the columns (x, widths) or the rows (y, heights).
struct Axis {
    LONG RECT::*lo;   // left or top
    LONG RECT::*hi;   // right or bottom
    LONG POINT::*pos; // x or y
};
constexpr Axis kColumns{&RECT::left, &RECT::right, &POINT::x};
constexpr Axis kRows{&RECT::top, &RECT::bottom, &POINT::y};

} // namespace

CSplitterWnd::CSplitterWnd() = default;

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID) {
    if (pParentWnd == nullptr || nRows < 1 || nRows > 16 || nCols < 1 || nCols > 16 || m_hWnd != nullptr)
        return FALSE;
    m_nRows = nRows;
    m_nCols = nCols;
    m_rowInfo.assign(static_cast<size_t>(nRows), CRowColInfo{});
    m_colInfo.assign(static_cast<size_t>(nCols), CRowColInfo{});
    // No WS_CLIPCHILDREN: the drag tracker is drawn across the panes.
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)),
                                           reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1));
    CRect rect;
    pParentWnd->GetClientRect(&rect);
    return CreateEx(0, lpszClass, nullptr, (dwStyle | WS_CHILD) & ~WS_CLIPCHILDREN, rect, pParentWnd, nID,
                    nullptr);
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                              CCreateContext* pContext) {
    if (row < 0 || row >= m_nRows || col < 0 || col >= m_nCols || pViewClass == nullptr ||
        GetPane(row, col) != nullptr)
        return FALSE;
    m_colInfo[static_cast<size_t>(col)].nIdealSize = sizeInit.cx;
    m_rowInfo[static_cast<size_t>(row)].nIdealSize = sizeInit.cy;
    auto* pWnd = dynamic_cast<CWnd*>(pViewClass->CreateObject());
    if (pWnd == nullptr)
        return FALSE;
    CCreateContext context;
    if (pContext != nullptr)
        context = *pContext;
    context.m_pNewViewClass = pViewClass;
    if (!pWnd->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, sizeInit.cx, sizeInit.cy), this,
                      static_cast<UINT>(IdFromRowCol(row, col)), &context))
        return FALSE; // the view deleted itself
    // The first pane becomes the frame's active view when the frame has none yet.
    if (auto* pView = dynamic_cast<CView*>(pWnd)) {
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != nullptr && pFrame->GetActiveView() == nullptr)
            pFrame->SetActiveView(pView, FALSE);
    }
    RecalcLayout();
    return TRUE;
}

int CSplitterWnd::IdFromRowCol(int row, int col) const {
    return AFX_IDW_PANE_FIRST + row * 16 + col;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const {
    if (m_hWnd == nullptr)
        return nullptr;
    return CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, IdFromRowCol(row, col)));
}

BOOL CSplitterWnd::IsChildPane(CWnd* pWnd, int* pRow, int* pCol) {
    if (pWnd == nullptr || ::GetParent(pWnd->m_hWnd) != m_hWnd)
        return FALSE;
    const int nID = pWnd->GetDlgCtrlID() - AFX_IDW_PANE_FIRST;
    if (nID < 0 || nID / 16 >= m_nRows || nID % 16 >= m_nCols)
        return FALSE;
    if (pRow != nullptr)
        *pRow = nID / 16;
    if (pCol != nullptr)
        *pCol = nID % 16;
    return TRUE;
}

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const {
    GetInfo(m_rowInfo, row, cyCur, cyMin);
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin) {
    SetInfo(m_rowInfo, row, cyIdeal, cyMin);
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const {
    GetInfo(m_colInfo, col, cxCur, cxMin);
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin) {
    SetInfo(m_colInfo, col, cxIdeal, cxMin);
}

void CSplitterWnd::GetInfo(const std::vector<CRowColInfo>& infos, int index, int& cur, int& min) {
    const CRowColInfo& info = infos.at(static_cast<size_t>(index));
    cur = info.nCurSize;
    min = info.nMinSize;
}

void CSplitterWnd::SetInfo(std::vector<CRowColInfo>& infos, int index, int ideal, int min) {
    CRowColInfo& info = infos.at(static_cast<size_t>(index));
    info.nIdealSize = ideal;
    info.nMinSize = min;
}

void CSplitterWnd::RecalcLayout() {
    if (m_hWnd == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    LayoutSizes(m_colInfo, client.Width(), m_cxSplitter);
    LayoutSizes(m_rowInfo, client.Height(), m_cySplitter);
    HDWP hDWP = ::BeginDeferWindowPos(m_nRows * m_nCols);
    int y = 0;
    for (int row = 0; row < m_nRows; ++row) {
        const int cy = m_rowInfo[static_cast<size_t>(row)].nCurSize;
        int x = 0;
        for (int col = 0; col < m_nCols; ++col) {
            const int cx = m_colInfo[static_cast<size_t>(col)].nCurSize;
            if (CWnd* pPane = GetPane(row, col)) {
                if (hDWP != nullptr)
                    hDWP = ::DeferWindowPos(hDWP, pPane->m_hWnd, nullptr, x, y, cx, cy,
                                            SWP_NOZORDER | SWP_NOACTIVATE);
                else
                    ::SetWindowPos(pPane->m_hWnd, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
            }
            x += cx + m_cxSplitter;
        }
        y += cy + m_cySplitter;
    }
    if (hDWP != nullptr)
        ::EndDeferWindowPos(hDWP);
    Invalidate(TRUE);
}

void CSplitterWnd::OnSize(UINT, int, int) {
    RecalcLayout();
}

// ---------------------------------------------------------------------------------------------------
// Split bars

CSplitterWnd::Bar CSplitterWnd::BarOf(int ht) const {
    const bool row = ht >= hSplitterBar1;
    Bar bar{row ? &m_rowInfo : &m_colInfo, row ? ht - hSplitterBar1 : ht - vSplitterBar1,
            row ? m_cySplitter : m_cxSplitter, row};
    if (bar.index < 0 || bar.index + 1 >= static_cast<int>(bar.infos->size()))
        bar.index = -1; // no such bar
    return bar;
}

std::vector<int> CSplitterWnd::BarIds() const {
    std::vector<int> ids;
    for (int i = 0; i + 1 < m_nCols; ++i)
        ids.push_back(vSplitterBar1 + i);
    for (int i = 0; i + 1 < m_nRows; ++i)
        ids.push_back(hSplitterBar1 + i);
    return ids;
}

CRect CSplitterWnd::BarRect(int ht) const {
    const Bar bar = BarOf(ht);
    if (bar.index < 0)
        return CRect(0, 0, 0, 0);
    // The bar follows the panes before it and the bars between them.
    int start = 0;
    for (int i = 0; i <= bar.index; ++i)
        start += (*bar.infos)[static_cast<size_t>(i)].nCurSize + (i > 0 ? bar.size : 0);
    const Axis& axis = bar.row ? kRows : kColumns;
    CRect rect;
    GetClientRect(&rect);
    rect.*axis.lo = start;
    rect.*axis.hi = start + bar.size;
    return rect;
}

int CSplitterWnd::HitTestBar(CPoint point) const {
    for (int ht : BarIds()) {
        if (BarRect(ht).PtInRect(point))
            return ht;
    }
    return noHit;
}

void CSplitterWnd::OnDrawSplitter(CDC* pDC, const CRect& rect) {
    RECT r = rect;
    ::FillRect(pDC->m_hDC, &r, ::GetSysColorBrush(COLOR_3DFACE));
    ::DrawEdge(pDC->m_hDC, &r, EDGE_RAISED,
               (rect.Width() < rect.Height()) ? (BF_LEFT | BF_RIGHT) : (BF_TOP | BF_BOTTOM));
}

void CSplitterWnd::OnPaint() {
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    CDC dc;
    dc.Attach(hDC);
    for (int ht : BarIds())
        OnDrawSplitter(&dc, BarRect(ht));
    dc.Detach();
    ::EndPaint(m_hWnd, &ps);
}

BOOL CSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (nHitTest == HTCLIENT && pWnd == this) {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        const int ht = HitTestBar(point);
        if (ht != noHit) {
            ::SetCursor(::LoadCursorA(nullptr, ht >= hSplitterBar1 ? IDC_SIZENS : IDC_SIZEWE));
            return TRUE;
        }
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CSplitterWnd::InvertTracker(const CRect& rect) {
    if (rect.IsRectEmpty())
        return;
    HDC hDC = ::GetDCEx(m_hWnd, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
    HBRUSH hOld = static_cast<HBRUSH>(::SelectObject(hDC, ::GetStockObject(GRAY_BRUSH)));
    ::PatBlt(hDC, rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
}

void CSplitterWnd::StartTracking(int ht, CPoint point) {
    m_htTrack = ht;
    m_rectTracker = BarRect(ht);
    m_ptTrackOffset = CPoint(point.x - m_rectTracker.left, point.y - m_rectTracker.top);
    // The bar may move between the left (top) edge of the pane before it and the right (bottom) edge of
    // the pane after it, keeping their minimum sizes.
    const Bar bar = BarOf(ht);
    const CRowColInfo& before = (*bar.infos)[static_cast<size_t>(bar.index)];
    const CRowColInfo& after = (*bar.infos)[static_cast<size_t>(bar.index) + 1];
    const Axis& axis = bar.row ? kRows : kColumns;
    GetClientRect(&m_rectLimit);
    m_rectLimit.*axis.lo = m_rectTracker.*axis.lo - before.nCurSize + before.nMinSize;
    m_rectLimit.*axis.hi = m_rectTracker.*axis.hi + after.nCurSize - after.nMinSize;
    m_bTracking = true;
    SetCapture();
    SetFocus();
    InvertTracker(m_rectTracker);
}

void CSplitterWnd::StopTracking(BOOL bAccept) {
    if (!m_bTracking)
        return;
    m_bTracking = false;
    InvertTracker(m_rectTracker);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (!bAccept)
        return;
    // The pane before the bar takes the size up to where the bar was dropped.
    const Bar bar = BarOf(m_htTrack);
    const Axis& axis = bar.row ? kRows : kColumns;
    CRowColInfo& before = (bar.row ? m_rowInfo : m_colInfo)[static_cast<size_t>(bar.index)];
    const int moved = static_cast<int>(m_rectTracker.*axis.lo - BarRect(m_htTrack).*axis.lo);
    before.nIdealSize = std::max(0, before.nCurSize + moved);
    RecalcLayout();
}

void CSplitterWnd::OnLButtonDown(UINT, CPoint point) {
    if (m_bTracking)
        return;
    const int ht = HitTestBar(point);
    if (ht != noHit)
        StartTracking(ht, point);
}

void CSplitterWnd::OnMouseMove(UINT, CPoint point) {
    if (!m_bTracking)
        return;
    const Bar bar = BarOf(m_htTrack);
    const Axis& axis = bar.row ? kRows : kColumns;
    const int lo = static_cast<int>(m_rectLimit.*axis.lo);
    const int hi = std::max(lo, static_cast<int>(m_rectLimit.*axis.hi) - bar.size);
    const int start = std::clamp(static_cast<int>(point.*axis.pos - m_ptTrackOffset.*axis.pos), lo, hi);
    CRect next = m_rectTracker;
    const LONG shift = start - next.*axis.lo;
    next.*axis.lo += shift;
    next.*axis.hi += shift;
    if (next != m_rectTracker) {
        InvertTracker(m_rectTracker);
        m_rectTracker = next;
        InvertTracker(m_rectTracker);
    }
}

void CSplitterWnd::OnLButtonUp(UINT, CPoint) {
    StopTracking(TRUE);
}

void CSplitterWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (m_bTracking && nChar == VK_ESCAPE) {
        StopTracking(FALSE);
        return;
    }
    if (m_bTracking && nChar == VK_RETURN) {
        StopTracking(TRUE);
        return;
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CSplitterWnd::OnCaptureChanged(CWnd* pWnd) {
    // Another window took the mouse: the drag is cancelled.
    if (m_bTracking && pWnd != this)
        StopTracking(FALSE);
}

// ---------------------------------------------------------------------------------------------------
// Routing

BOOL CSplitterWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    CWnd* pOwner = GetParent();
    return pOwner != nullptr && pOwner->SendMessage(WM_COMMAND, wParam, lParam) != 0;
}

BOOL CSplitterWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (CWnd::OnNotify(wParam, lParam, pResult))
        return TRUE;
    CWnd* pOwner = GetParent();
    if (pOwner == nullptr)
        return FALSE;
    *pResult = pOwner->SendMessage(WM_NOTIFY, wParam, lParam);
    return TRUE;
}
