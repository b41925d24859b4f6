// A picture of a time sheet frame: the splitter with the project tree (two projects expanded, a task
// selected) and the entries, the tool bar docked at the top and the status bar. Runs only when
// SCREENSHOT_DIR names a folder (scripts/screenshot-tests.sh does, under Xvfb and Wine's X11 driver);
// the picture is written there as a 24-bit BMP.
#include "WinTestSupport.h"

#include "FrameBarsSupport.h"

using namespace wintest;

namespace {

// Pumps this thread's messages for about ms milliseconds so that every window has painted.
void PumpFor(DWORD ms) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
        PumpPending();
        ::Sleep(10);
    }
}

// A shown time sheet frame with its sample data, the updates of an idle time done; nullptr on failure.
fbtest::TimesheetFrame* NewSampleFrame(TestApp& app) {
    fbtest::TimesheetFrame* frame = fbtest::NewTimesheetFrame(40, 40, 720, 440);
    if (frame == nullptr)
        return nullptr;
    app.m_pMainWnd = frame;
    PumpPending(); // the idle text the new frame posted itself
    frame->Tree()->FillSample();
    frame->View()->canDelete = true;
    app.OnIdle(0); // buttons and the total pane as the update handlers say
    return frame;
}

// Paints everything, writes the picture as SCREENSHOT_DIR\<name>.bmp and closes the frame.
void TakePicture(TestApp& app, fbtest::TimesheetFrame* frame, const char* folder, const char* name) {
    frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    PumpFor(500);
    int width = 0;
    int height = 0;
    EXPECT_TRUE(SaveWindowBitmap(frame->m_hWnd, folder, name, width, height)) << name;
    EXPECT_EQ(width, 720);
    EXPECT_EQ(height, 440);
    frame->DestroyWindow();
    app.m_pMainWnd = nullptr;
}

TEST(FrameScreenshot, TimesheetFrameWithSplitterToolBarAndStatusBar) {
    const char* folder = ScreenshotFolder();
    if (folder == nullptr)
        GTEST_SKIP() << "SCREENSHOT_DIR is not set";
    TestApp app;
    fbtest::TimesheetFrame* frame = NewSampleFrame(app);
    ASSERT_NE(frame, nullptr);
    frame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    TakePicture(app, frame, folder, "Frame-TimesheetSplitterBars");
}

// The tool bar docked on the left edge, its buttons in a column, and a button's prompt in the status bar.
TEST(FrameScreenshot, TimesheetFrameWithToolBarDockedLeft) {
    const char* folder = ScreenshotFolder();
    if (folder == nullptr)
        GTEST_SKIP() << "SCREENSHOT_DIR is not set";
    TestApp app;
    fbtest::TimesheetFrame* frame = NewSampleFrame(app);
    ASSERT_NE(frame, nullptr);
    frame->DockControlBar(&frame->toolBar, AFX_IDW_DOCKBAR_LEFT);
    frame->SetMessageText(ID_FB_START_TIMER);
    TakePicture(app, frame, folder, "Frame-TimesheetToolBarLeft");
}

} // namespace
