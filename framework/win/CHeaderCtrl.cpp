#include "framework/win/CHeaderCtrl.h"

#include "framework/win/AfxCtrlSupport.h"

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls(ICC_LISTVIEW_CLASSES);
    return CWnd::Create(WC_HEADER, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CHeaderCtrl::GetItemCount() const {
    return static_cast<int>(SendMessage(HDM_GETITEMCOUNT, 0, 0));
}

BOOL CHeaderCtrl::GetItem(int nPos, HDITEM* pHeaderItem) const {
    return static_cast<BOOL>(
        SendMessage(HDM_GETITEM, static_cast<WPARAM>(nPos), reinterpret_cast<LPARAM>(pHeaderItem)));
}

BOOL CHeaderCtrl::SetItem(int nPos, HDITEM* pHeaderItem) {
    return static_cast<BOOL>(
        SendMessage(HDM_SETITEM, static_cast<WPARAM>(nPos), reinterpret_cast<LPARAM>(pHeaderItem)));
}

BOOL CHeaderCtrl::GetItemRect(int nIndex, LPRECT lpRect) const {
    return static_cast<BOOL>(
        SendMessage(HDM_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)));
}

int CHeaderCtrl::InsertItem(int nPos, HDITEM* phdi) {
    return static_cast<int>(
        SendMessage(HDM_INSERTITEM, static_cast<WPARAM>(nPos), reinterpret_cast<LPARAM>(phdi)));
}

BOOL CHeaderCtrl::DeleteItem(int nPos) {
    return static_cast<BOOL>(SendMessage(HDM_DELETEITEM, static_cast<WPARAM>(nPos), 0));
}

BOOL CHeaderCtrl::Layout(HDLAYOUT* pHeaderLayout) {
    return static_cast<BOOL>(SendMessage(HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(pHeaderLayout)));
}

int CHeaderCtrl::HitTest(LPHDHITTESTINFO pHeaderHitTestInfo) {
    return static_cast<int>(SendMessage(HDM_HITTEST, 0, reinterpret_cast<LPARAM>(pHeaderHitTestInfo)));
}

CImageList* CHeaderCtrl::GetImageList() const {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(SendMessage(HDM_GETIMAGELIST, 0, 0)));
}

CImageList* CHeaderCtrl::SetImageList(CImageList* pImageList) {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
        SendMessage(HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pImageList->GetSafeHandle()))));
}

BOOL CHeaderCtrl::GetOrderArray(LPINT piArray, int iCount) const {
    return static_cast<BOOL>(
        SendMessage(HDM_GETORDERARRAY, static_cast<WPARAM>(iCount), reinterpret_cast<LPARAM>(piArray)));
}

BOOL CHeaderCtrl::SetOrderArray(int iCount, LPINT piArray) {
    return static_cast<BOOL>(
        SendMessage(HDM_SETORDERARRAY, static_cast<WPARAM>(iCount), reinterpret_cast<LPARAM>(piArray)));
}

int CHeaderCtrl::OrderToIndex(int nOrder) const {
    return static_cast<int>(SendMessage(HDM_ORDERTOINDEX, static_cast<WPARAM>(nOrder), 0));
}

int CHeaderCtrl::SetHotDivider(CPoint pt) {
    return static_cast<int>(SendMessage(HDM_SETHOTDIVIDER, TRUE, MAKELPARAM(pt.x, pt.y)));
}

int CHeaderCtrl::SetHotDivider(int nIndex) {
    return static_cast<int>(SendMessage(HDM_SETHOTDIVIDER, FALSE, static_cast<LPARAM>(nIndex)));
}

CImageList* CHeaderCtrl::CreateDragImage(int nIndex) {
    return AfxNewImageList(
        reinterpret_cast<HIMAGELIST>(SendMessage(HDM_CREATEDRAGIMAGE, static_cast<WPARAM>(nIndex), 0)));
}

void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return AfxReflectOwnerDraw(*this, message, lParam, pResult) ||
           CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
