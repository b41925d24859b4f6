// The older organization tree: top-level groups of COrgGroup with their child groups and member names,
// read from [Organization] whenever the document loads its tables and converted once into user and
// group records. One instance for the whole process.
#pragma once

#include "data/COrgGroup.h"
#include "framework/core/CObject.h"

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

    COrgGroupArray m_Groups; // top-level groups, owned
    COrgGroupArray m_Loaded; // read but not yet placed, owned

private:
    // The group whose own path plus its name equals hierarchy (ignoring case), searched depth first.
    static COrgGroup* FindByChildHierarchy(const COrgGroupArray& groups, const CString& hierarchy);
};
