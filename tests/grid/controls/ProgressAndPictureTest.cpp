// The progress bar: caption templates that can only fill in the value, the bar's width between the
// bounds (none for equal bounds), the caption split in two colours at the bar's edge, values stored
// clamped; the database picture: bitmaps found inside a field's bytes, damaged bytes drawing nothing.
#include "ControlsTestSupport.h"

#include "grid/controls/CGEDaoBitmap.h"
#include "grid/controls/CGEProgressCtrl.h"
#include "grid/core/CGEOleVarUserAttribute.h"

#include <cstring>

using namespace ctltest;

namespace {

CGEStyle ProgressStyle(LPCSTR pszValue, LPCSTR pszLower, LPCSTR pszUpper, LPCSTR pszCaption = "") {
    CGEStyle style = ControlStyle(GE_IDS_CTRL_PROGRESS, nullptr, pszValue);
    style.SetUserAttribute(GE_IDS_UA_PROGRESS_LOWER, pszLower)
        .SetUserAttribute(GE_IDS_UA_PROGRESS_UPPER, pszUpper)
        .SetUserAttribute(GE_IDS_UA_PROGRESS_CAPTION, pszCaption);
    style.SetTextColor(RGB(0, 0, 255));
    style.SetInterior(CGEStyleBrush(RGB(255, 255, 255)));
    return style;
}

// A bitmap file of cx x cy pixels, 24 bits, all of one colour.
std::vector<BYTE> BitmapFile(int cx, int cy, COLORREF color) {
    const int nStride = (cx * 3 + 3) / 4 * 4;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = cx;
    info.biHeight = cy;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(nStride * cy);
    std::vector<BYTE> bytes(file.bfSize, 0);
    std::memcpy(bytes.data(), &file, sizeof file);
    std::memcpy(bytes.data() + sizeof file, &info, sizeof info);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x) {
            BYTE* p = bytes.data() + file.bfOffBits + y * nStride + x * 3;
            p[0] = GetBValue(color);
            p[1] = GetGValue(color);
            p[2] = GetRValue(color);
        }
    return bytes;
}

// The bytes as the byte-array VARIANT of the picture attribute.
void SetPictureBytes(CGEStyle& style, const std::vector<BYTE>& bytes) {
    VARIANT value;
    ::VariantInit(&value);
    value.vt = VT_ARRAY | VT_UI1;
    value.parray = ::SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
    void* pData = nullptr;
    ::SafeArrayAccessData(value.parray, &pData);
    if (!bytes.empty())
        std::memcpy(pData, bytes.data(), bytes.size());
    ::SafeArrayUnaccessData(value.parray);
    style.SetUserAttribute(GE_IDS_UA_DAOBITMAP, CGEOleVarUserAttribute(value));
    ::VariantClear(&value);
}

} // namespace

TEST(ProgressCtrl, CaptionTemplatesFillInOnlyTheValue) {
    struct Case {
        const char* format;
        long value;
        const char* caption;
    } const cases[] = {
        {"%d %%", 42, "42 %"},
        {"%ld of 100", -7, "-7 of 100"},
        {"[%5d]", 12, "[   12]"},
        {"%03x", 255, "0ff"},
        {"Done", 3, "Done"},
        {"%s", 3, "%s"},               // reads no text from anywhere
        {"%n%d", 3, "%n%d"},           // writes nowhere
        {"%d and %d", 3, "%d and %d"}, // one number only
        {"%*d", 3, "%*d"},
        {"50%", 3, "50%"},
        {"%99999999d", 3, "%99999999d"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(CGEProgressCtrl::FormatCaption(c.format, c.value), c.caption) << c.format;
}

TEST(ProgressCtrl, TheBarSpansTheValueBetweenTheBounds) {
    TestGrid grid;
    CGEProgressCtrl progress(&grid);
    const CRect rect(10, 0, 110, 20);
    struct Case {
        const char* value;
        const char* lower;
        const char* upper;
        int width;
        const char* what;
    } const cases[] = {
        {"50", "0", "100", 50, "half way"},
        {"100", "0", "100", 100, "the upper bound fills the cell"},
        {"-5", "0", "100", 0, "below the lower bound: no bar"},
        {"250", "0", "100", 100, "above the upper bound: not past the cell"},
        {"30", "20", "40", 50, "bounds other than 0"},
        {"5", "5", "5", 0, "equal bounds: no bar and no division by zero"},
        {"5", "10", "0", 0, "crossed bounds: no bar"},
    };
    for (const Case& c : cases) {
        const CGEStyle style = ProgressStyle(c.value, c.lower, c.upper);
        progress.SetScale(rect, CGEProgressCtrl::UpperBound(style) - CGEProgressCtrl::LowerBound(style));
        const CRect bar = progress.GetBarRect(std::atol(c.value), rect, style);
        EXPECT_EQ(bar.left, 10) << c.what;
        EXPECT_EQ(bar.Width(), c.width) << c.what;
    }
}

TEST(ProgressCtrl, TheCaptionChangesColourAtTheBarsEdge) {
    TestGrid grid;
    CGEProgressCtrl progress(&grid);
    const CRect rect(0, 0, 200, 24);
    const CGEStyle style = ProgressStyle("50", "0", "100", "MMMMMMMMMMMMMMMM");
    PixelCanvas canvas(200, 24, RGB(255, 0, 255));
    progress.Draw(canvas.DC(), rect, 1, 1, style, nullptr);
    // Blue bar (the text colour) on the left half, white rest; the caption is white over the bar and
    // blue over the rest, so the left half holds white caption pixels and the right half blue ones.
    int nWhiteOverBar = 0;
    int nBlueOverRest = 0;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 100; ++x)
            nWhiteOverBar += canvas.At(x, y) == RGB(255, 255, 255);
        for (int x = 100; x < 200; ++x)
            nBlueOverRest += canvas.At(x, y) == RGB(0, 0, 255);
    }
    EXPECT_GT(nWhiteOverBar, 20);
    EXPECT_GT(nBlueOverRest, 20);
    EXPECT_EQ(canvas.At(2, 2), RGB(0, 0, 255)) << "the bar";
    EXPECT_EQ(canvas.At(197, 2), RGB(255, 255, 255)) << "the rest";

    const CGEStyle tooWide = ProgressStyle("50", "0", "100", "MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM");
    PixelCanvas wide(200, 24, RGB(255, 0, 255));
    progress.Draw(wide.DC(), rect, 1, 1, tooWide, nullptr);
    int nWhiteInBar = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 100; ++x)
            nWhiteInBar += wide.At(x, y) == RGB(255, 255, 255);
    EXPECT_EQ(nWhiteInBar, 0) << "a caption wider than the cell is not drawn";
}

TEST(ProgressCtrl, StoredValuesAreClampedIntoTheBounds) {
    TestGrid grid;
    PutStyle(grid, 2, 2, ProgressStyle("10", "0", "100"));
    struct Case {
        const char* stored;
        const char* kept;
    } const cases[] = {{"150", "100"}, {"-20", "0"}, {"55", "55"}};
    for (const Case& c : cases) {
        grid.SetValueRange(CGECellRange(2, 2, 2, 2), c.stored, geOverride, 1,
                           GE_NOREDRAW); // through the control
        EXPECT_STREQ(grid.GetStoredCellValue(2, 2), c.kept) << c.stored;
    }
    PutStyle(grid, 3, 2, ProgressStyle("0", "-50", "-10"));
    grid.SetValueRange(CGECellRange(3, 2, 3, 2), "0", geOverride, 1, GE_NOREDRAW);
    EXPECT_STREQ(grid.GetStoredCellValue(3, 2), "-10") << "negative bounds are written signed";
}

TEST(DaoBitmap, FindsTheBitmapInsideTheFieldsBytes) {
    const std::vector<BYTE> file = BitmapFile(4, 3, RGB(255, 0, 0));
    std::vector<BYTE> withHeader = {'O', 'L', 'E', 'B', 'x', 'B', 'M', 0, 0, 1, 2};
    withHeader.insert(withHeader.end(), file.begin(), file.end());
    std::vector<BYTE> truncated(file.begin(), file.end() - 5);
    std::vector<BYTE> hugeWidth = file;
    const LONG nHuge = 0x7FFFFFFF;
    std::memcpy(hugeWidth.data() + sizeof(BITMAPFILEHEADER) + 4, &nHuge, sizeof nHuge);
    std::vector<BYTE> hugeColors = file;
    const DWORD nColors = 0xFFFFFFFF;
    std::memcpy(hugeColors.data() + sizeof(BITMAPFILEHEADER) + 32, &nColors, sizeof nColors);
    struct Case {
        std::vector<BYTE> bytes;
        int width;
        const char* what;
    } const cases[] = {
        {file, 4, "a bitmap file"},
        {withHeader, 4, "behind a database header holding a false \"BM\""},
        {{'n', 'o', ' ', 'p', 'i', 'c'}, 0, "no signature"},
        {{'B', 'M'}, 0, "a signature alone"},
        {truncated, 0, "bits cut short"},
        {hugeWidth, 0, "a width the bytes cannot hold"},
        {hugeColors, 0, "a colour table the bytes cannot hold"},
        {{}, 0, "no bytes"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CGEDaoBitmap::PictureOf(c.bytes).GetWidth(), c.width) << c.what;
    // A fuzz of damaged files: whatever the bytes, the answer is a whole bitmap or none.
    std::vector<BYTE> damaged = file;
    for (size_t i = 0; i < 54; ++i)
        for (BYTE b : {BYTE(0), BYTE(0xFF), BYTE(0x80)}) {
            damaged[i] = b;
            const CGEDIB dib = CGEDaoBitmap::PictureOf(damaged);
            EXPECT_TRUE(dib.IsEmpty() || dib.GetWidth() * dib.GetHeight() <= 12) << i;
            damaged[i] = file[i];
        }
}

TEST(DaoBitmap, DrawsThePictureOrOnlyTheBackground) {
    TestGrid grid;
    CGEDaoBitmap control(&grid);
    CGEStyle style = ControlStyle(GE_IDS_CTRL_DAOBITMAP);
    style.SetInterior(CGEStyleBrush(RGB(0, 255, 0)));
    const CRect rect(0, 0, 40, 30);
    const auto draw = [&](const CGEStyle& s, const CRect& r) {
        auto canvas = std::make_unique<PixelCanvas>(40, 30, RGB(255, 0, 255));
        control.Draw(canvas->DC(), r, 1, 1, s, nullptr);
        return canvas;
    };
    CGEStyle picture = style;
    SetPictureBytes(picture, BitmapFile(4, 3, RGB(255, 0, 0)));
    const CRect rectText = control.ComputeTextRect(1, 1, &rect, &picture);
    auto pDrawn = draw(picture, rect);
    EXPECT_EQ(pDrawn->At(rectText.left + 1, rectText.top + 1), RGB(255, 0, 0))
        << "the picture at the top left";
    EXPECT_EQ(pDrawn->At(rectText.left + 10, rectText.top + 10), RGB(0, 255, 0))
        << "the background beside it";

    CGEStyle noPicture = style;
    SetPictureBytes(noPicture, {'n', 'o', 'n', 'e'});
    auto pEmpty = draw(noPicture, rect);
    EXPECT_EQ(pEmpty->At(rectText.left + 1, rectText.top + 1), RGB(0, 255, 0))
        << "no signature: background only";

    auto pThin = draw(picture, CRect(0, 0, 1, 30));
    EXPECT_NE(pThin->At(rectText.left + 1, rectText.top + 1), RGB(255, 0, 0))
        << "a one-pixel cell: no picture";

    // Without the attribute the cell is static text.
    CGEStyle text = style;
    text.SetValue("Text");
    text.SetTextColor(RGB(0, 0, 0));
    CGEStatic staticText(&grid);
    PixelCanvas expected(40, 30, RGB(255, 0, 255));
    staticText.Draw(expected.DC(), rect, 1, 1, text, nullptr);
    EXPECT_TRUE(draw(text, rect)->SameAs(expected));
}
