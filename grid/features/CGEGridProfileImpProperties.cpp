// The display and print settings of the grid properties in the profile.
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"
#include "grid/features/CGEGridProfileImp.h"
#include "grid/features/GEProfileText.h"

#include <cctype>
#include <cstdlib>

namespace {

// The 0/1 settings after the colours and user properties, in the order they are written.
struct FlagValue {
    const char* pszName;
    BOOL CGEProperties::*pFlag;
};

const FlagValue kDisplayFlags[] = {{"MarkColumnHeader", &CGEProperties::m_bMarkColHeader},
                                   {"MarkRowHeader", &CGEProperties::m_bMarkRowHeader},
                                   {"3dHeader", &CGEProperties::m_b3dHeaders},
                                   {"HorizontalLines", &CGEProperties::m_bDisplayHorzLines},
                                   {"VerticalLines", &CGEProperties::m_bDisplayVertLines}};

const FlagValue kPrintFlags[] = {{"Print Vertical Lines", &CGEProperties::m_bPrintVertLines},
                                 {"Print Horizontal Lines", &CGEProperties::m_bPrintHorzLines},
                                 {"Print Only Black&White", &CGEProperties::m_bBlackWhite},
                                 {"Print Row Headers", &CGEProperties::m_bPrintRowHeaders},
                                 {"Print Column Headers", &CGEProperties::m_bPrintColHeaders},
                                 {"Center Vertical", &CGEProperties::m_bCenterVertical},
                                 {"Center Horizontal", &CGEProperties::m_bCenterHorizontal},
                                 {"Print Frame", &CGEProperties::m_bPrintFrame}};

// Up to nMax integers separated by commas, each after optional spaces; sets only those present.
void ParseList(const CString& text, int* const* values, int nMax) {
    const char* p = text;
    for (int i = 0; i < nMax && *p != '\0'; ++i) {
        while (*p == ' ')
            ++p;
        *values[i] = static_cast<int>(std::atol(p));
        while (*p != '\0' && *p != ',')
            ++p;
        if (*p == ',')
            ++p;
        else
            break;
    }
}

bool SectionExists(CWinApp& app, const CString& section) {
    if (app.m_pszRegistryKey != nullptr) {
        HKEY hApp = app.GetAppRegistryKey();
        HKEY hSection = nullptr;
        const bool open =
            hApp != nullptr && ::RegOpenKeyExA(hApp, section, 0, KEY_READ, &hSection) == ERROR_SUCCESS;
        if (hSection != nullptr)
            ::RegCloseKey(hSection);
        if (hApp != nullptr)
            ::RegCloseKey(hApp);
        return open;
    }
    char buffer[4] = {};
    return ::GetPrivateProfileStringA(section, nullptr, "", buffer, sizeof buffer, app.m_pszProfileName) > 0;
}

CString UserPropertyName(const char* pszFormat, WORD nId) {
    CString name;
    name.Format(pszFormat, static_cast<unsigned>(nId));
    return name;
}

} // namespace

void CGEGridProfileImp::WriteProperties(CGEProperties* pProperties) {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || pProperties == nullptr)
        return;
    CWinApp& app = *pApp;
    const CGEProperties& props = *pProperties;
    const CString section = props.m_strSection;
    for (INT_PTR i = 0; i < props.m_ColorNames.GetSize() && i < props.m_ColorTable.GetSize(); ++i)
        GEProfileWriteNumber(app, section, props.m_ColorNames[i], "%lu",
                             static_cast<long>(props.m_ColorTable[i]));
    for (const FlagValue& flag : kDisplayFlags)
        GEProfileWriteNumber(app, section, flag.pszName, "%ld", props.*flag.pFlag ? 1 : 0);
    for (const auto& [nId, entry] : props.GetUserProperties())
        if (entry.pStyle != nullptr && entry.pStyle->GetIncludeValue())
            app.WriteProfileString(section, UserPropertyName("UP%u", nId), entry.pStyle->GetValue());
    GEProfileWriteNumber(app, section, "Page Order", "%ld", props.m_nPageOrder);
    for (const FlagValue& flag : kPrintFlags)
        GEProfileWriteNumber(app, section, flag.pszName, "%ld", props.*flag.pFlag ? 1 : 0);
    CString text;
    text.Format("%ld,%ld,%ld,%ld", static_cast<long>(props.m_nTopMargin),
                static_cast<long>(props.m_nLeftMargin), static_cast<long>(props.m_nBottomMargin),
                static_cast<long>(props.m_nRightMargin));
    app.WriteProfileString(section, "Margins", text);
    GEProfileWriteNumber(app, section, "Start Page Numbering", "%ld", static_cast<long>(props.m_nFirstPage));
    text.Format("%ld,%ld", static_cast<long>(props.m_nHeaderDistance),
                static_cast<long>(props.m_nFooterDistance));
    app.WriteProfileString(section, "Distances", text);
}

BOOL CGEGridProfileImp::ReadProperties(CGEProperties* pProperties) {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || pProperties == nullptr || !SectionExists(*pApp, pProperties->m_strSection))
        return FALSE;
    CWinApp& app = *pApp;
    CGEProperties& props = *pProperties;
    const CString section = props.m_strSection;
    for (INT_PTR i = 0; i < props.m_ColorNames.GetSize() && i < props.m_ColorTable.GetSize(); ++i) {
        DWORD color = 0;
        if (GEProfileReadNumber(app, section, props.m_ColorNames[i], color))
            props.m_ColorTable[i] = color;
    }
    for (const FlagValue& flag : kDisplayFlags)
        GEProfileReadNumber(app, section, flag.pszName, props.*flag.pFlag);
    CString text;
    for (auto& [nId, entry] : props.GetUserProperties()) {
        if (!GEProfileRead(app, section, UserPropertyName("UP%d", nId), text))
            continue;
        if (entry.pStyle == nullptr)
            entry.pStyle = std::make_unique<CGEStyle>();
        entry.pStyle->SetValue(text);
    }
    GEProfileReadNumber(app, section, "Page Order", props.m_nPageOrder);
    for (const FlagValue& flag : kPrintFlags)
        GEProfileReadNumber(app, section, flag.pszName, props.*flag.pFlag);
    if (GEProfileRead(app, section, "Margins", text)) {
        int* const margins[] = {&props.m_nTopMargin, &props.m_nLeftMargin, &props.m_nBottomMargin,
                                &props.m_nRightMargin};
        ParseList(text, margins, 4);
    }
    GEProfileReadNumber(app, section, "Start Page Numbering", props.m_nFirstPage);
    if (GEProfileRead(app, section, "Distances", text)) {
        int* const distances[] = {&props.m_nHeaderDistance, &props.m_nFooterDistance};
        ParseList(text, distances, 2);
    }
    return TRUE;
}
