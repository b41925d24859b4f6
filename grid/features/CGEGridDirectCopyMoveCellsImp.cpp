#include "grid/features/CGEGridDirectCopyMoveCellsImp.h"

#include "framework/core/CObArray.h"
#include "framework/win/CWinApp.h"
#include "grid/GridResource.h"
#include "grid/core/CGEAbstractCommandFactory.h"
#include "grid/core/CGEAbstractDataCopyMoveCellsImp.h"
#include "grid/core/CGECommand.h"
#include "grid/core/CGEData.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGELongOperation.h"
#include "grid/features/CGEDataCopyMoveCellsImp.h"
#include "grid/features/CGELongOperationState.h"

namespace {

// The block of the source's size whose top-left is (nRow, nCol); FALSE when the source is no cell block.
BOOL DestinationOf(const CGECellRange& source, ROWCOL nRow, ROWCOL nCol, CGECellRange& dest) {
    if (!source.IsValid() || !source.IsCells() || source.top > source.bottom || source.left > source.right)
        return FALSE;
    dest = CGECellRange(nRow, nCol, nRow + (source.bottom - source.top), nCol + (source.right - source.left));
    return dest.bottom >= nRow && dest.right >= nCol; // no wrap-around
}

// Both blocks lie inside the grid.
BOOL BlocksFit(CGEGridCore* pGrid, const CGECellRange& source, const CGECellRange& dest) {
    const ROWCOL nRows = pGrid->GetRowCount();
    const ROWCOL nCols = pGrid->GetColCount();
    return source.bottom <= nRows && source.right <= nCols && dest.bottom <= nRows && dest.right <= nCols;
}

// Undo information is kept for blocks of fewer than 0x8000 rows and columns.
BOOL FitsUndoBuffer(const CGECellRange& range) {
    const ULONGLONG nRows = static_cast<ULONGLONG>(range.bottom) - range.top + 1;
    const ULONGLONG nCols = static_cast<ULONGLONG>(range.right) - range.left + 1;
    return nRows < 0x8000 && nCols < 0x8000 && nRows * nCols < 0x7FFFFFFF;
}

void FreeStyles(CObArray* pStyles) {
    GEObArrayDeleter()(pStyles);
}

// The edit of a current cell inside a changed block shows the new contents.
void RefreshCurrentCellIn(CGEGridCore* pGrid, const CGECellRange& range) {
    ROWCOL nRow = 0, nCol = 0;
    if (pGrid->GetCurrentCell(nRow, nCol) && range.Contains(nRow, nCol))
        pGrid->RefreshCurrentCell(FALSE);
}

} // namespace

void CGEGridCore::InstallDirectCopyMoveCells() {
    if (m_pDirectCopyMoveCellsImp == nullptr) {
        m_pDirectCopyMoveCellsImp = new CGEGridDirectCopyMoveCellsImp;
        AddAutoDeleteObject(m_pDirectCopyMoveCellsImp);
    }
    GEInstallDataCopyMoveCells();
}

BOOL CGEGridDirectCopyMoveCellsImp::CopyCells(CGEGridCore* pGrid, const CGECellRange& source, ROWCOL nDestRow,
                                              ROWCOL nDestCol, UINT flags) {
    CGECellRange dest;
    if (pGrid->IsReadOnly() || pGrid->GetData() == nullptr ||
        !DestinationOf(source, nDestRow, nDestCol, dest) || !BlocksFit(pGrid, source, dest))
        return FALSE;
    const CString strCopy = GEGetLibraryState()->GetText(CGELibraryState::textCopy);
    pGrid->BeginTrans(strCopy);
    CGELongOperation operation;
    operation.SetStatusText(strCopy);
    CGELongOperationState::Get().bRollbackPossible = TRUE;

    CObArray* pOldStyles = nullptr;
    if (pGrid->IsUndoRecorded()) {
        if (FitsUndoBuffer(dest)) {
            pOldStyles = pGrid->CopyRangeStyles(dest);
        } else {
            CString strQuestion;
            strQuestion.LoadString(GE_IDS_UNDO_TOO_LARGE);
            if (AskUser(strQuestion, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) {
                pGrid->Rollback();
                return FALSE;
            }
        }
    }
    pGrid->ResetCurrentCellStyleCache();
    const BOOL bCopied = CopyCellsInData(pGrid, source, nDestRow, nDestCol);
    if (!bCopied) {
        FreeStyles(pOldStyles);
        pGrid->Rollback();
        return FALSE;
    }
    if (pOldStyles != nullptr)
        pGrid->AddCommand(pGrid->m_pCommandFactory->CreateSetStyleRangeCmd(dest, pOldStyles), geDo);
    pGrid->CommitTrans();
    pGrid->DelayFloatCells(dest);
    pGrid->DelayMergeCells(dest);
    pGrid->SetModifiedFlag();
    RefreshCurrentCellIn(pGrid, dest);
    pGrid->UpdateStyleRange(dest, nullptr, geOverride, flags, TRUE);
    return TRUE;
}

BOOL CGEGridDirectCopyMoveCellsImp::CopyCellsInData(CGEGridCore* pGrid, const CGECellRange& source,
                                                    ROWCOL nDestRow, ROWCOL nDestCol) {
    CGEData* pData = pGrid->GetData();
    if (pData == nullptr)
        return TRUE;
    if (CGEAbstractDataCopyMoveCellsImp* pImp = GEGetLibraryState()->m_pDataCopyMoveCellsImp)
        return pImp->CopyCells(pData, source, nDestRow, nDestCol);
    return pData->CopyCells(source, nDestRow, nDestCol);
}

BOOL CGEGridDirectCopyMoveCellsImp::MoveCells(CGEGridCore* pGrid, const CGECellRange& source, ROWCOL nDestRow,
                                              ROWCOL nDestCol, CObject*& pUndoInfo, UINT flags, int ctCmd) {
    CGECellRange dest;
    if (pGrid->IsReadOnly() || pGrid->GetData() == nullptr ||
        !DestinationOf(source, nDestRow, nDestCol, dest) || !BlocksFit(pGrid, source, dest))
        return FALSE;
    if (dest.top == source.top && dest.left == source.left)
        return TRUE; // nothing moves
    CGELongOperation operation;
    operation.SetStatusText(GEGetLibraryState()->GetText(CGELibraryState::textMove));
    if (!pGrid->m_bBulkChange)
        pGrid->ResetCurrentCellStyleCache();
    const BOOL bRecord = pGrid->IsUndoRecorded() && ctCmd != geRollback;
    // The caller keeps what it passed; a new record of the overwritten cells comes back in pInfo.
    CObject* pInfo = pUndoInfo;
    if (!MoveCellsInData(pGrid, source, nDestRow, nDestCol, pInfo, bRecord, ctCmd))
        return FALSE;
    CObject* pRecorded = pInfo != pUndoInfo ? pInfo : nullptr;
    pGrid->DelayFloatCells(dest);
    pGrid->DelayMergeCells(dest);
    pGrid->DelayFloatCells(source);
    pGrid->DelayMergeCells(source);
    pGrid->SetModifiedFlag();
    if (bRecord)
        pGrid->AddCommand(
            pGrid->m_pCommandFactory->CreateMoveCellsCmd(dest, source.top, source.left, pRecorded), ctCmd);
    else
        delete pRecorded;
    RefreshCurrentCellIn(pGrid, source);
    RefreshCurrentCellIn(pGrid, dest);
    pGrid->UpdateStyleRange(source, nullptr, geOverride, flags, TRUE);
    pGrid->UpdateStyleRange(dest, nullptr, geOverride, flags, TRUE);
    return TRUE;
}

BOOL CGEGridDirectCopyMoveCellsImp::MoveCellsInData(CGEGridCore* pGrid, const CGECellRange& source,
                                                    ROWCOL nDestRow, ROWCOL nDestCol, CObject*& pUndoInfo,
                                                    BOOL bRecordUndo, int ctCmd) {
    CGEData* pData = pGrid->GetData();
    if (pData == nullptr)
        return TRUE;
    if (CGEAbstractDataCopyMoveCellsImp* pImp = GEGetLibraryState()->m_pDataCopyMoveCellsImp)
        return pImp->MoveCells(pData, source, nDestRow, nDestCol, pUndoInfo, bRecordUndo, ctCmd);
    return pData->MoveCells(source, nDestRow, nDestCol, pUndoInfo, bRecordUndo, ctCmd);
}

int CGEGridDirectCopyMoveCellsImp::AskUser(LPCSTR pszQuestion, UINT nType) {
    return AfxMessageBox(pszQuestion, nType);
}
