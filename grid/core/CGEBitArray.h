// CGEBitArray: one flag per row or column, eight to a byte (the hidden rows and hidden columns of the
// parameter object). Indexes past the stored bytes read as clear. Inserting, removing and moving work
// on logical indexes, so flags beyond the last stored byte are never lost. Archived as its bytes.
#pragma once

#include "framework/core/CByteArray.h"
#include "grid/core/GECoreDefs.h"

class CGEBitArray : public CByteArray {
public:
    CGEBitArray() = default;

    BOOL GetBit(ROWCOL nIndex) const;
    void SetBit(ROWCOL nIndex, BOOL bSet);
    // Number of set flags in nFrom..nTo (inclusive), counted a byte at a time.
    ROWCOL CountSet(ROWCOL nFrom, ROWCOL nTo) const;
    // The first set flag at or after nFrom, GE_INVALID when none.
    ROWCOL FindNextSet(ROWCOL nFrom) const;
    BOOL IsAnySet() const;
    // nCount clear flags inserted at nAt (the flags from nAt on move up).
    void InsertBits(ROWCOL nAt, ROWCOL nCount);
    // Flags nFrom..nTo removed (the flags above move down).
    void RemoveBits(ROWCOL nFrom, ROWCOL nTo);
    // The flags nFrom..nTo moved so that they start at nDest (GEMovedIndex).
    void MoveBits(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
    // One past the highest index that can be set (the stored bytes times eight).
    ROWCOL GetBitCapacity() const { return static_cast<ROWCOL>(GetSize()) * 8; }
};
