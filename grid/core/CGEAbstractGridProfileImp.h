// The registry-profile feature: grid settings, base styles and single styles in the application's profile.
// Application-wide; the profile operations of styles, styles maps and properties forward to it and do
// nothing (reading reports nothing read) when it is not installed.
#pragma once

#include "framework/core/AfxDefs.h"

class CGEFont;
class CGEProperties;
class CGEStyle;
class CGEStylesMap;

class CGEAbstractGridProfileImp {
public:
    virtual ~CGEAbstractGridProfileImp() = default;
    virtual void WriteStylesMap(const CGEStylesMap& stylesMap) = 0;
    virtual void WriteFont(const CGEFont& font, const char* pszSection, const char* pszValueName) = 0;
    virtual void WriteStyle(const CGEStyle& style, const char* pszSection,
                            const CGEStylesMap* pStylesMap) = 0;
    virtual void WriteProperties(const CGEProperties& properties) = 0;
    virtual BOOL ReadStylesMap(CGEStylesMap& stylesMap) = 0;
    virtual BOOL ReadFont(CGEFont& font, const char* pszSection, const char* pszValueName) = 0;
    virtual BOOL ReadStyle(CGEStyle& style, const char* pszSection, CGEStylesMap* pStylesMap) = 0;
    virtual BOOL ReadProperties(CGEProperties& properties) = 0;
};
