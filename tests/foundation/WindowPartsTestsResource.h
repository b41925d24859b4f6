// Resource ids of the window tests of the foundation (7000-7999).
#pragma once

#define IDD_WP_POSITION 7001
#define IDD_WP_CONTROLS 7002
#define IDD_WP_SCREENSHOT 7003

#define IDC_WP_EDIT 7101
#define IDC_WP_COMBO 7102
#define IDC_WP_CHECK 7103
#define IDC_WP_LIST 7104
#define IDC_WP_HOVER 7105
#define IDC_WP_CALENDAR 7106
#define IDC_WP_TREE 7107
#define IDC_WP_LABEL 7108
#define IDC_WP_CALENDAR_WND 7109

#define IDB_WP_TRUECOLOR 7201
#define IDB_WP_BITFIELDS 7202
#define IDB_WP_TRUNCATED 7203
