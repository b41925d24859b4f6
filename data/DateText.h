// The display text of a stored time: the date alone when the time lies at local midnight (dates
// entered without a time), else date and time.
#pragma once

#include "framework/core/CString.h"
#include "framework/core/CTime.h"

// "" for a zero time; the short date when the local time of day is 00:00:00; else date and time.
CString FormatDateOrDateTime(const CTime& time);
