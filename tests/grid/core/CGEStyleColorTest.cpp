// Colour words: kinds decoded from the high byte, the stored form and the colour to draw with.
#include "grid/core/CGEStyleColor.h"

#include <gtest/gtest.h>

namespace {

TEST(CGEStyleColor, DecodeTable) {
    struct Case {
        COLORREF word;
        UINT kind;
        DWORD value;
    };
    const Case cases[] = {
        {RGB(1, 2, 3), CGEStyleColor::rgb, 0x030201},
        {0x01000007, CGEStyleColor::paletteIndex, 7},
        {0x02112233, CGEStyleColor::paletteRgb, 0x112233},
        {GESysColor(COLOR_WINDOW), CGEStyleColor::system, COLOR_WINDOW},
        {0xF6123456, CGEStyleColor::system, COLOR_WINDOWTEXT}, // the low bits of a reference do not matter
        {0xFE000000, CGEStyleColor::system, 0},
        {0x41000000, CGEStyleColor::system, 189},   // 65: the last system index
        {0x40ABCDEF, CGEStyleColor::rgb, 0xABCDEF}, // 64: kind from the two low bits
        {0xFF000001, CGEStyleColor::system, 1},     // 255 & 3: kind 3 with the low bits
    };
    for (const Case& c : cases) {
        UINT kind = 99;
        DWORD value = 0;
        CGEStyleColor::Decode(c.word, kind, value);
        EXPECT_EQ(kind, c.kind) << std::hex << c.word;
        EXPECT_EQ(value, c.value) << std::hex << c.word;
    }
}

TEST(CGEStyleColor, SystemColoursAreLookedUpAndKeepTheirReference) {
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(GESysColor(COLOR_WINDOW), 0xF9000000u);
    EXPECT_EQ(CGEStyleColor::ToDrawable(CGEStyleColor::system, COLOR_WINDOW), window);
    EXPECT_EQ(CGEStyleColor::ToReference(CGEStyleColor::system, COLOR_WINDOW), 0xF9000000u | window);
    EXPECT_EQ(CGEStyleColor::Drawable(GESysColor(COLOR_WINDOW)), window);
    // Other kinds keep their high byte in both forms.
    EXPECT_EQ(CGEStyleColor::ToDrawable(CGEStyleColor::paletteIndex, 5), 0x01000005u);
    EXPECT_EQ(CGEStyleColor::ToReference(CGEStyleColor::rgb, 0x123456), 0x00123456u);
    // A kind-3 value that is no system index keeps its raw form and draws black.
    EXPECT_EQ(CGEStyleColor::ToReference(CGEStyleColor::system, 0x1234), 0x03001234u);
    EXPECT_EQ(CGEStyleColor::ToDrawable(CGEStyleColor::system, 0x1234), 0u);
}

} // namespace
