// CGEBrowserView: a record-browser grid as a view of a document; the base of the program's list views.
#pragma once

#include "grid/core/CGEBrowserGrid.h"
#include "grid/core/CGEView.h"

class CGEBrowserView : public CGEView, public CGEBrowserGrid {
    DECLARE_DYNCREATE(CGEBrowserView)
public:
    CGEBrowserView();

    CGEGridCore* GetViewGrid() override { return this; }
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
