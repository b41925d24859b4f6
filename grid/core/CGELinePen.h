// CGELinePen: one border side of a cell style: a pen style (PS_SOLID .. PS_INSIDEFRAME; 7 means that the
// side is not set), a width and a colour word (convention of CGEStyleColor).
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CString.h"

class CArchive;

class CGELinePen {
public:
    static constexpr UINT notSet = 7;

    // A side that is not set.
    CGELinePen() = default;
    CGELinePen(UINT nStyle, UINT nWidth, COLORREF color);
    bool operator==(const CGELinePen&) const = default;

    CGELinePen& SetStyle(UINT nStyle);
    CGELinePen& SetWidth(UINT nWidth);
    CGELinePen& SetColor(COLORREF color);

    BOOL IsSet() const { return m_nStyle != notSet; }
    UINT GetStyle() const { return m_nStyle; }
    UINT GetWidth() const { return m_nWidth; }
    // The colour to draw with, and the stored form (system colours keep their reference byte).
    COLORREF GetColor() const;
    COLORREF GetColorRef() const;
    // A LOGPEN for CreatePenIndirect (PS_NULL for a side that is not set).
    void GetLogPen(LOGPEN& logPen) const;

    // Text form: "style width colour", the colour in stored form. SetDescription returns FALSE (and changes
    // nothing) for text that is not three numbers.
    CString GetDescription() const;
    BOOL SetDescription(const char* pszText);

    // Archive form: DWORD style, WORD width, WORD valid (1 when set), DWORD colour (stored form). A valid
    // word of 0 loads as a side that is not set.
    void SerializeLayout(CArchive& ar);

private:
    UINT m_nStyle = notSet; // 3 bits
    UINT m_nWidth = 0;      // 16 bits
    UINT m_nColorKind = 0;
    DWORD m_nColor = 0;
};
