// The identity and change stamps every stored record carries: a GUID made on first request, and a
// modified mark that stamps the modification time when it is set.
#pragma once

#include "foundation/SharedHelpers.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"

// The GUID, made first when it is empty.
inline const CString& MakeGUIDOnce(CString& guid) {
    if (guid.IsEmpty())
        guid = NewGuidString();
    return guid;
}

// Stores the mark (0/1); a set mark also stamps modified with now.
template <typename Flag> void StampModified(Flag& mark, CTime& modified, BOOL set) {
    mark = set ? 1 : 0;
    if (set)
        modified = CTime::GetCurrentTime();
}
