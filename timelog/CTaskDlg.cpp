// CTaskDlg: the window: the mode texts, the project-task panel, "<" and ">" through the log view, the
// grid's messages, and Save and Close with its refusals and the document operation of each mode.
#include "timelog/CTaskDlg.h"

#include "data/CCategory.h"
#include "data/CProject.h"
#include "foundation/LocaleFormat.h"
#include "framework/win/CBrush.h"
#include "framework/win/CDC.h"
#include "framework/win/CFont.h"
#include "framework/win/CWaitCursor.h"
#include "framework/win/CWinApp.h"
#include "projecttasks/CTask.h"
#include "resource.h"
#include "shell/IOptionsSheet.h"
#include "timelog/CLogDoc.h"
#include "timelog/ILogDocFrame.h"
#include "timelog/ILogView.h"
#include "views/CLogView.h"
#include "views/StopBeforeStart.h"

#include <algorithm>

namespace {

const UINT g_updateWndMessage = ::RegisterWindowMessageA("ACX_UpdateWnd");
// What the property grid tells its host (the same names the grid registers).
const UINT g_modifyFieldMessage = ::RegisterWindowMessageA("ACX_ModifyField");
const UINT g_btnPostMessage = ::RegisterWindowMessageA("ACX_BtnPost");
const UINT g_collapseGroupMessage = ::RegisterWindowMessageA("ACX_CollapseGroup");

// The Options sheet's Rounding page.
constexpr UINT kRoundingPage = 12016;

// The project-task panel.
constexpr COLORREF kPanelInterior = RGB(255, 255, 240);
constexpr COLORREF kPanelFrame = RGB(128, 128, 128);
constexpr COLORREF kIconMask = RGB(0, 255, 0);
constexpr int kIconWidth = 16;
constexpr int kPanelPadding = 4;
constexpr int kMaxShownTaskName = 40;

using Column = CLogEntry::Column;

void ShowItem(CWnd* pDialog, int id, bool visible) {
    if (CWnd* pItem = pDialog->GetDlgItem(id))
        pItem->ShowWindow(visible ? SW_SHOW : SW_HIDE);
}

void EnableItem(CWnd* pDialog, int id, bool enabled) {
    if (CWnd* pItem = pDialog->GetDlgItem(id))
        pItem->EnableWindow(enabled ? TRUE : FALSE);
}

} // namespace

BEGIN_MESSAGE_MAP(CTaskDlg, CDialog)
ON_BN_CLICKED(IDC_TASK_PREVIOUS, OnPrevious)
ON_BN_CLICKED(IDC_TASK_NEXT, OnNext)
ON_REGISTERED_MESSAGE(g_modifyFieldMessage, OnModifyField)
ON_REGISTERED_MESSAGE(g_updateWndMessage, OnUpdateWnd)
ON_REGISTERED_MESSAGE(g_btnPostMessage, OnBtnPost)
ON_REGISTERED_MESSAGE(g_collapseGroupMessage, OnCollapseGroup)
ON_WM_DRAWITEM()
END_MESSAGE_MAP()

UINT CTaskDlg::UpdateWndMessage() {
    return g_updateWndMessage;
}

CTaskDlg::CTaskDlg(CLogDoc* pDoc, CWnd* pParentWnd)
    : CDialog(IDD_LOG_TASK, pParentWnd), m_pDoc(pDoc), m_DialogTime(CTime::GetCurrentTime()) {}

CTaskDlg::~CTaskDlg() = default;

BOOL CTaskDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_pDoc == nullptr)
        return TRUE;
    m_PanelIcon.Create(IDB_PROJECT_TASK_PANEL, kIconWidth, 1, kIconMask);
    m_Grid.SubclassDlgItem(IDC_TASK_INFO, this);
    BuildWorkingEntry();
    ShowModeTexts();
    FillForm();
    FitToGrid();
    m_Grid.SetFocus();
    return FALSE; // the description cell has the focus
}

// ---------------------------------------------------------------- mode texts

void CTaskDlg::ShowModeTexts() {
    UINT titleId = 0;
    if (m_bStartMode)
        titleId = IDS_TASKDLG_TITLE_START;
    if (m_bStopMode)
        titleId = IDS_TASKDLG_TITLE_STOP;
    if (m_bEditMode)
        titleId = IDS_TASKDLG_TITLE_EDIT;
    if (m_bCompletedMode)
        titleId = IDS_TASKDLG_TITLE_COMPLETED;
    if (titleId != 0)
        SetWindowText(CString(MAKEINTRESOURCE(titleId)));

    const UINT operationId = m_bStartMode  ? IDS_TASKDLG_DOES_START
                             : m_bStopMode ? IDS_TASKDLG_DOES_STOP
                                           : IDS_TASKDLG_DOES_SAVE;
    SetDlgItemText(IDC_TASK_OPERATION, CString(MAKEINTRESOURCE(operationId)));
    ShowItem(this, IDC_TASK_PICTURE_START, m_bStartMode);
    ShowItem(this, IDC_TASK_PICTURE_STOP, m_bStopMode);
    ShowItem(this, IDC_TASK_PICTURE_SAVE, m_bEditMode || m_bCompletedMode);

    ShowItem(this, IDC_TASK_PREVIOUS, m_bEditMode);
    ShowItem(this, IDC_TASK_NEXT, m_bEditMode);
    if (ILogView* pView = GetLogView(); pView != nullptr && m_bEditMode) {
        EnableItem(this, IDC_TASK_PREVIOUS, pView->GetNextEntryRow(m_EditRow, FALSE) != 0);
        EnableItem(this, IDC_TASK_NEXT, pView->GetNextEntryRow(m_EditRow, TRUE) != 0);
    }

    const CTask* pTask = nullptr;
    if (m_pEntry != nullptr && !m_pEntry->m_ProjectTaskID.IsEmpty())
        pTask = m_pDoc->FindProjectTaskByGUID(m_pEntry->m_ProjectTaskID);
    m_ProjectTaskText =
        pTask != nullptr ? pTask->m_Name : CString(MAKEINTRESOURCE(IDS_TASKDLG_NO_PROJECT_TASK));
    SetDlgItemText(IDC_TASK_PROJECT_TASK_NAME, m_ProjectTaskText);
    if (CWnd* pPanel = GetDlgItem(IDC_TASK_PROJECT_TASK_PANEL))
        pPanel->Invalidate();
}

void CTaskDlg::FitToGrid() {
    if (m_Grid.GetSafeHwnd() != nullptr)
        FitDialogToGrid(this, &m_Grid);
}

void CTaskDlg::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (nIDCtl != IDC_TASK_PROJECT_TASK_PANEL || lpDrawItemStruct == nullptr) {
        CDialog::OnDrawItem(nIDCtl, lpDrawItemStruct);
        return;
    }
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    DrawProjectTaskPanel(pDC, CRect(lpDrawItemStruct->rcItem));
}

void CTaskDlg::DrawProjectTaskPanel(CDC* pDC, const CRect& rect) {
    pDC->FillSolidRect(&rect, kPanelInterior);
    CBrush frame(kPanelFrame);
    pDC->FrameRect(&rect, &frame);
    const int iconTop = rect.top + std::max(0, (rect.Height() - kIconWidth) / 2);
    if (m_PanelIcon.GetSafeHandle() != nullptr)
        m_PanelIcon.Draw(pDC, 0, CPoint(rect.left + kPanelPadding, iconTop), ILD_TRANSPARENT);

    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    CFont* pOldFont = pDC->SelectObject(GetFont());
    CRect text(rect.left + kPanelPadding * 2 + kIconWidth, rect.top, rect.right - kPanelPadding, rect.bottom);
    CString label;
    GetDlgItemText(IDC_TASK_PROJECT_TASK_LABEL, label);
    pDC->DrawText(label, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    CRect measured = text;
    pDC->DrawText(label + " ", &measured, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    text.left = measured.right;

    CString name = m_ProjectTaskText;
    if (name.GetLength() > kMaxShownTaskName)
        name = name.Left(kMaxShownTaskName) + "...";
    LOGFONTA logFont{};
    CFont bold;
    if (GetFont() != nullptr && GetFont()->GetLogFont(&logFont) != 0) {
        logFont.lfWeight = FW_BOLD;
        if (bold.CreateFontIndirect(&logFont))
            pDC->SelectObject(&bold);
    }
    pDC->DrawText(name, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    pDC->SelectObject(pOldFont);
    pDC->SetBkMode(oldMode);
}

// ---------------------------------------------------------------- the grid's messages

LRESULT CTaskDlg::OnModifyField(WPARAM wParam, LPARAM lParam) {
    const auto* pText = reinterpret_cast<const CString*>(lParam);
    if (pText != nullptr)
        ApplyFieldChange(static_cast<int>(wParam), *pText);
    return 0;
}

LRESULT CTaskDlg::OnUpdateWnd(WPARAM, LPARAM) {
    const bool edited = m_bDescriptionEdited;
    FillForm();
    m_bDescriptionEdited = edited;
    FitToGrid();
    return 0;
}

LRESULT CTaskDlg::OnBtnPost(WPARAM wParam, LPARAM) {
    if (static_cast<int>(wParam) != Column::colRounded || m_pEntry == nullptr)
        return 0;
    if (IOptionsSheet* pSheet = GetOptionsSheet())
        pSheet->Show(this, kRoundingPage);
    CLogEntry::LoadRoundingSettings();
    ShowField(Column::colRounded);
    return 0;
}

LRESULT CTaskDlg::OnCollapseGroup(WPARAM, LPARAM) {
    FitToGrid();
    return 0;
}

// ---------------------------------------------------------------- "<" and ">"

void CTaskDlg::OnPrevious() {
    Navigate(false);
}

void CTaskDlg::OnNext() {
    Navigate(true);
}

void CTaskDlg::Navigate(bool forward) {
    if (!m_bEditMode || m_pDoc == nullptr || m_pEntry == nullptr)
        return;
    ILogView* pView = GetLogView();
    if (pView == nullptr)
        return;
    m_Grid.FlushEdits();
    if (m_pEntry->IsModified()) {
        m_pDoc->SaveEditedEntry(m_pEntry.get());
        m_pEntry->SetModified(FALSE);
        m_pDoc->UpdateTimingDisplayKeepSelection();
        // The rows may have been sorted again: the entry's row is found anew.
        if (const CLogEntry* pStored = m_pDoc->FindLogEntryByGUIDNoCase(m_pEntry->m_GUID))
            if (const DWORD row = pView->FindEntryRow(pStored); row != 0)
                m_EditRow = row;
    }
    const DWORD row = pView->GetNextEntryRow(m_EditRow, forward ? TRUE : FALSE);
    CLogEntry* pNext = row != 0 ? pView->GetEntryAtRow(row) : nullptr;
    if (row == 0 || row == m_EditRow || pNext == nullptr)
        return;
    pView->ClearSelection();
    CDWordArray starts;
    CDWordArray ends;
    starts.Add(row);
    ends.Add(row);
    pView->SelectRows(starts, ends);
    m_EditRow = row;
    *m_pEntry = *pNext;
    m_pEntry->SetModified(FALSE);
    m_bEditingRunning = pNext == m_pDoc->GetRunningEntry();
    ShowModeTexts();
    FillForm();
    FitToGrid();
}

// ---------------------------------------------------------------- Save and Close

bool CTaskDlg::CheckBeforeSave() {
    const CTime start = m_pEntry->m_StartTime;
    const CTime stop = m_pEntry->m_EndTime;
    m_pDoc->LoadLockedTimesheets(nullptr, true);
    if (m_pDoc->IsInLockedTimesheet(start, true) ||
        (stop.GetTime() != 0 && m_pDoc->IsInLockedTimesheet(stop, true)))
        return false;
    if (m_pEntry->m_pProject == nullptr) {
        AfxMessageBox(IDS_CHOOSE_PROJECT_OR_NONE, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (m_pEntry->m_pCategory == nullptr) {
        AfxMessageBox(IDS_CHOOSE_CATEGORY, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (stop.GetTime() != 0 && IsStopBeforeStart(start, stop, true))
        return false;
    // The free texts have 255 characters in the database: a longer one would keep the entry from ever
    // being stored there.
    for (const int column : {Column::colText1, Column::colText2, Column::colText3}) {
        CString text;
        m_pEntry->GetColumnText(text, column);
        if (text.GetLength() > kMaxUserText) {
            CString message(MAKEINTRESOURCE(IDS_TEXT_TOO_LONG));
            message.Replace("%1", CLogView::GetDefaultColumnTitle(column));
            message.Replace("%2", LongToString(kMaxUserText));
            AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
    }
    return true;
}

void CTaskDlg::OnOK() {
    if (m_pDoc == nullptr || m_pEntry == nullptr)
        return;
    CWaitCursor wait;
    if (m_Grid.GetSafeHwnd() != nullptr)
        m_Grid.FlushEdits();
    if (!CheckBeforeSave())
        return;
    if (m_bStartMode || m_bCompletedMode) {
        m_pEntry->m_ProjProjectID = m_pEntry->m_ProjResourceID = m_pEntry->m_ProjAssignmentID = -1;
        m_pEntry->m_MSTaskID = -1;
    }
    MirrorWorkingEntry();
    CarryOut();
    EndDialog(IDOK);
}

void CTaskDlg::MirrorWorkingEntry() {
    // While a task is timed, the current entry and "Logging\" describe it: an edited or completed entry
    // of another task must not take its place there.
    const bool otherEntry = m_bEditMode || m_bCompletedMode;
    if (otherEntry && m_pDoc->IsTiming()) {
        const CLogEntry* pRunning = m_pDoc->GetRunningEntry();
        if (pRunning == nullptr || pRunning->m_GUID.CompareNoCase(m_pEntry->m_GUID) != 0)
            return;
    }
    m_pDoc->m_CurrentEntry = *m_pEntry;
    m_pDoc->m_CurrentEntry.SaveRunning();
}

void CTaskDlg::CarryOut() {
    if (m_bStartMode) {
        m_pDoc->StartTiming(m_pEntry.get());
    } else if (m_bStopMode) {
        m_pDoc->StoreStoppedEntry(m_pEntry.get());
    } else if (m_bEditMode) {
        ApplyEdit();
        if (m_pEntry->IsModified()) {
            m_pDoc->SaveEditedEntry(m_pEntry.get());
            m_pEntry->SetModified(FALSE);
            m_pDoc->UpdateTimingDisplayKeepSelection();
        }
        if (ILogView* pView = GetLogView())
            if (const CLogEntry* pStored = m_pDoc->FindLogEntryByGUIDNoCase(m_pEntry->m_GUID))
                m_EditRow = pView->FindEntryRow(pStored);
    } else if (m_bCompletedMode) {
        m_pDoc->AddNewEntry(m_pEntry.get(), true, true);
    }
    // Expenses written into the description of a finished task ("[ex]", "[mi]" ...) are stored too.
    if (m_bStopMode || m_bCompletedMode)
        m_pDoc->ImportTaggedExpense(m_pEntry.get());
}

void CTaskDlg::ApplyEdit() {
    if (!m_bEditingRunning || !m_pDoc->IsTiming() || m_pEntry->m_EndTime.GetTime() == 0)
        return;
    const CLogEntry* pRunning = m_pDoc->GetRunningEntry();
    if (pRunning != nullptr && pRunning->m_GUID.CompareNoCase(m_pEntry->m_GUID) == 0)
        m_pDoc->StopTiming(m_pEntry->m_EndTime);
}
