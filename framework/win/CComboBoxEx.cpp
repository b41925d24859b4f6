#include "framework/win/CComboBoxEx.h"

#include "framework/win/AfxCtrlSupport.h"

IMPLEMENT_DYNAMIC(CComboBoxEx, CComboBox)

BOOL CComboBoxEx::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls(ICC_USEREX_CLASSES);
    return CWnd::Create(WC_COMBOBOXEX, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CComboBoxEx::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls(ICC_USEREX_CLASSES);
    return CWnd::CreateEx(dwExStyle, WC_COMBOBOXEX, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

int CComboBoxEx::InsertItem(const COMBOBOXEXITEM* pCBItem) {
    return static_cast<int>(SendMessage(CBEM_INSERTITEM, 0, reinterpret_cast<LPARAM>(pCBItem)));
}

int CComboBoxEx::DeleteItem(int iIndex) {
    return static_cast<int>(SendMessage(CBEM_DELETEITEM, static_cast<WPARAM>(iIndex), 0));
}

BOOL CComboBoxEx::GetItem(COMBOBOXEXITEM* pCBItem) {
    return static_cast<BOOL>(SendMessage(CBEM_GETITEM, 0, reinterpret_cast<LPARAM>(pCBItem)));
}

BOOL CComboBoxEx::SetItem(const COMBOBOXEXITEM* pCBItem) {
    return static_cast<BOOL>(SendMessage(CBEM_SETITEM, 0, reinterpret_cast<LPARAM>(pCBItem)));
}

BOOL CComboBoxEx::HasEditChanged() {
    return static_cast<BOOL>(SendMessage(CBEM_HASEDITCHANGED, 0, 0));
}

DWORD CComboBoxEx::GetExtendedStyle() const {
    return static_cast<DWORD>(SendMessage(CBEM_GETEXTENDEDSTYLE, 0, 0));
}

DWORD CComboBoxEx::SetExtendedStyle(DWORD dwExMask, DWORD dwExStyles) {
    return static_cast<DWORD>(SendMessage(CBEM_SETEXTENDEDSTYLE, dwExMask, static_cast<LPARAM>(dwExStyles)));
}

CImageList* CComboBoxEx::SetImageList(CImageList* pImageList) {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
        SendMessage(CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pImageList->GetSafeHandle()))));
}

CImageList* CComboBoxEx::GetImageList() const {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(SendMessage(CBEM_GETIMAGELIST, 0, 0)));
}

CComboBox* CComboBoxEx::GetComboBoxCtrl() {
    return AfxCtrlFromHandle<CComboBox>(reinterpret_cast<HWND>(SendMessage(CBEM_GETCOMBOCONTROL, 0, 0)));
}

CEdit* CComboBoxEx::GetEditCtrl() {
    return AfxCtrlFromHandle<CEdit>(reinterpret_cast<HWND>(SendMessage(CBEM_GETEDITCONTROL, 0, 0)));
}
