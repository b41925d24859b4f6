// CDateTimeCtrl: the date and time picker. With DTS_SHOWNONE it can hold no date ("none"), which the
// time functions pass as GDT_NONE, a null COleDateTime or a null pointer.
#pragma once

#include "framework/core/COleDateTime.h"
#include "framework/core/CTime.h"
#include "framework/win/CFont.h"
#include "framework/win/CMonthCalCtrl.h"
#include "framework/win/CWnd.h"

class CDateTimeCtrl : public CWnd {
    DECLARE_DYNAMIC(CDateTimeCtrl)
public:
    CDateTimeCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- the value ----
    // A null COleDateTime clears the control (DTS_SHOWNONE); an invalid one is refused.
    BOOL SetTime(const COleDateTime& timeNew);
    // nullptr clears the control (DTS_SHOWNONE).
    BOOL SetTime(const CTime* pTimeNew);
    BOOL SetTime(LPSYSTEMTIME pTimeNew = nullptr);
    // A control holding no date gives a null COleDateTime. FALSE on failure.
    BOOL GetTime(COleDateTime& timeDest) const;
    // GDT_VALID (timeDest set), GDT_NONE (left as it was) or GDT_ERROR.
    DWORD GetTime(CTime& timeDest) const;
    DWORD GetTime(LPSYSTEMTIME pTimeDest) const;

    // ---- range ----
    // The earliest and latest values the user may pick; a null pointer leaves that end open.
    BOOL SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange);
    BOOL SetRange(const CTime* pMinRange, const CTime* pMaxRange);
    // GDTR_MIN | GDTR_MAX for the ends that are set; an open end gives a null COleDateTime (and leaves
    // a CTime as it was).
    DWORD GetRange(COleDateTime* pMinRange, COleDateTime* pMaxRange) const;
    DWORD GetRange(CTime* pMinRange, CTime* pMaxRange) const;

    // ---- display ----
    // A format of date and time elements ("dd'.'MM'.'yyyy HH':'mm"); nullptr returns to the style's.
    BOOL SetFormat(LPCSTR pstrFormat);
    // The drop-down calendar, while it is shown; nullptr otherwise.
    CMonthCalCtrl* GetMonthCalCtrl() const;
    CFont* GetMonthCalFont() const;
    void SetMonthCalFont(HFONT hFont, BOOL bRedraw = TRUE);
    // iColor: MCSC_BACKGROUND, MCSC_TEXT ... of the drop-down calendar.
    COLORREF GetMonthCalColor(int iColor) const;
    COLORREF SetMonthCalColor(int iColor, COLORREF ref);
};
