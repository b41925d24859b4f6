// CGERangeList: an ordered list of cell ranges that owns them (every removal through its own operations
// deletes the range). The grid parameters keep the selected and the covered ranges in such lists, the
// clipboard and sort features walk them, and the list has an archive form (class schema 1).
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CDWordArray.h"
#include "framework/core/CPtrList.h"
#include "grid/core/CGECellRange.h"

class CGERangeList : public CPtrList {
    DECLARE_SERIAL(CGERangeList)
public:
    CGERangeList() : CPtrList(10) {}
    // Deletes every range.
    ~CGERangeList() override;

    // Empties this list (deleting its ranges), then adds a copy of each valid range of src at the head, so
    // the copy holds src's valid ranges in reverse order. Assigning a list to itself does nothing.
    CGERangeList& operator=(const CGERangeList& src);

    // Storing writes WORD 1, drops the invalid ranges (from this list too), then the DWORD count and each
    // range. Loading refuses any other schema with the bad-schema exception and appends the ranges read
    // after those the list already holds.
    void Serialize(CArchive& ar) override;

    // Typed access to the held ranges (positions are the list's own).
    CGECellRange* GetRangeAt(POSITION pos) const { return static_cast<CGECellRange*>(GetAt(pos)); }
    CGECellRange* GetNextRange(POSITION& pos) const { return static_cast<CGECellRange*>(GetNext(pos)); }
    // Adds a copy of range at the tail; returns its position.
    POSITION AddRange(const CGECellRange& range);

    // Position of the first range (head to tail) that contains the cell, or null.
    POSITION FindRange(ROWCOL nRow, ROWCOL nCol) const;
    // TRUE when a range other than the one at posSkip (null skips none) contains the cell.
    BOOL IsCellInList(ROWCOL nRow, ROWCOL nCol, POSITION posSkip = nullptr) const;
    // TRUE when a valid range reaches into the column (row): whole rows (columns) and the table always do.
    BOOL IsAnyCellFromCol(ROWCOL nCol) const;
    BOOL IsAnyCellFromRow(ROWCOL nRow) const;

    // Deletes the range at pos and removes its node.
    void DeleteAt(POSITION pos);
    // Deletes every range and empties the list.
    void DeleteAll();
    // Deletes every range whose valid flag is clear.
    void DeleteInvalidRanges();

    // Rows (columns) inserted before nRow: every top (left) at or after it and, independently, every bottom
    // (right) at or after it moves down by nCount, so a range that straddles the insertion point grows.
    void InsertRows(ROWCOL nRow, ROWCOL nCount);
    void InsertCols(ROWCOL nCol, ROWCOL nCount);
    // Rows (columns) nFirst..nLast removed from the valid ranges: a range wholly inside becomes invalid, the
    // others shrink or move up; bottoms (rights) are clamped to the last row (column) left afterwards.
    void RemoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nLastRowAfter);
    void RemoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nLastColAfter);
    // Rows (columns) nFirst..nLast moved so that the block starts at nDest: each range follows the row
    // (column) its top (left) lies in; bottoms (rights) are clamped to the last row (column).
    void MoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, ROWCOL nLastRow);
    void MoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, ROWCOL nLastCol);

    // Fills the two arrays (emptied first) with the disjoint, sorted, non-adjacent column (row) extents that
    // the valid ranges cover; whole rows and the table reach from column 0 to nLastCol (whole columns and the
    // table from row 0 to nLastRow). With bOnlyWhole only whole columns (rows) and the table count. TRUE when
    // any range contributed.
    BOOL GetColumnSpans(ROWCOL nLastCol, CDWordArray& starts, CDWordArray& ends, BOOL bOnlyWholeCols) const;
    BOOL GetRowSpans(ROWCOL nLastRow, CDWordArray& starts, CDWordArray& ends, BOOL bOnlyWholeRows) const;
};
