#include "grid/controls/gadgets/GELocaleNames.h"

#include <array>

namespace {

// Taken once: a later change of the regional settings shows after a restart.
const LCID g_lcid = ::GetUserDefaultLCID();

struct NamePair {
    LCTYPE abbreviated;
    LCTYPE full;
};

// Day 1 is Sunday; the system's own numbering starts with Monday (DAYNAME1).
constexpr std::array<NamePair, 7> kDays = {{
    {LOCALE_SABBREVDAYNAME7, LOCALE_SDAYNAME7},
    {LOCALE_SABBREVDAYNAME1, LOCALE_SDAYNAME1},
    {LOCALE_SABBREVDAYNAME2, LOCALE_SDAYNAME2},
    {LOCALE_SABBREVDAYNAME3, LOCALE_SDAYNAME3},
    {LOCALE_SABBREVDAYNAME4, LOCALE_SDAYNAME4},
    {LOCALE_SABBREVDAYNAME5, LOCALE_SDAYNAME5},
    {LOCALE_SABBREVDAYNAME6, LOCALE_SDAYNAME6},
}};

constexpr std::array<NamePair, 12> kMonths = {{
    {LOCALE_SABBREVMONTHNAME1, LOCALE_SMONTHNAME1},
    {LOCALE_SABBREVMONTHNAME2, LOCALE_SMONTHNAME2},
    {LOCALE_SABBREVMONTHNAME3, LOCALE_SMONTHNAME3},
    {LOCALE_SABBREVMONTHNAME4, LOCALE_SMONTHNAME4},
    {LOCALE_SABBREVMONTHNAME5, LOCALE_SMONTHNAME5},
    {LOCALE_SABBREVMONTHNAME6, LOCALE_SMONTHNAME6},
    {LOCALE_SABBREVMONTHNAME7, LOCALE_SMONTHNAME7},
    {LOCALE_SABBREVMONTHNAME8, LOCALE_SMONTHNAME8},
    {LOCALE_SABBREVMONTHNAME9, LOCALE_SMONTHNAME9},
    {LOCALE_SABBREVMONTHNAME10, LOCALE_SMONTHNAME10},
    {LOCALE_SABBREVMONTHNAME11, LOCALE_SMONTHNAME11},
    {LOCALE_SABBREVMONTHNAME12, LOCALE_SMONTHNAME12},
}};

template <size_t N>
int LookUp(const std::array<NamePair, N>& table, CString& strName, int nIndex, BOOL bFull) {
    if (nIndex < 1 || static_cast<size_t>(nIndex) > N)
        return 0;
    const NamePair& pair = table[static_cast<size_t>(nIndex - 1)];
    char szBuffer[256] = {};
    if (::GetLocaleInfoA(g_lcid, bFull != 0 ? pair.full : pair.abbreviated, szBuffer, sizeof szBuffer) == 0)
        return 0;
    strName = szBuffer;
    return 1;
}

} // namespace

int GEGetDayName(CString& strName, int nDay, BOOL bFull) {
    return LookUp(kDays, strName, nDay, bFull);
}

int GEGetMonthName(CString& strName, int nMonth, BOOL bFull) {
    return LookUp(kMonths, strName, nMonth, bFull);
}
