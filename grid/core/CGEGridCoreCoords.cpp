// Coordinates, rectangles and hit-testing. Rows shown: first the frozen rows 0..F (headers among them),
// then the top row and the rows below it. A visible index counts the rows shown from the top of the grid
// area; the same holds for columns.
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Runs of at least this many lines are summed arithmetically from the parameter object.
constexpr ROWCOL kArithmeticRun = 512;

} // namespace

// ---- sums ----

LONG CGEGridCore::SumRowHeights(ROWCOL nFrom, ROWCOL nTo, LONG nLimit) {
    if (nFrom > nTo)
        return 0;
    if (nLimit == 0 && nTo - nFrom >= kArithmeticRun && m_pParam != nullptr && !UsesOwnRowHeights()) {
        const LONGLONG sum = m_pParam->SumRowHeights(nFrom, nTo, m_nZoom, m_pHideCellsImp != nullptr);
        return static_cast<LONG>(std::min<LONGLONG>(sum, 0x7FFFFFFF));
    }
    LONG sum = 0;
    for (ROWCOL nRow = nFrom; nRow <= nTo; ++nRow) {
        sum += GetRowHeight(nRow);
        if (nLimit > 0 && sum > nLimit)
            break;
        if (nRow == GE_INVALID)
            break;
    }
    return sum;
}

LONG CGEGridCore::SumColWidths(ROWCOL nFrom, ROWCOL nTo, LONG nLimit) {
    if (nFrom > nTo)
        return 0;
    if (nLimit == 0 && nTo - nFrom >= kArithmeticRun && m_pParam != nullptr && !UsesOwnColWidths()) {
        const LONGLONG sum = m_pParam->SumColWidths(nFrom, nTo, m_nZoom, m_pHideCellsImp != nullptr);
        return static_cast<LONG>(std::min<LONGLONG>(sum, 0x7FFFFFFF));
    }
    LONG sum = 0;
    for (ROWCOL nCol = nFrom; nCol <= nTo; ++nCol) {
        sum += GetColWidth(nCol);
        if (nLimit > 0 && sum > nLimit)
            break;
        if (nCol == GE_INVALID)
            break;
    }
    return sum;
}

LONG CGEGridCore::SumClientRowHeights(ROWCOL nFromClient, ROWCOL nToClient, LONG nLimit) {
    if (nFromClient > nToClient)
        return 0;
    const ROWCOL nFrozen = GetFrozenRows();
    LONG sum = 0;
    if (nFromClient <= nFrozen) {
        sum += SumRowHeights(nFromClient, std::min(nToClient, nFrozen), nLimit);
        if (nToClient <= nFrozen || (nLimit > 0 && sum > nLimit))
            return sum;
        nFromClient = nFrozen + 1;
    }
    const ROWCOL nTop = m_bPrinting ? m_nPrintTopRow : m_nTopRow;
    sum += SumRowHeights(GetRowFromClientRow(nFromClient), nTop + (nToClient - nFrozen - 1),
                         nLimit > 0 ? std::max<LONG>(nLimit - sum, 1) : 0);
    return sum;
}

LONG CGEGridCore::SumClientColWidths(ROWCOL nFromClient, ROWCOL nToClient, LONG nLimit) {
    if (nFromClient > nToClient)
        return 0;
    const ROWCOL nFrozen = GetFrozenCols();
    LONG sum = 0;
    if (nFromClient <= nFrozen) {
        sum += SumColWidths(nFromClient, std::min(nToClient, nFrozen), nLimit);
        if (nToClient <= nFrozen || (nLimit > 0 && sum > nLimit))
            return sum;
        nFromClient = nFrozen + 1;
    }
    const ROWCOL nLeft = m_bPrinting ? m_nPrintLeftCol : m_nLeftCol;
    sum += SumColWidths(GetColFromClientCol(nFromClient), nLeft + (nToClient - nFrozen - 1),
                        nLimit > 0 ? std::max<LONG>(nLimit - sum, 1) : 0);
    return sum;
}

// ---- visible indexes ----

ROWCOL CGEGridCore::GetRowFromClientRow(ROWCOL nClientRow) {
    const ROWCOL nFrozen = GetFrozenRows();
    if (nClientRow <= nFrozen)
        return nClientRow;
    return (m_bPrinting ? m_nPrintTopRow : m_nTopRow) + (nClientRow - nFrozen - 1);
}

ROWCOL CGEGridCore::GetColFromClientCol(ROWCOL nClientCol) {
    const ROWCOL nFrozen = GetFrozenCols();
    if (nClientCol <= nFrozen)
        return nClientCol;
    return (m_bPrinting ? m_nPrintLeftCol : m_nLeftCol) + (nClientCol - nFrozen - 1);
}

ROWCOL CGEGridCore::GetClientRow(ROWCOL nRow) {
    const ROWCOL nFrozen = GetFrozenRows();
    if (nRow <= nFrozen)
        return nRow;
    const ROWCOL nTop = m_bPrinting ? m_nPrintTopRow : m_nTopRow;
    return nRow < nTop ? 0 : nFrozen + 1 + (nRow - nTop);
}

ROWCOL CGEGridCore::GetClientCol(ROWCOL nCol) {
    const ROWCOL nFrozen = GetFrozenCols();
    if (nCol <= nFrozen)
        return nCol;
    const ROWCOL nLeft = m_bPrinting ? m_nPrintLeftCol : m_nLeftCol;
    return nCol < nLeft ? 0 : nFrozen + 1 + (nCol - nLeft);
}

ROWCOL CGEGridCore::GetClientRowAtPoint(CPoint point, int* pTop) {
    const CRect area = GetGridArea();
    const ROWCOL nRows = GetRowCount();
    int y = area.top;
    for (ROWCOL ci = 0;; ++ci) {
        const ROWCOL nRow = GetRowFromClientRow(ci);
        if (nRow > nRows) {
            if (pTop != nullptr)
                *pTop = y;
            return GE_INVALID;
        }
        const int h = GetRowHeight(nRow);
        if (point.y < y + h && (h > 0 || point.y < y)) {
            if (pTop != nullptr)
                *pTop = y;
            return ci;
        }
        y += h;
    }
}

ROWCOL CGEGridCore::GetClientColAtPoint(CPoint point, int* pLeft) {
    const CRect area = GetGridArea();
    const ROWCOL nCols = GetColCount();
    int x = area.left;
    for (ROWCOL ci = 0;; ++ci) {
        const ROWCOL nCol = GetColFromClientCol(ci);
        if (nCol > nCols) {
            if (pLeft != nullptr)
                *pLeft = x;
            return GE_INVALID;
        }
        const int w = GetColWidth(nCol);
        if (point.x < x + w && (w > 0 || point.x < x)) {
            if (pLeft != nullptr)
                *pLeft = x;
            return ci;
        }
        x += w;
    }
}

ROWCOL CGEGridCore::GetRowAtPoint(CPoint point) {
    const ROWCOL ci = GetClientRowAtPoint(point);
    return ci == GE_INVALID ? GetRowCount() : GetRowFromClientRow(ci);
}

ROWCOL CGEGridCore::GetColAtPoint(CPoint point) {
    const ROWCOL ci = GetClientColAtPoint(point);
    return ci == GE_INVALID ? GetColCount() : GetColFromClientCol(ci);
}

// ---- rectangles ----

CRect CGEGridCore::GetClientCellRect(ROWCOL nClientRow, ROWCOL nClientCol) {
    const CRect area = GetGridArea();
    const LONG nLimit = 2 * std::max<LONG>(area.Height(), 1);
    const int top = area.top + (nClientRow > 0 ? SumClientRowHeights(0, nClientRow - 1, nLimit) : 0);
    const int left =
        area.left +
        (nClientCol > 0 ? SumClientColWidths(0, nClientCol - 1, 2 * std::max<LONG>(area.Width(), 1)) : 0);
    const ROWCOL nRow = GetRowFromClientRow(nClientRow);
    const ROWCOL nCol = GetColFromClientCol(nClientCol);
    m_nCacheClientRow = nClientRow;
    m_nCacheClientCol = nClientCol;
    m_nCacheRowTop = top;
    m_nCacheColLeft = left;
    m_bCacheValid = TRUE;
    return CRect(left, top, left + GetColWidth(nCol), top + GetRowHeight(nRow));
}

CRect CGEGridCore::GetClientCellRectCached(ROWCOL nClientRow, ROWCOL nClientCol) {
    if (!m_bCacheValid || nClientRow < m_nCacheClientRow || nClientCol < m_nCacheClientCol)
        return GetClientCellRect(nClientRow, nClientCol);
    int top = m_nCacheRowTop;
    for (ROWCOL ci = m_nCacheClientRow; ci < nClientRow; ++ci)
        top += GetRowHeight(GetRowFromClientRow(ci));
    int left = m_nCacheColLeft;
    for (ROWCOL ci = m_nCacheClientCol; ci < nClientCol; ++ci)
        left += GetColWidth(GetColFromClientCol(ci));
    m_nCacheClientRow = nClientRow;
    m_nCacheClientCol = nClientCol;
    m_nCacheRowTop = top;
    m_nCacheColLeft = left;
    return CRect(left, top, left + GetColWidth(GetColFromClientCol(nClientCol)),
                 top + GetRowHeight(GetRowFromClientRow(nClientRow)));
}

CRect CGEGridCore::GetCellRect(ROWCOL nRow, ROWCOL nCol) {
    const CRect area = GetGridArea();
    auto edge = [](ROWCOL nLine, ROWCOL nFrozen, ROWCOL nFirst, int nOrigin, auto sum) -> int {
        if (nLine <= nFrozen)
            return nOrigin + (nLine > 0 ? sum(0, nLine - 1) : 0);
        const int nScrollOrigin = nOrigin + sum(0, nFrozen);
        if (nLine >= nFirst)
            return nScrollOrigin + (nLine > nFirst ? sum(nFirst, nLine - 1) : 0);
        return nScrollOrigin - sum(nLine, nFirst - 1); // scrolled away above or left
    };
    const int top = edge(nRow, GetFrozenRows(), m_bPrinting ? m_nPrintTopRow : m_nTopRow, area.top,
                         [this](ROWCOL a, ROWCOL b) { return static_cast<int>(SumRowHeights(a, b)); });
    const int left = edge(nCol, GetFrozenCols(), m_bPrinting ? m_nPrintLeftCol : m_nLeftCol, area.left,
                          [this](ROWCOL a, ROWCOL b) { return static_cast<int>(SumColWidths(a, b)); });
    return CRect(left, top, left + GetColWidth(nCol), top + GetRowHeight(nRow));
}

CRect CGEGridCore::GetRangeClientRect(const CGECellRange& rangeIn) {
    if (!rangeIn.IsValid())
        return CRect(0, 0, 0, 0);
    CGECellRange range(rangeIn);
    range.ExpandToCells(0, 0, GetRowCount(), GetColCount());
    const CRect area = GetGridArea();
    // The visible extent of lines nFirst..nLast in one direction: [start, end), empty when none shows.
    auto extent = [](ROWCOL nFirst, ROWCOL nLast, ROWCOL nFrozen, ROWCOL nTop, ROWCOL nLastVisible,
                     auto rectOf, int& nStart, int& nEnd) -> BOOL {
        const BOOL bFrozenPart = nFirst <= nFrozen;
        const BOOL bScrollPart = nLast >= nTop && nFirst <= nLastVisible;
        if (!bFrozenPart && !bScrollPart)
            return FALSE;
        nStart = bFrozenPart ? rectOf(nFirst).first : rectOf(std::max(nFirst, nTop)).first;
        if (bScrollPart)
            nEnd = rectOf(std::min(nLast, nLastVisible)).second;
        else
            nEnd = rectOf(std::min(nLast, nFrozen)).second;
        return nEnd > nStart;
    };
    int top = 0, bottom = 0, left = 0, right = 0;
    const BOOL bRows = extent(
        range.top, range.bottom, GetFrozenRows(), m_bPrinting ? m_nPrintTopRow : m_nTopRow,
        GetLastVisibleRow(),
        [this](ROWCOL r) {
            const CRect rc = GetCellRect(r, 0);
            return std::pair<int, int>(rc.top, rc.bottom);
        },
        top, bottom);
    const BOOL bCols = extent(
        range.left, range.right, GetFrozenCols(), m_bPrinting ? m_nPrintLeftCol : m_nLeftCol,
        GetLastVisibleCol(),
        [this](ROWCOL c) {
            const CRect rc = GetCellRect(0, c);
            return std::pair<int, int>(rc.left, rc.right);
        },
        left, right);
    if (!bRows || !bCols)
        return CRect(0, 0, 0, 0);
    CRect rect(left, top, right, bottom);
    rect.IntersectRect(rect, area);
    return rect;
}

CRect CGEGridCore::GetRangeRectCovered(const CGECellRange& rangeIn) {
    CGECellRange range(rangeIn);
    if (range.IsValid()) {
        range.ExpandToCells(0, 0, GetRowCount(), GetColCount());
        ExpandCoveredCellsRange(range);
        ExpandMergedCellsRange(range);
        ExpandFloatedCellsRange(range);
    }
    return GetRangeClientRect(range);
}

CRect CGEGridCore::GetRangeRectCovered(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) {
    return GetRangeRectCovered(CGECellRange(nTop, nLeft, nBottom, nRight));
}

CRect CGEGridCore::GetRectRightOfCol(ROWCOL nCol) {
    CRect area = GetGridArea();
    const CRect cell = GetCellRect(0, nCol);
    area.left = std::min(std::max<LONG>(cell.right, area.left), area.right);
    return area;
}

CRect CGEGridCore::GetRectBelowRow(ROWCOL nRow) {
    CRect area = GetGridArea();
    const CRect cell = GetCellRect(nRow, 0);
    area.top = std::min(std::max<LONG>(cell.bottom, area.top), area.bottom);
    return area;
}

ROWCOL CGEGridCore::GetLastVisibleRow() {
    if (m_nLastVisibleRow != GE_INVALID && !m_bPrinting)
        return m_nLastVisibleRow;
    const CRect area = GetGridArea();
    const ROWCOL nRows = GetRowCount();
    const ROWCOL nFrozen = GetFrozenRows();
    int y = area.top + SumRowHeights(0, nFrozen, area.Height() + 1);
    ROWCOL nRow = m_bPrinting ? m_nPrintTopRow : m_nTopRow;
    ROWCOL nLast = std::min(nFrozen, nRows);
    for (; nRow <= nRows && y < area.bottom; ++nRow) {
        y += GetRowHeight(nRow);
        nLast = nRow;
    }
    if (!m_bPrinting)
        m_nLastVisibleRow = nLast;
    return nLast;
}

ROWCOL CGEGridCore::GetLastVisibleCol() {
    if (m_nLastVisibleCol != GE_INVALID && !m_bPrinting)
        return m_nLastVisibleCol;
    const CRect area = GetGridArea();
    const ROWCOL nCols = GetColCount();
    const ROWCOL nFrozen = GetFrozenCols();
    int x = area.left + SumColWidths(0, nFrozen, area.Width() + 1);
    ROWCOL nCol = m_bPrinting ? m_nPrintLeftCol : m_nLeftCol;
    ROWCOL nLast = std::min(nFrozen, nCols);
    for (; nCol <= nCols && x < area.right; ++nCol) {
        x += GetColWidth(nCol);
        nLast = nCol;
    }
    if (!m_bPrinting)
        m_nLastVisibleCol = nLast;
    return nLast;
}

ROWCOL CGEGridCore::CalcBottomRowFromTopRow(const CRect& rectArea, BOOL& bReachedEnd) {
    bReachedEnd = FALSE;
    const ROWCOL nRows = GetRowCount();
    int y = rectArea.top + SumRowHeights(0, GetFrozenRows(), rectArea.Height() + 1);
    for (ROWCOL nRow = m_bPrinting ? m_nPrintTopRow : m_nTopRow; nRow <= nRows; ++nRow) {
        y += GetRowHeight(nRow);
        if (y > rectArea.bottom)
            return nRow;
    }
    bReachedEnd = TRUE;
    return nRows;
}

ROWCOL CGEGridCore::CalcRightColFromLeftCol(const CRect& rectArea, BOOL& bReachedEnd) {
    bReachedEnd = FALSE;
    const ROWCOL nCols = GetColCount();
    int x = rectArea.left + SumColWidths(0, GetFrozenCols(), rectArea.Width() + 1);
    for (ROWCOL nCol = m_bPrinting ? m_nPrintLeftCol : m_nLeftCol; nCol <= nCols; ++nCol) {
        x += GetColWidth(nCol);
        if (x > rectArea.right)
            return nCol;
    }
    bReachedEnd = TRUE;
    return nCols;
}

// ---- hit-testing ----

int CGEGridCore::HitTest(CPoint pointIn, ROWCOL* pRow, ROWCOL* pCol, CRect* pRect) {
    const CRect area = GetGridArea();
    CPoint point(std::max<LONG>(pointIn.x, 0), std::max<LONG>(pointIn.y, 0));
    int left = 0, top = 0;
    const ROWCOL ciCol = GetClientColAtPoint(point, &left);
    const ROWCOL ciRow = GetClientRowAtPoint(point, &top);
    const auto inArea = [&area](CPoint p) {
        return p.x >= area.left && p.x < area.right && p.y >= area.top && p.y < area.bottom;
    };
    if (!inArea(point) || !inArea(pointIn))
        return GE_HT_NOHIT;

    const ROWCOL nRow = ciRow != GE_INVALID ? GetRowFromClientRow(ciRow) : GE_INVALID;
    const ROWCOL nCol = ciCol != GE_INVALID ? GetColFromClientCol(ciCol) : GE_INVALID;
    const BOOL bRect = nRow != GE_INVALID && nCol != GE_INVALID;
    CRect rect;
    if (bRect)
        rect.SetRect(left, top, left + GetColWidth(nCol), top + GetRowHeight(nRow));

    const ROWCOL nHeaderRows = GetHeaderRows();
    const ROWCOL nHeaderCols = GetHeaderCols();
    const WORD wColFlags = m_pParam != nullptr ? m_pParam->m_wColSizingFlags : 0;
    const WORD wRowFlags = m_pParam != nullptr ? m_pParam->m_wRowSizingFlags : 0;
    const BOOL bColResize =
        (wColFlags & 3) != 0 && ((nRow != GE_INVALID && nRow <= nHeaderRows) || (wColFlags & 4) != 0);
    const BOOL bRowResize =
        (wRowFlags & 3) != 0 && ((nCol != GE_INVALID && nCol <= nHeaderCols) || (wRowFlags & 4) != 0);
    const int nHalf = m_nHitTestMargin / 2;
    const int nQuarter = m_nHitTestMargin / 4;

    int nHit = GE_HT_NOHIT;
    ROWCOL nHitRow = nRow, nHitCol = nCol;
    if (bRect && bColResize) {
        if (std::abs(rect.right - point.x) <= nHalf) {
            if (!(nCol <= nHeaderCols && (wColFlags & 8) != 0)) {
                nHit = GE_HT_VERTLINE;
                nHitCol = nCol;
            }
        } else if (std::abs(rect.left - point.x) <= nHalf && nCol != 0) {
            if (nCol <= nHeaderCols + 1 && (wColFlags & 8) != 0) {
                // the header's own outer boundary does not resize
            } else if (point.x - rect.left > nQuarter && GetColWidth(nCol - 1) == 0) {
                nHit = GE_HT_HIDDENCOL;
                nHitCol = nCol - 1;
            } else {
                for (ROWCOL c = nCol; c-- > 0;) {
                    if (GetColWidth(c) > 0) {
                        nHit = GE_HT_VERTLINE;
                        nHitCol = c;
                        break;
                    }
                }
            }
        }
    }
    if (nHit == GE_HT_NOHIT && bRect && bRowResize) {
        if (std::abs(rect.bottom - point.y) <= nHalf) {
            if (!(nRow <= nHeaderRows && (wRowFlags & 8) != 0)) {
                nHit = GE_HT_HORZLINE;
                nHitRow = nRow;
            }
        } else if (std::abs(rect.top - point.y) <= nHalf && nRow != 0) {
            if (nRow <= nHeaderRows + 1 && (wRowFlags & 8) != 0) {
                // the header's own outer boundary does not resize
            } else if (point.y - rect.top > nQuarter && GetRowHeight(nRow - 1) == 0) {
                nHit = GE_HT_HIDDENROW;
                nHitRow = nRow - 1;
            } else {
                for (ROWCOL r = nRow; r-- > 0;) {
                    if (GetRowHeight(r) > 0) {
                        nHit = GE_HT_HORZLINE;
                        nHitRow = r;
                        break;
                    }
                }
            }
        }
    }
    if (nHit == GE_HT_NOHIT && bRect) {
        nHit = OnCellHitTest(nRow, nCol, point, rect);
        if (nHit == GE_HT_NOHIT)
            nHit = nCol > nHeaderCols && nRow > nHeaderRows ? GE_HT_CELL : GE_HT_HEADER;
    }

    if (pRow != nullptr) {
        if (ciRow == GE_INVALID && point.y > top + nHalf + 1)
            *pRow = GetRowCount() + 1;
        else
            *pRow = nHitRow != GE_INVALID ? nHitRow : GetRowCount() + 1;
    }
    if (pCol != nullptr) {
        if (ciCol == GE_INVALID && point.x > left + nHalf + 1)
            *pCol = GetColCount() + 1;
        else
            *pCol = nHitCol != GE_INVALID ? nHitCol : GetColCount() + 1;
    }
    if (pRect != nullptr)
        *pRect = bRect ? rect : CRect(0, 0, 0, 0);
    return nHit;
}

int CGEGridCore::OnCellHitTest(ROWCOL nRow, ROWCOL nCol, CPoint point, const CRect& rect) {
    if (m_pParam == nullptr || !(m_bAllowSelDragEdge || m_pParam->m_bDragFill))
        return GE_HT_NOHIT;
    const CGERangeList& list = m_pParam->m_SelectedRanges;
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        const CGECellRange* pRange = list.GetNextRange(pos);
        if (pRange->IsValid() && pRange->IsTable()) {
            // With the whole table selected only the corner cell's left and top edges react.
            if (nRow == 0 && nCol == 0 && (point.x - rect.left <= 4 || point.y - rect.top <= 4))
                return GE_HT_SELEDGE;
            return GE_HT_NOHIT;
        }
    }
    POSITION found = list.FindRange(nRow, nCol);
    if (found == nullptr)
        return GE_HT_NOHIT;
    CGECellRange range(*list.GetRangeAt(found));
    CGECellRange covered;
    if (GetCoveredCellsRowCol(nRow, nCol, covered) != nullptr)
        range.SetUnion(range, covered);
    BOOL bEdge = FALSE;
    if (point.x - rect.left <= 4 && range.left == nCol && !range.IsRows())
        bEdge = TRUE;
    if (rect.right - point.x <= 4 && range.right == nCol && !range.IsRows())
        bEdge = TRUE;
    if (point.y - rect.top <= 4 && range.top == nRow && !range.IsCols())
        bEdge = TRUE;
    if (rect.bottom - point.y <= 4 && range.bottom == nRow && !range.IsCols())
        bEdge = TRUE;
    if (m_pParam->m_bDragFill && rect.right - point.x < 5 && rect.bottom - point.y < 5)
        return GE_HT_SELCORNER;
    return bEdge ? GE_HT_SELEDGE : GE_HT_NOHIT;
}
