// Styles map: registering base styles, ids, lookups by id and name, and removal.
#include "grid/core/CGEStylesMap.h"

#include "framework/core/CResourceException.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

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

namespace {

int ResourceFailure(const std::function<void()>& f) {
    try {
        f();
    } catch (CResourceException* e) {
        e->Delete();
        return 1;
    }
    return 0;
}

TEST(CGEStylesMap, StylesRegisteredFromStringResources) {
    CGEStylesMap map;
    CGEStyle standard;
    standard.SetDefaultStyle();
    const UINT id = map.RegisterStyle(CGEStylesMap::standardStyleResource, standard, TRUE);
    ASSERT_NE(id, 0u);
    CString name;
    map.GetStyleName(id, name);
    EXPECT_EQ(name, CString("Standard"));
    EXPECT_EQ(map.GetStyleIdByResource(CGEStylesMap::standardStyleResource), id);
    EXPECT_EQ(map.GetStyleIdByName("STANDARD"), id);
    EXPECT_EQ(map.RegisterStyle(CGEStylesMap::standardStyleResource, CGEStyle(), TRUE), id);
    EXPECT_TRUE(map.LookupStyle(id)->IsEmpty());
    const UINT rowHeader = map.RegisterStyle(CGEStylesMap::rowHeaderStyleResource, CGEStyle(), TRUE);
    map.UpdateStandardStyleIds();
    EXPECT_EQ(map.m_nStandardStyleId, id);
    EXPECT_EQ(map.m_nRowHeaderStyleId, rowHeader);
    EXPECT_EQ(map.m_nColHeaderStyleId, 0u);
    EXPECT_EQ(ResourceFailure([&] { map.RegisterStyle(60999u, CGEStyle()); }), 1);
    EXPECT_EQ(map.GetCount(), 2);
}

TEST(CGEStylesMap, UserAttributesAndControlNames) {
    CGEStylesMap map;
    CGEStyle editor;
    editor.SetControl(52513);
    map.AddUserAttribute(61001, &editor);
    const CGEStylesMap::UserAttribute* entry = map.LookupUserAttribute(61001);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->name, CString("Test attribute"));
    EXPECT_EQ(entry->style->GetControl(), 52513);
    EXPECT_EQ(ResourceFailure([&] { map.AddUserAttribute(60999); }), 1);
    EXPECT_EQ(map.GetUserAttributeCount(), 1);

    map.AddControl(61002);
    map.SetIdText(61002, "changed");
    map.AddControl(61002); // kept once: the changed text stays
    CString text;
    EXPECT_TRUE(map.LookupIdText(61002, text));
    EXPECT_EQ(text, CString("changed"));
    EXPECT_EQ(ResourceFailure([&] { map.AddControl(60999); }), 1);

    map.RemoveAll();
    EXPECT_EQ(map.GetUserAttributeCount(), 0);
    EXPECT_FALSE(map.LookupIdText(61002, text));
}

TEST(CGEStylesMap, LoadersPlaceStylesUnderTheirIds) {
    CGEStylesMap map;
    EXPECT_TRUE(map.SetBaseStyle(42, 0, "Loaded", std::make_unique<CGEStyle>(), FALSE));
    EXPECT_FALSE(map.SetBaseStyle(0, 0, "Zero", std::make_unique<CGEStyle>(), FALSE));
    EXPECT_FALSE(map.SetBaseStyle(256, 0, "Big", std::make_unique<CGEStyle>(), FALSE));
    EXPECT_EQ(map.GetStyleIdByName("Loaded"), 42u);
    map.SetNextFreeId(42);
    EXPECT_EQ(map.RegisterStyle("Next", CGEStyle()), 43u); // 42 is taken
}

} // namespace
