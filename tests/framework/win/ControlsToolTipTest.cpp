// Tool tip controls: tools for whole windows and for rectangles, their texts, deleting them, and the
// control's settings.
#include "ControlsTestSupport.h"

#include <string>

using namespace ctltest;

namespace {

constexpr UINT IDC_TOOL_BUTTON = 3801;

class ToolTipTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        ASSERT_TRUE(
            button.Create("Save", WS_CHILD | WS_VISIBLE, Area(10, 10, 80, 24), &parent, IDC_TOOL_BUTTON));
        ASSERT_TRUE(tips.Create(&parent, TTS_ALWAYSTIP));
    }

    std::string TipText(CWnd* pWnd, UINT_PTR nIDTool = 0) {
        CString text;
        tips.GetText(text, pWnd, nIDTool);
        return static_cast<LPCSTR>(text);
    }

    CButton button;
    CToolTipCtrl tips;
};

} // namespace

TEST_F(ToolTipTest, ToolsAreAddedFoundUpdatedAndDeleted) {
    EXPECT_NE(tips.GetStyle() & WS_POPUP, 0u);
    EXPECT_EQ(tips.GetOwner(), &parent);
    EXPECT_EQ(tips.GetToolCount(), 0);

    ASSERT_TRUE(tips.AddTool(&button, "Save the timesheet"));
    const CRect area = Area(200, 200, 50, 40);
    ASSERT_TRUE(tips.AddTool(&parent, "Totals", &area, 7));
    ASSERT_TRUE(tips.AddTool(&parent, IDS_CONTROLS_TIP, &area, 8));
    EXPECT_EQ(tips.GetToolCount(), 3);
    EXPECT_EQ(TipText(&button), "Save the timesheet");
    EXPECT_EQ(TipText(&parent, 7), "Totals");
    EXPECT_EQ(TipText(&parent, 8), "Tip from the string table");

    CToolInfo info;
    ASSERT_TRUE(tips.GetToolInfo(info, &parent, 7));
    EXPECT_EQ(CRect(info.rect), area);
    EXPECT_STREQ(info.szText, "Totals");
    ASSERT_TRUE(tips.GetToolInfo(info, &button));
    EXPECT_NE(info.uFlags & TTF_IDISHWND, 0u);
    EXPECT_EQ(info.uId, reinterpret_cast<UINT_PTR>(button.m_hWnd));

    TOOLINFOA hit{};
    EXPECT_TRUE(tips.HitTest(&parent, CPoint(210, 210), &hit));
    EXPECT_EQ(hit.uId, 7u); // the first tool added there
    EXPECT_FALSE(tips.HitTest(&parent, CPoint(5, 400), &hit));

    tips.UpdateTipText("Saves everything", &button);
    EXPECT_EQ(TipText(&button), "Saves everything");
    tips.UpdateTipText(IDS_CONTROLS_TIP, &parent, 7);
    EXPECT_EQ(TipText(&parent, 7), "Tip from the string table");

    tips.DelTool(&button);
    EXPECT_EQ(tips.GetToolCount(), 2);
    EXPECT_EQ(TipText(&button), "");
    tips.DelTool(&parent, 99); // unknown: nothing happens
    EXPECT_EQ(tips.GetToolCount(), 2);
    tips.DelTool(&parent, 7);
    tips.DelTool(&parent, 8);
    EXPECT_EQ(tips.GetToolCount(), 0);
}

TEST_F(ToolTipTest, SettingsAndRelayedEvents) {
    EXPECT_EQ(tips.SetMaxTipWidth(250), -1);
    EXPECT_EQ(tips.GetMaxTipWidth(), 250);
    tips.SetDelayTime(TTDT_INITIAL, 700);
    EXPECT_EQ(tips.GetDelayTime(TTDT_INITIAL), 700);
    tips.SetDelayTime(TTDT_AUTOPOP, 9000);
    EXPECT_EQ(tips.GetDelayTime(TTDT_AUTOPOP), 9000);
    tips.SetDelayTime(200);
    EXPECT_EQ(tips.GetDelayTime(TTDT_INITIAL), 200);
    tips.SetTipBkColor(RGB(255, 255, 200));
    EXPECT_EQ(tips.GetTipBkColor(), RGB(255, 255, 200));
    tips.SetTipTextColor(RGB(10, 20, 30));
    EXPECT_EQ(tips.GetTipTextColor(), RGB(10, 20, 30));
    CRect margin(1, 2, 3, 4);
    tips.SetMargin(&margin);
    CRect readMargin;
    tips.GetMargin(&readMargin);
    EXPECT_EQ(readMargin, margin);

    // Mouse messages of a tool pass through without harm; a tip can be dismissed at any time.
    ASSERT_TRUE(tips.AddTool(&button, "Save"));
    tips.Activate(TRUE);
    MSG msg{button.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), ::GetTickCount(), {15, 15}};
    tips.RelayEvent(&msg);
    tips.Pop();
    tips.Activate(FALSE);
    EXPECT_FALSE(tips.IsWindowVisible());
    EXPECT_EQ(tips.GetToolCount(), 1);
}
