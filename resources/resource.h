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

// Database dialogs
#define IDD_WRITE_DATABASE 170
#define IDD_DATABASE_REQUIRED 194
#define IDD_DATABASE_OFFLINE 269
#define IDD_VALIDATE_DATABASE 271
#define IDC_WRITE_PROGRESS 1145
#define IDC_WRITE_STATUS 1146
#define IDC_VALIDATE_PROGRESS 1147
#define IDC_VALIDATE_ICON 1148
#define IDC_OFFLINE_DATA_SOURCE 1149
#define IDC_ODBC_ADMINISTRATOR 1150
#define IDC_DATABASE_OPTIONS 1151
