#include "grid/features/CGEDataCopyMoveCellsImp.h"

#include "grid/core/CGEData.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEStyle.h"
#include "grid/features/CGEDataUndoMoveCellsInfo.h"

#include <vector>

namespace {

// The array and index that hold a cell: row 0 the column styles, column 0 the row styles, else the cell
// rows (made when bCreate).
CGEStylePtrArray* Slot(CGEData& data, ROWCOL nRow, ROWCOL nCol, ROWCOL& nIndex, BOOL bCreate) {
    if (nRow == 0) {
        nIndex = nCol;
        return &data.m_apColBaseStyle;
    }
    nIndex = nCol == 0 ? nRow : nCol;
    if (nCol == 0)
        return &data.m_apRowBaseStyle;
    return bCreate ? data.m_apapCellStyle.GetOrAddRow(nRow) : data.m_apapCellStyle.GetRow(nRow);
}

const CGEStyle* Peek(CGEData& data, ROWCOL nRow, ROWCOL nCol) {
    ROWCOL nIndex = 0;
    const CGEStylePtrArray* pArray = Slot(data, nRow, nCol, nIndex, FALSE);
    return pArray != nullptr ? pArray->GetStyle(nIndex) : nullptr;
}

// Takes the style out of its place (the place keeps null); null when it had none.
CGEStyle* Detach(CGEData& data, ROWCOL nRow, ROWCOL nCol) {
    ROWCOL nIndex = 0;
    CGEStylePtrArray* pArray = Slot(data, nRow, nCol, nIndex, FALSE);
    if (pArray == nullptr || static_cast<INT_PTR>(nIndex) >= pArray->GetSize())
        return nullptr;
    auto* pStyle = static_cast<CGEStyle*>(pArray->GetAt(nIndex));
    pArray->SetAt(nIndex, nullptr);
    return pStyle;
}

// Puts a style (taken over) into an empty or occupied place, freeing what was there; null clears.
void Place(CGEData& data, ROWCOL nRow, ROWCOL nCol, CGEStyle* pStyle) {
    ROWCOL nIndex = 0;
    if (CGEStylePtrArray* pArray = Slot(data, nRow, nCol, nIndex, pStyle != nullptr))
        pArray->SetStyle(nIndex, pStyle);
}

BOOL FitsData(const CGEData& data, ROWCOL nTop, ROWCOL nLeft, ROWCOL nRows, ROWCOL nCols) {
    return nRows > 0 && nCols > 0 && nTop <= data.GetRowCount() && nLeft <= data.GetColCount() &&
           nRows - 1 <= data.GetRowCount() - nTop && nCols - 1 <= data.GetColCount() - nLeft;
}

// The block sizes of a cell range; FALSE when it or its destination leaves the data.
BOOL BlockOf(const CGEData& data, const CGECellRange& source, ROWCOL nDestRow, ROWCOL nDestCol, ROWCOL& nRows,
             ROWCOL& nCols) {
    if (!source.IsValid() || source.top > source.bottom || source.left > source.right)
        return FALSE;
    nRows = source.bottom - source.top + 1;
    nCols = source.right - source.left + 1;
    return FitsData(data, source.top, source.left, nRows, nCols) &&
           FitsData(data, nDestRow, nDestCol, nRows, nCols);
}

} // namespace

void GEInstallDataCopyMoveCells() {
    CGELibraryState* pState = GEGetLibraryState();
    if (pState->m_pDataCopyMoveCellsImp == nullptr) {
        auto* pImp = new CGEDataCopyMoveCellsImp;
        pState->m_pDataCopyMoveCellsImp = pImp;
        pState->AddAutoDeleteObject(pImp);
    }
}

BOOL CGEDataCopyMoveCellsImp::CopyCells(CGEData* pData, const CGECellRange& source, ROWCOL nDestRow,
                                        ROWCOL nDestCol) {
    ROWCOL nRows = 0, nCols = 0;
    if (pData == nullptr || !BlockOf(*pData, source, nDestRow, nDestCol, nRows, nCols))
        return FALSE;
    // Onto itself there is nothing to copy (and freeing the destination would free the source).
    if (nDestRow == source.top && nDestCol == source.left)
        return TRUE;
    // Walk away from the destination: downwards (rightwards) blocks are copied from their far end.
    const BOOL bRowsBackwards = nDestRow > source.top;
    const BOOL bColsBackwards = nDestCol > source.left;
    for (ROWCOL i = 0; i < nRows; ++i) {
        const ROWCOL dr = bRowsBackwards ? nRows - 1 - i : i;
        for (ROWCOL j = 0; j < nCols; ++j) {
            const ROWCOL dc = bColsBackwards ? nCols - 1 - j : j;
            const CGEStyle* pSource = Peek(*pData, source.top + dr, source.left + dc);
            Place(*pData, nDestRow + dr, nDestCol + dc, pSource != nullptr ? pSource->Clone() : nullptr);
        }
    }
    return TRUE;
}

BOOL CGEDataCopyMoveCellsImp::MoveCells(CGEData* pData, const CGECellRange& source, ROWCOL nDestRow,
                                        ROWCOL nDestCol, CObject*& pUndoInfo, BOOL bRecordUndo, int) {
    ROWCOL nRows = 0, nCols = 0;
    if (pData == nullptr || !BlockOf(*pData, source, nDestRow, nDestCol, nRows, nCols))
        return FALSE;
    if (nDestRow == source.top && nDestCol == source.left)
        return TRUE;
    // 1. The whole source block comes out first, so that overlapping blocks keep every style once.
    std::vector<CGEStyle*> block(static_cast<size_t>(nRows) * nCols, nullptr);
    for (ROWCOL i = 0; i < nRows; ++i)
        for (ROWCOL j = 0; j < nCols; ++j)
            block[static_cast<size_t>(i) * nCols + j] = Detach(*pData, source.top + i, source.left + j);
    // 2. What the destination held is kept for undo or freed.
    auto pSaved = bRecordUndo ? std::make_unique<CGEDataUndoMoveCellsInfo>() : nullptr;
    for (ROWCOL i = 0; i < nRows; ++i) {
        for (ROWCOL j = 0; j < nCols; ++j) {
            CGEStyle* pOld = Detach(*pData, nDestRow + i, nDestCol + j);
            if (pOld == nullptr)
                continue;
            if (pSaved != nullptr)
                pSaved->Add(nDestRow + i, nDestCol + j, pOld);
            else
                delete pOld;
        }
    }
    // 3. The block lands.
    for (ROWCOL i = 0; i < nRows; ++i)
        for (ROWCOL j = 0; j < nCols; ++j)
            Place(*pData, nDestRow + i, nDestCol + j, block[static_cast<size_t>(i) * nCols + j]);
    // 4. Undoing a move puts back what that move overwrote.
    if (auto* pUndone = dynamic_cast<CGEDataUndoMoveCellsInfo*>(pUndoInfo)) {
        for (CGEDataUndoMoveCellsInfo::SavedCell& cell : pUndone->TakeAll())
            Place(*pData, cell.nRow, cell.nCol, cell.pStyle.release());
    }
    // 5. The new information goes to the caller.
    if (pSaved != nullptr)
        pUndoInfo = pSaved.release();
    return TRUE;
}
