// The date-time editor: its window, format parsing, value, range and the gadgets' list.
#include "grid/controls/datetime/CGEBDateTimeCtrl.h"

#include "grid/controls/datetime/CGEBDTButtonGadget.h"
#include "grid/controls/datetime/CGEBDTListGadget.h"
#include "grid/controls/datetime/CGEBDTNumericGadget.h"
#include "grid/controls/datetime/CGEBDTSpinGadget.h"
#include "grid/controls/datetime/CGEBDTStaticGadget.h"
#include "grid/controls/gadgets/CGEBPopupCalendar.h"
#include "grid/controls/gadgets/GELocaleNames.h"
#include "grid/core/CGESysDrawInfo.h"

#include <cmath>

IMPLEMENT_DYNAMIC(CGEBDateTimeCtrl, CWnd)

namespace {

constexpr double kMinimumDate = -657434.0; // 1 January 100
constexpr double kMaximumDate = 2958465.0; // 31 December 9999

CString LocaleText(LCTYPE type) {
    char buffer[256] = {};
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer) == 0)
        return CString();
    return CString(buffer);
}

} // namespace

BOOL CGEBDateTimeCtrl::SplitDate(const COleDateTime& date, Fields& fields) {
    if (date.GetStatus() != COleDateTime::valid || !std::isfinite(date.m_dt) || date.m_dt < kMinimumDate ||
        date.m_dt >= kMaximumDate + 1.0)
        return FALSE;
    fields.year = date.GetYear();
    if (fields.year == AFX_OLE_DATETIME_ERROR)
        return FALSE;
    fields.month = date.GetMonth();
    fields.day = date.GetDay();
    fields.hour = date.GetHour();
    fields.minute = date.GetMinute();
    fields.second = date.GetSecond();
    fields.dayOfWeek = date.GetDayOfWeek();
    fields.dayOfYear = date.GetDayOfYear();
    return TRUE;
}

CGEBDateTimeCtrl::CGEBDateTimeCtrl()
    : m_value(COleDateTime::GetCurrentTime()), m_minimum(kMinimumDate), m_maximum(kMaximumDate) {
    const CGESysDrawInfo* pInfo = GEGetSysDrawInfo();
    m_clrText = pInfo->m_clrWindowText;
    m_clrTextBackground = pInfo->m_clrWindow;
    m_clrBackground = pInfo->m_clrWindow;
}

CGEBDateTimeCtrl::~CGEBDateTimeCtrl() {
    CancelCapture();
    DestroyPopup();
    for (INT_PTR i = 0; i < m_gadgets.GetSize(); ++i)
        delete m_gadgets.GetGadget(i);
    m_gadgets.RemoveAll();
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}

BOOL CGEBDateTimeCtrl::Create(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                              LPVOID lpParam) {
    const CGESysDrawInfo* pInfo = GEGetSysDrawInfo();
    HCURSOR hCursor = pInfo->m_hcurArrow != nullptr ? pInfo->m_hcurArrow : ::LoadCursorA(nullptr, IDC_ARROW);
    LPCSTR pszClass = AfxRegisterWndClass(0, hCursor, nullptr, nullptr);
    if (!CWnd::CreateEx(dwExStyle, pszClass, "", dwStyle | WS_CHILD, rect, pParentWnd, nID, lpParam))
        return FALSE;
    HFONT hFont = nullptr;
    if (pParentWnd != nullptr && pParentWnd->GetSafeHwnd() != nullptr)
        hFont = reinterpret_cast<HFONT>(pParentWnd->SendMessage(WM_GETFONT));
    m_hFont = hFont != nullptr ? hFont : static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));

    for (INT_PTR i = 0; i < m_gadgets.GetSize(); ++i)
        delete m_gadgets.GetGadget(i);
    m_gadgets.RemoveAll();
    m_nDockedCount = 0;
    if ((dwStyle & GEB_DTS_DROPDOWN) != 0) {
        auto pButton = std::make_unique<CGEBDTButtonGadget>();
        pButton->Initialise(this, m_nButtonBitmapId);
        pButton->SetStyle(GEB_DTG_MOUSE | GEB_DTG_DOCKED);
        m_gadgets.Add(pButton.release());
        ++m_nDockedCount;
    }
    if ((dwStyle & GEB_DTS_SPIN) != 0) {
        auto pSpin = std::make_unique<CGEBDTSpinGadget>();
        pSpin->Initialise(this);
        pSpin->SetStyle(GEB_DTG_MOUSE | GEB_DTG_DOCKED);
        m_gadgets.Add(pSpin.release());
        ++m_nDockedCount;
    }
    m_nFocusedField = m_nDockedCount;
    ParseFormat();
    return TRUE;
}

CGEBDTGadget* CGEBDateTimeCtrl::GetGadget(INT_PTR nIndex) const {
    return nIndex >= 0 && nIndex < m_gadgets.GetSize() ? m_gadgets.GetGadget(nIndex) : nullptr;
}

void CGEBDateTimeCtrl::SetTextColors(COLORREF clrText, COLORREF clrBackground) {
    m_clrText = clrText;
    m_clrTextBackground = clrBackground;
}

void CGEBDateTimeCtrl::GetFormatString(CString& strFormat) const {
    switch (m_nFormatType) {
    case 0:
        strFormat = LocaleText(LOCALE_STIMEFORMAT);
        break;
    case 1:
        strFormat = LocaleText(LOCALE_SSHORTDATE);
        break;
    case 2:
        strFormat = LocaleText(LOCALE_SLONGDATE);
        break;
    default:
        strFormat = m_strCustomFormat;
        break;
    }
}

void CGEBDateTimeCtrl::SetFormatType(int nType) {
    m_strCustomFormat.Empty();
    m_nFormatType = nType;
    if (GetSafeHwnd() != nullptr || m_bWindowless)
        ParseFormat();
}

void CGEBDateTimeCtrl::SetCustomFormat(LPCSTR pszFormat) {
    m_strCustomFormat = pszFormat != nullptr ? pszFormat : "";
    m_nFormatType = 3;
    if (GetSafeHwnd() != nullptr || m_bWindowless)
        ParseFormat();
}

void CGEBDateTimeCtrl::SetNoEditFields(DWORD dwMask) {
    m_dwNoEdit = dwMask;
    if (GetSafeHwnd() != nullptr || m_bWindowless)
        ParseFormat();
}

void CGEBDateTimeCtrl::AppendGadget(CGEBDTGadget* pGadget) {
    m_gadgets.Add(pGadget);
}

void CGEBDateTimeCtrl::DeleteFormatGadgets() {
    CancelCapture();
    DestroyPopup();
    for (INT_PTR i = m_gadgets.GetSize() - 1; i >= m_nDockedCount; --i) {
        delete m_gadgets.GetGadget(i);
        m_gadgets.RemoveAt(i);
    }
    m_nFocusedField = 0;
    m_nScrollOffset = 0;
}

void CGEBDateTimeCtrl::ParseFormat() {
    DeleteFormatGadgets();
    CString strFormat;
    GetFormatString(strFormat);
    m_bFormatHasDate = FALSE;
    CString strLiteral;
    const auto flushLiteral = [&] {
        if (strLiteral.IsEmpty())
            return;
        auto pStatic = std::make_unique<CGEBDTStaticGadget>();
        pStatic->Initialise(this, strLiteral);
        AppendGadget(pStatic.release());
        strLiteral.Empty();
    };
    const auto addNumeric = [&](int nMin, int nMax, BOOL bPad, int nId, DWORD dwNoEdit) {
        flushLiteral();
        auto pGadget = std::make_unique<CGEBDTNumericGadget>();
        pGadget->Initialise(this, nMin, nMax, 0, bPad, nId);
        if ((m_dwNoEdit & dwNoEdit) != 0)
            pGadget->SetStyle(pGadget->GetStyle() & ~GEB_DTG_FOCUSABLE);
        AppendGadget(pGadget.release());
    };
    const auto addList = [&](const CStringArray& entries, int nId, DWORD dwNoEdit) {
        flushLiteral();
        auto pGadget = std::make_unique<CGEBDTListGadget>();
        pGadget->Initialise(this, entries, 0, nId);
        if ((m_dwNoEdit & dwNoEdit) != 0)
            pGadget->SetStyle(pGadget->GetStyle() & ~GEB_DTG_FOCUSABLE);
        AppendGadget(pGadget.release());
    };

    const int nLength = strFormat.GetLength();
    int i = 0;
    while (i < nLength) {
        const char ch = strFormat[i];
        if (::IsDBCSLeadByte(static_cast<BYTE>(ch)) && i + 1 < nLength) {
            strLiteral += strFormat.Mid(i, 2);
            i += 2;
            continue;
        }
        if (ch == '\'' || ch == '"') {
            // Quoted text is literal; a quote of the other kind inside it is text too. Without its
            // closing quote the rest of the format is literal.
            const int nEnd = strFormat.Find(ch, i + 1);
            if (nEnd < 0) {
                strLiteral += strFormat.Mid(i + 1);
                break;
            }
            strLiteral += strFormat.Mid(i + 1, nEnd - i - 1);
            i = nEnd + 1;
            continue;
        }
        int nCount = 1;
        while (i + nCount < nLength && strFormat[i + nCount] == ch)
            ++nCount;
        switch (ch) {
        case 'h':
            addNumeric(1, 12, nCount >= 2, GEB_DTF_HOUR12, GEB_DTNE_HOUR);
            break;
        case 'H':
            addNumeric(0, 23, nCount >= 2, GEB_DTF_HOUR24, GEB_DTNE_HOUR);
            break;
        case 'm':
            addNumeric(0, 59, nCount >= 2, GEB_DTF_MINUTE, GEB_DTNE_MINUTE);
            break;
        case 's':
            addNumeric(0, 59, nCount >= 2, GEB_DTF_SECOND, GEB_DTNE_SECOND);
            break;
        case 't': {
            CStringArray entries;
            CString strAM = LocaleText(LOCALE_S1159);
            CString strPM = LocaleText(LOCALE_S2359);
            if (nCount == 1) {
                strAM = strAM.Left(1);
                strPM = strPM.Left(1);
            }
            entries.Add(strAM);
            entries.Add(strPM);
            addList(entries, GEB_DTF_AMPM, GEB_DTNE_HOUR);
            break;
        }
        case 'd':
            m_bFormatHasDate = TRUE;
            if (nCount <= 2) {
                addNumeric(1, 31, nCount == 2, GEB_DTF_DAY, GEB_DTNE_DAY);
            } else {
                CStringArray entries;
                for (int nDay = 1; nDay <= 7; ++nDay) {
                    CString strName;
                    GEGetDayName(strName, nDay, nCount >= 4);
                    entries.Add(strName);
                }
                addList(entries, GEB_DTF_DAYOFWEEK, GEB_DTNE_DAY);
            }
            break;
        case 'M':
            m_bFormatHasDate = TRUE;
            if (nCount <= 2) {
                addNumeric(1, 12, nCount == 2, GEB_DTF_MONTH, GEB_DTNE_MONTH);
            } else {
                CStringArray entries;
                for (int nMonth = 1; nMonth <= 12; ++nMonth) {
                    CString strName;
                    GEGetMonthName(strName, nMonth, nCount >= 4);
                    entries.Add(strName);
                }
                addList(entries, GEB_DTF_MONTHNAME, GEB_DTNE_MONTH);
            }
            break;
        case 'y':
            m_bFormatHasDate = TRUE;
            if (nCount <= 2)
                addNumeric(0, 99, nCount == 2, GEB_DTF_YEAR2, GEB_DTNE_YEAR);
            else
                addNumeric(0, 9999, FALSE, GEB_DTF_YEAR4, GEB_DTNE_YEAR);
            break;
        case 'g':
            m_bFormatHasDate = TRUE; // the era is not shown
            break;
        default:
            strLiteral += strFormat.Mid(i, nCount);
            break;
        }
        i += nCount;
    }
    flushLiteral();
    const int nFirst = FirstFocusableField();
    m_nFocusedField = nFirst >= 0 ? nFirst : m_nDockedCount;
    PushFieldValues(0xFFFF);
    if (GetSafeHwnd() != nullptr) {
        LayoutGadgets();
        Invalidate();
    }
}

void CGEBDateTimeCtrl::PushFieldValues(DWORD dwMask) {
    Fields f;
    if (!SplitDate(m_value, f))
        return;
    for (INT_PTR i = 0; i < m_gadgets.GetSize(); ++i) {
        CGEBDTGadget* pGadget = m_gadgets.GetGadget(i);
        const int nId = pGadget->GetId();
        if (nId <= 0 || (static_cast<DWORD>(nId) & dwMask) == 0)
            continue;
        int nValue = 0;
        switch (nId) {
        case GEB_DTF_HOUR12:
            nValue = f.hour == 0 ? 12 : f.hour > 12 ? f.hour - 12 : f.hour;
            break;
        case GEB_DTF_HOUR24:
            nValue = f.hour;
            break;
        case GEB_DTF_MINUTE:
            nValue = f.minute;
            break;
        case GEB_DTF_SECOND:
            nValue = f.second;
            break;
        case GEB_DTF_AMPM:
            nValue = f.hour >= 12 ? 1 : 0;
            m_bPM = nValue;
            break;
        case GEB_DTF_DAY:
            nValue = f.day;
            break;
        case GEB_DTF_DAYOFWEEK:
            nValue = f.dayOfWeek - 1;
            break;
        case GEB_DTF_MONTH:
            nValue = f.month;
            break;
        case GEB_DTF_MONTHNAME:
            nValue = f.month - 1;
            break;
        case GEB_DTF_YEAR2:
            nValue = f.year % 100;
            break;
        case GEB_DTF_YEAR4:
            nValue = f.year;
            break;
        default:
            continue;
        }
        pGadget->SetValue(nValue);
        pGadget->Invalidate(FALSE);
    }
}

void CGEBDateTimeCtrl::ApplyValue(const COleDateTime& date) {
    Fields newFields;
    Fields oldFields;
    DWORD dwMask = 0xFFFF;
    if (SplitDate(date, newFields) && SplitDate(m_value, oldFields)) {
        dwMask = 0;
        if (newFields.hour != oldFields.hour)
            dwMask |= GEB_DTF_HOUR12 | GEB_DTF_HOUR24 | GEB_DTF_AMPM;
        if (newFields.minute != oldFields.minute)
            dwMask |= GEB_DTF_MINUTE;
        if (newFields.second != oldFields.second)
            dwMask |= GEB_DTF_SECOND;
        if (newFields.dayOfWeek != oldFields.dayOfWeek)
            dwMask |= GEB_DTF_DAYOFWEEK;
        if (newFields.day != oldFields.day)
            dwMask |= GEB_DTF_DAY;
        if (newFields.month != oldFields.month)
            dwMask |= GEB_DTF_MONTH | GEB_DTF_MONTHNAME;
        if (newFields.year != oldFields.year)
            dwMask |= GEB_DTF_YEAR2 | GEB_DTF_YEAR4;
    }
    m_value = date;
    PushFieldValues(dwMask);
}

BOOL CGEBDateTimeCtrl::SetDateTime(const COleDateTime& date) {
    Fields f;
    if (!SplitDate(date, f))
        return FALSE;
    if (GetSafeHwnd() == nullptr && !m_bWindowless) {
        m_value = date;
        return TRUE;
    }
    ApplyValue(date);
    return TRUE;
}

COleDateTime CGEBDateTimeCtrl::ReduceToRange(const COleDateTime& date) const {
    Fields f;
    if (!SplitDate(date, f))
        return date;
    switch (m_nRangeMode) {
    case 1: {
        COleDateTime time;
        time.SetTime(f.hour, f.minute, f.second);
        return time;
    }
    case 2: {
        COleDateTime day;
        day.SetDate(f.year, f.month, f.day);
        return day;
    }
    default:
        return date;
    }
}

BOOL CGEBDateTimeCtrl::SetRange(const COleDateTime& minimum, const COleDateTime& maximum, int nMode) {
    Fields fMin;
    Fields fMax;
    if (!SplitDate(minimum, fMin) || !SplitDate(maximum, fMax))
        return FALSE;
    COleDateTime newMin = minimum;
    COleDateTime newMax = maximum;
    if (nMode == 1) {
        newMin.SetTime(fMin.hour, fMin.minute, fMin.second);
        newMax.SetTime(fMax.hour, fMax.minute, fMax.second);
    } else if (nMode == 2) {
        newMin.SetDate(fMin.year, fMin.month, fMin.day);
        newMax.SetDate(fMax.year, fMax.month, fMax.day);
    }
    // The bounds are compared as they are kept: times alone in mode 1, days alone in mode 2.
    if (newMin > newMax)
        return FALSE;
    m_minimum = newMin;
    m_maximum = newMax;
    m_nRangeMode = nMode;
    COleDateTime copy = m_value;
    if (!ValidateDate(copy, -1))
        return FALSE;
    if (GetSafeHwnd() != nullptr)
        ApplyValue(copy);
    else
        m_value = copy;
    return TRUE;
}

BOOL CGEBDateTimeCtrl::IsInRange(const COleDateTime& date) const {
    if (m_nRangeMode == 0)
        return TRUE;
    if (m_nRangeMode < 1 || m_nRangeMode > 3)
        return FALSE;
    const COleDateTime reduced = ReduceToRange(date);
    return reduced >= m_minimum && reduced <= m_maximum;
}

BOOL CGEBDateTimeCtrl::ValidateDate(COleDateTime& date, int nFixLevel) {
    Fields f;
    if (!SplitDate(date, f))
        return FALSE;
    if (m_nRangeMode == 0)
        return TRUE;
    const COleDateTime reduced = ReduceToRange(date);
    if (reduced >= m_minimum && reduced <= m_maximum)
        return TRUE;
    const COleDateTime& bound = reduced < m_minimum ? m_minimum : m_maximum;
    Fields b;
    if (nFixLevel == 0 || !SplitDate(bound, b))
        return FALSE;
    int* const pDate[6] = {&f.second, &f.minute, &f.hour, &f.day, &f.month, &f.year};
    const int* const pBound[6] = {&b.second, &b.minute, &b.hour, &b.day, &b.month, &b.year};
    // A range of times alone keeps the date: only the time's fields are compared and taken.
    const int nTop = m_nRangeMode == 1 ? 2 : 5;
    const int nFrom = nFixLevel < 0 ? nTop + 1 : std::min(nFixLevel, nTop + 1);
    for (int nLevel = nFrom; nLevel <= nTop; ++nLevel)
        if (*pDate[nLevel] != *pBound[nLevel])
            return FALSE;
    for (int nLevel = 0; nLevel < nFrom; ++nLevel)
        *pDate[nLevel] = *pBound[nLevel];
    const COleDateTime corrected(f.year, f.month, f.day, f.hour, f.minute, f.second);
    if (corrected.GetStatus() != COleDateTime::valid)
        return FALSE;
    date = corrected;
    return IsInRange(date);
}

BOOL CGEBDateTimeCtrl::OnChanging(const COleDateTime&) {
    return TRUE;
}

void CGEBDateTimeCtrl::OnChanged() {
    if ((GetExStyle() & WS_EX_NOPARENTNOTIFY) != 0 || GetSafeHwnd() == nullptr)
        return;
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), GEB_DTN_CHANGED),
                             reinterpret_cast<LPARAM>(m_hWnd));
}

void CGEBDateTimeCtrl::CreatePopupCalendar() {
    m_pPopup = std::make_unique<CGEBPopupCalendar>();
}

void CGEBDateTimeCtrl::DestroyPopup() {
    m_pPopup.reset();
}

BOOL CGEBDateTimeCtrl::IsKeyDown(int nVirtKey) const {
    return (::GetKeyState(nVirtKey) & 0x8000) != 0;
}
