// The autosaving document: when it saves, what it leaves on disk when a save fails, and when a save is
// due.
#include <gtest/gtest.h>

#include "ScratchRegistry.h"
#include "WindowPartsSupport.h"
#include "foundation/CAcxAutoSaveDoc.h"
#include "framework/core/CArchive.h"
#include "framework/core/CFile.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CSingleDocTemplate.h"
#include "framework/win/CView.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

class LogDoc : public CAcxAutoSaveDoc {
public:
    CString text;
    bool failStore = false;
    int stores = 0;

    void Serialize(CArchive& ar) override {
        if (!ar.IsStoring()) {
            ar >> text;
            return;
        }
        ++stores;
        ar << text;
        if (failStore) {
            ar.Flush(); // part of the new contents has reached the file
            AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL);
        }
    }
    void SetLastSave(__time64_t t) { m_timeLastSave = CTime(t); }
};

std::string ReadAll(const CString& path) {
    std::ifstream in(static_cast<LPCSTR>(path), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> FilesIn(const CString& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE h = FindFirstFileA(folder + "*", &found);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.emplace_back(found.cFileName);
        } while (FindNextFileA(h, &found));
        FindClose(h);
    }
    return names;
}

class AutoSave : public ::testing::Test {
protected:
    ScratchFolder folder;
    LogDoc doc;
    CString path = folder.File("Time Log.bmk");

    // A document that has its own file on disk, saved once with text.
    void SaveFirst(const char* text) {
        doc.text = text;
        ASSERT_TRUE(doc.DoSave(path));
        ASSERT_FALSE(doc.IsModified());
    }
};

TEST_F(AutoSave, DocumentWithoutAFileIsNotWritten) {
    doc.text = "never saved";
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.DoAutoSave(true));
    EXPECT_EQ(doc.stores, 0);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(FilesIn(folder.Path()).empty());
}

TEST_F(AutoSave, UnmodifiedDocumentIsWrittenOnlyWhenForced) {
    SaveFirst("first");
    const int storesBefore = doc.stores;
    EXPECT_TRUE(doc.DoAutoSave(false));
    EXPECT_EQ(doc.stores, storesBefore);
    EXPECT_TRUE(doc.DoAutoSave(true));
    EXPECT_EQ(doc.stores, storesBefore + 1);
}

TEST_F(AutoSave, ModifiedDocumentIsWrittenToItsFileAndKeepsItsPath) {
    SaveFirst("first");
    const CString pathBefore = doc.GetPathName();
    doc.text = "second";
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.DoAutoSave(false));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), pathBefore);
    EXPECT_NE(doc.GetLastSaveTime().GetTime(), 0);
    LogDoc reread;
    ASSERT_TRUE(reread.OnOpenDocument(path));
    EXPECT_EQ(reread.text, "second");
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"Time Log.bmk"});
}

TEST_F(AutoSave, FailedSaveLeavesTheLastGoodFileWhole) {
    SaveFirst("the last good copy");
    const std::string good = ReadAll(path);
    const CTime lastSave = doc.GetLastSaveTime();
    doc.text = "a much longer text that is only partly written before the disk is full";
    doc.SetModifiedFlag();
    doc.failStore = true;
    EXPECT_FALSE(doc.DoAutoSave(false));
    EXPECT_EQ(ReadAll(path), good);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetLastSaveTime(), lastSave);
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"Time Log.bmk"}); // no temporary left
    // The next save that works replaces it.
    doc.failStore = false;
    EXPECT_TRUE(doc.DoAutoSave(false));
    LogDoc reread;
    ASSERT_TRUE(reread.OnOpenDocument(path));
    EXPECT_EQ(reread.text, doc.text);
}

TEST_F(AutoSave, ReadOnlyOrMissingFileIsNotWritten) {
    SaveFirst("first");
    doc.SetModifiedFlag();
    SetFileAttributesA(path, FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(doc.DoAutoSave(false));
    EXPECT_TRUE(doc.IsModified());
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path);
    EXPECT_FALSE(doc.DoAutoSave(true));
    EXPECT_EQ(GetFileAttributesA(path), INVALID_FILE_ATTRIBUTES);
}

TEST_F(AutoSave, DisabledAutoSaveDoesNothingAndSucceeds) {
    SaveFirst("first");
    doc.SetModifiedFlag();
    const int storesBefore = doc.stores;
    doc.EnableAutoSave(false);
    EXPECT_TRUE(doc.DoAutoSave(true));
    EXPECT_EQ(doc.stores, storesBefore);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(AutoSave, SaveOnModificationWaitsForTheInterval) {
    SaveFirst("first");
    doc.SetAutoSave(600, 1);
    const int storesBefore = doc.stores;
    doc.SetModifiedFlag(); // just saved: not due
    EXPECT_EQ(doc.stores, storesBefore);
    EXPECT_TRUE(doc.IsModified());

    doc.SetLastSave(CTime::GetCurrentTime().GetTime() - 601);
    doc.SetModifiedFlag(); // due: saved at once
    EXPECT_EQ(doc.stores, storesBefore + 1);
    EXPECT_FALSE(doc.IsModified());

    // Without flag bit 0 a modification never saves.
    doc.SetAutoSave(600, 0);
    doc.SetLastSave(CTime::GetCurrentTime().GetTime() - 6000);
    doc.SetModifiedFlag();
    EXPECT_EQ(doc.stores, storesBefore + 1);
}

TEST_F(AutoSave, DueTestCountsSignedSecondsSinceTheLastSave) {
    doc.SetAutoSave(600, 0);
    EXPECT_TRUE(doc.IsAutoSaveDue()); // never saved
    const __time64_t now = CTime::GetCurrentTime().GetTime();
    doc.SetLastSave(now - 599);
    EXPECT_FALSE(doc.IsAutoSaveDue());
    doc.SetLastSave(now - 600);
    EXPECT_TRUE(doc.IsAutoSaveDue());
    doc.SetLastSave(now + 3600); // the clock was set back
    EXPECT_FALSE(doc.IsAutoSaveDue());
}

// ---------------------------------------------------------------------------------------------------
// The autosaving document in a program: a template, its frame and a view

class ProgramLogDoc : public LogDoc {
    DECLARE_DYNCREATE(ProgramLogDoc)
public:
    void DeleteContents() override { text.Empty(); }
};
IMPLEMENT_DYNCREATE(ProgramLogDoc, CAcxAutoSaveDoc)

class LogTextView : public CView {
    DECLARE_DYNCREATE(LogTextView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(LogTextView, CView)

class LogProgram : public wptest::RecordingApp {
public:
    LogProgram() {
        AddDocTemplate(new CSingleDocTemplate(0, RUNTIME_CLASS(ProgramLogDoc), RUNTIME_CLASS(CFrameWnd),
                                              RUNTIME_CLASS(LogTextView)));
    }
    ~LogProgram() override {
        if (m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr)
            m_pMainWnd->DestroyWindow();
    }
    ProgramLogDoc* Open(const CString& path) { return dynamic_cast<ProgramLogDoc*>(OpenDocumentFile(path)); }
};

TEST(AutoSaveProgram, OpenModifyAutoSaveAndReopen) {
    ScratchFolder folder;
    const CString path = folder.File("Time Log.bmk");
    LogProgram program;
    program.OnFileNew();
    auto* pDoc =
        dynamic_cast<ProgramLogDoc*>(dynamic_cast<CFrameWnd*>(program.m_pMainWnd)->GetActiveDocument());
    ASSERT_NE(pDoc, nullptr);
    pDoc->text = "Monday";
    ASSERT_TRUE(pDoc->DoSave(path));

    ASSERT_EQ(program.Open(path), pDoc);
    EXPECT_EQ(pDoc->text, "Monday");
    pDoc->text = "Monday and Tuesday";
    pDoc->SetModifiedFlag();
    ASSERT_TRUE(pDoc->DoAutoSave(false));
    EXPECT_FALSE(pDoc->IsModified());
    EXPECT_EQ(pDoc->GetPathName().CompareNoCase(path), 0);
    EXPECT_EQ(pDoc->GetTitle(), "Time Log.bmk");

    program.OnFileNew(); // empties the one document of the template
    EXPECT_TRUE(pDoc->text.IsEmpty());
    ASSERT_EQ(program.Open(path), pDoc);
    EXPECT_EQ(pDoc->text, "Monday and Tuesday");
    EXPECT_FALSE(pDoc->IsModified());
    EXPECT_TRUE(program.prompts.empty());
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"Time Log.bmk"});

    // A failing automatic save says nothing and keeps the file; the user's own save reports it.
    const std::string good = ReadAll(path);
    pDoc->text = "never stored";
    pDoc->SetModifiedFlag();
    pDoc->failStore = true;
    EXPECT_FALSE(pDoc->DoAutoSave(false));
    EXPECT_TRUE(program.prompts.empty());
    EXPECT_FALSE(pDoc->DoFileSave());
    ASSERT_EQ(program.prompts.size(), 1u);
    EXPECT_EQ(ReadAll(path), good);
    EXPECT_TRUE(pDoc->IsModified());
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"Time Log.bmk"});
}

} // namespace
