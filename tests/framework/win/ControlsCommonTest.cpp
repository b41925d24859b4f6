// Tab, header, up-down, progress and slider controls: items, positions and ranges as set and read back
// through their wrappers.
#include "ControlsTestSupport.h"

#include <string>
#include <vector>

using namespace ctltest;

namespace {

constexpr UINT IDC_TAB = 3901;
constexpr UINT IDC_HEADER = 3902;
constexpr UINT IDC_SPIN = 3903;
constexpr UINT IDC_BUDDY = 3904;
constexpr UINT IDC_PROGRESS = 3905;
constexpr UINT IDC_SLIDER = 3906;

std::string Text(const CWnd& wnd) {
    CString text;
    wnd.GetWindowText(text);
    return static_cast<LPCSTR>(text);
}

} // namespace

using CommonControlsTest = ControlsTest;

TEST_F(CommonControlsTest, TabItemsSelectionAndDisplayArea) {
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, Area(10, 10, 400, 200), &parent, IDC_TAB));
    EXPECT_EQ(tabs.InsertItem(0, "General"), 0);
    EXPECT_EQ(tabs.InsertItem(1, "Rates", 2), 1);
    EXPECT_EQ(tabs.InsertItem(TCIF_TEXT | TCIF_PARAM, 1, "Billing", 0, 55), 1);
    EXPECT_EQ(tabs.GetItemCount(), 3);

    char text[32] = {};
    TCITEM item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ASSERT_TRUE(tabs.GetItem(1, &item));
    EXPECT_STREQ(text, "Billing");
    EXPECT_EQ(item.lParam, 55);
    item.mask = TCIF_IMAGE;
    ASSERT_TRUE(tabs.GetItem(2, &item));
    EXPECT_EQ(item.iImage, 2);

    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_EQ(tabs.SetCurSel(2), 0);
    EXPECT_EQ(tabs.GetCurSel(), 2);
    EXPECT_EQ(tabs.SetCurSel(9), -1);

    CRect tab;
    ASSERT_TRUE(tabs.GetItemRect(0, &tab));
    TCHITTESTINFO hit{};
    hit.pt = tab.CenterPoint();
    EXPECT_EQ(tabs.HitTest(&hit), 0);

    // The display area lies inside the window, below the tabs, and grows back to it.
    CRect area(0, 0, 400, 200);
    tabs.AdjustRect(FALSE, &area);
    EXPECT_GT(area.top, tab.bottom - 2);
    EXPECT_LT(area.Width(), 400);
    tabs.AdjustRect(TRUE, &area);
    EXPECT_EQ(area, CRect(0, 0, 400, 200));

    EXPECT_TRUE(tabs.DeleteItem(0));
    EXPECT_EQ(tabs.GetItemCount(), 2);
    EXPECT_TRUE(tabs.DeleteAllItems());
    EXPECT_EQ(tabs.GetItemCount(), 0);
}

TEST_F(CommonControlsTest, HeaderItemsAndOrder) {
    CHeaderCtrl header;
    ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ, Area(10, 10, 400, 24), &parent, IDC_HEADER));
    const char* names[] = {"Date", "Hours", "Notes"};
    for (int i = 0; i < 3; ++i) {
        HDITEM item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.pszText = const_cast<LPSTR>(names[i]);
        item.cxy = 80 + 10 * i;
        item.fmt = HDF_LEFT | HDF_STRING;
        EXPECT_EQ(header.InsertItem(i, &item), i);
    }
    EXPECT_EQ(header.GetItemCount(), 3);
    CRect second;
    ASSERT_TRUE(header.GetItemRect(1, &second));
    EXPECT_EQ(second.left, 80);
    EXPECT_EQ(second.Width(), 90);

    HDITEM width{};
    width.mask = HDI_WIDTH;
    width.cxy = 120;
    ASSERT_TRUE(header.SetItem(0, &width));
    ASSERT_TRUE(header.GetItemRect(1, &second));
    EXPECT_EQ(second.left, 120);

    int order[3] = {2, 1, 0};
    ASSERT_TRUE(header.SetOrderArray(3, order));
    int read[3] = {};
    ASSERT_TRUE(header.GetOrderArray(read, 3));
    EXPECT_EQ(std::vector<int>(read, read + 3), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(header.OrderToIndex(0), 2);

    HDHITTESTINFO hit{};
    hit.pt = CPoint(5, 10); // the first column shown is item 2
    EXPECT_EQ(header.HitTest(&hit), 2);

    EXPECT_TRUE(header.DeleteItem(1));
    EXPECT_EQ(header.GetItemCount(), 2);
}

TEST_F(CommonControlsTest, SpinButtonStepsItsBuddy) {
    CEdit buddy;
    ASSERT_TRUE(buddy.Create(WS_CHILD | WS_VISIBLE | ES_NUMBER, Area(10, 10, 60, 24), &parent, IDC_BUDDY));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS, Area(70, 10, 16, 24),
                            &parent, IDC_SPIN));
    EXPECT_EQ(spin.SetBuddy(&buddy), nullptr);
    EXPECT_EQ(spin.GetBuddy(), &buddy);

    spin.SetRange(0, 40);
    int lower = -1;
    int upper = -1;
    spin.GetRange(lower, upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 40);
    EXPECT_EQ(spin.GetRange(), static_cast<DWORD>(MAKELONG(40, 0)));
    spin.SetPos(12);
    EXPECT_EQ(LOWORD(spin.GetPos()), 12);
    EXPECT_EQ(Text(buddy), "12");

    spin.SetRange32(-100000, 100000);
    spin.GetRange32(lower, upper);
    EXPECT_EQ(lower, -100000);
    EXPECT_EQ(upper, 100000);
    spin.SetPos32(-75000);
    BOOL error = TRUE;
    EXPECT_EQ(spin.GetPos32(&error), -75000);
    EXPECT_FALSE(error);
    EXPECT_EQ(Text(buddy), "-75,000");

    // A click on the up arrow steps the buddy.
    spin.SetPos32(5);
    spin.SendMessage(WM_KEYDOWN, VK_UP, 0);
    spin.SendMessage(WM_KEYUP, VK_UP, 0);
    EXPECT_EQ(spin.GetPos32(), 6);

    EXPECT_EQ(spin.SetBase(16), 10);
    EXPECT_EQ(spin.GetBase(), 16u);
    UDACCEL accel[2] = {{0, 1}, {2, 5}};
    EXPECT_TRUE(spin.SetAccel(2, accel));
    UDACCEL readAccel[2] = {};
    EXPECT_EQ(spin.GetAccel(2, readAccel), 2u);
    EXPECT_EQ(readAccel[1].nInc, 5u);
}

TEST_F(CommonControlsTest, ProgressPositionsAndSteps) {
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_CHILD | WS_VISIBLE, Area(10, 10, 300, 20), &parent, IDC_PROGRESS));
    progress.SetRange32(0, 500);
    int lower = -1;
    int upper = -1;
    progress.GetRange(lower, upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 500);
    EXPECT_EQ(progress.SetPos(100), 0);
    EXPECT_EQ(progress.GetPos(), 100);
    EXPECT_EQ(progress.OffsetPos(50), 100);
    EXPECT_EQ(progress.GetPos(), 150);
    EXPECT_EQ(progress.SetStep(25), 10);
    EXPECT_EQ(progress.StepIt(), 150);
    EXPECT_EQ(progress.GetPos(), 175);
    progress.SetPos(900); // beyond the range
    EXPECT_EQ(progress.GetPos(), 500);
    progress.SetRange(10, 20);
    progress.GetRange(lower, upper);
    EXPECT_EQ(lower, 10);
    EXPECT_EQ(upper, 20);
}

TEST_F(CommonControlsTest, SliderRangePositionTicksAndSelection) {
    CSliderCtrl slider;
    ASSERT_TRUE(slider.Create(WS_CHILD | WS_VISIBLE | TBS_AUTOTICKS | TBS_ENABLESELRANGE,
                              Area(10, 10, 300, 40), &parent, IDC_SLIDER));
    slider.SetRange(0, 60, TRUE);
    int low = -1;
    int high = -1;
    slider.GetRange(low, high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 60);
    slider.SetRangeMax(120);
    EXPECT_EQ(slider.GetRangeMax(), 120);
    slider.SetPos(45);
    EXPECT_EQ(slider.GetPos(), 45);
    slider.SetPos(500);
    EXPECT_EQ(slider.GetPos(), 120);

    EXPECT_EQ(slider.SetLineSize(5), 1);
    EXPECT_EQ(slider.GetLineSize(), 5);
    slider.SetPageSize(30);
    EXPECT_EQ(slider.GetPageSize(), 30);
    EXPECT_EQ(slider.SetPageSize(10), 30);

    slider.ClearTics(TRUE);
    EXPECT_TRUE(slider.SetTic(15));
    EXPECT_TRUE(slider.SetTic(30));
    EXPECT_EQ(slider.GetNumTics(), 4u); // the two ends and the two set
    EXPECT_EQ(slider.GetTic(0), 15);
    EXPECT_EQ(slider.GetTic(1), 30);
    DWORD* tics = slider.GetTicArray();
    ASSERT_NE(tics, nullptr);
    EXPECT_EQ(tics[1], 30u);

    slider.SetSelection(20, 40);
    slider.GetSelection(low, high);
    EXPECT_EQ(low, 20);
    EXPECT_EQ(high, 40);
    slider.ClearSel(TRUE);
    slider.GetSelection(low, high);
    EXPECT_EQ(low, high); // nothing selected

    CRect channel;
    CRect thumb;
    slider.GetChannelRect(&channel);
    slider.GetThumbRect(&thumb);
    EXPECT_GT(channel.Width(), thumb.Width());
}
