#include "framework/win/CView.h"

#include "framework/win/AfxPriv.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CCreateContext.h"
#include "framework/win/CDocument.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CWinApp.h"

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

void CView::OnPrepareDC(CDC*, CPrintInfo*) {}

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
