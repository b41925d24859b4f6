// CMapPtrToWord: a map from pointers to 16-bit values. It has no archive form.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CMap.h"

class CMapPtrToWord : public CMap<void*, void*, WORD, WORD> {
    DECLARE_DYNAMIC(CMapPtrToWord)
public:
    explicit CMapPtrToWord(INT_PTR nBlockSize = 10) : CMap<void*, void*, WORD, WORD>(nBlockSize) {}

    // Nothing to store: pointers have no meaning in a file.
    void Serialize(CArchive& ar) override;
};
