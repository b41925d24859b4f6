// Control ids the time views give their cells: the engine's own controls they use by number, and the
// program's controls registered by the views themselves.
#pragma once

#include "grid/core/GECoreDefs.h"

// The engine's static text cell: shows the value, not editable.
constexpr WORD kCtrlStatic = GE_IDS_CTRL_STATIC;
// The engine's 3-D check box cell: value "1" checked, "0" unchecked.
constexpr WORD kCtrlCheckBox3d = 52523;
// The engine's tabbed combo box cell.
constexpr WORD kCtrlTabbedCombo = 52541;
// The project-task view's Gantt header.
constexpr WORD kCtrlGanttHeader = 51567;
