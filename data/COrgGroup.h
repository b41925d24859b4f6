// A group of the older organization tree ([Organization]): its place in the tree (Hierarchy, the path
// of ancestor names), its member user names and its access text. Owns its child groups and members.
#pragma once

#include "data/COrgUser.h"
#include "framework/core/CObArray.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/core/CTypedPtrArray.h"

class CLogDoc;
class COrgGroup;
class CUser;
using COrgGroupArray = CTypedPtrArray<CObArray, COrgGroup*>;
using COrgUserArray = CTypedPtrArray<CObArray, COrgUser*>;

class COrgGroup : public CObject {
    DECLARE_DYNAMIC(COrgGroup)
public:
    COrgGroup() = default;
    // From the texts of one [Organization] row: users are the member names joined by ","; reports holds
    // one stored access text per member in the same order (members past its end get its last entry);
    // selection is the group's stored access text.
    COrgGroup(const char* guid, const char* name, const char* hierarchy, const char* users,
              const char* reports, const char* selection);
    ~COrgGroup() override;
    COrgGroup(const COrgGroup&) = delete;
    COrgGroup& operator=(const COrgGroup&) = delete;

    // The identity, made on first request.
    const CString& GetGUID();
    // The group's record (a group) below pParentRecord, then its child groups, then one person record
    // per member; a member whose access text matches that of this group or an ancestor is assigned to it.
    void ConvertToUsers(CLogDoc* pDoc, CUser* pParentRecord);
    // This group's own path plus "\" plus its name: the Hierarchy its children carry.
    CString GetChildHierarchy() const;

    COrgGroup* m_pParent = nullptr; // not owned
    CString m_GUID;
    CString m_Name;
    CString m_Access; // plain
    CString m_Hierarchy;
    COrgGroupArray m_Groups; // owned
    COrgUserArray m_Users;   // owned
};
