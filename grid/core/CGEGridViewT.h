// CGEGridViewT: a grid of class TGrid (CGEGridCore or CGEBrowserGrid) as a view of a document, the
// common part of CGEGridView and CGEBrowserView. The view's messages go to the grid after the message
// maps; other views' hints reach the grid's update-hint feature.
#pragma once

#include "framework/win/CDC.h"
#include "grid/core/CGEView.h"
#include "grid/core/GEGridMessages.h"

template <class TGrid> class CGEGridViewT : public CGEView, public TGrid {
public:
    CGEGridCore* GetViewGrid() override { return this; }

    // The document, the sending view and the scroll bars; then the grid's initialisation.
    void OnInitialUpdate() override {
        this->SetGridDocument(GetDocument());
        this->m_pSendingView = this;
        GETakeScrollBarModes(this, this);
        if (!this->IsInitialized())
            this->OnGridInitialUpdate();
        this->UpdateScrollbars();
        CGEView::OnInitialUpdate();
    }
    // Pages are printed through OnPrint; the screen through the grid's paint.
    void OnDraw(CDC* pDC) override {
        if (!pDC->IsPrinting())
            this->OnGridDraw(pDC);
    }
    // A hint goes to the update-hint feature; an update without one redraws the grid.
    void OnUpdate(CView* pSender, LPARAM, CObject* pHint) override {
        if (pSender == this)
            return;
        if (pHint != nullptr)
            this->OnHint(pHint);
        else
            this->Redraw(GE_INVALIDATE, FALSE);
    }
    // A page is mapped so that one logical unit is one screen pixel (the preview gives every page a new
    // mapping).
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override {
        CGEView::OnPrepareDC(pDC, pInfo);
        if (pInfo != nullptr)
            this->PrepareDC(pDC, pInfo);
    }
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override { this->BeginGridPrinting(pDC, pInfo); }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override { this->PrintGridPage(pDC, pInfo); }
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override { this->EndGridPrinting(pDC, pInfo); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        LRESULT lResult = 0;
        if (GEDispatchPluginMessage(this, message, wParam, lParam, &lResult))
            return lResult;
        return CGEView::WindowProc(message, wParam, lParam);
    }
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        if (GEPreDispatchGridMessage(this, this, message, wParam, lParam, pResult) ||
            CGEView::OnWndMsg(message, wParam, lParam, pResult))
            return TRUE;
        return GEDispatchGridMessage(this, this, message, wParam, lParam, pResult, FALSE);
    }

protected:
    CGEGridViewT() : TGrid(this, nullptr, TRUE) {}
};
