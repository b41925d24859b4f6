// CTaskDlg: the working entry and the form of its fields: what each mode shows, how a changed field reaches
// the entry and the fields that depend on it, and the autofill from the latest entry of a project.
#include "timelog/CTaskDlg.h"

#include "data/CProject.h"
#include "data/CSubsystem.h"
#include "foundation/Registry.h"
#include "grid/controls/GEControlIds.h"
#include "resource.h"
#include "timelog/CLogDoc.h"
#include "timelog/EntryDurations.h"
#include "views/CLogView.h"

#include <algorithm>

namespace {

// The program's cell controls the form uses (see CNameValueGridWnd).
constexpr UINT kTabbedComboControl = 11640;      // "DS_CTRL_TABBED_COMBO"
constexpr UINT kParentPostStaticControl = 11555; // "DS_CTRL_PARENTPOST_STATIC"

using Column = CLogEntry::Column;

} // namespace

CLogEntry* CTaskDlg::GetWorkingEntry() {
    if (m_pEntry == nullptr)
        m_pEntry = std::make_unique<CLogEntry>();
    return m_pEntry.get();
}

void CTaskDlg::BuildWorkingEntry() {
    CLogEntry* pEntry = GetWorkingEntry();
    if (m_pDoc != nullptr)
        *pEntry = *m_pDoc->GetCurrentEntry();
    pEntry->m_GUID.Empty();
    pEntry->GetGUID();
    // The task name belongs to the project task the current entry came from, not to a new entry.
    pEntry->m_Name.Empty();
    pEntry->SetStartTime(m_DialogTime);
    pEntry->SetStopTime(CTime::GetCurrentTime());
    if (m_pSourceEntry != nullptr)
        *pEntry = *m_pSourceEntry;
    if (m_bStartMode) {
        // The timer starts at the dialog's time even from an entry made earlier, so that a switch starts
        // the new task where the old one ended.
        pEntry->m_StartTime = m_DialogTime;
        pEntry->SetStopTime(CTime(static_cast<__time64_t>(0)));
    } else if (m_bStopMode)
        pEntry->SetStopTime(m_DialogTime);
    m_bEditingRunning = m_bEditMode && m_pDoc != nullptr && m_pSourceEntry != nullptr &&
                        m_pSourceEntry == m_pDoc->GetRunningEntry();
}

void CTaskDlg::AddEntryField(int columnId, UINT controlType, const CString& choices) {
    CString value;
    m_pEntry->GetColumnText(value, columnId);
    const CString name = CLogView::GetDefaultColumnTitle(columnId);
    m_Pairs.SetField(name, value, columnId, controlType, choices.IsEmpty() ? nullptr : choices.GetString());
    const int lines = std::min(m_Pairs.GetLineCount(name), kMaxRowLines);
    m_Pairs.SetLines(name, columnId == Column::colDescription ? std::max(lines, 2) : lines);
}

CString CTaskDlg::GetSubsystemChoices() const {
    CString list;
    const CProject* pProject = m_pEntry->m_pProject;
    if (pProject == nullptr)
        return list;
    for (int i = 0; i < pProject->GetSubsystemCount(); ++i) {
        const CSubsystem* pSubsystem = pProject->GetSubsystemAt(i);
        if (pSubsystem == nullptr || (pSubsystem->m_Active == 0 && !CLogDoc::s_bShowInactiveSubsystems))
            continue;
        if (!list.IsEmpty())
            list += "\n";
        list += pSubsystem->m_Name;
    }
    return list;
}

void CTaskDlg::FillForm() {
    if (m_pDoc == nullptr || m_pEntry == nullptr)
        return;
    m_bDescriptionEdited = false;
    m_Pairs.RemoveAll();
    m_Pairs.m_RegistryName = "TaskDlg";
    const bool timed = !m_bStartMode; // the rows of an ended task

    m_Pairs.SetField(CString(MAKEINTRESOURCE(IDS_TASKDLG_GROUP_PROJECT)), CString(), 0, NVP_STATIC_TEXT);
    AddEntryField(Column::colClient, kTabbedComboControl, m_pDoc->GetClientChoiceList(false));
    AddEntryField(Column::colProject, kTabbedComboControl, m_pDoc->GetProjectChoiceList(nullptr, false));
    AddEntryField(Column::colSubsystem, kTabbedComboControl, GetSubsystemChoices());
    AddEntryField(Column::colCategory, kTabbedComboControl,
                  m_pDoc->GetCategoryChoiceList(m_pEntry->m_pProject));

    m_Pairs.SetField(CString(MAKEINTRESOURCE(IDS_TASKDLG_GROUP_TASK)), CString(), 0, NVP_STATIC_TEXT);
    AddEntryField(Column::colStart, GE_IDS_CTRL_DATETIME);
    if (timed) {
        int increment = 0;
        RegReadInt(REG_PREFS, "Duration increment", &increment);
        AddEntryField(Column::colStop, GE_IDS_CTRL_DATETIME);
        AddEntryField(Column::colElapsed, GE_IDS_CTRL_COMBOBOX, BuildDurationChoices(increment));
        AddEntryField(Column::colRounded, kParentPostStaticControl);
    }
    AddEntryField(Column::colDescription, NVP_EDIT_CONTROL);

    m_Pairs.SetField(CString(MAKEINTRESOURCE(IDS_TASKDLG_GROUP_EXTRAS)), CString(), 0, NVP_STATIC_TEXT);
    if (timed)
        AddEntryField(Column::colBilled, NVP_CHECKBOX_3D);
    AddEntryField(Column::colBillable, NVP_CHECKBOX_3D);
    AddEntryField(Column::colText1, NVP_EDIT_CONTROL);
    AddEntryField(Column::colText2, NVP_EDIT_CONTROL);
    AddEntryField(Column::colText3, NVP_EDIT_CONTROL);

    if (m_Grid.GetSafeHwnd() == nullptr)
        return;
    m_Grid.SetPairs(&m_Pairs);
    const int description = m_Pairs.FindName(CLogView::GetDefaultColumnTitle(Column::colDescription));
    if (description >= 0)
        m_Grid.SetCurrentCell(static_cast<ROWCOL>(description) + 1, 2);
}

void CTaskDlg::ShowField(int columnId) {
    CString text;
    m_pEntry->GetColumnText(text, columnId);
    if (m_Grid.GetSafeHwnd() != nullptr && m_Grid.GetPairs() == &m_Pairs)
        m_Grid.SetValue(columnId, text);
    else if (const int index = m_Pairs.FindFieldId(columnId); index >= 0)
        m_Pairs.SetValueAt(index, text);
}

void CTaskDlg::ApplyFieldChange(int fieldId, const CString& text) {
    if (m_pEntry == nullptr || m_bChanging)
        return;
    m_bChanging = true;
    m_pEntry->SetColumnText(m_pDoc, text, fieldId);
    m_pEntry->SetModified(TRUE);
    // A choice or time the entry could not take shows what the entry kept.
    if (fieldId != Column::colDescription && fieldId != Column::colText1 && fieldId != Column::colText2 &&
        fieldId != Column::colText3)
        ShowField(fieldId);
    switch (fieldId) {
    case Column::colProject:
        m_pEntry->m_pSubsystem = nullptr;
        ShowField(Column::colSubsystem);
        AutofillByProject();
        // The subsystem choices are the new project's.
        PostMessage(UpdateWndMessage());
        break;
    case Column::colCategory:
        AutofillByCategory();
        break;
    case Column::colStart:
        if (m_pEntry->m_EndTime.GetTime() != 0) {
            m_pEntry->MoveStopToStartDate();
            ShowField(Column::colStop);
        }
        ShowField(Column::colElapsed);
        ShowField(Column::colRounded);
        break;
    case Column::colStop:
        ShowField(Column::colElapsed);
        ShowField(Column::colRounded);
        break;
    case Column::colElapsed:
        ShowField(Column::colStop);
        ShowField(Column::colRounded);
        break;
    case Column::colDescription:
        m_bDescriptionEdited = true;
        break;
    default:
        break;
    }
    m_bChanging = false;
}

bool CTaskDlg::IsAutofillOn() const {
    bool off = false;
    RegReadBool(REG_PREFS, "No Autofill", &off);
    return !off && m_pDoc != nullptr && m_pEntry != nullptr;
}

void CTaskDlg::AutofillByProject() {
    if (!IsAutofillOn() || m_pEntry->m_pProject == nullptr)
        return;
    const CLogEntry* pLatest = m_pDoc->FindMatchingEntry(m_pEntry->m_pProject, nullptr);
    if (pLatest == nullptr)
        return;
    m_pEntry->m_pSubsystem = pLatest->m_pSubsystem;
    m_pEntry->m_pCategory = pLatest->m_pCategory;
    ShowField(Column::colCategory);
    ShowField(Column::colSubsystem);
    if (!m_bDescriptionEdited) {
        m_pEntry->m_Desc = pLatest->m_Desc;
        ShowField(Column::colDescription);
    }
    m_pEntry->UpdateAmounts();
}

void CTaskDlg::AutofillByCategory() {
    if (!IsAutofillOn() || m_pEntry->m_pProject == nullptr || m_pEntry->m_pCategory == nullptr ||
        m_bDescriptionEdited)
        return;
    const CLogEntry* pLatest = m_pDoc->FindMatchingEntry(m_pEntry->m_pProject, m_pEntry->m_pCategory);
    if (pLatest == nullptr)
        return;
    m_pEntry->m_Desc = pLatest->m_Desc;
    ShowField(Column::colDescription);
}
