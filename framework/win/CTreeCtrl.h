// CTreeCtrl: the tree-view control. Items are HTREEITEM handles; TVI_ROOT stands for the invisible root
// and TVI_FIRST/TVI_LAST/TVI_SORT for insertion places.
#pragma once

#include "framework/core/CString.h"
#include "framework/win/CEdit.h"
#include "framework/win/CImageList.h"
#include "framework/win/CWnd.h"

class CToolTipCtrl;

class CTreeCtrl : public CWnd {
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    CTreeCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // dwExStyle: the window's WS_EX_ styles.
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- general ----
    UINT GetCount() const;
    UINT GetIndent() const;
    void SetIndent(UINT nIndent);
    UINT GetVisibleCount() const;
    // nImageList: TVSIL_NORMAL or TVSIL_STATE. The control keeps the handle only.
    CImageList* GetImageList(int nImageList) const;
    CImageList* SetImageList(CImageList* pImageList, int nImageList);
    COLORREF GetBkColor() const;
    COLORREF SetBkColor(COLORREF clr);
    COLORREF GetTextColor() const;
    COLORREF SetTextColor(COLORREF clr);
    SHORT GetItemHeight() const;
    SHORT SetItemHeight(SHORT cyHeight);
    COLORREF GetInsertMarkColor() const;
    COLORREF SetInsertMarkColor(COLORREF clrNew);
    BOOL SetInsertMark(HTREEITEM hItem, BOOL fAfter = TRUE);
    // Milliseconds the control waits between scroll steps; returns the previous value.
    UINT GetScrollTime() const;
    UINT SetScrollTime(UINT uScrollTime);
    CToolTipCtrl* GetToolTips() const;
    CToolTipCtrl* SetToolTips(CToolTipCtrl* pWndTip);

    // ---- navigation ----
    // nCode: TVGN_ROOT, TVGN_NEXT, TVGN_PREVIOUS, TVGN_PARENT, TVGN_CHILD, TVGN_FIRSTVISIBLE,
    // TVGN_NEXTVISIBLE, TVGN_PREVIOUSVISIBLE, TVGN_DROPHILITE, TVGN_CARET, TVGN_LASTVISIBLE.
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const;
    HTREEITEM GetRootItem() const;
    HTREEITEM GetChildItem(HTREEITEM hItem) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetParentItem(HTREEITEM hItem) const;
    HTREEITEM GetFirstVisibleItem() const;
    HTREEITEM GetNextVisibleItem(HTREEITEM hItem) const;
    HTREEITEM GetPrevVisibleItem(HTREEITEM hItem) const;
    HTREEITEM GetLastVisibleItem() const;
    HTREEITEM GetSelectedItem() const;
    HTREEITEM GetDropHilightItem() const;
    // Whether the item has children, or says it has (cChildren).
    BOOL ItemHasChildren(HTREEITEM hItem) const;

    // ---- items ----
    BOOL GetItem(TVITEM* pItem) const;
    BOOL SetItem(TVITEM* pItem);
    BOOL SetItem(HTREEITEM hItem, UINT nMask, LPCSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    CString GetItemText(HTREEITEM hItem) const;
    BOOL SetItemText(HTREEITEM hItem, LPCSTR lpszItem);
    BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;
    BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage);
    // The TVIS_ state bits of nStateMask (TVIS_STATEIMAGEMASK: the state image index << 12).
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    // bTextOnly: the rectangle of the text only, else the whole line. FALSE when the item is not visible.
    BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const;
    // Check boxes of TVS_CHECKBOXES (state image 2 checked, 1 unchecked).
    BOOL GetCheck(HTREEITEM hItem) const;
    BOOL SetCheck(HTREEITEM hItem, BOOL fCheck = TRUE);

    // ---- operations ----
    HTREEITEM InsertItem(LPTVINSERTSTRUCT lpInsertStruct);
    HTREEITEM InsertItem(UINT nMask, LPCSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                         UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter);
    HTREEITEM InsertItem(LPCSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM InsertItem(LPCSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    // Deletes the item and everything below it; TVI_ROOT deletes everything.
    BOOL DeleteItem(HTREEITEM hItem);
    BOOL DeleteAllItems();
    // nCode: TVE_EXPAND, TVE_COLLAPSE, TVE_TOGGLE (TVE_COLLAPSERESET with TVE_COLLAPSE).
    BOOL Expand(HTREEITEM hItem, UINT nCode);
    // nCode: TVGN_CARET (selects), TVGN_DROPHILITE or TVGN_FIRSTVISIBLE.
    BOOL Select(HTREEITEM hItem, UINT nCode);
    BOOL SelectItem(HTREEITEM hItem);
    BOOL SelectDropTarget(HTREEITEM hItem);
    BOOL SelectSetFirstVisible(HTREEITEM hItem);
    BOOL EnsureVisible(HTREEITEM hItem);
    // Starts editing an item's label (TVS_EDITLABELS); returns the edit control, nullptr on failure.
    CEdit* EditLabel(HTREEITEM hItem);
    CEdit* GetEditControl() const;
    BOOL EndEditLabelNow(BOOL fCancelWithoutSave);
    // The item at pt (client coordinates), nullptr for none; pFlags receives the TVHT_ flags.
    HTREEITEM HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    HTREEITEM HitTest(TVHITTESTINFO* pHitTestInfo) const;
    // Sorts the children of hItem (nullptr: the top level) by text.
    BOOL SortChildren(HTREEITEM hItem);
    BOOL SortChildrenCB(LPTVSORTCB pSort);
    // A new image list the caller deletes; nullptr on failure.
    CImageList* CreateDragImage(HTREEITEM hItem);
};
