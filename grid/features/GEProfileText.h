// The text values of the grid profile: numbers written in the C library's forms and read back with
// atol, and the rule that an absent or empty value keeps the setting.
#pragma once

#include "framework/core/CString.h"
#include "framework/win/CWinApp.h"

#include <cstdlib>

// Writes a number with a printf format ("%lu" or "%ld").
inline void GEProfileWriteNumber(CWinApp& app, LPCSTR pszSection, LPCSTR pszName, LPCSTR pszFormat,
                                 long nValue) {
    CString text;
    text.Format(pszFormat, nValue);
    app.WriteProfileString(pszSection, pszName, text);
}

// TRUE with the text when the value is present and not empty.
inline BOOL GEProfileRead(CWinApp& app, LPCSTR pszSection, LPCSTR pszName, CString& text) {
    text = app.GetProfileString(pszSection, pszName, "");
    return !text.IsEmpty();
}

// Reads a number into value when the value is present (text that is no number gives 0).
template <class T> BOOL GEProfileReadNumber(CWinApp& app, LPCSTR pszSection, LPCSTR pszName, T& value) {
    CString text;
    if (!GEProfileRead(app, pszSection, pszName, text))
        return FALSE;
    value = static_cast<T>(std::atol(text));
    return TRUE;
}
