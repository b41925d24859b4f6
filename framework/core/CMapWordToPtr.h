// CMapWordToPtr: a map from 16-bit keys to untyped pointers. It has no archive form.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CMap.h"

class CMapWordToPtr : public CMap<WORD, WORD, void*, void*> {
    DECLARE_DYNAMIC(CMapWordToPtr)
public:
    explicit CMapWordToPtr(INT_PTR nBlockSize = 10) : CMap<WORD, WORD, void*, void*>(nBlockSize) {}

    // Nothing to store: pointers have no meaning in a file.
    void Serialize(CArchive& ar) override;
};
