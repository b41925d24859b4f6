// CGEStyle: the appearance and content of one cell, row, column, table or named base style. It holds any
// subset of 26 attributes; the include mask says which of them it sets. The effective style of a cell is
// built by merging the cell's own style with its row, column, table and base styles, each merge filling
// only what is still missing (MergeFrom with geApplyNew). The font, the border pens and the user attributes
// are owned parts, created on first use and copied deeply.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "grid/core/CGEAbstractUserAttribute.h"
#include "grid/core/CGEFont.h"
#include "grid/core/CGELinePen.h"
#include "grid/core/CGEStyleBrush.h"
#include "grid/core/CGEStyleColor.h"
#include "grid/core/CGEStyleMergeMode.h"
#include "grid/core/CGEUserAttributeMap.h"

#include <array>
#include <memory>

class CGEStylesMap;

class CGEStyle : public CObject {
    DECLARE_SERIAL(CGEStyle)
public:
    // Include mask bits (the public form, as GetIncludeMask answers and the archive and profile use).
    enum Include : DWORD {
        incHorizontalAlignment = 1u << 0,
        incVerticalAlignment = 1u << 1,
        incReadOnly = 1u << 2,
        incControl = 1u << 3,
        incInterior = 1u << 4,
        incTextColor = 1u << 5,
        incWrapText = 1u << 6,
        incAllowEnter = 1u << 7,
        incBorders = 1u << 8,
        incFont = 1u << 9,
        incValue = 1u << 10,
        incChoiceList = 1u << 11,
        incVerticalScrollbar = 1u << 12,
        incMaxLength = 1u << 13,
        incBaseStyle = 1u << 14,
        incEnabled = 1u << 15,
        incTriState = 1u << 16,
        incDraw3dFrame = 1u << 17,
        incUserAttributes = 1u << 18,
        incAutoSize = 1u << 19,
        incItemValue = 1u << 20,
        incFloatCell = 1u << 21,
        incFloodCell = 1u << 22,
        incMergeCell = 1u << 23,
        incFormat = 1u << 24,
        incPlaces = 1u << 25,
        incAll = (1u << 26) - 1,
    };

    // Border sides, in the order the style keeps them.
    enum BorderSide : int {
        borderTop = 0,
        borderLeft = 1,
        borderBottom = 2,
        borderRight = 3,
        borderAll = -1
    };

    // Value types: 0 after every plain text assignment; SetValueUnsigned gives valueNumber. The others are
    // their users'.
    enum ValueType : UINT { valueText = 0, valueNumber = 1 };

    // The control id of the edit control, the default control of a cell.
    static constexpr WORD editControlId = 52512;

    // Nothing included, no owned parts.
    CGEStyle() = default;
    // Copies every field and the included owned parts.
    CGEStyle(const CGEStyle& src);
    CGEStyle& operator=(const CGEStyle& src) { return Assign(src); }
    ~CGEStyle() override = default;

    // ---- overridable operations
    // The archive form through the style-serialisation feature, without a styles map of its own (nothing
    // happens when the feature is not installed).
    void Serialize(CArchive& ar) override;
    // A new style of this style's class holding a deep copy; the caller owns it.
    virtual CGEStyle* Clone() const;
    // Sets the value text (value type text).
    virtual CGEStyle& SetValue(const char* pszValue);
    // Becomes a deep copy of src.
    virtual CGEStyle& Assign(const CGEStyle& src);
    // Frees the owned parts, then sets every attribute to its default: value and choice list empty,
    // control 52512, interior COLOR_WINDOW, text colour COLOR_WINDOWTEXT, wrap text, enabled, float and flood
    // cell TRUE, places 13, everything else off or 0, the default font; borders, base style and user
    // attributes stay not included.
    virtual CGEStyle& SetDefaultStyle();
    // TRUE when this style is a subset of other (other includes every attribute this one does, with the same
    // value), through the style-comparison feature; FALSE without it.
    virtual BOOL IsSubSet(const CGEStyle& other) const;
    // The archive form through the style-serialisation feature (nothing without it). pStylesMap resolves
    // base-style names; null: the archive's document pointer when that is a styles map.
    virtual void SerializeWithMap(CArchive& ar, const CGEStylesMap* pStylesMap);
    // The style's values in a profile section, through the registry-profile feature (nothing without it;
    // reading then returns FALSE).
    virtual void WriteProfile(const char* pszSection, const CGEStylesMap* pStylesMap = nullptr) const;
    virtual BOOL ReadProfile(const char* pszSection, CGEStylesMap* pStylesMap = nullptr);
    // While the style includes a base style, merges that base style's record from the map in (geApplyNew)
    // and goes on with the base style's own base style; stops at an id the map does not hold or at an id
    // met before (a cycle).
    virtual void LoadBaseStyles(const CGEStylesMap& map);
    // Merges src in by a GEStyleMergeMode. Any mode but geExclude on a style that includes nothing copies.
    virtual void MergeFrom(const CGEStyle& src, UINT nMode);
    // Empties the style: frees the owned parts, empties the texts and clears every include bit.
    virtual void FreeParts();

    // The archive form itself (schema 6; loading reads schemas 0 to 6, those below 5 only with the
    // older-format feature installed). The style-serialisation feature calls it. Loading refuses a schema
    // above 6 and damaged data with the archive exception; the style is then left as it was.
    void SerializeLayout(CArchive& ar, const CGEStylesMap* pStylesMap);
    // Takes over a user-attribute map (null removes them); the older-format reader hands its result here.
    CGEStyle& SetUserAttributes(std::unique_ptr<CGEUserAttributeMap> pAttributes);

    // ---- include mask
    DWORD GetIncludeMask() const { return m_nInclude; }
    // Sets the mask (bits 26-31 ignored); attributes whose bits are cleared lose their value or owned part.
    CGEStyle& SetIncludeMask(DWORD nMask);
    BOOL GetIncludeBits(DWORD nMask) const { return (m_nInclude & nMask) == nMask ? TRUE : FALSE; }
    // Including an attribute keeps its present value (owned parts are created empty); excluding it empties
    // the value text or frees the owned part.
    CGEStyle& SetIncludeBits(DWORD nMask, BOOL bInclude);
    // TRUE when no attribute is included.
    BOOL IsEmpty() const { return m_nInclude == 0 ? TRUE : FALSE; }

    // Per attribute: whether it is included, and an include setter.
    BOOL GetIncludeHorizontalAlignment() const { return GetIncludeBits(incHorizontalAlignment); }
    CGEStyle& SetIncludeHorizontalAlignment(BOOL bInclude) {
        return SetIncludeBits(incHorizontalAlignment, bInclude);
    }
    BOOL GetIncludeVerticalAlignment() const { return GetIncludeBits(incVerticalAlignment); }
    CGEStyle& SetIncludeVerticalAlignment(BOOL bInclude) {
        return SetIncludeBits(incVerticalAlignment, bInclude);
    }
    BOOL GetIncludeReadOnly() const { return GetIncludeBits(incReadOnly); }
    CGEStyle& SetIncludeReadOnly(BOOL bInclude) { return SetIncludeBits(incReadOnly, bInclude); }
    BOOL GetIncludeControl() const { return GetIncludeBits(incControl); }
    CGEStyle& SetIncludeControl(BOOL bInclude) { return SetIncludeBits(incControl, bInclude); }
    BOOL GetIncludeInterior() const { return GetIncludeBits(incInterior); }
    CGEStyle& SetIncludeInterior(BOOL bInclude) { return SetIncludeBits(incInterior, bInclude); }
    BOOL GetIncludeTextColor() const { return GetIncludeBits(incTextColor); }
    CGEStyle& SetIncludeTextColor(BOOL bInclude) { return SetIncludeBits(incTextColor, bInclude); }
    BOOL GetIncludeWrapText() const { return GetIncludeBits(incWrapText); }
    CGEStyle& SetIncludeWrapText(BOOL bInclude) { return SetIncludeBits(incWrapText, bInclude); }
    BOOL GetIncludeAllowEnter() const { return GetIncludeBits(incAllowEnter); }
    CGEStyle& SetIncludeAllowEnter(BOOL bInclude) { return SetIncludeBits(incAllowEnter, bInclude); }
    BOOL GetIncludeBorders() const { return GetIncludeBits(incBorders); }
    CGEStyle& SetIncludeBorders(BOOL bInclude) { return SetIncludeBits(incBorders, bInclude); }
    BOOL GetIncludeFont() const { return GetIncludeBits(incFont); }
    CGEStyle& SetIncludeFont(BOOL bInclude) { return SetIncludeBits(incFont, bInclude); }
    BOOL GetIncludeValue() const { return GetIncludeBits(incValue); }
    CGEStyle& SetIncludeValue(BOOL bInclude) { return SetIncludeBits(incValue, bInclude); }
    BOOL GetIncludeChoiceList() const { return GetIncludeBits(incChoiceList); }
    CGEStyle& SetIncludeChoiceList(BOOL bInclude) { return SetIncludeBits(incChoiceList, bInclude); }
    BOOL GetIncludeVerticalScrollbar() const { return GetIncludeBits(incVerticalScrollbar); }
    CGEStyle& SetIncludeVerticalScrollbar(BOOL bInclude) {
        return SetIncludeBits(incVerticalScrollbar, bInclude);
    }
    BOOL GetIncludeMaxLength() const { return GetIncludeBits(incMaxLength); }
    CGEStyle& SetIncludeMaxLength(BOOL bInclude) { return SetIncludeBits(incMaxLength, bInclude); }
    BOOL GetIncludeBaseStyle() const { return GetIncludeBits(incBaseStyle); }
    CGEStyle& SetIncludeBaseStyle(BOOL bInclude) { return SetIncludeBits(incBaseStyle, bInclude); }
    BOOL GetIncludeEnabled() const { return GetIncludeBits(incEnabled); }
    CGEStyle& SetIncludeEnabled(BOOL bInclude) { return SetIncludeBits(incEnabled, bInclude); }
    BOOL GetIncludeTriState() const { return GetIncludeBits(incTriState); }
    CGEStyle& SetIncludeTriState(BOOL bInclude) { return SetIncludeBits(incTriState, bInclude); }
    BOOL GetIncludeDraw3dFrame() const { return GetIncludeBits(incDraw3dFrame); }
    CGEStyle& SetIncludeDraw3dFrame(BOOL bInclude) { return SetIncludeBits(incDraw3dFrame, bInclude); }
    BOOL GetIncludeUserAttributes() const { return GetIncludeBits(incUserAttributes); }
    CGEStyle& SetIncludeUserAttributes(BOOL bInclude) { return SetIncludeBits(incUserAttributes, bInclude); }
    BOOL GetIncludeAutoSize() const { return GetIncludeBits(incAutoSize); }
    CGEStyle& SetIncludeAutoSize(BOOL bInclude) { return SetIncludeBits(incAutoSize, bInclude); }
    BOOL GetIncludeItemValue() const { return GetIncludeBits(incItemValue); }
    CGEStyle& SetIncludeItemValue(BOOL bInclude) { return SetIncludeBits(incItemValue, bInclude); }
    BOOL GetIncludeFloatCell() const { return GetIncludeBits(incFloatCell); }
    CGEStyle& SetIncludeFloatCell(BOOL bInclude) { return SetIncludeBits(incFloatCell, bInclude); }
    BOOL GetIncludeFloodCell() const { return GetIncludeBits(incFloodCell); }
    CGEStyle& SetIncludeFloodCell(BOOL bInclude) { return SetIncludeBits(incFloodCell, bInclude); }
    BOOL GetIncludeMergeCell() const { return GetIncludeBits(incMergeCell); }
    CGEStyle& SetIncludeMergeCell(BOOL bInclude) { return SetIncludeBits(incMergeCell, bInclude); }
    BOOL GetIncludeFormat() const { return GetIncludeBits(incFormat); }
    CGEStyle& SetIncludeFormat(BOOL bInclude) { return SetIncludeBits(incFormat, bInclude); }
    BOOL GetIncludePlaces() const { return GetIncludeBits(incPlaces); }
    CGEStyle& SetIncludePlaces(BOOL bInclude) { return SetIncludeBits(incPlaces, bInclude); }

    // ---- setters: each stores the value, sets its include bit and returns the style
    // 0 left, 1 centre, 2 right (DT_LEFT, DT_CENTER, DT_RIGHT); other values are stored as left.
    CGEStyle& SetHorizontalAlignment(UINT nAlign);
    // DT_TOP, DT_VCENTER or DT_BOTTOM (0, 4, 8); other values are stored as top.
    CGEStyle& SetVerticalAlignment(UINT nAlign);
    CGEStyle& SetReadOnly(BOOL bReadOnly);
    CGEStyle& SetControl(WORD nControlId);
    CGEStyle& SetInterior(const CGEStyleBrush& brush);
    // A solid interior of one colour word.
    CGEStyle& SetInterior(COLORREF color) { return SetInterior(CGEStyleBrush(color)); }
    CGEStyle& SetTextColor(COLORREF color);
    CGEStyle& SetWrapText(BOOL bWrap);
    CGEStyle& SetAllowEnter(BOOL bAllow);
    // One side (borderTop .. borderRight) or all four (borderAll).
    CGEStyle& SetBorder(int nSide, const CGELinePen& pen);
    // All four sides from an array of four pens; null frees the borders and clears their include bit.
    CGEStyle& SetBorders(const CGELinePen* pPens);
    // Marks sides set or not set (a side marked set without a pen gets a solid pen of width 1 in the window
    // text colour); the include bit says whether any side is still set.
    CGEStyle& SetBorderIncluded(int nSide, BOOL bIncluded);
    // Merges a font in by a GEStyleMergeMode; the font's include bit says whether the font sets anything.
    CGEStyle& ChangeFont(const CGEFont& font, UINT nMode);
    CGEStyle& SetFont(const CGEFont& font) { return ChangeFont(font, geCopy); }
    CGEStyle& SetValueString(const CString& value);
    CGEStyle& SetValueUnsigned(DWORD nValue); // "%lu", numeric value type
    CGEStyle& SetValueType(UINT nType);       // 0..7
    // Lines separated by CR-LF.
    CGEStyle& SetChoiceList(const char* pszChoices);
    CGEStyle& SetVerticalScrollbar(BOOL bScrollbar);
    CGEStyle& SetMaxLength(WORD nMaxLength);
    // The 8-bit id of a base style in the styles map.
    CGEStyle& SetBaseStyle(UINT nBaseStyleId);
    CGEStyle& SetEnabled(BOOL bEnabled);
    CGEStyle& SetTriState(BOOL bTriState);
    // 0 none, 1 raised, 2 inset, 3.
    CGEStyle& SetDraw3dFrame(UINT nFrame);
    CGEStyle& SetUserAttribute(UINT nId, const CGEAbstractUserAttribute& value);
    CGEStyle& SetUserAttribute(UINT nId, const char* pszValue);
    CGEStyle& SetAutoSize(BOOL bAutoSize);
    // An opaque value carried through merges (archived as 32 bits).
    CGEStyle& SetItemValue(DWORD_PTR nValue);
    CGEStyle& SetFloatCell(BOOL bFloat);
    CGEStyle& SetFloodCell(BOOL bFlood);
    CGEStyle& SetMergeCell(UINT nMode); // 0..7
    CGEStyle& SetFormat(UINT nFormat);  // 0..31
    CGEStyle& SetPlaces(UINT nPlaces);  // 0..15

    // ---- getters (the stored value, whether or not it is included)
    UINT GetHorizontalAlignment() const; // DT_LEFT, DT_CENTER or DT_RIGHT
    UINT GetVerticalAlignment() const;   // DT_TOP, DT_VCENTER or DT_BOTTOM
    BOOL GetReadOnly() const { return AttrBit(kReadOnly); }
    WORD GetControl() const { return m_nControl; }
    const CGEStyleBrush& GetInterior() const { return m_brush; }
    // The colour to draw the text with (a system colour looked up), and the stored form (a system colour
    // with its reference byte).
    COLORREF GetTextColor() const;
    COLORREF GetTextColorRef() const;
    BOOL GetWrapText() const { return AttrBit(kWrapText); }
    BOOL GetAllowEnter() const { return AttrBit(kAllowEnter); }
    // The pen of a side (a pen that is not set when the style has no borders).
    const CGELinePen& GetBorder(int nSide) const;
    BOOL HasBorder(int nSide) const { return GetBorder(nSide).IsSet(); }
    // The font (an empty font when the style has none).
    const CGEFont& GetFont() const;
    const CString& GetValue() const { return m_strValue; }
    UINT GetValueType() const { return AttrField(kValueTypeShift, 7); }
    const CString& GetChoiceList() const { return m_strChoiceList; }
    BOOL GetVerticalScrollbar() const { return AttrBit(kVerticalScrollbar); }
    WORD GetMaxLength() const { return m_nMaxLength; }
    UINT GetBaseStyle() const { return m_nTextColor >> 24; }
    BOOL GetEnabled() const { return AttrBit(kEnabled); }
    BOOL GetTriState() const { return AttrBit(kTriState); }
    UINT GetDraw3dFrame() const { return AttrField(0, 3); }
    BOOL GetAutoSize() const { return AttrBit(kAutoSize); }
    DWORD_PTR GetItemValue() const { return m_nItemValue; }
    BOOL GetFloatCell() const { return AttrBit(kFloatCell); }
    BOOL GetFloodCell() const { return AttrBit(kFloodCell); }
    UINT GetMergeCell() const { return AttrField(kMergeShift, 7); }
    UINT GetFormat() const { return m_nNumberFormat & 31; }
    UINT GetPlaces() const { return (m_nNumberFormat >> 5) & 15; }
    // The user attributes (null when the style has none).
    const CGEUserAttributeMap* GetUserAttributes() const { return m_pUserAttributes.get(); }
    BOOL HasUserAttribute(UINT nId) const;
    // The attribute under nId, or a shared empty attribute.
    const CGEAbstractUserAttribute& GetUserAttribute(UINT nId) const;

protected:
    // Packed attribute word.
    static constexpr DWORD kReadOnly = 1u << 2;
    static constexpr DWORD kVerticalScrollbar = 1u << 3;
    static constexpr DWORD kWrapText = 1u << 4;
    static constexpr DWORD kAllowEnter = 1u << 5;
    static constexpr DWORD kEnabled = 1u << 6;
    static constexpr DWORD kTriState = 1u << 7;
    static constexpr DWORD kAutoSize = 1u << 8;
    static constexpr DWORD kFloodCell = 1u << 9;
    static constexpr DWORD kFloatCell = 1u << 10;
    static constexpr UINT kMergeShift = 11;
    static constexpr UINT kHorzShift = 14;
    static constexpr UINT kVertShift = 16;
    static constexpr UINT kTextKindShift = 18;
    static constexpr UINT kValueTypeShift = 20;

    BOOL AttrBit(DWORD nBit) const { return (m_nAttributes & nBit) != 0 ? TRUE : FALSE; }
    UINT AttrField(UINT nShift, UINT nMask) const { return (m_nAttributes >> nShift) & nMask; }
    CGEStyle& SetAttrBit(DWORD nBit, BOOL bOn, DWORD nInclude);
    CGEStyle& SetAttrField(UINT nShift, UINT nMask, UINT nValue, DWORD nInclude);
    // Recomputes the borders' include bit from the sides (frees the pens when no side is set).
    void UpdateBordersIncluded();
    std::array<CGELinePen, 4>& Borders();
    CGEFont& FontPart();
    CGEUserAttributeMap& UserAttributesPart();
    void MergeAttributes(const CGEStyle& src, BOOL bOverride);
    void ExcludeAttributes(const CGEStyle& src);

    DWORD m_nInclude = 0;
    WORD m_nMaxLength = 0;
    CGEStyleBrush m_brush;
    WORD m_nControl = 0;
    DWORD m_nAttributes = 0;
    DWORD m_nTextColor = 0;    // bits 0-23 colour (or system index), bits 24-31 base style id
    DWORD m_nNumberFormat = 0; // bits 0-4 format, bits 5-8 places
    std::unique_ptr<std::array<CGELinePen, 4>> m_pBorders;
    std::unique_ptr<CGEFont> m_pFont;
    CString m_strValue;
    CString m_strChoiceList;
    std::unique_ptr<CGEUserAttributeMap> m_pUserAttributes;
    DWORD_PTR m_nItemValue = 0;
};
