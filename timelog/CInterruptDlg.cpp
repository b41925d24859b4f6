#include "timelog/CInterruptDlg.h"

#include "foundation/Registry.h"
#include "foundation/WindowHelpers.h"
#include "framework/win/CWinApp.h"
#include "resource.h"
#include "timelog/CLogDoc.h"
#include "timelog/ITaskView.h"
#include "timelog/LogClock.h"

namespace {

constexpr CEntryChoiceDlg::ChoiceControls kControls{IDC_INTERRUPT_PROJECT, IDC_INTERRUPT_CATEGORY,
                                                    IDC_INTERRUPT_DESCRIPTION, IDC_INTERRUPT_PROJECTS,
                                                    IDC_INTERRUPT_CATEGORIES};
// The controls of the generic choice (quick task unchecked).
constexpr int kGenericControls[] = {IDC_INTERRUPT_PROJECT_LABEL,     IDC_INTERRUPT_PROJECT,
                                    IDC_INTERRUPT_PROJECTS,          IDC_INTERRUPT_SUBSYSTEM_LABEL,
                                    IDC_INTERRUPT_SUBSYSTEM,         IDC_INTERRUPT_CATEGORY_LABEL,
                                    IDC_INTERRUPT_CATEGORY,          IDC_INTERRUPT_CATEGORIES,
                                    IDC_INTERRUPT_DESCRIPTION_LABEL, IDC_INTERRUPT_DESCRIPTION};

CString TextOr(const CString& text, UINT fallbackId) {
    if (!text.IsEmpty())
        return text;
    CString fallback;
    fallback.LoadString(fallbackId);
    return fallback;
}

} // namespace

BEGIN_MESSAGE_MAP(CInterruptDlg, CDialog)
ON_BN_CLICKED(IDC_INTERRUPT_START, OnStart)
ON_BN_CLICKED(IDC_INTERRUPT_STOP, OnStop)
ON_BN_CLICKED(IDC_INTERRUPT_WITH_QUICK_TASK, OnKindChoice)
ON_BN_CLICKED(IDC_INTERRUPT_WITH_TASK, OnKindChoice)
ON_CBN_SELCHANGE(IDC_INTERRUPT_PROJECT, OnProjectChange)
ON_CBN_SELCHANGE(IDC_INTERRUPT_SUBSYSTEM, OnChoiceChange)
ON_CBN_SELCHANGE(IDC_INTERRUPT_CATEGORY, OnChoiceChange)
ON_CBN_SELCHANGE(IDC_INTERRUPT_QUICK_TASK, OnChoiceChange)
ON_EN_CHANGE(IDC_INTERRUPT_DESCRIPTION, OnChoiceChange)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_INTERRUPT_START_TIME, OnPickerChange)
ON_BN_CLICKED(IDC_INTERRUPT_PROJECTS, OnProjects)
ON_BN_CLICKED(IDC_INTERRUPT_CATEGORIES, OnCategories)
END_MESSAGE_MAP()

CInterruptDlg::CInterruptDlg(CLogDoc* pDoc, CWnd* pParentWnd)
    : CEntryChoiceDlg(IDD_INTERRUPT, pDoc, kControls, pParentWnd), m_interruptStart(LogClock::Now()) {}

BOOL CInterruptDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_pDoc == nullptr)
        return TRUE;
    m_interrupted = *m_pDoc->GetCurrentEntry();
    SetDlgItemText(IDC_INTERRUPT_OLD_PROJECT,
                   TextOr(m_interrupted.m_pProject != nullptr ? m_interrupted.m_pProject->m_Name : CString(),
                          IDS_PAUSE_NO_PROJECT));
    SetDlgItemText(
        IDC_INTERRUPT_OLD_CATEGORY,
        TextOr(m_interrupted.m_pCategory != nullptr ? m_interrupted.m_pCategory->m_Name : CString(),
               IDS_PAUSE_NO_CATEGORY));
    SetDlgItemText(IDC_INTERRUPT_OLD_DESCRIPTION, TextOr(m_interrupted.m_Desc, IDS_PAUSE_NO_DESCRIPTION));
    m_interruptStart = LogClock::Now();
    SetPickerTime(m_interruptStart);
    CheckRadioButton(IDC_INTERRUPT_WITH_QUICK_TASK, IDC_INTERRUPT_WITH_TASK, IDC_INTERRUPT_WITH_QUICK_TASK);

    AttachChoiceControls();
    m_quickTasks.SubclassDlgItem(IDC_INTERRUPT_QUICK_TASK, this);
    m_subsystems.SubclassDlgItem(IDC_INTERRUPT_SUBSYSTEM, this);
    FillQuickTasks();
    CString project;
    CString subsystem;
    CString category;
    RegReadString(REG_INTERRUPT, "Project", project);
    RegReadString(REG_INTERRUPT, "Subsystem", subsystem);
    RegReadString(REG_INTERRUPT, "Category", category);
    RegReadString(REG_INTERRUPT, "Description", m_description);
    CProject* pProject = m_pDoc->FindProjectByName(project);
    FillProjects(pProject);
    FillSubsystems(pProject != nullptr && !subsystem.IsEmpty() ? pProject->FindSubsystem(subsystem)
                                                               : nullptr);
    FillCategories(m_pDoc->FindCategoryByName(category));
    SetDlgItemText(IDC_INTERRUPT_DESCRIPTION, m_description);

    SetDlgItemBoldFont(this, IDC_INTERRUPT_OLD_PROJECT, &m_boldFont);
    for (const int id : {IDC_INTERRUPT_OLD_CATEGORY, IDC_INTERRUPT_OLD_DESCRIPTION})
        SetDlgItemFont(this, id, &m_boldFont);
    const bool listsEditable = m_pDoc->IsDocumentOpen();
    ShowDlgItem(this, IDC_INTERRUPT_PROJECTS, listsEditable);
    ShowDlgItem(this, IDC_INTERRUPT_CATEGORIES, listsEditable);
    ShowInterrupting(false);
    EnableDlgItem(this, IDOK, false);
    FocusDlgItemSelectAll(this, IDC_INTERRUPT_DESCRIPTION);
    return FALSE;
}

void CInterruptDlg::FillQuickTasks() {
    m_quickTasks.ResetContent();
    for (int i = 0; CTask* pTask = m_pDoc->GetQuickTaskAt(i); ++i)
        m_quickTasks.SetItemDataPtr(m_quickTasks.AddString(pTask->m_Name), pTask);
    FitComboDropHeight(&m_quickTasks);
    if (m_quickTasks.GetCount() > 0)
        m_quickTasks.SetCurSel(0);
}

void CInterruptDlg::FillSubsystems(CSubsystem* pSelect) {
    m_subsystems.ResetContent();
    CString notSpecified;
    notSpecified.LoadString(IDS_COMBO_NOT_SPECIFIED);
    COMBOBOXEXITEM item{};
    item.mask = CBEIF_TEXT | CBEIF_LPARAM;
    item.iItem = 0;
    item.pszText = notSpecified.GetBuffer();
    m_subsystems.InsertItem(&item);
    notSpecified.ReleaseBuffer();
    int selected = 0;
    if (CProject* pProject = GetChosenProject()) {
        for (int i = 0; i < pProject->GetSubsystemCount(); ++i) {
            CSubsystem* pSubsystem = pProject->GetSubsystemAt(i);
            if (pSubsystem == nullptr || (!pSubsystem->m_Active && !CLogDoc::s_bShowInactiveSubsystems))
                continue;
            item.iItem = m_subsystems.GetCount();
            item.pszText = pSubsystem->m_Name.GetBuffer();
            item.lParam = reinterpret_cast<LPARAM>(pSubsystem);
            const int index = m_subsystems.InsertItem(&item);
            pSubsystem->m_Name.ReleaseBuffer();
            if (pSubsystem == pSelect)
                selected = index;
        }
    }
    m_subsystems.SetCurSel(selected);
}

CSubsystem* CInterruptDlg::GetChosenSubsystem() {
    const int selected = m_subsystems.GetSafeHwnd() != nullptr ? m_subsystems.GetCurSel() : CB_ERR;
    return selected < 0 ? nullptr : reinterpret_cast<CSubsystem*>(m_subsystems.GetItemData(selected));
}

CTask* CInterruptDlg::GetChosenQuickTask() const {
    const int selected = m_quickTasks.GetSafeHwnd() != nullptr ? m_quickTasks.GetCurSel() : CB_ERR;
    return selected < 0 ? nullptr : static_cast<CTask*>(m_quickTasks.GetItemDataPtr(selected));
}

bool CInterruptDlg::IsQuickTaskChosen() const {
    return IsDlgButtonChecked(IDC_INTERRUPT_WITH_QUICK_TASK) == BST_CHECKED;
}

void CInterruptDlg::EnableChoiceControls() {
    const bool choosing = !m_interrupting;
    const bool quick = IsQuickTaskChosen();
    EnableDlgItem(this, IDC_INTERRUPT_WITH_QUICK_TASK, choosing);
    EnableDlgItem(this, IDC_INTERRUPT_WITH_TASK, choosing);
    EnableDlgItem(this, IDC_INTERRUPT_QUICK_TASK, choosing && quick);
    for (const int id : kGenericControls)
        EnableDlgItem(this, id, choosing && !quick);
}

void CInterruptDlg::ShowInterrupting(bool interrupting) {
    m_interrupting = interrupting;
    EnableChoiceControls();
    EnableDlgItem(this, IDC_INTERRUPT_START, !interrupting);
    EnableDlgItem(this, IDC_INTERRUPT_START_TIME, !interrupting);
    EnableDlgItem(this, IDC_INTERRUPT_START_TIME_LABEL, !interrupting);
    EnableDlgItem(this, IDC_INTERRUPT_STOP, interrupting);
    ShowDlgItem(this, IDC_INTERRUPT_NOTE_CHOOSE, !interrupting);
    ShowDlgItem(this, IDC_INTERRUPT_NOTE_RUNNING, interrupting);
    ShowDlgItem(this, IDC_INTERRUPT_NOTE_RESUME, interrupting);
}

CTime CInterruptDlg::GetPickerTime() {
    SYSTEMTIME st{};
    CWnd* pPicker = GetDlgItem(IDC_INTERRUPT_START_TIME);
    if (pPicker == nullptr ||
        pPicker->SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID)
        return m_interruptStart;
    return CTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
}

void CInterruptDlg::SetPickerTime(CTime time) {
    SYSTEMTIME st{};
    if (CWnd* pPicker = GetDlgItem(IDC_INTERRUPT_START_TIME); pPicker != nullptr && time.GetAsSystemTime(st))
        pPicker->SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
}

bool CInterruptDlg::SaveChoice() {
    CProject* pProject = GetChosenProject();
    CCategory* pCategory = GetChosenCategory();
    if (pProject == nullptr) {
        AfxMessageBox(IDS_INTERRUPT_CHOOSE_PROJECT, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (pCategory == nullptr) {
        AfxMessageBox(IDS_INTERRUPT_CHOOSE_CATEGORY, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    CSubsystem* pSubsystem = GetChosenSubsystem();
    GetDlgItemText(IDC_INTERRUPT_DESCRIPTION, m_description);
    RegWriteString(REG_INTERRUPT, "Project", pProject->m_Name);
    RegWriteString(REG_INTERRUPT, "Subsystem", pSubsystem != nullptr ? pSubsystem->m_Name : CString());
    RegWriteString(REG_INTERRUPT, "Category", pCategory->m_Name);
    RegWriteString(REG_INTERRUPT, "Description", m_description);
    const auto apply = [&](CLogEntry& entry) {
        entry.m_pProject = pProject;
        entry.m_pSubsystem = pSubsystem;
        entry.m_pCategory = pCategory;
        entry.m_Desc = m_description;
    };
    apply(m_interruption);
    if (m_interrupting && m_pDoc->IsTiming()) {
        apply(m_pDoc->m_CurrentEntry);
        // The stop copies the running row into the current entry: the row must carry the change too.
        if (CLogEntry* pRunning = m_pDoc->GetRunningEntry())
            apply(*pRunning);
    }
    return true;
}

void CInterruptDlg::OnStart() {
    if (m_pDoc == nullptr || m_interrupting)
        return;
    SaveChoice();
    const CTime start = GetPickerTime();
    m_interruption.m_pUser = m_pDoc->GetCurrentUser();
    m_interruption.SetStartTime(start);
    const bool quick = IsQuickTaskChosen();
    CTask* pQuickTask = GetChosenQuickTask();
    // Refused before anything stops, so the interrupted task keeps running.
    if (quick && pQuickTask == nullptr) {
        AfxMessageBox(IDS_CHOOSE_QUICK_TASK, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // The interrupted task ends now, whatever time the picker shows.
    if (m_pDoc->IsTiming())
        m_pDoc->StopTiming(CTime(static_cast<__time64_t>(0)));
    if (quick) {
        m_pDoc->StartQuickTaskAt(pQuickTask, start);
    } else {
        if (ITaskView* pView = GetTaskView())
            pView->ClearSelection();
        m_pDoc->StartTiming(&m_interruption);
    }
    EnableDlgItem(this, IDOK, true);
    CString close;
    close.LoadString(IDS_CLOSE);
    SetDlgItemText(IDCANCEL, close);
    ShowInterrupting(true);
}

void CInterruptDlg::OnStop() {
    if (m_pDoc == nullptr)
        return;
    if (m_interrupting)
        SaveChoice();
    if (m_pDoc->IsTiming())
        m_pDoc->StopTiming(CTime(static_cast<__time64_t>(0)));
    m_interruptStart = LogClock::Now();
    SetPickerTime(m_interruptStart);
    ShowInterrupting(false);
}

void CInterruptDlg::OnOK() {
    if (m_pDoc == nullptr)
        return;
    if (m_pDoc->IsTiming())
        m_pDoc->StopTiming(CTime(static_cast<__time64_t>(0)));
    m_interrupted.SetStartTime(LogClock::Now());
    m_pDoc->StartTiming(&m_interrupted);
    EndDialog(IDOK);
}

void CInterruptDlg::OnKindChoice() {
    // The quick-task combo starts a group of its own between the radios: keep exactly one checked.
    const int clicked = static_cast<int>(LOWORD(GetCurrentMessage()->wParam));
    CheckRadioButton(IDC_INTERRUPT_WITH_QUICK_TASK, IDC_INTERRUPT_WITH_TASK, clicked);
    EnableChoiceControls();
}

void CInterruptDlg::OnProjectChange() {
    FillSubsystems(nullptr);
    EnableChoiceControls();
}

void CInterruptDlg::OnChoiceChange() {
    EnableChoiceControls();
}

void CInterruptDlg::OnPickerChange(NMHDR*, LRESULT* pResult) {
    EnableChoiceControls();
    *pResult = 0;
}

void CInterruptDlg::OnProjects() {
    CSubsystem* pSubsystem = GetChosenSubsystem();
    EditProjects();
    FillSubsystems(pSubsystem);
}

void CInterruptDlg::OnCategories() {
    EditCategories();
}
