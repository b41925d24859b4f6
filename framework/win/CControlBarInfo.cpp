#include "framework/win/CControlBarInfo.h"

#include "framework/core/CString.h"
#include "framework/win/CWinApp.h"

#include <cstdio>

namespace {

CString BarSection(LPCSTR lpszProfileName, int nIndex) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "-Bar%d", nIndex);
    return CString(lpszProfileName) + suffix;
}

CString BarEntry(size_t n) {
    char entry[32];
    std::snprintf(entry, sizeof entry, "Bar#%u", static_cast<unsigned>(n));
    return CString(entry);
}

// Dock bars hold at most this many entries; a larger count in the profile is not believed.
constexpr UINT kMaxBarEntries = 1024;

} // namespace

BOOL CControlBarInfo::LoadState(LPCSTR lpszProfileName, int nIndex) {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || lpszProfileName == nullptr)
        return FALSE;
    const CString section = BarSection(lpszProfileName, nIndex);
    m_nBarID = pApp->GetProfileInt(section, "BarID", 0);
    if (m_nBarID == 0)
        return FALSE;
    m_bVisible = pApp->GetProfileInt(section, "Visible", TRUE) != 0;
    m_bHorz = pApp->GetProfileInt(section, "Horz", TRUE) != 0;
    m_bFloating = pApp->GetProfileInt(section, "Floating", FALSE) != 0;
    m_pointPos.x = static_cast<int>(pApp->GetProfileInt(section, "XPos", -1));
    m_pointPos.y = static_cast<int>(pApp->GetProfileInt(section, "YPos", -1));
    m_nMRUWidth = pApp->GetProfileInt(section, "MRUWidth", 32767);
    m_uMRUDockID = pApp->GetProfileInt(section, "MRUDockID", 0);
    m_arrBarID.clear();
    const UINT nBars = pApp->GetProfileInt(section, "Bars", 0);
    m_bDockBar = pApp->GetProfileInt(section, "DockBar", FALSE) != 0;
    if (m_bDockBar && nBars <= kMaxBarEntries) {
        for (UINT n = 0; n < nBars; ++n)
            m_arrBarID.push_back(pApp->GetProfileInt(section, BarEntry(n), 0));
    }
    return TRUE;
}

BOOL CControlBarInfo::SaveState(LPCSTR lpszProfileName, int nIndex) const {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || lpszProfileName == nullptr)
        return FALSE;
    const CString section = BarSection(lpszProfileName, nIndex);
    // The section is written afresh: entries of an earlier, larger state must not linger.
    pApp->WriteProfileString(section, nullptr, nullptr);
    BOOL bResult = pApp->WriteProfileInt(section, "BarID", static_cast<int>(m_nBarID));
    bResult &= pApp->WriteProfileInt(section, "Visible", m_bVisible ? 1 : 0);
    bResult &= pApp->WriteProfileInt(section, "Horz", m_bHorz ? 1 : 0);
    bResult &= pApp->WriteProfileInt(section, "Floating", m_bFloating ? 1 : 0);
    bResult &= pApp->WriteProfileInt(section, "XPos", m_pointPos.x);
    bResult &= pApp->WriteProfileInt(section, "YPos", m_pointPos.y);
    bResult &= pApp->WriteProfileInt(section, "MRUWidth", static_cast<int>(m_nMRUWidth));
    bResult &= pApp->WriteProfileInt(section, "MRUDockID", static_cast<int>(m_uMRUDockID));
    if (m_bDockBar) {
        bResult &= pApp->WriteProfileInt(section, "DockBar", 1);
        bResult &= pApp->WriteProfileInt(section, "Bars", static_cast<int>(m_arrBarID.size()));
        for (size_t n = 0; n < m_arrBarID.size(); ++n)
            bResult &= pApp->WriteProfileInt(section, BarEntry(n), static_cast<int>(m_arrBarID[n]));
    }
    return bResult;
}
