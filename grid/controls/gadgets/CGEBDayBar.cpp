#include "grid/controls/gadgets/CGEBDayBar.h"

#include "grid/controls/gadgets/CGEBCalendar.h"
#include "grid/controls/gadgets/GELocaleNames.h"

CString CGEBDayBar::DayName(int nDay) const {
    CString strName;
    GEGetDayName(strName, nDay, (m_dwPanelFlags & GEB_PANEL_FULL_DAY_NAMES) != 0);
    return strName;
}

CSize CGEBDayBar::CalcPreferredSize(CDC* pDC, const LOGFONTA* pLogFont) {
    CScopedFont font(pDC, pLogFont);
    const CString strName = DayName(4);
    const CSize extent = pDC->GetTextExtent(strName.IsEmpty() ? CString("W") : strName);
    return CSize(7 * extent.cx, extent.cy);
}

void CGEBDayBar::DrawContent(CDC* pDC) {
    RECT inner;
    if (!GetInnerArea(inner))
        return;
    const int cx = inner.right - inner.left + 1;
    for (int nColumn = 1; nColumn <= 7; ++nColumn) {
        RECT column = inner;
        column.left = inner.left + CGEBCalendar::ColumnBoundary(cx, nColumn - 1);
        column.right = inner.left + CGEBCalendar::ColumnBoundary(cx, nColumn) - 1;
        if (column.right < column.left)
            continue;
        DrawPanelText(pDC, column, DayName(DayOfColumn(nColumn)), TRUE);
    }
}
