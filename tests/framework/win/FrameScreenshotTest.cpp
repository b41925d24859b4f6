// Pictures of a time sheet frame: the splitter with the project tree (two projects expanded, a task
// selected) and the entries, the tool bar docked at the top or on the left, and the status bar with a
// prompt from the string table. They run wherever windows are really drawn (Xvfb and Wine's X11 driver:
// WINE_GRAPHICS=x11), check what the picture shows, and write it into SCREENSHOT_DIR when it is set
// (scripts/screenshot-tests.sh).
#include "WinTestSupport.h"

#include "FrameBarsSupport.h"
#include "WindowPicture.h"

#include <string>

using namespace wintest;
using screentest::IsDark;
using screentest::WindowPicture;

namespace {

// Pumps this thread's messages for about ms milliseconds so that every window has painted.
void PumpFor(DWORD ms) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
        PumpPending();
        ::Sleep(10);
    }
}

bool IsGreen(COLORREF c) {
    return c != CLR_INVALID && GetGValue(c) > 0x70 && GetRValue(c) < 0x60 && GetBValue(c) < 0x60;
}

bool IsRed(COLORREF c) {
    return c != CLR_INVALID && GetRValue(c) > 0x90 && GetGValue(c) < 0x60 && GetBValue(c) < 0x60;
}

RECT Inset(RECT rect, int dx, int dy) {
    ::InflateRect(&rect, -dx, -dy);
    return rect;
}

// A shown time sheet frame with its sample data, the updates of an idle time done.
class FrameScreenshot : public ::testing::Test {
protected:
    void SetUp() override {
        if (!screentest::WindowsAreDrawn())
            GTEST_SKIP() << "windows are not drawn (Wine's null display driver); run with WINE_GRAPHICS=x11";
        frame = fbtest::NewTimesheetFrame(40, 40, 720, 440);
        ASSERT_NE(frame, nullptr);
        app.m_pMainWnd = frame;
        PumpPending(); // the idle text the new frame posted itself
        frame->Tree()->FillSample();
        frame->View()->canDelete = true;
        app.OnIdle(0); // buttons and the total pane as the update handlers say
    }
    void TearDown() override {
        if (frame != nullptr)
            frame->DestroyWindow();
        app.m_pMainWnd = nullptr;
    }

    // Paints everything and takes the picture; writes it as <name>.bmp when pictures are wanted.
    WindowPicture TakePicture(const char* name) {
        frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        PumpFor(500);
        WindowPicture picture(frame->m_hWnd);
        EXPECT_TRUE(picture.IsValid());
        EXPECT_EQ(picture.Width(), 720);
        EXPECT_EQ(picture.Height(), 440);
        const std::string folder = screentest::ScreenshotFolder();
        if (!folder.empty()) {
            EXPECT_TRUE(picture.Save(folder, name)) << folder << "\\" << name;
        }
        return picture;
    }

    // Status pane nIndex in the picture, without its border.
    RECT PaneIn(const WindowPicture& picture, int nIndex) const {
        RECT pane{};
        frame->statusBar.GetItemRect(nIndex, &pane);
        return Inset(picture.ClientRectIn(frame->statusBar.m_hWnd, pane), 3, 3);
    }
    // Dark pixels of the message pane between `from` and `to` pixels from its left edge.
    int MessageInk(const WindowPicture& picture, int from, int to) const {
        RECT pane = PaneIn(picture, 0);
        const int left = pane.left;
        pane.left = left + from;
        pane.right = left + to;
        return picture.Count(pane, IsDark);
    }
    // The tree, the split bar and the entries, as the splitter lays them out.
    void ExpectSplitterPanes(const WindowPicture& picture) const {
        const RECT tree = picture.RectOf(frame->Tree()->m_hWnd);
        const RECT entries = picture.RectOf(frame->View()->m_hWnd);
        EXPECT_GT(picture.Count(tree, IsDark), 100) << "the project names";
        EXPECT_GT(picture.Count(entries, IsDark), 100) << "the entries";
        ASSERT_EQ(entries.left - tree.right, frame->splitter.m_cxSplitter);
        // The middle of the raised split bar is in the face colour from top to bottom.
        const COLORREF face = ::GetSysColor(COLOR_3DFACE);
        const int middle = tree.right + frame->splitter.m_cxSplitter / 2;
        for (int y = tree.top + 5; y < tree.bottom - 5; y += 25)
            EXPECT_EQ(picture.At(middle, y), face) << "split bar at y " << y;
    }
    // The enabled Add (green) and Delete (red) buttons are drawn in the tool bar.
    void ExpectToolBarImages(const WindowPicture& picture) const {
        const RECT bar = picture.RectOf(frame->toolBar.m_hWnd);
        EXPECT_GT(picture.Count(bar, IsGreen), 5);
        EXPECT_GT(picture.Count(bar, IsRed), 5);
    }

    TestApp app;
    fbtest::TimesheetFrame* frame = nullptr;
};

TEST_F(FrameScreenshot, TimesheetFrameWithSplitterToolBarAndStatusBar) {
    frame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    const WindowPicture picture = TakePicture("Frame-TimesheetSplitterBars");
    ExpectSplitterPanes(picture);
    ExpectToolBarImages(picture);
    const RECT bar = picture.RectOf(frame->toolBar.m_hWnd);
    EXPECT_GT(bar.right - bar.left, bar.bottom - bar.top) << "docked at the top: a row of buttons";
    // "Ready" is short; the total pane shows its update handler's text.
    EXPECT_GT(MessageInk(picture, 0, 100), 10);
    EXPECT_EQ(MessageInk(picture, 100, 250), 0);
    EXPECT_GT(picture.Count(PaneIn(picture, 1), IsDark), 10);
}

// The tool bar docked on the left edge, its buttons in a column, and a button's prompt in the status bar.
TEST_F(FrameScreenshot, TimesheetFrameWithToolBarDockedLeft) {
    frame->DockControlBar(&frame->toolBar, AFX_IDW_DOCKBAR_LEFT);
    frame->SetMessageText(ID_FB_START_TIMER);
    const WindowPicture picture = TakePicture("Frame-TimesheetToolBarLeft");
    ExpectSplitterPanes(picture);
    ExpectToolBarImages(picture);
    const RECT bar = picture.RectOf(frame->toolBar.m_hWnd);
    const RECT tree = picture.RectOf(frame->Tree()->m_hWnd);
    EXPECT_GT(bar.bottom - bar.top, bar.right - bar.left) << "docked on the left: a column of buttons";
    EXPECT_LE(bar.right, tree.left);
    // "Starts the timer for the selected task" reaches far into the message pane.
    EXPECT_GT(MessageInk(picture, 100, 250), 10);
}

} // namespace
