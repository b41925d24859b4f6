// Fonts: attributes that may be unset, merging by mode, LOGFONT, the text form and the archive form.
#include "grid/core/CGEFont.h"
#include "grid/core/CGEStyleMergeMode.h"

#include "GridArchiveTestSupport.h"

#include <gtest/gtest.h>

namespace {

using archive_test::Bytes;

CGEFont BoldArial12() {
    CGEFont f;
    f.SetFaceName("Arial", ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS).SetSize(12).SetBold(TRUE);
    return f;
}

TEST(CGEFont, UnsetAttributesAndTheirMask) {
    CGEFont f;
    EXPECT_TRUE(f.IsEmpty());
    EXPECT_EQ(f.GetWeight(), 0);
    f.SetItalic(FALSE);
    EXPECT_EQ(f.IncludeMask(), static_cast<UINT>(CGEFont::fontItalic)); // set, even though off
    f.SetWeight(649).SetSize(10.5).SetOrientation(-900);
    EXPECT_EQ(f.GetWeight(), 600);
    EXPECT_EQ(f.GetSizeTenths(), 105u);
    EXPECT_EQ(f.GetOrientation(), 270);
    EXPECT_EQ(CGEFont::DecodeOrientation(f.GetOrientation()), 2700);
    f.SetInclude(CGEFont::fontWeight | CGEFont::fontItalic, FALSE);
    EXPECT_EQ(f.IncludeMask(), static_cast<UINT>(CGEFont::fontSize | CGEFont::fontOrientation));
    f.SetFaceName(CString('x', 40));
    EXPECT_EQ(f.GetFaceName().GetLength(), LF_FACESIZE - 1);
    f.SetFaceName("");
    EXPECT_FALSE(f.GetInclude(CGEFont::fontFaceName));
    EXPECT_EQ(f.GetCharSet(), DEFAULT_CHARSET);
}

TEST(CGEFont, MergeModes) {
    CGEFont small;
    small.SetSize(8).SetItalic(TRUE);
    struct Case {
        UINT mode;
        double size;
        int weight;
        BOOL italic;
        bool face;
    };
    const Case cases[] = {
        {geOverride, 12, 700, TRUE, true}, // src's attributes replace; italic kept
        {geApplyNew, 8, 700, TRUE, true},  // only what small did not set
        {geCopy, 12, 700, FALSE, true},
        {geExclude, 0, 0, TRUE, false}, // size removed, italic stays
    };
    for (const Case& c : cases) {
        CGEFont f = small;
        f.MergeFrom(BoldArial12(), c.mode);
        EXPECT_EQ(f.GetSize(), c.size) << c.mode;
        EXPECT_EQ(f.GetWeight(), c.weight) << c.mode;
        EXPECT_EQ(f.GetItalic(), c.italic) << c.mode;
        EXPECT_EQ(f.GetInclude(CGEFont::fontFaceName), c.face) << c.mode;
    }
}

TEST(CGEFont, LogFontBothWays) {
    LOGFONT lf;
    BoldArial12().GetLogFont(lf);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfCharSet, ANSI_CHARSET);
    EXPECT_LT(lf.lfHeight, 0);
    LOGFONT zoomed;
    BoldArial12().GetScaledLogFont(zoomed, 200);
    EXPECT_NEAR(zoomed.lfHeight, 2 * lf.lfHeight, 1);
    CGEFont back;
    back.SetLogFont(lf);
    EXPECT_EQ(back.GetSize(), 12);
    EXPECT_EQ(back.GetFaceName(), CString("Arial"));
    EXPECT_TRUE(back.GetBold());
    EXPECT_FALSE(back.GetItalic());
    EXPECT_TRUE(back.GetInclude(CGEFont::fontAll));
}

TEST(CGEFont, TextFormRoundTripsAndRefusesOtherText) {
    CGEFont partial;
    partial.SetSize(9.5).SetUnderline(TRUE);
    CGEFont withComma = BoldArial12();
    withComma.SetFaceName("Odd, Face", SYMBOL_CHARSET, FIXED_PITCH).SetOrientation(450);
    for (const CGEFont& f : {CGEFont(), partial, withComma, CGEFont::GetDefaultFont()}) {
        CGEFont back;
        back.SetSize(77);
        ASSERT_TRUE(back.SetDescription(f.GetDescription())) << f.GetDescription().GetString();
        EXPECT_TRUE(back == f) << f.GetDescription().GetString();
    }
    EXPECT_EQ(partial.GetDescription(), CString("9.5,,,1,,,1,0,"));
    for (const char* bad : {"", "12", "12,400,0,0,0,0,0,0", "x,400,0,0,0,0,0,0,Arial",
                            "12,1200,0,0,0,0,0,0,A", "12,400,2,0,0,0,0,0,A", "12,400,0,0,0,360,0,0,A",
                            "12.55,400,0,0,0,0,0,0,A", "12,400,0,0,0,0,256,0,A", "12,400,0,0,0,0,,0,A"}) {
        CGEFont kept = BoldArial12();
        EXPECT_FALSE(kept.SetDescription(bad)) << bad;
        EXPECT_TRUE(kept == BoldArial12()) << bad;
    }
}

TEST(CGEFont, ArchiveFormRoundTrips) {
    CGEFont f = BoldArial12();
    f.SetItalic(TRUE).SetStrikeOut(FALSE).SetOrientation(900);
    const Bytes bytes = archive_test::Store([&](CArchive& ar) { f.SerializeLayout(ar); });
    // Flags: italic on and set, strike-out set, weight, size, orientation and face present.
    const DWORD flags = 1 | ((1 | 4) << 3) | (1 << 6) | (1 << 7) | (1 << 8) | (1 << 9);
    EXPECT_EQ(bytes[0] | bytes[1] << 8 | bytes[2] << 16, static_cast<int>(flags));
    CGEFont back;
    archive_test::Load(bytes, [&](CArchive& ar) { back.SerializeLayout(ar); });
    EXPECT_TRUE(back == f);
    CGEFont empty;
    const Bytes emptyBytes = archive_test::Store([&](CArchive& ar) { empty.SerializeLayout(ar); });
    EXPECT_EQ(emptyBytes, (Bytes{0, 0, 0, 0}));
}

} // namespace
