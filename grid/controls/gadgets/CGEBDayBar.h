// CGEBDayBar: the calendar's bar of the seven day names, in the user's language, over the columns of the
// day boxes. The week starts on Sunday.
#pragma once

#include "grid/controls/gadgets/CGEBPanel.h"

class CGEBDayBar : public CGEBPanel {
public:
    // 1 = Sunday .. 7 = Saturday.
    int GetFirstDayOfWeek() const { return m_nFirstDayOfWeek; }
    // The day shown in column nColumn (1..7): 1 = Sunday .. 7 = Saturday.
    int DayOfColumn(int nColumn) const { return (m_nFirstDayOfWeek + nColumn - 2) % 7 + 1; }
    // The name of a day, full under panel flag 0x20000000; empty when the locale has none.
    CString DayName(int nDay) const;

    // Seven times the width of Wednesday's name, the height of the text.
    CSize CalcPreferredSize(CDC* pDC, const LOGFONTA* pLogFont) override;
    void DrawContent(CDC* pDC) override;

private:
    int m_nFirstDayOfWeek = 1;
};
