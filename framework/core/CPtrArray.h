// CPtrArray: an array of untyped pointers. The array never deletes what they point to and has no archive
// form.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CArray.h"

class CPtrArray : public CArray<void*, void*> {
    DECLARE_DYNAMIC(CPtrArray)
public:
    CPtrArray() = default;

    // Nothing to store: pointers have no meaning in a file.
    void Serialize(CArchive& ar) override;
};
