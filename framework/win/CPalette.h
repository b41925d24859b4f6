// CPalette: a GDI logical palette.
#pragma once

#include "framework/win/CGdiObject.h"

class CDC;

class CPalette : public CGdiObject {
    DECLARE_DYNCREATE(CPalette)
public:
    CPalette() = default;

    static CPalette* FromHandle(HPALETTE hPalette);
    operator HPALETTE() const { return static_cast<HPALETTE>(GetSafeHandle()); }

    BOOL CreatePalette(LPLOGPALETTE lpLogPalette);
    // A palette for halftone stretching on pDC's device.
    BOOL CreateHalftonePalette(CDC* pDC);

    // Entries copied (or, with a null lpPaletteColors, the palette's entry count); 0 on failure.
    UINT GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const;
    UINT SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors);
    void AnimatePalette(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors);
    UINT GetNearestPaletteIndex(COLORREF crColor) const;
    BOOL ResizePalette(UINT nNumEntries);
    // Number of entries; 0 when there is no palette.
    int GetEntryCount() const;
};
