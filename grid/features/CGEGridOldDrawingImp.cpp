#include "grid/features/CGEGridOldDrawingImp.h"

#include "framework/win/CDC.h"
#include "grid/core/CGEAbstractDrawSpannedCellsImp.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEPaintTable.h"
#include "grid/core/CGEStyle.h"

namespace {

// The brush a cell's interior is filled with: its own, else the window colour the cells default to.
CGEStyleBrush BrushOf(const CGEStyle* pStyle) {
    if (pStyle != nullptr && pStyle->GetIncludeInterior())
        return pStyle->GetInterior();
    return CGEStyleBrush(::GetSysColor(COLOR_WINDOW));
}

// A cell that may join a background block of brush: its interior still pending, not part of a span, and
// the same brush or no style yet.
bool Joins(CGEPaintTable& table, int nRow, int nCol, const CGEStyleBrush& brush) {
    const WORD wFlags = table.FlagsAt(nRow, nCol);
    if ((wFlags & CGEPaintTable::flagBackground) == 0 || (wFlags & CGEPaintTable::flagSpanPart) != 0)
        return false;
    const CGEStyle* pStyle = table.StyleAt(nRow, nCol);
    return pStyle == nullptr || BrushOf(pStyle) == brush;
}

bool RowJoins(CGEPaintTable& table, int nRow, int nFirstCol, int nLastCol, const CGEStyleBrush& brush) {
    for (int j = nFirstCol; j <= nLastCol; ++j) {
        if (!Joins(table, nRow, j, brush))
            return false;
    }
    return true;
}

void ClearPending(CGEPaintTable& table, int nRow, int nFirstCol, int nLastCol) {
    for (int j = nFirstCol; j <= nLastCol; ++j)
        table.FlagsAt(nRow, j) &= static_cast<WORD>(~CGEPaintTable::flagBackground);
}

// Metafiles without an attribute context cannot answer clipping queries.
bool IsPlainMetafile(CDC* pDC) {
    const DWORD dwType = ::GetObjectType(pDC->GetSafeHdc());
    return (dwType == OBJ_METADC || dwType == OBJ_ENHMETADC) && pDC->m_hAttribDC == nullptr;
}

// Restores the under-way flag as it was, so that a nested paint keeps the path of the outer one.
class UnderWay {
public:
    explicit UnderWay(CGEGridCore* pGrid) : m_pGrid(pGrid), m_bWas(pGrid->m_bOldDrawingUnderWay) {
        pGrid->m_bOldDrawingUnderWay = TRUE;
    }
    ~UnderWay() { m_pGrid->m_bOldDrawingUnderWay = m_bWas; }
    UnderWay(const UnderWay&) = delete;
    UnderWay& operator=(const UnderWay&) = delete;

private:
    CGEGridCore* m_pGrid;
    BOOL m_bWas;
};

} // namespace

void CGEGridCore::InstallOldDrawing() {
    if (m_pOldDrawingImp == nullptr) {
        m_pOldDrawingImp = new CGEGridOldDrawingImp;
        AddAutoDeleteObject(m_pOldDrawingImp);
    }
}

BOOL CGEGridOldDrawingImp::DrawCellsOld(CGEGridCore* pGrid, CDC* pDC, CGEPaintTable& table) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || pDC == nullptr || !(pParam->m_bOldDrawing || pGrid->m_bOldDrawingUnderWay))
        return FALSE;
    UnderWay underWay(pGrid);
    const BOOL bClip = !IsPlainMetafile(pDC) && GEGetLibraryState()->m_bClipRowsWhenDrawing;
    DrawBackgrounds(pGrid, pDC, table);
    // The background pass leaves this to the cells while the flag is set; what lies beyond the last row
    // and column would otherwise keep stale pixels.
    if (pParam->m_bOldDrawing)
        pGrid->DrawBeyondLastLines(pDC, table);
    DrawRows(pGrid, pDC, table, bClip);
    pGrid->DrawPaintGridLines(pDC, table);
    pGrid->DrawPaintClosing(pDC, table);
    return TRUE;
}

void CGEGridOldDrawingImp::DrawRows(CGEGridCore* pGrid, CDC* pDC, CGEPaintTable& table, BOOL bClip) {
    if (table.RowCount() == 0 || table.ColCount() == 0)
        return;
    int nTop = table.rows.front().nPos;
    for (int i = 0; i < table.RowCount(); ++i) {
        const CGEPaintTable::Line& row = table.rows[static_cast<size_t>(i)];
        const int nBottom = nTop + row.nSize;
        int nSaved = 0;
        if (bClip) {
            nSaved = pDC->SaveDC();
            pDC->IntersectClipRect(table.rectPaint.left, nTop, table.rectPaint.right, nBottom);
        }
        int nLeft = table.cols.front().nPos;
        for (int j = 0; j < table.ColCount(); ++j) {
            const CGEPaintTable::Line& col = table.cols[static_cast<size_t>(j)];
            const CRect rect(nLeft, nTop, nLeft + col.nSize, nBottom);
            nLeft = rect.right;
            // Spans are drawn whole after the rows, outside any row's band.
            const WORD wSpan = CGEPaintTable::flagSpanPart | CGEPaintTable::flagSpanStart;
            if ((table.FlagsAt(i, j) & wSpan) != 0 && pGrid->m_pDrawSpannedCellsImp != nullptr)
                continue;
            pGrid->DrawItem(pDC, row.nIndex, col.nIndex, rect, *table.StyleAt(i, j));
        }
        if (bClip)
            pDC->RestoreDC(nSaved);
        nTop = nBottom;
    }
    if (pGrid->m_pDrawSpannedCellsImp == nullptr)
        return;
    for (int i = 0; i < table.RowCount(); ++i) {
        for (int j = 0; j < table.ColCount(); ++j) {
            if ((table.FlagsAt(i, j) & CGEPaintTable::flagSpanStart) != 0)
                pGrid->m_pDrawSpannedCellsImp->DrawSpannedCell(pGrid, pDC, table, i, j);
        }
    }
}

void CGEGridOldDrawingImp::DrawBackgrounds(CGEGridCore* pGrid, CDC* pDC, CGEPaintTable& table) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || pDC == nullptr || pParam->m_bOldDrawing)
        return;
    pGrid->DrawBeyondLastLines(pDC, table);
    for (int i = 0; i < table.RowCount(); ++i) {
        for (int j = 0; j < table.ColCount(); ++j) {
            const WORD wFlags = table.FlagsAt(i, j);
            if ((wFlags & CGEPaintTable::flagBackground) == 0 || (wFlags & CGEPaintTable::flagSpanPart) != 0)
                continue;
            const CGEStyleBrush brush = BrushOf(table.StyleAt(i, j));
            int nLastCol = j;
            while (nLastCol + 1 < table.ColCount() && Joins(table, i, nLastCol + 1, brush))
                ++nLastCol;
            ClearPending(table, i, j, nLastCol);
            int nLastRow = i;
            while (nLastRow + 1 < table.RowCount() && RowJoins(table, nLastRow + 1, j, nLastCol, brush)) {
                ++nLastRow;
                ClearPending(table, nLastRow, j, nLastCol);
            }
            const CRect first = table.CellRect(i, j);
            const CRect last = table.CellRect(nLastRow, nLastCol);
            // The grid lines of the block's right and bottom edge are drawn over it afterwards, as in
            // the cells' own background.
            pGrid->DrawBrushRect(pDC, CRect(first.left, first.top, last.right - 1, last.bottom - 1), brush);
        }
    }
}
