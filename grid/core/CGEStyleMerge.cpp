// Composition of styles: merging, the default style and base styles.
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStylesMap.h"

#include <bitset>

namespace {

// Attributes kept in the packed attribute word, with their bits there, in the order a merge takes them.
struct PackedAttribute {
    DWORD include;
    DWORD bits;
};

} // namespace

void CGEStyle::MergeFrom(const CGEStyle& src, UINT nMode) {
    if (&src == this) {
        if (nMode == geExclude)
            FreeParts();
        return;
    }
    if (nMode == geExclude) {
        ExcludeAttributes(src);
        return;
    }
    if (nMode == geCopy || m_nInclude == 0) {
        Assign(src);
        return;
    }
    if (nMode == geOverride || nMode == geApplyNew)
        MergeAttributes(src, nMode == geOverride);
}

void CGEStyle::MergeAttributes(const CGEStyle& src, BOOL bOverride) {
    const auto take = [&](DWORD bit) { return (src.m_nInclude & bit) && (bOverride || !(m_nInclude & bit)); };
    const PackedAttribute leading[] = {
        {incHorizontalAlignment, 3u << kHorzShift},
        {incVerticalAlignment, 3u << kVertShift},
        {incReadOnly, kReadOnly},
        {incFloatCell, kFloatCell},
        {incFloodCell, kFloodCell},
        {incMergeCell, 7u << kMergeShift},
        {incDraw3dFrame, 3u},
    };
    const auto copyPacked = [&](const PackedAttribute& a) {
        if (!take(a.include))
            return;
        m_nAttributes = (m_nAttributes & ~a.bits) | (src.m_nAttributes & a.bits);
        m_nInclude |= a.include;
    };
    for (const PackedAttribute& a : leading)
        copyPacked(a);
    if (take(incMaxLength))
        SetMaxLength(src.m_nMaxLength);
    copyPacked({incVerticalScrollbar, kVerticalScrollbar});
    if (take(incTextColor))
        SetTextColor(src.GetTextColorRef());
    const PackedAttribute flags[] = {
        {incWrapText, kWrapText}, {incAutoSize, kAutoSize}, {incAllowEnter, kAllowEnter},
        {incEnabled, kEnabled},   {incTriState, kTriState},
    };
    for (const PackedAttribute& a : flags)
        copyPacked(a);
    if (take(incControl))
        SetControl(src.m_nControl);
    if (take(incInterior))
        SetInterior(src.m_brush);

    // Borders side by side: a set side of the source fills a side that is not set here (or any side when
    // overriding).
    if ((src.m_nInclude & incBorders) && src.m_pBorders) {
        const bool hadBorders = (m_nInclude & incBorders) && m_pBorders;
        if (!hadBorders)
            m_pBorders.reset();
        std::array<CGELinePen, 4>& borders = Borders();
        for (size_t side = 0; side < borders.size(); ++side) {
            const CGELinePen& pen = (*src.m_pBorders)[side];
            if (pen.IsSet() && (bOverride || !hadBorders || !borders[side].IsSet()))
                borders[side] = pen;
        }
        UpdateBordersIncluded();
    }

    if ((src.m_nInclude & incFont) && src.m_pFont)
        ChangeFont(*src.m_pFont, bOverride ? geOverride : geApplyNew);

    if (take(incValue)) {
        m_strValue = src.m_strValue;
        SetValueType(src.GetValueType());
    }
    if (take(incFormat))
        SetFormat(src.GetFormat());
    if (take(incPlaces))
        SetPlaces(src.GetPlaces());
    if (take(incBaseStyle))
        SetBaseStyle(src.GetBaseStyle());
    if (take(incChoiceList))
        SetChoiceList(src.m_strChoiceList);

    if ((src.m_nInclude & incUserAttributes) && src.m_pUserAttributes && !src.m_pUserAttributes->IsEmpty()) {
        if (!(m_nInclude & incUserAttributes))
            m_pUserAttributes.reset();
        UserAttributesPart().MergeFrom(*src.m_pUserAttributes, bOverride ? geOverride : geApplyNew);
        m_nInclude |= incUserAttributes;
    }
    if (take(incItemValue))
        SetItemValue(src.m_nItemValue);
}

void CGEStyle::ExcludeAttributes(const CGEStyle& src) {
    SetIncludeBits(src.m_nInclude & ~(incBorders | incFont | incUserAttributes), FALSE);
    if ((src.m_nInclude & incBorders) && src.m_pBorders && m_pBorders) {
        for (size_t side = 0; side < m_pBorders->size(); ++side)
            if ((*src.m_pBorders)[side].IsSet())
                (*m_pBorders)[side] = CGELinePen();
        UpdateBordersIncluded();
    }
    // The font and the user attributes lose the source's parts; what remains stays included.
    if ((src.m_nInclude & incFont) && src.m_pFont && m_pFont) {
        m_pFont->MergeFrom(*src.m_pFont, geExclude);
        if (m_pFont->IsEmpty())
            SetIncludeBits(incFont, FALSE);
    }
    if ((src.m_nInclude & incUserAttributes) && src.m_pUserAttributes && m_pUserAttributes) {
        m_pUserAttributes->MergeFrom(*src.m_pUserAttributes, geExclude);
        if (m_pUserAttributes->IsEmpty())
            SetIncludeBits(incUserAttributes, FALSE);
    }
}

CGEStyle& CGEStyle::SetDefaultStyle() {
    FreeParts();
    SetHorizontalAlignment(DT_LEFT)
        .SetVerticalAlignment(DT_TOP)
        .SetReadOnly(FALSE)
        .SetControl(editControlId)
        .SetInterior(GESysColor(COLOR_WINDOW))
        .SetTextColor(GESysColor(COLOR_WINDOWTEXT))
        .SetWrapText(TRUE)
        .SetAllowEnter(FALSE)
        .ChangeFont(CGEFont::GetDefaultFont(), geCopy)
        .SetValue("");
    SetChoiceList("")
        .SetVerticalScrollbar(FALSE)
        .SetMaxLength(0)
        .SetEnabled(TRUE)
        .SetTriState(FALSE)
        .SetDraw3dFrame(0)
        .SetAutoSize(FALSE)
        .SetItemValue(0)
        .SetFloatCell(TRUE)
        .SetFloodCell(TRUE)
        .SetMergeCell(0)
        .SetFormat(0)
        .SetPlaces(13);
    return *this;
}

void CGEStyle::LoadBaseStyles(const CGEStylesMap& map) {
    std::bitset<256> seen;
    UINT id = GetBaseStyle();
    bool more = (m_nInclude & incBaseStyle) != 0;
    while (more && !seen.test(id)) {
        seen.set(id);
        const CGEStyle* base = map.LookupStyle(id);
        if (base == nullptr)
            break;
        MergeFrom(*base, geApplyNew);
        more = (base->m_nInclude & incBaseStyle) != 0;
        id = base->GetBaseStyle();
    }
}
