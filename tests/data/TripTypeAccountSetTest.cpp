// The tables of trips, expense types and accounts: rows both ways with the stored form of names, who
// loads which trips (also when the change counter reloads them), a type saved twice under one name,
// merging rows read back, and the change counter bumped by every save.
#include "TableTestSupport.h"

#include "data/CAccount.h"
#include "data/CAccountSet.h"
#include "data/CExpenseTrip.h"
#include "data/CExpenseTripSet.h"
#include "data/CExpenseType.h"
#include "data/CExpenseTypeSet.h"
#include "data/CUser.h"

#include <gmock/gmock.h>

#include <algorithm>

using namespace datatest;
using ::testing::ElementsAre;

namespace {

class TripTypeAccountSetTest : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"ExpenseTrips", "ExpenseTypes", "Accounts", "OrgObjects", "Update"});
        Exec("INSERT INTO [Update] ([Objects]) VALUES (1)");
        me = new CUser(m_user);
        m_doc->AddUser(me);
        other = new CUser("other");
        m_doc->AddUser(other);
    }
    long Counter() { return QueryNumber("SELECT [Objects] FROM [Update]"); }

    CExpenseTrip* Trip(const char* name, CUser* user) {
        auto* trip = new CExpenseTrip;
        trip->m_Name = name;
        trip->m_UserID = user ? CString(user->m_GUID) : CString();
        m_doc->AddExpenseTrip(trip);
        EXPECT_TRUE(m_doc->m_ExpenseTripSet.SaveTrip(m_doc.get(), trip)) << name;
        return trip;
    }
    // A second copy of the program whose current user is the user of that name.
    std::unique_ptr<CLogDoc> CopyFor(const CUser* user) {
        auto doc = OtherCopy();
        if (user)
            doc->AddUser(new CUser(*user));
        return doc;
    }
    template <typename List> static std::vector<std::string> Names(const List& list) {
        std::vector<std::string> names;
        for (INT_PTR i = 0; i < list.GetSize(); ++i)
            names.emplace_back(list.GetAt(i)->m_Name.GetString());
        return names;
    }

    CUser* me = nullptr;
    CUser* other = nullptr;
};

TEST_P(TripTypeAccountSetTest, TripComesBackAsItWasStoredWithItsApostrophes) {
    CExpenseTrip* trip = Trip("O'Hare 100% run", me);
    trip->m_Description = LongText(5000).c_str();
    trip->m_Active = 0;
    trip->m_StartDate = At(3, 1);
    trip->m_EndDate = At(3, 4, 18);
    ASSERT_TRUE(m_doc->m_ExpenseTripSet.SaveTrip(m_doc.get(), trip));
    EXPECT_EQ(QueryText("SELECT [Name] FROM [ExpenseTrips]"), "O`Hare 100% run");
    EXPECT_EQ(Count("ExpenseTrips"), 1);
    EXPECT_EQ(Counter(), 3) << "each save is a change for the other copies";

    auto doc = CopyFor(me);
    ASSERT_TRUE(doc->m_ExpenseTripSet.LoadTrips(doc.get()));
    const CExpenseTrip* back = doc->FindExpenseTripByGUID(trip->m_GUID);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->m_Name, "O'Hare 100% run");
    EXPECT_EQ(back->m_Description, trip->m_Description);
    EXPECT_EQ(back->m_Active, 0);
    EXPECT_EQ(back->m_UserID, me->m_GUID);
    EXPECT_EQ(back->m_StartDate, At(3, 1));
    EXPECT_EQ(back->m_EndDate, At(3, 4, 18));
    EXPECT_EQ(back->m_Created, trip->m_Created);

    EXPECT_TRUE(m_doc->m_ExpenseTripSet.DeleteTrip(m_doc.get(), trip));
    EXPECT_EQ(Count("ExpenseTrips"), 0);
}

TEST_P(TripTypeAccountSetTest, EachUserLoadsHisOwnTripsAlsoWhenTheyAreReloaded) {
    Trip("Rome", me);
    Trip("Berlin", me);
    Trip("Oslo", other);
    Trip("Nobody's", nullptr);
    auto mine = CopyFor(me);
    ASSERT_TRUE(mine->m_ExpenseTripSet.LoadTrips(mine.get()));
    EXPECT_THAT(Names(mine->m_ExpenseTrips), ElementsAre("Berlin", "Rome"));
    // A change counted by another copy reloads the trips through the merge.
    Trip("Paris", me);
    Trip("Lima", other);
    ASSERT_TRUE(mine->m_ExpenseTripSet.LoadAll(mine.get()));
    EXPECT_THAT(Names(mine->m_ExpenseTrips), ElementsAre("Berlin", "Rome", "Paris"));

    auto nobody = CopyFor(nullptr);
    ASSERT_TRUE(nobody->m_ExpenseTripSet.LoadTrips(nobody.get()));
    EXPECT_THAT(Names(nobody->m_ExpenseTrips), ElementsAre("Nobody's"));
}

TEST_P(TripTypeAccountSetTest, MergedTripsTakeLaterRowsAndSkipTakenNames) {
    CExpenseTrip* rome = Trip("Rome", me);
    auto doc = CopyFor(me);
    ASSERT_TRUE(doc->m_ExpenseTripSet.LoadTrips(doc.get()));
    rome->m_Description = "changed";
    rome->SetModified(TRUE);
    rome->m_Modified = rome->m_Modified + CTimeSpan(5);
    ASSERT_TRUE(m_doc->m_ExpenseTripSet.SaveTrip(m_doc.get(), rome));
    Exec("INSERT INTO [ExpenseTrips] ([GUID], [Name], [UserID]) VALUES ('dup', 'Rome', '" + me->m_GUID +
         "')");
    ASSERT_TRUE(doc->m_ExpenseTripSet.LoadAll(doc.get()));
    ASSERT_EQ(doc->m_ExpenseTrips.GetSize(), 1) << "a second trip of that name is not taken";
    EXPECT_EQ(doc->m_ExpenseTrips.GetAt(0)->m_Description, "changed");
    EXPECT_EQ(doc->m_ExpenseTrips.GetAt(0)->m_bModified, 0);
}

TEST_P(TripTypeAccountSetTest, TypesLoadByNameAndASecondCopyTakesOverARowOfTheSameName) {
    for (const char* name : {"Meals", "Car", "Boss's lunch"}) {
        auto* type = new CExpenseType(name, "");
        m_doc->AddExpenseType(type);
        ASSERT_TRUE(m_doc->m_ExpenseTypeSet.SaveExpenseType(m_doc.get(), type));
    }
    EXPECT_EQ(Count("ExpenseTypes", "[Name] = 'Boss`s lunch'"), 1);
    auto doc = OtherCopy();
    ASSERT_TRUE(doc->m_ExpenseTypeSet.LoadExpenseTypes(doc.get()));
    EXPECT_THAT(Names(doc->m_ExpenseTypes), ElementsAre("Boss's lunch", "Car", "Meals"));

    // Another copy made its own "Boss's lunch" before it saw ours.
    auto second = OtherCopy();
    auto* lunch = new CExpenseType("Boss's lunch", "from the second copy");
    second->AddExpenseType(lunch);
    ASSERT_TRUE(second->m_ExpenseTypeSet.SaveExpenseType(second.get(), lunch));
    EXPECT_EQ(Count("ExpenseTypes"), 3) << "no second row";
    EXPECT_EQ(lunch->m_GUID, doc->FindExpenseTypeByName("Boss's lunch")->m_GUID);
    EXPECT_EQ(QueryText("SELECT [Description] FROM [ExpenseTypes] WHERE [Name] = 'Boss`s lunch'"),
              "from the second copy");
    // A name that differs in letter case is another row.
    auto* car = new CExpenseType("CAR", "");
    second->AddExpenseType(car);
    ASSERT_TRUE(second->m_ExpenseTypeSet.SaveExpenseType(second.get(), car));
    EXPECT_EQ(Count("ExpenseTypes"), 4);

    // Reloading skips a type whose name the document has in any letter case.
    ASSERT_TRUE(doc->m_ExpenseTypeSet.LoadAll(doc.get()));
    EXPECT_EQ(doc->m_ExpenseTypes.GetSize(), 3);
}

TEST_P(TripTypeAccountSetTest, AccountsComeBackWithTheirTreeAndFullName) {
    auto* operating = new CAccount("Operating");
    operating->m_ActType = CAccount::bankAccount;
    m_doc->AddAccount(operating);
    auto* travel = new CAccount("Travel's");
    travel->m_Description = "Trains, planes";
    travel->m_Active = 0;
    travel->m_ActType = CAccount::expenseAccount;
    travel->SetParent(operating);
    m_doc->AddAccount(travel);
    ASSERT_TRUE(m_doc->m_AccountSet.SaveAccount(m_doc.get(), operating));
    ASSERT_TRUE(m_doc->m_AccountSet.SaveAccount(m_doc.get(), travel));
    EXPECT_EQ(Counter(), 3);
    EXPECT_EQ(QueryText("SELECT [ExtendedName] FROM [Accounts] WHERE [GUID] = '" + travel->m_GUID + "'"),
              "Operating:Travel's");

    auto doc = OtherCopy();
    ASSERT_TRUE(doc->m_AccountSet.LoadAccounts(doc.get()));
    CAccount* back = doc->FindAccountByGUID(travel->m_GUID);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->m_pDoc, doc.get());
    EXPECT_EQ(back->m_Name, "Travel's");
    EXPECT_EQ(back->m_Description, "Trains, planes");
    EXPECT_EQ(back->m_Active, 0);
    EXPECT_EQ(back->m_ActType, CAccount::expenseAccount);
    EXPECT_EQ(back->GetParent(), doc->FindAccountByGUID(operating->m_GUID));
    EXPECT_EQ(back->GetFullName(), "Operating:Travel's");
    EXPECT_EQ(doc->FindAccountByGUID(operating->m_GUID)->m_ActType, CAccount::bankAccount);
    Exec("INSERT INTO [Accounts] ([GUID], [Name]) VALUES ('bare', 'Bare')");
    ASSERT_TRUE(doc->m_AccountSet.LoadAll(doc.get()));
    ASSERT_NE(doc->FindAccountByGUID("bare"), nullptr);
    EXPECT_EQ(doc->FindAccountByGUID("bare")->m_ActType, CAccount::expenseAccount)
        << "an empty type is an expense account";
    EXPECT_EQ(doc->FindAccountByGUID("bare")->m_Active, 1);
    Exec("DELETE FROM [Accounts] WHERE [GUID] = 'bare'");

    // A later row updates the copy and keeps its place in the document.
    travel->m_Name = "Travel";
    travel->m_Modified = travel->m_Modified + CTimeSpan(5);
    ASSERT_TRUE(m_doc->m_AccountSet.SaveAccount(m_doc.get(), travel));
    ASSERT_TRUE(doc->m_AccountSet.LoadAll(doc.get()));
    EXPECT_EQ(doc->m_Accounts.GetSize(), 3);
    EXPECT_EQ(back->m_Name, "Travel");
    EXPECT_EQ(back->m_pDoc, doc.get());

    EXPECT_TRUE(m_doc->m_AccountSet.DeleteAccount(m_doc.get(), travel));
    EXPECT_EQ(Count("Accounts"), 1);
}

TEST_P(TripTypeAccountSetTest, AFailedSaveIsReportedAndCountsNoChange) {
    auto* trip = new CExpenseTrip;
    trip->m_Name = LongText(300).c_str();
    m_doc->AddExpenseTrip(trip);
    EXPECT_FALSE(m_doc->m_ExpenseTripSet.SaveTrip(m_doc.get(), trip));
    ASSERT_EQ(Errors().GetCount(), 1);
    EXPECT_EQ(Errors().GetEntry(0).message, "Expense Trip");
    auto* type = new CExpenseType(LongText(300).c_str(), "");
    m_doc->AddExpenseType(type);
    EXPECT_FALSE(m_doc->m_ExpenseTypeSet.SaveExpenseType(m_doc.get(), type));
    EXPECT_EQ(Errors().GetEntry(1).message, "Expense Types");
    EXPECT_EQ(Counter(), 1);
}

INSTANTIATE_TEST_SUITE_P(Engines, TripTypeAccountSetTest, DATA_ENGINES);

} // namespace
