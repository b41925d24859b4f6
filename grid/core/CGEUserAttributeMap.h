// CGEUserAttributeMap: the user attributes of one cell style, by id, kept in id order. Owns its attribute
// objects. Archived as an object (class schema 1): the count, then each id with its attribute object.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CObject.h"
#include "grid/core/CGEAbstractUserAttribute.h"

#include <memory>
#include <vector>

class CGEUserAttributeMap : public CObject {
    DECLARE_SERIAL(CGEUserAttributeMap)
public:
    CGEUserAttributeMap() = default;
    CGEUserAttributeMap(const CGEUserAttributeMap& src);
    // Deep copy.
    CGEUserAttributeMap& operator=(const CGEUserAttributeMap& src);

    // Stores a copy of value (a CGEUserAttribute holding the text) under nId, replacing what was there.
    void SetAttribute(UINT nId, const CGEAbstractUserAttribute& value);
    void SetAttribute(UINT nId, const char* pszText);
    // Takes over pValue (null removes the attribute).
    void SetAttribute(UINT nId, std::unique_ptr<CGEAbstractUserAttribute> pValue);
    // The attribute held under nId, or null.
    const CGEAbstractUserAttribute* Lookup(UINT nId) const;
    BOOL RemoveAttribute(UINT nId);
    void RemoveAll() { m_entries.clear(); }

    INT_PTR GetCount() const { return static_cast<INT_PTR>(m_entries.size()); }
    BOOL IsEmpty() const { return m_entries.empty() ? TRUE : FALSE; }
    // The nIndex-th entry in id order.
    UINT GetIdAt(INT_PTR nIndex) const { return m_entries.at(static_cast<size_t>(nIndex)).id; }
    const CGEAbstractUserAttribute& GetAttributeAt(INT_PTR nIndex) const {
        return *m_entries.at(static_cast<size_t>(nIndex)).value;
    }

    // Merges src in by a GEStyleMergeMode: override replaces by src's entries, apply-new adds only ids not
    // held here, copy becomes a copy, exclude removes every id that src holds.
    void MergeFrom(const CGEUserAttributeMap& src, UINT nMode);
    // Same ids with equal values.
    BOOL IsEqual(const CGEUserAttributeMap& other) const;

    void Serialize(CArchive& ar) override;

private:
    struct Entry {
        UINT id;
        std::unique_ptr<CGEAbstractUserAttribute> value;
    };
    std::vector<Entry>::iterator Find(UINT nId);
    std::vector<Entry>::const_iterator Find(UINT nId) const;

    std::vector<Entry> m_entries;
};
