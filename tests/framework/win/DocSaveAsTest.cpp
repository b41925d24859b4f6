// File Save, Save As, File Open and the print switch of the command line: when the user is asked for
// a file name, which name is proposed, and what a cancelled or refused choice leaves behind. The
// application answers the file prompt itself so that no dialog is shown.
#include "DocTestSupport.h"

#include "DocViewTestsResource.h"
#include "framework/core/CArchive.h"
#include "framework/core/CFile.h"
#include "framework/win/CCommandLineInfo.h"
#include "framework/win/CDocument.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CSingleDocTemplate.h"
#include "framework/win/CView.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

using namespace wintest;

namespace {

class MemoDoc : public CDocument {
    DECLARE_DYNCREATE(MemoDoc)
public:
    CString text;
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << text;
        else
            ar >> text;
    }
    void DeleteContents() override { text.Empty(); }
};
IMPLEMENT_DYNCREATE(MemoDoc, CDocument)

class MemoView : public CView {
    DECLARE_DYNCREATE(MemoView)
public:
    static inline int directPrints = 0;
    void OnDraw(CDC*) override {}

protected:
    afx_msg void OnPrintDirect() { ++directPrints; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(MemoView, CView)
BEGIN_MESSAGE_MAP(MemoView, CView)
ON_COMMAND(ID_FILE_PRINT_DIRECT, OnPrintDirect)
END_MESSAGE_MAP()

struct FilePrompt {
    std::string proposed;
    UINT nIDSTitle;
    BOOL bOpen;
};

class PromptApp : public AnsweringApp {
public:
    std::vector<FilePrompt> filePrompts;
    std::deque<std::optional<std::string>> choices; // nullopt: the user cancels

    BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD, BOOL bOpenFileDialog,
                          CDocTemplate*) override {
        filePrompts.push_back({static_cast<LPCSTR>(fileName), nIDSTitle, bOpenFileDialog});
        if (choices.empty() || !choices.front()) {
            if (!choices.empty())
                choices.pop_front();
            return FALSE;
        }
        fileName = choices.front()->c_str();
        choices.pop_front();
        return TRUE;
    }
};

CString StoredText(const std::string& path) {
    CFile file(path.c_str(), CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    CString text;
    ar >> text;
    return text;
}

class DocSaveAs : public ::testing::Test {
protected:
    void SetUp() override {
        app.AddDocTemplate(new CSingleDocTemplate(IDR_DV_NOTES, RUNTIME_CLASS(MemoDoc),
                                                  RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(MemoView)));
        app.OnFileNew();
        frame = dynamic_cast<CFrameWnd*>(app.m_pMainWnd);
        ASSERT_NE(frame, nullptr);
        doc = dynamic_cast<MemoDoc*>(frame->GetActiveDocument());
        ASSERT_NE(doc, nullptr);
    }
    void Command(UINT nID) { frame->SendMessage(WM_COMMAND, nID); }

    PromptApp app;
    ScratchFolder folder;
    CFrameWnd* frame = nullptr;
    MemoDoc* doc = nullptr;
};

TEST_F(DocSaveAs, SavingANewDocumentAsksForANameBuiltFromTitleAndExtension) {
    doc->text = "draft";
    doc->SetModifiedFlag();

    // Cancelled: nothing written, still modified and untitled.
    app.choices = {std::nullopt};
    Command(ID_FILE_SAVE);
    ASSERT_EQ(app.filePrompts.size(), 1u);
    EXPECT_EQ(app.filePrompts[0].proposed, "Notes.dvn");
    EXPECT_EQ(app.filePrompts[0].nIDSTitle, static_cast<UINT>(AFX_IDS_SAVEFILE));
    EXPECT_FALSE(app.filePrompts[0].bOpen);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->GetPathName().IsEmpty());

    const std::string path = folder.File("memo.dvn");
    app.choices = {path};
    Command(ID_FILE_SAVE);
    EXPECT_EQ(app.filePrompts.size(), 2u);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetPathName().CompareNoCase(path.c_str()), 0);
    EXPECT_EQ(doc->GetTitle(), "memo.dvn");
    EXPECT_EQ(StoredText(path), "draft");

    // With a name, Save asks nothing.
    doc->text = "second";
    doc->SetModifiedFlag();
    Command(ID_FILE_SAVE);
    EXPECT_EQ(app.filePrompts.size(), 2u);
    EXPECT_EQ(StoredText(path), "second");
}

TEST_F(DocSaveAs, SaveAsTakesTheNewNameAndLeavesTheOldFile) {
    const std::string first = folder.File("first.dvn");
    const std::string second = folder.File("second.dvn");
    doc->text = "one";
    ASSERT_TRUE(doc->DoSave(first.c_str()));

    doc->text = "two";
    doc->SetModifiedFlag();
    app.choices = {second};
    Command(ID_FILE_SAVE_AS);
    ASSERT_EQ(app.filePrompts.size(), 1u);
    EXPECT_EQ(CString(app.filePrompts[0].proposed.c_str()).CompareNoCase(first.c_str()), 0);
    EXPECT_EQ(doc->GetPathName().CompareNoCase(second.c_str()), 0);
    EXPECT_EQ(StoredText(first), "one");
    EXPECT_EQ(StoredText(second), "two");

    // A copy (bReplace false) writes the file but the document keeps its name and its changes.
    const std::string copy = folder.File("copy.dvn");
    doc->SetModifiedFlag();
    app.choices = {copy};
    EXPECT_TRUE(doc->DoSave(nullptr, FALSE));
    EXPECT_EQ(app.filePrompts.back().nIDSTitle, static_cast<UINT>(AFX_IDS_SAVEFILECOPY));
    EXPECT_EQ(doc->GetPathName().CompareNoCase(second.c_str()), 0);
    EXPECT_EQ(StoredText(copy), "two");
}

TEST_F(DocSaveAs, ReadOnlyFileIsNotOverwrittenButSavedUnderANewName) {
    const std::string locked = folder.File("locked.dvn");
    doc->text = "original";
    ASSERT_TRUE(doc->DoSave(locked.c_str()));
    ASSERT_TRUE(::SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));

    doc->text = "changed";
    doc->SetModifiedFlag();
    app.choices = {std::nullopt};
    EXPECT_FALSE(doc->DoFileSave());
    EXPECT_EQ(app.filePrompts.size(), 1u);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(StoredText(locked), "original");

    const std::string other = folder.File("unlocked.dvn");
    app.choices = {other};
    EXPECT_TRUE(doc->DoFileSave());
    EXPECT_EQ(StoredText(locked), "original");
    EXPECT_EQ(StoredText(other), "changed");
    EXPECT_EQ(doc->GetPathName().CompareNoCase(other.c_str()), 0);
}

TEST_F(DocSaveAs, ChoosingAFolderThatDoesNotExistReportsAndKeepsTheChanges) {
    doc->text = "kept";
    doc->SetModifiedFlag();
    app.choices = {folder.File("no such folder\\memo.dvn")};
    Command(ID_FILE_SAVE);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->GetPathName().IsEmpty());
    EXPECT_EQ(app.prompts.size(), 1u); // the failure was reported
    EXPECT_EQ(doc->text, "kept");
}

TEST_F(DocSaveAs, FileOpenAsksThroughTheApplicationAndOpensTheChosenFile) {
    const std::string path = folder.File("open.dvn");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        ar << CString("from disk");
    }
    app.choices = {std::nullopt};
    app.OnFileOpen(); // the program maps ID_FILE_OPEN to it
    ASSERT_EQ(app.filePrompts.size(), 1u);
    EXPECT_TRUE(app.filePrompts[0].bOpen);
    EXPECT_EQ(app.filePrompts[0].nIDSTitle, static_cast<UINT>(AFX_IDS_OPENFILE));
    EXPECT_TRUE(doc->text.IsEmpty());

    app.choices = {path};
    app.OnFileOpen();
    EXPECT_EQ(app.filePrompts.size(), 2u);
    EXPECT_EQ(frame->GetActiveDocument(), doc);
    EXPECT_EQ(doc->text, "from disk");
    EXPECT_EQ(doc->GetPathName().CompareNoCase(path.c_str()), 0);
}

// "/p file": the file is opened without showing the window, printed without a dialog, and the
// program ends (FALSE) instead of running.
TEST(DocShellPrint, PrintSwitchOpensTheFileHiddenPrintsItAndEnds) {
    PromptApp app;
    app.AddDocTemplate(new CSingleDocTemplate(IDR_DV_NOTES, RUNTIME_CLASS(MemoDoc), RUNTIME_CLASS(CFrameWnd),
                                              RUNTIME_CLASS(MemoView)));
    ScratchFolder folder;
    const std::string path = folder.File("print me.dvn");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        ar << CString("to paper");
    }
    std::string line = "/p \"" + path + "\"";
    app.m_lpCmdLine = line.data();
    app.m_nCmdShow = SW_SHOWNORMAL;
    CCommandLineInfo info;
    app.ParseCommandLine(info);
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FilePrint);
    MemoView::directPrints = 0;
    EXPECT_FALSE(app.ProcessShellCommand(info));
    ASSERT_NE(app.m_pMainWnd, nullptr);
    EXPECT_FALSE(::IsWindowVisible(app.m_pMainWnd->m_hWnd));
    EXPECT_EQ(MemoView::directPrints, 1);
    auto* pDoc = dynamic_cast<MemoDoc*>(dynamic_cast<CFrameWnd*>(app.m_pMainWnd)->GetActiveDocument());
    ASSERT_NE(pDoc, nullptr);
    EXPECT_EQ(pDoc->text, "to paper");
}

TEST(DocShellPrint, PrintSwitchWithAFileThatCannotBeOpenedPrintsNothing) {
    ScratchFolder folder;
    MemoView::directPrints = 0;
    PromptApp other;
    other.AddDocTemplate(new CSingleDocTemplate(IDR_DV_NOTES, RUNTIME_CLASS(MemoDoc),
                                                RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(MemoView)));
    std::string missing = "/p \"" + folder.File("missing.dvn") + "\"";
    other.m_lpCmdLine = missing.data();
    CCommandLineInfo missingInfo;
    other.ParseCommandLine(missingInfo);
    EXPECT_FALSE(other.ProcessShellCommand(missingInfo));
    EXPECT_EQ(MemoView::directPrints, 0);
    EXPECT_EQ(other.prompts.size(), 1u); // the failed open was reported
}

} // namespace
