#include "data/COrgGroup.h"

#include "data/RecordStamps.h"

#include "data/CUser.h"
#include "foundation/SharedHelpers.h"
#include "foundation/TextRoutines.h"
#include "framework/core/CStringArray.h"
#include "timelog/CLogDoc.h"

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
    return MakeGUIDOnce(m_GUID);
}

CString COrgGroup::GetChildHierarchy() const {
    return m_Hierarchy + "\\" + m_Name;
}

void COrgGroup::ConvertToUsers(CLogDoc* pDoc, CUser* pParentRecord) {
    if (pDoc == nullptr)
        return;
    auto* pRecord = new CUser(m_Name);
    pRecord->m_GUID = GetGUID();
    pRecord->m_Workgroup = 1;
    pRecord->m_pParent = pParentRecord;
    pRecord->m_ParentUID = pParentRecord != nullptr ? pParentRecord->m_GUID : CString();
    pRecord->m_Active = 1;
    pRecord->m_GetEmails = 1;
    pRecord->m_Admin = 0;
    pRecord->SetModified(TRUE);
    pDoc->AddUser(pRecord);

    for (INT_PTR i = 0; i < m_Groups.GetSize(); ++i)
        m_Groups.GetAt(i)->ConvertToUsers(pDoc, pRecord);

    for (INT_PTR i = 0; i < m_Users.GetSize(); ++i) {
        const COrgUser* pMember = m_Users.GetAt(i);
        auto* pPerson = new CUser(pMember->m_Name);
        pPerson->m_Password = pMember->m_Access;
        pPerson->m_Workgroup = 0;
        pPerson->m_pParent = pRecord;
        pPerson->m_ParentUID = pRecord->m_GUID;
        pPerson->m_Active = 1;
        pPerson->m_GetEmails = 1;
        pPerson->m_Admin = 1;
        pPerson->SetModified(TRUE);
        pDoc->AddUser(pPerson);
        if (pMember->m_Access.IsEmpty())
            continue;
        for (const COrgGroup* pGroup = this; pGroup != nullptr; pGroup = pGroup->m_pParent) {
            if (!pGroup->m_Access.IsEmpty() && pGroup->m_Access.CompareNoCase(pMember->m_Access) == 0) {
                CStringArray units;
                units.Add(pGroup->m_GUID);
                pDoc->SaveObjectPermissions(pPerson->m_GUID, units);
                break;
            }
        }
    }
}
