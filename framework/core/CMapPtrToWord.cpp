#include "framework/core/CMapPtrToWord.h"

#include "framework/core/CArchive.h"

IMPLEMENT_DYNAMIC(CMapPtrToWord, CObject)

void CMapPtrToWord::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
}
