#include "data/COrgUser.h"

IMPLEMENT_DYNAMIC(COrgUser, CObject)

COrgUser::COrgUser(COrgGroup* pParent, const char* name, const char* access, const char* groupGUID)
    : m_pParent(pParent), m_Name(name), m_Access(access), m_GroupGUID(groupGUID) {}
