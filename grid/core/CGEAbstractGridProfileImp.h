// Registry profile (application-wide): grid settings written to and read from the registry.
#pragma once

#include "framework/core/CObject.h"

class CGEFont;
class CGEProperties;
class CGEStyle;
class CGEStylesMap;

class CGEAbstractGridProfileImp : public CObject {
public:
    virtual void WriteStylesMap(CGEStylesMap* pStylesMap) = 0;
    virtual void WriteFont(CGEFont* pFont, LPCSTR pszSection, LPCSTR pszValueName) = 0;
    virtual void WriteStyle(CGEStyle* pStyle, LPCSTR pszSection, CGEStylesMap* pStylesMap) = 0;
    virtual void WriteProperties(CGEProperties* pProperties) = 0;
    virtual BOOL ReadStylesMap(CGEStylesMap* pStylesMap) = 0;
    virtual BOOL ReadFont(CGEFont* pFont, LPCSTR pszSection, LPCSTR pszValueName) = 0;
    virtual BOOL ReadStyle(CGEStyle* pStyle, LPCSTR pszSection, CGEStylesMap* pStylesMap) = 0;
    virtual BOOL ReadProperties(CGEProperties* pProperties) = 0;

protected:
    CGEAbstractGridProfileImp() = default;
};
