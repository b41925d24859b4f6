// CGEBDayBox: one day of the calendar's 6 x 7 page. It shows the day number (grey outside the displayed
// month when its flags ask for it) and passes the user's clicks on it to its calendar.
#pragma once

#include "framework/core/COleDateTime.h"
#include "grid/controls/gadgets/CGEBPanel.h"

class CGEBDayBox : public CGEBPanel {
    DECLARE_DYNAMIC(CGEBDayBox)

public:
    // Stores the date at noon and marks it as set; the text becomes the day number.
    void SetDate(const COleDateTime& date);
    const COleDateTime& GetDate() const { return m_date; }
    BOOL IsDateSet() const { return m_bDateSet; }
    // Outside the month the day cannot be marked and can be selected only under calendar flag 0x200;
    // inside it can be both.
    void SetOutsideMonth(BOOL bOutside);
    BOOL IsOutsideMonth() const { return m_bOutsideMonth; }

    // The calendar's mouse handlers call these. A day outside the month that may not be selected turns
    // the page to its month first (a refused page turn ends the click); then the day is selected (drag
    // mode) or its selection toggled.
    void OnClick();
    // The day's mark is toggled, after turning the page as for a click.
    void OnRightClick();
    // Clicks an unselected day; under flag 0x100 the calendar is then told to accept.
    void OnDoubleClick();

    // "88" in the font, times 1.25 (times 1.5 more unless centred), at least the text and the widest
    // border this box can have.
    CSize CalcPreferredSize(CDC* pDC, const LOGFONTA* pLogFont) override;
    void DrawContent(CDC* pDC) override;

private:
    // The page shows the day's month; FALSE when the calendar refused.
    BOOL TurnPageIfOutside(const COleDateTime& date);

    COleDateTime m_date;
    BOOL m_bOutsideMonth = FALSE;
    BOOL m_bDateSet = FALSE;
};
