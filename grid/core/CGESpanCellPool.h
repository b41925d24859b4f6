// CGESpanCellPool: answers in constant time which spanned block (merged or floating cells) a cell belongs
// to. Two sparse tables of anchors: the row table holds, per row and column, the first column of the
// horizontal span covering the cell; the column table, per column and row, the first row of the vertical
// span; 0xFFFFFFFF where no span covers the cell. Row and column numbers of 0x80000000 or more are refused.
// Archived (class schema 1) as the column table, then the row table.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CObject.h"
#include "grid/core/CGECellRange.h"
#include "grid/core/CGEDWordArrayPtrArray.h"

class CGESpanCellPool : public CObject {
    DECLARE_SERIAL(CGESpanCellPool)
public:
    CGESpanCellPool() = default;

    void Serialize(CArchive& ar) override;
    // The caller fills range (normally with the cell itself); a horizontal span found sets left and right, a
    // vertical one top and bottom. TRUE when either was found.
    virtual BOOL GetSpannedRange(ROWCOL nRow, ROWCOL nCol, CGECellRange& range) const;
    // Records (bSet) or erases the span (top, left)-(bottom, right); a direction in which the span is one
    // cell wide is not recorded. Erasing clears the run that begins at (top, left). TRUE when a table was
    // touched.
    virtual BOOL SetSpannedRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, BOOL bSet);
    // Table edits for inserted, removed and moved rows and columns.
    virtual void InsertRows(ROWCOL nRow, ROWCOL nCount);
    virtual void RemoveRows(ROWCOL nFirst, ROWCOL nLast);
    virtual void MoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest);
    virtual void InsertCols(ROWCOL nCol, ROWCOL nCount);
    virtual void RemoveCols(ROWCOL nFirst, ROWCOL nLast);
    virtual void MoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest);
    virtual CGESpanCellPool& operator=(const CGESpanCellPool& src);

    const CGEDWordArrayPtrArray& GetRowTable() const { return m_rowTable; }
    const CGEDWordArrayPtrArray& GetColTable() const { return m_colTable; }

private:
    CGEDWordArrayPtrArray m_colTable; // by column: anchor rows
    CGEDWordArrayPtrArray m_rowTable; // by row: anchor columns
};
