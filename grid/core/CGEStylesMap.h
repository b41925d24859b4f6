// CGEStylesMap: the named base styles of a grid (ids 1..255, the id a style's base-style attribute holds),
// each with its name, the string-resource id it was registered from (0 for none) and a system flag; the
// user attributes the grid knows (each with its name and the style with which it is edited); and the
// control ids it knows with their names. Owns its styles. Its name is also its profile section.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "grid/core/CGEStyle.h"

#include <array>
#include <map>
#include <memory>
#include <vector>

class CGEStylesMap : public CObject {
    DECLARE_SERIAL(CGEStylesMap)
public:
    static constexpr UINT maxStyleId = 255;
    // String resources naming the three built-in base styles.
    static constexpr UINT standardStyleResource = 52768;  // "Standard"
    static constexpr UINT rowHeaderStyleResource = 52769; // "Row Header"
    static constexpr UINT colHeaderStyleResource = 52770; // "Column Header"

    struct BaseStyle {
        UINT id = 0;
        UINT resourceId = 0;
        CString name;
        std::unique_ptr<CGEStyle> style;
        BOOL system = FALSE;
    };
    struct UserAttribute {
        UINT id = 0;
        CString name;
        std::unique_ptr<CGEStyle> style; // null: edited as plain text
    };

    CGEStylesMap();
    ~CGEStylesMap() override;
    CGEStylesMap(const CGEStylesMap&) = delete;
    // Assignment belongs to the parameter-copy feature; nothing without it.
    CGEStylesMap& operator=(const CGEStylesMap& src);

    // ---- base styles
    // Registers a copy of style under a name (an existing name keeps its id and gets the new style).
    // Returns the id, or 0 when all 255 ids are taken or the name is empty.
    UINT RegisterStyle(const char* pszName, const CGEStyle& style, BOOL bSystem = FALSE);
    // The same under the name of a string resource, indexed also by the resource id; a missing string
    // raises the resource exception.
    UINT RegisterStyle(UINT nResourceId, const CGEStyle& style, BOOL bSystem = FALSE);
    // For loaders: puts a base style under a given id (1..255), replacing what held that id; FALSE (style
    // dropped) for any other id.
    BOOL SetBaseStyle(UINT nId, UINT nResourceId, const CString& name, std::unique_ptr<CGEStyle> pStyle,
                      BOOL bSystem);
    // Removes a base style; FALSE when the id is not registered.
    BOOL RemoveStyle(UINT nId);

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
    // The base styles in registration order.
    INT_PTR GetCount() const { return static_cast<INT_PTR>(m_entries.size()); }
    UINT GetIdAt(INT_PTR nIndex) const { return m_entries.at(static_cast<size_t>(nIndex))->id; }
    const BaseStyle& GetBaseStyleAt(INT_PTR nIndex) const {
        return *m_entries.at(static_cast<size_t>(nIndex));
    }
    // The id the next registration tries first.
    UINT GetNextFreeId() const { return m_nNextId; }
    void SetNextFreeId(UINT nId) { m_nNextId = nId >= 1 && nId <= maxStyleId ? nId : 1; }

    // The ids of the built-in base styles, found by their string resources (0 when not registered).
    void UpdateStandardStyleIds();
    UINT m_nStandardStyleId = 0;
    UINT m_nRowHeaderStyleId = 0;
    UINT m_nColHeaderStyleId = 0;

    // ---- user attributes
    // Registers a user attribute once, named by the string resource of its id (low 16 bits), with a copy of
    // the style that edits it (or none); a missing string raises the resource exception.
    void AddUserAttribute(UINT nId, const CGEStyle* pStyle = nullptr);
    // For loaders: an entry with a given name, replacing one of the same id.
    void SetUserAttribute(UINT nId, const CString& name, std::unique_ptr<CGEStyle> pStyle);
    const UserAttribute* LookupUserAttribute(UINT nId) const;
    INT_PTR GetUserAttributeCount() const { return static_cast<INT_PTR>(m_userAttributes.size()); }
    const UserAttribute& GetUserAttributeAt(INT_PTR nIndex) const {
        return m_userAttributes.at(static_cast<size_t>(nIndex));
    }

    // ---- texts by id (the names of the known controls)
    // Keeps a control id once with its name from the string resource of the id; a missing string raises the
    // resource exception.
    void AddControl(UINT nControlId);
    void SetIdText(DWORD nId, const CString& text) { m_idTexts[nId] = text; }
    BOOL LookupIdText(DWORD nId, CString& text) const;
    const std::map<DWORD, CString>& GetIdTexts() const { return m_idTexts; }

    // Empties the map: base styles, user attributes, texts and the built-in ids.
    void RemoveAll();

    // A new empty style of the map's style class (CGEStyle unless set); the caller owns it.
    CGEStyle* CreateStyle() const;
    void SetStyleClass(CRuntimeClass* pStyleClass) { m_pStyleClass = pStyleClass; }
    CRuntimeClass* GetStyleClass() const { return m_pStyleClass; }

    // The archive form belongs to the document-serialisation feature; nothing without it.
    void Serialize(CArchive& ar) override;

    // The base styles in the profile, through the registry-profile feature (nothing without it; reading then
    // returns FALSE).
    void WriteProfile() const;
    BOOL ReadProfile();

    // The map's name, also its profile section.
    CString m_strName;

protected:
    BaseStyle* FindEntry(UINT nId) const;
    // Adds or replaces the entry of a name (and resource id); 0 when no id is free.
    UINT Register(const CString& name, UINT nResourceId, const CGEStyle& style, BOOL bSystem);
    UINT NextFreeId();
    std::unique_ptr<CGEStyle> CopyOf(const CGEStyle& style) const;

    std::vector<std::unique_ptr<BaseStyle>> m_entries; // registration order
    std::array<BaseStyle*, maxStyleId + 1> m_byId{};
    UINT m_nNextId = 1;
    std::vector<UserAttribute> m_userAttributes; // id order
    std::map<DWORD, CString> m_idTexts;
    CRuntimeClass* m_pStyleClass;
};
