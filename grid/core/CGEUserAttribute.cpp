#include "grid/core/CGEUserAttribute.h"

#include "framework/core/CArchive.h"

#include <charconv>

IMPLEMENT_SERIAL(CGEUserAttribute, CGEAbstractUserAttribute, 1)

CGEUserAttribute::CGEUserAttribute(DWORD nValue) {
    m_strValue.Format("%lu", static_cast<unsigned long>(nValue));
}

CGEUserAttribute::CGEUserAttribute(LONG nValue) {
    m_strValue.Format("%ld", static_cast<long>(nValue));
}

CGEUserAttribute::CGEUserAttribute(double dValue) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer - 1, dValue, std::chars_format::general, 15);
    *result.ptr = '\0';
    m_strValue = buffer;
}

const CGEUserAttribute& CGEUserAttribute::GetEmpty() {
    static const CGEUserAttribute empty;
    return empty;
}

void CGEUserAttribute::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        ar << m_strValue;
    else
        ar >> m_strValue;
}
