// A picture of a time sheet frame: the splitter with the project tree (two projects expanded, a task
// selected) and the entries, the tool bar docked at the top and the status bar. Runs only when
// SCREENSHOT_DIR names a folder (scripts/screenshot-tests.sh does, under Xvfb and Wine's X11 driver);
// the picture is written there as a 24-bit BMP.
#include "WinTestSupport.h"

#include "FrameBarsSupport.h"

#include <cstdlib>
#include <fstream>
#include <string>

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

// Writes the whole window (frame and caption included) as the screen shows it, as a 24-bit BMP; false
// when nothing was written.
bool SaveWindowBitmap(HWND hWnd, const std::string& path, int& width, int& height) {
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
    const int stride = (width * 3 + 3) & ~3;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(stride * height);
    HDC windowDc = ::GetWindowDC(hWnd);
    HDC memory = ::CreateCompatibleDC(windowDc);
    void* bits = nullptr;
    HBITMAP section = ::CreateDIBSection(windowDc, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                         &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, section);
    const bool captured = ::BitBlt(memory, 0, 0, width, height, windowDc, 0, 0, SRCCOPY) != FALSE;
    ::GdiFlush();
    bool written = false;
    if (captured && bits != nullptr) {
        BITMAPFILEHEADER file{};
        file.bfType = 0x4D42; // "BM"
        file.bfOffBits = sizeof file + sizeof header;
        file.bfSize = file.bfOffBits + header.biSizeImage;
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(&file), sizeof file);
        out.write(reinterpret_cast<const char*>(&header), sizeof header);
        out.write(static_cast<const char*>(bits), header.biSizeImage);
        written = out.good();
    }
    ::SelectObject(memory, old);
    ::DeleteObject(section);
    ::DeleteDC(memory);
    ::ReleaseDC(hWnd, windowDc);
    return written;
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
    const std::string path = std::string(folder) + "\\" + name + ".bmp";
    int width = 0;
    int height = 0;
    EXPECT_TRUE(SaveWindowBitmap(frame->m_hWnd, path, width, height)) << path;
    EXPECT_EQ(width, 720);
    EXPECT_EQ(height, 440);
    frame->DestroyWindow();
    app.m_pMainWnd = nullptr;
}

TEST(FrameScreenshot, TimesheetFrameWithSplitterToolBarAndStatusBar) {
    const char* folder = std::getenv("SCREENSHOT_DIR");
    if (folder == nullptr || *folder == '\0')
        GTEST_SKIP() << "SCREENSHOT_DIR is not set";
    TestApp app;
    fbtest::TimesheetFrame* frame = NewSampleFrame(app);
    ASSERT_NE(frame, nullptr);
    frame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    TakePicture(app, frame, folder, "Frame-TimesheetSplitterBars");
}

// The tool bar docked on the left edge, its buttons in a column, and a button's prompt in the status bar.
TEST(FrameScreenshot, TimesheetFrameWithToolBarDockedLeft) {
    const char* folder = std::getenv("SCREENSHOT_DIR");
    if (folder == nullptr || *folder == '\0')
        GTEST_SKIP() << "SCREENSHOT_DIR is not set";
    TestApp app;
    fbtest::TimesheetFrame* frame = NewSampleFrame(app);
    ASSERT_NE(frame, nullptr);
    frame->DockControlBar(&frame->toolBar, AFX_IDW_DOCKBAR_LEFT);
    frame->SetMessageText(ID_FB_START_TIMER);
    TakePicture(app, frame, folder, "Frame-TimesheetToolBarLeft");
}

} // namespace
