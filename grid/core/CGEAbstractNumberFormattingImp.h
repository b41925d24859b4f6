// Number formatting (application-wide): the display text of a value under a style's number format.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CString.h"

class CGEStyle;

class CGEAbstractNumberFormattingImp : public CObject {
public:
    // The display text of pszValue under the style's format code and decimal places.
    virtual CString FormatValue(LPCSTR pszValue, const CGEStyle& style) = 0;

protected:
    CGEAbstractNumberFormattingImp() = default;
};
