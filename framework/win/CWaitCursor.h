// CWaitCursor: shows the hourglass cursor for the life of the object (nests with other wait cursors).
#pragma once

#include "framework/core/AfxDefs.h"

class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

    // Shows the hourglass again after something (a message box) changed the cursor.
    void Restore();
};
