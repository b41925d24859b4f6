// CLogView: what the cells show, shading, the filter, row look-ups, selection and Find Next.
#include "views/CLogView.h"

#include "data/CViewFilter.h"
#include "foundation/Registry.h"
#include "framework/win/CCmdUI.h"
#include "grid/core/CGEBrowseParam.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGERangeList.h"
#include "grid/core/CGEStyle.h"
#include "resource.h"
#include "timelog/CLogDoc.h"
#include "views/CGridColumn.h"
#include "views/LogRowFilter.h"
#include "views/LogRowSort.h"
#include "views/ViewControlIds.h"

namespace {

bool IsCheckBoxColumn(int columnId) {
    return columnId == CLogView::colBilled || columnId == CLogView::colBillable;
}

void CopyFindSpec(CFindRequest& to, const CFindRequest& from) {
    to.phrase = from.phrase;
    to.words.Copy(from.words);
    to.pProject = from.pProject;
    to.exactPhrase = from.exactPhrase;
    to.allWords = from.allWords;
}

} // namespace

// ================================================================ cell styles

BOOL CLogView::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGEStyle& style, int mt, int nType) {
    const BOOL bHeader = nRow == 0 && nCol > GetHeaderCols();
    const BOOL bBody = nRow > GetHeaderRows() && nCol > GetHeaderCols();
    if (mt == geRemove || (!bHeader && !bBody))
        return CGEBrowserView::GetStyleRowCol(nRow, nCol, style, mt, nType);
    // What is stored for the cell (a value being edited, a style a user set) goes over what the
    // column and the entry give.
    CGEStyle stored;
    const BOOL bStored = CGEBrowserView::GetStyleRowCol(nRow, nCol, stored, geCopy, nType);
    CGEStyle computed;
    if (bHeader) {
        const CGridColumn* pColumn = GetColumnAt(GetColumnIndexOfGridCol(nCol));
        computed.SetValue(pColumn != nullptr ? pColumn->m_Title : CString());
        computed.SetControl(IDS_CTRL_SORT_HEADER);
        computed.SetHorizontalAlignment(DT_LEFT);
    } else {
        LoadCellStyle(nRow, nCol, computed);
    }
    if (bStored)
        computed.MergeFrom(stored, geOverride);
    style.MergeFrom(computed, static_cast<UINT>(mt));
    return TRUE;
}

void CLogView::LoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGEStyle& style) {
    const CGridColumn* pColumn = GetColumnAt(GetColumnIndexOfGridCol(nCol));
    if (pColumn == nullptr) {
        style.SetEnabled(FALSE);
        return;
    }
    const int columnId = pColumn->m_ColumnId;
    if (IsCheckBoxColumn(columnId)) {
        style.SetControl(kCtrlCheckBox3d);
        style.SetHorizontalAlignment(DT_CENTER);
        style.SetTextColor(kGreyText);
        style.SetChoiceList("");
    } else {
        style.SetControl(kCtrlStatic);
        style.SetHorizontalAlignment(DT_LEFT);
        style.SetTextColor(RGB(0, 0, 0));
    }
    style.SetEnabled(TRUE);
    style.SetReadOnly(FALSE);
    CLogEntry* pEntry = GetEntryAtRow(nRow);
    CString text;
    if (pEntry != nullptr)
        pEntry->GetColumnText(text, columnId);
    style.SetValue(text);
    style.SetValueType(0);
    if (nRow < m_RowTint.size())
        style.SetInterior(m_RowTint[nRow] ? kGrayBarTint : kWhite);
    if (pEntry == nullptr)
        return;
    // The entry's state: computed at every drawing, so the marks stay with their entries however the
    // rows are sorted.
    if (pEntry->m_OpenPending) {
        style.SetInterior(kReadOnlyInterior);
        style.SetTextColor(kGreyText);
        style.SetReadOnly(TRUE);
        style.SetEnabled(FALSE);
    }
    if (pEntry->m_Pending || pEntry->m_Mark1)
        style.SetTextColor(kWaitingText);
}

void CLogView::RefreshAllRows() {
    Redraw(GE_INVALIDATE, FALSE);
}

void CLogView::StyleEntryRow(ROWCOL nRow) {
    if (nRow > GetHeaderRows() && nRow <= GetRowCount())
        RedrawRowCol(nRow, 0, nRow, GetColCount(), GE_INVALIDATE, FALSE);
}

void CLogView::RefreshEntryRow(CLogEntry* pEntry) {
    const ROWCOL nRow = FindEntryRow(pEntry);
    if (nRow != 0)
        StyleEntryRow(nRow);
}

// ================================================================ shading and filter

void CLogView::ApplyGrayBar() {
    bool bGrayBar = false;
    RegReadBool(REG_PREFS, "GrayBar", &bGrayBar);
    m_bGrayBar = bGrayBar ? 1 : 0;
    const ROWCOL nRows = GetRowCount();
    m_RowTint.assign(static_cast<size_t>(nRows) + 1, 0);
    ROWCOL nShown = 0;
    for (ROWCOL nRow = GetHeaderRows() + 1; nRow <= nRows; ++nRow) {
        if (GetEntryAtRow(nRow) == nullptr || IsRowHidden(nRow))
            continue;
        m_RowTint[nRow] = m_bGrayBar && nShown % 2 == 0 ? 1 : 0;
        ++nShown;
    }
    Redraw(GE_INVALIDATE, FALSE);
}

BOOL CLogView::IsRowTinted(ROWCOL nRow) const {
    return nRow < m_RowTint.size() && m_RowTint[nRow] != 0;
}

void CLogView::ApplyFilter(const CViewFilter& filter) {
    const CViewFilter* pFilter = &filter;
    if ((pFilter->m_FilterType & CViewFilter::byDateRange) != 0)
        pFilter->GetDateRange(&m_FilterFrom, &m_FilterTo);
    const ROWCOL nFirst = GetHeaderRows() + 1;
    const ROWCOL nLast = GetRowCount();
    if (nLast < nFirst)
        return;
    std::vector<BOOL> hide(static_cast<size_t>(nLast - nFirst) + 1);
    for (ROWCOL nRow = nFirst; nRow <= nLast; ++nRow) {
        const CLogEntry* pEntry = GetEntryAtRow(nRow);
        // Rows without an entry keep what they had.
        hide[nRow - nFirst] = pEntry != nullptr
                                  ? LogFilterHidesEntry(*pEntry, *pFilter, m_FilterFrom, m_FilterTo)
                                  : IsRowHidden(nRow);
    }
    const BOOL bOldLock = LockUpdate(TRUE);
    // The filter is no user action to undo.
    HideRows(nFirst, nLast, FALSE, hide.data(), GE_NOREDRAW, geRollback);
    LockUpdate(bOldLock);
    Redraw(GE_INVALIDATE, FALSE);
}

void CLogView::ResetRowHeights() {
    const ROWCOL nRows = GetRowCount();
    if (nRows > GetHeaderRows())
        SetRowHeight(GetHeaderRows() + 1, nRows, -1, nullptr, GE_NOREDRAW, geRollback);
    Redraw(GE_INVALIDATE, FALSE);
}

void CLogView::Redraw() {
    Redraw(GE_UPDATENOW, FALSE);
}

// ================================================================ sorting

void CLogView::ApplySort() {
    const int index = FindColumnIndex(m_nSortColumnId);
    if (m_nSortColumnId == 0 || index < 0 || GetGridColOfColumn(index) == 0 ||
        !GetColumnAt(index)->m_bVisible)
        return;
    SortByColumn(index, m_bSortAscending);
}

void CLogView::SortByColumn(int index, BOOL bAscending) {
    CGEBrowseParam* pParam = GetBrowseParam();
    const CGridColumn* pColumn = GetColumnAt(index);
    // A row being edited keeps its place until it is stored.
    if (pParam == nullptr || pColumn == nullptr || HasUnfinishedRow())
        return;
    const long nRecords = std::max(GetRecordCount(), 0L);
    std::vector<const CLogEntry*> entries;
    entries.reserve(static_cast<size_t>(nRecords));
    for (long i = 0; i < nRecords; ++i)
        entries.push_back(GetEntryOfRecord(i));
    const std::vector<long> order = LogSortOrder(entries, pColumn->m_ColumnId, bAscending != FALSE);
    // The row list maps each row to the record it shows; the rows after the records (the append row)
    // show themselves.
    const ROWCOL nFirst = GetHeaderRows() + 1;
    const BOOL bOldLock = LockUpdate(TRUE);
    pParam->m_awRowMap.RemoveAll();
    pParam->m_awRowMap.SetSize(static_cast<INT_PTR>(nFirst) + nRecords);
    for (ROWCOL nRow = 0; nRow < nFirst; ++nRow)
        pParam->m_awRowMap[static_cast<INT_PTR>(nRow)] = nRow;
    for (long i = 0; i < nRecords; ++i)
        pParam->m_awRowMap[static_cast<INT_PTR>(nFirst) + i] =
            nFirst + static_cast<ROWCOL>(order[static_cast<size_t>(i)]);
    pParam->m_nLastSortedCol = GetGridColOfColumn(index);
    pParam->m_bLastSortAscending = bAscending;
    ClearSelection(FALSE);
    LockUpdate(bOldLock);
    Redraw(GE_INVALIDATE, FALSE);
}

// ================================================================ row look-ups

CLogEntry* CLogView::GetEntryAtRow(ROWCOL nRow) {
    if (nRow <= GetHeaderRows() || nRow == GE_INVALID || !IsRecordRow(nRow))
        return nullptr;
    return GetEntryOfRecord(GetRecordIndexOfRow(nRow));
}

ROWCOL CLogView::FindEntryRow(const CLogEntry* pEntry) {
    if (pEntry == nullptr)
        return 0;
    const ROWCOL nRows = GetRowCount();
    for (ROWCOL nRow = GetHeaderRows() + 1; nRow <= nRows; ++nRow) {
        if (GetEntryAtRow(nRow) == pEntry && !IsRowHidden(nRow))
            return nRow;
    }
    return 0;
}

ROWCOL CLogView::GetNextEntryRow(ROWCOL nRow, BOOL bForward) {
    const ROWCOL nRows = GetRowCount();
    const ROWCOL nFirst = GetHeaderRows() + 1;
    if (bForward) {
        for (ROWCOL r = std::max(nRow + 1, nFirst); r <= nRows; ++r) {
            if (GetEntryAtRow(r) != nullptr && !IsRowHidden(r))
                return r;
        }
    } else {
        for (ROWCOL r = std::min(nRow, nRows + 1); r-- > nFirst;) {
            if (GetEntryAtRow(r) != nullptr && !IsRowHidden(r))
                return r;
        }
    }
    return 0;
}

ROWCOL CLogView::GetNextSelectedRow(ROWCOL nRow) {
    const CGEGridParam* pParam = GetParam();
    if (pParam == nullptr || pParam->m_SelectedRanges.IsEmpty())
        return 0;
    const ROWCOL nRows = GetRowCount();
    for (ROWCOL r = std::max(nRow + 1, GetHeaderRows() + 1); r <= nRows; ++r) {
        if (pParam->m_SelectedRanges.IsAnyCellFromRow(r) && !IsRowHidden(r))
            return r;
    }
    return 0;
}

CLogEntry* CLogView::GetSelectedEntry() {
    const ROWCOL nRow = GetNextSelectedRow(0);
    return nRow != 0 ? GetEntryAtRow(nRow) : nullptr;
}

// ================================================================ selection

ROWCOL CLogView::SelectEntry(const CLogEntry* pEntry) {
    ClearSelection(TRUE);
    const ROWCOL nRow = FindEntryRow(pEntry);
    if (nRow != 0)
        SelectRange(CGECellRange().SetRows(nRow, nRow), TRUE, TRUE);
    return nRow;
}

ROWCOL CLogView::SelectEntryByGUID(const char* guid) {
    const CLogDoc* pDoc = GetLogDocument();
    if (pDoc == nullptr || guid == nullptr || *guid == '\0')
        return 0;
    return SelectEntry(pDoc->FindLogEntryByGUIDNoCase(guid));
}

void CLogView::SelectRows(const CDWordArray& rows) {
    for (INT_PTR i = 0; i < rows.GetSize(); ++i) {
        const ROWCOL nRow = rows[i];
        if (nRow > GetHeaderRows() && nRow <= GetRowCount() && !IsRowHidden(nRow))
            SelectRange(CGECellRange().SetRows(nRow, nRow), TRUE, TRUE);
    }
}

void CLogView::GetSelectedRows(CDWordArray& starts, CDWordArray& ends) {
    starts.RemoveAll();
    ends.RemoveAll();
    CGERangeList list;
    if (!GetSelectedRanges(list, FALSE))
        return;
    list.GetRowSpans(GetRowCount(), starts, ends, FALSE);
    // Header rows are never entries.
    for (INT_PTR i = starts.GetSize(); i-- > 0;) {
        starts[i] = std::max<DWORD>(starts[i], GetHeaderRows() + 1);
        if (starts[i] > ends[i]) {
            starts.RemoveAt(i);
            ends.RemoveAt(i);
        }
    }
}

void CLogView::SelectRows(const CDWordArray& starts, const CDWordArray& ends) {
    const ROWCOL nRows = GetRowCount();
    for (INT_PTR i = 0; i < starts.GetSize() && i < ends.GetSize(); ++i) {
        const ROWCOL nFrom = std::max<ROWCOL>(starts[i], GetHeaderRows() + 1);
        const ROWCOL nTo = std::min<ROWCOL>(ends[i], nRows);
        if (nFrom <= nTo)
            SelectRange(CGECellRange().SetRows(nFrom, nTo), TRUE, TRUE);
    }
}

// ================================================================ Find Next

BOOL CLogView::FindNext(const CFindRequest& request, BOOL bSelect, CString& foundGUID, int* pFoundColumnId) {
    if (&request != &m_FindSpec)
        CopyFindSpec(m_FindSpec, request);
    m_nFindResult = 0;
    foundGUID.Empty();
    const ROWCOL nFirst = GetHeaderRows() + 1;
    const ROWCOL nLastData = GetHeaderRows() + static_cast<ROWCOL>(std::max(GetRecordCount(), 0L));
    if (nLastData < nFirst)
        return FALSE;
    const ROWCOL nStart = m_nLastFoundRow != 0 ? std::min(m_nLastFoundRow, nLastData + 1) : nLastData + 1;
    CDWordArray columnIds;
    GetShownColumnIds(columnIds);
    auto matches = [&](ROWCOL nRow) {
        const CLogEntry* pEntry = GetEntryAtRow(nRow);
        int foundIndex = -1;
        int foundColumn = -1;
        if (pEntry == nullptr || IsRowHidden(nRow) ||
            !pEntry->MatchesFind(m_FindSpec, columnIds, 0, foundIndex, foundColumn))
            return false;
        m_nFindResult = foundColumn;
        return true;
    };
    ROWCOL nFound = 0;
    // Upward from above the last row found, then round from the bottom down to that row itself.
    for (ROWCOL nRow = nStart; nRow-- > nFirst && nFound == 0;) {
        if (matches(nRow))
            nFound = nRow;
    }
    for (ROWCOL nRow = nLastData + 1; nFound == 0 && nRow-- > std::max(nStart, nFirst);) {
        if (matches(nRow))
            nFound = nRow;
    }
    if (nFound == 0)
        return FALSE;
    CLogEntry* pEntry = GetEntryAtRow(nFound);
    if (bSelect) {
        ClearSelection(TRUE);
        SelectRange(CGECellRange().SetRows(nFound, nFound), TRUE, TRUE);
        ScrollCellInView(nFound, GetHeaderCols() + 1, GE_INVALIDATE);
    }
    foundGUID = pEntry->GetGUID();
    if (pFoundColumnId != nullptr)
        *pFoundColumnId = m_nFindResult;
    m_nLastFoundRow = nFound;
    return TRUE;
}

bool CLogView::FindEntry(const CFindRequest& request, CString& guid, int& columnId) {
    return FindNext(request, TRUE, guid, &columnId) != FALSE;
}

void CLogView::FindNextEntry() {
    CString guid;
    FindNext(m_FindSpec, TRUE, guid);
}

void CLogView::ShowLastRow() {
    Invalidate(TRUE);
    // Far enough down for any log; the grid keeps it within its rows.
    constexpr ROWCOL kFarRow = 100000;
    const ROWCOL nRows = GetRowCount();
    if (nRows > GetHeaderRows())
        ScrollCellInView(std::min(kFarRow, nRows), GetHeaderCols() + 1, GE_INVALIDATE);
}

CString CLogView::GetColumnCaption(int columnId) {
    const CGridColumn* pColumn = GetColumnAt(FindColumnIndex(columnId));
    return pColumn != nullptr ? pColumn->m_Title : CString();
}

void CLogView::UpdateFindNext(CCmdUI* pCmdUI) {
    pCmdUI->Enable(!m_FindSpec.phrase.IsEmpty());
}

// ================================================================ editing state

bool CLogView::HasUnfinishedRow() {
    const CGEBrowseParam* pParam = GetBrowseParam();
    return pParam != nullptr && pParam->HasChanges() != FALSE;
}

// ================================================================ sort settings

void CLogView::LoadSortSettings() {
    bool ascending = false;
    RegReadBool(REG_SORT, "Ascending", &ascending);
    m_bSortAscending = ascending ? 1 : 0;
    CString title;
    RegReadString(REG_SORT, "Column", title);
    const CGridColumn* pColumn = title.IsEmpty() ? nullptr : FindColumnByTitle(title);
    m_nSortColumnId = pColumn != nullptr ? pColumn->m_ColumnId : 0;
}

void CLogView::SaveSortSettings() {
    const CGEGridParam* pParam = GetParam();
    if (pParam == nullptr)
        return;
    const CGridColumn* pColumn = GetColumnAt(GetColumnIndexOfGridCol(pParam->m_nLastSortedCol));
    if (pColumn == nullptr)
        return;
    m_bSortAscending = pParam->m_bLastSortAscending ? 1 : 0;
    m_nSortColumnId = pColumn->m_ColumnId;
    RegWriteBool(REG_SORT, "Ascending", m_bSortAscending != 0);
    RegWriteString(REG_SORT, "Column", pColumn->m_Title);
}
