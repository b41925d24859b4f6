// A project's subsystem tree: outline order, indenting, moving, numbering and its displays.
#include "ModelObjectsSupport.h"

#include "../framework/win/ControlsTestSupport.h"
#include "data/CProject.h"
#include "data/CSubsystem.h"
#include "framework/win/CComboBoxEx.h"
#include "framework/win/CTreeCtrl.h"
#include "timelog/CLogDoc.h"

#include <memory>
#include <string>
#include <vector>

using namespace modeltest;

namespace {

// A project with the outline  A (A1, A2 (A2a)), B, C  held in owned subsystems.
class ProjectTree : public ::testing::Test {
protected:
    ProjectTree() : project("Alpha", 0.0) {
        a = Add("A", nullptr);
        a1 = Add("A1", a);
        a2 = Add("A2", a);
        a2a = Add("A2a", a2);
        b = Add("B", nullptr);
        c = Add("C", nullptr);
    }
    ~ProjectTree() override { CLogDoc::s_bShowInactiveSubsystems = false; }

    CSubsystem* Add(const char* name, CSubsystem* parent) {
        owned.push_back(std::make_unique<CSubsystem>(name));
        CSubsystem* s = owned.back().get();
        s->m_pParent = parent;
        project.AddSubsystem(s);
        return s;
    }
    std::string Names() const {
        std::string names;
        for (int i = 0; i < project.GetSubsystemCount(); ++i) {
            const CSubsystem* s = project.GetSubsystemAt(i);
            names += std::string(i ? " " : "") + s->m_Name.GetString() + "/" + std::to_string(s->GetLevel()) +
                     "#" + std::to_string(s->m_Order);
        }
        return names;
    }

    ScratchRegistry registry;
    CProject project;
    std::vector<std::unique_ptr<CSubsystem>> owned;
    CSubsystem* a;
    CSubsystem* a1;
    CSubsystem* a2;
    CSubsystem* a2a;
    CSubsystem* b;
    CSubsystem* c;
};

TEST_F(ProjectTree, LookupsAndSiblings) {
    EXPECT_EQ(project.FindSubsystem("a2A"), a2a);
    EXPECT_EQ(project.FindChildSubsystem(a, "a2"), a2);
    EXPECT_EQ(project.FindChildSubsystem(nullptr, "a2"), nullptr);
    a1->m_MSTaskUID = 42;
    EXPECT_EQ(project.FindSubsystemByTaskID(42), a1);
    EXPECT_EQ(project.IndexOfSubsystem(b), 4);
    EXPECT_EQ(project.GetPrevSibling(b), a);
    EXPECT_EQ(project.GetNextSibling(a), b);
    EXPECT_EQ(project.GetPrevSibling(a1), nullptr);
    EXPECT_EQ(project.GetNextSibling(a2), nullptr);
    EXPECT_EQ(project.GetPrevAtLevel(a2a), a2);
    EXPECT_EQ(project.GetPrevAtLevel(a2), a);
    EXPECT_EQ(project.GetPrevAtLevel(a), nullptr);
    EXPECT_TRUE(project.HasChildSubsystem(a2));
    EXPECT_FALSE(project.HasChildSubsystem(a2a));
    EXPECT_TRUE(project.HasParent(a1));
    EXPECT_FALSE(project.HasParent(b));

    CSubsystemArray tree;
    project.GetSubsystemTree(a, tree);
    ASSERT_EQ(tree.GetSize(), 4);
    EXPECT_EQ(tree.GetAt(3), a2a);
    CSubsystemArray children;
    project.GetChildSubsystems(a, children, false);
    EXPECT_EQ(children.GetSize(), 2);
    CSubsystemArray others;
    project.GetOtherSubsystems(a, others);
    ASSERT_EQ(others.GetSize(), 2);
    EXPECT_EQ(others.GetAt(0), b);
}

TEST_F(ProjectTree, RenumberAndIndentOutdent) {
    project.RenumberSubsystems();
    EXPECT_EQ(Names(), "A/0#1 A1/1#2 A2/1#3 A2a/2#4 B/0#5 C/0#6");
    EXPECT_TRUE(c->m_bModified);

    project.IndentSubsystem(b); // below A, after A's subtree
    EXPECT_EQ(b->m_pParent, a);
    EXPECT_EQ(b->m_ParentUID, a->m_GUID);
    EXPECT_EQ(Names(), "A/0#1 A1/1#2 A2/1#3 A2a/2#4 B/1#5 C/0#6");
    project.IndentSubsystem(a1); // no previous sibling: nothing
    EXPECT_EQ(a1->m_pParent, a);

    project.OutdentSubsystem(a2); // A2 leaves A; the later sibling B becomes A2's child
    EXPECT_EQ(a2->m_pParent, nullptr);
    EXPECT_EQ(b->m_pParent, a2);
    EXPECT_EQ(Names(), "A/0#1 A1/1#2 A2/0#3 A2a/1#4 B/1#5 C/0#6");
    project.OutdentSubsystem(c); // top level: nothing
    EXPECT_EQ(c->m_pParent, nullptr);
}

TEST_F(ProjectTree, MovesCarryTheSubtree) {
    EXPECT_TRUE(project.CanMoveSubsystemUp(b));
    EXPECT_FALSE(project.CanMoveSubsystemUp(a));
    EXPECT_FALSE(project.CanMoveSubsystemDown(c));
    project.MoveSubsystemUp(b);
    EXPECT_EQ(Names(), "B/0#1 A/0#2 A1/1#3 A2/1#4 A2a/2#5 C/0#6");
    project.MoveSubsystemDown(a); // C moves up in front of A
    EXPECT_EQ(Names(), "B/0#1 C/0#2 A/0#3 A1/1#4 A2/1#5 A2a/2#6");
    project.MoveSubsystemUp(a2);
    EXPECT_EQ(Names(), "B/0#1 C/0#2 A/0#3 A2/1#4 A2a/2#5 A1/1#6");
    project.MoveSubsystemUp(b); // first: nothing
    EXPECT_EQ(project.GetSubsystemAt(0), b);
}

TEST_F(ProjectTree, InsertAndRemove) {
    CSubsystem extra("X");
    project.InsertSubsystem(-5, &extra);
    EXPECT_EQ(project.GetSubsystemAt(0), &extra);
    EXPECT_EQ(extra.m_pProject, &project);
    EXPECT_EQ(extra.m_ProjectUID, project.m_GUID);
    project.RemoveSubsystem(&extra);
    EXPECT_EQ(project.IndexOfSubsystem(&extra), -1);
    project.RemoveSubsystemTree(a2);
    EXPECT_EQ(project.GetSubsystemCount(), 4);
    EXPECT_EQ(project.IndexOfSubsystem(a2a), -1);
}

TEST_F(ProjectTree, OutlineLeavesOutInactiveSubtrees) {
    a2->m_Active = 0;
    EXPECT_EQ(project.GetSubsystemOutline(), "A\tA\tA\nA:A1\tA1\t    A1\nB\tB\tB\nC\tC\tC");
    EXPECT_FALSE(a2a->IsActiveInTree());
    EXPECT_EQ(a2a->GetFullName(), "A:A2:A2a");
    CLogDoc::s_bShowInactiveSubsystems = true;
    EXPECT_NE(project.GetSubsystemOutline().Find("A:A2:A2a\tA2a\t        A2a"), -1);
}

TEST_F(ProjectTree, ParentCyclesInDamagedDataEnd) {
    b->m_pParent = c;
    c->m_pParent = b;
    EXPECT_EQ(b->GetLevel(), 10000) << "bounded";
    CSubsystemArray tree;
    project.GetSubsystemTree(b, tree);
    EXPECT_EQ(tree.GetSize(), 2);
    project.RenumberSubsystems();
    EXPECT_EQ(project.GetSubsystemOutline().Find("B"), -1) << "a cycle is not in the tree";
}

class ProjectDisplays : public ctltest::ControlsTest {
protected:
    ~ProjectDisplays() override { CLogDoc::s_bShowInactiveProjects = false; }
    ScratchRegistry registry;
};

std::vector<std::string> ComboTexts(CComboBoxEx& combo) {
    std::vector<std::string> texts;
    for (int i = 0; i < combo.GetCount(); ++i) {
        char text[256] = {};
        COMBOBOXEXITEM item = {};
        item.mask = CBEIF_TEXT;
        item.iItem = i;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        combo.GetItem(&item);
        texts.emplace_back(text);
    }
    return texts;
}

TEST_F(ProjectDisplays, ProjectComboSkipsHiddenInactiveAndNone) {
    CComboBoxEx combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, Area(0, 0, 200, 200), &parent, 100));
    CProjectArray projects;
    CProject alpha("Alpha", 0.0);
    CProject none("<None>", 0.0);
    CProject idle("Idle", 0.0);
    idle.m_Active = 0;
    CProject hidden("Hidden", 0.0);
    hidden.m_Visible = 0;
    for (CProject* p : {&alpha, &none, &idle, &hidden})
        projects.Add(p);
    FillProjectCombo(combo, projects, true);
    EXPECT_EQ(ComboTexts(combo), (std::vector<std::string>{"<All>", "Alpha"}));
    EXPECT_EQ(combo.GetItemData(1), reinterpret_cast<DWORD_PTR>(&alpha));
    CLogDoc::s_bShowInactiveProjects = true;
    FillProjectCombo(combo, projects, false);
    EXPECT_EQ(ComboTexts(combo), (std::vector<std::string>{"Alpha", "Idle"}));
}

TEST_F(ProjectDisplays, SubsystemTreeAndCombo) {
    CProject project("Alpha", 0.0);
    CSubsystem top("Top");
    CSubsystem child("Child");
    child.m_pParent = &top;
    child.m_Expanded = 1;
    CSubsystem grandchild("Grandchild");
    grandchild.m_pParent = &child;
    CSubsystem off("Off");
    off.m_Active = 0;
    for (CSubsystem* s : {&top, &child, &grandchild, &off})
        project.AddSubsystem(s);

    CComboBoxEx combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, Area(0, 0, 200, 200), &parent, 101));
    project.FillSubsystemCombo(combo);
    EXPECT_EQ(ComboTexts(combo), (std::vector<std::string>{"Top", "    Child", "        Grandchild"}));

    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | TVS_CHECKBOXES | TVS_HASBUTTONS, Area(0, 0, 200, 200), &parent, 102));
    HTREEITEM projectItem = nullptr;
    project.FillTree(tree, true, true, &projectItem, true);
    ASSERT_NE(projectItem, nullptr);
    EXPECT_EQ(tree.GetItemText(projectItem), "Alpha");
    EXPECT_EQ(tree.GetItemState(projectItem, TVIS_BOLD), static_cast<UINT>(TVIS_BOLD));
    EXPECT_EQ(tree.GetItemData(projectItem), reinterpret_cast<DWORD_PTR>(&project));
    EXPECT_EQ(tree.GetCount(), 5u) << "the project and all four subsystems, inactive ones included";
    HTREEITEM topItem = tree.GetChildItem(projectItem);
    EXPECT_EQ(tree.GetItemData(topItem), reinterpret_cast<DWORD_PTR>(&top));
    HTREEITEM childItem = tree.GetChildItem(topItem);
    EXPECT_EQ(tree.GetItemText(childItem), "Child");
    EXPECT_EQ(tree.GetItemState(childItem, TVIS_EXPANDED), static_cast<UINT>(TVIS_EXPANDED));
    EXPECT_FALSE(tree.GetCheck(childItem));

    tree.DeleteAllItems();
    project.FillTree(tree, false, false, nullptr, false);
    EXPECT_EQ(tree.GetCount(), 3u) << "without the project and the inactive subsystem";
    EXPECT_EQ(tree.GetItemText(tree.GetRootItem()), "Top");
}

} // namespace
