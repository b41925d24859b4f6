// Styles map: registering base styles, ids, lookups by id and name, and removal.
#include "grid/core/CGEStylesMap.h"

#include <gtest/gtest.h>

namespace {

TEST(CGEStylesMap, RegistersAndLooksUp) {
    CGEStylesMap map;
    CGEStyle red;
    red.SetTextColor(RGB(255, 0, 0));
    const UINT id = map.RegisterStyle("Red", red);
    ASSERT_NE(id, 0u);
    EXPECT_EQ(map.GetStyleIdByName("red"), id);
    EXPECT_EQ(map.LookupStyle(id)->GetTextColor(), RGB(255, 0, 0));
    EXPECT_NE(map.LookupStyle(id), &red); // a copy
    CString name;
    EXPECT_TRUE(map.GetStyleName(id, name));
    EXPECT_EQ(name, CString("Red"));
    EXPECT_EQ(map.GetStyleResourceId(id), 0u);
    EXPECT_EQ(map.GetStyleIdByResource(0), 0u);

    // Registering a name again keeps its id and replaces its style.
    CGEStyle blue;
    blue.SetTextColor(RGB(0, 0, 255));
    EXPECT_EQ(map.RegisterStyle("RED", blue, TRUE), id);
    EXPECT_EQ(map.LookupStyle(id)->GetTextColor(), RGB(0, 0, 255));
    EXPECT_TRUE(map.IsSystemStyle(id));
    EXPECT_EQ(map.GetCount(), 1);

    EXPECT_EQ(map.RegisterStyle("", red), 0u);
    EXPECT_EQ(map.LookupStyle(0), nullptr);
    EXPECT_EQ(map.LookupStyle(256), nullptr);
    EXPECT_TRUE(map.RemoveStyle(id));
    EXPECT_FALSE(map.RemoveStyle(id));
    EXPECT_EQ(map.LookupStyle(id), nullptr);
    EXPECT_EQ(map.GetStyleIdByName("Red"), 0u);
}

TEST(CGEStylesMap, HoldsAtMost255StylesAndReusesFreedIds) {
    CGEStylesMap map;
    const CGEStyle style;
    UINT last = 0;
    for (int i = 1; i <= 255; ++i) {
        last = map.RegisterStyle(CString("S") + CString(std::to_string(i).c_str()), style);
        ASSERT_EQ(last, static_cast<UINT>(i));
    }
    EXPECT_EQ(map.RegisterStyle("one too many", style), 0u);
    ASSERT_TRUE(map.RemoveStyle(100));
    EXPECT_EQ(map.RegisterStyle("again", style), 100u);
    EXPECT_EQ(map.GetCount(), 255);
    EXPECT_EQ(map.GetIdAt(254), 100u); // registration order
}

} // namespace
