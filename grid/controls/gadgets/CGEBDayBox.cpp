#include "grid/controls/gadgets/CGEBDayBox.h"

#include "grid/controls/gadgets/CGEBCalendar.h"
#include "grid/controls/gadgets/GECalendarDates.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGEBDayBox, CGEBPanel)

void CGEBDayBox::SetDate(const COleDateTime& date) {
    m_date = GENoonOf(date);
    m_bDateSet = TRUE;
    CString strDay;
    strDay.Format("%d", m_date.GetDay());
    SetText(strDay);
}

void CGEBDayBox::SetOutsideMonth(BOOL bOutside) {
    m_bOutsideMonth = bOutside;
    DWORD dwFlags = m_dwCalendarFlags | GEB_CAL_SELECTABLE | GEB_CAL_MARKABLE;
    if (bOutside) {
        dwFlags &= ~GEB_CAL_MARKABLE;
        if ((dwFlags & GEB_CAL_SELECT_OTHER_MONTH) == 0)
            dwFlags &= ~GEB_CAL_SELECTABLE;
    }
    SetCalendarFlags(dwFlags);
}

BOOL CGEBDayBox::TurnPageIfOutside(const COleDateTime& date) {
    if (!m_bOutsideMonth || (m_dwCalendarFlags & GEB_CAL_SELECT_OTHER_MONTH) != 0)
        return TRUE;
    return m_pOwner->SetDisplayedDate(date, TRUE);
}

void CGEBDayBox::OnClick() {
    // The page may be refilled below, and this box then shows another day: work on a copy.
    const COleDateTime date = m_date;
    const DWORD dwFlags = m_dwCalendarFlags;
    if (m_pOwner == nullptr || !TurnPageIfOutside(date))
        return;
    if ((dwFlags & GEB_CAL_DRAG_MODE) != 0)
        m_pOwner->SelectDay(date, TRUE);
    else
        m_pOwner->ToggleSelectDay(date);
}

void CGEBDayBox::OnRightClick() {
    const COleDateTime date = m_date;
    if (m_pOwner == nullptr || !TurnPageIfOutside(date))
        return;
    m_pOwner->ToggleMarkDay(date);
}

void CGEBDayBox::OnDoubleClick() {
    if (m_pOwner == nullptr)
        return;
    const DWORD dwFlags = m_dwCalendarFlags;
    if (!m_bSelected)
        OnClick();
    if ((dwFlags & GEB_CAL_ACCEPT_ON_CLICK) != 0)
        m_pOwner->PostMessage(GEB_CALN_ACCEPT, 0, 0);
}

CSize CGEBDayBox::CalcPreferredSize(CDC* pDC, const LOGFONTA* pLogFont) {
    CScopedFont font(pDC, pLogFont);
    const CSize extent = pDC->GetTextExtent("88", 2);
    double cx = extent.cx * 1.25;
    double cy = extent.cy * 1.25;
    if ((m_dwPanelFlags & GEB_PANEL_CENTERED) == 0) {
        cx *= 1.5;
        cy *= 1.5;
    }
    const int nBorder = 2 * GetLargestInset();
    return CSize(std::max(static_cast<LONG>(cx), extent.cx + nBorder),
                 std::max(static_cast<LONG>(cy), extent.cy + nBorder));
}

void CGEBDayBox::DrawContent(CDC* pDC) {
    RECT inner;
    if (!GetInnerArea(inner) || m_strText.IsEmpty())
        return;
    const bool bGrey = m_bOutsideMonth && (m_dwPanelFlags & GEB_PANEL_GREY_OTHER_MONTH) != 0;
    const COLORREF clrOld = pDC->SetTextColor(bGrey ? m_clrGrey : m_clrText);
    const RECT clip = Exclusive(inner);
    const UINT nOldAlign = pDC->SetTextAlign(TA_LEFT | TA_TOP);
    const CSize extent = pDC->GetTextExtent(m_strText);
    const int cx = clip.right - clip.left;
    const int cy = clip.bottom - clip.top;
    int x = clip.left + cx / 10;
    int y = clip.top + cy / 10;
    if ((m_dwPanelFlags & GEB_PANEL_CENTERED) != 0) {
        x = clip.left + (cx - extent.cx) / 2;
        y = clip.top + (cy - extent.cy) / 2;
    }
    pDC->ExtTextOut(x, y, ETO_CLIPPED, &clip, m_strText, m_strText.GetLength(), nullptr);
    pDC->SetTextAlign(nOldAlign);
    pDC->SetTextColor(clrOld);
}
