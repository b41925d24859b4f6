// The log entry's texts by column id, in English (United States) and, in the tests named DeDE, in German
// (Germany): reading, writing and the text search.
#include "ModelTestSupport.h"

#include "data/CCategory.h"
#include "data/CClient.h"
#include "data/CProject.h"
#include "data/CSubsystem.h"
#include "data/CUser.h"
#include "timelog/CFindRequest.h"

using namespace modeltest;

namespace {

// A document with one project (two subsystems), a category and a client, and an entry on them.
class LogEntryColumns : public ModelTest {
protected:
    LogEntryColumns() {
        project = new CProject("Alpha", 0.0);
        project->m_BillingType = 2;
        project->m_BillingRate = 1000.0;
        project->m_SalaryRate = 40.0;
        doc.AddProject(project);
        other = new CProject("Beta", 0.0);
        doc.AddProject(other);
        build = new CSubsystem("Build");
        test = new CSubsystem("Test");
        doc.AddSubsystem(build);
        doc.AddSubsystem(test);
        project->AddSubsystem(build);
        project->AddSubsystem(test);
        category = new CCategory("Design", "");
        doc.AddCategory(category);
        client = new CClient;
        client->SetCompanyName("Acme");
        doc.AddClient(client);
        user.m_User = "ann";

        entry.m_pProject = project;
        entry.m_pSubsystem = build;
        entry.m_pCategory = category;
        entry.m_pClient = client;
        entry.m_pUser = &user;
        entry.m_Desc = "Wrote the Outline";
        entry.m_UserText1 = "one";
        entry.m_UserText2 = "two";
        entry.m_UserText3 = "three";
        entry.m_Billed = 1;
        entry.SetStartTime(At(2004, 11, 15, 14, 5, 9));
        entry.SetStopTime(At(2004, 11, 15, 15, 35, 9)); // 1.5 hours
    }
    CString Text(int column) const {
        CString text = "unset";
        entry.GetColumnText(text, column);
        return text;
    }

    CLogDoc doc;
    CProject* project;
    CProject* other;
    CSubsystem* build;
    CSubsystem* test;
    CCategory* category;
    CClient* client;
    CUser user;
    CLogEntry entry;
};

struct TextCase {
    int column;
    const char* expected;
};

TEST_F(LogEntryColumns, TextsInEnglish) {
    const TextCase cases[] = {
        {1, "11/15/2004 2:05:09 PM"},
        {2, "11/15/2004 3:35:09 PM"},
        {3, "1.50"},
        {4, "Alpha"},
        {5, "Design"},
        {6, "Wrote the Outline"},
        {7, "1"},
        {8, "1"},
        {9, "Acme"},
        {10, "one"},
        {11, "two"},
        {12, "three"},
        {13, "Build"},
        {14, "1.50"},
        {15, "ann"},
        {16, "1500.00"},
        {17, "60.00"},
        {18, "11/15/2004"},
        {0, ""},
        {19, ""},
        {-1, ""},
    };
    for (const TextCase& c : cases) {
        EXPECT_STREQ(Text(c.column), c.expected) << "column " << c.column;
    }
}

TEST_F(LogEntryColumns, RoundedColumnFollowsTheRounding) {
    CRoundingSettings rounding;
    rounding.enabled = true;
    rounding.unit = 3600;
    rounding.halfUnit = 1800;
    CLogEntry::SetRoundingSettings(rounding);
    EXPECT_STREQ(Text(CLogEntry::colElapsed), "1.50") << "the elapsed column is never rounded";
    EXPECT_STREQ(Text(CLogEntry::colRounded), "2.00");
}

TEST_F(LogEntryColumns, EmptyTimesGiveEmptyTexts) {
    CLogEntry empty;
    for (int column : {1, 2, 3, 14, 18}) {
        CString text = "unset";
        empty.GetColumnText(text, column);
        EXPECT_STREQ(text, "") << column;
    }
    CString text;
    empty.GetColumnText(text, CLogEntry::colProject);
    EXPECT_STREQ(text, "");
    empty.GetColumnText(text, CLogEntry::colBillable);
    EXPECT_STREQ(text, "1");
}

TEST_F(LogEntryColumns, WritingTexts) {
    entry.SetColumnText(&doc, "beta", CLogEntry::colProject);
    EXPECT_EQ(entry.m_pProject, other);
    EXPECT_DOUBLE_EQ(entry.m_CostClient, 150.0) << "amounts follow the project: type 0, the category's rate";
    entry.SetColumnText(&doc, "Nothing", CLogEntry::colProject);
    EXPECT_EQ(entry.m_pProject, other) << "unknown names change nothing";
    entry.SetColumnText(nullptr, "Alpha", CLogEntry::colProject);
    EXPECT_EQ(entry.m_pProject, other) << "no document, no lookup";
    entry.SetColumnText(&doc, "alpha", CLogEntry::colProject);
    EXPECT_EQ(entry.m_pProject, project);

    entry.SetColumnText(&doc, "TEST", CLogEntry::colSubsystem);
    EXPECT_EQ(entry.m_pSubsystem, test);
    entry.SetColumnText(&doc, "Missing", CLogEntry::colSubsystem);
    EXPECT_EQ(entry.m_pSubsystem, nullptr) << "the project has no such subsystem";

    entry.SetColumnText(&doc, "acme", CLogEntry::colClient);
    EXPECT_EQ(entry.m_pClient, client);
    entry.SetColumnText(&doc, "design", CLogEntry::colCategory);
    EXPECT_EQ(entry.m_pCategory, category);

    for (const char* text : {"yes", "01", "", "true"}) {
        entry.SetColumnText(&doc, text, CLogEntry::colBilled);
        EXPECT_EQ(entry.m_Billed, 0) << text;
    }
    entry.SetColumnText(&doc, "1", CLogEntry::colBilled);
    EXPECT_EQ(entry.m_Billed, 1);
    entry.SetColumnText(&doc, "0", CLogEntry::colBillable);
    EXPECT_EQ(entry.m_Billable, 0);
    EXPECT_DOUBLE_EQ(entry.m_CostClient, 0.0);

    entry.SetColumnText(&doc, "new", CLogEntry::colDescription);
    entry.SetColumnText(&doc, "t1", CLogEntry::colText1);
    entry.SetColumnText(&doc, "t3", CLogEntry::colText3);
    EXPECT_EQ(entry.m_Desc, "new");
    EXPECT_EQ(entry.m_UserText1, "t1");
    EXPECT_EQ(entry.m_UserText3, "t3");
    entry.SetColumnText(&doc, "ignored", CLogEntry::colUser);
    EXPECT_EQ(entry.m_pUser, &user);
}

TEST_F(LogEntryColumns, WritingTimesAndHours) {
    entry.SetColumnText(&doc, "2.25", CLogEntry::colElapsed);
    EXPECT_EQ(entry.m_Duration.GetTotalSeconds(), 8100);
    EXPECT_EQ(entry.m_EndTime, At(2004, 11, 15, 16, 20, 9));
    entry.SetColumnText(&doc, "0.0003", CLogEntry::colElapsed); // 1.08 s: whole seconds, toward zero
    EXPECT_EQ(entry.m_Duration.GetTotalSeconds(), 1);
    entry.SetColumnText(&doc, "soon", CLogEntry::colElapsed);
    EXPECT_EQ(entry.m_Duration.GetTotalSeconds(), 1) << "unparsable text changes nothing";

    entry.SetColumnText(&doc, "11/16/2004 8:00 AM", CLogEntry::colStart);
    EXPECT_EQ(entry.m_StartTime, At(2004, 11, 16, 8));
    entry.SetColumnText(&doc, "11/16/2004 9:30 AM", CLogEntry::colStop);
    EXPECT_EQ(entry.m_Duration.GetTotalSeconds(), 5400);
    entry.SetColumnText(&doc, "never", CLogEntry::colStop);
    EXPECT_EQ(entry.m_EndTime, At(2004, 11, 16, 9, 30));
}

TEST_F(LogEntryColumns, FindTable) {
    RecordingFrame frame;
    for (DWORD id : {1, 4, 5, 6, 9})
        frame.columns.Add(id);
    struct Case {
        const char* what;
        const char* phrase;
        std::vector<const char*> words;
        bool exact;
        bool all;
        CProject* project;
        int first;
        bool found;
        int index;
        int column;
    };
    const Case cases[] = {
        {"phrase in the description, any case", "THE OUTLINE", {}, true, false, nullptr, 0, true, 3, 6},
        {"phrase not present as a whole", "request wrote", {}, true, false, nullptr, 0, false, -1, -1},
        {"any word: the first word found passes", "", {"zzz", "acme"}, false, false, nullptr, 0, true, 4, 9},
        {"any word: none found", "", {"zzz", "yyy"}, false, false, nullptr, 0, false, -1, -1},
        {"all words found", "", {"alpha", "design"}, false, true, nullptr, 0, true, 2, 5},
        {"all words: one missing fails", "", {"alpha", "zzz"}, false, true, nullptr, 0, false, -1, -1},
        {"search starts at the given column", "alpha", {}, true, false, nullptr, 2, false, -1, -1},
        {"the same project", "alpha", {}, true, false, nullptr, 0, true, 1, 4},
        {"another project fails", "alpha", {}, true, false, nullptr, 0, false, -1, -1},
        {"no words, any word", "", {}, false, false, nullptr, 0, false, -1, -1},
        {"no words, all words", "", {}, false, true, nullptr, 0, true, -1, -1},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        CFindRequest request;
        request.phrase = c.phrase;
        for (const char* w : c.words)
            request.words.Add(w);
        request.exactPhrase = c.exact;
        request.allWords = c.all;
        request.pProject = i == 7 ? project : (i == 8 ? other : nullptr);
        int index = -1;
        int column = -1;
        EXPECT_EQ(entry.MatchesFind(request, c.first, index, column), c.found) << c.what;
        EXPECT_EQ(index, c.index) << c.what;
        EXPECT_EQ(column, c.column) << c.what;
    }
}

TEST_F(LogEntryColumns, FindFailsWithoutALogGrid) {
    CFindRequest request;
    request.phrase = "alpha";
    request.exactPhrase = true;
    int index = -1;
    int column = -1;
    EXPECT_FALSE(entry.MatchesFind(request, 0, index, column)) << "no main frame";
    RecordingFrame frame;
    frame.hasLogGrid = false;
    EXPECT_FALSE(entry.MatchesFind(request, 0, index, column));
}

// ---------------------------------------------------------------- German (Germany)

using LogEntryColumnsDeDE = LogEntryColumns;

TEST_F(LogEntryColumnsDeDE, Texts) {
    entry.m_CostClient = 1234.5;
    const TextCase cases[] = {
        {1, "15.11.2004 14:05:09"},
        {2, "15.11.2004 15:35:09"},
        {3, "1,50"},
        {14, "1,50"},
        {16, "1234,50"},
        {17, "60,00"},
        {18, "15.11.2004"},
    };
    for (const TextCase& c : cases) {
        EXPECT_STREQ(Text(c.column), c.expected) << "column " << c.column;
    }
}

TEST_F(LogEntryColumnsDeDE, WritingTakesGermanNumbersAndDates) {
    entry.SetColumnText(&doc, "2,25", CLogEntry::colElapsed);
    EXPECT_EQ(entry.m_Duration.GetTotalSeconds(), 8100);
    entry.SetColumnText(&doc, "07.03.2024 08:00", CLogEntry::colStart);
    EXPECT_EQ(entry.m_StartTime, At(2024, 3, 7, 8));
    entry.SetColumnText(&doc, "07.03.2024 09:30", CLogEntry::colStop);
    EXPECT_EQ(entry.m_Duration.GetTotalSeconds(), 5400);
}

} // namespace
