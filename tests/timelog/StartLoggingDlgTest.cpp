// Start Logging Time: the form on its own copy of the entry, the elapsed and rounded lines of a stop, the
// choices a project brings along, and the checks OK makes before anything reaches the document.
#include "EntryDialogTestSupport.h"
#include "TimingTestSupport.h"

#include "resource.h"
#include "timelog/CStartLoggingDlg.h"

#include <gmock/gmock.h>

using namespace entrytest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

class StartLoggingTest : public EntryDialogTest {
protected:
    void SetUp() override {
        frame.doc = &doc;
        frame.logView = &view;
        ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_OVERLAPPEDWINDOW,
                                   CRect(0, 0, 300, 200), nullptr, 0));
        alpha = AddProject("Alpha");
        beta = AddProject("Beta");
        AddProject("Dormant")->m_Active = 0;
        AddProject("Hidden")->m_Visible = 0;
        design = AddCategory("Design");
        testing = AddCategory("Testing");
        AddCategory("Retired")->m_Active = 0;
        entry.m_pProject = alpha;
        entry.m_pCategory = design;
        entry.m_Desc = "draft the plan";
        entry.SetStartTime(kStart);
    }
    void TearDown() override {
        if (dlg != nullptr && dlg->GetSafeHwnd() != nullptr)
            dlg->DestroyWindow();
        owner.DestroyWindow();
        CLogDoc::s_bShowInactiveProjects = false;
    }
    CProject* AddProject(const char* name) { return AddProjectTo(doc, name); }
    CCategory* AddCategory(const char* name) { return AddCategoryTo(doc, name); }
    HWND Open(int mode, CTime time = CTime(2026, 3, 2, 9, 30, 0)) {
        dlg = std::make_unique<CStartLoggingDlg>(&doc, entry, mode);
        dlg->SetTime(time);
        EXPECT_TRUE(dlg->Create(IDD_START_LOGGING, &owner));
        dlg->ShowWindow(SW_SHOW);
        return dlg->m_hWnd;
    }
    void Choose(HWND hDlg, CTime moment) {
        SetPicker(hDlg, IDC_START_DATE, moment);
        SetPicker(hDlg, IDC_START_TIME, moment);
        PumpPending();
    }

    static inline const CTime kStart{2026, 3, 2, 9, 0, 0};
    modeltest::RecordingFrame frame;
    timingtest::RecordingLogView view;
    CLogDoc doc;
    CLogEntry entry;
    std::unique_ptr<CStartLoggingDlg> dlg;
    CWnd owner;
    CProject* alpha = nullptr;
    CProject* beta = nullptr;
    CCategory* design = nullptr;
    CCategory* testing = nullptr;
};

TEST_F(StartLoggingTest, TitlesAndTimeLinesFollowTheMode) {
    RegWriteBool(REG_ROUNDING, "Enabled", true);
    const struct {
        int mode;
        const char* title;
        bool elapsed;
    } cases[] = {{CStartLoggingDlg::modeStart, "Start Logging", false},
                 {CStartLoggingDlg::modeStop, "Stop Logging", true},
                 {CStartLoggingDlg::modeSwitch, "Switch Logging", false}};
    for (const auto& c : cases) {
        HWND hDlg = Open(c.mode);
        EXPECT_EQ(TextOf(hDlg), c.title);
        EXPECT_EQ(IsShown(hDlg, IDC_START_ELAPSED), c.elapsed) << c.title;
        EXPECT_EQ(IsShown(hDlg, IDC_START_ROUNDING), c.elapsed) << c.title;
        EXPECT_EQ(IsShown(hDlg, IDC_START_ROUNDED), c.elapsed) << c.title;
        dlg->DestroyWindow();
    }
    // Without rounding only the elapsed line shows.
    RegWriteBool(REG_ROUNDING, "Enabled", false);
    HWND hDlg = Open(CStartLoggingDlg::modeStop);
    EXPECT_TRUE(IsShown(hDlg, IDC_START_ELAPSED));
    EXPECT_FALSE(IsShown(hDlg, IDC_START_ROUNDED));
}

TEST_F(StartLoggingTest, OpensOnTheEntrysChoicesAndOffersActiveVisibleObjects) {
    CLogDoc::s_bShowInactiveProjects = true;
    HWND hDlg = Open(CStartLoggingDlg::modeStart);
    EXPECT_THAT(ComboItems(hDlg, IDC_START_PROJECT),
                ElementsAre("<Not Specified>", "Alpha", "Beta", "Dormant"));
    // Showing inactive projects does not bring inactive categories.
    EXPECT_THAT(ComboItems(hDlg, IDC_START_CATEGORY), ElementsAre("Design", "Testing"));
    EXPECT_EQ(ComboSelection(hDlg, IDC_START_PROJECT), "Alpha");
    EXPECT_EQ(ComboSelection(hDlg, IDC_START_CATEGORY), "Design");
    EXPECT_EQ(ItemText(hDlg, IDC_START_DESCRIPTION), "draft the plan");
    EXPECT_EQ(PickerTime(hDlg, IDC_START_TIME).GetMinute(), 30);
    dlg->DestroyWindow();

    // An entry without project selects "<Not Specified>"; an object no item carries selects nothing.
    entry.m_pProject = nullptr;
    entry.m_pCategory = AddCategory("Private");
    doc.m_Categories[doc.m_Categories.GetSize() - 1]->m_Visible = 0;
    hDlg = Open(CStartLoggingDlg::modeStart);
    EXPECT_EQ(ComboSelection(hDlg, IDC_START_PROJECT), "<Not Specified>");
    EXPECT_EQ(ComboSelection(hDlg, IDC_START_CATEGORY), "");
}

TEST_F(StartLoggingTest, ElapsedAndRoundedTextsFollowThePickers) {
    RegWriteBool(REG_ROUNDING, "Enabled", true);
    CLogEntry::SetRoundingSettings(CRoundingSettings{true, 900, 450, false, false});
    HWND hDlg = Open(CStartLoggingDlg::modeStop);
    const struct {
        CTime chosen;
        const char* elapsed;
        const char* rounded;
    } cases[] = {
        {kStart + CTimeSpan(59), "Elapsed time: < 1 minute", "Rounded time: 15 minutes"},
        {kStart + CTimeSpan(90), "Elapsed time: 1 minute", "Rounded time: 15 minutes"},
        {kStart + CTimeSpan(3600), "Elapsed time: 1.00 hours", "Rounded time: 1.00 hours"},
        // The same elapsed text redraws nothing, the rounded line included.
        {kStart + CTimeSpan(3601), "Elapsed time: 1.00 hours", "Rounded time: 1.00 hours"},
        {kStart + CTimeSpan(5400), "Elapsed time: 1.50 hours", "Rounded time: 1.50 hours"},
        // Rounding up makes a unit of nothing.
        {kStart - CTimeSpan(600), "Elapsed time: 0 minutes", "Rounded time: 15 minutes"},
    };
    for (const auto& c : cases) {
        Choose(hDlg, c.chosen);
        EXPECT_EQ(ItemText(hDlg, IDC_START_ELAPSED), c.elapsed);
        EXPECT_EQ(ItemText(hDlg, IDC_START_ROUNDED), c.rounded);
    }
}

TEST_F(StartLoggingTest, ChoosingAProjectTakesCategoryAndDescriptionFromItsLatestEntry) {
    auto* older = new CLogEntry();
    older->m_pProject = beta;
    older->m_pCategory = testing;
    older->m_Desc = "beta tests";
    doc.AddLogEntry(older);
    HWND hDlg = Open(CStartLoggingDlg::modeStart);
    ChooseComboItem(hDlg, IDC_START_PROJECT, "Beta");
    EXPECT_EQ(ComboSelection(hDlg, IDC_START_CATEGORY), "Testing");
    EXPECT_EQ(ItemText(hDlg, IDC_START_DESCRIPTION), "beta tests");
    // A project without entries keeps category and description.
    ChooseComboItem(hDlg, IDC_START_CATEGORY, "Design");
    ChooseComboItem(hDlg, IDC_START_PROJECT, "Alpha");
    EXPECT_EQ(ComboSelection(hDlg, IDC_START_CATEGORY), "Design");
    EXPECT_EQ(ItemText(hDlg, IDC_START_DESCRIPTION), "beta tests");
}

TEST_F(StartLoggingTest, RefusedChoicesAndAStopBeforeTheStartKeepTheFormOpen) {
    const struct {
        const char* name;
        int mode;
        const char* project; // "": no selection
        bool clearCategory;
        CTime chosen;
        const char* message;
    } cases[] = {
        {"nothing chosen", CStartLoggingDlg::modeStart, "", false, kStart,
         "Please choose a project and category to assign the task to."},
        {"no project", CStartLoggingDlg::modeStart, "<Not Specified>", false, kStart,
         "You must choose a project or choose <None>."},
        {"no category", CStartLoggingDlg::modeStart, "Alpha", true, kStart,
         "Please choose a project and category to assign the task to."},
        {"stop before start", CStartLoggingDlg::modeStop, "Alpha", false, kStart - CTimeSpan(60),
         "The task stop time is earlier than the start time."},
        {"switch before start", CStartLoggingDlg::modeSwitch, "Alpha", false, kStart - CTimeSpan(60),
         "The task stop time is earlier than the start time."},
    };
    for (const auto& c : cases) {
        m_app.prompts.clear();
        HWND hDlg = Open(c.mode);
        Choose(hDlg, c.chosen);
        if (*c.project == '\0')
            ::SendMessageA(Item(hDlg, IDC_START_PROJECT), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        else
            ChooseComboItem(hDlg, IDC_START_PROJECT, c.project);
        if (c.clearCategory)
            ::SendMessageA(Item(hDlg, IDC_START_CATEGORY), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        Click(hDlg, IDOK);
        EXPECT_TRUE(::IsWindowVisible(hDlg)) << c.name;
        ASSERT_EQ(m_app.prompts.size(), 1u) << c.name;
        EXPECT_THAT(m_app.prompts[0], HasSubstr(c.message)) << c.name;
        EXPECT_EQ(dlg->GetEntry().m_EndTime.GetTime(), 0) << c.name << ": the entry is untouched";
        EXPECT_FALSE(doc.IsTiming()) << c.name;
        EXPECT_EQ(doc.GetLogEntryCount(), 0) << c.name;
        dlg->DestroyWindow();
    }
}

TEST_F(StartLoggingTest, OkStartsTimingTheChosenTaskAtTheChosenMoment) {
    entry.m_ProjProjectID = 7;
    HWND hDlg = Open(CStartLoggingDlg::modeStart);
    Choose(hDlg, CTime(2026, 3, 2, 8, 15, 0));
    ChooseComboItem(hDlg, IDC_START_PROJECT, "Beta");
    ChooseComboItem(hDlg, IDC_START_CATEGORY, "Testing");
    SetItemText(hDlg, IDC_START_DESCRIPTION, "release notes");
    Click(hDlg, IDOK);
    EXPECT_FALSE(::IsWindowVisible(hDlg));
    EXPECT_TRUE(m_app.prompts.empty());
    EXPECT_TRUE(doc.IsTiming());
    const CLogEntry* running = doc.GetRunningEntry();
    ASSERT_NE(running, nullptr);
    EXPECT_EQ(running->m_StartTime, CTime(2026, 3, 2, 8, 15, 0));
    EXPECT_EQ(running->m_pProject, beta);
    EXPECT_EQ(running->m_pCategory, testing);
    EXPECT_EQ(running->m_Desc, "release notes");
    EXPECT_EQ(running->m_ProjProjectID, -1);
    EXPECT_EQ(entry.m_pProject, alpha) << "the caller's entry is not the dialog's";
}

TEST_F(StartLoggingTest, OkStopsTheTimedTaskAtTheChosenMoment) {
    CLogEntry started = entry;
    doc.StartTiming(&started);
    ASSERT_TRUE(doc.IsTiming());
    HWND hDlg = Open(CStartLoggingDlg::modeStop);
    ASSERT_EQ(dlg->GetEntry().m_StartTime, kStart);
    Choose(hDlg, kStart + CTimeSpan(5400));
    SetItemText(hDlg, IDC_START_DESCRIPTION, "plan drafted");
    Click(hDlg, IDOK);
    EXPECT_FALSE(::IsWindowVisible(hDlg));
    EXPECT_FALSE(doc.IsTiming());
    ASSERT_EQ(doc.GetLogEntryCount(), 1);
    const CLogEntry* stopped = doc.GetLogEntryAt(0);
    EXPECT_EQ(stopped->m_EndTime, kStart + CTimeSpan(5400));
    EXPECT_EQ(stopped->m_Duration.GetTotalSeconds(), 5400);
    EXPECT_EQ(stopped->m_Desc, "plan drafted");
}

} // namespace
