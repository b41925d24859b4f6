#include "grid/features/CGEGridMarkEditHeaderImp.h"

#include "framework/win/CWnd.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEProperties.h"

namespace {

constexpr WORD kNoMarkWhileSizing = 0x10;
constexpr WORD kNoRowHeaderMark = 0x01 | 0x02;

BOOL RowVisible(CGEGridCore* pGrid, ROWCOL nRow) {
    return (pGrid->IsFrozenRow(nRow) || nRow >= pGrid->GetTopRow()) && nRow <= pGrid->GetRowCount() &&
           nRow <= pGrid->GetLastVisibleRow();
}

BOOL ColVisible(CGEGridCore* pGrid, ROWCOL nCol) {
    return (pGrid->IsFrozenCol(nCol) || nCol >= pGrid->GetLeftCol()) && nCol <= pGrid->GetColCount() &&
           nCol <= pGrid->GetLastVisibleCol();
}

} // namespace

void CGEGridCore::InstallMarkEditHeader() {
    if (m_pMarkEditHeaderImp == nullptr) {
        m_pMarkEditHeaderImp = new CGEGridMarkEditHeaderImp;
        AddAutoDeleteObject(m_pMarkEditHeaderImp);
    }
}

void CGEGridMarkEditHeaderImp::InvalidateHeader(CGEGridCore* pGrid, BOOL bRow, ROWCOL nLine, UINT flags) {
    CGECellRange cells = bRow ? CGECellRange(nLine, 0, nLine, pGrid->GetHeaderCols())
                              : CGECellRange().SetCells(0, nLine, pGrid->GetHeaderRows(), nLine);
    pGrid->ExpandCoveredCellsRange(cells);
    CRect rect = pGrid->GetCellRect(cells.top, cells.left);
    rect.UnionRect(rect, pGrid->GetCellRect(cells.bottom, cells.right));
    CWnd* pWnd = pGrid->GridWnd();
    if (rect.Width() <= 1 || rect.Height() <= 1 || pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return;
    pWnd->InvalidateRect(&rect, TRUE);
    if (flags & (GE_UPDATENOW | GE_SMART))
        pWnd->UpdateWindow();
}

void CGEGridMarkEditHeaderImp::RedrawEditHeaders(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nWhich,
                                                 UINT flags) {
    CGEProperties* pProps = pGrid->GetProperties();
    if (pGrid->m_bBulkChange || pProps == nullptr)
        return;
    const BOOL bRowVisible = RowVisible(pGrid, nRow), bColVisible = ColVisible(pGrid, nCol);
    if (!bRowVisible && !bColVisible)
        return;
    if ((nWhich == 0 || nWhich == 2) && pProps->m_bMarkRowHeader && bRowVisible)
        InvalidateHeader(pGrid, TRUE, nRow, flags);
    if ((nWhich == 0 || nWhich == 1) && pProps->m_bMarkColHeader && bColVisible)
        InvalidateHeader(pGrid, FALSE, nCol, flags);
}

BOOL CGEGridMarkEditHeaderImp::IsHeaderMarked(CGEGridCore* pGrid, CGEControl*, ROWCOL nRow, ROWCOL nCol,
                                              UINT) {
    CGEProperties* pProps = pGrid->GetProperties();
    CGEGridParam* pParam = pGrid->GetParam();
    if (pProps == nullptr || pParam == nullptr)
        return FALSE;
    CGECellRange covered(nRow, nCol, nRow, nCol);
    pGrid->GetCoveredCellsRowCol(nRow, nCol, covered);
    ROWCOL nCurRow = 0, nCurCol = 0;
    if (pGrid->GetCurrentCell(nCurRow, nCurCol) && nCurRow > pGrid->GetHeaderRows() &&
        nCurCol > pGrid->GetHeaderCols()) {
        if (nRow != 0 && pProps->m_bMarkRowHeader && !pParam->TestCurrentCellFlags(kNoRowHeaderMark) &&
            nCurRow >= covered.top && nCurRow <= covered.bottom)
            return TRUE;
        if (nCol != 0 && pProps->m_bMarkColHeader && nCurCol >= covered.left && nCurCol <= covered.right)
            return TRUE;
    }
    int nKind = 0;
    ROWCOL nIndex = 0;
    if (pGrid->IsTrackingResize(&nKind, &nIndex)) {
        if ((nKind & GE_RESIZE_COLS) && !pParam->TestColSizingFlags(kNoMarkWhileSizing) &&
            nIndex >= covered.left && nIndex <= covered.right)
            return TRUE;
        if ((nKind & GE_RESIZE_ROWS) && !pParam->TestRowSizingFlags(kNoMarkWhileSizing) &&
            nIndex >= covered.top && nIndex <= covered.bottom)
            return TRUE;
    }
    return FALSE;
}
