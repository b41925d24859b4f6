#include "grid/core/CGEStylePtrArray.h"

#include "grid/core/CGEStyle.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNCREATE(CGEStylePtrArray, CPtrArray)
IMPLEMENT_DYNCREATE(CGEStylePtrArrayPtrArray, CPtrArray)

namespace {

// Moves the block nFrom..nTo of a pointer array so that it starts at nDest, growing the array as needed.
void MovePointers(CPtrArray& array, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
    if (nFrom > nTo || nFrom == nDest)
        return;
    const ROWCOL n = nTo - nFrom + 1;
    const ROWCOL nEnd = std::max(nTo, nDest + n - 1) + 1;
    if (static_cast<INT_PTR>(nEnd) > array.GetSize())
        array.SetSize(nEnd);
    std::vector<void*> moved(static_cast<size_t>(nEnd - std::min(nFrom, nDest)), nullptr);
    const ROWCOL nBase = std::min(nFrom, nDest);
    for (ROWCOL i = nBase; i < nEnd; ++i)
        moved[GEMovedIndex(i, nFrom, nTo, nDest) - nBase] = array.GetAt(i);
    for (ROWCOL i = nBase; i < nEnd; ++i)
        array.SetAt(i, moved[i - nBase]);
}

} // namespace

CGEStylePtrArray::~CGEStylePtrArray() {
    DeleteAll();
}

CGEStylePtrArray& CGEStylePtrArray::operator=(const CGEStylePtrArray& src) {
    if (this == &src)
        return *this;
    DeleteAll();
    SetSize(src.GetSize());
    for (INT_PTR i = 0; i < src.GetSize(); ++i) {
        const auto* pStyle = static_cast<const CGEStyle*>(src.GetAt(i));
        SetAt(i, pStyle != nullptr ? pStyle->Clone() : nullptr);
    }
    return *this;
}

CGEStyle* CGEStylePtrArray::GetStyle(ROWCOL nIndex) const {
    return static_cast<INT_PTR>(nIndex) < GetSize() ? static_cast<CGEStyle*>(GetAt(nIndex)) : nullptr;
}

void CGEStylePtrArray::SetStyle(ROWCOL nIndex, CGEStyle* pStyle) {
    if (static_cast<INT_PTR>(nIndex) >= GetSize()) {
        if (pStyle == nullptr)
            return;
        SetSize(static_cast<INT_PTR>(nIndex) + 1);
    }
    delete static_cast<CGEStyle*>(GetAt(nIndex));
    SetAt(nIndex, pStyle);
}

void CGEStylePtrArray::DeleteAll() {
    for (INT_PTR i = 0; i < GetSize(); ++i)
        delete static_cast<CGEStyle*>(GetAt(i));
    RemoveAll();
}

void CGEStylePtrArray::InsertEmpty(ROWCOL nAt, ROWCOL nCount) {
    if (nCount > 0 && static_cast<INT_PTR>(nAt) < GetSize())
        InsertAt(nAt, nullptr, nCount);
}

void CGEStylePtrArray::RemoveEntries(ROWCOL nFrom, ROWCOL nTo) {
    if (nFrom > nTo || static_cast<INT_PTR>(nFrom) >= GetSize())
        return;
    const ROWCOL nLast = std::min<ROWCOL>(nTo, static_cast<ROWCOL>(GetSize() - 1));
    for (ROWCOL i = nFrom; i <= nLast; ++i)
        delete static_cast<CGEStyle*>(GetAt(i));
    RemoveAt(nFrom, nLast - nFrom + 1);
}

void CGEStylePtrArray::MoveEntries(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
    MovePointers(*this, nFrom, nTo, nDest);
    TrimEnd();
}

void CGEStylePtrArray::TrimEnd() {
    INT_PTR n = GetSize();
    while (n > 0 && GetAt(n - 1) == nullptr)
        --n;
    if (n < GetSize())
        SetSize(n);
}

CGEStylePtrArrayPtrArray::~CGEStylePtrArrayPtrArray() {
    DeleteAll();
}

CGEStylePtrArrayPtrArray& CGEStylePtrArrayPtrArray::operator=(const CGEStylePtrArrayPtrArray& src) {
    if (this == &src)
        return *this;
    DeleteAll();
    SetSize(src.GetSize());
    for (INT_PTR i = 0; i < src.GetSize(); ++i) {
        const auto* pRow = static_cast<const CGEStylePtrArray*>(src.GetAt(i));
        if (pRow != nullptr) {
            auto* pCopy = new CGEStylePtrArray;
            *pCopy = *pRow;
            SetAt(i, pCopy);
        }
    }
    return *this;
}

CGEStylePtrArray* CGEStylePtrArrayPtrArray::GetRow(ROWCOL nRow) const {
    return static_cast<INT_PTR>(nRow) < GetSize() ? static_cast<CGEStylePtrArray*>(GetAt(nRow)) : nullptr;
}

CGEStylePtrArray* CGEStylePtrArrayPtrArray::GetOrAddRow(ROWCOL nRow) {
    if (static_cast<INT_PTR>(nRow) >= GetSize())
        SetSize(static_cast<INT_PTR>(nRow) + 1);
    auto* pRow = static_cast<CGEStylePtrArray*>(GetAt(nRow));
    if (pRow == nullptr) {
        pRow = new CGEStylePtrArray;
        SetAt(nRow, pRow);
    }
    return pRow;
}

void CGEStylePtrArrayPtrArray::DeleteAll() {
    for (INT_PTR i = 0; i < GetSize(); ++i)
        delete static_cast<CGEStylePtrArray*>(GetAt(i));
    RemoveAll();
}

void CGEStylePtrArrayPtrArray::InsertEmpty(ROWCOL nAt, ROWCOL nCount) {
    if (nCount > 0 && static_cast<INT_PTR>(nAt) < GetSize())
        InsertAt(nAt, nullptr, nCount);
}

void CGEStylePtrArrayPtrArray::RemoveEntries(ROWCOL nFrom, ROWCOL nTo) {
    if (nFrom > nTo || static_cast<INT_PTR>(nFrom) >= GetSize())
        return;
    const ROWCOL nLast = std::min<ROWCOL>(nTo, static_cast<ROWCOL>(GetSize() - 1));
    for (ROWCOL i = nFrom; i <= nLast; ++i)
        delete static_cast<CGEStylePtrArray*>(GetAt(i));
    RemoveAt(nFrom, nLast - nFrom + 1);
}

void CGEStylePtrArrayPtrArray::MoveEntries(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
    MovePointers(*this, nFrom, nTo, nDest);
    INT_PTR n = GetSize();
    while (n > 0 && GetAt(n - 1) == nullptr)
        --n;
    if (n < GetSize())
        SetSize(n);
}
