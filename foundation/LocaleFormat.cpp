// Number, currency and duration formatting, number parsing, locale information and OLE DB numerics.
// The date and time parts of LocaleFormat.h are in LocaleDateFormat.cpp.
#include "foundation/LocaleFormat.h"

#include "foundation/LocaleNumberFormat.h"
#include "foundation/SystemText.h"
#include "framework/core/CCriticalSection.h"
#include "framework/core/CSingleLock.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const char* const kDay = "day";
const char* const kDays = "days";
const char* const kHour = "hour";
const char* const kHours = "hours";
const char* const kMinute = "minute";
const char* const kMinutes = "minutes";
const char* const kSecond = "second";
const char* const kSeconds = "seconds";

constexpr long kSecondsPerDay = 86400;

// Number format of the formatting layer, filled by AcxInitFormatting on the user-interface thread.
struct FormattingLayer {
    CLocaleNumberFormat number;
    LONGLONG counterFrequency = 0;
    bool ready = false;
};

FormattingLayer& Formatting() {
    static FormattingLayer layer;
    return layer;
}

// Shared cache: the number values (also used for currency texts with a non-default number of digits)
// and the locale's own currency values. Written once under the lock, read freely after `ready`.
struct SharedFormats {
    CLocaleNumberFormat number;
    CLocaleNumberFormat currency;
    std::atomic<bool> ready{false};
};

SharedFormats& Shared() {
    static SharedFormats formats;
    return formats;
}

CCriticalSection& SharedFormatsLock() {
    static CCriticalSection section;
    return section;
}

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

CString PrintFixed(double value, int decimals) {
    CString text;
    text.Format("%.*f", decimals, value);
    return text;
}

// Drops trailing zeros of the decimals (counting them off `decimals`) and then a bare decimal point.
void StripZeros(CString& digits, int& decimals) {
    int length = digits.GetLength();
    while (decimals > 0 && length > 0 && digits[length - 1] == '0') {
        --length;
        --decimals;
    }
    if (length > 0 && digits[length - 1] == '.')
        --length;
    digits = digits.Left(length);
}

CString SystemNumberText(const CString& digits, const NUMBERFMTA& format) {
    const LCID locale = GetThreadLocale();
    return SystemText(256, [&](LPSTR buffer, int size) {
        return GetNumberFormatA(locale, 0, digits, &format, buffer, size);
    });
}

CString SystemCurrencyText(const CString& digits, const CURRENCYFMTA& format) {
    const LCID locale = GetThreadLocale();
    return SystemText(300, [&](LPSTR buffer, int size) {
        return GetCurrencyFormatA(locale, 0, digits, &format, buffer, size);
    });
}

// Removes up to `count` trailing '0' characters.
// Drops up to `count` trailing zeros of the decimals (counting them off `decimals`); the decimal point
// stays, since at least the locale's digits remain.
void TrimExtraZeros(CString& digits, int& decimals, int count) {
    int length = digits.GetLength();
    for (; count > 0 && length > 0 && digits[length - 1] == '0'; --count) {
        --length;
        --decimals;
    }
    digits = digits.Left(length);
}

// The text without the locale's group separators (one standing first is kept, as it cannot group).
std::string WithoutGroupSeparators(const std::string& text, const std::string& separator) {
    if (separator.empty())
        return text;
    std::string result;
    result.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        if (pos > 0 && text.compare(pos, separator.size(), separator) == 0) {
            pos += separator.size();
            continue;
        }
        result += text[pos++];
    }
    return result;
}

const char* Plural(long count, const char* one, const char* many) {
    return count == 1 ? one : many;
}

} // namespace

// ---------------------------------------------------------------------------------------------------
// Format caches

void AcxInitFormatting() {
    FormattingLayer& layer = Formatting();
    layer.number = CLocaleNumberFormat::FromNumberInfo(GetThreadLocale());
    LARGE_INTEGER frequency{};
    layer.counterFrequency = QueryPerformanceFrequency(&frequency) ? frequency.QuadPart : 0;
    layer.ready = true;
}

LONGLONG AcxGetCounterFrequency() {
    return Formatting().counterFrequency;
}

void InitLocaleFormats() {
    CSingleLock lock(&SharedFormatsLock(), TRUE);
    SharedFormats& formats = Shared();
    if (formats.ready.load(std::memory_order_acquire))
        return;
    const LCID locale = GetThreadLocale();
    formats.number = CLocaleNumberFormat::FromNumberInfo(locale);
    formats.currency = CLocaleNumberFormat::FromCurrencyInfo(locale);
    formats.ready.store(true, std::memory_order_release);
}

// ---------------------------------------------------------------------------------------------------
// Numbers and amounts

// The value is printed (and so rounded) here and handed to the system as digits: the system then only
// places separators, and a rounding carry into a new digit (999.995 -> 1000.00) is grouped too.
CString AcxFormatNumber(double value, int decimals, DWORD flags) {
    if (!std::isfinite(value))
        return CString();
    if (!Formatting().ready)
        AcxInitFormatting();
    decimals = std::max(decimals, 0);
    CString digits = PrintFixed(value, decimals);
    if (flags & ACXFMT_STRIPZEROS)
        StripZeros(digits, decimals);
    const CLocaleNumberFormat& number = Formatting().number;
    const UINT grouping = (flags & ACXFMT_GROUPING) ? number.Grouping() : 0;
    return SystemNumberText(digits, number.AsNumberFmt(static_cast<UINT>(decimals), grouping));
}

// The locale's own currency format, with the number of digits asked for: the symbol and the sign stand
// where the locale puts them whatever the number of digits. An explicit format is always passed, as the
// system's default grouping is not reliable everywhere.
CString FormatCurrency(double value, int decimals, DWORD flags) {
    InitLocaleFormats();
    if (!std::isfinite(value))
        return CString();
    decimals = std::max(decimals, 0);
    CString digits = PrintFixed(value, decimals);
    if (flags & ACXFMT_STRIPZEROS)
        StripZeros(digits, decimals);

    const SharedFormats& formats = Shared();
    const int localeDigits = static_cast<int>(formats.number.Digits());
    // Digits beyond the locale's are shown only where they are not zeros. They are dropped from the
    // digits before formatting, so a symbol or sign after the number does not hide them.
    if (decimals > localeDigits) {
        TrimExtraZeros(digits, decimals, decimals - localeDigits);
    } else if (decimals == localeDigits) {
        // The locale's usual number of digits: the currency's own number of digits applies.
        const int currencyDigits = static_cast<int>(formats.currency.Digits());
        if (currencyDigits < decimals)
            digits = PrintFixed(value, currencyDigits);
        decimals = currencyDigits;
    }
    return SystemCurrencyText(digits, formats.currency.AsCurrencyFmt(static_cast<UINT>(decimals)));
}

bool ParseLocaleDouble(const CString& text, double* out) {
    if (out == nullptr)
        return false;
    if (!Shared().ready.load(std::memory_order_acquire))
        InitLocaleFormats();
    const CLocaleNumberFormat& number = Shared().number;
    const std::string decimal = number.DecimalSeparator().GetString();
    const char decimalLead = decimal.empty() ? '.' : decimal[0];
    const std::string s = WithoutGroupSeparators(text.GetString(), number.ThousandSeparator().GetString());

    size_t start = 0;
    while (start < s.size() && !IsDigit(s[start]) && s[start] != decimalLead)
        ++start;
    if (start == s.size())
        return false;
    // A '-' or the opening parenthesis of an accounting-style amount before the number makes it negative.
    const bool negative = s.find_first_of("-(") < start;

    // The number is rewritten with a point and converted in one step, so that the result is the double
    // nearest to the text however many digits it has.
    std::string digits;
    size_t pos = start;
    for (; pos < s.size() && IsDigit(s[pos]); ++pos)
        digits += s[pos];
    if (pos < s.size() && s[pos] == decimalLead) {
        pos += s.compare(pos, decimal.size(), decimal) == 0 ? std::max<size_t>(decimal.size(), 1) : 1;
        digits += '.';
        for (; pos < s.size() && IsDigit(s[pos]); ++pos)
            digits += s[pos];
    }
    double value = 0;
    if (!DecimalDigitsToDouble(digits.data(), digits.data() + digits.size(), &value))
        return false;
    *out = negative ? -value : value;
    return true;
}

bool DecimalDigitsToDouble(const char* first, const char* last, double* out) {
    std::string digits(first, last);
    if (digits.empty() || digits.find_first_not_of("0123456789.") != std::string::npos ||
        digits.find_first_of("0123456789") == std::string::npos)
        return false;
    // Both sides of the point hold digits in the form the conversion surely takes.
    if (digits.back() == '.')
        digits.pop_back();
    if (digits.front() == '.')
        digits.insert(digits.begin(), '0');
    double value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, std::chars_format::fixed);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return false;
    *out = value;
    return true;
}

bool ReadLeadingInt(const CString& text, int* out) {
    const char* p = text.GetString();
    while (*p == ' ' || *p == '\t')
        ++p;
    if (!IsDigit(*p))
        return false;
    int value = 0;
    for (; IsDigit(*p); ++p) {
        const int digit = *p - '0';
        if (value > (INT_MAX - digit) / 10)
            return false;
        value = value * 10 + digit;
    }
    if (out != nullptr)
        *out = value;
    return true;
}

int ParseLeadingInt(const CString& text) {
    int value = 0;
    return ReadLeadingInt(text, &value) ? value : 0;
}

CString LongToString(long value) {
    CString text;
    text.Format("%li", value);
    return text;
}

void FormatLong(long value, CString& out) {
    out = LongToString(value);
}

// ---------------------------------------------------------------------------------------------------
// Durations

CString AcxFormatDuration(long seconds, const char* format) {
    if (format == nullptr || *format == '\0')
        return CString();
    // Each part keeps the sign of the whole (integer division truncates toward zero).
    const long days = seconds / kSecondsPerDay;
    const long hours = seconds / 3600 - days * 24;
    const long minutes = seconds / 60 - (seconds / 3600) * 60;
    const long secs = seconds - (seconds / 60) * 60;

    CString out;
    for (const char* p = format; *p != '\0'; ++p) {
        if (IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1] != '\0') {
            out += *p;
            out += *++p;
            continue;
        }
        if (*p != '%' || p[1] == '\0') {
            out += *p;
            continue;
        }
        const char code = *++p;
        switch (code) {
        case 'D':
            out.AppendFormat("%ld", days);
            break;
        case 'H':
            out.AppendFormat("%02ld", hours);
            break;
        case 'M':
            out.AppendFormat("%02ld", minutes);
            break;
        case 'S':
            out.AppendFormat("%02ld", secs);
            break;
        case 'h':
            out.AppendFormat("%ld", hours);
            break;
        case 'm':
            out.AppendFormat("%ld", minutes);
            break;
        case 's':
            out.AppendFormat("%ld", secs);
            break;
        case 'a':
            out += Plural(days, kDay, kDays);
            break;
        case 'o':
            out += Plural(hours, kHour, kHours);
            break;
        case 'i':
            out += Plural(minutes, kMinute, kMinutes);
            break;
        case 'e':
            out += Plural(seconds % 60, kSecond, kSeconds);
            break;
        case 'f':
            out += AcxFormatNumber(seconds / 3600.0, 2, 0);
            break;
        default:
            out += code;
            if (IsDBCSLeadByte(static_cast<BYTE>(code)) && p[1] != '\0')
                out += *++p;
            break;
        }
    }
    return out;
}

// The magnitude decides, so a negative duration shows its larger units too (not only its seconds).
CString AcxFormatDurationAuto(long seconds) {
    const char* format = "%s %e";
    if (std::labs(seconds / kSecondsPerDay) >= 1)
        format = "%D %a %h %o %m %i";
    else if (std::labs(seconds / 3600) >= 1)
        format = "%h %o %m %i";
    else if (std::labs(seconds / 60) >= 1)
        format = "%m %i %s %e";
    return AcxFormatDuration(seconds, format);
}

CString AcxFormatDurationRes(long seconds, UINT formatId) {
    CString format;
    format.LoadString(formatId);
    return AcxFormatDuration(seconds, format);
}

// ---------------------------------------------------------------------------------------------------
// Locale information

CString AcxGetLocaleString(LCID locale, LCTYPE type) {
    return SystemText(128,
                      [&](LPSTR buffer, int size) { return GetLocaleInfoA(locale, type, buffer, size); });
}

int AcxGetLocaleInt(LCID locale, LCTYPE type) {
    return atoi(AcxGetLocaleString(locale, type));
}

int GetLocaleInfoString(LCID locale, LCTYPE type, CString& out) {
    constexpr int kMaxChars = 1000;
    char buffer[kMaxChars + 1] = {};
    const int written = GetLocaleInfoA(locale, type, buffer, kMaxChars + 1);
    out = written > 0 ? buffer : "";
    return out.GetLength();
}

CString GetLocaleInfoString(LCTYPE type) {
    CString text;
    GetLocaleInfoString(GetThreadLocale(), type, text);
    return text;
}

// ---------------------------------------------------------------------------------------------------
// OLE DB numerics

double NumericToDouble(const DB_NUMERIC& numeric) {
    std::uint64_t low = 0;
    std::uint64_t high = 0;
    for (int i = 7; i >= 0; --i) {
        low = (low << 8) | numeric.val[i];
        high = (high << 8) | numeric.val[i + 8];
    }
    const double magnitude = static_cast<double>(high) * 18446744073709551616.0 + static_cast<double>(low);
    double divisor = 1;
    for (int i = 0; i < numeric.scale; ++i)
        divisor *= 10;
    const double value = magnitude / divisor;
    return numeric.sign == 0 ? -value : value;
}

// The magnitude is stored with a separate sign byte, as the structure defines it. It is rounded to the
// fourth decimal: truncating would turn 0.29 (2899.99999... ten-thousandths in binary) into 0.2899.
DB_NUMERIC& DoubleToNumeric(double value, DB_NUMERIC& out) {
    out = DB_NUMERIC{};
    out.precision = 0;
    out.scale = 4;
    out.sign = value >= 0 || std::isnan(value) ? 1 : 0;
    const double scaled = std::round(std::fabs(value) * 10000.0);
    constexpr double kLimit = 18446744073709551615.0;
    std::uint64_t magnitude = 0;
    if (scaled >= kLimit)
        magnitude = UINT64_MAX;
    else if (scaled > 0)
        magnitude = static_cast<std::uint64_t>(scaled);
    for (int i = 0; i < 8; ++i)
        out.val[i] = static_cast<BYTE>(magnitude >> (8 * i));
    return out;
}
