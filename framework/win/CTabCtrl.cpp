#include "framework/win/CTabCtrl.h"

#include "framework/win/AfxCtrlSupport.h"
#include "framework/win/CToolTipCtrl.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls(ICC_TAB_CLASSES);
    return CWnd::Create(WC_TABCONTROL, nullptr, dwStyle, rect, pParentWnd, nID);
}

CImageList* CTabCtrl::GetImageList() const {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(SendMessage(TCM_GETIMAGELIST, 0, 0)));
}

CImageList* CTabCtrl::SetImageList(CImageList* pImageList) {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
        SendMessage(TCM_SETIMAGELIST, 0, AfxPtrParam(pImageList->GetSafeHandle()))));
}

int CTabCtrl::GetItemCount() const {
    return static_cast<int>(SendMessage(TCM_GETITEMCOUNT, 0, 0));
}

BOOL CTabCtrl::GetItem(int nItem, TCITEM* pTabCtrlItem) const {
    return static_cast<BOOL>(SendMessage(TCM_GETITEM, AfxIndexParam(nItem), AfxPtrParam(pTabCtrlItem)));
}

BOOL CTabCtrl::SetItem(int nItem, TCITEM* pTabCtrlItem) {
    return static_cast<BOOL>(SendMessage(TCM_SETITEM, AfxIndexParam(nItem), AfxPtrParam(pTabCtrlItem)));
}

BOOL CTabCtrl::SetItemExtra(int nBytes) {
    return static_cast<BOOL>(SendMessage(TCM_SETITEMEXTRA, AfxIndexParam(nBytes), 0));
}

BOOL CTabCtrl::GetItemRect(int nItem, LPRECT lpRect) const {
    return static_cast<BOOL>(SendMessage(TCM_GETITEMRECT, AfxIndexParam(nItem), AfxPtrParam(lpRect)));
}

int CTabCtrl::GetCurSel() const {
    return static_cast<int>(SendMessage(TCM_GETCURSEL, 0, 0));
}

int CTabCtrl::SetCurSel(int nItem) {
    return static_cast<int>(SendMessage(TCM_SETCURSEL, AfxIndexParam(nItem), 0));
}

void CTabCtrl::SetCurFocus(int nItem) {
    SendMessage(TCM_SETCURFOCUS, AfxIndexParam(nItem), 0);
}

int CTabCtrl::GetCurFocus() const {
    return static_cast<int>(SendMessage(TCM_GETCURFOCUS, 0, 0));
}

CSize CTabCtrl::SetItemSize(CSize size) {
    const auto previous = static_cast<DWORD>(SendMessage(TCM_SETITEMSIZE, 0, MAKELPARAM(size.cx, size.cy)));
    return CSize(LOWORD(previous), HIWORD(previous));
}

void CTabCtrl::SetPadding(CSize size) {
    SendMessage(TCM_SETPADDING, 0, MAKELPARAM(size.cx, size.cy));
}

int CTabCtrl::GetRowCount() const {
    return static_cast<int>(SendMessage(TCM_GETROWCOUNT, 0, 0));
}

int CTabCtrl::SetMinTabWidth(int cx) {
    return static_cast<int>(SendMessage(TCM_SETMINTABWIDTH, 0, static_cast<LPARAM>(cx)));
}

DWORD CTabCtrl::GetExtendedStyle() const {
    return static_cast<DWORD>(SendMessage(TCM_GETEXTENDEDSTYLE, 0, 0));
}

DWORD CTabCtrl::SetExtendedStyle(DWORD dwNewStyle, DWORD dwExMask) {
    return static_cast<DWORD>(SendMessage(TCM_SETEXTENDEDSTYLE, dwExMask, static_cast<LPARAM>(dwNewStyle)));
}

DWORD CTabCtrl::GetItemState(int nItem, DWORD dwMask) const {
    TCITEM item{};
    item.mask = TCIF_STATE;
    item.dwStateMask = dwMask;
    if (!GetItem(nItem, &item))
        return 0;
    return item.dwState & dwMask;
}

BOOL CTabCtrl::SetItemState(int nItem, DWORD dwMask, DWORD dwState) {
    TCITEM item{};
    item.mask = TCIF_STATE;
    item.dwStateMask = dwMask;
    item.dwState = dwState;
    return SetItem(nItem, &item);
}

CToolTipCtrl* CTabCtrl::GetToolTips() const {
    return AfxCtrlFromHandle<CToolTipCtrl>(reinterpret_cast<HWND>(SendMessage(TCM_GETTOOLTIPS, 0, 0)));
}

void CTabCtrl::SetToolTips(CToolTipCtrl* pWndTip) {
    SendMessage(TCM_SETTOOLTIPS, reinterpret_cast<WPARAM>(pWndTip->GetSafeHwnd()), 0);
}

void CTabCtrl::AdjustRect(BOOL bLarger, LPRECT lpRect) {
    SendMessage(TCM_ADJUSTRECT, static_cast<WPARAM>(bLarger), AfxPtrParam(lpRect));
}

LONG CTabCtrl::InsertItem(int nItem, TCITEM* pTabCtrlItem) {
    return static_cast<LONG>(SendMessage(TCM_INSERTITEM, AfxIndexParam(nItem), AfxPtrParam(pTabCtrlItem)));
}

LONG CTabCtrl::InsertItem(int nItem, LPCSTR lpszItem) {
    return InsertItem(TCIF_TEXT, nItem, lpszItem, 0, 0);
}

LONG CTabCtrl::InsertItem(int nItem, LPCSTR lpszItem, int nImage) {
    return InsertItem(TCIF_TEXT | TCIF_IMAGE, nItem, lpszItem, nImage, 0);
}

LONG CTabCtrl::InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, int nImage, LPARAM lParam) {
    TCITEM item{};
    item.mask = nMask;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(nItem, &item);
}

BOOL CTabCtrl::DeleteItem(int nItem) {
    return static_cast<BOOL>(SendMessage(TCM_DELETEITEM, AfxIndexParam(nItem), 0));
}

BOOL CTabCtrl::DeleteAllItems() {
    return static_cast<BOOL>(SendMessage(TCM_DELETEALLITEMS, 0, 0));
}

void CTabCtrl::DeselectAll(BOOL fExcludeFocus) {
    SendMessage(TCM_DESELECTALL, static_cast<WPARAM>(fExcludeFocus), 0);
}

void CTabCtrl::RemoveImage(int nImage) {
    SendMessage(TCM_REMOVEIMAGE, AfxIndexParam(nImage), 0);
}

int CTabCtrl::HitTest(TCHITTESTINFO* pHitTestInfo) const {
    return static_cast<int>(SendMessage(TCM_HITTEST, 0, AfxPtrParam(pHitTestInfo)));
}

BOOL CTabCtrl::HighlightItem(int idItem, BOOL fHighlight) {
    return static_cast<BOOL>(
        SendMessage(TCM_HIGHLIGHTITEM, AfxIndexParam(idItem), MAKELPARAM(fHighlight, 0)));
}

void CTabCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CTabCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return AfxReflectOwnerDraw(*this, message, lParam, pResult) ||
           CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
