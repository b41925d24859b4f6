// CGEUserAttribute: a user attribute whose value is a text (numbers are kept as their text). Archived as a
// CString (class schema 1).
#pragma once

#include "grid/core/CGEAbstractUserAttribute.h"

class CGEUserAttribute : public CGEAbstractUserAttribute {
    DECLARE_SERIAL(CGEUserAttribute)
public:
    CGEUserAttribute() = default;
    explicit CGEUserAttribute(const char* pszText) : m_strValue(pszText) {}
    explicit CGEUserAttribute(DWORD nValue);  // "%lu"
    explicit CGEUserAttribute(LONG nValue);   // "%ld"
    explicit CGEUserAttribute(double dValue); // 15 significant digits, a point as decimal separator

    // The shared empty attribute, answered for an attribute a style does not hold.
    static const CGEUserAttribute& GetEmpty();

    CString GetValueText() const override { return m_strValue; }
    void SetValueText(const char* pszText) override { m_strValue = pszText; }
    CGEAbstractUserAttribute* Clone() const override { return new CGEUserAttribute(m_strValue); }
    void Serialize(CArchive& ar) override;

private:
    CString m_strValue;
};
