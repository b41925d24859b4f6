// Shared set-up of the project-task table tests: an organisation of groups and users, projects, and
// tasks written through the set.
//
// Company (group)
//   Sales (group): the current user, ann
//     Field (group): fay
//   Support (group): bob
// Projects Alpha, Beta and "<None>".
#pragma once

#include "TableTestSupport.h"

#include "data/CProject.h"
#include "data/CProjectTaskSet.h"
#include "data/CSubsystem.h"
#include "data/CUser.h"
#include "projecttasks/CTask.h"

#include <algorithm>
#include <string>
#include <vector>

namespace datatest {

class ProjectTaskTest : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"ProjectTasks", "Tasks", "OrgObjects", "Update"});
        company = AddUser("Company", nullptr, true);
        sales = AddUser("Sales", company, true);
        field = AddUser("Field", sales, true);
        support = AddUser("Support", company, true);
        me = AddUser(m_user, sales);
        ann = AddUser("ann", sales);
        fay = AddUser("fay", field);
        bob = AddUser("bob", support);
        alpha = AddProject("Alpha");
        beta = AddProject("Beta");
        none = AddProject("<None>");
    }

    CProjectTaskSet& Set() { return m_doc->m_ProjectTaskSet; }

    CUser* AddUser(const char* name, CUser* parent, bool group = false) {
        auto* user = new CUser(name);
        user->m_Workgroup = group ? 1 : 0;
        user->m_pParent = parent;
        user->m_Admin = 0;
        m_doc->AddUser(user);
        return user;
    }
    CProject* AddProject(const char* name) {
        auto* project = new CProject(name, 0.0);
        m_doc->AddProject(project);
        return project;
    }
    CSubsystem* AddSubsystem(const char* name, CProject* project, CSubsystem* parent = nullptr) {
        auto* subsystem = new CSubsystem(name);
        subsystem->m_pProject = project;
        subsystem->m_ProjectUID = project->GetGUID();
        subsystem->m_pParent = parent;
        subsystem->m_ParentUID = parent ? parent->GetGUID() : CString();
        m_doc->AddSubsystem(subsystem);
        project->AddSubsystem(subsystem);
        return subsystem;
    }
    // A task of the project written to the table; change sets its fields first. The task stays ours.
    template <typename Change = void (*)(CTask&)>
    CTask& Write(
        const char* name, CProject* project, Change change = [](CTask&) {}) {
        auto& task = m_tasks.emplace_back(std::make_unique<CTask>());
        task->m_pDoc = m_doc.get();
        task->m_Name = name;
        task->SetProject(project);
        change(*task);
        EXPECT_TRUE(Set().SaveTask(m_doc.get(), task.get())) << name;
        return *task;
    }
    // The names of the document's project tasks after a load with the present filter, sorted.
    std::vector<std::string> Loaded() {
        auto doc = OtherCopy();
        for (INT_PTR i = 0; i < m_doc->m_Users.GetSize(); ++i)
            doc->AddUser(new CUser(*m_doc->m_Users.GetAt(i)));
        // The copies' parents are the other document's records.
        for (INT_PTR i = 0; i < doc->m_Users.GetSize(); ++i) {
            CUser* user = doc->m_Users.GetAt(i);
            user->m_pParent = user->m_pParent ? doc->FindUserByGUID(user->m_pParent->m_GUID) : nullptr;
        }
        for (int i = 0; i < m_doc->GetProjectCount(); ++i)
            doc->AddProject(new CProject(*m_doc->GetProjectAt(i)));
        for (INT_PTR i = 0; i < m_doc->m_Subsystems.GetSize(); ++i) {
            auto* copy = new CSubsystem(*m_doc->m_Subsystems.GetAt(i));
            doc->AddSubsystem(copy);
        }
        for (INT_PTR i = 0; i < doc->m_Subsystems.GetSize(); ++i)
            doc->m_Subsystems.GetAt(i)->ResolveLinks(doc.get());
        EXPECT_TRUE(doc->m_ProjectTaskSet.LoadProjectTasks(doc.get()));
        std::vector<std::string> names;
        for (INT_PTR i = 0; i < doc->m_ProjectTasks.GetSize(); ++i)
            names.emplace_back(doc->m_ProjectTasks.GetAt(i)->m_Name.GetString());
        std::sort(names.begin(), names.end());
        return names;
    }
    // Assigns the object to the units in [OrgObjects].
    void AssignUnits(const CString& object, std::initializer_list<CUser*> units) {
        for (CUser* unit : units)
            Exec("INSERT INTO [OrgObjects] ([ObjectID], [OrganizationID], [Inherit]) VALUES ('" + object +
                 "', '" + unit->m_GUID + "', 1)");
    }

    CUser* company = nullptr;
    CUser* sales = nullptr;
    CUser* field = nullptr;
    CUser* support = nullptr;
    CUser* me = nullptr;
    CUser* ann = nullptr;
    CUser* fay = nullptr;
    CUser* bob = nullptr;
    CProject* alpha = nullptr;
    CProject* beta = nullptr;
    CProject* none = nullptr;
    std::vector<std::unique_ptr<CTask>> m_tasks;
};

using Names = std::vector<std::string>;

} // namespace datatest
