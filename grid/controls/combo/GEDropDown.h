// Library-wide services of the drop-down pop-ups: the drop-down lock that marks the moments when a pop-up
// is being created, closed or destroyed (the grid then ignores the focus and activation changes this
// causes), the pop-up window class, and the locale's date and time order and separators through the
// library's date-time object.
#pragma once

#include "framework/core/CString.h"

// The drop-down lock (the library state keeps it; GEGetLibraryState()->m_bDropDownLock reads it).
void GESetDropDownLock(BOOL bLock);
BOOL GEGetDropDownLock();

// Raises the drop-down lock for a scope; the former state comes back with the scope's end.
class GEDropDownLockScope {
public:
    GEDropDownLockScope();
    ~GEDropDownLockScope();
    GEDropDownLockScope(const GEDropDownLockScope&) = delete;
    GEDropDownLockScope& operator=(const GEDropDownLockScope&) = delete;

private:
    BOOL m_bOld;
};

class CWnd;
// TRUE when pWnd is pParent or lies inside it (a focus check around the pop-ups).
BOOL GEIsWindowWithin(CWnd* pWnd, CWnd* pParent);

// The class name of the library's pop-up windows (registered with CS_SAVEBITS at start-up).
CString GEGetPopupClassName();

// Asks the library's date-time object to read the locale's date order and separators again.
void GEDateTimeRefreshLocale();
// The order of the locale's short date: 0 day first, 1 month first, 2 year first; 3 when the library has
// no date-time object (the out-parameters then stay as they are).
int GEGetDateOrder(BOOL* pbFourDigitYear = nullptr, CString* pstrSeparator = nullptr);
// The locale's time separator; ':' when the library has no date-time object.
char GEGetTimeSeparator();
