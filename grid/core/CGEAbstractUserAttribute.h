// CGEAbstractUserAttribute: the value of one user attribute of a cell style (an application-defined
// attribute addressed by a numeric id). Concrete kinds: CGEUserAttribute (text) and CGEOleVarUserAttribute
// (an OLE VARIANT).
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"

class CGEAbstractUserAttribute : public CObject {
    DECLARE_DYNAMIC(CGEAbstractUserAttribute)
public:
    // The value as text ("" when empty).
    virtual CString GetValueText() const = 0;
    // Replaces the value by a text.
    virtual void SetValueText(const char* pszText) = 0;
    // A new attribute of the same kind holding the same value; the caller owns it.
    virtual CGEAbstractUserAttribute* Clone() const = 0;
    virtual BOOL IsEmpty() const { return GetValueText().IsEmpty(); }
    // Equal values (compared as text unless a kind knows better).
    virtual BOOL IsEqual(const CGEAbstractUserAttribute& other) const;

    // The value read as a number (0 for text that is not one; leading spaces and trailing text ignored).
    LONG GetLongValue() const;
    DWORD GetDWordValue() const;
    double GetDoubleValue() const;

protected:
    CGEAbstractUserAttribute() = default;
};
