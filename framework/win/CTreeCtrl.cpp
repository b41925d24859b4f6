#include "framework/win/CTreeCtrl.h"

#include "framework/win/AfxCtrlSupport.h"
#include "framework/win/CToolTipCtrl.h"

#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

namespace {

HTREEITEM ItemOf(LRESULT result) {
    return reinterpret_cast<HTREEITEM>(result);
}

} // namespace

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls(ICC_TREEVIEW_CLASSES);
    return CWnd::Create(WC_TREEVIEW, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CTreeCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls(ICC_TREEVIEW_CLASSES);
    return CWnd::CreateEx(dwExStyle, WC_TREEVIEW, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

// ---- general ----

UINT CTreeCtrl::GetCount() const {
    return static_cast<UINT>(SendMessage(TVM_GETCOUNT, 0, 0));
}

UINT CTreeCtrl::GetIndent() const {
    return static_cast<UINT>(SendMessage(TVM_GETINDENT, 0, 0));
}

void CTreeCtrl::SetIndent(UINT nIndent) {
    SendMessage(TVM_SETINDENT, nIndent, 0);
}

UINT CTreeCtrl::GetVisibleCount() const {
    return static_cast<UINT>(SendMessage(TVM_GETVISIBLECOUNT, 0, 0));
}

CImageList* CTreeCtrl::GetImageList(int nImageList) const {
    return CImageList::FromHandle(
        reinterpret_cast<HIMAGELIST>(SendMessage(TVM_GETIMAGELIST, static_cast<WPARAM>(nImageList), 0)));
}

CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int nImageList) {
    return CImageList::FromHandle(
        reinterpret_cast<HIMAGELIST>(SendMessage(TVM_SETIMAGELIST, static_cast<WPARAM>(nImageList),
                                                 reinterpret_cast<LPARAM>(pImageList->GetSafeHandle()))));
}

COLORREF CTreeCtrl::GetBkColor() const {
    return static_cast<COLORREF>(SendMessage(TVM_GETBKCOLOR, 0, 0));
}

COLORREF CTreeCtrl::SetBkColor(COLORREF clr) {
    return static_cast<COLORREF>(SendMessage(TVM_SETBKCOLOR, 0, static_cast<LPARAM>(clr)));
}

COLORREF CTreeCtrl::GetTextColor() const {
    return static_cast<COLORREF>(SendMessage(TVM_GETTEXTCOLOR, 0, 0));
}

COLORREF CTreeCtrl::SetTextColor(COLORREF clr) {
    return static_cast<COLORREF>(SendMessage(TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(clr)));
}

SHORT CTreeCtrl::GetItemHeight() const {
    return static_cast<SHORT>(SendMessage(TVM_GETITEMHEIGHT, 0, 0));
}

SHORT CTreeCtrl::SetItemHeight(SHORT cyHeight) {
    return static_cast<SHORT>(SendMessage(TVM_SETITEMHEIGHT, static_cast<WPARAM>(cyHeight), 0));
}

COLORREF CTreeCtrl::GetInsertMarkColor() const {
    return static_cast<COLORREF>(SendMessage(TVM_GETINSERTMARKCOLOR, 0, 0));
}

COLORREF CTreeCtrl::SetInsertMarkColor(COLORREF clrNew) {
    return static_cast<COLORREF>(SendMessage(TVM_SETINSERTMARKCOLOR, 0, static_cast<LPARAM>(clrNew)));
}

BOOL CTreeCtrl::SetInsertMark(HTREEITEM hItem, BOOL fAfter) {
    return static_cast<BOOL>(SendMessage(TVM_SETINSERTMARK, static_cast<WPARAM>(fAfter), AfxPtrParam(hItem)));
}

UINT CTreeCtrl::GetScrollTime() const {
    return static_cast<UINT>(SendMessage(TVM_GETSCROLLTIME, 0, 0));
}

UINT CTreeCtrl::SetScrollTime(UINT uScrollTime) {
    return static_cast<UINT>(SendMessage(TVM_SETSCROLLTIME, uScrollTime, 0));
}

CToolTipCtrl* CTreeCtrl::GetToolTips() const {
    return AfxCtrlFromHandle<CToolTipCtrl>(reinterpret_cast<HWND>(SendMessage(TVM_GETTOOLTIPS, 0, 0)));
}

CToolTipCtrl* CTreeCtrl::SetToolTips(CToolTipCtrl* pWndTip) {
    return AfxCtrlFromHandle<CToolTipCtrl>(reinterpret_cast<HWND>(
        SendMessage(TVM_SETTOOLTIPS, reinterpret_cast<WPARAM>(pWndTip->GetSafeHwnd()), 0)));
}

// ---- navigation ----

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const {
    return ItemOf(SendMessage(TVM_GETNEXTITEM, nCode, AfxPtrParam(hItem)));
}

HTREEITEM CTreeCtrl::GetRootItem() const {
    return GetNextItem(nullptr, TVGN_ROOT);
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM hItem) const {
    return GetNextItem(hItem, TVGN_CHILD);
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const {
    return GetNextItem(hItem, TVGN_NEXT);
}

HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM hItem) const {
    return GetNextItem(hItem, TVGN_PREVIOUS);
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM hItem) const {
    return GetNextItem(hItem, TVGN_PARENT);
}

HTREEITEM CTreeCtrl::GetFirstVisibleItem() const {
    return GetNextItem(nullptr, TVGN_FIRSTVISIBLE);
}

HTREEITEM CTreeCtrl::GetNextVisibleItem(HTREEITEM hItem) const {
    return GetNextItem(hItem, TVGN_NEXTVISIBLE);
}

HTREEITEM CTreeCtrl::GetPrevVisibleItem(HTREEITEM hItem) const {
    return GetNextItem(hItem, TVGN_PREVIOUSVISIBLE);
}

HTREEITEM CTreeCtrl::GetLastVisibleItem() const {
    return GetNextItem(nullptr, TVGN_LASTVISIBLE);
}

HTREEITEM CTreeCtrl::GetSelectedItem() const {
    return GetNextItem(nullptr, TVGN_CARET);
}

HTREEITEM CTreeCtrl::GetDropHilightItem() const {
    return GetNextItem(nullptr, TVGN_DROPHILITE);
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const {
    TVITEM item{};
    item.mask = TVIF_CHILDREN | TVIF_HANDLE;
    item.hItem = hItem;
    if (!GetItem(&item))
        return FALSE;
    return item.cChildren != 0;
}

// ---- items ----

BOOL CTreeCtrl::GetItem(TVITEM* pItem) const {
    return static_cast<BOOL>(SendMessage(TVM_GETITEM, 0, AfxPtrParam(pItem)));
}

BOOL CTreeCtrl::SetItem(TVITEM* pItem) {
    return static_cast<BOOL>(SendMessage(TVM_SETITEM, 0, AfxPtrParam(pItem)));
}

BOOL CTreeCtrl::SetItem(HTREEITEM hItem, UINT nMask, LPCSTR lpszItem, int nImage, int nSelectedImage,
                        UINT nState, UINT nStateMask, LPARAM lParam) {
    TVITEM item{};
    item.hItem = hItem;
    item.mask = nMask | TVIF_HANDLE;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.iImage = nImage;
    item.iSelectedImage = nSelectedImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return SetItem(&item);
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const {
    // The control does not tell the text's length: read into a buffer with a spare zero byte and grow
    // it while the text fills it.
    for (size_t size = 256;; size *= 2) {
        std::vector<char> buffer(size + 1, '\0');
        TVITEM item{};
        item.hItem = hItem;
        item.mask = TVIF_TEXT | TVIF_HANDLE;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(size);
        if (!GetItem(&item))
            return CString();
        if (item.pszText != buffer.data()) // the control answered with text of its own
            return CString(item.pszText != nullptr && item.pszText != LPSTR_TEXTCALLBACKA ? item.pszText
                                                                                          : "");
        const size_t length = ::strnlen(buffer.data(), size);
        if (length + 1 < size)
            return CString(buffer.data());
    }
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCSTR lpszItem) {
    return SetItem(hItem, TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0);
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const {
    TVITEM item{};
    item.hItem = hItem;
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    if (!GetItem(&item))
        return FALSE;
    nImage = item.iImage;
    nSelectedImage = item.iSelectedImage;
    return TRUE;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage) {
    return SetItem(hItem, TVIF_IMAGE | TVIF_SELECTEDIMAGE, nullptr, nImage, nSelectedImage, 0, 0, 0);
}

UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const {
    TVITEM item{};
    item.hItem = hItem;
    item.mask = TVIF_STATE | TVIF_HANDLE;
    item.stateMask = nStateMask;
    if (!GetItem(&item))
        return 0;
    return item.state & nStateMask;
}

BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask) {
    return SetItem(hItem, TVIF_STATE, nullptr, 0, 0, nState, nStateMask, 0);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const {
    TVITEM item{};
    item.hItem = hItem;
    item.mask = TVIF_PARAM | TVIF_HANDLE;
    if (!GetItem(&item))
        return 0;
    return static_cast<DWORD_PTR>(item.lParam);
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData) {
    return SetItem(hItem, TVIF_PARAM, nullptr, 0, 0, 0, 0, static_cast<LPARAM>(dwData));
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const {
    // The message takes the item's handle in the rectangle it fills.
    *reinterpret_cast<HTREEITEM*>(lpRect) = hItem;
    return static_cast<BOOL>(
        SendMessage(TVM_GETITEMRECT, static_cast<WPARAM>(bTextOnly), AfxPtrParam(lpRect)));
}

BOOL CTreeCtrl::GetCheck(HTREEITEM hItem) const {
    return (GetItemState(hItem, TVIS_STATEIMAGEMASK) >> 12) == 2;
}

BOOL CTreeCtrl::SetCheck(HTREEITEM hItem, BOOL fCheck) {
    return SetItemState(hItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), TVIS_STATEIMAGEMASK);
}

// ---- operations ----

HTREEITEM CTreeCtrl::InsertItem(LPTVINSERTSTRUCT lpInsertStruct) {
    return ItemOf(SendMessage(TVM_INSERTITEM, 0, AfxPtrParam(lpInsertStruct)));
}

HTREEITEM CTreeCtrl::InsertItem(UINT nMask, LPCSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                                UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter) {
    TVINSERTSTRUCT insert{};
    insert.hParent = hParent;
    insert.hInsertAfter = hInsertAfter;
    insert.item.mask = nMask;
    insert.item.pszText = const_cast<LPSTR>(lpszItem);
    insert.item.iImage = nImage;
    insert.item.iSelectedImage = nSelectedImage;
    insert.item.state = nState;
    insert.item.stateMask = nStateMask;
    insert.item.lParam = lParam;
    return InsertItem(&insert);
}

HTREEITEM CTreeCtrl::InsertItem(LPCSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter) {
    return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(LPCSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter) {
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage, nSelectedImage, 0, 0, 0,
                      hParent, hInsertAfter);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem) {
    return static_cast<BOOL>(SendMessage(TVM_DELETEITEM, 0, AfxPtrParam(hItem)));
}

BOOL CTreeCtrl::DeleteAllItems() {
    return DeleteItem(TVI_ROOT);
}

BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode) {
    return static_cast<BOOL>(SendMessage(TVM_EXPAND, nCode, AfxPtrParam(hItem)));
}

BOOL CTreeCtrl::Select(HTREEITEM hItem, UINT nCode) {
    return static_cast<BOOL>(SendMessage(TVM_SELECTITEM, nCode, AfxPtrParam(hItem)));
}

BOOL CTreeCtrl::SelectItem(HTREEITEM hItem) {
    return Select(hItem, TVGN_CARET);
}

BOOL CTreeCtrl::SelectDropTarget(HTREEITEM hItem) {
    return Select(hItem, TVGN_DROPHILITE);
}

BOOL CTreeCtrl::SelectSetFirstVisible(HTREEITEM hItem) {
    return Select(hItem, TVGN_FIRSTVISIBLE);
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM hItem) {
    return static_cast<BOOL>(SendMessage(TVM_ENSUREVISIBLE, 0, AfxPtrParam(hItem)));
}

CEdit* CTreeCtrl::EditLabel(HTREEITEM hItem) {
    return AfxCtrlFromHandle<CEdit>(
        reinterpret_cast<HWND>(SendMessage(TVM_EDITLABEL, 0, AfxPtrParam(hItem))));
}

CEdit* CTreeCtrl::GetEditControl() const {
    return AfxCtrlFromHandle<CEdit>(reinterpret_cast<HWND>(SendMessage(TVM_GETEDITCONTROL, 0, 0)));
}

BOOL CTreeCtrl::EndEditLabelNow(BOOL fCancelWithoutSave) {
    return static_cast<BOOL>(SendMessage(TVM_ENDEDITLABELNOW, static_cast<WPARAM>(fCancelWithoutSave), 0));
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const {
    TVHITTESTINFO info{};
    info.pt = pt;
    HTREEITEM hItem = HitTest(&info);
    if (pFlags != nullptr)
        *pFlags = info.flags;
    return hItem;
}

HTREEITEM CTreeCtrl::HitTest(TVHITTESTINFO* pHitTestInfo) const {
    return ItemOf(SendMessage(TVM_HITTEST, 0, AfxPtrParam(pHitTestInfo)));
}

BOOL CTreeCtrl::SortChildren(HTREEITEM hItem) {
    if (hItem == nullptr)
        hItem = TVI_ROOT;
    return static_cast<BOOL>(SendMessage(TVM_SORTCHILDREN, 0, AfxPtrParam(hItem)));
}

BOOL CTreeCtrl::SortChildrenCB(LPTVSORTCB pSort) {
    return static_cast<BOOL>(SendMessage(TVM_SORTCHILDRENCB, 0, AfxPtrParam(pSort)));
}

CImageList* CTreeCtrl::CreateDragImage(HTREEITEM hItem) {
    return AfxNewImageList(
        reinterpret_cast<HIMAGELIST>(SendMessage(TVM_CREATEDRAGIMAGE, 0, AfxPtrParam(hItem))));
}
