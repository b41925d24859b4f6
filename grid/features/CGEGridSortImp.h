// CGEGridSortImp: sorts the rows of a range by the values of one or more columns (or the columns by rows).
// Each key cell's text comes from its cell control; an automatic key becomes a date, number or text key
// by its values; the comparison is stable and multi-key; the data object moves the lines into the new
// order; the grid redraws, tells the other views and records an undo step that restores the old order.
// A double click on a column header sorts by that column, a second one the other way round.
#pragma once

#include "grid/core/CGEAbstractGridSortImp.h"

class CGESortItem;

class CGEGridSortImp : public CGEAbstractGridSortImp {
public:
    // A value that does not convert under a numeric key (an empty cell, text such as 1-2) counts as this
    // number: below every number, so such values gather at one end.
    static const double kNotANumber;

    void SortKeys(CGEGridCore* pGrid, CGESortInfoArray& sortInfo, CPtrArray& items) override;
    // Nothing for a grid of fewer than two rows. Throws the framework's user exception when the user
    // aborts (the order stays as it was).
    void SortRows(CGEGridCore* pGrid, CGECellRange sortRange, CGESortInfoArray& sortInfo,
                  UINT flags) override;
    BOOL ReorderRows(CGEGridCore* pGrid, const CGECellRange& range, const CDWordArray& order, UINT flags,
                     int ctCmd) override;
    BOOL MoveDataRows(CGEGridCore* pGrid, const CGECellRange& range, const CDWordArray& order) override;
    void UpdateReorderRows(CGEGridCore* pGrid, const CGECellRange& range, UINT flags,
                           BOOL bCreateHint) override;
    void GetRowSortKeys(CGEGridCore* pGrid, ROWCOL nRow, const CGESortInfoArray& sortInfo,
                        CStringArray& keys) override;
    void SortCols(CGEGridCore* pGrid, CGECellRange sortRange, CGESortInfoArray& sortInfo,
                  UINT flags) override;
    BOOL ReorderCols(CGEGridCore* pGrid, const CGECellRange& range, const CDWordArray& order, UINT flags,
                     int ctCmd) override;
    BOOL MoveDataCols(CGEGridCore* pGrid, const CGECellRange& range, const CDWordArray& order) override;
    void UpdateReorderCols(CGEGridCore* pGrid, const CGECellRange& range, UINT flags,
                           BOOL bCreateHint) override;
    void GetColSortKeys(CGEGridCore* pGrid, ROWCOL nCol, const CGESortInfoArray& sortInfo,
                        CStringArray& keys) override;
    BOOL OnHeaderDblClick(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT flags, CPoint point) override;

    // The comparison of two items, key by key; ties go by former position. < 0, 0 or > 0. SortKeys orders
    // the items exactly as this comparison does.
    static int CompareItems(const CGESortItem& a, const CGESortItem& b);
    // The number a key text stands for: C-locale decimal first, then the user's number format;
    // kNotANumber when it is neither.
    static double TextToNumber(const CString& strText);
    // TRUE when every character is one of "0123456789,.-e " (the automatic detection's number test).
    static BOOL LooksNumeric(const CString& strText);

private:
    void SortLines(CGEGridCore* pGrid, BOOL bRows, CGECellRange sortRange, CGESortInfoArray& sortInfo,
                   UINT flags);
    BOOL ReorderLines(CGEGridCore* pGrid, BOOL bRows, const CGECellRange& range, const CDWordArray& order,
                      UINT flags, int ctCmd);
    void GetSortKeys(CGEGridCore* pGrid, BOOL bRows, ROWCOL nLine, const CGESortInfoArray& sortInfo,
                     CStringArray& keys);
    BOOL SortOnDblClick(CGEGridCore* pGrid, BOOL bRows, ROWCOL nIndex);
};
