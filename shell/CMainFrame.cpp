#include "shell/CMainFrame.h"

#include "data/CErrorList.h"
#include "foundation/Registry.h"
#include "foundation/WindowHelpers.h"
#include "framework/win/CCmdUI.h"
#include "framework/win/CCreateContext.h"
#include "framework/win/CMenu.h"
#include "framework/win/CWinApp.h"
#include "resource.h"
#include "shell/CMainTreeView.h"
#include "shell/CMainViewFrame.h"
#include "shell/IOptionsSheet.h"
#include "timelog/CLogDoc.h"
#include "views/CLogView.h"

IMPLEMENT_DYNCREATE(CMainFrame, CAcxMDIFrameWnd)

namespace {

const UINT g_trackTrayMenu = CMainFrame::TrackTrayMenuMessage();

// Panes of the status bar: the message pane, the hours total, "Filtered" and the key indicators.
const UINT kIndicators[] = {ID_SEPARATOR,      ID_INDICATOR_HOURS, ID_INDICATOR_FILTERED,
                            ID_INDICATOR_CAPS, ID_INDICATOR_NUM,   ID_INDICATOR_SCRL};

constexpr int kTreeWidth = 250;
constexpr int kTreeMinimum = 25;

int ActiveViewSetting() {
    int number = viewTimeLog;
    RegReadInt(REG_PREFS, "Active View", &number);
    return number;
}

} // namespace

BEGIN_MESSAGE_MAP(CMainFrame, CAcxMDIFrameWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_MESSAGE(WM_USER, OnTrayMain)
ON_WM_CLOSE()
ON_WM_ACTIVATE()
ON_COMMAND(ID_OPTIONS_DATABASE, OnOptionsDatabase)
ON_UPDATE_COMMAND_UI(ID_OPTIONS_DATABASE, OnUpdateOptions)
ON_COMMAND(ID_OPTIONS, OnOptions)
ON_UPDATE_COMMAND_UI(ID_OPTIONS, OnUpdateOptions)
ON_COMMAND(ID_VIEW_PROJECT_TASKS, OnViewProjectTasks)
ON_COMMAND(ID_VIEW_TIMESHEET, OnViewTimesheet)
ON_COMMAND(ID_VIEW_TIME_LOG, OnViewTimeLog)
ON_COMMAND(ID_VIEW_EXPENSES, OnViewExpenses)
ON_COMMAND(ID_VIEW_BILLING, OnViewBilling)
ON_UPDATE_COMMAND_UI(ID_VIEW_PROJECT_TASKS, OnUpdateViewCommand)
ON_UPDATE_COMMAND_UI(ID_VIEW_TIMESHEET, OnUpdateViewCommand)
ON_UPDATE_COMMAND_UI(ID_VIEW_TIME_LOG, OnUpdateViewCommand)
ON_UPDATE_COMMAND_UI(ID_VIEW_EXPENSES, OnUpdateViewCommand)
ON_UPDATE_COMMAND_UI(ID_VIEW_BILLING, OnUpdateViewCommand)
ON_COMMAND(ID_HELP, OnHelp)
ON_COMMAND(ID_DEFAULT_HELP, OnHelp)
ON_COMMAND(ID_STARTUP_FOLLOW_UP, OnStartupFollowUp)
ON_COMMAND(ID_VIEW_ERRORS, OnViewErrors)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_HOURS, OnUpdateHoursPane)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_FILTERED, OnUpdateFilteredPane)
ON_REGISTERED_MESSAGE(g_trackTrayMenu, OnTrackTrayMenu)
END_MESSAGE_MAP()

UINT CMainFrame::TrackTrayMenuMessage() {
    static const UINT message = ::RegisterWindowMessageA("ACX_TrackTrayMenu");
    return message;
}

CMainFrame::~CMainFrame() {
    DestroyTrayIconHandles();
}

// ---------------------------------------------------------------------------------------------------
// Creation

int CMainFrame::OnCreate(LPCREATESTRUCTA lpCreateStruct) {
    if (CAcxMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!CreateBars())
        return -1;
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    DockControlBar(&m_wndFilterBar);
    LoadTrayIcons();
    LoadBarState("Positions\\Dockbars");
    ShowControlBar(&m_wndFilterBar, FALSE, FALSE);
    m_menuManager.Install(this);
    for (UINT pictures : {IDR_MAINFRAME, IDR_MENU_IMAGES_VIEWS, IDR_MENU_IMAGES_TOOLS})
        m_menuManager.LoadToolbar(pictures);
    RefreshTreeLists();
    // Errors filed anywhere in the program show at once; "Supress errors" keeps them out.
    bool suppress = false;
    RegReadBool(REG_PREFS, "Supress errors", &suppress);
    SetErrorSuppression(suppress);
    CErrorList::Get().SetChangeHandler([this] { RefreshErrorButton(); });
    RefreshErrorButton();
    SetLogDocFrame(this);
    SetTimer(kIdleWakeTimer, kIdleWakePeriod, nullptr);
    return 0;
}

bool CMainFrame::CreateBars() {
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS |
                                   CBRS_FLYBY) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return false;
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    if (!m_wndFilterBar.Create(this, IDD_FILTER_BAR, WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS,
                               AFX_IDW_DIALOGBAR))
        return false;
    CString title;
    title.LoadString(IDS_FILTER_BAR_TITLE);
    m_wndFilterBar.SetWindowText(title);
    m_wndFilterBar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    if (!m_wndStatusBar.CreateBar(this, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators))))
        return false;
    return true;
}

BOOL CMainFrame::OnCreateClient(LPCREATESTRUCTA, CCreateContext* pContext) {
    if (!m_wndSplitter.CreateStatic(this, 1, 2))
        return FALSE;
    if (!m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CMainTreeView), CSize(kTreeWidth, 0), pContext))
        return FALSE;
    m_pViewHost = new CMainViewFrame; // deletes itself with its window
    if (!m_pViewHost->CreateHost(&m_wndSplitter, static_cast<UINT>(m_wndSplitter.IdFromRowCol(0, 1)),
                                 pContext)) {
        m_pViewHost = nullptr;
        return FALSE;
    }
    m_wndSplitter.SetColumnInfo(0, kTreeWidth, kTreeMinimum);
    m_wndSplitter.RecalcLayout();
    return TRUE;
}

void CMainFrame::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible) {
    CAcxMDIFrameWnd::InitialUpdateFrame(pDoc, bMakeVisible);
    if (m_pViewHost != nullptr)
        m_pViewHost->ActivateView();
    if (CMainTreeView* pTree = GetTreeView())
        pTree->SelectView(m_pViewHost != nullptr ? m_pViewHost->GetShownView() : 0);
    PostMessage(WM_COMMAND, ID_STARTUP_FOLLOW_UP);
}

// ---------------------------------------------------------------------------------------------------
// Views

CMainTreeView* CMainFrame::GetTreeView() const {
    if (m_wndSplitter.m_hWnd == nullptr)
        return nullptr;
    return dynamic_cast<CMainTreeView*>(m_wndSplitter.GetPane(0, 0));
}

bool CMainFrame::IsViewAvailable(int number) const {
    return m_pViewHost != nullptr && m_pViewHost->IsViewAvailable(number);
}

void CMainFrame::SwitchView(int number) {
    RegWriteInt(REG_PREFS, "Active View", number);
    if (m_pViewHost == nullptr)
        return;
    m_pViewHost->ActivateView();
    if (CMainTreeView* pTree = GetTreeView())
        pTree->SelectView(m_pViewHost->GetShownView());
}

void CMainFrame::RefreshViewTabs() {
    if (m_pViewHost != nullptr)
        m_pViewHost->RefreshViewTabs();
}

void CMainFrame::RefreshTreeLists() {
    CMainTreeView* pTree = GetTreeView();
    if (pTree == nullptr)
        return;
    std::vector<CMainTreeView::Entry> entries;
    for (const CMainViewFrame::ViewInfo& info : CMainViewFrame::KnownViews()) {
        if (IsViewAvailable(info.number))
            entries.push_back({info.number, info.name, info.command});
    }
    pTree->SetViews(entries);
    if (m_pViewHost != nullptr)
        pTree->SelectView(m_pViewHost->GetShownView());
}

void CMainFrame::ShowNavigationTree(bool show) {
    if (m_wndSplitter.m_hWnd == nullptr)
        return;
    if (show)
        m_wndSplitter.SetColumnInfo(0, kTreeWidth, kTreeMinimum);
    else
        m_wndSplitter.SetColumnInfo(0, 1, 0);
    m_wndSplitter.RecalcLayout();
}

void CMainFrame::OnViewTimesheet() {
    SwitchView(viewTimesheet);
}

void CMainFrame::OnViewTimeLog() {
    SwitchView(viewTimeLog);
}

void CMainFrame::OnViewProjectTasks() {
    SwitchView(viewProjectTasks);
}

void CMainFrame::OnViewExpenses() {
    SwitchView(viewExpenses);
}

void CMainFrame::OnViewBilling() {
    SwitchView(viewBilling);
}

void CMainFrame::OnUpdateViewCommand(CCmdUI* pCmdUI) {
    for (const CMainViewFrame::ViewInfo& info : CMainViewFrame::KnownViews()) {
        if (info.command != pCmdUI->m_nID)
            continue;
        if (!IsViewAvailable(info.number)) {
            // A view this version does not have is not offered.
            if (pCmdUI->m_pMenu != nullptr)
                RemoveMenuItem(pCmdUI->m_pMenu, pCmdUI->m_nID, false);
            else
                pCmdUI->Enable(FALSE);
            return;
        }
        pCmdUI->Enable(TRUE);
        pCmdUI->SetCheck(ActiveViewSetting() == info.number ? 1 : 0);
        return;
    }
}

void CMainFrame::OnUpdateHoursPane(CCmdUI* pCmdUI) {
    pCmdUI->Enable(ActiveViewSetting() != viewTimesheet);
}

void CMainFrame::OnUpdateFilteredPane(CCmdUI* pCmdUI) {
    // The document answers first when it filters the active view; nothing else filters it.
    pCmdUI->Enable(FALSE);
}

// ---------------------------------------------------------------------------------------------------
// Commands

void CMainFrame::ShowOptions(UINT pageId) {
    if (IOptionsSheet* sheet = GetOptionsSheet())
        sheet->Show(this, pageId);
}

void CMainFrame::OnOptions() {
    ShowOptions(0);
}

void CMainFrame::OnOptionsDatabase() {
    ShowOptions(kOptionsDatabasePage);
}

void CMainFrame::OnUpdateOptions(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetOptionsSheet() != nullptr);
}

void CMainFrame::OnHelp() {
    if (CWinApp* pApp = AfxGetApp())
        pApp->WinHelp(0, HELP_FINDER);
}

void CMainFrame::OnStartupFollowUp() {
    int version = 0;
    RegReadInt(REG_ROOT, "Startup Wizard Ver", &version);
    if (version < 100)
        PostMessage(WM_COMMAND, ID_STARTUP_WIZARD);
}

void CMainFrame::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    // The window that loses the activation may be gone already.
    if (pWndOther != nullptr && !::IsWindow(pWndOther->m_hWnd))
        pWndOther = nullptr;
    CAcxMDIFrameWnd::OnActivate(nState, pWndOther, bMinimized);
}

CLogDoc* CMainFrame::GetLogViewDocument() {
    if (m_pViewHost == nullptr)
        return nullptr;
    CView* pView = m_pViewHost->GetView(viewTimeLog);
    return pView != nullptr ? dynamic_cast<CLogDoc*>(pView->GetDocument()) : nullptr;
}

ILogView* CMainFrame::GetLogView() {
    return m_pViewHost != nullptr ? dynamic_cast<CLogView*>(m_pViewHost->GetView(viewTimeLog)) : nullptr;
}

bool CMainFrame::GetLogColumnIds(CDWordArray& ids) {
    auto* pView = dynamic_cast<CLogView*>(GetLogView());
    if (pView == nullptr)
        return false;
    pView->GetShownColumnIds(ids);
    return true;
}

bool CMainFrame::GetSelectedProjectTask(CTask*& pTask) {
    pTask = nullptr;
    return true;
}

void CMainFrame::ShowTimingIcon(bool timing) {
    if (timing)
        StartTimingIcon();
    else
        StopTimingIcon();
}

bool CMainFrame::HasLogDocument() {
    return GetActiveDocument() != nullptr;
}

void CMainFrame::OnIdleWork() {
    if (!m_bIconsAdded)
        AddTrayIcons();
    RefreshErrorButton();
}
