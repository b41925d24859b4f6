// CGEGridUserDragSelectRangeImp: the user grabs the header of a selected whole row (column) and drops the
// selected rows (columns) elsewhere; they move as one block through the engine's undoable MoveRows
// (MoveCols). A line window marks where the block would land; the cursor tells whether it may land
// there. Dragging only moves whole lines: it never copies and never drags blocks of cells. The drag
// state lives in the engine; the cancel-mode message (Escape, another button) ends a drag unmoved.
#pragma once

#include "grid/core/CGEAbstractGridUserDragSelectRangeImp.h"

class CGECellRange;

class CGEGridUserDragSelectRangeImp : public CGEAbstractGridUserDragSelectRangeImp {
public:
    // TRUE when the press on a selected header started a drag (the selection then does not see it).
    BOOL OnLButtonDown(CGEGridCore* pGrid, CPoint& point, UINT& nFlags, int& nHit, ROWCOL& nRow,
                       ROWCOL& nCol) override;
    // TRUE while a drag is in progress: the drop position follows the mouse.
    BOOL OnMouseMove(CGEGridCore* pGrid, CPoint& point, UINT& nFlags) override;
    // TRUE while a drag is in progress: the block is dropped where the mouse is.
    BOOL OnLButtonUp(CGEGridCore* pGrid, CPoint& point, UINT& nFlags) override;
    // nRow 0: a column drag from column nCol; nCol 0: a row drag from row nRow. TRUE when it may start.
    BOOL OnSelDragStart(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) override;
    // Moves the drop marker to row nRow (column nCol); TRUE when the block may land there.
    BOOL OnSelDragMove(CGEGridCore* pGrid, ROWCOL nStartRow, ROWCOL nStartCol, ROWCOL nRow,
                       ROWCOL nCol) override;
    // TRUE when rows or columns were moved.
    BOOL OnSelDragDrop(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nRow, ROWCOL nCol) override;
    // TRUE when a drag was in progress.
    BOOL OnSelDragCancel(CGEGridCore* pGrid) override;

private:
    // The row (column) under the point for the drag's kind, the count plus 1 below (right of) the last.
    static void TargetAtPoint(CGEGridCore* pGrid, CPoint point, ROWCOL& nRow, ROWCOL& nCol);
    // The dragged range, or null when the selection no longer holds it.
    static CGECellRange* ActiveRange(CGEGridCore* pGrid);
    static void ShowDropLine(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol);
    static void DestroyDropLine(CGEGridCore* pGrid);
    // Clears the drawing locks, the marker and the override cursor.
    static void EndFeedback(CGEGridCore* pGrid);
};
