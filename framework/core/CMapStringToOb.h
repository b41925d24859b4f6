// CMapStringToOb: a map from case-sensitive CString keys to CObject pointers. The map never deletes the
// objects; it stores them in an archive as objects.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CMap.h"

class CMapStringToOb : public CMap<CString, const CString&, CObject*, CObject*> {
    DECLARE_SERIAL(CMapStringToOb)
public:
    explicit CMapStringToOb(INT_PTR nBlockSize = 10)
        : CMap<CString, const CString&, CObject*, CObject*>(nBlockSize) {}
};
