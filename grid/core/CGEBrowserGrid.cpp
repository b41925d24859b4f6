#include "grid/core/CGEBrowserGrid.h"

#include "framework/core/CNotSupportedException.h"
#include "framework/win/CWnd.h"
#include "grid/GridResource.h"
#include "grid/core/CGEBrowseGridArrowRowHeader.h"
#include "grid/core/CGEBrowseParam.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEData.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>
#include <vector>

CGEBrowserGrid::CGEBrowserGrid(CWnd* pGridWnd, CDocument* pDocument, BOOL bIsView)
    : CGEGridCore(pGridWnd, pDocument, bIsView) {
    m_nDrawMode = 1;
    m_nHitTestMargin = 8;
}

void CGEBrowserGrid::OnGridInitialUpdate() {
    if (m_pParam == nullptr)
        SetParam(new CGEBrowseParam, TRUE);
    CGEGridCore::OnGridInitialUpdate();
    InitBrowserSettings();
    if (CGEBrowseParam* pParam = GetBrowseParam())
        pParam->ResetEditBuffer(CGEGridCore::GetColCount());
}

CGEBrowseParam* CGEBrowserGrid::GetBrowseParam() const {
    return m_pParam != nullptr && m_pParam->IsKindOf(RUNTIME_CLASS(CGEBrowseParam))
               ? static_cast<CGEBrowseParam*>(m_pParam)
               : nullptr;
}

int CGEBrowserGrid::GetEditMode() const {
    const CGEBrowseParam* pParam = GetBrowseParam();
    return pParam != nullptr ? pParam->m_nEditMode : CGEBrowseParam::noMode;
}

ROWCOL CGEBrowserGrid::GetEditRow() const {
    const CGEBrowseParam* pParam = GetBrowseParam();
    return pParam != nullptr ? pParam->m_nEditRow : 0;
}

// ---- counts ----

BOOL CGEBrowserGrid::CanUpdate() {
    return !IsReadOnly();
}

BOOL CGEBrowserGrid::CanAppend() {
    const CGEBrowseParam* pParam = GetBrowseParam();
    return pParam != nullptr && pParam->m_bAllowAppend && !IsReadOnly();
}

long CGEBrowserGrid::GetRecordCount() {
    CGEData* pData = GetData();
    if (pData == nullptr)
        return 0;
    const ROWCOL nHeader = GetHeaderRows();
    return pData->GetRowCount() > nHeader ? static_cast<long>(pData->GetRowCount() - nHeader) : 0;
}

ROWCOL CGEBrowserGrid::GetAppendRow() {
    const long nCount = GetRecordCount();
    if (!CanAppend() || nCount == 0x7FFFFFFF)
        return GE_INVALID;
    return GetHeaderRows() + static_cast<ROWCOL>(nCount) + 1;
}

ROWCOL CGEBrowserGrid::GetRowCount() {
    const CGEBrowseParam* pParam = GetBrowseParam();
    const long nCount = GetRecordCount();
    ROWCOL nRows = GetHeaderRows();
    if (nCount == 0x7FFFFFFF)
        nRows += static_cast<ROWCOL>(pParam != nullptr ? pParam->m_nHighestSeen + 1 : 0);
    else
        nRows += static_cast<ROWCOL>(nCount);
    if (pParam != nullptr && pParam->m_bCountExtraRows && !IsPrinting()) {
        if (CanAppend())
            ++nRows;
        if (pParam->m_nEditMode == CGEBrowseParam::addNew)
            ++nRows;
    }
    return nRows;
}

BOOL CGEBrowserGrid::IsRecordRow(ROWCOL nRow) {
    const CGEBrowseParam* pParam = GetBrowseParam();
    const long nCount = GetRecordCount();
    const long nRecords =
        nCount == 0x7FFFFFFF ? (pParam != nullptr ? pParam->m_nHighestSeen + 1 : 0) : nCount;
    return nRow <= GetHeaderRows() + static_cast<ROWCOL>(nRecords);
}

ROWCOL CGEBrowserGrid::GetRecordFromRow(ROWCOL nRow) {
    const CGEBrowseParam* pParam = GetBrowseParam();
    return pParam != nullptr ? pParam->MapRow(nRow) : nRow;
}

ROWCOL CGEBrowserGrid::GetFieldFromCol(ROWCOL nCol) {
    const CGEBrowseParam* pParam = GetBrowseParam();
    return pParam != nullptr ? pParam->MapCol(nCol) : nCol;
}

short CGEBrowserGrid::GetFieldIndexOfCol(ROWCOL nCol) {
    return static_cast<short>(GetFieldFromCol(nCol) - GetHeaderCols() - 1);
}

long CGEBrowserGrid::GetRecordIndexOfRow(ROWCOL nRow) {
    return static_cast<long>(GetRecordFromRow(nRow)) - static_cast<long>(GetHeaderRows()) - 1;
}

// ---- records ----

BOOL CGEBrowserGrid::DeleteSelectedRecords() {
    if (!CanUpdate() || IsReadOnly())
        return FALSE;
    CGERangeList list;
    if (!GetSelectedRanges(list, FALSE))
        return FALSE;
    CDWordArray firsts, lasts;
    list.GetRowSpans(GetRowCount(), firsts, lasts, FALSE);
    const ROWCOL nAppend = GetAppendRow();
    for (INT_PTR i = 0; i < firsts.GetSize(); ++i) {
        if (nAppend != GE_INVALID && firsts[i] <= nAppend && lasts[i] >= nAppend)
            return FALSE; // the append row is no record
    }
    if (firsts.IsEmpty())
        return FALSE;
    // Header rows are never records.
    for (INT_PTR i = 0; i < firsts.GetSize(); ++i)
        firsts[i] = std::max<DWORD>(firsts[i], GetHeaderRows() + 1);
    return DeleteRecords(firsts, lasts);
}

BOOL CGEBrowserGrid::DeleteRecords(const CDWordArray& firstRows, const CDWordArray& lastRows) {
    if (!CommitCurrentCell(TRUE, GE_INVALIDATE, TRUE))
        return FALSE;
    if (m_pParam != nullptr && m_pParam->IsUndoEnabled()) {
        m_pParam->EmptyUndoList();
        m_pParam->EmptyRedoList();
    }
    const BOOL bOldLock = LockUpdate(TRUE);
    const BOOL bOldSuppress = m_bSuppressUndoRecording;
    m_bSuppressUndoRecording = TRUE;
    BOOL bResult = FALSE;
    for (INT_PTR i = firstRows.GetSize(); i-- > 0;) {
        if (firstRows[i] <= lastRows[i])
            bResult |= CGEGridCore::RemoveRows(firstRows[i], lastRows[i], GE_NOREDRAW, geDo);
    }
    m_bSuppressUndoRecording = bOldSuppress;
    LockUpdate(bOldLock);
    Redraw(GE_UPDATENOW, FALSE);
    return bResult;
}

void CGEBrowserGrid::Requery() {
    CommitCurrentCell(FALSE, GE_INVALIDATE, FALSE);
    if (CGEBrowseParam* pParam = GetBrowseParam())
        pParam->m_nHighestSeen = -1;
}

BOOL CGEBrowserGrid::Edit(ROWCOL nRow) {
    CGEBrowseParam* pParam = GetBrowseParam();
    if (pParam == nullptr)
        return FALSE;
    OnCancelPendingRecord();
    ROWCOL nCurRow = 0, nCurCol = 0;
    if (!GetCurrentCell(nCurRow, nCurCol) || nCurRow != nRow)
        SetCurrentCell(nRow, GetHeaderCols() + 1, GE_SMART);
    if (!GetCurrentCell(nCurRow, nCurCol) || nCurRow != nRow)
        return FALSE;
    pParam->m_nEditMode = CGEBrowseParam::edit;
    pParam->m_nEditRow = nRow;
    RedrawRowHeader(nRow);
    return TRUE;
}

ROWCOL CGEBrowserGrid::AddNew() {
    if (!CanAppend())
        AfxThrowNotSupportedException();
    CGEBrowseParam* pParam = GetBrowseParam();
    OnCancelPendingRecord();
    const ROWCOL nAppend = GetAppendRow();
    const ROWCOL nLastVisible = GetLastVisibleRow();
    ROWCOL nCurRow = 0, nCurCol = 0;
    if (!GetCurrentCell(nCurRow, nCurCol) || nCurRow != nAppend)
        SetCurrentCell(nAppend, std::max(nCurCol, GetHeaderCols() + 1), GE_SMART);
    if (!GetCurrentCell(nCurRow, nCurCol) || nCurRow != nAppend)
        return GE_INVALID;
    // The row count now counts the new record's row and shows a new append row after it.
    pParam->m_nEditMode = CGEBrowseParam::addNew;
    pParam->m_nEditRow = nAppend;
    ResetLastVisible();
    RedrawRowCol(nAppend, 0, nAppend + 1, GetColCount(), GE_INVALIDATE, FALSE);
    if (nAppend == nLastVisible)
        SetTopRow(GetTopRow() + 1);
    UpdateScrollbars();
    return nAppend;
}

BOOL CGEBrowserGrid::Update(BOOL bShowError) {
    CGEBrowseParam* pParam = GetBrowseParam();
    if (pParam == nullptr ||
        (pParam->m_nEditMode != CGEBrowseParam::edit && pParam->m_nEditMode != CGEBrowseParam::addNew)) {
        if (bShowError) {
            CString strMessage;
            strMessage.LoadString(GE_IDS_MUST_EDIT_OR_ADDNEW);
            if (m_pGridWnd != nullptr && m_pGridWnd->GetSafeHwnd() != nullptr)
                m_pGridWnd->MessageBox(strMessage, nullptr, MB_OK | MB_ICONEXCLAMATION);
        }
        return FALSE;
    }
    if (!CommitCurrentCell(TRUE, GE_INVALIDATE, TRUE))
        return FALSE;
    const ROWCOL nRow = pParam->m_nEditRow;
    if (pParam->HasChanges()) {
        if (!OnFlushRecord(nRow))
            return FALSE; // the record stays pending
        const int nOldMode = pParam->m_nEditMode;
        pParam->ResetEditBuffer(GetColCount());
        if (nOldMode == CGEBrowseParam::addNew) {
            pParam->m_nEditMode = CGEBrowseParam::noMode;
            OnAddedNewRecord();
        }
        m_bRecordStored = TRUE;
    }
    pParam->m_nEditMode = CGEBrowseParam::noMode;
    ResetLastVisible();
    RedrawRowCol(nRow, 0, nRow, GetColCount(), GE_INVALIDATE, FALSE);
    UpdateScrollbars();
    return TRUE;
}

void CGEBrowserGrid::UndoRecord() {
    CancelRecord();
    if (m_pParam != nullptr && m_pParam->IsUndoEnabled()) {
        m_pParam->EmptyUndoList();
        m_pParam->EmptyRedoList();
    }
}

void CGEBrowserGrid::CancelRecord() {
    CGEBrowseParam* pParam = GetBrowseParam();
    if (pParam == nullptr)
        return;
    const ROWCOL nRow = pParam->m_nEditRow;
    switch (pParam->m_nEditMode) {
    case CGEBrowseParam::addNew:
        pParam->m_nEditMode = CGEBrowseParam::noMode;
        pParam->ResetEditBuffer(GetColCount());
        CommitCurrentCell(FALSE, GE_INVALIDATE, FALSE);
        ResetLastVisible();
        RedrawRowCol(nRow, 0, nRow + 1, GetColCount(), GE_INVALIDATE, FALSE);
        UpdateScrollbars();
        break;
    case CGEBrowseParam::edit:
        pParam->m_nEditMode = CGEBrowseParam::noMode;
        pParam->ResetEditBuffer(GetColCount());
        CommitCurrentCell(FALSE, GE_INVALIDATE, FALSE);
        RedrawRowCol(nRow, 0, nRow, GetColCount(), GE_INVALIDATE, FALSE);
        break;
    default:
        pParam->ResetEditBuffer(GetColCount());
        break;
    }
}

void CGEBrowserGrid::OnAddedNewRecord() {
    SetModifiedFlag(TRUE);
}

BOOL CGEBrowserGrid::OnFlushCellValue(ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue) {
    CGEData* pData = GetData();
    if (pData == nullptr)
        return FALSE;
    const ROWCOL nRecordRow = GetRecordFromRow(nRow);
    const ROWCOL nField = GetFieldFromCol(nCol);
    if (nRecordRow > pData->GetRowCount())
        pData->StoreRowCount(nRecordRow); // a new record at the end
    CGEStyle* pStyle = CreateStyle();
    pStyle->SetValue(pszValue);
    const BOOL bResult = pData->StoreStyleRowCol(nRecordRow, nField, pStyle, geOverride, -1);
    RecycleStyle(pStyle);
    return bResult;
}

BOOL CGEBrowserGrid::OnFlushCellOtherValue(ROWCOL nRow, ROWCOL nCol, DWORD dwValue) {
    CGEData* pData = GetData();
    if (pData == nullptr)
        return FALSE;
    const ROWCOL nRecordRow = GetRecordFromRow(nRow);
    if (nRecordRow > pData->GetRowCount())
        pData->StoreRowCount(nRecordRow);
    CGEStyle* pStyle = CreateStyle();
    pStyle->SetItemValue(dwValue);
    const BOOL bResult = pData->StoreStyleRowCol(nRecordRow, GetFieldFromCol(nCol), pStyle, geOverride, -1);
    RecycleStyle(pStyle);
    return bResult;
}

BOOL CGEBrowserGrid::OnFlushRecord(ROWCOL nRow) {
    CGEBrowseParam* pParam = GetBrowseParam();
    if (pParam == nullptr)
        return FALSE;
    const ROWCOL nCols = GetColCount();
    for (ROWCOL nCol = 0; nCol <= nCols; ++nCol) {
        const ROWCOL nField = GetFieldFromCol(nCol);
        CGEBrowseParam::FieldBuffer* pField = pParam->GetFieldBuffer(nField);
        if (pField == nullptr || !pField->bChanged) {
            if (pParam->m_nEditMode == CGEBrowseParam::addNew && nCol > GetHeaderCols()) {
                // The column's stored value is the new record's default.
                CString strDefault = GetStoredCellValue(0, nCol);
                if (!strDefault.IsEmpty())
                    OnFlushCellValue(nRow, nCol, strDefault);
            }
            continue;
        }
        const BOOL bStored = pField->dwOther != 0 ? OnFlushCellOtherValue(nRow, nCol, pField->dwOther)
                                                  : OnFlushCellValue(nRow, nCol, pField->strValue);
        if (!bStored)
            return FALSE;
    }
    return TRUE;
}

// ---- styles: values of the edit row come from the edit buffer ----

BOOL CGEBrowserGrid::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGEStyle& style, int mt, int nType) {
    CGEBrowseParam* pParam = GetBrowseParam();
    const BOOL bRecord = pParam != nullptr && nRow > GetHeaderRows() && nCol > GetHeaderCols();
    BOOL bResult = FALSE;
    if (bRecord) {
        // Stored record values live under the record and field numbers.
        CGEData* pData = GetData();
        const ROWCOL nRecordRow = GetRecordFromRow(nRow);
        if (pData != nullptr && nRecordRow <= pData->GetRowCount())
            bResult = pData->GetStyleRowCol(nRecordRow, GetFieldFromCol(nCol), style, mt, nType);
    } else {
        bResult = CGEGridCore::GetStyleRowCol(nRow, nCol, style, mt, nType);
    }
    if (bRecord && pParam->m_nEditMode != CGEBrowseParam::noMode && nRow == pParam->m_nEditRow) {
        if (CGEBrowseParam::FieldBuffer* pField = pParam->GetFieldBuffer(GetFieldFromCol(nCol))) {
            if (pField->bChanged) {
                style.SetValue(pField->strValue);
                bResult = TRUE;
            }
        }
    }
    return bResult;
}

BOOL CGEBrowserGrid::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle, int mt, int nType) {
    CGEBrowseParam* pParam = GetBrowseParam();
    const BOOL bRecordCell = pParam != nullptr && nRow > GetHeaderRows() && nCol > GetHeaderCols() &&
                             pStyle != nullptr && pStyle->GetIncludeValue() && mt != geRemove;
    if (!bRecordCell)
        return CGEGridCore::StoreStyleRowCol(nRow, nCol, pStyle, mt, nType);
    if (IsReadOnly())
        return FALSE;
    // A value typed into a record row goes into the edit buffer; the record is written by Update.
    if (pParam->m_nEditMode == CGEBrowseParam::noMode || pParam->m_nEditRow != nRow) {
        if (pParam->m_nEditMode != CGEBrowseParam::noMode && !Update(FALSE))
            return FALSE;
        const ROWCOL nAppend = GetAppendRow();
        if (nRow == nAppend) {
            pParam->m_nEditMode = CGEBrowseParam::addNew;
        } else if (IsRecordRow(nRow)) {
            pParam->m_nEditMode = CGEBrowseParam::edit;
        } else {
            return FALSE;
        }
        pParam->m_nEditRow = nRow;
        pParam->ResetEditBuffer(GetColCount());
        ResetLastVisible();
        RedrawRowHeader(nRow);
    }
    CGEBrowseParam::FieldBuffer* pField = pParam->GetFieldBuffer(GetFieldFromCol(nCol));
    if (pField == nullptr)
        return FALSE;
    pField->bChanged = TRUE;
    pField->strValue = pStyle->GetValue();
    if (IsCurrentCell(nRow, nCol, TRUE))
        ResetCurrentCellStyleCache();
    InvalidateRange(CGECellRange(nRow, nCol, nRow, nCol));
    return TRUE;
}

// ---- structure: the maps follow rows and columns ----

namespace {

// The map of the lines 0..nLast with identity where it holds 0 or ends.
std::vector<DWORD> Materialize(const CDWordArray& map, ROWCOL nLast) {
    std::vector<DWORD> result(static_cast<size_t>(nLast) + 1);
    for (ROWCOL i = 0; i <= nLast; ++i)
        result[i] = static_cast<INT_PTR>(i) < map.GetSize() && map[i] != 0 ? map[i] : i;
    return result;
}

void Store(CDWordArray& map, const std::vector<DWORD>& values) {
    map.SetSize(static_cast<INT_PTR>(values.size()));
    for (size_t i = 0; i < values.size(); ++i)
        map[static_cast<INT_PTR>(i)] = values[i];
}

void InsertIntoMap(CDWordArray& map, ROWCOL nAt, ROWCOL nCount, ROWCOL nLast) {
    std::vector<DWORD> values = Materialize(map, std::max(nLast, nAt));
    const DWORD nHighest = values.empty() ? 0 : *std::max_element(values.begin(), values.end());
    std::vector<DWORD> fresh(nCount);
    for (ROWCOL i = 0; i < nCount; ++i)
        fresh[i] = nHighest + 1 + i;
    values.insert(values.begin() + std::min<size_t>(nAt, values.size()), fresh.begin(), fresh.end());
    Store(map, values);
}

void RemoveFromMap(CDWordArray& map, ROWCOL nFrom, ROWCOL nTo) {
    if (static_cast<INT_PTR>(nFrom) >= map.GetSize())
        return;
    const ROWCOL nLast = std::min<ROWCOL>(nTo, static_cast<ROWCOL>(map.GetSize() - 1));
    map.RemoveAt(nFrom, nLast - nFrom + 1);
}

void MoveInMap(CDWordArray& map, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
    const ROWCOL nLast = std::max(nTo, nDest + (nTo - nFrom));
    const std::vector<DWORD> values =
        Materialize(map, std::max<ROWCOL>(nLast, static_cast<ROWCOL>(map.GetSize())));
    std::vector<DWORD> moved(values);
    for (ROWCOL i = 0; i < values.size(); ++i)
        moved[GEMovedIndex(i, nFrom, nTo, nDest)] = values[i];
    Store(map, moved);
}

} // namespace

BOOL CGEBrowserGrid::StoreInsertRows(ROWCOL nRow, ROWCOL nCount) {
    CGEBrowseParam* pParam = GetBrowseParam();
    if (pParam != nullptr && pParam->m_nEditMode != CGEBrowseParam::noMode)
        Update(FALSE);
    if (!CGEGridCore::StoreInsertRows(nRow, nCount))
        return FALSE;
    if (pParam != nullptr) {
        InsertIntoMap(pParam->m_awRowMap, nRow, nCount, GetRowCount());
        pParam->ResetEditBuffer(GetColCount());
    }
    return TRUE;
}

BOOL CGEBrowserGrid::StoreInsertCols(ROWCOL nCol, ROWCOL nCount) {
    CGEBrowseParam* pParam = GetBrowseParam();
    if (pParam != nullptr && pParam->m_nEditMode != CGEBrowseParam::noMode)
        Update(FALSE);
    if (!CGEGridCore::StoreInsertCols(nCol, nCount))
        return FALSE;
    if (pParam != nullptr) {
        InsertIntoMap(pParam->m_awColMap, nCol, nCount, GetColCount());
        pParam->ResetEditBuffer(GetColCount());
    }
    return TRUE;
}

BOOL CGEBrowserGrid::StoreRemoveRows(ROWCOL nFrom, ROWCOL nTo) {
    if (!CGEGridCore::StoreRemoveRows(nFrom, nTo))
        return FALSE;
    if (CGEBrowseParam* pParam = GetBrowseParam())
        RemoveFromMap(pParam->m_awRowMap, nFrom, nTo);
    return TRUE;
}

BOOL CGEBrowserGrid::StoreRemoveCols(ROWCOL nFrom, ROWCOL nTo) {
    if (!CGEGridCore::StoreRemoveCols(nFrom, nTo))
        return FALSE;
    if (CGEBrowseParam* pParam = GetBrowseParam())
        RemoveFromMap(pParam->m_awColMap, nFrom, nTo);
    return TRUE;
}

void CGEBrowserGrid::OnRowsMoved(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
    if (CGEBrowseParam* pParam = GetBrowseParam())
        MoveInMap(pParam->m_awRowMap, nFrom, nTo, nDest);
}

void CGEBrowserGrid::OnColsMoved(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
    if (CGEBrowseParam* pParam = GetBrowseParam())
        MoveInMap(pParam->m_awColMap, nFrom, nTo, nDest);
}

BOOL CGEBrowserGrid::RemoveRows(ROWCOL nFrom, ROWCOL nTo, UINT flags, int ctCmd) {
    const CGEBrowseParam* pParam = GetBrowseParam();
    if (pParam != nullptr && !pParam->m_bAllowGridMoves)
        return FALSE;
    const BOOL bOld = m_bSuppressUndoRecording;
    m_bSuppressUndoRecording = TRUE;
    const BOOL bResult = CGEGridCore::RemoveRows(nFrom, nTo, flags, ctCmd);
    m_bSuppressUndoRecording = bOld;
    Redraw(flags, FALSE);
    return bResult;
}

BOOL CGEBrowserGrid::RemoveCols(ROWCOL nFrom, ROWCOL nTo, UINT flags, int ctCmd) {
    const CGEBrowseParam* pParam = GetBrowseParam();
    if (pParam != nullptr && !pParam->m_bAllowGridMoves)
        return FALSE;
    const BOOL bOld = m_bSuppressUndoRecording;
    m_bSuppressUndoRecording = TRUE;
    const BOOL bResult = CGEGridCore::RemoveCols(nFrom, nTo, flags, ctCmd);
    m_bSuppressUndoRecording = bOld;
    Redraw(flags, FALSE);
    return bResult;
}

BOOL CGEBrowserGrid::HandleKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_DELETE) {
        if (IsKeyDown(VK_SHIFT)) {
            if (CanUpdate())
                DeleteSelectedRecords();
            return TRUE;
        }
        ROWCOL nRow = 0, nCol = 0;
        if (!GetCurrentCell(nRow, nCol))
            return FALSE;
        CGEControl* pControl = GetCurrentCellControl();
        if (pControl != nullptr && (pControl->IsActive() || pControl->IsReadOnly()))
            return FALSE;
        return StoreValueInRange(CGECellRange(nRow, nCol, nRow, nCol), CString(), geOverride, -1,
                                 GE_UPDATENOW);
    }
    return CGEGridCore::HandleKeyDown(nChar, nRepCnt, nFlags);
}

void CGEBrowserGrid::OnCurrentRowChanging(ROWCOL nOldRow, ROWCOL nNewRow) {
    CGEBrowseParam* pParam = GetBrowseParam();
    if (pParam == nullptr)
        return;
    RedrawRowHeader(nOldRow);
    if (pParam->m_nEditMode != CGEBrowseParam::noMode && pParam->m_nEditRow == nOldRow)
        Update(FALSE);
    if (m_bRecordStored) {
        RedrawRowCol(nOldRow, 0, nOldRow, GetColCount(), GE_INVALIDATE, FALSE);
        m_bRecordStored = FALSE;
    }
    if (pParam->m_nEditMode == CGEBrowseParam::noMode)
        pParam->m_nEditRow = nNewRow;
    RedrawRowHeader(nNewRow);
}

void CGEBrowserGrid::RedrawRowHeader(ROWCOL nRow) {
    if (nRow != 0 && nRow != GE_INVALID)
        RedrawRowCol(nRow, 0, nRow, 0, GE_INVALIDATE, FALSE);
}

// ---- browse styles ----

void CGEBrowserGrid::InitBrowserSettings() {
    CGEBrowseParam* pParam = GetBrowseParam();
    if (pParam == nullptr)
        return;
    RegisterControl(GE_IDS_CTRL_BROWSEARROWHEADER, new CGEBrowseGridArrowRowHeader(this), FALSE, TRUE);
    if (pParam->m_bBrowseInit)
        return;
    const BOOL bOldUndo = pParam->EnableUndo(FALSE);
    // Row headers: read-only, not selectable, the arrow marks; column headers: not selectable, one line.
    CGEStyle& rowHeader = GetRowHeaderStyle();
    rowHeader.SetIncludeWrapText(FALSE);
    rowHeader.SetReadOnly(TRUE);
    rowHeader.SetEnabled(FALSE);
    rowHeader.SetControl(GE_IDS_CTRL_BROWSEARROWHEADER);
    CGEStyle& colHeader = GetColHeaderStyle();
    colHeader.SetIncludeWrapText(FALSE);
    colHeader.SetEnabled(FALSE);
    pParam->EnableUndo(bOldUndo);
    pParam->m_bNumberedRowHeaders = FALSE;
    pParam->m_bNumberedColHeaders = FALSE;
    pParam->m_wEnterKeyDirection = GE_RIGHT;
    pParam->m_bBrowseInit = TRUE;
    ResetCurrentCellStyleCache();
    Redraw(GE_INVALIDATE, FALSE);
}
