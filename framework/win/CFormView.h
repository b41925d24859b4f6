// CFormView: a view whose contents are the controls of a dialog template (style WS_CHILD). It scrolls
// when the window is smaller than the template, exchanges data with its controls (DoDataExchange,
// UpdateData) and routes its controls' commands like any view. It may show a document or none (a form
// in a frame of its own).
#pragma once

#include "framework/win/CScrollView.h"

class CFormView : public CScrollView {
    DECLARE_DYNAMIC(CFormView)
public:
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;

    // Loads the controls from the view's members (UpdateData(FALSE)).
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    // Dialog keys (Tab, arrows, default button) work between the form's controls.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    LPCSTR m_lpszTemplateName;

protected:
    explicit CFormView(LPCSTR lpszTemplateName);
    explicit CFormView(UINT nIDTemplate);

    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnSetFocus(CWnd* pOldWnd);

    DECLARE_MESSAGE_MAP()

    HWND m_hWndFocus = nullptr; // the control that had the focus when the view was deactivated

private:
    static INT_PTR CALLBACK FormProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};
