// Failures of single ODBC calls (a lost connection 08S01, a timeout HYT00, a deadlock victim 40001),
// injected at every call an operation makes.
#include "DbTestSupport.h"
#include "TestRecordsets.h"

#include "framework/db/COdbcApi.h"

namespace dbtest {
namespace {

template <typename Action> long CallsOf(Action action) {
    const long before = COdbcApi::GetCallCount();
    action();
    return COdbcApi::GetCallCount() - before;
}

const char* const kStates[] = {"08S01", "HYT00", "40001"};

class FaultTest : public EngineTest {
protected:
    CString Items() {
        const CString t = NewTable("fault");
        Exec(CItemSet::CreateSql(t));
        Exec("INSERT INTO " + Bracket(t) + " ([Item], [Qty]) VALUES ('a', 1)");
        Exec("INSERT INTO " + Bracket(t) + " ([Item], [Qty]) VALUES ('b', 2)");
        return t;
    }

    static void ExpectInjected(const CDBException* e, const char* state) {
        EXPECT_EQ(e->m_nRetCode, SQL_ERROR);
        EXPECT_GE(e->m_strStateNativeOrigin.Find(CString("State:") + state + ","), 0)
            << static_cast<LPCSTR>(e->m_strStateNativeOrigin);
        EXPECT_GE(e->m_strError.Find(CString("(SQLSTATE ") + state + ")"), 0)
            << static_cast<LPCSTR>(e->m_strError);
    }
};

TEST_P(FaultTest, InjectedFailureCarriesTheChosenStateOnce) {
    COdbcApi::FailCall(1, "HYT00");
    DbError e(CatchDb([&] { m_db.ExecuteSQL("SELECT 1"); }));
    ASSERT_TRUE(e);
    ExpectInjected(e.e, "HYT00");
    EXPECT_NO_THROW(m_db.ExecuteSQL("SELECT 1"));
    // count < 0: every call from the nth on, until cleared.
    COdbcApi::FailCall(1, "08S01", -1);
    for (int i = 0; i < 3; ++i) {
        DbError again(CatchDb([&] { m_db.ExecuteSQL("SELECT 1"); }));
        ASSERT_TRUE(again);
        ExpectInjected(again.e, "08S01");
    }
    COdbcApi::ClearFailures();
    EXPECT_NO_THROW(m_db.ExecuteSQL("SELECT 1"));
}

TEST_P(FaultTest, ConnectingFailsCleanlyAtEveryCall) {
    CDatabase db;
    const long calls = CallsOf([&] { db.OpenEx(m_connect); });
    db.Close();
    ASSERT_GT(calls, 4);
    for (const char* state : kStates) {
        int failures = 0;
        for (long n = 1; n <= calls; ++n) {
            COdbcApi::FailCall(n, state);
            DbError e(CatchDb([&] { db.OpenEx(m_connect); }));
            COdbcApi::ClearFailures();
            if (e) {
                ++failures;
                ExpectInjected(e.e, state);
                EXPECT_FALSE(db.IsOpen()) << "call " << n;
            } else {
                EXPECT_TRUE(db.IsOpen()) << "call " << n;
                db.Close();
            }
        }
        // Only the optional connection attributes may fail without failing the connection.
        EXPECT_GE(failures, calls - 2) << state;
    }
    db.OpenEx(m_connect);
    EXPECT_TRUE(db.IsOpen());
}

TEST_P(FaultTest, OpeningFailsCleanlyAtEveryCall) {
    const CString t = Items();
    CItemSet set(&m_db, t);
    const long calls = CallsOf([&] { set.Open(); });
    set.Close();
    ASSERT_GT(calls, 5);
    for (const char* state : kStates) {
        int failures = 0;
        for (long n = 1; n <= calls; ++n) {
            COdbcApi::FailCall(n, state);
            DbError e(CatchDb([&] { set.Open(); }));
            COdbcApi::ClearFailures();
            if (e) {
                ++failures;
                ExpectInjected(e.e, state);
                EXPECT_FALSE(set.IsOpen()) << "call " << n;
            } else {
                ASSERT_TRUE(set.IsOpen()) << "call " << n;
                EXPECT_EQ(set.GetRecordCount(), 2);
                set.Close();
            }
        }
        EXPECT_GE(failures, calls - 1) << state; // the query timeout is optional
    }
}

TEST_P(FaultTest, RequeryFailingAtEveryCallKeepsTheRows) {
    const CString t = Items();
    CItemSet set(&m_db, t);
    set.m_strSort = "[Qty]";
    set.Open();
    set.MoveNext();
    Exec("INSERT INTO " + Bracket(t) + " ([Item], [Qty]) VALUES ('c', 3)");
    const long calls = CallsOf([&] { set.Requery(); });
    Exec("DELETE FROM " + Bracket(t) + " WHERE [Qty] = 3");
    set.Requery();
    set.MoveNext();
    for (long n = 1; n <= calls; ++n) {
        Exec("INSERT INTO " + Bracket(t) + " ([Item], [Qty]) VALUES ('c', 3)");
        COdbcApi::FailCall(n, "HYT00");
        DbError e(CatchDb([&] { set.Requery(); }));
        COdbcApi::ClearFailures();
        ASSERT_TRUE(set.IsOpen());
        if (e) {
            EXPECT_EQ(set.GetRecordCount(), 2) << "call " << n;
            EXPECT_STREQ(set.m_item, "b") << "call " << n;
        } else {
            EXPECT_EQ(set.GetRecordCount(), 3) << "call " << n;
        }
        Exec("DELETE FROM " + Bracket(t) + " WHERE [Qty] = 3");
        set.Requery();
        set.MoveNext();
    }
}

TEST_P(FaultTest, ChangesAreAllOrNothingAtEveryCall) {
    const CString t = Items();
    CItemSet set(&m_db, t);
    set.m_strSort = "[Qty]";
    set.Open();

    struct Change {
        const char* name;
        void (*apply)(CItemSet&);
        const char* where; // rows that the change makes or removes
        long after;        // how many such rows there are after the change
    };
    const Change changes[] = {
        {"edit",
         [](CItemSet& s) {
             s.Edit();
             s.m_qty = 7;
             s.Update();
         },
         "[Item] = 'a' AND [Qty] = 7", 1},
        {"add",
         [](CItemSet& s) {
             s.AddNew();
             s.m_item = "n";
             s.m_qty = 8;
             s.Update();
         },
         "[Item] = 'n' AND [Qty] = 8", 1},
        {"delete", [](CItemSet& s) { s.Delete(); }, "[Item] = 'a'", 0},
    };
    auto reset = [&] {
        set.CancelUpdate();
        Exec("DELETE FROM " + Bracket(t));
        Exec("INSERT INTO " + Bracket(t) + " ([Item], [Qty]) VALUES ('a', 1)");
        Exec("INSERT INTO " + Bracket(t) + " ([Item], [Qty]) VALUES ('b', 2)");
        set.Requery();
    };
    auto unchanged = [&] { return Count(t) == 2 && Count(t, "[Item] = 'a' AND [Qty] = 1") == 1; };

    for (const Change& change : changes) {
        const long calls = CallsOf([&] { change.apply(set); });
        ASSERT_EQ(Count(t, change.where), change.after) << change.name;
        for (const char* state : kStates) {
            for (long n = 1; n <= calls; ++n) {
                reset();
                COdbcApi::FailCall(n, state);
                DbError e(CatchDb([&] { change.apply(set); }));
                COdbcApi::ClearFailures();
                if (!e) {
                    EXPECT_FALSE(unchanged()) << change.name << " call " << n;
                    continue;
                }
                ExpectInjected(e.e, state);
                EXPECT_TRUE(unchanged()) << change.name << " call " << n;
            }
        }
        reset();
    }
}

TEST_P(FaultTest, FailedCommitLeavesTheTransactionToRollBack) {
    const CString t = Items();
    ASSERT_TRUE(m_db.BeginTrans());
    Exec("INSERT INTO " + Bracket(t) + " ([Item], [Qty]) VALUES ('c', 3)");
    COdbcApi::FailCall(1, "40001");
    DbError e(CatchDb([&] { m_db.CommitTrans(); }));
    ASSERT_TRUE(e);
    ExpectInjected(e.e, "40001");
    EXPECT_TRUE(m_db.IsTransactionPending());
    EXPECT_TRUE(m_db.Rollback());
    EXPECT_EQ(Count(t), 2);
}

TEST_P(FaultTest, ConnectionStuckInManualCommitsIsClosed) {
    const CString t = Items();
    ASSERT_TRUE(m_db.BeginTrans());
    Exec("INSERT INTO " + Bracket(t) + " ([Item], [Qty]) VALUES ('c', 3)");
    // The commit works; switching back to automatic commits fails twice.
    COdbcApi::FailCall(2, "08S01", 2);
    DbError e(CatchDb([&] { m_db.CommitTrans(); }));
    ASSERT_TRUE(e);
    ExpectInjected(e.e, "08S01");
    EXPECT_FALSE(m_db.IsOpen());
    COdbcApi::ClearFailures();
    m_db.OpenEx(m_connect);
    EXPECT_EQ(Count(t), 3);
}

INSTANTIATE_TEST_SUITE_P(Engines, FaultTest, ::testing::Values("sqlite", "postgres"), EngineName);

} // namespace
} // namespace dbtest
