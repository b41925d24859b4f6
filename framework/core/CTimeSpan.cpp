#include "framework/core/CTimeSpan.h"

#include <cstdio>
#include <string>

CTimeSpan::CTimeSpan(LONG days, int hours, int minutes, int seconds) noexcept {
    SetTimeSpan(days, hours, minutes, seconds);
}

void CTimeSpan::SetTimeSpan(LONG days, int hours, int minutes, int seconds) noexcept {
    m_span = static_cast<__time64_t>(days) * kSecondsPerDay + static_cast<__time64_t>(hours) * 3600 +
             static_cast<__time64_t>(minutes) * 60 + seconds;
}

CString CTimeSpan::Format(LPCSTR format) const {
    std::string out;
    if (format == nullptr)
        return CString();
    // Fields of the magnitude, so that a negative span reads "-01:30" and not "-1:-30".
    const CTimeSpan magnitude(m_span < 0 ? -m_span : m_span);
    bool signWritten = m_span >= 0;
    char number[32];
    for (const char* p = format; *p != '\0'; ++p) {
        if (*p != '%' || p[1] == '\0') {
            out += *p;
            continue;
        }
        const char code = *++p;
        number[0] = '\0';
        switch (code) {
        case 'D':
            std::snprintf(number, sizeof number, "%lld", static_cast<long long>(magnitude.GetDays()));
            break;
        case 'H':
            std::snprintf(number, sizeof number, "%02ld", static_cast<long>(magnitude.GetHours()));
            break;
        case 'M':
            std::snprintf(number, sizeof number, "%02ld", static_cast<long>(magnitude.GetMinutes()));
            break;
        case 'S':
            std::snprintf(number, sizeof number, "%02ld", static_cast<long>(magnitude.GetSeconds()));
            break;
        case '%':
            out += '%';
            continue;
        default:
            out += '%';
            out += code;
            continue;
        }
        if (!signWritten) {
            out += '-';
            signWritten = true;
        }
        out += number;
    }
    return CString(out.c_str(), static_cast<int>(out.size()));
}
