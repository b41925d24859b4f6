#include "shell/CMainViewFrame.h"

#include "foundation/Registry.h"
#include "framework/win/AfxPriv.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CCreateContext.h"
#include "framework/win/CView.h"
#include "resource.h"
#include "shell/CUnavailableView.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CMainViewFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainViewFrame, CFrameWnd)
ON_WM_SIZE()
ON_WM_CLOSE()
ON_NOTIFY(TCN_SELCHANGE, CMainViewFrame::kTabsId, OnTabChange)
END_MESSAGE_MAP()

namespace {

// The views of the other subsystems join this table when they are part of the program.
const CMainViewFrame::ViewInfo kViews[] = {
    {viewTimesheet, "Timesheet", ID_VIEW_TIMESHEET, nullptr},
    {viewTimeLog, "Time Log", ID_VIEW_TIME_LOG, nullptr},
    {viewProjectTasks, "Project Tasks", ID_VIEW_PROJECT_TASKS, nullptr},
    {viewExpenses, "Expenses", ID_VIEW_EXPENSES, nullptr},
    {viewBilling, "Billing", ID_VIEW_BILLING, nullptr},
};

// A hidden view keeps a control id outside the pane range, so only the shown one is the pane.
constexpr UINT kHiddenViewId = AFX_IDW_PANE_FIRST + 0x40;

} // namespace

std::span<const CMainViewFrame::ViewInfo> CMainViewFrame::KnownViews() {
    return kViews;
}

const CMainViewFrame::ViewInfo* CMainViewFrame::FindView(int number) {
    for (const ViewInfo& info : kViews) {
        if (info.number == number)
            return &info;
    }
    return nullptr;
}

BOOL CMainViewFrame::CreateHost(CWnd* pParent, UINT nID, CCreateContext* pContext) {
    if (pContext != nullptr) {
        m_pDocument = pContext->m_pCurrentDoc;
        m_pLogViewClass = pContext->m_pNewViewClass;
    }
    // The host makes its views itself, when they are first shown.
    if (!Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), pParent,
                nullptr, 0, nullptr))
        return FALSE;
    SetDlgCtrlID(static_cast<int>(nID));
    if (!m_tabs.Create(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_TABS | TCS_FOCUSNEVER, CRect(0, 0, 0, 0),
                       this, kTabsId))
        return FALSE;
    m_tabs.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    RefreshViewTabs();
    return TRUE;
}

CRuntimeClass* CMainViewFrame::ViewClassOf(int number) const {
    if (number == viewTimeLog)
        return m_pLogViewClass;
    const ViewInfo* info = FindView(number);
    return info != nullptr ? info->viewClass : nullptr;
}

bool CMainViewFrame::IsViewAvailable(int number) const {
    // The time log is the document's own view: it is always part of the window.
    return number == viewTimeLog || ViewClassOf(number) != nullptr;
}

CView* CMainViewFrame::GetView(int number) const {
    const auto found = m_views.find(number);
    return found != m_views.end() ? found->second : nullptr;
}

CView* CMainViewFrame::EnsureView(int number) {
    if (CView* pView = GetView(number))
        return pView;
    if (!IsViewAvailable(number) || m_hWnd == nullptr)
        return nullptr;
    CView* pView = CreateHostedView(number);
    if (pView != nullptr && number != m_shown)
        pView->ShowWindow(SW_HIDE);
    return pView;
}

CView* CMainViewFrame::CreateHostedView(int number) {
    CRuntimeClass* viewClass = ViewClassOf(number);
    CCreateContext context;
    context.m_pNewViewClass = viewClass != nullptr ? viewClass : RUNTIME_CLASS(CUnavailableView);
    context.m_pCurrentDoc = m_pDocument;
    auto* pView = dynamic_cast<CView*>(CreateView(&context, kHiddenViewId));
    if (pView == nullptr)
        return nullptr;
    if (auto* pNotice = dynamic_cast<CUnavailableView*>(pView))
        pNotice->SetViewName(FindView(number)->name);
    pView->SendMessage(WM_INITIALUPDATE);
    m_views[number] = pView;
    return pView;
}

void CMainViewFrame::ActivateView() {
    int number = viewTimeLog;
    RegReadInt(REG_PREFS, "Active View", &number);
    if (!IsViewAvailable(number)) {
        number = viewTimeLog;
        RegWriteInt(REG_PREFS, "Active View", number);
    }
    CView* pView = EnsureView(number);
    if (pView == nullptr)
        return;
    for (const auto& [other, pOther] : m_views) {
        if (pOther != pView && pOther->m_hWnd != nullptr) {
            pOther->ShowWindow(SW_HIDE);
            pOther->SetDlgCtrlID(kHiddenViewId);
        }
    }
    pView->SetDlgCtrlID(AFX_IDW_PANE_FIRST);
    pView->ShowWindow(SW_SHOW);
    m_shown = number;
    SetActiveView(pView, FALSE);
    if (CFrameWnd* pMain = GetTopLevelFrame(); pMain != nullptr && pMain != this)
        pMain->SetActiveView(pView);
    SelectTabOf(number);
    RecalcLayout();
}

void CMainViewFrame::SelectTabOf(int number) {
    for (int i = 0; i < m_tabs.GetItemCount(); ++i) {
        TCITEMA item{};
        item.mask = TCIF_PARAM;
        if (m_tabs.GetItem(i, &item) && item.lParam == number) {
            m_tabs.SetCurSel(i);
            return;
        }
    }
}

void CMainViewFrame::RefreshViewTabs() {
    m_tabs.DeleteAllItems();
    int index = 0;
    for (const ViewInfo& info : kViews) {
        if (IsViewAvailable(info.number))
            m_tabs.InsertItem(TCIF_TEXT | TCIF_PARAM, index++, info.name, 0, info.number);
    }
    if (m_shown != 0)
        SelectTabOf(m_shown);
    RecalcLayout();
}

void CMainViewFrame::RecalcLayout(BOOL) {
    if (m_hWnd == nullptr || m_tabs.m_hWnd == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    // The tabs take the height of their row; the view fills what is left.
    CRect display = client;
    m_tabs.AdjustRect(FALSE, &display);
    const int tabsHeight = display.top - client.top + 2;
    m_tabs.MoveWindow(0, 0, client.Width(), tabsHeight);
    if (CView* pView = GetView(m_shown))
        pView->MoveWindow(0, tabsHeight, client.Width(), std::max(0, client.Height() - tabsHeight));
}

void CMainViewFrame::OnSize(UINT, int, int) {
    RecalcLayout();
}

void CMainViewFrame::OnClose() {
    if (CFrameWnd* pMain = GetTopLevelFrame(); pMain != nullptr && pMain != this)
        pMain->SendMessage(WM_CLOSE);
}

void CMainViewFrame::OnTabChange(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    TCITEMA item{};
    item.mask = TCIF_PARAM;
    if (!m_tabs.GetItem(m_tabs.GetCurSel(), &item))
        return;
    // The main frame switches views (it records the choice and updates its menus and tree).
    if (const ViewInfo* info = FindView(static_cast<int>(item.lParam)))
        GetTopLevelFrame()->PostMessage(WM_COMMAND, info->command);
}
