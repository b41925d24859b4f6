// The one clock of the time log: every timing operation, sum and cache of the document reads "now" and
// the tick count here, so that tests can stand the clock still or move it. Without a test setting the
// answers are the system's (CTime::GetCurrentTime, GetTickCount).
#pragma once

#include "framework/core/CTime.h"

namespace LogClock {

// The current time.
CTime Now();
// Milliseconds since the system started (wraps after 49.7 days; take differences unsigned).
DWORD TickCount();

// ---- Test support ----
// Fixes Now at time (0 = the system clock again).
void SetNowForTests(CTime time);
// Moves a fixed Now on by seconds (nothing while the system clock answers).
void AdvanceForTests(long long seconds);
// Fixes TickCount at ticks (no fixed value = the system's again).
void SetTickCountForTests(DWORD ticks);
void ClearTickCountForTests();

} // namespace LogClock
