// CMonthCalCtrl: the month calendar. Dates are exchanged as CTime, COleDateTime or SYSTEMTIME; the
// calendar deals in days, so the times of day it returns are midnight.
#pragma once

#include "framework/core/COleDateTime.h"
#include "framework/core/CTime.h"
#include "framework/win/CWnd.h"

class CMonthCalCtrl : public CWnd {
    DECLARE_DYNAMIC(CMonthCalCtrl)
public:
    CMonthCalCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // At pt, as large as the calendar needs to show one month.
    virtual BOOL Create(DWORD dwStyle, const POINT& pt, CWnd* pParentWnd, UINT nID);

    // ---- looks ----
    // The smallest rectangle that shows a whole month.
    BOOL GetMinReqRect(RECT* pRect) const;
    // Resizes the window to GetMinReqRect.
    BOOL SizeMinReq(BOOL bRepaint = TRUE);
    int SetMonthDelta(int iDelta);
    int GetMonthDelta() const;
    // iDay 0 = Monday .. 6 = Sunday.
    BOOL SetFirstDayOfWeek(int iDay, int* lpnOld = nullptr);
    int GetFirstDayOfWeek(BOOL* pbLocal = nullptr) const;
    // nRegion: MCSC_BACKGROUND, MCSC_TEXT, MCSC_TITLEBK ...
    COLORREF GetColor(int nRegion) const;
    COLORREF SetColor(int nRegion, COLORREF ref);
    BOOL SetDayState(int nMonths, LPMONTHDAYSTATE pStates);
    DWORD HitTest(PMCHITTESTINFO pMCHitTest);

    // ---- today ----
    // nullptr (or a null COleDateTime) returns to the system's date.
    void SetToday(const COleDateTime& refDateTime);
    void SetToday(const CTime* pDateTime);
    void SetToday(const LPSYSTEMTIME pDateTime);
    BOOL GetToday(CTime& refTime) const;
    BOOL GetToday(COleDateTime& refDateTime) const;
    BOOL GetToday(LPSYSTEMTIME pDateTime) const;

    // ---- selection ----
    BOOL GetCurSel(COleDateTime& refDateTime) const;
    BOOL GetCurSel(CTime& refDateTime) const;
    BOOL GetCurSel(LPSYSTEMTIME pDateTime) const;
    BOOL SetCurSel(const COleDateTime& refDateTime);
    BOOL SetCurSel(const CTime& refDateTime);
    BOOL SetCurSel(const LPSYSTEMTIME pDateTime);
    // Days a multiple-selection calendar (MCS_MULTISELECT) lets the user select.
    BOOL SetMaxSelCount(int nMax);
    int GetMaxSelCount() const;
    BOOL SetSelRange(const COleDateTime& pMinRange, const COleDateTime& pMaxRange);
    BOOL SetSelRange(const CTime& pMinRange, const CTime& pMaxRange);
    BOOL SetSelRange(const LPSYSTEMTIME pMinRange, const LPSYSTEMTIME pMaxRange);
    BOOL GetSelRange(COleDateTime& refMinRange, COleDateTime& refMaxRange) const;
    BOOL GetSelRange(CTime& refMinRange, CTime& refMaxRange) const;
    BOOL GetSelRange(LPSYSTEMTIME pMinRange, LPSYSTEMTIME pMaxRange) const;

    // ---- range ----
    // The earliest and latest dates the user may pick; a null pointer leaves that end open.
    BOOL SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange);
    BOOL SetRange(const CTime* pMinRange, const CTime* pMaxRange);
    BOOL SetRange(const LPSYSTEMTIME pMinRange, const LPSYSTEMTIME pMaxRange);
    // GDTR_MIN | GDTR_MAX for the ends that are set; an open end gives a null COleDateTime (and leaves
    // a CTime as it was).
    DWORD GetRange(COleDateTime* pMinRange, COleDateTime* pMaxRange) const;
    DWORD GetRange(CTime* pMinRange, CTime* pMaxRange) const;
    DWORD GetRange(LPSYSTEMTIME pMinRange, LPSYSTEMTIME pMaxRange) const;
    // The first and last days shown (dwFlags GMR_VISIBLE: whole months only, GMR_DAYSTATE: partial
    // months too); returns the number of months.
    int GetMonthRange(COleDateTime& refMinRange, COleDateTime& refMaxRange, DWORD dwFlags) const;
    int GetMonthRange(CTime& refMinRange, CTime& refMaxRange, DWORD dwFlags) const;
    int GetMonthRange(LPSYSTEMTIME pMinRange, LPSYSTEMTIME pMaxRange, DWORD dwFlags) const;
};
