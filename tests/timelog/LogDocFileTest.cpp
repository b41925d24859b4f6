// The document file: what a save writes and an open reads back, older versions, damaged and too new
// files, saves that fail part way, and mutated files.
#include "ModelTestSupport.h"

#include "data/CBill.h"
#include "framework/core/CArchive.h"
#include "framework/core/CFile.h"

#include <memory>
#include <set>

using namespace modeltest;
using archive_test::ReadRawFile;
using archive_test::WriteRawFile;

namespace {

class LogDocFile : public ModelTest {
protected:
    // A log with something in every field the file carries.
    void Fill(CLogDoc& doc) {
        auto* type = new CProjectType("Fixed price");
        doc.AddProjectType(type);
        auto* client = new CClient;
        client->SetCompanyName("Acme");
        doc.AddClient(client);
        auto* alpha = new CProject("Alpha", 0.0);
        alpha->m_pProjectType = type;
        alpha->m_pClient = client;
        doc.AddProject(alpha);
        doc.AddProject(new CProject("Beta", 0.0));
        doc.AddCategory(new CCategory("Design", "drawing"));
        auto* pick = new CLogEntry;
        pick->m_Name = "Standup";
        pick->m_pProject = alpha;
        doc.AddQuickPick(pick);
        for (int i = 0; i < 3; ++i) {
            auto* entry = new CLogEntry;
            entry->m_StartTime = At(2024, 3, 4 + i, 9);
            entry->m_EndTime = At(2024, 3, 4 + i, 10, 30);
            entry->m_pProject = alpha;
            entry->m_pCategory = doc.m_Categories.GetAt(0);
            entry->m_pClient = client;
            entry->m_Desc.Format("entry %d", i);
            doc.AddLogEntry(entry);
        }
        doc.m_bTiming = true;
        doc.m_TimingStart = At(2024, 3, 7, 8);
        doc.m_CurrentEntry.m_Desc = "running";
        doc.m_CurrentEntry.m_pProject = alpha;
        doc.m_ViewFilter.m_pProject = alpha;
    }

    CString Path(const char* name) const { return m_folder.File(name); }

    // A document opened on the file; nullptr (with the document's own deletion) when the open failed.
    std::unique_ptr<CLogDoc> Open(const CString& path) {
        auto doc = std::make_unique<CLogDoc>();
        doc->m_bAutoDelete = FALSE;
        if (!doc->OnOpenDocument(path))
            return nullptr;
        return doc;
    }

    // No object is in two lists or twice in one, and every entry points at a project of the list.
    static void ExpectSoundModel(CLogDoc& doc) {
        std::set<const CObject*> seen;
        const auto claim = [&seen](const auto& list) {
            for (INT_PTR i = 0; i < list.GetSize(); ++i)
                EXPECT_TRUE(seen.insert(list.GetAt(i)).second) << "an object held twice";
        };
        claim(doc.m_Projects);
        claim(doc.m_Categories);
        claim(doc.m_ProjectTypes);
        claim(doc.m_Clients);
        claim(doc.m_QuickPicks);
        claim(doc.m_LogEntries);
        claim(doc.m_ArchiveOrphans);
        for (INT_PTR i = 0; i < doc.m_LogEntries.GetSize(); ++i)
            EXPECT_GE(doc.IndexOfProject(doc.m_LogEntries.GetAt(i)->m_pProject), 0);
        EXPECT_EQ(doc.GetCategoryCount(false), 0);
    }

    ScratchFolder m_folder;
    RecordingApp m_app;
};

TEST_F(LogDocFile, SavedLogOpensWithEveryField) {
    CLogDoc saved;
    saved.m_bAutoDelete = FALSE;
    Fill(saved);
    ASSERT_TRUE(saved.OnSaveDocument(Path("Time Log.bmk")));

    auto doc = Open(Path("Time Log.bmk"));
    ASSERT_NE(doc, nullptr);
    ASSERT_EQ(doc->m_LogEntries.GetSize(), 3);
    ASSERT_NE(doc->FindProjectByName("Alpha"), nullptr);
    CProject* alpha = doc->FindProjectByName("Alpha");
    EXPECT_NE(doc->GetNoneProject(), nullptr);
    EXPECT_EQ(doc->m_ProjectTypes.GetSize(), 1);
    EXPECT_EQ(alpha->m_pProjectType, doc->m_ProjectTypes.GetAt(0)) << "the shared type is one object";
    EXPECT_EQ(alpha->m_pClient, doc->FindClientByName("Acme"));
    for (INT_PTR i = 0; i < 3; ++i) {
        const CLogEntry* entry = doc->m_LogEntries.GetAt(i);
        EXPECT_EQ(entry->m_pProject, alpha);
        EXPECT_EQ(entry->m_pCategory, doc->FindCategoryByName("Design"));
        EXPECT_EQ(entry->m_StartTime, At(2024, 3, 4 + static_cast<int>(i), 9));
        EXPECT_EQ(entry->m_EndTime, At(2024, 3, 4 + static_cast<int>(i), 10, 30));
    }
    EXPECT_EQ(doc->m_LogEntries.GetAt(2)->m_Desc, "entry 2");
    ASSERT_EQ(doc->m_QuickPicks.GetSize(), 1);
    EXPECT_EQ(doc->FindQuickPickByName("Standup"), doc->m_QuickPicks.GetAt(0));
    EXPECT_TRUE(doc->IsTiming());
    EXPECT_EQ(doc->m_TimingStart, At(2024, 3, 7, 8));
    EXPECT_EQ(doc->m_CurrentEntry.m_Desc, "running");
    EXPECT_EQ(doc->m_CurrentEntry.m_pProject, alpha);
    EXPECT_EQ(doc->m_ViewFilter.m_pProject, alpha);
    ExpectSoundModel(*doc);
}

TEST_F(LogDocFile, StoreWritesVersionElevenWithEmptyOldLists) {
    CLogDoc doc;
    Fill(doc);
    doc.m_Categories2.Add(new CCategory("Old", ""));
    const Bytes bytes = archive_test::Store([&](CArchive& ar) { doc.Serialize(ar); });
    CLogDoc read;
    archive_test::Load(bytes, [&](CArchive& ar) {
        DWORD version = 0;
        ar >> version;
        EXPECT_EQ(version, 11u);
        for (int list = 0; list < 2; ++list) // projects, categories
            for (DWORD_PTR n = ar.ReadCount(); n > 0; --n)
                ar.ReadObject(nullptr);
        EXPECT_EQ(ar.ReadCount(), 0u) << "second category list";
        EXPECT_EQ(ar.ReadCount(), 0u) << "legacy list";
        EXPECT_EQ(ar.ReadCount(), 0u) << "old-style log";
    });
}

// A version 2 file: projects, categories, a second category list, the old-style log and the timing byte.
TEST_F(LogDocFile, VersionTwoFileReadsItsFieldsAndLeavesTheRestEmpty) {
    CProject project("Gamma", 0.0);
    CProject deleted("Gone", 0.0);
    CCategory first("Meeting", "");
    CCategory second("Old list", "");
    CLogEntry kept;
    kept.m_pProject = &project;
    kept.m_Desc = "kept";
    CLogEntry orphan;
    orphan.m_pProject = &deleted;
    orphan.m_Desc = "project was deleted";
    const Bytes bytes = archive_test::Store([&](CArchive& ar) {
        ar << DWORD{2};
        ar.WriteCount(1);
        ar.WriteObject(&project);
        ar.WriteCount(1);
        ar.WriteObject(&first);
        ar.WriteCount(1);
        ar.WriteObject(&second);
        ar.WriteCount(2);
        kept.Serialize(ar);
        orphan.Serialize(ar);
        ar << BYTE{0};
    });
    const CString path = Path("v2.bmk");
    WriteRawFile(path.GetString(), std::string(bytes.begin(), bytes.end()));

    auto doc = Open(path);
    ASSERT_NE(doc, nullptr);
    ASSERT_EQ(doc->m_LogEntries.GetSize(), 2);
    EXPECT_EQ(doc->m_LogEntries.GetAt(0)->m_pProject, doc->FindProjectByName("Gamma"));
    EXPECT_EQ(doc->m_LogEntries.GetAt(1)->m_Desc, "project was deleted");
    EXPECT_EQ(doc->m_LogEntries.GetAt(1)->m_pProject, doc->GetNoneProject());
    EXPECT_TRUE(doc->m_LogEntries.GetAt(1)->IsModified());
    EXPECT_NE(doc->FindCategoryByName("Old list"), nullptr) << "the second list joins the categories";
    EXPECT_EQ(doc->GetCategoryCount(true), 2);
    EXPECT_EQ(doc->m_ProjectTypes.GetSize(), 0);
    EXPECT_EQ(doc->m_Clients.GetSize(), 0);
    EXPECT_EQ(doc->m_QuickPicks.GetSize(), 0);
    EXPECT_FALSE(doc->IsTiming());
    EXPECT_EQ(doc->m_ViewFilter.m_pProject, nullptr);
    ExpectSoundModel(*doc);
}

// Versions outside 2..11, a file cut short and bytes that are no document: refused with a message naming
// the file, the document left empty, and the file as it was.
TEST_F(LogDocFile, DamagedTruncatedAndTooNewFilesAreRefusedAndLeftAlone) {
    CLogDoc saved;
    Fill(saved);
    const Bytes valid = archive_test::Store([&](CArchive& ar) { saved.Serialize(ar); });
    struct Case {
        const char* name;
        Bytes bytes;
    };
    Bytes tooNew = valid;
    tooNew[0] = 12;
    Bytes tooOld = valid;
    tooOld[0] = 1;
    const Case cases[] = {
        {"too new", tooNew},
        {"too old", tooOld},
        {"cut short", Bytes(valid.begin(), valid.begin() + static_cast<ptrdiff_t>(valid.size() / 2))},
        {"one byte short", Bytes(valid.begin(), valid.end() - 1)},
        {"text", archive_test::Text("This is not a time log at all, just words.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CString path = Path("damaged.bmk");
        const std::string content(c.bytes.begin(), c.bytes.end());
        WriteRawFile(path.GetString(), content);
        m_app.prompts.clear();
        CLogDoc doc;
        doc.m_bAutoDelete = FALSE;
        EXPECT_FALSE(doc.OnOpenDocument(path));
        EXPECT_EQ(doc.GetProjectCount(), 0);
        EXPECT_EQ(doc.GetLogEntryCount(), 0);
        ASSERT_EQ(m_app.prompts.size(), 1u);
        EXPECT_NE(m_app.prompts[0].find("damaged.bmk"), std::string::npos) << m_app.prompts[0];
        EXPECT_EQ(ReadRawFile(path.GetString()), content);
    }
}

// A document that held one log and fails to open another writes nothing over the first.
TEST_F(LogDocFile, FailedOpenDoesNotSaveOverThePreviousLog) {
    CLogDoc doc;
    doc.m_bAutoDelete = FALSE;
    Fill(doc);
    const CString first = Path("first.bmk");
    ASSERT_TRUE(doc.OnSaveDocument(first));
    doc.SetPathName(first, FALSE);
    const std::string before = ReadRawFile(first.GetString());
    doc.SetAutoSave(0, CAcxAutoSaveDoc::autoSaveOnModify); // every change would be saved at once
    const CString broken = Path("broken.bmk");
    WriteRawFile(broken.GetString(), std::string("\x0b\x00\x00\x00\x05", 5));

    EXPECT_FALSE(doc.OnOpenDocument(broken));
    EXPECT_EQ(ReadRawFile(first.GetString()), before);
}

// A save that fails part way (a time the file format cannot hold) keeps the last good file whole.
TEST_F(LogDocFile, FailedSaveKeepsTheOldFile) {
    CLogDoc doc;
    doc.m_bAutoDelete = FALSE;
    Fill(doc);
    const CString path = Path("Time Log.bmk");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    const std::string before = ReadRawFile(path.GetString());
    doc.m_LogEntries.GetAt(1)->m_StartTime = CTime(static_cast<__time64_t>(0x100000000LL + 86400));
    doc.m_LogEntries.GetAt(1)->m_Desc = "never written";

    EXPECT_FALSE(doc.OnSaveDocument(path));
    EXPECT_EQ(ReadRawFile(path.GetString()), before);
    auto reopened = Open(path);
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->m_LogEntries.GetAt(1)->m_Desc, "entry 1");
}

// One object named twice (in two lists, and twice in one list) gets a single owner, so closing the
// document frees each object once; objects only pointed at are kept for the pointers.
TEST_F(LogDocFile, ObjectsNamedTwiceHaveOneOwner) {
    CProject project("Delta", 0.0);
    CProject loose("Loose", 0.0);
    CCategory category("Shared", "");
    CLogEntry entry;
    entry.m_pProject = &project;
    entry.m_pCategory = &category;
    CLogEntry pointing;
    pointing.m_pProject = &loose;
    CViewFilter filter;
    filter.m_pProject = &loose;
    CLogEntry current;
    const CProject placeholder;
    const Bytes bytes = archive_test::Store([&](CArchive& ar) {
        ar << DWORD{11};
        ar.WriteCount(2);
        ar.WriteObject(&project);
        ar.WriteObject(&project);
        ar.WriteCount(1);
        ar.WriteObject(&category);
        ar.WriteCount(1);
        ar.WriteObject(&category); // the second category list names the same category
        ar.WriteCount(0);
        ar.WriteCount(0);
        ar << BYTE{0} << CTime(static_cast<__time64_t>(0));
        ar.WriteCount(0);
        filter.Serialize(ar);
        current.Serialize(ar);
        ar.WriteObject(&placeholder);
        ar.WriteCount(1);
        ar.WriteObject(&entry);
        ar.WriteCount(0);
        ar.WriteCount(3);
        ar.WriteObject(&entry); // already a quick pick
        ar.WriteObject(&pointing);
        ar.WriteObject(&pointing);
    });
    const CString path = Path("twice.bmk");
    WriteRawFile(path.GetString(), std::string(bytes.begin(), bytes.end()));

    auto doc = Open(path);
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->m_QuickPicks.GetSize(), 1);
    ASSERT_EQ(doc->m_LogEntries.GetSize(), 1);
    EXPECT_EQ(doc->m_LogEntries.GetAt(0)->m_pProject, doc->GetNoneProject()) << "its project is not listed";
    EXPECT_EQ(doc->GetCategoryCount(true), 1);
    EXPECT_NE(doc->m_ViewFilter.m_pProject, nullptr);
    ExpectSoundModel(*doc);
    doc->DeleteContents();
    EXPECT_EQ(doc->m_ArchiveOrphans.GetSize(), 0);
}

// Mutations of a valid file: each loads or is refused, never crashes; a refused file leaves the
// document empty and a loaded one leaves a sound model.
TEST_F(LogDocFile, MutatedFilesLoadSoundlyOrAreRefused) {
    CLogDoc saved;
    Fill(saved);
    const Bytes valid = archive_test::Store([&](CArchive& ar) { saved.Serialize(ar); });
    std::unique_ptr<CLogDoc> doc;
    bool loaded = false;
    int leftovers = 0;
    const auto checkRefused = [&] {
        if (doc && !loaded &&
            (doc->GetProjectCount() != 0 || doc->GetLogEntryCount() != 0 || !doc->m_ArchiveOrphans.IsEmpty()))
            ++leftovers;
    };
    const int refused = FuzzLoads(
        valid,
        [&] {
            checkRefused();
            doc = std::make_unique<CLogDoc>();
            loaded = false;
            return doc.get();
        },
        3000, 20240304,
        [&](CObject& obj) {
            loaded = true;
            ExpectSoundModel(static_cast<CLogDoc&>(obj));
        });
    checkRefused();
    EXPECT_GT(refused, 0);
    EXPECT_EQ(leftovers, 0) << "a refused file left part of itself in the document";
}

} // namespace
