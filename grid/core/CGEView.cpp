#include "grid/core/CGEView.h"

#include "grid/core/CGEAbstractPrintDeviceImp.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"

IMPLEMENT_DYNAMIC(CGEView, CView)

CWnd* CGEView::GetGridParentWindow() {
    return GEGetLibraryState()->FindParentWindow(this);
}

BOOL CGEView::OnPreparePrinting(CPrintInfo* pInfo) {
    CGEAbstractPrintDeviceImp* pImp = GEGetLibraryState()->m_pPrintDeviceImp;
    CGEGridCore* pGrid = GetViewGrid();
    if (pImp != nullptr && pGrid != nullptr && pGrid->GetParam() != nullptr)
        return pImp->PreparePrinting(pGrid->GetParam()->m_pPrintDevice, this, pInfo);
    return DoPreparePrinting(pInfo);
}
