#include "TableTestSupport.h"

#include "data/CProjTypeSet.h"
#include "data/CSubsystemSet.h"
#include "framework/db/CSqlDialect.h"

#include <gmock/gmock.h>

using namespace datatest;

namespace {

class SubsystemSetTest : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"Subsystems", "ProjectTypes", "Update", "OrgObjects"});
        m_project = new CProject("Alpha", 0.0);
        m_doc->AddProject(m_project);
    }
    CSubsystem* NewSubsystem(const char* name, CSubsystem* parent) {
        auto* subsystem = new CSubsystem(name);
        subsystem->m_pProject = m_project;
        subsystem->m_pParent = parent;
        m_project->AddSubsystem(subsystem);
        m_doc->AddSubsystem(subsystem);
        return subsystem;
    }
    CProject* m_project = nullptr;
};

TEST_P(SubsystemSetTest, TreeIsWrittenWithLevelsAndFullNames) {
    CSubsystem* top = NewSubsystem("Build", nullptr);
    CSubsystem* middle = NewSubsystem("O'Hara's", top);
    CSubsystem* leaf = NewSubsystem("100%_done", middle);
    leaf->m_Order = 3;
    leaf->m_MSTaskUID = 42;
    leaf->m_ReferenceUID = "ref";
    for (CSubsystem* s : {top, middle, leaf})
        ASSERT_TRUE(m_doc->m_SubsystemSet.SaveSubsystem(m_doc.get(), s));
    const CString where = " WHERE [GUID] = " + CSqlDialect::QuoteText(leaf->m_GUID);
    EXPECT_EQ(QueryNumber("SELECT [Level] FROM [Subsystems]" + where), 2);
    EXPECT_EQ(QueryText("SELECT [ExtendedName] FROM [Subsystems]" + where), "Build:O'Hara's:100%_done");
    EXPECT_EQ(QueryText("SELECT [ParentUID] FROM [Subsystems]" + where), middle->m_GUID);
    EXPECT_EQ(QueryText("SELECT [ProjectUID] FROM [Subsystems]" + where), m_project->m_GUID);
    EXPECT_EQ(Count("Subsystems", "[BillingRate] = 100 AND [SalaryRate] = 100"), 3);

    auto doc = OtherCopy();
    ASSERT_TRUE(doc->m_SubsystemSet.LoadSubsystems(doc.get()));
    ASSERT_EQ(doc->m_Subsystems.GetSize(), 3);
    EXPECT_EQ(doc->m_Subsystems.GetAt(2)->m_Name, "100%_done") << "sorted by order";
    const CSubsystem* back = doc->FindSubsystemByGUID(leaf->m_GUID);
    EXPECT_EQ(back->m_ParentUID, middle->m_GUID);
    EXPECT_EQ(back->m_MSTaskUID, 42);
    EXPECT_EQ(back->m_ReferenceUID, "ref");
    EXPECT_EQ(back->m_Level, 2);
}

TEST_P(SubsystemSetTest, RowsAreRepairedAndMergedByTime) {
    Exec("INSERT INTO [Subsystems] ([GUID], [Name], [Order], [MSTaskUID], [Active], [Modified]) VALUES "
         "('s', 'S', 20000, 100001, 0, {ts '2004-01-01 00:00:00'})");
    ASSERT_TRUE(m_doc->m_SubsystemSet.LoadAll(m_doc.get()));
    CSubsystem* s = m_doc->FindSubsystemByGUID("s");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->m_Order, 0);
    EXPECT_EQ(s->m_MSTaskUID, 0);
    EXPECT_EQ(s->m_Active, 0);
    Exec(CString("UPDATE [Subsystems] SET [Name] = 'Later', [ProjectUID] = ") +
         CSqlDialect::QuoteText(m_project->m_GUID) + ", [Modified] = {ts '2004-01-02 00:00:00'}");
    ASSERT_TRUE(m_doc->m_SubsystemSet.LoadAll(m_doc.get()));
    EXPECT_EQ(s->m_Name, "Later");
    EXPECT_EQ(s->m_pProject, m_project) << "the link follows the row";
    EXPECT_EQ(m_doc->m_Subsystems.GetSize(), 1);
    EXPECT_TRUE(m_doc->m_SubsystemSet.DeleteSubsystem(m_doc.get(), s));
    EXPECT_EQ(Count("Subsystems"), 0);
}

TEST_P(SubsystemSetTest, ProjectTypesComeBackAndMerge) {
    for (const char* name : kAwkwardTexts) {
        auto* type = new CProjectType(name);
        type->m_Created = CTime();
        m_doc->AddProjectType(type);
        ASSERT_TRUE(m_doc->m_ProjTypeSet.SaveProjectType(m_doc.get(), type));
    }
    EXPECT_EQ(Count("ProjectTypes", "[Created] IS NULL"), 0) << "no creation time: now";
    auto doc = OtherCopy();
    ASSERT_TRUE(doc->m_ProjTypeSet.LoadProjectTypes(doc.get()));
    ASSERT_EQ(doc->m_ProjectTypes.GetSize(), static_cast<INT_PTR>(std::size(kAwkwardTexts)));
    for (INT_PTR i = 0; i < m_doc->m_ProjectTypes.GetSize(); ++i) {
        const CProjectType* mine = m_doc->m_ProjectTypes.GetAt(i);
        const CProjectType* back = doc->FindProjectTypeByGUID(mine->m_GUID);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->m_Name, mine->m_Name);
    }
    CProjectType* first = m_doc->m_ProjectTypes.GetAt(0);
    first->m_Modified = CTime(2004, 1, 1, 0, 0, 0);
    Exec("UPDATE [ProjectTypes] SET [Name] = 'Renamed', [Modified] = {ts '2004-01-02 00:00:00'} WHERE [GUID] "
         "= " +
         CSqlDialect::QuoteText(first->m_GUID));
    Exec("INSERT INTO [ProjectTypes] ([GUID], [Name]) VALUES ('new', 'New')");
    ASSERT_TRUE(m_doc->m_ProjTypeSet.LoadAll(m_doc.get()));
    EXPECT_EQ(first->m_Name, "Renamed");
    EXPECT_NE(m_doc->FindProjectTypeByGUID("new"), nullptr);

    ProgressWindow window;
    m_doc->AddProjectType(new CProjectType("Unsaved"));
    ASSERT_TRUE(
        m_doc->m_ProjTypeSet.WriteAll(m_doc.get(), window.Get(), IDC_WRITE_STATUS, IDC_WRITE_PROGRESS));
    EXPECT_EQ(Count("ProjectTypes"), static_cast<long>(std::size(kAwkwardTexts)) + 2);
    EXPECT_EQ(window.Text(), "Writing project types");
    EXPECT_TRUE(m_doc->m_ProjTypeSet.DeleteProjectType(m_doc.get(), first));
}

INSTANTIATE_TEST_SUITE_P(Engines, SubsystemSetTest, DATA_ENGINES);

} // namespace
