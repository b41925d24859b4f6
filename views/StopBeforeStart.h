// The check the time entry forms make before they store a stop time.
#pragma once

#include "framework/core/CString.h"
#include "framework/core/CTime.h"

// True when a stop time is set and lies before the start. With warn the user is told so (message
// "The task stop time is earlier than the start time ..." with the start time).
bool IsStopBeforeStart(CTime start, CTime stop, bool warn);
// The warning about a stop before the start, naming the start time.
CString StopBeforeStartMessage(CTime start);
