// CProject: the tree of its subsystems (outline order, indenting and moving) and its display in trees,
// combo boxes and text, and the duplicate of a project with its tree.
#include "data/CProject.h"

#include "foundation/SharedHelpers.h"
#include "framework/win/CComboBoxEx.h"
#include "framework/win/CTreeCtrl.h"
#include "framework/win/CWaitCursor.h"
#include "resource.h"
#include "timelog/CLogDoc.h"

namespace {
constexpr const char* kIndent = "    ";

CString Indent(int level) {
    CString text;
    for (int i = 0; i < level; ++i)
        text += kIndent;
    return text;
}
} // namespace

// ---------------------------------------------------------------- the subsystem list

int CProject::IndexOfSubsystem(const CSubsystem* pSubsystem) const {
    for (int i = 0; i < GetSubsystemCount(); ++i) {
        if (m_Subsystems.GetAt(i) == pSubsystem)
            return i;
    }
    return -1;
}

CSubsystem* CProject::FindSubsystemByTaskID(int taskId) const {
    for (int i = 0; i < GetSubsystemCount(); ++i) {
        if (m_Subsystems.GetAt(i)->m_MSTaskUID == taskId)
            return m_Subsystems.GetAt(i);
    }
    return nullptr;
}

CSubsystem* CProject::FindChildSubsystem(const CSubsystem* pParent, const char* name) const {
    for (int i = 0; i < GetSubsystemCount(); ++i) {
        CSubsystem* pSubsystem = m_Subsystems.GetAt(i);
        if (pSubsystem->m_pParent == pParent && pSubsystem->m_Name.CompareNoCase(name) == 0)
            return pSubsystem;
    }
    return nullptr;
}

void CProject::InsertSubsystem(int index, CSubsystem* pSubsystem) {
    if (pSubsystem == nullptr)
        return;
    const int at = index < 0 ? 0 : (index > GetSubsystemCount() ? GetSubsystemCount() : index);
    m_Subsystems.InsertAt(at, pSubsystem);
    pSubsystem->m_pProject = this;
    pSubsystem->m_ProjectUID = GetGUID();
}

void CProject::RemoveSubsystem(CSubsystem* pSubsystem) {
    const int index = IndexOfSubsystem(pSubsystem);
    if (index >= 0)
        m_Subsystems.RemoveAt(index);
}

void CProject::RemoveSubsystemTree(CSubsystem* pSubsystem) {
    CSubsystemArray tree;
    GetSubsystemTree(pSubsystem, tree);
    for (INT_PTR i = 0; i < tree.GetSize(); ++i)
        RemoveSubsystem(tree.GetAt(i));
}

void CProject::GetChildSubsystems(const CSubsystem* pParent, CSubsystemArray& children,
                                  bool recursive) const {
    for (int i = 0; i < GetSubsystemCount(); ++i) {
        CSubsystem* pChild = m_Subsystems.GetAt(i);
        if (pChild->m_pParent != pParent || pChild == pParent)
            continue;
        // A parent cycle in damaged data would never end: a child already collected is not entered twice.
        bool seen = false;
        for (INT_PTR j = 0; j < children.GetSize() && !seen; ++j)
            seen = children.GetAt(j) == pChild;
        if (seen)
            continue;
        children.Add(pChild);
        if (recursive)
            GetChildSubsystems(pChild, children, true);
    }
}

void CProject::GetSubsystemTree(CSubsystem* pSubsystem, CSubsystemArray& tree) const {
    if (pSubsystem == nullptr)
        return;
    tree.Add(pSubsystem);
    GetChildSubsystems(pSubsystem, tree, true);
}

CSubsystem* CProject::GetPrevSibling(const CSubsystem* pSubsystem) const {
    for (int i = IndexOfSubsystem(pSubsystem) - 1; i >= 0; --i) {
        if (m_Subsystems.GetAt(i)->m_pParent == pSubsystem->m_pParent)
            return m_Subsystems.GetAt(i);
    }
    return nullptr;
}

CSubsystem* CProject::GetNextSibling(const CSubsystem* pSubsystem) const {
    const int index = IndexOfSubsystem(pSubsystem);
    if (index < 0)
        return nullptr;
    for (int i = index + 1; i < GetSubsystemCount(); ++i) {
        if (m_Subsystems.GetAt(i)->m_pParent == pSubsystem->m_pParent)
            return m_Subsystems.GetAt(i);
    }
    return nullptr;
}

CSubsystem* CProject::GetPrevAtLevel(const CSubsystem* pSubsystem) const {
    const int index = IndexOfSubsystem(pSubsystem);
    if (index < 0)
        return nullptr;
    const int wanted = pSubsystem->GetLevel() - 1;
    for (int i = index - 1; i >= 0; --i) {
        const int level = m_Subsystems.GetAt(i)->GetLevel();
        if (level == wanted)
            return m_Subsystems.GetAt(i);
        if (level < wanted)
            return nullptr;
    }
    return nullptr;
}

void CProject::IndentSubsystem(CSubsystem* pSubsystem) {
    CSubsystem* pNewParent = pSubsystem != nullptr ? GetPrevSibling(pSubsystem) : nullptr;
    if (pNewParent == nullptr)
        return;
    pSubsystem->m_pParent = pNewParent;
    pSubsystem->m_ParentUID = pNewParent->m_GUID;
    pSubsystem->SetModified(TRUE);
    RenumberSubsystems();
}

void CProject::OutdentSubsystem(CSubsystem* pSubsystem) {
    if (pSubsystem == nullptr || pSubsystem->m_pParent == nullptr)
        return;
    CSubsystem* pOldParent = pSubsystem->m_pParent;
    // The later siblings move below it, in their order.
    CSubsystemArray later;
    for (int i = IndexOfSubsystem(pSubsystem) + 1; i < GetSubsystemCount(); ++i) {
        if (m_Subsystems.GetAt(i)->m_pParent == pOldParent)
            later.Add(m_Subsystems.GetAt(i));
    }
    pSubsystem->m_pParent = pOldParent->m_pParent;
    pSubsystem->m_ParentUID = pSubsystem->m_pParent != nullptr ? pSubsystem->m_pParent->m_GUID : CString();
    pSubsystem->SetModified(TRUE);
    for (INT_PTR i = 0; i < later.GetSize(); ++i) {
        CSubsystem* pSibling = later.GetAt(i);
        pSibling->m_pParent = pSubsystem;
        pSibling->m_ParentUID = pSubsystem->m_GUID;
        pSibling->SetModified(TRUE);
    }
    RenumberSubsystems();
}

void CProject::MoveSubsystemUp(CSubsystem* pSubsystem) {
    CSubsystem* pPrevious = pSubsystem != nullptr ? GetPrevSibling(pSubsystem) : nullptr;
    if (pPrevious == nullptr)
        return;
    CSubsystemArray tree;
    GetSubsystemTree(pSubsystem, tree);
    for (INT_PTR i = 0; i < tree.GetSize(); ++i)
        RemoveSubsystem(tree.GetAt(i));
    const int at = IndexOfSubsystem(pPrevious);
    for (INT_PTR i = 0; i < tree.GetSize(); ++i)
        m_Subsystems.InsertAt(at + i, tree.GetAt(i));
    RenumberSubsystems();
}

void CProject::MoveSubsystemDown(CSubsystem* pSubsystem) {
    if (CSubsystem* pNext = pSubsystem != nullptr ? GetNextSibling(pSubsystem) : nullptr)
        MoveSubsystemUp(pNext);
}

void CProject::MarkAllSubsystemsChanged() {
    for (int i = 0; i < GetSubsystemCount(); ++i)
        m_Subsystems.GetAt(i)->SetModified(TRUE);
}

void CProject::GetOtherSubsystems(const CSubsystem* pSubsystem, CSubsystemArray& others) const {
    for (int i = 0; i < GetSubsystemCount(); ++i) {
        CSubsystem* pOther = m_Subsystems.GetAt(i);
        if (pOther != pSubsystem && !pOther->IsUnder(pSubsystem))
            others.Add(pOther);
    }
}

void CProject::RenumberSubsystems() {
    CSubsystemArray ordered;
    GetChildSubsystems(nullptr, ordered, true);
    for (INT_PTR i = 0; i < ordered.GetSize(); ++i) {
        ordered.GetAt(i)->m_Order = static_cast<int>(i + 1);
        ordered.GetAt(i)->SetModified(TRUE);
    }
}

bool CProject::HasChildSubsystem(const CSubsystem* pParent) const {
    for (int i = 0; i < GetSubsystemCount(); ++i) {
        if (m_Subsystems.GetAt(i)->m_pParent == pParent && m_Subsystems.GetAt(i) != pParent)
            return true;
    }
    return false;
}

// ---------------------------------------------------------------- display

bool CProject::Shows(const CSubsystem* pSubsystem, bool includeInactive) {
    return (pSubsystem->m_Active & 0xFF) != 0 || includeInactive || CLogDoc::s_bShowInactiveSubsystems;
}

void CProject::AddTreeItems(CTreeCtrl& tree, HTREEITEM hParent, const CSubsystem* pParent,
                            bool includeInactive, bool expand) const {
    CSubsystemArray children;
    GetChildSubsystems(pParent, children, false);
    for (INT_PTR i = 0; i < children.GetSize(); ++i) {
        CSubsystem* pChild = children.GetAt(i);
        if (!Shows(pChild, includeInactive))
            continue;
        HTREEITEM hItem = tree.InsertItem(TVIF_TEXT | TVIF_PARAM, pChild->m_Name, 0, 0, 0, 0,
                                          reinterpret_cast<LPARAM>(pChild), hParent, TVI_LAST);
        tree.SetCheck(hItem, FALSE);
        AddTreeItems(tree, hItem, pChild, includeInactive, expand);
        if (expand && pChild->m_Expanded)
            tree.Expand(hItem, TVE_EXPAND);
    }
}

void CProject::FillTree(CTreeCtrl& tree, bool withProject, bool includeInactive, HTREEITEM* pProjectItem,
                        bool expand) {
    HTREEITEM hSelected = tree.GetSelectedItem();
    HTREEITEM hRoot = TVI_ROOT;
    if (withProject) {
        hRoot = tree.InsertItem(TVIF_TEXT | TVIF_PARAM | TVIF_STATE, m_Name, 0, 0, TVIS_BOLD, TVIS_BOLD,
                                reinterpret_cast<LPARAM>(this), TVI_ROOT, TVI_LAST);
        tree.SetCheck(hRoot, FALSE);
        if (pProjectItem != nullptr)
            *pProjectItem = hRoot;
    }
    AddTreeItems(tree, hRoot, nullptr, includeInactive, expand);
    if (hSelected != nullptr)
        tree.SelectItem(hSelected);
}

void CProject::AddComboItems(CComboBoxEx& combo, const CSubsystem* pParent, int level) const {
    CSubsystemArray children;
    GetChildSubsystems(pParent, children, false);
    for (INT_PTR i = 0; i < children.GetSize(); ++i) {
        CSubsystem* pChild = children.GetAt(i);
        if (!Shows(pChild, false))
            continue;
        const CString text = Indent(level) + pChild->m_Name;
        COMBOBOXEXITEM item = {};
        item.mask = CBEIF_TEXT | CBEIF_LPARAM;
        item.iItem = -1;
        item.pszText = const_cast<char*>(text.GetString());
        item.lParam = reinterpret_cast<LPARAM>(pChild);
        combo.InsertItem(&item);
        AddComboItems(combo, pChild, level + 1);
    }
}

void CProject::FillSubsystemCombo(CComboBoxEx& combo) {
    combo.ResetContent();
    AddComboItems(combo, nullptr, 0);
}

void CProject::AddOutlineLines(CString& text, const CSubsystem* pParent, int level) const {
    CSubsystemArray children;
    GetChildSubsystems(pParent, children, false);
    for (INT_PTR i = 0; i < children.GetSize(); ++i) {
        const CSubsystem* pChild = children.GetAt(i);
        if (!Shows(pChild, false))
            continue;
        if (!text.IsEmpty())
            text += "\n";
        text += pChild->GetFullName() + "\t" + pChild->m_Name + "\t" + Indent(level) + pChild->m_Name;
        AddOutlineLines(text, pChild, level + 1);
    }
}

CString CProject::GetSubsystemOutline() const {
    CString text;
    AddOutlineLines(text, nullptr, 0);
    return text;
}

void FillProjectCombo(CComboBoxEx& combo, const CProjectArray& projects, bool withAll) {
    combo.ResetContent();
    auto insert = [&combo](const CString& text, CProject* pProject) {
        COMBOBOXEXITEM item = {};
        item.mask = CBEIF_TEXT | (pProject != nullptr ? CBEIF_LPARAM : 0);
        item.iItem = -1;
        item.pszText = const_cast<char*>(text.GetString());
        item.lParam = reinterpret_cast<LPARAM>(pProject);
        combo.InsertItem(&item);
    };
    if (withAll)
        insert(CString(MAKEINTRESOURCE(IDS_ALL)), nullptr);
    for (INT_PTR i = 0; i < projects.GetSize(); ++i) {
        CProject* pProject = projects.GetAt(i);
        if (pProject == nullptr || !pProject->m_Visible || pProject->IsNoneProject())
            continue;
        if (pProject->m_Active || CLogDoc::s_bShowInactiveProjects)
            insert(pProject->m_Name, pProject);
    }
}

// ---------------------------------------------------------------- duplicate

CProject* CProject::Duplicate(CLogDoc* pDoc, bool copyTasks) {
    if (pDoc == nullptr)
        return nullptr;
    CWaitCursor wait;
    auto* pCopy = new CProject(*this);
    pCopy->m_Name.Format(CString(MAKEINTRESOURCE(IDS_PROJECT_COPY_FORMAT)), m_Name.GetString());
    pCopy->m_GUID = NewGuidString();
    pCopy->m_Subsystems.RemoveAll();
    pCopy->m_Placeholder = 0;
    pCopy->m_Created = CTime::GetCurrentTime();
    pCopy->m_Modified = m_Created;
    pDoc->AddProject(pCopy);
    pDoc->SortProjects();
    pDoc->SetModifiedFlag();
    if (pDoc->CanWriteTables())
        pDoc->m_ProjectSet.SaveProject(pDoc, pCopy);
    if (copyTasks && pDoc->CanWriteTables())
        pDoc->m_ProjectTaskSet.CopyTasks(pDoc, GetGUID(), pCopy->m_GUID, CString(), CString());
    CopySubsystemTree(pDoc, pCopy, nullptr, nullptr, copyTasks);
    pDoc->DoAutoSave(true);
    return pCopy;
}

void CProject::CopySubsystemTree(CLogDoc* pDoc, CProject* pCopy, const CSubsystem* pOldParent,
                                 CSubsystem* pNewParent, bool copyTasks) const {
    CSubsystemArray children;
    GetChildSubsystems(pOldParent, children, false);
    for (INT_PTR i = 0; i < children.GetSize(); ++i) {
        const CSubsystem* pOld = children.GetAt(i);
        auto* pNew = new CSubsystem(*pOld);
        pNew->m_GUID = NewGuidString();
        pNew->m_Created = CTime::GetCurrentTime();
        pNew->m_pParent = pNewParent;
        pNew->m_pProject = pCopy;
        pNew->m_ProjectUID = pCopy->GetGUID();
        pNew->m_ParentUID = pNewParent != nullptr ? pNewParent->m_GUID : CString();
        pDoc->AddSubsystem(pNew);
        pCopy->AddSubsystem(pNew);
        if (pDoc->CanWriteTables()) {
            pDoc->m_SubsystemSet.SaveSubsystem(pDoc, pNew);
            if (copyTasks)
                pDoc->m_ProjectTaskSet.CopyTasks(pDoc, m_GUID, pCopy->m_GUID, pOld->m_GUID, pNew->m_GUID);
        }
        CopySubsystemTree(pDoc, pCopy, pOld, pNew, copyTasks);
    }
}
