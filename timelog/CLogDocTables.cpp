// CLogDoc: the tables (the change counter the saves bump, the reference tables
// a change reloads) and the visibility of projects, users and categories for
// the logged-in user.
#include "timelog/CLogDoc.h"

#include <map>
#include <string>
#include <vector>

namespace {

// A unit covers the user when it is the user's own record, or a group on the
// user's line of descent: the user's group, one of its ancestors or one of its
// descendants.
bool Covers(const CUser* unit, const CUser* user) {
    if (!unit || !user)
        return false;
    if (!unit->IsGroup())
        return unit == user;
    const CUser* group = user->m_pParent;
    if (!group)
        return false;
    for (const CUser* up = group; up; up = up->m_pParent == up ? nullptr : up->m_pParent)
        if (up == unit)
            return true;
    for (const CUser* up = unit->m_pParent; up; up = up->m_pParent == up ? nullptr : up->m_pParent)
        if (up == group)
            return true;
    return false;
}

// Every [OrgObjects] row, read once: the unit GUIDs of each object in row
// order.
class UnitTable {
public:
    // A table that cannot be read leaves every object without units, so visible.
    explicit UnitTable(CLogDoc& doc) : m_doc(doc) {
        COrgObjectSet set(&doc.m_Database);
        if (!set.Open())
            return;
        try {
            for (; !set.IsEOF(); set.MoveNext())
                m_units[set.m_objectId.GetString()].push_back(set.m_organizationId);
        } catch (CDBException* e) {
            e->Delete();
            m_units.clear();
        }
        set.Close();
    }
    // The records of the object's units that the document knows; empty when none
    // or unread.
    void Units(const CString& object, CObArray& records) const {
        records.RemoveAll();
        if (const auto found = m_units.find(object.GetString()); found != m_units.end())
            for (const CString& guid : found->second)
                if (CUser* unit = m_doc.FindUserByGUID(guid))
                    records.Add(unit);
    }

private:
    CLogDoc& m_doc;
    std::map<std::string, std::vector<CString>> m_units;
};

} // namespace

void CLogDoc::RecordUpdate() {
    m_UpdateSet.BumpCounter(this);
}

std::vector<CBaseRecordset*> CLogDoc::GetSharedTableSets() {
    return {&m_UserSet, &m_ProjTypeSet, &m_ClientSet, &m_OrganizationSet, &m_ProjectSet, &m_CategorySet};
}

bool CLogDoc::IsVisibleThroughUnits(const CUser* user, const CObArray& units) const {
    if (!user)
        return false;
    for (INT_PTR i = 0; i < units.GetSize(); ++i)
        if (Covers(static_cast<const CUser*>(units.GetAt(i)), user))
            return true;
    return false;
}

void CLogDoc::ApplyUserVisibility(bool projects, bool users, bool categories) {
    CUser* current = GetCurrentUser();
    if (!m_bDatabaseUsable || !current)
        return;
    const UnitTable table(*this);
    CObArray units;
    if (projects) {
        for (INT_PTR i = 0; i < m_Projects.GetSize(); ++i) {
            CProject* project = m_Projects.GetAt(i);
            table.Units(project->GetGUID(), units);
            project->m_Visible = units.IsEmpty() || IsVisibleThroughUnits(current, units) ? 1 : 0;
        }
    }
    if (users) {
        CObArray own;
        table.Units(current->GetGUID(), own);
        for (INT_PTR i = 0; i < m_Users.GetSize(); ++i) {
            CUser* record = m_Users.GetAt(i);
            bool visible = record == current || (record->IsGroup() && record->IsAncestorOf(m_Users, current));
            if (!visible && own.IsEmpty())
                visible = m_bAllRights;
            for (INT_PTR u = 0; !visible && u < own.GetSize(); ++u)
                visible = static_cast<const CUser*>(own.GetAt(u))->IsAncestorOf(m_Users, record);
            record->m_Visible = visible ? 1 : 0;
        }
    }
    if (categories) {
        for (INT_PTR i = 0; i < m_Categories.GetSize(); ++i) {
            CCategory* category = m_Categories.GetAt(i);
            table.Units(category->GetGUID(), units);
            category->m_Visible = units.IsEmpty() || IsVisibleThroughUnits(current, units) ? 1 : 0;
        }
        HideOtherUsersCategories();
    }
}

void CLogDoc::HideOtherUsersCategories() {
    const CUser* current = GetCurrentUser();
    const CString own = current ? CString(current->m_GUID) : CString();
    for (INT_PTR i = 0; i < m_Categories.GetSize(); ++i) {
        CCategory* category = m_Categories.GetAt(i);
        if (!category->m_UserID.IsEmpty() && category->m_UserID.CompareNoCase(own) != 0)
            category->m_Visible = 0;
    }
}
