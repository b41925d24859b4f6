// CLogView: what the user does in the view: the view's commands.
#include "views/CLogView.h"

#include "grid/core/CGEGridParam.h"
#include "timelog/CLogDoc.h"
#include "views/CViewColumnsDlg.h"

void CLogView::OnViewColumns() {
    ShowColumnsDialog();
}

void CLogView::ShowColumnsDialog() {
    CLogDoc* pDoc = GetLogDocument();
    if (pDoc == nullptr)
        return;
    CViewColumnsDlg dlg(this, this);
    if (dlg.DoModal() != IDOK)
        return;
    CGEGridParam* pParam = GetParam();
    const BOOL bOldLock = LockUpdate(TRUE);
    const BOOL bOldUndo = pParam->EnableUndo(FALSE);
    SaveColumns();
    SetupColumns();
    pParam->EnableUndo(bOldUndo);
    LockUpdate(bOldLock);
    ApplyGrayBar();
    pDoc->DoAutoSave(true);
    Invalidate(FALSE);
}
