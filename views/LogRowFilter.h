// Which entries the time log view's filter hides: plain rules over an entry and the document's view
// filter, apart from the view so that they can be checked without a window.
#pragma once

#include "framework/core/CTime.h"

class CLogEntry;
class CViewFilter;

// Hidden by the project condition when the entry's project is another; by the project type condition
// when the entry has no project or its project's type is another; by the date condition when it starts
// before from or after to. Only when none of these hides it, the not-billed flag hides a billed entry.
bool LogFilterHidesEntry(const CLogEntry& entry, const CViewFilter& filter, CTime from, CTime to);
