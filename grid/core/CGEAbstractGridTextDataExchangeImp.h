// Text form of cells for the clipboard and files (tab and CR-LF separated).
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "grid/core/GECoreDefs.h"

class CFile;
class CGEGridCore;
class CGERangeList;
class CGEStyle;

class CGEAbstractGridTextDataExchangeImp : public CObject {
public:
    virtual BOOL CopyTextToFile(CGEGridCore* pGrid, CFile& file, const CGERangeList& list) = 0;
    virtual BOOL GetCopyTextRowCol(CGEGridCore* pGrid, CString& str, ROWCOL nRow, ROWCOL nCol) = 0;
    virtual BOOL PasteTextFromBuffer(CGEGridCore* pGrid, LPCSTR pBuffer, DWORD dwSize,
                                     const CGECellRange& range) = 0;
    virtual BOOL PasteTextRowCol(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const CString& str,
                                 UINT nFlags, const CGEStyle* pOldStyle) = 0;
    virtual BOOL CalcBufferDimension(CGEGridCore* pGrid, LPCSTR pBuffer, DWORD dwSize, ROWCOL& nRows,
                                     ROWCOL& nCols) = 0;

protected:
    CGEAbstractGridTextDataExchangeImp() = default;
};
