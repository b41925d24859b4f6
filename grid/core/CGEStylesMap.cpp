#include "grid/core/CGEStylesMap.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CGEStylesMap, CObject)

CGEStylesMap::CGEStylesMap() : m_strName("Styles"), m_pStyleClass(RUNTIME_CLASS(CGEStyle)) {}

CGEStylesMap::~CGEStylesMap() = default;

UINT CGEStylesMap::NextFreeId() {
    for (UINT tries = 0; tries < maxStyleId; ++tries) {
        const UINT id = m_nNextId;
        m_nNextId = m_nNextId % maxStyleId + 1;
        if (m_byId[id] == nullptr)
            return id;
    }
    return 0;
}

UINT CGEStylesMap::Register(const CString& name, UINT nResourceId, const CGEStyle& style, BOOL bSystem) {
    std::unique_ptr<CGEStyle> copy(CreateStyle());
    copy->Assign(style);
    UINT id = nResourceId != 0 ? GetStyleIdByResource(nResourceId) : GetStyleIdByName(name);
    if (id != 0) {
        Entry* entry = m_byId[id];
        entry->style = std::move(copy);
        entry->system = bSystem;
        return id;
    }
    id = NextFreeId();
    if (id == 0)
        return 0;
    auto entry = std::make_unique<Entry>();
    entry->id = id;
    entry->resourceId = nResourceId;
    entry->name = name;
    entry->style = std::move(copy);
    entry->system = bSystem;
    m_byId[id] = entry.get();
    m_entries.push_back(std::move(entry));
    return id;
}

UINT CGEStylesMap::RegisterStyle(const char* pszName, const CGEStyle& style, BOOL bSystem) {
    const CString name(pszName != nullptr ? pszName : "");
    if (name.IsEmpty())
        return 0;
    return Register(name, 0, style, bSystem);
}

BOOL CGEStylesMap::RemoveStyle(UINT nId) {
    Entry* entry = FindEntry(nId);
    if (entry == nullptr)
        return FALSE;
    m_byId[nId] = nullptr;
    m_entries.erase(std::find_if(m_entries.begin(), m_entries.end(),
                                 [entry](const std::unique_ptr<Entry>& e) { return e.get() == entry; }));
    return TRUE;
}

void CGEStylesMap::RemoveAll() {
    m_byId.fill(nullptr);
    m_entries.clear();
    m_nNextId = 1;
}

CGEStylesMap::Entry* CGEStylesMap::FindEntry(UINT nId) const {
    return nId <= maxStyleId ? m_byId[nId] : nullptr;
}

const CGEStyle* CGEStylesMap::LookupStyle(UINT nId) const {
    const Entry* entry = FindEntry(nId);
    return entry != nullptr ? entry->style.get() : nullptr;
}

CGEStyle* CGEStylesMap::LookupStyle(UINT nId) {
    Entry* entry = FindEntry(nId);
    return entry != nullptr ? entry->style.get() : nullptr;
}

UINT CGEStylesMap::GetStyleIdByName(const char* pszName) const {
    if (pszName == nullptr || *pszName == '\0')
        return 0;
    for (const auto& entry : m_entries)
        if (entry->name.CompareNoCase(pszName) == 0)
            return entry->id;
    return 0;
}

UINT CGEStylesMap::GetStyleIdByResource(UINT nResourceId) const {
    if (nResourceId == 0)
        return 0;
    for (const auto& entry : m_entries)
        if (entry->resourceId == nResourceId)
            return entry->id;
    return 0;
}

BOOL CGEStylesMap::GetStyleName(UINT nId, CString& name) const {
    const Entry* entry = FindEntry(nId);
    if (entry == nullptr)
        return FALSE;
    name = entry->name;
    return TRUE;
}

UINT CGEStylesMap::GetStyleResourceId(UINT nId) const {
    const Entry* entry = FindEntry(nId);
    return entry != nullptr ? entry->resourceId : 0;
}

BOOL CGEStylesMap::IsSystemStyle(UINT nId) const {
    const Entry* entry = FindEntry(nId);
    return entry != nullptr ? entry->system : FALSE;
}

CGEStyle* CGEStylesMap::CreateStyle() const {
    if (m_pStyleClass != nullptr && m_pStyleClass->IsDerivedFrom(RUNTIME_CLASS(CGEStyle))) {
        if (CObject* created = m_pStyleClass->CreateObject())
            return static_cast<CGEStyle*>(created);
    }
    return new CGEStyle;
}
