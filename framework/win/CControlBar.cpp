#include "framework/win/CControlBar.h"

#include "framework/win/AfxRes.h"
#include "framework/win/CDockBar.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CThreadSlot.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_WM_CTLCOLOR()
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

namespace {

// Timer that notices when the mouse has left a bar whose item prompt the status bar shows.
constexpr UINT_PTR kFlyByTimer = 0xE000;
constexpr UINT kFlyByInterval = 200;

// Every bar of this thread, in creation order: floating bars are not children of their frame, so the
// frame's bars are found here.
std::vector<CControlBar*>& ThreadBars() {
    static CThreadSlot<std::vector<CControlBar*>> bars;
    return bars.Get();
}

bool IsWindowOrDescendant(HWND hWndAncestor, HWND hWnd) {
    return hWnd != nullptr && (hWnd == hWndAncestor || ::IsChild(hWndAncestor, hWnd));
}

} // namespace

CWnd* AfxFrameAsWnd(const CFrameWnd* pFrame) {
    return const_cast<CFrameWnd*>(pFrame);
}

CControlBar::CControlBar() = default;

CControlBar::~CControlBar() {
    auto& bars = ThreadBars();
    bars.erase(std::remove(bars.begin(), bars.end(), this), bars.end());
    if (m_pDockBar != nullptr)
        m_pDockBar->RemoveControlBar(this);
    // The window goes before the object: DestroyWindow while the object is still a CControlBar.
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

// ---------------------------------------------------------------------------------------------------
// Attributes

void CControlBar::SetBarStyle(DWORD dwStyle) {
    const DWORD dwOld = m_dwStyle;
    m_dwStyle = (dwStyle & CBRS_ALL & ~CBRS_FLOATING) | (m_dwStyle & CBRS_FLOATING);
    if (m_hWnd != nullptr && ((dwOld ^ m_dwStyle) & (CBRS_BORDER_ANY | CBRS_BORDER_3D | CBRS_GRIPPER)) != 0)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom) {
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

void CControlBar::SetBorders(LPCRECT lpRect) {
    SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

CRect CControlBar::GetBorders() const {
    return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
}

CFrameWnd* CControlBar::GetDockingFrame() const {
    if (IsFloating() && m_pDockBar != nullptr) {
        if (CFrameWnd* pFloat = m_pDockBar->GetParentFrame())
            return pFloat;
    }
    return m_pDockSite != nullptr ? m_pDockSite : GetParentFrame();
}

BOOL CControlBar::IsFloating() const {
    return (m_dwStyle & CBRS_FLOATING) != 0;
}

BOOL CControlBar::IsVisible() const {
    if (m_nDelayShow != 0)
        return m_nDelayShow > 0;
    return m_hWnd != nullptr && (::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void CControlBar::EnableDocking(DWORD dwDockStyle) {
    m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY;
    if (m_pDockSite == nullptr)
        m_pDockSite = GetParentFrame();
}

BOOL CControlBar::AllocElements(int nElements, int cbElement) {
    if (nElements < 0 || cbElement < 0)
        return FALSE;
    m_elements.assign(static_cast<size_t>(nElements) * static_cast<size_t>(cbElement), 0);
    m_pData = m_elements.empty() ? nullptr : m_elements.data();
    m_nCount = nElements;
    return TRUE;
}

// ---------------------------------------------------------------------------------------------------
// Layout

CSize CControlBar::Stretched(CSize size, BOOL bStretch, BOOL bHorz) {
    if (bStretch) {
        if (bHorz)
            size.cx = 32767;
        else
            size.cy = 32767;
    }
    return size;
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    CRect rect;
    CalcInsideRect(rect, bHorz);
    return Stretched(CSize(-rect.Width(), -rect.Height()), bStretch, bHorz);
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode) {
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const {
    const DWORD dwStyle = m_dwStyle;
    if (dwStyle & CBRS_BORDER_LEFT)
        rect.left += ::GetSystemMetrics(SM_CXBORDER);
    if (dwStyle & CBRS_BORDER_TOP)
        rect.top += ::GetSystemMetrics(SM_CYBORDER);
    if (dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= ::GetSystemMetrics(SM_CXBORDER);
    if (dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= ::GetSystemMetrics(SM_CYBORDER);
    // The gripper sits at the start of a docked bar: on the left of a horizontal one, on top of a
    // vertical one.
    const int nGripper = ((dwStyle & CBRS_GRIPPER) && !(dwStyle & CBRS_FLOATING)) ? 8 : 0;
    if (bHorz) {
        rect.left += m_cxLeftBorder + nGripper;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    } else {
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder + nGripper;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
    }
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam) {
    auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (m_nDelayShow != 0) {
        ShowWindow(m_nDelayShow > 0 ? SW_SHOWNOACTIVATE : SW_HIDE);
        m_nDelayShow = 0;
    }
    const DWORD dwAlign = m_dwStyle & CBRS_ALIGN_ANY;
    if (!(GetStyle() & WS_VISIBLE) || dwAlign == 0 || (m_dwStyle & CBRS_FLOATING))
        return 0;

    const BOOL bHorz = (dwAlign & CBRS_ORIENT_HORZ) != 0;
    CRect free(pLayout->rect);
    CSize size = (m_dwStyle & CBRS_SIZE_DYNAMIC)
                     ? CalcDynamicLayout(-1, (bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK) |
                                                 (pLayout->bStretch ? LM_STRETCH : 0))
                     : CalcFixedLayout(pLayout->bStretch, bHorz);
    size.cx = std::min<LONG>(size.cx, std::max<LONG>(free.Width(), 0));
    size.cy = std::min<LONG>(size.cy, std::max<LONG>(free.Height(), 0));

    CRect rect(free);
    if (dwAlign & CBRS_ALIGN_TOP) {
        rect.bottom = rect.top + size.cy;
        rect.right = rect.left + size.cx;
        pLayout->rect.top += size.cy;
    } else if (dwAlign & CBRS_ALIGN_BOTTOM) {
        rect.top = rect.bottom - size.cy;
        rect.right = rect.left + size.cx;
        pLayout->rect.bottom -= size.cy;
    } else if (dwAlign & CBRS_ALIGN_LEFT) {
        rect.right = rect.left + size.cx;
        rect.bottom = rect.top + size.cy;
        pLayout->rect.left += size.cx;
    } else {
        rect.left = rect.right - size.cx;
        rect.bottom = rect.top + size.cy;
        pLayout->rect.right -= size.cx;
    }
    if (bHorz) {
        pLayout->sizeTotal.cy += size.cy;
        pLayout->sizeTotal.cx = std::max(pLayout->sizeTotal.cx, size.cx);
    } else {
        pLayout->sizeTotal.cx += size.cx;
        pLayout->sizeTotal.cy = std::max(pLayout->sizeTotal.cy, size.cy);
    }
    AfxRepositionWindow(pLayout, m_hWnd, &rect);
    return 0;
}

void CControlBar::OnBarStyleChange(DWORD, DWORD) {}

void CControlBar::DelayShow(BOOL bShow) {
    const BOOL bVisible = m_hWnd != nullptr && (GetStyle() & WS_VISIBLE) != 0;
    m_nDelayShow = (bShow == bVisible) ? 0 : (bShow ? 1 : -1);
}

// ---------------------------------------------------------------------------------------------------
// Command user interface

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
    if (m_nDelayShow != 0 && m_pDockSite != nullptr) {
        ShowWindow(m_nDelayShow > 0 ? SW_SHOWNOACTIVATE : SW_HIDE);
        m_nDelayShow = 0;
        RecalcFrameLayout(m_pDockSite);
    }
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    // The owner (the frame) decides, wherever the bar sits now.
    CWnd* pTarget = GetOwner();
    if (pTarget == nullptr || !pTarget->IsFrameWnd())
        pTarget = AfxFrameAsWnd(GetParentFrame());
    if (pTarget != nullptr)
        OnUpdateCmdUI(static_cast<CFrameWnd*>(pTarget), static_cast<BOOL>(wParam));
    return 0;
}

// ---------------------------------------------------------------------------------------------------
// Messages

BOOL CControlBar::PreCreateWindow(CREATESTRUCTA& cs) {
    // Bar styles (m_dwStyle) were split from the window styles by the bar's Create.
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style |= WS_CLIPSIBLINGS;
    return TRUE;
}

int CControlBar::OnCreate(LPCREATESTRUCTA lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    // Commands and notifications of the bar go to the window it was created in (normally the frame),
    // also after it moved into a dock bar or a floating frame.
    if (m_hWndOwner == nullptr)
        m_hWndOwner = ::GetParent(m_hWnd);
    if (m_pDockSite == nullptr)
        m_pDockSite = GetParentFrame();
    auto& bars = ThreadBars();
    if (std::find(bars.begin(), bars.end(), this) == bars.end())
        bars.push_back(this);
    return 0;
}

void CControlBar::OnDestroy() {
    KillTimer(kFlyByTimer);
    if (m_pDockBar != nullptr)
        m_pDockBar->RemoveControlBar(this);
    auto& bars = ThreadBars();
    bars.erase(std::remove(bars.begin(), bars.end(), this), bars.end());
    CWnd::OnDestroy();
}

void CControlBar::PostNcDestroy() {
    if (m_bAutoDelete)
        delete this;
}

LRESULT CControlBar::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    switch (nMsg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: {
        // The bar's own handlers and its children's reflection handlers first, then the owner.
        LRESULT lResult = 0;
        if (OnWndMsg(nMsg, wParam, lParam, &lResult))
            return lResult;
        CWnd* pOwner = GetOwner();
        if (pOwner != nullptr && pOwner->m_hWnd != m_hWnd)
            return pOwner->SendMessage(nMsg, wParam, lParam);
        return DefWindowProc(nMsg, wParam, lParam);
    }
    case WM_MOUSEMOVE:
        // Over the bar itself (children come through PreTranslateMessage).
        OnMouseMove(static_cast<UINT>(wParam),
                    CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
        return DefWindowProc(nMsg, wParam, lParam);
    default:
        return CWnd::WindowProc(nMsg, wParam, lParam);
    }
}

HBRUSH CControlBar::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    // Children of a bar sit on the bar's face colour.
    LRESULT lResult = 0;
    if (pWnd != nullptr && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return reinterpret_cast<HBRUSH>(lResult);
    if (nCtlColor == CTLCOLOR_STATIC || nCtlColor == CTLCOLOR_BTN || nCtlColor == CTLCOLOR_DLG) {
        ::SetBkColor(pDC->GetSafeHdc(), ::GetSysColor(COLOR_BTNFACE));
        ::SetTextColor(pDC->GetSafeHdc(), ::GetSysColor(COLOR_BTNTEXT));
        return ::GetSysColorBrush(COLOR_BTNFACE);
    }
    return reinterpret_cast<HBRUSH>(Default());
}

void CControlBar::OnPaint() {
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    DoPaint(CDC::FromHandle(hDC));
    ::EndPaint(m_hWnd, &ps);
}

BOOL CControlBar::OnEraseBkgnd(CDC* pDC) {
    CRect rect;
    GetClientRect(&rect);
    ::FillRect(pDC->GetSafeHdc(), &rect, ::GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
}

void CControlBar::DoPaint(CDC* pDC) {
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(pDC, rect);
    DrawGripper(pDC, rect);
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect) {
    const DWORD dwStyle = m_dwStyle;
    if (!(dwStyle & CBRS_BORDER_ANY))
        return;
    HDC hDC = pDC->GetSafeHdc();
    UINT nEdges = 0;
    if (dwStyle & CBRS_BORDER_LEFT)
        nEdges |= BF_LEFT;
    if (dwStyle & CBRS_BORDER_TOP)
        nEdges |= BF_TOP;
    if (dwStyle & CBRS_BORDER_RIGHT)
        nEdges |= BF_RIGHT;
    if (dwStyle & CBRS_BORDER_BOTTOM)
        nEdges |= BF_BOTTOM;
    ::DrawEdge(hDC, &rect, (dwStyle & CBRS_BORDER_3D) ? EDGE_ETCHED : BDR_SUNKENOUTER, nEdges | BF_ADJUST);
}

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect) {
    if (!(m_dwStyle & CBRS_GRIPPER) || (m_dwStyle & CBRS_FLOATING))
        return;
    CRect grip(rect);
    if (m_dwStyle & CBRS_ORIENT_HORZ) {
        grip.left += 2;
        grip.right = grip.left + 3;
        grip.top += 2;
        grip.bottom -= 2;
    } else {
        grip.top += 2;
        grip.bottom = grip.top + 3;
        grip.left += 2;
        grip.right -= 2;
    }
    ::DrawEdge(pDC->GetSafeHdc(), &grip, BDR_RAISEDINNER, BF_RECT);
}

// ---------------------------------------------------------------------------------------------------
// Prompts in the status bar while the mouse is over an item (CBRS_FLYBY)

void CControlBar::SetStatusText(INT_PTR nHit) {
    CWnd* pOwner = m_pDockSite != nullptr ? AfxFrameAsWnd(m_pDockSite) : GetOwner();
    if (pOwner == nullptr || pOwner->m_hWnd == nullptr)
        return;
    if (nHit == -1)
        pOwner->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    else
        pOwner->SendMessage(WM_SETMESSAGESTRING, static_cast<WPARAM>(nHit));
}

void CControlBar::OnMouseMove(UINT, CPoint point) {
    if (!(m_dwStyle & CBRS_FLYBY))
        return;
    const INT_PTR nHit = OnToolHitTest(point, nullptr);
    if (nHit == m_nHitLast)
        return;
    m_nHitLast = nHit;
    SetStatusText(nHit);
    if (nHit != -1)
        SetTimer(kFlyByTimer, kFlyByInterval, nullptr);
    else
        KillTimer(kFlyByTimer);
}

BOOL CControlBar::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_MOUSEMOVE && (m_dwStyle & CBRS_FLYBY) && pMsg->hwnd != m_hWnd &&
        ::IsChild(m_hWnd, pMsg->hwnd)) {
        POINT pt{static_cast<short>(LOWORD(pMsg->lParam)), static_cast<short>(HIWORD(pMsg->lParam))};
        ::MapWindowPoints(pMsg->hwnd, m_hWnd, &pt, 1);
        OnMouseMove(static_cast<UINT>(pMsg->wParam), CPoint(pt.x, pt.y));
    }
    return CWnd::PreTranslateMessage(pMsg);
}

void CControlBar::OnMouseLeave() {
    if (m_nHitLast != -1) {
        m_nHitLast = -1;
        SetStatusText(-1);
    }
    KillTimer(kFlyByTimer);
}

void CControlBar::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != kFlyByTimer) {
        Default();
        return;
    }
    POINT pt;
    ::GetCursorPos(&pt);
    if (!IsWindowOrDescendant(m_hWnd, ::WindowFromPoint(pt)))
        OnMouseLeave();
}

// ---------------------------------------------------------------------------------------------------
// Frame side

void CControlBar::ShowBar(CFrameWnd* pFrame, CControlBar* pBar, BOOL bShow, BOOL bDelay) {
    if (pBar == nullptr || pBar->m_hWnd == nullptr)
        return;
    if (pFrame == nullptr)
        pFrame = pBar->m_pDockSite;
    if (bDelay) {
        pBar->DelayShow(bShow);
        if (pFrame != nullptr)
            pFrame->DelayRecalcLayout();
        return;
    }
    pBar->m_nDelayShow = 0;
    pBar->ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
    // A floating bar shows and hides with its floating frame.
    if (pBar->IsFloating() && pBar->m_pDockBar != nullptr)
        pBar->m_pDockBar->ShowFloatingFrame();
    if (pFrame != nullptr)
        RecalcFrameLayout(pFrame);
}

CControlBar* CControlBar::FindBar(const CFrameWnd* pFrame, UINT nID) {
    for (CControlBar* pBar : ThreadBars()) {
        if (pBar->m_pDockSite == pFrame && pBar->m_hWnd != nullptr &&
            static_cast<UINT>(::GetDlgCtrlID(pBar->m_hWnd)) == nID)
            return pBar;
    }
    return nullptr;
}

std::vector<CControlBar*> CControlBar::FrameBars(const CFrameWnd* pFrame) {
    std::vector<CControlBar*> found;
    for (CControlBar* pBar : ThreadBars()) {
        if (pBar->m_pDockSite == pFrame && pBar->m_hWnd != nullptr)
            found.push_back(pBar);
    }
    return found;
}

void CControlBar::RecalcFrameLayout(CFrameWnd* pFrame) {
    if (pFrame != nullptr && pFrame->m_hWnd != nullptr)
        pFrame->RecalcLayout();
}
