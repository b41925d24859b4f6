// The archives of trips, expense types, accounts and bills: round trips, the older forms that are
// still read, and damaged, truncated or too new archives refused with the archive exception.
#include "../timelog/ModelTestSupport.h"

#include "data/CAccount.h"
#include "data/CBill.h"
#include "data/CExpense.h"
#include "data/CExpenseTrip.h"
#include "data/CExpenseType.h"

#include <functional>
#include <memory>
#include <random>

using namespace modeltest;
using archive_test::Store;

namespace {

class ExpenseObjectArchive : public ModelTest {};

const CTime kCreated(2004, 3, 1, 9, 30, 0);
const CTime kModified(2004, 3, 2, 10, 0, 0);
const CTime kStart(2004, 4, 5, 0, 0, 0);
const CTime kEnd(2004, 4, 9, 18, 0, 0);

Bytes TripBytes(DWORD schema) {
    return Store([&](CArchive& ar) {
        ar << schema << CString("Berlin") << CString("Trade fair") << CString("TRIP-GUID") << kCreated
           << kModified << BYTE{0} << CString("USER-GUID") << kStart << kEnd;
    });
}

// What an expense type of schema wrote: the name, and the fields its schema added.
Bytes TypeBytes(DWORD schema) {
    return Store([&](CArchive& ar) {
        ar << schema << CString("Meals");
        if (schema >= 2)
            ar << CString("Food and drink");
        if (schema >= 3)
            ar << CString("TYPE-GUID");
        if (schema >= 5)
            ar << kCreated << kModified;
        if (schema >= 6)
            ar << BYTE{0};
    });
}

Bytes Mutated(const Bytes& valid, std::mt19937& random) {
    Bytes bytes = valid;
    const int changes = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < changes; ++i) {
        const size_t at = random() % bytes.size();
        switch (random() % 3) {
        case 0:
            bytes[at] = static_cast<BYTE>(random());
            break;
        case 1:
            bytes.erase(bytes.begin() + static_cast<ptrdiff_t>(at));
            break;
        default:
            bytes.insert(bytes.begin() + static_cast<ptrdiff_t>(at), static_cast<BYTE>(random()));
            break;
        }
        if (bytes.empty())
            bytes.push_back(0);
    }
    return bytes;
}

TEST_F(ExpenseObjectArchive, TripRoundTripsEveryArchivedField) {
    CExpenseTrip trip;
    trip.m_Name = "O'Hare run";
    trip.m_Description = "Two days";
    trip.m_UserID = "USER-GUID";
    trip.m_Created = kCreated;
    trip.m_Modified = kModified;
    trip.m_Active = 0;
    trip.m_StartDate = kStart;
    trip.m_EndDate = kEnd;
    trip.m_Deleted = kEnd;
    const Bytes bytes = StoreObject(trip);
    EXPECT_FALSE(trip.m_GUID.IsEmpty()) << "made before it is written";

    CExpenseTrip read;
    ASSERT_EQ(LoadCause(read, bytes), -1);
    EXPECT_EQ(read.m_Name, "O'Hare run");
    EXPECT_EQ(read.m_Description, "Two days");
    EXPECT_EQ(read.m_GUID, trip.m_GUID);
    EXPECT_EQ(read.m_Created, kCreated);
    EXPECT_EQ(read.m_Modified, kModified);
    EXPECT_EQ(read.m_Active, 0);
    EXPECT_EQ(read.m_UserID, "USER-GUID");
    EXPECT_EQ(read.m_StartDate, kStart);
    EXPECT_EQ(read.m_EndDate, kEnd);
    EXPECT_EQ(read.m_Deleted.GetTime(), 0) << "the deletion mark is not archived";
}

TEST_F(ExpenseObjectArchive, TripSchemasOneToSixReadAlikeOthersAreRefused) {
    for (DWORD schema = 1; schema <= 6; ++schema) {
        CExpenseTrip trip;
        ASSERT_EQ(LoadCause(trip, TripBytes(schema)), -1) << schema;
        EXPECT_EQ(trip.m_Name, "Berlin");
        EXPECT_EQ(trip.m_EndDate, kEnd);
    }
    for (DWORD schema : {0u, 7u, 0xFFFFFFFFu}) {
        CExpenseTrip trip;
        EXPECT_EQ(LoadCause(trip, TripBytes(schema)), CArchiveException::badSchema) << schema;
    }
}

TEST_F(ExpenseObjectArchive, TypeSchemasRestoreWhatTheyHeld) {
    for (DWORD schema = 1; schema <= 6; ++schema) {
        SCOPED_TRACE("schema " + std::to_string(schema));
        CExpenseType type;
        const CTime constructed = type.m_Created;
        ASSERT_EQ(LoadCause(type, TypeBytes(schema)), -1);
        EXPECT_EQ(type.m_Name, "Meals");
        EXPECT_EQ(type.m_Description, schema >= 2 ? "Food and drink" : "");
        EXPECT_EQ(type.m_Created, schema >= 5 ? kCreated : constructed);
        EXPECT_EQ(type.m_Flag, schema >= 6 ? 0 : 1);
        if (schema >= 3) {
            EXPECT_EQ(type.GetGUID(), "TYPE-GUID");
        } else {
            EXPECT_EQ(type.m_GUID, "");
            EXPECT_EQ(type.GetGUID().GetLength(), 36) << "a fresh GUID when first asked for";
        }
    }
    CExpenseType type;
    EXPECT_EQ(LoadCause(type, TypeBytes(7)), CArchiveException::badSchema);
    EXPECT_EQ(LoadCause(type, TypeBytes(0)), CArchiveException::badSchema);
}

TEST_F(ExpenseObjectArchive, TypeRoundTrips) {
    CExpenseType type("Mileage", "Car use");
    type.m_Created = kCreated;
    type.m_Modified = kModified;
    type.m_Flag = 0;
    CExpenseType read;
    LoadObject(read, StoreObject(type));
    EXPECT_EQ(read.m_Name, "Mileage");
    EXPECT_EQ(read.m_Description, "Car use");
    EXPECT_EQ(read.m_GUID, type.m_GUID);
    EXPECT_EQ(read.m_Modified, kModified);
    EXPECT_EQ(read.m_Flag, 0);
}

TEST_F(ExpenseObjectArchive, AccountReadsEverythingItWritesSoTheStreamStaysInStep) {
    CAccount account("Travel");
    account.m_Created = kCreated;
    account.m_Modified = kModified;
    const Bytes bytes = Store([&](CArchive& ar) {
        account.Serialize(ar);
        ar << CString("what follows");
    });
    CAccount read;
    CString after;
    archive_test::Load(bytes, [&](CArchive& ar) {
        read.Serialize(ar);
        ar >> after;
    });
    EXPECT_EQ(read.m_Name, "Travel");
    EXPECT_EQ(read.m_GUID, account.m_GUID);
    EXPECT_EQ(read.m_Created, kCreated);
    EXPECT_EQ(read.m_Modified, kModified);
    EXPECT_EQ(after, "what follows");

    const Bytes newer = Store([&](CArchive& ar) { ar << DWORD{2} << CString("Travel"); });
    EXPECT_EQ(LoadCause(read, newer), CArchiveException::badSchema);
}

TEST_F(ExpenseObjectArchive, BillRoundTripsAndRefusesOtherSchemas) {
    CBill bill;
    bill.m_Text1 = "first";
    bill.m_Value4 = 42;
    bill.m_Value8 = 2.5;
    bill.m_Text2 = "second";
    CBill read;
    LoadObject(read, StoreObject(bill));
    EXPECT_EQ(read.m_Text1, "first");
    EXPECT_EQ(read.m_Value4, 42u);
    EXPECT_EQ(read.m_Value8, 2.5);
    EXPECT_EQ(read.m_Text2, "second");
    const Bytes newer =
        Store([&](CArchive& ar) { ar << DWORD{2} << CString("x") << DWORD{1} << 1.0 << CString(); });
    EXPECT_EQ(LoadCause(read, newer), CArchiveException::badSchema);
}

TEST_F(ExpenseObjectArchive, ExpenseArchiveHoldsNothing) {
    CExpense expense;
    expense.m_Description = "kept in the table only";
    EXPECT_TRUE(StoreObject(expense).empty());
    CExpense read;
    LoadObject(read, Bytes{});
    EXPECT_EQ(read.m_Description, "");
}

TEST_F(ExpenseObjectArchive, TruncatedArchivesAreRefused) {
    const std::vector<std::pair<Bytes, std::function<CObject*()>>> cases = {
        {TripBytes(6), [] { return new CExpenseTrip; }},
        {TypeBytes(6), [] { return new CExpenseType; }},
        {StoreObject(*std::make_unique<CAccount>("A")), [] { return new CAccount; }},
    };
    for (const auto& [valid, make] : cases) {
        for (size_t length = 0; length < valid.size(); ++length) {
            std::unique_ptr<CObject> object(make());
            EXPECT_TRUE(
                Refused(*object, Bytes(valid.begin(), valid.begin() + static_cast<ptrdiff_t>(length))))
                << length << " of " << valid.size() << " bytes";
        }
    }
}

TEST_F(ExpenseObjectArchive, FuzzedArchivesNeverCrash) {
    std::mt19937 random(20061012);
    const std::vector<std::pair<Bytes, std::function<CObject*()>>> cases = {
        {TripBytes(6), [] { return new CExpenseTrip; }},
        {TypeBytes(6), [] { return new CExpenseType; }},
        {TypeBytes(2), [] { return new CExpenseType; }},
        {StoreObject(*std::make_unique<CAccount>("Operating")), [] { return new CAccount; }},
        {StoreObject(*std::make_unique<CBill>()), [] { return new CBill; }},
    };
    int refused = 0;
    for (const auto& [valid, make] : cases) {
        for (int round = 0; round < 600; ++round) {
            std::unique_ptr<CObject> object(make());
            if (Refused(*object, Mutated(valid, random)))
                ++refused;
        }
    }
    EXPECT_GT(refused, 0);
}

} // namespace
