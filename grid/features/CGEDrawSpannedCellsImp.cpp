#include "grid/features/CGEDrawSpannedCellsImp.h"

#include "framework/win/CDC.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEPaintTable.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>

void CGEGridCore::InstallDrawSpannedCells() {
    if (m_pDrawSpannedCellsImp == nullptr) {
        auto* pImp = new CGEDrawSpannedCellsImp;
        m_pDrawSpannedCellsImp = pImp;
        AddAutoDeleteObject(pImp);
    }
}

BOOL CGEDrawSpannedCellsImp::FindDrawnSpan(CGEGridCore* pGrid, const CGEPaintTable& table, ROWCOL nRow,
                                           ROWCOL nCol, CGECellRange& span) {
    span = CGECellRange(nRow, nCol, nRow, nCol);
    if (pGrid->GetCoveredCellsRowCol(nRow, nCol, span) != nullptr)
        return TRUE;
    const BOOL bActive = table.pActiveControl != nullptr && pGrid->IsCurrentCell(nRow, nCol);
    CGECellRange found(nRow, nCol, nRow, nCol);
    if (pGrid->GetMergedCellsRange(nRow, nCol, found, 0) != nullptr && found.right > found.left &&
        (nCol == found.left || !bActive)) {
        span = CGECellRange(nRow, found.left, nRow, found.right);
        return TRUE;
    }
    found = CGECellRange(nRow, nCol, nRow, nCol);
    if (pGrid->GetMergedCellsRange(nRow, nCol, found, 1) != nullptr && found.bottom > found.top &&
        (nRow == found.top || !bActive)) {
        span = CGECellRange(found.top, nCol, found.bottom, nCol);
        return TRUE;
    }
    found = CGECellRange(nRow, nCol, nRow, nCol);
    if (pGrid->GetFloatedCellsRange(nRow, nCol, found) != nullptr && found.right > found.left &&
        (nCol == found.left || !bActive)) {
        span = CGECellRange(nRow, found.left, nRow, found.right);
        return TRUE;
    }
    return FALSE;
}

BOOL CGEDrawSpannedCellsImp::MarkSpannedCell(CGEGridCore* pGrid, CGEPaintTable& table, int i, int j) {
    const ROWCOL nRow = table.rows[static_cast<size_t>(i)].nIndex;
    const ROWCOL nCol = table.cols[static_cast<size_t>(j)].nIndex;
    CGECellRange span;
    if (!FindDrawnSpan(pGrid, table, nRow, nCol, span))
        return FALSE;
    const BOOL bCovered = pGrid->GetCoveredCellsRowCol(nRow, nCol, span) != nullptr;

    // The origin's composed style: its own table entry when it shows, else looked up.
    CGEStyle* pOrigin = nullptr;
    for (int a = 0; a < table.RowCount() && pOrigin == nullptr; ++a) {
        if (table.rows[static_cast<size_t>(a)].nIndex != span.top)
            continue;
        for (int b = 0; b < table.ColCount(); ++b) {
            if (table.cols[static_cast<size_t>(b)].nIndex == span.left) {
                pOrigin = table.StyleAt(a, b);
                break;
            }
        }
    }
    CGEStyle* pLooked = nullptr;
    if (pOrigin == nullptr) {
        pLooked = pGrid->CreateStyle();
        pLooked->Assign(pGrid->LookupStyleRowCol(span.top, span.left));
        pOrigin = pLooked;
    }
    const CGEStyle originStyle(*pOrigin);
    pGrid->RecycleStyle(pLooked);

    BOOL bStart = TRUE;
    for (int a = i; a < table.RowCount(); ++a) {
        const ROWCOL r = table.rows[static_cast<size_t>(a)].nIndex;
        if (r < span.top || r > span.bottom)
            continue;
        for (int b = 0; b < table.ColCount(); ++b) {
            const ROWCOL c = table.cols[static_cast<size_t>(b)].nIndex;
            if (c < span.left || c > span.right || (a == i && b < j))
                continue;
            // An edit inside a merged or floated span shows as its own cell.
            if (!bCovered && table.pActiveControl != nullptr && pGrid->IsCurrentCell(r, c))
                continue;
            WORD& wFlags = table.FlagsAt(a, b);
            if (table.StyleAt(a, b) != pOrigin)
                table.StyleAt(a, b)->Assign(originStyle);
            wFlags |= CGEPaintTable::flagSpanPart;
            wFlags &= static_cast<WORD>(~CGEPaintTable::flagBackground);
            if (bStart) {
                wFlags |= CGEPaintTable::flagSpanStart;
                bStart = FALSE;
            }
            // No grid line inside the span.
            if (c < span.right)
                wFlags |= CGEPaintTable::flagNoRightLine;
            if (r < span.bottom)
                wFlags |= CGEPaintTable::flagNoBottomLine;
        }
    }
    table.bSpansFound = TRUE;
    return TRUE;
}

void CGEDrawSpannedCellsImp::DrawSpannedCell(CGEGridCore* pGrid, CDC* pDC, CGEPaintTable& table, int i,
                                             int j) {
    const ROWCOL nRow = table.rows[static_cast<size_t>(i)].nIndex;
    const ROWCOL nCol = table.cols[static_cast<size_t>(j)].nIndex;
    CGECellRange span;
    if ((table.FlagsAt(i, j) & CGEPaintTable::flagSpanStart) == 0 ||
        !FindDrawnSpan(pGrid, table, nRow, nCol, span))
        return;
    CRect rect = pGrid->GetRangeClientRect(span);
    if (rect.IsRectEmpty())
        rect = table.CellRect(i, j);
    // The span's cells end left of and above the grid lines of its last column and row.
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&table.rectGrid);
    pGrid->DrawItem(pDC, span.top, span.left, rect, *table.StyleAt(i, j));
    pDC->RestoreDC(nSaved);
}

BOOL CGEDrawSpannedCellsImp::EvalVisibleSpannedCells(CGEGridCore* pGrid, const CGECellRange& rangeIn,
                                                     ROWCOL nFrozenRows, ROWCOL nFrozenCols, ROWCOL nTopRow,
                                                     ROWCOL nLeftCol, ROWCOL nLastRow, ROWCOL nLastCol,
                                                     BOOL bUpdate, CGECellRange* pChanged,
                                                     BOOL bCachedStyles) {
    CGECellRange range(rangeIn);
    range.ExpandToCells(0, 0, pGrid->GetRowCount(), pGrid->GetColCount());
    range.valid = TRUE;
    const CGECellRange parts[4] = {
        CGECellRange(0, 0, nFrozenRows, nFrozenCols),
        CGECellRange(0, nLeftCol, nFrozenRows, std::max(nLeftCol, nLastCol)),
        CGECellRange(nTopRow, 0, std::max(nTopRow, nLastRow), nFrozenCols),
        CGECellRange(nTopRow, nLeftCol, std::max(nTopRow, nLastRow), std::max(nLeftCol, nLastCol)),
    };
    CGECellRange pieces[4];
    BOOL bHas[4] = {};
    for (int k = 0; k < 4; ++k) {
        // A part whose last line lies before its first (nothing scrolled into view) is empty.
        const BOOL bRowsShow = k < 2 || nLastRow >= nTopRow;
        const BOOL bColsShow = k % 2 == 0 || nLastCol >= nLeftCol;
        bHas[k] = bRowsShow && bColsShow && pieces[k].SetIntersection(range, parts[k]);
    }
    BOOL bChanged = FALSE;
    for (int k = 0; k < 4; ++k) {
        if (bHas[k])
            bChanged |= pGrid->EvalMergeCells(pieces[k], bUpdate, pChanged, bCachedStyles);
    }
    for (int k = 0; k < 4; ++k) {
        if (bHas[k])
            bChanged |= pGrid->EvalFloatCells(pieces[k], bUpdate, pChanged, bCachedStyles);
    }
    return bChanged;
}
