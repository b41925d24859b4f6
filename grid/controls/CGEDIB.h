// CGEDIB: a device-independent bitmap held as a packed DIB (header, colour table, bits), drawn at its
// natural size aligned in a rectangle. The check boxes map its colour table; the bitmap pool keeps named
// ones for cells whose text names a picture.
#pragma once

#include "framework/core/CRect.h"

#include <vector>

#include <windows.h>

class CDC;

class CGEDIB {
public:
    // Alignment flags of Draw.
    static constexpr UINT alignCenter = 1;
    static constexpr UINT alignRight = 2;
    static constexpr UINT alignVCenter = 4;
    static constexpr UINT alignBottom = 8;

    // The alignment flags of DrawText alignment flags (DT_CENTER, DT_RIGHT, DT_VCENTER, DT_BOTTOM).
    static UINT AlignFromFormat(UINT nFormat) {
        const UINT nHorz = (nFormat & DT_CENTER) != 0  ? alignCenter
                           : (nFormat & DT_RIGHT) != 0 ? alignRight
                                                       : 0;
        const UINT nVert = (nFormat & DT_VCENTER) != 0  ? alignVCenter
                           : (nFormat & DT_BOTTOM) != 0 ? alignBottom
                                                        : 0;
        return nHorz | nVert;
    }

    CGEDIB() = default;
    // A packed DIB; an empty or damaged block leaves the DIB empty.
    explicit CGEDIB(std::vector<BYTE> packed);
    // The bitmap resource nID of hInstance (the program's resource module when null); empty when missing.
    static CGEDIB FromResource(UINT nID, HINSTANCE hInstance = nullptr);

    BOOL IsEmpty() const { return m_packed.empty(); }
    int GetWidth() const;
    int GetHeight() const;
    // Number of entries of the colour table.
    int GetColorCount() const;
    RGBQUAD* GetColorTable();
    const BITMAPINFO* GetInfo() const { return reinterpret_cast<const BITMAPINFO*>(m_packed.data()); }
    const void* GetBits() const;

    // Draws the whole bitmap at its natural size into the rectangle by the alignment flags, clipped to it.
    void Draw(CDC* pDC, const CRect& rect, UINT nAlign) const;
    // Draws the part (xSrc, 0, cx, cy) of the bitmap at (x, y), cx by cy pixels (StretchDIBits, SRCCOPY).
    void DrawPart(CDC* pDC, int x, int y, int cx, int cy, int xSrc, int ySrc) const;

private:
    std::vector<BYTE> m_packed;
};
