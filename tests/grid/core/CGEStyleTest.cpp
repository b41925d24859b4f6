// Cell styles: include bits of every setter, the packed attributes, colours, borders, owned parts and
// copies, the default style, the four merge modes and base-style chains.
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStylesMap.h"
#include "grid/core/CGEUserAttribute.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Setter = std::function<void(CGEStyle&)>;

struct SetterCase {
    const char* what;
    Setter set;
    DWORD bit;
    std::function<bool(const CGEStyle&)> holds;
};

TEST(CGEStyle, EverySetterIncludesItsAttributeAndStoresIt) {
    CGEFont font;
    font.SetSize(11);
    const SetterCase cases[] = {
        {"horizontal", [](CGEStyle& s) { s.SetHorizontalAlignment(DT_RIGHT); },
         CGEStyle::incHorizontalAlignment,
         [](const CGEStyle& s) { return s.GetHorizontalAlignment() == DT_RIGHT; }},
        {"vertical", [](CGEStyle& s) { s.SetVerticalAlignment(DT_BOTTOM); }, CGEStyle::incVerticalAlignment,
         [](const CGEStyle& s) { return s.GetVerticalAlignment() == DT_BOTTOM; }},
        {"read-only", [](CGEStyle& s) { s.SetReadOnly(TRUE); }, CGEStyle::incReadOnly,
         [](const CGEStyle& s) { return s.GetReadOnly(); }},
        {"control", [](CGEStyle& s) { s.SetControl(52513); }, CGEStyle::incControl,
         [](const CGEStyle& s) { return s.GetControl() == 52513; }},
        {"interior", [](CGEStyle& s) { s.SetInterior(RGB(1, 2, 3)); }, CGEStyle::incInterior,
         [](const CGEStyle& s) { return s.GetInterior().GetColor() == RGB(1, 2, 3); }},
        {"text colour", [](CGEStyle& s) { s.SetTextColor(RGB(4, 5, 6)); }, CGEStyle::incTextColor,
         [](const CGEStyle& s) { return s.GetTextColor() == RGB(4, 5, 6); }},
        {"wrap", [](CGEStyle& s) { s.SetWrapText(TRUE); }, CGEStyle::incWrapText,
         [](const CGEStyle& s) { return s.GetWrapText(); }},
        {"enter", [](CGEStyle& s) { s.SetAllowEnter(TRUE); }, CGEStyle::incAllowEnter,
         [](const CGEStyle& s) { return s.GetAllowEnter(); }},
        {"border", [](CGEStyle& s) { s.SetBorder(CGEStyle::borderLeft, CGELinePen(PS_SOLID, 1, 0)); },
         CGEStyle::incBorders, [](const CGEStyle& s) { return s.HasBorder(CGEStyle::borderLeft); }},
        {"font", [&](CGEStyle& s) { s.SetFont(font); }, CGEStyle::incFont,
         [](const CGEStyle& s) { return s.GetFont().GetSize() == 11; }},
        {"value", [](CGEStyle& s) { s.SetValue("x"); }, CGEStyle::incValue,
         [](const CGEStyle& s) { return s.GetValue() == "x" && s.GetValueType() == CGEStyle::valueText; }},
        {"unsigned", [](CGEStyle& s) { s.SetValueUnsigned(4000000000u); }, CGEStyle::incValue,
         [](const CGEStyle& s) {
             return s.GetValue() == "4000000000" && s.GetValueType() == CGEStyle::valueNumber;
         }},
        {"choices", [](CGEStyle& s) { s.SetChoiceList("a\r\nb"); }, CGEStyle::incChoiceList,
         [](const CGEStyle& s) { return s.GetChoiceList() == "a\r\nb"; }},
        {"scroll bar", [](CGEStyle& s) { s.SetVerticalScrollbar(TRUE); }, CGEStyle::incVerticalScrollbar,
         [](const CGEStyle& s) { return s.GetVerticalScrollbar(); }},
        {"max length", [](CGEStyle& s) { s.SetMaxLength(65535); }, CGEStyle::incMaxLength,
         [](const CGEStyle& s) { return s.GetMaxLength() == 65535; }},
        {"base style", [](CGEStyle& s) { s.SetBaseStyle(200); }, CGEStyle::incBaseStyle,
         [](const CGEStyle& s) { return s.GetBaseStyle() == 200; }},
        {"enabled", [](CGEStyle& s) { s.SetEnabled(TRUE); }, CGEStyle::incEnabled,
         [](const CGEStyle& s) { return s.GetEnabled(); }},
        {"tri-state", [](CGEStyle& s) { s.SetTriState(TRUE); }, CGEStyle::incTriState,
         [](const CGEStyle& s) { return s.GetTriState(); }},
        {"3-D frame", [](CGEStyle& s) { s.SetDraw3dFrame(2); }, CGEStyle::incDraw3dFrame,
         [](const CGEStyle& s) { return s.GetDraw3dFrame() == 2; }},
        {"user attribute", [](CGEStyle& s) { s.SetUserAttribute(52797, "255"); }, CGEStyle::incUserAttributes,
         [](const CGEStyle& s) { return s.GetUserAttribute(52797).GetLongValue() == 255; }},
        {"auto size", [](CGEStyle& s) { s.SetAutoSize(TRUE); }, CGEStyle::incAutoSize,
         [](const CGEStyle& s) { return s.GetAutoSize(); }},
        {"item value", [](CGEStyle& s) { s.SetItemValue(0x123456789ull); }, CGEStyle::incItemValue,
         [](const CGEStyle& s) { return s.GetItemValue() == 0x123456789ull; }},
        {"float", [](CGEStyle& s) { s.SetFloatCell(TRUE); }, CGEStyle::incFloatCell,
         [](const CGEStyle& s) { return s.GetFloatCell(); }},
        {"flood", [](CGEStyle& s) { s.SetFloodCell(TRUE); }, CGEStyle::incFloodCell,
         [](const CGEStyle& s) { return s.GetFloodCell(); }},
        {"merge", [](CGEStyle& s) { s.SetMergeCell(7); }, CGEStyle::incMergeCell,
         [](const CGEStyle& s) { return s.GetMergeCell() == 7; }},
        {"format", [](CGEStyle& s) { s.SetFormat(31); }, CGEStyle::incFormat,
         [](const CGEStyle& s) { return s.GetFormat() == 31; }},
        {"places", [](CGEStyle& s) { s.SetPlaces(15); }, CGEStyle::incPlaces,
         [](const CGEStyle& s) { return s.GetPlaces() == 15; }},
    };
    DWORD all = 0;
    CGEStyle combined;
    for (const SetterCase& c : cases) {
        CGEStyle s;
        c.set(s);
        EXPECT_EQ(s.GetIncludeMask(), c.bit) << c.what;
        EXPECT_TRUE(c.holds(s)) << c.what;
        // Setting every attribute on one style keeps each one's value: the packed fields do not overlap.
        c.set(combined);
        all |= c.bit;
    }
    EXPECT_EQ(all, static_cast<DWORD>(CGEStyle::incAll));
    EXPECT_EQ(combined.GetIncludeMask(), all);
    for (const SetterCase& c : cases) {
        if (c.what != std::string("value")) { // SetValueUnsigned replaced it
            EXPECT_TRUE(c.holds(combined)) << c.what;
        }
    }
}

TEST(CGEStyle, AlignmentsStoreOnlyTheirKnownValues) {
    const std::pair<UINT, UINT> horizontal[] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {99, 0}};
    for (auto [given, stored] : horizontal)
        EXPECT_EQ(CGEStyle().SetHorizontalAlignment(given).GetHorizontalAlignment(), stored) << given;
    const std::pair<UINT, UINT> vertical[] = {{0, 0}, {4, 4}, {8, 8}, {1, 0}, {2, 0}, {12, 0}};
    for (auto [given, stored] : vertical)
        EXPECT_EQ(CGEStyle().SetVerticalAlignment(given).GetVerticalAlignment(), stored) << given;
}

TEST(CGEStyle, TextColourKindsAndTheBaseStyleShareAWord) {
    CGEStyle s;
    s.SetBaseStyle(17).SetTextColor(GESysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(s.GetBaseStyle(), 17u);
    EXPECT_EQ(s.GetTextColor(), ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(s.GetTextColorRef(), GESysColor(COLOR_HIGHLIGHT) | ::GetSysColor(COLOR_HIGHLIGHT));
    s.SetTextColor(0x01000009);
    EXPECT_EQ(s.GetTextColorRef(), 0x01000009u);
    s.SetBaseStyle(3);
    EXPECT_EQ(s.GetTextColorRef(), 0x01000009u);
}

TEST(CGEStyle, Borders) {
    const CGELinePen pen(PS_DOT, 1, RGB(1, 1, 1));
    CGEStyle s;
    s.SetBorder(CGEStyle::borderAll, pen);
    for (int side = CGEStyle::borderTop; side <= CGEStyle::borderRight; ++side)
        EXPECT_EQ(s.GetBorder(side), pen) << side;

    CGEStyle left;
    left.SetBorder(CGEStyle::borderLeft, pen);
    left.SetBorderIncluded(CGEStyle::borderLeft, FALSE);
    EXPECT_FALSE(left.GetIncludeBorders());
    EXPECT_FALSE(left.HasBorder(CGEStyle::borderLeft));

    CGEStyle marked;
    marked.SetBorderIncluded(CGEStyle::borderBottom, TRUE);
    EXPECT_TRUE(marked.GetIncludeBorders());
    EXPECT_TRUE(marked.HasBorder(CGEStyle::borderBottom));
    EXPECT_FALSE(marked.HasBorder(CGEStyle::borderTop));

    const CGELinePen four[4] = {pen, CGELinePen(), CGELinePen(), CGELinePen()};
    marked.SetBorders(four);
    EXPECT_TRUE(marked.HasBorder(CGEStyle::borderTop));
    EXPECT_FALSE(marked.HasBorder(CGEStyle::borderBottom));
    marked.SetBorders(nullptr);
    EXPECT_FALSE(marked.GetIncludeBorders());
    EXPECT_FALSE(marked.HasBorder(CGEStyle::borderTop));
    EXPECT_FALSE(marked.HasBorder(7)); // no such side
}

TEST(CGEStyle, IncludeSettersAndTheMask) {
    CGEStyle s;
    s.SetValue("text").SetReadOnly(TRUE).SetUserAttribute(5, "v");
    s.SetIncludeValue(FALSE);
    EXPECT_TRUE(s.GetValue().IsEmpty());
    EXPECT_FALSE(s.GetIncludeValue());
    s.SetIncludeUserAttributes(FALSE);
    EXPECT_EQ(s.GetUserAttributes(), nullptr);
    EXPECT_FALSE(s.HasUserAttribute(5));
    EXPECT_TRUE(s.GetUserAttribute(5).IsEmpty()); // the shared empty attribute
    s.SetIncludeMask(0xFFFFFFFF);
    EXPECT_EQ(s.GetIncludeMask(), static_cast<DWORD>(CGEStyle::incAll));
    s.SetIncludeMask(0);
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CGEStyle, CopiesAreDeep) {
    CGEStyle s;
    CGEFont f;
    f.SetSize(9);
    s.SetFont(f).SetUserAttribute(1, "a").SetBorder(CGEStyle::borderTop, CGELinePen(PS_SOLID, 1, 0));
    CGEStyle copy(s);
    CGEFont g;
    g.SetSize(20);
    copy.ChangeFont(g, geOverride).SetUserAttribute(1, "b").SetBorder(CGEStyle::borderTop, CGELinePen());
    EXPECT_EQ(s.GetFont().GetSize(), 9);
    EXPECT_EQ(s.GetUserAttribute(1).GetValueText(), CString("a"));
    EXPECT_TRUE(s.HasBorder(CGEStyle::borderTop));
    std::unique_ptr<CGEStyle> clone(s.Clone());
    EXPECT_EQ(clone->GetIncludeMask(), s.GetIncludeMask());
    EXPECT_EQ(clone->GetFont().GetSize(), 9);
    EXPECT_NE(&clone->GetFont(), &s.GetFont());
}

TEST(CGEStyle, DefaultStyle) {
    CGEStyle s;
    s.SetBorder(CGEStyle::borderAll, CGELinePen(PS_SOLID, 1, 0)).SetBaseStyle(3).SetUserAttribute(1, "x");
    s.SetDefaultStyle();
    const DWORD notIncluded = CGEStyle::incBorders | CGEStyle::incBaseStyle | CGEStyle::incUserAttributes;
    EXPECT_EQ(s.GetIncludeMask(), CGEStyle::incAll & ~notIncluded);
    EXPECT_EQ(s.GetControl(), CGEStyle::editControlId);
    EXPECT_EQ(s.GetInterior().GetColorRef() >> 24, 0xF9u);
    EXPECT_EQ(s.GetTextColorRef() >> 24, 0xF6u);
    EXPECT_TRUE(s.GetWrapText());
    EXPECT_TRUE(s.GetEnabled());
    EXPECT_TRUE(s.GetFloatCell());
    EXPECT_TRUE(s.GetFloodCell());
    EXPECT_FALSE(s.GetReadOnly());
    EXPECT_EQ(s.GetPlaces(), 13u);
    EXPECT_EQ(s.GetFormat(), 0u);
    EXPECT_TRUE(s.GetFont() == CGEFont::GetDefaultFont());
    EXPECT_TRUE(s.GetValue().IsEmpty());
    EXPECT_EQ(s.GetUserAttributes(), nullptr);
}

// A style with a value, read-only, left border, a font of size 8 and user attribute 1.
CGEStyle Target() {
    CGEStyle s;
    CGEFont f;
    f.SetSize(8);
    s.SetValue("mine").SetReadOnly(TRUE).SetBorder(CGEStyle::borderLeft, CGELinePen(PS_DOT, 1, 0)).SetFont(f);
    s.SetUserAttribute(1, "mine");
    return s;
}

// A style with another value, read-only off, a text colour, top and left borders, a bold font and user
// attributes 1 and 2.
CGEStyle Source() {
    CGEStyle s;
    CGEFont f;
    f.SetBold(TRUE).SetSize(14);
    s.SetValue("theirs").SetReadOnly(FALSE).SetTextColor(RGB(9, 9, 9)).SetFont(f);
    s.SetBorder(CGEStyle::borderTop, CGELinePen(PS_SOLID, 2, 0))
        .SetBorder(CGEStyle::borderLeft, CGELinePen(PS_SOLID, 2, 0));
    s.SetUserAttribute(1, "theirs").SetUserAttribute(2, "new");
    return s;
}

TEST(CGEStyle, MergeModes) {
    struct Case {
        UINT mode;
        const char* value;
        BOOL readOnly; // the stored value: excluding clears only the include bit
        bool textColor;
        UINT leftPenStyle;
        bool top;
        double size;
        int weight;
        const char* attribute1;
        bool attribute2;
    };
    const Case cases[] = {
        {geOverride, "theirs", FALSE, true, PS_SOLID, true, 14, 700, "theirs", true},
        {geApplyNew, "mine", TRUE, true, PS_DOT, true, 8, 700, "mine", true},
        {geCopy, "theirs", FALSE, true, PS_SOLID, true, 14, 700, "theirs", true},
        {geExclude, "", TRUE, false, CGELinePen::notSet, false, 0, 0, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        CGEStyle s = Target();
        s.MergeFrom(Source(), c.mode);
        EXPECT_EQ(s.GetValue(), CString(c.value));
        EXPECT_EQ(s.GetIncludeValue(), c.mode != geExclude);
        EXPECT_EQ(s.GetReadOnly(), c.readOnly);
        EXPECT_EQ(s.GetIncludeReadOnly(), c.mode != geExclude);
        EXPECT_EQ(s.GetIncludeTextColor(), c.textColor);
        EXPECT_EQ(s.GetBorder(CGEStyle::borderLeft).GetStyle(), c.leftPenStyle);
        EXPECT_EQ(s.HasBorder(CGEStyle::borderTop), c.top);
        EXPECT_EQ(s.GetFont().GetSize(), c.size);
        EXPECT_EQ(s.GetFont().GetWeight(), c.weight);
        EXPECT_EQ(s.GetUserAttribute(1).GetValueText(), CString(c.attribute1));
        EXPECT_EQ(s.HasUserAttribute(2), c.attribute2);
    }
}

TEST(CGEStyle, MergingAnEmptySourceOrIntoAnEmptyStyle) {
    for (UINT mode : {geOverride, geApplyNew, geExclude}) {
        CGEStyle s = Target();
        s.MergeFrom(CGEStyle(), mode);
        EXPECT_EQ(s.GetIncludeMask(), Target().GetIncludeMask()) << mode;
        EXPECT_EQ(s.GetValue(), CString("mine")) << mode;
    }
    for (UINT mode : {geOverride, geApplyNew}) {
        CGEStyle s;
        s.MergeFrom(Source(), mode);
        EXPECT_EQ(s.GetIncludeMask(), Source().GetIncludeMask()) << mode;
        EXPECT_EQ(s.GetFont().GetSize(), 14) << mode;
    }
    CGEStyle empty;
    empty.MergeFrom(Source(), geExclude);
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(CGEStyle, ExcludeKeepsWhatTheSourceDoesNotName) {
    CGEStyle s = Target();
    CGEFont italic;
    italic.SetItalic(TRUE);
    s.ChangeFont(italic, geOverride);
    CGEStyle remove;
    CGEFont sizeOnly;
    sizeOnly.SetSize(1);
    remove.SetFont(sizeOnly).SetUserAttribute(7, "x").SetBorder(CGEStyle::borderTop,
                                                                CGELinePen(PS_SOLID, 1, 0));
    s.MergeFrom(remove, geExclude);
    EXPECT_TRUE(s.GetIncludeFont());
    EXPECT_FALSE(s.GetFont().GetInclude(CGEFont::fontSize));
    EXPECT_TRUE(s.GetFont().GetItalic());
    EXPECT_TRUE(s.HasUserAttribute(1));
    EXPECT_TRUE(s.HasBorder(CGEStyle::borderLeft));
}

TEST(CGEStyle, BaseStyleChains) {
    CGEStylesMap map;
    CGEStyle a, b, c;
    const UINT idA = map.RegisterStyle("A", a);
    const UINT idB = map.RegisterStyle("B", b);
    const UINT idC = map.RegisterStyle("C", c);
    // A: read-only, based on B; B: value "from B", based on C; C: value "from C", max length 5.
    map.LookupStyle(idA)->SetReadOnly(TRUE).SetBaseStyle(idB);
    map.LookupStyle(idB)->SetValue("from B").SetBaseStyle(idC);
    map.LookupStyle(idC)->SetValue("from C").SetMaxLength(5);

    CGEStyle cell;
    cell.SetBaseStyle(idA).SetHorizontalAlignment(DT_CENTER);
    cell.LoadBaseStyles(map);
    EXPECT_TRUE(cell.GetReadOnly());
    EXPECT_EQ(cell.GetValue(), CString("from B")); // the nearer base wins
    EXPECT_EQ(cell.GetMaxLength(), 5);
    EXPECT_EQ(cell.GetBaseStyle(), idA);

    // A chain that reaches an id the map does not hold stops there.
    map.LookupStyle(idC)->SetBaseStyle(99);
    CGEStyle missing;
    missing.SetBaseStyle(idA);
    missing.LoadBaseStyles(map);
    EXPECT_EQ(missing.GetMaxLength(), 5);

    // A cycle (C based on A) ends when an id comes round again.
    map.LookupStyle(idC)->SetBaseStyle(idA);
    CGEStyle cycle;
    cycle.SetBaseStyle(idB);
    cycle.LoadBaseStyles(map);
    EXPECT_EQ(cycle.GetValue(), CString("from B"));
    EXPECT_TRUE(cycle.GetReadOnly()); // A was reached once through C
    map.LookupStyle(idA)->SetBaseStyle(idA);
    CGEStyle self;
    self.SetBaseStyle(idA);
    self.LoadBaseStyles(map);
    EXPECT_TRUE(self.GetReadOnly());
}

} // namespace
