// A single style's values in the profile.
#include "grid/core/CGEFont.h"
#include "grid/core/CGELinePen.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStyleBrush.h"
#include "grid/core/CGEStylesMap.h"
#include "grid/core/CGEUserAttributeMap.h"
#include "grid/features/CGEGridProfileImp.h"
#include "grid/features/GEProfileText.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char* const kBorderNames[] = {"Top", "Left", "Bottom", "Right"};

// Writes nValue ("%lu") when the style includes the attribute, else deletes the value.
void WriteIf(CWinApp& app, LPCSTR pszSection, LPCSTR pszName, BOOL bIncluded, unsigned long nValue) {
    if (bIncluded)
        GEProfileWriteNumber(app, pszSection, pszName, "%lu", static_cast<long>(nValue));
    else
        app.WriteProfileString(pszSection, pszName, nullptr);
}

void WriteTextIf(CWinApp& app, LPCSTR pszSection, LPCSTR pszName, BOOL bIncluded, const CString& text) {
    app.WriteProfileString(pszSection, pszName, bIncluded ? static_cast<LPCSTR>(text) : nullptr);
}

// The choice list on one line: carriage returns dropped, a line feed as "\n", a backslash as "\\".
CString EscapeChoices(const CString& choices) {
    std::string out;
    for (const char* p = choices; *p != '\0'; ++p) {
        if (*p == '\r')
            continue;
        if (*p == '\n')
            out += "\\n";
        else if (*p == '\\')
            out += "\\\\";
        else
            out += *p;
    }
    return CString(out.c_str());
}

CString UnescapeChoices(const CString& text) {
    std::string out;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '\\' && p[1] == 'n') {
            out += '\n';
            ++p;
        } else if (*p == '\\' && p[1] == '\\') {
            out += '\\';
            ++p;
        } else {
            out += *p;
        }
    }
    return CString(out.c_str());
}

CString BaseStyleName(const CGEStyle& style, const CGEStylesMap* pStylesMap) {
    CString name;
    if (pStylesMap == nullptr)
        return name;
    const UINT nResourceId = pStylesMap->GetStyleResourceId(style.GetBaseStyle());
    if (nResourceId != 0)
        name.Format("#%lu", static_cast<unsigned long>(nResourceId));
    else
        pStylesMap->GetStyleName(style.GetBaseStyle(), name);
    return name;
}

UINT BaseStyleId(const CString& text, const CGEStylesMap& map) {
    if (text[0] == '#')
        return map.GetStyleIdByResource(static_cast<UINT>(std::atol(text.Mid(1))));
    return map.GetStyleIdByName(text);
}

} // namespace

void CGEGridProfileImp::WriteStyle(CGEStyle* pStyle, LPCSTR pszSection, CGEStylesMap* pStylesMap) {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || pStyle == nullptr || pszSection == nullptr || *pszSection == '\0')
        return;
    CWinApp& app = *pApp;
    const CGEStyle& s = *pStyle;
    WriteIf(app, pszSection, "HorizontalAlignment", s.GetIncludeHorizontalAlignment(),
            s.GetHorizontalAlignment());
    WriteIf(app, pszSection, "VerticalAlignment", s.GetIncludeVerticalAlignment(), s.GetVerticalAlignment());
    WriteIf(app, pszSection, "ReadOnly", s.GetIncludeReadOnly(), s.GetReadOnly());
    WriteIf(app, pszSection, "FloatCell", s.GetIncludeFloatCell(), s.GetFloatCell());
    WriteIf(app, pszSection, "FloodCell", s.GetIncludeFloodCell(), s.GetFloodCell());
    WriteIf(app, pszSection, "MergeCell", s.GetIncludeMergeCell(), s.GetMergeCell());
    WriteIf(app, pszSection, "Draw3dFrame", s.GetIncludeDraw3dFrame(), s.GetDraw3dFrame());
    WriteIf(app, pszSection, "ControlId", s.GetIncludeControl(), s.GetControl());
    WriteIf(app, pszSection, "MaxLength", s.GetIncludeMaxLength(), s.GetMaxLength());
    WriteIf(app, pszSection, "VerticalScrollbar", s.GetIncludeVerticalScrollbar(), s.GetVerticalScrollbar());
    WriteTextIf(app, pszSection, "BaseStyle", s.GetIncludeBaseStyle(), BaseStyleName(s, pStylesMap));
    CString color;
    const COLORREF text = s.GetTextColor();
    color.Format("%d %d %d", GetRValue(text), GetGValue(text), GetBValue(text));
    WriteTextIf(app, pszSection, "TextColor", s.GetIncludeTextColor(), color);
    WriteIf(app, pszSection, "WrapText", s.GetIncludeWrapText(), s.GetWrapText());
    WriteIf(app, pszSection, "AutoSize", s.GetIncludeAutoSize(), s.GetAutoSize());
    WriteIf(app, pszSection, "AllowEnter", s.GetIncludeAllowEnter(), s.GetAllowEnter());
    WriteIf(app, pszSection, "Enabled", s.GetIncludeEnabled(), s.GetEnabled());
    WriteIf(app, pszSection, "TriState", s.GetIncludeTriState(), s.GetTriState());
    WriteTextIf(app, pszSection, "Value", s.GetIncludeValue(), s.GetValue());
    WriteTextIf(app, pszSection, "Interior", s.GetIncludeInterior(), s.GetInterior().GetDescription());
    WriteIf(app, pszSection, "Format", s.GetIncludeFormat(), s.GetFormat());
    WriteIf(app, pszSection, "Places", s.GetIncludePlaces(), s.GetPlaces());
    WriteTextIf(app, pszSection, "ChoicesList", s.GetIncludeChoiceList(), EscapeChoices(s.GetChoiceList()));
    if (s.GetIncludeFont())
        WriteFont(const_cast<CGEFont*>(&s.GetFont()), pszSection, "Font");
    else
        app.WriteProfileString(pszSection, "Font", nullptr);
    WriteTextIf(app, pszSection, "Borders", s.GetIncludeBorders(), "1");
    for (int side = CGEStyle::borderTop; side <= CGEStyle::borderRight; ++side) {
        const CGELinePen& pen = s.GetBorder(side);
        WriteTextIf(app, pszSection, kBorderNames[side], s.GetIncludeBorders() && pen.IsSet(),
                    pen.GetDescription());
    }
    WriteUserAttributes(app, s, pszSection, pStylesMap);
}

void CGEGridProfileImp::WriteUserAttributes(CWinApp& app, const CGEStyle& style, LPCSTR pszSection,
                                            CGEStylesMap* pStylesMap) {
    // The attributes are named as the styles map names them; without a map there are no names.
    if (pStylesMap == nullptr)
        return;
    for (INT_PTR i = 0; i < pStylesMap->GetUserAttributeCount(); ++i) {
        const CGEStylesMap::UserAttribute& known = pStylesMap->GetUserAttributeAt(i);
        if (known.name.IsEmpty())
            continue;
        const BOOL bHeld = style.HasUserAttribute(known.id);
        WriteTextIf(app, pszSection, known.name, bHeld,
                    bHeld ? style.GetUserAttribute(known.id).GetValueText() : CString());
    }
}

BOOL CGEGridProfileImp::ReadStyle(CGEStyle* pStyle, LPCSTR pszSection, CGEStylesMap* pStylesMap) {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || pStyle == nullptr || pszSection == nullptr || *pszSection == '\0')
        return FALSE;
    pStyle->FreeParts();
    ReadStyleValues(*pApp, *pStyle, pszSection, pStylesMap);
    return TRUE;
}

void CGEGridProfileImp::ReadStyleValues(CWinApp& app, CGEStyle& s, LPCSTR pszSection,
                                        CGEStylesMap* pStylesMap) {
    UINT n = 0;
    if (GEProfileReadNumber(app, pszSection, "HorizontalAlignment", n))
        s.SetHorizontalAlignment(n);
    if (GEProfileReadNumber(app, pszSection, "VerticalAlignment", n))
        s.SetVerticalAlignment(n);
    if (GEProfileReadNumber(app, pszSection, "ReadOnly", n))
        s.SetReadOnly(n != 0);
    if (GEProfileReadNumber(app, pszSection, "FloatCell", n))
        s.SetFloatCell(n != 0);
    if (GEProfileReadNumber(app, pszSection, "FloodCell", n))
        s.SetFloodCell(n != 0);
    if (GEProfileReadNumber(app, pszSection, "MergeCell", n))
        s.SetMergeCell(n & 7);
    if (GEProfileReadNumber(app, pszSection, "Draw3dFrame", n))
        s.SetDraw3dFrame(n & 3);
    if (GEProfileReadNumber(app, pszSection, "ControlId", n))
        s.SetControl(static_cast<WORD>(n));
    if (GEProfileReadNumber(app, pszSection, "MaxLength", n))
        s.SetMaxLength(static_cast<WORD>(n));
    if (GEProfileReadNumber(app, pszSection, "VerticalScrollbar", n))
        s.SetVerticalScrollbar(n != 0);
    CString text;
    if (pStylesMap != nullptr && GEProfileRead(app, pszSection, "BaseStyle", text)) {
        if (const UINT nBase = BaseStyleId(text, *pStylesMap))
            s.SetBaseStyle(nBase);
    }
    if (GEProfileRead(app, pszSection, "TextColor", text)) {
        int r = 0, g = 0, b = 0;
        std::sscanf(text, "%d %d %d", &r, &g, &b);
        s.SetTextColor(RGB(r & 0xFF, g & 0xFF, b & 0xFF));
    }
    if (GEProfileReadNumber(app, pszSection, "WrapText", n))
        s.SetWrapText(n != 0);
    if (GEProfileReadNumber(app, pszSection, "AutoSize", n))
        s.SetAutoSize(n != 0);
    if (GEProfileReadNumber(app, pszSection, "AllowEnter", n))
        s.SetAllowEnter(n != 0);
    if (GEProfileReadNumber(app, pszSection, "Enabled", n))
        s.SetEnabled(n != 0);
    if (GEProfileReadNumber(app, pszSection, "TriState", n))
        s.SetTriState(n != 0);
    if (GEProfileRead(app, pszSection, "Value", text))
        s.SetValue(text);
    CGEStyleBrush brush;
    if (GEProfileRead(app, pszSection, "Interior", text) && brush.SetDescription(text))
        s.SetInterior(brush);
    if (GEProfileReadNumber(app, pszSection, "Format", n))
        s.SetFormat(n & 31);
    if (GEProfileReadNumber(app, pszSection, "Places", n))
        s.SetPlaces(n & 15);
    if (GEProfileRead(app, pszSection, "ChoicesList", text))
        s.SetChoiceList(UnescapeChoices(text));
    CGEFont font;
    if (ReadFont(&font, pszSection, "Font"))
        s.SetFont(font);
    if (GEProfileRead(app, pszSection, "Borders", text) && text == "1") {
        for (int side = CGEStyle::borderTop; side <= CGEStyle::borderRight; ++side) {
            CGELinePen pen;
            if (GEProfileRead(app, pszSection, kBorderNames[side], text) && pen.SetDescription(text))
                s.SetBorder(side, pen);
        }
    }
    ReadUserAttributes(app, s, pszSection, pStylesMap);
}

void CGEGridProfileImp::ReadUserAttributes(CWinApp& app, CGEStyle& style, LPCSTR pszSection,
                                           CGEStylesMap* pStylesMap) {
    if (pStylesMap == nullptr)
        return;
    CString text;
    for (INT_PTR i = 0; i < pStylesMap->GetUserAttributeCount(); ++i) {
        const CGEStylesMap::UserAttribute& known = pStylesMap->GetUserAttributeAt(i);
        if (!known.name.IsEmpty() && GEProfileRead(app, pszSection, known.name, text))
            style.SetUserAttribute(known.id, text);
    }
}
