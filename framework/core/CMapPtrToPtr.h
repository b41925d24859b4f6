// CMapPtrToPtr: a map from pointers to pointers. The map never deletes what they point to and has no archive
// form.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CMap.h"

class CMapPtrToPtr : public CMap<void*, void*, void*, void*> {
    DECLARE_DYNAMIC(CMapPtrToPtr)
public:
    explicit CMapPtrToPtr(INT_PTR nBlockSize = 10) : CMap<void*, void*, void*, void*>(nBlockSize) {}

    // Nothing to store: pointers have no meaning in a file.
    void Serialize(CArchive& ar) override;
};
