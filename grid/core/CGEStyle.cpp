#include "grid/core/CGEStyle.h"

#include "framework/core/CArchive.h"
#include "grid/core/CGEUserAttribute.h"

IMPLEMENT_SERIAL(CGEStyle, CObject, VERSIONABLE_SCHEMA | 6)

namespace {
const CGELinePen kNoPen;
const CGEFont kNoFont;

bool ValidSide(int nSide) {
    return nSide >= CGEStyle::borderTop && nSide <= CGEStyle::borderRight;
}
} // namespace

CGEStyle::CGEStyle(const CGEStyle& src) : CObject() {
    Assign(src);
}

CGEStyle* CGEStyle::Clone() const {
    // A style of this style's own class, so derived styles clone as themselves.
    std::unique_ptr<CObject> created(GetRuntimeClass()->CreateObject());
    std::unique_ptr<CGEStyle> copy(created != nullptr && created->IsKindOf(RUNTIME_CLASS(CGEStyle))
                                       ? static_cast<CGEStyle*>(created.release())
                                       : new CGEStyle);
    copy->Assign(*this);
    return copy.release();
}

CGEStyle& CGEStyle::Assign(const CGEStyle& src) {
    if (&src == this)
        return *this;
    // Copies of the parts first, so a failed allocation leaves this style as it was.
    auto borders = (src.m_nInclude & incBorders) && src.m_pBorders
                       ? std::make_unique<std::array<CGELinePen, 4>>(*src.m_pBorders)
                       : nullptr;
    auto font = (src.m_nInclude & incFont) && src.m_pFont ? std::make_unique<CGEFont>(*src.m_pFont) : nullptr;
    auto attributes = (src.m_nInclude & incUserAttributes) && src.m_pUserAttributes
                          ? std::make_unique<CGEUserAttributeMap>(*src.m_pUserAttributes)
                          : nullptr;
    m_nInclude = src.m_nInclude;
    m_nMaxLength = src.m_nMaxLength;
    m_brush = src.m_brush;
    m_nControl = src.m_nControl;
    m_nAttributes = src.m_nAttributes;
    m_nTextColor = src.m_nTextColor;
    m_nNumberFormat = src.m_nNumberFormat;
    m_pBorders = std::move(borders);
    m_pFont = std::move(font);
    m_strValue = src.m_strValue;
    m_strChoiceList = src.m_strChoiceList;
    m_pUserAttributes = std::move(attributes);
    m_nItemValue = src.m_nItemValue;
    return *this;
}

CGEStyle& CGEStyle::SetValue(const char* pszValue) {
    m_strValue = pszValue != nullptr ? pszValue : "";
    return SetAttrField(kValueTypeShift, 7, valueText, incValue);
}

void CGEStyle::FreeParts() {
    m_pBorders.reset();
    m_pFont.reset();
    m_pUserAttributes.reset();
    m_strValue.Empty();
    m_strChoiceList.Empty();
    m_nInclude = 0;
    m_nMaxLength = 0;
    m_brush = CGEStyleBrush();
    m_nControl = 0;
    m_nAttributes = 0;
    m_nTextColor = 0;
    m_nNumberFormat = 0;
    m_nItemValue = 0;
}

CGEStyle& CGEStyle::SetIncludeMask(DWORD nMask) {
    nMask &= incAll;
    SetIncludeBits(m_nInclude & ~nMask, FALSE);
    return SetIncludeBits(nMask, TRUE);
}

CGEStyle& CGEStyle::SetIncludeBits(DWORD nMask, BOOL bInclude) {
    nMask &= incAll;
    if (bInclude) {
        if (nMask & incBorders)
            Borders();
        if (nMask & incFont)
            FontPart();
        if (nMask & incUserAttributes)
            UserAttributesPart();
        m_nInclude |= nMask;
        return *this;
    }
    m_nInclude &= ~nMask;
    if (nMask & incValue) {
        m_strValue.Empty();
        m_nAttributes &= ~(7u << kValueTypeShift);
    }
    if (nMask & incChoiceList)
        m_strChoiceList.Empty();
    if (nMask & incBorders)
        m_pBorders.reset();
    if (nMask & incFont)
        m_pFont.reset();
    if (nMask & incUserAttributes)
        m_pUserAttributes.reset();
    return *this;
}

CGEStyle& CGEStyle::SetAttrBit(DWORD nBit, BOOL bOn, DWORD nInclude) {
    m_nAttributes = bOn ? (m_nAttributes | nBit) : (m_nAttributes & ~nBit);
    m_nInclude |= nInclude;
    return *this;
}

CGEStyle& CGEStyle::SetAttrField(UINT nShift, UINT nMask, UINT nValue, DWORD nInclude) {
    m_nAttributes = (m_nAttributes & ~(nMask << nShift)) | ((nValue & nMask) << nShift);
    m_nInclude |= nInclude;
    return *this;
}

CGEStyle& CGEStyle::SetHorizontalAlignment(UINT nAlign) {
    return SetAttrField(kHorzShift, 3, nAlign <= 2 ? nAlign : 0, incHorizontalAlignment);
}

CGEStyle& CGEStyle::SetVerticalAlignment(UINT nAlign) {
    const UINT stored = nAlign == DT_VCENTER ? 1 : nAlign == DT_BOTTOM ? 2 : 0;
    return SetAttrField(kVertShift, 3, stored, incVerticalAlignment);
}

UINT CGEStyle::GetHorizontalAlignment() const {
    const UINT stored = AttrField(kHorzShift, 3);
    return stored <= 2 ? stored : DT_LEFT;
}

UINT CGEStyle::GetVerticalAlignment() const {
    switch (AttrField(kVertShift, 3)) {
    case 1:
        return DT_VCENTER;
    case 2:
        return DT_BOTTOM;
    default:
        return DT_TOP;
    }
}

CGEStyle& CGEStyle::SetReadOnly(BOOL bReadOnly) {
    return SetAttrBit(kReadOnly, bReadOnly, incReadOnly);
}

CGEStyle& CGEStyle::SetControl(WORD nControlId) {
    m_nControl = nControlId;
    m_nInclude |= incControl;
    return *this;
}

CGEStyle& CGEStyle::SetInterior(const CGEStyleBrush& brush) {
    m_brush = brush;
    m_nInclude |= incInterior;
    return *this;
}

CGEStyle& CGEStyle::SetTextColor(COLORREF color) {
    UINT kind = 0;
    DWORD value = 0;
    CGEStyleColor::Decode(color, kind, value);
    m_nTextColor = (m_nTextColor & 0xFF000000) | value;
    return SetAttrField(kTextKindShift, 3, kind, incTextColor);
}

COLORREF CGEStyle::GetTextColor() const {
    return CGEStyleColor::ToDrawable(AttrField(kTextKindShift, 3), m_nTextColor & 0x00FFFFFF);
}

COLORREF CGEStyle::GetTextColorRef() const {
    return CGEStyleColor::ToReference(AttrField(kTextKindShift, 3), m_nTextColor & 0x00FFFFFF);
}

CGEStyle& CGEStyle::SetWrapText(BOOL bWrap) {
    return SetAttrBit(kWrapText, bWrap, incWrapText);
}

CGEStyle& CGEStyle::SetAllowEnter(BOOL bAllow) {
    return SetAttrBit(kAllowEnter, bAllow, incAllowEnter);
}

std::array<CGELinePen, 4>& CGEStyle::Borders() {
    if (!m_pBorders)
        m_pBorders = std::make_unique<std::array<CGELinePen, 4>>();
    return *m_pBorders;
}

void CGEStyle::UpdateBordersIncluded() {
    bool anySet = false;
    if (m_pBorders)
        for (const CGELinePen& pen : *m_pBorders)
            anySet = anySet || pen.IsSet();
    if (anySet) {
        m_nInclude |= incBorders;
    } else {
        m_nInclude &= ~incBorders;
        m_pBorders.reset();
    }
}

CGEStyle& CGEStyle::SetBorder(int nSide, const CGELinePen& pen) {
    if (nSide == borderAll)
        Borders().fill(pen);
    else if (ValidSide(nSide))
        Borders()[static_cast<size_t>(nSide)] = pen;
    UpdateBordersIncluded();
    return *this;
}

CGEStyle& CGEStyle::SetBorders(const CGELinePen* pPens) {
    if (pPens == nullptr) {
        m_pBorders.reset();
        m_nInclude &= ~incBorders;
        return *this;
    }
    std::array<CGELinePen, 4>& borders = Borders();
    for (size_t i = 0; i < borders.size(); ++i)
        borders[i] = pPens[i];
    UpdateBordersIncluded();
    return *this;
}

CGEStyle& CGEStyle::SetBorderIncluded(int nSide, BOOL bIncluded) {
    const auto mark = [bIncluded](CGELinePen& pen) {
        if (!bIncluded)
            pen = CGELinePen();
        else if (!pen.IsSet())
            pen = CGELinePen(PS_SOLID, 1, GESysColor(COLOR_WINDOWTEXT));
    };
    if (nSide == borderAll || ValidSide(nSide)) {
        if (bIncluded || m_pBorders) {
            std::array<CGELinePen, 4>& borders = Borders();
            if (nSide == borderAll)
                for (CGELinePen& pen : borders)
                    mark(pen);
            else
                mark(borders[static_cast<size_t>(nSide)]);
        }
    }
    UpdateBordersIncluded();
    return *this;
}

const CGELinePen& CGEStyle::GetBorder(int nSide) const {
    if (!m_pBorders || !(m_nInclude & incBorders) || !ValidSide(nSide))
        return kNoPen;
    return (*m_pBorders)[static_cast<size_t>(nSide)];
}

CGEFont& CGEStyle::FontPart() {
    if (!m_pFont)
        m_pFont = std::make_unique<CGEFont>();
    return *m_pFont;
}

CGEStyle& CGEStyle::ChangeFont(const CGEFont& font, UINT nMode) {
    if (!(m_nInclude & incFont) || nMode == geCopy)
        m_pFont = std::make_unique<CGEFont>();
    m_pFont->MergeFrom(font, nMode == geCopy ? geOverride : nMode);
    if (m_pFont->IsEmpty())
        SetIncludeBits(incFont, FALSE);
    else
        m_nInclude |= incFont;
    return *this;
}

const CGEFont& CGEStyle::GetFont() const {
    return m_pFont && (m_nInclude & incFont) ? *m_pFont : kNoFont;
}

CGEStyle& CGEStyle::SetValueString(const CString& value) {
    return SetValue(value);
}

CGEStyle& CGEStyle::SetValueUnsigned(DWORD nValue) {
    m_strValue.Format("%lu", static_cast<unsigned long>(nValue));
    return SetAttrField(kValueTypeShift, 7, valueNumber, incValue);
}

CGEStyle& CGEStyle::SetValueType(UINT nType) {
    return SetAttrField(kValueTypeShift, 7, nType, incValue);
}

CGEStyle& CGEStyle::SetChoiceList(const char* pszChoices) {
    m_strChoiceList = pszChoices != nullptr ? pszChoices : "";
    m_nInclude |= incChoiceList;
    return *this;
}

CGEStyle& CGEStyle::SetVerticalScrollbar(BOOL bScrollbar) {
    return SetAttrBit(kVerticalScrollbar, bScrollbar, incVerticalScrollbar);
}

CGEStyle& CGEStyle::SetMaxLength(WORD nMaxLength) {
    m_nMaxLength = nMaxLength;
    m_nInclude |= incMaxLength;
    return *this;
}

CGEStyle& CGEStyle::SetBaseStyle(UINT nBaseStyleId) {
    m_nTextColor = (m_nTextColor & 0x00FFFFFF) | ((nBaseStyleId & 0xFF) << 24);
    m_nInclude |= incBaseStyle;
    return *this;
}

CGEStyle& CGEStyle::SetEnabled(BOOL bEnabled) {
    return SetAttrBit(kEnabled, bEnabled, incEnabled);
}

CGEStyle& CGEStyle::SetTriState(BOOL bTriState) {
    return SetAttrBit(kTriState, bTriState, incTriState);
}

CGEStyle& CGEStyle::SetDraw3dFrame(UINT nFrame) {
    return SetAttrField(0, 3, nFrame, incDraw3dFrame);
}

CGEUserAttributeMap& CGEStyle::UserAttributesPart() {
    if (!m_pUserAttributes)
        m_pUserAttributes = std::make_unique<CGEUserAttributeMap>();
    return *m_pUserAttributes;
}

CGEStyle& CGEStyle::SetUserAttribute(UINT nId, const CGEAbstractUserAttribute& value) {
    if (!(m_nInclude & incUserAttributes))
        m_pUserAttributes.reset();
    UserAttributesPart().SetAttribute(nId, value);
    m_nInclude |= incUserAttributes;
    return *this;
}

CGEStyle& CGEStyle::SetUserAttribute(UINT nId, const char* pszValue) {
    return SetUserAttribute(nId, CGEUserAttribute(pszValue));
}

BOOL CGEStyle::HasUserAttribute(UINT nId) const {
    return GetUserAttributes() != nullptr && (m_nInclude & incUserAttributes) &&
                   m_pUserAttributes->Lookup(nId) != nullptr
               ? TRUE
               : FALSE;
}

const CGEAbstractUserAttribute& CGEStyle::GetUserAttribute(UINT nId) const {
    if (HasUserAttribute(nId))
        return *m_pUserAttributes->Lookup(nId);
    return CGEUserAttribute::GetEmpty();
}

CGEStyle& CGEStyle::SetAutoSize(BOOL bAutoSize) {
    return SetAttrBit(kAutoSize, bAutoSize, incAutoSize);
}

CGEStyle& CGEStyle::SetItemValue(DWORD_PTR nValue) {
    m_nItemValue = nValue;
    m_nInclude |= incItemValue;
    return *this;
}

CGEStyle& CGEStyle::SetFloatCell(BOOL bFloat) {
    return SetAttrBit(kFloatCell, bFloat, incFloatCell);
}

CGEStyle& CGEStyle::SetFloodCell(BOOL bFlood) {
    return SetAttrBit(kFloodCell, bFlood, incFloodCell);
}

CGEStyle& CGEStyle::SetMergeCell(UINT nMode) {
    return SetAttrField(kMergeShift, 7, nMode, incMergeCell);
}

CGEStyle& CGEStyle::SetFormat(UINT nFormat) {
    m_nNumberFormat = (m_nNumberFormat & ~31u) | (nFormat & 31);
    m_nInclude |= incFormat;
    return *this;
}

CGEStyle& CGEStyle::SetPlaces(UINT nPlaces) {
    m_nNumberFormat = (m_nNumberFormat & ~(15u << 5)) | ((nPlaces & 15) << 5);
    m_nInclude |= incPlaces;
    return *this;
}
