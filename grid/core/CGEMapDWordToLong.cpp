#include "grid/core/CGEMapDWordToLong.h"

#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CGEMapDWordToLong, CObject, 1)

CGEMapDWordToLong& CGEMapDWordToLong::operator=(const CGEMapDWordToLong& src) {
    if (this != &src)
        m_map = src.m_map;
    return *this;
}

BOOL CGEMapDWordToLong::Lookup(DWORD key, LONG& value) const {
    const auto found = m_map.find(key);
    if (found == m_map.end())
        return FALSE;
    value = found->second;
    return TRUE;
}

LONGLONG CGEMapDWordToLong::SumDifferences(DWORD nFrom, DWORD nTo, LONG lDefault, DWORD* pnEntries) const {
    LONGLONG sum = 0;
    DWORD nEntries = 0;
    if (nFrom <= nTo) {
        for (auto it = m_map.lower_bound(nFrom); it != m_map.end() && it->first <= nTo; ++it) {
            sum += static_cast<LONGLONG>(it->second) - lDefault;
            ++nEntries;
        }
    }
    if (pnEntries != nullptr)
        *pnEntries = nEntries;
    return sum;
}

void CGEMapDWordToLong::InsertKeys(DWORD nAt, DWORD nCount) {
    if (nCount == 0)
        return;
    std::map<DWORD, LONG> moved;
    for (auto it = m_map.lower_bound(nAt); it != m_map.end();) {
        moved.emplace(it->first + nCount, it->second);
        it = m_map.erase(it);
    }
    m_map.insert(moved.begin(), moved.end());
}

void CGEMapDWordToLong::RemoveKeys(DWORD nFrom, DWORD nTo) {
    if (nFrom > nTo)
        return;
    const DWORD n = nTo - nFrom + 1;
    std::map<DWORD, LONG> moved;
    for (auto it = m_map.lower_bound(nFrom); it != m_map.end();) {
        if (it->first > nTo)
            moved.emplace(it->first - n, it->second);
        it = m_map.erase(it);
    }
    m_map.insert(moved.begin(), moved.end());
}

void CGEMapDWordToLong::MoveKeys(DWORD nFrom, DWORD nTo, DWORD nDest) {
    if (nFrom > nTo || nFrom == nDest)
        return;
    std::map<DWORD, LONG> result;
    for (const auto& [key, value] : m_map)
        result.emplace(GEMovedIndex(key, nFrom, nTo, nDest), value);
    m_map.swap(result);
}

void CGEMapDWordToLong::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_map.size());
        for (const auto& [key, value] : m_map)
            ar << key << value;
        return;
    }
    DWORD nCount = 0;
    ar >> nCount;
    std::map<DWORD, LONG> loaded;
    for (DWORD i = 0; i < nCount; ++i) {
        DWORD key = 0;
        LONG value = 0;
        ar >> key >> value;
        loaded[key] = value;
    }
    m_map.swap(loaded);
}
