// Colour words of cell styles, brushes and pens. A colour handed to a setter is a COLORREF-like word whose
// high byte tells its kind: 0 an RGB value, 1 a palette index, 2 a palette RGB, and 65..254 a reference to
// the system colour whose index is 254 minus that byte (GESysColor builds such a word). Styles keep a kind
// (3 for a system colour) and a 24-bit value (the system colour's index for kind 3).
#pragma once

#include "framework/core/AfxDefs.h"

// The colour word that refers to system colour nIndex (COLOR_WINDOW gives 0xF9000000).
constexpr COLORREF GESysColor(int nIndex) {
    return static_cast<COLORREF>(254 - nIndex) << 24;
}

class CGEStyleColor {
public:
    enum Kind : UINT { rgb = 0, paletteIndex = 1, paletteRgb = 2, system = 3 };

    // Splits a colour word into the kind and value a style keeps.
    static void Decode(COLORREF color, UINT& nKind, DWORD& nValue);
    // The stored form: RGB and palette colours with their kind in the high byte; a system colour as its
    // current value with its reference byte (254 minus the index) in the high byte.
    static COLORREF ToReference(UINT nKind, DWORD nValue);
    // The colour to draw with: a system colour is looked up; palette colours keep their GDI high byte.
    static COLORREF ToDrawable(UINT nKind, DWORD nValue);
    // A colour word as it can be drawn (system colour references looked up).
    static COLORREF Drawable(COLORREF color);
};
