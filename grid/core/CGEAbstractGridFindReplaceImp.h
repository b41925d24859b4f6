// Find and replace in the grid's cells.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "grid/core/GECoreDefs.h"

class CGEControl;
class CGEFindReplaceState;
class CGEGridCore;
class CFindReplaceDialog;

class CGEAbstractGridFindReplaceImp : public CObject {
public:
    virtual void OnShowFindReplaceDialog(CGEGridCore* pGrid, BOOL bFindOnly) = 0;
    virtual void OnFindNext(CGEGridCore* pGrid, LPCSTR pszFind, BOOL bNext, BOOL bCase) = 0;
    virtual BOOL FindTextInCell(CGEGridCore* pGrid, CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol,
                                BOOL bCurrentCell, BOOL bSetCell) = 0;
    virtual BOOL FindTextInColumn(CGEGridCore* pGrid, ROWCOL& nRow, ROWCOL& nCol, BOOL bSetCell) = 0;
    virtual BOOL FindNext(CGEGridCore* pGrid, BOOL bSetCell) = 0;
    virtual void OnReplaceSel(CGEGridCore* pGrid, LPCSTR pszFind, BOOL bNext, BOOL bCase,
                              LPCSTR pszReplace) = 0;
    virtual void OnReplaceAll(CGEGridCore* pGrid, LPCSTR pszFind, LPCSTR pszReplace, BOOL bCase) = 0;
    virtual LRESULT OnFindReplace(CGEGridCore* pGrid, CFindReplaceDialog* pDialog) = 0;
    virtual BOOL ReplaceAllInCell(CGEGridCore* pGrid, CGEFindReplaceState& state, ROWCOL nRow,
                                  ROWCOL nCol) = 0;
    virtual void OnTextNotFound(CGEGridCore* pGrid, LPCSTR pszFind) = 0;
    // The cell controls' find and replace-all slots.
    virtual BOOL FindText(CGEGridCore* pGrid, CGEControl* pControl, CGEFindReplaceState& state, ROWCOL nRow,
                          ROWCOL nCol, UINT nFlags, DWORD* pInfo) = 0;
    virtual BOOL ReplaceAll(CGEGridCore* pGrid, CGEControl* pControl, CGEFindReplaceState& state, ROWCOL nRow,
                            ROWCOL nCol) = 0;

protected:
    CGEAbstractGridFindReplaceImp() = default;
};
