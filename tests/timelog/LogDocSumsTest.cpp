// Logged-time sums, day arithmetic across clock changes, the running and current entry, and storing
// entries (pending when the database does not take them, QuickBooks log, log view, save).
#include "LogDocTestViews.h"
#include "ModelTestSupport.h"

#include "foundation/Registry.h"

#include <cstdlib>
#include <ctime>
#include <memory>

using namespace modeltest;

namespace {

// A time zone with daylight saving (US Eastern: 8 March 2026 springs forward, 1 November falls back).
class EasternTime {
public:
    EasternTime() {
        const char* old = std::getenv("TZ");
        m_old = old != nullptr ? old : "";
        _putenv("TZ=EST5EDT");
        _tzset();
    }
    ~EasternTime() {
        _putenv((std::string("TZ=") + m_old).c_str());
        _tzset();
    }
    EasternTime(const EasternTime&) = delete;
    EasternTime& operator=(const EasternTime&) = delete;

private:
    std::string m_old;
};

CTime Local(int year, int month, int day, int hour, int minute = 0) {
    return CTime(year, month, day, hour, minute, 0);
}

class LogDocSums : public ModelTest {
protected:
    CLogEntry* Entry(CTime start, CTime stop, CProject* project = nullptr) {
        auto* entry = new CLogEntry;
        entry->m_StartTime = start;
        entry->m_EndTime = stop;
        entry->m_pProject = project;
        doc.AddLogEntry(entry);
        return entry;
    }
    CProject* Project(const char* name, CProjectType* type = nullptr) {
        auto* project = new CProject(name, 0.0);
        project->m_pProjectType = type;
        doc.AddProject(project);
        return project;
    }
    long Sum(CTime from, CTime to, const CLogDoc::LoggedTimeSelection& selection = {}) const {
        return static_cast<long>(doc.SumLoggedTime(from, to, selection).GetTotalSeconds());
    }

    RecordingApp app;
    CLogDoc doc;
};

TEST_F(LogDocSums, AddDaysKeepsTheTimeOfDayAcrossClockChanges) {
    EasternTime zone;
    struct Case {
        CTime from;
        int days;
        CTime expected;
    } cases[] = {
        {Local(2026, 3, 7, 9), 1, Local(2026, 3, 8, 9)}, // the day before spring forward
        {Local(2026, 3, 8, 9), -1, Local(2026, 3, 7, 9)},
        {Local(2026, 3, 7, 23, 30), 1, Local(2026, 3, 8, 23, 30)},
        {Local(2026, 10, 31, 9), 1, Local(2026, 11, 1, 9)}, // the day before fall back
        {Local(2026, 11, 1, 0), 1, Local(2026, 11, 2, 0)},
        {Local(2026, 3, 2, 0), 7, Local(2026, 3, 9, 0)}, // a week with the change in it
        {Local(2026, 1, 31, 17), 1, Local(2026, 2, 1, 17)},
        {Local(2026, 12, 31, 8), 1, Local(2027, 1, 1, 8)},
    };
    for (const Case& c : cases) {
        const CTime result = CLogDoc::AddDaysToTime(c.from, c.days);
        EXPECT_EQ(result, c.expected) << c.from.Format("%Y-%m-%d %H:%M") << " + " << c.days << " gives "
                                      << result.Format("%Y-%m-%d %H:%M");
    }
    // The spring day is 23 hours long, the autumn day 25.
    EXPECT_EQ((CLogDoc::AddDaysToTime(Local(2026, 3, 8, 0), 1) - Local(2026, 3, 8, 0)).GetTotalSeconds(),
              23 * 3600);
    EXPECT_EQ((CLogDoc::AddDaysToTime(Local(2026, 11, 1, 0), 1) - Local(2026, 11, 1, 0)).GetTotalSeconds(),
              25 * 3600);
    EXPECT_EQ(CLogDoc::SubtractSeconds(Local(2026, 3, 8, 9), 90), Local(2026, 3, 8, 8, 58) + CTimeSpan(30));
}

TEST_F(LogDocSums, ADaySumOnTheDayOfAClockChangeTakesThatDayOnly) {
    EasternTime zone;
    Entry(Local(2026, 3, 8, 0, 30), Local(2026, 3, 8, 1, 30));  // 1 hour
    Entry(Local(2026, 3, 8, 23, 0), Local(2026, 3, 8, 23, 30)); // 30 minutes
    Entry(Local(2026, 3, 9, 0, 15), Local(2026, 3, 9, 0, 45));  // the next day
    const CTime day = Local(2026, 3, 8, 0);
    EXPECT_EQ(Sum(day, CLogDoc::AddDaysToTime(day, 1)), 5400);
    const CTime autumn = Local(2026, 11, 1, 0);
    Entry(Local(2026, 11, 1, 23, 30), Local(2026, 11, 2, 0, 30)); // half in the long day
    EXPECT_EQ(Sum(autumn, CLogDoc::AddDaysToTime(autumn, 1)), 1800);
}

TEST_F(LogDocSums, SpansAreClippedToThePeriodAndRunningEntriesCountUpToNow) {
    const CTime from = At(2026, 5, 4);
    const CTime to = At(2026, 5, 11);
    FixedClock clock(At(2026, 5, 6, 12));
    Entry(At(2026, 5, 3, 23), At(2026, 5, 4, 1));   // 1 hour inside
    Entry(At(2026, 5, 10, 23), At(2026, 5, 11, 2)); // 1 hour inside
    Entry(At(2026, 5, 1), At(2026, 5, 2));          // before
    Entry(At(2026, 5, 12), At(2026, 5, 13));        // after
    Entry(At(2026, 5, 6, 10), CTime());             // running: 2 hours up to now
    EXPECT_EQ(Sum(from, to), 4 * 3600);
    // A period that ends before now cuts the running entry at its end.
    EXPECT_EQ(Sum(from, At(2026, 5, 6, 11)), 3600 + 3600);
    EXPECT_DOUBLE_EQ(doc.GetLoggedHours(from, to, {}), 4.0);
    EXPECT_EQ(doc.FormatLoggedHours(from, At(2026, 5, 4, 0, 45), {}), "0.75 hours");
}

TEST_F(LogDocSums, EachEntryIsRoundedOnItsOwn) {
    CLogEntry::SetRoundingSettings(CRoundingSettings{true, 900, 450, false, false});
    Entry(At(2026, 5, 4, 9), At(2026, 5, 4, 9, 1));
    Entry(At(2026, 5, 4, 10), At(2026, 5, 4, 10, 16));
    EXPECT_EQ(Sum(At(2026, 5, 4), At(2026, 5, 5)), 900 + 1800);
}

TEST_F(LogDocSums, TheSelectionPicksEntriesByProjectTypeClientBillingAndText) {
    auto* fixed = new CProjectType("Fixed");
    doc.AddProjectType(fixed);
    auto* acme = new CClient;
    doc.AddClient(acme);
    CProject* none = doc.EnsureNoneProject();
    CProject* typed = Project("Typed", fixed);
    CProject* plain = Project("Plain");
    const CTime day = At(2026, 5, 4);
    int hour = 0;
    const auto add = [&](CProject* project, int minutes) {
        CLogEntry* e =
            Entry(day + CTimeSpan(hour * 3600), day + CTimeSpan(hour * 3600 + minutes * 60), project);
        ++hour;
        return e;
    };
    CLogEntry* noProject = add(nullptr, 1);
    add(none, 2);
    CLogEntry* typedEntry = add(typed, 4);
    CLogEntry* plainEntry = add(plain, 8);
    typedEntry->m_pClient = acme;
    plainEntry->m_Billed = 1;
    noProject->m_Desc = "Design Review";

    struct Case {
        const char* what;
        CLogDoc::LoggedTimeSelection selection;
        long minutes;
    } cases[] = {
        {"everything", {}, 15},
        {"one project", {.pProject = typed}, 4},
        {"the <None> project also takes entries without one", {.pProject = none}, 3},
        {"entries of a project without a type", {.pProjectType = CLogDoc::kWithoutProjectType}, 8},
        {"entries of a project type", {.pProjectType = fixed}, 4},
        {"entries of a client", {.pClient = acme}, 4},
        {"the type decides before the client",
         {.pProjectType = CLogDoc::kWithoutProjectType, .pClient = acme},
         8},
        {"billed", {.billedMode = 1}, 8},
        {"not billed", {.billedMode = 2}, 7},
        {"a text ignoring case", {.textColumn = CLogEntry::colDescription, .text = "design review"}, 1},
        {"all conditions at once", {.pProject = typed, .billedMode = 1}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Sum(day, day + CTimeSpan(86400), c.selection), c.minutes * 60) << c.what;
}

TEST_F(LogDocSums, TheScanEndsAfterTheHundredAndFirstEntryThatEndedBeforeThePeriod) {
    const CTime from = At(2026, 5, 4);
    const auto build = [&](int before) {
        doc.DeleteContents();
        Entry(from + CTimeSpan(3600), from + CTimeSpan(7200)); // in the period, but first in the log
        for (int i = 0; i < before; ++i)
            Entry(At(2026, 4, 1), At(2026, 4, 1, 1));
        Entry(from + CTimeSpan(9000), from + CTimeSpan(9600)); // in the period, last in the log
    };
    build(100);
    EXPECT_EQ(Sum(from, from + CTimeSpan(86400)), 3600 + 600);
    build(101);
    EXPECT_EQ(Sum(from, from + CTimeSpan(86400)), 600);
}

TEST_F(LogDocSums, AListWithAMissingEntrySumsToNothing) {
    CLogEntryArray list;
    CLogEntry entry;
    entry.m_StartTime = At(2026, 5, 4, 9);
    entry.m_EndTime = At(2026, 5, 4, 10);
    list.Add(nullptr);
    list.Add(&entry);
    EXPECT_EQ(doc.SumLoggedTime(At(2026, 5, 4), At(2026, 5, 5), {}, &list).GetTotalSeconds(), 0);
    list.RemoveAt(0);
    EXPECT_EQ(doc.SumLoggedTime(At(2026, 5, 4), At(2026, 5, 5), {}, &list).GetTotalSeconds(), 3600);
}

// ---------------------------------------------------------------- running entry and storing entries

class LogDocStoring : public LogDocSums {
protected:
    LogDocStoring() {
        frame.doc = &doc;
        frame.logView = &view;
        SetProgramFolderForTests(folder.Path());
    }
    ~LogDocStoring() override { SetProgramFolderForTests(nullptr); }

    ScratchFolder folder;
    RecordingFrame frame;
    RecordingLogView view;
};

TEST_F(LogDocStoring, TheRunningEntryIsTheNewestWithoutStopTime) {
    EXPECT_EQ(doc.GetRunningEntry(), nullptr);
    CLogEntry* older = Entry(At(2026, 5, 4, 8), CTime());
    Entry(At(2026, 5, 4, 9), At(2026, 5, 4, 10));
    EXPECT_EQ(doc.GetRunningEntry(), older);
    CLogEntry* newer = Entry(At(2026, 5, 4, 11), CTime());
    newer->m_Desc = "newest";
    EXPECT_EQ(doc.GetRunningEntry(), newer);

    CLogEntry* current = doc.GetCurrentEntry();
    EXPECT_EQ(current, &doc.m_CurrentEntry);
    EXPECT_EQ(current->m_Desc, "newest");
    EXPECT_EQ(current->m_GUID, newer->m_GUID);
    newer->m_EndTime = At(2026, 5, 4, 12);
    older->m_EndTime = At(2026, 5, 4, 8, 30);
    doc.m_CurrentEntry.m_Desc = "kept";
    EXPECT_EQ(doc.GetCurrentEntry()->m_Desc, "kept") << "without a running entry the current one stays";
}

TEST_F(LogDocStoring, AnEntryTheDatabaseCannotTakeStaysPendingInTheTimeCache) {
    doc.m_bUseDatabase = true;
    doc.m_bDatabaseUsable = false;
    doc.m_bTimeCacheMerged = true;
    CLogEntry* entry = Entry(At(2026, 5, 4, 9), At(2026, 5, 4, 10));
    doc.CommitLogEntry(entry);
    EXPECT_FALSE(entry->m_GUID.IsEmpty());
    EXPECT_EQ(entry->m_Pending, 1);
    ASSERT_EQ(view.refreshedRows.size(), 1u);
    EXPECT_EQ(view.refreshedRows[0], entry);
    // The cache file holds it before the call returned.
    CLogDoc other;
    ASSERT_TRUE(other.LoadTimeCache());
    ASSERT_EQ(other.m_TimeCacheEntries.GetSize(), 1);
    EXPECT_EQ(other.m_TimeCacheEntries[0]->m_GUID, entry->m_GUID);

    // Without the database in use nothing is pending.
    doc.m_bUseDatabase = false;
    CLogEntry* offline = Entry(At(2026, 5, 4, 11), At(2026, 5, 4, 12));
    doc.CommitLogEntry(offline);
    EXPECT_EQ(offline->m_Pending, 0);
    doc.CommitLogEntry(nullptr);
    EXPECT_EQ(view.refreshedRows.size(), 2u);
}

TEST_F(LogDocStoring, CommittedEntriesAreLoggedToQuickBooksWithValueZero) {
    RecordingQuickBooksFiles files;
    ScratchFolder qb;
    const CString list = qb.File("list.iif");
    CFile(list, CFile::modeCreate | CFile::modeWrite).Close();
    RegWriteBool(REG_QUICKBOOKS, "Log to QuickBooks", true);
    RegWriteString(REG_QUICKBOOKS, "List file", list);
    RegWriteString(REG_QUICKBOOKS, "Time file", qb.File("time.iif"));
    CLogEntry* entry = Entry(At(2026, 5, 4, 9), At(2026, 5, 4, 10));
    doc.CommitLogEntry(entry);
    ASSERT_EQ(files.rows.size(), 1u);
    EXPECT_EQ(files.rows[0].guid, entry->m_GUID.GetString());
    EXPECT_EQ(files.rows[0].value, 0);

    // A replaced entry is logged with value 1; the old one stays the caller's.
    std::unique_ptr<CLogEntry> old(doc.GetLogEntryAt(0));
    auto* replacement = new CLogEntry(*old);
    replacement->m_Desc = "changed";
    doc.ReplaceLogEntryAt(0, replacement);
    EXPECT_EQ(doc.GetLogEntryAt(0), replacement);
    ASSERT_EQ(files.rows.size(), 2u);
    EXPECT_EQ(files.rows[1].value, 1);
    doc.ReplaceLogEntryAt(1, old.get());
    doc.ReplaceLogEntryAt(-1, old.get());
    EXPECT_EQ(doc.GetLogEntryCount(), 1);
    EXPECT_EQ(files.rows.size(), 2u);
}

TEST_F(LogDocStoring, AnAppendedEntryTakesThePlanIdsAndARunningOneIsMirrored) {
    doc.m_CurrentEntry.m_ProjProjectID = 7;
    doc.m_CurrentEntry.m_ProjResourceID = 8;
    doc.m_CurrentEntry.m_ProjAssignmentID = 9;
    doc.m_CurrentEntry.m_MSTaskID = 10;
    doc.m_bUseDatabase = true;
    doc.m_bDatabaseUsable = false;
    auto* entry = new CLogEntry;
    entry->m_StartTime = At(2026, 5, 4, 9);
    doc.AppendLogEntry(entry);
    EXPECT_EQ(doc.GetLogEntryAt(0), entry);
    EXPECT_EQ(entry->m_ProjProjectID, 7);
    EXPECT_EQ(entry->m_ProjResourceID, 8);
    EXPECT_EQ(entry->m_ProjAssignmentID, 9);
    EXPECT_EQ(entry->m_MSTaskID, 10);
    EXPECT_TRUE(entry->IsModified());
    EXPECT_EQ(entry->m_Pending, 1);
    CString mirrored;
    RegReadString(REG_LOGGING, "Guid", mirrored);
    EXPECT_EQ(mirrored, entry->m_GUID);

    auto* stopped = new CLogEntry;
    stopped->m_StartTime = At(2026, 5, 4, 7);
    stopped->m_EndTime = At(2026, 5, 4, 8);
    doc.AppendLogEntry(stopped);
    RegReadString(REG_LOGGING, "Guid", mirrored);
    EXPECT_EQ(mirrored, entry->m_GUID) << "a stopped entry leaves the mirror alone";
}

TEST_F(LogDocStoring, TheTimingDisplayRebuildsTheLogViewAndCanKeepItsSelection) {
    doc.UpdateTimingDisplay();
    EXPECT_EQ(view.calls, "rows;filter;sort;redraw;");
    EXPECT_EQ(frame.refreshes, 1) << "the timesheet";
    view.calls.clear();
    view.selStarts.Add(2);
    view.selEnds.Add(4);
    doc.UpdateTimingDisplayKeepSelection();
    EXPECT_EQ(view.calls, "rows;filter;sort;redraw;select;");
    EXPECT_TRUE(view.reselected);
}

} // namespace
