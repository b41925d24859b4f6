// CPreviewView: print preview. While it runs it is the frame's view: the frame's pane and its other
// bars are hidden (the status bar stays and shows the page numbers), a tool bar with the preview's
// buttons sits on top, and the pages of the print view are drawn scaled onto the screen through a
// CPreviewDC whose attribute DC is the printer's. One or two pages side by side, page by page, zoomed
// in twice; "Print" closes the preview and prints, "Close" (or Escape) gives the frame back its pane,
// bars and active view.
//
// Made by CView::DoPrintPreview; deletes itself with its window.
#pragma once

#include "framework/core/CRect.h"
#include "framework/core/CSize.h"
#include "framework/core/CString.h"
#include "framework/win/CScrollView.h"

#include <memory>

class CDialogBar;
class CFrameWnd;
class CPreviewDC;
class CPrintInfo;
class CPrintPreviewState;

class CPreviewView : public CScrollView {
    DECLARE_DYNCREATE(CPreviewView)
public:
    CPreviewView();
    ~CPreviewView() override;

    // Takes over pFrame for a preview of pPrintView: runs pPrintView->OnPreparePrinting and
    // OnBeginPrinting, creates the tool bar from dialog template nIDToolBar and this window. On failure
    // the frame stays as it was, this object is deleted and the result is FALSE.
    BOOL StartPreview(CFrameWnd* pFrame, CView* pPrintView, UINT nIDToolBar,
                      std::unique_ptr<CPrintPreviewState> pState);
    // Gives the frame back what the preview took and destroys the preview (this object too). The
    // printing was ended before (CView::OnEndPrintPreview calls this after OnEndPrinting).
    void EndPreview();

    CView* GetPrintView() const { return m_pPrintView; }
    CPrintInfo* GetPrintInfo() const { return m_pPreviewInfo.get(); }
    CDialogBar* GetToolBar() const { return m_pToolBar; }
    // The first page shown, and how many are shown side by side (1 or 2).
    UINT GetCurrentPage() const { return m_nCurrentPage; }
    UINT GetPagesShown() const { return m_nPages; }
    // 0 the whole page fits the window; 1 and 2 zoomed in.
    int GetZoomState() const { return m_nZoomState; }
    // Shows nPage first (kept within the document's pages).
    void SetCurrentPage(UINT nPage);
    // The status text: the print information's page description for the pages shown.
    CString GetPageDescription() const;
    // Where page nIndex (0 or 1) of those shown lies, in the window's client coordinates (empty when
    // that page is not shown).
    CRect GetPageRect(int nIndex) const;

    void OnDraw(CDC* pDC) override;

    // The frame closes or goes away while previewing: the preview ends first.
    static void EndPreviewOfFrame(CFrameWnd* pFrame);

    enum { zoomOut = 0, zoomIn1 = 1, zoomIn2 = 2 };

protected:
    afx_msg void OnPreviewClose();
    afx_msg void OnPreviewPrint();
    afx_msg void OnNextPage();
    afx_msg void OnPrevPage();
    afx_msg void OnNumPageChange();
    afx_msg void OnZoomIn();
    afx_msg void OnZoomOut();
    afx_msg void OnUpdateNextPage(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePrevPage(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNumPageChange(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoomIn(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoomOut(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePreviewPrint(CCmdUI* pCmdUI);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnDestroy();

    // Deleted with its window once the preview runs; before that StartPreview owns it.
    void PostNcDestroy() override;

    DECLARE_MESSAGE_MAP()

private:
    bool PreparePrinting(CView* pPrintView);
    void HideFrameParts(CFrameWnd* pFrame);
    void RestoreFrameParts(CFrameWnd* pFrame);
    // Whether page nPage exists: within the print view's page range and not past a page the view said
    // was its last (asked through OnPrepareDC when the number of pages is not known).
    bool PageExists(UINT nPage);
    // How many pages are shown now (1 or 2).
    UINT PagesShownNow();
    // The paper's size in printer pixels and the origin of the printable area on it.
    CSize PaperSize() const;
    CPoint PrintableOffset() const;
    // Page rectangles for the window's size, the zoom and the page count (in scrolled coordinates).
    void LayoutPages();
    // Draws page nPage into rectPage (device units of pDC's window) through the preview DC. FALSE when
    // the view says the page does not exist.
    bool DrawPage(CDC* pDC, UINT nPage, const CRect& rectPage);
    void UpdateStatusText();

    CView* m_pPrintView = nullptr;
    CFrameWnd* m_pFrame = nullptr;
    std::unique_ptr<CPrintPreviewState> m_pPreviewState;
    std::unique_ptr<CPrintInfo> m_pPreviewInfo;
    std::unique_ptr<CPreviewDC> m_pPreviewDC;
    CDialogBar* m_pToolBar = nullptr; // deletes itself with its window
    HWND m_hWndPrintView = nullptr;
    bool m_bPrintingBegun = false;
    bool m_bEnded = false;
    bool m_bSelfDelete = false;
    int m_nZoomBase = 0; // pixels per inch of the first zoom step

    UINT m_nCurrentPage = 1;
    UINT m_nPages = 1;
    int m_nZoomState = zoomOut;
    UINT m_nFirstMissingPage = 0xFFFF; // the view said this page does not exist (0xFFFF: none yet)
    CRect m_rectPages[2];              // in scrolled coordinates
    UINT m_nPagesLaidOut = 0;
};
