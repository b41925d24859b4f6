// CLogRowMarkerControl: the cell control of the time log view's row headers. Each row header shows one
// small picture of its row's state: the current row (being edited or not), the new-record row, an entry
// that still waits in a local cache (for the database or for QuickBooks), or the entry being timed.
#pragma once

#include "framework/win/CBitmap.h"
#include "framework/win/CImageList.h"
#include "grid/core/CGEControl.h"

class CLogDoc;
class CLogEntry;
class CLogView;

class CLogRowMarkerControl : public CGEControl {
public:
    // The six pictures, first match wins.
    enum Mark {
        markNone = -1,
        markEditing = 0,
        markNewRecord,
        markCurrent,
        markWaitDatabase,
        markWaitQuickBooks,
        markRunning
    };

    CLogRowMarkerControl(CGEGridCore* pGrid, CLogView* pView, CLogDoc* pDoc);
    ~CLogRowMarkerControl() override;

    // Background, the header frame, the row's picture (when it fits the cell) and the base drawing;
    // nothing while printing or without view or document.
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;

    // The picture the row shows.
    Mark GetRowMark(ROWCOL nRow);
    // The bitmap resource of a mark; 0 for none.
    static UINT BitmapOfMark(Mark mark);
    // The size of a mark's picture (0 x 0 when it did not load).
    CSize GetMarkSize(Mark mark) const;

private:
    // Whether the entry is the one being timed: it has no stop time, the document is timing, and
    // "Guid" under "Logging\" is empty or names it.
    bool IsRunningEntry(const CLogEntry& entry) const;
    void DrawHeaderFrame(CDC* pDC, const CRect& rect);

    CBitmap m_bitmaps[6];
    CGEGridCore* m_pGridCore;
    DWORD m_nFrameFlag = 0; // the plain 3-D frame of the engine when set
    CLogView* m_pView;
    CLogDoc* m_pDoc;
    CImageList m_images[6]; // the pictures with light grey transparent
};
