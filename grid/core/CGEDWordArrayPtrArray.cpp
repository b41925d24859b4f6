#include "grid/core/CGEDWordArrayPtrArray.h"

#include "framework/core/CArchive.h"
#include "framework/core/CArchiveException.h"

#include <algorithm>
#include <memory>

IMPLEMENT_DYNCREATE(CGEDWordArrayPtrArray, CPtrArray)

namespace {

constexpr DWORD kMaxIndex = 0x7FFFFFFF;
constexpr DWORD kEndMarker = 0xFFFFFFFF;

// Moves places first..last of an array so that the block starts at dest: n empty places go in at the
// insertion point, the block is copied into them and its old places are removed (fewer when the array ends
// earlier). Empty places hold `empty`, also where the array grows past its end.
template <class Array, class T> void MoveBlock(Array& a, DWORD first, DWORD last, DWORD dest, T empty) {
    if (last < first || dest == first)
        return;
    const INT_PTR n = static_cast<INT_PTR>(last) - first + 1;
    const INT_PTR size = a.GetSize();
    if (first >= size && dest >= size)
        return;
    const INT_PTR source = dest < first ? static_cast<INT_PTR>(first) + n : static_cast<INT_PTR>(first);
    const INT_PTR insertAt = dest < first ? static_cast<INT_PTR>(dest) : static_cast<INT_PTR>(dest) + n;
    if (insertAt > size) {
        a.SetSize(insertAt);
        for (INT_PTR i = size; i < insertAt; ++i)
            a[i] = empty;
    }
    a.InsertAt(insertAt, empty, n);
    // The block and its new places never overlap: the new places lie wholly before or after it.
    for (INT_PTR i = 0; i < n && source + i < a.GetSize(); ++i)
        a[insertAt + i] = a[source + i];
    if (source < a.GetSize())
        a.RemoveAt(source, std::min<INT_PTR>(n, a.GetSize() - source));
}

} // namespace

CGEDWordArrayPtrArray::~CGEDWordArrayPtrArray() {
    DeleteAll();
}

CDWordArray* CGEDWordArrayPtrArray::GetArray(INT_PTR nIndex) const {
    return nIndex >= 0 && nIndex < GetSize() ? static_cast<CDWordArray*>(GetAt(nIndex)) : nullptr;
}

CDWordArray& CGEDWordArrayPtrArray::GetOrCreateArray(INT_PTR nIndex) {
    if (CDWordArray* existing = GetArray(nIndex))
        return *existing;
    auto created = std::make_unique<CDWordArray>();
    SetAtGrow(nIndex, created.get());
    return *created.release();
}

void CGEDWordArrayPtrArray::DeleteAll() {
    for (INT_PTR i = 0; i < GetSize(); ++i)
        delete static_cast<CDWordArray*>(GetAt(i));
    RemoveAll();
}

CGEDWordArrayPtrArray& CGEDWordArrayPtrArray::operator=(const CGEDWordArrayPtrArray& src) {
    if (&src == this)
        return *this;
    DeleteAll();
    SetSize(src.GetSize());
    for (INT_PTR i = 0; i < src.GetSize(); ++i) {
        auto copy = std::make_unique<CDWordArray>();
        if (const CDWordArray* from = src.GetArray(i))
            copy->Copy(*from);
        SetAt(i, copy.release());
    }
    return *this;
}

void CGEDWordArrayPtrArray::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << static_cast<WORD>(1) << static_cast<DWORD>(GetSize());
        for (INT_PTR i = 0; i < GetSize(); ++i) {
            if (CDWordArray* values = GetArray(i)) {
                ar << static_cast<DWORD>(i);
                values->Serialize(ar);
            }
        }
        ar << kEndMarker;
        return;
    }
    DeleteAll();
    WORD version = 0;
    ar >> version;
    if (version != 1)
        AfxThrowArchiveException(CArchiveException::badSchema);
    DWORD count = 0;
    ar >> count;
    if (count > maxLoadedSlots)
        AfxThrowArchiveException(CArchiveException::badIndex);
    // The array grows as slots arrive: empty slots after the last stored one mean nothing, and a damaged
    // count claims no memory.
    INT_PTR previous = -1;
    for (;;) {
        DWORD index = 0;
        ar >> index;
        if (index == kEndMarker)
            break;
        // A stored index is trusted only inside the table and in order (each slot is owned once).
        if (index >= count || static_cast<INT_PTR>(index) <= previous)
            AfxThrowArchiveException(CArchiveException::badIndex);
        auto values = std::make_unique<CDWordArray>();
        values->Serialize(ar);
        SetAtGrow(index, values.release());
        previous = index;
    }
}

BOOL CGEDWordArrayPtrArray::InsertSlots(DWORD nAt, DWORD nCount) {
    if (IsEmpty() || static_cast<ULONGLONG>(nAt) + nCount > kMaxIndex)
        return FALSE;
    if (nAt < static_cast<DWORD>(GetSize()) && nCount > 0)
        InsertAt(nAt, nullptr, nCount);
    return TRUE;
}

BOOL CGEDWordArrayPtrArray::RemoveSlots(DWORD nFirst, DWORD nLast) {
    if (IsEmpty() || nFirst >= static_cast<DWORD>(GetSize()) || nLast < nFirst)
        return FALSE;
    const INT_PTR last = std::min<INT_PTR>(nLast, GetSize() - 1);
    for (INT_PTR i = nFirst; i <= last; ++i)
        delete static_cast<CDWordArray*>(GetAt(i));
    RemoveAt(nFirst, last - nFirst + 1);
    return TRUE;
}

BOOL CGEDWordArrayPtrArray::MoveSlots(DWORD nFirst, DWORD nLast, DWORD nDest) {
    if (IsEmpty() || nFirst > kMaxIndex || nLast > kMaxIndex || nDest > kMaxIndex)
        return FALSE;
    MoveBlock(*this, nFirst, nLast, nDest, static_cast<void*>(nullptr));
    return TRUE;
}

BOOL CGEDWordArrayPtrArray::InsertValues(DWORD nAt, DWORD nCount) {
    if (IsEmpty() || static_cast<ULONGLONG>(nAt) + nCount > kMaxIndex)
        return FALSE;
    for (INT_PTR i = 0; i < GetSize(); ++i) {
        CDWordArray* values = GetArray(i);
        if (values != nullptr && values->GetUpperBound() >= static_cast<INT_PTR>(nAt) && nCount > 0)
            values->InsertAt(nAt, noSpan, nCount);
    }
    return TRUE;
}

BOOL CGEDWordArrayPtrArray::RemoveValues(DWORD nFirst, DWORD nLast) {
    if (IsEmpty())
        return FALSE;
    if (nLast < nFirst)
        return TRUE;
    for (INT_PTR i = 0; i < GetSize(); ++i) {
        CDWordArray* values = GetArray(i);
        if (values == nullptr || values->GetSize() <= static_cast<INT_PTR>(nFirst))
            continue;
        const INT_PTR last = std::min<INT_PTR>(nLast, values->GetSize() - 1);
        values->RemoveAt(nFirst, last - nFirst + 1);
    }
    return TRUE;
}

BOOL CGEDWordArrayPtrArray::MoveValues(DWORD nFirst, DWORD nLast, DWORD nDest) {
    if (IsEmpty() || nFirst > kMaxIndex || nLast > kMaxIndex || nDest > kMaxIndex)
        return FALSE;
    for (INT_PTR i = 0; i < GetSize(); ++i)
        if (CDWordArray* values = GetArray(i))
            MoveBlock(*values, nFirst, nLast, nDest, noSpan);
    return TRUE;
}
