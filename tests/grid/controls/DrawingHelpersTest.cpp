// The drawing helpers the cell controls share: packed pictures (sound and damaged blocks, drawing aligned
// in a rectangle), the named-picture pool, the character under a point, the wrapped line layout and the
// background a window over a cell erases.
#include "ControlsTestSupport.h"

#include "grid/controls/CGEDIB.h"
#include "grid/controls/CGEDIBPool.h"
#include "grid/controls/CGEDrawingAndFormatting.h"
#include "grid/controls/GECellWindowBackground.h"

#include <climits>
#include <cstring>
#include <vector>

using namespace ctltest;

namespace {

// A packed 24-bit DIB of one colour, bottom-up unless nHeight is negative.
std::vector<BYTE> PackedDib(int nWidth, int nHeight, COLORREF colour) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = nWidth;
    header.biHeight = nHeight;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const size_t nStride = ((static_cast<size_t>(nWidth) * 24 + 31) / 32) * 4;
    std::vector<BYTE> packed(sizeof header + nStride * static_cast<size_t>(std::abs(nHeight)));
    std::memcpy(packed.data(), &header, sizeof header);
    for (int y = 0; y < std::abs(nHeight); ++y) {
        BYTE* pRow = packed.data() + sizeof header + nStride * static_cast<size_t>(y);
        for (int x = 0; x < nWidth; ++x) {
            pRow[x * 3] = GetBValue(colour);
            pRow[x * 3 + 1] = GetGValue(colour);
            pRow[x * 3 + 2] = GetRValue(colour);
        }
    }
    return packed;
}

std::vector<BYTE> WithHeader(std::vector<BYTE> packed, void (*change)(BITMAPINFOHEADER&)) {
    change(*reinterpret_cast<BITMAPINFOHEADER*>(packed.data()));
    return packed;
}

} // namespace

TEST(DrawingHelpers, DamagedPicturesStayEmpty) {
    const CGEDIB sound(PackedDib(3, 2, RGB(255, 0, 0)));
    ASSERT_FALSE(sound.IsEmpty());
    EXPECT_EQ(sound.GetWidth(), 3);
    EXPECT_EQ(sound.GetHeight(), 2);
    EXPECT_EQ(sound.GetColorCount(), 0);
    std::vector<BYTE> cut = PackedDib(3, 2, RGB(255, 0, 0));
    cut.pop_back();
    struct Case {
        std::vector<BYTE> block;
        const char* what;
    } const cases[] = {
        {{}, "nothing"},
        {std::vector<BYTE>(10, 0), "shorter than a header"},
        {cut, "the bits cut short"},
        {WithHeader(PackedDib(3, 2, 0), [](BITMAPINFOHEADER& h) { h.biBitCount = 16; }), "16 bits a pixel"},
        {WithHeader(PackedDib(3, 2, 0), [](BITMAPINFOHEADER& h) { h.biHeight = INT_MIN; }),
         "the lowest height"},
        {WithHeader(PackedDib(3, 2, 0), [](BITMAPINFOHEADER& h) { h.biWidth = 0; }), "no width"},
        {WithHeader(PackedDib(3, 2, 0), [](BITMAPINFOHEADER& h) { h.biClrUsed = 100000; }),
         "a huge colour table"},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(CGEDIB(c.block).IsEmpty()) << c.what;
}

TEST(DrawingHelpers, APictureIsDrawnAlignedAndClippedToItsRectangle) {
    const COLORREF red = RGB(255, 0, 0);
    const COLORREF fill = RGB(0, 0, 255);
    for (const int nHeight : {4, -4}) {
        const CGEDIB dib(PackedDib(4, nHeight, red));
        PixelCanvas canvas(20, 20, fill);
        dib.Draw(canvas.DC(), CRect(0, 0, 20, 20), CGEDIB::alignCenter | CGEDIB::alignVCenter);
        EXPECT_EQ(canvas.At(8, 8), red) << nHeight;
        EXPECT_EQ(canvas.At(11, 11), red) << nHeight;
        EXPECT_EQ(canvas.At(7, 8), fill) << nHeight;
        EXPECT_EQ(canvas.At(12, 11), fill) << nHeight;
        PixelCanvas clipped(20, 20, fill);
        dib.Draw(clipped.DC(), CRect(0, 0, 2, 2), CGEDIB::alignRight | CGEDIB::alignBottom);
        EXPECT_EQ(clipped.At(1, 1), red) << nHeight;
        EXPECT_EQ(clipped.At(2, 1), fill) << nHeight << ": nothing past the rectangle";
    }
    EXPECT_EQ(CGEDIB::AlignFromFormat(DT_RIGHT | DT_BOTTOM), CGEDIB::alignRight | CGEDIB::alignBottom);
    EXPECT_EQ(CGEDIB::AlignFromFormat(DT_CENTER | DT_VCENTER), CGEDIB::alignCenter | CGEDIB::alignVCenter);
}

TEST(DrawingHelpers, ThePoolFindsPicturesByTheirExactName) {
    CGEDIBPool pool;
    EXPECT_EQ(pool.Lookup("Flag"), nullptr);
    EXPECT_TRUE(pool.Add("Flag", CGEDIB(PackedDib(2, 2, 0))));
    EXPECT_FALSE(pool.Add("", CGEDIB(PackedDib(2, 2, 0)))) << "no name";
    EXPECT_FALSE(pool.Add("Empty", CGEDIB())) << "no picture";
    ASSERT_NE(pool.Lookup("Flag"), nullptr);
    EXPECT_EQ(pool.Lookup("flag"), nullptr) << "names match exactly";
    EXPECT_EQ(pool.Lookup("Empty"), nullptr);
    pool.Remove("Flag");
    EXPECT_EQ(pool.Lookup("Flag"), nullptr);
}

TEST(DrawingHelpers, TheCharacterUnderAPoint) {
    CGEDrawingAndFormatting* pDraw = CGEDrawingAndFormatting::GetInstance();
    PixelCanvas canvas(200, 40);
    CDC* pDC = canvas.DC();
    pDC->SelectStockObject(SYSTEM_FONT);
    const int cxHe = pDC->GetTextExtent("he", 2).cx;
    const int cxHello = pDC->GetTextExtent("hello", 5).cx;
    TEXTMETRICA tm{};
    pDC->GetTextMetrics(&tm);
    const CRect rect(10, 0, 190, 40);
    const UINT nSingle = DT_SINGLELINE | DT_VCENTER;
    const int y = 20;
    EXPECT_EQ(pDraw->GetCharIndexAtPoint(pDC, "hello", -1, rect, nSingle, CPoint(10, y)), 0);
    EXPECT_EQ(pDraw->GetCharIndexAtPoint(pDC, "hello", -1, rect, nSingle, CPoint(10 + cxHe, y)), 2);
    EXPECT_EQ(pDraw->GetCharIndexAtPoint(pDC, "hello", -1, rect, nSingle, CPoint(10 + cxHello, y)), -1)
        << "beside the text";
    EXPECT_EQ(pDraw->GetCharIndexAtPoint(pDC, "hello", -1, rect, nSingle, CPoint(20, 1)), -1) << "above it";
    EXPECT_EQ(pDraw->GetCharIndexAtPoint(pDC, "hello", -1, rect, nSingle | DT_RIGHT, CPoint(189, y)), 4)
        << "right-aligned: the last character at the right edge";
    EXPECT_EQ(pDraw->GetCharIndexAtPoint(pDC, "", -1, rect, nSingle, CPoint(10, y)), -1);
    // Two lines: the second starts after the break.
    EXPECT_EQ(
        pDraw->GetCharIndexAtPoint(pDC, "ab\r\ncd", -1, rect, DT_WORDBREAK, CPoint(10, tm.tmHeight + 1)), 4);
}

TEST(DrawingHelpers, LinesBreakAtTheirBreaksAndBetweenWords) {
    CGEDrawingAndFormatting* pDraw = CGEDrawingAndFormatting::GetInstance();
    PixelCanvas canvas(10, 10);
    CDC* pDC = canvas.DC();
    pDC->SelectStockObject(SYSTEM_FONT);
    const int cxTwoWords = pDC->GetTextExtent("one two", 7).cx;
    std::vector<int> starts;
    std::vector<int> lengths;
    const CRect narrow(0, 0, cxTwoWords, 100);
    EXPECT_EQ(pDraw->LayoutWrappedLines(pDC, "one two three", -1, narrow, DT_WORDBREAK, starts, lengths, 32),
              2);
    EXPECT_EQ(starts, (std::vector<int>{0, 8}));
    EXPECT_EQ(lengths, (std::vector<int>{7, 5}));
    const CRect wide(0, 0, 1000, 100);
    EXPECT_EQ(pDraw->LayoutWrappedLines(pDC, "a\r\nb\nc", -1, wide, DT_WORDBREAK, starts, lengths, 32), 3)
        << "CR LF is one break";
    EXPECT_EQ(starts, (std::vector<int>{0, 3, 5}));
    EXPECT_EQ(pDraw->LayoutWrappedLines(pDC, "a\nb\nc", -1, wide, DT_WORDBREAK, starts, lengths, 2), 2)
        << "at most the lines asked for";
    EXPECT_EQ(pDraw->LayoutWrappedLines(pDC, "unbreakable", -1, CRect(0, 0, 5, 100), DT_WORDBREAK, starts,
                                        lengths, 32),
              1)
        << "a word wider than the rectangle keeps its line";
}

TEST(DrawingHelpers, ACellWindowErasesToWhiteOrToTheCellsInterior) {
    WindowGrid window;
    const HWND hChild = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 30, 20, window.Hwnd(), nullptr,
                                          ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hChild, nullptr);
    CWnd child;
    child.Attach(hChild);
    CGEStyle plain;
    CGEStyle green;
    green.SetInterior(CGEStyleBrush(RGB(0, 255, 0)));
    const struct {
        const char* what;
        const CGEStyle* pStyle;
        COLORREF expected;
    } cases[] = {
        {"bound to no cell", nullptr, RGB(255, 255, 255)},
        {"a cell without an interior", &plain, RGB(255, 255, 255)},
        {"a cell with an interior", &green, RGB(0, 255, 0)},
    };
    for (const auto& c : cases) {
        PixelCanvas canvas(40, 30, RGB(255, 0, 255));
        GEEraseCellWindowBackground(child, canvas.DC(), &window.grid, c.pStyle);
        EXPECT_EQ(canvas.At(0, 0), c.expected) << c.what;
        EXPECT_EQ(canvas.At(29, 19), c.expected) << c.what << ": the whole client area";
        EXPECT_EQ(canvas.At(35, 25), RGB(255, 0, 255)) << c.what << ": nothing beyond it";
    }
    child.Detach();
    ::DestroyWindow(hChild);
}
