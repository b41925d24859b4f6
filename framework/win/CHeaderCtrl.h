// CHeaderCtrl: the header control above columns (also the one inside a report-view list control).
#pragma once

#include "framework/win/CImageList.h"
#include "framework/win/CWnd.h"

class CHeaderCtrl : public CWnd {
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    CHeaderCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetItemCount() const;
    BOOL GetItem(int nPos, HDITEM* pHeaderItem) const;
    BOOL SetItem(int nPos, HDITEM* pHeaderItem);
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
    // Returns the index of the new item, -1 on failure.
    int InsertItem(int nPos, HDITEM* phdi);
    BOOL DeleteItem(int nPos);
    BOOL Layout(HDLAYOUT* pHeaderLayout);
    int HitTest(LPHDHITTESTINFO pHeaderHitTestInfo);

    CImageList* GetImageList() const;
    CImageList* SetImageList(CImageList* pImageList);
    // The display order of the items (item indexes, left to right); piArray holds iCount entries.
    BOOL GetOrderArray(LPINT piArray, int iCount) const;
    BOOL SetOrderArray(int iCount, LPINT piArray);
    int OrderToIndex(int nOrder) const;
    int SetHotDivider(CPoint pt);
    int SetHotDivider(int nIndex);
    // A new image list the caller deletes; nullptr on failure.
    CImageList* CreateDragImage(int nIndex);

    // Draws an HDS_OWNERDRAW item; reached through the WM_DRAWITEM its parent receives.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
