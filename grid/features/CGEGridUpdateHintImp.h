// CGEGridUpdateHintImp: carries the changes one grid view makes to the shared parameter object to the
// other views of its document as CGEGridHint objects, and on the receiving side turns each hint back
// into the engine's own update operation. While a grid applies a hint its hints are switched off, so a
// receiver never sends one back.
#pragma once

#include "grid/core/CGEAbstractGridUpdateHintImp.h"

class CGEGridHint;

class CGEGridUpdateHintImp : public CGEAbstractGridUpdateHintImp {
public:
    // Ignores anything but a CGEGridHint for this grid's hint id (or -1).
    void OnHint(CGEGridCore* pGrid, CObject* pHint) override;
    BOOL HintSyncCurrentCell(CGEGridCore* pGrid, DWORD dwValue) override;
    BOOL HintMoveCurrentCell(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT flags) override;
    BOOL HintTransferCurrentCell(CGEGridCore* pGrid, BOOL bSave, UINT flags) override;
    BOOL HintSetRowCount(CGEGridCore* pGrid, ROWCOL nRows, UINT flags) override;
    BOOL HintSetColCount(CGEGridCore* pGrid, ROWCOL nCols, UINT flags) override;
    BOOL HintSetFrozenCols(CGEGridCore* pGrid, ROWCOL nFrozen, ROWCOL nHeader, UINT flags) override;
    BOOL HintSetFrozenRows(CGEGridCore* pGrid, ROWCOL nFrozen, ROWCOL nHeader, UINT flags) override;
    BOOL HintSetTopRow(CGEGridCore* pGrid, ROWCOL nRow, UINT flags, DWORD dwPane) override;
    BOOL HintSetLeftCol(CGEGridCore* pGrid, ROWCOL nCol, UINT flags, DWORD dwPane) override;
    BOOL HintInsertRows(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCount, UINT flags) override;
    BOOL HintInsertCols(CGEGridCore* pGrid, ROWCOL nCol, ROWCOL nCount, UINT flags) override;
    BOOL HintRedrawRowCol(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                          UINT flags) override;
    BOOL HintRedraw(CGEGridCore* pGrid, UINT flags) override;
    BOOL HintEngineSetting36(CGEGridCore* pGrid, DWORD dwExtra) override;
    BOOL HintWindowText(CGEGridCore* pGrid) override;
    BOOL HintSyncScroll(CGEGridCore* pGrid, int nScrollCode) override;
    BOOL HintSelectRange(CGEGridCore* pGrid, const CGECellRange& range, DWORD dwExtra) override;
    BOOL HintUpdateSelectionFrame(CGEGridCore* pGrid, UINT flags) override;
    BOOL HintUpdateSetSelection(CGEGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                ROWCOL nRight) override;
    BOOL HintUpdateClearSelection(CGEGridCore* pGrid) override;
    BOOL HintUpdateChangedRowHeights(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOld,
                                     UINT flags) override;
    BOOL HintUpdateChangedColWidths(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOld,
                                    UINT flags) override;
    BOOL HintSetReadOnly(CGEGridCore* pGrid, BOOL bReadOnly, DWORD dwSplitter) override;
    BOOL HintSetZoom(CGEGridCore* pGrid, int nZoom, DWORD dwSplitter, UINT flags) override;
    BOOL HintSetStyleRange(CGEGridCore* pGrid, const CGECellRange& range, DWORD dwArg1, DWORD dwArg2,
                           DWORD dwValue, UINT flags) override;
    BOOL HintChangedStylesMap(CGEGridCore* pGrid, UINT flags) override;
    BOOL HintChangedProperties(CGEGridCore* pGrid, UINT flags) override;
    BOOL HintChangedBaseStyle(CGEGridCore* pGrid, WORD wStyleId, UINT flags) override;
    BOOL HintUpdateCoveredCells(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                                UINT flags) override;
    BOOL HintUpdateFloatedCells(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                                UINT flags) override;
    BOOL HintUpdateMergedCells(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                               UINT flags) override;
    BOOL HintUpdateReorderRows(CGEGridCore* pGrid, const CGECellRange& range, UINT flags) override;
    BOOL HintUpdateReorderCols(CGEGridCore* pGrid, const CGECellRange& range, UINT flags) override;
    BOOL HintRemoveRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOld, UINT flags) override;
    BOOL HintRemoveCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOld, UINT flags) override;
    BOOL HintMoveRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags) override;
    BOOL HintMoveCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags) override;
    // The pane a scroll hint is meant for, as the hint carries it: row and column of the splitter + 1.
    static DWORD PaneCode(int nRow, int nCol) {
        return (static_cast<DWORD>(nRow) << 16 | static_cast<DWORD>(nCol)) + 1;
    }

private:
    // Up to three rows or columns a hint names: first, last (or header count) and destination.
    struct Lines {
        ROWCOL nFirst = 0, nSecond = 0, nThird = 0;
    };

    // Sends the hint to the document's other views; what UpdateAllViews gives.
    static BOOL Send(CGEGridCore* pGrid, CGEGridHint& hint);
    // Sends hint nId with the lines in its row fields (bRows) or its column fields, the redraw flags and
    // dwExtra (former sizes or a pane); every other field is 0.
    static BOOL SendLines(CGEGridCore* pGrid, int nId, bool bRows, Lines lines, UINT flags,
                          DWORD_PTR dwExtra = 0);
    // Sends hint nId for the cell block from (nTop, nLeft) to (nBottom, nRight) with the redraw flags.
    static BOOL SendBlock(CGEGridCore* pGrid, int nId, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                          ROWCOL nRight, UINT flags);
    // Sends hint nId that carries nothing but the redraw flags.
    static BOOL SendFlags(CGEGridCore* pGrid, int nId, UINT flags);
    static void Apply(CGEGridCore* pGrid, CGEGridHint& hint);
};
