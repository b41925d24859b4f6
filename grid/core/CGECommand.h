// CGECommand: one undo or redo step. Running it performs the reverse of a recorded grid operation through
// that grid operation itself, which records the next reverse step (into the redo list while undoing, the
// undo list while redoing, nothing while rolling back). Commands are made by the command factory and kept in
// the grid parameters' undo and redo lists, newest first.
#pragma once

#include "framework/core/CObArray.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "grid/core/CGECellRange.h"

#include <memory>

class CGEGridCore;

// An array of objects (styles) owned together with the objects in it; null entries allowed.
struct GEObArrayDeleter {
    void operator()(CObArray* pArray) const;
};
using GEOwnedStyles = std::unique_ptr<CObArray, GEObArrayDeleter>;

class CGECommand : public CObject {
    DECLARE_DYNAMIC(CGECommand)
public:
    // Performs the step on the grid in a command context (geUndo, geRedo or geRollback); FALSE when the grid
    // refused it.
    virtual BOOL Execute(CGEGridCore* pGrid, int ctCmd) = 0;
    // The name the Undo and Redo menu items show.
    virtual CString GetName() const = 0;

    // Remembers the grid's current cell (none when it has no current cell).
    void RecordCurrentCell(CGEGridCore* pGrid);

    ROWCOL m_nRow = 0;
    ROWCOL m_nCol = 0;
    BOOL m_bCurrentCell = FALSE; // whether a cell was current when the step was recorded

protected:
    CGECommand() = default;
    // The text of a string resource, loaded once; a single blank when the string is missing.
    static CString LoadName(UINT nId);
};
