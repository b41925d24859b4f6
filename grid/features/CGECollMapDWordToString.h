// CGECollMapDWordToString: texts by 32-bit id, in id order. The form in which styles of the older file
// version kept their user attributes; archived as an object: the count, then each id with its text.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CString.h"

#include <map>

class CGECollMapDWordToString : public CObject {
    DECLARE_SERIAL(CGECollMapDWordToString)
public:
    CGECollMapDWordToString() = default;

    void SetAt(DWORD key, const CString& value) { m_map[key] = value; }
    BOOL Lookup(DWORD key, CString& value) const;
    INT_PTR GetCount() const { return static_cast<INT_PTR>(m_map.size()); }
    const std::map<DWORD, CString>& Entries() const { return m_map; }

    void Serialize(CArchive& ar) override;

private:
    std::map<DWORD, CString> m_map;
};
