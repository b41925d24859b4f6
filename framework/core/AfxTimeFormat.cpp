#include "framework/core/AfxTimeFormat.h"

#include <cstring>

namespace {

constexpr char kCodes[] = "aAbBcdHIjmMpSUwWxXyYzZ%";
constexpr int kGregorianCycleYears = 400; // weekdays and leap years repeat exactly every 400 years

// Formats one code; strftime's 0 result is an empty piece (%p or %Z can legitimately be empty).
std::string FormatCode(const struct tm& value, bool alternate, char code) {
    const char format[] = {'%', alternate ? '#' : code, alternate ? code : '\0', '\0'};
    char buffer[256];
    const size_t length = strftime(buffer, sizeof buffer, format, &value);
    return std::string(buffer, length);
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

} // namespace

std::string AfxFormatTm(const struct tm& value, const char* format) {
    std::string out;
    if (format == nullptr)
        return out;

    // strftime refuses years before 1900: format a year of the same calendar pattern and put the real
    // year number back into the text.
    struct tm shifted = value;
    const int year = value.tm_year + 1900;
    if (year < 1900)
        shifted.tm_year +=
            kGregorianCycleYears * ((1900 - year + kGregorianCycleYears - 1) / kGregorianCycleYears);
    const bool moved = shifted.tm_year != value.tm_year;
    const std::string realYear = std::to_string(year);
    const std::string movedYear = std::to_string(shifted.tm_year + 1900);

    for (const char* p = format; *p != '\0'; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        const bool alternate = p[1] == '#';
        const char code = p[alternate ? 2 : 1];
        if (code == '\0' || std::strchr(kCodes, code) == nullptr) {
            out += '%'; // unknown code: the rest is copied as plain text
            continue;
        }
        p += alternate ? 2 : 1;
        std::string piece = FormatCode(shifted, alternate, code);
        if (moved)
            ReplaceAll(piece, movedYear, realYear); // only a year gives four digits in one piece
        out += piece;
    }
    return out;
}
