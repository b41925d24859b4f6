#include "grid/features/CGEGridCutPasteImp.h"

#include "framework/core/CArchive.h"
#include "framework/core/CException.h"
#include "framework/core/CSharedFile.h"
#include "framework/win/CWinApp.h"
#include "framework/win/CWnd.h"
#include "grid/GridResource.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGELongOperation.h"
#include "grid/core/CGERangeList.h"
#include "grid/features/CGERangeBlock.h"
#include "grid/features/CGEUndoTransaction.h"

namespace {

constexpr WORD kRowHeaders = 0x01;
constexpr WORD kColHeaders = 0x02;
constexpr WORD kText = 0x08;
constexpr WORD kInternal = 0x10;
constexpr WORD kAskSize = 0x100;
constexpr UINT kSharedFlags = GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT; // 0x2042
constexpr LPCSTR kMultiArea = "Pasting is not possible for multi-area selections.";

// The clipboard open for the grid's window for the lifetime of the object (already open for it: kept open).
class OpenClipboardFor {
public:
    explicit OpenClipboardFor(CGEGridCore* pGrid) {
        CWnd* pWnd = pGrid->GridWnd();
        m_hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
        if (m_hWnd != nullptr && ::GetOpenClipboardWindow() == m_hWnd)
            m_bOpen = TRUE;
        else
            m_bOpen = m_bOpened = ::OpenClipboard(m_hWnd);
    }
    ~OpenClipboardFor() {
        if (m_bOpened)
            ::CloseClipboard();
    }
    OpenClipboardFor(const OpenClipboardFor&) = delete;
    OpenClipboardFor& operator=(const OpenClipboardFor&) = delete;
    BOOL IsOpen() const { return m_bOpen; }
    HWND Owner() const { return m_hWnd; }

private:
    HWND m_hWnd = nullptr;
    BOOL m_bOpen = FALSE;
    BOOL m_bOpened = FALSE;
};

// Hands a block to the open clipboard; frees it when the clipboard refuses.
BOOL HandOver(UINT nFormat, HGLOBAL hData) {
    if (hData == nullptr)
        return FALSE;
    if (::SetClipboardData(nFormat, hData) == nullptr) {
        ::GlobalFree(hData);
        return FALSE;
    }
    return TRUE;
}

BOOL EmptyTheClipboard(CGEGridCore* pGrid) {
    OpenClipboardFor clipboard(pGrid);
    return clipboard.IsOpen() && ::EmptyClipboard();
}

BOOL HasSelection(CGEGridCore* pGrid) {
    CGEGridParam* pParam = pGrid->GetParam();
    return pParam != nullptr && !pParam->m_SelectedRanges.IsEmpty();
}

BOOL DirectPasteApplies(const CGEGridParam* pParam) {
    return pParam != nullptr && !pParam->m_CopiedRanges.IsEmpty() &&
           ((pParam->m_bDirectMove && pParam->m_bCutPending) ||
            (pParam->m_bDirectCopy && !pParam->m_bCutPending));
}

} // namespace

void CGEGridCore::InstallCutPaste() {
    if (m_pCutPasteImp == nullptr) {
        m_pCutPasteImp = new CGEGridCutPasteImp;
        AddAutoDeleteObject(m_pCutPasteImp);
    }
}

BOOL CGEGridCore::CopyTextToClipboard(const CGERangeList& list) {
    return m_pCutPasteImp != nullptr ? m_pCutPasteImp->CopyTextToClipboard(this, list) : FALSE;
}

BOOL CGEGridCore::CopyCellsToClipboard(const CGERangeList& list, UINT flags) {
    return m_pCutPasteImp != nullptr ? m_pCutPasteImp->CopyCellsToClipboard(this, list, flags) : FALSE;
}

BOOL CGEGridCore::CutRangeList(CGERangeList& list, BOOL bStyles) {
    return m_pCutPasteImp != nullptr ? m_pCutPasteImp->CutRangeList(this, list, bStyles) : FALSE;
}

BOOL CGEGridCore::ClipboardHasPasteFormat() {
    return m_pCutPasteImp != nullptr ? m_pCutPasteImp->ClipboardHasPasteFormat(this) : FALSE;
}

BOOL CGEGridCore::PasteCellsDirect(const CGECellRange& range) {
    return m_pCutPasteImp != nullptr ? m_pCutPasteImp->PasteCellsDirect(this, range) : FALSE;
}

BOOL CGEGridCore::PasteFromClipboard(const CGECellRange& range) {
    return m_pCutPasteImp != nullptr ? m_pCutPasteImp->PasteFromClipboard(this, range) : FALSE;
}

BOOL CGEGridCore::ConfirmPasteSizeMismatch() {
    return m_pCutPasteImp != nullptr ? m_pCutPasteImp->ConfirmPasteSizeMismatch(this) : FALSE;
}

UINT CGEGridCutPasteImp::GetDirectCopyFormat() {
    static const UINT nFormat = ::RegisterClipboardFormatA("GE_DIRECTCOPY");
    return nFormat;
}

int CGEGridCutPasteImp::AskUser(CGEGridCore* pGrid, LPCSTR pszText, UINT nType) {
    CWnd* pWnd = pGrid->GridWnd();
    if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
        return pWnd->MessageBox(pszText, nullptr, nType);
    return AfxMessageBox(pszText, nType);
}

CGECellRange CGEGridCutPasteImp::Widen(CGEGridCore* pGrid, const CGECellRange& range, BOOL bCopy) {
    const WORD wOptions = pGrid->m_wClipboardFlags;
    const BOOL bRowZero = (wOptions & (bCopy ? kRowHeaders : kColHeaders)) != 0;
    const BOOL bColZero = (wOptions & (bCopy ? kColHeaders : kRowHeaders)) != 0;
    CGECellRange result = range;
    result.ExpandToCells(bRowZero ? 0 : pGrid->GetHeaderRows() + 1, bColZero ? 0 : pGrid->GetHeaderCols() + 1,
                         pGrid->GetRowCount(), pGrid->GetColCount());
    return result;
}

BOOL CGEGridCutPasteImp::ControlIsActive(CGEGridCore* pGrid) {
    CGEControl* pControl = pGrid->GetCurrentCellControl();
    return pControl != nullptr && pControl->IsActive();
}

void CGEGridCutPasteImp::CancelPendingCut(CGEGridCore* pGrid) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam != nullptr && pParam->m_bCutPending) {
        pParam->m_bCutPending = FALSE;
        pGrid->Redraw(GE_INVALIDATE);
    }
}

BOOL CGEGridCutPasteImp::CanCopy(CGEGridCore* pGrid) {
    if (::GetOpenClipboardWindow() != nullptr)
        return FALSE;
    if (HasSelection(pGrid))
        return TRUE;
    CGEControl* pControl = pGrid->GetCurrentCellControl();
    return pControl != nullptr && pControl->CanCopy();
}

BOOL CGEGridCutPasteImp::Copy(CGEGridCore* pGrid) {
    if (!EmptyTheClipboard(pGrid))
        return FALSE;
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    CGERangeList& copied = pParam->m_CopiedRanges;
    pGrid->GetSelectedRanges(copied, FALSE);
    if (copied.IsEmpty() || ControlIsActive(pGrid)) {
        CGEControl* pControl = pGrid->GetCurrentCellControl();
        if (pControl != nullptr && ControlIsActive(pGrid) && pControl->Copy()) {
            CancelPendingCut(pGrid);
            return TRUE;
        }
    }
    ROWCOL nRow = 0, nCol = 0;
    if (copied.IsEmpty()) {
        if (!pGrid->GetCurrentCell(nRow, nCol))
            return FALSE;
        copied.AddRange(CGECellRange(nRow, nCol, nRow, nCol));
    }
    CGELongOperation operation;
    POSITION pos = copied.GetHeadPosition();
    while (pos != nullptr) {
        CGECellRange* pRange = copied.GetNextRange(pos);
        *pRange = Widen(pGrid, *pRange, TRUE);
    }
    const BOOL bResult = CopyRangeList(pGrid, copied);
    CancelPendingCut(pGrid);
    return bResult;
}

BOOL CGEGridCutPasteImp::CopyRangeList(CGEGridCore* pGrid, CGERangeList& list) {
    OpenClipboardFor clipboard(pGrid);
    if (!clipboard.IsOpen())
        return FALSE;
    // The forms written together replace whatever another owner left there.
    if (::GetClipboardOwner() != clipboard.Owner() || clipboard.Owner() == nullptr)
        if (!::EmptyClipboard())
            return FALSE;
    BOOL bResult = FALSE;
    if (pGrid->m_wClipboardFlags & kText)
        bResult |= CopyTextToClipboard(pGrid, list);
    if (pGrid->m_wClipboardFlags & kInternal)
        bResult |= CopyCellsToClipboard(pGrid, list, 0);
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam != nullptr && (pParam->m_bDirectCopy || pParam->m_bDirectMove))
        PutDirectCopyMark(pGrid);
    return bResult;
}

BOOL CGEGridCutPasteImp::CopyTextToClipboard(CGEGridCore* pGrid, const CGERangeList& list) {
    CSharedFile file(kSharedFlags, 4096);
    if (!pGrid->CopyTextToFile(file, list))
        return FALSE;
    file.Write("", 1); // the text ends in a zero byte
    return HandOver(CF_TEXT, file.Detach());
}

BOOL CGEGridCutPasteImp::CopyCellsToClipboard(CGEGridCore* pGrid, const CGERangeList& list, UINT flags) {
    const UINT nFormat = GEGetLibraryState()->m_uiClipboardFormat;
    if (nFormat == 0)
        return FALSE;
    CSharedFile file(kSharedFlags, 4096);
    try {
        CArchive ar(&file, CArchive::store, 4096);
        if (!pGrid->CopyCellsToArchive(ar, list, flags != 0)) {
            ar.Abort();
            return FALSE;
        }
        ar.Close();
    } catch (CException* e) {
        // Too large a block, or cancelled by the user: the clipboard gets nothing of this form.
        e->Delete();
        return FALSE;
    }
    return HandOver(nFormat, file.Detach());
}

BOOL CGEGridCutPasteImp::PutDirectCopyMark(CGEGridCore* pGrid) {
    const UINT nFormat = GetDirectCopyFormat();
    CGEGridParam* pParam = pGrid->GetParam();
    HGLOBAL hData = ::GlobalAlloc(kSharedFlags, sizeof(pParam));
    if (hData == nullptr)
        return FALSE;
    if (void* p = ::GlobalLock(hData)) {
        memcpy(p, &pParam, sizeof(pParam));
        ::GlobalUnlock(hData);
    }
    return HandOver(nFormat, hData);
}

BOOL CGEGridCutPasteImp::ClipboardHoldsOwnMark(CGEGridCore* pGrid) {
    OpenClipboardFor clipboard(pGrid);
    if (!clipboard.IsOpen())
        return FALSE;
    HANDLE hData = ::GetClipboardData(GetDirectCopyFormat());
    CGEGridParam* pParam = pGrid->GetParam();
    if (hData == nullptr || ::GlobalSize(hData) < sizeof(pParam))
        return FALSE;
    const void* p = ::GlobalLock(hData);
    if (p == nullptr)
        return FALSE;
    CGEGridParam* pMarked = nullptr;
    memcpy(&pMarked, p, sizeof(pMarked));
    ::GlobalUnlock(hData);
    return pMarked == pParam;
}

BOOL CGEGridCutPasteImp::CanCut(CGEGridCore* pGrid) {
    return !pGrid->IsReadOnly() && CanCopy(pGrid);
}

BOOL CGEGridCutPasteImp::Cut(CGEGridCore* pGrid) {
    if (!EmptyTheClipboard(pGrid))
        return FALSE;
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    if (!HasSelection(pGrid) || ControlIsActive(pGrid)) {
        CGEControl* pControl = pGrid->GetCurrentCellControl();
        if (pControl != nullptr && ControlIsActive(pGrid) && pControl->Cut())
            return TRUE;
    }
    if (pParam->m_bDirectMove) {
        if (!Copy(pGrid))
            return FALSE;
        pParam->m_bCutPending = TRUE;
        pGrid->Redraw(GE_INVALIDATE);
        return TRUE;
    }
    CGERangeList list;
    if (!pGrid->GetSelectedRanges(list, TRUE))
        return FALSE;
    CGELongOperation operation;
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        CGECellRange* pRange = list.GetNextRange(pos);
        *pRange = Widen(pGrid, *pRange, TRUE);
    }
    return CutRangeList(pGrid, list, (pGrid->m_wClipboardFlags & kInternal) != 0);
}

BOOL CGEGridCutPasteImp::CutRangeList(CGEGridCore* pGrid, CGERangeList& list, BOOL bStyles) {
    CString strName;
    strName.LoadString(GE_IDS_CUT_DATA);
    CGEUndoTransaction transaction(pGrid, strName);
    if (!CopyRangeList(pGrid, list) || !pGrid->ClearCells(list, bStyles))
        return FALSE; // rolled back
    transaction.Commit();
    return TRUE;
}

BOOL CGEGridCutPasteImp::CanPaste(CGEGridCore* pGrid) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pGrid->IsReadOnly() && (pParam == nullptr || pParam->m_bLockReadOnly))
        return FALSE;
    if (DirectPasteApplies(pParam))
        return TRUE;
    CGEControl* pControl = pGrid->GetCurrentCellControl();
    if (pControl != nullptr && pControl->CanPaste())
        return TRUE;
    return ClipboardHasPasteFormat(pGrid);
}

BOOL CGEGridCutPasteImp::ClipboardHasPasteFormat(CGEGridCore*) {
    const UINT nInternal = GEGetLibraryState()->m_uiClipboardFormat;
    return ::IsClipboardFormatAvailable(CF_TEXT) || ::IsClipboardFormatAvailable(CF_OEMTEXT) ||
           (nInternal != 0 && ::IsClipboardFormatAvailable(nInternal));
}

BOOL CGEGridCutPasteImp::Paste(CGEGridCore* pGrid) {
    if (!CanPaste(pGrid))
        return FALSE;
    CGERangeList list;
    if (!pGrid->GetSelectedRanges(list, TRUE))
        return FALSE;
    CGEControl* pControl = pGrid->GetCurrentCellControl();
    if (pControl != nullptr && pControl->CanPaste() && pControl->Paste())
        return TRUE;
    if (list.GetCount() > 1) {
        AskUser(pGrid, kMultiArea, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    const CGECellRange range = Widen(pGrid, *list.GetRangeAt(list.GetHeadPosition()), FALSE);
    CGEGridParam* pParam = pGrid->GetParam();
    if (DirectPasteApplies(pParam) && (pParam->m_bCutPending || ClipboardHoldsOwnMark(pGrid)))
        return PasteCellsDirect(pGrid, range);
    OpenClipboardFor clipboard(pGrid);
    return clipboard.IsOpen() && PasteFromClipboard(pGrid, range);
}

BOOL CGEGridCutPasteImp::PasteFromClipboard(CGEGridCore* pGrid, const CGECellRange& rangeIn) {
    const WORD wOptions = pGrid->m_wClipboardFlags;
    CGECellRange range = rangeIn;
    const ROWCOL nFirstRow = (wOptions & kColHeaders) != 0 ? 0 : pGrid->GetHeaderRows() + 1;
    const ROWCOL nFirstCol = (wOptions & kRowHeaders) != 0 ? 0 : pGrid->GetHeaderCols() + 1;
    range.top = std::max(range.top, nFirstRow);
    range.left = std::max(range.left, nFirstCol);
    range.bottom = std::max(range.bottom, range.top);
    range.right = std::max(range.right, range.left);

    const UINT nInternal = GEGetLibraryState()->m_uiClipboardFormat;
    if ((wOptions & kInternal) != 0 && nInternal != 0 && ::IsClipboardFormatAvailable(nInternal)) {
        HANDLE hData = ::GetClipboardData(nInternal);
        if (hData == nullptr)
            return FALSE;
        CSharedFile file(GMEM_MOVEABLE | GMEM_SHARE, 4096);
        file.SetHandle(hData, FALSE);
        try {
            CArchive ar(&file, CArchive::load, 4096);
            const BOOL bResult = pGrid->PasteCellsFromArchive(ar, range, (wOptions & kAskSize) != 0);
            ar.Close();
            file.Detach();
            return bResult;
        } catch (CException* e) {
            // Damaged data from another process: refused, the grid as it was.
            e->Delete();
            file.Detach();
            return FALSE;
        }
    }
    if ((wOptions & kText) == 0)
        return FALSE;
    HANDLE hText = ::GetClipboardData(CF_TEXT);
    if (hText == nullptr)
        hText = ::GetClipboardData(CF_OEMTEXT);
    if (hText == nullptr)
        return FALSE;
    const auto* pText = static_cast<LPCSTR>(::GlobalLock(hText));
    if (pText == nullptr)
        return FALSE;
    const BOOL bResult = pGrid->PasteTextFromBuffer(pText, static_cast<DWORD>(::GlobalSize(hText)), range);
    ::GlobalUnlock(hText);
    return bResult;
}

BOOL CGEGridCutPasteImp::PasteCellsDirect(CGEGridCore* pGrid, const CGECellRange& range) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (!DirectPasteApplies(pParam))
        return TRUE;
    const BOOL bMove = pParam->m_bCutPending;
    const CGERangeBlock block(pParam->m_CopiedRanges, pGrid->GetRowCount(), pGrid->GetColCount());
    const BOOL bSeveral = pParam->m_CopiedRanges.GetCount() > 1;
    CString strName;
    strName.LoadString(bMove ? GE_IDS_MOVE : GE_IDS_COPY);
    std::unique_ptr<CGEUndoTransaction> pTransaction(bSeveral ? new CGEUndoTransaction(pGrid, strName)
                                                              : nullptr);
    const BOOL bOldBulk = pGrid->m_bBulkChange;
    if (bMove)
        pGrid->m_bBulkChange = TRUE;

    BOOL bResult = TRUE;
    ROWCOL nRowOffset = 0;
    for (const CGERangeBlock::Span& rows : block.RowSpans()) {
        ROWCOL nColOffset = 0;
        for (const CGERangeBlock::Span& cols : block.ColSpans()) {
            const CGECellRange source(rows.first, cols.first, rows.second, cols.second);
            const ROWCOL nDestRow = range.top + nRowOffset, nDestCol = range.left + nColOffset;
            CObject* pUndoInfo = nullptr;
            bResult = bMove ? pGrid->MoveCells(source, nDestRow, nDestCol, pUndoInfo, GE_INVALIDATE)
                            : pGrid->CopyCells(source, nDestRow, nDestCol, GE_INVALIDATE);
            if (!bResult)
                break;
            const CGECellRange dest(nDestRow, nDestCol, nDestRow + (rows.second - rows.first),
                                    nDestCol + (cols.second - cols.first));
            ROWCOL nRow = 0, nCol = 0;
            if (pGrid->GetCurrentCell(nRow, nCol) && dest.Contains(nRow, nCol)) {
                pGrid->DelayFloatCells(dest);
                pGrid->SetCurrentCell(nRow, nCol, GE_INVALIDATE);
            }
            nColOffset += cols.second - cols.first + 1;
        }
        if (!bResult)
            break;
        nRowOffset += rows.second - rows.first + 1;
    }
    if (pTransaction != nullptr && bResult)
        pTransaction->Commit();
    pTransaction.reset(); // rolls back what a failed block left
    if (bMove) {
        pParam->m_bCutPending = FALSE;
        pParam->m_CopiedRanges.DeleteAll();
        pGrid->m_bBulkChange = bOldBulk;
        pGrid->Refresh(GE_INVALIDATE);
        pGrid->Redraw(GE_INVALIDATE);
    }
    return bResult;
}

BOOL CGEGridCutPasteImp::ConfirmPasteSizeMismatch(CGEGridCore* pGrid) {
    CString strQuestion;
    strQuestion.LoadString(GE_IDS_CLIPBOARD_SIZE);
    return AskUser(pGrid, strQuestion, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}
