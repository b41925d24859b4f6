// Resource ids of the grid core tests.
#pragma once

#define IDD_GRID_DIALOG 3001
#define IDC_GRID 3002
