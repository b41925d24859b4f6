// Update hints: a change one grid view made to the shared parameter object is carried to the other views
// of the document, which turn it back into the engine operation with hint creation off. Each sender
// builds its hint and passes it to the engine's UpdateAllViews; OnHint is the receiving side.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CPtrList.h"
#include "grid/core/GECoreDefs.h"

class CGEGridCore;
class CGERangeList;

class CGEAbstractGridUpdateHintImp : public CObject {
public:
    virtual void OnHint(CGEGridCore* pGrid, CObject* pHint) = 0;

    virtual BOOL HintSyncCurrentCell(CGEGridCore* pGrid, DWORD dwValue) = 0;                            // 21
    virtual BOOL HintMoveCurrentCell(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT flags) = 0;     // 27
    virtual BOOL HintTransferCurrentCell(CGEGridCore* pGrid, BOOL bSave, UINT flags) = 0;               // 24
    virtual BOOL HintSetRowCount(CGEGridCore* pGrid, ROWCOL nRows, UINT flags) = 0;                     // 3
    virtual BOOL HintSetColCount(CGEGridCore* pGrid, ROWCOL nCols, UINT flags) = 0;                     // 4
    virtual BOOL HintSetFrozenCols(CGEGridCore* pGrid, ROWCOL nFrozen, ROWCOL nHeader, UINT flags) = 0; // 16
    virtual BOOL HintSetFrozenRows(CGEGridCore* pGrid, ROWCOL nFrozen, ROWCOL nHeader, UINT flags) = 0; // 15
    virtual BOOL HintSetTopRow(CGEGridCore* pGrid, ROWCOL nRow, UINT flags, DWORD dwPane) = 0;          // 25
    virtual BOOL HintSetLeftCol(CGEGridCore* pGrid, ROWCOL nCol, UINT flags, DWORD dwPane) = 0;         // 26
    virtual BOOL HintInsertRows(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCount, UINT flags) = 0;        // 8
    virtual BOOL HintInsertCols(CGEGridCore* pGrid, ROWCOL nCol, ROWCOL nCount, UINT flags) = 0;        // 7
    virtual BOOL HintRedrawRowCol(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                  ROWCOL nRight,
                                  UINT flags) = 0;                           // 2
    virtual BOOL HintRedraw(CGEGridCore* pGrid, UINT flags) = 0;             // 1
    virtual BOOL HintEngineSetting36(CGEGridCore* pGrid, DWORD dwExtra) = 0; // 36
    virtual BOOL HintWindowText(CGEGridCore* pGrid) = 0;                     // 22
    // Scroll synchronisation of splitter panes: codes 1, 3 vertical (id 25), 2, 4 horizontal (id 26).
    virtual BOOL HintSyncScroll(CGEGridCore* pGrid, int nScrollCode) = 0;
    virtual BOOL HintSelectRange(CGEGridCore* pGrid, const CGECellRange& range, DWORD dwExtra) = 0; // 23
    virtual BOOL HintUpdateSelectionFrame(CGEGridCore* pGrid, UINT flags) = 0;                      // 30
    virtual BOOL HintUpdateSetSelection(CGEGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft,
                                        ROWCOL nBottom, ROWCOL nRight) = 0; // 13
    virtual BOOL HintUpdateClearSelection(CGEGridCore* pGrid) = 0;          // 14
    virtual BOOL HintUpdateChangedRowHeights(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOld,
                                             UINT flags) = 0; // 5
    virtual BOOL HintUpdateChangedColWidths(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOld,
                                            UINT flags) = 0;                                   // 6
    virtual BOOL HintSetReadOnly(CGEGridCore* pGrid, BOOL bReadOnly, DWORD dwSplitter) = 0;    // 20
    virtual BOOL HintSetZoom(CGEGridCore* pGrid, int nZoom, DWORD dwSplitter, UINT flags) = 0; // 19
    virtual BOOL HintSetStyleRange(CGEGridCore* pGrid, const CGECellRange& range, DWORD dwArg1, DWORD dwArg2,
                                   DWORD dwValue, UINT flags) = 0;                        // 17
    virtual BOOL HintChangedStylesMap(CGEGridCore* pGrid, UINT flags) = 0;                // 34
    virtual BOOL HintChangedProperties(CGEGridCore* pGrid, UINT flags) = 0;               // 33
    virtual BOOL HintChangedBaseStyle(CGEGridCore* pGrid, WORD wStyleId, UINT flags) = 0; // 35
    virtual BOOL HintUpdateCoveredCells(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                        ROWCOL nRight, UINT flags) = 0; // 18
    virtual BOOL HintUpdateFloatedCells(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                        ROWCOL nRight, UINT flags) = 0; // 28
    virtual BOOL HintUpdateMergedCells(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                       ROWCOL nRight, UINT flags) = 0;                                 // 29
    virtual BOOL HintUpdateReorderRows(CGEGridCore* pGrid, const CGECellRange& range, UINT flags) = 0; // 31
    virtual BOOL HintUpdateReorderCols(CGEGridCore* pGrid, const CGECellRange& range, UINT flags) = 0; // 32
    virtual BOOL HintRemoveRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOld,
                                UINT flags) = 0; // 10
    virtual BOOL HintRemoveCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOld,
                                UINT flags) = 0; // 9
    virtual BOOL HintMoveRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest,
                              UINT flags) = 0; // 12
    virtual BOOL HintMoveCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest,
                              UINT flags) = 0; // 11

protected:
    CGEAbstractGridUpdateHintImp() = default;
};
