// CGENumberFormattingImp: the display text of a cell value under its style's number format. Values are
// stored as C-locale text; the display uses the user's decimal separator and digit grouping. Format
// codes: 0 the value as it is, 1 fixed with the style's places, 2 scientific, 3 general (the places as
// significant digits), 4 per cent, 5 fixed with digit grouping. A value that is not a number shows as
// it is.
#pragma once

#include "grid/core/CGEAbstractNumberFormattingImp.h"

class CGENumberFormattingImp : public CGEAbstractNumberFormattingImp {
public:
    enum Format : UINT { asIs = 0, fixed = 1, scientific = 2, general = 3, percent = 4, grouped = 5 };

    CString FormatValue(LPCSTR pszValue, const CGEStyle& style) override;
    // The same for a format code and places given directly.
    static CString Format(LPCSTR pszValue, UINT nFormat, UINT nPlaces);
};

// Installs the number formatting into the engine's state (once).
void GEInstallNumberFormatting();
