// The order in which the time log view shows its entries when sorted by one column: plain comparison of
// entries by the field a column shows, apart from the view so that it can be checked without a window.
#pragma once

#include <vector>

class CLogEntry;

// The positions of entries (indexes into the given list) in the order of the column's field, ascending
// or descending. Times, durations, amounts and flags compare by value (an empty start or stop first),
// texts by their characters, case-sensitive; equal entries keep their order in the list.
std::vector<long> LogSortOrder(const std::vector<const CLogEntry*>& entries, int columnId, bool ascending);
