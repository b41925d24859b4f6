#include "framework/win/CWaitCursor.h"

#include "framework/win/CWinApp.h"

CWaitCursor::CWaitCursor() {
    if (CWinApp* app = AfxGetApp())
        app->BeginWaitCursor();
}

CWaitCursor::~CWaitCursor() {
    if (CWinApp* app = AfxGetApp())
        app->EndWaitCursor();
}

void CWaitCursor::Restore() {
    if (CWinApp* app = AfxGetApp())
        app->RestoreWaitCursor();
}
