// Resource ids of the printing and print preview tests (7000-7099).
#pragma once

#define IDD_PRINT_TOOLS 7000
#define IDC_PRINT_TOOL 7001
#define IDW_PRINT_TOOLS 0xE820
