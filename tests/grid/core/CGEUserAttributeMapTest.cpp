// User attributes and their map: values as text and numbers, id order, merging by mode, and the archive
// form with damaged input.
#include "grid/core/CGEStyleMergeMode.h"
#include "grid/core/CGEUserAttribute.h"
#include "grid/core/CGEUserAttributeMap.h"

#include "GridArchiveTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using archive_test::Bytes;

std::string Contents(const CGEUserAttributeMap& map) {
    std::string s;
    for (INT_PTR i = 0; i < map.GetCount(); ++i)
        s += std::to_string(map.GetIdAt(i)) + "=" + map.GetAttributeAt(i).GetValueText().GetString() + ";";
    return s;
}

TEST(CGEUserAttribute, ValuesAsTextAndNumbers) {
    EXPECT_EQ(CGEUserAttribute(DWORD(4000000000u)).GetValueText(), CString("4000000000"));
    EXPECT_EQ(CGEUserAttribute(LONG(-12)).GetLongValue(), -12);
    EXPECT_EQ(CGEUserAttribute(2.5).GetValueText(), CString("2.5"));
    EXPECT_DOUBLE_EQ(CGEUserAttribute(" 1234.75 kg").GetDoubleValue(), 1234.75);
    EXPECT_EQ(CGEUserAttribute("abc").GetLongValue(), 0);
    EXPECT_TRUE(CGEUserAttribute::GetEmpty().IsEmpty());
    EXPECT_TRUE(CGEUserAttribute("7").IsEqual(CGEUserAttribute(DWORD(7))));
}

TEST(CGEUserAttributeMap, KeepsIdOrderAndReplaces) {
    CGEUserAttributeMap map;
    map.SetAttribute(30, "c");
    map.SetAttribute(10, "a");
    map.SetAttribute(20, "b");
    map.SetAttribute(10, "A");
    EXPECT_EQ(Contents(map), "10=A;20=b;30=c;");
    EXPECT_TRUE(map.RemoveAttribute(20));
    EXPECT_FALSE(map.RemoveAttribute(20));
    map.SetAttribute(30, std::unique_ptr<CGEAbstractUserAttribute>());
    EXPECT_EQ(Contents(map), "10=A;");
    EXPECT_EQ(map.Lookup(99), nullptr);
}

TEST(CGEUserAttributeMap, MergeModes) {
    CGEUserAttributeMap mine, theirs;
    mine.SetAttribute(1, "m1");
    mine.SetAttribute(2, "m2");
    theirs.SetAttribute(2, "t2");
    theirs.SetAttribute(3, "t3");
    const std::pair<UINT, std::string> cases[] = {
        {geOverride, "1=m1;2=t2;3=t3;"},
        {geApplyNew, "1=m1;2=m2;3=t3;"},
        {geCopy, "2=t2;3=t3;"},
        {geExclude, "1=m1;"},
    };
    for (const auto& [mode, expected] : cases) {
        CGEUserAttributeMap map(mine);
        map.MergeFrom(theirs, mode);
        EXPECT_EQ(Contents(map), expected) << mode;
    }
    EXPECT_EQ(Contents(mine), "1=m1;2=m2;"); // copies are deep
}

Bytes StoreMap(CGEUserAttributeMap& map) {
    return archive_test::Store([&](CArchive& ar) { ar.WriteOwnedObject(&map); });
}

std::unique_ptr<CGEUserAttributeMap> LoadMap(const Bytes& bytes) {
    std::unique_ptr<CGEUserAttributeMap> map;
    archive_test::Load(bytes, [&](CArchive& ar) {
        map.reset(static_cast<CGEUserAttributeMap*>(ar.ReadOwnedObject(RUNTIME_CLASS(CGEUserAttributeMap))));
    });
    return map;
}

TEST(CGEUserAttributeMap, ArchiveRoundTrip) {
    CGEUserAttributeMap map;
    map.SetAttribute(52797, "255");
    map.SetAttribute(3, "three");
    map.SetAttribute(4, "");
    auto back = LoadMap(StoreMap(map));
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(back->IsEqual(map));
    EXPECT_EQ(Contents(*back), Contents(map));
}

TEST(CGEUserAttributeMap, AnAttributeStoredTwiceByReferenceIsRefused) {
    CGEUserAttributeMap one;
    one.SetAttribute(1, "x");
    Bytes bytes = StoreMap(one);
    // Count 1 -> 2, then id 2 with a reference back to the first attribute (archive indexes: 1 the map's
    // class, 2 the map, 3 the attribute's class, 4 the attribute).
    const size_t countAt = bytes.size() - (4 + 2 + 2 + 2 + 16 + 2) - 4;
    ASSERT_EQ(bytes[countAt], 1);
    bytes[countAt] = 2;
    for (BYTE b : Bytes{2, 0, 0, 0, 4, 0})
        bytes.push_back(b);
    EXPECT_EQ(archive_test::CauseOf<CArchiveException>([&] { LoadMap(bytes); }), CArchiveException::badIndex);
}

TEST(CGEUserAttributeMap, LoaderSurvivesFuzzing) {
    CGEUserAttributeMap map;
    map.SetAttribute(1, "first");
    map.SetAttribute(2, "second");
    map.SetAttribute(52797, "255");
    grid_test::FuzzLoader(StoreMap(map), [](CArchive& ar) {
        std::unique_ptr<CObject> loaded(ar.ReadOwnedObject(RUNTIME_CLASS(CGEUserAttributeMap)));
    });
}

} // namespace
