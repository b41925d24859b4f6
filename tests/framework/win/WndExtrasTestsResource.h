// Resource ids of the tests of tool tips for child controls, dialog initialisation data and dialogs
// holding common controls.
#pragma once

#define IDD_TIPS 8700
#define IDC_TIP_NAME 8701
#define IDC_TIP_SAVE 8702
#define IDC_TIP_NOTE 8703
#define IDC_TIP_HANDLED 8704

#define IDD_DLGINIT 8720
#define IDC_INIT_COMBO 8721
#define IDC_INIT_LIST 8722
#define IDC_INIT_EMPTY 8723

#define IDD_COMMON_CONTROLS 8730
#define IDC_CC_DATE 8731
#define IDC_CC_RICH 8732
#define IDC_CC_LIST 8733
#define IDC_CC_TREE 8734
#define IDC_CC_MONTH 8735
