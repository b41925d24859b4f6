#include "framework/core/CPtrList.h"

#include "framework/core/CArchive.h"

IMPLEMENT_DYNAMIC(CPtrList, CObject)

void CPtrList::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
}
