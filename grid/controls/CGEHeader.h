// CGEHeader: the row and column header cells (control id 52520 "Header"): a button-like face that looks
// pressed while the current cell lies in its row or column, the header text (turned with the font, or
// cut with the ellipsis type the style asks for) or a picture of the bitmap pool; plain black separator
// lines when printing. The current header cell shows a focus rectangle instead of the current-cell frame.
#pragma once

#include "grid/controls/CGEStatic.h"

class CGEHeader : public CGEStatic {
public:
    static const CGEControlClass controlClass; // "CGEHeader"

    explicit CGEHeader(CGEGridCore* pGrid);

    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    void DrawCurrentCellFrame(CDC* pDC, const CRect& rect, const CGEStyle& style) override;
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;

    // The ellipsis type a style asks for (user attribute 52792, by item text or index): 0 none, 1 dotted,
    // 2 pound; -1 when the style does not carry the attribute.
    static int EllipsisType(const CGEStyle& style);

protected:
    // The raised or pressed face (screen) or the black separators (printing).
    void DrawHeaderFrame(CDC* pDC, const CRect& rect, const CGEStyle& style, BOOL bMarked);
};
