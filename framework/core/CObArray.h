// CObArray: an array of CObject pointers. The array never deletes the objects; it stores them in an archive
// as objects.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CArray.h"

class CObArray : public CArray<CObject*, CObject*> {
    DECLARE_SERIAL(CObArray)
public:
    CObArray() = default;
};
