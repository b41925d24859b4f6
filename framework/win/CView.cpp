#include "framework/win/CView.h"

#include "framework/win/AfxPriv.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CCreateContext.h"
#include "framework/win/CDocument.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CPreviewView.h"
#include "framework/win/CPrintDialog.h"
#include "framework/win/CPrintInfo.h"
#include "framework/win/CPrintPreviewState.h"
#include "framework/win/CWinApp.h"

#include <algorithm>
#include <memory>

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_MOUSEACTIVATE()
ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
END_MESSAGE_MAP()

namespace {

// The DC of WM_PAINT for the life of the scope.
class PaintScope {
public:
    explicit PaintScope(HWND hWnd) : m_hWnd(hWnd) { m_dc.Attach(::BeginPaint(hWnd, &m_ps)); }
    ~PaintScope() {
        m_dc.Detach();
        ::EndPaint(m_hWnd, &m_ps);
    }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    CDC* dc() { return &m_dc; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
    CDC m_dc;
};

} // namespace

CView::~CView() {
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCTA& cs) {
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                                           ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    // A border asked for as WS_BORDER is drawn as the sunken client edge of current windows.
    if (cs.style & WS_BORDER) {
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
        cs.style &= ~WS_BORDER;
    }
    return TRUE;
}

void CView::PostNcDestroy() {
    delete this;
}

int CView::OnCreate(LPCREATESTRUCTA lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    const auto* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (pContext != nullptr && pContext->m_pCurrentDoc != nullptr)
        pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy() {
    // The frame must not keep a view that is going as its active view.
    if (CFrameWnd* pFrame = GetParentFrame()) {
        if (pFrame->GetActiveView() == this)
            pFrame->SetActiveView(nullptr, FALSE);
    }
    CWnd::OnDestroy();
}

void CView::OnPaint() {
    PaintScope paint(m_hWnd);
    OnPrepareDC(paint.dc());
    OnDraw(paint.dc());
}

void CView::OnPrepareDC(CDC*, CPrintInfo* pInfo) {
    // A document whose length is not known prints its first page only, unless the view says more.
    if (pInfo != nullptr) {
        if (pInfo->GetMaxPage() == 0xFFFF)
            pInfo->m_bContinuePrinting = pInfo->m_nCurPage == 1;
        else
            pInfo->m_bContinuePrinting = pInfo->m_nCurPage <= pInfo->GetMaxPage();
    }
}

void CView::OnUpdate(CView* pSender, LPARAM, CObject*) {
    if (pSender != this)
        Invalidate(TRUE);
}

void CView::OnInitialUpdate() {
    OnUpdate(nullptr, 0, nullptr);
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM) {
    OnInitialUpdate();
    return 0;
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*) {
    // The active view of the active frame holds the focus.
    if (bActivate && pActivateView == this) {
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != nullptr && pFrame->GetActiveView() == this && ::GetActiveWindow() != nullptr &&
            ::IsChild(::GetActiveWindow(), m_hWnd))
            SetFocus();
    }
}

void CView::OnActivateFrame(UINT, CFrameWnd*) {}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
    const int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT)
        return nResult;
    if (CFrameWnd* pFrame = GetParentFrame()) {
        if (pFrame->GetActiveView() != this)
            pFrame->SetActiveView(this);
    }
    return nResult;
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument != nullptr && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---------------------------------------------------------------------------------------------------
// Printing

namespace {

// The printer DC of a job in a CDC for its length; the print information deletes the DC itself.
class BorrowedDC {
public:
    explicit BorrowedDC(HDC hDC) {
        m_dc.Attach(hDC);
        m_dc.m_bPrinting = TRUE;
    }
    ~BorrowedDC() { m_dc.Detach(); }
    BorrowedDC(const BorrowedDC&) = delete;
    BorrowedDC& operator=(const BorrowedDC&) = delete;
    CDC* dc() { return &m_dc; }

private:
    CDC m_dc;
};

// Calls OnEndPrinting on every way out once OnBeginPrinting ran.
class EndPrintingScope {
public:
    EndPrintingScope(CView* pView, CDC* pDC, CPrintInfo* pInfo)
        : m_pView(pView), m_pDC(pDC), m_pInfo(pInfo) {}
    ~EndPrintingScope() { m_pView->OnEndPrinting(m_pDC, m_pInfo); }
    EndPrintingScope(const EndPrintingScope&) = delete;
    EndPrintingScope& operator=(const EndPrintingScope&) = delete;

private:
    CView* m_pView;
    CDC* m_pDC;
    CPrintInfo* m_pInfo;
};

// The dialog refuses a page range outside the document's pages.
void ClampPageRange(PRINTDLGA& pd) {
    if (pd.nMaxPage < pd.nMinPage)
        pd.nMaxPage = pd.nMinPage;
    pd.nFromPage = std::clamp(pd.nFromPage, pd.nMinPage, pd.nMaxPage);
    pd.nToPage = std::clamp(pd.nToPage, pd.nFromPage, pd.nMaxPage);
}

} // namespace

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo) {
    CWinApp* pApp = AfxGetApp();
    CPrintDialog* pPD = pInfo->m_pPD;
    PRINTDLGA& pd = pPD->m_pd;
    ClampPageRange(pd);
    // Without any printer there is nothing to choose from: say so rather than show a dialog that fails.
    PRINTDLGA probe{};
    probe.lStructSize = sizeof probe;
    if (pApp == nullptr || !pApp->GetPrinterDeviceDefaults(&probe)) {
        AfxMessageBox(AFX_IDP_NO_PRINTER);
        return FALSE;
    }
    if (pInfo->m_bPreview || pInfo->m_bDirect) {
        // The program's printer as it is, all pages.
        pd.hDevNames = probe.hDevNames;
        pd.hDevMode = probe.hDevMode;
        if (pd.hDC == nullptr && pPD->CreatePrinterDC() == nullptr) {
            AfxMessageBox(AFX_IDP_FAILED_TO_START_PRINT);
            return FALSE;
        }
    } else {
        if (pApp->DoPrintDialog(pPD) != IDOK)
            return FALSE;
        if (pd.hDC == nullptr && pPD->CreatePrinterDC() == nullptr) {
            AfxMessageBox(AFX_IDP_FAILED_TO_START_PRINT);
            return FALSE;
        }
    }
    if (!pPD->PrintRange()) {
        pd.nFromPage = pd.nMinPage;
        pd.nToPage = pd.nMaxPage;
    }
    return TRUE;
}

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo) {
    return DoPreparePrinting(pInfo);
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrint(CDC* pDC, CPrintInfo*) {
    OnDraw(pDC);
}

void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

void CView::OnFilePrint() {
    CPrintInfo printInfo;
    const MSG* pMsg = GetCurrentMessage();
    if (pMsg != nullptr && pMsg->message == WM_COMMAND && LOWORD(pMsg->wParam) == ID_FILE_PRINT_DIRECT)
        printInfo.m_bDirect = TRUE;
    if (!OnPreparePrinting(&printInfo))
        return;
    HDC hPrinterDC = printInfo.m_pPD->m_pd.hDC;
    if (hPrinterDC == nullptr) {
        AfxMessageBox(AFX_IDP_FAILED_TO_START_PRINT);
        return;
    }
    BorrowedDC printer(hPrinterDC);
    CDC* pDC = printer.dc();

    CString title = m_pDocument != nullptr ? m_pDocument->GetTitle() : CString();
    if (title.IsEmpty())
        title.LoadString(AFX_IDS_UNTITLED);
    DOCINFOA docInfo{};
    docInfo.cbSize = sizeof docInfo;
    docInfo.lpszDocName = title;

    OnBeginPrinting(pDC, &printInfo);
    EndPrintingScope endPrinting(this, pDC, &printInfo);
    const int nJob = PrintJobCall(pDC, jobStartDoc, &docInfo);
    if (nJob <= 0) {
        AfxMessageBox(AFX_IDP_FAILED_TO_START_PRINT);
        return;
    }
    printInfo.m_nJobNumber = static_cast<UINT>(nJob);

    bool bFailed = false;
    try {
        const UINT nLast = printInfo.GetToPage();
        for (UINT nPage = printInfo.GetFromPage(); nPage <= nLast; ++nPage) {
            printInfo.m_nCurPage = nPage;
            OnPrepareDC(pDC, &printInfo);
            if (!printInfo.m_bContinuePrinting)
                break;
            if (PrintJobCall(pDC, jobStartPage, nullptr) <= 0) {
                bFailed = true;
                break;
            }
            // The printable area of the page in the units OnPrepareDC chose.
            printInfo.m_rectDraw.SetRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
            pDC->DPtoLP(&printInfo.m_rectDraw);
            OnPrint(pDC, &printInfo);
            if (PrintJobCall(pDC, jobEndPage, nullptr) <= 0) {
                bFailed = true;
                break;
            }
            // The view may say while printing that this was its last page.
            if (!printInfo.m_bContinuePrinting)
                break;
        }
    } catch (...) {
        PrintJobCall(pDC, jobAbortDoc, nullptr);
        throw;
    }
    if (bFailed) {
        PrintJobCall(pDC, jobAbortDoc, nullptr);
        AfxMessageBox(AFX_IDP_COMMAND_FAILURE);
    } else if (PrintJobCall(pDC, jobEndDoc, nullptr) <= 0) {
        AfxMessageBox(AFX_IDP_COMMAND_FAILURE);
    }
}

int CView::PrintJobCall(CDC* pDC, PrintJobStep step, DOCINFOA* pDocInfo) {
    switch (step) {
    case jobStartDoc:
        return pDC->StartDoc(pDocInfo);
    case jobStartPage:
        return pDC->StartPage();
    case jobEndPage:
        return pDC->EndPage();
    case jobEndDoc:
        return pDC->EndDoc();
    case jobAbortDoc:
        return pDC->AbortDoc();
    }
    return SP_ERROR;
}

void CView::OnFilePrintPreview() {
    DoPrintPreview(AFX_IDD_PREVIEW_TOOLBAR, this, RUNTIME_CLASS(CPreviewView), new CPrintPreviewState);
}

BOOL CView::DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
                           CPrintPreviewState* pState) {
    std::unique_ptr<CPrintPreviewState> state(pState);
    if (pPrintView == nullptr || pPreviewViewClass == nullptr)
        return FALSE;
    CObject* pObject = pPreviewViewClass->CreateObject();
    auto* pPreview = dynamic_cast<CPreviewView*>(pObject);
    if (pPreview == nullptr) {
        delete pObject;
        return FALSE;
    }
    // The preview deletes itself when it cannot start.
    return pPreview->StartPreview(pPrintView->GetParentFrame(), pPrintView, nIDResource, std::move(state));
}

void CView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT, CPreviewView* pView) {
    OnEndPrinting(pDC, pInfo);
    pView->EndPreview();
}
