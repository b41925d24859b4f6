#include "grid/core/CGEBrowserView.h"

#include "grid/core/GEGridMessages.h"
#include "grid/core/GEGridViewSupport.h"

IMPLEMENT_DYNCREATE(CGEBrowserView, CGEView)

CGEBrowserView::CGEBrowserView() : CGEBrowserGrid(this, nullptr, TRUE) {}

void CGEBrowserView::OnInitialUpdate() {
    gegridview::InitialUpdate(this, this);
    CGEView::OnInitialUpdate();
}

void CGEBrowserView::OnDraw(CDC* pDC) {
    gegridview::Draw(this, this, pDC);
}

void CGEBrowserView::OnUpdate(CView* pSender, LPARAM, CObject* pHint) {
    gegridview::Update(this, this, pSender, pHint);
}

void CGEBrowserView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {
    gegridview::BeginPrinting(this, pDC, pInfo);
}

void CGEBrowserView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
    gegridview::Print(this, pDC, pInfo);
}

void CGEBrowserView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) {
    gegridview::EndPrinting(this, pDC, pInfo);
}

LRESULT CGEBrowserView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (GEDispatchPluginMessage(this, message, wParam, lParam, &lResult))
        return lResult;
    return CGEView::WindowProc(message, wParam, lParam);
}

BOOL CGEBrowserView::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (GEPreDispatchGridMessage(this, this, message, wParam, lParam, pResult) ||
        CGEView::OnWndMsg(message, wParam, lParam, pResult))
        return TRUE;
    return GEDispatchGridMessage(this, this, message, wParam, lParam, pResult, FALSE);
}
