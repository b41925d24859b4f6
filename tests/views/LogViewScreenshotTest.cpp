// A picture of the time log as the screen shows it: entries in their rows, the gray bar, the sorted
// column's arrow and the running entry's mark in its row header. Runs wherever windows are drawn (Xvfb
// and Wine's X11 driver) and writes the picture into SCREENSHOT_DIR when that names a folder.
#include "ViewTestSupport.h"
#include "WindowPicture.h"

#include "foundation/WindowHelpers.h"

#include <string>

using namespace viewtest;

namespace {

class LogViewScreenshot : public LogViewTest {};

TEST_F(LogViewScreenshot, EntriesGrayBarAndTheRunningMark) {
    if (!screentest::WindowsAreDrawn())
        GTEST_SKIP() << "windows are not drawn (Wine's null display driver); run with WINE_GRAPHICS=x11";
    RegWriteBool(REG_PREFS, "GrayBar", true);
    RegWriteString(REG_SORT, "Column", "Start");
    RegWriteBool(REG_SORT, "Ascending", true);
    CProject* harbour = AddProject("Harbour Bridge");
    CProject* audit = AddProject("Northwind Audit");
    AddEntry(At(2024, 6, 10, 9), At(2024, 6, 10, 11, 30), harbour, "Design review");
    AddEntry(At(2024, 6, 11, 8), At(2024, 6, 11, 9, 15), audit, "Expense report");
    AddEntry(At(2024, 6, 12, 13), CTime(static_cast<__time64_t>(0)), harbour, "Site visit");
    doc.m_bTiming = true;
    ASSERT_NE(MakeView(900, 300), nullptr);
    frame->ShowWindow(SW_SHOWNORMAL);
    frame->UpdateWindow();
    WaitPumpingMessages(300);

    const screentest::WindowPicture picture(frame->GetSafeHwnd());
    ASSERT_TRUE(picture.IsValid());
    // The running entry's row header shows its mark.
    const RECT header = picture.ClientRectIn(view->GetSafeHwnd(), view->GetCellRect(3, 0));
    bool marked = false;
    for (int y = header.top; y < header.bottom; ++y) {
        for (int x = header.left; x < header.right; ++x)
            marked = marked || picture.At(x, y) == RGB(0, 128, 0);
    }
    EXPECT_TRUE(marked);
    // The first row is tinted, the second white.
    const RECT first = picture.ClientRectIn(view->GetSafeHwnd(), view->GetCellRect(1, 4));
    const RECT second = picture.ClientRectIn(view->GetSafeHwnd(), view->GetCellRect(2, 4));
    EXPECT_EQ(picture.At(first.right - 4, first.top + 3), CLogView::kGrayBarTint);
    EXPECT_EQ(picture.At(second.right - 4, second.top + 3), CLogView::kWhite);
    const std::string folder = screentest::ScreenshotFolder();
    if (!folder.empty()) {
        EXPECT_TRUE(picture.Save(folder, "LogView-RunningEntry")) << folder;
    }
    doc.m_bTiming = false;
}

} // namespace
