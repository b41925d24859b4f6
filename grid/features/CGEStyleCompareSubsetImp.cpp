#include "grid/features/CGEStyleCompareSubsetImp.h"

#include "grid/core/CGEFont.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGELinePen.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEUserAttributeMap.h"

#include <cstring>
#include <memory>

namespace {

// Every user attribute of subset is held by style with an equal value.
BOOL AttributesContained(const CGEUserAttributeMap* pStyle, const CGEUserAttributeMap* pSubset) {
    if (pSubset == nullptr)
        return TRUE;
    for (INT_PTR i = 0; i < pSubset->GetCount(); ++i) {
        const CGEAbstractUserAttribute* pHeld =
            pStyle != nullptr ? pStyle->Lookup(pSubset->GetIdAt(i)) : nullptr;
        if (pHeld == nullptr || !pHeld->IsEqual(pSubset->GetAttributeAt(i)))
            return FALSE;
    }
    return TRUE;
}

// The value of one included attribute compared; the order follows the attributes that most often differ.
BOOL SameValue(const CGEStyle& a, const CGEStyle& b, DWORD nBit) {
    switch (nBit) {
    case CGEStyle::incHorizontalAlignment:
        return a.GetHorizontalAlignment() == b.GetHorizontalAlignment();
    case CGEStyle::incVerticalAlignment:
        return a.GetVerticalAlignment() == b.GetVerticalAlignment();
    case CGEStyle::incReadOnly:
        return a.GetReadOnly() == b.GetReadOnly();
    case CGEStyle::incFloatCell:
        return a.GetFloatCell() == b.GetFloatCell();
    case CGEStyle::incFloodCell:
        return a.GetFloodCell() == b.GetFloodCell();
    case CGEStyle::incMergeCell:
        return a.GetMergeCell() == b.GetMergeCell();
    case CGEStyle::incDraw3dFrame:
        return a.GetDraw3dFrame() == b.GetDraw3dFrame();
    case CGEStyle::incMaxLength:
        return a.GetMaxLength() == b.GetMaxLength();
    case CGEStyle::incVerticalScrollbar:
        return a.GetVerticalScrollbar() == b.GetVerticalScrollbar();
    case CGEStyle::incControl:
        return a.GetControl() == b.GetControl();
    case CGEStyle::incInterior:
        return a.GetInterior() == b.GetInterior();
    case CGEStyle::incTextColor:
        return a.GetTextColorRef() == b.GetTextColorRef();
    case CGEStyle::incWrapText:
        return a.GetWrapText() == b.GetWrapText();
    case CGEStyle::incAllowEnter:
        return a.GetAllowEnter() == b.GetAllowEnter();
    case CGEStyle::incBorders:
        for (int side = CGEStyle::borderTop; side <= CGEStyle::borderRight; ++side) {
            if (!(a.GetBorder(side) == b.GetBorder(side)))
                return FALSE;
        }
        return TRUE;
    case CGEStyle::incFont:
        return a.GetFont() == b.GetFont();
    case CGEStyle::incValue:
        return std::strcmp(a.GetValue(), b.GetValue()) == 0 && a.GetValueType() == b.GetValueType();
    case CGEStyle::incChoiceList:
        return std::strcmp(a.GetChoiceList(), b.GetChoiceList()) == 0;
    case CGEStyle::incBaseStyle:
        return a.GetBaseStyle() == b.GetBaseStyle();
    case CGEStyle::incEnabled:
        return a.GetEnabled() == b.GetEnabled();
    case CGEStyle::incTriState:
        return a.GetTriState() == b.GetTriState();
    case CGEStyle::incUserAttributes:
        return AttributesContained(a.GetUserAttributes(), b.GetUserAttributes());
    case CGEStyle::incAutoSize:
        return a.GetAutoSize() == b.GetAutoSize();
    case CGEStyle::incItemValue:
        return a.GetItemValue() == b.GetItemValue();
    case CGEStyle::incFormat:
        return a.GetFormat() == b.GetFormat();
    case CGEStyle::incPlaces:
        return a.GetPlaces() == b.GetPlaces();
    default:
        return TRUE;
    }
}

} // namespace

BOOL CGEStyleCompareSubsetImp::IsSubSet(const CGEStyle& style, const CGEStyle& subset) {
    static const DWORD kOrder[] = {
        CGEStyle::incHorizontalAlignment,
        CGEStyle::incVerticalAlignment,
        CGEStyle::incReadOnly,
        CGEStyle::incFloatCell,
        CGEStyle::incFloodCell,
        CGEStyle::incMergeCell,
        CGEStyle::incDraw3dFrame,
        CGEStyle::incMaxLength,
        CGEStyle::incVerticalScrollbar,
        CGEStyle::incControl,
        CGEStyle::incInterior,
        CGEStyle::incTextColor,
        CGEStyle::incWrapText,
        CGEStyle::incAllowEnter,
        CGEStyle::incBorders,
        CGEStyle::incFont,
        CGEStyle::incValue,
        CGEStyle::incChoiceList,
        CGEStyle::incBaseStyle,
        CGEStyle::incEnabled,
        CGEStyle::incTriState,
        CGEStyle::incUserAttributes,
        CGEStyle::incAutoSize,
        CGEStyle::incItemValue,
        CGEStyle::incFormat,
        CGEStyle::incPlaces,
    };
    const DWORD nWanted = subset.GetIncludeMask();
    const DWORD nHeld = style.GetIncludeMask();
    for (DWORD nBit : kOrder) {
        if ((nWanted & nBit) == 0)
            continue;
        if ((nHeld & nBit) == 0 || !SameValue(style, subset, nBit))
            return FALSE;
    }
    return TRUE;
}

void GEInstallStyleCompareSubset() {
    CGELibraryState* state = GEGetLibraryState();
    if (state->m_pStyleCompareSubsetImp != nullptr)
        return;
    auto imp = std::make_unique<CGEStyleCompareSubsetImp>();
    state->m_pStyleCompareSubsetImp = imp.get();
    state->AddAutoDeleteObject(imp.release());
}
