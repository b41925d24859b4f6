// The name/value property grid: a list of fields shown as rows, group rows that fold their fields away
// (and are remembered so), values edited in the cells reaching the list and the host, and a host dialog
// sized to the grid.
#include "../foundation/ScratchRegistry.h"
#include "data/CNameValuePairs.h"
#include "framework/win/WindowTestCommon.h"
#include "grid/core/CGELibraryState.h"
#include "records/CNameValueGridWnd.h"
#include "views/CGETabbedIntegralHeightCombo.h"
#include "views/CellButtonControls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Dispatches what is waiting in this thread's queue (WM_QUIT is left).
void PumpPending() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// The grid's host: records the registered messages the grid sends it.
class HostWnd : public CWnd {
public:
    struct Note {
        UINT message;
        WPARAM wParam;
        std::string text; // ModifyField's text
    };
    std::vector<Note> notes;

    size_t Count(UINT message) const {
        size_t n = 0;
        for (const Note& note : notes)
            n += note.message == message ? 1 : 0;
        return n;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == CNameValueGridWnd::ModifyFieldMessage()) {
            notes.push_back(
                {message, wParam, static_cast<LPCSTR>(*reinterpret_cast<const CString*>(lParam))});
            return 0;
        }
        if (message == CNameValueGridWnd::ModifyCellMessage() ||
            message == CNameValueGridWnd::BtnPostMessage() ||
            message == CNameValueGridWnd::CollapseGroupMessage()) {
            notes.push_back({message, wParam, ""});
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class NameValueGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        static const bool started = [] {
            GEInitializeLibrary(1536, 0, 0);
            return true;
        }();
        (void)started;
        ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "Client", WS_POPUP | WS_VISIBLE,
                                  CRect(0, 0, 400, 400), nullptr, 0));
        ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 330, 210), &host, 100));
        pairs.m_RegistryName = "ClientDlg";
        pairs.SetField("+Address", "", 0, NVP_STATIC_TEXT);
        pairs.SetField("Street", "1 Main St", 101, NVP_EDIT_CONTROL);
        pairs.SetField("City", "Springfield", 102, NVP_EDIT_CONTROL);
        pairs.SetField("-Contact", "", 0, NVP_STATIC_TEXT);
        pairs.SetField("Phone", "555-0100", 103, NVP_EDIT_CONTROL);
        pairs.SetField("Notes", "one\ntwo\nthree", 104, NVP_EDIT_CONTROL);
        pairs.SetLines("Notes", 3);
    }
    void TearDown() override {
        grid.DestroyWindow();
        host.DestroyWindow();
        CWnd::DeleteTempMap();
    }
    void DoubleClick(ROWCOL row, ROWCOL col) {
        const CPoint point = grid.GetCellRect(row, col).CenterPoint();
        const LPARAM at = MAKELPARAM(point.x, point.y);
        grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        grid.SendMessage(WM_LBUTTONUP, 0, at);
        grid.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        grid.SendMessage(WM_LBUTTONUP, 0, at);
        PumpPending();
    }

    ScratchRegistry registry;
    HostWnd host;
    CNameValueGridWnd grid;
    CNameValuePairs pairs;
};

TEST_F(NameValueGridTest, ShowsOneRowPerFieldWithGroupRowsAndHeightsByLines) {
    grid.SetPairs(&pairs);
    EXPECT_EQ(grid.GetRowCount(), 6u);
    EXPECT_EQ(grid.GetColCount(), 2u);
    EXPECT_EQ(grid.GetCellValue(2, 1), "      Street");
    EXPECT_EQ(grid.GetCellValue(2, 2), "1 Main St");
    EXPECT_EQ(grid.GetCellValue(1, 1), CString("Address") + CString(' ', 38));
    EXPECT_TRUE(grid.IsGroupRow(0));
    EXPECT_TRUE(grid.IsGroupRow(3));
    EXPECT_FALSE(grid.IsGroupRow(1));

    const int standard = grid.GetDefaultRowHeight();
    EXPECT_EQ(grid.GetRowHeight(0), 0);
    EXPECT_EQ(grid.GetRowHeight(5), standard);
    EXPECT_EQ(grid.GetRowHeight(6), standard + 32) << "a three-line value";
    pairs.SetLines("Notes", 2);
    EXPECT_EQ(grid.GetRowHeight(6), standard + 16);
    EXPECT_EQ(grid.GetContentHeight(), 5 * standard + standard + 16);

    CRect client;
    grid.GetClientRect(&client);
    EXPECT_EQ(grid.GetColWidth(0), 0);
    EXPECT_EQ(grid.GetColWidth(1), client.Width() / 4);
    EXPECT_EQ(grid.GetColWidth(1) + grid.GetColWidth(2), client.Width());
}

TEST_F(NameValueGridTest, DoubleClickingAGroupFoldsItsFieldsAwayAndTheGroupStaysFoldedOnReopening) {
    grid.SetPairs(&pairs);
    DoubleClick(1, 1);
    EXPECT_TRUE(pairs.IsCollapsedAt(0));
    EXPECT_TRUE(grid.IsInCollapsedGroup(1));
    EXPECT_EQ(grid.GetRowHeight(2), 0);
    EXPECT_EQ(grid.GetRowHeight(3), 0);
    EXPECT_GT(grid.GetRowHeight(1), 0) << "the group row itself stays";
    EXPECT_GT(grid.GetRowHeight(5), 0) << "the next group is not touched";
    EXPECT_EQ(host.Count(CNameValueGridWnd::CollapseGroupMessage()), 1u);
    CString stored;
    RegReadString(REG_DIALOGS, "ClientDlg-collapsed", stored);
    EXPECT_EQ(stored, "+Address");

    // The record opened again: the group comes back folded.
    CNameValuePairs reopened;
    reopened.m_RegistryName = "ClientDlg";
    reopened.SetField("+Address", "", 0, NVP_STATIC_TEXT);
    reopened.SetField("Street", "2 Elm St", 101, NVP_EDIT_CONTROL);
    grid.SetPairs(&reopened);
    EXPECT_TRUE(reopened.IsCollapsedAt(0));
    EXPECT_EQ(grid.GetRowHeight(2), 0);
    EXPECT_EQ(grid.SendMessage(CNameValueGridWnd::GetCollapsedMessage(), 1, 0), 1);

    // Expanded again: the fields are back and nothing is stored as folded.
    DoubleClick(1, 1);
    EXPECT_GT(grid.GetRowHeight(2), 0);
    RegReadString(REG_DIALOGS, "ClientDlg-collapsed", stored);
    EXPECT_EQ(stored, "");
}

TEST_F(NameValueGridTest, EditingAValueStoresItAndTellsTheHostOnce) {
    grid.SetPairs(&pairs);
    grid.SetFocus();
    grid.SetCurrentCell(5, 2);
    ::SendMessageA(::GetFocus(), WM_CHAR, 'x', 1);
    PumpPending();
    EXPECT_EQ(host.Count(CNameValueGridWnd::ModifyCellMessage()), 1u);
    ASSERT_EQ(host.Count(CNameValueGridWnd::ModifyFieldMessage()), 1u);
    const auto& field = host.notes.back();
    EXPECT_EQ(field.message, CNameValueGridWnd::ModifyFieldMessage());
    EXPECT_EQ(field.wParam, 103u);
    CString value;
    pairs.GetValue(CString("Phone"), value);
    EXPECT_EQ(std::string(value), field.text);
    EXPECT_FALSE(field.text.empty());
}

TEST_F(NameValueGridTest, FieldsChangedFromOutside) {
    grid.SetPairs(&pairs);
    grid.SetValue(102, "Shelbyville");
    grid.SetValue(999, "nowhere");
    CString city;
    pairs.GetValue(CString("City"), city);
    EXPECT_EQ(city, "Shelbyville");
    EXPECT_EQ(grid.GetCellValue(3, 2), "Shelbyville");
    grid.SetFieldState(103, true, true);
    EXPECT_TRUE(pairs.IsHiddenAt(4));
    EXPECT_EQ(grid.GetRowHeight(5), 0);
    grid.SetFieldState(103, true, false);
    EXPECT_GT(grid.GetRowHeight(5), 0);
}

TEST_F(NameValueGridTest, ButtonClicksReachTheHostByFieldId) {
    grid.SetPairs(&pairs);
    grid.SendMessage(CNameValueGridWnd::BtnPostMessage(), 5, 0);
    grid.SendMessage(CNameValueGridWnd::BtnPostMessage(), 9, 0); // beyond the list
    PumpPending();
    ASSERT_EQ(host.Count(CNameValueGridWnd::BtnPostMessage()), 1u);
    EXPECT_EQ(host.notes[0].wParam, 103u);
}

// The button of a "DS_CTRL_PARENTPOST_STATIC" cell goes through the grid, which names the field.
TEST_F(NameValueGridTest, TheProgramsCellControlsAreRegisteredAndAButtonCellNamesItsField) {
    pairs.SetField("Rounded", "0.25 hours", 114, 11555);
    grid.SetPairs(&pairs);
    EXPECT_NE(dynamic_cast<CGETabbedIntegralHeightCombo*>(grid.GetRegisteredControl(11640)), nullptr);
    EXPECT_NE(dynamic_cast<CGEEditBtnControl*>(grid.GetRegisteredControl(11554)), nullptr);
    auto* pButtonCell = dynamic_cast<CGEStaticBtnControl*>(grid.GetRegisteredControl(11555));
    ASSERT_NE(pButtonCell, nullptr);
    ASSERT_NE(pButtonCell->GetButton(), nullptr);
    EXPECT_EQ(grid.GetControl(7, 2), pButtonCell);

    ASSERT_TRUE(grid.SetCurrentCell(7, 2, GE_NOREDRAW));
    pButtonCell->OnChildButtonClicked(pButtonCell->GetButton());
    PumpPending();
    ASSERT_EQ(host.Count(CNameValueGridWnd::BtnPostMessage()), 1u);
    EXPECT_EQ(host.notes.back().wParam, 114u);
}

TEST_F(NameValueGridTest, WithoutAListEveryMessageDoesNothing) {
    grid.SetPairs(&pairs);
    grid.SetPairs(nullptr);
    EXPECT_EQ(grid.GetRowCount(), 0u);
    for (UINT message : {CNameValueGridWnd::ModifyCellMessage(), CNameValueGridWnd::CollapseGroupMessage(),
                         CNameValueGridWnd::GetCollapsedMessage(), CNameValueGridWnd::BtnPostMessage()})
        EXPECT_EQ(grid.SendMessage(message, 1, 2), 0);
    grid.SetValue(101, "x");
    grid.SetFieldState(101, false, true);
    PumpPending();
    EXPECT_TRUE(host.notes.empty());
}

TEST_F(NameValueGridTest, AHostIsSizedToItsGridAndTheControlsBelowMove) {
    CWnd below;
    ASSERT_TRUE(
        below.CreateEx(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE, CRect(10, 250, 90, 275), &host, 200));
    grid.SetPairs(&pairs);
    CRect hostBefore, gridBefore, belowBefore;
    host.GetWindowRect(&hostBefore);
    grid.GetWindowRect(&gridBefore);
    below.GetWindowRect(&belowBefore);
    FitDialogToGrid(&host, &grid);
    CRect hostAfter, gridClient, belowAfter, gridAfter;
    host.GetWindowRect(&hostAfter);
    grid.GetClientRect(&gridClient);
    grid.GetWindowRect(&gridAfter);
    below.GetWindowRect(&belowAfter);
    EXPECT_EQ(gridClient.Height(), grid.GetContentHeight() + 10);
    const int delta = gridAfter.Height() - gridBefore.Height();
    EXPECT_NE(delta, 0);
    EXPECT_EQ(hostAfter.Height() - hostBefore.Height(), delta);
    EXPECT_EQ(belowAfter.top - belowBefore.top, delta);
    below.DestroyWindow();
}

} // namespace
