// Calendar arithmetic on OLE dates shared by the calendar and the date-time editor: month lengths, dates
// at noon and month steps that never skip a month.
#pragma once

#include "framework/core/COleDateTime.h"

// Days of a month of the proleptic Gregorian calendar: 28..31; 0 for a month outside 1..12.
int GEDaysInMonth(int nYear, int nMonth);
// The same day at 12:00:00; a date without fields comes back invalid.
COleDateTime GENoonOf(const COleDateTime& date);
// The same day nMonths later (earlier when negative), at the same time of day; a day beyond the target
// month's end becomes its last day (31 January + 1 month is the last day of February). Invalid when the
// date has no fields or the result leaves the years 100..9999.
COleDateTime GEAddMonths(const COleDateTime& date, int nMonths);
