// Grid settings, styles and base styles in the application's profile: the registry under the application's
// key, or its INI file.
#include "grid/core/GridCoreTestSupport.h"

#include "framework/win/CWinApp.h"
#include "grid/core/CGEFont.h"
#include "grid/core/CGELinePen.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStylesMap.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// An application whose profile is a registry key of this test alone, removed afterwards.
class GridProfile : public ::testing::Test {
protected:
    GridProfile() : app("Grid Profile Tests") {
        gridtest::StartEngine();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        company = "Brindlemark Grid Tests " + std::to_string(::GetCurrentProcessId()) + " " + info->name();
        app.SetRegistryKey(company.c_str());
    }
    ~GridProfile() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + company).c_str()); }

    std::string Raw(const char* section, const char* name) {
        return std::string(app.GetProfileString(section, name, "<none>"));
    }

    CWinApp app;
    std::string company;
};

CGEStyle FullStyle(CGEStylesMap& map, UINT nBase) {
    CGEFont font;
    font.SetFaceName("Arial").SetSize(12).SetBold(TRUE);
    CGEStyle s;
    s.SetHorizontalAlignment(DT_RIGHT).SetVerticalAlignment(DT_VCENTER).SetReadOnly(TRUE).SetFloatCell(TRUE);
    s.SetFloodCell(FALSE).SetMergeCell(5).SetDraw3dFrame(2).SetControl(52513).SetMaxLength(40);
    s.SetVerticalScrollbar(TRUE).SetBaseStyle(nBase).SetTextColor(RGB(10, 20, 30)).SetWrapText(TRUE);
    s.SetAutoSize(TRUE).SetAllowEnter(FALSE).SetEnabled(FALSE).SetTriState(TRUE).SetValue("42");
    s.SetInterior(CGEStyleBrush(RGB(1, 2, 3))).SetFormat(7).SetPlaces(3).SetChoiceList("one\r\ntwo\\x");
    s.SetFont(font).SetBorder(CGEStyle::borderLeft, CGELinePen(PS_DOT, 2, RGB(9, 8, 7)));
    s.SetUserAttribute(map.GetUserAttributeAt(0).id, "tip text");
    (void)map;
    return s;
}

TEST_F(GridProfile, AStyleRoundTripsAndMissingAttributesAreDeleted) {
    CGEStylesMap map;
    map.SetUserAttribute(61001, "Tool Tip", nullptr);
    const UINT nHeading = map.RegisterStyle("Heading", CGEStyle());
    CGEStyle style = FullStyle(map, nHeading);
    style.WriteProfile("Cell", &map);
    EXPECT_EQ(Raw("Cell", "ChoicesList"), "one\\ntwo\\\\x");
    EXPECT_EQ(Raw("Cell", "BaseStyle"), "Heading");
    EXPECT_EQ(Raw("Cell", "TextColor"), "10 20 30");
    EXPECT_EQ(Raw("Cell", "HorizontalAlignment"), "2");
    EXPECT_EQ(Raw("Cell", "Tool Tip"), "tip text");
    EXPECT_EQ(Raw("Cell", "Top"), "<none>");

    CGEStyle loaded;
    loaded.SetValue("overwritten");
    ASSERT_TRUE(loaded.ReadProfile("Cell", &map));
    EXPECT_EQ(loaded.GetIncludeMask(), style.GetIncludeMask());
    EXPECT_EQ(loaded.GetChoiceList(), CString("one\ntwo\\x"));
    EXPECT_EQ(loaded.GetBaseStyle(), nHeading);
    EXPECT_EQ(loaded.GetTextColor(), RGB(10, 20, 30));
    EXPECT_EQ(loaded.GetHorizontalAlignment(), static_cast<UINT>(DT_RIGHT));
    EXPECT_EQ(loaded.GetVerticalAlignment(), static_cast<UINT>(DT_VCENTER));
    EXPECT_EQ(loaded.GetMergeCell(), 5u);
    EXPECT_EQ(loaded.GetMaxLength(), 40);
    EXPECT_EQ(loaded.GetFormat(), 7u);
    EXPECT_EQ(loaded.GetPlaces(), 3u);
    EXPECT_EQ(loaded.GetFont().GetDescription(), style.GetFont().GetDescription());
    EXPECT_EQ(loaded.GetInterior().GetDescription(), style.GetInterior().GetDescription());
    EXPECT_EQ(loaded.GetBorder(CGEStyle::borderLeft).GetDescription(),
              style.GetBorder(CGEStyle::borderLeft).GetDescription());
    EXPECT_FALSE(loaded.HasBorder(CGEStyle::borderTop));
    EXPECT_EQ(loaded.GetUserAttribute(61001).GetValueText(), CString("tip text"));

    // Writing a plain style over it deletes every value it does not include.
    CGEStyle plain;
    plain.SetValue("only");
    plain.WriteProfile("Cell", &map);
    EXPECT_EQ(Raw("Cell", "ChoicesList"), "<none>");
    EXPECT_EQ(Raw("Cell", "Tool Tip"), "<none>");
    CGEStyle reread;
    ASSERT_TRUE(reread.ReadProfile("Cell", &map));
    EXPECT_EQ(reread.GetIncludeMask(), CGEStyle::incValue);
}

TEST_F(GridProfile, PropertiesRoundTripAndPartialLists) {
    CGEProperties props;
    EXPECT_FALSE(props.ReadProfile()); // no section yet
    props.AddDefaults();
    props.m_nTopMargin = 11;
    props.m_nLeftMargin = 12;
    props.m_nBottomMargin = 13;
    props.m_nRightMargin = 14;
    props.m_nHeaderDistance = 5;
    props.m_bDisplayVertLines = FALSE;
    props.m_bCenterVertical = TRUE;
    props.m_nPageOrder = 1;
    props.m_ColorTable[CGEProperties::colorTrackingLine] = RGB(7, 7, 7);
    props.SetUserProperty(props.GetUserProperties().begin()->first, "frame");
    props.WriteProfile();
    EXPECT_EQ(Raw("Grid", "Margins"), "11,12,13,14");
    EXPECT_EQ(Raw("Grid", "VerticalLines"), "0");

    CGEProperties loaded;
    loaded.AddDefaults();
    ASSERT_TRUE(loaded.ReadProfile());
    EXPECT_EQ(loaded.m_nTopMargin, 11);
    EXPECT_EQ(loaded.m_nRightMargin, 14);
    EXPECT_EQ(loaded.m_nHeaderDistance, 5);
    EXPECT_FALSE(loaded.m_bDisplayVertLines);
    EXPECT_TRUE(loaded.m_bCenterVertical);
    EXPECT_EQ(loaded.m_nPageOrder, 1);
    EXPECT_EQ(loaded.m_ColorTable[CGEProperties::colorTrackingLine], DWORD{RGB(7, 7, 7)});
    EXPECT_EQ(loaded.GetUserProperty(loaded.GetUserProperties().begin()->first), CString("frame"));

    // Two numbers set only top and left; no "Margins" keeps all four; text that is no number reads 0.
    app.WriteProfileString("Grid", "Margins", " 1, 2");
    app.WriteProfileString("Grid", "Distances", "x,9");
    ASSERT_TRUE(loaded.ReadProfile());
    EXPECT_EQ(loaded.m_nTopMargin, 1);
    EXPECT_EQ(loaded.m_nLeftMargin, 2);
    EXPECT_EQ(loaded.m_nBottomMargin, 13);
    EXPECT_EQ(loaded.m_nHeaderDistance, 0);
    EXPECT_EQ(loaded.m_nFooterDistance, 9);
    app.WriteProfileString("Grid", "Margins", nullptr);
    ASSERT_TRUE(loaded.ReadProfile());
    EXPECT_EQ(loaded.m_nTopMargin, 1);
}

// The styles map round trip, in the registry and in an INI file.
void CheckStylesMapRoundTrip(CWinApp& app) {
    (void)app;
    CGEStylesMap map;
    map.m_strName = "Grid Styles";
    CGEStyle heading;
    heading.SetWrapText(TRUE);
    map.RegisterStyle("Heading", heading);
    CGEStyle standard;
    standard.SetValue("std");
    map.RegisterStyle(CGEStylesMap::standardStyleResource, standard, TRUE);
    map.WriteProfile();

    CGEStylesMap loaded;
    loaded.m_strName = "Grid Styles";
    ASSERT_TRUE(loaded.ReadProfile());
    const CGEStyle* pHeading = loaded.LookupStyle(loaded.GetStyleIdByName("Heading"));
    ASSERT_NE(pHeading, nullptr);
    EXPECT_TRUE(pHeading->GetWrapText());
    ASSERT_NE(loaded.m_nStandardStyleId, 0u);
    const CGEStyle* pStandard = loaded.LookupStyle(loaded.m_nStandardStyleId);
    EXPECT_EQ(pStandard->GetValue(), CString("std"));
    // The standard style is completed with the default attributes.
    EXPECT_TRUE(pStandard->GetIncludeHorizontalAlignment());

    // A map written again loses the styles it no longer has.
    map.RemoveStyle(map.GetStyleIdByName("Heading"));
    map.WriteProfile();
    CGEStylesMap again;
    again.m_strName = "Grid Styles";
    ASSERT_TRUE(again.ReadProfile());
    EXPECT_EQ(again.GetStyleIdByName("Heading"), 0u);

    // An empty section leaves a map untouched.
    CGEStylesMap untouched;
    untouched.m_strName = "Nothing Here";
    untouched.RegisterStyle("Mine", CGEStyle());
    EXPECT_FALSE(untouched.ReadProfile());
    EXPECT_NE(untouched.GetStyleIdByName("Mine"), 0u);
}

TEST_F(GridProfile, StylesMapsInTheRegistry) {
    CheckStylesMapRoundTrip(app);
}

TEST(GridProfileIni, StylesMapsInAnInitialisationFile) {
    gridtest::StartEngine();
    CWinApp app("Grid Profile Ini Tests");
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string file =
        std::string(temp) + "bm_grid_profile_" + std::to_string(::GetCurrentProcessId()) + ".ini";
    std::free(const_cast<char*>(app.m_pszProfileName));
    app.m_pszProfileName = _strdup(file.c_str());
    CheckStylesMapRoundTrip(app);
    ::DeleteFileA(file.c_str());
}

TEST_F(GridProfile, DamagedValuesNeverBreakTheReader) {
    CGEStylesMap map;
    map.SetUserAttribute(61001, "Tool Tip", nullptr);
    map.m_strName = "Damaged";
    const UINT nHeading = map.RegisterStyle("Heading", CGEStyle());
    CGEStyle style = FullStyle(map, nHeading);
    style.WriteProfile("Damaged\\Heading", &map);
    const char* const names[] = {"HorizontalAlignment",
                                 "MergeCell",
                                 "ControlId",
                                 "BaseStyle",
                                 "TextColor",
                                 "Interior",
                                 "Format",
                                 "Places",
                                 "ChoicesList",
                                 "Font",
                                 "Borders",
                                 "Left",
                                 "Value"};
    std::mt19937 rng(7);
    const std::string alphabet = "0123456789-#, \\nx";
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (size_t n = rng() % 12; n > 0; --n)
            text += alphabet[rng() % alphabet.size()];
        app.WriteProfileString("Damaged\\Heading", names[rng() % std::size(names)], text.c_str());
        if (round % 50 == 0)
            app.WriteProfileString("Damaged\\#99999", "Value", "unknown resource");
        CGEStyle loaded;
        ASSERT_TRUE(loaded.ReadProfile("Damaged\\Heading", &map));
        EXPECT_LE(loaded.GetMergeCell(), 7u);
        EXPECT_LE(loaded.GetFormat(), 31u);
        CGEStylesMap reread;
        reread.m_strName = "Damaged";
        EXPECT_TRUE(reread.ReadProfile());
        EXPECT_NE(reread.GetStyleIdByName("Heading"), 0u);
    }
}

} // namespace
