#include "timelog/CCompletedTimeDlg.h"

#include "foundation/WindowHelpers.h"
#include "framework/win/CWaitCursor.h"
#include "framework/win/DDXControls.h"
#include "resource.h"
#include "timelog/CLogDoc.h"
#include "timelog/EntryDurations.h"

#include <iterator>

namespace {

const UINT g_setDurationMessage = ::RegisterWindowMessageA("ACX_SetDuration");
const UINT g_setTimeMessage = ::RegisterWindowMessageA("ACX_SetTime");

constexpr CEntryChoiceDlg::ChoiceControls kControls{IDC_COMPLETED_PROJECT, IDC_COMPLETED_CATEGORY,
                                                    IDC_COMPLETED_DESCRIPTION, IDC_COMPLETED_PROJECTS,
                                                    IDC_COMPLETED_CATEGORIES};

// The duration presets: the text shown, then the text the choice puts into the field.
struct DurationPreset {
    const char* shown;
    const char* text;
};
constexpr DurationPreset kPresets[] = {
    {"15 minutes", "0:15"}, {"30 minutes", "0:30"}, {"45 minutes", "0:45"},
    {"1 hour", "1.00"},     {"2 hours", "2.00"},    {"3 hours", "3.00"},
    {"4 hours", "4.00"},    {"8 hours", "8.00"},    {"10 hours", "10.00"},
};

CTime Compose(CTime date, CTime time) {
    return CTime(date.GetYear(), date.GetMonth(), date.GetDay(), time.GetHour(), time.GetMinute(),
                 time.GetSecond());
}

// Sets a picker without a change notification.
void SetPicker(CWnd* pDialog, int id, CTime time) {
    SYSTEMTIME st{};
    if (CWnd* pPicker = pDialog->GetDlgItem(id); pPicker != nullptr && time.GetAsSystemTime(st))
        pPicker->SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
}

} // namespace

BEGIN_MESSAGE_MAP(CCompletedTimeDlg, CDialog)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_COMPLETED_START_DATE, OnStartDateChange)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_COMPLETED_START_TIME, OnPickerChange)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_COMPLETED_STOP_DATE, OnPickerChange)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_COMPLETED_STOP_TIME, OnPickerChange)
ON_REGISTERED_MESSAGE(g_setTimeMessage, OnSetTime)
ON_REGISTERED_MESSAGE(g_setDurationMessage, OnSetDuration)
ON_CBN_SELCHANGE(IDC_COMPLETED_DURATION, OnDurationPreset)
ON_CBN_EDITCHANGE(IDC_COMPLETED_DURATION, OnDurationEdit)
ON_CBN_SELCHANGE(IDC_COMPLETED_PROJECT, OnProjectChange)
ON_CBN_SELCHANGE(IDC_COMPLETED_CATEGORY, OnCategoryChange)
ON_BN_CLICKED(IDC_COMPLETED_PROJECTS, OnProjects)
ON_BN_CLICKED(IDC_COMPLETED_CATEGORIES, OnCategories)
END_MESSAGE_MAP()

UINT CCompletedTimeDlg::SetDurationMessage() {
    return g_setDurationMessage;
}
UINT CCompletedTimeDlg::SetTimeMessage() {
    return g_setTimeMessage;
}

CCompletedTimeDlg::CCompletedTimeDlg(CLogDoc* pDoc, CWnd* pParentWnd)
    : CEntryChoiceDlg(IDD_COMPLETED_TIME, pDoc, kControls, pParentWnd) {}

void CCompletedTimeDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_DateTimeCtrl(pDX, IDC_COMPLETED_START_DATE, m_startDate);
    DDX_DateTimeCtrl(pDX, IDC_COMPLETED_START_TIME, m_startTime);
    DDX_DateTimeCtrl(pDX, IDC_COMPLETED_STOP_DATE, m_stopDate);
    DDX_DateTimeCtrl(pDX, IDC_COMPLETED_STOP_TIME, m_stopTime);
    DDX_Text(pDX, IDC_COMPLETED_DESCRIPTION, m_description);
}

BOOL CCompletedTimeDlg::OnInitDialog() {
    if (m_pDoc == nullptr)
        return CDialog::OnInitDialog();
    // The new entry starts from the document's current one but is an entry of its own.
    m_entry = m_pDoc->m_CurrentEntry;
    m_entry.m_GUID.Empty();
    m_entry.m_Created = m_entry.m_Modified = CTime::GetCurrentTime();
    const CTime now = CTime::GetCurrentTime();
    const CTime minute = now - CTimeSpan(now.GetSecond());
    m_startDate = m_startTime = m_stopDate = m_stopTime = minute;
    m_entry.SetStartTime(minute);
    m_entry.SetStopTime(minute);
    m_description = m_entry.m_Desc;
    CDialog::OnInitDialog();

    AttachChoiceControls();
    FillProjects(m_entry.m_pProject);
    FillCategories(m_entry.m_pCategory);
    m_duration.SubclassDlgItem(IDC_COMPLETED_DURATION, this);
    for (int i = 0; i < static_cast<int>(std::size(kPresets)); ++i)
        m_duration.SetItemData(m_duration.AddString(kPresets[i].shown), static_cast<DWORD_PTR>(i));
    FitComboDropHeight(&m_duration);
    m_bSuppress = true;
    m_duration.SetWindowText(FormatCompletedDuration(0));
    m_bSuppress = false;
    EnableListButtons();
    return TRUE;
}

CTime CCompletedTimeDlg::GetStart() const {
    return Compose(m_startDate, m_startTime);
}

CTime CCompletedTimeDlg::GetStop() const {
    return Compose(m_stopDate, m_stopTime);
}

void CCompletedTimeDlg::ReadPickers() {
    CDataExchange dx(this, TRUE);
    DDX_DateTimeCtrl(&dx, IDC_COMPLETED_START_DATE, m_startDate);
    DDX_DateTimeCtrl(&dx, IDC_COMPLETED_START_TIME, m_startTime);
    DDX_DateTimeCtrl(&dx, IDC_COMPLETED_STOP_DATE, m_stopDate);
    DDX_DateTimeCtrl(&dx, IDC_COMPLETED_STOP_TIME, m_stopTime);
}

void CCompletedTimeDlg::ShowStop(CTime stop) {
    const bool was = m_bSuppress;
    m_bSuppress = true;
    m_stopDate = m_stopTime = stop;
    SetPicker(this, IDC_COMPLETED_STOP_DATE, stop);
    SetPicker(this, IDC_COMPLETED_STOP_TIME, stop);
    m_bSuppress = was;
}

void CCompletedTimeDlg::OnStartDateChange(NMHDR* pNotify, LRESULT* pResult) {
    if (!m_bSuppress) {
        // A new start day takes the stop along to the same day.
        ReadPickers();
        SetPicker(this, IDC_COMPLETED_STOP_DATE, m_startDate);
    }
    OnPickerChange(pNotify, pResult);
}

void CCompletedTimeDlg::OnPickerChange(NMHDR*, LRESULT* pResult) {
    PostMessage(g_setTimeMessage);
    *pResult = 0;
}

LRESULT CCompletedTimeDlg::OnSetTime(WPARAM, LPARAM) {
    if (m_bSuppress)
        return 0;
    ReadPickers();
    const CTime start = GetStart();
    const CTime stop = GetStop();
    const long elapsed = stop > start ? static_cast<long>((stop - start).GetTotalSeconds()) : 0;
    m_bSuppress = true;
    m_duration.SetWindowText(FormatCompletedDuration(elapsed));
    m_bSuppress = false;
    if (stop < start)
        ShowStop(start);
    return 0;
}

void CCompletedTimeDlg::OnDurationPreset() {
    const int selected = m_duration.GetCurSel();
    if (selected < 0)
        return;
    const auto index = static_cast<size_t>(m_duration.GetItemData(selected));
    if (index >= std::size(kPresets))
        return;
    m_duration.SetCurSel(-1);
    PostMessage(g_setDurationMessage, 0, reinterpret_cast<LPARAM>(kPresets[index].text));
}

LRESULT CCompletedTimeDlg::OnSetDuration(WPARAM, LPARAM lParam) {
    const auto* text = reinterpret_cast<const char*>(lParam);
    if (text == nullptr)
        return 0;
    const bool was = m_bSuppress;
    m_bSuppress = true;
    m_duration.SetWindowText(text);
    m_bSuppress = was;
    m_duration.SetEditSel(0, -1);
    ApplyDuration();
    return 0;
}

void CCompletedTimeDlg::OnDurationEdit() {
    ApplyDuration();
}

void CCompletedTimeDlg::ApplyDuration() {
    if (m_bSuppress)
        return;
    CString text;
    m_duration.GetWindowText(text);
    long seconds = 0;
    // A text that is no duration (yet) leaves the stop where it is.
    if (!ParseDurationText(text, &seconds))
        return;
    ReadPickers();
    ShowStop(GetStart() + CTimeSpan(seconds));
}

void CCompletedTimeDlg::OnProjectChange() {
    ProjectChosen();
}

void CCompletedTimeDlg::OnCategoryChange() {
    CategoryChosen();
}

void CCompletedTimeDlg::OnProjects() {
    EditProjects();
}

void CCompletedTimeDlg::OnCategories() {
    EditCategories();
}

void CCompletedTimeDlg::OnOK() {
    if (m_pDoc == nullptr || !UpdateData(TRUE))
        return;
    const CTime start = GetStart();
    CTime stop = GetStop();
    if (stop < start)
        stop = start;
    // The field must say what is stored: a duration that cannot be read is refused, not ignored.
    CString durationText;
    m_duration.GetWindowText(durationText);
    if (!ParseDurationText(durationText, nullptr)) {
        AfxMessageBox(IDS_DURATION_INVALID, MB_OK | MB_ICONEXCLAMATION);
        GotoDlgCtrl(&m_duration);
        return;
    }
    CProject* pProject = nullptr;
    CCategory* pCategory = nullptr;
    if (!CheckChoice(pProject, pCategory))
        return;
    m_entry.m_pProject = pProject;
    m_entry.m_pCategory = pCategory;
    m_entry.m_Desc = m_description;
    m_entry.m_ProjProjectID = m_entry.m_ProjResourceID = m_entry.m_ProjAssignmentID = -1;
    m_entry.m_MSTaskID = -1;
    m_entry.SetStartTime(start);
    m_entry.SetStopTime(stop);
    {
        CWaitCursor wait;
        m_pDoc->AddCompletedEntry(m_entry);
    }
    EndDialog(IDOK);
}
