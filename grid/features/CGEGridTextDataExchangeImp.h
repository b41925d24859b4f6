// CGEGridTextDataExchangeImp: the text form of grid cells that the clipboard carries (CF_TEXT): cells
// joined by the copy separator (a tab by default), rows by CR-LF. Writing takes each cell's display text
// from its control; reading stores each text through the cell's control, growing the grid when allowed.
#pragma once

#include "grid/core/CGEAbstractGridTextDataExchangeImp.h"

class CGEGridTextDataExchangeImp : public CGEAbstractGridTextDataExchangeImp {
public:
    // FALSE when cancelled or when every cell's text was empty (then nothing is worth putting anywhere).
    BOOL CopyTextToFile(CGEGridCore* pGrid, CFile& file, const CGERangeList& list) override;
    // The display text of the cell's control (the value text without a control).
    BOOL GetCopyTextRowCol(CGEGridCore* pGrid, CString& str, ROWCOL nRow, ROWCOL nCol) override;
    // Reads at most dwSize bytes (less at a zero byte) into the grid from the range's top-left cell, as one
    // undo step. A cell that refuses its text or an abort with rollback undoes every cell pasted; FALSE then.
    BOOL PasteTextFromBuffer(CGEGridCore* pGrid, LPCSTR pBuffer, DWORD dwSize,
                             const CGECellRange& range) override;
    BOOL PasteTextRowCol(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const CString& str, UINT nFlags,
                         const CGEStyle* pOldStyle) override;
    // Lines (a last line without a line break counts) and the most cells in a line (at least 1).
    BOOL CalcBufferDimension(CGEGridCore* pGrid, LPCSTR pBuffer, DWORD dwSize, ROWCOL& nRows,
                             ROWCOL& nCols) override;

    // The text of a cell as written: without bEscape a tab becomes backslash-t and every line break one
    // blank; with it CR, LF and tab become backslash-r, -n and -t.
    static CString EscapeText(const CString& str, BOOL bEscape);
    // The reverse of the escaping: backslash-r, -n and -t become CR, LF and tab.
    static CString UnescapeText(const CString& str);
};
