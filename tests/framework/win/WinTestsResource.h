// Resource ids of the window framework tests.
#pragma once

#define IDD_DATA 100
#define IDD_SIMPLE 101
#define IDD_EXCHANGE 102
#define IDR_TEST_MENU 110
#define IDR_TEST_ACCEL 111

#define IDC_NAME 1001
#define IDC_COUNT 1002
#define IDC_RATE 1003
#define IDC_CHECK 1004
#define IDC_RADIO1 1005
#define IDC_RADIO2 1006
#define IDC_RADIO3 1007
#define IDC_COMBO 1008
#define IDC_LIST 1009
#define IDC_VALUE 1010
#define IDC_AFTER 1011
#define IDC_NOTES 1012

#define ID_CMD_A 0x8001
#define ID_CMD_B 0x8002
#define ID_CMD_NOHANDLER 0x8003
#define ID_CMD_RANGE_FIRST 0x8010
#define ID_CMD_RANGE_LAST 0x8014
#define ID_CMD_INSERTER 0x8020
#define ID_CMD_INSERTED 0x8021

#define IDS_REGISTRY_COMPANY 200
