// Drawing through CDC, checked in the pixels of a 32-bit DIB section selected into a memory DC.
#include "WinTestSupport.h"

#include "GdiTestsResource.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A memory DC drawing into a white top-down 32-bit bitmap whose pixels the test reads directly.
class Canvas {
public:
    Canvas(int width, int height) : m_width(width), m_height(height) {
        void* bits = nullptr;
        bitmap.Attach(wintest::CreateTopDownDib(nullptr, width, height, 32, &bits));
        m_bits = static_cast<DWORD*>(bits);
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(&bitmap);
        Clear();
    }

    // Written straight into the bits, whatever the DC's mapping and clipping.
    void Clear(COLORREF color = kWhite) {
        ::GdiFlush();
        const DWORD bgra = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
        std::fill(m_bits, m_bits + m_width * m_height, bgra);
    }

    // The pixel at device coordinates, whatever the DC's mapping and clipping.
    COLORREF At(int x, int y) const {
        ::GdiFlush();
        const DWORD bgra = m_bits[y * m_width + x];
        return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }

    // The smallest rectangle holding every pixel that is not the background (empty when none is).
    CRect Ink(COLORREF background = kWhite) const {
        CRect box(m_width, m_height, 0, 0);
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                if (At(x, y) != background) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return box.IsRectEmpty() ? CRect() : box;
    }

    int Count(COLORREF color) const {
        int count = 0;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                count += At(x, y) == color ? 1 : 0;
        return count;
    }

    CBitmap bitmap; // declared first: the DC holding it goes first
    CDC dc;

private:
    int m_width;
    int m_height;
    DWORD* m_bits = nullptr;
};

// A font every test run has (Tahoma from Wine's fonts), black text on a transparent background.
class TextCanvas : public Canvas {
public:
    TextCanvas(int width, int height) : Canvas(width, height) {
        LOGFONTA lf{};
        lf.lfHeight = -13;
        ::lstrcpyA(lf.lfFaceName, "Tahoma");
        font.CreateFontIndirect(&lf);
        dc.SelectObject(&font);
        dc.SetTextColor(kBlack);
        dc.SetBkMode(TRANSPARENT);
        dc.GetTextMetrics(&tm);
    }
    ~TextCanvas() { dc.SelectStockObject(SYSTEM_FONT); }

    CFont font;
    TEXTMETRICA tm{};
};

// ---------------------------------------------------------------------------------------------------
// Rectangles

TEST(GdiDraw, FillSolidRectFillsExactlyTheRectangleAndTakesTheBackgroundColour) {
    Canvas canvas(20, 20);
    canvas.dc.SetBkColor(kGreen);
    canvas.dc.FillSolidRect(CRect(2, 3, 6, 8), kRed);
    EXPECT_EQ(canvas.Ink(), CRect(2, 3, 6, 8));
    EXPECT_EQ(canvas.Count(kRed), 4 * 5);
    EXPECT_EQ(canvas.dc.GetBkColor(), kRed);

    canvas.dc.FillSolidRect(10, 10, 3, 2, kBlue); // x, y, width, height
    EXPECT_EQ(canvas.At(10, 10), kBlue);
    EXPECT_EQ(canvas.At(12, 11), kBlue);
    EXPECT_EQ(canvas.At(13, 11), kWhite);
    EXPECT_EQ(canvas.At(12, 12), kWhite);
}

TEST(GdiDraw, Draw3dRectGivesTheCornersOnTheRightAndBottomToTheSecondColour) {
    for (bool byRect : {true, false}) {
        SCOPED_TRACE(byRect ? "rectangle form" : "coordinate form");
        Canvas canvas(16, 16);
        if (byRect)
            canvas.dc.Draw3dRect(CRect(2, 2, 12, 10), kRed, kBlue);
        else
            canvas.dc.Draw3dRect(2, 2, 10, 8, kRed, kBlue);
        for (int x = 2; x <= 10; ++x)
            EXPECT_EQ(canvas.At(x, 2), kRed) << "top " << x;
        for (int y = 2; y <= 8; ++y)
            EXPECT_EQ(canvas.At(2, y), kRed) << "left " << y;
        for (int y = 2; y <= 9; ++y)
            EXPECT_EQ(canvas.At(11, y), kBlue) << "right " << y;
        for (int x = 2; x <= 11; ++x)
            EXPECT_EQ(canvas.At(x, 9), kBlue) << "bottom " << x;
        EXPECT_EQ(canvas.Ink(), CRect(2, 2, 12, 10));
        EXPECT_EQ(canvas.Count(kRed) + canvas.Count(kBlue), 2 * 10 + 2 * 8 - 4); // one-pixel frame only
    }
}

TEST(GdiDraw, FillFrameAndInvertRectUseTheBrushGiven) {
    Canvas canvas(20, 20);
    CBrush red(kRed);
    CBrush blue(kBlue);
    canvas.dc.FillRect(CRect(0, 0, 10, 10), &red);
    canvas.dc.FrameRect(CRect(10, 10, 20, 20), &blue);
    EXPECT_EQ(canvas.Count(kRed), 100);
    EXPECT_EQ(canvas.At(10, 10), kBlue);
    EXPECT_EQ(canvas.At(19, 19), kBlue);
    EXPECT_EQ(canvas.At(15, 15), kWhite);

    canvas.dc.InvertRect(CRect(0, 0, 20, 1));
    EXPECT_EQ(canvas.At(0, 0), RGB(0, 255, 255));
    EXPECT_EQ(canvas.At(15, 0), kBlack);
}

TEST(GdiDraw, PatBltPaintsWithTheSelectedBrush) {
    Canvas canvas(10, 10);
    CBrush green(kGreen);
    CBrush* old = canvas.dc.SelectObject(&green);
    EXPECT_TRUE(canvas.dc.PatBlt(1, 1, 3, 3, PATCOPY));
    EXPECT_EQ(canvas.Ink(), CRect(1, 1, 4, 4));
    EXPECT_EQ(canvas.At(2, 2), kGreen);
    EXPECT_TRUE(canvas.dc.PatBlt(0, 0, 10, 10, DSTINVERT));
    EXPECT_EQ(canvas.At(2, 2), RGB(255, 0, 255));
    EXPECT_EQ(canvas.At(8, 8), kBlack);
    canvas.dc.SelectObject(old);
}

TEST(GdiDraw, DrawFocusRectTwiceLeavesNoTrace) {
    Canvas canvas(20, 20);
    canvas.dc.FillSolidRect(CRect(0, 0, 20, 20), kBlue);
    canvas.dc.DrawFocusRect(CRect(2, 2, 18, 18));
    EXPECT_NE(canvas.Count(kBlue), 400);
    EXPECT_EQ(canvas.At(10, 10), kBlue); // only the outline
    canvas.dc.DrawFocusRect(CRect(2, 2, 18, 18));
    EXPECT_EQ(canvas.Count(kBlue), 400);
}

TEST(GdiDraw, DrawEdgeDrawsTwoPixelBordersAndAdjustsTheRectangle) {
    Canvas canvas(20, 20);
    CRect rect(0, 0, 20, 20);
    EXPECT_TRUE(canvas.dc.DrawEdge(rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST));
    EXPECT_EQ(rect, CRect(2, 2, 18, 18));
    EXPECT_EQ(canvas.At(0, 0), ::GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(canvas.At(19, 19), ::GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(canvas.At(1, 1), ::GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(canvas.At(10, 10), kWhite);

    CRect check(0, 0, 16, 16);
    Canvas unchecked(16, 16);
    Canvas checked(16, 16);
    EXPECT_TRUE(unchecked.dc.DrawFrameControl(check, DFC_BUTTON, DFCS_BUTTONCHECK));
    EXPECT_TRUE(checked.dc.DrawFrameControl(check, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED));
    EXPECT_FALSE(unchecked.Ink().IsRectEmpty());
    EXPECT_NE(checked.Count(kWhite), unchecked.Count(kWhite)); // the check mark
}

// ---------------------------------------------------------------------------------------------------
// Lines and shapes

TEST(GdiDraw, LinesStartAtTheCurrentPositionAndStopBeforeTheirEnd) {
    Canvas canvas(20, 20);
    CPen red(PS_SOLID, 1, kRed);
    CPen* old = canvas.dc.SelectObject(&red);
    EXPECT_EQ(canvas.dc.MoveTo(2, 5), CPoint(0, 0));
    EXPECT_TRUE(canvas.dc.LineTo(10, 5));
    EXPECT_EQ(canvas.dc.GetCurrentPosition(), CPoint(10, 5));
    EXPECT_EQ(canvas.Ink(), CRect(2, 5, 10, 6));
    EXPECT_TRUE(canvas.dc.LineTo(CPoint(10, 9)));
    EXPECT_EQ(canvas.At(10, 5), kRed);
    EXPECT_EQ(canvas.At(10, 8), kRed);
    EXPECT_EQ(canvas.At(10, 9), kWhite);

    const POINT points[] = {{0, 15}, {5, 15}, {5, 19}};
    EXPECT_TRUE(canvas.dc.Polyline(points, 3));
    EXPECT_EQ(canvas.At(3, 15), kRed);
    EXPECT_EQ(canvas.At(5, 17), kRed);
    canvas.dc.SelectObject(old);
}

TEST(GdiDraw, ShapesOutlineWithThePenAndFillWithTheBrush) {
    Canvas canvas(40, 40);
    CPen red(PS_SOLID, 1, kRed);
    CBrush blue(kBlue);
    CPen* oldPen = canvas.dc.SelectObject(&red);
    CBrush* oldBrush = canvas.dc.SelectObject(&blue);

    EXPECT_TRUE(canvas.dc.Rectangle(CRect(2, 2, 10, 10)));
    EXPECT_EQ(canvas.At(2, 2), kRed);
    EXPECT_EQ(canvas.At(9, 9), kRed);
    EXPECT_EQ(canvas.At(5, 5), kBlue);
    EXPECT_EQ(canvas.At(10, 10), kWhite);

    EXPECT_TRUE(canvas.dc.Ellipse(20, 0, 40, 20));
    EXPECT_EQ(canvas.At(30, 10), kBlue);
    EXPECT_EQ(canvas.At(20, 0), kWhite); // corners stay out

    const POINT triangle[] = {{0, 39}, {18, 39}, {0, 21}};
    canvas.dc.SetPolyFillMode(WINDING);
    EXPECT_EQ(canvas.dc.GetPolyFillMode(), WINDING);
    EXPECT_TRUE(canvas.dc.Polygon(triangle, 3));
    EXPECT_EQ(canvas.At(4, 35), kBlue);
    EXPECT_EQ(canvas.At(16, 23), kWhite);

    EXPECT_TRUE(canvas.dc.RoundRect(CRect(20, 22, 40, 40), CPoint(10, 10)));
    EXPECT_EQ(canvas.At(30, 31), kBlue);
    EXPECT_EQ(canvas.At(20, 22), kWhite); // rounded off

    canvas.dc.SelectObject(oldPen);
    canvas.dc.SelectObject(oldBrush);
}

TEST(GdiDraw, SetPixelAndGetPixelWorkInLogicalCoordinates) {
    Canvas canvas(10, 10);
    EXPECT_EQ(canvas.dc.SetPixel(3, 4, kGreen), kGreen);
    EXPECT_EQ(canvas.At(3, 4), kGreen);
    EXPECT_EQ(canvas.dc.GetPixel(CPoint(3, 4)), kGreen);
    EXPECT_EQ(canvas.dc.GetPixel(20, 20), CLR_INVALID);
    canvas.dc.SetViewportOrg(2, 2);
    EXPECT_EQ(canvas.dc.GetPixel(1, 2), kGreen);
}

// ---------------------------------------------------------------------------------------------------
// Bitmaps

TEST(GdiDraw, BitBltAndStretchBltCopyBetweenMemoryDCs) {
    Canvas source(8, 8);
    source.dc.FillSolidRect(0, 0, 4, 4, kRed);
    source.dc.FillSolidRect(4, 4, 4, 4, kBlue);
    Canvas target(20, 20);

    EXPECT_TRUE(target.dc.BitBlt(3, 4, 8, 8, &source.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(target.At(3, 4), kRed);
    EXPECT_EQ(target.At(6, 7), kRed);
    EXPECT_EQ(target.At(7, 8), kBlue);
    EXPECT_EQ(target.At(10, 11), kBlue);
    EXPECT_EQ(target.At(11, 12), kWhite);
    EXPECT_EQ(target.Count(kRed), 16);

    target.Clear();
    EXPECT_TRUE(target.dc.StretchBlt(0, 0, 16, 16, &source.dc, 0, 0, 8, 8, SRCCOPY));
    EXPECT_EQ(target.Count(kRed), 64);
    EXPECT_EQ(target.Count(kBlue), 64);
    EXPECT_EQ(target.At(7, 7), kRed);
    EXPECT_EQ(target.At(8, 8), kBlue);
}

TEST(GdiDraw, DrawStateAndMaskBltDrawBitmaps) {
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDB_GDI_TEST));
    Canvas canvas(10, 10);
    EXPECT_TRUE(canvas.dc.DrawState(CPoint(2, 3), CSize(4, 2), &bitmap, DSS_NORMAL));
    EXPECT_EQ(canvas.At(2, 3), kRed);
    EXPECT_EQ(canvas.At(3, 3), kGreen);
    EXPECT_EQ(canvas.At(4, 3), kBlue);
    EXPECT_EQ(canvas.At(2, 4), kBlack);
    EXPECT_EQ(canvas.At(5, 4), RGB(255, 255, 0));

    // MaskBlt: where the mask is 1 the source is copied (foreground), elsewhere the target stays.
    Canvas source(10, 10);
    source.dc.FillSolidRect(0, 0, 10, 10, kGreen);
    CBitmap mask;
    const BYTE rows[4] = {0x80, 0, 0, 0}; // monochrome rows of two bytes: the first pixel of row 0 only
    ASSERT_TRUE(mask.CreateBitmap(2, 2, 1, 1, rows));
    canvas.Clear();
    EXPECT_TRUE(canvas.dc.MaskBlt(0, 0, 2, 2, &source.dc, 0, 0, mask, 0, 0, MAKEROP4(SRCCOPY, 0x00AA0029)));
    EXPECT_EQ(canvas.At(0, 0), kGreen);
    EXPECT_EQ(canvas.At(1, 0), kWhite);
    EXPECT_EQ(canvas.At(0, 1), kWhite);
}

TEST(GdiDraw, IconsAndStateTextLeaveInk) {
    Canvas canvas(40, 40);
    HICON hIcon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32512)); // IDI_APPLICATION
    ASSERT_NE(hIcon, nullptr);
    EXPECT_TRUE(canvas.dc.DrawIcon(CPoint(4, 4), hIcon));
    const CRect icon = canvas.Ink();
    EXPECT_FALSE(icon.IsRectEmpty());
    EXPECT_GE(icon.left, 4);
    EXPECT_GE(icon.top, 4);

    TextCanvas text(80, 20);
    EXPECT_TRUE(text.dc.DrawState(CPoint(0, 0), CSize(80, 20), "&Text", DSS_NORMAL));
    EXPECT_FALSE(text.Ink().IsRectEmpty());
}

// ---------------------------------------------------------------------------------------------------
// Text

TEST(GdiText, CalcRectMeasuresWithoutDrawing) {
    TextCanvas canvas(200, 100);
    const CSize extent = canvas.dc.GetTextExtent("Hello World");
    EXPECT_EQ(extent, canvas.dc.GetTextExtent(CString("Hello World")));
    EXPECT_EQ(extent.cy, canvas.tm.tmHeight);

    CRect rect(10, 10, 10, 10);
    EXPECT_EQ(canvas.dc.DrawText("Hello World", -1, rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX),
              canvas.tm.tmHeight);
    EXPECT_EQ(rect, CRect(10, 10, 10 + extent.cx, 10 + extent.cy));
    EXPECT_TRUE(canvas.Ink().IsRectEmpty());

    // Lines: one per line break; the width of the widest.
    rect.SetRect(0, 0, 0, 0);
    const CString lines("one\nthree\ntwo");
    EXPECT_EQ(canvas.dc.DrawText(lines, rect, DT_CALCRECT), 3 * canvas.tm.tmHeight);
    EXPECT_EQ(rect.Height(), 3 * canvas.tm.tmHeight);
    EXPECT_EQ(rect.Width(), canvas.dc.GetTextExtent("three").cx);

    // Word breaks keep within the width given.
    rect.SetRect(0, 0, 60, 0);
    canvas.dc.DrawText("alpha beta gamma delta", -1, rect, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_LE(rect.Width(), 60);
    EXPECT_GE(rect.Height(), 2 * canvas.tm.tmHeight);
    EXPECT_EQ(rect.Height() % canvas.tm.tmHeight, 0);
    EXPECT_TRUE(canvas.Ink().IsRectEmpty());
}

TEST(GdiText, DrawTextAlignsWithinTheRectangle) {
    struct Case {
        UINT format;
        const char* name;
    };
    const Case cases[] = {
        {DT_LEFT | DT_TOP | DT_SINGLELINE, "left top"},
        {DT_RIGHT | DT_TOP | DT_SINGLELINE, "right top"},
        {DT_CENTER | DT_VCENTER | DT_SINGLELINE, "centre"},
        {DT_RIGHT | DT_BOTTOM | DT_SINGLELINE, "right bottom"},
    };
    const CRect area(0, 0, 200, 40);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextCanvas canvas(200, 40);
        const CSize extent = canvas.dc.GetTextExtent("MMMM");
        CRect rect(area);
        const int height = canvas.dc.DrawText(CString("MMMM"), rect, c.format);
        // Where the text's cell must be; the ink lies inside it.
        CRect cell(CPoint(0, 0), extent);
        if (c.format & DT_RIGHT)
            cell.OffsetRect(area.Width() - extent.cx, 0);
        if (c.format & DT_CENTER)
            cell.OffsetRect((area.Width() - extent.cx) / 2, 0);
        if (c.format & DT_BOTTOM)
            cell.OffsetRect(0, area.Height() - extent.cy);
        if (c.format & DT_VCENTER)
            cell.OffsetRect(0, (area.Height() - extent.cy) / 2);
        // The height, or with vertical alignment the offset of the text's bottom from the top.
        EXPECT_EQ(height, (c.format & (DT_VCENTER | DT_BOTTOM)) ? cell.bottom - area.top : extent.cy);
        const CRect ink = canvas.Ink();
        ASSERT_FALSE(ink.IsRectEmpty());
        EXPECT_GE(ink.left, cell.left - 1);
        EXPECT_LE(ink.right, cell.right + 1);
        EXPECT_GE(ink.top, cell.top);
        EXPECT_LE(ink.bottom, cell.bottom);
        EXPECT_GT(ink.Width(), extent.cx * 3 / 4); // the whole text, not a part
    }
}

TEST(GdiText, EllipsisShortensACopyOfACStringButTheCallersBuffer) {
    TextCanvas canvas(200, 40);
    const CString text("A rather long line of text that does not fit");
    CRect rect(0, 0, 60, 20);
    canvas.dc.DrawText(text, rect, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    EXPECT_EQ(text, "A rather long line of text that does not fit");
    EXPECT_LE(canvas.Ink().right, 60);

    char buffer[64] = "A rather long line of text that does not fit";
    canvas.dc.DrawText(buffer, -1, rect, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    EXPECT_NE(std::string(buffer).find("..."), std::string::npos) << buffer;
}

TEST(GdiText, TextOutDrawsAtThePointByTheAlignment) {
    TextCanvas canvas(200, 40);
    EXPECT_TRUE(canvas.dc.TextOut(20, 5, CString("Text")));
    const CRect left = canvas.Ink();
    EXPECT_GE(left.left, 20);
    EXPECT_LE(left.left, 22);

    canvas.Clear();
    EXPECT_EQ(canvas.dc.SetTextAlign(TA_RIGHT | TA_TOP), static_cast<UINT>(TA_LEFT | TA_TOP));
    EXPECT_EQ(canvas.dc.GetTextAlign(), static_cast<UINT>(TA_RIGHT | TA_TOP));
    EXPECT_TRUE(canvas.dc.TextOut(100, 5, "Text", 4));
    const CRect right = canvas.Ink();
    EXPECT_LE(right.right, 100);
    EXPECT_GE(right.right, 97);
    EXPECT_EQ(right.Width(), left.Width());

    // An opaque ExtTextOut fills its rectangle with the background colour.
    canvas.Clear();
    canvas.dc.SetTextAlign(TA_LEFT | TA_TOP);
    canvas.dc.SetBkColor(kGreen);
    const CRect box(0, 0, 50, 20);
    EXPECT_TRUE(canvas.dc.ExtTextOut(2, 2, ETO_OPAQUE, box, CString("ab"), nullptr));
    EXPECT_EQ(canvas.At(45, 15), kGreen);
    EXPECT_EQ(canvas.At(55, 15), kWhite);
}

TEST(GdiText, TabsExpandToTheStopsGiven) {
    TextCanvas canvas(300, 30);
    int stops[] = {120};
    const CSize drawn = canvas.dc.TabbedTextOut(0, 0, CString("a\tWW"), 1, stops, 0);
    EXPECT_EQ(drawn, canvas.dc.GetTabbedTextExtent(CString("a\tWW"), 1, stops));
    EXPECT_EQ(drawn.cx, 120 + canvas.dc.GetTextExtent("WW").cx);
    EXPECT_EQ(drawn.cy, canvas.tm.tmHeight);
    // The second part starts at the stop.
    int firstAfterGap = -1;
    for (int x = 20; x < 300 && firstAfterGap < 0; ++x)
        for (int y = 0; y < 30; ++y)
            if (canvas.At(x, y) != kWhite) {
                firstAfterGap = x;
                break;
            }
    EXPECT_GE(firstAfterGap, 120);
    EXPECT_LE(firstAfterGap, 122);
}

TEST(GdiText, MetricsFaceAndCharacterWidthsComeFromTheSelectedFont) {
    TextCanvas canvas(10, 10);
    CString face;
    EXPECT_GT(canvas.dc.GetTextFace(face), 0);
    EXPECT_EQ(face, "Tahoma");
    char buffer[LF_FACESIZE] = {};
    EXPECT_GT(canvas.dc.GetTextFace(LF_FACESIZE, buffer), 0);
    EXPECT_STREQ(buffer, "Tahoma");
    EXPECT_EQ(canvas.tm.tmHeight - canvas.tm.tmInternalLeading, 13);

    int widths[2] = {};
    ASSERT_TRUE(canvas.dc.GetCharWidth('i', 'j', widths));
    int wide = 0;
    ASSERT_TRUE(canvas.dc.GetCharWidth('W', 'W', &wide));
    EXPECT_LT(widths[0], wide);
    EXPECT_EQ(canvas.dc.GetTextExtent("W").cx, wide);

    // Justification spreads extra width over the breaks of the next output or measurement.
    const int plain = canvas.dc.GetTextExtent("a b").cx;
    canvas.dc.SetTextJustification(20, 1);
    EXPECT_EQ(canvas.dc.GetTextExtent("a b").cx, plain + 20);
    canvas.dc.SetTextJustification(0, 0);
    EXPECT_EQ(canvas.dc.GetTextExtent("a b").cx, plain);
}

// ---------------------------------------------------------------------------------------------------
// Separate output and attribute DCs

TEST(GdiDraw, AttributeDCIsSetTogetherWithTheOutputAndMeasuresText) {
    Canvas output(40, 20);
    CDC attrib;
    ASSERT_TRUE(attrib.CreateCompatibleDC(nullptr));
    CDC dc;
    dc.SetOutputDC(output.dc.m_hDC);
    dc.SetAttribDC(attrib.m_hDC);

    dc.SetTextColor(RGB(1, 2, 3));
    dc.SetMapMode(MM_TEXT);
    dc.SetViewportOrg(1, 1);
    EXPECT_EQ(::GetTextColor(output.dc), RGB(1, 2, 3));
    EXPECT_EQ(::GetTextColor(attrib), RGB(1, 2, 3));
    EXPECT_EQ(attrib.GetViewportOrg(), CPoint(1, 1));
    EXPECT_EQ(output.dc.GetViewportOrg(), CPoint(1, 1));

    // Lines go to the output; the attribute DC follows the current position.
    CPen red(PS_SOLID, 1, kRed);
    dc.SelectObject(&red);
    dc.MoveTo(0, 0);
    dc.LineTo(5, 0);
    EXPECT_EQ(output.At(1, 1), kRed);
    EXPECT_EQ(attrib.GetCurrentPosition(), CPoint(5, 0));
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(5, 0));

    // Measuring uses the attribute DC's font, the Output forms the output DC's.
    LOGFONTA lf{};
    lf.lfHeight = -40;
    ::lstrcpyA(lf.lfFaceName, "Tahoma");
    CFont big;
    ASSERT_TRUE(big.CreateFontIndirect(&lf));
    HGDIOBJ oldFont = ::SelectObject(attrib, big);
    EXPECT_GT(dc.GetTextExtent("abc").cy, dc.GetOutputTextExtent("abc").cy);
    TEXTMETRICA tmAttrib{};
    TEXTMETRICA tmOutput{};
    ASSERT_TRUE(dc.GetTextMetrics(&tmAttrib));
    ASSERT_TRUE(dc.GetOutputTextMetrics(&tmOutput));
    EXPECT_GT(tmAttrib.tmHeight, tmOutput.tmHeight);
    ::SelectObject(attrib, oldFont);
    dc.SelectStockObject(BLACK_PEN);

    dc.ReleaseOutputDC();
    dc.ReleaseAttribDC();
    EXPECT_EQ(dc.m_hDC, nullptr);
    EXPECT_EQ(dc.m_hAttribDC, nullptr);
}

// ---------------------------------------------------------------------------------------------------
// Clipping

TEST(GdiClip, ExcludedRectangleStaysUntouched) {
    Canvas canvas(64, 64);
    EXPECT_EQ(canvas.dc.ExcludeClipRect(20, 20, 40, 40), COMPLEXREGION);
    EXPECT_FALSE(canvas.dc.PtVisible(30, 30));
    EXPECT_TRUE(canvas.dc.PtVisible(CPoint(10, 10)));
    EXPECT_FALSE(canvas.dc.RectVisible(CRect(25, 25, 35, 35)));
    EXPECT_TRUE(canvas.dc.RectVisible(CRect(15, 15, 25, 25)));
    CRect box;
    EXPECT_EQ(canvas.dc.GetClipBox(box), COMPLEXREGION);
    EXPECT_EQ(box, CRect(0, 0, 64, 64));

    canvas.dc.FillSolidRect(0, 0, 64, 64, kRed);
    EXPECT_EQ(canvas.Count(kWhite), 20 * 20);
    EXPECT_EQ(canvas.At(20, 20), kWhite);
    EXPECT_EQ(canvas.At(39, 39), kWhite);
    EXPECT_EQ(canvas.At(40, 40), kRed);
    EXPECT_EQ(canvas.At(19, 19), kRed);

    // Intersecting narrows it further; a null region removes all clipping.
    EXPECT_EQ(canvas.dc.IntersectClipRect(CRect(0, 0, 10, 10)), SIMPLEREGION);
    EXPECT_EQ(canvas.dc.GetClipBox(box), SIMPLEREGION);
    EXPECT_EQ(box, CRect(0, 0, 10, 10));
    EXPECT_EQ(canvas.dc.SelectClipRgn(nullptr), SIMPLEREGION);
    canvas.dc.FillSolidRect(0, 0, 64, 64, kBlue);
    EXPECT_EQ(canvas.Count(kBlue), 64 * 64);
}

TEST(GdiClip, RegionsSelectedAsClipping) {
    Canvas canvas(40, 40);
    CRgn region;
    ASSERT_TRUE(region.CreateRectRgn(5, 5, 15, 15));
    EXPECT_EQ(canvas.dc.SelectObject(&region), SIMPLEREGION);
    canvas.dc.FillSolidRect(0, 0, 40, 40, kRed);
    EXPECT_EQ(canvas.Ink(), CRect(5, 5, 15, 15));

    // The DC holds a copy: changing the region later changes nothing.
    region.OffsetRgn(10, 10);
    canvas.Clear();
    canvas.dc.FillSolidRect(0, 0, 40, 40, kRed);
    EXPECT_EQ(canvas.Ink(), CRect(5, 5, 15, 15));

    CRgn more;
    ASSERT_TRUE(more.CreateRectRgn(30, 30, 35, 35));
    EXPECT_EQ(canvas.dc.SelectClipRgn(&more, RGN_OR), COMPLEXREGION);
    canvas.Clear();
    canvas.dc.FillSolidRect(0, 0, 40, 40, kRed);
    EXPECT_EQ(canvas.Count(kRed), 100 + 25);

    EXPECT_EQ(canvas.dc.OffsetClipRgn(1, 0), COMPLEXREGION);
    canvas.Clear();
    canvas.dc.FillSolidRect(0, 0, 40, 40, kRed);
    EXPECT_EQ(canvas.Ink(), CRect(6, 5, 36, 35));
}

// ---------------------------------------------------------------------------------------------------
// Mapping

TEST(GdiMapping, OriginsMoveWhereLogicalPointsLand) {
    Canvas canvas(40, 40);
    EXPECT_EQ(canvas.dc.SetViewportOrg(10, 20), CPoint(0, 0));
    canvas.dc.FillSolidRect(0, 0, 5, 5, kRed);
    EXPECT_EQ(canvas.Ink(), CRect(10, 20, 15, 25));
    EXPECT_EQ(canvas.dc.GetViewportOrg(), CPoint(10, 20));

    EXPECT_EQ(canvas.dc.SetWindowOrg(CPoint(-5, -5)), CPoint(0, 0));
    EXPECT_EQ(canvas.dc.OffsetWindowOrg(2, 2), CPoint(-5, -5));
    EXPECT_EQ(canvas.dc.GetWindowOrg(), CPoint(-3, -3));
    EXPECT_EQ(canvas.dc.OffsetViewportOrg(-10, -20), CPoint(10, 20));
    EXPECT_EQ(canvas.dc.GetViewportOrg(), CPoint(0, 0));
    CPoint point(0, 0);
    canvas.dc.LPtoDP(&point);
    EXPECT_EQ(point, CPoint(3, 3));
    canvas.Clear();
    canvas.dc.FillSolidRect(0, 0, 1, 1, kRed);
    EXPECT_EQ(canvas.Ink(), CRect(3, 3, 4, 4));
}

TEST(GdiMapping, ScaledModesConvertPointsRectanglesAndSizes) {
    Canvas canvas(40, 40);
    EXPECT_EQ(canvas.dc.SetMapMode(MM_ANISOTROPIC), MM_TEXT);
    EXPECT_EQ(canvas.dc.GetMapMode(), MM_ANISOTROPIC);
    canvas.dc.SetWindowExt(100, 100);
    canvas.dc.SetViewportExt(CSize(200, -200));
    canvas.dc.SetViewportOrg(0, 30);
    EXPECT_EQ(canvas.dc.GetWindowExt(), CSize(100, 100));
    EXPECT_EQ(canvas.dc.GetViewportExt(), CSize(200, -200));

    POINT points[2] = {{1, 1}, {5, 10}};
    canvas.dc.LPtoDP(points, 2);
    EXPECT_EQ(CPoint(points[0]), CPoint(2, 28));
    EXPECT_EQ(CPoint(points[1]), CPoint(10, 10));
    canvas.dc.DPtoLP(points, 2);
    EXPECT_EQ(CPoint(points[1]), CPoint(5, 10));

    CRect rect(1, 1, 5, 10);
    canvas.dc.LPtoDP(rect);
    EXPECT_EQ(rect, CRect(2, 28, 10, 10));
    canvas.dc.DPtoLP(rect);
    EXPECT_EQ(rect, CRect(1, 1, 5, 10));

    // Sizes keep their sign although the y axis points up.
    CSize size(3, 4);
    canvas.dc.LPtoDP(&size);
    EXPECT_EQ(size, CSize(6, 8));
    canvas.dc.DPtoLP(&size);
    EXPECT_EQ(size, CSize(3, 4));

    // Drawing follows the mapping: a 2x2 logical square above the origin is 4x4 device pixels.
    canvas.dc.FillSolidRect(CRect(1, 3, 3, 1), kRed);
    EXPECT_EQ(canvas.Ink(), CRect(2, 24, 6, 28));

    EXPECT_EQ(canvas.dc.ScaleViewportExt(1, 2, 1, 2), CSize(200, -200));
    EXPECT_EQ(canvas.dc.GetViewportExt(), CSize(100, -100));
    EXPECT_EQ(canvas.dc.ScaleWindowExt(2, 1, 2, 1), CSize(100, 100));
    EXPECT_EQ(canvas.dc.GetWindowExt(), CSize(200, 200));
}

TEST(GdiMapping, MetricModesMakeSizesFromTheDeviceResolution) {
    Canvas canvas(10, 10);
    canvas.dc.SetMapMode(MM_LOENGLISH); // 0.01 inch, y up
    CSize inch(100, 100);
    canvas.dc.LPtoDP(&inch);
    EXPECT_GT(inch.cx, 0);
    EXPECT_GT(inch.cy, 0);
    EXPECT_NEAR(inch.cx, canvas.dc.GetDeviceCaps(LOGPIXELSX), 2);
    CPoint below(0, -100);
    canvas.dc.LPtoDP(&below);
    EXPECT_GT(below.y, 0);
}

// ---------------------------------------------------------------------------------------------------
// Selected objects and saved states

TEST(GdiState, SelectObjectReturnsThePreviousObjectsWrapper) {
    Canvas canvas(10, 10);
    CPen red(PS_SOLID, 1, kRed);
    CPen* old = canvas.dc.SelectObject(&red);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->m_hObject, ::GetStockObject(BLACK_PEN));
    EXPECT_EQ(canvas.dc.GetCurrentPen(), &red);
    EXPECT_EQ(canvas.dc.SelectObject(old), &red); // the attached wrapper, not a temporary one

    CBrush blue(kBlue);
    CGdiObject* oldBrush = canvas.dc.SelectObject(static_cast<CGdiObject*>(&blue));
    EXPECT_EQ(oldBrush->m_hObject, ::GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(canvas.dc.GetCurrentBrush(), &blue);
    CGdiObject* previous = canvas.dc.SelectStockObject(NULL_BRUSH);
    EXPECT_EQ(previous, &blue);
    EXPECT_EQ(canvas.dc.GetCurrentBrush()->m_hObject, ::GetStockObject(NULL_BRUSH));
    EXPECT_EQ(canvas.dc.GetCurrentBitmap(), &canvas.bitmap);

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Tahoma"));
    CFont* oldFont = canvas.dc.SelectObject(&font);
    EXPECT_EQ(canvas.dc.GetCurrentFont(), &font);
    canvas.dc.SelectObject(oldFont);
}

TEST(GdiState, RestoreDCBringsBackPenColoursModesAndMapping) {
    Canvas canvas(20, 20);
    CPen red(PS_SOLID, 1, kRed);
    CPen blue(PS_SOLID, 1, kBlue);
    canvas.dc.SelectObject(&red);
    canvas.dc.SetTextColor(kGreen);
    canvas.dc.SetBkColor(kBlue);
    canvas.dc.SetBkMode(TRANSPARENT);
    canvas.dc.SetROP2(R2_XORPEN);
    const int saved = canvas.dc.SaveDC();
    ASSERT_NE(saved, 0);

    canvas.dc.SelectObject(&blue);
    canvas.dc.SetTextColor(kBlack);
    canvas.dc.SetBkColor(kWhite);
    canvas.dc.SetBkMode(OPAQUE);
    canvas.dc.SetROP2(R2_COPYPEN);
    canvas.dc.SetMapMode(MM_LOMETRIC);
    canvas.dc.SetViewportOrg(5, 5);
    canvas.dc.IntersectClipRect(0, 0, 1, 1);
    ASSERT_EQ(canvas.dc.GetCurrentPen(), &blue);

    EXPECT_TRUE(canvas.dc.RestoreDC(saved));
    EXPECT_EQ(canvas.dc.GetCurrentPen(), &red);
    EXPECT_EQ(canvas.dc.GetTextColor(), kGreen);
    EXPECT_EQ(canvas.dc.GetBkColor(), kBlue);
    EXPECT_EQ(canvas.dc.GetBkMode(), TRANSPARENT);
    EXPECT_EQ(canvas.dc.GetROP2(), R2_XORPEN);
    EXPECT_EQ(canvas.dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(canvas.dc.GetViewportOrg(), CPoint(0, 0));
    CRect box;
    canvas.dc.GetClipBox(box);
    EXPECT_EQ(box, CRect(0, 0, 20, 20));

    // -1 restores the latest saved state.
    canvas.dc.SaveDC();
    canvas.dc.SetTextColor(kBlack);
    EXPECT_TRUE(canvas.dc.RestoreDC(-1));
    EXPECT_EQ(canvas.dc.GetTextColor(), kGreen);
    EXPECT_FALSE(canvas.dc.RestoreDC(-1)); // nothing saved any more
    canvas.dc.SelectStockObject(BLACK_PEN);
}

TEST(GdiState, ColourAndModeSettersReturnThePreviousValue) {
    Canvas canvas(4, 4);
    EXPECT_EQ(canvas.dc.SetTextColor(kRed), kBlack);
    EXPECT_EQ(canvas.dc.SetTextColor(kBlue), kRed);
    EXPECT_EQ(canvas.dc.SetBkColor(kGreen), kWhite);
    EXPECT_EQ(canvas.dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(canvas.dc.SetROP2(R2_NOT), R2_COPYPEN);
    EXPECT_EQ(canvas.dc.GetROP2(), R2_NOT);
    EXPECT_EQ(canvas.dc.SetStretchBltMode(HALFTONE), BLACKONWHITE);
    EXPECT_EQ(canvas.dc.GetStretchBltMode(), HALFTONE);
    EXPECT_EQ(canvas.dc.SetBrushOrg(3, 4), CPoint(0, 0));
    EXPECT_EQ(canvas.dc.GetBrushOrg(), CPoint(3, 4));
    EXPECT_EQ(canvas.dc.GetNearestColor(RGB(12, 34, 56)), RGB(12, 34, 56)); // true colour
}

TEST(GdiState, PaletteSelectedAndReadBack) {
    Canvas canvas(4, 4);
    struct {
        LOGPALETTE header;
        PALETTEENTRY more[1];
    } logPalette{};
    logPalette.header.palVersion = 0x300;
    logPalette.header.palNumEntries = 2;
    logPalette.header.palPalEntry[0] = {255, 0, 0, 0};
    logPalette.more[0] = {0, 0, 255, 0};
    CPalette palette;
    ASSERT_TRUE(palette.CreatePalette(&logPalette.header));
    CPalette* old = canvas.dc.SelectPalette(&palette, FALSE);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->m_hObject, ::GetStockObject(DEFAULT_PALETTE));
    EXPECT_EQ(canvas.dc.GetCurrentPalette(), &palette);
    canvas.dc.RealizePalette();
    EXPECT_EQ(canvas.dc.SelectPalette(old, FALSE), &palette);
}

// ---------------------------------------------------------------------------------------------------
// Device contexts: creation, wrappers, ownership

TEST(GdiDC, AttachedDCIsDeletedWithItsWrapperUnlessDetached) {
    HDC hDC = nullptr;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        hDC = dc.GetSafeHdc();
        EXPECT_EQ(dc.m_hAttribDC, hDC);
        EXPECT_EQ(CDC::FromHandle(hDC), &dc);
        EXPECT_EQ(static_cast<HDC>(dc), hDC);
        // A second DC is refused and the first kept.
        EXPECT_FALSE(dc.CreateCompatibleDC(nullptr));
        EXPECT_EQ(dc.GetSafeHdc(), hDC);
    }
    EXPECT_EQ(::GetObjectType(hDC), 0u);

    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    HDC kept = dc.Detach();
    EXPECT_EQ(dc.m_hDC, nullptr);
    EXPECT_EQ(dc.m_hAttribDC, nullptr);
    EXPECT_NE(CDC::FromHandle(kept), &dc); // a temporary wrapper now
    CDC::DeleteTempMap();
    EXPECT_EQ(::GetObjectType(kept), static_cast<DWORD>(OBJ_MEMDC)); // temporary wrappers delete nothing
    CDC again;
    ASSERT_TRUE(again.Attach(kept));
    EXPECT_TRUE(again.DeleteDC());
    EXPECT_EQ(::GetObjectType(kept), 0u);
    EXPECT_FALSE(again.DeleteDC());
}

TEST(GdiDC, TemporaryWrapperIsTheSameUntilIdleTime) {
    HDC hDC = ::CreateCompatibleDC(nullptr);
    CDC* first = CDC::FromHandle(hDC);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->m_hDC, hDC);
    EXPECT_EQ(first->m_hAttribDC, hDC);
    EXPECT_EQ(CDC::FromHandle(hDC), first);
    EXPECT_GE(AfxMapHDC()->GetTemporaryCount(), 1u);
    CDC::DeleteTempMap();
    EXPECT_EQ(AfxMapHDC()->GetTemporaryCount(), 0u);
    EXPECT_EQ(::GetObjectType(hDC), static_cast<DWORD>(OBJ_MEMDC));
    ::DeleteDC(hDC);
}

TEST(GdiDC, DisplayDeviceAndInformationContext) {
    CDC display;
    ASSERT_TRUE(display.CreateDC("DISPLAY", nullptr, nullptr, nullptr));
    EXPECT_EQ(display.GetDeviceCaps(HORZRES), ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_FALSE(display.IsPrinting());
    CDC info;
    ASSERT_TRUE(info.CreateIC("DISPLAY", nullptr, nullptr, nullptr));
    EXPECT_EQ(info.GetDeviceCaps(BITSPIXEL), display.GetDeviceCaps(BITSPIXEL));
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(&display));
    EXPECT_EQ(memory.GetDeviceCaps(LOGPIXELSY), display.GetDeviceCaps(LOGPIXELSY));
    EXPECT_EQ(memory.GetWindow(), nullptr);
}

TEST(GdiDC, PrintingCallsReportFailureOnAScreenDC) {
    Canvas canvas(4, 4);
    EXPECT_LE(canvas.dc.StartDoc("Report"), 0);
    EXPECT_LE(canvas.dc.EndDoc(), 0);
    // Asked whether an escape exists: the display knows STARTDOC but no made-up number.
    const int startDoc = STARTDOC;
    const int unknown = 0x7ABC;
    EXPECT_GT(
        canvas.dc.Escape(QUERYESCSUPPORT, sizeof startDoc, reinterpret_cast<LPCSTR>(&startDoc), nullptr), 0);
    EXPECT_EQ(canvas.dc.Escape(QUERYESCSUPPORT, sizeof unknown, reinterpret_cast<LPCSTR>(&unknown), nullptr),
              0);
    EXPECT_LE(
        canvas.dc.Escape(QUERYESCSUPPORT, sizeof unknown, reinterpret_cast<LPCSTR>(&unknown), 0, nullptr), 0);
}

// ---------------------------------------------------------------------------------------------------
// Window DCs

class PaintWnd : public CWnd {
public:
    int paints = 0;
    CRect paintRect;
    COLORREF color = kBlue;
    CDC* mappedDuringPaint = nullptr;
    CDC* paintDC = nullptr;
    HDC paintHdc = nullptr;

    BOOL CreateTest() {
        return CreateEx(0, AfxRegisterWndClass(0), "Paint", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 80),
                        nullptr, 0);
    }

protected:
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        ++paints;
        paintRect = dc.m_ps.rcPaint;
        paintDC = &dc;
        paintHdc = dc.m_hDC;
        mappedDuringPaint = CDC::FromHandle(dc.m_ps.hdc);
        dc.FillSolidRect(&dc.m_ps.rcPaint, color);
    }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PaintWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

TEST(GdiWindowDC, PaintDCCoversTheInvalidPartAndValidatesIt) {
    PaintWnd wnd;
    ASSERT_TRUE(wnd.CreateTest());
    wnd.UpdateWindow();
    wnd.paints = 0;
    wnd.color = kRed;
    wnd.InvalidateRect(CRect(5, 6, 20, 30), FALSE);
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.paints, 1);
    EXPECT_EQ(wnd.paintRect, CRect(5, 6, 20, 30));
    EXPECT_EQ(wnd.mappedDuringPaint, wnd.paintDC); // the paint DC is the DC's permanent wrapper
    EXPECT_FALSE(::GetUpdateRect(wnd.m_hWnd, nullptr, FALSE));
    EXPECT_EQ(AfxMapHDC()->LookupPermanent(wnd.paintHdc), nullptr); // EndPaint and Detach done
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.paints, 1); // nothing left to paint

    CClientDC client(&wnd);
    EXPECT_EQ(client.GetPixel(10, 10), kRed);
    EXPECT_EQ(client.GetPixel(30, 10), kBlue); // painted the first time only
    EXPECT_EQ(client.GetWindow(), &wnd);
}

TEST(GdiWindowDC, ClientAndWindowDCsCoverTheirAreas) {
    PaintWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                             CRect(0, 0, 200, 150), nullptr, 0));
    CRect client;
    wnd.GetClientRect(client);
    CRect window;
    wnd.GetWindowRect(window);
    ASSERT_LT(client.Width(), window.Width());

    HDC hClient = nullptr;
    {
        CClientDC dc(&wnd);
        hClient = dc.m_hDC;
        CRect box;
        dc.GetClipBox(box);
        EXPECT_EQ(box, CRect(0, 0, client.Width(), client.Height()));
        EXPECT_EQ(CDC::FromHandle(hClient), &dc);
    }
    EXPECT_EQ(AfxMapHDC()->LookupPermanent(hClient), nullptr);
    {
        CWindowDC dc(&wnd);
        CRect box;
        dc.GetClipBox(box);
        EXPECT_EQ(box, CRect(0, 0, window.Width(), window.Height()));
    }
    CClientDC screen(nullptr);
    EXPECT_EQ(screen.GetDeviceCaps(HORZRES), ::GetSystemMetrics(SM_CXSCREEN));
}

} // namespace
