// CGEMapDWordToLong: the row heights or column widths that differ from the default, by row or column
// number, kept in order so that a sum over any run of rows is the default times the count plus the
// differences of the few stored entries (no per-row work). Rows inserted, removed or moved re-key
// the entries. Archived as a count and the key/value pairs.
#pragma once

#include "framework/core/CObject.h"
#include "grid/core/GECoreDefs.h"

#include <map>

class CGEMapDWordToLong : public CObject {
    DECLARE_SERIAL(CGEMapDWordToLong)
public:
    CGEMapDWordToLong() = default;
    CGEMapDWordToLong& operator=(const CGEMapDWordToLong& src);

    BOOL Lookup(DWORD key, LONG& value) const;
    void SetAt(DWORD key, LONG value) { m_map[key] = value; }
    BOOL RemoveKey(DWORD key) { return m_map.erase(key) != 0; }
    void RemoveAll() { m_map.clear(); }
    INT_PTR GetCount() const { return static_cast<INT_PTR>(m_map.size()); }
    BOOL IsEmpty() const { return m_map.empty(); }

    // Sum of (value - lDefault) over the entries with keys nFrom..nTo, and how many there are.
    LONGLONG SumDifferences(DWORD nFrom, DWORD nTo, LONG lDefault, DWORD* pnEntries = nullptr) const;
    // Keys from nAt on move up by nCount.
    void InsertKeys(DWORD nAt, DWORD nCount);
    // Keys nFrom..nTo go; the keys above move down.
    void RemoveKeys(DWORD nFrom, DWORD nTo);
    // Keys nFrom..nTo move so that they start at nDest (GEMovedIndex); the keys between shift.
    void MoveKeys(DWORD nFrom, DWORD nTo, DWORD nDest);
    // Entries in key order, for walking.
    const std::map<DWORD, LONG>& Entries() const { return m_map; }

    void Serialize(CArchive& ar) override;

private:
    std::map<DWORD, LONG> m_map;
};

// The name the parameter archive and the copy of grid parameters use for these maps.
using CGECollMapDWordToLong = CGEMapDWordToLong;
