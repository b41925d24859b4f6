#include "TableTestSupport.h"

#include "data/CDefaultSet.h"

#include <gmock/gmock.h>

using namespace datatest;

namespace {

class DefaultSetTest : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"Defaults"});
    }
    // The row's five flags, "," between.
    CString Row() {
        CString row;
        for (const char* column : {"Objects", "Learning", "Users", "QuickTasks", "ExpenseTypes"})
            row += (row.IsEmpty() ? "" : ",") + QueryText(CString("SELECT [") + column + "] FROM [Defaults]");
        return row;
    }
    CDefaultSet& Set() { return m_doc->m_DefaultSet; }
};

TEST_P(DefaultSetTest, FirstFlagAddsTheRowWithItsDefaults) {
    bool objects = true, learning = true, users = true, quick = true, types = true;
    Set().GetObjectsAndLearningFlags(m_doc.get(), &objects, &learning);
    Set().GetUsersFlag(m_doc.get(), &users);
    Set().GetQuickTasksFlag(m_doc.get(), &quick);
    Set().GetExpenseTypesFlag(m_doc.get(), &types);
    EXPECT_FALSE(objects || learning || users || quick || types) << "no row: nothing created yet";

    Set().SetExpenseTypesFlag(m_doc.get(), true);
    EXPECT_EQ(Row(), "0,0,1,1,1");
    EXPECT_EQ(Count("Defaults"), 1);
    Set().SetObjectsAndLearningFlags(m_doc.get(), false, false);
    EXPECT_EQ(Row(), "0,0,1,1,1") << "false leaves the columns as they are";
    Set().SetObjectsAndLearningFlags(m_doc.get(), true, false);
    Set().SetUsersFlag(m_doc.get(), false);
    EXPECT_EQ(Row(), "1,0,0,1,1");
    EXPECT_EQ(Count("Defaults"), 1);
}

TEST_P(DefaultSetTest, OnlyOneIsSetForTheOtherFlags) {
    Exec("INSERT INTO [Defaults] ([Objects], [Learning], [Users], [QuickTasks], [ExpenseTypes]) VALUES (5, "
         "NULL, 5, 1, 0)");
    bool objects = false, learning = true, users = true, quick = false, types = true;
    Set().GetObjectsAndLearningFlags(m_doc.get(), &objects, &learning);
    Set().GetUsersFlag(m_doc.get(), &users);
    Set().GetQuickTasksFlag(m_doc.get(), &quick);
    Set().GetExpenseTypesFlag(m_doc.get(), &types);
    EXPECT_TRUE(objects);
    EXPECT_FALSE(learning) << "NULL is not set";
    EXPECT_FALSE(users);
    EXPECT_TRUE(quick);
    EXPECT_FALSE(types);
    EXPECT_TRUE(Set().IsOpen()) << "the set is left open";
}

INSTANTIATE_TEST_SUITE_P(Engines, DefaultSetTest, DATA_ENGINES);

} // namespace
