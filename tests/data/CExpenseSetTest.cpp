// The expenses table: rows and expenses both ways, the expense view's filter checked by the rows it
// loads, merging rows read back, references and their replacement, the expenses of an invoice and the
// accounting export.
#include "TableTestSupport.h"

#include "data/CAccount.h"
#include "data/CClient.h"
#include "data/CExpense.h"
#include "data/CExpenseSet.h"
#include "data/CExpenseTrip.h"
#include "data/CExpenseType.h"
#include "data/CProject.h"
#include "data/CSubsystem.h"
#include "data/CUser.h"
#include "data/IExpenseExport.h"
#include "foundation/Registry.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <set>

using namespace datatest;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

namespace {

constexpr LONGLONG kDay = 86400;
const CTime kNoTime(static_cast<__time64_t>(0));

class ExpenseSetTest : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"Expenses", "OrgObjects", "Update"});
        group = AddUser("Sales", nullptr);
        group->m_Workgroup = 1;
        me = AddUser(m_user, group);
        other = AddUser("other", nullptr);
        alpha = AddProject("Alpha");
        beta = AddProject("Beta");
        none = AddProject("<None>");
        Set().ClearFilter();
    }
    CExpenseSet& Set() { return m_doc->m_ExpenseSet; }

    CUser* AddUser(const char* name, CUser* parent) {
        auto* user = new CUser(name);
        user->m_pParent = parent;
        m_doc->AddUser(user);
        return user;
    }
    CProject* AddProject(const char* name) {
        auto* project = new CProject(name, 0.0);
        m_doc->AddProject(project);
        return project;
    }
    // An expense of the user written to the table; change sets its fields first.
    template <typename Change = void (*)(CExpense&)>
    CExpense& Write(
        const char* description, CUser* user, Change change = [](CExpense&) {}) {
        auto* expense = new CExpense;
        expense->m_pDoc = m_doc.get();
        expense->m_Description = description;
        expense->SetUser(user);
        change(*expense);
        m_doc->AddExpense(expense);
        EXPECT_TRUE(Set().SaveExpense(m_doc.get(), expense)) << description;
        return *expense;
    }
    // The descriptions of the expenses a second copy of the program loads, sorted.
    std::vector<std::string> Loaded() {
        auto doc = OtherCopy();
        for (INT_PTR i = 0; i < m_doc->m_Users.GetSize(); ++i)
            doc->AddUser(new CUser(*m_doc->m_Users.GetAt(i)));
        EXPECT_TRUE(doc->m_ExpenseSet.LoadExpenses(doc.get()));
        return Descriptions(doc->m_Expenses);
    }
    static std::vector<std::string> Descriptions(const CObArray& expenses) {
        std::vector<std::string> found;
        for (INT_PTR i = 0; i < expenses.GetSize(); ++i)
            found.emplace_back(static_cast<CExpense*>(expenses.GetAt(i))->m_Description.GetString());
        std::sort(found.begin(), found.end());
        return found;
    }
    CString Column(const CString& guid, const char* column) {
        return QueryText(CString("SELECT [") + column + "] FROM [Expenses] WHERE [GUID] = '" + guid + "'");
    }

    CUser* group = nullptr;
    CUser* me = nullptr;
    CUser* other = nullptr;
    CProject* alpha = nullptr;
    CProject* beta = nullptr;
    CProject* none = nullptr;
};

TEST_P(ExpenseSetTest, ExpenseComesBackAsItWasStored) {
    const std::string longText = LongText(30000);
    for (const char* text : kAwkwardTexts) {
        SCOPED_TRACE(text);
        CExpense& expense = Write(text, me, [&](CExpense& e) {
            e.m_Description = *text ? CString(text) : CString(longText.c_str());
            e.m_GUID.Empty();
            e.m_ClientUID = "CLIENT";
            e.SetProject(alpha);
            e.m_SubsystemID = "SUB";
            e.m_CategoryID = "CAT";
            e.m_BankID = "BANK";
            e.m_AccountID = "ACCOUNT";
            e.m_TypeID = "TYPE";
            e.m_TripID = "TRIP";
            e.m_Amount = -12.75;
            e.m_Payee = text;
            e.m_CheckNum = "1001";
            e.m_Billed = 1;
            e.m_Billable = 0;
            e.m_Reimbursed = 1;
            e.m_Reimbursable = 0;
            e.m_CompanyPaid = 1;
            e.m_CompanyPaidPers = 1;
            e.m_OdometerBegin = 1000;
            e.m_OdometerEnd = 1042;
            e.m_Distance = 42;
            e.m_MileageRate = 0.445;
            e.m_StartDate = At(5, 3, 9, 15);
            e.m_EndDate = At(5, 4);
            e.m_UserText1 = text;
            e.m_UserText3 = "three";
        });
        EXPECT_EQ(expense.m_GUID.GetLength(), 36) << "made when it was saved";
    }
    EXPECT_EQ(Count("Expenses"), static_cast<long>(std::size(kAwkwardTexts)));

    auto doc = OtherCopy();
    doc->AddUser(new CUser(*me));
    ASSERT_TRUE(doc->m_ExpenseSet.LoadExpenses(doc.get()));
    ASSERT_EQ(doc->m_Expenses.GetSize(), static_cast<INT_PTR>(std::size(kAwkwardTexts)));
    for (INT_PTR i = 0; i < m_doc->m_Expenses.GetSize(); ++i) {
        CExpense* mine = m_doc->m_Expenses.GetAt(i);
        const CExpense* back = doc->FindExpenseByGUID(mine->m_GUID);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->m_pDoc, doc.get());
        EXPECT_EQ(back->m_Description, mine->m_Description);
        EXPECT_EQ(back->m_Created, mine->m_Created);
        EXPECT_EQ(back->m_UserUID, me->m_GUID);
        EXPECT_EQ(back->m_OrganizationID, group->m_GUID);
        EXPECT_EQ(back->m_ClientUID + back->m_ProjectUID, "CLIENT" + alpha->m_GUID);
        EXPECT_EQ(back->m_SubsystemID + back->m_CategoryID + back->m_BankID + back->m_AccountID +
                      back->m_TypeID + back->m_TripID,
                  "SUBCATBANKACCOUNTTYPETRIP");
        EXPECT_EQ(back->m_Amount, -12.75);
        EXPECT_EQ(back->m_Payee, mine->m_Payee);
        EXPECT_EQ(back->m_CheckNum, "1001");
        EXPECT_EQ(back->m_Billed * 1 + back->m_Billable * 2 + back->m_Reimbursed * 4 +
                      back->m_Reimbursable * 8 + back->m_CompanyPaid * 16 + back->m_CompanyPaidPers * 32,
                  1 + 4 + 16 + 32);
        EXPECT_EQ(back->m_OdometerBegin + back->m_OdometerEnd + back->m_Distance, 1000 + 1042 + 42);
        EXPECT_EQ(back->m_MileageRate, 0.445);
        EXPECT_EQ(back->m_StartDate, At(5, 3, 9, 15));
        EXPECT_EQ(back->m_EndDate, At(5, 4));
        EXPECT_EQ(back->m_UserText1, mine->m_UserText1);
        EXPECT_EQ(back->m_UserText3, "three");
    }

    CExpense* first = m_doc->m_Expenses.GetAt(0);
    first->m_Payee = "Changed";
    ASSERT_TRUE(Set().SaveExpense(m_doc.get(), first));
    EXPECT_EQ(Count("Expenses"), static_cast<long>(std::size(kAwkwardTexts)))
        << "saved again: the row is edited";
    EXPECT_EQ(Column(first->m_GUID, "Payee"), "Changed");
    EXPECT_TRUE(Set().DeleteExpense(m_doc.get(), first));
    EXPECT_EQ(Count("Expenses"), static_cast<long>(std::size(kAwkwardTexts)) - 1);
}

TEST_P(ExpenseSetTest, EmptyColumnsReadAsTheDefaults) {
    Exec("INSERT INTO [Expenses] ([GUID], [UserUID], [Description]) VALUES ('g', '" + me->m_GUID +
         "', 'bare')");
    auto doc = OtherCopy();
    doc->AddUser(new CUser(*me));
    ASSERT_TRUE(doc->m_ExpenseSet.LoadExpenses(doc.get()));
    const CExpense* bare = doc->FindExpenseByGUID("g");
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(bare->m_Amount, 0.0);
    EXPECT_EQ(bare->m_Billable, 1);
    EXPECT_EQ(bare->m_Reimbursable, 1);
    EXPECT_EQ(bare->m_Billed, 0);
    EXPECT_EQ(bare->m_OdometerEnd, 0);
    EXPECT_DOUBLE_EQ(bare->m_MileageRate, 0.375);
    EXPECT_NE(bare->m_Modified.GetTime(), 0);
}

TEST_P(ExpenseSetTest, TheViewShowsTheCurrentUsersExpensesOfTheChosenProjectTripAndDates) {
    const CTime now = CTime::GetCurrentTime();
    Write("mine, 10 days ago, alpha", me, [&](CExpense& e) {
        e.SetProject(alpha);
        e.m_TripID = "TRIP'1%";
        e.m_StartDate = now - CTimeSpan(10 * kDay);
    });
    Write("mine, 50 days ago, beta", me, [&](CExpense& e) {
        e.SetProject(beta);
        e.m_StartDate = now - CTimeSpan(50 * kDay);
    });
    Write("mine, 100 days ago, alpha", me, [&](CExpense& e) {
        e.SetProject(alpha);
        e.m_TripID = "TRIP_1";
        e.m_StartDate = now - CTimeSpan(100 * kDay);
    });
    Write("mine, undated", me);
    Write("others", other, [&](CExpense& e) { e.m_StartDate = now; });

    EXPECT_EQ(Loaded().size(), 4u) << "no filter: every expense of the current user";
    Set().SetFilterDate(7);
    EXPECT_THAT(Loaded(), ElementsAre("mine, 10 days ago, alpha"));
    Set().SetFilterDate(8);
    EXPECT_EQ(Loaded().size(), 2u);
    Set().SetFilterDate(10);
    EXPECT_EQ(Loaded().size(), 3u) << "rows without date are never in a date range";
    Set().SetFilterDate(99);
    EXPECT_EQ(Loaded().size(), 1u) << "an unknown code counts as 30 days";
    Set().ClearFilter();

    Set().SetFilterProject(alpha);
    EXPECT_THAT(Loaded(), ElementsAre("mine, 10 days ago, alpha", "mine, 100 days ago, alpha"));
    RegWriteString(REG_FILTER_PROJECT_TASKS, "ExTrip", "TRIP_1");
    EXPECT_THAT(Loaded(), ElementsAre("mine, 100 days ago, alpha"));
    RegWriteString(REG_FILTER_PROJECT_TASKS, "ExTrip", "TRIP'1%");
    EXPECT_THAT(Loaded(), ElementsAre("mine, 10 days ago, alpha"));
    EXPECT_EQ(Errors().GetCount(), 0);
}

TEST_P(ExpenseSetTest, FilterSettingsAndTheirText) {
    auto* trip = new CExpenseTrip;
    trip->m_Name = "Berlin";
    m_doc->AddExpenseTrip(trip);
    EXPECT_FALSE(Set().IsFiltered());
    EXPECT_EQ(Set().GetFilterText(m_doc.get()), "");
    Set().SetFilterProject(alpha);
    Set().SetFilterTrip(trip);
    Set().SetFilterDate(9);
    EXPECT_TRUE(Set().IsFiltered());
    EXPECT_EQ(Set().GetFilterText(m_doc.get()), "Alpha, Berlin, Last 90 days");
    Set().SetFilterProject(nullptr);
    Set().SetFilterTrip(nullptr);
    EXPECT_EQ(Set().GetFilterText(m_doc.get()), "Last 90 days");
    Set().ClearFilter();
    EXPECT_FALSE(Set().IsFiltered());
}

TEST_P(ExpenseSetTest, RowsReadBackMergeByTheirChangeTime) {
    CExpense& changed = Write("changed elsewhere", me);
    CExpense& same = Write("same time", me);
    Write("other user's", other);
    auto doc = OtherCopy();
    doc->AddUser(new CUser(*me));
    ASSERT_TRUE(doc->m_ExpenseSet.LoadExpenses(doc.get()));
    ASSERT_EQ(doc->m_Expenses.GetSize(), 2);

    changed.m_Payee = "New payee";
    changed.m_Modified = changed.m_Modified + CTimeSpan(60);
    ASSERT_TRUE(Set().SaveExpense(m_doc.get(), &changed));
    same.m_Payee = "Not taken";
    ASSERT_TRUE(Set().SaveExpense(m_doc.get(), &same));
    CExpense& added = Write("added", me);
    ASSERT_TRUE(doc->m_ExpenseSet.LoadAll(doc.get()));
    EXPECT_EQ(doc->FindExpenseByGUID(changed.m_GUID)->m_Payee, "New payee");
    EXPECT_EQ(doc->FindExpenseByGUID(same.m_GUID)->m_Payee, "")
        << "a row no later than the copy is not taken";
    ASSERT_NE(doc->FindExpenseByGUID(added.m_GUID), nullptr);
    EXPECT_EQ(doc->m_Expenses.GetSize(), 3) << "the reload reads the current user's rows only";
}

TEST_P(ExpenseSetTest, ReferencesAreFoundAndReplaced) {
    auto* bank = new CAccount("Bank");
    auto* travel = new CAccount("Travel");
    auto* meals = new CAccount("Meals");
    for (CAccount* a : {bank, travel, meals})
        m_doc->AddAccount(a);
    auto* acme = new CClient;
    m_doc->AddClient(acme);
    auto* build = new CSubsystem("Build");
    m_doc->AddSubsystem(build);
    CExpense& both = Write("both", me, [&](CExpense& e) {
        e.SetBank(travel);
        e.SetAccount(travel);
        e.SetProject(alpha);
        e.SetSubsystem(build);
        e.SetClient(acme);
    });
    CExpense& bankOnly = Write("bank only", me, [&](CExpense& e) {
        e.SetBank(travel);
        e.SetAccount(meals);
    });
    EXPECT_TRUE(Set().AccountHasExpenses(travel));
    EXPECT_FALSE(Set().AccountHasExpenses(bank));
    EXPECT_TRUE(Set().ProjectHasExpenses(alpha));
    EXPECT_FALSE(Set().ProjectHasExpenses(beta));
    EXPECT_TRUE(Set().ClientHasExpenses(acme));
    EXPECT_TRUE(Set().UserHasExpenses(me));
    EXPECT_FALSE(Set().UserHasExpenses(other));
    EXPECT_TRUE(Set().SubsystemHasExpenses(build));

    ASSERT_TRUE(Set().ReplaceAccount(m_doc.get(), travel, bank));
    EXPECT_EQ(Column(both.m_GUID, "BankID"), bank->m_GUID);
    EXPECT_EQ(Column(both.m_GUID, "AccountID"), bank->m_GUID) << "the same account as bank and account";
    EXPECT_EQ(Column(bankOnly.m_GUID, "AccountID"), meals->m_GUID);
    ASSERT_TRUE(Set().ReplaceProject(m_doc.get(), alpha, beta));
    EXPECT_EQ(Column(both.m_GUID, "ProjectUID"), beta->m_GUID);
    EXPECT_EQ(Column(both.m_GUID, "SubsystemID"), "");
    ASSERT_TRUE(Set().ReplaceClient(m_doc.get(), acme, nullptr));
    EXPECT_FALSE(Set().ClientHasExpenses(acme));
    ASSERT_TRUE(Set().ReplaceUser(m_doc.get(), me, other));
    EXPECT_EQ(Count("Expenses", "[UserUID] = '" + other->m_GUID + "'"), 2);
    EXPECT_EQ(Count("Expenses", "[OrganizationID] = '" + group->m_GUID + "'"), 0)
        << "other belongs to no group";
}

TEST_P(ExpenseSetTest, TheInvoicesExpensesByClientProjectAndDays) {
    auto* acme = new CClient;
    m_doc->AddClient(acme);
    auto write = [&](const char* name, CProject* project, CTime start) {
        Write(name, me, [&](CExpense& e) {
            e.SetClient(acme);
            e.SetProject(project);
            e.m_StartDate = start;
        });
    };
    write("march 31 late", alpha, At(3, 31, 23, 30));
    write("april 1", alpha, At(4, 1, 0, 0));
    write("april 30 late", beta, At(4, 30, 23, 59));
    write("may 1", alpha, At(5, 1));
    Write("other client", me, [&](CExpense& e) { e.m_StartDate = At(4, 10); });

    CObArray out;
    ASSERT_TRUE(Set().FilterForInvoice(acme, none, At(4, 1, 15), At(5, 1), out, m_doc.get()));
    EXPECT_THAT(Descriptions(out), ElementsAre("april 1", "april 30 late")) << "whole days, all projects";
    EXPECT_EQ(static_cast<CExpense*>(out.GetAt(0))->m_Description, "april 1") << "by date";
    for (INT_PTR i = 0; i < out.GetSize(); ++i)
        delete out.GetAt(i);
    out.RemoveAll();
    ASSERT_TRUE(Set().FilterForInvoice(acme, alpha, kNoTime, kNoTime, out, m_doc.get()));
    EXPECT_EQ(out.GetSize(), 3);
    for (INT_PTR i = 0; i < out.GetSize(); ++i)
        delete out.GetAt(i);
}

// Export choices and an expense section that writes all but the expenses named "refused".
class FakeOptions : public IExportExpenseOptions {
public:
    CString project;
    bool range = false;
    CTime start;
    CTime end;
    bool unbilled = false;
    bool mark = true;
    CString GetProjectGUID() const override { return project; }
    bool HasDateRange() const override { return range; }
    CTime GetRangeStart() const override { return start; }
    CTime GetRangeEnd() const override { return end; }
    bool UnbilledOnly() const override { return unbilled; }
    bool IncludesExpense(const CExpense* expense) const override { return expense->m_Payee != "excluded"; }
    bool MarkAsBilled() const override { return mark; }
};

class FakeSection : public IExpenseExportSection {
public:
    std::vector<std::string> written;
    bool AddExpense(const CExpense* expense) override {
        if (expense->m_Description == "refused")
            return false;
        written.emplace_back(expense->m_Description.GetString());
        return true;
    }
};

TEST_P(ExpenseSetTest, ExportMarksExactlyTheWrittenExpensesAsBilled) {
    auto write = [&](const char* name, CProject* project, CTime start, const char* payee = "") {
        return Write(name, me,
                     [&](CExpense& e) {
                         e.SetProject(project);
                         e.m_StartDate = start;
                         e.m_Payee = payee;
                     })
            .m_GUID;
    };
    const CString a = write("a", alpha, At(6, 2));
    const CString refused = write("refused", alpha, At(6, 3));
    const CString excluded = write("b", alpha, At(6, 4), "excluded");
    const CString late = write("late", alpha, At(6, 30, 23));
    const CString outside = write("outside", alpha, At(7, 1));
    const CString otherProject = write("beta", beta, At(6, 5));

    FakeOptions options;
    options.project = alpha->m_GUID;
    options.range = true;
    options.start = At(6, 1, 12);
    options.end = At(6, 30, 8);
    FakeSection section;
    ASSERT_TRUE(Set().ExportExpenses(m_doc.get(), &section, &options));
    EXPECT_THAT(section.written, ElementsAre("a", "late"));
    EXPECT_EQ(Column(a, "Billed"), "1");
    EXPECT_EQ(Column(late, "Billed"), "1");
    for (const CString& guid : {refused, excluded, outside, otherProject})
        EXPECT_EQ(Column(guid, "Billed"), "0") << "not written, not billed";

    options.unbilled = true;
    options.range = false;
    options.mark = false;
    FakeSection again;
    ASSERT_TRUE(Set().ExportExpenses(m_doc.get(), &again, &options));
    EXPECT_THAT(again.written, ElementsAre("outside"));
    EXPECT_EQ(Column(outside, "Billed"), "0") << "not marked when not asked";
}

// In a German locale (day first, "." between the parts) the filters mean the same days: dates go to the
// database as escapes, never as the user's short-date text.
class ExpenseSetDeDETest : public ExpenseSetTest {};

TEST_P(ExpenseSetDeDETest, DateFiltersMeanTheSameDays) {
    auto* acme = new CClient;
    m_doc->AddClient(acme);
    for (int day : {2, 13, 20}) {
        Write(std::to_string(day).c_str(), me, [&](CExpense& e) {
            e.SetClient(acme);
            e.m_StartDate = At(3, day, 12);
        });
    }
    CObArray out;
    ASSERT_TRUE(Set().FilterForInvoice(acme, nullptr, At(3, 13), At(3, 20), out, m_doc.get()));
    EXPECT_THAT(Descriptions(out), ElementsAre("13"));
    for (INT_PTR i = 0; i < out.GetSize(); ++i)
        delete out.GetAt(i);
    Write("recent", me, [](CExpense& e) { e.m_StartDate = CTime::GetCurrentTime() - CTimeSpan(12 * kDay); });
    Set().SetFilterDate(7);
    EXPECT_THAT(Loaded(), ElementsAre("recent"));
    CExpense& shown = *m_doc->m_Expenses.GetAt(0);
    EXPECT_EQ(shown.GetColumnText(CExpense::colDate), "2.3.2004 12:00:00");
    shown.SetColumnText("13.03.2004", CExpense::colDate);
    EXPECT_EQ(shown.m_StartDate, At(3, 13));
}

INSTANTIATE_TEST_SUITE_P(Engines, ExpenseSetTest, DATA_ENGINES);
INSTANTIATE_TEST_SUITE_P(Engines, ExpenseSetDeDETest, DATA_ENGINES);

} // namespace
