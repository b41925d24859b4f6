#include "grid/controls/CGEDIBPool.h"

BOOL CGEDIBPool::Add(LPCSTR pszName, CGEDIB dib) {
    if (pszName == nullptr || *pszName == '\0' || dib.IsEmpty())
        return FALSE;
    m_dibs[pszName] = std::move(dib);
    return TRUE;
}

BOOL CGEDIBPool::AddResource(LPCSTR pszName, UINT nID, HINSTANCE hInstance) {
    return Add(pszName, CGEDIB::FromResource(nID, hInstance));
}

void CGEDIBPool::Remove(LPCSTR pszName) {
    if (pszName != nullptr)
        m_dibs.erase(pszName);
}

const CGEDIB* CGEDIBPool::Lookup(LPCSTR pszName) const {
    if (pszName == nullptr || m_dibs.empty())
        return nullptr;
    const auto found = m_dibs.find(pszName);
    return found != m_dibs.end() ? &found->second : nullptr;
}

CGEDIBPool* GEGetDIBPool() {
    static CGEDIBPool pool;
    return &pool;
}
