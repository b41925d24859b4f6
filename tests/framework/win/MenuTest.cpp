// Menus built, loaded, changed and read back; popups tracked; owner-drawn items; accelerators.
#include "WinTestSupport.h"

#include "GdiTestsResource.h"

#include <string>
#include <vector>

using namespace wintest;

namespace {

constexpr UINT ID_ONE = 4201;
constexpr UINT ID_TWO = 4202;
constexpr UINT ID_THREE = 4203;
constexpr UINT ID_FOUR = 4204;

std::string StringOf(const CMenu& menu, UINT nItem, UINT nFlags) {
    CString text;
    menu.GetMenuString(nItem, text, nFlags);
    return std::string(text);
}

// The ids of the items in order (0 separator, -1 popup).
std::vector<UINT> IdsOf(const CMenu& menu) {
    std::vector<UINT> ids;
    for (UINT i = 0; i < menu.GetMenuItemCount(); ++i)
        ids.push_back(menu.GetMenuItemID(static_cast<int>(i)));
    return ids;
}

// ---------------------------------------------------------------------------------------------------
// Building and reading

TEST(Menu, BuiltChangedAndReadBack) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    EXPECT_TRUE(menu.AppendMenu(MF_STRING, ID_ONE, "&One"));
    EXPECT_TRUE(menu.AppendMenu(MF_SEPARATOR));
    EXPECT_TRUE(menu.AppendMenu(MF_STRING | MF_GRAYED, ID_THREE, "Three"));
    EXPECT_EQ(IdsOf(menu), (std::vector<UINT>{ID_ONE, 0, ID_THREE}));

    // Insert before an item named by command or by position.
    EXPECT_TRUE(menu.InsertMenu(ID_THREE, MF_BYCOMMAND | MF_STRING, ID_TWO, "Two"));
    EXPECT_TRUE(menu.InsertMenu(0, MF_BYPOSITION | MF_STRING | MF_CHECKED, ID_FOUR, "Four"));
    EXPECT_EQ(IdsOf(menu), (std::vector<UINT>{ID_FOUR, ID_ONE, 0, ID_TWO, ID_THREE}));
    EXPECT_EQ(StringOf(menu, 3, MF_BYPOSITION), "Two");
    EXPECT_EQ(StringOf(menu, ID_ONE, MF_BYCOMMAND), "&One");
    char buffer[4] = {};
    EXPECT_EQ(menu.GetMenuString(ID_ONE, buffer, sizeof buffer, MF_BYCOMMAND), 3);
    EXPECT_STREQ(buffer, "&On"); // cut to the buffer
    EXPECT_EQ(StringOf(menu, 4711, MF_BYCOMMAND), "");

    EXPECT_TRUE(menu.GetMenuState(ID_FOUR, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(menu.GetMenuState(4, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(menu.GetMenuState(4711, MF_BYCOMMAND), static_cast<UINT>(-1));

    // Modify in place: new text and id, same position.
    EXPECT_TRUE(menu.ModifyMenu(ID_TWO, MF_BYCOMMAND | MF_STRING, ID_TWO + 100, "Second"));
    EXPECT_EQ(menu.GetMenuItemID(3), ID_TWO + 100);
    EXPECT_EQ(StringOf(menu, 3, MF_BYPOSITION), "Second");

    // States: the previous state comes back, -1 for a missing item.
    EXPECT_EQ(menu.EnableMenuItem(ID_THREE, MF_BYCOMMAND | MF_ENABLED), static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(menu.GetMenuState(ID_THREE, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_EQ(menu.CheckMenuItem(ID_FOUR, MF_BYCOMMAND | MF_UNCHECKED), static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(menu.CheckMenuItem(4711, MF_BYCOMMAND | MF_CHECKED), static_cast<UINT>(-1));

    // Removing by command and by position.
    EXPECT_TRUE(menu.DeleteMenu(ID_ONE, MF_BYCOMMAND));
    EXPECT_TRUE(menu.RemoveMenu(1, MF_BYPOSITION)); // the separator
    EXPECT_EQ(IdsOf(menu), (std::vector<UINT>{ID_FOUR, ID_TWO + 100, ID_THREE}));
    EXPECT_FALSE(menu.DeleteMenu(4711, MF_BYCOMMAND));
}

TEST(Menu, PopupsAreKeptByRemoveAndDestroyedByDelete) {
    CMenu bar;
    ASSERT_TRUE(bar.CreateMenu());
    for (int i = 0; i < 2; ++i) {
        CMenu popup;
        ASSERT_TRUE(popup.CreatePopupMenu());
        popup.AppendMenu(MF_STRING, ID_ONE + i, "Item");
        ASSERT_TRUE(
            bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(popup.Detach()), i == 0 ? "&A" : "&B"));
    }
    EXPECT_EQ(bar.GetMenuItemCount(), 2u);
    EXPECT_EQ(bar.GetMenuItemID(0), static_cast<UINT>(-1));
    EXPECT_EQ(bar.GetMenuState(0, MF_BYPOSITION) >> 8, 1u) << "a popup's state holds its item count";
    HMENU removed = bar.GetSubMenu(0)->GetSafeHmenu();
    HMENU deleted = bar.GetSubMenu(1)->GetSafeHmenu();
    EXPECT_EQ(bar.GetSubMenu(1)->GetMenuItemID(0), ID_TWO);
    EXPECT_EQ(bar.GetSubMenu(2), nullptr);

    EXPECT_TRUE(bar.RemoveMenu(0, MF_BYPOSITION));
    EXPECT_TRUE(::IsMenu(removed));
    EXPECT_TRUE(bar.DeleteMenu(0, MF_BYPOSITION));
    EXPECT_FALSE(::IsMenu(deleted));
    EXPECT_EQ(bar.GetMenuItemCount(), 0u);
    ::DestroyMenu(removed);
}

TEST(Menu, LoadedFromResourcesByIdAndName) {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_GDI_MENU));
    EXPECT_EQ(IdsOf(menu), (std::vector<UINT>{static_cast<UINT>(-1), static_cast<UINT>(-1), ID_GDI_HELP}));
    EXPECT_EQ(StringOf(menu, 0, MF_BYPOSITION), "&Datei");
    EXPECT_EQ(StringOf(menu, ID_GDI_HELP, MF_BYCOMMAND), "&Hilfe");

    CMenu* file = menu.GetSubMenu(0);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(IdsOf(*file),
              (std::vector<UINT>{ID_GDI_NEW, ID_GDI_OPEN, 0, ID_GDI_SAVE, ID_GDI_CHECKED, ID_GDI_GRAYED}));
    EXPECT_EQ(StringOf(*file, ID_GDI_NEW, MF_BYCOMMAND), "&Neu\tCtrl+N");
    EXPECT_EQ(StringOf(*file, ID_GDI_OPEN, MF_BYCOMMAND), "\xD6&ffnen\x85"); // in the ANSI code page
    EXPECT_TRUE(file->GetMenuState(ID_GDI_SAVE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(file->GetMenuState(ID_GDI_CHECKED, MF_BYCOMMAND) & MF_CHECKED);
    const UINT inactive = file->GetMenuState(ID_GDI_GRAYED, MF_BYCOMMAND);
    EXPECT_TRUE(inactive & MF_DISABLED);
    EXPECT_FALSE(inactive & MF_GRAYED);

    CMenu* zoom = menu.GetSubMenu(1)->GetSubMenu(0);
    ASSERT_NE(zoom, nullptr);
    EXPECT_EQ(StringOf(*zoom, ID_GDI_ZOOM_IN, MF_BYCOMMAND), "Gr\xF6\xDF"
                                                             "er");
    EXPECT_EQ(zoom->GetMenuItemID(1), ID_GDI_ZOOM_OUT);

    CMenu named;
    ASSERT_TRUE(named.LoadMenu("GDITESTMENU"));
    EXPECT_EQ(IdsOf(named), std::vector<UINT>{ID_GDI_HELP});
    CMenu missing;
    EXPECT_FALSE(missing.LoadMenu(4998));
    EXPECT_EQ(missing.m_hMenu, nullptr);
}

TEST(Menu, LoadedFromATemplateInMemory) {
    // MENUITEMTEMPLATEHEADER (version 0, no offset) and two items, the last marked MF_END.
    std::vector<WORD> words = {0, 0};
    auto add = [&](WORD option, WORD id, const wchar_t* text) {
        words.push_back(option);
        words.push_back(id);
        for (const wchar_t* p = text; *p; ++p)
            words.push_back(static_cast<WORD>(*p));
        words.push_back(0);
    };
    add(MF_STRING, ID_ONE, L"First");
    add(MF_STRING | MF_END | MF_CHECKED, ID_TWO, L"Last");
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenuIndirect(words.data()));
    EXPECT_EQ(IdsOf(menu), (std::vector<UINT>{ID_ONE, ID_TWO}));
    EXPECT_EQ(StringOf(menu, ID_TWO, MF_BYCOMMAND), "Last");
    EXPECT_TRUE(menu.GetMenuState(ID_TWO, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(CMenu().LoadMenuIndirect(nullptr));
}

TEST(Menu, ItemInfoDefaultItemAndRadioChecks) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    for (UINT id = ID_ONE; id <= ID_FOUR; ++id)
        menu.AppendMenu(MF_STRING, id, "Item");

    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA | MIIM_STRING | MIIM_STATE;
    info.dwItemData = 0x1234;
    info.dwTypeData = const_cast<LPSTR>("Renamed");
    info.fState = MFS_CHECKED;
    EXPECT_TRUE(menu.SetMenuItemInfo(1, &info, TRUE));
    MENUITEMINFOA back{};
    back.cbSize = sizeof back;
    back.fMask = MIIM_DATA | MIIM_STATE | MIIM_ID;
    ASSERT_TRUE(menu.GetMenuItemInfo(ID_TWO, &back));
    EXPECT_EQ(back.dwItemData, 0x1234u);
    EXPECT_EQ(back.wID, ID_TWO);
    EXPECT_TRUE(back.fState & MFS_CHECKED);
    EXPECT_EQ(StringOf(menu, ID_TWO, MF_BYCOMMAND), "Renamed");

    MENUITEMINFOA inserted{};
    inserted.cbSize = sizeof inserted;
    inserted.fMask = MIIM_ID | MIIM_STRING;
    inserted.wID = ID_FOUR + 1;
    inserted.dwTypeData = const_cast<LPSTR>("Inserted");
    EXPECT_TRUE(menu.InsertMenuItem(0, &inserted, TRUE));
    EXPECT_EQ(menu.GetMenuItemID(0), ID_FOUR + 1);

    EXPECT_EQ(menu.GetDefaultItem(0), static_cast<UINT>(-1));
    EXPECT_TRUE(menu.SetMenuDefaultItem(ID_THREE));
    EXPECT_EQ(menu.GetDefaultItem(0), ID_THREE);
    EXPECT_EQ(menu.GetDefaultItem(0, TRUE), 3u);
    EXPECT_TRUE(menu.GetMenuState(ID_THREE, MF_BYCOMMAND) & MF_DEFAULT);
    EXPECT_TRUE(menu.SetMenuDefaultItem(1, TRUE));
    EXPECT_EQ(menu.GetDefaultItem(0), ID_ONE);
    EXPECT_TRUE(menu.SetMenuDefaultItem(static_cast<UINT>(-1)));
    EXPECT_EQ(menu.GetDefaultItem(0), static_cast<UINT>(-1));

    EXPECT_TRUE(menu.CheckMenuRadioItem(ID_ONE, ID_FOUR, ID_THREE, MF_BYCOMMAND));
    for (UINT id = ID_ONE; id <= ID_FOUR; ++id) {
        MENUITEMINFOA radio{};
        radio.cbSize = sizeof radio;
        radio.fMask = MIIM_FTYPE | MIIM_STATE;
        ASSERT_TRUE(menu.GetMenuItemInfo(id, &radio));
        EXPECT_EQ((radio.fState & MFS_CHECKED) != 0, id == ID_THREE) << id;
        if (id == ID_THREE) {
            EXPECT_TRUE(radio.fType & MFT_RADIOCHECK);
        }
    }

    EXPECT_TRUE(menu.SetMenuContextHelpId(77));
    EXPECT_EQ(menu.GetMenuContextHelpId(), 77u);
    EXPECT_GT(LOWORD(CMenu::GetMenuCheckMarkDimensions()), 0);
}

TEST(Menu, BitmapItemsAndCheckMarkBitmaps) {
    CBitmap picture;
    ASSERT_TRUE(picture.LoadBitmap(IDB_GDI_TEST));
    CBitmap checked;
    ASSERT_TRUE(checked.CreateBitmap(8, 8, 1, 1, nullptr));
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, ID_ONE, &picture));
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, ID_TWO, "Text"));
    ASSERT_TRUE(menu.ModifyMenu(ID_TWO, MF_BYCOMMAND, ID_TWO, &picture));
    ASSERT_TRUE(menu.InsertMenu(0, MF_BYPOSITION, ID_THREE, &picture));
    ASSERT_TRUE(menu.SetMenuItemBitmaps(ID_ONE, MF_BYCOMMAND, nullptr, &checked));

    for (UINT id : {ID_ONE, ID_TWO, ID_THREE}) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_BITMAP | MIIM_CHECKMARKS;
        ASSERT_TRUE(menu.GetMenuItemInfo(id, &info));
        EXPECT_EQ(info.hbmpItem, static_cast<HBITMAP>(picture)) << id;
        EXPECT_EQ(info.hbmpChecked, id == ID_ONE ? static_cast<HBITMAP>(checked) : nullptr) << id;
        EXPECT_EQ(info.hbmpUnchecked, nullptr);
    }
}

// ---------------------------------------------------------------------------------------------------
// Wrappers

TEST(Menu, WrapperDestroysItsMenuUnlessDetached) {
    HMENU hMenu = nullptr;
    {
        CMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        hMenu = menu;
        EXPECT_EQ(CMenu::FromHandle(hMenu), &menu);
        EXPECT_EQ(CMenu::FromHandlePermanent(hMenu), &menu);
        EXPECT_FALSE(menu.CreateMenu()); // taken: the new menu is not leaked into it
        EXPECT_EQ(menu.m_hMenu, hMenu);
    }
    EXPECT_FALSE(::IsMenu(hMenu));

    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_GDI_MENU));
    CMenu* sub = menu.GetSubMenu(0);
    EXPECT_EQ(CMenu::FromHandlePermanent(*sub), nullptr); // a temporary wrapper
    EXPECT_EQ(menu.GetSubMenu(0), sub);
    HMENU hSub = *sub;
    CMenu::DeleteTempMap();
    EXPECT_TRUE(::IsMenu(hSub));

    CMenu same;
    same.m_hMenu = menu.m_hMenu;
    EXPECT_TRUE(same == menu);
    same.m_hMenu = hSub;
    EXPECT_TRUE(same != menu);
    same.m_hMenu = nullptr;

    HMENU kept = menu.Detach();
    EXPECT_EQ(menu.GetSafeHmenu(), nullptr);
    EXPECT_FALSE(menu.DestroyMenu());
    EXPECT_EQ(CMenu::FromHandlePermanent(kept), nullptr);
    EXPECT_TRUE(::IsMenu(kept));
    ASSERT_TRUE(menu.Attach(kept));
    EXPECT_TRUE(menu.DestroyMenu());
    EXPECT_FALSE(::IsMenu(kept));
}

// ---------------------------------------------------------------------------------------------------
// Popups and owner-drawn items

class MenuOwnerWnd : public CWnd {
public:
    std::vector<UINT> commands;
    std::vector<WPARAM> commandParams;

    BOOL CreateTest(DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE) {
        return CreateEx(0, AfxRegisterWndClass(0), "Menus", style, CRect(0, 0, 300, 200), nullptr, 0);
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        return hAccel != nullptr && ::TranslateAcceleratorA(m_hWnd, hAccel, pMsg);
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        commandParams.push_back(wParam);
        return CWnd::OnCommand(wParam, lParam);
    }

    HACCEL hAccel = nullptr;

protected:
    afx_msg void OnCommandRange(UINT nID) { commands.push_back(nID); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MenuOwnerWnd, CWnd)
ON_COMMAND_RANGE(ID_GDI_NEW, ID_GDI_HELP, OnCommandRange)
ON_COMMAND_RANGE(ID_ONE, ID_FOUR, OnCommandRange)
END_MESSAGE_MAP()

// Posts keys to the owner once the popup's loop runs (the menu loop reads the thread's queue), or ends
// the menu; both from a thread timer dispatched by that loop.
void DriveMenu(HWND hWndOwner, std::vector<WPARAM> keys) {
    static HWND s_owner;
    static std::vector<WPARAM> s_keys;
    s_owner = hWndOwner;
    s_keys = std::move(keys);
    static int s_ticks;
    s_ticks = 0;
    static UINT_PTR s_timer;
    s_timer = ::SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) {
        if (++s_ticks < 2)
            return;
        ::KillTimer(nullptr, s_timer);
        if (s_keys.empty())
            ::EndMenu();
        for (WPARAM key : s_keys)
            ::PostMessageA(s_owner, WM_KEYDOWN, key, 1);
    });
}

TEST(MenuPopup, TrackPopupMenuReturnsOrSendsTheChosenCommand) {
    MenuOwnerWnd owner;
    ASSERT_TRUE(owner.CreateTest());
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, ID_ONE, "One");
    popup.AppendMenu(MF_STRING, ID_TWO, "Two");

    DriveMenu(owner, {VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(popup.TrackPopupMenu(TPM_RETURNCMD | TPM_NONOTIFY, 10, 10, &owner), static_cast<BOOL>(ID_TWO));
    PumpPending();
    EXPECT_TRUE(owner.commands.empty()) << "returned, not sent";

    DriveMenu(owner, {});
    EXPECT_EQ(popup.TrackPopupMenu(TPM_RETURNCMD, 10, 10, &owner), 0) << "closed without a choice";

    DriveMenu(owner, {VK_DOWN, VK_RETURN});
    EXPECT_TRUE(popup.TrackPopupMenu(TPM_LEFTALIGN, 10, 10, &owner));
    PumpPending();
    EXPECT_EQ(owner.commands, std::vector<UINT>{ID_ONE});
}

// A menu that measures and draws its own items, recording what it was asked.
class OwnerDrawnMenu : public CMenu {
public:
    std::vector<std::pair<UINT, ULONG_PTR>> measured;
    std::vector<std::pair<UINT, ULONG_PTR>> drawn;
    std::vector<HMENU> drawnIn;
    CRect lastItemRect;
    bool hadDC = false;

    void MeasureItem(LPMEASUREITEMSTRUCT mis) override {
        measured.emplace_back(mis->itemID, mis->itemData);
        mis->itemWidth = 80;
        mis->itemHeight = 21;
    }
    void DrawItem(LPDRAWITEMSTRUCT dis) override {
        drawn.emplace_back(dis->itemID, dis->itemData);
        drawnIn.push_back(reinterpret_cast<HMENU>(dis->hwndItem));
        lastItemRect = dis->rcItem;
        hadDC = CDC::FromHandle(dis->hDC) != nullptr;
        CDC::FromHandle(dis->hDC)->FillSolidRect(&dis->rcItem, RGB(255, 0, 0));
    }
};

TEST(MenuPopup, OwnerDrawnItemsOfATrackedPopupAreMeasuredAndDrawnByTheMenu) {
    MenuOwnerWnd owner;
    ASSERT_TRUE(owner.CreateTest());
    OwnerDrawnMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    ASSERT_TRUE(popup.AppendMenu(MF_OWNERDRAW, ID_ONE, reinterpret_cast<LPCSTR>(0x51)));
    ASSERT_TRUE(popup.AppendMenu(MF_STRING, ID_TWO, "Plain"));

    DriveMenu(owner, {});
    popup.TrackPopupMenu(TPM_RETURNCMD, 10, 10, &owner);
    ASSERT_FALSE(popup.measured.empty());
    EXPECT_EQ(popup.measured[0], std::make_pair(ID_ONE, ULONG_PTR{0x51}));
    ASSERT_FALSE(popup.drawn.empty());
    EXPECT_EQ(popup.drawn[0], std::make_pair(ID_ONE, ULONG_PTR{0x51}));
    EXPECT_EQ(popup.drawnIn[0], popup.m_hMenu);
    EXPECT_EQ(popup.lastItemRect.Height(), 21);
    EXPECT_TRUE(popup.hadDC);
}

TEST(MenuPopup, OwnerDrawnItemsOfTheMenuBarReachTheNearestAttachedMenu) {
    MenuOwnerWnd owner;
    ASSERT_TRUE(owner.CreateTest());
    OwnerDrawnMenu bar;
    ASSERT_TRUE(bar.CreateMenu());
    ASSERT_TRUE(bar.AppendMenu(MF_OWNERDRAW, ID_ONE, reinterpret_cast<LPCSTR>(0x61)));
    // A popup without a wrapper of its own: its items go to the bar's object.
    HMENU hPopup = ::CreatePopupMenu();
    ::AppendMenuA(hPopup, MF_OWNERDRAW, ID_THREE, reinterpret_cast<LPCSTR>(0x63));
    ASSERT_TRUE(bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hPopup), "&Sub"));
    ASSERT_TRUE(owner.SetMenu(&bar));
    owner.DrawMenuBar();
    PumpPending();
    ASSERT_FALSE(bar.measured.empty());
    EXPECT_EQ(bar.measured[0], std::make_pair(ID_ONE, ULONG_PTR{0x61}));
    ASSERT_FALSE(bar.drawn.empty());
    EXPECT_EQ(bar.drawnIn[0], bar.m_hMenu);

    // The system sends these when the popup opens; sent here directly.
    MEASUREITEMSTRUCT mis{ODT_MENU, 0, ID_THREE, 0, 0, 0x63};
    owner.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
    EXPECT_EQ(bar.measured.back(), std::make_pair(ID_THREE, ULONG_PTR{0x63}));
    EXPECT_EQ(mis.itemHeight, 21u);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    DRAWITEMSTRUCT dis{ODT_MENU,     0,   ID_THREE, ODA_DRAWENTIRE, 0, reinterpret_cast<HWND>(hPopup), dc,
                       {0, 0, 5, 5}, 0x63};
    owner.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
    EXPECT_EQ(bar.drawn.back(), std::make_pair(ID_THREE, ULONG_PTR{0x63}));
    EXPECT_EQ(bar.drawnIn.back(), hPopup);

    // An item no menu of the window holds (other data) is left to the default handling.
    const size_t measuredBefore = bar.measured.size();
    MEASUREITEMSTRUCT stranger{ODT_MENU, 0, ID_THREE, 0, 0, 0x99};
    owner.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&stranger));
    EXPECT_EQ(bar.measured.size(), measuredBefore);

    // An attached popup of its own takes its items itself.
    OwnerDrawnMenu popupObject;
    ASSERT_TRUE(popupObject.Attach(hPopup));
    owner.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
    EXPECT_EQ(popupObject.measured.size(), 1u);
    EXPECT_EQ(bar.measured.size(), measuredBefore);
    popupObject.Detach(); // the bar destroys it
    owner.SetMenu(nullptr);
}

// ---------------------------------------------------------------------------------------------------
// Accelerators

// Sets the keyboard state of this thread (what TranslateAccelerator reads for Ctrl, Shift, Alt) for the
// life of the object.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<int> keys) {
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        ::GetKeyboardState(state);
        for (int key : keys)
            state[key] |= 0x80;
        ::SetKeyboardState(state);
    }
    ~HeldKeys() { ::SetKeyboardState(m_saved); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    BYTE m_saved[256] = {};
};

TEST(Accelerators, KeysOfAFocusedChildBecomeCommandsOfTheWindow) {
    MenuOwnerWnd owner;
    ASSERT_TRUE(owner.CreateTest());
    owner.hAccel = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_GDI_ACCEL));
    ASSERT_NE(owner.hAccel, nullptr);
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, owner, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hEdit, nullptr);

    {
        HeldKeys ctrl{VK_CONTROL};
        ::PostMessageA(hEdit, WM_KEYDOWN, 'N', 1);
        PumpPending();
    }
    EXPECT_EQ(owner.commands, std::vector<UINT>{ID_GDI_NEW});
    ASSERT_EQ(owner.commandParams.size(), 1u);
    EXPECT_EQ(HIWORD(owner.commandParams[0]), 1) << "marked as coming from an accelerator";

    // Without Ctrl the key is the edit's: no command.
    ::PostMessageA(hEdit, WM_KEYDOWN, 'N', 1);
    PumpPending();
    EXPECT_EQ(owner.commands.size(), 1u);

    // A character accelerator, which the edit never sees, and one with Shift.
    ::SetWindowTextA(hEdit, "text");
    ::PostMessageA(hEdit, WM_CHAR, '#', 1);
    {
        HeldKeys shift{VK_SHIFT};
        ::PostMessageA(hEdit, WM_KEYDOWN, VK_F2, 1);
        PumpPending();
    }
    ::PostMessageA(hEdit, WM_KEYDOWN, VK_F2, 1); // F2 alone means nothing
    PumpPending();
    EXPECT_EQ(owner.commands, (std::vector<UINT>{ID_GDI_NEW, ID_GDI_OPEN, ID_GDI_SAVE}));
    EXPECT_EQ(TextOf(hEdit), "text");
}

} // namespace
