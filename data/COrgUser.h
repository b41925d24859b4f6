// A member of a group of the older organization tree: a user name with its access text.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CString.h"

class COrgGroup;

class COrgUser : public CObject {
    DECLARE_DYNAMIC(COrgUser)
public:
    COrgUser() = default;
    COrgUser(COrgGroup* pParent, const char* name, const char* access, const char* groupGUID);

    COrgGroup* m_pParent = nullptr; // not owned
    CString m_Name;
    CString m_Access; // plain (the stored form is undone when read)
    CString m_GroupGUID;
};
