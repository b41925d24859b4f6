// The font of a window shown over a cell: the style's font at the grid's zoom, never rotated; what the
// style leaves open (size, face, weight) comes from the font the grid draws the cell with.
#pragma once

class CFont;
class CGEGridCore;
class CGEStyle;

// Replaces whatever font was in fontResult.
void GEBuildCellWindowFont(CGEGridCore* pGrid, const CGEStyle& style, CFont& fontResult);
