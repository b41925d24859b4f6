// CToolBar: a control bar of buttons (the common tool bar control) whose commands go to the frame. The
// buttons come from a TOOLBAR resource (LoadToolBar: its button ids, separators where the id is 0, and
// the bitmap of the same name with one image per button) or from SetButtons plus LoadBitmap.
//
// At idle time each button is enabled, checked or left as it is by the frame's update handlers; a button
// whose command nobody handles is disabled. With CBRS_TOOLTIPS a button shows the part after "\n" of its
// command's string ("prompt\ntip"), unless the frame answers the tool tip notification itself; with
// CBRS_FLYBY the status bar shows the prompt while the mouse is over the button.
#pragma once

#include "framework/core/CString.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CBitmap.h"
#include "framework/win/CControlBar.h"
#include "framework/win/CToolBarCtrl.h"

// Button styles and states as one value: the low word is the TBSTYLE_xxx style, the high word the
// TBSTATE_xxx state with the enabled bit inverted (so TBBS_DISABLED is set for a disabled button).
#define TBBS_BUTTON MAKELONG(TBSTYLE_BUTTON, 0)
#define TBBS_SEPARATOR MAKELONG(TBSTYLE_SEP, 0)
#define TBBS_CHECKBOX MAKELONG(TBSTYLE_CHECK, 0)
#define TBBS_GROUP MAKELONG(TBSTYLE_GROUP, 0)
#define TBBS_CHECKGROUP (TBBS_GROUP | TBBS_CHECKBOX)
#define TBBS_DROPDOWN MAKELONG(TBSTYLE_DROPDOWN, 0)
#define TBBS_AUTOSIZE MAKELONG(TBSTYLE_AUTOSIZE, 0)
#define TBBS_NOPREFIX MAKELONG(TBSTYLE_NOPREFIX, 0)
#define TBBS_CHECKED MAKELONG(0, TBSTATE_CHECKED)
#define TBBS_PRESSED MAKELONG(0, TBSTATE_PRESSED)
#define TBBS_DISABLED MAKELONG(0, TBSTATE_ENABLED)
#define TBBS_INDETERMINATE MAKELONG(0, TBSTATE_INDETERMINATE)
#define TBBS_HIDDEN MAKELONG(0, TBSTATE_HIDDEN)
#define TBBS_WRAPPED MAKELONG(0, TBSTATE_WRAP)
#define TBBS_ELLIPSES MAKELONG(0, TBSTATE_ELLIPSES)
#define TBBS_MARKED MAKELONG(0, TBSTATE_MARKED)

#ifndef RT_TOOLBAR
#define RT_TOOLBAR MAKEINTRESOURCE(241)
#endif

class CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    ~CToolBar() override;

    // dwStyle: window styles plus CBRS_xxx bar styles (CBRS_TOOLTIPS adds tool tips).
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                        UINT nID = AFX_IDW_TOOLBAR);
    // dwCtrlStyle: the control's TBSTYLE_xxx styles (TBSTYLE_FLAT); rcBorders: the bar's borders.
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                          CRect rcBorders = CRect(0, 0, 0, 0), UINT nID = AFX_IDW_TOOLBAR);

    // ---- buttons and images ----
    // Buttons and images from the TOOLBAR resource of that name and the bitmap of the same name. FALSE
    // when either is missing or the resource is malformed (then the bar is left as it was).
    BOOL LoadToolBar(LPCSTR lpszResourceName);
    BOOL LoadToolBar(UINT nIDResource);
    // The image strip: one image per button, m_sizeImage wide each. Greys, black and white take the
    // current system colours.
    BOOL LoadBitmap(LPCSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource);
    // Takes ownership of hbmImageWell.
    BOOL SetBitmap(HBITMAP hbmImageWell);
    // Size of the buttons and of the images on them (the buttons at least 7 pixels larger each way).
    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    // Total height of a horizontal bar (the borders take the rest).
    void SetHeight(int cyHeight);
    // One button per id, ID_SEPARATOR giving a separator; buttons take images 0, 1, 2 ... in order.
    // A null lpIDArray makes nIDCount separators, to be filled with SetButtonInfo.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);

    // ---- items ----
    // Index of the first button with command nIDFind, -1 when there is none.
    int CommandToIndex(UINT nIDFind) const;
    // Command of the button at nIndex (ID_SEPARATOR for a separator).
    UINT GetItemID(int nIndex) const;
    // Rectangle of the button at nIndex (client coordinates); empty for a bad index.
    virtual void GetItemRect(int nIndex, LPRECT lpRect) const;
    // TBBS_xxx of the button at nIndex (0 for a bad index).
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    // iImage: the image index, or the width of a separator.
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    CString GetButtonText(int nIndex) const;
    void GetButtonText(int nIndex, CString& rString) const;
    BOOL SetButtonText(int nIndex, LPCSTR lpszText);

    // The tool bar control of this bar (the same window).
    CToolBarCtrl& GetToolBarCtrl() const;

    // ---- overrides ----
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;

    CSize m_sizeButton{23, 22};
    CSize m_sizeImage{16, 15};

protected:
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();

    DECLARE_MESSAGE_MAP()

private:
    BOOL GetButton(int nIndex, TBBUTTON& button) const;
    // Replaces the button at nIndex, only when it changed.
    void SetButton(int nIndex, const TBBUTTON& button);
    // Every button but the last wraps in a vertical bar, none in a horizontal one.
    void SetWrapping(BOOL bHorz);
    // The extent of the buttons in their present layout (client coordinates).
    CSize ButtonsExtent() const;
    // Fills in a tool tip text the frame left empty, from the string table.
    void SupplyTipText(NMHDR* pNMHDR) const;

    CBitmap m_bitmap;               // the image strip the control was given
    mutable CToolBarCtrl m_wndCtrl; // the control's wrapper for GetToolBarCtrl
    DWORD m_dwCtrlStyle = 0;        // TBSTYLE_xxx given to CreateEx
};
