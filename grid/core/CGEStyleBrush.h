// CGEStyleBrush: the interior of a cell style, kept in two words. First word: bits 0-2 hatch, bits 4-5 the
// background colour's kind, bits 6-7 the foreground colour's kind, bits 8-31 the background colour. Second
// word: bits 0-23 the foreground colour, bits 24-29 the pattern index, bits 30-31 the brush style. Colours
// follow the colour-word convention of CGEStyleColor. A solid brush fills with its colour (the foreground);
// hatched and pattern brushes draw the colour over the background colour.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CString.h"

class CArchive;

class CGEStyleBrush {
public:
    enum Style : UINT { solid = 0, hollow = 1, hatched = 2, pattern = 3 };

    // Solid, both colours black.
    CGEStyleBrush() = default;
    // A solid brush of one colour word (used for both colours).
    explicit CGEStyleBrush(COLORREF color);
    // A brush of the given style; nHatch is an HS_ value, nPattern an index into the known patterns.
    CGEStyleBrush(UINT nStyle, int nHatch, int nPattern, COLORREF color, COLORREF bkColor);
    bool operator==(const CGEStyleBrush&) const = default;

    CGEStyleBrush& SetStyle(UINT nStyle);
    CGEStyleBrush& SetHatch(int nHatch);
    // Makes the brush a pattern brush of known pattern nPattern (0..63).
    CGEStyleBrush& SetPattern(int nPattern);
    CGEStyleBrush& SetColor(COLORREF color);
    CGEStyleBrush& SetBkColor(COLORREF color);

    UINT GetStyle() const { return m_nWord2 >> 30; }
    int GetHatch() const { return static_cast<int>(m_nWord1 & 7); }
    int GetPattern() const { return static_cast<int>((m_nWord2 >> 24) & 63); }
    // Colours to draw with (system colours looked up).
    COLORREF GetColor() const;
    COLORREF GetBkColor() const;
    // Colours in their stored form (system colours keep their reference byte).
    COLORREF GetColorRef() const;
    COLORREF GetBkColorRef() const;

    // A LOGBRUSH for CreateBrushIndirect; a pattern brush gives BS_SOLID of its colour (the caller builds the
    // pattern bitmap from GetPatternBits).
    void GetLogBrush(LOGBRUSH& logBrush) const;

    // The number of known patterns and the 8x8 monochrome bits of one (eight WORD rows for CreateBitmap), or
    // null for an unknown index.
    static int GetPatternCount();
    static const WORD* GetPatternBits(int nPattern);

    // Text form: "style hatch pattern colour bkcolour", colours as stored-form numbers. SetDescription
    // returns FALSE (and changes nothing) for text that is not five numbers.
    CString GetDescription() const;
    BOOL SetDescription(const char* pszText);

    // Archive form: five DWORDs: style, background colour, hatch, pattern index, foreground colour (colours
    // in stored form). A loaded pattern brush whose pattern is unknown becomes hollow.
    void SerializeLayout(CArchive& ar);

    // The two words as kept.
    DWORD m_nWord1 = 0;
    DWORD m_nWord2 = 0;
};
