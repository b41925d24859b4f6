// Pieces of the WHERE texts the table sets build. Every text that comes from a user or a row goes in
// as a quoted literal (apostrophes doubled), texts matched with LIKE have their wildcards escaped, and
// times go in as ODBC timestamp escapes compared by range, so a filter means the same on every engine
// and in every locale.
#pragma once

#include "framework/core/CString.h"
#include "framework/core/CTime.h"

// "column = 'text'".
CString SqlEquals(const char* column, const char* text);
// "column LIKE 'text' ESCAPE '\'" with the wildcards of text (% and _) and the escape character
// escaped: matches the text itself only (letter case as the engine's LIKE compares).
CString SqlLikeText(const char* column, const char* text);
// SqlEquals, and for an empty text "(column IS NULL OR column = '')": the program writes empty texts as
// NULL, other programs may write them as ''.
CString SqlEqualsOrEmpty(const char* column, const char* text);
// "column = number".
CString SqlEqualsNumber(const char* column, long number);
// The two conditions joined by " AND "; an empty one is left out.
CString SqlAnd(const CString& first, const CString& second);

// Local midnight at the start of the day of time, and at the start of the following day (daylight
// saving decided by the system, so a day may have 23 or 25 hours). 0 stays 0.
CTime StartOfDay(const CTime& time);
CTime StartOfNextDay(const CTime& time);

// "(column >= {ts '...'})", "(column < {ts '...'})" and "(column > {ts '...'})" for a local time.
CString SqlAtOrAfter(const char* column, const CTime& time);
CString SqlBefore(const char* column, const CTime& time);
CString SqlAfter(const char* column, const CTime& time);
// The local calendar day of day: "(column >= {ts day 00:00:00}) AND (column < {ts next day 00:00:00})".
CString SqlOnDay(const char* column, const CTime& day);

// The earliest time that counts as set in a time filter: 1 January 1970 00:00:00 local time. Rows at or
// before it (and NULL) hold no real time and are left out of every open-ended date condition.
CTime FilterEpoch();

// Which time entries a query of [Tasks] selects. Empty GUIDs and zero times add no condition.
struct TaskEntryQuery {
    CString clientId;
    CString projectId;
    CString categoryId;
    CString userId;
    // Entries that start on this local day or later.
    CTime from;
    // Entries that end before this local day begins.
    CTime to;
};

// The [Tasks] filter of a query: client, project, category and user by GUID, then the date bounds, each
// date bound with the epoch bound beside it (so rows without a time are left out).
CString TaskEntriesFilter(const TaskEntryQuery& query);

// The [Tasks] filter of the accounting export: the project (when given), the entries that start from
// the start day 0:00 up to the end day's end (when range is set), and only entries not billed (when
// unbilledOnly is set).
CString ExportEntriesFilter(const char* projectId, bool range, const CTime& start, const CTime& end,
                            bool unbilledOnly);

// The [Timesheets] row of one owner's sheet: the sheet date's local day and the owner.
CString TimesheetFilter(const CTime& sheetDate, const char* ownerId);
