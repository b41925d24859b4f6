#include "timelog/EntryDurations.h"

#include "foundation/LocaleFormat.h"
#include "resource.h"

#include <cctype>
#include <cmath>

namespace {

constexpr long kSecondsPerHour = 3600;
constexpr long kMinutesPerHour = 60;
constexpr int kLastChoiceMinutes = 12 * 60;

CString LoadText(UINT id) {
    CString text;
    text.LoadString(id);
    return text;
}

CString FormatHours(long seconds) {
    return AcxFormatNumber(static_cast<double>(seconds) / kSecondsPerHour, 2);
}

// The leading decimal digits of text[first, last) as a number; false when they exceed limit.
bool LeadingDigits(const CString& text, int first, int last, long limit, long& value) {
    value = 0;
    for (int i = first; i < last && i < text.GetLength(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (!std::isdigit(c))
            break;
        value = value * 10 + (c - '0');
        if (value > limit)
            return false;
    }
    return true;
}

} // namespace

CString FormatElapsedText(long seconds) {
    if (seconds < 0)
        seconds = 0;
    CString text;
    if (seconds >= kSecondsPerHour) {
        text.Format(LoadText(IDS_DURATION_HOURS), static_cast<LPCSTR>(FormatHours(seconds)));
        return text;
    }
    const long minutes = seconds / kMinutesPerHour;
    if (minutes == 1)
        return LoadText(IDS_DURATION_ONE_MINUTE);
    if (minutes == 0)
        return LoadText(seconds > 0 ? IDS_DURATION_UNDER_A_MINUTE : IDS_DURATION_NO_MINUTES);
    text.Format(LoadText(IDS_DURATION_MINUTES), static_cast<int>(minutes));
    return text;
}

CString FormatCompletedDuration(long seconds) {
    if (seconds < 0)
        seconds = 0;
    if (seconds >= kSecondsPerHour)
        return FormatHours(seconds);
    CString text;
    text.Format("%02i:%02i", 0, static_cast<int>(seconds / kMinutesPerHour));
    return text;
}

bool ParseDurationText(const CString& text, long* seconds) {
    long hours = 0;
    long minutes = 0;
    const int colon = text.Find(':');
    if (colon < 0) {
        double value = 0;
        if (!ParseLocaleDouble(text, &value) || !std::isfinite(value) || value < 0 ||
            value > static_cast<double>(kMaxTypedDurationHours))
            return false;
        hours = static_cast<long>(value);
        minutes = static_cast<long>((value - static_cast<double>(hours)) * kMinutesPerHour);
    } else {
        int first = 0;
        while (first < colon && text[first] == ' ')
            ++first;
        if (!LeadingDigits(text, first, colon, kMaxTypedDurationHours, hours))
            return false;
        LeadingDigits(text, colon + 1, colon + 3, 99, minutes);
    }
    if (seconds != nullptr)
        *seconds = (hours * kMinutesPerHour + minutes) * kMinutesPerHour;
    return true;
}

CString BuildDurationChoices(int incrementMinutes) {
    CString list;
    auto add = [&list](int minutes) {
        if (!list.IsEmpty())
            list += '\n';
        list += AcxFormatNumber(static_cast<double>(minutes) / kMinutesPerHour, 2);
    };
    if (incrementMinutes > 0) {
        for (int minutes = 0; minutes <= kLastChoiceMinutes; minutes += incrementMinutes)
            add(minutes);
        return list;
    }
    for (const int minutes : {0, 15, 30, 45})
        add(minutes);
    for (int hours = 1; hours <= 12; ++hours)
        add(hours * kMinutesPerHour);
    return list;
}
