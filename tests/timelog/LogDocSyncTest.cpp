// The document's side of the handheld synchronisation: the count of received objects, the change tests
// and the merge of received projects and categories.
#include "ModelTestSupport.h"

#include "data/CClient.h"
#include "data/CProjectType.h"
#include "data/CSubsystem.h"
#include "timelog/IExpenseView.h"

#include <vector>

using namespace modeltest;

namespace {

const CTime kT(2024, 5, 1, 12, 0, 0);

class LogDocSync : public ModelTest {
protected:
    static int SyncCount() {
        int n = 0;
        return RegReadInt(REG_SYNC, "Num objects", &n) ? n : -999;
    }
    RecordingApp app;
    CLogDoc doc;
};

TEST_F(LogDocSync, ObjectCountStartsFromMinusOne) {
    doc.AddSyncObjectCount(1);
    EXPECT_EQ(SyncCount(), 0);
    doc.AddSyncObjectCount(3);
    EXPECT_EQ(SyncCount(), 3);
    RegWriteInt(REG_SYNC, "Num objects", 10);
    doc.AddSyncObjectCount(-2);
    EXPECT_EQ(SyncCount(), 8);
}

TEST_F(LogDocSync, ChangeTestsLookAtEachKindsModificationTimes) {
    using Kind = CLogDoc::SyncKind;
    auto* pick = new CLogEntry;
    doc.AddQuickPick(pick);
    auto* project = new CProject("Alpha", 0.0);
    doc.AddProject(project);
    auto* client = new CClient;
    doc.AddClient(client);
    auto* category = new CCategory("Design", "");
    doc.AddCategory(category);
    auto* entry = new CLogEntry;
    doc.AddLogEntry(entry);
    pick->m_Modified = project->m_Modified = client->m_Modified = category->m_Modified = entry->m_Modified =
        kT;

    struct Case {
        Kind kind;
        CTime* modified;
    };
    const Case cases[] = {{Kind::quickPicks, &pick->m_Modified},
                          {Kind::projects, &project->m_Modified},
                          {Kind::clients, &client->m_Modified},
                          {Kind::categories, &category->m_Modified},
                          {Kind::logEntries, &entry->m_Modified}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        EXPECT_FALSE(doc.HasChangedSince(c.kind, kT)) << "a change at the moment itself is not later";
        EXPECT_TRUE(doc.HasChangedSince(c.kind, kT - CTimeSpan(0, 0, 0, 1)));
        *c.modified = kT + CTimeSpan(0, 0, 0, 5);
        EXPECT_TRUE(doc.HasChangedSince(c.kind, kT));
        // Only this kind changed.
        for (const Case& other : cases) {
            if (other.kind != c.kind) {
                EXPECT_FALSE(doc.HasChangedSince(other.kind, kT));
            }
        }
        *c.modified = kT;
    }
    CLogDoc empty;
    EXPECT_FALSE(empty.HasChangedSince(Kind::logEntries, CTime(static_cast<__time64_t>(0))));
}

// How a received project meets the document's projects.
TEST_F(LogDocSync, ReceivedProjectsMergeByIdentityThenName) {
    enum class Match { byGUID, byName, none };
    struct Case {
        const char* name;
        Match match;
    };
    const Case cases[] = {{"Alpha", Match::byGUID}, {"ALPHA", Match::byName}, {"Omega", Match::none}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CLogDoc local;
        RegRemoveValue(REG_SYNC, "Num objects");
        auto* client = new CClient;
        local.AddClient(client);
        auto* type = new CProjectType("Fixed");
        local.AddProjectType(type);
        auto* mine = new CProject("Alpha", 0.0);
        mine->m_GUID = "{AAAA-1111}";
        mine->m_pClient = client;
        mine->m_pProjectType = type;
        auto* subsystem = new CSubsystem("Design");
        local.AddSubsystem(subsystem);
        mine->AddSubsystem(subsystem);
        local.AddProject(mine);
        local.AddProject(new CProject("Zulu", 0.0));

        CProject received(c.name, 0.0);
        received.m_GUID = c.match == Match::byGUID ? "{aaaa-1111}" : "{BBBB-2222}";
        received.m_Description = "from the handheld";
        local.ReceiveSyncedProject(&received);

        if (c.match == Match::none) {
            ASSERT_EQ(local.GetProjectCount(), 3);
            EXPECT_EQ(local.GetProjectAt(1)->m_Name, "Omega") << "the list stays sorted by name";
            EXPECT_EQ(local.GetProjectAt(1)->m_GUID, "{BBBB-2222}");
            EXPECT_NE(local.GetProjectAt(1), &received) << "a copy is added";
            EXPECT_EQ(SyncCount(), 0);
            EXPECT_EQ(mine->m_Description, "");
        } else {
            ASSERT_EQ(local.GetProjectCount(), 2);
            EXPECT_EQ(mine->m_Description, "from the handheld");
            EXPECT_EQ(mine->m_Name, c.name);
            EXPECT_EQ(mine->m_GUID, "{AAAA-1111}");
            EXPECT_EQ(mine->m_pClient, client);
            EXPECT_EQ(mine->m_pProjectType, type);
            EXPECT_EQ(mine->GetSubsystemAt(0), subsystem) << "the project keeps its subsystems";
            EXPECT_EQ(received.m_GUID, "{AAAA-1111}") << "the received object takes the identity";
            EXPECT_EQ(received.m_pClient, client);
            EXPECT_EQ(SyncCount(), -999) << "a merge is not counted";
        }
    }
}

TEST_F(LogDocSync, NoProjectOrThePlaceholderChangesNothing) {
    auto* none = doc.EnsureNoneProject();
    none->m_Description = "mine";
    CProject placeholder("<none>", 0.0);
    placeholder.m_Description = "theirs";
    doc.ReceiveSyncedProject(&placeholder);
    doc.ReceiveSyncedProject(nullptr);
    EXPECT_EQ(doc.GetProjectCount(), 1);
    EXPECT_EQ(none->m_Description, "mine");
}

TEST_F(LogDocSync, ReceivedCategoriesMergeByIdentityThenName) {
    auto* design = new CCategory("Design", "ours");
    design->m_GUID = "{CCCC-1}";
    doc.AddCategory(design);
    auto* zulu = new CCategory("Zulu", "");
    doc.AddCategory(zulu);

    CCategory byGuid("Drawing", "by guid");
    byGuid.m_GUID = "{cccc-1}";
    doc.ReceiveSyncedCategory(&byGuid);
    EXPECT_EQ(design->m_Name, "Drawing");
    EXPECT_EQ(design->m_Desc, "by guid");
    EXPECT_EQ(design->m_GUID, "{CCCC-1}");

    CCategory byName("zulu", "by name");
    byName.m_GUID = "{DDDD-2}";
    doc.ReceiveSyncedCategory(&byName);
    EXPECT_EQ(zulu->m_Desc, "by name");
    EXPECT_EQ(byName.m_GUID, zulu->GetGUID());
    EXPECT_EQ(SyncCount(), -999);

    CCategory fresh("Alpha", "new");
    fresh.m_GUID.Empty();
    doc.ReceiveSyncedCategory(&fresh);
    ASSERT_EQ(doc.GetCategoryCount(), 3);
    CCategory* added = doc.GetCategoryAt(2);
    EXPECT_EQ(added->m_Name, "Alpha") << "appended, not sorted";
    EXPECT_FALSE(added->m_GUID.IsEmpty());
    EXPECT_EQ(fresh.m_GUID, added->m_GUID) << "the received object learns the new identity";
    EXPECT_EQ(SyncCount(), 0);

    doc.ReceiveSyncedCategory(nullptr);
    EXPECT_EQ(doc.GetCategoryCount(), 3);
}

TEST_F(LogDocSync, ReceivedEntriesReplaceTheirOwnOrAreAdded) {
    auto* mine = new CLogEntry;
    mine->m_GUID = "{EEEE-1}";
    mine->m_Desc = "ours";
    mine->m_StartTime = kT;
    mine->m_EndTime = kT + CTimeSpan(0, 1, 0, 0);
    mine->m_Billed = 1;
    mine->m_Billable = 0;
    doc.AddLogEntry(mine);

    CLogEntry changed(*mine);
    changed.m_GUID = "{eeee-1}";
    changed.m_Desc = "theirs";
    changed.m_EndTime = kT + CTimeSpan(0, 2, 0, 0);
    changed.m_Billed = 0;
    changed.m_Billable = 1;
    doc.ReceiveSyncedEntry(&changed);
    ASSERT_EQ(doc.GetLogEntryCount(), 1);
    EXPECT_EQ(doc.GetLogEntryAt(0), mine);
    EXPECT_EQ(mine->m_Desc, "theirs");
    EXPECT_EQ(mine->m_EndTime, kT + CTimeSpan(0, 2, 0, 0));
    EXPECT_EQ(mine->m_Billed, 1) << "billing stays the document's";
    EXPECT_EQ(mine->m_Billable, 0);
    EXPECT_EQ(SyncCount(), -999);

    CLogEntry fresh;
    fresh.m_GUID = "{FFFF-2}";
    fresh.m_StartTime = kT;
    fresh.m_EndTime = kT + CTimeSpan(0, 0, 30, 0);
    doc.ReceiveSyncedEntry(&fresh);
    ASSERT_EQ(doc.GetLogEntryCount(), 2);
    EXPECT_NE(doc.GetLogEntryAt(1), &fresh);
    EXPECT_EQ(doc.GetLogEntryAt(1)->m_GUID, "{FFFF-2}");
    EXPECT_EQ(SyncCount(), 0);
    doc.ReceiveSyncedEntry(nullptr);
    EXPECT_EQ(doc.GetLogEntryCount(), 2);
}

// An expense view whose rows show the expenses given (row 1 first; nullptr: a row without expense).
class RowsExpenseView : public IExpenseView {
public:
    RowsExpenseView() { SetExpenseView(this); }
    ~RowsExpenseView() override { SetExpenseView(nullptr); }
    RowsExpenseView(const RowsExpenseView&) = delete;
    RowsExpenseView& operator=(const RowsExpenseView&) = delete;
    CExpense* GetSelectedExpense() override { return nullptr; }
    CExpense* GetExpenseAtRow(DWORD row) override {
        return row >= 1 && row <= rows.size() ? rows[row - 1] : nullptr;
    }
    std::vector<CExpense*> rows;
};

TEST_F(LogDocSync, SelectedExpensesLeaveTheListUnlessARowHasNone) {
    std::vector<CExpense*> expenses;
    for (int i = 0; i < 4; ++i) {
        expenses.push_back(new CExpense);
        doc.AddExpense(expenses.back());
    }
    RowsExpenseView view;
    view.rows = {expenses[0], expenses[1], nullptr, expenses[2], expenses[3]};
    CDWordArray first, last;
    first.Add(2);
    last.Add(4);
    doc.DeleteSelectedExpenses(first, last);
    EXPECT_EQ(doc.GetExpenseIndex(expenses[1]), 1) << "row 3 has no expense: the rows above stay";
    // Row 4 was taken before the empty row stopped the operation.
    EXPECT_EQ(doc.GetExpenseIndex(expenses[2]), -1);
    EXPECT_EQ(doc.GetExpenseIndex(expenses[3]), 2);

    CDWordArray first2, last2;
    first2.Add(1);
    last2.Add(2);
    first2.Add(5);
    last2.Add(5);
    doc.DeleteSelectedExpenses(first2, last2);
    EXPECT_EQ(doc.GetExpenseAt(0), nullptr);

    SetExpenseView(nullptr);
    auto* kept = new CExpense;
    doc.AddExpense(kept);
    EXPECT_FALSE(doc.DeleteSelectedExpenses(first2, last2));
    EXPECT_EQ(doc.GetExpenseIndex(kept), 0);
    SetExpenseView(&view);
}

} // namespace
