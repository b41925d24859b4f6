// CDWordArray: an array of 32-bit unsigned values; archived as a count, then the values little-endian.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CArray.h"

class CDWordArray : public CArray<DWORD, DWORD> {
    DECLARE_SERIAL(CDWordArray)
public:
    CDWordArray() = default;
};
