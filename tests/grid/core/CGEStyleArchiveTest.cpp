// The archive form of cell styles: the stored bytes, round trips, older schemas, base-style names, damaged
// input, and the operations that forward to the style features.
#include "grid/core/CGEAbstractGridProfileImp.h"
#include "grid/core/CGEAbstractSerializeLegacyCompatibleImp.h"
#include "grid/core/CGEAbstractStyleCompareSubsetImp.h"
#include "grid/core/CGEAbstractStyleSerializeImp.h"
#include "grid/core/CGEOleVarUserAttribute.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEStylesMap.h"
#include "grid/core/CGEUserAttribute.h"

#include "GridArchiveTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using archive_test::Bytes;

// Installs style features into the engine state for one test and puts the previous ones back.
class FeatureScope {
public:
    FeatureScope()
        : m_state(*GEGetLibraryState()), m_serialize(m_state.m_pStyleSerializeImp),
          m_subset(m_state.m_pStyleCompareSubsetImp), m_profile(m_state.m_pProfileImp),
          m_legacy(m_state.m_pLegacyCompatibleSerializeImp) {
        m_state.m_pStyleSerializeImp = nullptr;
        m_state.m_pStyleCompareSubsetImp = nullptr;
        m_state.m_pProfileImp = nullptr;
        m_state.m_pLegacyCompatibleSerializeImp = nullptr;
    }
    ~FeatureScope() {
        m_state.m_pStyleSerializeImp = m_serialize;
        m_state.m_pStyleCompareSubsetImp = m_subset;
        m_state.m_pProfileImp = m_profile;
        m_state.m_pLegacyCompatibleSerializeImp = m_legacy;
    }
    FeatureScope(const FeatureScope&) = delete;
    FeatureScope& operator=(const FeatureScope&) = delete;

    CGELibraryState& State() { return m_state; }

private:
    CGELibraryState& m_state;
    CGEAbstractStyleSerializeImp* m_serialize;
    CGEAbstractStyleCompareSubsetImp* m_subset;
    CGEAbstractGridProfileImp* m_profile;
    CGEAbstractSerializeLegacyCompatibleImp* m_legacy;
};

// Every attribute, readable field by field.
std::string Describe(const CGEStyle& s) {
    std::string d = "mask=" + std::to_string(s.GetIncludeMask());
    const auto add = [&d](const char* name, unsigned long long v) {
        d += std::string(" ") + name + "=" + std::to_string(v);
    };
    add("h", s.GetHorizontalAlignment());
    add("v", s.GetVerticalAlignment());
    add("ro", s.GetReadOnly());
    add("ctl", s.GetControl());
    add("brush1", s.GetInterior().m_nWord1);
    add("brush2", s.GetInterior().m_nWord2);
    add("text", s.GetTextColorRef());
    add("wrap", s.GetWrapText());
    add("enter", s.GetAllowEnter());
    for (int side = 0; side < 4; ++side)
        d += " pen" + std::to_string(side) + "=" + s.GetBorder(side).GetDescription().GetString();
    d += std::string(" font=") + s.GetFont().GetDescription().GetString();
    d += std::string(" value=") + s.GetValue().GetString();
    add("type", s.GetValueType());
    d += std::string(" choices=") + s.GetChoiceList().GetString();
    add("scroll", s.GetVerticalScrollbar());
    add("max", s.GetMaxLength());
    add("base", s.GetIncludeBaseStyle() ? s.GetBaseStyle() : 0);
    add("enabled", s.GetEnabled());
    add("tri", s.GetTriState());
    add("frame", s.GetDraw3dFrame());
    if (const CGEUserAttributeMap* map = s.GetUserAttributes())
        for (INT_PTR i = 0; i < map->GetCount(); ++i)
            d += " ua" + std::to_string(map->GetIdAt(i)) + "=" +
                 map->GetAttributeAt(i).GetValueText().GetString();
    add("auto", s.GetAutoSize());
    add("item", s.GetItemValue());
    add("float", s.GetFloatCell());
    add("flood", s.GetFloodCell());
    add("merge", s.GetMergeCell());
    add("format", s.GetFormat());
    add("places", s.GetPlaces());
    return d;
}

// A style with every attribute; its base style is "Heading" of map.
CGEStyle FullStyle(CGEStylesMap& map) {
    const UINT heading = map.RegisterStyle("Heading", CGEStyle());
    CGEFont font;
    font.SetFaceName("Arial").SetSize(10).SetItalic(TRUE);
    CGEStyle s;
    s.SetHorizontalAlignment(DT_CENTER).SetVerticalAlignment(DT_BOTTOM).SetReadOnly(TRUE).SetControl(52513);
    s.SetInterior(CGEStyleBrush(CGEStyleBrush::hatched, HS_CROSS, 0, RGB(1, 2, 3), GESysColor(COLOR_WINDOW)));
    s.SetTextColor(RGB(10, 20, 30)).SetWrapText(TRUE).SetAllowEnter(FALSE);
    s.SetBorder(CGEStyle::borderTop, CGELinePen(PS_SOLID, 2, RGB(1, 1, 1)));
    s.SetBorder(CGEStyle::borderRight, CGELinePen(PS_DOT, 1, GESysColor(COLOR_BTNSHADOW)));
    s.SetFont(font).SetValue("12.5").SetValueType(3).SetChoiceList("one\r\ntwo").SetVerticalScrollbar(TRUE);
    s.SetMaxLength(40).SetBaseStyle(heading).SetEnabled(FALSE).SetTriState(TRUE).SetDraw3dFrame(2);
    s.SetUserAttribute(52797, "255")
        .SetUserAttribute(7, "seven")
        .SetUserAttribute(9, CGEOleVarUserAttribute(COleVariant(9L)))
        .SetAutoSize(TRUE)
        .SetItemValue(0xDEADBEEF);
    s.SetFloatCell(FALSE).SetFloodCell(TRUE).SetMergeCell(5).SetFormat(17).SetPlaces(4);
    return s;
}

Bytes Store(CGEStyle& style, const CGEStylesMap* map) {
    return archive_test::Store([&](CArchive& ar) { style.SerializeLayout(ar, map); });
}

void LoadInto(CGEStyle& style, const Bytes& bytes, const CGEStylesMap* map) {
    archive_test::Load(bytes, [&](CArchive& ar) { style.SerializeLayout(ar, map); });
}

TEST(CGEStyleArchive, AnEmptyStyle) {
    CGEStyle empty;
    EXPECT_EQ(Store(empty, nullptr), (Bytes{6, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(CGEStyleArchive, EveryAttributeRoundTrips) {
    CGEStylesMap map;
    CGEStyle full = FullStyle(map);
    ASSERT_EQ(full.GetIncludeMask(), static_cast<DWORD>(CGEStyle::incAll));
    CGEStyle back;
    LoadInto(back, Store(full, &map), &map);
    EXPECT_EQ(Describe(back), Describe(full));
}

TEST(CGEStyleArchive, SystemColoursStayReferences) {
    CGEStyle s;
    s.SetDefaultStyle();
    CGEStyle back;
    LoadInto(back, Store(s, nullptr), nullptr);
    EXPECT_EQ(back.GetTextColorRef() >> 24, 0xF6u); // still COLOR_WINDOWTEXT, not a fixed colour
    EXPECT_EQ(back.GetInterior().GetColorRef() >> 24, 0xF9u);
    EXPECT_EQ(Describe(back), Describe(s));
}

TEST(CGEStyleArchive, AlignmentsAreWrittenAsDrawTextValues) {
    for (UINT v : {0u, 4u, 8u}) {
        CGEStyle s;
        s.SetVerticalAlignment(v);
        const Bytes bytes = Store(s, nullptr);
        EXPECT_EQ(bytes[6], v);
        CGEStyle back;
        LoadInto(back, bytes, nullptr);
        EXPECT_EQ(back.GetVerticalAlignment(), v);
    }
}

TEST(CGEStyleArchive, BaseStylesAreStoredByNameAndResolvedOnLoading) {
    CGEStylesMap writer, reader;
    reader.RegisterStyle("Other", CGEStyle());
    const UINT readerHeading = reader.RegisterStyle("heading", CGEStyle());
    CGEStyle s = FullStyle(writer);
    const Bytes bytes = Store(s, &writer);

    CGEStyle byName;
    LoadInto(byName, bytes, &reader);
    EXPECT_EQ(byName.GetBaseStyle(), readerHeading);

    // Without a map given, a styles map in the archive's document pointer is used.
    CGEStyle byDocument;
    archive_test::Load(bytes, [&](CArchive& ar) {
        ar.m_pDocument = reinterpret_cast<CDocument*>(static_cast<CObject*>(&reader));
        byDocument.SerializeLayout(ar, nullptr);
    });
    EXPECT_EQ(byDocument.GetBaseStyle(), readerHeading);

    // A name no map knows drops the base style.
    CGEStyle unknown;
    LoadInto(unknown, bytes, nullptr);
    EXPECT_FALSE(unknown.GetIncludeBaseStyle());
    CGEStylesMap empty;
    LoadInto(unknown, bytes, &empty);
    EXPECT_FALSE(unknown.GetIncludeBaseStyle());
}

// Bytes of a style of an older schema: the mask, the attribute bytes before the borders, the borders word 0,
// then what the older-format reader takes and the rest.
Bytes OldStyle(WORD schema, DWORD mask, const Bytes& beforeBorders, const Bytes& afterBorders) {
    Bytes b = archive_test::Store([&](CArchive& ar) { ar << schema << mask; });
    b.insert(b.end(), beforeBorders.begin(), beforeBorders.end());
    b.push_back(0);
    b.push_back(0);
    b.insert(b.end(), afterBorders.begin(), afterBorders.end());
    return b;
}

class RecordingLegacyReader : public CGEAbstractSerializeLegacyCompatibleImp {
public:
    void ReadOldUserAttributes(CGEStyle& style, CArchive& ar) override {
        BYTE marker = 0;
        ar >> marker; // this test's stand-in for the old attribute form: one byte, copied to attribute 1
        style.SetUserAttribute(1, CString(static_cast<char>('0' + marker)));
        ++calls;
    }
    int calls = 0;
};

TEST(CGEStyleArchive, OlderSchemas) {
    CGEStyle s;
    s.SetValue("kept");
    // Schema 4: the format bit reads format and places and includes places; the value type follows.
    const Bytes schema4 = OldStyle(4, CGEStyle::incFormat, {}, {3, 9, 2});
    FeatureScope scope;
    EXPECT_EQ(archive_test::CauseOf<CArchiveException>([&] { LoadInto(s, schema4, nullptr); }),
              CArchiveException::badSchema);
    EXPECT_EQ(s.GetValue(), CString("kept")); // refused without the older-format reader: unchanged

    RecordingLegacyReader legacy;
    scope.State().m_pLegacyCompatibleSerializeImp = &legacy;
    LoadInto(s, schema4, nullptr);
    EXPECT_EQ(legacy.calls, 1);
    EXPECT_EQ(s.GetFormat(), 9u);
    EXPECT_EQ(s.GetPlaces(), 2u);
    EXPECT_TRUE(s.GetIncludePlaces());
    EXPECT_EQ(s.GetUserAttribute(1).GetValueText(), CString("3"));

    // Schema 1 reads nothing after the user attributes; schema 7 is refused.
    LoadInto(s, OldStyle(1, CGEStyle::incMergeCell | CGEStyle::incReadOnly, {1}, {5}), nullptr);
    EXPECT_TRUE(s.GetReadOnly());
    EXPECT_EQ(s.GetUserAttribute(1).GetValueText(), CString("5"));
    EXPECT_EQ(archive_test::CauseOf<CArchiveException>([&] { LoadInto(s, OldStyle(7, 0, {}, {}), nullptr); }),
              CArchiveException::badSchema);
}

TEST(CGEStyleArchive, DamagedInputIsRefusedAndLeavesTheStyle) {
    CGEStylesMap map;
    CGEStyle full = FullStyle(map);
    const Bytes good = Store(full, &map);
    const auto cause = [&](const Bytes& bytes) {
        CGEStyle target;
        target.SetValue("untouched");
        const int c = archive_test::CauseOf<CArchiveException>([&] { LoadInto(target, bytes, &map); });
        EXPECT_EQ(target.GetValue(), CString("untouched"));
        return c;
    };
    EXPECT_EQ(cause(Bytes(good.begin(), good.end() - 1)), CArchiveException::endOfFile);
    // A borders word other than 0 or 1.
    CGEStyle plain;
    Bytes bytes = Store(plain, nullptr);
    bytes[6] = 2;
    EXPECT_EQ(cause(bytes), CArchiveException::genericException);
    // A border pen whose text is not a pen.
    CGEStyle bordered;
    bordered.SetBorder(CGEStyle::borderLeft, CGELinePen(PS_SOLID, 1, 0));
    bytes = Store(bordered, nullptr);
    const std::string penText = CGELinePen(PS_SOLID, 1, 0).GetDescription().GetString();
    const auto at = std::search(bytes.begin(), bytes.end(), penText.begin(), penText.end());
    ASSERT_NE(at, bytes.end());
    *at = 'x';
    EXPECT_EQ(cause(bytes), CArchiveException::genericException);
}

TEST(CGEStyleArchive, LoaderSurvivesFuzzing) {
    CGEStylesMap map;
    CGEStyle full = FullStyle(map);
    grid_test::FuzzLoader(Store(full, &map), [&map](CArchive& ar) {
        CGEStyle s;
        s.SerializeLayout(ar, &map);
    });
}

// Style features that record what they were asked.
class RecordingSerialize : public CGEAbstractStyleSerializeImp {
public:
    void SerializeFont(CGEFont&, CArchive&) override {}
    void SerializeBrush(CGEStyleBrush&, CArchive&) override {}
    void SerializePen(CGELinePen&, CArchive&) override {}
    void SerializeStyle(CGEStyle& style, CArchive& ar, const CGEStylesMap* map) override {
        style.SerializeLayout(ar, map);
        ++serialized;
    }
    int serialized = 0;
};

class MaskSubset : public CGEAbstractStyleCompareSubsetImp {
public:
    BOOL IsSubSet(const CGEStyle& style, const CGEStyle& subset) override {
        return (style.GetIncludeMask() & subset.GetIncludeMask()) == subset.GetIncludeMask();
    }
};

class RecordingProfile : public CGEAbstractGridProfileImp {
public:
    void WriteStylesMap(CGEStylesMap*) override {}
    void WriteFont(CGEFont*, LPCSTR, LPCSTR) override {}
    void WriteStyle(CGEStyle*, LPCSTR section, CGEStylesMap*) override { written = section; }
    void WriteProperties(CGEProperties*) override {}
    BOOL ReadStylesMap(CGEStylesMap*) override { return FALSE; }
    BOOL ReadFont(CGEFont*, LPCSTR, LPCSTR) override { return FALSE; }
    BOOL ReadStyle(CGEStyle* style, LPCSTR, CGEStylesMap*) override {
        style->SetValue("from profile");
        return TRUE;
    }
    BOOL ReadProperties(CGEProperties*) override { return FALSE; }
    std::string written;
};

TEST(CGEStyleArchive, OperationsForwardToTheStyleFeatures) {
    CGEStyle s;
    s.SetValue("v").SetReadOnly(TRUE);
    CGEStyle sub;
    sub.SetReadOnly(TRUE);
    {
        FeatureScope none;
        EXPECT_TRUE(archive_test::Store([&](CArchive& ar) { s.Serialize(ar); }).empty());
        EXPECT_FALSE(s.ReadProfile("Section"));
        EXPECT_EQ(s.GetValue(), CString("v"));
        EXPECT_FALSE(sub.IsSubSet(s));
    }
    FeatureScope scope;
    RecordingSerialize serialize;
    MaskSubset subset;
    RecordingProfile profile;
    scope.State().m_pStyleSerializeImp = &serialize;
    scope.State().m_pStyleCompareSubsetImp = &subset;
    scope.State().m_pProfileImp = &profile;
    const Bytes bytes = archive_test::Store([&](CArchive& ar) { ar.WriteObject(&s); });
    std::unique_ptr<CObject> back;
    archive_test::Load(bytes, [&](CArchive& ar) { back.reset(ar.ReadObject(RUNTIME_CLASS(CGEStyle))); });
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(Describe(*static_cast<CGEStyle*>(back.get())), Describe(s));
    EXPECT_EQ(serialize.serialized, 2);
    EXPECT_TRUE(sub.IsSubSet(s));
    EXPECT_FALSE(s.IsSubSet(sub));
    s.WriteProfile("Grid\\Cell");
    EXPECT_EQ(profile.written, "Grid\\Cell");
    EXPECT_TRUE(s.ReadProfile("Grid\\Cell"));
    EXPECT_EQ(s.GetValue(), CString("from profile"));
}

} // namespace
