// Resource ids of the control bar, property sheet and common dialog tests (6000-6999).
#pragma once

// Tool bar commands and their strings ("prompt\ntip").
#define IDR_BARS_TOOLBAR 6000
#define ID_BARS_CMD_A 6001
#define ID_BARS_CMD_B 6002
#define ID_BARS_CMD_C 6003
#define ID_BARS_NOTIP 6004
#define IDR_BARS_BADTOOLBAR 6005
#define IDR_BARS_SHORTTOOLBAR 6006
#define IDS_BARS_HOURS 6008
#define IDS_BARS_FILTERED 6009
#define IDR_BARS_TOOLBAR2 6010
#define ID_BARS_CMD_D 6011

// Dialog bar.
#define IDD_BARS_DIALOGBAR 6100
#define IDC_BARS_EDIT 6101
#define IDC_BARS_GO 6102
#define IDC_BARS_NOHANDLER 6103
#define IDC_BARS_CHECK 6104
#define IDW_BARS_DIALOGBAR 0xE810
#define IDW_BARS_TOOLBAR2 0xE811

// Property pages.
#define IDD_SHEET_PAGE1 6200
#define IDD_SHEET_PAGE2 6201
#define IDD_SHEET_PAGE3 6202
#define IDD_SHEET_PAGE4 6203
#define IDC_SHEET_NAME 6210
#define IDC_SHEET_COUNT 6211
#define IDC_SHEET_NOTE 6212
