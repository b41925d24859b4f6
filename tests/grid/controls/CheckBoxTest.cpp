// Check boxes without a window: the state of a value, the toggle cycle, values differing only in case,
// the box's place in the cell, the pictures' colours and frames, and the editing life of the variant
// that keeps its toggle until the grid stores the cell.
#include "ControlsTestSupport.h"

#include "grid/controls/CGECheckBox.h"
#include "grid/controls/CGECheckBoxEx.h"

using namespace ctltest;

namespace {

CGEStyle CheckStyle(LPCSTR pszValue, BOOL bTriState = FALSE, LPCSTR pszChecked = nullptr,
                    LPCSTR pszUnchecked = nullptr) {
    CGEStyle style = ControlStyle(GE_IDS_CTRL_CHECKBOX3D, nullptr, pszValue);
    if (bTriState)
        style.SetTriState(TRUE);
    if (pszChecked != nullptr)
        style.SetUserAttribute(GE_IDS_UA_CHECKBOX_CHECKED, pszChecked);
    if (pszUnchecked != nullptr)
        style.SetUserAttribute(GE_IDS_UA_CHECKBOX_UNCHECKED, pszUnchecked);
    return style;
}

constexpr WORD kChecked = CGECheckBox::stateChecked;
constexpr WORD kUnchecked = CGECheckBox::stateUnchecked;

} // namespace

TEST(CheckBox, TheStateOfAValue) {
    TestGrid grid;
    CGECheckBox box(&grid, TRUE, 0, 0);
    struct Case {
        CGEStyle style;
        WORD state;
        int frame;
        const char* what;
    } const cases[] = {
        {CheckStyle("1"), kChecked, 1, "default checked value"},
        {CheckStyle("0"), kUnchecked, 0, "default unchecked value"},
        {CheckStyle("maybe"), kUnchecked, 0, "two states: anything else is unchecked"},
        {CheckStyle("maybe", TRUE), 0, 4, "three states: anything else is indeterminate"},
        {CheckStyle("", TRUE), 0, 4, "three states: empty is indeterminate"},
        {CheckStyle("TRUE", TRUE, "True", "False"), kChecked, 1, "the checked value in other case"},
        {CheckStyle("false", TRUE, "True", "False"), kUnchecked, 0, "the unchecked value in other case"},
    };
    for (const Case& c : cases) {
        const WORD nState = box.GetCheckState(5, 5, c.style);
        EXPECT_EQ(nState & (kChecked | kUnchecked), c.state) << c.what;
        EXPECT_EQ(CGECheckBox::FrameOf(nState), c.frame) << c.what;
    }
    CGEStyle disabled = CheckStyle("1");
    disabled.SetEnabled(FALSE);
    EXPECT_EQ(CGECheckBox::FrameOf(box.GetCheckState(5, 5, disabled)), 3) << "checked and greyed";
}

TEST(CheckBox, TogglingCyclesThroughTheValues) {
    const CGEStyle triState = CheckStyle("", TRUE);
    EXPECT_STREQ(CGECheckBox::NextValue("1", triState), "0");
    EXPECT_STREQ(CGECheckBox::NextValue("0", triState), "") << "unchecked -> indeterminate";
    EXPECT_STREQ(CGECheckBox::NextValue("", triState), "1");
    const CGEStyle twoState = CheckStyle("");
    EXPECT_STREQ(CGECheckBox::NextValue("0", twoState), "1");
    EXPECT_STREQ(CGECheckBox::NextValue("x", twoState), "1") << "shown unchecked, toggles to checked";
    const CGEStyle words = CheckStyle("", FALSE, "Yes", "No");
    EXPECT_STREQ(CGECheckBox::NextValue("YES", words), "No") << "the case of a stored value does not matter";
    EXPECT_STREQ(CGECheckBox::CheckedValue(CheckStyle("", FALSE, "", "")), "1") << "empty attributes mean 1";
    EXPECT_STREQ(CGECheckBox::UncheckedValue(CheckStyle("", FALSE, "", "")), "0");
}

TEST(CheckBox, TheSpaceBarAndTheBoxToggleTheStoredValue) {
    TestGrid grid;
    PutStyle(grid, 2, 2, CheckStyle("0", TRUE));
    grid.SetCurrentCell(2, 2, GE_CC_NOREDRAW | GE_CC_NOFOCUS);
    auto* pBox = ControlOf<CGECheckBox>(grid, 2, 2);
    ASSERT_NE(pBox, nullptr);
    const char* const expected[] = {"", "1", "0", ""};
    for (const char* pszValue : expected) {
        EXPECT_TRUE(pBox->OnGridWindowMessage(WM_CHAR, VK_SPACE, 1));
        EXPECT_STREQ(grid.GetStoredCellValue(2, 2), pszValue);
    }
    // A press in the box and a release outside it is no toggle.
    const CRect rectText = pBox->ComputeTextRect(2, 2, nullptr, nullptr);
    const CPoint inBox(rectText.left + 5, rectText.CenterPoint().y);
    pBox->LButtonDown(MK_LBUTTON, inBox, GE_MR_DOWN);
    EXPECT_TRUE(pBox->IsPressed());
    pBox->OnMouseMove(MK_LBUTTON, CPoint(rectText.right - 1, rectText.top));
    EXPECT_FALSE(pBox->IsPressed()) << "the pressed look goes when the mouse leaves the box";
    pBox->LButtonUp(0, CPoint(rectText.right - 1, rectText.top), GE_MR_UP);
    EXPECT_STREQ(grid.GetStoredCellValue(2, 2), "");
    pBox->LButtonDown(MK_LBUTTON, inBox, GE_MR_DOWN);
    pBox->LButtonUp(0, inBox, GE_MR_UP);
    EXPECT_STREQ(grid.GetStoredCellValue(2, 2), "1");
}

TEST(CheckBox, AReadOnlyCellIsNotToggled) {
    TestGrid grid;
    CGEStyle style = CheckStyle("0");
    style.SetReadOnly(TRUE);
    PutStyle(grid, 2, 2, style);
    grid.SetCurrentCell(2, 2, GE_CC_NOREDRAW | GE_CC_NOFOCUS);
    auto* pBox = ControlOf<CGECheckBox>(grid, 2, 2);
    pBox->OnGridWindowMessage(WM_CHAR, VK_SPACE, 1);
    EXPECT_STREQ(grid.GetStoredCellValue(2, 2), "0");
}

TEST(CheckBox, TriStateTextThatIsNeitherValueBecomesEmpty) {
    TestGrid grid;
    CGECheckBox box(&grid, FALSE, 0, 0);
    const CGEStyle triState = CheckStyle("", TRUE, "Y", "N");
    for (const auto& [pszIn, pszOut] : {std::pair{"y", "y"}, {"N", "N"}, {"perhaps", ""}}) {
        CString str(pszIn);
        EXPECT_TRUE(box.ConvertControlTextToValue(str, 1, 1, &triState));
        EXPECT_STREQ(str, pszOut) << pszIn;
    }
    CString str("perhaps");
    const CGEStyle twoState = CheckStyle("", FALSE, "Y", "N");
    box.ConvertControlTextToValue(str, 1, 1, &twoState);
    EXPECT_STREQ(str, "perhaps") << "two states keep the text";
}

TEST(CheckBox, TheBoxSitsByTheAlignmentAndIsClippedInNarrowCells) {
    TestGrid grid;
    CGECheckBox box(&grid, FALSE, 0, 0);
    CDC* pDC = grid.GetGridDC();
    const CRect cell(100, 50, 160, 80); // 60 x 30
    struct Case {
        UINT align;
        CRect expected;
    } const cases[] = {
        {DT_LEFT | DT_TOP, CRect(103, 53, 116, 66)},
        {DT_CENTER | DT_VCENTER, CRect(123, 58, 136, 71)},
        {DT_RIGHT | DT_BOTTOM, CRect(147, 67, 160, 80)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(box.ComputeCheckBoxRect(pDC, cell, "", c.align), c.expected) << c.align;
    const CRect narrow(10, 10, 18, 40);
    const CRect clipped = box.ComputeCheckBoxRect(pDC, narrow, "", DT_LEFT);
    EXPECT_EQ(clipped.right, 18) << "the box ends with the cell";
    EXPECT_EQ(clipped.Width(), 8);
    const CRect low(10, 10, 60, 18);
    const CRect lowBox = box.ComputeCheckBoxRect(pDC, low, "", DT_VCENTER);
    EXPECT_EQ(lowBox.top, 10) << "a cell lower than the box keeps it at its top";
    EXPECT_EQ(lowBox.bottom, 18);
}

TEST(CheckBox, ThePicturesMapTheirColours) {
    TestGrid grid;
    CGECheckBox box(&grid, TRUE, 0, 0);
    EXPECT_EQ(box.MapBitmapColor(RGB(0, 0, 0), TRUE), RGB(0, 0, 0));
    EXPECT_EQ(box.MapBitmapColor(RGB(255, 0, 0), TRUE), RGB(255, 255, 255)) << "the box is white on paper";
    EXPECT_EQ(box.MapBitmapColor(RGB(255, 0, 0), FALSE), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(box.MapBitmapColor(RGB(192, 192, 192), FALSE), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(box.MapBitmapColor(RGB(1, 2, 3), FALSE), RGB(1, 2, 3));
    EXPECT_TRUE(box.LoadBitmaps());
    CGECheckBox missing(&grid, TRUE, 4711, 0);
    EXPECT_FALSE(missing.LoadBitmaps()) << "no such picture";
}

TEST(CheckBox, DrawsTheCheckedFrame) {
    TestGrid grid;
    CGECheckBox box(&grid, FALSE, 0, 0);
    CGEStyle style = CheckStyle("1");
    style.SetTextColor(RGB(0, 0, 0)).SetInterior(RGB(255, 255, 255));
    PixelCanvas checked(40, 22, RGB(255, 255, 255));
    box.Draw(checked.DC(), CRect(0, 0, 40, 22), 1, 1, style, nullptr);
    style.SetValue("0");
    PixelCanvas unchecked(40, 22, RGB(255, 255, 255));
    box.Draw(unchecked.DC(), CRect(0, 0, 40, 22), 1, 1, style, nullptr);
    const int nMark = checked.DarkPixels(CRect(0, 0, 40, 22)) - unchecked.DarkPixels(CRect(0, 0, 40, 22));
    EXPECT_GT(nMark, 10) << "the check mark";
    PixelCanvas narrow(40, 22, RGB(255, 0, 255));
    box.Draw(narrow.DC(), CRect(0, 0, 8, 22), 1, 1, style, nullptr);
    for (int y = 0; y < 22; ++y)
        ASSERT_EQ(narrow.At(20, y), RGB(255, 0, 255)) << "nothing drawn beyond a narrow cell";
}

TEST(CheckBoxEx, AToggleStaysInTheControlUntilStored) {
    TestGrid grid;
    CGEStyle style = CheckStyle("0");
    style.SetControl(GE_IDS_CTRL_CHECKBOX3D_EX);
    PutStyle(grid, 3, 1, style);
    grid.SetCurrentCell(3, 1, GE_CC_NOREDRAW | GE_CC_NOFOCUS);
    auto* pBox = ControlOf<CGECheckBoxEx>(grid, 3, 1);
    ASSERT_NE(pBox, nullptr);
    CGECheckBoxEx& box = *pBox;
    ASSERT_TRUE(box.IsBoundToCellAt(3, 1));
    box.OnGridWindowMessage(WM_CHAR, VK_SPACE, 1);
    EXPECT_TRUE(box.IsActive());
    EXPECT_TRUE(box.GetModify());
    EXPECT_STREQ(grid.GetStoredCellValue(3, 1), "0") << "not stored yet";
    CString strValue;
    box.GetValue(strValue);
    EXPECT_STREQ(strValue, "1");
    box.OnGridWindowMessage(WM_KEYDOWN, VK_DELETE, 1);
    box.GetValue(strValue);
    EXPECT_STREQ(strValue, "") << "Delete empties the value";
    box.OnGridWindowMessage(WM_CHAR, VK_SPACE, 1);
    EXPECT_TRUE(grid.SetCurrentCell(4, 1, GE_CC_NOREDRAW | GE_CC_NOFOCUS));
    EXPECT_STREQ(grid.GetStoredCellValue(3, 1), "1") << "leaving the cell stores the toggle";
}
