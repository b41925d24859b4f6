// The expense: defaults, references resolved through the document, the texts of the expense view's
// columns with their rules (mileage, dates, flags), and the find command's match.
#include "../timelog/ModelTestSupport.h"

#include "data/CAccount.h"
#include "data/CCategory.h"
#include "data/CClient.h"
#include "data/CExpense.h"
#include "data/CExpenseTrip.h"
#include "data/CExpenseType.h"
#include "data/CProject.h"
#include "data/CSubsystem.h"
#include "data/CUser.h"
#include "foundation/LocaleFormat.h"
#include "timelog/CFindRequest.h"

using namespace modeltest;

namespace {

class ExpenseTest : public ModelTest {
protected:
    ExpenseTest() {
        none = new CProject("<None>", 0.0);
        doc.AddProject(none);
        project = new CProject("Alpha", 0.0);
        doc.AddProject(project);
        build = new CSubsystem("Build");
        doc.AddSubsystem(build);
        project->AddSubsystem(build);
        category = new CCategory("Design", "");
        doc.AddCategory(category);
        client = new CClient;
        client->SetCompanyName("Acme");
        doc.AddClient(client);
        group = new CUser("Sales");
        group->m_Workgroup = 1;
        doc.AddUser(group);
        user = new CUser("ann");
        user->m_pParent = group;
        doc.AddUser(user);
        operating = new CAccount("Operating");
        doc.AddAccount(operating);
        travel = new CAccount("Travel");
        travel->SetParent(operating);
        doc.AddAccount(travel);
        meals = new CExpenseType("Meals", "");
        doc.AddExpenseType(meals);
        trip = new CExpenseTrip;
        trip->m_Name = "Berlin";
        trip->m_StartDate = At(2004, 4, 5);
        trip->m_EndDate = At(2004, 4, 9, 18, 30);
        doc.AddExpenseTrip(trip);
        expense.m_pDoc = &doc;
    }

    CLogDoc doc;
    CProject* none;
    CProject* project;
    CSubsystem* build;
    CCategory* category;
    CClient* client;
    CUser* group;
    CUser* user;
    CAccount* operating;
    CAccount* travel;
    CExpenseType* meals;
    CExpenseTrip* trip;
    CExpense expense;
};

TEST_F(ExpenseTest, NewExpenseIsBillableAndReimbursableWithTheMileagePreference) {
    CExpense fresh;
    EXPECT_EQ(fresh.m_Billable, 1);
    EXPECT_EQ(fresh.m_Reimbursable, 1);
    EXPECT_EQ(fresh.m_Billed + fresh.m_Reimbursed + fresh.m_CompanyPaid + fresh.m_CompanyPaidPers, 0);
    EXPECT_DOUBLE_EQ(fresh.m_MileageRate, 0.375);
    RegWriteInt(REG_PREFS, "Mileage rate", 0);
    EXPECT_DOUBLE_EQ(CExpense().m_MileageRate, 0.375);
    RegWriteInt(REG_PREFS, "Mileage rate", 445);
    EXPECT_DOUBLE_EQ(CExpense().m_MileageRate, 0.445);
}

TEST_F(ExpenseTest, MadeFromAnEntryTakesItsWorkAndItsUsersUnit) {
    CLogEntry entry;
    entry.m_Desc = "Taxi";
    entry.m_StartTime = At(2004, 4, 6, 9);
    entry.m_EndTime = At(2004, 4, 6, 10);
    entry.m_Billed = 1;
    entry.m_Billable = 0;
    entry.m_UserText2 = "u2";
    entry.m_pProject = project;
    entry.m_pSubsystem = build;
    entry.m_pCategory = category;
    entry.m_pClient = client;
    entry.m_pUser = user;
    const CExpense made(entry);
    EXPECT_EQ(made.m_Description, "Taxi");
    EXPECT_EQ(made.m_StartDate, entry.m_StartTime);
    EXPECT_EQ(made.m_EndDate, entry.m_EndTime);
    EXPECT_EQ(made.m_Billed, 1);
    EXPECT_EQ(made.m_Billable, 0);
    EXPECT_EQ(made.m_UserText2, "u2");
    EXPECT_EQ(made.m_ProjectUID, project->GetGUID());
    EXPECT_EQ(made.m_SubsystemID, build->GetGUID());
    EXPECT_EQ(made.m_CategoryID, category->GetGUID());
    EXPECT_EQ(made.m_ClientUID, client->GetGUID());
    EXPECT_EQ(made.m_UserUID, user->GetGUID());
    EXPECT_EQ(made.m_OrganizationID, group->GetGUID());
}

TEST_F(ExpenseTest, SettersStoreGUIDsAndGettersResolveThemOnce) {
    expense.SetUser(user);
    EXPECT_EQ(expense.m_OrganizationID, group->GetGUID());
    expense.SetUser(group); // a group without parent group: no unit
    EXPECT_EQ(expense.m_OrganizationID, "");
    expense.SetUser(nullptr);
    EXPECT_EQ(expense.m_UserUID, "");

    CExpense loaded;
    loaded.m_pDoc = &doc;
    loaded.m_CategoryID = category->GetGUID();
    loaded.m_TripID = trip->GetGUID();
    loaded.m_BankID = travel->GetGUID();
    EXPECT_EQ(loaded.GetCategory(), category);
    EXPECT_EQ(loaded.GetTrip(), trip);
    EXPECT_EQ(loaded.GetBank(), travel);
    EXPECT_EQ(loaded.GetAccount(), nullptr);
}

TEST_F(ExpenseTest, UnknownProjectResolvesToTheNoneProject) {
    expense.m_ProjectUID = "GONE";
    EXPECT_EQ(expense.GetProject(), none);
    EXPECT_EQ(expense.m_ProjectUID, none->GetGUID());
    EXPECT_EQ(expense.GetColumnText(CExpense::colProject), "<None>");
}

TEST_F(ExpenseTest, ReferenceColumnsLookUpByNameIgnoringCase) {
    expense.SetColumnText("alpha", CExpense::colProject);
    EXPECT_EQ(expense.m_pProject, project);
    expense.SetColumnText("BUILD", CExpense::colSubsystem);
    EXPECT_EQ(expense.m_pSubsystem, build);
    expense.SetColumnText("design", CExpense::colCategory);
    expense.SetColumnText("MEALS", CExpense::colType);
    expense.SetColumnText("acme", CExpense::colClient);
    expense.SetColumnText("operating:travel", CExpense::colBank);
    expense.SetColumnText("Travel", CExpense::colAccount);
    expense.SetColumnText(trip->GetGUID(), CExpense::colTrip);
    EXPECT_EQ(expense.m_pCategory, category);
    EXPECT_EQ(expense.m_pType, meals);
    EXPECT_EQ(expense.m_pClient, client);
    EXPECT_EQ(expense.m_pBank, travel);
    EXPECT_EQ(expense.m_pAccount, travel);
    EXPECT_EQ(expense.GetColumnText(CExpense::colTripName), "Berlin");
    EXPECT_EQ(expense.GetColumnText(CExpense::colTrip), trip->GetGUID());
    EXPECT_EQ(expense.GetColumnText(CExpense::colTripStart), "4/5/2004") << "a date alone at midnight";
    EXPECT_EQ(expense.GetColumnText(CExpense::colTripEnd), AcxFormatDateTime(trip->m_EndDate));
    EXPECT_EQ(expense.GetColumnText(CExpense::colClient), "Acme");

    // A name that finds nothing clears the reference.
    expense.SetColumnText("Nowhere", CExpense::colSubsystem);
    EXPECT_EQ(expense.m_pSubsystem, nullptr);
    EXPECT_EQ(expense.m_SubsystemID, "");
    expense.SetColumnText("Nobody", CExpense::colClient);
    EXPECT_EQ(expense.GetColumnText(CExpense::colClient), "<All clients>");
    EXPECT_EQ(expense.GetColumnText(CExpense::colOwner), "<All users>");
    EXPECT_EQ(expense.GetColumnText(99999), "");
}

TEST_F(ExpenseTest, OdometerGivesDistanceAndAmountOnlyWithAnEndReading) {
    expense.SetColumnText("12.50", CExpense::colAmount);
    EXPECT_DOUBLE_EQ(expense.m_Amount, 12.5);
    expense.SetColumnText("100", CExpense::colOdometerBegin);
    EXPECT_DOUBLE_EQ(expense.m_Amount, 12.5) << "no end reading: the typed amount stays";
    EXPECT_EQ(expense.GetColumnText(CExpense::colDistance), "");

    expense.SetColumnText("90", CExpense::colOdometerEnd);
    EXPECT_EQ(expense.m_Distance, 0);
    EXPECT_DOUBLE_EQ(expense.m_Amount, 0.0);

    expense.SetColumnText("1000", CExpense::colOdometerBegin);
    expense.SetColumnText("50", CExpense::colDistance);
    EXPECT_EQ(expense.m_OdometerEnd, 1050);
    EXPECT_EQ(expense.m_Distance, 50);
    EXPECT_DOUBLE_EQ(expense.m_Amount, 50 * 0.375);
    expense.SetColumnText("0.125", CExpense::colMileageRate);
    EXPECT_DOUBLE_EQ(expense.m_Amount, 6.25);
    EXPECT_EQ(expense.GetColumnText(CExpense::colMileageRate), "$0.125");
    EXPECT_EQ(expense.GetColumnText(CExpense::colAmount), "$6.25");
    expense.SetColumnText("abc", CExpense::colMileageRate);
    EXPECT_DOUBLE_EQ(expense.m_MileageRate, 0.125) << "a text that does not parse changes nothing";
}

TEST_F(ExpenseTest, DatesKeepTheirOrder) {
    expense.SetColumnText("4/10/2004", CExpense::colEndDate);
    expense.SetColumnText("4/12/2004 9:00 AM", CExpense::colDate);
    EXPECT_EQ(expense.m_StartDate, At(2004, 4, 12, 9));
    EXPECT_EQ(expense.m_EndDate, At(2004, 4, 12, 9)) << "a later start moves the end forward";
    expense.SetColumnText("4/1/2004", CExpense::colEndDate);
    EXPECT_EQ(expense.m_StartDate, At(2004, 4, 1)) << "an earlier end moves the start back";
    EXPECT_EQ(expense.GetColumnText(CExpense::colDate), "4/1/2004");
    EXPECT_EQ(expense.GetColumnText(CExpense::colDateShort), "4/1/2004");
    expense.SetColumnText("not a date", CExpense::colDate);
    EXPECT_EQ(expense.m_StartDate, At(2004, 4, 1));
    expense.SetColumnText("", CExpense::colEndDate);
    EXPECT_EQ(expense.m_EndDate.GetTime(), 0);
    EXPECT_EQ(expense.m_StartDate, At(2004, 4, 1)) << "clearing the end date clears it alone";
    expense.SetColumnText("4/2/2004", CExpense::colEndDate);
    expense.SetColumnText("", CExpense::colDate);
    EXPECT_EQ(expense.m_StartDate.GetTime() + expense.m_EndDate.GetTime(), 0)
        << "clearing the date clears both";
    EXPECT_EQ(expense.GetColumnText(CExpense::colDateShort), "");
}

TEST_F(ExpenseTest, OnlyTheTextOneSetsAFlag) {
    for (const char* text : {"yes", "true", "01", "", " 1"}) {
        expense.m_Reimbursed = 1;
        expense.SetColumnText(text, CExpense::colReimbursed);
        EXPECT_EQ(expense.m_Reimbursed, 0) << '"' << text << '"';
    }
    expense.SetColumnText("1", CExpense::colCompanyPaid);
    EXPECT_EQ(expense.GetColumnText(CExpense::colCompanyPaid), "1");
    expense.ToggleColumn(CExpense::colCompanyPaid);
    EXPECT_EQ(expense.m_CompanyPaid, 0);
    expense.ToggleColumn(CExpense::colBilled);
    EXPECT_EQ(expense.m_Billed, 1);
    expense.m_Description = "kept";
    expense.ToggleColumn(CExpense::colDescription);
    EXPECT_EQ(expense.m_Description, "kept") << "only flags toggle";
}

TEST_F(ExpenseTest, FindMatchesWordsOverTheViewsColumns) {
    expense.m_Description = "Taxi to the airport";
    expense.m_Payee = "City Cabs";
    expense.SetProject(project);
    CDWordArray columns;
    columns.Add(CExpense::colDescription);
    columns.Add(CExpense::colPayee);
    columns.Add(CExpense::colProject);

    CFindRequest request;
    request.words.Add("cabs");
    request.words.Add("zebra");
    int index = -1;
    int column = -1;
    EXPECT_TRUE(expense.MatchesFind(request, columns, 0, index, column)) << "any word";
    EXPECT_EQ(column, CExpense::colPayee);
    EXPECT_EQ(index, 1);
    request.allWords = true;
    EXPECT_FALSE(expense.MatchesFind(request, columns, 0, index, column));
    request.exactPhrase = true;
    request.phrase = "TO THE AIR";
    EXPECT_TRUE(expense.MatchesFind(request, columns, 0, index, column));
    EXPECT_FALSE(expense.MatchesFind(request, columns, 1, index, column)) << "from the second column on";
    request.pProject = none;
    EXPECT_FALSE(expense.MatchesFind(request, columns, 0, index, column)) << "another project";
}

} // namespace
