// One line of the tab-separated time log text that the log export writes and the log import reads: a
// header line, then per entry eight fields (start, stop, hours, project, category, description, billed,
// user), each followed by a tab.
#pragma once

#include "framework/core/CString.h"
#include "framework/core/CTime.h"

class CLogEntry;

class CLogTextRow {
public:
    // "Start", "Stop", "Actual Work", "Project", "Category", "Description", each followed by a tab.
    static CString Header();
    // The entry's row without its newline: locale date and time of start and stop, hours with two
    // decimals (no grouping), project and category names (empty for none), description, "1" or "0" for
    // billed, user name; each field followed by a tab.
    static CString Format(CLogEntry& entry);

    // Reads one line. False (and nothing usable) when the line is not formatted properly: fewer than eight
    // fields, anything after the tab that may follow the eighth, a start or stop that is no date and time,
    // or hours that are no number. One pair of enclosing double quotes is removed from each field.
    bool Parse(const CString& line);

    CTime m_Start;
    CTime m_Stop;
    CString m_Project;
    CString m_Category;
    CString m_Desc;
    bool m_Billed = false;
    CString m_User;
};
