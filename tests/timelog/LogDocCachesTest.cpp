// The time cache and the QuickBooks cache: what they keep, how cached entries come back into the log,
// whole-or-nothing writes, and refusal of damaged, cut short and newer files.
#include "LogDocTestViews.h"
#include "ModelTestSupport.h"

#include "framework/core/CArchive.h"
#include "framework/core/CFile.h"
#include "timelog/CacheFile.h"

#include <fstream>
#include <iterator>
#include <random>

using namespace modeltest;

namespace {

Bytes ReadFileBytes(const CString& path) {
    std::ifstream in(path.GetString(), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const CString& path, const Bytes& bytes) {
    std::ofstream out(path.GetString(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

int FilesIn(const CString& folder) {
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA(folder + "*", &found);
    int count = 0;
    if (search != INVALID_HANDLE_VALUE) {
        do
            count += (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return count;
}

class LogDocCaches : public ModelTest {
protected:
    LogDocCaches() {
        SetProgramFolderForTests(folder.Path());
        frame.doc = &doc;
    }
    ~LogDocCaches() override { SetProgramFolderForTests(nullptr); }

    CLogEntry* Entry(CLogDoc& d, const char* desc, bool pending, CProject* project = nullptr) {
        auto* entry = new CLogEntry;
        entry->m_StartTime = At(2026, 5, 4, 9);
        entry->m_EndTime = At(2026, 5, 4, 10);
        entry->m_Desc = desc;
        entry->m_Pending = pending ? 1 : 0;
        entry->m_pProject = project;
        entry->GetGUID();
        d.AddLogEntry(entry);
        return entry;
    }
    // Writes a time cache of the given version with the entries of a document.
    Bytes TimeCacheBytes(DWORD version, const std::vector<CLogEntry*>& entries) {
        return Store([&](CArchive& ar) {
            ar << version;
            ar.WriteCount(entries.size());
            for (CLogEntry* entry : entries) {
                if (version == 3)
                    ar.WriteObject(entry);
                else
                    entry->Serialize(ar);
            }
        });
    }

    ScratchFolder folder;
    RecordingApp app;
    RecordingFrame frame;
    CLogDoc doc;
};

TEST_F(LogDocCaches, PendingEntriesComeBackIntoTheLogOfTheNextRun) {
    CProject* shared = nullptr;
    CString sharedGuid;
    CString changedGuid;
    CString newGuid;
    {
        CLogDoc first;
        first.m_bTimeCacheMerged = true;
        shared = new CProject("Shared", 0.0);
        first.AddProject(shared);
        sharedGuid = shared->GetGUID();
        auto* lost = new CProject("Only in the cache", 0.0);
        first.AddProject(lost);
        Entry(first, "written", false);
        changedGuid = Entry(first, "changed offline", true, shared)->m_GUID;
        newGuid = Entry(first, "made offline", true, lost)->m_GUID;
        first.PrepareTimeCache();
        EXPECT_EQ(first.m_TimeCacheEntries.GetSize(), 2);
    }
    // The next run holds an older copy of one entry (as its document file or the database had it).
    auto* own = new CProject("Shared", 0.0);
    own->m_GUID = sharedGuid;
    doc.AddProject(own);
    CLogEntry* older = Entry(doc, "before the change", true);
    older->m_GUID = changedGuid;
    CLogEntry* untouched = Entry(doc, "pending, not in the cache", true);
    doc.MergeTimeCache();

    ASSERT_EQ(doc.GetLogEntryCount(), 3);
    EXPECT_EQ(doc.GetLogEntryAt(0), older);
    EXPECT_EQ(older->m_Desc, "changed offline");
    EXPECT_EQ(older->m_pProject, own) << "the document's own project, not a copy";
    EXPECT_EQ(doc.GetLogEntryAt(1), untouched) << "a pending entry the cache lacks is not dropped";
    CLogEntry* added = doc.GetLogEntryAt(2);
    EXPECT_EQ(added->m_GUID, newGuid);
    EXPECT_EQ(added->m_Pending, 1);
    ASSERT_NE(added->m_pProject, nullptr);
    EXPECT_EQ(doc.FindProjectByName("Only in the cache"), added->m_pProject)
        << "a project the log lacks joins it";
    EXPECT_EQ(doc.GetProjectCount(), 2);
    EXPECT_EQ(frame.refreshes, 1);
    EXPECT_EQ(doc.m_TimeCacheEntries.GetSize(), 3);

    // Merging happens once.
    doc.GetLogEntryAt(0)->m_Desc = "edited";
    doc.MergeTimeCache();
    EXPECT_EQ(doc.GetLogEntryAt(0)->m_Desc, "edited");
}

TEST_F(LogDocCaches, AnOlderCacheOfVersionTwoIsReadAndMerged) {
    CLogEntry a;
    a.m_Desc = "two";
    a.GetGUID();
    WriteFileBytes(CLogDoc::GetTimeCachePath(), TimeCacheBytes(2, {&a}));
    doc.MergeTimeCache();
    ASSERT_EQ(doc.GetLogEntryCount(), 1);
    EXPECT_EQ(doc.GetLogEntryAt(0)->m_Desc, "two");
    EXPECT_EQ(doc.GetLogEntryAt(0)->m_Pending, 1);
    EXPECT_TRUE(app.prompts.empty());
}

TEST_F(LogDocCaches, NothingIsWrittenBeforeTheCacheWasMerged) {
    Entry(doc, "pending", true);
    doc.PrepareTimeCache();
    EXPECT_FALSE(FileExists(CLogDoc::GetTimeCachePath()));
    doc.MergeTimeCache(); // no file yet: nothing comes back
    doc.PrepareTimeCache();
    EXPECT_TRUE(FileExists(CLogDoc::GetTimeCachePath()));
    // A missing file empties the list.
    DeleteFileA(CLogDoc::GetTimeCachePath());
    EXPECT_TRUE(doc.LoadTimeCache());
    EXPECT_EQ(doc.m_TimeCacheEntries.GetSize(), 0);
}

TEST_F(LogDocCaches, ABadTimeCacheIsRefusedKeptAndNeverOverwritten) {
    CLogEntry a;
    a.GetGUID();
    const Bytes valid = TimeCacheBytes(3, {&a});
    Bytes newer = valid;
    newer[0] = 4;
    Bytes trailing = valid;
    trailing.push_back(0);
    struct Case {
        const char* what;
        Bytes bytes;
        const char* message;
    } cases[] = {
        {"a newer version", newer, "unsupported version"},
        {"cut short", Bytes(valid.begin(), valid.end() - 3), "ended unexpectedly"},
        {"bytes left over", trailing, "invalid format"},
        {"version 1", Bytes{1, 0, 0, 0, 0, 0}, "unsupported version"},
    };
    for (const Case& c : cases) {
        CLogDoc d;
        Entry(d, "pending here", true);
        app.prompts.clear();
        WriteFileBytes(CLogDoc::GetTimeCachePath(), c.bytes);
        d.MergeTimeCache();
        EXPECT_EQ(d.GetLogEntryCount(), 1) << c.what;
        ASSERT_EQ(app.prompts.size(), 1u) << c.what;
        EXPECT_NE(app.prompts[0].find("Time cache.bmk"), std::string::npos) << app.prompts[0];
        EXPECT_NE(app.prompts[0].find(c.message), std::string::npos) << app.prompts[0];
        d.PrepareTimeCache();
        EXPECT_EQ(ReadFileBytes(CLogDoc::GetTimeCachePath()), c.bytes)
            << c.what << ": the file stays as it was";
    }
}

TEST_F(LogDocCaches, AFailedWriteLeavesTheOldFileWhole) {
    const CString path = folder.File("cache.bmk");
    ASSERT_TRUE(StoreCacheFile(path, [](CArchive& ar) { ar << DWORD{3} << CString("good"); }));
    const Bytes good = ReadFileBytes(path);
    EXPECT_FALSE(StoreCacheFile(path, [](CArchive& ar) {
        ar << DWORD{3};
        for (int i = 0; i < 10000; ++i)
            ar << CString("partly written ");
        AfxThrowArchiveException(CArchiveException::genericException, "cache.bmk");
    }));
    EXPECT_EQ(ReadFileBytes(path), good);
    EXPECT_EQ(FilesIn(folder.Path()), 1) << "no temporary file is left behind";
    EXPECT_EQ(app.prompts.size(), 1u);
    // A folder that does not exist cannot take the file: reported, false.
    EXPECT_FALSE(StoreCacheFile(folder.File("missing\\cache.bmk"), [](CArchive& ar) { ar << DWORD{3}; }));
    EXPECT_EQ(app.prompts.size(), 2u);
}

TEST_F(LogDocCaches, TheQuickBooksQueueSurvivesWithItsMarks) {
    CLogEntry* queued = Entry(doc, "queued", false);
    doc.m_QBQueue.Add(queued->m_GUID);
    doc.m_QBQueue.Add("0D9C1F62-1111-4e2a-9D52-6A3A1A1A1A1A"); // no such entry
    ASSERT_TRUE(doc.SaveQuickBooksCache());

    CLogDoc next;
    CLogEntry* same = Entry(next, "queued", false);
    same->m_GUID = queued->m_GUID;
    same->m_GUID.MakeLower();
    CLogEntry* other = Entry(next, "other", false);
    ASSERT_TRUE(next.LoadQuickBooksCache());
    ASSERT_EQ(next.m_QBQueue.GetSize(), 2);
    EXPECT_EQ(same->m_Mark1, 1) << "found ignoring case";
    EXPECT_EQ(other->m_Mark1, 0);
    // The GUID without an entry is written again.
    ASSERT_TRUE(next.SaveQuickBooksCache());
    CLogDoc third;
    ASSERT_TRUE(third.LoadQuickBooksCache());
    ASSERT_EQ(third.m_QBQueue.GetSize(), 2);
    EXPECT_EQ(third.m_QBQueue[1], "0D9C1F62-1111-4e2a-9D52-6A3A1A1A1A1A");

    // Only version 2 is read; a refused file is kept.
    Bytes bytes = ReadFileBytes(CLogDoc::GetQuickBooksCachePath());
    bytes[0] = 3;
    WriteFileBytes(CLogDoc::GetQuickBooksCachePath(), bytes);
    CLogDoc fourth;
    fourth.m_QBQueue.Add("keep");
    EXPECT_FALSE(fourth.LoadQuickBooksCache());
    ASSERT_EQ(fourth.m_QBQueue.GetSize(), 1);
    EXPECT_FALSE(fourth.SaveQuickBooksCache());
    EXPECT_EQ(ReadFileBytes(CLogDoc::GetQuickBooksCachePath()), bytes);
    DeleteFileA(CLogDoc::GetQuickBooksCachePath());
    EXPECT_TRUE(doc.LoadQuickBooksCache());
    EXPECT_EQ(doc.m_QBQueue.GetSize(), 0);
}

TEST_F(LogDocCaches, MutatedCacheFilesLoadOrAreRefusedWithoutHarm) {
    // A few thousand random changes of valid files: each is read whole or refused with the list intact.
    auto* project = new CProject("P", 0.0);
    doc.AddProject(project);
    CLogEntry a;
    a.m_Desc = "first";
    a.m_pProject = project;
    a.GetGUID();
    CLogEntry b;
    b.m_Desc = "second";
    b.m_pProject = project;
    b.GetGUID();
    const Bytes timeV3 = TimeCacheBytes(3, {&a, &b});
    const Bytes timeV2 = TimeCacheBytes(2, {&a, &b});
    doc.m_QBQueue.Add(a.m_GUID);
    doc.m_QBQueue.Add(b.m_GUID);
    const Bytes queue = Store([&](CArchive& ar) { doc.SerializeQuickBooksCache(ar); });

    std::mt19937 random(20261211);
    int refused = 0;
    int loaded = 0;
    for (int round = 0; round < 3000; ++round) {
        const Bytes& valid = round % 3 == 0 ? timeV3 : round % 3 == 1 ? timeV2 : queue;
        const Bytes bytes = Mutate(valid, random);
        CLogDoc target;
        auto* keep = new CLogEntry;
        keep->m_Pending = 1;
        target.AddLogEntry(keep);
        target.m_TimeCacheEntries.Add(keep);
        target.m_QBQueue.Add("keep");
        try {
            archive_test::Load(bytes, [&](CArchive& ar) {
                if (&valid == &queue)
                    target.SerializeQuickBooksCache(ar);
                else
                    target.SerializeTimeCache(ar);
            });
            ++loaded;
            target.m_bTimeCacheMerged = false;
            // What was read must be usable: merging it into the log works.
            if (&valid != &queue) {
                WriteFileBytes(CLogDoc::GetTimeCachePath(), bytes);
                target.MergeTimeCache();
            }
        } catch (CException* e) {
            e->Delete();
            ++refused;
            EXPECT_EQ(target.m_TimeCacheEntries.GetSize(), 1);
            EXPECT_EQ(target.m_TimeCacheEntries[0], keep);
            ASSERT_EQ(target.m_QBQueue.GetSize(), 1);
            EXPECT_EQ(target.m_QBQueue[0], "keep");
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_GT(loaded, 0);
}

} // namespace
