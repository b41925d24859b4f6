#include "framework/win/CListCtrl.h"

#include "framework/win/AfxCtrlSupport.h"

#include <algorithm>
#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls(ICC_LISTVIEW_CLASSES);
    return CWnd::Create(WC_LISTVIEW, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CListCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls(ICC_LISTVIEW_CLASSES);
    return CWnd::CreateEx(dwExStyle, WC_LISTVIEW, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

// ---- colours and images ----

COLORREF CListCtrl::GetBkColor() const {
    return static_cast<COLORREF>(SendMessage(LVM_GETBKCOLOR, 0, 0));
}

BOOL CListCtrl::SetBkColor(COLORREF cr) {
    return static_cast<BOOL>(SendMessage(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(cr)));
}

COLORREF CListCtrl::GetTextColor() const {
    return static_cast<COLORREF>(SendMessage(LVM_GETTEXTCOLOR, 0, 0));
}

BOOL CListCtrl::SetTextColor(COLORREF cr) {
    return static_cast<BOOL>(SendMessage(LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(cr)));
}

COLORREF CListCtrl::GetTextBkColor() const {
    return static_cast<COLORREF>(SendMessage(LVM_GETTEXTBKCOLOR, 0, 0));
}

BOOL CListCtrl::SetTextBkColor(COLORREF cr) {
    return static_cast<BOOL>(SendMessage(LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(cr)));
}

CImageList* CListCtrl::GetImageList(int nImageListType) const {
    return CImageList::FromHandle(
        reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, AfxIndexParam(nImageListType), 0)));
}

CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType) {
    return CImageList::FromHandle(
        reinterpret_cast<HIMAGELIST>(SendMessage(LVM_SETIMAGELIST, AfxIndexParam(nImageListType),
                                                 reinterpret_cast<LPARAM>(pImageList->GetSafeHandle()))));
}

// ---- styles ----

DWORD CListCtrl::GetExtendedStyle() const {
    return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(dwNewStyle)));
}

UINT CListCtrl::GetCallbackMask() const {
    return static_cast<UINT>(SendMessage(LVM_GETCALLBACKMASK, 0, 0));
}

BOOL CListCtrl::SetCallbackMask(UINT nMask) {
    return static_cast<BOOL>(SendMessage(LVM_SETCALLBACKMASK, nMask, 0));
}

// ---- columns ----

int CListCtrl::InsertColumn(int nCol, const LVCOLUMN* pColumn) {
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMN, AfxIndexParam(nCol), AfxPtrParam(pColumn)));
}

int CListCtrl::InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem) {
    LVCOLUMN column{};
    column.mask = LVCF_FMT | LVCF_TEXT;
    column.fmt = nFormat;
    column.pszText = const_cast<LPSTR>(lpszColumnHeading);
    if (nWidth != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

BOOL CListCtrl::DeleteColumn(int nCol) {
    return static_cast<BOOL>(SendMessage(LVM_DELETECOLUMN, AfxIndexParam(nCol), 0));
}

BOOL CListCtrl::GetColumn(int nCol, LVCOLUMN* pColumn) const {
    return static_cast<BOOL>(SendMessage(LVM_GETCOLUMN, AfxIndexParam(nCol), AfxPtrParam(pColumn)));
}

BOOL CListCtrl::SetColumn(int nCol, const LVCOLUMN* pColumn) {
    return static_cast<BOOL>(SendMessage(LVM_SETCOLUMN, AfxIndexParam(nCol), AfxPtrParam(pColumn)));
}

int CListCtrl::GetColumnWidth(int nCol) const {
    return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, AfxIndexParam(nCol), 0));
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx) {
    return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, AfxIndexParam(nCol), MAKELPARAM(cx, 0)));
}

BOOL CListCtrl::GetColumnOrderArray(LPINT piArray, int iCount) const {
    if (iCount == -1) {
        const CHeaderCtrl* pHeader = GetHeaderCtrl();
        if (pHeader == nullptr)
            return FALSE;
        iCount = pHeader->GetItemCount();
    }
    return static_cast<BOOL>(
        SendMessage(LVM_GETCOLUMNORDERARRAY, AfxIndexParam(iCount), AfxPtrParam(piArray)));
}

BOOL CListCtrl::SetColumnOrderArray(int iCount, LPINT piArray) {
    return static_cast<BOOL>(
        SendMessage(LVM_SETCOLUMNORDERARRAY, AfxIndexParam(iCount), AfxPtrParam(piArray)));
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const {
    return AfxCtrlFromHandle<CHeaderCtrl>(reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER, 0, 0)));
}

// ---- items ----

int CListCtrl::GetItemCount() const {
    return static_cast<int>(SendMessage(LVM_GETITEMCOUNT, 0, 0));
}

void CListCtrl::SetItemCount(int nItems) {
    SendMessage(LVM_SETITEMCOUNT, AfxIndexParam(nItems), 0);
}

BOOL CListCtrl::SetItemCountEx(int iCount, DWORD dwFlags) {
    return static_cast<BOOL>(
        SendMessage(LVM_SETITEMCOUNT, AfxIndexParam(iCount), static_cast<LPARAM>(dwFlags)));
}

int CListCtrl::InsertItem(const LVITEM* pItem) {
    return static_cast<int>(SendMessage(LVM_INSERTITEM, 0, AfxPtrParam(pItem)));
}

int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem) {
    return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem, int nImage) {
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                          LPARAM lParam) {
    LVITEM item{};
    item.mask = nMask;
    item.iItem = nItem;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.state = nState;
    item.stateMask = nStateMask;
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

BOOL CListCtrl::DeleteItem(int nItem) {
    return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, AfxIndexParam(nItem), 0));
}

BOOL CListCtrl::DeleteAllItems() {
    return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS, 0, 0));
}

BOOL CListCtrl::GetItem(LVITEM* pItem) const {
    return static_cast<BOOL>(SendMessage(LVM_GETITEM, 0, AfxPtrParam(pItem)));
}

BOOL CListCtrl::SetItem(const LVITEM* pItem) {
    return static_cast<BOOL>(SendMessage(LVM_SETITEM, 0, AfxPtrParam(pItem)));
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage, UINT nState,
                        UINT nStateMask, LPARAM lParam) {
    LVITEM item{};
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.iImage = nImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return SetItem(&item);
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage, UINT nState,
                        UINT nStateMask, LPARAM lParam, int nIndent) {
    LVITEM item{};
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.iImage = nImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    item.iIndent = nIndent;
    return SetItem(&item);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    // The control reports only what it copied, and some versions fill a short buffer to its end
    // without a terminator: read into a buffer with a spare zero byte and grow it while the text fills it.
    for (size_t size = 256;; size *= 2) {
        std::vector<char> buffer(size + 1, '\0');
        LVITEM item{};
        item.iSubItem = nSubItem;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(size);
        SendMessage(LVM_GETITEMTEXT, AfxIndexParam(nItem), AfxPtrParam(&item));
        const size_t length = ::strnlen(buffer.data(), size);
        if (length + 1 < size)
            return CString(buffer.data());
    }
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPSTR lpszText, int nLen) const {
    if (lpszText == nullptr || nLen <= 0)
        return 0;
    const CString text = GetItemText(nItem, nSubItem);
    const int copied = std::min(text.GetLength(), nLen - 1);
    std::copy_n(static_cast<LPCSTR>(text), copied, lpszText);
    lpszText[copied] = '\0';
    return copied;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCSTR lpszText) {
    LVITEM item{};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(lpszText);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXT, AfxIndexParam(nItem), AfxPtrParam(&item)));
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const {
    LVITEM item{};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    if (!GetItem(&item))
        return 0;
    return static_cast<DWORD_PTR>(item.lParam);
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
    return SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, static_cast<LPARAM>(dwData));
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
    return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, AfxIndexParam(nItem), static_cast<LPARAM>(nMask)));
}

BOOL CListCtrl::SetItemState(int nItem, LVITEM* pItem) {
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, AfxIndexParam(nItem), AfxPtrParam(pItem)));
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
    LVITEM item{};
    item.state = nState;
    item.stateMask = nMask;
    return SetItemState(nItem, &item);
}

BOOL CListCtrl::GetCheck(int nItem) const {
    return static_cast<BOOL>((GetItemState(nItem, LVIS_STATEIMAGEMASK) >> 12) == 2);
}

BOOL CListCtrl::SetCheck(int nItem, BOOL fCheck) {
    return SetItemState(nItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), LVIS_STATEIMAGEMASK);
}

// ---- finding and selection ----

int CListCtrl::GetNextItem(int nItem, int nFlags) const {
    return static_cast<int>(SendMessage(LVM_GETNEXTITEM, AfxIndexParam(nItem), MAKELPARAM(nFlags, 0)));
}

// A position holds the index of the next selected item plus one, so that no item gives nullptr.
POSITION CListCtrl::GetFirstSelectedItemPosition() const {
    return reinterpret_cast<POSITION>(static_cast<INT_PTR>(GetNextItem(-1, LVNI_SELECTED) + 1));
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
    const int nItem = static_cast<int>(reinterpret_cast<INT_PTR>(pos)) - 1;
    pos = reinterpret_cast<POSITION>(static_cast<INT_PTR>(GetNextItem(nItem, LVNI_SELECTED) + 1));
    return nItem;
}

UINT CListCtrl::GetSelectedCount() const {
    return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT, 0, 0));
}

int CListCtrl::GetSelectionMark() {
    return static_cast<int>(SendMessage(LVM_GETSELECTIONMARK, 0, 0));
}

int CListCtrl::SetSelectionMark(int iIndex) {
    return static_cast<int>(SendMessage(LVM_SETSELECTIONMARK, 0, static_cast<LPARAM>(iIndex)));
}

int CListCtrl::FindItem(LVFINDINFO* pFindInfo, int nStart) const {
    return static_cast<int>(SendMessage(LVM_FINDITEM, AfxIndexParam(nStart), AfxPtrParam(pFindInfo)));
}

int CListCtrl::GetHotItem() {
    return static_cast<int>(SendMessage(LVM_GETHOTITEM, 0, 0));
}

int CListCtrl::SetHotItem(int iIndex) {
    return static_cast<int>(SendMessage(LVM_SETHOTITEM, AfxIndexParam(iIndex), 0));
}

int CListCtrl::HitTest(LVHITTESTINFO* pHitTestInfo) const {
    return static_cast<int>(SendMessage(LVM_HITTEST, 0, AfxPtrParam(pHitTestInfo)));
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const {
    LVHITTESTINFO info{};
    info.pt = pt;
    const int nItem = HitTest(&info);
    if (pFlags != nullptr)
        *pFlags = info.flags;
    return nItem;
}

int CListCtrl::SubItemHitTest(LPLVHITTESTINFO pInfo) {
    return static_cast<int>(SendMessage(LVM_SUBITEMHITTEST, 0, AfxPtrParam(pInfo)));
}

// ---- geometry and scrolling ----

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const {
    lpRect->left = static_cast<LONG>(nCode);
    return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, AfxIndexParam(nItem), AfxPtrParam(lpRect)));
}

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) {
    ref.top = iSubItem;
    ref.left = nArea;
    return static_cast<BOOL>(
        SendMessage(LVM_GETSUBITEMRECT, AfxIndexParam(iItem), AfxPtrParam(static_cast<RECT*>(&ref))));
}

BOOL CListCtrl::GetItemPosition(int nItem, LPPOINT lpPoint) const {
    return static_cast<BOOL>(SendMessage(LVM_GETITEMPOSITION, AfxIndexParam(nItem), AfxPtrParam(lpPoint)));
}

BOOL CListCtrl::SetItemPosition(int nItem, POINT pt) {
    return static_cast<BOOL>(SendMessage(LVM_SETITEMPOSITION32, AfxIndexParam(nItem), AfxPtrParam(&pt)));
}

BOOL CListCtrl::GetViewRect(LPRECT lpRect) const {
    return static_cast<BOOL>(SendMessage(LVM_GETVIEWRECT, 0, AfxPtrParam(lpRect)));
}

BOOL CListCtrl::GetOrigin(LPPOINT lpPoint) const {
    return static_cast<BOOL>(SendMessage(LVM_GETORIGIN, 0, AfxPtrParam(lpPoint)));
}

int CListCtrl::GetTopIndex() const {
    return static_cast<int>(SendMessage(LVM_GETTOPINDEX, 0, 0));
}

int CListCtrl::GetCountPerPage() const {
    return static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE, 0, 0));
}

int CListCtrl::GetStringWidth(LPCSTR lpsz) const {
    return static_cast<int>(SendMessage(LVM_GETSTRINGWIDTH, 0, AfxPtrParam(lpsz)));
}

CSize CListCtrl::SetIconSpacing(int cx, int cy) {
    const auto previous = static_cast<DWORD>(SendMessage(LVM_SETICONSPACING, 0, MAKELPARAM(cx, cy)));
    return CSize(LOWORD(previous), HIWORD(previous));
}

CSize CListCtrl::ApproximateViewRect(CSize sz, int iCount) const {
    const auto size = static_cast<DWORD>(
        SendMessage(LVM_APPROXIMATEVIEWRECT, AfxIndexParam(iCount), MAKELPARAM(sz.cx, sz.cy)));
    return CSize(LOWORD(size), HIWORD(size));
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK) {
    return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, AfxIndexParam(nItem), MAKELPARAM(bPartialOK, 0)));
}

BOOL CListCtrl::Scroll(CSize size) {
    return static_cast<BOOL>(
        SendMessage(LVM_SCROLL, static_cast<WPARAM>(size.cx), static_cast<LPARAM>(size.cy)));
}

BOOL CListCtrl::RedrawItems(int nFirst, int nLast) {
    return static_cast<BOOL>(SendMessage(LVM_REDRAWITEMS, AfxIndexParam(nFirst), static_cast<LPARAM>(nLast)));
}

BOOL CListCtrl::Update(int nItem) {
    return static_cast<BOOL>(SendMessage(LVM_UPDATE, AfxIndexParam(nItem), 0));
}

BOOL CListCtrl::Arrange(UINT nCode) {
    return static_cast<BOOL>(SendMessage(LVM_ARRANGE, nCode, 0));
}

// ---- labels, sorting, dragging ----

CEdit* CListCtrl::EditLabel(int nItem) {
    return AfxCtrlFromHandle<CEdit>(
        reinterpret_cast<HWND>(SendMessage(LVM_EDITLABEL, AfxIndexParam(nItem), 0)));
}

CEdit* CListCtrl::GetEditControl() const {
    return AfxCtrlFromHandle<CEdit>(reinterpret_cast<HWND>(SendMessage(LVM_GETEDITCONTROL, 0, 0)));
}

BOOL CListCtrl::SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData) {
    return static_cast<BOOL>(
        SendMessage(LVM_SORTITEMS, static_cast<WPARAM>(dwData), reinterpret_cast<LPARAM>(pfnCompare)));
}

BOOL CListCtrl::SortItemsEx(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData) {
    return static_cast<BOOL>(
        SendMessage(LVM_SORTITEMSEX, static_cast<WPARAM>(dwData), reinterpret_cast<LPARAM>(pfnCompare)));
}

CImageList* CListCtrl::CreateDragImage(int nItem, LPPOINT lpPoint) {
    return AfxNewImageList(reinterpret_cast<HIMAGELIST>(
        SendMessage(LVM_CREATEDRAGIMAGE, AfxIndexParam(nItem), AfxPtrParam(lpPoint))));
}

void CListCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return AfxReflectOwnerDraw(*this, message, lParam, pResult) ||
           CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
