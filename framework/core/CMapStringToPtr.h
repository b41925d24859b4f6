// CMapStringToPtr: a map from case-sensitive CString keys to untyped pointers. It has no archive form.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CMap.h"

class CMapStringToPtr : public CMap<CString, const CString&, void*, void*> {
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    explicit CMapStringToPtr(INT_PTR nBlockSize = 10)
        : CMap<CString, const CString&, void*, void*>(nBlockSize) {}

    // Nothing to store: pointers have no meaning in a file.
    void Serialize(CArchive& ar) override;
};
