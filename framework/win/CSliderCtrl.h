// CSliderCtrl: the trackbar, a slider over a range of positions with optional tick marks and selection.
#pragma once

#include "framework/win/CWnd.h"

class CToolTipCtrl;

class CSliderCtrl : public CWnd {
    DECLARE_DYNAMIC(CSliderCtrl)
public:
    CSliderCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- range and position ----
    int GetRangeMax() const;
    int GetRangeMin() const;
    void GetRange(int& nMin, int& nMax) const;
    void SetRangeMin(int nMin, BOOL bRedraw = FALSE);
    void SetRangeMax(int nMax, BOOL bRedraw = FALSE);
    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE);
    int GetPos() const;
    void SetPos(int nPos);
    // Steps of the arrow keys and of Page Up/Down; the Set... functions return the previous step.
    int GetLineSize() const;
    int SetLineSize(int nSize);
    int GetPageSize() const;
    int SetPageSize(int nSize);

    // ---- selection (TBS_ENABLESELRANGE) ----
    void GetSelection(int& nMin, int& nMax) const;
    void SetSelection(int nMin, int nMax);
    void ClearSel(BOOL bRedraw = FALSE);

    // ---- ticks ----
    UINT GetNumTics() const;
    DWORD* GetTicArray() const;
    int GetTic(int nTic) const;
    int GetTicPos(int nTic) const;
    BOOL SetTic(int nTic);
    void SetTicFreq(int nFreq);
    void ClearTics(BOOL bRedraw = FALSE);

    // ---- parts ----
    void GetChannelRect(LPRECT lprc) const;
    void GetThumbRect(LPRECT lprc) const;
    // fLocation TRUE: the buddy left of (above) the slider, FALSE: right of (below) it.
    CWnd* SetBuddy(CWnd* pWndBuddy, BOOL fLocation = TRUE);
    CWnd* GetBuddy(BOOL fLocation = TRUE) const;
    CToolTipCtrl* GetToolTips() const;
    void SetToolTips(CToolTipCtrl* pWndTip);
    int SetTipSide(int nLocation);
    // Moves the position inside the range.
    void VerifyPos();
};
