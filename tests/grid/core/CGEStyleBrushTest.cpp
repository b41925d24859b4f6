// Interior brushes: the packed words, the text form and the archive form.
#include "grid/core/CGEStyleBrush.h"
#include "grid/core/CGEStyleColor.h"

#include "GridArchiveTestSupport.h"

#include <gtest/gtest.h>

namespace {

using archive_test::Bytes;

TEST(CGEStyleBrush, WordsHoldTheFieldsWhereTheyBelong) {
    CGEStyleBrush brush(CGEStyleBrush::hatched, HS_CROSS, 0, RGB(0x11, 0x22, 0x33),
                        GESysColor(COLOR_BTNFACE));
    EXPECT_EQ(brush.m_nWord1 & 7, static_cast<DWORD>(HS_CROSS));
    EXPECT_EQ((brush.m_nWord1 >> 4) & 3, 3u); // background kind: system
    EXPECT_EQ((brush.m_nWord1 >> 6) & 3, 0u); // foreground kind: RGB
    EXPECT_EQ(brush.m_nWord1 >> 8, static_cast<DWORD>(COLOR_BTNFACE));
    EXPECT_EQ(brush.m_nWord2 & 0xFFFFFF, 0x332211u);
    EXPECT_EQ(brush.m_nWord2 >> 30, static_cast<DWORD>(CGEStyleBrush::hatched));
    EXPECT_EQ(brush.GetColor(), RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(brush.GetBkColor(), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(brush.GetBkColorRef(), GESysColor(COLOR_BTNFACE) | ::GetSysColor(COLOR_BTNFACE));
    brush.SetPattern(5);
    EXPECT_EQ(brush.GetStyle(), static_cast<UINT>(CGEStyleBrush::pattern));
    EXPECT_EQ(brush.GetPattern(), 5);
    EXPECT_EQ(brush.GetHatch(), HS_CROSS); // untouched
    LOGBRUSH lb;
    CGEStyleBrush(GESysColor(COLOR_WINDOW)).GetLogBrush(lb);
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(lb.lbColor, ::GetSysColor(COLOR_WINDOW));
}

TEST(CGEStyleBrush, TextFormRoundTripsAndRefusesOtherText) {
    const CGEStyleBrush brush(CGEStyleBrush::pattern, HS_BDIAGONAL, 3, GESysColor(COLOR_HIGHLIGHT),
                              RGB(9, 8, 7));
    CGEStyleBrush back;
    ASSERT_TRUE(back.SetDescription(brush.GetDescription()));
    EXPECT_EQ(back, brush);
    for (const char* bad : {"", "1 2 3 4", "1 2 3 4 5 6", "1 2 x 4 5", "1 2 3 4 99999999999", "-1 2 3 4 5"}) {
        CGEStyleBrush kept(RGB(1, 1, 1));
        EXPECT_FALSE(kept.SetDescription(bad)) << bad;
        EXPECT_EQ(kept, CGEStyleBrush(RGB(1, 1, 1)));
    }
}

TEST(CGEStyleBrush, ArchiveFormAndUnknownPatterns) {
    CGEStyleBrush brush(CGEStyleBrush::hatched, HS_VERTICAL, 0, RGB(1, 2, 3), GESysColor(COLOR_WINDOW));
    const Bytes bytes = archive_test::Store([&](CArchive& ar) { brush.SerializeLayout(ar); });
    const DWORD window = 0xF9000000u | ::GetSysColor(COLOR_WINDOW);
    const Bytes expected = {2,
                            0,
                            0,
                            0,
                            BYTE(window),
                            BYTE(window >> 8),
                            BYTE(window >> 16),
                            0xF9,
                            HS_VERTICAL,
                            0,
                            0,
                            0,
                            0,
                            0,
                            0,
                            0,
                            1,
                            2,
                            3,
                            0};
    EXPECT_EQ(bytes, expected);
    CGEStyleBrush back;
    archive_test::Load(bytes, [&](CArchive& ar) { back.SerializeLayout(ar); });
    EXPECT_EQ(back, brush);

    // A pattern brush whose pattern is not known becomes hollow.
    const DWORD unknown = static_cast<DWORD>(CGEStyleBrush::GetPatternCount());
    const Bytes patternBytes = archive_test::Store([&](CArchive& ar) {
        ar << DWORD(CGEStyleBrush::pattern) << DWORD(0) << DWORD(0) << unknown << DWORD(0);
    });
    archive_test::Load(patternBytes, [&](CArchive& ar) { back.SerializeLayout(ar); });
    EXPECT_EQ(back.GetStyle(), static_cast<UINT>(CGEStyleBrush::hollow));
    const Bytes knownBytes = archive_test::Store([&](CArchive& ar) {
        ar << DWORD(CGEStyleBrush::pattern) << DWORD(0) << DWORD(0) << (unknown - 1) << DWORD(0);
    });
    archive_test::Load(knownBytes, [&](CArchive& ar) { back.SerializeLayout(ar); });
    EXPECT_EQ(back.GetStyle(), static_cast<UINT>(CGEStyleBrush::pattern));
    EXPECT_NE(CGEStyleBrush::GetPatternBits(static_cast<int>(unknown) - 1), nullptr);
    EXPECT_EQ(CGEStyleBrush::GetPatternBits(static_cast<int>(unknown)), nullptr);
}

} // namespace
