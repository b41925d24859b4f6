// CMapStringToString: a map from case-sensitive CString keys to CString values; archived as a count, then key
// and value strings per entry.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CMap.h"

class CMapStringToString : public CMap<CString, const CString&, CString, const CString&> {
    DECLARE_SERIAL(CMapStringToString)
public:
    explicit CMapStringToString(INT_PTR nBlockSize = 10)
        : CMap<CString, const CString&, CString, const CString&>(nBlockSize) {}
};
