// CPrintInfo: what one print job or print preview knows of itself. The view's printing members
// (CView::OnPreparePrinting .. OnEndPrinting) and the preview read and fill it: the page range, the page
// being printed, the part of the page to draw into, whether printing goes on, and the print dialog that
// chose the printer, the pages and the selection.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CRect.h"
#include "framework/core/CString.h"

#include <memory>

class CPrintDialog;

class CPrintInfo {
public:
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    // The page range of the document (the print dialog's nMinPage..nMaxPage). A maximum of 0xFFFF
    // means the number of pages is not known before printing.
    void SetMinPage(UINT nMinPage);
    void SetMaxPage(UINT nMaxPage);
    UINT GetMinPage() const;
    UINT GetMaxPage() const;
    // The pages chosen to print (the whole range unless the user chose "Pages").
    UINT GetFromPage() const;
    UINT GetToPage() const;
    // The offset of the pages in the preview: the first page shown lies this far from the first page.
    UINT GetOffsetPage() const;

    // The dialog the printing runs (owned). Its m_pd.hDC is the printer's device context once
    // CView::DoPreparePrinting chose a printer; this object deletes that DC.
    CPrintDialog* m_pPD = nullptr;
    BOOL m_bDocObject = FALSE;
    BOOL m_bDirect = FALSE;          // print without the print dialog
    BOOL m_bPreview = FALSE;         // print preview rather than printing
    BOOL m_bContinuePrinting = TRUE; // cleared to stop after the current page
    UINT m_nCurPage = 1;             // the page being prepared and printed
    UINT m_nNumPreviewPages = 1;     // 1 or 2 pages side by side in the preview
    CString m_strPageDesc;           // the preview's status text: "one page\ntwo pages\n"
    LPVOID m_lpUserData = nullptr;   // the view's own data for the job
    CRect m_rectDraw;                // the printable area of the current page, in logical units
    UINT m_nOffsetPage = 0;          // see GetOffsetPage
    UINT m_nJobNumber = 0;           // the job's number from StartDoc

private:
    std::unique_ptr<CPrintDialog> m_dialog;
};
