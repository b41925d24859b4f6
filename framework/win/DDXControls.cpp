#include "framework/win/DDXControls.h"

#include <commctrl.h>

namespace {

SYSTEMTIME DateOnly(SYSTEMTIME st) {
    st.wHour = st.wMinute = st.wSecond = st.wMilliseconds = 0;
    return st;
}

// GDT_VALID with the picker's value, GDT_NONE when it holds none.
DWORD PickerValue(HWND hWndCtrl, SYSTEMTIME& st) {
    return static_cast<DWORD>(::SendMessageA(hWndCtrl, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)));
}

void SetPickerValue(HWND hWndCtrl, const SYSTEMTIME* st) {
    // "No date" ignores the structure, but some versions of the control refuse a null pointer.
    const SYSTEMTIME ignored{};
    ::SendMessageA(hWndCtrl, DTM_SETSYSTEMTIME, st != nullptr ? GDT_VALID : GDT_NONE,
                   reinterpret_cast<LPARAM>(st != nullptr ? st : &ignored));
}

} // namespace

void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, CTime& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    SYSTEMTIME st{};
    if (pDX->m_bSaveAndValidate) {
        pDX->Store(value, PickerValue(hWndCtrl, st) == GDT_VALID ? CTime(st) : CTime());
        return;
    }
    const bool hasValue = value.GetTime() != 0 && value.GetAsSystemTime(st);
    SetPickerValue(hWndCtrl, hasValue ? &st : nullptr);
}

void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    SYSTEMTIME st{};
    if (pDX->m_bSaveAndValidate) {
        COleDateTime result;
        if (PickerValue(hWndCtrl, st) == GDT_VALID)
            result = COleDateTime(st);
        else
            result.SetStatus(COleDateTime::null);
        pDX->Store(value, result);
        return;
    }
    const bool hasValue = value.GetStatus() == COleDateTime::valid && value.GetAsSystemTime(st);
    SetPickerValue(hWndCtrl, hasValue ? &st : nullptr);
}

void DDX_MonthCalCtrl(CDataExchange* pDX, int nIDC, CTime& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    SYSTEMTIME st{};
    if (pDX->m_bSaveAndValidate) {
        if (::SendMessageA(hWndCtrl, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st)))
            pDX->Store(value, CTime(DateOnly(st)));
        return;
    }
    if (value.GetAsSystemTime(st))
        ::SendMessageA(hWndCtrl, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
}

void DDX_MonthCalCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    SYSTEMTIME st{};
    if (pDX->m_bSaveAndValidate) {
        if (::SendMessageA(hWndCtrl, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st)))
            pDX->Store(value, COleDateTime(DateOnly(st)));
        return;
    }
    if (value.GetStatus() == COleDateTime::valid && value.GetAsSystemTime(st))
        ::SendMessageA(hWndCtrl, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
}
