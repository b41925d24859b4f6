#include "data/DateText.h"

#include "foundation/LocaleFormat.h"

CString FormatDateOrDateTime(const CTime& time) {
    struct tm local {};
    if (time.GetTime() == 0 || time.GetLocalTm(&local) == nullptr)
        return CString();
    if (local.tm_hour == 0 && local.tm_min == 0 && local.tm_sec == 0)
        return AcxFormatDate(time, DATE_SHORTDATE);
    return AcxFormatDateTime(time);
}
