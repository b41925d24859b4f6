// CGEOleDateTimeImp: the library's date-time object over the user's locale settings: the order of the
// short date format (by the first of day, month and year it names), its four-digit years and the date
// and time separators.
#pragma once

#include "grid/core/CGEAbstractOleDateTimeImp.h"

class CGEOleDateTimeImp : public CGEAbstractOleDateTimeImp {
public:
    CGEOleDateTimeImp();
    void RefreshLocale() override;
    void GetDateOrder(int& nOrder, BOOL& bFourDigitYear, CString& strSeparator) override;
    char GetTimeSeparator() override { return m_cTimeSeparator; }

    // The order of a short date picture ("dd.MM.yyyy" -> 0, "M/d/yyyy" -> 1, "yyyy-MM-dd" -> 2) and whether
    // it shows four-digit years.
    static int OrderOfPicture(LPCSTR pszPicture, BOOL* pbFourDigitYear);

private:
    int m_nOrder = 1;
    BOOL m_bFourDigitYear = TRUE;
    CString m_strDateSeparator = "/";
    char m_cTimeSeparator = ':';
};

// Creates the library's date-time object when the library has none yet.
void GEInstallOleDateTime();
