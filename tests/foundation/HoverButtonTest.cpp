// The hover button on a real dialog: mouse messages sent to it, its state and what it paints.
#include "foundation/CHoverButton.h"

#include "WindowPartsSupport.h"
#include "framework/win/CDialog.h"
#include "resource.h"

#include <gtest/gtest.h>

using namespace wptest;

namespace {

class HoverButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dialog.Create(IDD_WP_CONTROLS));
        ASSERT_TRUE(m_button.SubclassDlgItem(IDC_WP_HOVER, &m_dialog));
        ASSERT_TRUE(m_button.SetBitmap(IDB_CALENDAR_ARROWS, 1, 6, 9));
        m_dialog.ShowWindow(SW_SHOW);
        PumpPending();
        CRect client;
        m_button.GetClientRect(&client);
        m_inside = CPoint(client.Width() / 2, client.Height() / 2);
    }
    void TearDown() override { m_dialog.DestroyWindow(); }

    void Mouse(UINT msg, CPoint point, WPARAM keys = 0) {
        m_button.SendMessage(msg, keys, MousePoint(point.x, point.y));
    }
    bool HasCapture() const { return ::GetCapture() == m_button.GetSafeHwnd(); }
    bool ShowsPushed() const { return (m_button.GetState() & BST_PUSHED) != 0; }

    CDialog m_dialog;
    CHoverButton m_button;
    CPoint m_inside;
    const CPoint m_outside{-5, -5};
};

TEST_F(HoverButtonTest, LightsWhileTheMouseIsOverItWithoutAClick) {
    EXPECT_FALSE(m_button.IsHot());
    Mouse(WM_MOUSEMOVE, m_inside);
    EXPECT_TRUE(m_button.IsHot());
    EXPECT_TRUE(HasCapture()) << "the button must see the mouse leave";
    Mouse(WM_MOUSEMOVE, m_inside + CPoint(1, 1));
    EXPECT_TRUE(m_button.IsHot());

    Mouse(WM_MOUSEMOVE, m_outside);
    EXPECT_FALSE(m_button.IsHot());
    EXPECT_FALSE(HasCapture());
}

TEST_F(HoverButtonTest, LeavingWhileHeldDownEndsTheHotStateAndThePress) {
    Mouse(WM_MOUSEMOVE, m_inside);
    Mouse(WM_LBUTTONDOWN, m_inside, MK_LBUTTON);
    EXPECT_FALSE(m_button.IsHot()) << "a press ends the hot state";
    EXPECT_TRUE(ShowsPushed());
    Mouse(WM_MOUSEMOVE, m_inside, MK_LBUTTON);
    EXPECT_TRUE(m_button.IsHot());

    Mouse(WM_MOUSEMOVE, m_outside, MK_LBUTTON);
    EXPECT_FALSE(m_button.IsHot());
    EXPECT_FALSE(HasCapture());
    EXPECT_FALSE(ShowsPushed());
    Mouse(WM_LBUTTONUP, m_outside);
    EXPECT_FALSE(m_button.IsPressed());
}

TEST_F(HoverButtonTest, LatchOnClickTogglesWithEachCompletedClick) {
    m_button.SetLatchOnClick(true);
    // A click without any move in between, and one after the mouse came over the button.
    Mouse(WM_LBUTTONDOWN, m_inside, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, m_inside);
    EXPECT_TRUE(m_button.IsPressed());
    Mouse(WM_MOUSEMOVE, m_inside);
    Mouse(WM_LBUTTONDOWN, m_inside, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, m_inside, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, m_inside);
    EXPECT_FALSE(m_button.IsPressed());
    EXPECT_FALSE(m_button.IsHot());
    EXPECT_FALSE(HasCapture());

    // Without the flag a click does not latch; SetPressed does.
    m_button.SetLatchOnClick(false);
    Mouse(WM_LBUTTONDOWN, m_inside, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, m_inside);
    EXPECT_FALSE(m_button.IsPressed());
    m_button.SetPressed(true);
    EXPECT_TRUE(m_button.IsPressed());
}

TEST_F(HoverButtonTest, PaintsTheFaceFrameAndImageOfEachState) {
    const COLORREF face = RGB(200, 230, 250);
    m_button.SetFaceColor(face);
    const COLORREF highlight = ::GetSysColor(COLOR_3DHILIGHT);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    CRect client;
    m_button.GetClientRect(&client);
    const int right = client.right - 1;
    const int bottom = client.bottom - 1;

    WindowImage plain(m_button.GetSafeHwnd());
    EXPECT_EQ(face, plain.At(0, 0)) << "a button at rest has no frame";
    EXPECT_EQ(face, plain.At(2, bottom - 2));
    // The right arrow (image 1), centred: its tip is black, the strip's grey became the face colour.
    const int imageLeft = (client.Width() - 6) / 2;
    const int imageTop = (client.Height() - 9) / 2;
    EXPECT_EQ(RGB(0, 0, 0), plain.At(imageLeft + 4, imageTop + 4));
    EXPECT_EQ(face, plain.At(imageLeft + 5, imageTop + 4));

    Mouse(WM_MOUSEMOVE, m_inside);
    WindowImage hot(m_button.GetSafeHwnd());
    EXPECT_EQ(highlight, hot.At(0, 0)) << "raised frame";
    EXPECT_EQ(shadow, hot.At(right, bottom));
    Mouse(WM_MOUSEMOVE, m_outside);

    m_button.SetPressed(true);
    WindowImage latched(m_button.GetSafeHwnd());
    EXPECT_EQ(shadow, latched.At(0, 0)) << "sunken frame";
    EXPECT_EQ(highlight, latched.At(right, bottom));
    EXPECT_EQ(RGB(0, 0, 0), latched.At(imageLeft + 5, imageTop + 5))
        << "a pressed image moves down and right";
    m_button.SetPressed(false);

    m_button.EnableWindow(FALSE);
    WindowImage disabled(m_button.GetSafeHwnd());
    EXPECT_EQ(shadow, disabled.At(imageLeft + 4, imageTop + 4)) << "embossed image";
    EXPECT_EQ(highlight, disabled.At(imageLeft + 5, imageTop + 5));
}

TEST(HoverButtonCreate, IsOwnerDrawnAndRefusesAMissingBitmap) {
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_WP_CONTROLS));
    CHoverButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(5, 5, 27, 25), &dialog, 7150));
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), button.GetStyle() & BS_TYPEMASK);
    EXPECT_FALSE(button.SetBitmap(7998, 0));
    dialog.DestroyWindow();
}

} // namespace
