// The application-wide component that is told each grid's window and sheet name when the grid
// initialises (for example to title a window after its sheet).
#pragma once

#include "framework/core/CObject.h"

class CWnd;

class CGEAbstractSheetNameImp : public CObject {
public:
    virtual void SetSheetName(CWnd* pGridWnd, LPCSTR pszName) = 0;

protected:
    CGEAbstractSheetNameImp() = default;
};
