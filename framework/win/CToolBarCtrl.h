// CToolBarCtrl: the common tool bar control (a row of buttons with images, separators, tool tips). The
// control sends WM_COMMAND with a button's command id to its parent when the button is clicked.
#pragma once

#include "framework/core/CRect.h"
#include "framework/core/CSize.h"
#include "framework/core/CString.h"
#include "framework/win/CImageList.h"
#include "framework/win/CWnd.h"

#include <commctrl.h>

class CToolTipCtrl;

class CToolBarCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolBarCtrl)
public:
    CToolBarCtrl() = default;

    // dwStyle: window styles plus TBSTYLE_xxx and CCS_xxx styles.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE | CCS_TOP,
                          const RECT& rcBorders = RECT{0, 0, 0, 0}, UINT nID = 0);

    // ---- buttons ----
    int GetButtonCount() const;
    BOOL GetButton(int nIndex, LPTBBUTTON lpButton) const;
    BOOL AddButtons(int nNumButtons, LPTBBUTTON lpButtons);
    BOOL InsertButton(int nIndex, LPTBBUTTON lpButton);
    BOOL DeleteButton(int nIndex);
    BOOL MoveButton(UINT nOldPos, UINT nNewPos);
    // Index of the button with command nID, -1 when there is none.
    int CommandToIndex(UINT nID) const;
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
    BOOL GetRect(int nID, LPRECT lpRect) const;
    // Index of the button at point (client coordinates); negative when none (a separator: its index
    // negated, minus one).
    int HitTest(LPPOINT ppt) const;
    int GetButtonInfo(int nID, TBBUTTONINFOA* ptbbi) const;
    BOOL SetButtonInfo(int nID, TBBUTTONINFOA* ptbbi);

    // ---- state of a button, by command id ----
    BOOL EnableButton(int nID, BOOL bEnable = TRUE);
    BOOL CheckButton(int nID, BOOL bCheck = TRUE);
    BOOL PressButton(int nID, BOOL bPress = TRUE);
    BOOL HideButton(int nID, BOOL bHide = TRUE);
    BOOL Indeterminate(int nID, BOOL bIndeterminate = TRUE);
    BOOL IsButtonEnabled(int nID) const;
    BOOL IsButtonChecked(int nID) const;
    BOOL IsButtonPressed(int nID) const;
    BOOL IsButtonHidden(int nID) const;
    BOOL IsButtonIndeterminate(int nID) const;
    // TBSTATE_xxx bits; -1 for an unknown button.
    int GetState(int nID) const;
    BOOL SetState(int nID, UINT nState);

    // ---- images and text ----
    BOOL SetBitmapSize(CSize size);
    BOOL SetButtonSize(CSize size);
    CSize GetButtonSize() const;
    // Adds nNumButtons images from a bitmap resource (or, with a null hInst in the TBADDBITMAP, a bitmap
    // handle); returns the index of the first, -1 on failure.
    int AddBitmap(int nNumButtons, UINT nBitmapID);
    int AddBitmap(int nNumButtons, CGdiObject* pBitmap);
    BOOL ReplaceBitmap(LPTBREPLACEBITMAP pReplaceBitmap);
    int AddStrings(LPCSTR lpszStrings);
    CImageList* SetImageList(CImageList* pImageList);
    CImageList* GetImageList() const;
    CImageList* SetHotImageList(CImageList* pImageList);
    CImageList* SetDisabledImageList(CImageList* pImageList);
    BOOL SetIndent(int iIndent);
    BOOL SetButtonWidth(int cxMin, int cxMax);
    BOOL SetMaxTextRows(int iMaxRows);

    // ---- layout and behaviour ----
    void AutoSize();
    // Total size of all buttons.
    BOOL GetMaxSize(LPSIZE pSize) const;
    int GetRows() const;
    void SetRows(int nRows, BOOL bLarger, LPRECT lpRect);
    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD dwExStyle);
    // TBSTYLE_xxx and CCS_xxx styles of the control.
    DWORD GetStyle() const;
    void SetStyle(DWORD dwStyle);
    int GetHotItem() const;
    int SetHotItem(int nHot);
    CToolTipCtrl* GetToolTips() const;
    void SetToolTips(CToolTipCtrl* pTip);
    // The window that gets the control's commands and notifications (its parent unless set).
    void SetOwner(CWnd* pWnd);
};
