#include "grid/core/CGEAbstractUserAttribute.h"

#include <charconv>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CGEAbstractUserAttribute, CObject)

BOOL CGEAbstractUserAttribute::IsEqual(const CGEAbstractUserAttribute& other) const {
    return GetValueText() == other.GetValueText() ? TRUE : FALSE;
}

LONG CGEAbstractUserAttribute::GetLongValue() const {
    return std::strtol(GetValueText(), nullptr, 10);
}

DWORD CGEAbstractUserAttribute::GetDWordValue() const {
    return static_cast<DWORD>(std::strtoul(GetValueText(), nullptr, 10));
}

double CGEAbstractUserAttribute::GetDoubleValue() const {
    // Stored values use a point as the decimal separator whatever the user's locale says.
    const CString text = GetValueText();
    const char* begin = text;
    const char* end = begin + text.GetLength();
    while (begin < end && (*begin == ' ' || *begin == '\t'))
        ++begin;
    if (begin < end && *begin == '+')
        ++begin;
    double value = 0;
    std::from_chars(begin, end, value);
    return value;
}
