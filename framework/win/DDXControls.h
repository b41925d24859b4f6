// Dialog data exchange with date and time pickers and month calendars.
#pragma once

#include "framework/core/COleDateTime.h"
#include "framework/core/CTime.h"
#include "framework/win/CDataExchange.h"

// The picker's value; a picker holding no date (DTS_SHOWNONE) gives a null COleDateTime, and a null
// COleDateTime clears the picker. A CTime of 0 clears it as well; a picker with no date gives CTime 0.
void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, CTime& value);
void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value);
// The calendar's selected day (at midnight).
void DDX_MonthCalCtrl(CDataExchange* pDX, int nIDC, CTime& value);
void DDX_MonthCalCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value);
