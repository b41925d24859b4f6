// Clipboard cut, copy and paste of the selection.
#pragma once

#include "framework/core/CObject.h"
#include "grid/core/GECoreDefs.h"

class CGEGridCore;
class CGERangeList;

class CGEAbstractGridCutPasteImp : public CObject {
public:
    virtual BOOL CanCopy(CGEGridCore* pGrid) = 0;
    virtual BOOL Copy(CGEGridCore* pGrid) = 0;
    virtual BOOL CopyRangeList(CGEGridCore* pGrid, CGERangeList& list) = 0;
    virtual BOOL CopyTextToClipboard(CGEGridCore* pGrid, const CGERangeList& list) = 0;
    virtual BOOL CopyCellsToClipboard(CGEGridCore* pGrid, const CGERangeList& list, UINT flags) = 0;
    virtual BOOL CanCut(CGEGridCore* pGrid) = 0;
    virtual BOOL Cut(CGEGridCore* pGrid) = 0;
    virtual BOOL CutRangeList(CGEGridCore* pGrid, CGERangeList& list, BOOL bStyles) = 0;
    virtual BOOL CanPaste(CGEGridCore* pGrid) = 0;
    virtual BOOL ClipboardHasPasteFormat(CGEGridCore* pGrid) = 0;
    virtual BOOL Paste(CGEGridCore* pGrid) = 0;
    virtual BOOL PasteCellsDirect(CGEGridCore* pGrid, const CGECellRange& range) = 0;
    virtual BOOL PasteFromClipboard(CGEGridCore* pGrid, const CGECellRange& range) = 0;
    virtual BOOL ConfirmPasteSizeMismatch(CGEGridCore* pGrid) = 0;

protected:
    CGEAbstractGridCutPasteImp() = default;
};
