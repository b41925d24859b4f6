#include "grid/core/CGEGridView.h"

#include "grid/core/GEGridMessages.h"
#include "grid/core/GEGridViewSupport.h"

IMPLEMENT_DYNCREATE(CGEGridView, CGEView)

CGEGridView::CGEGridView() : CGEGridCore(this, nullptr, TRUE) {}

void CGEGridView::OnInitialUpdate() {
    gegridview::InitialUpdate(this, this);
    CGEView::OnInitialUpdate();
}

void CGEGridView::OnDraw(CDC* pDC) {
    gegridview::Draw(this, this, pDC);
}

void CGEGridView::OnUpdate(CView* pSender, LPARAM, CObject* pHint) {
    gegridview::Update(this, this, pSender, pHint);
}

void CGEGridView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {
    gegridview::BeginPrinting(this, pDC, pInfo);
}

void CGEGridView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
    gegridview::Print(this, pDC, pInfo);
}

void CGEGridView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) {
    gegridview::EndPrinting(this, pDC, pInfo);
}

LRESULT CGEGridView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (GEDispatchPluginMessage(this, message, wParam, lParam, &lResult))
        return lResult;
    return CGEView::WindowProc(message, wParam, lParam);
}

BOOL CGEGridView::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (GEPreDispatchGridMessage(this, this, message, wParam, lParam, pResult) ||
        CGEView::OnWndMsg(message, wParam, lParam, pResult))
        return TRUE;
    return GEDispatchGridMessage(this, this, message, wParam, lParam, pResult, FALSE);
}
