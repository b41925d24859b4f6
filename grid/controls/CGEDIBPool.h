// CGEDIBPool: the grid engine's named pictures (GEGetDIBPool). A cell text or a tab-list column that
// names a picture of the pool is drawn as that picture instead of the text.
#pragma once

#include "framework/core/CString.h"
#include "grid/controls/CGEDIB.h"

#include <map>
#include <string>

class CGEDIBPool {
public:
    // Keeps a picture under a name (replacing one of the same name); FALSE for an empty picture or name.
    BOOL Add(LPCSTR pszName, CGEDIB dib);
    BOOL AddResource(LPCSTR pszName, UINT nID, HINSTANCE hInstance = nullptr);
    void Remove(LPCSTR pszName);
    // The picture of that name (exact), or null.
    const CGEDIB* Lookup(LPCSTR pszName) const;

private:
    std::map<std::string, CGEDIB> m_dibs;
};

CGEDIBPool* GEGetDIBPool();
