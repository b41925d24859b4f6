// Enter Completed Time: the times and the duration follow each other, the presets fill the duration, and
// OK adds one entry of its own to the log; bad input is refused with its message and adds nothing.
#include "EntryDialogTestSupport.h"

#include "resource.h"
#include "timelog/CCompletedTimeDlg.h"

#include <gmock/gmock.h>

using namespace entrytest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

class CompletedTimeTest : public EntryDialogTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_OVERLAPPEDWINDOW,
                                   CRect(0, 0, 300, 200), nullptr, 0));
        alpha = AddProject("Alpha");
        beta = AddProject("Beta");
        AddProject("Dormant")->m_Active = 0;
        design = AddCategory("Design");
        testing = AddCategory("Testing");
        AddCategory("Retired")->m_Active = 0;
        doc.m_CurrentEntry.m_GUID = "CURRENT-ENTRY";
        doc.m_CurrentEntry.m_pProject = alpha;
        doc.m_CurrentEntry.m_pCategory = design;
        doc.m_CurrentEntry.m_Desc = "current work";
    }
    void TearDown() override {
        if (dlg.GetSafeHwnd() != nullptr)
            dlg.DestroyWindow();
        owner.DestroyWindow();
    }
    CProject* AddProject(const char* name) { return AddProjectTo(doc, name); }
    CCategory* AddCategory(const char* name) { return AddCategoryTo(doc, name); }
    CLogEntry* AddLogged(CProject* p, CCategory* c, const char* desc) {
        auto* e = new CLogEntry();
        e->m_pProject = p;
        e->m_pCategory = c;
        e->m_Desc = desc;
        e->SetStartTime(CTime(2026, 3, 2, 9, 0, 0));
        e->SetStopTime(CTime(2026, 3, 2, 10, 0, 0));
        doc.AddLogEntry(e);
        return e;
    }
    HWND Open() {
        EXPECT_TRUE(dlg.Create(IDD_COMPLETED_TIME, &owner));
        dlg.ShowWindow(SW_SHOW);
        return dlg.m_hWnd;
    }
    void TypeDuration(HWND hDlg, const char* text) {
        ::SetWindowTextA(::GetWindow(Item(hDlg, IDC_COMPLETED_DURATION), GW_CHILD), text);
        Command(hDlg, IDC_COMPLETED_DURATION, CBN_EDITCHANGE);
        PumpPending();
    }
    CTime Start(HWND hDlg) {
        const CTime d = PickerTime(hDlg, IDC_COMPLETED_START_DATE);
        const CTime t = PickerTime(hDlg, IDC_COMPLETED_START_TIME);
        return CTime(d.GetYear(), d.GetMonth(), d.GetDay(), t.GetHour(), t.GetMinute(), t.GetSecond());
    }
    CTime Stop(HWND hDlg) {
        const CTime d = PickerTime(hDlg, IDC_COMPLETED_STOP_DATE);
        const CTime t = PickerTime(hDlg, IDC_COMPLETED_STOP_TIME);
        return CTime(d.GetYear(), d.GetMonth(), d.GetDay(), t.GetHour(), t.GetMinute(), t.GetSecond());
    }
    std::string Duration(HWND hDlg) { return ItemText(hDlg, IDC_COMPLETED_DURATION); }

    CLogDoc doc;
    CCompletedTimeDlg dlg{&doc};
    CWnd owner;
    CProject* alpha = nullptr;
    CProject* beta = nullptr;
    CCategory* design = nullptr;
    CCategory* testing = nullptr;
};

TEST_F(CompletedTimeTest, OpensOnTheCurrentMinuteWithTheCurrentEntrysChoices) {
    const CTime before = CTime::GetCurrentTime();
    HWND hDlg = Open();
    const CTime start = Start(hDlg);
    EXPECT_EQ(start.GetSecond(), 0);
    EXPECT_LE((before - start).GetTotalSeconds(), 60);
    EXPECT_EQ(Stop(hDlg), start);
    EXPECT_EQ(Duration(hDlg), "00:00");
    EXPECT_THAT(ComboItems(hDlg, IDC_COMPLETED_PROJECT), ElementsAre("<Not Specified>", "Alpha", "Beta"));
    EXPECT_THAT(ComboItems(hDlg, IDC_COMPLETED_CATEGORY), ElementsAre("Design", "Testing"));
    EXPECT_EQ(ComboSelection(hDlg, IDC_COMPLETED_PROJECT), "Alpha");
    EXPECT_EQ(ComboSelection(hDlg, IDC_COMPLETED_CATEGORY), "Design");
    EXPECT_EQ(ItemText(hDlg, IDC_COMPLETED_DESCRIPTION), "current work");
    EXPECT_THAT(ComboItems(hDlg, IDC_COMPLETED_DURATION),
                ElementsAre("15 minutes", "30 minutes", "45 minutes", "1 hour", "2 hours", "3 hours",
                            "4 hours", "8 hours", "10 hours"));
    EXPECT_TRUE(IsEnabled(hDlg, IDC_COMPLETED_PROJECTS));
}

TEST_F(CompletedTimeTest, TypedDurationsMoveTheStop) {
    HWND hDlg = Open();
    const CTime start = CTime(2026, 3, 2, 23, 0, 0);
    SetPicker(hDlg, IDC_COMPLETED_START_DATE, start);
    SetPicker(hDlg, IDC_COMPLETED_START_TIME, start);
    PumpPending();
    const struct {
        const char* typed;
        long seconds;
    } cases[] = {{"1:30", 5400}, {"1.5", 5400}, {"0:075", 420}, {"2", 7200}};
    for (const auto& c : cases) {
        TypeDuration(hDlg, c.typed);
        EXPECT_EQ(Stop(hDlg), start + CTimeSpan(c.seconds)) << c.typed;
    }
    // A text that is no duration leaves the stop where it was.
    TypeDuration(hDlg, "soon");
    EXPECT_EQ(Stop(hDlg), start + CTimeSpan(7200));
}

TEST_F(CompletedTimeTest, APresetFillsTheFieldAndMovesTheStop) {
    HWND hDlg = Open();
    const CTime start = Start(hDlg);
    ChooseComboItem(hDlg, IDC_COMPLETED_DURATION, "45 minutes");
    PumpPending();
    EXPECT_EQ(Duration(hDlg), "0:45");
    EXPECT_EQ(::SendMessageA(Item(hDlg, IDC_COMPLETED_DURATION), CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(Stop(hDlg), start + CTimeSpan(45 * 60));
}

TEST_F(CompletedTimeTest, MovedTimesRewriteTheDurationAndAStopBeforeTheStartSnapsBack) {
    HWND hDlg = Open();
    const CTime start(2026, 3, 2, 9, 0, 0);
    SetPicker(hDlg, IDC_COMPLETED_START_DATE, start);
    SetPicker(hDlg, IDC_COMPLETED_START_TIME, start);
    SetPicker(hDlg, IDC_COMPLETED_STOP_TIME, CTime(2026, 3, 2, 9, 45, 0));
    PumpPending();
    EXPECT_EQ(Duration(hDlg), "00:45");
    SetPicker(hDlg, IDC_COMPLETED_STOP_TIME, CTime(2026, 3, 2, 11, 15, 0));
    PumpPending();
    EXPECT_EQ(Duration(hDlg), "2.25");

    SetPicker(hDlg, IDC_COMPLETED_STOP_TIME, CTime(2026, 3, 2, 8, 0, 0));
    PumpPending();
    EXPECT_EQ(Duration(hDlg), "00:00");
    EXPECT_EQ(Stop(hDlg), start);

    // A new start day takes the stop day along.
    SetPicker(hDlg, IDC_COMPLETED_STOP_TIME, CTime(2026, 3, 2, 10, 0, 0));
    SetPicker(hDlg, IDC_COMPLETED_START_DATE, CTime(2026, 3, 5, 0, 0, 0));
    PumpPending();
    EXPECT_EQ(Stop(hDlg), CTime(2026, 3, 5, 10, 0, 0));
    EXPECT_EQ(Duration(hDlg), "1.00");
}

TEST_F(CompletedTimeTest, ChoosingAProjectTakesCategoryAndDescriptionFromItsLatestEntry) {
    AddLogged(beta, design, "older beta");
    AddLogged(beta, testing, "latest beta");
    AddLogged(alpha, testing, "alpha testing");
    HWND hDlg = Open();
    ChooseComboItem(hDlg, IDC_COMPLETED_PROJECT, "Beta");
    EXPECT_EQ(ComboSelection(hDlg, IDC_COMPLETED_CATEGORY), "Testing");
    EXPECT_EQ(ItemText(hDlg, IDC_COMPLETED_DESCRIPTION), "latest beta");
    ChooseComboItem(hDlg, IDC_COMPLETED_CATEGORY, "Design");
    EXPECT_EQ(ItemText(hDlg, IDC_COMPLETED_DESCRIPTION), "older beta");
    // "<Not Specified>" takes nothing and keeps the category.
    ChooseComboItem(hDlg, IDC_COMPLETED_PROJECT, "<Not Specified>");
    EXPECT_EQ(ComboSelection(hDlg, IDC_COMPLETED_CATEGORY), "Design");
    EXPECT_EQ(ItemText(hDlg, IDC_COMPLETED_DESCRIPTION), "older beta");
}

TEST_F(CompletedTimeTest, OkAddsOneEntryOfItsOwnToTheLog) {
    HWND hDlg = Open();
    const CTime start(2026, 3, 2, 9, 0, 0);
    SetPicker(hDlg, IDC_COMPLETED_START_DATE, start);
    SetPicker(hDlg, IDC_COMPLETED_START_TIME, start);
    PumpPending();
    TypeDuration(hDlg, "1:30");
    ChooseComboItem(hDlg, IDC_COMPLETED_PROJECT, "Beta");
    ChooseComboItem(hDlg, IDC_COMPLETED_CATEGORY, "Testing");
    const std::string longText(10000, 'x');
    SetItemText(hDlg, IDC_COMPLETED_DESCRIPTION, longText);
    Click(hDlg, IDOK);
    EXPECT_FALSE(::IsWindowVisible(hDlg)) << "closed";
    EXPECT_TRUE(m_app.prompts.empty());
    ASSERT_EQ(doc.GetLogEntryCount(), 1);
    const CLogEntry* added = doc.GetLogEntryAt(0);
    EXPECT_EQ(added->m_StartTime, start);
    EXPECT_EQ(added->m_EndTime, start + CTimeSpan(5400));
    EXPECT_EQ(added->m_Duration.GetTotalSeconds(), 5400);
    EXPECT_EQ(added->m_pProject, beta);
    EXPECT_EQ(added->m_pCategory, testing);
    EXPECT_EQ(std::string(added->m_Desc), longText) << "kept whole";
    EXPECT_EQ(added->m_ProjProjectID, -1);
    EXPECT_EQ(added->m_MSTaskID, -1);
    EXPECT_EQ(added->m_GUID.GetLength(), 36);
    EXPECT_NE(added->m_GUID, "CURRENT-ENTRY") << "an entry of its own";
    EXPECT_EQ(doc.m_CurrentEntry.m_Desc, "current work");
}

TEST_F(CompletedTimeTest, BadInputShowsItsMessageAndAddsNothing) {
    const struct {
        const char* name;
        const char* duration; // nullptr: untouched
        const char* project;  // nullptr: untouched; "" clears the selection
        const char* category;
        const char* message;
    } cases[] = {
        {"unreadable duration", "abc", nullptr, nullptr, "The duration is not valid."},
        {"negative duration", "-2", nullptr, nullptr, "The duration is not valid."},
        {"huge duration", "100000", nullptr, nullptr, "The duration is not valid."},
        {"no project", nullptr, "<Not Specified>", nullptr, "You must choose a project or choose <None>."},
        {"nothing chosen", nullptr, "", nullptr,
         "Please choose a project and category to assign the task to."},
        {"no category", nullptr, nullptr, "", "Please choose a project and category to assign the task to."},
    };
    for (const auto& c : cases) {
        m_app.prompts.clear();
        HWND hDlg = Open();
        if (c.duration != nullptr)
            TypeDuration(hDlg, c.duration);
        if (c.project != nullptr && *c.project != '\0')
            ChooseComboItem(hDlg, IDC_COMPLETED_PROJECT, c.project);
        else if (c.project != nullptr)
            ::SendMessageA(Item(hDlg, IDC_COMPLETED_PROJECT), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        if (c.category != nullptr)
            ::SendMessageA(Item(hDlg, IDC_COMPLETED_CATEGORY), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        Click(hDlg, IDOK);
        EXPECT_TRUE(::IsWindowVisible(hDlg)) << c.name << ": stays open";
        ASSERT_EQ(m_app.prompts.size(), 1u) << c.name;
        EXPECT_THAT(m_app.prompts[0], HasSubstr(c.message)) << c.name;
        EXPECT_EQ(doc.GetLogEntryCount(), 0) << c.name;
        dlg.DestroyWindow();
    }
}

TEST_F(CompletedTimeTest, AnEntryTheDatabaseCannotTakeStaysPending) {
    doc.m_bUseDatabase = true;
    doc.m_bDatabaseUsable = false;
    HWND hDlg = Open();
    Click(hDlg, IDOK);
    ASSERT_EQ(doc.GetLogEntryCount(), 1);
    EXPECT_EQ(doc.GetLogEntryAt(0)->m_Pending, 1);
}

} // namespace
