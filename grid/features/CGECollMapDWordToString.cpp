#include "grid/features/CGECollMapDWordToString.h"

#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CGECollMapDWordToString, CObject, 1)

BOOL CGECollMapDWordToString::Lookup(DWORD key, CString& value) const {
    const auto it = m_map.find(key);
    if (it == m_map.end())
        return FALSE;
    value = it->second;
    return TRUE;
}

void CGECollMapDWordToString::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteCount(m_map.size());
        for (const auto& [key, value] : m_map)
            ar << key << value;
        return;
    }
    // Read into a new map, so damaged data leaves this one as it was.
    std::map<DWORD, CString> loaded;
    const DWORD_PTR nCount = ar.ReadCount();
    for (DWORD_PTR i = 0; i < nCount; ++i) {
        DWORD key = 0;
        CString value;
        ar >> key >> value;
        loaded[key] = value;
    }
    m_map.swap(loaded);
}
