// The document's choice lists, user look-ups, expense totals and the timer's status text.
#include "ModelTestSupport.h"

#include "data/CExpense.h"

using namespace modeltest;

namespace {

class LogDocChoices : public ModelTest {
protected:
    CProject* Project(const char* name, BYTE active = 1, BYTE visible = 1, CClient* client = nullptr) {
        auto* p = new CProject(name, 0.0);
        p->m_Active = active;
        p->m_Visible = visible;
        p->m_pClient = client;
        doc.AddProject(p);
        return p;
    }
    CCategory* Category(const char* name, const CString& projectGUID = CString(), BYTE active = 1) {
        auto* c = new CCategory(name, "");
        c->m_ProjectID = projectGUID;
        c->m_Active = active;
        doc.AddCategory(c);
        return c;
    }
    CClient* Client(const char* name, CTime created) {
        auto* c = new CClient;
        c->SetCompanyName(name);
        c->m_Created = created;
        doc.AddClient(c);
        return c;
    }
    CAccount* Account(const char* name, int type, CAccount* parent = nullptr, BYTE active = 1) {
        auto* a = new CAccount(name);
        a->m_ActType = type;
        a->m_Active = active;
        doc.AddAccount(a);
        if (parent != nullptr) {
            a->m_ParentID = parent->GetGUID();
            a->m_pParent = parent;
        }
        return a;
    }
    CUser* User(const char* name, bool group, CUser* parent) {
        auto* u = new CUser(name);
        u->m_Workgroup = group ? 1 : 0;
        u->m_pParent = parent;
        doc.AddUser(u);
        return u;
    }
    CExpense* Expense(double amount, CTime start, CTime end, BYTE billed = 0) {
        auto* e = new CExpense;
        e->m_Amount = amount;
        e->m_StartDate = start;
        e->m_EndDate = end;
        e->m_Billed = billed;
        doc.AddExpense(e);
        return e;
    }

    CLogDoc doc;
};

TEST_F(LogDocChoices, ProjectsActiveVisibleAndOfTheClient) {
    CClient* acme = Client("Acme", At(2020, 1, 1));
    Project("Alpha", 1, 1, acme);
    Project("Idle", 0, 1, acme);
    Project("Hidden", 1, 0, acme);
    Project("Beta");
    EXPECT_EQ(doc.GetProjectChoiceList(nullptr, false), "Alpha\nBeta");
    EXPECT_EQ(doc.GetProjectChoiceList(acme, false), "Alpha");
    EXPECT_EQ(doc.GetProjectChoiceList(nullptr, true), "Alpha");
    CLogDoc::s_bShowInactiveProjects = true;
    EXPECT_EQ(doc.GetProjectChoiceList(acme, false), "Alpha\nIdle");
    CLogDoc::s_bShowInactiveProjects = false;
    EXPECT_EQ(doc.GetProjectChoiceList(Client("Nobody", At(2020, 1, 1)), true), "");
}

TEST_F(LogDocChoices, CategoriesBoundToAProjectShowOnlyWithIt) {
    CProject* none = doc.EnsureNoneProject();
    CProject* alpha = Project("Alpha");
    CProject* beta = Project("Beta");
    Category("Design");
    CString lowerGUID = alpha->GetGUID();
    lowerGUID.MakeLower();
    Category("Alpha only", lowerGUID);
    Category("Beta only", beta->GetGUID());
    Category("Retired", CString(), 0);
    EXPECT_EQ(doc.GetCategoryChoiceList(alpha), "Design\nAlpha only");
    EXPECT_EQ(doc.GetCategoryChoiceList(beta), "Design\nBeta only");
    EXPECT_EQ(doc.GetCategoryChoiceList(none), "Design\nAlpha only\nBeta only");
    EXPECT_EQ(doc.GetCategoryChoiceList(nullptr), "Design\nAlpha only\nBeta only");
}

TEST_F(LogDocChoices, ClientsWithAndWithoutAll) {
    Client("Acme", At(2020, 1, 1));
    Client("Bolt", At(2020, 1, 1));
    EXPECT_EQ(doc.GetClientChoiceList(false), "Acme\nBolt");
    EXPECT_EQ(doc.GetClientChoiceList(true), "<All clients>\nAcme\nBolt");
}

// Expense accounts below a bank account come first, their full names starting at themselves; then the
// top-level tree of the type, depth first, with indented names.
TEST_F(LogDocChoices, AccountsBelowBankAccountsComeFirst) {
    CAccount* bank = Account("Checking", 1);
    CAccount* fees = Account("Fees", 2, bank);
    Account("Wire", 2, fees);
    CAccount* travel = Account("Travel", 2);
    Account("Hotel", 2, travel);
    Account("Closed", 2, travel, 0);
    Account("Savings", 1);
    EXPECT_EQ(doc.GetAccountChoiceList(2), "Fees\tFees\t    Fees\n"
                                           "Fees:Wire\tWire\t        Wire\n"
                                           "Travel\tTravel\tTravel\n"
                                           "Travel:Hotel\tHotel\t    Hotel");
    EXPECT_EQ(doc.GetAccountChoiceList(1), "Checking\tChecking\tChecking\nSavings\tSavings\tSavings");
}

TEST_F(LogDocChoices, ExpenseTypesAndTripsNeedBothFlags) {
    const struct {
        const char* name;
        BYTE first, second;
    } rows[] = {{"Taxi", 1, 1}, {"Hidden", 1, 0}, {"Inactive", 0, 1}, {"Lunch", 1, 1}};
    for (const auto& row : rows) {
        auto* type = new CExpenseType(row.name, "");
        type->m_Flag = row.first;
        type->m_Extra = row.second;
        doc.AddExpenseType(type);
        auto* trip = new CExpenseTrip;
        trip->m_Name = row.name;
        trip->m_Active = row.first;
        trip->m_Extra = row.second;
        trip->m_StartDate = At(2024, 5, 2);
        trip->m_EndDate = At(2024, 5, 4);
        doc.AddExpenseTrip(trip);
    }
    EXPECT_EQ(doc.GetExpenseTypeChoiceList(), "Taxi\nLunch");
    EXPECT_EQ(doc.GetTripChoiceList(), "Taxi\t5/2/2024 - 5/4/2024\nLunch\t5/2/2024 - 5/4/2024");
}

TEST_F(LogDocChoices, MyCompanyFallsBackToTheNameThenTheOldest) {
    EXPECT_EQ(doc.GetMyCompanyClient(), nullptr);
    Client("Newer", At(2022, 1, 1));
    CClient* oldest = Client("Oldest", At(2019, 6, 1));
    Client("Middle", At(2020, 1, 1));
    EXPECT_EQ(doc.GetMyCompanyClient(), oldest);
    CClient* named = Client("MY COMPANY", At(2023, 1, 1));
    EXPECT_EQ(doc.GetMyCompanyClient(), named);
    CClient* self = Client("Ourselves", At(2024, 1, 1));
    self->SetThisCompany();
    EXPECT_EQ(doc.GetMyCompanyClient(), self);
}

TEST_F(LogDocChoices, GroupChainsAndTreesAndPersons) {
    CUser* top = User("Company", true, nullptr);
    CUser* sales = User("Sales", true, top);
    CUser* east = User("East", true, sales);
    CUser* ann = User("ann", false, east);
    CUser* dev = User("Dev", true, top);
    User("bob", false, dev);
    EXPECT_EQ(doc.CountPersons(), 2);
    EXPECT_EQ(doc.IndexOfUser(ann), 3);
    EXPECT_EQ(doc.IndexOfUser(nullptr), -1);

    CStringArray ids;
    doc.GetGroupChainIds(ann, ids, false);
    ASSERT_EQ(ids.GetSize(), 3);
    EXPECT_EQ(ids[0], east->GetGUID());
    EXPECT_EQ(ids[2], top->GetGUID());
    ids.RemoveAll();
    doc.GetGroupChainIds(sales, ids, true);
    ASSERT_EQ(ids.GetSize(), 1) << "starts at the group itself and stops before the top";
    EXPECT_EQ(ids[0], sales->GetGUID());

    ids.RemoveAll();
    doc.GetGroupTreeIds(top, ids);
    ASSERT_EQ(ids.GetSize(), 4);
    EXPECT_EQ(ids[0], top->GetGUID());
    EXPECT_EQ(ids[1], sales->GetGUID());
    EXPECT_EQ(ids[2], east->GetGUID());
    EXPECT_EQ(ids[3], dev->GetGUID());
    ids.RemoveAll();
    doc.GetGroupTreeIds(ann, ids);
    EXPECT_EQ(ids.GetSize(), 0) << "a person has no tree";

    // A parent cycle in damaged data ends the walks.
    sales->m_pParent = east;
    ids.RemoveAll();
    doc.GetGroupChainIds(ann, ids, false);
    EXPECT_EQ(ids.GetSize(), 2);
}

TEST_F(LogDocChoices, ExpenseTotalsByPeriodSelectionAndBilling) {
    const CTime from = At(2024, 3, 10);
    const CTime to = At(2024, 3, 20);
    CProject* alpha = Project("Alpha");
    Expense(1.0, At(2024, 3, 9), CTime(static_cast<__time64_t>(0))); // only a start, the day before
    Expense(2.0, CTime(static_cast<__time64_t>(0)), CTime(static_cast<__time64_t>(0))); // no dates
    Expense(4.0, At(2024, 3, 5), At(2024, 3, 12), 1);                                   // ends inside
    Expense(8.0, At(2024, 3, 21), At(2024, 3, 22));                                     // starts after
    CExpense* onAlpha = Expense(16.0, At(2024, 3, 15), CTime(static_cast<__time64_t>(0)));
    onAlpha->m_pProject = alpha;
    EXPECT_DOUBLE_EQ(doc.GetExpenseTotal(from, to, nullptr, nullptr, nullptr, 0), 22.0);
    EXPECT_DOUBLE_EQ(doc.GetExpenseTotal(from, to, nullptr, nullptr, nullptr, 1), 4.0);
    EXPECT_DOUBLE_EQ(doc.GetExpenseTotal(from, to, nullptr, nullptr, nullptr, 2), 18.0);
    EXPECT_DOUBLE_EQ(doc.GetExpenseTotal(from, to, alpha, nullptr, nullptr, 0), 16.0);
    EXPECT_EQ(doc.FormatExpenseTotal(from, to, nullptr, nullptr, nullptr, 0), "22.00");
}

TEST_F(LogDocChoices, TimerStatusText) {
    CString text;
    doc.GetTimerStatusText(text);
    EXPECT_EQ(text, "Brindlemark is idle");
    doc.m_bTiming = true;
    doc.m_CurrentEntry.m_pProject = Project("Alpha");
    doc.m_CurrentEntry.m_StartTime = CTime::GetCurrentTime() - CTimeSpan(0, 1, 30, 0);
    doc.GetTimerStatusText(text);
    EXPECT_EQ(text, "Alpha, 1.50 hours");
    doc.m_CurrentEntry.m_pCategory = Category("Design");
    doc.m_CurrentEntry.m_pProject = nullptr;
    doc.GetTimerStatusText(text);
    EXPECT_EQ(text, "<Not Specified>, Design, 1.50 hours");
}

} // namespace
