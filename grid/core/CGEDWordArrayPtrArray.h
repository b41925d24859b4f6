// CGEDWordArrayPtrArray: an array of owned CDWordArray pointers (null allowed), the outer level of a
// spanned-cell table. The edits below work on the outer slots or on the values of every inner array; a
// position past an inner array's end reads as 0xFFFFFFFF ("no span"). Archived as: WORD version 1, DWORD
// slot count, then index and array of each non-null slot in index order, then DWORD 0xFFFFFFFF.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CDWordArray.h"
#include "framework/core/CPtrArray.h"

class CGEDWordArrayPtrArray : public CPtrArray {
    DECLARE_DYNCREATE(CGEDWordArrayPtrArray)
public:
    static constexpr DWORD noSpan = 0xFFFFFFFF;
    // Slot counts a stored table may claim when it is loaded (64 MB of slots).
    static constexpr DWORD maxLoadedSlots = 1u << 23;

    CGEDWordArrayPtrArray() = default;
    ~CGEDWordArrayPtrArray() override;

    // The inner array of a slot, or null (also past the end).
    CDWordArray* GetArray(INT_PTR nIndex) const;
    // The inner array of a slot, created (and the outer array grown) when needed.
    CDWordArray& GetOrCreateArray(INT_PTR nIndex);
    // Deletes every inner array and empties the outer array.
    void DeleteAll();
    // Deletes everything, then copies each source slot (an empty array where the source slot is null).
    CGEDWordArrayPtrArray& operator=(const CGEDWordArrayPtrArray& src);

    // Loading refuses another version (bad schema, the table left empty), a slot count above maxLoadedSlots
    // and an index outside the stored count or out of order (bad index). The loaded array ends with its last
    // stored slot (empty slots after it are not kept).
    void Serialize(CArchive& ar) override;

    // Outer slots: count null slots at nAt (nothing past the last slot); FALSE when the array is empty or
    // nAt + nCount exceeds 0x7FFFFFFF.
    BOOL InsertSlots(DWORD nAt, DWORD nCount);
    // Deletes the inner arrays of nFirst..min(nLast, size - 1) and removes their slots; FALSE when empty or
    // nFirst is past the end.
    BOOL RemoveSlots(DWORD nFirst, DWORD nLast);
    // Moves the block nFirst..nLast so that it starts at nDest; FALSE when empty or an argument exceeds
    // 0x7FFFFFFF.
    BOOL MoveSlots(DWORD nFirst, DWORD nLast, DWORD nDest);
    // The same on the values of every inner array (new values are 0xFFFFFFFF): insert into each array whose
    // last index is at least nAt, remove from each longer than nFirst, move in each.
    BOOL InsertValues(DWORD nAt, DWORD nCount);
    BOOL RemoveValues(DWORD nFirst, DWORD nLast);
    BOOL MoveValues(DWORD nFirst, DWORD nLast, DWORD nDest);
};
