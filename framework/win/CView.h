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
class CPreviewView;
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
    // Sets up the device context before drawing (mapping mode, origin); pInfo when printing, where it
    // also says whether page pInfo->m_nCurPage exists (m_bContinuePrinting). The default: the pages up
    // to the maximum page, or only the first when the number of pages is not known.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    // The document changed (pSender: the view that changed it; lHint/pHint: what changed). The
    // default redraws the whole view.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    // Once, after the view is attached to its document and before it is first shown.
    virtual void OnInitialUpdate();
    // The frame made this view active (bActivate) or another one.
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);

    // ---- printing and print preview ----
    // Printing runs OnPreparePrinting (the view sets its page range and calls DoPreparePrinting),
    // OnBeginPrinting once, then OnPrepareDC and OnPrint for each page, and OnEndPrinting once. Print
    // preview runs the same steps with a preview DC that draws onto the screen and measures on the
    // printer.
    //
    // Chooses the printer: the print dialog (unless pInfo->m_bDirect or m_bPreview: the program's
    // printer as it is) and its device context in pInfo->m_pPD->m_pd.hDC. FALSE when the user cancels
    // or when there is no printer (the user is told).
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    // The default calls DoPreparePrinting.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    // Once before the first page (allocate fonts, count pages: SetMaxPage).
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    // One page, pInfo->m_nCurPage, into pInfo->m_rectDraw. The default draws the view (OnDraw).
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    // Once after the last page, also when printing failed or was cancelled after OnBeginPrinting.
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // The preview pView closes: the default ends the printing (OnEndPrinting) and gives the frame
    // back its view and bars.
    virtual void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView);
    // Replaces the frame's view by a preview of pPrintView (pPreviewViewClass: CPreviewView or a class
    // derived from it) with the tool bar of dialog template nIDResource. Takes pState (the frame's
    // state to restore afterwards, may be nullptr). FALSE when the preview could not start.
    BOOL DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
                        CPrintPreviewState* pState);

    // Command handlers for the view's message map: ID_FILE_PRINT and ID_FILE_PRINT_DIRECT (which
    // prints on the program's printer without the dialog), ID_FILE_PRINT_PREVIEW.
    afx_msg void OnFilePrint();
    afx_msg void OnFilePrintPreview();

    // Commands go to the view, then to its document.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    CDocument* m_pDocument = nullptr;

protected:
    CView() = default;

    // The print job's calls on the printer (StartDoc, StartPage, EndPage, EndDoc, AbortDoc on pDC; the
    // system's results), in one place so that a job can be sent elsewhere than to a printer.
    enum PrintJobStep { jobStartDoc, jobStartPage, jobEndPage, jobEndDoc, jobAbortDoc };
    virtual int PrintJobCall(CDC* pDC, PrintJobStep step, DOCINFOA* pDocInfo);

    // Deletes the view object with its window.
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()
};
