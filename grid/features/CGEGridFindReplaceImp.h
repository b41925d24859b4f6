// CGEGridFindReplaceImp: find and replace of text in the cells of the current cell's column, with the
// modeless find/replace dialog that all grids share. Each cell's control decides whether the text occurs
// in it and replaces it, by default through FindTextInCell and ReplaceAllInCell.
#pragma once

#include "grid/core/CGEAbstractGridFindReplaceImp.h"

class CGEGridFindReplaceImp : public CGEAbstractGridFindReplaceImp {
public:
    void OnShowFindReplaceDialog(CGEGridCore* pGrid, BOOL bFindOnly) override;
    void OnFindNext(CGEGridCore* pGrid, LPCSTR pszFind, BOOL bNext, BOOL bCase) override;
    // The cell's display text contains the find text (upper-cased unless match case); the current cell
    // itself only with bCurrentCell. bSetCell makes the cell current.
    BOOL FindTextInCell(CGEGridCore* pGrid, CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol,
                        BOOL bCurrentCell, BOOL bSetCell) override;
    // From the row after (or before) nRow to the last (first) row, without wrapping around.
    BOOL FindTextInColumn(CGEGridCore* pGrid, ROWCOL& nRow, ROWCOL& nCol, BOOL bSetCell) override;
    BOOL FindNext(CGEGridCore* pGrid, BOOL bSetCell) override;
    void OnReplaceSel(CGEGridCore* pGrid, LPCSTR pszFind, BOOL bNext, BOOL bCase, LPCSTR pszReplace) override;
    // Every cell of the current cell's column from the current row down, as one undo step.
    void OnReplaceAll(CGEGridCore* pGrid, LPCSTR pszFind, LPCSTR pszReplace, BOOL bCase) override;
    LRESULT OnFindReplace(CGEGridCore* pGrid, CFindReplaceDialog* pDialog) override;
    // Every occurrence, left to right and not overlapping; the new text may have any length.
    BOOL ReplaceAllInCell(CGEGridCore* pGrid, CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) override;
    // A beep.
    void OnTextNotFound(CGEGridCore* pGrid, LPCSTR pszFind) override;
    BOOL FindText(CGEGridCore* pGrid, CGEControl* pControl, CGEFindReplaceState& state, ROWCOL nRow,
                  ROWCOL nCol, UINT nFlags, DWORD* pInfo) override;
    BOOL ReplaceAll(CGEGridCore* pGrid, CGEControl* pControl, CGEFindReplaceState& state, ROWCOL nRow,
                    ROWCOL nCol) override;

    // The text with every occurrence of strCompare in its comparison copy (upper-cased unless bMatchCase)
    // replaced by strReplace; nReplaced counts them.
    static CString ReplaceOccurrences(const CString& strText, const CString& strCompare,
                                      const CString& strReplace, BOOL bMatchCase, int& nReplaced);

private:
    // The display text of a cell for the state's current style (or the cell's composed style).
    static CString CellText(CGEGridCore* pGrid, const CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol);
};
