// CMonthCalendarWnd: a small month calendar child window. It shows one month as
// six weeks of days (Sunday first) under a row of day names, with a month
// chooser and previous/next buttons above, and lets the user pick a day by
// clicking or dragging. The owner reads the selected day.
//
// While painting, the calendar sends its parent the registered message
// "ACX_GetCalnUserData" for each of the 42 shown days (wParam: the day's slot
// 0-41, lParam: the day's time as time_t); the parent may answer by giving the
// slot a text with SetDayText, which is drawn small in the day's cell.
#pragma once

#include "foundation/CHoverButton.h"
#include "framework/core/CDWordArray.h"
#include "framework/core/CStringArray.h"
#include "framework/core/CTime.h"
#include "framework/win/CComboBox.h"
#include "framework/win/CFont.h"
#include "framework/win/CWnd.h"

class CMonthCalendarWnd : public CWnd {
    DECLARE_DYNAMIC(CMonthCalendarWnd)
public:
    static constexpr int kShownDays = 42;

    // Shows the current month; no day is selected.
    CMonthCalendarWnd();
    ~CMonthCalendarWnd() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The date whose month is shown.
    CTime GetShownDate() const { return m_shown; }
    void SetShownDate(CTime date);
    // The selected day (its slot's time, 08:00 local time); 0 when none is
    // selected.
    CTime GetSelectedDay() const { return m_selected; }
    void SetSelectedDay(CTime day);

    // One month back or forward. False (nothing changes) past 2035 or before
    // 1975.
    bool PreviousMonth();
    bool NextMonth();

    // The day of a slot (0-41): the Sunday on or before the 1st of the shown
    // month, then each following day; 08:00 local time. 0 for a slot out of
    // range.
    CTime GetDayTime(int slot) const;
    // The cell of a slot in client coordinates.
    CRect GetDayRect(int slot) const;
    // The day whose cell holds the point (client coordinates), or 0.
    CTime DayFromPoint(CPoint point) const;
    // The text drawn in a slot's cell; slots lose their texts whenever the
    // calendar is laid out again.
    void SetDayText(int slot, LPCSTR text);
    CString GetDayText(int slot) const;

    // Days drawn with a light red face. None in this class.
    virtual bool IsSpecialDay(CTime day) const;

    // The registered message sent to the parent for each shown day while
    // painting.
    static UINT GetUserDataMessage();

    // Steps from date by whole days until the month changes: direction 1 forward,
    // -1 back. False when the year would pass 2035 going forward or fall below
    // 1975 going back.
    static bool StepMonth(CTime date, int direction, CTime& stepped);

protected:
    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnPreviousMonth();
    afx_msg void OnNextMonth();
    afx_msg void OnChooserChange();
    DECLARE_MESSAGE_MAP()

private:
    void CreateFonts();
    void FillChooser();
    void Layout();
    void ShowMonth(CTime date);
    void DrawDayNames(CDC* dc);
    void DrawDays(CDC* dc);
    bool IsInShownMonth(CTime day) const;

    CTime m_shown;
    CTime m_selected;
    CTime m_dragDay;
    bool m_dragging = false;
    bool m_fillingChooser = false;

    CDWordArray m_dayTimes;  // the 42 shown days (time_t)
    CStringArray m_dayTexts; // their texts

    CRect m_client;
    CRect m_dayNameRow;
    CRect m_grid;
    int m_cellWidth = 0;
    int m_cellHeight = 0;
    // Where the day number and the slot text sit in a cell (DrawText flags).
    UINT m_dayNumberFormat = DT_RIGHT | DT_TOP | DT_SINGLELINE;
    UINT m_dayTextFormat = DT_LEFT | DT_BOTTOM | DT_SINGLELINE | DT_END_ELLIPSIS;

    CComboBox m_chooser;
    CHoverButton m_previous;
    CHoverButton m_next;
    CFont m_font;      // "MS Sans Serif" 8 point: day numbers
    CFont m_boldFont;  // "Arial" 12 point bold: month chooser, day names
    CFont m_smallFont; // "Arial" 7 point: slot texts
};
