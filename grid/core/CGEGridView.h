// CGEGridView: a grid as a view of a document. Hints that other views of the document send through the
// framework's update-all-views reach the grid's update-hint feature.
#pragma once

#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEView.h"

class CGEGridView : public CGEView, public CGEGridCore {
    DECLARE_DYNCREATE(CGEGridView)
public:
    CGEGridView();

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
