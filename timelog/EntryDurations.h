// The duration texts of the entry dialogs: what they show for an elapsed time, what they read from a
// typed duration, and the choices of the Log Task dialog's duration list. Plain functions, no windows.
#pragma once

#include "framework/core/CString.h"

// The longest duration a typed text may give (hours); longer texts are refused.
constexpr long kMaxTypedDurationHours = 99999;

// Start Logging Time's elapsed text: from one hour on "<hours> hours" (two decimals, locale form); below
// it by whole minutes: "1 minute", "%i minutes", "< 1 minute" when only seconds passed, "0 minutes" when
// none did. Negative times count as 0.
CString FormatElapsedText(long seconds);

// Enter Completed Time's duration field: from one hour on the hours with two decimals (locale form),
// below it "00:mm".
CString FormatCompletedDuration(long seconds);

// A typed duration in seconds. Without ":" the text is a locale number of hours (its fraction counts in
// whole minutes); with ":" the digits before it are hours and at most the first two characters after it
// minutes (no digits count as 0). False, and *seconds untouched, for a text that holds no number, a
// negative duration or one longer than kMaxTypedDurationHours.
bool ParseDurationText(const CString& text, long* seconds);

// The Log Task dialog's duration choices, separated by "\n": with a positive increment (minutes) from 0
// in those steps up to and including 12 hours, else 0, 0.25, 0.5, 0.75 and 1 to 12 hours; each with two
// decimals in the locale form.
CString BuildDurationChoices(int incrementMinutes);
