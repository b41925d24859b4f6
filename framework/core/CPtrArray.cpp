#include "framework/core/CPtrArray.h"

#include "framework/core/CArchive.h"

IMPLEMENT_DYNAMIC(CPtrArray, CObject)

void CPtrArray::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
}
