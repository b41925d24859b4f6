// CGEBrowseGridArrowRowHeader: the row-header control of a record browser (control id 52533). It marks
// the current row with an arrow, the row whose record is being edited with a pencil and the append row
// (and, while a record is added, the row after it) with a star, then draws the header's face and text.
#pragma once

#include "framework/win/CBitmap.h"
#include "grid/core/CGEControl.h"

class CGEBrowserGrid;

class CGEBrowseGridArrowRowHeader : public CGEControl {
public:
    explicit CGEBrowseGridArrowRowHeader(CGEBrowserGrid* pGrid);

    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;
    // The bitmap resource the row shows (0 for none): 20020 edited, 20021 append, 20022 current.
    UINT GetRowMark(ROWCOL nRow);

    BOOL m_b3dFrame = FALSE;

private:
    CGEBrowserGrid* m_pBrowser;
    CBitmap m_bmpEdit;
    CBitmap m_bmpAppend;
    CBitmap m_bmpCurrent;
};
