#include "framework/core/CMapStringToPtr.h"

#include "framework/core/CArchive.h"

IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)

void CMapStringToPtr::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
}
