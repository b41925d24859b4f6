// CGECalcSizeImp: how much room a static (text) cell's content needs, margins included: the widest line
// for a width (the wrapped lines when they all show in the cell, else the text's own lines) or the lines
// times the line height for a height. A cell whose text names one of the engine's pictures needs the
// picture's size. Spans (covered, merged, floated) are measured as one cell.
#pragma once

#include "framework/core/CString.h"
#include "grid/core/CGEAbstractCalcSizeImp.h"

class CGECalcSizeImp : public CGEAbstractCalcSizeImp {
public:
    // bVert FALSE asks for the width, TRUE for the height; the other member is the text rectangle's.
    void CalcSize(CGEGridCore* pGrid, CSize& size, CGEControl* pControl, CDC* pDC, ROWCOL nRow, ROWCOL nCol,
                  const CGEStyle& style, const CGEStyle* pStandardStyle, BOOL bVert) override;

    // Wrapped text is measured in at most this many lines.
    static constexpr int kMaxWrappedLines = 32;
};

// What the cell's control shows for the cell (its display text of the style's value).
CString GEGetControlDisplayText(CGEControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style);
