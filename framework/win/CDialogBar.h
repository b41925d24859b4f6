// CDialogBar: a control bar made from a dialog template: its controls sit on the bar, their commands and
// notifications go to the frame, and at idle time they are enabled, checked or given text by the frame's
// update handlers (a push button whose command nobody handles is disabled). Tab and arrow keys move
// between its controls.
#pragma once

#include "framework/core/CSize.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CControlBar.h"

class CDialogBar : public CControlBar {
    DECLARE_DYNAMIC(CDialogBar)
public:
    CDialogBar();
    ~CDialogBar() override;

    // nStyle: the bar's alignment and CBRS_xxx styles plus WS_VISIBLE; nID: the bar's child window id.
    // The template's own window styles make way for a child window's.
    virtual BOOL Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, UINT nStyle, UINT nID);
    BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID);

    // Docked: the template's size; along a frame edge with bStretch: as long as that edge.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    CSize m_sizeDefault; // the template's size in pixels

protected:
    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogBarProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};
