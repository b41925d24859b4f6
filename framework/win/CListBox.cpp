#include "framework/win/CListBox.h"

#include "framework/win/AfxCtrlSupport.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListBox::GetCount() const {
    return static_cast<int>(SendMessage(LB_GETCOUNT, 0, 0));
}

int CListBox::GetHorizontalExtent() const {
    return static_cast<int>(SendMessage(LB_GETHORIZONTALEXTENT, 0, 0));
}

void CListBox::SetHorizontalExtent(int cxExtent) {
    SendMessage(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(cxExtent), 0);
}

int CListBox::GetTopIndex() const {
    return static_cast<int>(SendMessage(LB_GETTOPINDEX, 0, 0));
}

int CListBox::SetTopIndex(int nIndex) {
    return static_cast<int>(SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(nIndex), 0));
}

LCID CListBox::GetLocale() const {
    return static_cast<LCID>(SendMessage(LB_GETLOCALE, 0, 0));
}

LCID CListBox::SetLocale(LCID nNewLocale) {
    return static_cast<LCID>(SendMessage(LB_SETLOCALE, nNewLocale, 0));
}

int CListBox::InitStorage(int nItems, UINT nBytes) {
    return static_cast<int>(SendMessage(LB_INITSTORAGE, static_cast<WPARAM>(nItems), nBytes));
}

DWORD CListBox::GetListBoxInfo() const {
    return static_cast<DWORD>(SendMessage(LB_GETLISTBOXINFO, 0, 0));
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const {
    const auto result = static_cast<DWORD>(SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y)));
    bOutside = HIWORD(result) != 0;
    return LOWORD(result);
}

DWORD_PTR CListBox::GetItemData(int nIndex) const {
    return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0));
}

void* CListBox::GetItemDataPtr(int nIndex) const {
    return reinterpret_cast<void*>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0));
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return static_cast<int>(
        SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData)));
}

int CListBox::SetItemDataPtr(int nIndex, void* pData) {
    return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
}

int CListBox::GetItemRect(int nIndex, LPRECT lpRect) const {
    return static_cast<int>(
        SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)));
}

int CListBox::SetItemHeight(int nIndex, UINT cyItemHeight) {
    return static_cast<int>(
        SendMessage(LB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex), MAKELPARAM(cyItemHeight, 0)));
}

int CListBox::GetItemHeight(int nIndex) const {
    return static_cast<int>(SendMessage(LB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex), 0));
}

int CListBox::GetText(int nIndex, LPSTR lpszBuffer) const {
    return static_cast<int>(
        SendMessage(LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszBuffer)));
}

void CListBox::GetText(int nIndex, CString& rString) const {
    rString = AfxGetItemText(m_hWnd, LB_GETTEXTLEN, LB_GETTEXT, nIndex);
}

int CListBox::GetTextLen(int nIndex) const {
    return static_cast<int>(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(nIndex), 0));
}

void CListBox::SetColumnWidth(int cxWidth) {
    SendMessage(LB_SETCOLUMNWIDTH, static_cast<WPARAM>(cxWidth), 0);
}

void CListBox::SetTabStops() {
    SendMessage(LB_SETTABSTOPS, 0, 0);
}

BOOL CListBox::SetTabStops(const int& cxEachStop) {
    return static_cast<BOOL>(SendMessage(LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&cxEachStop)));
}

BOOL CListBox::SetTabStops(int nTabStops, LPINT rgTabStops) {
    return static_cast<BOOL>(
        SendMessage(LB_SETTABSTOPS, static_cast<WPARAM>(nTabStops), reinterpret_cast<LPARAM>(rgTabStops)));
}

int CListBox::GetCurSel() const {
    return static_cast<int>(SendMessage(LB_GETCURSEL, 0, 0));
}

int CListBox::SetCurSel(int nSelect) {
    return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(nSelect), 0));
}

int CListBox::GetSel(int nIndex) const {
    return static_cast<int>(SendMessage(LB_GETSEL, static_cast<WPARAM>(nIndex), 0));
}

int CListBox::SetSel(int nIndex, BOOL bSelect) {
    return static_cast<int>(
        SendMessage(LB_SETSEL, static_cast<WPARAM>(bSelect), static_cast<LPARAM>(nIndex)));
}

int CListBox::GetSelCount() const {
    return static_cast<int>(SendMessage(LB_GETSELCOUNT, 0, 0));
}

int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const {
    return static_cast<int>(
        SendMessage(LB_GETSELITEMS, static_cast<WPARAM>(nMaxItems), reinterpret_cast<LPARAM>(rgIndex)));
}

int CListBox::SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem) {
    const int nLow = nFirstItem < nLastItem ? nFirstItem : nLastItem;
    const int nHigh = nFirstItem < nLastItem ? nLastItem : nFirstItem;
    // LB_SELITEMRANGEEX deselects when its first index is the larger one; one item is deselected alone.
    if (!bSelect && nLow == nHigh)
        return SetSel(nLow, FALSE);
    const WPARAM from = static_cast<WPARAM>(bSelect ? nLow : nHigh);
    const LPARAM to = static_cast<LPARAM>(bSelect ? nHigh : nLow);
    return static_cast<int>(SendMessage(LB_SELITEMRANGEEX, from, to));
}

void CListBox::SetAnchorIndex(int nIndex) {
    SendMessage(LB_SETANCHORINDEX, static_cast<WPARAM>(nIndex), 0);
}

int CListBox::GetAnchorIndex() const {
    return static_cast<int>(SendMessage(LB_GETANCHORINDEX, 0, 0));
}

int CListBox::GetCaretIndex() const {
    return static_cast<int>(SendMessage(LB_GETCARETINDEX, 0, 0));
}

int CListBox::SetCaretIndex(int nIndex, BOOL bScroll) {
    return static_cast<int>(
        SendMessage(LB_SETCARETINDEX, static_cast<WPARAM>(nIndex), MAKELPARAM(bScroll, 0)));
}

int CListBox::AddString(LPCSTR lpszItem) {
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, AfxPtrParam(lpszItem)));
}

int CListBox::DeleteString(UINT nIndex) {
    return static_cast<int>(SendMessage(LB_DELETESTRING, nIndex, 0));
}

int CListBox::InsertString(int nIndex, LPCSTR lpszItem) {
    return static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(nIndex), AfxPtrParam(lpszItem)));
}

void CListBox::ResetContent() {
    SendMessage(LB_RESETCONTENT, 0, 0);
}

int CListBox::Dir(UINT attr, LPCSTR lpszWildCard) {
    return static_cast<int>(SendMessage(LB_DIR, attr, AfxPtrParam(lpszWildCard)));
}

int CListBox::FindString(int nStartAfter, LPCSTR lpszItem) const {
    return static_cast<int>(
        SendMessage(LB_FINDSTRING, static_cast<WPARAM>(nStartAfter), AfxPtrParam(lpszItem)));
}

int CListBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const {
    return static_cast<int>(
        SendMessage(LB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), AfxPtrParam(lpszFind)));
}

int CListBox::SelectString(int nStartAfter, LPCSTR lpszItem) {
    return static_cast<int>(
        SendMessage(LB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), AfxPtrParam(lpszItem)));
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}

void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}

int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) {
    return 0;
}

void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}

int CListBox::VKeyToItem(UINT, UINT) {
    return -1;
}

int CListBox::CharToItem(UINT, UINT) {
    return -1;
}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_VKEYTOITEM || message == WM_CHARTOITEM) {
        const int result = message == WM_VKEYTOITEM ? VKeyToItem(LOWORD(wParam), HIWORD(wParam))
                                                    : CharToItem(LOWORD(wParam), HIWORD(wParam));
        if (pResult != nullptr)
            *pResult = result;
        return TRUE;
    }
    return AfxReflectOwnerDraw(*this, message, lParam, pResult) ||
           CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
