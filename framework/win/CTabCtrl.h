// CTabCtrl: a row (or rows) of tabs; the program shows the page of the selected tab itself.
#pragma once

#include "framework/core/CSize.h"
#include "framework/win/CImageList.h"
#include "framework/win/CWnd.h"

class CToolTipCtrl;

class CTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CTabCtrl)
public:
    CTabCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    CImageList* GetImageList() const;
    CImageList* SetImageList(CImageList* pImageList);
    int GetItemCount() const;
    BOOL GetItem(int nItem, TCITEM* pTabCtrlItem) const;
    BOOL SetItem(int nItem, TCITEM* pTabCtrlItem);
    // Bytes of application data each item carries (before any item exists).
    BOOL SetItemExtra(int nBytes);
    BOOL GetItemRect(int nItem, LPRECT lpRect) const;
    int GetCurSel() const;
    // Returns the previously selected tab, -1 for none. Sends no selection notifications.
    int SetCurSel(int nItem);
    void SetCurFocus(int nItem);
    int GetCurFocus() const;
    CSize SetItemSize(CSize size);
    void SetPadding(CSize size);
    int GetRowCount() const;
    int SetMinTabWidth(int cx);
    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD dwNewStyle, DWORD dwExMask = 0);
    DWORD GetItemState(int nItem, DWORD dwMask) const;
    BOOL SetItemState(int nItem, DWORD dwMask, DWORD dwState);
    CToolTipCtrl* GetToolTips() const;
    void SetToolTips(CToolTipCtrl* pWndTip);

    // bLarger TRUE: the window rectangle that holds display area lpRect; FALSE: the display area of
    // window rectangle lpRect.
    void AdjustRect(BOOL bLarger, LPRECT lpRect);
    // Returns the index of the new tab, -1 on failure.
    LONG InsertItem(int nItem, TCITEM* pTabCtrlItem);
    LONG InsertItem(int nItem, LPCSTR lpszItem);
    LONG InsertItem(int nItem, LPCSTR lpszItem, int nImage);
    LONG InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    void DeselectAll(BOOL fExcludeFocus);
    void RemoveImage(int nImage);
    int HitTest(TCHITTESTINFO* pHitTestInfo) const;
    BOOL HighlightItem(int idItem, BOOL fHighlight = TRUE);

    // Draws a TCS_OWNERDRAWFIXED tab; reached through the WM_DRAWITEM its parent receives.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
