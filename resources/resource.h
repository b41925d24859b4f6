// Numeric identifiers of the program's resources.
#pragma once

#define IDR_MAINFRAME 128

// Strings
#define IDS_APP_TITLE 57344
#define IDS_QUARTER_FORMAT 51555

// Bitmaps
#define IDB_CALENDAR_ARROWS 29004 // month calendar: left and right arrow, 6x9 each

// Controls of the month calendar
#define IDC_CALENDAR_PREV 12001
#define IDC_CALENDAR_NEXT 12002
#define IDC_CALENDAR_MONTH 12003
