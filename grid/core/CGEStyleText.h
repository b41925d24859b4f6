// Parsing helpers of the text forms of styles and their parts (brush, pen, font descriptions).
#pragma once

#include "framework/core/AfxDefs.h"

class CGEStyleText {
public:
    // Reads exactly nCount unsigned decimal numbers separated by spaces (leading and trailing spaces
    // allowed); FALSE for anything else, including numbers above 0xFFFFFFFF.
    static BOOL ParseNumbers(const char* pszText, DWORD* pValues, int nCount);
    // Reads one unsigned decimal number that fills [pszBegin, pszEnd); FALSE when the field is empty, holds
    // anything else or exceeds 0xFFFFFFFF.
    static BOOL ParseNumber(const char* pszBegin, const char* pszEnd, DWORD& nValue);
};
