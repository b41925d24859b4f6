// The commands on the active view's selection reach the right dialog (answered here by a recording set
// of the main window's commands), and the one modeless Find dialog searches and opens through the
// active view.
#include "LogDocTestViews.h"
#include "ModelTestSupport.h"
#include "TaskSelectionSupport.h"
#include "TimingTestSupport.h"

#include "foundation/SharedHelpers.h"
#include "framework/win/CCmdUI.h"
#include "framework/win/CMenu.h"
#include "resource.h"
#include "timelog/CFindDlg.h"
#include "timelog/CFindRequest.h"
#include "timelog/IExpenseView.h"
#include "timelog/IInvoiceView.h"
#include "timelog/ITaskView.h"
#include "timelog/IViewCommands.h"

#include <string>
#include <vector>

namespace {

// The main window's dialogs and record-view searches: each call is recorded as "name" or "name:view".
class RecordingViewCommands : public IViewCommands {
public:
    RecordingViewCommands() { SetViewCommands(this); }
    ~RecordingViewCommands() override { SetViewCommands(nullptr); }
    RecordingViewCommands(const RecordingViewCommands&) = delete;
    RecordingViewCommands& operator=(const RecordingViewCommands&) = delete;

    void EditTimesheetSelection() override { calls.emplace_back("timesheet"); }
    int EditProjectTask(CLogDoc&, CTask* pTask, bool newTask) override {
        calls.emplace_back(newTask ? "task:new" : "task:" + std::string(pTask->m_Name));
        return IDOK;
    }
    int EditExpense(CLogDoc&, CExpense* pExpense) override {
        calls.emplace_back(pExpense == nullptr ? "expense:new"
                                               : "expense:" + std::string(pExpense->m_Description));
        return IDOK;
    }
    int EditInvoice(CLogDoc&, CInvoice* pInvoice) override {
        calls.emplace_back(pInvoice == nullptr ? "invoice:new"
                                               : "invoice:" + std::string(pInvoice->m_InvoiceNum));
        return IDOK;
    }
    void OpenInvoiceDocument(CLogDoc&, CInvoice& invoice) override {
        calls.emplace_back("document:" + std::string(invoice.m_InvoiceNum));
    }
    int EnterPayment(CLogDoc&, CInvoice& invoice) override {
        calls.emplace_back("payment:" + std::string(invoice.m_InvoiceNum));
        return paymentResult;
    }
    void ShowPayments(CLogDoc&, CInvoice& invoice) override {
        calls.emplace_back("payments:" + std::string(invoice.m_InvoiceNum));
    }
    int EditExpenseTrips(CLogDoc&, CExpenseTripArray& trips) override {
        calls.emplace_back("trips");
        for (INT_PTR i = 0; i < trips.GetSize(); ++i)
            marksSeen.push_back(trips.GetAt(i)->m_bModified != 0);
        return IDOK;
    }
    bool FindInView(int view, const CFindRequest& request, CString& guid, int& columnId) override {
        calls.emplace_back("find:" + std::to_string(view) + ":" + std::string(request.phrase));
        guid = foundGUID;
        columnId = 11572;
        return !foundGUID.IsEmpty();
    }
    CString GetFindText(int view) override { return view == 4 ? "task text" : ""; }
    CString GetColumnCaption(int, int) override { return "Name"; }
    CString GetObjectText(int, const CString&, int) override { return "Write the report"; }
    void FindNext(int view) override { calls.emplace_back("findnext:" + std::to_string(view)); }
    void UpdateFindNext(int, CCmdUI* pCmdUI) override { pCmdUI->Enable(TRUE); }
    bool ChooseReportUser(CLogDoc&, CString& userName, CStringArray& names, CStringArray& groupIds) override {
        calls.emplace_back("report-user");
        userName = "kim";
        names.Add("kim");
        groupIds.Add("{GROUP}");
        return chooseUser;
    }
    bool ChooseReportFile(const CString& folder, const CString& filter, CString& path) override {
        calls.emplace_back("report-file");
        reportFolder = folder;
        reportFilter = filter;
        path = folder + "\\Hours.rpt";
        return chooseFile;
    }
    void ViewReport(CLogDoc&, const CString& path, const CString& userName, const CStringArray& names,
                    const CStringArray& groupIds) override {
        calls.emplace_back("report:" + std::string(path.Mid(path.ReverseFind('\\') + 1)) + ":" +
                           std::string(userName) + ":" + std::to_string(names.GetSize()) + ":" +
                           std::string(groupIds.GetSize() > 0 ? groupIds[0] : CString()));
    }

    std::vector<std::string> calls;
    std::vector<bool> marksSeen;
    CString foundGUID;
    int paymentResult = IDOK;
    bool chooseUser = true;
    bool chooseFile = true;
    CString reportFolder;
    CString reportFilter;
};

// A log view whose own search finds one entry, and whose selection is one entry.
class SearchingLogView : public modeltest::RecordingLogView {
public:
    CLogEntry* GetSelectedEntry() override { return selected; }
    DWORD FindEntryRow(const CLogEntry* pEntry) override {
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i] == pEntry)
                return static_cast<DWORD>(i + 1);
        return 0;
    }
    bool FindEntry(const CFindRequest& request, CString& guid, int& columnId) override {
        findText = request.phrase;
        if (hit == nullptr)
            return false;
        guid = hit->GetGUID();
        columnId = CLogEntry::colDescription;
        return true;
    }
    CString GetFindText() override { return findText; }
    void FindNextEntry() override { ++findNexts; }
    bool CanFindNext() override { return !findText.IsEmpty(); }
    CString GetColumnCaption(int columnId) override {
        return columnId == CLogEntry::colDescription ? "Description" : "";
    }

    CLogEntry* selected = nullptr;
    CLogEntry* hit = nullptr;
    CString findText;
    int findNexts = 0;
};

class RecordView : public ITaskView, public IExpenseView, public IInvoiceView {
public:
    RecordView() {
        SetTaskView(this);
        SetExpenseView(this);
        SetInvoiceView(this);
    }
    ~RecordView() override {
        SetTaskView(nullptr);
        SetExpenseView(nullptr);
        SetInvoiceView(nullptr);
    }
    RecordView(const RecordView&) = delete;
    RecordView& operator=(const RecordView&) = delete;
    UINT GetPrimarySortColumn() override { return 0; }
    bool IsSortAscending() override { return true; }
    CTask* GetSelectedTask() override { return task; }
    CTask* GetTaskAtRow(DWORD) override { return nullptr; }
    void ClearSelection() override { task = nullptr; }
    CExpense* GetSelectedExpense() override { return expense; }
    CExpense* GetExpenseAtRow(DWORD) override { return nullptr; }
    CInvoice* GetSelectedInvoice() override { return invoice; }
    CInvoice* GetInvoiceAtRow(DWORD) override { return nullptr; }
    CTask* task = nullptr;
    CExpense* expense = nullptr;
    CInvoice* invoice = nullptr;
};

// The Log Task dialog on an existing entry: records the entry and its row.
class EditDialogs : public timingtest::ScriptedDialogs {
public:
    int RunEditLogEntry(CLogDoc&, CLogEntry& entry, DWORD row) override {
        edited.push_back(std::string(entry.m_Desc) + "@" + std::to_string(row));
        return IDOK;
    }
    std::vector<std::string> edited;
};

class ViewCommandsTest : public modeltest::ModelTest {
protected:
    void SetUp() override {
        frame.doc = &doc;
        frame.logView = &view;
        project = new CProject("Alpha", 0.0);
        doc.AddProject(project);
        task = new CTask();
        task->m_pDoc = &doc;
        task->m_Name = "Write the report";
        task->SetProject(project);
        doc.AddProjectTask(task);
        expense = new CExpense();
        expense->m_Description = "Train";
        doc.AddExpense(expense);
        invoice = new CInvoice();
        invoice->m_InvoiceNum = "1001";
        doc.AddInvoice(invoice);
        records.task = task;
        records.expense = expense;
        records.invoice = invoice;
    }
    static void ActiveView(int value) { RegWriteInt(REG_PREFS, "Active View", value); }
    CLogEntry* AddEntry(const char* desc) {
        auto* e = new CLogEntry();
        e->m_pProject = project;
        e->m_Desc = desc;
        e->SetStartTime(CTime(2026, 3, 2, 9, 0, 0));
        e->SetStopTime(CTime(2026, 3, 2, 10, 0, 0));
        doc.AddLogEntry(e);
        view.rows.push_back(e);
        return e;
    }
    bool Command(UINT id) { return doc.OnCmdMsg(id, CN_COMMAND, nullptr, nullptr) != FALSE; }
    int Enabled(UINT id, modeltest::MenuCmdUI* pUI = nullptr) {
        modeltest::MenuCmdUI own(id, false);
        modeltest::MenuCmdUI& ui = pUI != nullptr ? *pUI : own;
        doc.OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &ui, nullptr);
        return ui.enabled;
    }
    // The current user, holding exactly the rights listed.
    void LimitRights(const std::vector<int>& rights) {
        auto* user = new CUser("tester");
        user->m_Rights = "000000000000";
        for (int n : rights)
            user->m_Rights.SetAt(n - 1, '1');
        doc.AddUser(user);
    }

    modeltest::RecordingApp app;
    CLogDoc doc;
    SearchingLogView view;
    modeltest::RecordingFrame frame;
    RecordView records;
    RecordingViewCommands commands;
    EditDialogs dialogs;
    CProject* project = nullptr;
    CTask* task = nullptr;
    CExpense* expense = nullptr;
    CInvoice* invoice = nullptr;
};

TEST_F(ViewCommandsTest, ViewTaskOpensTheActiveViewsSelection) {
    CLogEntry* entry = AddEntry("first");
    AddEntry("second");
    view.selected = entry;
    struct Case {
        int activeView;
        std::vector<std::string> calls;
        std::vector<std::string> edited;
    };
    const Case cases[] = {
        {2, {"timesheet"}, {}},     {3, {}, {"first@1"}},      {4, {"task:Write the report"}, {}},
        {5, {"expense:Train"}, {}}, {6, {"invoice:1001"}, {}}, {7, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.activeView);
        commands.calls.clear();
        dialogs.edited.clear();
        ActiveView(c.activeView);
        EXPECT_TRUE(Command(ID_VIEW_TASK));
        EXPECT_EQ(commands.calls, c.calls);
        EXPECT_EQ(dialogs.edited, c.edited);
    }

    // Nothing selected: nothing opens.
    view.selected = nullptr;
    records.task = nullptr;
    records.expense = nullptr;
    records.invoice = nullptr;
    commands.calls.clear();
    dialogs.edited.clear();
    for (const int active : {3, 4, 5, 6}) {
        ActiveView(active);
        Command(ID_VIEW_TASK);
    }
    EXPECT_TRUE(commands.calls.empty());
    EXPECT_TRUE(dialogs.edited.empty());
}

TEST_F(ViewCommandsTest, RecordCommandsReachTheirDialogsWithTheRightsTheyNeed) {
    struct Case {
        UINT id;
        std::vector<std::string> withRights;
        std::vector<std::string> withoutRights;
    };
    const Case cases[] = {
        {ID_PROJECT_TASK_NEW, {"task:new"}, {}},
        {ID_EXPENSE_NEW, {"expense:new"}, {}},
        {ID_EXPENSE_VIEW, {"expense:Train"}, {"expense:Train"}},
        {ID_INVOICE_NEW, {"invoice:new"}, {"invoice:new"}},
        {ID_INVOICE_VIEW, {"invoice:1001"}, {"invoice:1001"}},
        {ID_INVOICE_DOCUMENT, {"document:1001"}, {"document:1001"}},
        {ID_PAYMENT_ENTER, {"payment:1001"}, {}},
        {ID_PAYMENTS_VIEW, {"payments:1001"}, {"payments:1001"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        commands.calls.clear();
        EXPECT_TRUE(Command(c.id));
        EXPECT_EQ(commands.calls, c.withRights);
    }
    LimitRights({1, 2, 3});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        commands.calls.clear();
        Command(c.id);
        EXPECT_EQ(commands.calls, c.withoutRights);
    }
    EXPECT_EQ(Enabled(ID_EXPENSE_NEW), 0) << "without right 7";
}

TEST_F(ViewCommandsTest, UpdatesFollowTheSelectionAndSetTheirMenuTexts) {
    struct Case {
        UINT id;
        const char* menuText; // nullptr: the text is left alone
    };
    const Case cases[] = {
        {ID_EXPENSE_VIEW, "&View Expense..."}, {ID_INVOICE_VIEW, "&View Invoice..."},
        {ID_INVOICE_DOCUMENT, nullptr},        {ID_PAYMENT_ENTER, nullptr},
        {ID_PAYMENTS_VIEW, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        modeltest::MenuCmdUI inMenu(c.id, true);
        EXPECT_EQ(Enabled(c.id, &inMenu), 1);
        EXPECT_EQ(inMenu.text, c.menuText != nullptr ? c.menuText : "");
        modeltest::MenuCmdUI button(c.id, false);
        Enabled(c.id, &button);
        EXPECT_TRUE(button.text.empty()) << "a button keeps its text";
    }
    records.expense = nullptr;
    records.invoice = nullptr;
    for (const Case& c : cases)
        EXPECT_EQ(Enabled(c.id), 0) << c.id;
    EXPECT_EQ(Enabled(ID_EXPENSE_NEW), 1);
}

TEST_F(ViewCommandsTest, EditSummaryNamesTheKindOfSummaryAndWaitsForTheTaskView) {
    CSubsystem subsystem;
    struct Case {
        bool summary;
        CSubsystem* pSubsystem;
        const char* text;
    };
    const Case cases[] = {
        {true, nullptr, "Edit Project..."},
        {true, &subsystem, "Edit Subsystem..."},
        {false, nullptr, "Edit Subsystem..."},
    };
    ActiveView(4);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        task->m_Summary = c.summary ? 1 : 0;
        task->m_pSubsystem = c.pSubsystem;
        modeltest::MenuCmdUI ui(ID_EDIT_SUMMARY, true);
        EXPECT_EQ(Enabled(ID_EDIT_SUMMARY, &ui), 1);
        EXPECT_EQ(ui.text, c.text);
    }
    task->m_pSubsystem = nullptr;
    ActiveView(3);
    EXPECT_EQ(Enabled(ID_EDIT_SUMMARY), 0);
}

TEST_F(ViewCommandsTest, AcceptedPaymentReloadsTheInvoiceView) {
    const int before = frame.refreshes;
    commands.paymentResult = IDCANCEL;
    Command(ID_PAYMENT_ENTER);
    EXPECT_EQ(frame.refreshes, before);
    commands.paymentResult = IDOK;
    Command(ID_PAYMENT_ENTER);
    EXPECT_EQ(frame.refreshes, before + 1);
}

TEST_F(ViewCommandsTest, TheTripsDialogStartsWithoutMarks) {
    auto* trip = new CExpenseTrip();
    trip->m_Name = "Lyon";
    trip->SetModified(TRUE);
    doc.AddExpenseTrip(trip);
    Command(ID_EXPENSE_TRIPS);
    EXPECT_EQ(commands.calls, std::vector<std::string>{"trips"});
    EXPECT_EQ(commands.marksSeen, std::vector<bool>{false});
}

TEST_F(ViewCommandsTest, FindIsOneDialogUntilItIsCancelled) {
    ActiveView(3);
    Command(ID_FIND);
    CFindDlg* first = doc.GetFindDialog();
    ASSERT_NE(first, nullptr);
    const HWND hFirst = first->GetSafeHwnd();
    ASSERT_TRUE(::IsWindow(hFirst));
    EXPECT_TRUE(::IsWindowVisible(hFirst));
    Command(ID_FIND);
    EXPECT_EQ(doc.GetFindDialog(), first) << "the same dialog again";
    EXPECT_EQ(first->GetSafeHwnd(), hFirst);

    // Cancel: the dialog ends itself through the document.
    ::SendMessageA(hFirst, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(doc.GetFindDialog(), nullptr);
    EXPECT_FALSE(::IsWindow(hFirst));
    Command(ID_FIND);
    ASSERT_NE(doc.GetFindDialog(), nullptr);
    EXPECT_TRUE(::IsWindow(doc.GetFindDialog()->GetSafeHwnd()));
    doc.DestroyFindDialog();
    EXPECT_EQ(doc.GetFindDialog(), nullptr);
    doc.DestroyFindDialog(); // nothing left to destroy
}

TEST_F(ViewCommandsTest, FindAndFindNextFollowTheActiveView) {
    struct Case {
        int activeView;
        int findEnabled;
        std::vector<std::string> nextCalls;
        int logFindNexts;
    };
    view.findText = "report";
    const Case cases[] = {
        {2, 0, {}, 0},
        {3, 1, {}, 1},
        {4, 1, {"findnext:4"}, 0},
        {5, 1, {"findnext:5"}, 0},
        {6, 1, {"findnext:6"}, 0},
        {7, 0, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.activeView);
        ActiveView(c.activeView);
        commands.calls.clear();
        view.findNexts = 0;
        EXPECT_EQ(Enabled(ID_FIND), c.findEnabled);
        EXPECT_EQ(Enabled(ID_FIND_NEXT), c.findEnabled);
        Command(ID_FIND_NEXT);
        EXPECT_EQ(commands.calls, c.nextCalls);
        EXPECT_EQ(view.findNexts, c.logFindNexts);
    }
    ActiveView(3);
    view.findText.Empty();
    EXPECT_EQ(Enabled(ID_FIND_NEXT), 0) << "the log view has nothing to find again";
}

TEST_F(ViewCommandsTest, TheFindServicesSearchShowAndOpenInTheActiveView) {
    CLogEntry* entry = AddEntry("Quarterly report");
    ActiveView(3);
    view.hit = entry;
    CFindRequest request;
    request.phrase = "report";
    CString guid;
    int column = 0;
    ASSERT_TRUE(doc.FindItem(request, guid, column));
    EXPECT_EQ(guid, entry->GetGUID());
    EXPECT_EQ(doc.GetLastFindText(), "report");
    EXPECT_EQ(doc.GetFoundItemText(guid, column), "Description:\r\nQuarterly report");
    EXPECT_EQ(doc.GetFoundItemText("{not an entry}", column), "");
    doc.OpenFoundItem(guid);
    EXPECT_EQ(dialogs.edited, std::vector<std::string>{"Quarterly report@1"});
    view.hit = nullptr;
    EXPECT_FALSE(doc.FindItem(request, guid, column));
    EXPECT_TRUE(guid.IsEmpty());

    ActiveView(4);
    commands.foundGUID = task->m_GUID;
    ASSERT_TRUE(doc.FindItem(request, guid, column));
    EXPECT_EQ(commands.calls.back(), "find:4:report");
    EXPECT_EQ(doc.GetLastFindText(), "task text");
    EXPECT_EQ(doc.GetFoundItemText(guid, column), "Name:\r\nWrite the report");
    EXPECT_EQ(doc.GetFoundItemText(expense->GetGUID(), column), "") << "not a project task";
    doc.OpenFoundItem(guid);
    EXPECT_EQ(commands.calls.back(), "task:Write the report");

    ActiveView(2);
    commands.calls.clear();
    EXPECT_FALSE(doc.FindItem(request, guid, column));
    EXPECT_EQ(doc.GetLastFindText(), "");
    doc.OpenFoundItem(task->m_GUID);
    EXPECT_TRUE(commands.calls.empty());
}

TEST_F(ViewCommandsTest, OpeningAReportAsksWhoseDataThenTheFileInTheReportsFolder) {
    ScratchFolder folder;
    SetProgramFolderForTests(folder.Path());
    struct Case {
        bool chooseUser;
        bool chooseFile;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {false, true, {"report-user"}},
        {true, false, {"report-user", "report-file"}},
        {true, true, {"report-user", "report-file", "report:Hours.rpt:kim:1:{GROUP}"}},
    };
    for (const Case& c : cases) {
        commands.calls.clear();
        commands.chooseUser = c.chooseUser;
        commands.chooseFile = c.chooseFile;
        EXPECT_TRUE(Command(ID_OPEN_REPORT));
        EXPECT_EQ(commands.calls, c.calls);
    }
    EXPECT_EQ(commands.reportFolder, folder.Path() + "Reports");
    const DWORD attributes = ::GetFileAttributesA(commands.reportFolder);
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u) << "made when missing";
    EXPECT_EQ(commands.reportFilter, "Report Files (*.rpt)|*.rpt|All Files (*.*)|*.*||");
    // The scratch folder cannot go while it holds the current folder.
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    ::SetCurrentDirectoryA(temp);
    SetProgramFolderForTests(nullptr);
}

} // namespace
