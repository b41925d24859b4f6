// A scroll view prepared for print preview: its mapping reaches the preview DC, which measures in the
// printer's terms and mirrors the mapping onto the page shown on the screen.
#include "WinTestSupport.h"
#include "framework/win/CPreviewDC.h"
#include "framework/win/CPrintInfo.h"
#include "framework/win/CScrollView.h"

#include <cstdint>

namespace {

class PageView : public CScrollView {
public:
    void OnDraw(CDC*) override {}
};

// A white 32-bit bitmap selected into a memory DC, read pixel by pixel.
class Screen {
public:
    explicit Screen(int size) : m_size(size) {
        BITMAPINFO bmi{};
        bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
        bmi.bmiHeader.biWidth = size;
        bmi.bmiHeader.biHeight = -size;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* pBits = nullptr;
        m_hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        m_pBits = static_cast<const std::uint32_t*>(pBits);
        m_hDC = ::CreateCompatibleDC(nullptr);
        m_hOld = ::SelectObject(m_hDC, m_hBitmap);
        ::PatBlt(m_hDC, 0, 0, size, size, WHITENESS);
    }
    ~Screen() {
        ::SelectObject(m_hDC, m_hOld);
        ::DeleteDC(m_hDC);
        ::DeleteObject(m_hBitmap);
    }
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    HDC hdc() const { return m_hDC; }
    bool Black(int x, int y) const {
        ::GdiFlush();
        return (m_pBits[y * m_size + x] & 0xFFFFFF) == 0;
    }

private:
    int m_size;
    HBITMAP m_hBitmap = nullptr;
    HDC m_hDC = nullptr;
    HGDIOBJ m_hOld = nullptr;
    const std::uint32_t* m_pBits = nullptr;
};

TEST(ScrollViewPreview, MappingOfTheViewReachesPrinterAndScreen) {
    CDC printer;
    ASSERT_TRUE(printer.CreateCompatibleDC(nullptr)); // measures like a device, draws nowhere
    const int dpi = printer.GetDeviceCaps(LOGPIXELSX);
    ASSERT_EQ(dpi, printer.GetDeviceCaps(LOGPIXELSY));
    Screen screen(200);
    CPreviewDC dc;
    dc.SetAttribDC(printer.m_hDC);
    dc.SetOutputDC(screen.hdc());
    // A paper of 10 x 10 inches shown in (10, 10)-(110, 110).
    dc.SetScaleRect(CRect(10, 10, 110, 110), CSize(10 * dpi, 10 * dpi), CPoint(0, 0));

    PageView view;
    view.SetScrollSizes(MM_LOENGLISH, CSize(1000, 1000));
    CPrintInfo info;
    view.OnPrepareDC(&dc, &info);

    // Measuring is the printer's: one inch (100 units, y upwards) is dpi printer pixels.
    EXPECT_EQ(dc.GetMapMode(), MM_LOENGLISH);
    CPoint pt(100, -100);
    dc.LPtoDP(&pt, 1);
    EXPECT_EQ(pt, CPoint(dpi, dpi));
    // Drawing lands on the page on the screen: the first square inch is (10, 10)-(20, 20).
    dc.FillSolidRect(CRect(0, 0, 100, -100), RGB(0, 0, 0));
    EXPECT_TRUE(screen.Black(15, 15));
    EXPECT_FALSE(screen.Black(25, 15));
    EXPECT_FALSE(screen.Black(15, 25));
    EXPECT_FALSE(screen.Black(5, 5));
}

} // namespace
