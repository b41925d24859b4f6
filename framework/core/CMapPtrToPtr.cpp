#include "framework/core/CMapPtrToPtr.h"

#include "framework/core/CArchive.h"

IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)

void CMapPtrToPtr::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
}
