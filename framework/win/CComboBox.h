// CComboBox: a combo box in any of its three styles (simple, drop-down, drop-down list), optionally
// owner-drawn. The owner-draw virtuals are reached through the WM_DRAWITEM, WM_MEASUREITEM,
// WM_COMPAREITEM and WM_DELETEITEM messages its parent receives.
#pragma once

#include "framework/core/CString.h"
#include "framework/win/CWnd.h"

class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- general ----
    int GetCount() const;
    int GetCurSel() const;
    // -1 clears the selection (and the edit text).
    int SetCurSel(int nSelect);
    LCID GetLocale() const;
    LCID SetLocale(LCID nNewLocale);
    int GetTopIndex() const;
    int SetTopIndex(int nIndex);
    int InitStorage(int nItems, UINT nBytes);
    void SetHorizontalExtent(UINT nExtent);
    UINT GetHorizontalExtent() const;
    // The width of the drop-down list; never narrower than the combo box itself. CB_ERR on failure.
    int SetDroppedWidth(UINT nWidth);
    int GetDroppedWidth() const;
    BOOL GetComboBoxInfo(PCOMBOBOXINFO pcbi) const;

    // ---- edit part ----
    // LOWORD: start of the selection, HIWORD: the first character after it.
    DWORD GetEditSel() const;
    BOOL SetEditSel(int nStartChar, int nEndChar);
    // 0 removes the limit.
    BOOL LimitText(int nMaxChars);

    // ---- items ----
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    void* GetItemDataPtr(int nIndex) const;
    int SetItemDataPtr(int nIndex, void* pData);
    int GetLBText(int nIndex, LPSTR lpszText) const;
    // Empty for an index out of range.
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const;
    // nIndex -1: the edit or static part; otherwise a list item.
    int SetItemHeight(int nIndex, UINT cyItemHeight);
    int GetItemHeight(int nIndex) const;
    int SetExtendedUI(BOOL bExtended = TRUE);
    BOOL GetExtendedUI() const;
    void GetDroppedControlRect(LPRECT lprect) const;
    BOOL GetDroppedState() const;

    // ---- operations ----
    void ShowDropDown(BOOL bShowIt = TRUE);
    int AddString(LPCSTR lpszString);
    int DeleteString(UINT nIndex);
    int InsertString(int nIndex, LPCSTR lpszString);
    void ResetContent();
    int Dir(UINT attr, LPCSTR lpszWildCard);
    // The first item after nStartAfter (-1: from the top) that starts with (FindString) or equals
    // (FindStringExact) the text, ignoring case; the search wraps. CB_ERR when none does.
    int FindString(int nStartAfter, LPCSTR lpszString) const;
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const;
    // Selects the item FindString finds and shows it in the edit part; returns its index or CB_ERR.
    int SelectString(int nStartAfter, LPCSTR lpszString);

    // ---- clipboard (edit part) ----
    void Clear();
    void Copy();
    void Cut();
    void Paste();

    // ---- owner draw ----
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
