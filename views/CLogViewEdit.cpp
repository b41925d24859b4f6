// CLogView: what the user does in the view: clicks, the context menu, keys and the wheel, values stored
// from the grid into entries and handed to the document, deleting rows, and the commands.
#include "views/CLogView.h"

#include "data/CCategory.h"
#include "data/CProject.h"
#include "foundation/LocaleFormat.h"
#include "foundation/Registry.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CCmdUI.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CMenu.h"
#include "framework/win/CWaitCursor.h"
#include "framework/win/CWinApp.h"
#include "grid/controls/CGECheckBox.h"
#include "grid/core/CGEBrowseParam.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGERangeList.h"
#include "resource.h"
#include "timelog/CLogDoc.h"
#include "views/CGridColumn.h"
#include "views/CViewColumnsDlg.h"
#include "views/StopBeforeStart.h"

#include <memory>

namespace {

// A refused value: the engine shows the message and the document keeps the entry as it was.
CString LoadText(UINT id) {
    CString text;
    text.LoadString(id);
    return text;
}

} // namespace

// ================================================================ storing values

BOOL CLogView::StoreField(int columnId, const CString& text) {
    CLogDoc* pDoc = GetLogDocument();
    if (pDoc == nullptr)
        return FALSE;
    CLogEntry& entry = m_EditBuffer;
    auto refuse = [this](UINT messageId) {
        SetWarningText(LoadText(messageId));
        return FALSE;
    };
    switch (columnId) {
    case colStart: {
        CTime start;
        if (!AcxParseDateTime(text, &start)) {
            if (!IsColumnHidden(colStart))
                return refuse(IDS_START_INVALID);
            start = CTime::GetCurrentTime();
        }
        entry.SetStartTime(start);
        break;
    }
    case colStop: {
        CTime stop;
        if (!AcxParseDateTime(text, &stop)) {
            if (!IsColumnHidden(colStop))
                return refuse(IDS_STOP_INVALID);
            const CTime now = CTime::GetCurrentTime();
            stop = now > entry.m_StartTime ? now : entry.m_StartTime;
        }
        entry.SetStopTime(stop);
        break;
    }
    case colProject:
        if (text.IsEmpty()) {
            entry.m_pProject = nullptr;
        } else {
            CProject* pProject = pDoc->FindProjectByName(text);
            if (pProject == nullptr)
                return refuse(IDS_PROJECT_INVALID);
            entry.m_pProject = pProject;
        }
        break;
    case colCategory:
        if (text.IsEmpty()) {
            if (pDoc->GetCategoryCount() > 0)
                entry.m_pCategory = pDoc->GetCategoryAt(0);
        } else {
            CCategory* pCategory = pDoc->FindCategoryByName(text);
            if (pCategory == nullptr)
                return refuse(IDS_CATEGORY_INVALID);
            entry.m_pCategory = pCategory;
        }
        break;
    case colDescription:
        entry.m_Desc = text;
        break;
    case colBilled:
        entry.m_Billed = text == "1" ? 1 : 0;
        break;
    case colBillable:
        entry.m_Billable = text == "1" ? 1 : 0;
        break;
    case colText1:
        entry.m_UserText1 = text;
        break;
    case colText2:
        entry.m_UserText2 = text;
        break;
    case colText3:
        entry.m_UserText3 = text;
        break;
    case colSubsystem:
        if (entry.m_pProject != nullptr)
            entry.m_pSubsystem = entry.m_pProject->FindSubsystem(text);
        break;
    default:
        // Actual Work, Client, Rounded and the costs follow from the entry.
        return TRUE;
    }
    entry.SetModified(TRUE);
    return TRUE;
}

void CLogView::MarkAllFieldsChanged() {
    CGEBrowseParam* pParam = GetBrowseParam();
    if (pParam == nullptr)
        return;
    for (ROWCOL nCol = GetHeaderCols() + 1; nCol <= GetColCount(); ++nCol) {
        if (CGEBrowseParam::FieldBuffer* pField = pParam->GetFieldBuffer(GetFieldFromCol(nCol)))
            pField->bChanged = TRUE;
    }
}

BOOL CLogView::RefuseStopBeforeStart() {
    const CLogEntry& entry = m_EditBuffer;
    // Checked once the whole row is in: a moved column may bring the start after the stop.
    if (!IsStopBeforeStart(entry.m_StartTime, entry.m_EndTime, false))
        return FALSE;
    SetWarningText(StopBeforeStartMessage(entry.m_StartTime));
    return TRUE;
}

BOOL CLogView::OnFlushCellValue(ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue) {
    (void)nRow;
    const CGridColumn* pColumn = GetColumnAt(GetColumnIndexOfGridCol(nCol));
    if (pszValue == nullptr || pColumn == nullptr)
        return TRUE;
    return StoreField(pColumn->m_ColumnId, pszValue);
}

BOOL CLogView::OnFlushRecord(ROWCOL nRow) {
    CLogDoc* pDoc = GetLogDocument();
    const CGEBrowseParam* pParam = GetBrowseParam();
    if (pDoc == nullptr || pParam == nullptr)
        return FALSE;
    const bool bNew = pParam->m_nEditMode == CGEBrowseParam::addNew;
    if (bNew) {
        m_EditBuffer = CLogEntry();
        // Every column is stored, so that what the row leaves out is refused or takes its default.
        MarkAllFieldsChanged();
    } else {
        const CLogEntry* pEntry = GetEntryAtRow(nRow);
        if (pEntry == nullptr)
            return FALSE;
        m_EditBuffer = *pEntry;
    }
    if (!CGEBrowserView::OnFlushRecord(nRow) || RefuseStopBeforeStart()) {
        m_bRowRefused = TRUE;
        return FALSE; // the document keeps the entry as it was
    }
    if (bNew) {
        auto pNew = std::make_unique<CLogEntry>(m_EditBuffer);
        pNew->m_pUser = pDoc->GetCurrentUser();
        pDoc->AppendLogEntry(pNew.release());
    } else {
        pDoc->SaveEditedEntry(&m_EditBuffer);
    }
    pDoc->DoAutoSave(true);
    return TRUE;
}

BOOL CLogView::Update(BOOL bShowError) {
    m_bRowRefused = FALSE;
    SetWarningText("");
    if (CGEBrowserView::Update(bShowError))
        return TRUE;
    if (m_bRowRefused) {
        m_bRowRefused = FALSE;
        // The text cells cannot be corrected in place: the row shows its entry as it is again.
        DisplayWarningText();
        CancelRecord();
    }
    return FALSE;
}

void CLogView::DisplayWarningText() {
    const CString text = GetWarningText();
    if (text.IsEmpty())
        return;
    // The message box takes the focus: that is no leaving of the cell.
    const BOOL bOldLock = m_bFocusChangeLock;
    m_bFocusChangeLock = TRUE;
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    m_bFocusChangeLock = bOldLock;
}

// ================================================================ deleting rows

BOOL CLogView::DeleteRecords(const CDWordArray& firstRows, const CDWordArray& lastRows) {
    CLogDoc* pDoc = GetLogDocument();
    if (pDoc == nullptr || firstRows.IsEmpty() || firstRows.GetSize() != lastRows.GetSize())
        return FALSE;
    if (pDoc->SelectionHasOpenPendingEntry(firstRows, lastRows)) {
        AfxMessageBox(IDS_DELETE_READ_ONLY_ROWS, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    const bool oneRow = firstRows.GetSize() == 1 && firstRows[0] == lastRows[0];
    if (AfxMessageBox(oneRow ? IDS_DELETE_ROW : IDS_DELETE_ROWS, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    // A row being edited would be stored over the rows that move up.
    CancelRecord();
    pDoc->DeleteSelectedLogEntries(firstRows, lastRows);
    // The document removed the entries: every row shows the log again, in sorted order.
    const BOOL bOldLock = LockUpdate(TRUE);
    if (CGEBrowseParam* pParam = GetBrowseParam())
        pParam->m_awRowMap.RemoveAll();
    ResetLastVisible();
    LockUpdate(bOldLock);
    ApplySort();
    ApplyFilter(pDoc->m_ViewFilter);
    ApplyGrayBar();
    RefreshAllRows();
    ClearSelection(FALSE);
    UpdateScrollbars();
    Redraw(GE_INVALIDATE, FALSE);
    pDoc->DoAutoSave(true);
    return TRUE;
}

// ================================================================ keys

BOOL CLogView::HandleKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar != VK_DELETE || !CanUpdate())
        return CGEBrowserView::HandleKeyDown(nChar, nRepCnt, nFlags);
    CDWordArray starts, ends;
    GetSelectedRows(starts, ends);
    ROWCOL nRow = 0, nCol = 0;
    if (starts.IsEmpty() && GetCurrentCell(nRow, nCol) && GetEntryAtRow(nRow) != nullptr) {
        starts.Add(nRow);
        ends.Add(nRow);
    }
    if (!starts.IsEmpty())
        DeleteRecords(starts, ends);
    return TRUE;
}

BOOL CLogView::HandleChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    // Letters and digits name a project to time; the space bar stays the check boxes'.
    CLogDoc* pDoc = GetLogDocument();
    if (pDoc != nullptr && nChar > ' ' && nChar < 256) {
        pDoc->TypeAheadProject(static_cast<char>(nChar), ::GetTickCount());
        return TRUE;
    }
    return CGEBrowserView::HandleChar(nChar, nRepCnt, nFlags);
}

// ================================================================ the mouse

BOOL CLogView::OnLButtonHitRowCol(ROWCOL nHitRow, ROWCOL nHitCol, ROWCOL nDragRow, ROWCOL nDragCol,
                                  CPoint point, UINT nFlags, UINT nHitState) {
    const BOOL bResult =
        CGEBrowserView::OnLButtonHitRowCol(nHitRow, nHitCol, nDragRow, nDragCol, point, nFlags, nHitState);
    if ((nHitState & GE_MR_UP) == 0 || (nHitState & GE_MR_MOVE) != 0)
        return bResult;
    if (nHitRow == 0) {
        if (nHitCol > GetHeaderCols())
            OnHeaderClick(nHitCol);
        return bResult;
    }
    if (nHitCol > GetHeaderCols())
        OnDataCellClick(nHitRow, nHitCol);
    return bResult;
}

void CLogView::OnHeaderClick(ROWCOL nCol) {
    CLogDoc* pDoc = GetLogDocument();
    const CGEGridParam* pParam = GetParam();
    const int index = GetColumnIndexOfGridCol(nCol);
    if (pParam == nullptr || index < 0)
        return;
    CWaitCursor wait;
    // A second click on the sorted column reverses the order, a third restores it.
    const BOOL bAscending = !(pParam->m_nLastSortedCol == nCol && pParam->m_bLastSortAscending);
    SortByColumn(index, bAscending);
    if (pDoc != nullptr)
        ApplyFilter(pDoc->m_ViewFilter);
    ApplyGrayBar();
    Redraw(GE_INVALIDATE, FALSE);
    SaveSortSettings();
    ClearSelection(TRUE);
    if (pDoc != nullptr)
        pDoc->DoAutoSave(true);
}

void CLogView::OnDataCellClick(ROWCOL nRow, ROWCOL nCol) {
    if (GetEntryAtRow(nRow) == nullptr)
        return;
    CGEControl* pControl = GetControl(nRow, nCol);
    if (pControl != nullptr && pControl->IsKindOfControlClass(&CGECheckBox::controlClass))
        return;
    bool editRows = false;
    RegReadBool(REG_PREFS, "Edit rows", &editRows);
    if (editRows)
        return;
    // The entry opens in the Log Task dialog.
    ClearSelection(TRUE);
    SelectRange(CGECellRange().SetRows(nRow, nRow), TRUE, TRUE);
    if (CWnd* pTarget = GetCommandTarget())
        pTarget->PostMessage(WM_COMMAND, ID_VIEW_TASK, 0);
}

void CLogView::OnChildButtonClicked(ROWCOL nRow, ROWCOL nCol) {
    CGEBrowserView::OnChildButtonClicked(nRow, nCol);
    // A check box stores its entry at once.
    CGEControl* pControl = GetControl(nRow, nCol);
    if (pControl != nullptr && pControl->IsKindOfControlClass(&CGECheckBox::controlClass) &&
        HasUnfinishedRow())
        Update(FALSE);
    if (CLogDoc* pDoc = GetLogDocument())
        pDoc->DoAutoSave(true);
}

BOOL CLogView::OnCellRClick(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point) {
    const BOOL bResult = CGEBrowserView::OnCellRClick(nRow, nCol, nFlags, point);
    if (!SelectContextRow(nRow))
        return bResult;
    CPoint screen;
    ::GetCursorPos(&screen);
    ShowContextMenu(CPoint(screen.x, screen.y - 1));
    return TRUE;
}

BOOL CLogView::SelectContextRow(ROWCOL nRow) {
    if (nRow <= GetHeaderRows() || nRow > GetRowCount() || GetEntryAtRow(nRow) == nullptr)
        return FALSE;
    ClearSelection(TRUE);
    SelectRange(CGECellRange().SetRows(nRow, nRow), TRUE, TRUE);
    ScrollCellInView(nRow, 0, GE_INVALIDATE);
    return TRUE;
}

void CLogView::ShowContextMenu(CPoint screen) {
    CMenu menu;
    if (!menu.LoadMenu(IDR_LOG_CONTEXT_MENU))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    CWnd* pTarget = GetCommandTarget();
    if (pPopup == nullptr || pTarget == nullptr)
        return;
    SetForegroundWindow();
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, pTarget);
    PostMessage(WM_NULL, 0, 0);
}

CWnd* CLogView::GetCommandTarget() {
    if (CWnd* pMain = AfxGetMainWnd(); pMain != nullptr && pMain->GetSafeHwnd() != nullptr)
        return pMain;
    return GetParentFrame();
}

BOOL CLogView::OnGridLButtonDblClk(UINT nFlags, CPoint point) {
    (void)nFlags;
    ROWCOL nRow = 0, nCol = 0;
    // A double click on a column border fits the column to its cells; any other does nothing.
    if (HitTest(point, &nRow, &nCol) != GE_HT_VERTLINE)
        return FALSE;
    ResizeColWidthsToFit(CGECellRange().SetCols(nCol, nCol));
    return TRUE;
}

BOOL CLogView::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) {
    (void)nFlags;
    (void)pt;
    // One line a notch, down when the wheel turns towards the user.
    PostMessage(WM_VSCROLL, zDelta < 0 ? SB_LINEDOWN : SB_LINEUP, 0);
    return TRUE;
}

// ================================================================ editing hooks

BOOL CLogView::OnStartEditing(ROWCOL nRow, ROWCOL nCol) {
    const BOOL bResult = CGEBrowserView::OnStartEditing(nRow, nCol);
    if (!m_bEditStarted) {
        m_bEditStarted = 1;
        CWaitCursor wait;
        const BOOL bOldLock = LockUpdate(TRUE);
        Redraw(GE_INVALIDATE, FALSE);
        LockUpdate(bOldLock);
        if (CLogDoc* pDoc = GetLogDocument())
            pDoc->DoAutoSave(true);
    }
    return bResult;
}

BOOL CLogView::MoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags, int ctCmd) {
    const BOOL bResult = CGEBrowserView::MoveCols(nFrom, nTo, nDest, flags, ctCmd);
    if (CLogDoc* pDoc = GetLogDocument())
        pDoc->DoAutoSave(true);
    return bResult;
}

BOOL CLogView::Undo() {
    const BOOL bResult = CGEBrowserView::Undo();
    if (CLogDoc* pDoc = GetLogDocument())
        pDoc->DoAutoSave(true);
    return bResult;
}

// ================================================================ commands

void CLogView::OnDeleteRows() {
    // Deletion runs through the Delete key, as when the user presses it.
    PostMessage(WM_KEYDOWN, VK_DELETE, 0);
}

void CLogView::OnUpdateEditCopy(CCmdUI* pCmdUI) {
    pCmdUI->Enable(CanCopy());
}

void CLogView::OnEditCopy() {
    Copy();
}

void CLogView::OnEditUndo() {
    Undo();
}

void CLogView::OnUpdateEditUndoCmd(CCmdUI* pCmdUI) {
    OnUpdateEditUndo(pCmdUI);
}

void CLogView::OnViewColumns() {
    ShowColumnsDialog();
}

void CLogView::ShowColumnsDialog() {
    if (GetLogDocument() == nullptr)
        return;
    CViewColumnsDlg dlg(this, this);
    if (dlg.DoModal() == IDOK)
        ApplyColumnChoice();
}

void CLogView::ApplyColumnChoice() {
    CLogDoc* pDoc = GetLogDocument();
    CGEGridParam* pParam = GetParam();
    if (pDoc == nullptr || pParam == nullptr)
        return;
    const BOOL bOldLock = LockUpdate(TRUE);
    const BOOL bOldUndo = pParam->EnableUndo(FALSE);
    SaveColumns();
    SetupColumns();
    pParam->EnableUndo(bOldUndo);
    LockUpdate(bOldLock);
    ApplySort();
    ApplyGrayBar();
    pDoc->DoAutoSave(true);
    Invalidate(FALSE);
}
