// CGEGridCutPasteImp: cut, copy and paste of the selection through the Windows clipboard, in the text form
// and (with clipboard option 0x10) the grid's internal form. With direct copy or direct move enabled, a
// paste into a grid that shares the copying grid's parameter object copies or moves the cells themselves.
#pragma once

#include "grid/core/CGEAbstractGridCutPasteImp.h"

class CGECellRange;

class CGEGridCutPasteImp : public CGEAbstractGridCutPasteImp {
public:
    BOOL CanCopy(CGEGridCore* pGrid) override;
    // The selected ranges (the current cell when nothing is selected); an active cell edit copies its own
    // selected text.
    BOOL Copy(CGEGridCore* pGrid) override;
    // Puts the enabled forms of the ranges on the clipboard (replacing what another owner put there).
    BOOL CopyRangeList(CGEGridCore* pGrid, CGERangeList& list) override;
    BOOL CopyTextToClipboard(CGEGridCore* pGrid, const CGERangeList& list) override;
    BOOL CopyCellsToClipboard(CGEGridCore* pGrid, const CGERangeList& list, UINT flags) override;
    BOOL CanCut(CGEGridCore* pGrid) override;
    BOOL Cut(CGEGridCore* pGrid) override;
    // Copy, then clear (values, or whole styles with bStyles), as one undo step; nothing is cleared when
    // the copy failed.
    BOOL CutRangeList(CGEGridCore* pGrid, CGERangeList& list, BOOL bStyles) override;
    BOOL CanPaste(CGEGridCore* pGrid) override;
    BOOL ClipboardHasPasteFormat(CGEGridCore* pGrid) override;
    BOOL Paste(CGEGridCore* pGrid) override;
    BOOL PasteCellsDirect(CGEGridCore* pGrid, const CGECellRange& range) override;
    // The internal form when enabled and present, else the text; damaged internal data is refused.
    BOOL PasteFromClipboard(CGEGridCore* pGrid, const CGECellRange& range) override;
    BOOL ConfirmPasteSizeMismatch(CGEGridCore* pGrid) override;

    // The clipboard format that marks data copied by a grid of this process ("GE_DIRECTCOPY").
    static UINT GetDirectCopyFormat();

protected:
    // A message box (tests answer it).
    virtual int AskUser(CGEGridCore* pGrid, LPCSTR pszText, UINT nType);

private:
    // Whole rows, whole columns and the table as cell blocks from the first row and column the clipboard
    // options allow (bCopy: the copy's reading of options 0x01 and 0x02, else the paste's).
    static CGECellRange Widen(CGEGridCore* pGrid, const CGECellRange& range, BOOL bCopy);
    static BOOL ControlIsActive(CGEGridCore* pGrid);
    static void CancelPendingCut(CGEGridCore* pGrid);
    static BOOL PutDirectCopyMark(CGEGridCore* pGrid);
    static BOOL ClipboardHoldsOwnMark(CGEGridCore* pGrid);
};
