// The Options property sheet as the shell opens it (the main frame's Options and Database commands, the
// active-log command, a start that asked for the database options). The sheet is built apart from the
// shell and hands itself to SetOptionsSheet; while none is set, the commands that open it are disabled
// and nothing pretends to open it.
#pragma once

#include "framework/core/AfxDefs.h"

class CWnd;

// The dialog id of the sheet's Database page.
constexpr UINT kOptionsDatabasePage = 101;

class IOptionsSheet {
public:
    virtual ~IOptionsSheet() = default;
    // Shows the sheet modally over pParent, opened on the page with that dialog id (0: the first page).
    virtual void Show(CWnd* pParent, UINT pageId) = 0;
};

// The program's sheet, or nullptr while it has none.
IOptionsSheet* GetOptionsSheet();
// The caller keeps the sheet alive while it is set; nullptr removes it.
void SetOptionsSheet(IOptionsSheet* sheet);
