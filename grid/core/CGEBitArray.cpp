#include "grid/core/CGEBitArray.h"

#include <algorithm>
#include <bit>
#include <vector>

BOOL CGEBitArray::GetBit(ROWCOL nIndex) const {
    const INT_PTR nByte = static_cast<INT_PTR>(nIndex / 8);
    if (nByte >= GetSize())
        return FALSE;
    return (GetAt(nByte) >> (nIndex % 8)) & 1;
}

void CGEBitArray::SetBit(ROWCOL nIndex, BOOL bSet) {
    const INT_PTR nByte = static_cast<INT_PTR>(nIndex / 8);
    if (nByte >= GetSize()) {
        if (!bSet)
            return;
        SetSize(nByte + 1);
    }
    const BYTE mask = static_cast<BYTE>(1u << (nIndex % 8));
    BYTE& b = ElementAt(nByte);
    b = static_cast<BYTE>(bSet ? (b | mask) : (b & ~mask));
}

ROWCOL CGEBitArray::CountSet(ROWCOL nFrom, ROWCOL nTo) const {
    if (nFrom > nTo)
        return 0;
    const ROWCOL nLast = std::min<ROWCOL>(nTo, GetBitCapacity() == 0 ? 0 : GetBitCapacity() - 1);
    if (GetBitCapacity() == 0 || nFrom > nLast)
        return 0;
    ROWCOL nCount = 0;
    ROWCOL i = nFrom;
    for (; i <= nLast && i % 8 != 0; ++i)
        nCount += GetBit(i);
    for (; i + 7 <= nLast; i += 8)
        nCount += static_cast<ROWCOL>(std::popcount(static_cast<unsigned>(GetAt(i / 8))));
    for (; i <= nLast; ++i)
        nCount += GetBit(i);
    return nCount;
}

ROWCOL CGEBitArray::FindNextSet(ROWCOL nFrom) const {
    const ROWCOL nCapacity = GetBitCapacity();
    for (ROWCOL i = nFrom; i < nCapacity;) {
        if (i % 8 == 0 && GetAt(i / 8) == 0) {
            i += 8;
            continue;
        }
        if (GetBit(i))
            return i;
        ++i;
    }
    return GE_INVALID;
}

BOOL CGEBitArray::IsAnySet() const {
    for (INT_PTR i = 0; i < GetSize(); ++i) {
        if (GetAt(i) != 0)
            return TRUE;
    }
    return FALSE;
}

namespace {

// The set flags as a list of indexes (sparse in practice).
std::vector<ROWCOL> SetIndexes(const CGEBitArray& bits) {
    std::vector<ROWCOL> indexes;
    for (ROWCOL i = bits.FindNextSet(0); i != GE_INVALID; i = bits.FindNextSet(i + 1))
        indexes.push_back(i);
    return indexes;
}

void Rebuild(CGEBitArray& bits, const std::vector<ROWCOL>& indexes) {
    bits.RemoveAll();
    for (ROWCOL i : indexes)
        bits.SetBit(i, TRUE);
}

} // namespace

void CGEBitArray::InsertBits(ROWCOL nAt, ROWCOL nCount) {
    std::vector<ROWCOL> indexes = SetIndexes(*this);
    for (ROWCOL& i : indexes) {
        if (i >= nAt)
            i += nCount;
    }
    Rebuild(*this, indexes);
}

void CGEBitArray::RemoveBits(ROWCOL nFrom, ROWCOL nTo) {
    if (nFrom > nTo)
        return;
    const ROWCOL n = nTo - nFrom + 1;
    std::vector<ROWCOL> kept;
    for (ROWCOL i : SetIndexes(*this)) {
        if (i < nFrom)
            kept.push_back(i);
        else if (i > nTo)
            kept.push_back(i - n);
    }
    Rebuild(*this, kept);
}

void CGEBitArray::MoveBits(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
    if (nFrom > nTo || nFrom == nDest)
        return;
    std::vector<ROWCOL> indexes = SetIndexes(*this);
    for (ROWCOL& i : indexes)
        i = GEMovedIndex(i, nFrom, nTo, nDest);
    Rebuild(*this, indexes);
}
