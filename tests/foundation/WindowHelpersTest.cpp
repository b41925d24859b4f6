// The window helpers against real controls: a dialog with an edit, a combo box,
// a tree and a label, driven with messages on this thread.
#include "foundation/WindowHelpers.h"

#include "foundation/CSubclassWnd.h"

#include "WindowPartsSupport.h"
#include "foundation/ScratchRegistry.h"
#include "foundation/SharedHelpers.h"
#include "framework/win/CBitmap.h"
#include "framework/win/CComboBox.h"
#include "framework/win/CDialog.h"
#include "framework/win/CFont.h"
#include "framework/win/CMenu.h"
#include "framework/win/CTreeCtrl.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace wptest;

namespace {

// The test dialog with its controls, shown modeless for the life of the
// fixture.
class ControlsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dialog.Create(IDD_WP_CONTROLS));
        m_dialog.ShowWindow(SW_SHOW);
        m_combo.Attach(m_dialog.GetDlgItem(IDC_WP_COMBO)->GetSafeHwnd());
        m_tree.Attach(m_dialog.GetDlgItem(IDC_WP_TREE)->GetSafeHwnd());
    }
    void TearDown() override {
        m_combo.Detach();
        m_tree.Detach();
        m_dialog.DestroyWindow();
    }

    HWND Item(int id) const { return ::GetDlgItem(m_dialog.GetSafeHwnd(), id); }

    CDialog m_dialog;
    CComboBox m_combo;
    CTreeCtrl m_tree;
};

// ---------------- dialog items ----------------

TEST_F(ControlsDialogTest, EnableAndShowReachTheChildAndIgnoreMissingOnes) {
    EnableDlgItem(&m_dialog, IDC_WP_EDIT, false);
    ShowDlgItem(&m_dialog, IDC_WP_CHECK, false);
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_WP_EDIT)));
    EXPECT_FALSE(::IsWindowVisible(Item(IDC_WP_CHECK)));
    EnableDlgItem(&m_dialog, IDC_WP_EDIT, true);
    ShowDlgItem(&m_dialog, IDC_WP_CHECK, true);
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_WP_EDIT)));
    EXPECT_TRUE(::IsWindowVisible(Item(IDC_WP_CHECK)));

    // No such control, no parent: nothing happens.
    EnableDlgItem(&m_dialog, 6999, false);
    ShowDlgItem(&m_dialog, 6999, false);
    FocusDlgItemSelectAll(&m_dialog, 6999);
    EnableDlgItem(nullptr, IDC_WP_EDIT, false);
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_WP_EDIT)));
}

TEST_F(ControlsDialogTest, FocusDlgItemSelectAllFocusesAndSelectsTheWholeText) {
    ::SetWindowTextA(Item(IDC_WP_EDIT), "Design review with the client");
    ::SetFocus(Item(IDC_WP_COMBO));
    ::SendMessageA(Item(IDC_WP_EDIT), EM_SETSEL, 3, 3);

    FocusDlgItemSelectAll(&m_dialog, IDC_WP_EDIT);

    EXPECT_EQ(Item(IDC_WP_EDIT), ::GetFocus());
    DWORD start = 99, end = 99;
    ::SendMessageA(Item(IDC_WP_EDIT), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(29u, end);
}

TEST_F(ControlsDialogTest, BoldFontIsACopyOfTheChildsFontWithTheWeightToggled) {
    LOGFONTA original{};
    ASSERT_NE(0, ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(Item(IDC_WP_LABEL), WM_GETFONT, 0, 0)),
                              sizeof original, &original));
    CFont bold;
    SetDlgItemBoldFont(&m_dialog, IDC_WP_LABEL, &bold);

    ASSERT_NE(nullptr, bold.GetSafeHandle());
    EXPECT_EQ(bold.GetSafeHandle(),
              reinterpret_cast<HGDIOBJ>(::SendMessageA(Item(IDC_WP_LABEL), WM_GETFONT, 0, 0)));
    LOGFONTA made{};
    ASSERT_TRUE(bold.GetLogFont(&made));
    EXPECT_EQ(FW_BOLD, made.lfWeight);
    EXPECT_EQ(original.lfHeight, made.lfHeight);
    EXPECT_STREQ(original.lfFaceName, made.lfFaceName);

    // Toggling again gives the default weight; a bold font stays the child's
    // until it is replaced.
    ToggleFontBold(&bold);
    ASSERT_TRUE(bold.GetLogFont(&made));
    EXPECT_EQ(FW_DONTCARE, made.lfWeight);
    ToggleFontBold(&bold);
    ASSERT_TRUE(bold.GetLogFont(&made));
    EXPECT_EQ(FW_BOLD, made.lfWeight);

    // A font without a handle is not set.
    CFont none;
    const HGDIOBJ before = reinterpret_cast<HGDIOBJ>(::SendMessageA(Item(IDC_WP_EDIT), WM_GETFONT, 0, 0));
    SetDlgItemFont(&m_dialog, IDC_WP_EDIT, &none);
    EXPECT_EQ(before, reinterpret_cast<HGDIOBJ>(::SendMessageA(Item(IDC_WP_EDIT), WM_GETFONT, 0, 0)));
    SetDlgItemFont(&m_dialog, IDC_WP_EDIT, &bold);
    EXPECT_EQ(bold.GetSafeHandle(),
              reinterpret_cast<HGDIOBJ>(::SendMessageA(Item(IDC_WP_EDIT), WM_GETFONT, 0, 0)));
}

// ---------------- combo boxes ----------------

// Records the placements a window is given.
class PlacementRecorder : public CSubclassWnd {
public:
    LRESULT WindowProc(UINT msg, WPARAM, LPARAM lParam) override {
        if (msg == WM_WINDOWPOSCHANGING)
            placements.push_back(*reinterpret_cast<const WINDOWPOS*>(lParam));
        return Default();
    }
    std::vector<WINDOWPOS> placements;
};

TEST_F(ControlsDialogTest, FitComboDropHeightShowsUpToThirtyItems) {
    CRect before;
    m_combo.GetWindowRect(&before);
    m_dialog.ScreenToClient(&before);
    for (const int items : {5, 40}) {
        m_combo.ResetContent();
        for (int i = 0; i < items; ++i) {
            CString name;
            name.Format("Project %d", i);
            m_combo.AddString(name);
        }
        PlacementRecorder recorder;
        recorder.HookWindow(&m_combo);
        FitComboDropHeight(&m_combo);
        recorder.HookWindow(static_cast<HWND>(nullptr));

        const int shown = items < 30 ? items : 30;
        ASSERT_FALSE(recorder.placements.empty()) << items << " items";
        const WINDOWPOS& placement = recorder.placements.front();
        EXPECT_EQ(m_combo.GetItemHeight(-1) + shown * m_combo.GetItemHeight(0) + 8, placement.cy)
            << items << " items";
        EXPECT_EQ(before.left, placement.x);
        EXPECT_EQ(before.top, placement.y);
        EXPECT_EQ(before.Width(), placement.cx);
        EXPECT_TRUE(placement.flags & SWP_NOREDRAW) << "repainted during the move";
    }
}

TEST_F(ControlsDialogTest, SelectComboItemByDataFindsTheFirstMatchSignedOrUnsigned) {
    const char* names[] = {"Alpha", "Minus one", "All ones", "Beta", "Alpha again"};
    for (const char* name : names)
        m_combo.AddString(name);
    m_combo.SetItemData(0, 10);
    m_combo.SetItemData(1, static_cast<DWORD_PTR>(static_cast<LONG_PTR>(-1)));
    m_combo.SetItemData(2, static_cast<DWORD>(0xFFFFFFFF));
    m_combo.SetItemData(3, 20);
    m_combo.SetItemData(4, 10);

    EXPECT_EQ(3, SelectComboItemByData(&m_combo, 20));
    EXPECT_EQ(3, m_combo.GetCurSel());
    EXPECT_EQ(0, SelectComboItemByData(&m_combo, 10L));
    EXPECT_EQ(0, m_combo.GetCurSel());
    // -1 widens with its sign, 0xFFFFFFFF without: two different items.
    EXPECT_EQ(1, SelectComboItemByData(&m_combo, -1));
    EXPECT_EQ(2, SelectComboItemByData(&m_combo, 0xFFFFFFFFu));
    EXPECT_EQ(2, SelectComboItemByData(&m_combo, static_cast<DWORD>(0xFFFFFFFF)));
    EXPECT_EQ(2, m_combo.GetCurSel());

    // Not found: -1 and the selection stays.
    EXPECT_EQ(-1, SelectComboItemByData(&m_combo, 99u));
    EXPECT_EQ(2, m_combo.GetCurSel());
}

// ---------------- trees ----------------

// Projects
//   Alpha (1)            Beta (5)
//     Design (2)           Build (6)
//       Sketches (7)         Tests (7)
//     Review (4)
class TreeTest : public ControlsDialogTest {
protected:
    void SetUp() override {
        ControlsDialogTest::SetUp();
        m_alpha = Add("Alpha", 1, TVI_ROOT);
        m_design = Add("Design", 2, m_alpha);
        m_sketches = Add("Sketches", 7, m_design);
        m_review = Add("Review", 4, m_alpha);
        m_beta = Add("Beta", 5, TVI_ROOT);
        m_build = Add("Build", 6, m_beta);
        m_tests = Add("Tests", 7, m_build);
    }
    HTREEITEM Add(const char* text, DWORD_PTR data, HTREEITEM parent) {
        HTREEITEM item = m_tree.InsertItem(text, parent);
        m_tree.SetItemData(item, data);
        return item;
    }
    bool IsExpanded(HTREEITEM item) const {
        return (m_tree.GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    }

    HTREEITEM m_alpha{}, m_design{}, m_sketches{}, m_review{}, m_beta{}, m_build{}, m_tests{};
};

TEST_F(TreeTest, SelectTreeItemByDataSearchesChildrenBeforeSiblings) {
    // Data 7 is held by Sketches (deep under the first root) and by Tests: the
    // depth-first walk meets Sketches first.
    EXPECT_EQ(m_sketches, SelectTreeItemByData(&m_tree, 7));
    EXPECT_EQ(m_sketches, m_tree.GetSelectedItem());
    EXPECT_TRUE(IsExpanded(m_design)) << "made visible";

    EXPECT_EQ(m_build, SelectTreeItemByData(&m_tree, 6));
    EXPECT_EQ(m_build, m_tree.GetSelectedItem());
    EXPECT_TRUE(IsExpanded(m_beta));

    EXPECT_EQ(nullptr, SelectTreeItemByData(&m_tree, 42));
    EXPECT_EQ(m_build, m_tree.GetSelectedItem());
}

TEST_F(TreeTest, ExpandedItemsRoundTripThroughTheirTexts) {
    m_tree.Expand(m_alpha, TVE_EXPAND);
    m_tree.Expand(m_design, TVE_EXPAND);
    m_tree.Expand(m_build, TVE_EXPAND); // expanded below a collapsed parent: still recorded

    CString expanded;
    GetExpandedTreeItems(&m_tree, m_tree.GetRootItem(), expanded);
    EXPECT_STREQ("Alpha\tDesign\tBuild", expanded);

    for (HTREEITEM item : {m_alpha, m_design, m_build})
        m_tree.Expand(item, TVE_COLLAPSE);
    // Compared ignoring case; a text of an item without children expands nothing.
    ExpandTreeItems(&m_tree, m_tree.GetRootItem(), "alpha\tDESIGN\tBuild\tReview");
    EXPECT_TRUE(IsExpanded(m_alpha));
    EXPECT_TRUE(IsExpanded(m_design));
    EXPECT_TRUE(IsExpanded(m_build));
    EXPECT_FALSE(IsExpanded(m_beta));
    EXPECT_FALSE(IsExpanded(m_review));

    CString again;
    GetExpandedTreeItems(&m_tree, m_tree.GetRootItem(), again);
    EXPECT_STREQ(expanded, again);
}

// ---------------- menus ----------------

std::vector<std::string> MenuTexts(HMENU menu) {
    std::vector<std::string> texts;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        if (::GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR) {
            texts.emplace_back("-");
            continue;
        }
        char text[64] = {};
        ::GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        texts.emplace_back(text);
    }
    return texts;
}

TEST(RemoveMenuItem, RemovesTheItemAndOnRequestTheSeparatorAboveIt) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    CMenu more;
    ASSERT_TRUE(more.CreatePopupMenu());
    more.AppendMenu(MF_STRING, 20, "Options");
    more.AppendMenu(MF_SEPARATOR);
    more.AppendMenu(MF_STRING, 21, "Mail");
    menu.AppendMenu(MF_STRING, 1, "Open");
    menu.AppendMenu(MF_STRING, 2, "Save");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, 3, "Print");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, 4, "Exit");
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(more.Detach()), "More");

    EXPECT_TRUE(RemoveMenuItem(&menu, 3, true));
    EXPECT_EQ((std::vector<std::string>{"Open", "Save", "-", "Exit", "More"}), MenuTexts(menu));
    // No separator above Save: only Save goes.
    EXPECT_TRUE(RemoveMenuItem(&menu, 2, true));
    EXPECT_EQ((std::vector<std::string>{"Open", "-", "Exit", "More"}), MenuTexts(menu));
    // Without the flag the separator stays.
    EXPECT_TRUE(RemoveMenuItem(&menu, 4, false));
    EXPECT_EQ((std::vector<std::string>{"Open", "-", "More"}), MenuTexts(menu));
    // An item of a submenu, with its separator.
    EXPECT_TRUE(RemoveMenuItem(&menu, 21, true));
    EXPECT_EQ((std::vector<std::string>{"Options"}), MenuTexts(::GetSubMenu(menu, 2)));

    EXPECT_FALSE(RemoveMenuItem(&menu, 99, true));
    EXPECT_EQ((std::vector<std::string>{"Open", "-", "More"}), MenuTexts(menu));
}

// ---------------- date pickers ----------------

TEST(ParseDateTimeUserString, FillsTheNotificationWithTheTypedDate) {
    char typed[] = "3/7/2024 2:05 PM";
    NMDATETIMESTRINGA info{};
    info.pszUserString = typed;
    info.dwFlags = GDT_ERROR;
    ASSERT_TRUE(ParseDateTimeUserString(&info));
    EXPECT_EQ(static_cast<DWORD>(GDT_VALID), info.dwFlags);
    EXPECT_EQ(2024, info.st.wYear);
    EXPECT_EQ(3, info.st.wMonth);
    EXPECT_EQ(7, info.st.wDay);
    EXPECT_EQ(14, info.st.wHour);
    EXPECT_EQ(5, info.st.wMinute);

    char notADate[] = "next Tuesday-ish";
    NMDATETIMESTRINGA bad{};
    bad.pszUserString = notADate;
    bad.dwFlags = GDT_ERROR;
    bad.st.wYear = 1999;
    EXPECT_FALSE(ParseDateTimeUserString(&bad));
    EXPECT_EQ(static_cast<DWORD>(GDT_ERROR), bad.dwFlags);
    EXPECT_EQ(1999, bad.st.wYear);
}

// ---------------- message pumping ----------------

// A message-only window that counts the messages it gets.
class CountingWindow {
public:
    CountingWindow() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &CountingWindow::Proc;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "BrindlemarkPumpTest";
        ::RegisterClassA(&windowClass);
        m_hWnd = ::CreateWindowExA(0, "BrindlemarkPumpTest", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
        ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~CountingWindow() { ::DestroyWindow(m_hWnd); }
    CountingWindow(const CountingWindow&) = delete;
    CountingWindow& operator=(const CountingWindow&) = delete;

    HWND Handle() const { return m_hWnd; }
    int posted = 0;
    int timers = 0;

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<CountingWindow*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
        if (self != nullptr && msg == WM_APP + 7)
            ++self->posted;
        if (self != nullptr && msg == WM_TIMER)
            ++self->timers;
        return ::DefWindowProcA(hWnd, msg, wParam, lParam);
    }
    HWND m_hWnd = nullptr;
};

void DropQueuedMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

TEST(PumpOneMessage, DispatchesOneMessageAndLeavesQuitInTheQueue) {
    CountingWindow window;
    DropQueuedMessages();
    EXPECT_FALSE(PumpOneMessage());

    ::PostMessageA(window.Handle(), WM_APP + 7, 0, 0);
    ::PostMessageA(window.Handle(), WM_APP + 7, 0, 0);
    EXPECT_TRUE(PumpOneMessage());
    EXPECT_EQ(1, window.posted);
    EXPECT_TRUE(PumpOneMessage());
    EXPECT_EQ(2, window.posted);

    ::PostQuitMessage(3);
    EXPECT_FALSE(PumpOneMessage());
    MSG quit;
    ASSERT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "WM_QUIT was swallowed";
    EXPECT_EQ(3u, quit.wParam);
}

TEST(WaitPumpingMessages, WaitsTheTimeWhileDispatching) {
    CountingWindow window;
    DropQueuedMessages();
    ::PostMessageA(window.Handle(), WM_APP + 7, 0, 0);
    ::SetTimer(window.Handle(), 1, 20, nullptr);

    const DWORD start = ::GetTickCount();
    WaitPumpingMessages(250);
    const DWORD elapsed = ::GetTickCount() - start;
    ::KillTimer(window.Handle(), 1);

    EXPECT_GE(elapsed, 250u);
    EXPECT_LT(elapsed, 2000u);
    EXPECT_EQ(1, window.posted);
    EXPECT_GE(window.timers, 3) << "timer messages were not dispatched during the wait";
}

TEST(WaitPumpingMessages, ReturnsInTimeWhileAQuitIsWaiting) {
    DropQueuedMessages();
    ::PostQuitMessage(0);
    const DWORD start = ::GetTickCount();
    WaitPumpingMessages(120);
    const DWORD elapsed = ::GetTickCount() - start;
    EXPECT_GE(elapsed, 120u);
    EXPECT_LT(elapsed, 2000u);
    MSG quit;
    EXPECT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// ---------------- bitmaps ----------------

// A screen-compatible bitmap of the given top-down pixels (colours), and
// reading them back.
HBITMAP MakeBitmap(int width, int height, const std::vector<COLORREF>& colors) {
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    std::vector<DWORD> pixels;
    for (COLORREF color : colors)
        pixels.push_back((GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color));
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    ::SetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}

std::vector<COLORREF> PixelsOf(HBITMAP bitmap) {
    BITMAP description{};
    ::GetObjectA(bitmap, sizeof description, &description);
    const int width = description.bmWidth;
    const int height = description.bmHeight;
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC screen = ::GetDC(nullptr);
    ::GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    std::vector<COLORREF> colors;
    for (DWORD pixel : pixels)
        colors.push_back(RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
    return colors;
}

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);

TEST(ReplaceBitmapColor, ChangesEveryPixelOfThatColourAndNoOther) {
    CBitmap bitmap;
    bitmap.Attach(MakeBitmap(3, 2, {kRed, kGreen, kRed, RGB(254, 0, 0), kRed, kBlue}));
    ReplaceBitmapColor(&bitmap, kRed, kYellow);
    EXPECT_EQ((std::vector<COLORREF>{kYellow, kGreen, kYellow, RGB(254, 0, 0), kYellow, kBlue}),
              PixelsOf(static_cast<HBITMAP>(bitmap.GetSafeHandle())));

    CBitmap empty;
    ReplaceBitmapColor(&empty, kRed, kYellow); // no bitmap: nothing to do
    EXPECT_EQ(nullptr, empty.GetSafeHandle());
}

TEST(LoadBitmapReplacingColor, ReplacesTheColourTableEntryOfAPalettedBitmap) {
    CBitmap arrows;
    const COLORREF face = RGB(10, 20, 30);
    ASSERT_TRUE(LoadBitmapReplacingColor(&arrows, IDB_CALENDAR_ARROWS, face, RGB(192, 192, 192)));
    BITMAP description{};
    ASSERT_NE(0, ::GetObjectA(arrows.GetSafeHandle(), sizeof description, &description));
    EXPECT_EQ(12, description.bmWidth);
    EXPECT_EQ(9, description.bmHeight);
    const std::vector<COLORREF> pixels = PixelsOf(static_cast<HBITMAP>(arrows.GetSafeHandle()));
    EXPECT_EQ(face, pixels[0]);             // background corner
    EXPECT_EQ(kBlack, pixels[4 * 12 + 1]);  // tip of the left arrow
    EXPECT_EQ(kBlack, pixels[4 * 12 + 10]); // tip of the right arrow
    EXPECT_EQ(face, pixels[4 * 12 + 11]);   // right of the right arrow
}

TEST(LoadBitmapReplacingColor, ReplacesThePixelsOfATrueColourBitmap) {
    // Both header forms: the classic one, and the version 5 one whose colour masks are inside it.
    for (const UINT resource : {IDB_WP_TRUECOLOR, IDB_WP_BITFIELDS}) {
        CBitmap bitmap;
        ASSERT_TRUE(LoadBitmapReplacingColor(&bitmap, resource, kYellow, kRed)) << resource;
        EXPECT_EQ((std::vector<COLORREF>{kYellow, kGreen, kBlue, kYellow, kWhite, kYellow, kBlack, kBlue}),
                  PixelsOf(static_cast<HBITMAP>(bitmap.GetSafeHandle())))
            << resource;
    }
}

TEST(LoadBitmapReplacingColor, MissingOrDamagedResourceLeavesTheBitmapAlone) {
    CBitmap bitmap;
    bitmap.Attach(MakeBitmap(1, 1, {kGreen}));
    const HGDIOBJ before = bitmap.GetSafeHandle();
    EXPECT_FALSE(LoadBitmapReplacingColor(&bitmap, 7999, kYellow, kRed));
    EXPECT_EQ(before, bitmap.GetSafeHandle());
    EXPECT_FALSE(LoadBitmapReplacingColor(&bitmap, IDB_WP_TRUNCATED, kYellow, kRed)) << "damaged resource";
    EXPECT_EQ(before, bitmap.GetSafeHandle());
}

// ---------------- help ----------------

TEST_F(ControlsDialogTest, ContextHelpReportsAHelpFileThatCannotBeOpened) {
    RecordingApp app;
    ScratchFolder folder;
    SetProgramFolderForTests(folder.Path());

    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = IDC_WP_EDIT;
    info.hItemHandle = Item(IDC_WP_EDIT);
    info.dwContextId = 0x10000 + IDC_WP_EDIT;
    EXPECT_TRUE(OnDialogHelp(&info));

    // Nothing for a missing info or a window without control id.
    ShowContextHelp(nullptr);
    info.iCtrlId = -1;
    ShowContextHelp(&info);
    SetProgramFolderForTests(nullptr);

    ASSERT_EQ(1u, app.prompts.size());
    EXPECT_EQ(std::string("The help file cannot be opened!\r\n\r\n") +
                  std::string(folder.File("Brindlemark.chm")),
              app.prompts[0]);
}

// ---------------- folders ----------------

TEST(BrowseForFolder, CancelGivesAnEmptyPath) {
    TimerDriver driver([] {
        const std::vector<HWND> dialogs = ThreadDialogs();
        if (dialogs.empty())
            return false;
        ::PostMessageA(dialogs[0], WM_COMMAND, IDCANCEL, 0);
        return true;
    });
    EXPECT_STREQ("", BrowseForFolder());
    EXPECT_TRUE(driver.Finished());
    EXPECT_FALSE(driver.TimedOut());
}

} // namespace
