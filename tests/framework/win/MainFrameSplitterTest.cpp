// A main frame of the MDI kind that builds a static splitter instead of an MDI client, made by a
// single-document template: a navigation view on the left and, on the right, a child frame that hosts a
// form view of the same document. The document, its title, hints, commands and closing must treat the
// whole window as one frame.
#include "DocTestSupport.h"

#include "DocViewTestsResource.h"
#include "framework/win/CCreateContext.h"
#include "framework/win/CDocument.h"
#include "framework/win/CFormView.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CMDIFrameWnd.h"
#include "framework/win/CSingleDocTemplate.h"
#include "framework/win/CSplitterWnd.h"
#include "framework/win/CView.h"

#include <string>
#include <vector>

using namespace wintest;

namespace {

std::vector<std::string> g_handled;

class LedgerDoc : public CDocument {
    DECLARE_DYNCREATE(LedgerDoc)
public:
    int deletions = 0;
    void DeleteContents() override { ++deletions; }

protected:
    afx_msg void OnDocCommand() { g_handled.push_back("doc"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(LedgerDoc, CDocument)
BEGIN_MESSAGE_MAP(LedgerDoc, CDocument)
ON_COMMAND(ID_DV_DOC_CMD, OnDocCommand)
END_MESSAGE_MAP()

struct Heard {
    CView* sender;
    LPARAM lHint;
    CObject* pHint;
};

class NavView : public CView {
    DECLARE_DYNCREATE(NavView)
public:
    std::vector<Heard> heard;
    void OnDraw(CDC*) override {}
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override {
        heard.push_back({pSender, lHint, pHint});
    }

protected:
    afx_msg void OnViewCommand() { g_handled.push_back("nav"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(NavView, CView)
BEGIN_MESSAGE_MAP(NavView, CView)
ON_COMMAND(ID_DV_VIEW_CMD, OnViewCommand)
END_MESSAGE_MAP()

class HostedForm : public CFormView {
    DECLARE_DYNCREATE(HostedForm)
public:
    HostedForm() : CFormView(IDD_DV_FORM) {}
    CString name = "Week 12";
    std::vector<Heard> heard;
    int initialUpdates = 0;
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_DV_NAME, name); }
    void OnInitialUpdate() override {
        ++initialUpdates;
        CFormView::OnInitialUpdate();
    }
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override {
        heard.push_back({pSender, lHint, pHint});
    }
};
IMPLEMENT_DYNCREATE(HostedForm, CFormView)

// The right pane: a child frame that holds the form view.
class ViewHost : public CFrameWnd {};

class SplitMainFrame : public CMDIFrameWnd {
    DECLARE_DYNCREATE(SplitMainFrame)
public:
    CSplitterWnd m_splitter;
    ViewHost* m_pHost = nullptr;

    BOOL OnCreateClient(LPCREATESTRUCTA, CCreateContext* pContext) override {
        if (!m_splitter.CreateStatic(this, 1, 2))
            return FALSE;
        if (!m_splitter.CreateView(0, 0, RUNTIME_CLASS(NavView), CSize(150, 0), pContext))
            return FALSE;
        CCreateContext hostContext;
        if (pContext != nullptr)
            hostContext = *pContext;
        hostContext.m_pNewViewClass = RUNTIME_CLASS(HostedForm);
        m_pHost = new ViewHost;
        if (!m_pHost->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &m_splitter, nullptr,
                             0, &hostContext))
            return FALSE;
        m_pHost->SetDlgCtrlID(m_splitter.IdFromRowCol(0, 1));
        m_splitter.RecalcLayout();
        return TRUE;
    }

protected:
    afx_msg void OnFrameCommand() { g_handled.push_back("frame"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(SplitMainFrame, CMDIFrameWnd)
BEGIN_MESSAGE_MAP(SplitMainFrame, CMDIFrameWnd)
ON_COMMAND(ID_DV_FRAME_CMD, OnFrameCommand)
END_MESSAGE_MAP()

class MainFrameSplitter : public ::testing::Test {
protected:
    void SetUp() override {
        app.AddDocTemplate(new CSingleDocTemplate(IDR_DV_NOTES, RUNTIME_CLASS(LedgerDoc),
                                                  RUNTIME_CLASS(SplitMainFrame), RUNTIME_CLASS(NavView)));
        app.OnFileNew();
        frame = dynamic_cast<SplitMainFrame*>(app.m_pMainWnd);
        ASSERT_NE(frame, nullptr);
        doc = dynamic_cast<LedgerDoc*>(frame->GetActiveDocument());
        ASSERT_NE(doc, nullptr);
        nav = dynamic_cast<NavView*>(frame->m_splitter.GetPane(0, 0));
        ASSERT_NE(nav, nullptr);
        ASSERT_NE(frame->m_pHost, nullptr);
        form = dynamic_cast<HostedForm*>(frame->m_pHost->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
        ASSERT_NE(form, nullptr);
    }

    AnsweringApp app;
    SplitMainFrame* frame = nullptr;
    LedgerDoc* doc = nullptr;
    NavView* nav = nullptr;
    HostedForm* form = nullptr;
};

TEST_F(MainFrameSplitter, FrameHasNoMdiClientAndShowsTheDocumentAsOneWindow) {
    EXPECT_EQ(frame->m_hWndMDIClient, nullptr);
    EXPECT_EQ(::FindWindowExA(frame->m_hWnd, nullptr, "MDICLIENT", nullptr), nullptr);
    EXPECT_EQ(frame->MDIGetActive(), nullptr);
    EXPECT_EQ(frame->GetActiveFrame(), frame);
    EXPECT_EQ(frame->GetActiveView(), nav);
    EXPECT_TRUE(::IsWindowVisible(frame->m_hWnd));

    // The hosted form belongs to the document although its frame is not the template's.
    EXPECT_EQ(form->GetDocument(), doc);
    EXPECT_EQ(form->GetParentFrame(), frame->m_pHost);
    EXPECT_EQ(form->initialUpdates, 1);
    EXPECT_EQ(TextOf(::GetDlgItem(form->m_hWnd, IDC_DV_NAME)), "Week 12");

    // One document in one main window: no frame numbers in the caption, also after a new title.
    EXPECT_EQ(TextOf(frame->m_hWnd), "Notes - Notes Test");
    EXPECT_EQ(frame->m_nWindow, 0);
    doc->SetTitle("week12.dvn");
    EXPECT_EQ(TextOf(frame->m_hWnd), "week12.dvn - Notes Test");
}

TEST_F(MainFrameSplitter, SplitterFillsTheFrameAndTheHostedFormFillsItsPane) {
    frame->MoveWindow(0, 0, 640, 480);
    CRect client;
    frame->GetClientRect(&client);
    CRect splitterRect;
    frame->m_splitter.GetWindowRect(&splitterRect);
    EXPECT_EQ(splitterRect.Size(), client.Size());

    CRect navRect;
    CRect hostRect;
    nav->GetWindowRect(&navRect);
    frame->m_pHost->GetWindowRect(&hostRect);
    EXPECT_EQ(navRect.Width(), 150);
    EXPECT_EQ(hostRect.left - navRect.right, frame->m_splitter.m_cxSplitter);
    EXPECT_EQ(hostRect.right, splitterRect.right);
    EXPECT_EQ(hostRect.Height(), splitterRect.Height());

    CRect hostClient;
    frame->m_pHost->GetClientRect(&hostClient);
    CRect formRect;
    form->GetWindowRect(&formRect);
    EXPECT_EQ(formRect.Size(), hostClient.Size());

    // Collapsing the navigation column gives the host the room.
    frame->m_splitter.SetColumnInfo(0, 1, 0);
    frame->m_splitter.RecalcLayout();
    frame->m_pHost->GetWindowRect(&hostRect);
    EXPECT_EQ(hostRect.Width(), splitterRect.Width() - 1 - frame->m_splitter.m_cxSplitter);
}

TEST_F(MainFrameSplitter, HintsReachViewsInBothPanesAndCommandsFollowTheRoute) {
    nav->heard.clear();
    form->heard.clear();
    class Change : public CObject {
    } change;
    doc->UpdateAllViews(nav, 12, &change);
    EXPECT_TRUE(nav->heard.empty());
    ASSERT_EQ(form->heard.size(), 1u);
    EXPECT_EQ(form->heard[0].sender, nav);
    EXPECT_EQ(form->heard[0].lHint, 12);
    EXPECT_EQ(form->heard[0].pHint, &change);

    doc->UpdateAllViews(form, 3);
    ASSERT_EQ(nav->heard.size(), 1u);
    EXPECT_EQ(nav->heard[0].sender, form);
    EXPECT_EQ(form->heard.size(), 1u);

    g_handled.clear();
    for (UINT id : {ID_DV_VIEW_CMD, ID_DV_DOC_CMD, ID_DV_FRAME_CMD})
        frame->SendMessage(WM_COMMAND, id);
    EXPECT_EQ(g_handled, (std::vector<std::string>{"nav", "doc", "frame"}));
}

TEST_F(MainFrameSplitter, ClosingTheFrameAsksOnceToSaveAndCancelKeepsEverything) {
    doc->SetModifiedFlag();
    app.answers = {IDCANCEL};
    frame->SendMessage(WM_CLOSE);
    ASSERT_EQ(app.prompts.size(), 1u);
    EXPECT_EQ(app.prompts[0], "Save changes to Notes?");
    EXPECT_EQ(app.m_pMainWnd, frame);
    EXPECT_TRUE(::IsWindow(form->m_hWnd));
    EXPECT_TRUE(doc->IsModified());

    const HWND hFrame = frame->m_hWnd;
    const HWND hForm = form->m_hWnd;
    app.answers = {IDNO};
    frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(app.prompts.size(), 2u);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_FALSE(::IsWindow(hForm));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

TEST_F(MainFrameSplitter, ClosingTheDocumentTakesTheWholeWindowWithIt) {
    const HWND hFrame = frame->m_hWnd;
    const HWND hHost = frame->m_pHost->m_hWnd;
    doc->OnCloseDocument(); // deletes the document
    EXPECT_FALSE(::IsWindow(hHost));
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

} // namespace
