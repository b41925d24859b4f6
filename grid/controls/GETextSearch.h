// Searching and replacing in a cell's text for the find-and-replace of the text controls: whole
// double-byte characters are stepped over, and the comparison is case-blind unless the find settings
// match case.
#pragma once

#include "framework/core/CString.h"

class CGEFindReplaceState;

// The first occurrence of strFind in strText at or after nStart; -1 when none (or strFind is empty).
int GEFindFrom(const CString& strText, const CString& strFind, int nStart);
// The text as the find settings compare it: upper-cased unless they match case.
CString GESearchCopy(const CString& strText, const CGEFindReplaceState& state);
// Every occurrence (non-overlapping, left to right) at or after nStart replaced by the replace text; the
// result grows as needed. The number of replacements in *pnCount.
CString GEReplaceFrom(const CString& strText, const CGEFindReplaceState& state, int nStart, int* pnCount);
