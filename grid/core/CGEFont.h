// CGEFont: the font of a cell style. Each attribute may be left unset; merging fills or replaces only the
// attributes that are set, as the style's merge modes say. Sizes are kept in tenths of a point, the
// orientation in whole degrees. Archived as an object of class "CGEFont" (schema 2; schema 1 is read too).
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"

class CGEFont : public CObject {
    DECLARE_SERIAL(CGEFont)
public:
    // The attributes, for GetInclude / SetInclude.
    enum Attribute : UINT {
        fontItalic = 1 << 0,
        fontUnderline = 1 << 1,
        fontStrikeOut = 1 << 2,
        fontWeight = 1 << 3,
        fontSize = 1 << 4,
        fontOrientation = 1 << 5,
        fontFaceName = 1 << 6,
        fontAll = 0x7F,
    };

    // Nothing set.
    CGEFont() = default;
    CGEFont(const CGEFont& src);
    CGEFont& operator=(const CGEFont& src);
    bool operator==(const CGEFont& other) const;

    // The font of the default style: "MS Sans Serif", 8 points, weight 400, upright, no underline or
    // strike-out, orientation 0; every attribute set.
    static const CGEFont& GetDefaultFont();

    CGEFont& SetWeight(int nWeight); // rounded to a multiple of 100, 0..1000
    CGEFont& SetBold(BOOL bBold);    // weight 700 or 400
    CGEFont& SetItalic(BOOL bItalic);
    CGEFont& SetUnderline(BOOL bUnderline);
    CGEFont& SetStrikeOut(BOOL bStrikeOut);
    CGEFont& SetSize(double dPoints); // kept in tenths of a point, 0.1 .. 6553.5; 0 or less unsets it
    // Tenths of a degree, counter-clockwise; kept in whole degrees 0..359.
    CGEFont& SetOrientation(int nTenths);
    // An empty name unsets the face (and its character set and pitch); longer names are cut to 31 characters.
    CGEFont& SetFaceName(const char* pszFaceName, BYTE nCharSet = DEFAULT_CHARSET,
                         BYTE nPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE);

    // Getters give the value, or the LOGFONT default when the attribute is not set.
    int GetWeight() const { return GetInclude(fontWeight) ? m_nWeight : 0; }
    BOOL GetBold() const { return GetWeight() >= FW_BOLD; }
    BOOL GetItalic() const { return Switch(fontItalic); }
    BOOL GetUnderline() const { return Switch(fontUnderline); }
    BOOL GetStrikeOut() const { return Switch(fontStrikeOut); }
    double GetSize() const { return DecodeSize(m_nSizeTenths); }
    UINT GetSizeTenths() const { return m_nSizeTenths; }
    int GetOrientation() const { return GetInclude(fontOrientation) ? m_nOrientation : 0; } // degrees
    const CString& GetFaceName() const { return m_strFaceName; }
    BYTE GetCharSet() const { return m_nCharSet; }
    BYTE GetPitchAndFamily() const { return m_nPitchAndFamily; }

    // Points from tenths of a point; tenths of a degree from degrees.
    static double DecodeSize(UINT nTenths) { return nTenths / 10.0; }
    static int DecodeOrientation(int nDegrees) { return nDegrees * 10; }

    // Whether the attributes in nMask are all set; SetInclude(mask, FALSE) unsets them.
    BOOL GetInclude(UINT nMask) const { return (IncludeMask() & nMask) == nMask; }
    CGEFont& SetInclude(UINT nMask, BOOL bInclude);
    UINT IncludeMask() const;
    BOOL IsEmpty() const { return IncludeMask() == 0; }

    // Merges src in by a GEStyleMergeMode (per attribute as a style merges its own attributes).
    void MergeFrom(const CGEFont& src, UINT nMode);

    // A LOGFONT of the font for the screen, scaled by nZoom percent; unset attributes take LOGFONT defaults.
    void GetLogFont(LOGFONT& logFont, int nZoom = 100) const;
    void GetScaledLogFont(LOGFONT& logFont, int nZoom) const { GetLogFont(logFont, nZoom); }
    // Sets every attribute from a LOGFONT (a height of 0 leaves the size unset).
    CGEFont& SetLogFont(const LOGFONT& logFont);

    // Text form: "size,weight,italic,underline,strikeout,orientation,charset,pitch,face" with the size in
    // points (one decimal), empty fields for unset attributes and the face name last. SetDescription returns
    // FALSE (and changes nothing) for text of another form.
    CString GetDescription() const;
    BOOL SetDescription(const char* pszText);

    // The archive form (schema 2: a flag word, then the set parts; loading also reads schema 1). Loading an
    // object schema above 2 raises the bad-schema archive exception. Serialize writes and reads the same.
    void SerializeLayout(CArchive& ar);
    void Serialize(CArchive& ar) override { SerializeLayout(ar); }

private:
    BOOL Switch(UINT nBit) const { return (m_nSwitches & nBit) != 0 ? TRUE : FALSE; }
    CGEFont& SetSwitch(UINT nBit, BOOL bOn);
    void LoadSchema1(CArchive& ar);
    // Screen pixels per logical inch (vertical), measured once.
    static int ScreenDpi();

    UINT m_nSwitches = 0; // values of italic, underline, strike-out (Attribute bits 0-2)
    UINT m_nSet = 0;      // which of the three switches are set
    int m_nWeight = -1;   // -1: not set
    UINT m_nSizeTenths = 0;
    int m_nOrientation = -1; // degrees; -1: not set
    CString m_strFaceName;   // empty: not set
    BYTE m_nCharSet = DEFAULT_CHARSET;
    BYTE m_nPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
};
