// CGEBCalendar: a self-drawn month calendar window. A title line (month, year, arrow buttons), a bar of
// day names and a fixed page of 6 x 7 day boxes that also shows the neighbouring months' days. The user
// moves one selection (the focus day) with the mouse or the keyboard, may mark any number of days and
// closes the calendar with an accept or a cancel message to the owner window. Every date in the calendar
// is a day at 12:00; the years 1400..2400 are accepted.
#pragma once

#include "framework/core/COleDateTime.h"
#include "framework/core/COleDateTimeSpan.h"
#include "framework/core/CTime.h"
#include "framework/core/CTimeSpan.h"
#include "framework/win/CFont.h"
#include "framework/win/CWnd.h"
#include "grid/controls/gadgets/CGEBCalTitle.h"
#include "grid/controls/gadgets/CGEBDayBar.h"
#include "grid/controls/gadgets/CGEBDayBox.h"

#include <limits>
#include <vector>

// Messages posted to the owner window.
constexpr UINT GEB_CALN_SELECT = 2005; // wParam the new selection state, lParam the day box
constexpr UINT GEB_CALN_MARK = 2006;   // wParam the new mark state, lParam the day box
constexpr UINT GEB_CALN_ACCEPT = 2007;
constexpr UINT GEB_CALN_CANCEL = 2008;

class CGEBCalendar : public CWnd {
    DECLARE_DYNCREATE(CGEBCalendar)

public:
    static constexpr int kDayBoxes = 42;

    CGEBCalendar();
    ~CGEBCalendar() override;

    // Makes the window ("CGEBCalendar", a child unless the style asks for a pop-up) and its panels, shows
    // the displayed date's month (today when the date is 0) and takes the focus; FALSE when the window or
    // a panel cannot be made.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = nullptr);

    // Steps of the focus day (bFocus) or of the displayed page: a day, a week, a month (the same day of
    // the next month, or its last day when the month is shorter), a year (29 February becomes the 28th).
    // Refused steps beep and return 0.
    virtual BOOL NextDay(BOOL bFocus);
    virtual BOOL PrevDay(BOOL bFocus);
    virtual BOOL NextWeek(BOOL bFocus);
    virtual BOOL PrevWeek(BOOL bFocus);
    virtual BOOL NextMonth(BOOL bFocus);
    virtual BOOL PrevMonth(BOOL bFocus);
    virtual BOOL NextYear(BOOL bFocus);
    virtual BOOL PrevYear(BOOL bFocus);

    // Moves the focus day by a span, turning the page when it leaves the month. Without a focus day, or
    // when the result leaves the years 1400..2400, beeps and returns 0.
    virtual BOOL ShiftFocusDay(const CTimeSpan& span);
    virtual BOOL ShiftFocusDay(const COleDateTimeSpan& span);
    // Moves the displayed date by a span; refused as above.
    virtual BOOL ShiftDisplayedDate(const CTimeSpan& span);
    virtual BOOL ShiftDisplayedDate(const COleDateTimeSpan& span);

    // Marks or unmarks a day, on the page (subject to the box's markable bit, with message 2006) and in
    // the list of marked days whether or not it is shown.
    virtual BOOL MarkDay(const CTime& time, BOOL bMark);
    virtual BOOL MarkDay(const COleDateTime& date, BOOL bMark);
    // Selects the one day (TRUE) or leaves the calendar without a selected day (FALSE). The box showing
    // the day takes the state and becomes the focus box (message 2005 once created; 2007 under flag
    // 0x40000); every other box is unselected. Once created the window takes the focus. Returns 1.
    virtual BOOL SelectDay(const CTime& time, BOOL bSelect);
    virtual BOOL SelectDay(const COleDateTime& date, BOOL bSelect);
    // Toggles the selection of the day's box; with flag 0x40000 a found box also accepts. TRUE when the
    // day is on the page.
    virtual BOOL ToggleSelectDay(const CTime& time);
    virtual BOOL ToggleSelectDay(const COleDateTime& date);
    virtual BOOL ToggleMarkDay(const CTime& time);
    virtual BOOL ToggleMarkDay(const COleDateTime& date);

    // TRUE when year + (month + day / 28) / 12 lies in 1400..2400.
    virtual BOOL IsDateInRange(int nYear, int nMonth, int nDay);
    virtual void LoadSysColors();
    virtual void Beep();
    virtual UINT GetClassStyle();

    // Fills the page with the month of the date. Refused (beep, 0) outside the years 1400..2400 and,
    // once created, while the calendar is read-only.
    BOOL SetDisplayedDate(const COleDateTime& date, BOOL bRedraw);
    const COleDateTime& GetDisplayedDate() const { return m_dtDisplayed; }
    CGEBDayBox* GetFocusBox() const { return m_pFocusBox; }
    // The focus box's date; invalid without one.
    COleDateTime GetFocusDate() const;
    BOOL HasSelectedDay() const { return m_bHasSelectedDay; }
    const COleDateTime& GetSelectedDay() const { return m_dtSelected; }
    const COleDateTime& GetAnchorDate() const { return m_dtAnchor; }
    BOOL IsDayMarked(const COleDateTime& date) const;
    // The marked days in ascending order.
    const std::vector<COleDateTime>& GetMarkedDays() const { return m_marked; }

    BOOL SetCalendarFlags(DWORD dwFlags);
    DWORD GetCalendarFlags() const { return m_dwCalendarFlags; }
    BOOL SetMonthFlags(DWORD dwFlags);
    DWORD GetMonthFlags() const { return m_dwMonthFlags; }
    BOOL SetOtherMonthFlags(DWORD dwFlags);
    DWORD GetOtherMonthFlags() const { return m_dwOtherMonthFlags; }
    void SetAutoSize(BOOL bAutoSize);
    BOOL IsCreated() const { return m_bCreated; }
    // TRUE once the calendar was accepted or cancelled.
    BOOL IsClosed() const { return m_bClosed; }

    // The panels, for drawing and hit tests.
    CGEBDayBox* GetDayBox(int nIndex) {
        return nIndex >= 0 && nIndex < kDayBoxes ? &m_boxes[nIndex] : nullptr;
    }
    CGEBDayBox* DayBoxFromPoint(POINT point);
    // The box showing a day, or null when the day is not on the page.
    CGEBDayBox* FindDayBox(const COleDateTime& date);
    CGEBCalTitle& GetTitle() { return m_title; }
    CGEBDayBar& GetDayBar() { return m_dayBar; }
    // The x of column boundary n (0..7) in a width cx, as the day boxes and the day bar divide it.
    static int ColumnBoundary(int cx, int n);
    // The window size that the fonts ask for: seven boxes, the bar or the title wide, whichever is
    // widest; the title, the bar and six rows of boxes high.
    CSize CalcWindowSize(CDC* pDC);

protected:
    afx_msg void OnPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysColorChange();
    afx_msg void OnNextMonthButton();
    afx_msg void OnPrevYearButton();
    afx_msg void OnNextYearButton();
    afx_msg void OnPrevMonthButton();
    afx_msg LRESULT OnAccept(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCancel(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // Whether a key is held; the keyboard's state unless a test answers it.
    virtual BOOL IsKeyDown(int nVirtKey) const;
    // The device context the window size is measured with (the pop-up measures with its parent's).
    virtual CWnd* GetMeasuringWindow() { return this; }
    // Posts a message to the owner, then hides the window.
    void CloseWith(UINT nMessage, WPARAM wParam, LPARAM lParam);
    void LayoutPanels();
    void FitFonts();
    void MakeFonts();
    BOOL Step(BOOL bFocus, const COleDateTimeSpan& span);
    BOOL StepMonths(BOOL bFocus, int nMonths);
    BOOL StepYears(BOOL bFocus, int nYears);
    BOOL IsSpanInRange(const COleDateTime& base, const COleDateTimeSpan& span);
    void ClickBox(CGEBDayBox* pBox);
    BOOL IsCtrlDown() const { return IsKeyDown(VK_CONTROL); }

    CGEBDayBar m_dayBar;
    CGEBCalTitle m_title;
    int m_nBevelWidth = 2;
    CWnd* m_pOwner = nullptr;
    BOOL m_bCreated = FALSE;
    COleDateTime m_dtDisplayed;
    COleDateTime m_dtSelected;
    BOOL m_bHasSelectedDay = FALSE;
    COleDateTime m_dtAnchor;
    CGEBDayBox m_boxes[kDayBoxes];
    CGEBDayBox* m_pFocusBox = nullptr;
    // The day last passed to SelectDay; the focus box is the box showing it (invalid: none yet).
    COleDateTime m_dtFocus = COleDateTime(std::numeric_limits<double>::quiet_NaN());
    // Set once accepted or cancelled: the window only hides, and nothing is reported twice.
    BOOL m_bClosed = FALSE;
    BOOL m_bTracking = FALSE;
    BOOL m_bRestore = FALSE;
    COleDateTime m_dtRestore;
    std::vector<COleDateTime> m_marked;
    LOGFONTA m_lfTitle{};
    LOGFONTA m_lfDayBar{};
    LOGFONTA m_lfDayBox{};
    CFont m_fontTitle;
    CFont m_fontDayBar;
    CFont m_fontDayBox;
    COLORREF m_clrWindowText = 0;
    COLORREF m_clrGrayText = 0;
    DWORD m_dwOtherMonthFlags = 0x101;
    DWORD m_dwMonthFlags = 0x1000017F;
    DWORD m_dwCalendarFlags = 0x0039C000;
};
