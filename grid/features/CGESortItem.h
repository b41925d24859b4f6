// CGESortItem: one row (column) while a sort runs: its key texts, the numbers of its numeric and date keys,
// where it stood (0 for the range's first line) and the keys. The texts and numbers belong to the sort
// call, which keeps them for all items together.
#pragma once

#include "framework/core/CString.h"
#include "grid/core/GECoreDefs.h"

class CGESortInfoArray;

class CGESortItem {
public:
    const CString* pKeys = nullptr;   // one text per key
    const double* pNumbers = nullptr; // one number per key, or null before any key needed numbers
    DWORD nPosition = 0;
    const CGESortInfoArray* pSortInfo = nullptr;
};
