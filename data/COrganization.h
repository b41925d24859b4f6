// The older organization tree: top-level groups of COrgGroup with their child groups and member names,
// read from [Organization] whenever the document loads its tables and converted once into user and
// group records. One instance for the whole process.
#pragma once

#include "data/COrgGroup.h"
#include "framework/core/CObject.h"
#include "framework/core/CStringArray.h"

class CLogDoc;

class COrganization : public CObject {
    DECLARE_DYNAMIC(COrganization)
public:
    COrganization() = default;
    ~COrganization() override;
    COrganization(const COrganization&) = delete;
    COrganization& operator=(const COrganization&) = delete;

    // The process-wide tree.
    static COrganization& Get();

    // Deletes every group (the whole tree) and every group still waiting to be placed.
    void RemoveAll();
    // Hands a group read from a row to the tree; BuildTree places it.
    void AddLoadedGroup(COrgGroup* pGroup) { m_Loaded.Add(pGroup); }
    // Places the loaded groups by their Hierarchy (rows may come in any order); a group whose path names
    // no group becomes a top-level group with an empty Hierarchy.
    void BuildTree();

    // ---- conversion into user and group records ----
    // Every top-level group, depth first, becomes a group record of the document, its members person
    // records below it.
    void ConvertToUsers(CLogDoc* pDoc);

    // ---- edits of the organization editor ----
    // First group of that name (ignoring case), depth first over the whole tree.
    COrgGroup* FindGroup(const char* name) const;
    // The group that lists the user name (ignoring case); nullptr when none.
    COrgGroup* FindGroupOfUser(const char* userName) const;
    CString FindGroupGUIDOfUser(const char* userName) const;
    // A new group with a new GUID below pParent (nullptr: top level).
    COrgGroup* AddGroup(COrgGroup* pParent, const char* name);
    COrgUser* AddUser(COrgGroup* pGroup, const char* userName);
    // Renames the group and carries the new name into the paths of every group below it.
    void RenameGroup(COrgGroup* pGroup, const char* name);
    // Deletes the group with everything below it; false when it is not in the tree.
    bool RemoveGroup(COrgGroup* pGroup);
    // Deletes the member; false when it is not in the tree.
    bool RemoveUser(COrgUser* pUser);
    // The GUIDs of the group and of every group below it.
    void CollectGroupGUIDs(COrgGroup* pGroup, CStringArray& guids) const;
    // The group or one of its ancestors has that name (ignoring case).
    static bool IsNameOnParentChain(const COrgGroup* pGroup, const char* name);

    COrgGroupArray m_Groups; // top-level groups, owned
    COrgGroupArray m_Loaded; // read but not yet placed, owned

private:
    static COrgGroup* FindGroup(const COrgGroupArray& groups, const char* name);
    static COrgGroup* FindGroupOfUser(const COrgGroupArray& groups, const char* userName);
    // The array that holds the group (its parent's children or the top level).
    COrgGroupArray* OwnerOf(const COrgGroup* pGroup);
    // The group whose own path plus its name equals hierarchy (ignoring case), searched depth first.
    static COrgGroup* FindByChildHierarchy(const COrgGroupArray& groups, const CString& hierarchy);
};
