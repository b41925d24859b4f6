// An account of the accounting chart that expenses are booked against: a bank account that pays or an
// expense account that classifies. Accounts form a tree through ParentID; the full name joins the names
// along the path with ":". Kept by the time-log document in its account list and GUID map; stored in
// [Accounts].
#pragma once

#include "framework/core/CObArray.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"
#include "framework/core/CTypedPtrArray.h"

class CLogDoc;

class CAccount : public CObject {
    DECLARE_SERIAL(CAccount)
public:
    enum : int { bankAccount = 1, expenseAccount = 2 };

    CAccount();
    explicit CAccount(const char* name);
    // Copies every field, the GUID, the document and the parent pointer included; not modified.
    CAccount(const CAccount& other);
    CAccount& operator=(const CAccount& other);

    // The identity, made on first request.
    const CString& GetGUID();
    // Stores the flag; a set flag also stamps Modified with now.
    void SetModified(BOOL modified);
    // Stores the parent and its GUID ("" for none).
    void SetParent(CAccount* pParent);
    // The cached parent, else the document's account with ParentID (then cached); nullptr when none.
    CAccount* GetParent();
    // Number of ancestors.
    int GetLevel();
    // The names from the top account down, joined by ":".
    CString GetFullName();

    // Schema word 1: Name, GUID (made first), Created, Modified; only word 1 is read.
    void Serialize(CArchive& ar) override;

    CLogDoc* m_pDoc = nullptr; // set when the document adds the account
    CTime m_Created;
    CTime m_Modified;
    CString m_Name;
    CString m_Description;
    CString m_GUID;
    BYTE m_bModified = 0;
    BYTE m_Active = 1;
    int m_ActType = 0;
    CString m_ParentID;
    CAccount* m_pParent = nullptr; // not owned
};

using CAccountArray = CTypedPtrArray<CObArray, CAccount*>;

class CTreeCtrl;

// Fills tree with the accounts of accounts as their tree (under the tree's first root item, at the top
// when the tree is empty): each item shows the account's Name, carries the account as its data, has no
// check mark, image 30 for a bank account and 31 otherwise, and is expanded after its children are in.
// Inactive accounts (and their children) are left out unless includeInactive. The selection is kept.
void FillAccountTree(CTreeCtrl& tree, const CAccountArray& accounts, bool includeInactive);
