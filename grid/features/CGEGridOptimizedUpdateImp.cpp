#include "grid/features/CGEGridOptimizedUpdateImp.h"

#include "framework/win/CWnd.h"
#include "grid/core/CGECellRange.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGERangeList.h"

#include <algorithm>

void CGEGridCore::InstallOptimizedUpdate() {
    if (m_pOptimizedUpdateImp == nullptr) {
        m_pOptimizedUpdateImp = new CGEGridOptimizedUpdateImp;
        AddAutoDeleteObject(m_pOptimizedUpdateImp);
    }
}

namespace {

// One dimension of the grid on screen: rows (along y) or columns (along x).
class Lines {
public:
    Lines(CGEGridCore* pGrid, BOOL bRows) : m_pGrid(pGrid), m_bRows(bRows), m_area(pGrid->GetGridArea()) {}

    ROWCOL Count() const { return m_bRows ? m_pGrid->GetRowCount() : m_pGrid->GetColCount(); }
    ROWCOL Across() const { return m_bRows ? m_pGrid->GetColCount() : m_pGrid->GetRowCount(); }
    ROWCOL Frozen() const { return m_bRows ? m_pGrid->GetFrozenRows() : m_pGrid->GetFrozenCols(); }
    ROWCOL Headers() const { return m_bRows ? m_pGrid->GetHeaderRows() : m_pGrid->GetHeaderCols(); }
    ROWCOL Top() const { return m_bRows ? m_pGrid->GetTopRow() : m_pGrid->GetLeftCol(); }
    void SetTop(ROWCOL n) const { m_bRows ? m_pGrid->StoreTopRow(n) : m_pGrid->StoreLeftCol(n); }
    ROWCOL LastVisible() const {
        return m_bRows ? m_pGrid->GetLastVisibleRow() : m_pGrid->GetLastVisibleCol();
    }
    ROWCOL ClientIndex(ROWCOL n) const {
        return m_bRows ? m_pGrid->GetClientRow(n) : m_pGrid->GetClientCol(n);
    }
    BOOL IsHidden(ROWCOL n) const { return m_bRows ? m_pGrid->IsRowHidden(n) : m_pGrid->IsColHidden(n); }
    int Size(ROWCOL n) const { return m_bRows ? m_pGrid->GetRowHeight(n) : m_pGrid->GetColWidth(n); }
    LONG Sum(ROWCOL nFrom, ROWCOL nTo, LONG nLimit) const {
        return m_bRows ? m_pGrid->SumRowHeights(nFrom, nTo, nLimit)
                       : m_pGrid->SumColWidths(nFrom, nTo, nLimit);
    }
    BOOL Numbered() const {
        CGEGridParam* pParam = m_pGrid->GetParam();
        return pParam != nullptr && (m_bRows ? pParam->m_bNumberedRowHeaders : pParam->m_bNumberedColHeaders);
    }
    // The near and far edges of the grid area along the dimension.
    LONG Begin() const { return m_bRows ? m_area.top : m_area.left; }
    LONG End() const { return m_bRows ? m_area.bottom : m_area.right; }
    LONG Extent() const { return End() - Begin(); }
    // The near edge on screen of a line that shows.
    LONG Edge(ROWCOL n) const {
        const ROWCOL nClient = ClientIndex(n);
        if (nClient == 0)
            return Begin();
        return Begin() + (m_bRows ? m_pGrid->SumClientRowHeights(0, nClient - 1)
                                  : m_pGrid->SumClientColWidths(0, nClient - 1));
    }
    // A strip of the grid area from one edge to another, across the whole grid.
    CRect Strip(LONG nFrom, LONG nTo) const {
        return m_bRows ? CRect(m_area.left, nFrom, m_area.right, nTo)
                       : CRect(nFrom, m_area.top, nTo, m_area.bottom);
    }
    // The lines nFirst..nLast over the whole grid, widened over spans.
    CRect LinesRect(ROWCOL nFirst, ROWCOL nLast) const {
        return m_bRows ? m_pGrid->GetRangeRectCovered(nFirst, 0, nLast, Across())
                       : m_pGrid->GetRangeRectCovered(0, nFirst, Across(), nLast);
    }
    // The near edge of the line under a position (the top of the row the bottom edge cuts).
    LONG LineStartAt(LONG nPos) const {
        int nEdge = 0;
        const CPoint point = m_bRows ? CPoint(m_area.left, nPos) : CPoint(nPos, m_area.top);
        const ROWCOL nClient = m_bRows ? m_pGrid->GetClientRowAtPoint(point, &nEdge)
                                       : m_pGrid->GetClientColAtPoint(point, &nEdge);
        if (nClient == GE_INVALID)
            return nPos;
        if (nClient < 1)
            return Edge1();
        return std::max<LONG>(nEdge, Edge1());
    }
    // The near edge of client line 1 (below the header line 0).
    LONG Edge1() const {
        return Begin() + (m_bRows ? m_pGrid->SumClientRowHeights(0, 0) : m_pGrid->SumClientColWidths(0, 0));
    }
    void Scroll(LONG nDelta, const CRect& rectScroll) const {
        m_pGrid->ScrollWindowEx(m_bRows ? 0 : nDelta, m_bRows ? nDelta : 0, &rectScroll, &m_area);
    }
    void Invalidate(const CRect& rect) const {
        CWnd* pWnd = m_pGrid->GridWnd();
        if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr && !rect.IsRectEmpty())
            pWnd->InvalidateRect(&rect, TRUE);
    }
    void UpdateNow() const {
        CWnd* pWnd = m_pGrid->GridWnd();
        if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
            pWnd->UpdateWindow();
    }
    // The headers of lines nFrom..Count() show numbers that changed.
    void RedrawNumbers(ROWCOL nFrom, UINT flags) const {
        if (!Numbered() || nFrom > Count())
            return;
        if (m_bRows)
            m_pGrid->RedrawRowCol(nFrom, 0, Count(), 0, flags, FALSE);
        else
            m_pGrid->RedrawRowCol(0, nFrom, 0, Count(), flags, FALSE);
    }
    CGECellRange Range(ROWCOL nFirst, ROWCOL nLast) const {
        return m_bRows ? CGECellRange().SetRows(nFirst, nLast) : CGECellRange().SetCols(nFirst, nLast);
    }

private:
    CGEGridCore* m_pGrid;
    BOOL m_bRows;
    CRect m_area;
};

BOOL SpansOn(CGEGridCore* pGrid) {
    return pGrid->GetFloatCellsMode() != 0 || pGrid->GetMergeCellsMode() != 0;
}

// Sums former sizes of lines (index i of anSizes) while they fit into nRoom.
LONG SumFormer(const int* anSizes, ROWCOL nCount, LONG nRoom) {
    LONG nSum = 0;
    for (ROWCOL i = 0; i < nCount && nSum <= nRoom; ++i)
        nSum += std::max(anSizes[i], 0);
    return nSum;
}

} // namespace

void CGEGridOptimizedUpdateImp::OnInsertedRows(CGEGridCore* pGrid, ROWCOL& nRow, ROWCOL& nCount,
                                               UINT& flags) {
    Inserted(pGrid, TRUE, nRow, nCount, flags);
}

void CGEGridOptimizedUpdateImp::OnInsertedCols(CGEGridCore* pGrid, ROWCOL& nCol, ROWCOL& nCount,
                                               UINT& flags) {
    Inserted(pGrid, FALSE, nCol, nCount, flags);
}

void CGEGridOptimizedUpdateImp::OnRemovedRows(CGEGridCore* pGrid, ROWCOL& nFrom, ROWCOL& nTo,
                                              int*& anOldHeights, UINT& flags) {
    Removed(pGrid, TRUE, nFrom, nTo, anOldHeights, flags);
}

void CGEGridOptimizedUpdateImp::OnRemovedCols(CGEGridCore* pGrid, ROWCOL& nFrom, ROWCOL& nTo,
                                              int*& anOldWidths, UINT& flags) {
    Removed(pGrid, FALSE, nFrom, nTo, anOldWidths, flags);
}

void CGEGridOptimizedUpdateImp::OnChangedRowHeights(CGEGridCore* pGrid, ROWCOL& nFrom, ROWCOL& nTo,
                                                    int*& anOldHeights, UINT& flags) {
    Changed(pGrid, TRUE, nFrom, nTo == 0 ? nFrom : nTo, anOldHeights, flags);
}

void CGEGridOptimizedUpdateImp::OnChangedColWidths(CGEGridCore* pGrid, ROWCOL& nFrom, ROWCOL& nTo,
                                                   int*& anOldWidths, UINT& flags) {
    Changed(pGrid, FALSE, nFrom, nTo == 0 ? nFrom : nTo, anOldWidths, flags);
}

void CGEGridOptimizedUpdateImp::Inserted(CGEGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nCount,
                                         UINT flags) {
    const Lines lines(pGrid, bRows);
    if ((nFirst <= lines.Frozen() && nFirst != 0) || SpansOn(pGrid)) {
        pGrid->Redraw(flags, FALSE);
        return;
    }
    flags &= 7;
    if (nFirst < lines.Top()) {
        // The lines on screen stay the same ones.
        lines.SetTop(lines.Top() + nCount);
        return;
    }
    if (nFirst > lines.LastVisible())
        return;
    const LONG y = lines.Edge(nFirst);
    const LONG h = lines.Sum(nFirst, nFirst + nCount - 1, lines.Extent());
    if ((flags & 1) == 0 && y + h < lines.End() && nFirst + nCount < lines.Count()) {
        if ((flags & 6) != 0) {
            lines.Scroll(h, lines.Strip(y, lines.End()));
            lines.Invalidate(lines.LinesRect(nFirst, nFirst + nCount - 1));
        }
    } else {
        lines.Invalidate(lines.Strip(y, lines.End()));
    }
    if ((flags & 2) != 0)
        lines.UpdateNow();
    lines.RedrawNumbers(nFirst + nCount, flags);
}

void CGEGridOptimizedUpdateImp::Removed(CGEGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast,
                                        const int* anOld, UINT flags) {
    const Lines lines(pGrid, bRows);
    const ROWCOL nCount = lines.Count();
    const ROWCOL nFirstScroll = lines.Frozen() + 1;
    if ((nFirst <= lines.Frozen() && nFirst != 0) || SpansOn(pGrid) || flags == GE_INVALIDATE) {
        if (lines.Top() > std::max(nCount, nFirstScroll))
            lines.SetTop(std::max(nCount, nFirstScroll));
        pGrid->Redraw(flags, FALSE);
        return;
    }
    flags &= 7;
    if (nCount < nFirstScroll || lines.Top() > nCount) {
        // Nothing left to scroll, or the top line went away: start again from the top.
        lines.SetTop(nCount < nFirstScroll ? nFirstScroll : std::max(nCount, nFirstScroll));
        if (flags != 0)
            lines.Invalidate(lines.Strip(lines.Begin(), lines.End()));
    } else if (nLast < lines.Top()) {
        lines.SetTop(lines.Top() - (nLast - nFirst + 1));
    } else if (nFirst > lines.LastVisible()) {
        if (lines.LastVisible() == nCount && flags != 0) {
            const LONG nBelow = lines.Edge(nCount) + lines.Size(nCount);
            lines.Invalidate(lines.Strip(nBelow, lines.End()));
        }
    } else {
        if (nFirst < lines.Top())
            lines.SetTop(std::max(nFirst, nFirstScroll));
        const LONG y = nFirst <= nCount ? lines.Edge(nFirst) : lines.Edge(nCount) + lines.Size(nCount);
        const LONG nRoom = lines.End() - y;
        const LONG nSum = anOld != nullptr ? SumFormer(anOld, nLast - nFirst + 1, nRoom) : 0;
        if ((flags & 1) == 0 && anOld != nullptr && nSum <= nRoom) {
            if ((flags & 6) != 0) {
                lines.Scroll(-nSum, lines.Strip(y, lines.End()));
                lines.Invalidate(lines.Strip(lines.LineStartAt(lines.End() - nSum), lines.End()));
                lines.UpdateNow();
            }
        } else {
            lines.Invalidate(lines.Strip(y, lines.End()));
        }
    }
    // A selection that reaches over the removed place is drawn again.
    if (CGEGridParam* pParam = pGrid->GetParam()) {
        const CGERangeList& list = pParam->m_SelectedRanges;
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            const CGECellRange* pRange = list.GetNextRange(pos);
            const ROWCOL nTop = bRows ? pRange->top : pRange->left;
            const ROWCOL nBottom = bRows ? pRange->bottom : pRange->right;
            if (pRange->IsValid() && nTop < nFirst && nBottom >= nFirst)
                pGrid->InvalidateRange(*pRange);
        }
    }
    if ((flags & 2) != 0)
        lines.UpdateNow();
    lines.RedrawNumbers(nFirst, flags);
}

void CGEGridOptimizedUpdateImp::Changed(CGEGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast,
                                        const int* anOld, UINT flags) {
    const Lines lines(pGrid, bRows);
    if (pGrid->EvalVisibleSpannedCells(lines.Range(nFirst, nLast))) {
        pGrid->Redraw(flags, FALSE);
        return;
    }
    flags &= 7;
    // A pane that does not show the header lines.
    if (nFirst <= lines.Headers() && lines.IsHidden(nFirst)) {
        if (nLast <= lines.Headers())
            return;
    }
    if (nFirst <= lines.Headers())
        anOld = nullptr;
    const ROWCOL nFrozen = lines.Frozen();
    const ROWCOL nTop = lines.Top();
    if ((nFirst > nFrozen && nFirst < nTop && nLast > nFrozen && nLast < nTop) ||
        nFirst > lines.LastVisible())
        return;

    ROWCOL nCurRow = 0, nCurCol = 0;
    if (pGrid->GetCurrentCell(nCurRow, nCurCol) && pGrid->IsActiveCurrentCell()) {
        const ROWCOL nCur = bRows ? nCurRow : nCurCol;
        if (nCur >= nFirst && nCur <= nLast) {
            if (CGEControl* pControl = pGrid->GetCurrentCellControl())
                pControl->OnCellSizeChanged();
        }
    }

    const BOOL bFirstShows = nFirst <= nFrozen || nFirst >= nTop;
    const LONG y = bFirstShows ? lines.Edge(nFirst) : lines.Edge(nTop);
    if ((flags & 1) == 0 && anOld != nullptr && bFirstShows) {
        if (flags == 0)
            return;
        const LONG nRoom = lines.End() - y;
        LONG nFormer = 0, nNew = 0;
        for (ROWCOL n = nFirst; n <= nLast && n >= nFirst; ++n) {
            if (n > nFrozen && n < nTop)
                continue;
            if (nFormer <= nRoom)
                nFormer += std::max(anOld[n - nFirst], 0);
            if (nNew <= nRoom)
                nNew += lines.Size(n);
            if (nFormer > nRoom && nNew > nRoom)
                break;
        }
        if (nFormer <= nRoom) {
            const LONG nDelta = nNew - nFormer;
            if (nDelta != 0)
                lines.Scroll(nDelta, lines.Strip(y + nFormer, lines.End()));
            if (nDelta < 0 && (flags & 6) != 0 && y + nNew < lines.End()) {
                lines.Invalidate(lines.Strip(lines.LineStartAt(lines.End() + nDelta), lines.End()));
                lines.UpdateNow();
            }
            lines.Invalidate(lines.Strip(y, std::min(y + nNew, lines.End())));
        } else {
            lines.Invalidate(lines.Strip(y, lines.End()));
        }
    } else {
        lines.Invalidate(lines.Strip(y, lines.End()));
    }
    if ((flags & 2) != 0) {
        lines.UpdateNow();
        pGrid->UpdateScrollbars();
    }
}
