// CGEGridHint: one change that a grid view made to the parameter object it shares with other views,
// sent through the document's UpdateAllViews. The receivers redraw or adjust their own state from it.
#pragma once

#include "framework/core/CObject.h"
#include "grid/core/CGECellRange.h"

class CGEGridHint : public CObject {
    DECLARE_DYNAMIC(CGEGridHint)
public:
    // nViewId: the sending grid's hint id; -1 reaches every grid. Every other field starts at 0.
    CGEGridHint(int nId, int nViewId) : m_id(nId), m_nViewId(nViewId) {}

    int m_id;
    CGECellRange m_range;                         // range of the change (empty by default)
    DWORD m_dwArg1 = 0, m_dwArg2 = 0;             // the first two further arguments of a style change
    ROWCOL m_nRow1 = 0, m_nRow2 = 0, m_nRow3 = 0; // first, last, destination row
    ROWCOL m_nCol1 = 0, m_nCol2 = 0, m_nCol3 = 0;
    DWORD m_dwValue = 0;     // a count, flag or value
    DWORD m_dwResult = 0;    // a count, or a result the receivers combine
    DWORD_PTR m_dwExtra = 0; // former sizes, a selection position, a pane or a splitter
    UINT m_flags = 0;        // the redraw flags of the operation
    int m_nViewId;
};
