#include "grid/core/CGEUserAttributeMap.h"

#include "framework/core/CArchive.h"
#include "grid/core/CGEStyleMergeMode.h"
#include "grid/core/CGEUserAttribute.h"

#include <algorithm>

IMPLEMENT_SERIAL(CGEUserAttributeMap, CObject, 1)

CGEUserAttributeMap::CGEUserAttributeMap(const CGEUserAttributeMap& src) : CObject() {
    *this = src;
}

CGEUserAttributeMap& CGEUserAttributeMap::operator=(const CGEUserAttributeMap& src) {
    if (&src == this)
        return *this;
    std::vector<Entry> copy;
    copy.reserve(src.m_entries.size());
    for (const Entry& e : src.m_entries)
        copy.push_back({e.id, std::unique_ptr<CGEAbstractUserAttribute>(e.value->Clone())});
    m_entries = std::move(copy);
    return *this;
}

std::vector<CGEUserAttributeMap::Entry>::iterator CGEUserAttributeMap::Find(UINT nId) {
    return std::lower_bound(m_entries.begin(), m_entries.end(), nId,
                            [](const Entry& e, UINT id) { return e.id < id; });
}

std::vector<CGEUserAttributeMap::Entry>::const_iterator CGEUserAttributeMap::Find(UINT nId) const {
    return std::lower_bound(m_entries.begin(), m_entries.end(), nId,
                            [](const Entry& e, UINT id) { return e.id < id; });
}

void CGEUserAttributeMap::SetAttribute(UINT nId, std::unique_ptr<CGEAbstractUserAttribute> pValue) {
    const auto it = Find(nId);
    const bool present = it != m_entries.end() && it->id == nId;
    if (!pValue) {
        if (present)
            m_entries.erase(it);
        return;
    }
    if (present)
        it->value = std::move(pValue);
    else
        m_entries.insert(it, Entry{nId, std::move(pValue)});
}

void CGEUserAttributeMap::SetAttribute(UINT nId, const CGEAbstractUserAttribute& value) {
    SetAttribute(nId, std::unique_ptr<CGEAbstractUserAttribute>(value.Clone()));
}

void CGEUserAttributeMap::SetAttribute(UINT nId, const char* pszText) {
    SetAttribute(nId, std::make_unique<CGEUserAttribute>(pszText));
}

const CGEAbstractUserAttribute* CGEUserAttributeMap::Lookup(UINT nId) const {
    const auto it = Find(nId);
    return it != m_entries.end() && it->id == nId ? it->value.get() : nullptr;
}

BOOL CGEUserAttributeMap::RemoveAttribute(UINT nId) {
    const auto it = Find(nId);
    if (it == m_entries.end() || it->id != nId)
        return FALSE;
    m_entries.erase(it);
    return TRUE;
}

void CGEUserAttributeMap::MergeFrom(const CGEUserAttributeMap& src, UINT nMode) {
    if (&src == this) {
        if (nMode == geExclude)
            RemoveAll();
        return;
    }
    switch (nMode) {
    case geCopy:
        *this = src;
        break;
    case geExclude:
        for (const Entry& e : src.m_entries)
            RemoveAttribute(e.id);
        break;
    default:
        for (const Entry& e : src.m_entries)
            if (nMode == geOverride || Lookup(e.id) == nullptr)
                SetAttribute(e.id, *e.value);
        break;
    }
}

BOOL CGEUserAttributeMap::IsEqual(const CGEUserAttributeMap& other) const {
    if (m_entries.size() != other.m_entries.size())
        return FALSE;
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].id != other.m_entries[i].id ||
            !m_entries[i].value->IsEqual(*other.m_entries[i].value))
            return FALSE;
    return TRUE;
}

void CGEUserAttributeMap::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_entries.size());
        for (const Entry& e : m_entries) {
            ar << static_cast<DWORD>(e.id);
            ar.WriteOwnedObject(e.value.get());
        }
        return;
    }
    RemoveAll();
    DWORD count = 0;
    ar >> count;
    for (DWORD i = 0; i < count; ++i) {
        DWORD id = 0;
        ar >> id;
        std::unique_ptr<CGEAbstractUserAttribute> value(static_cast<CGEAbstractUserAttribute*>(
            ar.ReadOwnedObject(RUNTIME_CLASS(CGEAbstractUserAttribute))));
        SetAttribute(id, std::move(value));
    }
}
