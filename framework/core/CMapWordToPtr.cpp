#include "framework/core/CMapWordToPtr.h"

#include "framework/core/CArchive.h"

IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)

void CMapWordToPtr::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
}
