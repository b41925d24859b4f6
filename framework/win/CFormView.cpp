#include "framework/win/CFormView.h"

#include "framework/win/AfxDlgSupport.h"
#include "framework/win/CCreateContext.h"
#include "framework/win/CDocument.h"

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

BEGIN_MESSAGE_MAP(CFormView, CScrollView)
ON_WM_CREATE()
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CFormView::CFormView(LPCSTR lpszTemplateName) : m_lpszTemplateName(lpszTemplateName) {}

CFormView::CFormView(UINT nIDTemplate) : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)) {}

INT_PTR CALLBACK CFormView::FormProc(HWND, UINT, WPARAM, LPARAM) {
    // Everything is the view's (its message map); WM_INITDIALOG leaves the focus where the view puts it.
    return FALSE;
}

BOOL CFormView::Create(LPCSTR, LPCSTR, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                       CCreateContext* pContext) {
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hResource = ::FindResourceA(hInst, m_lpszTemplateName, MAKEINTRESOURCEA(5)); // RT_DIALOG
    HGLOBAL hTemplate = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
    const auto* lpTemplate =
        hTemplate != nullptr ? static_cast<LPCDLGTEMPLATEA>(::LockResource(hTemplate)) : nullptr;
    if (lpTemplate == nullptr || pParentWnd == nullptr)
        return FALSE;

    AfxInitDialogTemplateClasses(lpTemplate);
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpTemplate, pParentWnd->m_hWnd, &FormProc, 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    if (hWnd == nullptr)
        return FALSE;

    // The template's size is the size to scroll over.
    CRect templateRect;
    GetClientRect(&templateRect);
    SetScrollSizes(MM_TEXT, CSize(templateRect.Width(), templateRect.Height()));

    SetDlgCtrlID(static_cast<int>(nID));
    ExecuteDlgInit(m_lpszTemplateName);
    // The frame asks for a border; the template's own style decides the rest.
    if (dwStyle & WS_BORDER)
        ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    if (pContext != nullptr && pContext->m_pCurrentDoc != nullptr)
        pContext->m_pCurrentDoc->AddView(this);
    SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (dwStyle & WS_VISIBLE)
        ShowWindow(SW_SHOWNORMAL);
    return TRUE;
}

int CFormView::OnCreate(LPCREATESTRUCTA lpCreateStruct) {
    // The dialog manager's creation parameter is no CCreateContext: the document is attached in Create.
    return CWnd::OnCreate(lpCreateStruct);
}

void CFormView::OnInitialUpdate() {
    UpdateData(FALSE);
    CScrollView::OnInitialUpdate();
}

void CFormView::OnDraw(CDC*) {}

BOOL CFormView::PreTranslateMessage(MSG* pMsg) {
    if (CScrollView::PreTranslateMessage(pMsg))
        return TRUE;
    // Only messages for this form or its controls; the frame's accelerators come later.
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return PreTranslateInput(pMsg);
}

void CFormView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
    if (!bActivate) {
        HWND hWndFocus = ::GetFocus();
        if (hWndFocus != nullptr && ::IsChild(m_hWnd, hWndFocus))
            m_hWndFocus = hWndFocus;
    }
    CScrollView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CFormView::OnSetFocus(CWnd*) {
    // The focus goes to the control that had it, else to the first control.
    if (m_hWndFocus != nullptr && ::IsWindow(m_hWndFocus) && ::IsChild(m_hWnd, m_hWndFocus)) {
        ::SetFocus(m_hWndFocus);
        return;
    }
    if (HWND hFirst = ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE))
        ::SetFocus(hFirst);
}
