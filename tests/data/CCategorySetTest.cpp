#include "TableTestSupport.h"

#include "data/CCategorySet.h"
#include "framework/db/CSqlDialect.h"

#include <gmock/gmock.h>

using namespace datatest;

namespace {

class CategorySetTest : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"Categories", "Update", "OrgObjects"});
    }
    CCategory* NewCategory(const char* name, const char* userId = "") {
        auto* category = new CCategory(name, "");
        category->m_UserID = userId;
        m_doc->AddCategory(category);
        return category;
    }
    CCategorySet& Set() { return m_doc->m_CategorySet; }
};

TEST_P(CategorySetTest, CategoryComesBackAsItWasStored) {
    const std::string longText = LongText(10000);
    for (const char* name : kAwkwardTexts) {
        CCategory* category = NewCategory(name);
        category->m_Desc = *name ? name : longText.c_str();
        category->m_Rate = 12.5;
        category->m_HourlyRate = 0.0;
        category->m_Active = 0;
        category->m_ProjectID = "p";
        ASSERT_TRUE(Set().SaveCategory(m_doc.get(), category)) << name;
    }
    auto doc = OtherCopy();
    ASSERT_TRUE(doc->m_CategorySet.LoadCategories(doc.get()));
    ASSERT_EQ(doc->GetCategoryCount(), m_doc->GetCategoryCount());
    for (int i = 0; i < m_doc->GetCategoryCount(); ++i) {
        const CCategory* mine = m_doc->GetCategoryAt(i);
        const CCategory* back = doc->FindCategoryByGUID(mine->m_GUID);
        ASSERT_NE(back, nullptr) << mine->m_Name.GetString();
        EXPECT_EQ(back->m_Name, mine->m_Name);
        EXPECT_EQ(back->m_Desc, mine->m_Desc);
        EXPECT_EQ(back->m_Rate, 12.5);
        EXPECT_EQ(back->m_HourlyRate, 0.0);
        EXPECT_EQ(back->m_Active, 0);
        EXPECT_EQ(back->m_ProjectID, "p");
    }
    EXPECT_EQ(QueryNumber("SELECT [Objects] FROM [Update]"), static_cast<long>(std::size(kAwkwardTexts)))
        << "every save bumps the change counter";
}

TEST_P(CategorySetTest, RatesAndActiveAreBoundedWhenRead) {
    Exec("INSERT INTO [Categories] ([GUID], [Name], [Rate], [HourlyRate], [Active]) VALUES ('a', 'A', -1, "
         "NULL, 5)");
    Exec("INSERT INTO [Categories] ([GUID], [Name], [Rate], [Active]) VALUES ('b', 'B', 0, NULL)");
    ASSERT_TRUE(Set().LoadCategories(m_doc.get()));
    const CCategory* a = m_doc->FindCategoryByGUID("a");
    const CCategory* b = m_doc->FindCategoryByGUID("b");
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->m_Rate, 100.0);
    EXPECT_EQ(a->m_HourlyRate, 100.0);
    EXPECT_EQ(a->m_Active, 1);
    EXPECT_EQ(b->m_Rate, 0.0);
    EXPECT_EQ(b->m_Active, 1);
}

TEST_P(CategorySetTest, SavingByNameTakesOverOnlyARowOfTheSameScope) {
    Exec("INSERT INTO [Categories] ([GUID], [Name], [UserID]) VALUES ('anns', 'Meeting', 'ann')");
    Exec("INSERT INTO [Categories] ([GUID], [Name]) VALUES ('shared', 'O`Brien')");
    // Bob's private category of the same name leaves Ann's alone.
    CCategory* bobs = NewCategory("Meeting", "bob");
    ASSERT_TRUE(Set().SaveCategory(m_doc.get(), bobs));
    EXPECT_NE(bobs->m_GUID, "anns");
    EXPECT_EQ(Count("Categories", "[UserID] = 'ann'"), 1);
    EXPECT_EQ(Count("Categories", "[Name] = 'Meeting'"), 2);
    // A shared category of the name takes over the shared row.
    CCategory* shared = NewCategory("O'Brien");
    ASSERT_TRUE(Set().SaveCategory(m_doc.get(), shared));
    EXPECT_EQ(shared->m_GUID, "shared");
    EXPECT_EQ(Count("Categories"), 3);
}

TEST_P(CategorySetTest, MergeAddsOnlyWhatIsNewInItsScope) {
    CCategory* mine = NewCategory("Meeting", "kim");
    mine->m_Modified = CTime(2004, 1, 1, 0, 0, 0);
    ASSERT_TRUE(Set().SaveCategory(m_doc.get(), mine));
    Exec("INSERT INTO [Categories] ([GUID], [Name], [UserID]) VALUES ('bobs', 'MEETING', 'bob')");
    Exec("INSERT INTO [Categories] ([GUID], [Name], [UserID]) VALUES ('twin', 'meeting', 'kim')");
    Exec("UPDATE [Categories] SET [Desc] = 'later', [Modified] = {ts '2004-01-02 00:00:00'} WHERE [GUID] = " +
         CSqlDialect::QuoteText(mine->m_GUID));
    ASSERT_TRUE(Set().LoadAll(m_doc.get()));
    EXPECT_EQ(m_doc->GetCategoryCount(), 2) << "Bob's is added, the twin of Kim's is not";
    EXPECT_NE(m_doc->FindCategoryByGUID("bobs"), nullptr);
    EXPECT_EQ(mine->m_Desc, "later");
}

TEST_P(CategorySetTest, PrivateCategoriesMoveToAnotherUser) {
    CUser ann("ann"), bob("bob");
    ann.m_GUID = "ann";
    bob.m_GUID = "bob";
    ASSERT_TRUE(Set().SaveCategory(m_doc.get(), NewCategory("One", "ann")));
    ASSERT_TRUE(Set().SaveCategory(m_doc.get(), NewCategory("Two", "ann")));
    ASSERT_TRUE(Set().SaveCategory(m_doc.get(), NewCategory("Three", "bob")));
    EXPECT_TRUE(Set().HasUserCategories(&ann));
    ASSERT_TRUE(Set().ReassignUser(m_doc.get(), &ann, nullptr));
    EXPECT_FALSE(Set().HasUserCategories(&ann));
    EXPECT_EQ(Count("Categories", "[UserID] = 'bob'"), 1);
    ASSERT_TRUE(Set().ReassignUser(m_doc.get(), &bob, &ann));
    EXPECT_EQ(Count("Categories", "[UserID] = 'ann'"), 1);

    ProgressWindow window;
    NewCategory("Unsaved");
    ASSERT_TRUE(Set().WriteAll(m_doc.get(), window.Get(), IDC_WRITE_STATUS, IDC_WRITE_PROGRESS));
    EXPECT_EQ(Count("Categories"), 4);
    EXPECT_EQ(window.Text(), "Writing categories");
    EXPECT_TRUE(Set().DeleteCategory(m_doc.get(), m_doc->GetCategoryAt(0)));
    EXPECT_EQ(Count("Categories"), 3);
}

INSTANTIATE_TEST_SUITE_P(Engines, CategorySetTest, DATA_ENGINES);

} // namespace
