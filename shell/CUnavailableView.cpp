#include "shell/CUnavailableView.h"

#include "framework/win/CDC.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(CUnavailableView, CView)

void CUnavailableView::SetViewName(const char* name) {
    m_viewName = name;
    if (m_hWnd != nullptr)
        Invalidate();
}

CString CUnavailableView::GetNotice() const {
    CString notice;
    AfxFormatString1(notice, IDS_VIEW_NOT_AVAILABLE, m_viewName);
    return notice;
}

void CUnavailableView::OnDraw(CDC* pDC) {
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, ::GetSysColor(COLOR_WINDOW));
    pDC->SetTextColor(::GetSysColor(COLOR_GRAYTEXT));
    pDC->SetBkMode(TRANSPARENT);
    pDC->SelectStockObject(DEFAULT_GUI_FONT);
    pDC->DrawText(GetNotice(), &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
