// Text turned by a cell font's orientation: where it starts in its cell, and that it stays inside.
#include "grid/core/GridCoreTestSupport.h"

#include "framework/win/CDC.h"
#include "grid/controls/CGEDrawingAndFormatting.h"
#include "grid/features/CGEDrawRotatedTextImp.h"

#include <gtest/gtest.h>

namespace {

struct StartCase {
    int angle; // tenths of a degree
    UINT format;
    int x, y;
};

// A 100 x 50 cell at (10, 20) and a text 40 pixels wide and 10 high.
TEST(RotatedText, StartPointsByAngleAndAlignment) {
    const CRect cell(10, 20, 110, 70);
    const StartCase cases[] = {
        {0, DT_LEFT | DT_TOP, 10, 25}, // half a line below the top
        {3600, DT_LEFT | DT_TOP, 10, 25},
        {0, DT_RIGHT | DT_BOTTOM, 60, 65},
        {0, DT_CENTER | DT_VCENTER, 35, 45},
        {900, DT_LEFT | DT_TOP, 10, 65},
        {1800, DT_RIGHT | DT_TOP, 110, 20},
        {2700, DT_LEFT | DT_TOP, 20, 20},
        {-900, DT_LEFT | DT_TOP, 20, 20},
        {2700, DT_LEFT | DT_VCENTER, 20, 25}, // centred without the half line
        {1800, DT_LEFT | DT_TOP, 60, 20},
        {1350, DT_LEFT | DT_TOP, 38, 58},
        {3150, DT_LEFT | DT_TOP, 17, 20},
    };
    for (const StartCase& c : cases) {
        const CPoint p = CGEDrawRotatedTextImp::StartPoint(cell, c.format, c.angle, 40, 10);
        EXPECT_EQ(p.x, c.x) << "angle " << c.angle << " format " << c.format;
        EXPECT_EQ(p.y, c.y) << "angle " << c.angle << " format " << c.format;
    }
}

// A white 200 x 100 bitmap in a memory DC with a turned font.
class Canvas {
public:
    explicit Canvas(int nTenths) {
        m_hDC = ::CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = 200;
        info.bmiHeader.biHeight = -100;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        m_hBitmap =
            ::CreateDIBSection(m_hDC, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_pBits), nullptr, 0);
        m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
        ::PatBlt(m_hDC, 0, 0, 200, 100, WHITENESS);
        m_hFont =
            ::CreateFontA(-14, 0, nTenths, nTenths, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
        m_hOldFont = ::SelectObject(m_hDC, m_hFont);
        dc.Attach(m_hDC);
    }
    ~Canvas() {
        dc.Detach();
        ::SelectObject(m_hDC, m_hOldFont);
        ::SelectObject(m_hDC, m_hOldBitmap);
        ::DeleteObject(m_hFont);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hDC);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Pixels that are not white inside and outside a rectangle.
    void CountInk(const CRect& rect, int& inside, int& outside) const {
        inside = outside = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x)
                if ((m_pBits[y * 200 + x] & 0xFFFFFF) != 0xFFFFFF)
                    ++(rect.PtInRect(CPoint(x, y)) ? inside : outside);
    }

    CDC dc;

private:
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    HFONT m_hFont = nullptr;
    HGDIOBJ m_hOldFont = nullptr;
    DWORD* m_pBits = nullptr;
};

TEST(RotatedText, ALongTextIsCutAtTheCellAndTheClippingIsKept) {
    gridtest::StartEngine();
    for (int nTenths : {0, 450, 900}) {
        Canvas canvas(nTenths);
        RECT before{};
        ::GetClipBox(canvas.dc.m_hDC, &before);
        const CRect cell(40, 30, 90, 70);
        CGEDrawRotatedTextImp imp;
        // At 45 degrees a long text starts below the cell and passes right of it: a short one stays inside.
        const char* pszText = nTenths == 450 ? "Ab" : "A long text that runs far beyond its cell";
        imp.DrawRotatedText(&canvas.dc, pszText, -1, cell, DT_LEFT | DT_TOP, nTenths, nullptr);
        int inside = 0, outside = 0;
        canvas.CountInk(cell, inside, outside);
        EXPECT_GT(inside, 0) << nTenths;
        EXPECT_EQ(outside, 0) << nTenths;
        RECT after{};
        ::GetClipBox(canvas.dc.m_hDC, &after);
        EXPECT_TRUE(::EqualRect(&before, &after)) << nTenths;
    }
}

TEST(RotatedText, CellDrawingForwardsToTheFeature) {
    gridtest::StartEngine();
    CGELibraryState* pState = GEGetLibraryState();
    ASSERT_NE(pState->m_pDrawRotatedTextImp, nullptr);
    const CRect cell(20, 10, 180, 90);
    int inside = 0, outside = 0;
    {
        Canvas canvas(900);
        CGEDrawingAndFormatting::GetInstance()->DrawRotatedText(&canvas.dc, "Turned", cell, DT_LEFT, 90);
        canvas.CountInk(cell, inside, outside);
        EXPECT_GT(inside, 0);
    }
    CGEAbstractDrawRotatedTextImp* pImp = pState->m_pDrawRotatedTextImp;
    pState->m_pDrawRotatedTextImp = nullptr;
    {
        Canvas canvas(900);
        CGEDrawingAndFormatting::GetInstance()->DrawRotatedText(&canvas.dc, "Turned", cell, DT_LEFT, 90);
        canvas.CountInk(cell, inside, outside);
    }
    pState->m_pDrawRotatedTextImp = pImp;
    EXPECT_EQ(inside + outside, 0);
}

} // namespace
