#include "grid/features/CGEGridHideCellsImp.h"

#include "grid/core/CGEAbstractCommandFactory.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELongOperation.h"
#include "grid/core/CGEProperties.h"

#include <memory>

namespace {

CGEBitArray* Bits(CGEGridCore* pGrid, BOOL bRows) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return nullptr;
    return bRows ? &pParam->m_abHiddenRows : &pParam->m_abHiddenCols;
}

} // namespace

void CGEGridCore::InstallHideCells() {
    if (m_pHideCellsImp == nullptr) {
        m_pHideCellsImp = new CGEGridHideCellsImp;
        AddAutoDeleteObject(m_pHideCellsImp);
    }
}

void CGEGridHideCellsImp::RemoveHiddenRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo) {
    if (CGEBitArray* pBits = Bits(pGrid, TRUE))
        pBits->RemoveBits(nFrom, nTo);
}

void CGEGridHideCellsImp::RemoveHiddenCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo) {
    if (CGEBitArray* pBits = Bits(pGrid, FALSE))
        pBits->RemoveBits(nFrom, nTo);
}

void CGEGridHideCellsImp::InsertHiddenRows(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCount) {
    if (CGEBitArray* pBits = Bits(pGrid, TRUE))
        pBits->InsertBits(nRow, nCount);
}

void CGEGridHideCellsImp::InsertHiddenCols(CGEGridCore* pGrid, ROWCOL nCol, ROWCOL nCount) {
    if (CGEBitArray* pBits = Bits(pGrid, FALSE))
        pBits->InsertBits(nCol, nCount);
}

void CGEGridHideCellsImp::MoveHiddenRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
    if (CGEBitArray* pBits = Bits(pGrid, TRUE))
        pBits->MoveBits(nFrom, nTo, nDest);
}

void CGEGridHideCellsImp::MoveHiddenCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
    if (CGEBitArray* pBits = Bits(pGrid, FALSE))
        pBits->MoveBits(nFrom, nTo, nDest);
}

BOOL CGEGridHideCellsImp::HideRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, BOOL bHide,
                                   const BOOL* abHide, UINT flags, int ctCmd) {
    return HideLines(pGrid, TRUE, nFrom, nTo, bHide, abHide, flags, ctCmd);
}

BOOL CGEGridHideCellsImp::HideCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, BOOL bHide,
                                   const BOOL* abHide, UINT flags, int ctCmd) {
    return HideLines(pGrid, FALSE, nFrom, nTo, bHide, abHide, flags, ctCmd);
}

BOOL CGEGridHideCellsImp::HideLines(CGEGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo, BOOL bHide,
                                    const BOOL* abHide, UINT flags, int ctCmd) {
    if (pGrid->GetParam() == nullptr)
        return FALSE;
    if (nTo == 0)
        nTo = nFrom;
    if (nFrom > nTo)
        return FALSE;
    CGELongOperation operation;
    const ROWCOL n = nTo - nFrom + 1;
    std::unique_ptr<int[]> anOldSizes(new int[n]);
    std::unique_ptr<BOOL[]> abOldHidden(new BOOL[n]);
    BOOL bChanged = FALSE;
    for (ROWCOL i = 0; i < n; ++i) {
        const ROWCOL nLine = nFrom + i;
        anOldSizes[i] = bRows ? pGrid->GetRowHeight(nLine) : pGrid->GetColWidth(nLine);
        abOldHidden[i] = bRows ? pGrid->IsRowHidden(nLine) : pGrid->IsColHidden(nLine);
        const BOOL bNew = abHide != nullptr ? abHide[i] : bHide;
        bChanged |= (bNew != FALSE) != (abOldHidden[i] != FALSE);
        if (bRows)
            pGrid->StoreHideRow(nLine, bNew);
        else
            pGrid->StoreHideCol(nLine, bNew);
        operation.Step();
    }
    // A call that changes nothing repaints nothing and records no undo step.
    if (!bChanged)
        return TRUE;
    const CGECellRange lines =
        bRows ? CGECellRange().SetRows(nFrom, nTo) : CGECellRange().SetCols(nFrom, nTo);
    pGrid->DelayMergeCells(lines);
    pGrid->DelayFloatCells(lines);
    if (bRows)
        pGrid->UpdateChangedRowHeights(nFrom, nTo, anOldSizes.get(), flags, TRUE);
    else
        pGrid->UpdateChangedColWidths(nFrom, nTo, anOldSizes.get(), flags, TRUE);
    if (pGrid->IsUndoRecorded() && ctCmd != geRollback) {
        CGEAbstractCommandFactory* pFactory = pGrid->m_pCommandFactory;
        pGrid->AddCommand(bRows ? pFactory->CreateHideRowsCmd(nFrom, nTo, abOldHidden.release())
                                : pFactory->CreateHideColsCmd(nFrom, nTo, abOldHidden.release()),
                          ctCmd);
        ROWCOL nCurRow = 0, nCurCol = 0;
        if ((ctCmd == geUndo || ctCmd == geRedo) && pGrid->GetCurrentCell(nCurRow, nCurCol))
            pGrid->SetUndoCurrentCell(bRows ? nFrom : nCurRow, bRows ? nCurCol : nFrom, FALSE);
    }
    return TRUE;
}

BOOL CGEGridHideCellsImp::IsRowHidden(CGEGridCore* pGrid, ROWCOL nRow) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    // Header rows show only in the top panes of a splitter window.
    if (pGrid->m_pSplitterWnd != nullptr && !pGrid->IsPrinting() && pGrid->m_nSplitterRow > 0 &&
        nRow <= pGrid->GetHeaderRows())
        return TRUE;
    const CGEProperties* pProps = pParam->GetProperties();
    if (nRow == 0 && pGrid->IsPrinting() && pProps != nullptr && !pProps->m_bPrintColHeaders)
        return TRUE;
    return pParam->IsRowHiddenBit(nRow);
}

BOOL CGEGridHideCellsImp::IsColHidden(CGEGridCore* pGrid, ROWCOL nCol) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    if (pGrid->m_pSplitterWnd != nullptr && !pGrid->IsPrinting() && pGrid->m_nSplitterCol > 0 &&
        nCol <= pGrid->GetHeaderCols())
        return TRUE;
    const CGEProperties* pProps = pParam->GetProperties();
    if (nCol == 0 && pGrid->IsPrinting() && pProps != nullptr && !pProps->m_bPrintRowHeaders)
        return TRUE;
    return pParam->IsColHiddenBit(nCol);
}

BOOL CGEGridHideCellsImp::StoreHideRow(CGEGridCore* pGrid, ROWCOL nRow, BOOL bHide) {
    if (CGEBitArray* pBits = Bits(pGrid, TRUE))
        pBits->SetBit(nRow, bHide);
    return TRUE;
}

BOOL CGEGridHideCellsImp::StoreHideCol(CGEGridCore* pGrid, ROWCOL nCol, BOOL bHide) {
    if (CGEBitArray* pBits = Bits(pGrid, FALSE))
        pBits->SetBit(nCol, bHide);
    return TRUE;
}
