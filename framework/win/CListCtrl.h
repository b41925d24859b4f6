// CListCtrl: the list-view control (icon, small icon, list and report views). Items are numbered from
// 0; sub-item 0 is the item's own text, sub-items 1.. the further columns of the report view.
#pragma once

#include "framework/core/CSize.h"
#include "framework/core/CString.h"
#include "framework/win/CEdit.h"
#include "framework/win/CHeaderCtrl.h"
#include "framework/win/CImageList.h"
#include "framework/win/CWnd.h"

class CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // dwExStyle: the window's WS_EX_ styles (the control's own LVS_EX_ styles go to SetExtendedStyle).
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- colours and images ----
    COLORREF GetBkColor() const;
    BOOL SetBkColor(COLORREF cr);
    COLORREF GetTextColor() const;
    BOOL SetTextColor(COLORREF cr);
    COLORREF GetTextBkColor() const;
    BOOL SetTextBkColor(COLORREF cr);
    // nImageListType: LVSIL_NORMAL, LVSIL_SMALL or LVSIL_STATE. The control keeps the handle only.
    CImageList* GetImageList(int nImageListType) const;
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);

    // ---- styles ----
    DWORD GetExtendedStyle() const;
    // Sets all LVS_EX_ styles; returns the previous ones.
    DWORD SetExtendedStyle(DWORD dwNewStyle);
    UINT GetCallbackMask() const;
    BOOL SetCallbackMask(UINT nMask);

    // ---- columns ----
    // nWidth -1 leaves the width to the control, nSubItem -1 uses the column's index. Returns the
    // index of the new column, -1 on failure.
    int InsertColumn(int nCol, const LVCOLUMN* pColumn);
    int InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    BOOL DeleteColumn(int nCol);
    BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const;
    BOOL SetColumn(int nCol, const LVCOLUMN* pColumn);
    int GetColumnWidth(int nCol) const;
    // cx may be LVSCW_AUTOSIZE or LVSCW_AUTOSIZE_USEHEADER.
    BOOL SetColumnWidth(int nCol, int cx);
    // iCount -1: as many as the header has items.
    BOOL GetColumnOrderArray(LPINT piArray, int iCount = -1) const;
    BOOL SetColumnOrderArray(int iCount, LPINT piArray);
    CHeaderCtrl* GetHeaderCtrl() const;

    // ---- items ----
    int GetItemCount() const;
    void SetItemCount(int nItems);
    BOOL SetItemCountEx(int iCount, DWORD dwFlags = LVSICF_NOINVALIDATEALL);
    // Returns the index of the new item, -1 on failure.
    int InsertItem(const LVITEM* pItem);
    int InsertItem(int nItem, LPCSTR lpszItem);
    int InsertItem(int nItem, LPCSTR lpszItem, int nImage);
    int InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                   LPARAM lParam);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    BOOL GetItem(LVITEM* pItem) const;
    BOOL SetItem(const LVITEM* pItem);
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage, UINT nState,
                 UINT nStateMask, LPARAM lParam, int nIndent);
    // The text of an item (nSubItem 0) or sub-item, whatever its length.
    CString GetItemText(int nItem, int nSubItem) const;
    // Copies at most nLen - 1 characters and a terminating zero; returns the characters copied.
    int GetItemText(int nItem, int nSubItem, LPSTR lpszText, int nLen) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCSTR lpszText);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    // The LVIS_ state bits of nMask.
    UINT GetItemState(int nItem, UINT nMask) const;
    BOOL SetItemState(int nItem, LVITEM* pItem);
    // nItem -1: every item.
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    // Check boxes of LVS_EX_CHECKBOXES (state image 2 checked, 1 unchecked).
    BOOL GetCheck(int nItem) const;
    BOOL SetCheck(int nItem, BOOL fCheck = TRUE);

    // ---- finding and selection ----
    // The next item after nItem (-1: the first) in the direction or with the state of nFlags
    // (LVNI_SELECTED, LVNI_FOCUSED, LVNI_BELOW ...); -1 when there is none.
    int GetNextItem(int nItem, int nFlags) const;
    // Walks the selected items: the position is nullptr after the last one.
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& pos) const;
    UINT GetSelectedCount() const;
    int GetSelectionMark();
    int SetSelectionMark(int iIndex);
    int FindItem(LVFINDINFO* pFindInfo, int nStart = -1) const;
    int GetHotItem();
    int SetHotItem(int iIndex);
    // The item at pt (client coordinates), -1 for none; pFlags receives the LVHT_ flags.
    int HitTest(LVHITTESTINFO* pHitTestInfo) const;
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    int SubItemHitTest(LPLVHITTESTINFO pInfo);

    // ---- geometry and scrolling ----
    // nCode: LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL or LVIR_SELECTBOUNDS.
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref);
    BOOL GetItemPosition(int nItem, LPPOINT lpPoint) const;
    BOOL SetItemPosition(int nItem, POINT pt);
    BOOL GetViewRect(LPRECT lpRect) const;
    BOOL GetOrigin(LPPOINT lpPoint) const;
    int GetTopIndex() const;
    int GetCountPerPage() const;
    int GetStringWidth(LPCSTR lpsz) const;
    CSize SetIconSpacing(int cx, int cy);
    CSize ApproximateViewRect(CSize sz = CSize(-1, -1), int iCount = -1) const;
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    BOOL Scroll(CSize size);
    BOOL RedrawItems(int nFirst, int nLast);
    BOOL Update(int nItem);
    BOOL Arrange(UINT nCode);

    // ---- labels, sorting, dragging ----
    // Starts editing an item's label (LVS_EDITLABELS); returns the edit control, nullptr on failure.
    CEdit* EditLabel(int nItem);
    CEdit* GetEditControl() const;
    // pfnCompare(lParam1, lParam2, dwData) compares the items' data.
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData);
    // pfnCompare(index1, index2, dwData) compares items by index.
    BOOL SortItemsEx(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData);
    // A new image list the caller deletes; nullptr on failure.
    CImageList* CreateDragImage(int nItem, LPPOINT lpPoint);

    // Draws an item of an LVS_OWNERDRAWFIXED report view; reached through the WM_DRAWITEM its parent
    // receives.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
