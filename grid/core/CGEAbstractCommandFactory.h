// Undo and redo: the command factory makes the commands that reverse grid operations and keeps the
// undo and redo lists of the grid's parameter object. Every grid operation that records undo
// information calls AddCommand with the reverse command it made through one of the creators; arrays
// and objects handed to a creator are taken over by the command.
#pragma once

#include "framework/core/CDWordArray.h"
#include "framework/core/CObArray.h"
#include "framework/core/CObject.h"
#include "grid/core/GECoreDefs.h"

class CCmdUI;
class CGECommand;
class CGEGridCore;
class CGEProperties;
class CGEStyle;
class CGEStylesMap;

class CGEAbstractCommandFactory : public CObject {
public:
    // ---- creators, one per command class ----
    virtual CGECommand* CreateBlockCmd(LPCSTR pszName) = 0;
    virtual CGECommand* CreateSetRowHeightCmd(ROWCOL nFrom, ROWCOL nTo, int* anOldHeights) = 0;
    virtual CGECommand* CreateHideRowsCmd(ROWCOL nFrom, ROWCOL nTo, BOOL* abOldHidden) = 0;
    virtual CGECommand* CreateSetDefaultRowHeightCmd(int nOldHeight) = 0;
    virtual CGECommand* CreateSetColWidthCmd(ROWCOL nFrom, ROWCOL nTo, int* anOldWidths) = 0;
    virtual CGECommand* CreateHideColsCmd(ROWCOL nFrom, ROWCOL nTo, BOOL* abOldHidden) = 0;
    virtual CGECommand* CreateSetDefaultColWidthCmd(int nOldWidth) = 0;
    virtual CGECommand* CreateMoveRowsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) = 0;
    virtual CGECommand* CreateMoveColsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) = 0;
    // The reverse of inserting rows (columns): remove them again.
    virtual CGECommand* CreateRemoveRowsCmd(ROWCOL nFrom, ROWCOL nTo) = 0;
    virtual CGECommand* CreateRemoveColsCmd(ROWCOL nFrom, ROWCOL nTo) = 0;
    // The reverse of removing rows (columns): insert them again with their stored styles (row by row,
    // header column included) and their former sizes.
    virtual CGECommand* CreateInsertRowsCmd(ROWCOL nRow, ROWCOL nCount, CObArray* pOldStyles,
                                            int* anOldHeights, ROWCOL nColCount) = 0;
    virtual CGECommand* CreateInsertColsCmd(ROWCOL nCol, ROWCOL nCount, CObArray* pOldStyles,
                                            int* anOldWidths, ROWCOL nRowCount) = 0;
    virtual CGECommand* CreateSetCoveredCellsCmd(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                                 ROWCOL nRight) = 0;
    // The former stored styles of a range, row by row (null: the cell had none).
    virtual CGECommand* CreateSetStyleRangeCmd(const CGECellRange& range, CObArray* pOldStyles) = 0;
    virtual CGECommand* CreateSetFrozenRowsCmd(ROWCOL nOldFrozen, ROWCOL nOldHeader) = 0;
    virtual CGECommand* CreateSetFrozenColsCmd(ROWCOL nOldFrozen, ROWCOL nOldHeader) = 0;
    virtual CGECommand* CreateMoveDataRowsCmd(const CGECellRange& range, const CDWordArray& inverseOrder) = 0;
    virtual CGECommand* CreateMoveDataColsCmd(const CGECellRange& range, const CDWordArray& inverseOrder) = 0;
    virtual CGECommand* CreateChangeStylesMapCmd(CGEStylesMap* pOldStylesMap) = 0;
    virtual CGECommand* CreateChangePropertiesCmd(CGEProperties* pOldProperties) = 0;
    virtual CGECommand* CreateChangeBaseStyleCmd(WORD wStyleId, CGEStyle* pOldStyle) = 0;
    virtual CGECommand* CreateMoveCellsCmd(const CGECellRange& source, ROWCOL nDestRow, ROWCOL nDestCol,
                                           CObject* pUndoInfo) = 0;
    virtual CGECommand* CreateSetRangeNameCmd(LPCSTR pszName, const CGECellRange* pOldRange) = 0;
    virtual CGECommand* CreateDeleteRangeNameCmd(LPCSTR pszName, const CGECellRange& range) = 0;

    // ---- the lists ----
    // Runs a command in a context (geUndo, geRedo, geRollback); TRUE when it succeeded.
    virtual BOOL RunCommand(CGEGridCore* pGrid, CGECommand* pCmd, int ctCmd) = 0;
    // Adds a reverse command to the list the context names (see geDo .. geRedo).
    virtual void AddCommand(CGEGridCore* pGrid, CGECommand* pCmd, int ctCmd) = 0;
    // Removes and deletes the newest command of the list the context names (a step that failed).
    virtual void RemoveNewestCommand(CGEGridCore* pGrid, int ctCmd) = 0;
    virtual BOOL Undo(CGEGridCore* pGrid) = 0;
    virtual BOOL Redo(CGEGridCore* pGrid) = 0;
    virtual void BeginTrans(CGEGridCore* pGrid, LPCSTR pszName) = 0;
    virtual void CommitTrans(CGEGridCore* pGrid) = 0;
    virtual void Rollback(CGEGridCore* pGrid) = 0;
    // After an undo or redo: places the current cell (deferred while the grid defers such moves).
    virtual void SetUndoCurrentCell(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, BOOL bSetCurrent) = 0;
    virtual void OnUpdateEditUndo(CGEGridCore* pGrid, CCmdUI* pCmdUI) = 0;
    virtual void OnUpdateEditRedo(CGEGridCore* pGrid, CCmdUI* pCmdUI) = 0;
    // Empties both lists.
    virtual void CleanUpUndo(CGEGridCore* pGrid) = 0;

protected:
    CGEAbstractCommandFactory() = default;
};
