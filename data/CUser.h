// One record of the user list: a person who logs time, or a group (workgroup) of the organization.
// Records form a tree through their parent. Carries the login name and password, the rights string and
// the rates. Kept by the time-log document in its user list (tree order) and GUID map; stored in [Users].
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CObArray.h"
#include "framework/core/CString.h"
#include "framework/core/CStringArray.h"
#include "framework/core/CTime.h"
#include "framework/core/CTypedPtrArray.h"

#include <commctrl.h>

class CComboBoxEx;
class CLogDoc;
class CMenu;
class CTreeCtrl;
class CUser;
using CUserArray = CTypedPtrArray<CObArray, CUser*>;

class CUser : public CObject {
    DECLARE_SERIAL(CUser)
public:
    CUser();
    explicit CUser(const char* user);
    // Copy every member except the menu command id; the copy is neither modified nor pending update.
    CUser(const CUser& other);
    CUser& operator=(const CUser& other);

    virtual const CString& GetGUID() { return m_GUID; }
    // FullName when not empty, else User.
    virtual CString GetDisplayName() const;
    virtual BOOL IsGroup() const { return m_Workgroup != 0; }

    // Stores the flag; a set flag also stamps Modified with now.
    void SetModified(BOOL modified);
    // Right n (from 1): granted past the end of Rights or by a "1" at position n; with includeParents
    // every ancestor must grant it too.
    bool HasRight(int n, bool includeParents) const;
    // Granting past the end changes nothing; otherwise Rights is padded with "1" up to n first.
    void SetRight(int n, bool grant);
    // Number of ancestors.
    int GetDepth() const;
    // Whether pGroup is one of this record's ancestors.
    bool IsUnder(const CUser* pGroup) const;
    // pOther is this record, or lies anywhere below this group (over the records of all).
    bool IsAncestorOf(const CUserArray& all, const CUser* pOther) const;
    // A group adds its GUID to groups; then every person below it (depth first) adds its GUID to members.
    void CollectMembers(const CUserArray& all, CStringArray& groups, CStringArray& members) const;

    // A copy named "<User> - copy" with a new GUID, no full name and no QuickBooks link, added to the
    // document and saved; nullptr without a document.
    CUser* Duplicate(CLogDoc* pDoc);

    // Schema word 2: GUID, Created, Modified, User, FullName, Email, Workgroup, Active, Admin, and the
    // password in its stored (scrambled) form. Word 1 (the password in plain text) is still read.
    void Serialize(CArchive& ar) override;

private:
    bool IsAncestorOf(const CUserArray& all, const CUser* pOther, int depth) const;

public:
    CString m_GUID;
    CTime m_Created;
    CTime m_Modified;
    int m_bModified = 0;
    CString m_User;
    CString m_FullName;
    CString m_Email;
    CString m_ParentUID;        // as read from [ParentUID]
    CUser* m_pParent = nullptr; // not owned; [ParentUID] is written from it
    BYTE m_Workgroup = 0;       // 1 = group
    BYTE m_Active = 1;
    BYTE m_Visible = 1; // the current user may see the record; set by the document
    BYTE m_GetEmails = 1;
    CString m_Password; // plain in memory
    BYTE m_Admin = 1;
    BYTE m_CurrentUser = 0; // the logged-in user's record
    UINT m_nMenuCommand = 0;
    CString m_MSRsrcName;
    CString m_PSRsrcName;
    double m_BillingRate = 100.0;
    double m_HourlyRate = 100.0;
    BYTE m_QBInclude = 1;
    CString m_QBEmployee;
    CString m_Rights;
    BYTE m_PendingUpdate = 0;
};

// ---- choosers built from the user list ----
// For each active, visible record whose parent is pParent: a person becomes an item with the next
// command id (kept in the record; nextId then advances), checked for pChecked; a group becomes a submenu
// filled the same way, except at the top level (no pParent), where its members join this menu.
void BuildUserMenu(CMenu& menu, const CUser* pParent, UINT& nextId, const CUserArray& users,
                   const CUser* pChecked);
// Empties the box; with withAll "<All users>" first; then every active record (groups only with
// includeGroups) with image 8 for persons and 7 for groups and the record as item data.
void FillUserCombo(CComboBoxEx& combo, const CUserArray& users, bool includeGroups, bool withAll);
// Inserts the records below pParent (nullptr: the top level) under hParentItem, depth first in list
// order: only active and visible ones unless includeInactive, only groups unless includePersons. Display
// names or user names; image 7 groups, 8 persons, 17 the current user (bold). Records whose GUID is in
// checkedGUIDs (ignoring case) are checked; with expand the parent item is expanded afterwards.
void FillUserTree(const CUser* pParent, CTreeCtrl& tree, HTREEITEM hParentItem, const CUserArray& users,
                  bool displayNames, bool includeInactive, bool includePersons, bool expand,
                  const CStringArray* checkedGUIDs);
