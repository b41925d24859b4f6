// CGEOleVarUserAttribute: a user attribute that holds an OLE VARIANT (a picture's bytes as a byte array, or
// any value VariantChangeType can turn into text). Archived (class schema 1) as its VARTYPE, then the bytes
// of a byte array or the value's text.
#pragma once

#include "framework/core/COleVariant.h"
#include "grid/core/CGEAbstractUserAttribute.h"

class CGEOleVarUserAttribute : public CGEAbstractUserAttribute {
    DECLARE_SERIAL(CGEOleVarUserAttribute)
public:
    CGEOleVarUserAttribute() = default;
    explicit CGEOleVarUserAttribute(const VARIANT& value) : m_value(value) {}

    const COleVariant& GetVariant() const { return m_value; }
    void SetVariant(const VARIANT& value) { m_value = value; }

    // The value as text in the user's locale; "" for empty, null and byte-array values.
    CString GetValueText() const override;
    // Replaces the value by a text (VT_BSTR).
    void SetValueText(const char* pszText) override { m_value = COleVariant(pszText); }
    CGEAbstractUserAttribute* Clone() const override { return new CGEOleVarUserAttribute(m_value); }
    BOOL IsEmpty() const override;
    // Byte arrays compare by their bytes, other values by their text.
    BOOL IsEqual(const CGEAbstractUserAttribute& other) const override;
    void Serialize(CArchive& ar) override;

private:
    COleVariant m_value;
};
