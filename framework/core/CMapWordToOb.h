// CMapWordToOb: a map from 16-bit keys to CObject pointers. The map never deletes the objects; it stores them
// in an archive as objects.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CMap.h"

class CMapWordToOb : public CMap<WORD, WORD, CObject*, CObject*> {
    DECLARE_SERIAL(CMapWordToOb)
public:
    explicit CMapWordToOb(INT_PTR nBlockSize = 10) : CMap<WORD, WORD, CObject*, CObject*>(nBlockSize) {}
};
