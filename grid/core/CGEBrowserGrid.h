// CGEBrowserGrid: the record-browser grid. Every row below the header rows shows one record of a data
// source and every column one field. On top of the grid core it keeps a record model: the current
// record row, an edit buffer for the record being edited or added, an edit mode (none, edit, add new),
// an append row after the last record, row headers that mark the current, edited and append rows, and
// the mapping of rows to records and columns to fields. Application views supply the records by
// overriding GetRecordCount, the value stores and OnFlushRecord.
#pragma once

#include "framework/core/CDWordArray.h"
#include "grid/core/CGEGridCore.h"

class CGEBrowseParam;

class CGEBrowserGrid : public CGEGridCore {
public:
    explicit CGEBrowserGrid(CWnd* pGridWnd, CDocument* pDocument = nullptr, BOOL bIsView = FALSE);
    ~CGEBrowserGrid() override = default;

    // A CGEBrowseParam is made when no parameter object is attached; then the core's initialisation and
    // the browse styles.
    void OnGridInitialUpdate() override;
    CGEBrowseParam* GetBrowseParam() const;

    // ---- the record model ----
    virtual BOOL CanUpdate();
    virtual BOOL CanAppend();
    // Records of the data source (the data object's rows below the headers here).
    virtual long GetRecordCount();
    // The append row, or GE_INVALID when there is none (or the count is still open).
    virtual ROWCOL GetAppendRow();
    // Header rows, the records (or those seen so far while the count is open), the append row and the
    // row of a record being added.
    ROWCOL GetRowCount() override;
    virtual BOOL DeleteSelectedRecords();
    virtual BOOL DeleteRecords(const CDWordArray& firstRows, const CDWordArray& lastRows);
    virtual void Requery();
    virtual BOOL IsRecordRow(ROWCOL nRow);
    // Makes the row current and starts editing its record; FALSE when the current cell did not get there.
    virtual BOOL Edit(ROWCOL nRow);
    // Moves to the append row and starts a new record; returns its row or GE_INVALID. A grid that cannot
    // append raises the framework's not-supported exception.
    virtual ROWCOL AddNew();
    // Stores the pending record; FALSE when there is none (the message shown when asked) or it failed.
    virtual BOOL Update(BOOL bShowError = TRUE);
    virtual void UndoRecord();
    virtual void CancelRecord();
    virtual ROWCOL GetRecordFromRow(ROWCOL nRow);
    virtual ROWCOL GetFieldFromCol(ROWCOL nCol);
    // A pending record of the data source is given up (nothing here).
    virtual void OnCancelPendingRecord() {}
    // After a new record was stored.
    virtual void OnAddedNewRecord();
    // Registers the arrow row header and applies the browse styles, once per parameter object.
    virtual void InitBrowserSettings();
    // Writes one field of the record shown in nRow (the data object here; views write their record).
    virtual BOOL OnFlushCellValue(ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue);
    virtual BOOL OnFlushCellOtherValue(ROWCOL nRow, ROWCOL nCol, DWORD dwValue);
    // Writes the changed fields of the record in nRow; in add-new mode unchanged fields take the column's
    // stored value as their default.
    virtual BOOL OnFlushRecord(ROWCOL nRow);
    // Field index of a column (0-based) and record index of a row (0-based), for the views.
    short GetFieldIndexOfCol(ROWCOL nCol);
    long GetRecordIndexOfRow(ROWCOL nRow);
    int GetEditMode() const;
    ROWCOL GetEditRow() const;
    BOOL WasRecordStored() const { return m_bRecordStored; }

    // ---- core operations with browse behaviour ----
    BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGEStyle& style, int mt = geCopy, int nType = 0) override;
    BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle, int mt, int nType = 0) override;
    BOOL StoreInsertRows(ROWCOL nRow, ROWCOL nCount) override;
    BOOL StoreInsertCols(ROWCOL nCol, ROWCOL nCount) override;
    BOOL StoreRemoveRows(ROWCOL nFrom, ROWCOL nTo) override;
    BOOL StoreRemoveCols(ROWCOL nFrom, ROWCOL nTo) override;
    BOOL RemoveRows(ROWCOL nFrom, ROWCOL nTo, UINT flags = GE_UPDATENOW, int ctCmd = geDo) override;
    BOOL RemoveCols(ROWCOL nFrom, ROWCOL nTo, UINT flags = GE_UPDATENOW, int ctCmd = geDo) override;
    BOOL HandleKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnCurrentRowChanging(ROWCOL nOldRow, ROWCOL nNewRow) override;
    // Permutes the row (column) map so that each row keeps its record after rows moved.
    void OnRowsMoved(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
    void OnColsMoved(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);

protected:
    void RedrawRowHeader(ROWCOL nRow);
    BOOL m_bRecordStored = FALSE;
};
