#include "grid/features/CGEGridFindReplaceImp.h"

#include "framework/win/CFindReplaceDialog.h"
#include "framework/win/CWnd.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEFindReplaceState.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGELongOperation.h"
#include "grid/core/CGEStyle.h"
#include "grid/features/CGELongOperationState.h"
#include "grid/features/GELongOperationPercent.h"
#include "grid/features/CGEUndoTransaction.h"

#include <algorithm>
#include <memory>
#include <string>

namespace {

// The control of a composed style (the edit control when the style names none that is registered).
CGEControl* ControlOf(CGEGridCore* pGrid, const CGEStyle& style) {
    return pGrid->GetRegisteredControl(style.GetControl());
}

// The state's style for the duration of a control's answer.
class StyleInState {
public:
    StyleInState(CGEFindReplaceState& state, const CGEStyle& style) : m_state(state) {
        m_state.m_pStyle = &style;
    }
    ~StyleInState() { m_state.m_pStyle = nullptr; }
    StyleInState(const StyleInState&) = delete;
    StyleInState& operator=(const StyleInState&) = delete;

private:
    CGEFindReplaceState& m_state;
};

// The shared state with the texts and options of a replace request.
CGEFindReplaceState& StoreRequest(LPCSTR pszFind, LPCSTR pszReplace, BOOL bCase, BOOL bDown) {
    CGEFindReplaceState& state = *GEGetFindReplaceState();
    state.SetFindText(pszFind, bCase);
    state.m_strReplace = pszReplace;
    state.m_bSearchDown = bDown;
    return state;
}

} // namespace

void CGEGridCore::InstallFindReplace() {
    if (m_pFindReplaceImp == nullptr) {
        m_pFindReplaceImp = new CGEGridFindReplaceImp;
        AddAutoDeleteObject(m_pFindReplaceImp);
    }
}

CString CGEGridFindReplaceImp::CellText(CGEGridCore* pGrid, const CGEFindReplaceState& state, ROWCOL nRow,
                                        ROWCOL nCol) {
    CGEStyle composed;
    const CGEStyle* pStyle = state.m_pStyle;
    if (pStyle == nullptr) {
        pGrid->ComposeStyleRowCol(nRow, nCol, &composed);
        pStyle = &composed;
    }
    CString strText;
    CGEControl* pControl = ControlOf(pGrid, *pStyle);
    if (pControl == nullptr || !pControl->GetControlText(strText, nRow, nCol, nullptr, *pStyle))
        strText = pStyle->GetValue();
    return strText;
}

CString CGEGridFindReplaceImp::ReplaceOccurrences(const CString& strText, const CString& strCompare,
                                                  const CString& strReplace, BOOL bMatchCase,
                                                  int& nReplaced) {
    nReplaced = 0;
    if (strCompare.IsEmpty())
        return strText;
    CString strSearch = strText;
    if (!bMatchCase)
        strSearch.MakeUpper();
    const std::string text(strText.GetString(), static_cast<size_t>(strText.GetLength()));
    const std::string search(strSearch.GetString(), static_cast<size_t>(strSearch.GetLength()));
    const std::string compare(strCompare.GetString(), static_cast<size_t>(strCompare.GetLength()));
    std::string result;
    size_t nPos = 0;
    for (size_t nFound = search.find(compare); nFound != std::string::npos && search.size() == text.size();
         nFound = search.find(compare, nPos)) {
        result.append(text, nPos, nFound - nPos);
        result.append(strReplace.GetString(), static_cast<size_t>(strReplace.GetLength()));
        nPos = nFound + compare.size();
        ++nReplaced;
    }
    result.append(text, std::min(nPos, text.size()), std::string::npos);
    return CString(result.c_str(), static_cast<int>(result.size()));
}

BOOL CGEGridFindReplaceImp::FindTextInCell(CGEGridCore* pGrid, CGEFindReplaceState& state, ROWCOL nRow,
                                           ROWCOL nCol, BOOL bCurrentCell, BOOL bSetCell) {
    if (!bCurrentCell && pGrid->IsCurrentCell(nRow, nCol))
        return FALSE;
    if (state.m_strFindCompare.IsEmpty())
        return FALSE;
    CString strText = CellText(pGrid, state, nRow, nCol);
    if (!state.m_bMatchCase)
        strText.MakeUpper();
    if (strText.Find(state.m_strFindCompare) < 0)
        return FALSE;
    if (bSetCell && !pGrid->IsCurrentCell(nRow, nCol)) {
        pGrid->ScrollCellInView(nRow, nCol);
        pGrid->SetCurrentCell(nRow, nCol);
    }
    return TRUE;
}

BOOL CGEGridFindReplaceImp::FindTextInColumn(CGEGridCore* pGrid, ROWCOL& nRow, ROWCOL& nCol, BOOL bSetCell) {
    CGEFindReplaceState& state = *GEGetFindReplaceState();
    const BOOL bDown = state.m_bSearchDown;
    const ROWCOL nRows = pGrid->GetRowCount();
    const ROWCOL nStart = nRow;
    if (!bDown && nRow <= 1)
        return FALSE;
    nRow = bDown ? nRow + 1 : nRow - 1;
    CGELongOperation operation;
    operation.SetStatusText(GEGetLibraryState()->GetText(CGELibraryState::textSearching));
    while (nRow >= 1 && nRow <= nRows) {
        GEShowPercentDone(bDown ? nRow - nStart : nStart - nRow, bDown ? nRows - nStart : nStart);
        BOOL bAbort = FALSE;
        operation.StepAndQueryAbort(bAbort);
        if (bAbort || pGrid->m_bSearchAbort)
            return FALSE;
        CGEStyle style;
        pGrid->ComposeStyleRowCol(nRow, nCol, &style);
        if (!style.GetIncludeEnabled() || style.GetEnabled()) {
            StyleInState inState(state, style);
            CGEControl* pControl = ControlOf(pGrid, style);
            const BOOL bFound = pControl != nullptr
                                    ? pControl->FindText(state, nRow, nCol, FALSE, bSetCell)
                                    : FindTextInCell(pGrid, state, nRow, nCol, FALSE, bSetCell);
            if (bFound)
                return TRUE;
        }
        if (bDown)
            ++nRow;
        else
            --nRow;
    }
    return FALSE;
}

BOOL CGEGridFindReplaceImp::FindNext(CGEGridCore* pGrid, BOOL bSetCell) {
    ROWCOL nRow = 0, nCol = 0;
    if (!pGrid->GetCurrentCell(nRow, nCol))
        return FALSE;
    CGEFindReplaceState& state = *GEGetFindReplaceState();
    CGELongOperation operation;
    pGrid->m_nLastSearchRow = nRow;
    CGEControl* pControl = pGrid->GetCurrentCellControl();
    BOOL bFound = pControl != nullptr && pControl->FindText(state, nRow, nCol, FALSE, bSetCell);
    if (!bFound)
        bFound = FindTextInColumn(pGrid, nRow, nCol, bSetCell);
    if (!bFound && bSetCell)
        OnTextNotFound(pGrid, state.m_strFind);
    return bFound;
}

void CGEGridFindReplaceImp::OnFindNext(CGEGridCore* pGrid, LPCSTR pszFind, BOOL bNext, BOOL bCase) {
    CGEFindReplaceState& state = *GEGetFindReplaceState();
    state.SetFindText(pszFind, bCase);
    state.m_bSearchDown = bNext;
    FindNext(pGrid, TRUE);
}

void CGEGridFindReplaceImp::OnReplaceSel(CGEGridCore* pGrid, LPCSTR pszFind, BOOL bNext, BOOL bCase,
                                         LPCSTR pszReplace) {
    CGEFindReplaceState& state = StoreRequest(pszFind, pszReplace, bCase, bNext);
    ROWCOL nRow = 0, nCol = 0;
    if (!pGrid->GetCurrentCell(nRow, nCol))
        return;
    CGELongOperation operation;
    CGEControl* pControl = pGrid->GetCurrentCellControl();
    if (pControl != nullptr && pControl->FindText(state, nRow, nCol, TRUE, TRUE)) {
        pControl->ReplaceSel(state.m_strReplace);
        // A further occurrence in the same cell is selected next.
        if (pControl->FindText(state, nRow, nCol, TRUE, FALSE) &&
            pControl->FindText(state, nRow, nCol, TRUE, TRUE))
            return;
    }
    if (!FindTextInColumn(pGrid, nRow, nCol, TRUE))
        OnTextNotFound(pGrid, state.m_strFind);
}

void CGEGridFindReplaceImp::OnReplaceAll(CGEGridCore* pGrid, LPCSTR pszFind, LPCSTR pszReplace, BOOL bCase) {
    CGEFindReplaceState& state = StoreRequest(pszFind, pszReplace, bCase, TRUE);
    ROWCOL nFirst = 0, nCol = 0;
    if (!pGrid->GetCurrentCell(nFirst, nCol))
        return;
    CGELongOperation operation;
    operation.SetStatusText(GEGetLibraryState()->GetText(CGELibraryState::textReplacing));
    CGELongOperationState::Get().bRollbackPossible = TRUE;
    std::unique_ptr<CGEUndoTransaction> pTransaction(
        state.m_bTransaction
            ? new CGEUndoTransaction(pGrid, GEGetLibraryState()->GetText(CGELibraryState::textReplaceAll))
            : nullptr);
    const ROWCOL nRows = pGrid->GetRowCount();
    BOOL bReplaced = FALSE, bCancelled = FALSE;
    for (ROWCOL nRow = nFirst; nRow <= nRows && nRow != GE_INVALID; ++nRow) {
        GEShowPercentDone(nRow - nFirst, nRows - nFirst + 1);
        BOOL bAbort = FALSE;
        operation.StepAndQueryAbort(bAbort);
        if (bAbort) {
            bCancelled = TRUE;
            break;
        }
        CGEStyle style;
        pGrid->ComposeStyleRowCol(nRow, nCol, &style);
        StyleInState inState(state, style);
        CGEControl* pControl = ControlOf(pGrid, style);
        bReplaced |= pControl != nullptr ? pControl->ReplaceAll(state, nRow, nCol)
                                         : ReplaceAllInCell(pGrid, state, nRow, nCol);
    }
    const CGELongOperationState& longState = CGELongOperationState::Get();
    if (pTransaction != nullptr) {
        if (bCancelled && longState.bRollbackRequested)
            pTransaction->Rollback();
        else
            pTransaction->Commit();
    }
    if (!bCancelled && !bReplaced)
        OnTextNotFound(pGrid, state.m_strFind);
    pGrid->Refresh(GE_INVALIDATE);
}

BOOL CGEGridFindReplaceImp::ReplaceAllInCell(CGEGridCore* pGrid, CGEFindReplaceState& state, ROWCOL nRow,
                                             ROWCOL nCol) {
    int nReplaced = 0;
    const CString strNew = ReplaceOccurrences(CellText(pGrid, state, nRow, nCol), state.m_strFindCompare,
                                              state.m_strReplace, state.m_bMatchCase, nReplaced);
    if (nReplaced == 0)
        return FALSE;
    return pGrid->SetControlTextRowCol(nRow, nCol, strNew, GE_UPDATENOW, state.m_pStyle);
}

void CGEGridFindReplaceImp::OnTextNotFound(CGEGridCore*, LPCSTR) {
    ::MessageBeep(0);
}

BOOL CGEGridFindReplaceImp::FindText(CGEGridCore* pGrid, CGEControl*, CGEFindReplaceState& state, ROWCOL nRow,
                                     ROWCOL nCol, UINT nFlags, DWORD*) {
    return FindTextInCell(pGrid, state, nRow, nCol, (nFlags & 1) != 0, (nFlags & 2) != 0);
}

BOOL CGEGridFindReplaceImp::ReplaceAll(CGEGridCore* pGrid, CGEControl*, CGEFindReplaceState& state,
                                       ROWCOL nRow, ROWCOL nCol) {
    return ReplaceAllInCell(pGrid, state, nRow, nCol);
}

void CGEGridFindReplaceImp::OnShowFindReplaceDialog(CGEGridCore* pGrid, BOOL bFindOnly) {
    const ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    if (nRows == 0 || nCols == 0)
        return;
    CGEFindReplaceState& state = *GEGetFindReplaceState();
    state.m_pSearchingGrid = pGrid;
    ROWCOL nRow = 0, nCol = 0;
    if (!pGrid->GetCurrentCell(nRow, nCol))
        pGrid->SetCurrentCell(std::min(std::max<ROWCOL>(pGrid->GetTopRow(), 1), nRows),
                              std::min(std::max<ROWCOL>(pGrid->GetLeftCol(), 1), nCols));
    else
        pGrid->ScrollCellInView(nRow, nCol);
    CString strFind;
    pGrid->GetSelectedText(strFind);
    if (strFind.IsEmpty())
        strFind = state.m_strFind;

    if (state.m_pDialog != nullptr) {
        if (state.m_bFindOnly == bFindOnly) {
            state.m_pDialog->SetActiveWindow();
            state.m_pDialog->ShowWindow(SW_SHOW);
            return;
        }
        state.m_pDialog->SendMessage(WM_CLOSE);
        state.m_pDialog = nullptr;
    }
    DWORD dwFlags = FR_HIDEWHOLEWORD;
    if (state.m_bSearchDown)
        dwFlags |= FR_DOWN;
    if (state.m_bMatchCase)
        dwFlags |= FR_MATCHCASE;
    auto* pDialog = new CFindReplaceDialog; // deletes itself when its window goes
    CWnd* pParent = pGrid->GridWnd();
    if (pDialog->Create(bFindOnly, strFind, state.m_strReplace, dwFlags, pParent)) {
        state.m_pDialog = pDialog;
        state.m_bFindOnly = bFindOnly;
        state.m_pOwnerWnd = pParent;
    } else {
        delete pDialog;
        state.m_pDialog = nullptr;
    }
}

LRESULT CGEGridFindReplaceImp::OnFindReplace(CGEGridCore* pGrid, CFindReplaceDialog* pDialog) {
    CGEFindReplaceState& state = *GEGetFindReplaceState();
    if (pDialog == nullptr)
        return 0;
    if (state.m_pSearchingGrid != nullptr && state.m_pSearchingGrid != pGrid)
        return state.m_pSearchingGrid->m_pFindReplaceImp != nullptr
                   ? state.m_pSearchingGrid->m_pFindReplaceImp->OnFindReplace(state.m_pSearchingGrid, pDialog)
                   : 0;
    if (pDialog->IsTerminating())
        state.m_pDialog = nullptr;
    else if (pDialog->FindNext())
        OnFindNext(pGrid, pDialog->GetFindString(), pDialog->SearchDown(), pDialog->MatchCase());
    else if (pDialog->ReplaceCurrent())
        OnReplaceSel(pGrid, pDialog->GetFindString(), pDialog->SearchDown(), pDialog->MatchCase(),
                     pDialog->GetReplaceString());
    else if (pDialog->ReplaceAll()) {
        state.m_bTransaction = TRUE;
        OnReplaceAll(pGrid, pDialog->GetFindString(), pDialog->GetReplaceString(), pDialog->MatchCase());
    }
    return 0;
}
