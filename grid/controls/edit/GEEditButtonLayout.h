// Where the buttons of the hot-spot and spin edits go: the cell's inner rectangle (inside its borders),
// found back from the text rectangle that the static text margins and the buttons' space made of it.
#pragma once

#include "framework/core/CRect.h"
#include "grid/core/GECoreDefs.h"

class CGEGridCore;

// rectText: the control's text rectangle of the cell; nButtonSpace: the width its buttons took from it.
CRect GECellRectOfText(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const CRect& rectText, int nButtonSpace);
