// CGEBCalTitle: the calendar's title line, the month and year of the page and up to four arrow buttons
// ("<<" previous year, "<" previous month, ">" next month, ">>" next year), the only child windows of
// the calendar. The buttons send their ids to the calendar as commands.
#pragma once

#include "framework/core/COleDateTime.h"
#include "framework/win/CButton.h"
#include "grid/controls/gadgets/CGEBPanel.h"

// Command ids of the title's buttons.
constexpr UINT GEB_ID_NEXT_MONTH = 20029;
constexpr UINT GEB_ID_PREV_YEAR = 20030;
constexpr UINT GEB_ID_NEXT_YEAR = 20031;
constexpr UINT GEB_ID_PREV_MONTH = 20032;

class CGEBCalTitle : public CGEBPanel {
    DECLARE_DYNAMIC(CGEBCalTitle)

public:
    // Creates the buttons the calendar flags ask for (0x80000 month, 0x100000 year) as hidden 1 x 1
    // children of the calendar window; FALSE when one cannot be made.
    BOOL CreateButtons(CGEBCalendar* pCalendar);
    // Stores the rectangle and places the buttons inside it (shown when their kind is visible).
    RECT SetRect(const RECT& rect);
    // The text: the month's name (full under panel flag 0x10000000) and the year.
    void SetDate(const COleDateTime& date);
    BOOL HasVisibleButtons() const;
    // The button of an id, or null when it was not made.
    CButton* GetButton(UINT nId);

    // The extent of "September, 2000" (or "Sep, 2000"), times 2.2 wide with buttons (else 1.2), 1.2 high.
    CSize CalcPreferredSize(CDC* pDC, const LOGFONTA* pLogFont) override;
    // The panel, then the buttons take the DC's font and are redrawn.
    void Draw(CDC* pDC) override;

private:
    void PlaceButton(CButton& button, const RECT& rect, double dFrom, double dTo, BOOL bFromRight);

    CGEBCalendar* m_pCalendar = nullptr;
    CButton m_btnPrevYear;
    CButton m_btnPrevMonth;
    CButton m_btnNextMonth;
    CButton m_btnNextYear;
    int m_nYearButtons = 1;
    int m_nMonthButtons = 1;
};
