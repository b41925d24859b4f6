// Week-day and month names in the user's language, as the operating system's locale data spells them
// (full or abbreviated, passed through unchanged). The locale is the user's default at program start.
#pragma once

#include "framework/core/CString.h"

#include <windows.h>

// day 1 (Sunday) .. 7 (Saturday); bFull non-zero gives the full name, zero the abbreviation. Returns 1
// with the name, or 0 leaving strName unchanged when the day is out of range or the locale has no name.
int GEGetDayName(CString& strName, int nDay, BOOL bFull);
// nMonth 1 (January) .. 12 (December); as GEGetDayName.
int GEGetMonthName(CString& strName, int nMonth, BOOL bFull);
