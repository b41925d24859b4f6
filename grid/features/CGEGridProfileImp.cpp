// Sections, the styles map and fonts in the profile; the installer.
#include "grid/features/CGEGridProfileImp.h"

#include "grid/core/CGEFont.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStyleMergeMode.h"
#include "grid/core/CGEStylesMap.h"
#include "grid/features/GEInstallAppFeature.h"
#include "grid/features/GEProfileText.h"

#include <cstdlib>
#include <memory>

namespace {

// An open registry key, closed with its owner.
struct KeyCloser {
    void operator()(HKEY hKey) const { ::RegCloseKey(hKey); }
};
using Key = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

// The section key below the application key, opened for reading; null when either is missing.
Key OpenSection(CWinApp& app, LPCSTR pszSection) {
    Key appKey(app.GetAppRegistryKey());
    HKEY hSection = nullptr;
    if (!appKey || ::RegOpenKeyExA(appKey.get(), pszSection, 0, KEY_READ, &hSection) != ERROR_SUCCESS)
        return nullptr;
    return Key(hSection);
}

bool UsesRegistry(const CWinApp& app) {
    return app.m_pszRegistryKey != nullptr;
}

// The base style's name in the profile: "#" and its string-resource id, else its name.
CString ProfileName(const CGEStylesMap::BaseStyle& entry) {
    if (entry.resourceId == 0)
        return entry.name;
    CString name;
    name.Format("#%u", entry.resourceId);
    return name;
}

} // namespace

CString CGEGridProfileImp::StyleSection(CWinApp& app, const CString& mapSection, const CString& name) {
    return mapSection + (UsesRegistry(app) ? "\\" : ".") + name;
}

std::vector<CString> CGEGridProfileImp::ListSection(CWinApp& app, const CString& section) {
    std::vector<CString> names;
    if (UsesRegistry(app)) {
        Key key = OpenSection(app, section);
        if (!key)
            return names;
        char name[1025];
        for (DWORD i = 0;; ++i) {
            DWORD length = sizeof name;
            if (::RegEnumKeyExA(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS)
                break;
            names.emplace_back(name);
        }
        return names;
    }
    char buffer[1024] = {};
    const DWORD length = ::GetPrivateProfileStringA(section, nullptr, "", buffer, 1023, app.m_pszProfileName);
    for (DWORD at = 0; at < length && buffer[at] != '\0';) {
        names.emplace_back(buffer + at);
        at += static_cast<DWORD>(names.back().GetLength()) + 1;
    }
    return names;
}

void CGEGridProfileImp::RemoveSection(CWinApp& app, const CString& section) {
    if (!UsesRegistry(app)) {
        app.WriteProfileString(section, nullptr, nullptr);
        return;
    }
    Key appKey(app.GetAppRegistryKey());
    if (!appKey)
        return;
    for (const CString& name : ListSection(app, section))
        ::RegDeleteTreeA(appKey.get(), section + "\\" + name);
}

void CGEGridProfileImp::WriteStylesMap(CGEStylesMap* pStylesMap) {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || pStylesMap == nullptr)
        return;
    const CString section = pStylesMap->m_strName;
    RemoveSection(*pApp, section);
    for (INT_PTR i = 0; i < pStylesMap->GetCount(); ++i) {
        const CGEStylesMap::BaseStyle& entry = pStylesMap->GetBaseStyleAt(i);
        const CString name = ProfileName(entry);
        if (!UsesRegistry(*pApp))
            pApp->WriteProfileString(section, name, "1");
        WriteStyle(entry.style.get(), StyleSection(*pApp, section, name), pStylesMap);
    }
}

BOOL CGEGridProfileImp::ReadStylesMap(CGEStylesMap* pStylesMap) {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || pStylesMap == nullptr)
        return FALSE;
    const CString section = pStylesMap->m_strName;
    const std::vector<CString> names = ListSection(*pApp, section);
    if (names.empty())
        return FALSE;
    for (const CString& name : names) {
        std::unique_ptr<CGEStyle> pStyle(pStylesMap->CreateStyle());
        ReadStyle(pStyle.get(), StyleSection(*pApp, section, name), pStylesMap);
        if (name.GetLength() > 1 && name[0] == '#') {
            // A style of a string resource this program does not have is left out.
            const UINT nResourceId = static_cast<UINT>(std::atol(name.Mid(1)));
            CString text;
            if (nResourceId != 0 && text.LoadString(nResourceId))
                pStylesMap->RegisterStyle(nResourceId, *pStyle);
        } else {
            pStylesMap->RegisterStyle(name, *pStyle);
        }
    }
    pStylesMap->UpdateStandardStyleIds();
    if (CGEStyle* pStandard = pStylesMap->LookupStyle(pStylesMap->m_nStandardStyleId)) {
        std::unique_ptr<CGEStyle> pDefaults(pStylesMap->CreateStyle());
        pDefaults->SetDefaultStyle();
        pStandard->MergeFrom(*pDefaults, geApplyNew);
    }
    return TRUE;
}

void CGEGridProfileImp::WriteFont(CGEFont* pFont, LPCSTR pszSection, LPCSTR pszValueName) {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || pFont == nullptr || pszSection == nullptr || pszValueName == nullptr)
        return;
    pApp->WriteProfileString(pszSection, pszValueName, pFont->GetDescription());
}

BOOL CGEGridProfileImp::ReadFont(CGEFont* pFont, LPCSTR pszSection, LPCSTR pszValueName) {
    CWinApp* pApp = AfxGetApp();
    CString text;
    if (pApp == nullptr || pFont == nullptr || pszSection == nullptr || pszValueName == nullptr ||
        !GEProfileRead(*pApp, pszSection, pszValueName, text))
        return FALSE;
    return pFont->SetDescription(text);
}

void GEInstallGridProfile() {
    GEInstallAppFeature<CGEGridProfileImp>(GEGetLibraryState()->m_pProfileImp);
}
