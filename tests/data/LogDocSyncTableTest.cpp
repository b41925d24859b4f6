// Expenses written into an entry's description with tags reach the expenses table as the tags say, and
// only while an expense view exists.
#include "TableTestSupport.h"

#include "data/CAccount.h"
#include "data/CExpense.h"
#include "data/CExpenseTrip.h"
#include "data/CExpenseType.h"
#include "data/CUser.h"
#include "timelog/IExpenseView.h"

#include <string>

using namespace datatest;

namespace {

// An expense view without rows: its existence is what the document asks about.
class EmptyExpenseView : public IExpenseView {
public:
    EmptyExpenseView() { SetExpenseView(this); }
    ~EmptyExpenseView() override { SetExpenseView(nullptr); }
    EmptyExpenseView(const EmptyExpenseView&) = delete;
    EmptyExpenseView& operator=(const EmptyExpenseView&) = delete;
    CExpense* GetSelectedExpense() override { return nullptr; }
    CExpense* GetExpenseAtRow(DWORD) override { return nullptr; }
};

class LogDocTaggedExpense : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"Expenses", "OrgObjects", "Update"});
        m_doc->m_bUseDatabase = true;
        m_doc->m_bDatabaseUsable = true;
        me = new CUser(m_user);
        m_doc->AddUser(me);
        for (const char* name : {"Other", "Mileage"})
            m_doc->AddExpenseType(new CExpenseType(name, ""));
        trip = new CExpenseTrip;
        trip->m_Name = "Berlin";
        m_doc->AddExpenseTrip(trip);
        bank = new CAccount("Checking");
        m_doc->AddAccount(bank);
        account = new CAccount("Travel");
        m_doc->AddAccount(account);
    }

    // Imports a tagged description; the expenses read back from the table afterwards.
    bool Import(const char* desc) {
        CLogEntry entry;
        entry.m_Desc = desc;
        entry.m_StartTime = At(3, 2, 9);
        entry.m_EndTime = At(3, 2, 10);
        const bool made = m_doc->ImportTaggedExpense(&entry);
        m_doc->LoadExpenses();
        return made;
    }
    CExpense* Only() {
        EXPECT_EQ(m_doc->m_Expenses.GetSize(), 1);
        return m_doc->m_Expenses.GetSize() == 1 ? m_doc->m_Expenses.GetAt(0) : nullptr;
    }

    EmptyExpenseView view;
    CUser* me = nullptr;
    CExpenseTrip* trip = nullptr;
    CAccount* bank = nullptr;
    CAccount* account = nullptr;
};

TEST_P(LogDocTaggedExpense, TagsFillTheExpense) {
    struct Case {
        const char* desc;
        const char* type;
        double amount;
        int odometerBegin, odometerEnd;
        const char* payee;
        const char* checkNum;
        bool trip, bank, account;
    };
    const Case cases[] = {
        {"Lunch [ex] 12.50", "Other", 12.50, 0, 0, "", "", false, false, false},
        {"[ex]7", "Other", 7.0, 0, 0, "", "", false, false, false},
        // No number right after the tag: digits further on are not an amount.
        {"[ex] lunch for 2", "Other", 0.0, 0, 0, "", "", false, false, false},
        {"Drive [mi] 1200 1250", "Mileage", 50 * 0.375, 1200, 1250, "", "", false, false, false},
        {"[mi]1200   1250 km", "Mileage", 50 * 0.375, 1200, 1250, "", "", false, false, false},
        // Readings in the wrong order, or only one of them, set no odometer.
        {"[mi] 1250 1200", "Mileage", 0.0, 0, 0, "", "", false, false, false},
        {"[mi] 1200", "Mileage", 0.0, 0, 0, "", "", false, false, false},
        // Both tags: the type is Mileage and the odometer decides the amount.
        {"[ex] 3 [mi] 100 110", "Mileage", 10 * 0.375, 100, 110, "", "", false, false, false},
        {"[ex] 9 [py][  Joe's Diner ]", "Other", 9.0, 0, 0, "Joe's Diner", "", false, false, false},
        {"[ex] 9 [py] Joe's Diner", "Other", 9.0, 0, 0, "", "", false, false, false},
        {"[ex] 9 [py] ]Joe[", "Other", 9.0, 0, 0, "", "", false, false, false},
        {"[ex] 9 [ck][1042] [tr][berlin] [bk][Checking] [ac][TRAVEL]", "Other", 9.0, 0, 0, "", "1042", true,
         true, true},
        {"[ex] 9 [tr][Paris] [bk][Savings]", "Other", 9.0, 0, 0, "", "", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.desc);
        Exec("DELETE FROM [Expenses]");
        ASSERT_TRUE(Import(c.desc));
        CExpense* e = Only();
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->m_Description, c.desc) << "the description keeps its tags";
        ASSERT_NE(e->GetType(), nullptr);
        EXPECT_EQ(e->GetType()->m_Name, c.type);
        EXPECT_NEAR(e->m_Amount, c.amount, 1e-9);
        EXPECT_EQ(e->m_OdometerBegin, c.odometerBegin);
        EXPECT_EQ(e->m_OdometerEnd, c.odometerEnd);
        EXPECT_EQ(e->m_Payee, c.payee);
        EXPECT_EQ(e->m_CheckNum, c.checkNum);
        EXPECT_EQ(e->GetTrip(), c.trip ? trip : nullptr);
        EXPECT_EQ(e->GetBank(), c.bank ? bank : nullptr);
        EXPECT_EQ(e->GetAccount(), c.account ? account : nullptr);
        EXPECT_EQ(e->GetUser(), me);
        EXPECT_EQ(e->m_StartDate, At(3, 2, 9));
    }
}

TEST_P(LogDocTaggedExpense, NoAmountOrMileageTagMakesNothing) {
    for (const char* desc : {"[py][Joe] [ck][1] [tr][Berlin]", "[EX] 5 [Mi] 1 2", "plain text", ""}) {
        SCOPED_TRACE(desc);
        EXPECT_FALSE(Import(desc));
        EXPECT_EQ(Count("Expenses"), 0);
    }
    EXPECT_FALSE(m_doc->ImportTaggedExpense(nullptr));
}

TEST_P(LogDocTaggedExpense, NothingIsStoredWithoutAnExpenseView) {
    SetExpenseView(nullptr);
    EXPECT_TRUE(Import("[ex] 5")) << "the tag is still recognised";
    EXPECT_EQ(Count("Expenses"), 0);
    SetExpenseView(&view);
}

TEST_P(LogDocTaggedExpense, NewExpenseIsACopyStampedNow) {
    CExpense original;
    original.m_pDoc = m_doc.get();
    original.m_Description = "Taxi";
    original.SetUser(me); // the view loads the current user's expenses
    original.m_Created = original.m_Modified = At(1, 1, 12);
    ASSERT_TRUE(m_doc->AddNewExpense(&original));
    EXPECT_EQ(m_doc->m_Expenses.GetSize(), 0) << "the list waits for the view's reload";
    m_doc->LoadExpenses();
    CExpense* e = Only();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->m_Description, "Taxi");
    EXPECT_GT(e->m_Created, At(1, 1, 12));
    EXPECT_EQ(original.m_Created, At(1, 1, 12)) << "the caller's object is not changed";
}

INSTANTIATE_TEST_SUITE_P(Engines, LogDocTaggedExpense, DATA_ENGINES);

} // namespace
