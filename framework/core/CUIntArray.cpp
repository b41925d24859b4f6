#include "framework/core/CUIntArray.h"

#include "framework/core/CArchive.h"

IMPLEMENT_DYNAMIC(CUIntArray, CObject)

void CUIntArray::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
}
