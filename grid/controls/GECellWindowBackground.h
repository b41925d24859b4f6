// The background of a window shown over a cell: white, with the cell's interior brush over it when the
// cell's style sets one, so the window blends with the cell it edits.
#pragma once

class CDC;
class CGEGridCore;
class CGEStyle;
class CWnd;

// Fills wnd's whole client area through pDC. pStyle: the style of the cell the window is bound to, or
// nullptr when it is bound to none (white only).
void GEEraseCellWindowBackground(CWnd& wnd, CDC* pDC, CGEGridCore* pGrid, const CGEStyle* pStyle);
