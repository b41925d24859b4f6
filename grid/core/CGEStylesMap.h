// CGEStylesMap: the named base styles of a grid (ids 1..255, the id a style's base-style attribute holds),
// each with its name, the string-resource id it was registered from (0 for none) and a system flag. Owns the
// base styles. The styles map's name is also its profile section.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "grid/core/CGEStyle.h"

#include <array>
#include <memory>
#include <vector>

class CGEStylesMap : public CObject {
    DECLARE_DYNCREATE(CGEStylesMap)
public:
    static constexpr UINT maxStyleId = 255;

    CGEStylesMap();
    ~CGEStylesMap() override;
    CGEStylesMap(const CGEStylesMap&) = delete;
    CGEStylesMap& operator=(const CGEStylesMap&) = delete;

    // Registers a copy of style under a name (an existing name keeps its id and gets the new style).
    // Returns the id, or 0 when all 255 ids are taken or the name is empty.
    UINT RegisterStyle(const char* pszName, const CGEStyle& style, BOOL bSystem = FALSE);
    // Removes a base style; FALSE when the id is not registered.
    BOOL RemoveStyle(UINT nId);
    void RemoveAll();

    // The base style of an id, or null.
    const CGEStyle* LookupStyle(UINT nId) const;
    CGEStyle* LookupStyle(UINT nId);
    // The id of a base style by name (case-insensitive) or by the string resource it was registered from;
    // 0 when there is none.
    UINT GetStyleIdByName(const char* pszName) const;
    UINT GetStyleIdByResource(UINT nResourceId) const;
    BOOL GetStyleName(UINT nId, CString& name) const;
    UINT GetStyleResourceId(UINT nId) const;
    BOOL IsSystemStyle(UINT nId) const;

    // The registered ids in registration order.
    INT_PTR GetCount() const { return static_cast<INT_PTR>(m_entries.size()); }
    UINT GetIdAt(INT_PTR nIndex) const { return m_entries.at(static_cast<size_t>(nIndex))->id; }

    // A new empty style of the map's style class (CGEStyle unless set); the caller owns it.
    CGEStyle* CreateStyle() const;
    void SetStyleClass(CRuntimeClass* pStyleClass) { m_pStyleClass = pStyleClass; }
    CRuntimeClass* GetStyleClass() const { return m_pStyleClass; }

    // The map's name, also its profile section.
    CString m_strName;

protected:
    struct Entry {
        UINT id = 0;
        UINT resourceId = 0;
        CString name;
        std::unique_ptr<CGEStyle> style;
        BOOL system = FALSE;
    };
    Entry* FindEntry(UINT nId) const;
    // Adds or replaces the entry of a name (and resource id); 0 when no id is free.
    UINT Register(const CString& name, UINT nResourceId, const CGEStyle& style, BOOL bSystem);
    UINT NextFreeId();

    std::vector<std::unique_ptr<Entry>> m_entries; // registration order
    std::array<Entry*, maxStyleId + 1> m_byId{};
    UINT m_nNextId = 1;
    CRuntimeClass* m_pStyleClass;
};
