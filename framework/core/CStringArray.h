// CStringArray: an array of CString values; archived as a count, then each string in the archive's string
// format.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CArray.h"

class CStringArray : public CArray<CString, const CString&> {
    DECLARE_SERIAL(CStringArray)
public:
    CStringArray() = default;
};
