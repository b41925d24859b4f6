// CByteArray: an array of bytes; archived as a count, then the bytes.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CArray.h"

class CByteArray : public CArray<BYTE, BYTE> {
    DECLARE_SERIAL(CByteArray)
public:
    CByteArray() = default;
};
