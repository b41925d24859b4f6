// CGEGridProfileImp: grid display and print settings, base styles and single styles in the application's
// profile (the registry under the application's key, else its INI file), as text values. Reading never
// fails on malformed text: numbers that are not numbers read as 0, and an absent or empty value keeps the
// setting. Application-wide.
#pragma once

#include "grid/core/CGEAbstractGridProfileImp.h"
#include "framework/core/CString.h"

#include <vector>

class CWinApp;

class CGEGridProfileImp : public CGEAbstractGridProfileImp {
public:
    // Replaces the map's section by one entry per base style, each style in a section of its own.
    void WriteStylesMap(CGEStylesMap* pStylesMap) override;
    void WriteFont(CGEFont* pFont, LPCSTR pszSection, LPCSTR pszValueName) override;
    // Writes each attribute the style includes and deletes the values of those it does not.
    void WriteStyle(CGEStyle* pStyle, LPCSTR pszSection, CGEStylesMap* pStylesMap) override;
    void WriteProperties(CGEProperties* pProperties) override;
    // FALSE (the map unchanged) when the section lists no styles.
    BOOL ReadStylesMap(CGEStylesMap* pStylesMap) override;
    // TRUE when a non-empty value was found and parsed into the font.
    BOOL ReadFont(CGEFont* pFont, LPCSTR pszSection, LPCSTR pszValueName) override;
    BOOL ReadStyle(CGEStyle* pStyle, LPCSTR pszSection, CGEStylesMap* pStylesMap) override;
    // FALSE (nothing changed) when the section does not exist.
    BOOL ReadProperties(CGEProperties* pProperties) override;

protected:
    // The section of one style below the map's section: "map\name" in the registry, "map.name" in a file.
    static CString StyleSection(CWinApp& app, const CString& mapSection, const CString& name);
    // The subkeys (registry) or keys (file) of a section.
    static std::vector<CString> ListSection(CWinApp& app, const CString& section);
    static void RemoveSection(CWinApp& app, const CString& section);
    void ReadStyleValues(CWinApp& app, CGEStyle& style, LPCSTR pszSection, CGEStylesMap* pStylesMap);
    void WriteUserAttributes(CWinApp& app, const CGEStyle& style, LPCSTR pszSection,
                             CGEStylesMap* pStylesMap);
    void ReadUserAttributes(CWinApp& app, CGEStyle& style, LPCSTR pszSection, CGEStylesMap* pStylesMap);
};

// Installs the registry profile into the engine state once (kept until the program ends).
void GEInstallGridProfile();
