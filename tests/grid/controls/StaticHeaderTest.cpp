// Static text, header and push-button cells: text margins, sizes without the size feature, the header's
// raised, pressed and printed looks and its focus rectangle, and the push button's caption and frame.
#include "ControlsTestSupport.h"

#include "grid/controls/CGEButton.h"
#include "grid/controls/CGEHeader.h"
#include "grid/controls/CGEPushbutton.h"
#include "grid/core/CGEProperties.h"

using namespace ctltest;

namespace {

// A header that says whether the current cell lies in its row or column.
class MarkedHeader : public CGEHeader {
public:
    using CGEHeader::CGEHeader;
    BOOL IsHeaderMarked(ROWCOL, ROWCOL, UINT) override { return marked; }
    BOOL marked = FALSE;
};

CGEStyle HeaderStyle() {
    CGEStyle style;
    style.SetControl(GE_IDS_CTRL_HEADER).SetInterior(::GetSysColor(COLOR_BTNFACE));
    return style;
}

} // namespace

TEST(StaticText, TheMarginIsHalfTheFrameButAtLeastTwo) {
    EXPECT_EQ(CGEStatic::TextMarginFor(4), 2);
    EXPECT_EQ(CGEStatic::TextMarginFor(8), 4);
    EXPECT_EQ(CGEStatic::TextMarginFor(2), 2);
    TestGrid grid;
    CGEStatic control(&grid);
    const CRect cell(10, 10, 110, 30);
    const int m = CGEStatic::TextMargin();
    CGEStyle left;
    const CRect base = control.CGEControl::ComputeTextRect(1, 1, &cell, &left);
    const CRect rectLeft = control.ComputeTextRect(1, 1, &cell, &left);
    EXPECT_EQ(rectLeft.left, base.left + m);
    EXPECT_EQ(rectLeft.right, base.right - m / 2);
    CGEStyle right;
    right.SetHorizontalAlignment(DT_RIGHT);
    const CRect rectRight = control.ComputeTextRect(1, 1, &cell, &right);
    EXPECT_EQ(rectRight.left, base.left + m);
    EXPECT_EQ(rectRight.right, base.right - (m + 1));
}

TEST(StaticText, WithoutTheSizeFeatureTheSizeIsNothing) {
    TestGrid grid;
    grid.m_pCalcSizeImp = nullptr; // the grid's own object stays owned by the grid
    CGEStatic control(&grid);
    PixelCanvas canvas(10, 10);
    CSize size(5, 5);
    control.CalcSize(size, canvas.DC(), 1, 1, CGEStyle(), nullptr, FALSE);
    EXPECT_EQ(size, CSize(0, 0));
    EXPECT_EQ(control.AddTextMarginsToSize(canvas.DC(), CSize(10, 0), CGEStyle()).cx,
              grid.AddBorders(CSize(10 + 2 * CGEStatic::TextMargin() + 1, 0), CGEStyle()).cx);
}

TEST(StaticText, DrawsTheDisplayTextInItsRectangle) {
    TestGrid grid;
    CGEStatic control(&grid);
    CGEStyle style;
    style.SetValue("WWW").SetTextColor(RGB(0, 0, 0)).SetInterior(RGB(255, 255, 255));
    PixelCanvas canvas(120, 30);
    control.Draw(canvas.DC(), CRect(0, 0, 120, 30), 1, 1, style, nullptr);
    EXPECT_GT(canvas.DarkPixels(CRect(0, 0, 120, 30)), 20);
    EXPECT_EQ(canvas.DarkPixels(CRect(0, 0, CGEStatic::TextMargin(), 30)), 0) << "the left margin stays free";
}

TEST(Header, RaisedPressedAndPrintedLooks) {
    TestGrid grid;
    MarkedHeader header(&grid);
    const CRect cell(0, 0, 60, 20);
    const CGEStyle style = HeaderStyle();
    PixelCanvas raised(60, 20);
    header.Draw(raised.DC(), cell, 0, 1, style, nullptr);
    EXPECT_EQ(raised.At(5, 0), ::GetSysColor(COLOR_3DHILIGHT)) << "the raised face's light top edge";
    header.marked = TRUE;
    PixelCanvas pressed(60, 20);
    header.Draw(pressed.DC(), cell, 0, 1, style, nullptr);
    EXPECT_EQ(pressed.At(5, 0), RGB(0, 0, 0)) << "a marked header looks pressed";
    EXPECT_EQ(pressed.At(0, 5), RGB(0, 0, 0));
    header.marked = FALSE;
    grid.SetPrinting(TRUE, FALSE);
    PixelCanvas printed(60, 20, RGB(255, 0, 255));
    header.Draw(printed.DC(), cell, 0, 1, style, nullptr);
    grid.SetPrinting(FALSE, FALSE);
    EXPECT_NE(printed.At(5, 0), ::GetSysColor(COLOR_3DHILIGHT)) << "no 3-D face on paper";
    EXPECT_EQ(printed.At(5, 19), RGB(0, 0, 0)) << "a black separator at the bottom";
    EXPECT_EQ(printed.At(59, 5), RGB(0, 0, 0)) << "and at the right";
}

TEST(Header, AStyleWithItsOwnFrameGetsNoHeaderFrame) {
    TestGrid grid;
    MarkedHeader header(&grid);
    CGEStyle style = HeaderStyle();
    style.SetDraw3dFrame(2);
    header.marked = TRUE;
    PixelCanvas canvas(60, 20);
    header.Draw(canvas.DC(), CRect(0, 0, 60, 20), 0, 1, style, nullptr);
    EXPECT_NE(canvas.At(5, 0), RGB(0, 0, 0)) << "no pressed header lines";
}

TEST(Header, TheCurrentHeaderShowsAFocusRectangle) {
    TestGrid grid;
    CGEHeader header(&grid);
    PixelCanvas canvas(60, 20, RGB(255, 255, 255));
    header.DrawCurrentCellFrame(canvas.DC(), CRect(0, 0, 60, 20), HeaderStyle());
    EXPECT_GT(canvas.DarkPixels(CRect(0, 0, 60, 3)), 10) << "a dotted line at the top";
    EXPECT_LT(canvas.DarkPixels(CRect(0, 0, 60, 3)), 60) << "dotted, not solid";
}

TEST(Header, EllipsisTypesByTextOrNumber) {
    CGEStyle style;
    EXPECT_EQ(CGEHeader::EllipsisType(style), -1);
    for (const auto& [pszValue, nType] :
         {std::pair{"Dotted....", 1}, {"Pound###", 2}, {"No ellipse", 0}, {"2", 2}}) {
        style.SetUserAttribute(GE_IDS_UA_ELLIPSISTYPE, pszValue);
        EXPECT_EQ(CGEHeader::EllipsisType(style), nType) << pszValue;
    }
}

TEST(Pushbutton, TheCaptionIsTheChoiceListAndNarrowCellsDrawNothing) {
    TestGrid grid;
    PutStyle(grid, 2, 2, ControlStyle(GE_IDS_CTRL_PUSHBTN, "Details"));
    CGEPushbutton control(&grid);
    control.Init(2, 2);
    EXPECT_STREQ(control.GetButton()->GetText(), "Details");
    PutStyle(grid, 3, 2, ControlStyle(GE_IDS_CTRL_PUSHBTN));
    control.Init(3, 2);
    EXPECT_STREQ(control.GetButton()->GetText(), "") << "no choice list: an empty button";
    PixelCanvas canvas(20, 20);
    const CGEStyle style = ControlStyle(GE_IDS_CTRL_PUSHBTN, "X");
    control.Draw(canvas.DC(), CRect(5, 0, 6, 20), 3, 2, style, nullptr);
    for (int y = 0; y < 20; ++y)
        EXPECT_EQ(canvas.At(5, y), RGB(255, 0, 255)) << "a one-pixel column stays untouched";
    PixelCanvas frame(40, 20);
    control.DrawCurrentCellFrame(frame.DC(), CRect(0, 0, 40, 20), style);
    EXPECT_EQ(frame.At(0, 0), RGB(255, 0, 255)) << "no current-cell frame";
}

TEST(Pushbutton, TheSizeIsTheCaptionAndAMargin) {
    TestGrid grid;
    CGEPushbutton control(&grid);
    const CGEStyle style = ControlStyle(GE_IDS_CTRL_PUSHBTN, "Details");
    CDC* pDC = grid.GetGridDC();
    CFont* pOld = control.SelectStyleFont(pDC, style, nullptr);
    const CSize text = pDC->GetTextExtent("Details", 7);
    if (pOld != nullptr)
        pDC->SelectObject(pOld);
    CSize size;
    control.CalcSize(size, pDC, 1, 1, style, nullptr, FALSE);
    EXPECT_EQ(size, grid.AddBorders(CSize(text.cx + 8, text.cy + 4), style));
}
