// Frames: command routing (view, document, frame, application) with update handlers, menus updated
// before they drop down, status prompts and tool tips from the string table, accelerators, static
// splitters, scrolling views, form views and frames without documents.
#include "WinTestSupport.h"

#include "DocViewTestsResource.h"
#include "framework/win/CCreateContext.h"
#include "framework/win/CDocument.h"
#include "framework/win/CFormView.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CScrollView.h"
#include "framework/win/CSingleDocTemplate.h"
#include "framework/win/CSplitterWnd.h"
#include "framework/win/CView.h"

#include <string>
#include <vector>

using namespace wintest;

namespace {

std::vector<std::string> g_calls; // which handler ran, in order

class RouteDoc : public CDocument {
    DECLARE_DYNCREATE(RouteDoc)
protected:
    afx_msg void OnDoc() { g_calls.push_back("doc"); }
    afx_msg void OnDisabled() { g_calls.push_back("disabled ran"); }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(RouteDoc, CDocument)
BEGIN_MESSAGE_MAP(RouteDoc, CDocument)
ON_COMMAND(ID_DV_DOC_CMD, OnDoc)
ON_COMMAND(ID_DV_DISABLED_CMD, OnDisabled)
ON_UPDATE_COMMAND_UI(ID_DV_DISABLED_CMD, OnUpdateDisabled)
END_MESSAGE_MAP()

class RouteView : public CView {
    DECLARE_DYNCREATE(RouteView)
public:
    void OnDraw(CDC*) override {}
    std::vector<CView*> updatedBy;
    void OnUpdate(CView* pSender, LPARAM, CObject*) override { updatedBy.push_back(pSender); }

protected:
    afx_msg void OnView() { g_calls.push_back("view"); }
    // The view also handles the document's command's update: routing stops at the first handler.
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(RouteView, CView)
BEGIN_MESSAGE_MAP(RouteView, CView)
ON_COMMAND(ID_DV_VIEW_CMD, OnView)
END_MESSAGE_MAP()

class RouteFrame : public CFrameWnd {
    DECLARE_DYNCREATE(RouteFrame)
protected:
    afx_msg void OnFrame() { g_calls.push_back("frame"); }
    afx_msg void OnView() { g_calls.push_back("frame got the view's command"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(RouteFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(RouteFrame, CFrameWnd)
ON_COMMAND(ID_DV_FRAME_CMD, OnFrame)
ON_COMMAND(ID_DV_VIEW_CMD, OnView)
END_MESSAGE_MAP()

class RouteApp : public TestApp {
public:
    ~RouteApp() override {
        if (m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr)
            m_pMainWnd->DestroyWindow();
    }

protected:
    afx_msg void OnApp() { g_calls.push_back("app"); }
    afx_msg void OnDoc() { g_calls.push_back("app got the document's command"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(RouteApp, TestApp)
ON_COMMAND(ID_DV_APP_CMD, OnApp)
ON_COMMAND(ID_DV_DOC_CMD, OnDoc)
END_MESSAGE_MAP()

CFrameWnd* NewRouteFrame(RouteApp& app) {
    app.AddDocTemplate(new CSingleDocTemplate(IDR_DV_NOTES, RUNTIME_CLASS(RouteDoc),
                                              RUNTIME_CLASS(RouteFrame), RUNTIME_CLASS(RouteView)));
    app.OnFileNew();
    return dynamic_cast<CFrameWnd*>(app.m_pMainWnd);
}

TEST(Frame, CommandsGoToViewDocumentFrameThenApplication) {
    RouteApp app;
    CFrameWnd* pFrame = NewRouteFrame(app);
    ASSERT_NE(pFrame, nullptr);
    g_calls.clear();
    for (UINT id : {ID_DV_VIEW_CMD, ID_DV_DOC_CMD, ID_DV_FRAME_CMD, ID_DV_APP_CMD, ID_DV_NO_HANDLER})
        pFrame->SendMessage(WM_COMMAND, id);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"view", "doc", "frame", "app"}));

    // A command its update handler disabled is not carried out.
    g_calls.clear();
    pFrame->SendMessage(WM_COMMAND, ID_DV_DISABLED_CMD);
    EXPECT_TRUE(g_calls.empty());

    // Without an active view the document is out of the route.
    pFrame->SetActiveView(nullptr);
    g_calls.clear();
    pFrame->SendMessage(WM_COMMAND, ID_DV_VIEW_CMD);
    pFrame->SendMessage(WM_COMMAND, ID_DV_DOC_CMD);
    EXPECT_EQ(g_calls,
              (std::vector<std::string>{"frame got the view's command", "app got the document's command"}));
}

TEST(Frame, MenuIsUpdatedThroughTheRouteBeforeItDropsDown) {
    RouteApp app;
    CFrameWnd* pFrame = NewRouteFrame(app);
    ASSERT_NE(pFrame, nullptr);
    HMENU hEdit = ::GetSubMenu(::GetMenu(pFrame->m_hWnd), 1);
    ASSERT_NE(hEdit, nullptr);
    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hEdit), MAKELPARAM(1, FALSE));
    auto grayed = [&](UINT id) { return (::GetMenuState(hEdit, id, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    EXPECT_FALSE(grayed(ID_DV_VIEW_CMD));
    EXPECT_FALSE(grayed(ID_DV_DOC_CMD));
    EXPECT_FALSE(grayed(ID_DV_FRAME_CMD));
    EXPECT_FALSE(grayed(ID_DV_APP_CMD));
    EXPECT_TRUE(grayed(ID_DV_NO_HANDLER));
    EXPECT_TRUE(grayed(ID_DV_DISABLED_CMD));

    pFrame->m_bAutoMenuEnable = FALSE;
    ::EnableMenuItem(hEdit, ID_DV_NO_HANDLER, MF_ENABLED);
    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hEdit), MAKELPARAM(1, FALSE));
    EXPECT_FALSE(grayed(ID_DV_NO_HANDLER));
}

TEST(Frame, AcceleratorsOfTheFrameReachTheView) {
    RouteApp app;
    CFrameWnd* pFrame = NewRouteFrame(app);
    ASSERT_NE(pFrame, nullptr);
    g_calls.clear();
    CView* pView = pFrame->GetActiveView();
    ASSERT_NE(pView, nullptr);
    ::PostMessageA(pView->m_hWnd, WM_KEYDOWN, VK_F7, 0);
    PumpPending();
    EXPECT_EQ(g_calls, std::vector<std::string>{"view"});
}

TEST(Frame, StatusPromptsAndToolTipsComeFromTheStringTable) {
    RouteApp app;
    CFrameWnd* pFrame = NewRouteFrame(app);
    ASSERT_NE(pFrame, nullptr);
    HWND hStatus = ::CreateWindowExA(
        0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, pFrame->m_hWnd,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_STATUS_BAR)), AfxGetInstanceHandle(), nullptr);
    ASSERT_NE(hStatus, nullptr);
    CWnd statusBar; // the message bar is a window with an object of its own
    ASSERT_TRUE(statusBar.SubclassWindow(hStatus));
    auto statusText = [&] {
        char text[256] = {};
        ::SendMessageA(hStatus, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
        return std::string(text);
    };
    pFrame->SendMessage(WM_SETMESSAGESTRING, ID_DV_VIEW_CMD);
    EXPECT_EQ(statusText(), "Runs the view's command");
    pFrame->SendMessage(WM_SETMESSAGESTRING, ID_DV_DOC_CMD); // a prompt without a tip
    EXPECT_EQ(statusText(), "Runs the document's command");
    pFrame->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    EXPECT_EQ(statusText(), "Ready");
    pFrame->SetMessageText("Saving...");
    EXPECT_EQ(statusText(), "Saving...");

    // Moving over menu items shows their prompts; closing the menu shows the idle text again.
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_DV_VIEW_CMD, MF_STRING), 0);
    EXPECT_EQ(statusText(), "Runs the view's command");
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(statusText(), "Ready");

    NMTTDISPINFOA tip{};
    tip.hdr.hwndFrom = hStatus;
    tip.hdr.idFrom = ID_DV_VIEW_CMD;
    tip.hdr.code = TTN_NEEDTEXTA;
    pFrame->SendMessage(WM_NOTIFY, ID_DV_VIEW_CMD, reinterpret_cast<LPARAM>(&tip));
    ASSERT_NE(tip.lpszText, nullptr);
    EXPECT_STREQ(tip.lpszText, "View command");
}

TEST(Frame, StaticSplitterWithTwoViewsOfOneDocument) {
    RouteApp app;
    auto* pDoc = new RouteDoc;
    pDoc->m_bAutoDelete = TRUE;
    auto* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Split", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 600, 400)));
    app.m_pMainWnd = pFrame;
    CSplitterWnd splitter;
    ASSERT_TRUE(splitter.CreateStatic(pFrame, 1, 2));
    CCreateContext context;
    context.m_pCurrentDoc = pDoc;
    ASSERT_TRUE(splitter.CreateView(0, 0, RUNTIME_CLASS(RouteView), CSize(150, 0), &context));
    ASSERT_TRUE(splitter.CreateView(0, 1, RUNTIME_CLASS(RouteView), CSize(0, 0), &context));
    EXPECT_FALSE(splitter.CreateView(0, 1, RUNTIME_CLASS(RouteView), CSize(0, 0), &context)); // taken
    pFrame->RecalcLayout();
    EXPECT_EQ(splitter.GetRowCount(), 1);
    EXPECT_EQ(splitter.GetColumnCount(), 2);
    EXPECT_EQ(splitter.IdFromRowCol(0, 1), AFX_IDW_PANE_FIRST + 1);
    auto* pLeft = dynamic_cast<RouteView*>(splitter.GetPane(0, 0));
    auto* pRight = dynamic_cast<RouteView*>(splitter.GetPane(0, 1));
    ASSERT_NE(pLeft, nullptr);
    ASSERT_NE(pRight, nullptr);
    EXPECT_EQ(pLeft->GetDocument(), pDoc);
    EXPECT_EQ(pLeft->GetParentFrame(), pFrame);
    EXPECT_EQ(pFrame->GetActiveView(), pLeft); // the first pane became the active view

    CRect client;
    splitter.GetClientRect(&client);
    CRect left;
    CRect right;
    ::GetWindowRect(pLeft->m_hWnd, &left);
    ::GetWindowRect(pRight->m_hWnd, &right);
    int cur = 0;
    int min = 0;
    splitter.GetColumnInfo(0, cur, min);
    EXPECT_EQ(cur, 150);
    EXPECT_EQ(left.Width(), 150);
    EXPECT_EQ(right.left - left.right, splitter.m_cxSplitter);
    EXPECT_EQ(left.Width() + splitter.m_cxSplitter + right.Width(), client.Width());

    // Collapsing the first column to a sliver and bringing it back.
    splitter.SetColumnInfo(0, 1, 0);
    splitter.RecalcLayout();
    splitter.GetColumnInfo(0, cur, min);
    EXPECT_EQ(cur, 1);
    EXPECT_EQ(min, 0);
    splitter.SetColumnInfo(0, 250, 25);
    splitter.RecalcLayout();
    splitter.GetColumnInfo(0, cur, min);
    EXPECT_EQ(cur, 250);

    // Dragging the split bar 40 pixels to the left.
    const int barX = 250 + splitter.m_cxSplitter / 2;
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(barX, 50));
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(barX - 40, 60));
    splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(barX - 40, 60));
    splitter.GetColumnInfo(0, cur, min);
    EXPECT_EQ(cur, 210);
    // A drag cannot make a pane smaller than its minimum; Escape cancels.
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(210 + 2, 50));
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(0, 60));
    splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(0, 60));
    splitter.GetColumnInfo(0, cur, min);
    EXPECT_EQ(cur, 25);
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25 + 2, 50));
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 60));
    splitter.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    splitter.GetColumnInfo(0, cur, min);
    EXPECT_EQ(cur, 25);

    // Hints reach both panes but not the sender.
    pDoc->UpdateAllViews(pRight, 3);
    EXPECT_EQ(pLeft->updatedBy, std::vector<CView*>{pRight});
    EXPECT_TRUE(pRight->updatedBy.empty());

    // Commands of the active pane go through the pane, the document and the frame.
    g_calls.clear();
    pFrame->SetActiveView(pRight);
    pFrame->SendMessage(WM_COMMAND, ID_DV_VIEW_CMD);
    pFrame->SendMessage(WM_COMMAND, ID_DV_DOC_CMD);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"view", "doc"}));

    // The frame goes with its panes; the document goes with its last view.
    splitter.Detach(); // the window is destroyed with the frame
    pFrame->DestroyWindow();
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

class BigView : public CScrollView {
    DECLARE_DYNCREATE(BigView)
public:
    void OnDraw(CDC*) override {}
    using CScrollView::UpdateBars;
};
IMPLEMENT_DYNCREATE(BigView, CScrollView)

TEST(Frame, ScrollViewScrollsOverItsTotalSize) {
    RouteApp app;
    auto* pFrame = new CFrameWnd;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(BigView);
    ASSERT_TRUE(pFrame->Create(nullptr, "Scroll", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200),
                               nullptr, nullptr, 0, &context));
    app.m_pMainWnd = pFrame;
    auto* pView = dynamic_cast<BigView*>(pFrame->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
    ASSERT_NE(pView, nullptr);

    pView->SetScrollSizes(MM_TEXT, CSize(2000, 1500));
    EXPECT_TRUE(pView->GetStyle() & WS_HSCROLL);
    EXPECT_TRUE(pView->GetStyle() & WS_VSCROLL);
    pView->ScrollToPosition(CPoint(300, 400));
    EXPECT_EQ(pView->GetDeviceScrollPosition(), CPoint(300, 400));
    // Past the end: the last position that still fills the window.
    pView->ScrollToPosition(CPoint(5000, 5000));
    CRect client;
    pView->GetClientRect(&client);
    EXPECT_EQ(pView->GetDeviceScrollPosition(), CPoint(2000 - client.Width(), 1500 - client.Height()));
    // Line and page scrolling through the scroll messages.
    pView->ScrollToPosition(CPoint(0, 0));
    pView->SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(pView->GetDeviceScrollPosition().y, 150); // a tenth of the total
    pView->SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(pView->GetDeviceScrollPosition().y, 165); // a tenth of a page
    pView->SendMessage(WM_HSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(pView->GetDeviceScrollPosition().x, 2000 - client.Width());

    // The drawing origin follows the scroll position.
    HDC hDC = ::GetDC(pView->m_hWnd);
    CDC* pDC = CDC::FromHandle(hDC);
    pView->OnPrepareDC(pDC);
    POINT origin{};
    ::GetViewportOrgEx(hDC, &origin);
    EXPECT_EQ(origin.x, -pView->GetDeviceScrollPosition().x);
    EXPECT_EQ(origin.y, -165);
    ::ReleaseDC(pView->m_hWnd, hDC);

    // Logical units: one inch (100 units of MM_LOENGLISH) down is a negative logical y.
    pView->SetScrollSizes(MM_LOENGLISH, CSize(1000, 1000));
    pView->ScrollToPosition(CPoint(0, -100));
    const int dpi = ::GetDeviceCaps(hDC = ::GetDC(nullptr), LOGPIXELSY);
    ::ReleaseDC(nullptr, hDC);
    EXPECT_EQ(pView->GetDeviceScrollPosition().y, dpi);
    EXPECT_EQ(pView->GetScrollPosition().y, -100);

    // A window larger than the total needs no bars.
    pView->SetScrollSizes(MM_TEXT, CSize(50, 50));
    EXPECT_FALSE(pView->GetStyle() & WS_HSCROLL);
    EXPECT_FALSE(pView->GetStyle() & WS_VSCROLL);
    EXPECT_EQ(pView->GetDeviceScrollPosition(), CPoint(0, 0));
}

class NameForm : public CFormView {
    DECLARE_DYNCREATE(NameForm)
public:
    NameForm() : CFormView(IDD_DV_FORM) {}
    CString name = "Ada";
    int count = 3;
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_DV_NAME, name);
        DDX_Text(pDX, IDC_DV_COUNT, count);
    }

protected:
    afx_msg void OnRun() { g_calls.push_back("form"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(NameForm, CFormView)
BEGIN_MESSAGE_MAP(NameForm, CFormView)
ON_BN_CLICKED(ID_DV_DOC_CMD, OnRun)
END_MESSAGE_MAP()

TEST(Frame, FormViewInAFrameWithoutDocumentExchangesData) {
    RouteApp app;
    auto* pFrame = new CFrameWnd;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(NameForm);
    ASSERT_TRUE(pFrame->LoadFrame(IDR_DV_POPUP, WS_OVERLAPPEDWINDOW, nullptr, &context));
    pFrame->InitialUpdateFrame(nullptr, TRUE);
    app.m_pMainWnd = pFrame;
    EXPECT_EQ(TextOf(pFrame->m_hWnd), "Floating Tools");
    auto* pForm = dynamic_cast<NameForm*>(pFrame->GetActiveView());
    ASSERT_NE(pForm, nullptr);
    EXPECT_EQ(pForm->GetDocument(), nullptr);
    EXPECT_EQ(pForm->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_EQ(pForm->GetParentFrame(), pFrame);
    EXPECT_TRUE(pForm->GetStyle() & WS_CHILD);
    // The initial update loaded the controls.
    EXPECT_EQ(TextOf(::GetDlgItem(pForm->m_hWnd, IDC_DV_NAME)), "Ada");
    EXPECT_EQ(TextOf(::GetDlgItem(pForm->m_hWnd, IDC_DV_COUNT)), "3");
    ::SetDlgItemTextA(pForm->m_hWnd, IDC_DV_NAME, "Grace");
    ::SetDlgItemTextA(pForm->m_hWnd, IDC_DV_COUNT, "12");
    ASSERT_TRUE(pForm->UpdateData(TRUE));
    EXPECT_EQ(pForm->name, "Grace");
    EXPECT_EQ(pForm->count, 12);
    // Bad input is refused with a message and the members keep their values.
    ::SetDlgItemTextA(pForm->m_hWnd, IDC_DV_COUNT, "twelve");
    EXPECT_FALSE(pForm->UpdateData(TRUE));
    EXPECT_EQ(pForm->count, 12);
    EXPECT_EQ(app.prompts.size(), 1u);

    // Its controls notify the form itself.
    g_calls.clear();
    ::SendMessageA(::GetDlgItem(pForm->m_hWnd, ID_DV_DOC_CMD), BM_CLICK, 0, 0);
    EXPECT_EQ(g_calls, std::vector<std::string>{"form"});
}

class TimerFrame : public CFrameWnd {
public:
    int ticks = 0;

protected:
    afx_msg void OnTimer(UINT_PTR) { ++ticks; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TimerFrame, CFrameWnd)
ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(Frame, PopupFramesWithoutDocuments) {
    RouteApp app;
    auto* pMain = new CFrameWnd;
    ASSERT_TRUE(pMain->Create(nullptr, "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200)));
    app.m_pMainWnd = pMain;

    // A topmost tool window owned by the main frame.
    auto* pTools = new CFrameWnd;
    ASSERT_TRUE(pTools->Create(nullptr, "Quick", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(10, 10, 160, 110),
                               pMain, nullptr, WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
    EXPECT_TRUE(pTools->GetExStyle() & WS_EX_TOPMOST);
    EXPECT_TRUE(pTools->GetExStyle() & WS_EX_TOOLWINDOW);
    EXPECT_EQ(::GetWindow(pTools->m_hWnd, GW_OWNER), pMain->m_hWnd);
    EXPECT_EQ(pTools->GetActiveDocument(), nullptr);
    EXPECT_EQ(TextOf(pTools->m_hWnd), "Quick");

    // A hidden frame that only keeps a timer.
    auto* pTimer = new TimerFrame;
    ASSERT_TRUE(pTimer->Create(nullptr, "Timer", WS_OVERLAPPEDWINDOW));
    EXPECT_FALSE(::IsWindowVisible(pTimer->m_hWnd));
    pTimer->SetTimer(1, 10, nullptr);
    TimerDriver driver([&] { return pTimer->ticks >= 2; });
    MSG msg;
    while (!driver.Finished() && !driver.TimedOut() && ::GetMessageA(&msg, nullptr, 0, 0)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    EXPECT_GE(pTimer->ticks, 2);
    pTimer->DestroyWindow(); // the frame deletes itself
    pTools->DestroyWindow();
    EXPECT_TRUE(::IsWindow(pMain->m_hWnd));
}

} // namespace
