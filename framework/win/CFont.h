// CFont: a GDI font.
#pragma once

#include "framework/win/CGdiObject.h"

class CFont : public CGdiObject {
    DECLARE_DYNCREATE(CFont)
public:
    CFont() = default;

    static CFont* FromHandle(HFONT hFont);
    operator HFONT() const { return static_cast<HFONT>(GetSafeHandle()); }

    BOOL CreateFontIndirect(const LOGFONTA* lpLogFont);
    // Copies the font's description; returns FALSE when there is no font.
    int GetLogFont(LOGFONTA* pLogFont) const;
};
