// CSpinButtonCtrl: the up-down control, usually attached to a buddy edit control whose number it
// steps.
#pragma once

#include "framework/win/CWnd.h"

class CSpinButtonCtrl : public CWnd {
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    BOOL SetAccel(int nAccel, UDACCEL* pAccel);
    UINT GetAccel(int nAccel, UDACCEL* pAccel) const;
    // 10 or 16: how the buddy shows the number.
    int SetBase(int nBase);
    UINT GetBase() const;
    CWnd* SetBuddy(CWnd* pWndBuddy);
    CWnd* GetBuddy() const;
    // Positions within the 16-bit range: LOWORD the position, HIWORD non-zero on error.
    int SetPos(int nPos);
    int GetPos() const;
    int SetPos32(int nPos);
    // lpbError receives TRUE when the buddy's text is no valid position.
    int GetPos32(LPBOOL lpbError = nullptr) const;
    void SetRange(short nLower, short nUpper);
    void SetRange32(int nLower, int nUpper);
    // LOWORD the upper, HIWORD the lower limit.
    DWORD GetRange() const;
    void GetRange(int& lower, int& upper) const;
    void GetRange32(int& lower, int& upper) const;
};
