#include "framework/win/CPreviewView.h"

#include "framework/win/AfxRes.h"
#include "framework/win/CCmdUI.h"
#include "framework/win/CClientDC.h"
#include "framework/win/CControlBar.h"
#include "framework/win/CDialogBar.h"
#include "framework/win/CDocument.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CPreviewDC.h"
#include "framework/win/CPrintDialog.h"
#include "framework/win/CPrintInfo.h"
#include "framework/win/CPrintPreviewState.h"
#include "framework/win/CWinApp.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CPreviewView, CScrollView)

BEGIN_MESSAGE_MAP(CPreviewView, CScrollView)
ON_COMMAND(AFX_ID_PREVIEW_CLOSE, OnPreviewClose)
ON_COMMAND(AFX_ID_PREVIEW_PRINT, OnPreviewPrint)
ON_COMMAND(ID_FILE_PRINT, OnPreviewPrint)
ON_COMMAND(AFX_ID_PREVIEW_NEXT, OnNextPage)
ON_COMMAND(AFX_ID_PREVIEW_PREV, OnPrevPage)
ON_COMMAND(AFX_ID_PREVIEW_NUMPAGE, OnNumPageChange)
ON_COMMAND(AFX_ID_PREVIEW_ZOOMIN, OnZoomIn)
ON_COMMAND(AFX_ID_PREVIEW_ZOOMOUT, OnZoomOut)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_PRINT, OnUpdatePreviewPrint)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NEXT, OnUpdateNextPage)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_PREV, OnUpdatePrevPage)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NUMPAGE, OnUpdateNumPageChange)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMIN, OnUpdateZoomIn)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMOUT, OnUpdateZoomOut)
ON_WM_KEYDOWN()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

constexpr int kGap = 8;    // pixels around and between the pages
constexpr int kShadow = 3; // the pages' shadow

// Restores a DC's state on every way out of a page's drawing.
class SavedDC {
public:
    explicit SavedDC(HDC hDC) : m_hDC(hDC), m_nSaved(hDC != nullptr ? ::SaveDC(hDC) : 0) {}
    ~SavedDC() {
        if (m_nSaved != 0)
            ::RestoreDC(m_hDC, m_nSaved);
    }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC m_hDC;
    int m_nSaved;
};

} // namespace

CPreviewView::CPreviewView() = default;

CPreviewView::~CPreviewView() {
    // Not one of the document's views: the base class must not remove it from the document.
    m_pDocument = nullptr;
}

void CPreviewView::PostNcDestroy() {
    if (m_bSelfDelete)
        delete this;
}

// ---------------------------------------------------------------------------------------------------
// Start and end

BOOL CPreviewView::StartPreview(CFrameWnd* pFrame, CView* pPrintView, UINT nIDToolBar,
                                std::unique_ptr<CPrintPreviewState> pState) {
    // Until the window runs, this object is deleted here when anything fails.
    std::unique_ptr<CPreviewView> owner(this);
    if (pFrame == nullptr || pFrame->m_hWnd == nullptr || pPrintView == nullptr ||
        pPrintView->m_hWnd == nullptr || pFrame->m_pfnEndPreview != nullptr)
        return FALSE;
    m_pFrame = pFrame;
    m_pPrintView = pPrintView;
    m_hWndPrintView = pPrintView->m_hWnd;
    m_pPreviewState = pState != nullptr ? std::move(pState) : std::make_unique<CPrintPreviewState>();

    if (!PreparePrinting(pPrintView))
        return FALSE;
    auto endPrinting = [&] {
        m_bPrintingBegun = false;
        pPrintView->OnEndPrinting(m_pPreviewDC.get(), m_pPreviewInfo.get());
    };

    auto toolBar = std::make_unique<CDialogBar>();
    if (!toolBar->Create(pFrame, nIDToolBar, CBRS_TOP | WS_VISIBLE, AFX_IDW_PREVIEW_BAR)) {
        endPrinting();
        return FALSE;
    }
    toolBar->m_bAutoDelete = TRUE;
    m_pToolBar = toolBar.release();

    HideFrameParts(pFrame);
    if (!Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), pFrame, AFX_IDW_PANE_FIRST,
                nullptr)) {
        m_pToolBar->DestroyWindow();
        m_pToolBar = nullptr;
        RestoreFrameParts(pFrame);
        endPrinting();
        return FALSE;
    }
    m_bSelfDelete = true;
    owner.release();

    // The document's commands still work while previewing; the preview is not one of its views.
    m_pDocument = pPrintView->GetDocument();
    pFrame->m_pfnEndPreview = &CPreviewView::EndPreviewOfFrame;
    pFrame->SetActiveView(this);
    pFrame->RecalcLayout();
    LayoutPages();
    UpdateStatusText();
    return TRUE;
}

bool CPreviewView::PreparePrinting(CView* pPrintView) {
    m_pPreviewInfo = std::make_unique<CPrintInfo>();
    CPrintInfo* pInfo = m_pPreviewInfo.get();
    pInfo->m_bPreview = TRUE;
    if (CWinApp* pApp = AfxGetApp(); pApp != nullptr && pApp->m_nNumPreviewPages != 0)
        pInfo->m_nNumPreviewPages = pApp->m_nNumPreviewPages;
    if (!pPrintView->OnPreparePrinting(pInfo))
        return false;
    HDC hPrinterDC = pInfo->m_pPD->m_pd.hDC;
    if (hPrinterDC == nullptr)
        return false;
    // Until pages are drawn the preview DC is a plain printer DC.
    m_pPreviewDC = std::make_unique<CPreviewDC>();
    m_pPreviewDC->SetAttribDC(hPrinterDC);
    m_pPreviewDC->SetOutputDC(hPrinterDC);
    pPrintView->OnBeginPrinting(m_pPreviewDC.get(), pInfo);
    m_bPrintingBegun = true;

    m_nPages = std::clamp(pInfo->m_nNumPreviewPages, 1u, 2u);
    // The view may ask to open on another page than the first (m_nCurPage).
    m_nCurrentPage = std::max(pInfo->m_nCurPage, pInfo->GetMinPage());
    if (pInfo->GetMaxPage() >= pInfo->GetMinPage())
        m_nCurrentPage = std::min(m_nCurrentPage, pInfo->GetMaxPage());
    return true;
}

void CPreviewView::HideFrameParts(CFrameWnd* pFrame) {
    CPrintPreviewState& state = *m_pPreviewState;
    state.pViewActiveOld = pFrame->GetActiveView();
    state.hWndViewActive = state.pViewActiveOld != nullptr ? state.pViewActiveOld->m_hWnd : nullptr;
    // The bars go, except the status bar, which shows the page numbers, and the preview's own bar.
    for (CControlBar* pBar : CControlBar::FrameBars(pFrame)) {
        if (pBar == m_pToolBar || pBar->IsDockBar() || !pBar->IsVisible() ||
            ::GetDlgCtrlID(pBar->m_hWnd) == AFX_IDW_STATUS_BAR)
            continue;
        state.hiddenBars.push_back(pBar->m_hWnd);
        pFrame->ShowControlBar(pBar, FALSE, FALSE);
    }
    // The pane (the view, or the splitter that holds it) steps aside for the preview.
    state.hWndPane = ::GetDlgItem(pFrame->m_hWnd, AFX_IDW_PANE_FIRST);
    if (state.hWndPane != nullptr) {
        state.nIDPane = AFX_IDW_PANE_FIRST;
        ::SetWindowLongPtrA(state.hWndPane, GWLP_ID, AFX_IDW_PANE_SAVE);
        ::ShowWindow(state.hWndPane, SW_HIDE);
    }
}

void CPreviewView::RestoreFrameParts(CFrameWnd* pFrame) {
    CPrintPreviewState& state = *m_pPreviewState;
    if (m_hWnd != nullptr)
        ::SetWindowLongPtrA(m_hWnd, GWLP_ID, 0);
    if (state.hWndPane != nullptr && ::IsWindow(state.hWndPane)) {
        ::SetWindowLongPtrA(state.hWndPane, GWLP_ID, static_cast<LONG_PTR>(state.nIDPane));
        ::ShowWindow(state.hWndPane, SW_SHOW);
    }
    for (HWND hWndBar : state.hiddenBars) {
        if (auto* pBar = dynamic_cast<CControlBar*>(CWnd::FromHandlePermanent(hWndBar)))
            pFrame->ShowControlBar(pBar, TRUE, FALSE);
    }
    state.hiddenBars.clear();
    // Only a view that is still there becomes active again.
    CView* pViewOld = state.pViewActiveOld;
    const bool oldAlive = pViewOld != nullptr && CWnd::FromHandlePermanent(state.hWndViewActive) == pViewOld;
    if (pFrame->GetActiveView() == this || pFrame->GetActiveView() == nullptr)
        pFrame->SetActiveView(oldAlive ? pViewOld : nullptr);
    pFrame->RecalcLayout();
}

void CPreviewView::EndPreview() {
    if (m_bEnded)
        return;
    m_bEnded = true;
    m_bPrintingBegun = false;
    CFrameWnd* pFrame = m_pFrame;
    if (pFrame->m_pfnEndPreview == &CPreviewView::EndPreviewOfFrame)
        pFrame->m_pfnEndPreview = nullptr;
    if (m_pToolBar != nullptr && m_pToolBar->m_hWnd != nullptr)
        m_pToolBar->DestroyWindow();
    m_pToolBar = nullptr;
    RestoreFrameParts(pFrame);
    m_pDocument = nullptr;
    DestroyWindow(); // deletes this object
    pFrame->RecalcLayout();
}

void CPreviewView::EndPreviewOfFrame(CFrameWnd* pFrame) {
    HWND hWndPane = ::GetDlgItem(pFrame->m_hWnd, AFX_IDW_PANE_FIRST);
    if (auto* pView = dynamic_cast<CPreviewView*>(CWnd::FromHandlePermanent(hWndPane))) {
        pView->OnPreviewClose();
        // A print view that kept its preview open cannot keep it past the frame.
        if (CWnd::FromHandlePermanent(hWndPane) == pView)
            pView->EndPreview();
    }
    pFrame->m_pfnEndPreview = nullptr;
}

void CPreviewView::OnDestroy() {
    // Destroyed without EndPreview (its frame went first): the printing still ends.
    if (!m_bEnded) {
        m_bEnded = true;
        if (m_pFrame != nullptr && m_pFrame->m_pfnEndPreview == &CPreviewView::EndPreviewOfFrame)
            m_pFrame->m_pfnEndPreview = nullptr;
        if (m_bPrintingBegun && CWnd::FromHandlePermanent(m_hWndPrintView) == m_pPrintView) {
            m_bPrintingBegun = false;
            m_pPreviewDC->SetOutputDC(m_pPreviewDC->m_hAttribDC);
            m_pPrintView->OnEndPrinting(m_pPreviewDC.get(), m_pPreviewInfo.get());
        }
    }
    m_pDocument = nullptr;
    CScrollView::OnDestroy();
}

// ---------------------------------------------------------------------------------------------------
// Commands

void CPreviewView::OnPreviewClose() {
    if (m_bEnded)
        return;
    m_pPreviewDC->SetOutputDC(m_pPreviewDC->m_hAttribDC);
    m_pPrintView->OnEndPrintPreview(m_pPreviewDC.get(), m_pPreviewInfo.get(), CPoint(0, 0), this);
}

void CPreviewView::OnPreviewPrint() {
    CView* pPrintView = m_pPrintView;
    HWND hWndPrintView = m_hWndPrintView;
    OnPreviewClose(); // this object is gone now
    if (CWnd::FromHandlePermanent(hWndPrintView) == pPrintView)
        pPrintView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
}

void CPreviewView::OnNextPage() {
    // Only while a page follows those shown.
    if (PageExists(m_nCurrentPage + PagesShownNow()))
        SetCurrentPage(m_nCurrentPage + 1);
}

void CPreviewView::OnPrevPage() {
    SetCurrentPage(m_nCurrentPage > 1 ? m_nCurrentPage - 1 : 1);
}

void CPreviewView::OnNumPageChange() {
    m_nPages = m_nPages == 1 ? 2 : 1;
    m_pPreviewInfo->m_nNumPreviewPages = m_nPages;
    // The choice is the program's for the next preview (kept with its settings).
    if (CWinApp* pApp = AfxGetApp())
        pApp->m_nNumPreviewPages = m_nPages;
    LayoutPages();
    Invalidate(TRUE);
    UpdateStatusText();
}

void CPreviewView::OnZoomIn() {
    if (m_nZoomState >= zoomIn2)
        return;
    if (m_nZoomState == zoomOut) {
        // The first step shows the page larger than it fits, at least at its real size on the screen.
        LayoutPages();
        const int fitted = m_rectPages[0].Width();
        const CSize paper = PaperSize();
        const int printerPPI = std::max(1, m_pPreviewDC->GetDeviceCaps(LOGPIXELSX));
        const int fittedPPI = ::MulDiv(fitted, printerPPI, std::max(1, static_cast<int>(paper.cx)));
        CClientDC screen(nullptr);
        m_nZoomBase = std::max(screen.GetDeviceCaps(LOGPIXELSX), fittedPPI * 3 / 2);
    }
    ++m_nZoomState;
    LayoutPages();
    ScrollToPosition(CPoint(0, 0));
    Invalidate(TRUE);
    UpdateStatusText();
}

void CPreviewView::OnZoomOut() {
    if (m_nZoomState == zoomOut)
        return;
    --m_nZoomState;
    LayoutPages();
    ScrollToPosition(CPoint(0, 0));
    Invalidate(TRUE);
    UpdateStatusText();
}

void CPreviewView::OnUpdatePreviewPrint(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
}

void CPreviewView::OnUpdateNextPage(CCmdUI* pCmdUI) {
    pCmdUI->Enable(PageExists(m_nCurrentPage + PagesShownNow()));
}

void CPreviewView::OnUpdatePrevPage(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_nCurrentPage > m_pPreviewInfo->GetMinPage());
}

void CPreviewView::OnUpdateNumPageChange(CCmdUI* pCmdUI) {
    CString text;
    text.LoadString(m_nPages == 1 ? AFX_IDS_TWOPAGE : AFX_IDS_ONEPAGE);
    pCmdUI->SetText(text);
    pCmdUI->Enable(m_nZoomState == zoomOut);
}

void CPreviewView::OnUpdateZoomIn(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_nZoomState < zoomIn2);
}

void CPreviewView::OnUpdateZoomOut(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_nZoomState > zoomOut);
}

void CPreviewView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    switch (nChar) {
    case VK_ESCAPE:
        // Through the frame's queue: the preview must not destroy itself inside its own key message.
        m_pFrame->PostMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE);
        return;
    case VK_NEXT:
        OnNextPage();
        return;
    case VK_PRIOR:
        OnPrevPage();
        return;
    default:
        CScrollView::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

void CPreviewView::OnSize(UINT nType, int cx, int cy) {
    CScrollView::OnSize(nType, cx, cy);
    LayoutPages();
}

BOOL CPreviewView::OnEraseBkgnd(CDC*) {
    return TRUE; // OnDraw paints all of the window
}

// ---------------------------------------------------------------------------------------------------
// Pages

void CPreviewView::SetCurrentPage(UINT nPage) {
    nPage = std::max(nPage, m_pPreviewInfo->GetMinPage());
    while (nPage > m_pPreviewInfo->GetMinPage() && !PageExists(nPage))
        --nPage;
    if (nPage == m_nCurrentPage)
        return;
    m_nCurrentPage = nPage;
    LayoutPages();
    Invalidate(TRUE);
    UpdateStatusText();
}

bool CPreviewView::PageExists(UINT nPage) {
    CPrintInfo& info = *m_pPreviewInfo;
    if (nPage < info.GetMinPage() || nPage > info.GetMaxPage() || nPage >= m_nFirstMissingPage)
        return false;
    if (info.GetMaxPage() != 0xFFFF)
        return true;
    // The number of pages is not known: the view tells while it prepares the page.
    SavedDC saved(m_pPreviewDC->m_hAttribDC);
    m_pPreviewDC->SetOutputDC(m_pPreviewDC->m_hAttribDC);
    const UINT nCurPage = info.m_nCurPage;
    info.m_nCurPage = nPage;
    info.m_bContinuePrinting = TRUE;
    m_pPrintView->OnPrepareDC(m_pPreviewDC.get(), &info);
    const bool exists = info.m_bContinuePrinting != FALSE;
    info.m_nCurPage = nCurPage;
    if (!exists)
        m_nFirstMissingPage = std::min(m_nFirstMissingPage, nPage);
    return exists;
}

UINT CPreviewView::PagesShownNow() {
    if (m_nZoomState != zoomOut || m_nPages == 1)
        return 1;
    return PageExists(m_nCurrentPage + 1) ? 2 : 1;
}

CSize CPreviewView::PaperSize() const {
    const CDC& printer = *m_pPreviewDC;
    CSize paper(printer.GetDeviceCaps(PHYSICALWIDTH), printer.GetDeviceCaps(PHYSICALHEIGHT));
    if (paper.cx <= 0 || paper.cy <= 0)
        paper = CSize(printer.GetDeviceCaps(HORZRES), printer.GetDeviceCaps(VERTRES));
    return CSize(std::max(1, static_cast<int>(paper.cx)), std::max(1, static_cast<int>(paper.cy)));
}

CPoint CPreviewView::PrintableOffset() const {
    const CDC& printer = *m_pPreviewDC;
    return CPoint(std::max(0, printer.GetDeviceCaps(PHYSICALOFFSETX)),
                  std::max(0, printer.GetDeviceCaps(PHYSICALOFFSETY)));
}

void CPreviewView::LayoutPages() {
    if (m_hWnd == nullptr || m_pPreviewDC == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    const CSize paper = PaperSize();
    // The paper in inches (hundredths) keeps its shape on the screen whatever the printer's resolution.
    const int ppiX = std::max(1, m_pPreviewDC->GetDeviceCaps(LOGPIXELSX));
    const int ppiY = std::max(1, m_pPreviewDC->GetDeviceCaps(LOGPIXELSY));
    const double widthInches = static_cast<double>(paper.cx) / ppiX;
    const double heightInches = static_cast<double>(paper.cy) / ppiY;

    m_nPagesLaidOut = PagesShownNow();
    const int count = static_cast<int>(m_nPagesLaidOut);
    double pixelsPerInch = 0;
    if (m_nZoomState == zoomOut) {
        const double byWidth =
            (client.Width() - kGap * (count + 1) - kShadow * count) / (count * widthInches);
        const double byHeight = (client.Height() - 2 * kGap - kShadow) / heightInches;
        pixelsPerInch = std::max(1.0, std::min(byWidth, byHeight));
    } else {
        pixelsPerInch = static_cast<double>(m_nZoomBase) * (m_nZoomState == zoomIn1 ? 1 : 2);
    }
    const int pageWidth = std::max(1, static_cast<int>(widthInches * pixelsPerInch));
    const int pageHeight = std::max(1, static_cast<int>(heightInches * pixelsPerInch));
    const int totalWidth = count * (pageWidth + kShadow) + (count + 1) * kGap;
    const int totalHeight = pageHeight + kShadow + 2 * kGap;
    const int left = std::max(0, (client.Width() - totalWidth) / 2) + kGap;
    const int top = std::max(0, (client.Height() - totalHeight) / 2) + kGap;
    for (int i = 0; i < 2; ++i) {
        if (i < count) {
            const int x = left + i * (pageWidth + kShadow + kGap);
            m_rectPages[i] = CRect(x, top, x + pageWidth, top + pageHeight);
        } else {
            m_rectPages[i].SetRectEmpty();
        }
    }
    // Zoomed in, the page scrolls; fitted, nothing does.
    if (m_nZoomState == zoomOut)
        SetScrollSizes(MM_TEXT, CSize(1, 1));
    else
        SetScrollSizes(MM_TEXT, CSize(totalWidth, totalHeight));
}

CRect CPreviewView::GetPageRect(int nIndex) const {
    if (nIndex < 0 || nIndex >= static_cast<int>(m_nPagesLaidOut))
        return CRect();
    CRect rect = m_rectPages[nIndex];
    const CPoint scroll = GetDeviceScrollPosition();
    rect.OffsetRect(-scroll.x, -scroll.y);
    return rect;
}

CString CPreviewView::GetPageDescription() const {
    // "one page\ntwo pages\nsuffix": the suffix (a view may append one) follows either form.
    const CString& desc = m_pPreviewInfo->m_strPageDesc;
    const int first = desc.Find('\n');
    const int second = first < 0 ? -1 : desc.Find('\n', first + 1);
    const CString onePage = first < 0 ? desc : desc.Left(first);
    const CString twoPages =
        first < 0 ? desc : desc.Mid(first + 1, (second < 0 ? desc.GetLength() : second) - first - 1);
    const CString suffix = second < 0 ? CString() : desc.Mid(second + 1);
    CString text;
    if (m_nPagesLaidOut == 2)
        text.Format(twoPages, m_nCurrentPage, m_nCurrentPage + 1);
    else
        text.Format(onePage, m_nCurrentPage);
    return text + suffix;
}

void CPreviewView::UpdateStatusText() {
    if (m_pFrame != nullptr)
        m_pFrame->SetMessageText(GetPageDescription());
}

// ---------------------------------------------------------------------------------------------------
// Drawing

void CPreviewView::OnDraw(CDC* pDC) {
    if (m_pPreviewDC == nullptr || m_bEnded)
        return;
    if (m_nPagesLaidOut != PagesShownNow())
        LayoutPages();
    CRect area;
    pDC->GetClipBox(&area);
    pDC->FillSolidRect(&area, ::GetSysColor(COLOR_APPWORKSPACE));
    for (UINT i = 0; i < m_nPagesLaidOut; ++i) {
        const UINT nPage = m_nCurrentPage + i;
        if (!PageExists(nPage))
            break;
        const CRect page = m_rectPages[i];
        CRect shadow = page;
        shadow.OffsetRect(kShadow, kShadow);
        pDC->FillSolidRect(&shadow, ::GetSysColor(COLOR_BTNSHADOW));
        pDC->FillSolidRect(&page, RGB(255, 255, 255));
        CRect device = page;
        pDC->LPtoDP(&device);
        if (!DrawPage(pDC, nPage, device))
            break;
    }
}

bool CPreviewView::DrawPage(CDC* pDC, UINT nPage, const CRect& rectPage) {
    CPrintInfo& info = *m_pPreviewInfo;
    CPreviewDC& dc = *m_pPreviewDC;
    HDC hScreen = pDC->m_hDC;
    SavedDC savedScreen(hScreen);
    SavedDC savedPrinter(dc.m_hAttribDC);
    // Nothing of the page leaves its paper on the screen.
    ::SetMapMode(hScreen, MM_TEXT);
    ::SetViewportOrgEx(hScreen, 0, 0, nullptr);
    ::SetWindowOrgEx(hScreen, 0, 0, nullptr);
    ::IntersectClipRect(hScreen, rectPage.left, rectPage.top, rectPage.right, rectPage.bottom);

    struct OutputBack {
        CPreviewDC& dc;
        ~OutputBack() { dc.SetOutputDC(dc.m_hAttribDC); }
    } outputBack{dc};
    dc.SetOutputDC(hScreen);
    dc.SetScaleRect(rectPage, PaperSize(), PrintableOffset());

    info.m_nCurPage = nPage;
    info.m_bContinuePrinting = TRUE;
    m_pPrintView->OnPrepareDC(&dc, &info);
    if (!info.m_bContinuePrinting) {
        m_nFirstMissingPage = std::min(m_nFirstMissingPage, nPage);
        return false;
    }
    // A view that set the mapping on the screen DC itself still gets the printer's, scaled.
    dc.MirrorMappingMode();
    info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
    dc.DPtoLP(&info.m_rectDraw);
    m_pPrintView->OnPrint(&dc, &info);
    // A view that clears the flag while printing says this page is its last.
    if (!info.m_bContinuePrinting && nPage + 1 < m_nFirstMissingPage)
        m_nFirstMissingPage = nPage + 1;
    return true;
}
