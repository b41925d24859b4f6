// Dialog position memory: real dialogs and message boxes of this thread, opened, moved and closed with
// the hook installed, positions in a scratch registry tree.
#include "foundation/CDialogPositionHook.h"

#include "WindowPartsSupport.h"
#include "foundation/Registry.h"
#include "foundation/ScratchRegistry.h"
#include "framework/win/CDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace wptest;

namespace {

constexpr const char* kTitle = "Remembered Place";

// The top-left corner a dialog of this size gets when centred on the primary work area.
CPoint CentredCorner(const CRect& dialog) {
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return CPoint((work.left + work.right) / 2 - dialog.Width() / 2,
                  (work.top + work.bottom) / 2 - dialog.Height() / 2);
}

CRect WindowRect(HWND hWnd) {
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    return rect;
}

class DialogPositionTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_hook.Install();
        ASSERT_TRUE(m_hook.IsInstalled());
    }

    // Opens the test dialog modeless and shows (activates) it.
    void Open(CDialog& dialog) {
        ASSERT_TRUE(dialog.Create(IDD_WP_POSITION));
        dialog.ShowWindow(SW_SHOW);
        PumpPending();
    }
    static IntPair Stored(const char* title) {
        IntPair pair{-1, -1};
        RegReadIntPair(REG_DIALOGS, title, &pair);
        return pair;
    }

    ScratchRegistry m_registry;
    CDialogPositionHook m_hook;
};

TEST_F(DialogPositionTest, ADialogReopensWhereItWasLastLeft) {
    {
        CDialog dialog;
        Open(dialog);
        // Nothing stored and placed at (0, 0) by its template: centred.
        const CRect first = WindowRect(dialog.GetSafeHwnd());
        EXPECT_EQ(CentredCorner(first), first.TopLeft());
        dialog.SetWindowPos(nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        dialog.DestroyWindow();
    }
    const IntPair stored = Stored(kTitle);
    EXPECT_EQ(123, stored.first);
    EXPECT_EQ(77, stored.second);

    CDialog again;
    Open(again);
    EXPECT_EQ(CPoint(123, 77), WindowRect(again.GetSafeHwnd()).TopLeft());

    // Later activations leave the dialog where it is.
    again.SetWindowPos(nullptr, 211, 105, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    again.ShowWindow(SW_HIDE);
    again.ShowWindow(SW_SHOW);
    ::SetActiveWindow(again.GetSafeHwnd());
    PumpPending();
    EXPECT_EQ(CPoint(211, 105), WindowRect(again.GetSafeHwnd()).TopLeft());
    again.DestroyWindow();
    EXPECT_EQ(211, Stored(kTitle).first);
    EXPECT_EQ(105, Stored(kTitle).second);
}

TEST_F(DialogPositionTest, PlacesBeyondTheRightOrBottomEdgeOrAtTheOriginAreCentred) {
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    struct Case {
        int left;
        int top;
        bool centred;
    };
    const Case cases[] = {
        {screenWidth + 1, 100, true},
        {100, screenHeight + 1, true},
        {5000, 5000, true},
        {0, 0, true},
        {-50, -40, false},
        {300, 200, false},
        {screenWidth, 10, false},
    };
    for (const Case& c : cases) {
        RegWriteIntPair(REG_DIALOGS, kTitle, c.left, c.top);
        CDialog dialog;
        Open(dialog);
        const CRect rect = WindowRect(dialog.GetSafeHwnd());
        const CPoint expected = c.centred ? CentredCorner(rect) : CPoint(c.left, c.top);
        EXPECT_EQ(expected, rect.TopLeft()) << "stored " << c.left << " " << c.top;
        dialog.DestroyWindow();
    }
}

TEST_F(DialogPositionTest, MessageBoxesShareThePlaceOfTheirTitle) {
    // A dialog box left at a place: a message box of the same title opens there.
    {
        CDialog dialog;
        Open(dialog);
        dialog.SetWindowPos(nullptr, 250, 180, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        dialog.DestroyWindow();
    }
    CPoint shownAt(-1, -1);
    TimerDriver driver([&] {
        const std::vector<HWND> dialogs = ThreadDialogs();
        if (dialogs.empty())
            return false;
        shownAt = WindowRect(dialogs[0]).TopLeft();
        ::SetWindowPos(dialogs[0], nullptr, 260, 190, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ::PostMessageA(dialogs[0], WM_COMMAND, IDOK, 0);
        return true;
    });
    ::MessageBoxA(nullptr, "The entry was saved.", kTitle, MB_OK);
    ASSERT_TRUE(driver.Finished());
    EXPECT_EQ(CPoint(250, 180), shownAt);
    EXPECT_EQ(260, Stored(kTitle).first);
    EXPECT_EQ(190, Stored(kTitle).second);

    // And the other way round: the dialog box opens where the message box was left.
    CDialog dialog;
    Open(dialog);
    EXPECT_EQ(CPoint(260, 190), WindowRect(dialog.GetSafeHwnd()).TopLeft());
    dialog.DestroyWindow();
}

TEST_F(DialogPositionTest, DialogsWithoutTitleAreNeitherPlacedNorSaved) {
    RegWriteIntPair(REG_DIALOGS, "", 300, 200);
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_WP_POSITION));
    dialog.SetWindowText("");
    dialog.ShowWindow(SW_SHOW);
    PumpPending();
    EXPECT_NE(CPoint(300, 200), WindowRect(dialog.GetSafeHwnd()).TopLeft());
    dialog.SetWindowPos(nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    dialog.DestroyWindow();
    EXPECT_EQ(300, Stored("").first);
}

TEST_F(DialogPositionTest, OnlyOneHookPerProcessAndNoneAfterRemoval) {
    CDialogPositionHook second;
    second.Install();
    EXPECT_FALSE(second.IsInstalled());

    m_hook.Remove();
    EXPECT_FALSE(m_hook.IsInstalled());
    RegWriteIntPair(REG_DIALOGS, kTitle, 300, 200);
    {
        CDialog dialog;
        Open(dialog);
        EXPECT_NE(CPoint(300, 200), WindowRect(dialog.GetSafeHwnd()).TopLeft());
        dialog.DestroyWindow();
    }
    EXPECT_EQ(300, Stored(kTitle).first) << "saved without the hook";

    // With the first hook gone, another object can install it.
    second.Install();
    EXPECT_TRUE(second.IsInstalled());
    CDialog dialog;
    Open(dialog);
    EXPECT_EQ(CPoint(300, 200), WindowRect(dialog.GetSafeHwnd()).TopLeft());
    dialog.DestroyWindow();
}

} // namespace
