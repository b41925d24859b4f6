#include "FrameBarsSupport.h"

#include "WinTestSupport.h"

#include "framework/win/AfxCtrlSupport.h"

namespace fbtest {

IMPLEMENT_DYNCREATE(EntryTree, CTreeCtrl)

BOOL EntryTree::PreCreateWindow(CREATESTRUCTA& cs) {
    AfxInitCommonControls(ICC_TREEVIEW_CLASSES);
    cs.lpszClass = WC_TREEVIEWA;
    cs.style |= TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    // The sunken edge of a view rather than a flat line.
    if (cs.style & WS_BORDER) {
        cs.style &= ~WS_BORDER;
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
    }
    return CTreeCtrl::PreCreateWindow(cs);
}

void EntryTree::PostNcDestroy() {
    delete this; // made by the splitter, like a view
}

void EntryTree::FillSample() {
    HTREEITEM hHarbour = InsertItem("Harbour Bridge");
    InsertItem("Design review", hHarbour);
    HTREEITEM hSite = InsertItem("Site visit", hHarbour);
    InsertItem("Client meeting", hHarbour);
    HTREEITEM hAudit = InsertItem("Northwind Audit");
    InsertItem("Expense report", hAudit);
    InsertItem("Interviews", hAudit);
    HTREEITEM hMove = InsertItem("Office Move");
    InsertItem("Packing", hMove);
    Expand(hHarbour, TVE_EXPAND);
    Expand(hAudit, TVE_EXPAND);
    SelectItem(hSite);
}

IMPLEMENT_DYNCREATE(EntryView, CView)

BEGIN_MESSAGE_MAP(EntryView, CView)
ON_COMMAND(ID_FB_ADD_ENTRY, OnAddEntry)
ON_COMMAND(ID_FB_DELETE_ENTRY, OnDeleteEntry)
ON_UPDATE_COMMAND_UI(ID_FB_DELETE_ENTRY, OnUpdateDeleteEntry)
END_MESSAGE_MAP()

void EntryView::OnDraw(CDC* pDC) {
    static const char* const lines[] = {
        "Mon 09:00-12:30  Design review     3:30", "Mon 13:15-17:00  Site visit        3:45",
        "Tue 08:30-10:00  Client meeting    1:30", "Tue 10:15-16:45  Expense report    6:30"};
    HDC hDC = pDC->GetSafeHdc();
    HGDIOBJ hOld = ::SelectObject(hDC, ::GetStockObject(ANSI_FIXED_FONT));
    ::SetBkMode(hDC, TRANSPARENT);
    TEXTMETRICA tm{};
    ::GetTextMetricsA(hDC, &tm);
    int y = 8;
    for (const char* line : lines) {
        ::TextOutA(hDC, 10, y, line, lstrlenA(line));
        y += tm.tmHeight + 4;
    }
    ::SelectObject(hDC, hOld);
}

BEGIN_MESSAGE_MAP(TimesheetFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_COMMAND(ID_FB_START_TIMER, OnStartTimer)
ON_UPDATE_COMMAND_UI(IDS_FB_TOTAL, OnUpdateTotal)
END_MESSAGE_MAP()

CRect TimesheetFrame::RectOf(const CWnd& wnd) const {
    CRect rect;
    wnd.GetWindowRect(&rect);
    ScreenToClient(&rect);
    return rect;
}

BOOL TimesheetFrame::OnCreateClient(LPCREATESTRUCTA, CCreateContext* pContext) {
    return splitter.CreateStatic(this, 1, 2) &&
           splitter.CreateView(0, 0, RUNTIME_CLASS(EntryTree), CSize(kTreeWidth, 0), pContext) &&
           splitter.CreateView(0, 1, RUNTIME_CLASS(EntryView), CSize(0, 0), pContext);
}

int TimesheetFrame::OnCreate(LPCREATESTRUCTA lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    static const UINT indicators[] = {ID_SEPARATOR, IDS_FB_TOTAL, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
    if (!toolBar.CreateEx(this, TBSTYLE_FLAT,
                          WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY) ||
        !toolBar.LoadToolBar(IDR_FB_TOOLBAR))
        return -1;
    if (!statusBar.Create(this) || !statusBar.SetIndicators(indicators, 4))
        return -1;
    toolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&toolBar);
    if (!stateSection.IsEmpty())
        LoadBarState(stateSection);
    return 0;
}

void TimesheetFrame::OnClose() {
    if (!stateSection.IsEmpty())
        SaveBarState(stateSection);
    CFrameWnd::OnClose();
}

void ClickButton(CToolBar& bar, UINT nID) {
    CRect rect;
    bar.GetItemRect(bar.CommandToIndex(nID), &rect);
    const LPARAM at = MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    bar.SendMessage(WM_LBUTTONUP, 0, at);
    wintest::PumpPending();
}

TimesheetFrame* NewTimesheetFrame(int x, int y, int cx, int cy, LPCSTR stateSection) {
    auto* pFrame = new TimesheetFrame; // deletes itself with its window
    pFrame->stateSection = stateSection;
    if (!pFrame->LoadFrame(IDR_FB_FRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE))
        return nullptr;
    pFrame->SetWindowPos(nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->ShowWindow(SW_SHOWNORMAL);
    pFrame->UpdateWindow();
    return pFrame;
}

} // namespace fbtest
