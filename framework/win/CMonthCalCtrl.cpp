#include "framework/win/CMonthCalCtrl.h"

#include "framework/win/AfxCtrlSupport.h"

IMPLEMENT_DYNAMIC(CMonthCalCtrl, CWnd)

namespace {

// The calendar's dates without the time of day it may leave in them.
SYSTEMTIME DateOnly(SYSTEMTIME st) {
    st.wHour = st.wMinute = st.wSecond = st.wMilliseconds = 0;
    return st;
}

bool ToSystemTime(const COleDateTime& value, SYSTEMTIME& st) {
    return value.GetStatus() == COleDateTime::valid && value.GetAsSystemTime(st);
}

COleDateTime OleDate(const SYSTEMTIME& st) {
    const SYSTEMTIME date = DateOnly(st);
    return COleDateTime(date);
}

CTime TimeDate(const SYSTEMTIME& st) {
    return CTime(DateOnly(st));
}

} // namespace

BOOL CMonthCalCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls(ICC_DATE_CLASSES);
    return CWnd::Create(MONTHCAL_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CMonthCalCtrl::Create(DWORD dwStyle, const POINT& pt, CWnd* pParentWnd, UINT nID) {
    if (!Create(dwStyle, CRect(pt.x, pt.y, pt.x, pt.y), pParentWnd, nID))
        return FALSE;
    return SizeMinReq();
}

// ---- looks ----

BOOL CMonthCalCtrl::GetMinReqRect(RECT* pRect) const {
    return static_cast<BOOL>(SendMessage(MCM_GETMINREQRECT, 0, AfxPtrParam(pRect)));
}

BOOL CMonthCalCtrl::SizeMinReq(BOOL bRepaint) {
    CRect rect;
    if (!GetMinReqRect(&rect))
        return FALSE;
    UINT flags = SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE;
    if (!bRepaint)
        flags |= SWP_NOREDRAW;
    return ::SetWindowPos(m_hWnd, nullptr, 0, 0, rect.Width(), rect.Height(), flags);
}

int CMonthCalCtrl::SetMonthDelta(int iDelta) {
    return static_cast<int>(SendMessage(MCM_SETMONTHDELTA, static_cast<WPARAM>(iDelta), 0));
}

int CMonthCalCtrl::GetMonthDelta() const {
    return static_cast<int>(SendMessage(MCM_GETMONTHDELTA, 0, 0));
}

BOOL CMonthCalCtrl::SetFirstDayOfWeek(int iDay, int* lpnOld) {
    const auto previous =
        static_cast<DWORD>(SendMessage(MCM_SETFIRSTDAYOFWEEK, 0, static_cast<LPARAM>(iDay)));
    if (lpnOld != nullptr)
        *lpnOld = static_cast<int>(LOWORD(previous));
    // HIWORD: the previous first day differed from the locale's.
    return HIWORD(previous) != 0;
}

int CMonthCalCtrl::GetFirstDayOfWeek(BOOL* pbLocal) const {
    const auto result = static_cast<DWORD>(SendMessage(MCM_GETFIRSTDAYOFWEEK, 0, 0));
    if (pbLocal != nullptr)
        *pbLocal = HIWORD(result) != 0;
    return static_cast<int>(LOWORD(result));
}

COLORREF CMonthCalCtrl::GetColor(int nRegion) const {
    return static_cast<COLORREF>(SendMessage(MCM_GETCOLOR, static_cast<WPARAM>(nRegion), 0));
}

COLORREF CMonthCalCtrl::SetColor(int nRegion, COLORREF ref) {
    return static_cast<COLORREF>(
        SendMessage(MCM_SETCOLOR, static_cast<WPARAM>(nRegion), static_cast<LPARAM>(ref)));
}

BOOL CMonthCalCtrl::SetDayState(int nMonths, LPMONTHDAYSTATE pStates) {
    return static_cast<BOOL>(
        SendMessage(MCM_SETDAYSTATE, static_cast<WPARAM>(nMonths), AfxPtrParam(pStates)));
}

DWORD CMonthCalCtrl::HitTest(PMCHITTESTINFO pMCHitTest) {
    pMCHitTest->cbSize = sizeof(MCHITTESTINFO);
    return static_cast<DWORD>(SendMessage(MCM_HITTEST, 0, AfxPtrParam(pMCHitTest)));
}

// ---- today ----

void CMonthCalCtrl::SetToday(const COleDateTime& refDateTime) {
    SYSTEMTIME st{};
    SetToday(ToSystemTime(refDateTime, st) ? &st : nullptr);
}

void CMonthCalCtrl::SetToday(const CTime* pDateTime) {
    SYSTEMTIME st{};
    SetToday(pDateTime != nullptr && pDateTime->GetAsSystemTime(st) ? &st : nullptr);
}

void CMonthCalCtrl::SetToday(const LPSYSTEMTIME pDateTime) {
    SendMessage(MCM_SETTODAY, 0, AfxPtrParam(pDateTime));
}

BOOL CMonthCalCtrl::GetToday(CTime& refTime) const {
    SYSTEMTIME st{};
    if (!GetToday(&st))
        return FALSE;
    refTime = TimeDate(st);
    return TRUE;
}

BOOL CMonthCalCtrl::GetToday(COleDateTime& refDateTime) const {
    SYSTEMTIME st{};
    if (!GetToday(&st))
        return FALSE;
    refDateTime = OleDate(st);
    return TRUE;
}

BOOL CMonthCalCtrl::GetToday(LPSYSTEMTIME pDateTime) const {
    return static_cast<BOOL>(SendMessage(MCM_GETTODAY, 0, AfxPtrParam(pDateTime)));
}

// ---- selection ----

BOOL CMonthCalCtrl::GetCurSel(COleDateTime& refDateTime) const {
    SYSTEMTIME st{};
    if (!GetCurSel(&st))
        return FALSE;
    refDateTime = OleDate(st);
    return TRUE;
}

BOOL CMonthCalCtrl::GetCurSel(CTime& refDateTime) const {
    SYSTEMTIME st{};
    if (!GetCurSel(&st))
        return FALSE;
    refDateTime = TimeDate(st);
    return TRUE;
}

BOOL CMonthCalCtrl::GetCurSel(LPSYSTEMTIME pDateTime) const {
    return static_cast<BOOL>(SendMessage(MCM_GETCURSEL, 0, AfxPtrParam(pDateTime)));
}

BOOL CMonthCalCtrl::SetCurSel(const COleDateTime& refDateTime) {
    SYSTEMTIME st{};
    return ToSystemTime(refDateTime, st) && SetCurSel(&st);
}

BOOL CMonthCalCtrl::SetCurSel(const CTime& refDateTime) {
    SYSTEMTIME st{};
    return refDateTime.GetAsSystemTime(st) && SetCurSel(&st);
}

BOOL CMonthCalCtrl::SetCurSel(const LPSYSTEMTIME pDateTime) {
    return static_cast<BOOL>(SendMessage(MCM_SETCURSEL, 0, AfxPtrParam(pDateTime)));
}

BOOL CMonthCalCtrl::SetMaxSelCount(int nMax) {
    return static_cast<BOOL>(SendMessage(MCM_SETMAXSELCOUNT, static_cast<WPARAM>(nMax), 0));
}

int CMonthCalCtrl::GetMaxSelCount() const {
    return static_cast<int>(SendMessage(MCM_GETMAXSELCOUNT, 0, 0));
}

BOOL CMonthCalCtrl::SetSelRange(const COleDateTime& pMinRange, const COleDateTime& pMaxRange) {
    SYSTEMTIME range[2]{};
    if (!ToSystemTime(pMinRange, range[0]) || !ToSystemTime(pMaxRange, range[1]))
        return FALSE;
    return SetSelRange(&range[0], &range[1]);
}

BOOL CMonthCalCtrl::SetSelRange(const CTime& pMinRange, const CTime& pMaxRange) {
    SYSTEMTIME range[2]{};
    if (!pMinRange.GetAsSystemTime(range[0]) || !pMaxRange.GetAsSystemTime(range[1]))
        return FALSE;
    return SetSelRange(&range[0], &range[1]);
}

BOOL CMonthCalCtrl::SetSelRange(const LPSYSTEMTIME pMinRange, const LPSYSTEMTIME pMaxRange) {
    if (pMinRange == nullptr || pMaxRange == nullptr)
        return FALSE;
    SYSTEMTIME range[2] = {*pMinRange, *pMaxRange};
    return static_cast<BOOL>(SendMessage(MCM_SETSELRANGE, 0, AfxPtrParam(range)));
}

BOOL CMonthCalCtrl::GetSelRange(COleDateTime& refMinRange, COleDateTime& refMaxRange) const {
    SYSTEMTIME range[2]{};
    if (!GetSelRange(&range[0], &range[1]))
        return FALSE;
    refMinRange = OleDate(range[0]);
    refMaxRange = OleDate(range[1]);
    return TRUE;
}

BOOL CMonthCalCtrl::GetSelRange(CTime& refMinRange, CTime& refMaxRange) const {
    SYSTEMTIME range[2]{};
    if (!GetSelRange(&range[0], &range[1]))
        return FALSE;
    refMinRange = TimeDate(range[0]);
    refMaxRange = TimeDate(range[1]);
    return TRUE;
}

BOOL CMonthCalCtrl::GetSelRange(LPSYSTEMTIME pMinRange, LPSYSTEMTIME pMaxRange) const {
    SYSTEMTIME range[2]{};
    if (!SendMessage(MCM_GETSELRANGE, 0, AfxPtrParam(range)))
        return FALSE;
    if (pMinRange != nullptr)
        *pMinRange = range[0];
    if (pMaxRange != nullptr)
        *pMaxRange = range[1];
    return TRUE;
}

// ---- range ----

BOOL CMonthCalCtrl::SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange) {
    SYSTEMTIME range[2]{};
    const bool hasMin = pMinRange != nullptr && pMinRange->GetStatus() != COleDateTime::null;
    const bool hasMax = pMaxRange != nullptr && pMaxRange->GetStatus() != COleDateTime::null;
    if ((hasMin && !ToSystemTime(*pMinRange, range[0])) || (hasMax && !ToSystemTime(*pMaxRange, range[1])))
        return FALSE;
    return SetRange(hasMin ? &range[0] : nullptr, hasMax ? &range[1] : nullptr);
}

BOOL CMonthCalCtrl::SetRange(const CTime* pMinRange, const CTime* pMaxRange) {
    SYSTEMTIME range[2]{};
    if ((pMinRange != nullptr && !pMinRange->GetAsSystemTime(range[0])) ||
        (pMaxRange != nullptr && !pMaxRange->GetAsSystemTime(range[1])))
        return FALSE;
    return SetRange(pMinRange != nullptr ? &range[0] : nullptr, pMaxRange != nullptr ? &range[1] : nullptr);
}

BOOL CMonthCalCtrl::SetRange(const LPSYSTEMTIME pMinRange, const LPSYSTEMTIME pMaxRange) {
    SYSTEMTIME range[2]{};
    DWORD flags = 0;
    if (pMinRange != nullptr) {
        range[0] = *pMinRange;
        flags |= GDTR_MIN;
    }
    if (pMaxRange != nullptr) {
        range[1] = *pMaxRange;
        flags |= GDTR_MAX;
    }
    return static_cast<BOOL>(SendMessage(MCM_SETRANGE, flags, AfxPtrParam(range)));
}

DWORD CMonthCalCtrl::GetRange(COleDateTime* pMinRange, COleDateTime* pMaxRange) const {
    SYSTEMTIME range[2]{};
    const DWORD flags = GetRange(&range[0], &range[1]);
    if (pMinRange != nullptr) {
        *pMinRange = OleDate(range[0]);
        if ((flags & GDTR_MIN) == 0)
            pMinRange->SetStatus(COleDateTime::null);
    }
    if (pMaxRange != nullptr) {
        *pMaxRange = OleDate(range[1]);
        if ((flags & GDTR_MAX) == 0)
            pMaxRange->SetStatus(COleDateTime::null);
    }
    return flags;
}

DWORD CMonthCalCtrl::GetRange(CTime* pMinRange, CTime* pMaxRange) const {
    SYSTEMTIME range[2]{};
    const DWORD flags = GetRange(&range[0], &range[1]);
    if (pMinRange != nullptr && (flags & GDTR_MIN) != 0)
        *pMinRange = TimeDate(range[0]);
    if (pMaxRange != nullptr && (flags & GDTR_MAX) != 0)
        *pMaxRange = TimeDate(range[1]);
    return flags;
}

DWORD CMonthCalCtrl::GetRange(LPSYSTEMTIME pMinRange, LPSYSTEMTIME pMaxRange) const {
    SYSTEMTIME range[2]{};
    const auto flags = static_cast<DWORD>(SendMessage(MCM_GETRANGE, 0, AfxPtrParam(range)));
    if (pMinRange != nullptr)
        *pMinRange = range[0];
    if (pMaxRange != nullptr)
        *pMaxRange = range[1];
    return flags;
}

int CMonthCalCtrl::GetMonthRange(COleDateTime& refMinRange, COleDateTime& refMaxRange, DWORD dwFlags) const {
    SYSTEMTIME range[2]{};
    const int months = GetMonthRange(&range[0], &range[1], dwFlags);
    refMinRange = OleDate(range[0]);
    refMaxRange = OleDate(range[1]);
    return months;
}

int CMonthCalCtrl::GetMonthRange(CTime& refMinRange, CTime& refMaxRange, DWORD dwFlags) const {
    SYSTEMTIME range[2]{};
    const int months = GetMonthRange(&range[0], &range[1], dwFlags);
    refMinRange = TimeDate(range[0]);
    refMaxRange = TimeDate(range[1]);
    return months;
}

int CMonthCalCtrl::GetMonthRange(LPSYSTEMTIME pMinRange, LPSYSTEMTIME pMaxRange, DWORD dwFlags) const {
    SYSTEMTIME range[2]{};
    const int months = static_cast<int>(SendMessage(MCM_GETMONTHRANGE, dwFlags, AfxPtrParam(range)));
    if (pMinRange != nullptr)
        *pMinRange = range[0];
    if (pMaxRange != nullptr)
        *pMaxRange = range[1];
    return months;
}
