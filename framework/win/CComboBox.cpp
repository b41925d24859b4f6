#include "framework/win/CComboBox.h"

#include "framework/win/AfxCtrlSupport.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::GetCount() const {
    return static_cast<int>(SendMessage(CB_GETCOUNT, 0, 0));
}

int CComboBox::GetCurSel() const {
    return static_cast<int>(SendMessage(CB_GETCURSEL, 0, 0));
}

int CComboBox::SetCurSel(int nSelect) {
    return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nSelect), 0));
}

LCID CComboBox::GetLocale() const {
    return static_cast<LCID>(SendMessage(CB_GETLOCALE, 0, 0));
}

LCID CComboBox::SetLocale(LCID nNewLocale) {
    return static_cast<LCID>(SendMessage(CB_SETLOCALE, nNewLocale, 0));
}

int CComboBox::GetTopIndex() const {
    return static_cast<int>(SendMessage(CB_GETTOPINDEX, 0, 0));
}

int CComboBox::SetTopIndex(int nIndex) {
    return static_cast<int>(SendMessage(CB_SETTOPINDEX, static_cast<WPARAM>(nIndex), 0));
}

int CComboBox::InitStorage(int nItems, UINT nBytes) {
    return static_cast<int>(SendMessage(CB_INITSTORAGE, static_cast<WPARAM>(nItems), nBytes));
}

void CComboBox::SetHorizontalExtent(UINT nExtent) {
    SendMessage(CB_SETHORIZONTALEXTENT, nExtent, 0);
}

UINT CComboBox::GetHorizontalExtent() const {
    return static_cast<UINT>(SendMessage(CB_GETHORIZONTALEXTENT, 0, 0));
}

int CComboBox::SetDroppedWidth(UINT nWidth) {
    return static_cast<int>(SendMessage(CB_SETDROPPEDWIDTH, nWidth, 0));
}

int CComboBox::GetDroppedWidth() const {
    return static_cast<int>(SendMessage(CB_GETDROPPEDWIDTH, 0, 0));
}

BOOL CComboBox::GetComboBoxInfo(PCOMBOBOXINFO pcbi) const {
    if (pcbi == nullptr)
        return FALSE;
    pcbi->cbSize = sizeof(COMBOBOXINFO);
    return ::GetComboBoxInfo(m_hWnd, pcbi);
}

DWORD CComboBox::GetEditSel() const {
    return static_cast<DWORD>(SendMessage(CB_GETEDITSEL, 0, 0));
}

BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar) {
    return static_cast<BOOL>(SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(nStartChar, nEndChar)));
}

BOOL CComboBox::LimitText(int nMaxChars) {
    return static_cast<BOOL>(SendMessage(CB_LIMITTEXT, static_cast<WPARAM>(nMaxChars), 0));
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const {
    return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0));
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return static_cast<int>(
        SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData)));
}

void* CComboBox::GetItemDataPtr(int nIndex) const {
    return reinterpret_cast<void*>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0));
}

int CComboBox::SetItemDataPtr(int nIndex, void* pData) {
    return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
}

int CComboBox::GetLBText(int nIndex, LPSTR lpszText) const {
    return static_cast<int>(
        SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszText)));
}

void CComboBox::GetLBText(int nIndex, CString& rString) const {
    rString = AfxGetItemText(m_hWnd, CB_GETLBTEXTLEN, CB_GETLBTEXT, nIndex);
}

int CComboBox::GetLBTextLen(int nIndex) const {
    return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex), 0));
}

int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight) {
    return static_cast<int>(
        SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex), MAKELPARAM(cyItemHeight, 0)));
}

int CComboBox::GetItemHeight(int nIndex) const {
    return static_cast<int>(SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex), 0));
}

int CComboBox::SetExtendedUI(BOOL bExtended) {
    return static_cast<int>(SendMessage(CB_SETEXTENDEDUI, static_cast<WPARAM>(bExtended), 0));
}

BOOL CComboBox::GetExtendedUI() const {
    return static_cast<BOOL>(SendMessage(CB_GETEXTENDEDUI, 0, 0));
}

void CComboBox::GetDroppedControlRect(LPRECT lprect) const {
    SendMessage(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(lprect));
}

BOOL CComboBox::GetDroppedState() const {
    return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE, 0, 0));
}

void CComboBox::ShowDropDown(BOOL bShowIt) {
    SendMessage(CB_SHOWDROPDOWN, static_cast<WPARAM>(bShowIt), 0);
}

int CComboBox::AddString(LPCSTR lpszString) {
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, AfxPtrParam(lpszString)));
}

int CComboBox::DeleteString(UINT nIndex) {
    return static_cast<int>(SendMessage(CB_DELETESTRING, nIndex, 0));
}

int CComboBox::InsertString(int nIndex, LPCSTR lpszString) {
    return static_cast<int>(
        SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(nIndex), AfxPtrParam(lpszString)));
}

void CComboBox::ResetContent() {
    SendMessage(CB_RESETCONTENT, 0, 0);
}

int CComboBox::Dir(UINT attr, LPCSTR lpszWildCard) {
    return static_cast<int>(SendMessage(CB_DIR, attr, AfxPtrParam(lpszWildCard)));
}

int CComboBox::FindString(int nStartAfter, LPCSTR lpszString) const {
    return static_cast<int>(
        SendMessage(CB_FINDSTRING, static_cast<WPARAM>(nStartAfter), AfxPtrParam(lpszString)));
}

int CComboBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const {
    return static_cast<int>(
        SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), AfxPtrParam(lpszFind)));
}

int CComboBox::SelectString(int nStartAfter, LPCSTR lpszString) {
    return static_cast<int>(
        SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), AfxPtrParam(lpszString)));
}

void CComboBox::Clear() {
    SendMessage(WM_CLEAR, 0, 0);
}

void CComboBox::Copy() {
    SendMessage(WM_COPY, 0, 0);
}

void CComboBox::Cut() {
    SendMessage(WM_CUT, 0, 0);
}

void CComboBox::Paste() {
    SendMessage(WM_PASTE, 0, 0);
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}

void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}

int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) {
    return 0;
}

void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return AfxReflectOwnerDraw(*this, message, lParam, pResult) ||
           CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
