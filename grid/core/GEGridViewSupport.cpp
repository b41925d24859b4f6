#include "grid/core/GEGridViewSupport.h"

#include "framework/win/CDC.h"
#include "framework/win/CView.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/GEGridMessages.h"

namespace gegridview {

void InitialUpdate(CView* pView, CGEGridCore* pGrid) {
    pGrid->SetGridDocument(pView->GetDocument());
    pGrid->m_pSendingView = pView;
    GETakeScrollBarModes(pGrid, pView);
    if (!pGrid->IsInitialized())
        pGrid->OnGridInitialUpdate();
    pGrid->UpdateScrollbars();
}

void Draw(CView*, CGEGridCore* pGrid, CDC* pDC) {
    if (pDC->IsPrinting())
        return; // pages are printed through OnPrint
    pGrid->OnGridDraw(pDC);
}

void Update(CView* pView, CGEGridCore* pGrid, CView* pSender, CObject* pHint) {
    if (pSender == pView)
        return;
    if (pHint != nullptr)
        pGrid->OnHint(pHint);
    else
        pGrid->Redraw(GE_INVALIDATE, FALSE);
}

void BeginPrinting(CGEGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) {
    pGrid->BeginGridPrinting(pDC, pInfo);
}

void Print(CGEGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) {
    pGrid->PrintGridPage(pDC, pInfo);
}

void EndPrinting(CGEGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) {
    pGrid->EndGridPrinting(pDC, pInfo);
}

} // namespace gegridview
