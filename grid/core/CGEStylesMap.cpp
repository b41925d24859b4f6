#include "grid/core/CGEStylesMap.h"

#include "framework/core/CResourceException.h"
#include "grid/core/CGEAbstractGridDocSerializeImp.h"
#include "grid/core/CGEAbstractGridParamCopyOperatorImp.h"
#include "grid/core/CGEAbstractGridProfileImp.h"
#include "grid/core/CGELibraryState.h"

#include <algorithm>

IMPLEMENT_SERIAL(CGEStylesMap, CObject, 2)

namespace {

// The text of a string resource; a missing one raises the resource exception.
CString ResourceText(UINT nId) {
    CString text;
    if (!text.LoadString(nId & 0xFFFF) || text.IsEmpty())
        AfxThrowResourceException();
    return text;
}

} // namespace

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

std::unique_ptr<CGEStyle> CGEStylesMap::CopyOf(const CGEStyle& style) const {
    std::unique_ptr<CGEStyle> copy(CreateStyle());
    copy->Assign(style);
    return copy;
}

UINT CGEStylesMap::Register(const CString& name, UINT nResourceId, const CGEStyle& style, BOOL bSystem) {
    std::unique_ptr<CGEStyle> copy = CopyOf(style);
    UINT id = nResourceId != 0 ? GetStyleIdByResource(nResourceId) : GetStyleIdByName(name);
    if (id != 0) {
        BaseStyle* entry = m_byId[id];
        entry->style = std::move(copy);
        entry->system = bSystem;
        return id;
    }
    id = NextFreeId();
    if (id == 0)
        return 0;
    return SetBaseStyle(id, nResourceId, name, std::move(copy), bSystem) ? id : 0;
}

UINT CGEStylesMap::RegisterStyle(const char* pszName, const CGEStyle& style, BOOL bSystem) {
    const CString name(pszName != nullptr ? pszName : "");
    if (name.IsEmpty())
        return 0;
    return Register(name, 0, style, bSystem);
}

UINT CGEStylesMap::RegisterStyle(UINT nResourceId, const CGEStyle& style, BOOL bSystem) {
    return Register(ResourceText(nResourceId), nResourceId, style, bSystem);
}

BOOL CGEStylesMap::SetBaseStyle(UINT nId, UINT nResourceId, const CString& name,
                                std::unique_ptr<CGEStyle> pStyle, BOOL bSystem) {
    if (nId == 0 || nId > maxStyleId || !pStyle)
        return FALSE;
    RemoveStyle(nId);
    auto entry = std::make_unique<BaseStyle>();
    entry->id = nId;
    entry->resourceId = nResourceId;
    entry->name = name;
    entry->style = std::move(pStyle);
    entry->system = bSystem;
    m_byId[nId] = entry.get();
    m_entries.push_back(std::move(entry));
    return TRUE;
}

BOOL CGEStylesMap::RemoveStyle(UINT nId) {
    BaseStyle* entry = FindEntry(nId);
    if (entry == nullptr)
        return FALSE;
    m_byId[nId] = nullptr;
    m_entries.erase(std::find_if(m_entries.begin(), m_entries.end(),
                                 [entry](const std::unique_ptr<BaseStyle>& e) { return e.get() == entry; }));
    return TRUE;
}

void CGEStylesMap::RemoveAll() {
    m_byId.fill(nullptr);
    m_entries.clear();
    m_nNextId = 1;
    m_userAttributes.clear();
    m_idTexts.clear();
    m_nStandardStyleId = m_nRowHeaderStyleId = m_nColHeaderStyleId = 0;
}

CGEStylesMap::BaseStyle* CGEStylesMap::FindEntry(UINT nId) const {
    return nId <= maxStyleId ? m_byId[nId] : nullptr;
}

const CGEStyle* CGEStylesMap::LookupStyle(UINT nId) const {
    const BaseStyle* entry = FindEntry(nId);
    return entry != nullptr ? entry->style.get() : nullptr;
}

CGEStyle* CGEStylesMap::LookupStyle(UINT nId) {
    BaseStyle* entry = FindEntry(nId);
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
    const BaseStyle* entry = FindEntry(nId);
    if (entry == nullptr)
        return FALSE;
    name = entry->name;
    return TRUE;
}

UINT CGEStylesMap::GetStyleResourceId(UINT nId) const {
    const BaseStyle* entry = FindEntry(nId);
    return entry != nullptr ? entry->resourceId : 0;
}

BOOL CGEStylesMap::IsSystemStyle(UINT nId) const {
    const BaseStyle* entry = FindEntry(nId);
    return entry != nullptr ? entry->system : FALSE;
}

void CGEStylesMap::UpdateStandardStyleIds() {
    m_nStandardStyleId = GetStyleIdByResource(standardStyleResource);
    m_nRowHeaderStyleId = GetStyleIdByResource(rowHeaderStyleResource);
    m_nColHeaderStyleId = GetStyleIdByResource(colHeaderStyleResource);
}

void CGEStylesMap::AddUserAttribute(UINT nId, const CGEStyle* pStyle) {
    SetUserAttribute(nId, ResourceText(nId), pStyle != nullptr ? CopyOf(*pStyle) : nullptr);
}

void CGEStylesMap::SetUserAttribute(UINT nId, const CString& name, std::unique_ptr<CGEStyle> pStyle) {
    const auto it = std::lower_bound(m_userAttributes.begin(), m_userAttributes.end(), nId,
                                     [](const UserAttribute& a, UINT id) { return a.id < id; });
    if (it != m_userAttributes.end() && it->id == nId) {
        it->name = name;
        it->style = std::move(pStyle);
        return;
    }
    UserAttribute entry;
    entry.id = nId;
    entry.name = name;
    entry.style = std::move(pStyle);
    m_userAttributes.insert(it, std::move(entry));
}

const CGEStylesMap::UserAttribute* CGEStylesMap::LookupUserAttribute(UINT nId) const {
    const auto it = std::lower_bound(m_userAttributes.begin(), m_userAttributes.end(), nId,
                                     [](const UserAttribute& a, UINT id) { return a.id < id; });
    return it != m_userAttributes.end() && it->id == nId ? &*it : nullptr;
}

void CGEStylesMap::AddControl(UINT nControlId) {
    if (m_idTexts.count(nControlId) == 0)
        m_idTexts[nControlId] = ResourceText(nControlId);
}

BOOL CGEStylesMap::LookupIdText(DWORD nId, CString& text) const {
    const auto it = m_idTexts.find(nId);
    if (it == m_idTexts.end())
        return FALSE;
    text = it->second;
    return TRUE;
}

CGEStyle* CGEStylesMap::CreateStyle() const {
    if (m_pStyleClass != nullptr && m_pStyleClass->IsDerivedFrom(RUNTIME_CLASS(CGEStyle))) {
        if (CObject* created = m_pStyleClass->CreateObject())
            return static_cast<CGEStyle*>(created);
    }
    return new CGEStyle;
}

CGEStylesMap& CGEStylesMap::operator=(const CGEStylesMap& src) {
    if (this != &src) {
        if (CGEAbstractGridParamCopyOperatorImp* feature = GEGetLibraryState()->m_pParamCopyOperatorImp)
            feature->CopyStylesMap(*this, src);
    }
    return *this;
}

void CGEStylesMap::Serialize(CArchive& ar) {
    if (CGEAbstractGridDocSerializeImp* feature = GEGetLibraryState()->m_pDocSerializeImp)
        feature->SerializeStylesMap(this, ar);
}

void CGEStylesMap::WriteProfile() const {
    if (CGEAbstractGridProfileImp* feature = GEGetLibraryState()->m_pProfileImp)
        feature->WriteStylesMap(const_cast<CGEStylesMap*>(this));
}

BOOL CGEStylesMap::ReadProfile() {
    CGEAbstractGridProfileImp* feature = GEGetLibraryState()->m_pProfileImp;
    return feature != nullptr ? feature->ReadStylesMap(this) : FALSE;
}
