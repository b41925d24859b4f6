// Numbers the whole grid engine shares: redraw flags, command contexts, modify types, hit codes,
// directions of current-cell moves and the flags of SetCurrentCell. Row and column numbers are ROWCOL
// (CGECellRange.h): row 0 and column 0 are the headers.
#pragma once

#include "grid/core/CGECellRange.h"
#include "grid/core/CGEStyleMergeMode.h"

// Redraw flags of engine operations (combinable).
constexpr UINT GE_NOREDRAW = 0;
constexpr UINT GE_INVALIDATE = 1; // invalidate, paint later
constexpr UINT GE_UPDATENOW = 2;  // paint at once
constexpr UINT GE_SMART = 4;      // scroll the window's pixels where that is enough, invalidate the rest
constexpr UINT GE_GROWONLY = 8;   // resize to fit: only grow

// Command contexts of operations that record undo information.
constexpr int geDo = 0;       // a new action: the reverse goes to the undo list, the redo list is emptied
constexpr int geRollback = 1; // rolling back an open block: no new undo record
constexpr int geUndo = 2;     // carrying out an undo: the reverse goes to the redo list
constexpr int geRedo = 3;     // carrying out a redo: the reverse goes to the undo list

// How a style is stored into a cell: the merge modes of CGEStyle (geOverride, geApplyNew, geCopy,
// geExclude), and geRemove: the stored style is removed altogether.
constexpr int geRemove = 4;

// What lies under a point of the grid window (CGEGridCore::HitTest).
constexpr int GE_HT_NOHIT = 0;
constexpr int GE_HT_VERTLINE = 1;  // a column boundary that can be dragged
constexpr int GE_HT_HORZLINE = 2;  // a row boundary that can be dragged
constexpr int GE_HT_CELL = 3;      // a body cell
constexpr int GE_HT_HEADER = 4;    // a header cell
constexpr int GE_HT_SELEDGE = 5;   // the edge of a selected range
constexpr int GE_HT_SELCORNER = 6; // the drag-fill corner of a selected range
constexpr int GE_HT_HIDDENCOL = 7; // the boundary of a hidden column
constexpr int GE_HT_HIDDENROW = 8; // the boundary of a hidden row

// Directions of current-cell moves (MoveCurrentCell, MoveCurrentCellByKey).
constexpr int GE_UP = 1;
constexpr int GE_LEFT = 2;
constexpr int GE_DOWN = 3;
constexpr int GE_RIGHT = 4;
constexpr int GE_PAGEDOWN = 5;
constexpr int GE_PAGEUP = 6;
constexpr int GE_TOP = 7;    // first row below the header rows
constexpr int GE_BOTTOM = 8; // last row
constexpr int GE_MOSTLEFT = 9;
constexpr int GE_MOSTRIGHT = 10;
constexpr int GE_TOPLEFT = 11;
constexpr int GE_BOTTOMRIGHT = 12;

// Flags of SetCurrentCell beyond the redraw flags.
constexpr UINT GE_CC_NOSCROLL = 0x40; // do not bring the cell into view
constexpr UINT GE_CC_NOREDRAW = 0x80; // the old and the new cell are not redrawn
constexpr UINT GE_CC_NOFOCUS = 0x100; // do not move the focus to the grid window

// Mouse-routing flags of RouteMouseToCell.
constexpr UINT GE_MR_DOWN = 4;
constexpr UINT GE_MR_MOVE = 8;
constexpr UINT GE_MR_UP = 16;
constexpr UINT GE_MR_DBLCLK = 64;
constexpr UINT GE_MR_INSELECTION = 0x100;

// Row or column kinds of resizing (user resize tracking).
constexpr int GE_RESIZE_ROWS = 1;
constexpr int GE_RESIZE_COLS = 2;

// Control ids the core itself knows.
constexpr WORD GE_IDS_CTRL_EDIT = 52512;
constexpr WORD GE_IDS_CTRL_STATIC = 52513;
constexpr WORD GE_IDS_CTRL_HEADER = 52520;
constexpr WORD GE_IDS_CTRL_BROWSEARROWHEADER = 52533;

// User attribute of composition: the text colour of negative numbers.
constexpr WORD GE_IDS_UA_NEGCOLOR = 52797;

// Timer id of auto-scrolling and its interval.
constexpr UINT_PTR GE_AUTOSCROLL_TIMER = 992;
constexpr UINT GE_AUTOSCROLL_INTERVAL = 10;
// Directions of auto-scrolling (0: both).
constexpr WORD GE_AUTOSCROLL_VERT = 1;
constexpr WORD GE_AUTOSCROLL_HORZ = 2;

// "No such row or column" and "any row or column" (IsCurrentCell).
constexpr ROWCOL GE_INVALID = 0xFFFFFFFF;

// Where index i lands when the block nFrom..nTo is moved so that it starts at nDest (rows or columns).
constexpr ROWCOL GEMovedIndex(ROWCOL i, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
    const ROWCOL n = nTo - nFrom + 1;
    if (i >= nFrom && i <= nTo)
        return i - nFrom + nDest;
    if (nDest > nFrom && i > nTo && i < nDest + n)
        return i - n;
    if (nDest < nFrom && i >= nDest && i < nFrom)
        return i + n;
    return i;
}

// A size in pixels at 100% scaled to the zoom in per cent (rounded), and back.
constexpr int GEZoomSize(int nSize, int nZoom) {
    return nZoom == 100 || nSize <= 0 ? nSize
                                      : static_cast<int>((static_cast<long long>(nSize) * nZoom + 50) / 100);
}
constexpr int GEUnzoomSize(int nSize, int nZoom) {
    return nZoom == 100 || nSize <= 0 || nZoom <= 0
               ? nSize
               : static_cast<int>((static_cast<long long>(nSize) * 100 + nZoom / 2) / nZoom);
}
