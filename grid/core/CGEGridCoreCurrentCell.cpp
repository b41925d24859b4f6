// The current cell: the one cell that receives keyboard input and whose control may edit it. Setting
// it commits and leaves the old cell first (a refused value keeps the cell where it is), then binds the
// new cell's control, brings the cell into view and redraws both.
#include "framework/win/CWnd.h"
#include "grid/core/CGEAbstractGridUpdateHintImp.h"
#include "grid/core/CGEAbstractGridUserSelectRangeImp.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>

// ---- queries ----

BOOL CGEGridCore::GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol, BOOL bIgnorePrinting) {
    nRow = m_nCurRow;
    nCol = m_nCurCol;
    if (!m_bCurrentCell)
        return FALSE;
    if (m_nCurRow > GetRowCount() || m_nCurCol > GetColCount()) {
        m_bCurrentCell = FALSE; // rows or columns were removed under it
        m_pCurrentControl = nullptr;
        return FALSE;
    }
    return !m_bPrinting || bIgnorePrinting;
}

BOOL CGEGridCore::GetCurrentCell(ROWCOL* pRow, ROWCOL* pCol, BOOL bIgnorePrinting) {
    ROWCOL nRow = 0, nCol = 0;
    const BOOL bResult = GetCurrentCell(nRow, nCol, bIgnorePrinting);
    if (pRow != nullptr)
        *pRow = nRow;
    if (pCol != nullptr)
        *pCol = nCol;
    return bResult;
}

BOOL CGEGridCore::IsCurrentCell(ROWCOL nRow, ROWCOL nCol, BOOL bIgnorePrinting) {
    ROWCOL nCurRow = 0, nCurCol = 0;
    if (!GetCurrentCell(nCurRow, nCurCol, bIgnorePrinting))
        return FALSE;
    return (nRow == GE_INVALID || nRow == nCurRow) && (nCol == GE_INVALID || nCol == nCurCol);
}

void CGEGridCore::StoreCurrentCell(BOOL bSet, ROWCOL nRow, ROWCOL nCol) {
    if (!bSet) {
        m_bCurrentCell = FALSE;
        m_pCurrentControl = nullptr;
        m_bActiveFlag = FALSE;
        if (m_pParam != nullptr)
            m_pParam->m_bCurrentCell = FALSE;
        ResetCurrentCellStyleCache();
        return;
    }
    m_nCurRow = nRow;
    m_nCurCol = nCol;
    m_bCurrentCell = TRUE;
    m_bActiveFlag = TRUE;
    ResetCurrentCellStyleCache();
    m_pCurrentControl = GetControl(nRow, nCol);
    if (m_pParam != nullptr) {
        m_pParam->m_bCurrentCell = TRUE;
        m_pParam->m_nCurrentRow = nRow;
        m_pParam->m_nCurrentCol = nCol;
    }
}

CGEControl* CGEGridCore::GetCurrentCellControl() {
    ROWCOL nRow = 0, nCol = 0;
    if (!GetCurrentCell(nRow, nCol, TRUE))
        return nullptr;
    return m_pCurrentControl;
}

BOOL CGEGridCore::IsActiveCurrentCell() {
    CGEControl* pControl = GetCurrentCellControl();
    return pControl != nullptr && !m_bPrinting && pControl->IsActive();
}

void CGEGridCore::RefreshCurrentCell(BOOL bStore) {
    ROWCOL nRow = 0, nCol = 0;
    if (!GetCurrentCell(nRow, nCol, TRUE))
        return;
    CGEControl* pControl = m_pCurrentControl;
    if (pControl == nullptr) {
        RedrawRowCol(nRow, nCol, nRow, nCol, GE_INVALIDATE, FALSE);
        return;
    }
    if (!pControl->IsBoundToCellAt(nRow, nCol))
        pControl->Init(nRow, nCol);
    if (bStore && !IsReadOnly() && pControl->GetModify())
        pControl->Store();
    pControl->Refresh();
}

BOOL CGEGridCore::CanSelectCurrentCell(ROWCOL nRow, ROWCOL nCol) {
    if (nRow > GetRowCount() || nCol > GetColCount())
        return FALSE;
    const CGEStyle& style = LookupStyleRowCol(nRow, nCol);
    return !(style.GetIncludeEnabled() && !style.GetEnabled());
}

void CGEGridCore::DisplayWarningText() {
    if (m_strWarningText.IsEmpty() || m_pGridWnd == nullptr || m_pGridWnd->GetSafeHwnd() == nullptr)
        return;
    // The message box takes the focus: that is no leaving of the cell (which would validate again).
    const BOOL bOldLock = m_bFocusChangeLock;
    m_bFocusChangeLock = TRUE;
    m_pGridWnd->MessageBox(m_strWarningText, nullptr, MB_OK | MB_ICONEXCLAMATION);
    m_bFocusChangeLock = bOldLock;
}

// ---- committing, leaving, setting ----

BOOL CGEGridCore::CommitCurrentCell(BOOL bStore, UINT flags, BOOL bCreateHint) {
    BOOL bResult = TRUE;
    ROWCOL nRow = 0, nCol = 0;
    CGEControl* pControl = GetCurrentCell(nRow, nCol, TRUE) ? m_pCurrentControl : nullptr;
    if (pControl != nullptr && pControl->IsBoundToCellAt(nRow, nCol) &&
        (pControl->IsActive() || pControl->GetModify())) {
        if (bStore) {
            if (!pControl->OnValidate()) {
                DisplayWarningText();
                return FALSE;
            }
            if (pControl->GetModify() && !IsReadOnly())
                pControl->Store();
            pControl->SetModify(FALSE);
            pControl->OnEndEditing();
        } else {
            pControl->OnCanceledEditing();
            pControl->Init(nRow, nCol); // the value is read again from the cell
        }
        pControl->SetActive(FALSE);
        pControl->Refresh();
        if ((flags & GE_UPDATENOW) != 0 && m_pGridWnd != nullptr && m_pGridWnd->GetSafeHwnd() != nullptr)
            m_pGridWnd->UpdateWindow();
    }
    if (bCreateHint && m_pUpdateHintImp != nullptr)
        bResult = m_pUpdateHintImp->HintTransferCurrentCell(this, bStore, flags) && bResult;
    return bResult;
}

BOOL CGEGridCore::LeaveCurrentCell(ROWCOL nNewRow, ROWCOL nNewCol) {
    ROWCOL nRow = 0, nCol = 0;
    if (!GetCurrentCell(nRow, nCol, TRUE))
        return TRUE;
    if (!CommitCurrentCell(TRUE, GE_INVALIDATE, TRUE))
        return FALSE;
    CGEControl* pControl = m_pCurrentControl;
    if (pControl != nullptr && pControl->IsBoundToCellAt(nRow, nCol)) {
        if (!pControl->OnLeftCell(nNewRow, nNewCol))
            return FALSE;
    } else if (!OnLeftCell(nRow, nCol, nNewRow, nNewCol)) {
        return FALSE;
    }
    if (nNewRow != nRow)
        OnCurrentRowChanging(nRow, nNewRow);
    if (pControl != nullptr && pControl->IsBoundToCell())
        pControl->Reset();
    return TRUE;
}

void CGEGridCore::RedrawCurrentCellArea(ROWCOL nRow, ROWCOL nCol, UINT flags) {
    if (IsLockUpdate())
        return;
    RedrawRange(nRow, nCol, nRow, nCol, flags, TRUE);
    RedrawEditHeaders(nRow, nCol, 0, flags);
}

BOOL CGEGridCore::SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags) {
    m_bRefused = FALSE;
    if (m_pParam == nullptr || nRow > GetRowCount() || nCol > GetColCount())
        return FALSE;
    ROWCOL nOldRow = 0, nOldCol = 0;
    const BOOL bHadCell = GetCurrentCell(nOldRow, nOldCol, TRUE);
    if (bHadCell && nOldRow == nRow && nOldCol == nCol) {
        if ((flags & GE_CC_NOSCROLL) == 0)
            ScrollCellInView(nRow, nCol, flags);
        return TRUE;
    }
    if (bHadCell && !LeaveCurrentCell(nRow, nCol)) {
        m_bRefused = TRUE;
        return FALSE;
    }
    StoreCurrentCell(TRUE, nRow, nCol);
    if (m_pCurrentControl != nullptr)
        m_pCurrentControl->Init(nRow, nCol);
    else
        OnInitCurrentCell(nRow, nCol);

    CWnd* pWnd = m_pGridWnd;
    if ((flags & GE_CC_NOFOCUS) == 0 && pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr &&
        pWnd->IsWindowVisible()) {
        CWnd* pFocus = CWnd::GetFocus();
        if (pFocus == nullptr || (pFocus->GetSafeHwnd() != pWnd->GetSafeHwnd() && !pWnd->IsChild(pFocus)))
            pWnd->SetFocus();
    }
    if ((flags & GE_CC_NOSCROLL) == 0)
        ScrollCellInView(nRow, nCol, flags & ~GE_UPDATENOW);
    if ((flags & GE_CC_NOREDRAW) == 0) {
        const UINT nRedraw = GE_INVALIDATE | (flags & GE_UPDATENOW);
        if (bHadCell)
            RedrawCurrentCellArea(nOldRow, nOldCol, GE_INVALIDATE);
        RedrawCurrentCellArea(nRow, nCol, nRedraw);
    }
    OnMovedCurrentCell(nRow, nCol);
    if (m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->HintMoveCurrentCell(this, nRow, nCol, flags);
    return TRUE;
}

void CGEGridCore::PlaceCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags) {
    ROWCOL nOldRow = 0, nOldCol = 0;
    const BOOL bHadCell = GetCurrentCell(nOldRow, nOldCol, TRUE);
    if (bHadCell && m_pCurrentControl != nullptr && m_pCurrentControl->IsBoundToCell())
        m_pCurrentControl->Reset();
    if (nRow > GetRowCount() || nCol > GetColCount()) {
        StoreCurrentCell(FALSE);
        return;
    }
    StoreCurrentCell(TRUE, nRow, nCol);
    if (m_pCurrentControl != nullptr)
        m_pCurrentControl->Init(nRow, nCol);
    if ((flags & (GE_INVALIDATE | GE_UPDATENOW | GE_SMART)) != 0) {
        if (bHadCell)
            RedrawCurrentCellArea(nOldRow, nOldCol, GE_INVALIDATE);
        RedrawCurrentCellArea(nRow, nCol, flags);
    }
}

// ---- moving ----

BOOL CGEGridCore::FindNextSelectableRow(ROWCOL& nRow, int nStep, ROWCOL nCol) {
    const ROWCOL nFirst = GetHeaderRows() + 1;
    const ROWCOL nLast = GetRowCount();
    ROWCOL r = nRow;
    while (r >= nFirst && r <= nLast) {
        if (GetRowHeight(r) > 0 && CanSelectCurrentCell(r, nCol)) {
            nRow = r;
            return TRUE;
        }
        if ((nStep < 0 && r == nFirst) || (nStep > 0 && r == nLast))
            break;
        r = nStep < 0 ? r - 1 : r + 1;
    }
    return FALSE;
}

BOOL CGEGridCore::FindNextSelectableCol(ROWCOL& nCol, int nStep, ROWCOL nRow) {
    const ROWCOL nFirst = GetHeaderCols() + 1;
    const ROWCOL nLast = GetColCount();
    ROWCOL c = nCol;
    while (c >= nFirst && c <= nLast) {
        if (GetColWidth(c) > 0 && CanSelectCurrentCell(nRow, c)) {
            nCol = c;
            return TRUE;
        }
        if ((nStep < 0 && c == nFirst) || (nStep > 0 && c == nLast))
            break;
        c = nStep < 0 ? c - 1 : c + 1;
    }
    return FALSE;
}

BOOL CGEGridCore::MoveCurrentCell(int nDirection, UINT nCount, BOOL bRedraw) {
    const ROWCOL nFirstRow = GetHeaderRows() + 1;
    const ROWCOL nFirstCol = GetHeaderCols() + 1;
    const ROWCOL nRows = GetRowCount();
    const ROWCOL nCols = GetColCount();
    if (nRows < nFirstRow || nCols < nFirstCol)
        return FALSE;
    nCount = std::max<UINT>(nCount, 1);
    ROWCOL nRow = 0, nCol = 0;
    if (!GetCurrentCell(nRow, nCol)) {
        nRow = nFirstRow;
        nCol = nFirstCol;
        if (!FindNextSelectableRow(nRow, 1, nCol) || !FindNextSelectableCol(nCol, 1, nRow))
            return FALSE;
        return SetCurrentCell(nRow, nCol, bRedraw ? GE_SMART | GE_UPDATENOW : GE_INVALIDATE);
    }
    // A move out of a block of covered cells starts at the block's far edge.
    CGECellRange block(nRow, nCol, nRow, nCol);
    CGECellRange covered;
    if (GetCoveredCellsRowCol(nRow, nCol, covered) != nullptr)
        block = covered;
    ROWCOL nNewRow = nRow, nNewCol = nCol;
    BOOL bFound = FALSE;
    switch (nDirection) {
    case GE_UP:
        nNewRow = block.top > nFirstRow + nCount - 1 ? block.top - nCount : nFirstRow;
        bFound = FindNextSelectableRow(nNewRow, -1, nCol) || FindNextSelectableRow(nNewRow, 1, nCol);
        break;
    case GE_DOWN:
        nNewRow = std::min<ROWCOL>(block.bottom + nCount, nRows);
        bFound = FindNextSelectableRow(nNewRow, 1, nCol) || FindNextSelectableRow(nNewRow, -1, nCol);
        break;
    case GE_LEFT:
        nNewCol = block.left > nFirstCol + nCount - 1 ? block.left - nCount : nFirstCol;
        bFound = FindNextSelectableCol(nNewCol, -1, nRow) || FindNextSelectableCol(nNewCol, 1, nRow);
        break;
    case GE_RIGHT:
        nNewCol = std::min<ROWCOL>(block.right + nCount, nCols);
        bFound = FindNextSelectableCol(nNewCol, 1, nRow) || FindNextSelectableCol(nNewCol, -1, nRow);
        break;
    case GE_PAGEDOWN: {
        const ROWCOL nPage = static_cast<ROWCOL>(PageRows()) * nCount;
        nNewRow = std::min<ROWCOL>(nRow + nPage, nRows);
        SetTopRow(m_nTopRow + nPage, GE_INVALIDATE);
        bFound = FindNextSelectableRow(nNewRow, 1, nCol) || FindNextSelectableRow(nNewRow, -1, nCol);
        break;
    }
    case GE_PAGEUP: {
        const ROWCOL nPage = static_cast<ROWCOL>(PageRows()) * nCount;
        nNewRow = nRow > nFirstRow + nPage ? nRow - nPage : nFirstRow;
        SetTopRow(m_nTopRow > nPage ? m_nTopRow - nPage : 1, GE_INVALIDATE);
        bFound = FindNextSelectableRow(nNewRow, -1, nCol) || FindNextSelectableRow(nNewRow, 1, nCol);
        break;
    }
    case GE_TOP:
        nNewRow = nFirstRow;
        bFound = FindNextSelectableRow(nNewRow, 1, nCol);
        break;
    case GE_BOTTOM:
        nNewRow = nRows;
        bFound = FindNextSelectableRow(nNewRow, -1, nCol);
        break;
    case GE_MOSTLEFT:
        nNewCol = nFirstCol;
        bFound = FindNextSelectableCol(nNewCol, 1, nRow);
        break;
    case GE_MOSTRIGHT:
        nNewCol = nCols;
        bFound = FindNextSelectableCol(nNewCol, -1, nRow);
        break;
    case GE_TOPLEFT:
        nNewRow = nFirstRow;
        nNewCol = nFirstCol;
        bFound = FindNextSelectableRow(nNewRow, 1, nNewCol) && FindNextSelectableCol(nNewCol, 1, nNewRow);
        break;
    case GE_BOTTOMRIGHT:
        nNewRow = nRows;
        nNewCol = nCols;
        bFound = FindNextSelectableRow(nNewRow, -1, nNewCol) && FindNextSelectableCol(nNewCol, -1, nNewRow);
        break;
    default:
        return FALSE;
    }
    if (!bFound || (nNewRow == nRow && nNewCol == nCol))
        return FALSE;
    return SetCurrentCell(nNewRow, nNewCol, bRedraw ? GE_SMART | GE_UPDATENOW : GE_INVALIDATE);
}

BOOL CGEGridCore::MoveCurrentCellEx(int nDirection, UINT nCount) {
    if (m_pUserSelectRangeImp != nullptr)
        return m_pUserSelectRangeImp->MoveCurrentCell(this, nDirection, nCount);
    return MoveCurrentCell(nDirection, nCount, TRUE);
}

// ---- hooks ----

BOOL CGEGridCore::OnValidateCell(ROWCOL, ROWCOL) {
    return TRUE;
}

BOOL CGEGridCore::OnStartEditing(ROWCOL, ROWCOL) {
    return TRUE;
}

void CGEGridCore::OnModifyCell(ROWCOL, ROWCOL) {
    SetModifiedFlag(TRUE);
}

BOOL CGEGridCore::OnEndEditing(ROWCOL, ROWCOL) {
    return TRUE;
}

void CGEGridCore::OnCanceledEditing(ROWCOL, ROWCOL) {}

BOOL CGEGridCore::OnCancelEditing(ROWCOL, ROWCOL) {
    return TRUE;
}

BOOL CGEGridCore::OnLeftCell(ROWCOL, ROWCOL, ROWCOL, ROWCOL) {
    return TRUE;
}

BOOL CGEGridCore::OnDeleteCell(ROWCOL, ROWCOL) {
    return TRUE;
}

void CGEGridCore::OnInitCurrentCell(ROWCOL, ROWCOL) {}

void CGEGridCore::OnMovedCurrentCell(ROWCOL, ROWCOL) {}

void CGEGridCore::OnChildButtonClicked(ROWCOL, ROWCOL) {}

void CGEGridCore::OnCurrentRowChanging(ROWCOL, ROWCOL) {}
