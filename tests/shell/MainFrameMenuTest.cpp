// The main window's drop-down menus drawn with the commands' pictures: which items are drawn by the
// menu manager, their pictures, measuring and drawing, and the mnemonic keys.
#include "ShellTestSupport.h"

#include "framework/win/WindowTestCommon.h"

using namespace shelltest;

namespace {

class MainFrameMenus : public MainFrameFixture {
protected:
    // The popup of the menu bar, after the frame (and the menu manager) prepared it for showing.
    HMENU OpenPopup(int index) {
        HMENU popup = ::GetSubMenu(::GetMenu(frame->m_hWnd), index);
        frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), index);
        return popup;
    }
    static MENUITEMINFOA Info(HMENU menu, int position) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STATE;
        ::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
        return info;
    }
};

TEST_F(MainFrameMenus, CommandItemsBecomeOwnerDrawnKeepingTextAndState) {
    HMENU timer = OpenPopup(2);
    const MENUITEMINFOA start = Info(timer, 0);
    EXPECT_EQ(start.wID, static_cast<UINT>(ID_TIMER_START));
    EXPECT_TRUE(start.fType & MFT_OWNERDRAW);
    EXPECT_EQ(std::string(frame->GetMenuManager().ItemText(timer, 0)), "&Start Timer...\tF5");
    // Not handled in this version: still disabled.
    EXPECT_TRUE(start.fState & MFS_GRAYED);
    const MENUITEMINFOA separator = Info(timer, 8);
    EXPECT_TRUE(separator.fType & MFT_SEPARATOR);
    EXPECT_FALSE(separator.fType & MFT_OWNERDRAW);

    // Opening it again keeps one record per item.
    timer = OpenPopup(2);
    EXPECT_EQ(Info(timer, 0).dwItemData, start.dwItemData);

    // Pictures: the tool bar's commands and the other two picture sets; none for the rest.
    CCoolMenuManager& menus = frame->GetMenuManager();
    for (UINT command :
         {ID_TIMER_START, ID_APP_ABOUT, ID_VIEW_TIME_LOG, ID_VIEW_BILLING, ID_HELP, ID_APP_EXIT})
        EXPECT_GE(menus.ImageOf(command), 0) << command;
    EXPECT_EQ(menus.ImageOf(ID_TIMER_START_COPY), -1);
    EXPECT_NE(menus.ImageOf(ID_HELP), menus.ImageOf(ID_APP_EXIT));
}

TEST_F(MainFrameMenus, DrawsThePictureAndTheTextOfAnItem) {
    HMENU help = OpenPopup(4);
    const MENUITEMINFOA topics = Info(help, 0);
    ASSERT_EQ(topics.wID, static_cast<UINT>(ID_HELP));
    ASSERT_TRUE(topics.fType & MFT_OWNERDRAW);

    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = ID_HELP;
    measure.itemData = topics.dwItemData;
    EXPECT_TRUE(frame->SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)));
    EXPECT_GT(measure.itemWidth, 60u);
    EXPECT_GE(measure.itemHeight, 20u);

    const int width = static_cast<int>(measure.itemWidth);
    const int height = static_cast<int>(measure.itemHeight);
    HDC hDC = ::CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP hBitmap = wintest::CreateTopDownDib(hDC, width, height, 32, &bits);
    ASSERT_NE(hBitmap, nullptr);
    HGDIOBJ old = ::SelectObject(hDC, hBitmap);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = ID_HELP;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.hDC = hDC;
    draw.rcItem = {0, 0, width, height};
    draw.itemData = topics.dwItemData;
    EXPECT_TRUE(frame->SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)));
    ::GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits);
    auto at = [&](int x, int y) { return pixels[y * width + x] & 0xFFFFFF; };
    // The help picture's blue in the gutter; text to the right of it; the rest is the menu colour.
    int blue = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 24; ++x)
            blue += at(x, y) == 0x0000A0;
    EXPECT_GT(blue, 40);
    const COLORREF menu = ::GetSysColor(COLOR_MENU);
    const DWORD menuPixel = (GetRValue(menu) << 16) | (GetGValue(menu) << 8) | GetBValue(menu);
    int text = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 28; x < width; ++x)
            text += at(x, y) != menuPixel;
    EXPECT_GT(text, 20);
    EXPECT_EQ(at(width - 1, 0), menuPixel);
    ::SelectObject(hDC, old);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hDC);
}

TEST_F(MainFrameMenus, MnemonicKeysChooseTheirItem) {
    HMENU help = OpenPopup(4);
    // "&About Brindlemark..." stands after "&Help Topics" and a separator.
    EXPECT_EQ(frame->SendMessage(WM_MENUCHAR, MAKEWPARAM('A', MF_POPUP), reinterpret_cast<LPARAM>(help)),
              MAKELRESULT(2, MNC_EXECUTE));
    EXPECT_EQ(frame->SendMessage(WM_MENUCHAR, MAKEWPARAM('h', MF_POPUP), reinterpret_cast<LPARAM>(help)),
              MAKELRESULT(0, MNC_EXECUTE));
    EXPECT_EQ(
        HIWORD(frame->SendMessage(WM_MENUCHAR, MAKEWPARAM('z', MF_POPUP), reinterpret_cast<LPARAM>(help))),
        MNC_IGNORE);
}

TEST_F(MainFrameMenus, TheTrayMenuIsDrawnTheSameWay) {
    frame->SendMessage(CMainFrame::TrackTrayMenuMessage());
    ASSERT_EQ(frame->trayMenus, 1);
    // The test frame reads the menu instead of showing it; opening it converts its items.
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TRAY_MENU));
    HMENU popup = ::GetSubMenu(menu.GetSafeHmenu(), 0);
    frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_TRUE(Info(popup, 0).fType & MFT_OWNERDRAW);
    EXPECT_EQ(std::string(frame->GetMenuManager().ItemText(popup, 15)), "E&xit Brindlemark");
}

} // namespace
