// CGEDragLineWnd: a small child window of the grid that shows one grid line where the user drags a row
// or column boundary, so that the line moves without repainting the cells under it. It paints through
// the grid's grid-line drawing, or with a pen of its own colour.
#pragma once

#include "framework/win/CWnd.h"
#include "grid/core/GECoreDefs.h"

class CGEGridCore;

class CGEDragLineWnd : public CWnd {
public:
    explicit CGEDragLineWnd(CGEGridCore* pGrid) : m_pGrid(pGrid) {}

    // A hidden 1 x 1 child of the grid window.
    BOOL Create(CWnd* pGridWnd);
    // Shows the line over rect (client coordinates of the grid window): nKind 1 vertical, 2 horizontal,
    // for row or column nIndex.
    void ShowLine(int nKind, const CRect& rect, ROWCOL nIndex);
    void HideLine();
    // A colour of its own instead of the grid's line colour (CLR_NONE: the grid's).
    void SetLineColor(COLORREF color) { m_color = color; }

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()

private:
    CGEGridCore* m_pGrid;
    int m_nKind = 1;
    ROWCOL m_nIndex = 0;
    COLORREF m_color = CLR_NONE;
};
