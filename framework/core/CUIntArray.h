// CUIntArray: an array of UINT values. It has no archive form.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CArray.h"

class CUIntArray : public CArray<UINT, UINT> {
    DECLARE_DYNAMIC(CUIntArray)
public:
    CUIntArray() = default;

    // Nothing to store: pointers have no meaning in a file.
    void Serialize(CArchive& ar) override;
};
