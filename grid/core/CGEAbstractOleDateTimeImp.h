// The library's date-time object (application-wide): the locale's date order and separators, read once
// and again on request.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CString.h"

class CGEAbstractOleDateTimeImp : public CObject {
public:
    // Reads the locale's date order and separators again.
    virtual void RefreshLocale() = 0;
    // The order of the short date (0 day first, 1 month first, 2 year first), whether it shows four-digit
    // years, and the date separator.
    virtual void GetDateOrder(int& nOrder, BOOL& bFourDigitYear, CString& strSeparator) = 0;
    virtual char GetTimeSeparator() = 0;

protected:
    CGEAbstractOleDateTimeImp() = default;
};
