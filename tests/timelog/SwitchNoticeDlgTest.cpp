// The switch notice: shown until the user asks not to be told again; then it closes by itself unless
// Shift is held down while it opens.
#include "EntryDialogTestSupport.h"

#include "foundation/Registry.h"
#include "resource.h"
#include "timelog/CSwitchNoticeDlg.h"

using namespace entrytest;

namespace {

class SwitchNoticeTest : public EntryDialogTest {};

TEST_F(SwitchNoticeTest, ShowsTheNoticeAndStoresDontTellMeAgain) {
    for (const bool check : {true, false}) {
        SCOPED_TRACE(check);
        CSwitchNoticeDlg dlg;
        std::string text;
        bool checkedWhenShown = true;
        TimerDriver driver([&] {
            HWND hDlg = OnlyDialog();
            if (hDlg == nullptr)
                return false;
            text = wintest::ChildTexts(hDlg);
            checkedWhenShown = IsChecked(hDlg, IDC_SWITCH_DONT_TELL);
            if (check)
                Click(hDlg, IDC_SWITCH_DONT_TELL);
            Click(hDlg, IDOK);
            return true;
        });
        RegWriteBool(REG_PREFS, "Switch msg", false);
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_TRUE(driver.Finished());
        EXPECT_NE(text.find("The previous task was stopped.  Now you may choose a new task to start."),
                  std::string::npos);
        EXPECT_FALSE(checkedWhenShown);
        bool stored = !check;
        EXPECT_TRUE(RegReadBool(REG_PREFS, "Switch msg", &stored));
        EXPECT_EQ(stored, check);
    }
}

TEST_F(SwitchNoticeTest, ClosesAtOnceWhenTheUserAskedNotToBeToldUnlessShiftIsDown) {
    RegWriteBool(REG_PREFS, "Switch msg", true);
    {
        CSwitchNoticeDlg dlg;
        bool shown = false;
        TimerDriver driver(
            [&] {
                shown = shown || OnlyDialog() != nullptr;
                return false;
            },
            1);
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_FALSE(shown);
        EXPECT_FALSE(driver.TimedOut()) << "the dialog ended before the driver's first tick";
    }
    HeldKey shift(VK_SHIFT);
    CSwitchNoticeDlg dlg;
    bool checkedWhenShown = false;
    TimerDriver driver([&] {
        HWND hDlg = OnlyDialog();
        if (hDlg == nullptr)
            return false;
        checkedWhenShown = IsChecked(hDlg, IDC_SWITCH_DONT_TELL);
        Click(hDlg, IDC_SWITCH_DONT_TELL); // the user wants to be told again
        Click(hDlg, IDOK);
        return true;
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(driver.Finished());
    EXPECT_TRUE(checkedWhenShown);
    bool stored = true;
    RegReadBool(REG_PREFS, "Switch msg", &stored);
    EXPECT_FALSE(stored);
}

} // namespace
