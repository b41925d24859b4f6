#include "TableTestSupport.h"

#include "data/CProjectSet.h"
#include "data/CProjTypeSet.h"
#include "foundation/SharedHelpers.h"
#include "framework/db/CSqlDialect.h"

#include <gmock/gmock.h>

using namespace datatest;

namespace {

class ProjectSetTest : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"Projects", "ProjectTypes", "Update", "OrgObjects"});
    }
    CProject* NewProject(const char* name) {
        auto* project = new CProject(name, 0.0);
        m_doc->AddProject(project);
        return project;
    }
    // The projects of a second document loaded from the table.
    std::unique_ptr<CLogDoc> Reloaded() {
        auto doc = OtherCopy();
        EXPECT_TRUE(doc->m_ProjectSet.LoadProjects(doc.get()));
        return doc;
    }
    CProjectSet& Set() { return m_doc->m_ProjectSet; }
};

TEST_P(ProjectSetTest, ProjectComesBackAsItWasStored) {
    auto* type = new CProjectType("Fixed price");
    m_doc->AddProjectType(type);
    ASSERT_TRUE(m_doc->m_ProjTypeSet.SaveProjectType(m_doc.get(), type));
    const std::string longText = LongText(10000);
    std::vector<std::string> names(std::begin(kAwkwardTexts), std::end(kAwkwardTexts));
    names.push_back(LongText(255));
    int n = 0;
    for (const std::string& name : names) {
        CProject* project = NewProject(name.empty() ? "" : name.c_str());
        project->m_Description = ++n == 1 ? longText.c_str() : name.c_str();
        project->m_pProjectType = type;
        project->m_PSPassword = "s3cr't";
        project->m_Integrate = 2;
        project->m_BillingType = 2;
        project->m_BillingRate = 85.5;
        project->m_MileageRate = 0.3;
        project->m_Timesheet = 1;
        project->m_DeferUpdate = 1;
        project->m_Active = 0;
        project->m_LastUpdate = CTime(2004, 5, 6, 7, 8, 9);
        ASSERT_TRUE(Set().SaveProject(m_doc.get(), project)) << name.substr(0, 20);
    }
    EXPECT_EQ(Count("Projects"), static_cast<long>(names.size()));
    EXPECT_EQ(Count("Projects", "[Name] LIKE '%''%'"), 0) << "names are stored without apostrophes";
    EXPECT_NE(QueryText("SELECT [PSPassword] FROM [Projects] WHERE [Name] = '100% sure'"), "s3cr't");

    auto doc = OtherCopy();
    ASSERT_TRUE(doc->m_ProjTypeSet.LoadProjectTypes(doc.get()));
    ASSERT_TRUE(doc->m_ProjectSet.LoadProjects(doc.get()));
    for (int i = 0; i < m_doc->GetProjectCount(); ++i) {
        const CProject* mine = m_doc->GetProjectAt(i);
        SCOPED_TRACE(mine->m_Name.Left(20).GetString());
        const CProject* back = doc->FindProjectByGUID(mine->m_GUID, false);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->m_Name, mine->m_Name);
        EXPECT_EQ(back->m_Description, mine->m_Description);
        EXPECT_EQ(back->m_PSPassword, "s3cr't");
        EXPECT_EQ(back->m_pProjectType, doc->FindProjectTypeByGUID(type->m_GUID));
        EXPECT_EQ(back->m_Integrate, 2);
        EXPECT_EQ(back->m_BillingType, 2);
        EXPECT_EQ(back->m_BillingRate, 85.5);
        EXPECT_EQ(back->m_MileageRate, 0.3);
        EXPECT_EQ(back->m_Timesheet, 1);
        EXPECT_EQ(back->m_DeferUpdate, 1);
        EXPECT_EQ(back->m_Active, 0);
        EXPECT_EQ(back->m_LastUpdate, CTime(2004, 5, 6, 7, 8, 9));
        EXPECT_EQ(back->m_Created, mine->m_Created);
    }
}

TEST_P(ProjectSetTest, ANameLongerThanItsColumnIsRefusedNotCut) {
    CProject* project = NewProject(LongText(256).c_str());
    EXPECT_FALSE(Set().SaveProject(m_doc.get(), project));
    EXPECT_EQ(Count("Projects"), 0);
    ASSERT_EQ(Errors().GetCount(), 1);
    EXPECT_EQ(Errors().GetEntry(0).message, "Projects");
    EXPECT_EQ(Count("Update"), 0) << "a failed save is no change";
}

TEST_P(ProjectSetTest, OutOfRangeValuesAreRepairedWhenRead) {
    struct Case {
        const char* assignments;
        int billingType;
        double billingRate;
        double mileage;
        int integrate;
        int timesheet;
    };
    const Case cases[] = {
        {"[BillingType] = 20000, [BillingRate] = 100001, [MileageRate] = 501", 0, 0.0, 0.0, 0, 0},
        {"[BillingRate] = -1, [Integrate] = 11, [MSProjectFile] = 'plan.mpp', [Timesheet] = 2", 0, 0.0, 0.0,
         1, 0},
        {"[BillingRate] = 100000, [Integrate] = 11, [MileageRate] = 500, [Timesheet] = 1", 0, 100000.0, 500.0,
         0, 1},
        {"[BillingRate] = NULL, [MileageRate] = NULL, [BillingType] = NULL, [Integrate] = NULL", 0, 0.0, 0.0,
         0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.assignments);
        Exec("DELETE FROM [Projects]");
        Exec("INSERT INTO [Projects] ([GUID], [Name]) VALUES ('g', 'n')");
        Exec(CString("UPDATE [Projects] SET ") + c.assignments);
        auto doc = Reloaded();
        const CProject* project = doc->FindProjectByGUID("g", false);
        ASSERT_NE(project, nullptr);
        EXPECT_EQ(project->m_BillingType, c.billingType);
        EXPECT_EQ(project->m_BillingRate, c.billingRate);
        EXPECT_EQ(project->m_MileageRate, c.mileage);
        EXPECT_EQ(project->m_Integrate, c.integrate);
        EXPECT_EQ(project->m_Timesheet, c.timesheet);
        EXPECT_NE(project->m_Created, CTime()) << "no time stored: now";
    }
}

TEST_P(ProjectSetTest, ANewProjectTakesOverTheRowOfItsName) {
    Exec("INSERT INTO [Projects] ([GUID], [Name]) VALUES ('stored', 'O`Brien')");
    CProject* project = NewProject("O'Brien");
    ASSERT_TRUE(Set().SaveProject(m_doc.get(), project));
    EXPECT_EQ(project->m_GUID, "stored");
    EXPECT_EQ(Count("Projects"), 1);

    // A row that another project of the document stands for is not taken over.
    auto* other = new CProject("Twin", 0.0);
    other->m_GUID = "twin-1";
    m_doc->AddProject(other);
    ASSERT_TRUE(Set().SaveProject(m_doc.get(), other));
    CProject* second = NewProject("Twin");
    ASSERT_TRUE(Set().SaveProject(m_doc.get(), second));
    EXPECT_NE(second->m_GUID, "twin-1");
    EXPECT_EQ(Count("Projects"), 3);
}

TEST_P(ProjectSetTest, MergeTakesOnlyLaterRowsAndKeepsSubsystems) {
    CProject* project = NewProject("Alpha");
    project->m_Modified = CTime(2004, 1, 1, 0, 0, 0);
    auto* subsystem = new CSubsystem("Phase");
    project->AddSubsystem(subsystem);
    m_doc->AddSubsystem(subsystem);
    ASSERT_TRUE(Set().SaveProject(m_doc.get(), project));
    const CString guid = project->m_GUID;
    const auto rowSays = [&](const char* description, const char* modified) {
        Exec(CString("UPDATE [Projects] SET [Description] = '") + description + "', [Modified] = {ts '" +
             modified + "'} WHERE [GUID] = " + CSqlDialect::QuoteText(guid));
        ASSERT_TRUE(Set().LoadAll(m_doc.get()));
    };
    rowSays("same time", "2004-01-01 00:00:00");
    EXPECT_EQ(project->m_Description, "");
    rowSays("earlier", "2003-12-31 23:59:59");
    EXPECT_EQ(project->m_Description, "");
    rowSays("later", "2004-01-01 00:00:01");
    EXPECT_EQ(project->m_Description, "later");
    EXPECT_EQ(project->GetSubsystemCount(), 1);
    EXPECT_EQ(m_doc->GetProjectCount(), 1);

    // A row of another project whose name the document has already is not added.
    Exec("INSERT INTO [Projects] ([GUID], [Name]) VALUES ('other', 'ALPHA')");
    Exec("INSERT INTO [Projects] ([GUID], [Name]) VALUES ('new', 'Aardvark')");
    ASSERT_TRUE(Set().LoadAll(m_doc.get()));
    EXPECT_EQ(m_doc->GetProjectCount(), 2);
    EXPECT_EQ(m_doc->GetProjectAt(0)->m_Name, "Aardvark") << "the list stays sorted";
}

TEST_P(ProjectSetTest, WriteAllAddsOnlyTheMissingRows) {
    CProject* stored = NewProject("Stored");
    ASSERT_TRUE(Set().SaveProject(m_doc.get(), stored));
    Exec("UPDATE [Projects] SET [Description] = 'kept'");
    NewProject("New one");
    NewProject("New two");
    ProgressWindow window;
    ASSERT_TRUE(Set().WriteAll(m_doc.get(), window.Get(), IDC_WRITE_STATUS, IDC_WRITE_PROGRESS));
    EXPECT_EQ(Count("Projects"), 3);
    EXPECT_EQ(Count("Projects", "[Description] = 'kept'"), 1);
    EXPECT_EQ(window.Text(), "Writing projects");
    EXPECT_EQ(window.Position(), 3);
    EXPECT_FALSE(Set().WriteAll(m_doc.get(), window.Get(), 0, IDC_WRITE_PROGRESS));

    EXPECT_TRUE(Set().DeleteProject(m_doc.get(), stored));
    EXPECT_EQ(Count("Projects"), 2);
}

INSTANTIATE_TEST_SUITE_P(Engines, ProjectSetTest, DATA_ENGINES);

} // namespace
