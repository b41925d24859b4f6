#include "grid/core/CGEStyleText.h"

namespace {
bool IsSpace(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

BOOL CGEStyleText::ParseNumber(const char* pszBegin, const char* pszEnd, DWORD& nValue) {
    if (pszBegin == nullptr || pszBegin >= pszEnd)
        return FALSE;
    ULONGLONG value = 0;
    for (const char* p = pszBegin; p < pszEnd; ++p) {
        if (!IsDigit(*p))
            return FALSE;
        value = value * 10 + static_cast<ULONGLONG>(*p - '0');
        if (value > 0xFFFFFFFFull)
            return FALSE;
    }
    nValue = static_cast<DWORD>(value);
    return TRUE;
}

BOOL CGEStyleText::ParseNumbers(const char* pszText, DWORD* pValues, int nCount) {
    if (pszText == nullptr)
        return FALSE;
    const char* p = pszText;
    for (int i = 0; i < nCount; ++i) {
        while (IsSpace(*p))
            ++p;
        const char* begin = p;
        while (IsDigit(*p))
            ++p;
        if (!ParseNumber(begin, p, pValues[i]))
            return FALSE;
    }
    while (IsSpace(*p))
        ++p;
    return *p == '\0';
}
