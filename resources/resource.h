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

// ---- Application shell ----
// Main frame and its document template (menu, accelerators, icon, document string)
#define IDR_LOGTYPE 129
#define IDR_TRAY_MENU 138

// Tray icons: four timing frames, idle, paused, Quick Info
#define IDI_TRAY_FRAME1 133
#define IDI_TRAY_FRAME2 134
#define IDI_TRAY_FRAME3 135
#define IDI_TRAY_FRAME4 136
#define IDI_TRAY_IDLE 139
#define IDI_TRAY_QUICK_INFO 140
#define IDI_TRAY_PAUSED 239
// The error button of the status bar
#define IDI_ERRORS 12090

// Shell dialogs
#define IDD_ABOUTBOX 100
#define IDD_FILTER_BAR 103
#define IDD_HIDE_NOTICE 158
#define IDD_ERRORS 171
#define IDD_EXIT_WAIT 203
#define IDD_CLOSE_MAIN_NOTICE 241
#define IDC_ABOUT_VERSION 1160
#define IDC_ABOUT_COPYRIGHT 1163
#define IDC_FILTER_TEXT 1170
#define IDC_ERRORS_LIST 1171
#define IDC_ERRORS_CLEAR_ALL 1172
#define IDC_ERRORS_DONT_SHOW 1173
#define IDC_CLOSE_MAIN_DONT_TELL 1174

// Status bar panes and the error button
#define ID_INDICATOR_HOURS 12085
#define ID_INDICATOR_FILTERED 51478
#define ID_VIEW_ERRORS 51440
#define IDC_STATUS_ERROR_BUTTON 12091

// Application and frame commands
#define ID_SET_ACTIVE_LOG 32771
#define ID_TIMER_START 32772
#define ID_TIMER_STOP 32773
#define ID_TIMER_SWITCH 32783
#define ID_QUICK_INFO 32785
#define ID_OPEN_MAIN_WINDOW 32789
#define ID_QUICK_TASKS_MENU 32793
#define ID_TIMER_STOP_NOW 32795
#define ID_STARTUP_WIZARD 32811
#define ID_OPTIONS 32812
#define ID_TIMER_PAUSE 32814
#define ID_VIEW_QUICK_TASKS 32816
#define ID_OPEN_REPORT 32821
#define ID_TIMER_INTERRUPT 32825
#define ID_INTEGRATION_OPTIONS 32831
#define ID_TIMER_COMPLETED 32832
#define ID_TIMER_START_COPY 32837
#define ID_OPTIONS_DATABASE 32839
#define ID_CHANGE_USER 32844
#define ID_TIMESHEET_DIALOG 32845
#define ID_VIEW_TIMESHEET 32850
#define ID_VIEW_TIME_LOG 32851
#define ID_VIEW_PROJECT_TASKS 32853
#define ID_VIEW_EXPENSES 32879
#define ID_CHANGE_PASSWORD 32888
#define ID_VIEW_BILLING 32894
#define ID_STARTUP_FOLLOW_UP 9999
// Commands the log document answers itself (quick tasks of the tray menu and the like)
#define ID_DOCUMENT_COMMAND_FIRST 100
#define ID_DOCUMENT_COMMAND_LAST 150
// Report commands
#define ID_REPORT_FIRST 32004
#define ID_REPORT_LAST 32205

// Shell strings
#define IDS_TRAY_IDLE 1002
#define IDS_TRAY_TIMING 1003
#define IDS_COLUMN_START 1008
#define IDS_QUICK_INFO_TIP 41450
#define IDS_DEFAULT_REMINDER_SOUND 41584
#define IDS_DEFAULT_USER 42455
#define IDS_DEFAULT_DOMAIN 42460
#define IDS_DATABASE_UNREADABLE 42513
#define IDS_DEFAULT_LOG_FILE 51514
#define IDS_NO_PROJECTS_YET 51516
#define IDS_FILTER_BAR_TITLE 51517
#define IDS_HELP_NOT_OPENED 51524
#define IDS_VIEW_NOT_AVAILABLE 12092
#define IDS_ERRORS_COUNT 12093
// A command of the log document that the tray menu offers
#define ID_EXPENSE_NEW 32880
