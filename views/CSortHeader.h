// CSortHeader: the column-header cell of the program's browser views ("CTRL_SORT_HEADER"). It draws as
// the engine's header and adds, in the header of the column the grid last sorted by, a small triangle
// after the title: pointing up for an ascending sort, down for a descending one.
#pragma once

#include "grid/controls/CGEHeader.h"

class CSortHeader : public CGEHeader {
public:
    static const CGEControlClass controlClass; // "CSortHeader"

    explicit CSortHeader(CGEGridCore* pGrid);

    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;

    // The triangle's left edge and its top and bottom in a cell whose title is textWidth wide.
    struct ArrowPlace {
        int x;
        int top;
        int bottom;
    };
    static ArrowPlace PlaceArrow(const CRect& rect, int textWidth);
    // Draws the triangle with the highlight and shadow colours.
    static void DrawArrow(CDC* pDC, const ArrowPlace& place, BOOL bAscending);
};
