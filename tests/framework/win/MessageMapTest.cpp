// Message maps without windows: command lookup through the class chain, ranges, the _EX forms, update
// handlers and the updating of menus.
#include "WinTestSupport.h"

#include <map>
#include <string>
#include <vector>

namespace {

constexpr UINT ID_ONLY_BASE = 0x8101;
constexpr UINT ID_BOTH = 0x8102;
constexpr UINT ID_EX = 0x8103;
constexpr UINT ID_RANGE_FIRST = 0x8110;
constexpr UINT ID_RANGE_LAST = 0x8114;
constexpr UINT ID_EX_RANGE_FIRST = 0x8120;
constexpr UINT ID_EX_RANGE_LAST = 0x8121;
constexpr UINT ID_UNKNOWN = 0x8199;

class BaseTarget : public CCmdTarget {
public:
    std::vector<std::string> log;
    BOOL exResult = TRUE;

    void OnOnlyBase() { log.push_back("base:only"); }
    void OnBoth() { log.push_back("base:both"); }
    BOOL OnEx(UINT nID) {
        log.push_back("base:ex " + std::to_string(nID - ID_EX));
        return exResult;
    }
    void OnRange(UINT nID) { log.push_back("base:range " + std::to_string(nID - ID_RANGE_FIRST)); }
    BOOL OnExRange(UINT nID) {
        log.push_back("base:exrange " + std::to_string(nID - ID_EX_RANGE_FIRST));
        return exResult;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseTarget, CCmdTarget)
ON_COMMAND(ID_ONLY_BASE, OnOnlyBase)
ON_COMMAND(ID_BOTH, OnBoth)
ON_COMMAND_EX(ID_EX, OnEx)
ON_COMMAND_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnRange)
ON_COMMAND_EX_RANGE(ID_EX_RANGE_FIRST, ID_EX_RANGE_LAST, OnExRange)
END_MESSAGE_MAP()

class DerivedTarget : public BaseTarget {
public:
    void OnBoth() { log.push_back("derived:both"); }
    void OnRangeThird() { log.push_back("derived:range third"); }

    DECLARE_MESSAGE_MAP()
};

// A single id inside the base class's range: the derived class's own entry is found first.
BEGIN_MESSAGE_MAP(DerivedTarget, BaseTarget)
ON_COMMAND(ID_BOTH, OnBoth)
ON_COMMAND(ID_RANGE_FIRST + 2, OnRangeThird)
END_MESSAGE_MAP()

struct CommandCase {
    UINT id;
    BOOL exResult;
    BOOL handled;
    const char* log;
};

class CommandRouting : public ::testing::TestWithParam<CommandCase> {};

TEST_P(CommandRouting, FindsTheHandlerThroughTheClassChain) {
    const CommandCase& c = GetParam();
    DerivedTarget target;
    target.exResult = c.exResult;
    EXPECT_EQ(target.OnCmdMsg(c.id, CN_COMMAND, nullptr, nullptr), c.handled);
    std::string log;
    for (const auto& entry : target.log)
        log += entry + ";";
    EXPECT_EQ(log, c.log);
}

INSTANTIATE_TEST_SUITE_P(MessageMap, CommandRouting,
                         ::testing::Values(CommandCase{ID_ONLY_BASE, TRUE, TRUE, "base:only;"},
                                           CommandCase{ID_BOTH, TRUE, TRUE, "derived:both;"},
                                           CommandCase{ID_RANGE_FIRST, TRUE, TRUE, "base:range 0;"},
                                           CommandCase{ID_RANGE_FIRST + 2, TRUE, TRUE,
                                                       "derived:range third;"},
                                           CommandCase{ID_RANGE_LAST, TRUE, TRUE, "base:range 4;"},
                                           CommandCase{ID_RANGE_LAST + 1, TRUE, FALSE, ""},
                                           CommandCase{ID_EX, TRUE, TRUE, "base:ex 0;"},
                                           CommandCase{ID_EX, FALSE, FALSE, "base:ex 0;"},
                                           CommandCase{ID_EX_RANGE_LAST, TRUE, TRUE, "base:exrange 1;"},
                                           CommandCase{ID_EX_RANGE_LAST, FALSE, FALSE, "base:exrange 1;"},
                                           CommandCase{ID_UNKNOWN, TRUE, FALSE, ""}));

TEST(MessageMap, HandlerQueryDoesNotRunTheHandler) {
    DerivedTarget target;
    AFX_CMDHANDLERINFO info{nullptr, nullptr};
    EXPECT_TRUE(target.OnCmdMsg(ID_ONLY_BASE, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(info.pTarget, &target);
    ASSERT_NE(info.pEntry, nullptr);
    EXPECT_EQ(info.pEntry->nID, ID_ONLY_BASE);
    EXPECT_TRUE(target.log.empty());
    EXPECT_FALSE(target.OnCmdMsg(ID_UNKNOWN, CN_COMMAND, nullptr, &info));
}

TEST(MessageMap, ControlNotificationCodeMustMatch) {
    // ON_COMMAND is the BN_CLICKED (code 0) entry; other codes of the same control find nothing.
    DerivedTarget target;
    EXPECT_TRUE(target.OnCmdMsg(ID_ONLY_BASE, BN_CLICKED, nullptr, nullptr));
    EXPECT_FALSE(target.OnCmdMsg(ID_ONLY_BASE, BN_DOUBLECLICKED, nullptr, nullptr));
    EXPECT_EQ(target.log.size(), 1u);
}

// ---------------------------------------------------------------------------------------------------
// Update handlers

class RecordingCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override {
        enabled = bOn;
        ++enableCalls;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int nCheck) override { checked = nCheck; }
    void SetText(LPCSTR lpszText) override { text = lpszText; }

    int enabled = -1;
    int enableCalls = 0;
    int checked = -1;
    std::string text;
};

class UiTarget : public CCmdTarget {
public:
    BOOL enableA = TRUE;
    bool continueRouting = false;
    int updates = 0;

    void OnA() {}
    void OnB() {}
    void OnUpdateA(CCmdUI* pCmdUI) {
        ++updates;
        pCmdUI->Enable(enableA);
        pCmdUI->SetCheck(1);
        pCmdUI->SetText("Alpha");
        if (continueRouting)
            pCmdUI->ContinueRouting();
    }
    void OnUpdateRange(CCmdUI* pCmdUI) { pCmdUI->Enable(pCmdUI->m_nID % 2 == 0); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(UiTarget, CCmdTarget)
ON_COMMAND(ID_CMD_A, OnA)
ON_COMMAND(ID_CMD_B, OnB)
ON_UPDATE_COMMAND_UI(ID_CMD_A, OnUpdateA)
ON_UPDATE_COMMAND_UI_RANGE(ID_CMD_RANGE_FIRST, ID_CMD_RANGE_LAST, OnUpdateRange)
END_MESSAGE_MAP()

TEST(CmdUI, UpdateHandlerSetsTheStateAndEndsRouting) {
    UiTarget target;
    target.enableA = FALSE;
    RecordingCmdUI ui;
    ui.m_nID = ID_CMD_A;
    EXPECT_TRUE(ui.DoUpdate(&target, TRUE));
    EXPECT_EQ(ui.enabled, FALSE);
    EXPECT_EQ(ui.enableCalls, 1); // the handler decided: no automatic enabling on top
    EXPECT_EQ(ui.checked, 1);
    EXPECT_EQ(ui.text, "Alpha");
}

TEST(CmdUI, ContinueRoutingReportsTheUpdateAsNotHandled) {
    UiTarget target;
    target.continueRouting = true;
    RecordingCmdUI ui;
    ui.m_nID = ID_CMD_A;
    EXPECT_FALSE(ui.DoUpdate(&target, FALSE));
    EXPECT_EQ(target.updates, 1);
}

TEST(CmdUI, CommandsWithoutUpdateHandlerAreEnabledByTheirCommandHandler) {
    UiTarget target;
    struct Case {
        UINT id;
        BOOL disableIfNoHandler;
        int enabled;
    } cases[] = {
        {ID_CMD_B, TRUE, TRUE},                // command handler, no update handler
        {ID_CMD_NOHANDLER, TRUE, FALSE},       // nothing at all
        {ID_CMD_NOHANDLER, FALSE, -1},         // left alone
        {ID_CMD_RANGE_FIRST + 1, TRUE, FALSE}, // range handler (odd id disabled)
        {ID_CMD_RANGE_FIRST + 2, TRUE, TRUE},
    };
    for (const Case& c : cases) {
        RecordingCmdUI ui;
        ui.m_nID = c.id;
        ui.DoUpdate(&target, c.disableIfNoHandler);
        EXPECT_EQ(ui.enabled, c.enabled) << "command " << std::hex << c.id;
    }
}

// ---------------------------------------------------------------------------------------------------
// Menus

class MenuTarget : public CCmdTarget {
public:
    BOOL enableB = FALSE;
    int inserterCalls = 0;
    int insertedUpdates = 0;

    void OnA() {}
    void OnB() {}
    void OnInserted() {}
    void OnUpdateB(CCmdUI* pCmdUI) { pCmdUI->Enable(enableB); }
    // Inserts two items after its own, as a recent-file list does, and tells the caller where it ended.
    void OnUpdateInserter(CCmdUI* pCmdUI) {
        ++inserterCalls;
        CMenu* pMenu = pCmdUI->m_pMenu;
        pMenu->InsertMenu(pCmdUI->m_nIndex + 1, MF_BYPOSITION | MF_STRING, ID_CMD_INSERTED, "Inserted 1");
        pMenu->InsertMenu(pCmdUI->m_nIndex + 2, MF_BYPOSITION | MF_STRING, ID_CMD_INSERTED, "Inserted 2");
        pCmdUI->m_nIndex += 2;
        pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
        pCmdUI->Enable(TRUE);
    }
    void OnUpdateInserted(CCmdUI*) { ++insertedUpdates; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MenuTarget, CCmdTarget)
ON_COMMAND(ID_CMD_A, OnA)
ON_COMMAND(ID_CMD_B, OnB)
ON_COMMAND(ID_CMD_INSERTED, OnInserted)
ON_UPDATE_COMMAND_UI(ID_CMD_B, OnUpdateB)
ON_UPDATE_COMMAND_UI(ID_CMD_INSERTER, OnUpdateInserter)
ON_UPDATE_COMMAND_UI(ID_CMD_INSERTED, OnUpdateInserted)
END_MESSAGE_MAP()

bool IsGrayed(CMenu& menu, UINT id) {
    return (menu.GetMenuState(id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

TEST(CmdUI, UpdateMenuSetsEachItemAndFollowsInsertedItems) {
    CMenu bar;
    ASSERT_TRUE(bar.LoadMenu(IDR_TEST_MENU));
    CMenu* popup = bar.GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    const UINT countBefore = popup->GetMenuItemCount();

    MenuTarget target;
    CCmdUI::UpdateMenu(&target, popup, TRUE);

    EXPECT_FALSE(IsGrayed(*popup, ID_CMD_A));        // has a command handler
    EXPECT_TRUE(IsGrayed(*popup, ID_CMD_B));         // its update handler disabled it
    EXPECT_TRUE(IsGrayed(*popup, ID_CMD_NOHANDLER)); // no handler at all
    EXPECT_FALSE(IsGrayed(*popup, ID_CMD_INSERTER));
    ASSERT_EQ(popup->GetMenuItemCount(), countBefore + 2);
    CString text;
    popup->GetMenuString(5, text, MF_BYPOSITION);
    EXPECT_EQ(text, "Inserted 1");
    popup->GetMenuString(6, text, MF_BYPOSITION);
    EXPECT_EQ(text, "Inserted 2");
    // The loop went on after the items the handler reported as done: they were not updated again,
    // and the items after them still were.
    EXPECT_EQ(target.inserterCalls, 1);
    EXPECT_EQ(target.insertedUpdates, 0);
    EXPECT_TRUE(IsGrayed(*popup, ID_CMD_NOHANDLER));

    target.enableB = TRUE;
    popup->DeleteMenu(ID_CMD_INSERTED, MF_BYCOMMAND);
    popup->DeleteMenu(ID_CMD_INSERTED, MF_BYCOMMAND);
    CCmdUI::UpdateMenu(&target, popup, TRUE);
    EXPECT_FALSE(IsGrayed(*popup, ID_CMD_B));
}

// An update handler that trims the menu as it is shown: it deletes commands (its own among them, or
// items before it) and then the separators left at the top, without telling the loop where it ended.
class TrimmingTarget : public CCmdTarget {
public:
    UINT trimmer = 0;
    std::vector<UINT> removed;
    std::map<UINT, int> updates;

    void OnUpdateItem(CCmdUI* pCmdUI) {
        ++updates[pCmdUI->m_nID];
        pCmdUI->Enable(TRUE);
        if (pCmdUI->m_nID != trimmer)
            return;
        CMenu* pMenu = pCmdUI->m_pMenu;
        for (UINT id : removed)
            pMenu->DeleteMenu(id, MF_BYCOMMAND);
        while (pMenu->GetMenuItemCount() > 0 && pMenu->GetMenuItemID(0) == 0)
            pMenu->DeleteMenu(0, MF_BYPOSITION);
    }

    DECLARE_MESSAGE_MAP()
};

constexpr UINT ID_TRIM_FIRST = 0x8030;
constexpr UINT ID_TRIM_LAST = 0x8036;

BEGIN_MESSAGE_MAP(TrimmingTarget, CCmdTarget)
ON_UPDATE_COMMAND_UI_RANGE(ID_TRIM_FIRST, ID_TRIM_LAST, OnUpdateItem)
END_MESSAGE_MAP()

TEST(CmdUI, UpdateMenuUpdatesEveryItemLeftAfterAHandlerDeletedItems) {
    struct Case {
        const char* what;
        UINT trimmer;
        std::vector<UINT> removed;
    };
    // The menu: 30, 31, separator, 32, 33, separator, 34, 35, 36.
    const Case cases[] = {
        {"first item removes itself and the next", 0x8030, {0x8030, 0x8031}},
        {"middle item removes items before it", 0x8034, {0x8031, 0x8032, 0x8033}},
        {"middle item removes itself and the one after", 0x8033, {0x8033, 0x8034}},
        {"item removes one before and one after", 0x8034, {0x8031, 0x8035}},
        {"last item removes everything before it", 0x8036, {0x8030, 0x8031, 0x8032, 0x8033, 0x8034, 0x8035}},
        {"item removes only later items", 0x8031, {0x8034, 0x8036}},
    };
    for (const Case& c : cases) {
        CMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        for (UINT id = ID_TRIM_FIRST; id <= ID_TRIM_LAST; ++id) {
            if (id == 0x8032 || id == 0x8034)
                menu.AppendMenu(MF_SEPARATOR);
            menu.AppendMenu(MF_STRING | MF_GRAYED, id, "Item");
        }
        TrimmingTarget target;
        target.trimmer = c.trimmer;
        target.removed = c.removed;
        CCmdUI::UpdateMenu(&target, &menu, TRUE);

        EXPECT_EQ(target.updates[c.trimmer], 1) << c.what;
        for (UINT id = ID_TRIM_FIRST; id <= ID_TRIM_LAST; ++id) {
            const bool left = menu.GetMenuState(id, MF_BYCOMMAND) != static_cast<UINT>(-1);
            EXPECT_LE(target.updates[id], 1) << c.what << ": " << std::hex << id << " updated twice";
            if (left) {
                EXPECT_EQ(target.updates[id], 1) << c.what << ": " << std::hex << id << " not updated";
                EXPECT_FALSE(menu.GetMenuState(id, MF_BYCOMMAND) & MF_GRAYED) << c.what;
            }
        }
    }
}

TEST(CmdUI, UpdateMenuWithoutAutoEnableLeavesUnhandledItems) {
    CMenu bar;
    ASSERT_TRUE(bar.LoadMenu(IDR_TEST_MENU));
    CMenu* popup = bar.GetSubMenu(0);
    MenuTarget target;
    CCmdUI::UpdateMenu(&target, popup, FALSE);
    EXPECT_FALSE(IsGrayed(*popup, ID_CMD_NOHANDLER));
    EXPECT_TRUE(IsGrayed(*popup, ID_CMD_B));
}

TEST(CmdUI, MenuItemTextAndCheckChangeByPosition) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_CMD_A, "Old");
    menu.EnableMenuItem(ID_CMD_A, MF_BYCOMMAND | MF_GRAYED);
    CCmdUI ui;
    ui.m_pMenu = &menu;
    ui.m_nIndex = 0;
    ui.m_nID = ID_CMD_A;
    ui.SetText("New");
    ui.SetCheck(1);
    CString text;
    menu.GetMenuString(ID_CMD_A, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "New");
    const UINT state = menu.GetMenuState(ID_CMD_A, MF_BYCOMMAND);
    EXPECT_TRUE(state & MF_CHECKED);
    EXPECT_TRUE(state & MF_GRAYED); // the text change kept the state
    ui.SetRadio(FALSE);
    EXPECT_FALSE(menu.GetMenuState(ID_CMD_A, MF_BYCOMMAND) & MF_CHECKED);
}

} // namespace
