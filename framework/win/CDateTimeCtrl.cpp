#include "framework/win/CDateTimeCtrl.h"

#include "framework/win/AfxCtrlSupport.h"

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls(ICC_DATE_CLASSES);
    return CWnd::Create(DATETIMEPICK_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

// ---- the value ----

BOOL CDateTimeCtrl::SetTime(const COleDateTime& timeNew) {
    if (timeNew.GetStatus() == COleDateTime::null)
        return SetTime(static_cast<LPSYSTEMTIME>(nullptr));
    SYSTEMTIME st{};
    if (timeNew.GetStatus() != COleDateTime::valid || !timeNew.GetAsSystemTime(st))
        return FALSE;
    return SetTime(&st);
}

BOOL CDateTimeCtrl::SetTime(const CTime* pTimeNew) {
    if (pTimeNew == nullptr)
        return SetTime(static_cast<LPSYSTEMTIME>(nullptr));
    SYSTEMTIME st{};
    if (!pTimeNew->GetAsSystemTime(st))
        return FALSE;
    return SetTime(&st);
}

BOOL CDateTimeCtrl::SetTime(LPSYSTEMTIME pTimeNew) {
    if (pTimeNew != nullptr)
        return static_cast<BOOL>(SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, AfxPtrParam(pTimeNew)));
    // "No date" ignores the structure, but some versions of the control refuse a null pointer.
    SYSTEMTIME ignored{};
    return static_cast<BOOL>(SendMessage(DTM_SETSYSTEMTIME, GDT_NONE, AfxPtrParam(&ignored)));
}

BOOL CDateTimeCtrl::GetTime(COleDateTime& timeDest) const {
    SYSTEMTIME st{};
    switch (GetTime(&st)) {
    case GDT_VALID:
        timeDest = COleDateTime(st);
        return TRUE;
    case GDT_NONE:
        timeDest = COleDateTime();
        timeDest.SetStatus(COleDateTime::null);
        return TRUE;
    default:
        return FALSE;
    }
}

DWORD CDateTimeCtrl::GetTime(CTime& timeDest) const {
    SYSTEMTIME st{};
    const DWORD result = GetTime(&st);
    if (result == GDT_VALID)
        timeDest = CTime(st);
    return result;
}

DWORD CDateTimeCtrl::GetTime(LPSYSTEMTIME pTimeDest) const {
    return static_cast<DWORD>(SendMessage(DTM_GETSYSTEMTIME, 0, AfxPtrParam(pTimeDest)));
}

// ---- range ----

BOOL CDateTimeCtrl::SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange) {
    SYSTEMTIME range[2]{};
    DWORD flags = 0;
    const auto take = [&](const COleDateTime* value, SYSTEMTIME& st, DWORD flag) {
        if (value == nullptr || value->GetStatus() == COleDateTime::null)
            return true;
        if (value->GetStatus() != COleDateTime::valid || !value->GetAsSystemTime(st))
            return false;
        flags |= flag;
        return true;
    };
    if (!take(pMinRange, range[0], GDTR_MIN) || !take(pMaxRange, range[1], GDTR_MAX))
        return FALSE;
    return static_cast<BOOL>(SendMessage(DTM_SETRANGE, flags, AfxPtrParam(range)));
}

BOOL CDateTimeCtrl::SetRange(const CTime* pMinRange, const CTime* pMaxRange) {
    SYSTEMTIME range[2]{};
    DWORD flags = 0;
    if (pMinRange != nullptr) {
        if (!pMinRange->GetAsSystemTime(range[0]))
            return FALSE;
        flags |= GDTR_MIN;
    }
    if (pMaxRange != nullptr) {
        if (!pMaxRange->GetAsSystemTime(range[1]))
            return FALSE;
        flags |= GDTR_MAX;
    }
    return static_cast<BOOL>(SendMessage(DTM_SETRANGE, flags, AfxPtrParam(range)));
}

DWORD CDateTimeCtrl::GetRange(COleDateTime* pMinRange, COleDateTime* pMaxRange) const {
    SYSTEMTIME range[2]{};
    const auto flags = static_cast<DWORD>(SendMessage(DTM_GETRANGE, 0, AfxPtrParam(range)));
    const auto give = [](COleDateTime* value, const SYSTEMTIME& st, bool set) {
        if (value == nullptr)
            return;
        *value = set ? COleDateTime(st) : COleDateTime();
        if (!set)
            value->SetStatus(COleDateTime::null);
    };
    give(pMinRange, range[0], (flags & GDTR_MIN) != 0);
    give(pMaxRange, range[1], (flags & GDTR_MAX) != 0);
    return flags;
}

DWORD CDateTimeCtrl::GetRange(CTime* pMinRange, CTime* pMaxRange) const {
    SYSTEMTIME range[2]{};
    const auto flags = static_cast<DWORD>(SendMessage(DTM_GETRANGE, 0, AfxPtrParam(range)));
    if (pMinRange != nullptr && (flags & GDTR_MIN) != 0)
        *pMinRange = CTime(range[0]);
    if (pMaxRange != nullptr && (flags & GDTR_MAX) != 0)
        *pMaxRange = CTime(range[1]);
    return flags;
}

// ---- display ----

BOOL CDateTimeCtrl::SetFormat(LPCSTR pstrFormat) {
    return static_cast<BOOL>(SendMessage(DTM_SETFORMATA, 0, AfxPtrParam(pstrFormat)));
}

CMonthCalCtrl* CDateTimeCtrl::GetMonthCalCtrl() const {
    return AfxCtrlFromHandle<CMonthCalCtrl>(reinterpret_cast<HWND>(SendMessage(DTM_GETMONTHCAL, 0, 0)));
}

CFont* CDateTimeCtrl::GetMonthCalFont() const {
    return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(DTM_GETMCFONT, 0, 0)));
}

void CDateTimeCtrl::SetMonthCalFont(HFONT hFont, BOOL bRedraw) {
    SendMessage(DTM_SETMCFONT, reinterpret_cast<WPARAM>(hFont), MAKELPARAM(bRedraw, 0));
}

COLORREF CDateTimeCtrl::GetMonthCalColor(int iColor) const {
    return static_cast<COLORREF>(SendMessage(DTM_GETMCCOLOR, static_cast<WPARAM>(iColor), 0));
}

COLORREF CDateTimeCtrl::SetMonthCalColor(int iColor, COLORREF ref) {
    return static_cast<COLORREF>(
        SendMessage(DTM_SETMCCOLOR, static_cast<WPARAM>(iColor), static_cast<LPARAM>(ref)));
}
