// CGESortInfo: one key of a sort: the column whose values order the rows (or the row whose values order
// the columns), how the values compare, the direction, and the working flags of automatic detection. A
// default key is column (row) 0, numeric, ascending, case-insensitive.
#pragma once

#include "framework/core/AfxDefs.h"
#include "grid/core/GECoreDefs.h"

class CGESortInfo {
public:
    enum SortType : int { numeric = 0, alphanumeric = 1, datetime = 2, autodetect = 3 };
    enum SortOrder : int { ascending = 0, descending = 1 };

    ROWCOL nRC = 0;
    int sortType = numeric;
    int sortOrder = ascending; // any value other than 0 sorts descending
    BOOL bCase = FALSE;        // text compared case-sensitively
    BOOL bAllNumeric = FALSE;  // automatic detection: every value so far was a number
    BOOL bAllDates = FALSE;    // automatic detection: every value so far was a date
};
