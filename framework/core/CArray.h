// CArray: a growable array of TYPE values passed as ARG_TYPE. Indexes run from 0 to GetUpperBound().
// Reading or writing an element outside the array, or a negative size or count, throws a
// CNotSupportedException instead of touching memory the array does not own. References and
// pointers to elements stay valid until the array reallocates (it grows past its capacity, or
// SetSize(0)/RemoveAll/FreeExtra is called).
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CObject.h"
#include "framework/core/CollectionHelpers.h"

#include <algorithm>
#include <type_traits>
#include <utility>
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&> class CArray : public CObject {
    static_assert(!std::is_same_v<TYPE, bool>, "use BOOL or BYTE elements");

public:
    using BASE_TYPE = TYPE;
    using BASE_ARG_TYPE = ARG_TYPE;

    CArray() = default;
    ~CArray() override = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty() ? TRUE : FALSE; }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }

    // New elements are value-initialised (zero for plain types). nGrowBy -1 keeps the current
    // growth step; 0 lets the array choose.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1) {
        if (nNewSize < 0)
            AfxThrowNotSupportedException();
        if (nGrowBy >= 0)
            m_growBy = nGrowBy;
        if (nNewSize == 0) {
            std::vector<TYPE>().swap(m_data);
            return;
        }
        Reserve(nNewSize);
        m_data.resize(static_cast<size_t>(nNewSize));
    }

    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { SetSize(0); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_data[Checked(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data[Checked(nIndex)] = newElement; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_data[Checked(nIndex)]; }
    const TYPE& operator[](INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
    TYPE& operator[](INT_PTR nIndex) { return m_data[Checked(nIndex)]; }

    // Null when the array is empty.
    const TYPE* GetData() const { return m_data.empty() ? nullptr : m_data.data(); }
    TYPE* GetData() { return m_data.empty() ? nullptr : m_data.data(); }

    // Sets an element, growing the array first when the index is past its end.
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement) {
        if (nIndex < 0)
            AfxThrowNotSupportedException();
        TYPE value(newElement); // newElement may refer into this array
        if (nIndex >= GetSize())
            SetSize(nIndex + 1);
        m_data[static_cast<size_t>(nIndex)] = std::move(value);
    }

    // Appends one element and returns its index.
    INT_PTR Add(ARG_TYPE newElement) {
        TYPE value(newElement);
        const INT_PTR index = GetSize();
        Reserve(index + 1);
        m_data.push_back(std::move(value));
        return index;
    }

    // Appends a copy of src (which may be this array) and returns the index of its first element.
    INT_PTR Append(const CArray& src) {
        const INT_PTR oldSize = GetSize();
        if (&src == this) {
            const Elements copy(src.m_data);
            InsertRange(oldSize, copy);
        } else {
            InsertRange(oldSize, src.m_data);
        }
        return oldSize;
    }

    void Copy(const CArray& src) {
        if (this != &src)
            m_data = src.m_data;
    }

    // Inserts nCount copies before nIndex; an index at or past the end grows the array to
    // nIndex + nCount, the gap being value-initialised.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1) {
        if (nIndex < 0 || nCount < 0)
            AfxThrowNotSupportedException();
        TYPE value(newElement);
        if (nIndex >= GetSize()) {
            SetSize(nIndex + nCount);
            std::fill_n(m_data.begin() + nIndex, nCount, value);
            return;
        }
        Reserve(GetSize() + nCount);
        m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), value);
    }

    // Inserts a copy of every element of pNewArray (which may be this array) before nStartIndex.
    void InsertAt(INT_PTR nStartIndex, CArray* pNewArray) {
        if (nStartIndex < 0 || pNewArray == nullptr)
            AfxThrowNotSupportedException();
        if (pNewArray->IsEmpty())
            return;
        // Inserting the array into itself inserts its contents as they were before the call.
        const Elements ownCopy = pNewArray == this ? m_data : Elements();
        if (nStartIndex > GetSize())
            SetSize(nStartIndex);
        InsertRange(nStartIndex, pNewArray == this ? ownCopy : pNewArray->m_data);
    }

    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1) {
        if (nIndex < 0 || nCount < 0 || nIndex > GetSize() - nCount)
            AfxThrowNotSupportedException();
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }

    // The element count (WriteCount), then the elements (SerializeElements). Loading replaces the
    // contents; it grows the array as elements arrive, so a damaged count cannot claim memory the
    // archive does not back with data.
    void Serialize(CArchive& ar) override {
        CObject::Serialize(ar);
        if (ar.IsStoring()) {
            ar.WriteCount(static_cast<DWORD_PTR>(GetSize()));
            SerializeElements<TYPE>(ar, GetData(), GetSize());
            return;
        }
        RemoveAll();
        constexpr DWORD_PTR kLoadChunk = 4096;
        for (DWORD_PTR remaining = ar.ReadCount(); remaining > 0;) {
            const auto chunk = static_cast<INT_PTR>(std::min(remaining, kLoadChunk));
            const INT_PTR start = GetSize();
            SetSize(start + chunk);
            SerializeElements<TYPE>(ar, m_data.data() + start, chunk);
            remaining -= static_cast<DWORD_PTR>(chunk);
        }
    }

private:
    using Elements = std::vector<TYPE>;

    // Inserts source (not this array's own storage) before nIndex <= GetSize().
    void InsertRange(INT_PTR nIndex, const std::vector<TYPE>& source) {
        Reserve(GetSize() + static_cast<INT_PTR>(source.size()));
        m_data.insert(m_data.begin() + nIndex, source.begin(), source.end());
    }

    size_t Checked(INT_PTR nIndex) const {
        if (nIndex < 0 || nIndex >= GetSize())
            AfxThrowNotSupportedException();
        return static_cast<size_t>(nIndex);
    }

    // Makes room for nSize elements, growing by at least the growth step (or half the capacity).
    void Reserve(INT_PTR nSize) {
        const auto capacity = static_cast<INT_PTR>(m_data.capacity());
        if (nSize <= capacity)
            return;
        const INT_PTR step = std::max<INT_PTR>({m_growBy, capacity / 2, 4});
        m_data.reserve(static_cast<size_t>(std::max(nSize, capacity + step)));
    }

    std::vector<TYPE> m_data;
    INT_PTR m_growBy = 0;
};
