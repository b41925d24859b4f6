// CWordArray: an array of 16-bit unsigned values; archived as a count, then the values little-endian.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CArray.h"

class CWordArray : public CArray<WORD, WORD> {
    DECLARE_SERIAL(CWordArray)
public:
    CWordArray() = default;
};
