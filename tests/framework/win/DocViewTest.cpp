// Documents, templates and views: a small notes program that is created, modified, saved and opened
// again; views that hear of changes; saving that keeps the old file when it fails; the application's
// File New, Open, recent files and command line.
#include "DocTestSupport.h"

#include "DocViewTestsResource.h"
#include "framework/core/CArchive.h"
#include "framework/core/CFile.h"
#include "framework/win/CCreateContext.h"
#include "framework/win/CDocTemplate.h"
#include "framework/win/CDocument.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CRecentFileList.h"
#include "framework/win/CSingleDocTemplate.h"
#include "framework/win/CView.h"

#include <string>
#include <vector>

using namespace wintest;

namespace {

// ---------------------------------------------------------------------------------------------------
// The notes program

class NotesDoc : public CDocument {
    DECLARE_DYNCREATE(NotesDoc)
public:
    CString text;
    int count = 0;
    bool failStore = false; // Serialize throws after writing part of the file
    int docCommands = 0;

    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar << text;
            if (failStore) {
                ar.Flush();
                AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL);
            }
            ar << count;
        } else {
            ar >> text >> count;
        }
    }
    void DeleteContents() override {
        text.Empty();
        count = 0;
    }

protected:
    afx_msg void OnDocCommand() { ++docCommands; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(NotesDoc, CDocument)
BEGIN_MESSAGE_MAP(NotesDoc, CDocument)
ON_COMMAND(ID_DV_DOC_CMD, OnDocCommand)
END_MESSAGE_MAP()

struct Hint {
    CView* sender;
    LPARAM lHint;
    CObject* pHint;
};

class NotesView : public CView {
    DECLARE_DYNCREATE(NotesView)
public:
    std::vector<Hint> hints;
    int initialUpdates = 0;
    int viewCommands = 0;
    int draws = 0;
    std::vector<BOOL> activations;

    NotesDoc* GetDocument() const { return static_cast<NotesDoc*>(m_pDocument); }
    void OnDraw(CDC*) override { ++draws; }
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override {
        hints.push_back({pSender, lHint, pHint});
        CView::OnUpdate(pSender, lHint, pHint);
    }
    void OnInitialUpdate() override {
        ++initialUpdates;
        CView::OnInitialUpdate();
    }
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override {
        activations.push_back(bActivate);
        CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
    }

protected:
    afx_msg void OnViewCommand() { ++viewCommands; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(NotesView, CView)
BEGIN_MESSAGE_MAP(NotesView, CView)
ON_COMMAND(ID_DV_VIEW_CMD, OnViewCommand)
END_MESSAGE_MAP()

class NotesApp : public AnsweringApp {
public:
    // File New: the document in the main frame.
    NotesDoc* NewNotes() {
        OnFileNew();
        auto* pFrame = dynamic_cast<CFrameWnd*>(m_pMainWnd);
        return pFrame != nullptr ? dynamic_cast<NotesDoc*>(pFrame->GetActiveDocument()) : nullptr;
    }
    CSingleDocTemplate* AddNotesTemplate() {
        auto* pTemplate = new CSingleDocTemplate(IDR_DV_NOTES, RUNTIME_CLASS(NotesDoc),
                                                 RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(NotesView));
        AddDocTemplate(pTemplate);
        return pTemplate;
    }
};

NotesView* FirstView(CDocument* pDoc) {
    POSITION pos = pDoc->GetFirstViewPosition();
    return pos != nullptr ? static_cast<NotesView*>(pDoc->GetNextView(pos)) : nullptr;
}

// ---------------------------------------------------------------------------------------------------

TEST(DocView, NewModifySaveAndReopen) {
    NotesApp app;
    app.AddNotesTemplate();
    ScratchFolder folder;
    const std::string path = folder.File("week.dvn");

    app.OnFileNew();
    auto* pFrame = dynamic_cast<CFrameWnd*>(app.m_pMainWnd);
    ASSERT_NE(pFrame, nullptr);
    auto* pDoc = dynamic_cast<NotesDoc*>(pFrame->GetActiveDocument());
    ASSERT_NE(pDoc, nullptr);
    EXPECT_EQ(TextOf(pFrame->m_hWnd), "Notes - Notes Test"); // default title from the document string
    NotesView* pView = FirstView(pDoc);
    ASSERT_NE(pView, nullptr);
    EXPECT_EQ(pFrame->GetActiveView(), pView);
    EXPECT_EQ(pView->initialUpdates, 1);
    EXPECT_TRUE(::IsWindowVisible(pFrame->m_hWnd));

    pDoc->text = "Meeting with the client";
    pDoc->count = 42;
    pDoc->SetModifiedFlag();
    ASSERT_TRUE(pDoc->DoSave(path.c_str()));
    EXPECT_FALSE(pDoc->IsModified());
    EXPECT_EQ(TextOf(pFrame->m_hWnd), "week.dvn - Notes Test");
    EXPECT_EQ(app.m_pRecentFileList, nullptr); // no list loaded: nothing to add to

    // A new document empties the one document of the template; opening brings the file back.
    app.OnFileNew();
    EXPECT_EQ(pFrame->GetActiveDocument(), pDoc);
    EXPECT_TRUE(pDoc->text.IsEmpty());
    EXPECT_TRUE(pDoc->GetPathName().IsEmpty());
    CDocument* pOpened = app.OpenDocumentFile(path.c_str());
    ASSERT_EQ(pOpened, pDoc);
    EXPECT_EQ(pDoc->text, "Meeting with the client");
    EXPECT_EQ(pDoc->count, 42);
    EXPECT_FALSE(pDoc->IsModified());
    EXPECT_EQ(pDoc->GetPathName().CompareNoCase(path.c_str()), 0);
    EXPECT_TRUE(app.prompts.empty());
}

TEST(DocView, OpeningAMissingOrDamagedFileReportsAndKeepsTheDocument) {
    NotesApp app;
    app.AddNotesTemplate();
    ScratchFolder folder;
    NotesDoc* pDoc = app.NewNotes();
    ASSERT_NE(pDoc, nullptr);
    pDoc->text = "unsaved";

    EXPECT_EQ(app.OpenDocumentFile(folder.File("missing.dvn").c_str()), nullptr);
    ASSERT_EQ(app.prompts.size(), 1u);
    EXPECT_EQ(pDoc->text, "unsaved"); // nothing was read, nothing lost

    // A truncated file: the text is there, the number is not.
    const std::string damaged = folder.File("damaged.dvn");
    std::ofstream(damaged, std::ios::binary) << std::string("\x03"
                                                            "abc",
                                                            4);
    EXPECT_EQ(app.OpenDocumentFile(damaged.c_str()), nullptr);
    EXPECT_EQ(app.prompts.size(), 2u);
}

TEST(DocView, FailedSaveLeavesTheOldFileWholeAndIsReported) {
    NotesApp app;
    app.AddNotesTemplate();
    ScratchFolder folder;
    const std::string path = folder.File("log.dvn");
    NotesDoc* pDoc = app.NewNotes();
    pDoc->text = "first version";
    pDoc->count = 1;
    ASSERT_TRUE(pDoc->DoSave(path.c_str()));
    const std::string good = ReadAll(path);
    ASSERT_FALSE(good.empty());

    pDoc->text = "second version that never reaches the disk";
    pDoc->SetModifiedFlag();
    pDoc->failStore = true;
    EXPECT_FALSE(pDoc->DoSave(path.c_str()));
    EXPECT_EQ(ReadAll(path), good);
    EXPECT_TRUE(pDoc->IsModified());
    EXPECT_EQ(app.prompts.size(), 1u);
    EXPECT_EQ(folder.Files(), std::vector<std::string>{"log.dvn"}); // no temporary file left behind
}

TEST(DocView, SaveModifiedAsksAndFollowsTheAnswer) {
    NotesApp app;
    app.AddNotesTemplate();
    ScratchFolder folder;
    const std::string path = folder.File("ask.dvn");
    NotesDoc* pDoc = app.NewNotes();
    ASSERT_TRUE(pDoc->DoSave(path.c_str()));

    EXPECT_TRUE(pDoc->SaveModified()); // not modified: no question
    EXPECT_TRUE(app.prompts.empty());

    pDoc->text = "changed";
    pDoc->SetModifiedFlag();
    app.answers = {IDCANCEL};
    EXPECT_FALSE(pDoc->SaveModified());
    ASSERT_EQ(app.prompts.size(), 1u);
    EXPECT_EQ(app.prompts[0], "Save changes to ask.dvn?");
    EXPECT_TRUE(pDoc->IsModified());

    app.answers = {IDNO};
    EXPECT_TRUE(pDoc->SaveModified());
    EXPECT_TRUE(pDoc->IsModified());

    app.answers = {IDYES};
    EXPECT_TRUE(pDoc->SaveModified());
    EXPECT_FALSE(pDoc->IsModified());
    CFile file(path.c_str(), CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    CString stored;
    ar >> stored;
    EXPECT_EQ(stored, "changed");
}

TEST(DocView, ClosingTheMainFrameAsksToSaveAndCancelKeepsEverything) {
    NotesApp app;
    app.AddNotesTemplate();
    app.OnFileNew();
    CWnd* pFrame = app.m_pMainWnd;
    auto* pDoc = dynamic_cast<NotesDoc*>(dynamic_cast<CFrameWnd*>(pFrame)->GetActiveDocument());
    pDoc->SetModifiedFlag();

    app.answers = {IDCANCEL};
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_EQ(app.m_pMainWnd, pFrame);
    EXPECT_TRUE(::IsWindow(pFrame->m_hWnd));

    app.answers = {IDNO};
    const HWND hWnd = pFrame->m_hWnd;
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(app.prompts.size(), 2u);
}

TEST(DocView, UpdateAllViewsReachesEveryViewButTheSender) {
    NotesApp app;
    CSingleDocTemplate* pTemplate = app.AddNotesTemplate();
    NotesDoc* pDoc = app.NewNotes();
    auto* pFrame = dynamic_cast<CFrameWnd*>(app.m_pMainWnd);
    auto* pFirst = FirstView(pDoc);
    // A second and third view of the same document in the same frame.
    CCreateContext context;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = RUNTIME_CLASS(NotesView);
    context.m_pNewDocTemplate = pTemplate;
    auto* pSecond = dynamic_cast<NotesView*>(pFrame->CreateView(&context, AFX_IDW_PANE_FIRST + 1));
    auto* pThird = dynamic_cast<NotesView*>(pFrame->CreateView(&context, AFX_IDW_PANE_FIRST + 2));
    ASSERT_NE(pSecond, nullptr);
    ASSERT_NE(pThird, nullptr);
    for (NotesView* v : std::vector<NotesView*>{pFirst, pSecond, pThird})
        v->hints.clear();

    class HintObject : public CObject {
    } hintObject;
    pDoc->UpdateAllViews(pSecond, 7, &hintObject);
    ASSERT_EQ(pFirst->hints.size(), 1u);
    EXPECT_EQ(pFirst->hints[0].sender, pSecond);
    EXPECT_EQ(pFirst->hints[0].lHint, 7);
    EXPECT_EQ(pFirst->hints[0].pHint, &hintObject);
    EXPECT_TRUE(pSecond->hints.empty());
    ASSERT_EQ(pThird->hints.size(), 1u);

    // A view that goes leaves the document; the document stays while other views show it.
    pThird->DestroyWindow();
    int count = 0;
    for (POSITION pos = pDoc->GetFirstViewPosition(); pos != nullptr; pDoc->GetNextView(pos))
        ++count;
    EXPECT_EQ(count, 2);
    pDoc->UpdateAllViews(nullptr, 1);
    EXPECT_EQ(pFirst->hints.size(), 2u);
    EXPECT_EQ(pSecond->hints.size(), 1u);
}

TEST(DocView, FramesOfOneDocumentAreNumberedInTheirCaptions) {
    NotesApp app;
    CSingleDocTemplate* pTemplate = app.AddNotesTemplate();
    NotesDoc* pDoc = app.NewNotes();
    auto* pFirst = dynamic_cast<CFrameWnd*>(app.m_pMainWnd);
    pDoc->SetTitle("week.dvn");
    EXPECT_EQ(TextOf(pFirst->m_hWnd), "week.dvn - Notes Test");

    // A second window on the same document.
    CFrameWnd* pSecond = pTemplate->CreateNewFrame(pDoc, pFirst);
    ASSERT_NE(pSecond, nullptr);
    pTemplate->InitialUpdateFrame(pSecond, pDoc);
    EXPECT_EQ(TextOf(pFirst->m_hWnd), "week.dvn:1 - Notes Test");
    EXPECT_EQ(TextOf(pSecond->m_hWnd), "week.dvn:2 - Notes Test");

    // Without FWS_PREFIXTITLE the program's name comes first.
    pSecond->ModifyStyle(FWS_PREFIXTITLE, 0);
    pSecond->OnUpdateFrameTitle(TRUE);
    EXPECT_EQ(TextOf(pSecond->m_hWnd), "Notes Test - week.dvn:2");

    // Closing one leaves a single window, numbered no more; the document stays.
    pSecond->SendMessage(WM_CLOSE);
    EXPECT_EQ(TextOf(pFirst->m_hWnd), "week.dvn - Notes Test");
    EXPECT_EQ(pFirst->GetActiveDocument(), pDoc);
}

TEST(DocView, RecentFileThatCannotBeOpenedLeavesTheList) {
    NotesApp app;
    app.AddNotesTemplate();
    ScratchFolder folder;
    app.m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d", 4);
    const std::string good = folder.File("good.dvn");
    const std::string gone = folder.File("gone.dvn");
    NotesDoc* pDoc = app.NewNotes();
    pDoc->text = "kept";
    ASSERT_TRUE(pDoc->DoSave(good.c_str())); // saving puts it on the list
    app.AddToRecentFileList(gone.c_str());   // now first, second is good.dvn
    ASSERT_EQ((*app.m_pRecentFileList)[1].CompareNoCase(good.c_str()), 0);

    app.OnFileNew();
    // The recent-file commands reach the application through the frame's routing.
    app.m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_MRU_FILE1);
    EXPECT_EQ((*app.m_pRecentFileList)[0].CompareNoCase(good.c_str()), 0); // gone.dvn was removed
    app.m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_MRU_FILE1);
    EXPECT_EQ(pDoc->text, "kept");
    EXPECT_EQ(pDoc->GetPathName().CompareNoCase(good.c_str()), 0);
}

struct ShellCase {
    const char* commandLine;
    bool expectedResult;
    bool expectMainWindow;
    bool expectDocumentOpened;
    int expectedCmdShow; // -2: not checked
};

class ShellCommand : public ::testing::TestWithParam<ShellCase> {};

TEST_P(ShellCommand, CarriesOutTheCommandLine) {
    const ShellCase& c = GetParam();
    NotesApp app;
    app.AddNotesTemplate();
    ScratchFolder folder;
    const std::string path = folder.File("shell.dvn");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        ar << CString("from the shell") << 5;
    }
    std::string line = c.commandLine;
    const size_t at = line.find("%FILE%");
    if (at != std::string::npos)
        line.replace(at, 6, "\"" + path + "\"");
    app.m_lpCmdLine = line.data();
    app.m_nCmdShow = SW_SHOWNORMAL;
    CCommandLineInfo info;
    app.ParseCommandLine(info);
    const BOOL result = app.ProcessShellCommand(info);
    EXPECT_EQ(result != FALSE, c.expectedResult) << c.commandLine;
    EXPECT_EQ(app.m_pMainWnd != nullptr, c.expectMainWindow) << c.commandLine;
    if (c.expectDocumentOpened) {
        auto* pDoc = dynamic_cast<NotesDoc*>(dynamic_cast<CFrameWnd*>(app.m_pMainWnd)->GetActiveDocument());
        ASSERT_NE(pDoc, nullptr);
        EXPECT_EQ(pDoc->text, "from the shell");
    }
    if (c.expectedCmdShow != -2) {
        EXPECT_EQ(app.m_nCmdShow, c.expectedCmdShow) << c.commandLine;
    }
    AfxOleSetUserCtrl(TRUE);
}

INSTANTIATE_TEST_SUITE_P(
    DocView, ShellCommand,
    ::testing::Values(ShellCase{"", true, true, false, -1}, ShellCase{"%FILE%", true, true, true, -1},
                      ShellCase{"\"c:\\no such folder\\x.dvn\"", false, false, false, -2},
                      ShellCase{"/Register", false, false, false, SW_SHOWNORMAL},
                      ShellCase{"/Unregserver", false, false, false, SW_SHOWNORMAL},
                      ShellCase{"/dde", true, false, false, SW_HIDE},
                      ShellCase{"/Embedding", true, true, false, -1},
                      ShellCase{"/Automation", true, true, false, -1}));

TEST(DocView, EmbeddedStartKeepsTheMainWindowHidden) {
    NotesApp app;
    app.AddNotesTemplate();
    char line[] = "/Automation";
    app.m_lpCmdLine = line;
    app.m_nCmdShow = SW_SHOWNORMAL;
    CCommandLineInfo info;
    app.ParseCommandLine(info);
    ASSERT_TRUE(app.ProcessShellCommand(info));
    ASSERT_NE(app.m_pMainWnd, nullptr);
    EXPECT_FALSE(::IsWindowVisible(app.m_pMainWnd->m_hWnd));
    AfxOleSetUserCtrl(TRUE);
}

} // namespace
