// CView: a child window of a frame that shows a document. It draws through OnDraw (on the screen, when
// printing and in print preview), hears of document changes through OnUpdate, and is the first to see
// the commands of its frame (then its document does).
//
// Views are made by the framework (CRuntimeClass::CreateObject) and delete themselves when their
// window is destroyed.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/win/CWnd.h"

class CDocument;
class CPrintInfo;
class CPrintPreviewState;
struct CCreateContext;

// Style of the views a frame creates for its documents.
#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    // Draws the view's contents (screen, printer or preview).
    virtual void OnDraw(CDC* pDC) = 0;
    // Sets up the device context before drawing (mapping mode, origin); pInfo when printing.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    // The document changed (pSender: the view that changed it; lHint/pHint: what changed). The
    // default redraws the whole view.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    // Once, after the view is attached to its document and before it is first shown.
    virtual void OnInitialUpdate();
    // The frame made this view active (bActivate) or another one.
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);

    // Commands go to the view, then to its document.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    CDocument* m_pDocument = nullptr;

protected:
    CView() = default;

    // Deletes the view object with its window.
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()
};
