// The archive form of a style and the operations that forward to the style features.
#include "grid/core/CGEAbstractGridProfileImp.h"
#include "grid/core/CGEAbstractSerializeLegacyCompatibleImp.h"
#include "grid/core/CGEAbstractStyleCompareSubsetImp.h"
#include "grid/core/CGEAbstractStyleSerializeImp.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEStylesMap.h"

#include "framework/core/CArchive.h"
#include "framework/core/CArchiveException.h"

namespace {

constexpr WORD kSchema = 6;

// The styles map for base-style names: the one given, else the archive's document pointer when a styles map
// was put there.
const CGEStylesMap* StylesMapOf(CArchive& ar, const CGEStylesMap* pStylesMap) {
    if (pStylesMap != nullptr || ar.m_pDocument == nullptr)
        return pStylesMap;
    const CObject* owner = reinterpret_cast<const CObject*>(ar.m_pDocument);
    return owner->IsKindOf(RUNTIME_CLASS(CGEStylesMap)) ? static_cast<const CGEStylesMap*>(owner) : nullptr;
}

void WriteFlag(CArchive& ar, BOOL bOn) {
    ar << static_cast<BYTE>(bOn ? 1 : 0);
}

BOOL ReadFlag(CArchive& ar) {
    BYTE value = 0;
    ar >> value;
    return value != 0 ? TRUE : FALSE;
}

DWORD ReadDWord(CArchive& ar) {
    DWORD value = 0;
    ar >> value;
    return value;
}

BYTE ReadByte(CArchive& ar) {
    BYTE value = 0;
    ar >> value;
    return value;
}

// The 0 or 1 word before the borders and each side; anything else means the data is damaged.
bool ReadPresence(CArchive& ar) {
    WORD value = 0;
    ar >> value;
    if (value > 1)
        AfxThrowArchiveException(CArchiveException::genericException);
    return value == 1;
}

} // namespace

void CGEStyle::Serialize(CArchive& ar) {
    SerializeWithMap(ar, nullptr);
}

void CGEStyle::SerializeWithMap(CArchive& ar, const CGEStylesMap* pStylesMap) {
    if (CGEAbstractStyleSerializeImp* feature = GEGetLibraryState()->m_pStyleSerializeImp)
        feature->SerializeStyle(*this, ar, pStylesMap);
}

BOOL CGEStyle::IsSubSet(const CGEStyle& other) const {
    CGEAbstractStyleCompareSubsetImp* feature = GEGetLibraryState()->m_pStyleCompareSubsetImp;
    return feature != nullptr ? feature->IsSubSet(other, *this) : FALSE;
}

void CGEStyle::WriteProfile(const char* pszSection, const CGEStylesMap* pStylesMap) const {
    if (CGEAbstractGridProfileImp* feature = GEGetLibraryState()->m_pProfileImp)
        feature->WriteStyle(const_cast<CGEStyle*>(this), pszSection, const_cast<CGEStylesMap*>(pStylesMap));
}

BOOL CGEStyle::ReadProfile(const char* pszSection, CGEStylesMap* pStylesMap) {
    CGEAbstractGridProfileImp* feature = GEGetLibraryState()->m_pProfileImp;
    return feature != nullptr ? feature->ReadStyle(this, pszSection, pStylesMap) : FALSE;
}

CGEStyle& CGEStyle::SetUserAttributes(std::unique_ptr<CGEUserAttributeMap> pAttributes) {
    m_pUserAttributes = std::move(pAttributes);
    if (m_pUserAttributes && !m_pUserAttributes->IsEmpty()) {
        m_nInclude |= incUserAttributes;
    } else {
        m_pUserAttributes.reset();
        m_nInclude &= ~incUserAttributes;
    }
    return *this;
}

void CGEStyle::SerializeLayout(CArchive& ar, const CGEStylesMap* pStylesMap) {
    pStylesMap = StylesMapOf(ar, pStylesMap);
    const DWORD mask = m_nInclude;
    if (ar.IsStoring()) {
        ar << kSchema << mask;
        if (mask & incHorizontalAlignment)
            ar << static_cast<DWORD>(GetHorizontalAlignment());
        if (mask & incVerticalAlignment)
            ar << static_cast<DWORD>(GetVerticalAlignment());
        if (mask & incReadOnly)
            WriteFlag(ar, GetReadOnly());
        if (mask & incControl)
            ar << static_cast<DWORD>(m_nControl);
        if (mask & incInterior)
            m_brush.SerializeLayout(ar);
        // The stored form, so a system colour stays a reference to it.
        if (mask & incTextColor)
            ar << static_cast<DWORD>(GetTextColorRef());
        if (mask & incWrapText)
            WriteFlag(ar, GetWrapText());
        if (mask & incAllowEnter)
            WriteFlag(ar, GetAllowEnter());
        if (mask & incFont)
            ar.WriteOwnedObject(&GetFont());
        if (mask & incValue)
            ar << m_strValue;
        if (mask & incChoiceList)
            ar << m_strChoiceList;
        if (mask & incVerticalScrollbar)
            WriteFlag(ar, GetVerticalScrollbar());
        if (mask & incMaxLength)
            ar << m_nMaxLength;
        if (mask & incEnabled)
            WriteFlag(ar, GetEnabled());
        if (mask & incTriState)
            WriteFlag(ar, GetTriState());
        if (mask & incDraw3dFrame)
            ar << static_cast<BYTE>(GetDraw3dFrame());
        if (mask & incAutoSize)
            WriteFlag(ar, GetAutoSize());
        ar << static_cast<WORD>((mask & incBorders) ? 1 : 0);
        if (mask & incBorders) {
            for (int side = borderTop; side <= borderRight; ++side) {
                const CGELinePen& pen = GetBorder(side);
                ar << static_cast<WORD>(pen.IsSet() ? 1 : 0);
                if (pen.IsSet())
                    ar << pen.GetDescription();
            }
        }
        if (mask & incBaseStyle) {
            const UINT resourceId =
                pStylesMap != nullptr ? pStylesMap->GetStyleResourceId(GetBaseStyle()) : 0;
            ar << static_cast<DWORD>(resourceId);
            if (resourceId == 0) {
                CString name;
                if (pStylesMap != nullptr)
                    pStylesMap->GetStyleName(GetBaseStyle(), name);
                ar << name;
            }
        }
        ar.WriteOwnedObject((mask & incUserAttributes) ? m_pUserAttributes.get() : nullptr);
        if (mask & incFloatCell)
            WriteFlag(ar, GetFloatCell());
        if (mask & incFloodCell)
            WriteFlag(ar, GetFloodCell());
        if (mask & incMergeCell)
            ar << static_cast<BYTE>(GetMergeCell());
        if (mask & incItemValue)
            ar << static_cast<DWORD>(m_nItemValue);
        if (mask & incFormat)
            ar << static_cast<BYTE>(GetFormat());
        if (mask & incPlaces)
            ar << static_cast<BYTE>(GetPlaces());
        if (mask & incValue)
            ar << static_cast<BYTE>(GetValueType());
        return;
    }

    // Loading builds a new style, so damaged data leaves this one as it was.
    WORD schema = 0;
    ar >> schema;
    if (schema > kSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    CGEStyle loaded;
    const DWORD stored = ReadDWord(ar) & incAll;
    // Owned parts come from the archive below; their bits are set once they are there.
    loaded.m_nInclude = stored & ~(incBorders | incFont | incUserAttributes | incBaseStyle);
    if (stored & incHorizontalAlignment)
        loaded.SetHorizontalAlignment(ReadDWord(ar));
    if (stored & incVerticalAlignment)
        loaded.SetVerticalAlignment(ReadDWord(ar));
    if (stored & incReadOnly)
        loaded.SetReadOnly(ReadFlag(ar));
    if (stored & incControl)
        loaded.SetControl(static_cast<WORD>(ReadDWord(ar)));
    if (stored & incInterior)
        loaded.m_brush.SerializeLayout(ar);
    if (stored & incTextColor)
        loaded.SetTextColor(ReadDWord(ar));
    if (stored & incWrapText)
        loaded.SetWrapText(ReadFlag(ar));
    if (stored & incAllowEnter)
        loaded.SetAllowEnter(ReadFlag(ar));
    if (stored & incFont) {
        std::unique_ptr<CGEFont> font(static_cast<CGEFont*>(ar.ReadOwnedObject(RUNTIME_CLASS(CGEFont))));
        if (font)
            loaded.ChangeFont(*font, geCopy);
    }
    if (stored & incValue)
        ar >> loaded.m_strValue;
    if (stored & incChoiceList)
        ar >> loaded.m_strChoiceList;
    if (stored & incVerticalScrollbar)
        loaded.SetVerticalScrollbar(ReadFlag(ar));
    if (stored & incMaxLength)
        ar >> loaded.m_nMaxLength;
    if (stored & incEnabled)
        loaded.SetEnabled(ReadFlag(ar));
    if (stored & incTriState)
        loaded.SetTriState(ReadFlag(ar));
    if (stored & incDraw3dFrame)
        loaded.SetDraw3dFrame(ReadByte(ar));
    if (stored & incAutoSize)
        loaded.SetAutoSize(ReadFlag(ar));
    if (ReadPresence(ar)) {
        for (int side = borderTop; side <= borderRight; ++side) {
            if (!ReadPresence(ar))
                continue;
            CString text;
            ar >> text;
            CGELinePen pen;
            if (!pen.SetDescription(text))
                AfxThrowArchiveException(CArchiveException::genericException);
            loaded.SetBorder(side, pen);
        }
    }
    if (stored & incBaseStyle) {
        const DWORD resourceId = ReadDWord(ar);
        CString name;
        if (resourceId == 0)
            ar >> name;
        UINT id = 0;
        if (pStylesMap != nullptr)
            id = resourceId != 0 ? pStylesMap->GetStyleIdByResource(resourceId)
                                 : pStylesMap->GetStyleIdByName(name);
        // A base style the map does not know is dropped rather than left pointing at an unrelated id.
        if (id != 0)
            loaded.SetBaseStyle(id);
    }
    if (schema >= 5) {
        std::unique_ptr<CGEUserAttributeMap> attributes(
            static_cast<CGEUserAttributeMap*>(ar.ReadOwnedObject(RUNTIME_CLASS(CGEUserAttributeMap))));
        loaded.SetUserAttributes(std::move(attributes));
    } else if (CGEAbstractSerializeLegacyCompatibleImp* legacy =
                   GEGetLibraryState()->m_pLegacyCompatibleSerializeImp) {
        legacy->ReadOldUserAttributes(loaded, ar);
    } else {
        AfxThrowArchiveException(CArchiveException::badSchema);
    }
    if (schema >= 2) {
        if (stored & incFloatCell)
            loaded.SetFloatCell(ReadFlag(ar));
        if (stored & incFloodCell)
            loaded.SetFloodCell(ReadFlag(ar));
        if (stored & incMergeCell)
            loaded.SetMergeCell(ReadByte(ar));
    }
    if (schema >= 3 && (stored & incItemValue))
        loaded.SetItemValue(ReadDWord(ar));
    if (schema >= 6) {
        if (stored & incFormat)
            loaded.SetFormat(ReadByte(ar));
        if (stored & incPlaces)
            loaded.SetPlaces(ReadByte(ar));
    } else if (schema >= 4 && (stored & incFormat)) {
        loaded.SetFormat(ReadByte(ar));
        loaded.SetPlaces(ReadByte(ar));
    }
    if (schema >= 4 && (stored & incValue))
        loaded.SetValueType(ReadByte(ar));
    Assign(loaded);
}
