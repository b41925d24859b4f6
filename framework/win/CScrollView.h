// CScrollView: a view larger than its window. SetScrollSizes gives the total size in the units of a
// mapping mode; the view shows scroll bars while the window is smaller than that, scrolls by lines and
// pages, and OnPrepareDC moves the DC's origin so OnDraw draws in document coordinates.
#pragma once

#include "framework/core/CPoint.h"
#include "framework/core/CSize.h"
#include "framework/win/CView.h"

class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)
public:
    // Page and line sizes that mean "a tenth of the next larger size".
    static const SIZE sizeDefault;

    // nMapMode: MM_TEXT, MM_LOMETRIC, MM_HIMETRIC, MM_LOENGLISH, MM_HIENGLISH or MM_TWIPS. Sizes are in
    // logical units of that mode.
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    // Scroll position in device units (pixels).
    CPoint GetDeviceScrollPosition() const;
    // Scroll position in logical units.
    CPoint GetScrollPosition() const;
    // Scrolls so that the logical point is at the top left (within the limits).
    void ScrollToPosition(POINT pt);
    void GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const;
    CSize GetTotalSize() const { return m_totalLog; }

    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    // Scrolls by sizeScroll pixels; FALSE when nothing moved.
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);
    virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE);

protected:
    CScrollView() = default;

    // Shows, hides and sizes the scroll bars for the window's size.
    void UpdateBars();
    void ScrollToDevicePosition(POINT ptDev);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);

    DECLARE_MESSAGE_MAP()

    int m_nMapMode = 0; // 0 until SetScrollSizes
    CSize m_totalLog;
    CSize m_totalDev;
    CSize m_pageDev;
    CSize m_lineDev;
    bool m_bInsideUpdate = false;
};
