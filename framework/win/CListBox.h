// CListBox: a list box, single or multiple selection, optionally owner-drawn. The owner-draw virtuals
// are reached through the WM_DRAWITEM, WM_MEASUREITEM, WM_COMPAREITEM and WM_DELETEITEM messages its
// parent receives.
#pragma once

#include "framework/core/CString.h"
#include "framework/win/CWnd.h"

class CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- general ----
    int GetCount() const;
    int GetHorizontalExtent() const;
    void SetHorizontalExtent(int cxExtent);
    int GetTopIndex() const;
    int SetTopIndex(int nIndex);
    LCID GetLocale() const;
    LCID SetLocale(LCID nNewLocale);
    // Reserves memory for nItems items of nBytes string bytes in all; returns the items allocated.
    int InitStorage(int nItems, UINT nBytes);
    DWORD GetListBoxInfo() const;
    // Index of the item nearest pt (client coordinates); bOutside tells whether pt lies outside items.
    UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;

    // ---- items ----
    DWORD_PTR GetItemData(int nIndex) const;
    void* GetItemDataPtr(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    int SetItemDataPtr(int nIndex, void* pData);
    int GetItemRect(int nIndex, LPRECT lpRect) const;
    int SetItemHeight(int nIndex, UINT cyItemHeight);
    int GetItemHeight(int nIndex) const;
    int GetText(int nIndex, LPSTR lpszBuffer) const;
    // Empty for an index out of range.
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const;
    void SetColumnWidth(int cxWidth);
    void SetTabStops();
    BOOL SetTabStops(const int& cxEachStop);
    BOOL SetTabStops(int nTabStops, LPINT rgTabStops);

    // ---- single selection ----
    int GetCurSel() const;
    int SetCurSel(int nSelect);

    // ---- multiple selection ----
    int GetSel(int nIndex) const;
    int SetSel(int nIndex, BOOL bSelect = TRUE);
    int GetSelCount() const;
    int GetSelItems(int nMaxItems, LPINT rgIndex) const;
    int SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem);
    void SetAnchorIndex(int nIndex);
    int GetAnchorIndex() const;
    int GetCaretIndex() const;
    // bScroll FALSE scrolls the item fully into view, TRUE at least partly.
    int SetCaretIndex(int nIndex, BOOL bScroll = TRUE);

    // ---- strings ----
    int AddString(LPCSTR lpszItem);
    int DeleteString(UINT nIndex);
    int InsertString(int nIndex, LPCSTR lpszItem);
    void ResetContent();
    int Dir(UINT attr, LPCSTR lpszWildCard);
    // The first item after nStartAfter (-1: from the top) that starts with (FindString) or equals
    // (FindStringExact) the text, ignoring case; the search wraps. LB_ERR when none does.
    int FindString(int nStartAfter, LPCSTR lpszItem) const;
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const;
    // Selects the item FindString finds (single selection) and returns its index.
    int SelectString(int nStartAfter, LPCSTR lpszItem);

    // ---- owner draw ----
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    // <0, 0 or >0 as item 1 sorts before, with or after item 2.
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);
    // WM_VKEYTOITEM / WM_CHARTOITEM of an LBS_WANTKEYBOARDINPUT list box: -2 handled, -1 default,
    // else the index of the item to act on. The default lets the list box act.
    virtual int VKeyToItem(UINT nKey, UINT nIndex);
    virtual int CharToItem(UINT nKey, UINT nIndex);

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
