#include "timelog/CStartLoggingDlg.h"

#include "foundation/Registry.h"
#include "foundation/WindowHelpers.h"
#include "framework/win/DDXControls.h"
#include "resource.h"
#include "shell/IOptionsSheet.h"
#include "timelog/CLogDoc.h"
#include "timelog/EntryDurations.h"
#include "views/StopBeforeStart.h"

#include <algorithm>

namespace {

const UINT g_setTimeMessage = ::RegisterWindowMessageA("ACX_SetTime");

// The Options sheet's Rounding page.
constexpr UINT kRoundingPage = 12016;

constexpr CEntryChoiceDlg::ChoiceControls kControls{
    IDC_START_PROJECT, IDC_START_CATEGORY, IDC_START_DESCRIPTION, IDC_START_PROJECTS, IDC_START_CATEGORIES};

} // namespace

BEGIN_MESSAGE_MAP(CStartLoggingDlg, CDialog)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_START_DATE, OnPickerChange)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_START_TIME, OnPickerChange)
ON_REGISTERED_MESSAGE(g_setTimeMessage, OnSetTime)
ON_CBN_SELCHANGE(IDC_START_PROJECT, OnProjectChange)
ON_CBN_SELCHANGE(IDC_START_CATEGORY, OnCategoryChange)
ON_BN_CLICKED(IDC_START_PROJECTS, OnProjects)
ON_BN_CLICKED(IDC_START_CATEGORIES, OnCategories)
ON_BN_CLICKED(IDC_START_ROUNDING, OnRounding)
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

UINT CStartLoggingDlg::SetTimeMessage() {
    return g_setTimeMessage;
}

CStartLoggingDlg::CStartLoggingDlg(CLogDoc* pDoc, const CLogEntry& entry, int mode, CWnd* pParentWnd)
    : CEntryChoiceDlg(IDD_START_LOGGING, pDoc, kControls, pParentWnd), m_entry(entry), m_mode(mode),
      m_date(CTime::GetCurrentTime()), m_time(m_date) {}

void CStartLoggingDlg::SetTime(CTime time) {
    m_date = time;
    m_time = time;
}

CTime CStartLoggingDlg::GetChosenMoment() const {
    return CTime(m_date.GetYear(), m_date.GetMonth(), m_date.GetDay(), m_time.GetHour(), m_time.GetMinute(),
                 m_time.GetSecond());
}

void CStartLoggingDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_DateTimeCtrl(pDX, IDC_START_DATE, m_date);
    DDX_DateTimeCtrl(pDX, IDC_START_TIME, m_time);
    DDX_Text(pDX, IDC_START_DESCRIPTION, m_description);
}

BOOL CStartLoggingDlg::OnInitDialog() {
    m_description = m_entry.m_Desc;
    CDialog::OnInitDialog();
    UINT titleId = IDS_START_LOGGING_TITLE_START;
    if (m_mode == modeStop)
        titleId = IDS_START_LOGGING_TITLE_STOP;
    else if (m_mode == modeSwitch)
        titleId = IDS_START_LOGGING_TITLE_SWITCH;
    CString title;
    title.LoadString(titleId);
    SetWindowText(title);

    m_roundingButton.SubclassDlgItem(IDC_START_ROUNDING, this);
    m_roundingButton.ModifyStyle(0, BS_BITMAP);
    if (m_roundingBitmap.LoadBitmap(IDB_ROUNDING_BUTTON))
        m_roundingButton.SetBitmap(static_cast<HBITMAP>(m_roundingBitmap.GetSafeHandle()));
    AttachChoiceControls();
    FillProjects(m_entry.m_pProject);
    FillCategories(m_entry.m_pCategory);
    ShowTimeLines();
    UpdateElapsed(true);
    EnableListButtons();
    FocusDlgItemSelectAll(this, IDC_START_DESCRIPTION);
    return FALSE; // the description has the focus
}

void CStartLoggingDlg::ShowTimeLines() {
    const bool stopping = m_mode == modeStop;
    bool rounding = false;
    RegReadBool(REG_ROUNDING, "Enabled", &rounding);
    const auto show = [this](int id, bool visible) {
        if (CWnd* pItem = GetDlgItem(id))
            pItem->ShowWindow(visible ? SW_SHOW : SW_HIDE);
    };
    show(IDC_START_ROUNDING, stopping);
    show(IDC_START_ELAPSED, stopping);
    show(IDC_START_ROUNDED, stopping && rounding);
}

void CStartLoggingDlg::UpdateElapsed(bool force) {
    const CTime chosen = GetChosenMoment();
    // A moment before the start counts as the start.
    const long elapsed =
        static_cast<long>(std::max<__time64_t>(0, chosen.GetTime() - m_entry.m_StartTime.GetTime()));
    const CString duration = FormatElapsedText(elapsed);
    if (!force && duration == m_lastElapsed)
        return;
    m_lastElapsed = duration;
    CString text;
    CString format;
    format.LoadString(IDS_ELAPSED_TIME);
    text.Format(format, static_cast<LPCSTR>(duration));
    SetDlgItemText(IDC_START_ELAPSED, text);
    format.LoadString(IDS_ROUNDED_TIME);
    text.Format(format, static_cast<LPCSTR>(FormatElapsedText(CLogEntry::RoundElapsed(elapsed))));
    SetDlgItemText(IDC_START_ROUNDED, text);
}

void CStartLoggingDlg::OnPickerChange(NMHDR*, LRESULT* pResult) {
    PostMessage(g_setTimeMessage);
    *pResult = 0;
}

LRESULT CStartLoggingDlg::OnSetTime(WPARAM, LPARAM) {
    CDataExchange dx(this, TRUE);
    DDX_DateTimeCtrl(&dx, IDC_START_DATE, m_date);
    DDX_DateTimeCtrl(&dx, IDC_START_TIME, m_time);
    UpdateElapsed(false);
    return 0;
}

void CStartLoggingDlg::OnProjectChange() {
    ProjectChosen();
}

void CStartLoggingDlg::OnCategoryChange() {
    CategoryChosen();
}

void CStartLoggingDlg::OnProjects() {
    EditProjects();
}

void CStartLoggingDlg::OnCategories() {
    EditCategories();
}

void CStartLoggingDlg::OnRounding() {
    if (IOptionsSheet* pSheet = GetOptionsSheet())
        pSheet->Show(this, kRoundingPage);
    CLogEntry::LoadRoundingSettings();
    ShowTimeLines();
    UpdateElapsed(true);
}

void CStartLoggingDlg::OnMouseMove(UINT nFlags, CPoint point) {
    if (m_toolTip.GetSafeHwnd() == nullptr && m_toolTip.Create(this)) {
        CString tip;
        tip.LoadString(IDS_ROUNDING_BUTTON_TIP);
        m_toolTip.AddTool(&m_roundingButton, tip);
        m_toolTip.Activate(TRUE);
    }
    CDialog::OnMouseMove(nFlags, point);
}

BOOL CStartLoggingDlg::PreTranslateMessage(MSG* pMsg) {
    if (m_toolTip.GetSafeHwnd() != nullptr)
        m_toolTip.RelayEvent(pMsg);
    return CDialog::PreTranslateMessage(pMsg);
}

void CStartLoggingDlg::OnOK() {
    if (m_pDoc == nullptr || !UpdateData(TRUE))
        return;
    const CTime chosen = GetChosenMoment();
    CProject* pProject = nullptr;
    CCategory* pCategory = nullptr;
    if (!CheckChoice(pProject, pCategory))
        return;
    // A switch ends the timed task as a stop does: neither may end before it began.
    if (m_mode != modeStart && IsStopBeforeStart(m_entry.m_StartTime, chosen, true))
        return;
    if (m_mode == modeStart) {
        m_entry.SetStartTime(chosen);
        m_entry.m_ProjProjectID = m_entry.m_ProjResourceID = m_entry.m_ProjAssignmentID = -1;
        m_entry.m_MSTaskID = -1;
    } else {
        m_entry.SetStopTime(chosen);
    }
    m_entry.m_Desc = m_description;
    m_entry.m_pProject = pProject;
    m_entry.m_pCategory = pCategory;
    m_entry.UpdateAmounts();
    CarryOut();
    EndDialog(IDOK);
}

void CStartLoggingDlg::CarryOut() {
    switch (m_mode) {
    case modeStart:
        m_pDoc->StartTiming(&m_entry);
        break;
    case modeStop:
        m_pDoc->StoreStoppedEntry(&m_entry);
        break;
    default:
        m_pDoc->StoreStoppedEntry(&m_entry);
        break;
    }
}
