// Styles stored by the older file version: their user attributes are a map of ids to texts, read into the
// style's user-attribute map.
#include "grid/core/GridArchiveTestSupport.h"
#include "grid/core/GridCoreTestSupport.h"

#include "grid/core/CGEStyle.h"
#include "grid/core/CGEUserAttributeMap.h"
#include "grid/features/CGECollMapDWordToString.h"
#include "grid/features/CGESerializeLegacyCompatibleImp.h"

#include <gtest/gtest.h>

namespace {

using archive_test::Bytes;

// A schema-4 style holding a value, a merge kind and a format, with the old attribute map (or null).
Bytes OldStyle(const CGECollMapDWordToString* pOld) {
    return archive_test::Store([&](CArchive& ar) {
        const DWORD mask = CGEStyle::incValue | CGEStyle::incMergeCell | CGEStyle::incFormat;
        ar << WORD{4} << mask << CString("old value") << WORD{0};
        ar.WriteObject(pOld);
        ar << BYTE{3} << BYTE{7} << BYTE{2} << BYTE{1}; // merge kind; format and places; value type
    });
}

CGEStyle Loaded(const Bytes& bytes) {
    CGEStyle style;
    archive_test::Load(bytes, [&](CArchive& ar) { style.SerializeLayout(ar, nullptr); });
    return style;
}

class LegacyStyleArchive : public ::testing::Test {
protected:
    gridtest::EngineStarted engine;
};

TEST_F(LegacyStyleArchive, TextAttributesLoadUnderTheirIds) {
    CGECollMapDWordToString old;
    old.SetAt(52797, "255");
    old.SetAt(7, "seven");
    const CGEStyle style = Loaded(OldStyle(&old));
    ASSERT_NE(style.GetUserAttributes(), nullptr);
    EXPECT_TRUE(style.GetIncludeUserAttributes());
    EXPECT_EQ(style.GetUserAttributes()->GetCount(), 2);
    EXPECT_EQ(style.GetUserAttribute(7).GetValueText(), CString("seven"));
    EXPECT_EQ(style.GetUserAttribute(52797).GetValueText(), CString("255"));
    // What follows the attributes is read in the older layout.
    EXPECT_EQ(style.GetValue(), CString("old value"));
    EXPECT_EQ(style.GetMergeCell(), 3u);
    EXPECT_EQ(style.GetFormat(), 7u);
    EXPECT_EQ(style.GetPlaces(), 2u);
    EXPECT_EQ(style.GetValueType(), 1u);
}

TEST_F(LegacyStyleArchive, NullAndEmptyMapsLeaveNoAttributes) {
    CGECollMapDWordToString empty;
    const CGECollMapDWordToString* const maps[] = {nullptr, &empty};
    for (const CGECollMapDWordToString* pOld : maps) {
        const CGEStyle style = Loaded(OldStyle(pOld));
        EXPECT_EQ(style.GetUserAttributes(), nullptr);
        EXPECT_FALSE(style.GetIncludeUserAttributes());
        EXPECT_EQ(style.GetValue(), CString("old value"));
    }
}

TEST_F(LegacyStyleArchive, TheEngineInstallsTheReaderOnce) {
    CGEAbstractSerializeLegacyCompatibleImp* pInstalled =
        GEGetLibraryState()->m_pLegacyCompatibleSerializeImp;
    ASSERT_NE(pInstalled, nullptr);
    GEInstallLegacyCompatibleSerialize();
    EXPECT_EQ(GEGetLibraryState()->m_pLegacyCompatibleSerializeImp, pInstalled);
}

TEST_F(LegacyStyleArchive, DamagedOldStylesAreRefused) {
    CGECollMapDWordToString old;
    old.SetAt(1, "one");
    old.SetAt(2, "two");
    grid_test::FuzzLoader(OldStyle(&old), [](CArchive& ar) {
        CGEStyle style;
        style.SerializeLayout(ar, nullptr);
    });
}

} // namespace
