#include "data/COrgGroup.h"

#include "foundation/SharedHelpers.h"
#include "foundation/TextRoutines.h"
#include "framework/core/CStringArray.h"

IMPLEMENT_DYNAMIC(COrgGroup, CObject)

namespace {
// The plain text of a stored access text; a text that is not in stored form is taken as it is.
CString PlainAccess(const CString& stored) {
    CString plain;
    return UnscrambleText(stored, plain) ? plain : stored;
}
} // namespace

COrgGroup::COrgGroup(const char* guid, const char* name, const char* hierarchy, const char* users,
                     const char* reports, const char* selection)
    : m_GUID(guid), m_Name(name), m_Access(PlainAccess(selection)), m_Hierarchy(hierarchy) {
    const CString userText = users;
    if (userText.IsEmpty())
        return;
    CStringArray names;
    SplitString(userText, names, ',', false);
    CStringArray accesses;
    const CString reportText = reports;
    if (!reportText.IsEmpty())
        SplitString(reportText, accesses, ',', false);
    for (INT_PTR i = 0; i < names.GetSize(); ++i) {
        CString access;
        if (accesses.GetSize() > 0)
            access = PlainAccess(accesses.GetAt(i < accesses.GetSize() ? i : accesses.GetSize() - 1));
        m_Users.Add(new COrgUser(this, names.GetAt(i), access, m_GUID));
    }
}

COrgGroup::~COrgGroup() {
    for (INT_PTR i = 0; i < m_Groups.GetSize(); ++i)
        delete m_Groups.GetAt(i);
    for (INT_PTR i = 0; i < m_Users.GetSize(); ++i)
        delete m_Users.GetAt(i);
}

const CString& COrgGroup::GetGUID() {
    if (m_GUID.IsEmpty())
        m_GUID = NewGuidString();
    return m_GUID;
}

CString COrgGroup::GetChildHierarchy() const {
    return m_Hierarchy + "\\" + m_Name;
}
