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
    const CRowColInfo& info = m_rowInfo.at(static_cast<size_t>(row));
    cyCur = info.nCurSize;
    cyMin = info.nMinSize;
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin) {
    CRowColInfo& info = m_rowInfo.at(static_cast<size_t>(row));
    info.nIdealSize = cyIdeal;
    info.nMinSize = cyMin;
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const {
    const CRowColInfo& info = m_colInfo.at(static_cast<size_t>(col));
    cxCur = info.nCurSize;
    cxMin = info.nMinSize;
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin) {
    CRowColInfo& info = m_colInfo.at(static_cast<size_t>(col));
    info.nIdealSize = cxIdeal;
    info.nMinSize = cxMin;
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

CRect CSplitterWnd::BarRect(int ht) const {
    CRect client;
    GetClientRect(&client);
    if (ht >= vSplitterBar1 && ht < vSplitterBar1 + m_nCols - 1) {
        int x = 0;
        for (int col = 0; col <= ht - vSplitterBar1; ++col)
            x += m_colInfo[static_cast<size_t>(col)].nCurSize + (col > 0 ? m_cxSplitter : 0);
        return CRect(x, client.top, x + m_cxSplitter, client.bottom);
    }
    if (ht >= hSplitterBar1 && ht < hSplitterBar1 + m_nRows - 1) {
        int y = 0;
        for (int row = 0; row <= ht - hSplitterBar1; ++row)
            y += m_rowInfo[static_cast<size_t>(row)].nCurSize + (row > 0 ? m_cySplitter : 0);
        return CRect(client.left, y, client.right, y + m_cySplitter);
    }
    return CRect(0, 0, 0, 0);
}

int CSplitterWnd::HitTestBar(CPoint point) const {
    for (int i = 0; i + 1 < m_nCols; ++i) {
        if (BarRect(vSplitterBar1 + i).PtInRect(point))
            return vSplitterBar1 + i;
    }
    for (int i = 0; i + 1 < m_nRows; ++i) {
        if (BarRect(hSplitterBar1 + i).PtInRect(point))
            return hSplitterBar1 + i;
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
    for (int i = 0; i + 1 < m_nCols; ++i)
        OnDrawSplitter(&dc, BarRect(vSplitterBar1 + i));
    for (int i = 0; i + 1 < m_nRows; ++i)
        OnDrawSplitter(&dc, BarRect(hSplitterBar1 + i));
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
    CRect client;
    GetClientRect(&client);
    m_rectLimit = client;
    if (ht >= hSplitterBar1) {
        const size_t row = static_cast<size_t>(ht - hSplitterBar1);
        const int top = m_rectTracker.top - m_rowInfo[row].nCurSize;
        const int bottom = m_rectTracker.bottom + m_rowInfo[row + 1].nCurSize;
        m_rectLimit.top = top + m_rowInfo[row].nMinSize;
        m_rectLimit.bottom = bottom - m_rowInfo[row + 1].nMinSize;
    } else {
        const size_t col = static_cast<size_t>(ht - vSplitterBar1);
        const int left = m_rectTracker.left - m_colInfo[col].nCurSize;
        const int right = m_rectTracker.right + m_colInfo[col + 1].nCurSize;
        m_rectLimit.left = left + m_colInfo[col].nMinSize;
        m_rectLimit.right = right - m_colInfo[col + 1].nMinSize;
    }
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
    if (m_htTrack >= hSplitterBar1) {
        const size_t row = static_cast<size_t>(m_htTrack - hSplitterBar1);
        const int oldTop = BarRect(m_htTrack).top;
        m_rowInfo[row].nIdealSize =
            std::max(0, m_rowInfo[row].nCurSize + static_cast<int>(m_rectTracker.top - oldTop));
    } else {
        const size_t col = static_cast<size_t>(m_htTrack - vSplitterBar1);
        const int oldLeft = BarRect(m_htTrack).left;
        m_colInfo[col].nIdealSize =
            std::max(0, m_colInfo[col].nCurSize + static_cast<int>(m_rectTracker.left - oldLeft));
    }
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
    CRect next = m_rectTracker;
    if (m_htTrack >= hSplitterBar1) {
        int top = point.y - m_ptTrackOffset.y;
        top = std::clamp(
            top, static_cast<int>(m_rectLimit.top),
            std::max(static_cast<int>(m_rectLimit.top), static_cast<int>(m_rectLimit.bottom) - m_cySplitter));
        next.OffsetRect(0, top - next.top);
    } else {
        int left = point.x - m_ptTrackOffset.x;
        left = std::clamp(
            left, static_cast<int>(m_rectLimit.left),
            std::max(static_cast<int>(m_rectLimit.left), static_cast<int>(m_rectLimit.right) - m_cxSplitter));
        next.OffsetRect(left - next.left, 0);
    }
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
