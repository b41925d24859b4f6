// CGEData: the stored cell styles of a grid and its row and column counts. Row 0 holds the column
// styles (0, c), column 0 the row styles (r, 0), and (0, 0) the table style. Storage is sparse: a row
// without styles costs one null entry, and rows beyond the last styled one cost nothing, so a grid of a
// million rows with few styles stays small.
#pragma once

#include "framework/core/CDWordArray.h"
#include "framework/core/CObject.h"
#include "grid/core/CGEStylePtrArray.h"
#include "grid/core/GECoreDefs.h"

class CGEGridParam;
class CGEStyle;

class CGEData : public CObject {
    DECLARE_SERIAL(CGEData)
public:
    CGEData() = default;
    ~CGEData() override = default;
    // A deep copy of src's counts and styles.
    CGEData& operator=(const CGEData& src);

    // Called once when a grid hands the data its parameter object.
    virtual void InitParam(CGEGridParam* pParam) { m_pParam = pParam; }
    // The archive form belongs to the document-serialisation feature; nothing without it.
    void Serialize(CArchive& ar) override;

    // ---- counts: the numbers of the last row and column (row 0 and column 0 are the headers) ----
    ROWCOL GetRowCount() const { return m_nRows; }
    ROWCOL GetColCount() const { return m_nCols; }
    // A smaller count deletes the styles beyond it. TRUE when the count changed.
    virtual BOOL StoreRowCount(ROWCOL nRows);
    virtual BOOL StoreColCount(ROWCOL nCols);
    virtual BOOL StoreInsertRows(ROWCOL nRow, ROWCOL nCount);
    virtual BOOL StoreInsertCols(ROWCOL nCol, ROWCOL nCount);
    virtual BOOL StoreRemoveRows(ROWCOL nFrom, ROWCOL nTo);
    virtual BOOL StoreRemoveCols(ROWCOL nFrom, ROWCOL nTo);
    // Rows (columns) nFrom..nTo moved so that they start at nDest; TRUE when anything moved.
    virtual BOOL StoreMoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
    virtual BOOL StoreMoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);

    // ---- styles ----
    // The stored style of the cell, null when it has none.
    const CGEStyle* LookupStyle(ROWCOL nRow, ROWCOL nCol) const;
    // Merges the stored style of the cell into style with the mode; FALSE when the cell has none.
    virtual BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGEStyle& style, int mt, int nType);
    // Stores pStyle into the cell by the modify type (geOverride .. geRemove; pStyle may be null only
    // for geRemove). A style left with nothing included is removed. TRUE when the stored style changed.
    virtual BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle, int mt, int nType);
    // Copies (moves) the stored styles of a range so that its top-left lands on nDestRow, nDestCol;
    // overlapping ranges are copied in the direction that reads each source before it is overwritten.
    virtual BOOL CopyCells(const CGECellRange& range, ROWCOL nDestRow, ROWCOL nDestCol);
    // With bRecordUndo the destination's former styles (row by row, null for none) are handed back in a
    // new CObArray in pUndoInfo.
    virtual BOOL MoveCells(const CGECellRange& range, ROWCOL nDestRow, ROWCOL nDestCol, CObject*& pUndoInfo,
                           BOOL bRecordUndo, int nMode);
    // The rows (columns) of a range put in a new order: entry i names the old row (column) offset that
    // lands at offset i.
    virtual BOOL MoveDataRows(const CGECellRange& range, const CDWordArray& order);
    virtual BOOL MoveDataCols(const CGECellRange& range, const CDWordArray& order);

    // ---- storage (read and written by the archive feature) ----
    ROWCOL m_nRows = 0;
    ROWCOL m_nCols = 0;
    CGEStylePtrArrayPtrArray m_apapCellStyle; // rows >= 1 of columns >= 1, by row then column
    CGEStylePtrArray m_apRowBaseStyle;        // (r, 0) by r
    CGEStylePtrArray m_apColBaseStyle;        // (0, c) by c; (0, 0) at index 0

protected:
    CGEGridParam* m_pParam = nullptr;

private:
    CGEStyle* TakeStyle(ROWCOL nRow, ROWCOL nCol);
    void PutStyle(ROWCOL nRow, ROWCOL nCol, CGEStyle* pStyle);
};
