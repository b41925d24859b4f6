// The multi-column combo cells with a real combo box window, in a real grid window: the key is stored,
// the text is shown and typed (completed from the rows), the list shows its columns under a title header.
#include "ControlsTestSupport.h"

#include "grid/controls/combo/CGETabbedComboBoxWnd.h"
#include "grid/controls/combo/CGETabbedLBoxHeader.h"

using namespace ctltest;

namespace {

const char* const kFruitTable = "1\tApple\tred\r\n2\tBanana\tyellow\r\n3\tCherry\tdark red";
const char* const kTitledTable = "Key\tName\tColour\r\n1\tApple\tred\r\n2\tBanana\tyellow";

CGEStyle TabbedWndStyle(WORD nControl, LPCSTR pszChoices, LPCSTR pszValue) {
    CGEStyle style = TableStyle(pszChoices, pszValue);
    style.SetControl(nControl);
    style.SetUserAttribute(GE_IDS_UA_TABLIST_TITLES, "0");
    return style;
}

CGETabbedComboBoxWnd* Prepare(WindowGrid& window, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style) {
    PutStyle(window.grid, nRow, nCol, style);
    return ControlOf<CGETabbedComboBoxWnd>(window.grid, nRow, nCol);
}

} // namespace

TEST(TabbedComboBoxWnd, TheKeyIsStoredAndTheTextShown) {
    WindowGrid window;
    const CGEStyle style = TabbedWndStyle(GE_IDS_CTRL_CBS_TABBED_DROPDOWN, kFruitTable, "2");
    auto* pCombo = Prepare(window, 2, 2, style);
    ASSERT_NE(pCombo, nullptr);
    CString strShown;
    EXPECT_TRUE(pCombo->GetControlText(strShown, 2, 2, nullptr, style));
    EXPECT_STREQ(strShown, "Banana");
    window.Select(2, 2);
    EXPECT_EQ(pCombo->GetCurSel(), 1);
    EXPECT_STREQ(TextOf(&pCombo->GetEditPart()), "Banana") << "the edit field shows the text column only";
    CString strKey;
    EXPECT_TRUE(pCombo->GetCurrentText(strKey));
    EXPECT_STREQ(strKey, "2");
    EXPECT_STREQ(pCombo->GetControlClass()->m_pszClassName, "CGETabbedComboBoxWnd");
    EXPECT_TRUE(pCombo->IsKindOfControlClass(&CGEComboBoxWnd::controlClass));
}

TEST(TabbedComboBoxWnd, TypingCompletesFromTheRowsAndStoresTheKey) {
    WindowGrid window;
    auto* pCombo = Prepare(window, 2, 2, TabbedWndStyle(GE_IDS_CTRL_CBS_TABBED_DROPDOWN, kFruitTable, ""));
    ASSERT_NE(pCombo, nullptr);
    window.Select(2, 2);
    pCombo->SetActive(TRUE);
    pCombo->Refresh();
    window.Update();
    ASSERT_TRUE(pCombo->IsWindowVisible());
    CEdit& edit = pCombo->GetEditPart();
    ::SendMessageA(edit.m_hWnd, WM_CHAR, 'b', 1);
    EXPECT_STREQ(TextOf(&edit), "Banana");
    int nStart = 0;
    int nEnd = 0;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 1) << "the completed part is selected";
    EXPECT_EQ(nEnd, 6);
    ::SendMessageA(edit.m_hWnd, WM_CHAR, 'x', 1);
    EXPECT_STREQ(TextOf(&edit), "Banana") << "a character no row continues with is refused";
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 1);
    PressKey(VK_TAB);
    window.Update();
    EXPECT_TRUE(window.grid.IsCurrentCell(2, 3));
    EXPECT_STREQ(window.Value(2, 2), "2");
}

TEST(TabbedComboBoxWnd, ATextThatBeginsNoRowCannotLeaveTheCell) {
    WindowGrid window;
    auto* pCombo = Prepare(window, 2, 2, TabbedWndStyle(GE_IDS_CTRL_CBS_TABBED_DROPDOWN, kFruitTable, "1"));
    ASSERT_NE(pCombo, nullptr);
    window.Select(2, 2);
    pCombo->SetActive(TRUE);
    pCombo->Refresh();
    window.Update();
    pCombo->GetEditPart().SetWindowText("Kiwi");
    pCombo->SetModify(TRUE);
    EXPECT_FALSE(pCombo->OnValidate());
    pCombo->GetEditPart().SetWindowText("Cher");
    EXPECT_TRUE(pCombo->OnValidate());
    CString strKey;
    EXPECT_TRUE(pCombo->GetCurrentText(strKey));
    EXPECT_STREQ(strKey, "3");
}

TEST(TabbedComboBoxWnd, TextsConvertToKeysOnlyWhenARowHasThem) {
    WindowGrid window;
    const CGEStyle style = TabbedWndStyle(GE_IDS_CTRL_CBS_TABBED_DROPDOWNLIST, kFruitTable, "1");
    auto* pCombo = Prepare(window, 1, 1, style);
    ASSERT_NE(pCombo, nullptr);
    struct Case {
        const char* pszText;
        BOOL bAccepted;
        const char* pszValue;
    };
    const Case cases[] = {{"Banana", TRUE, "2"},       {"Cherry", TRUE, "3"},   {"", TRUE, ""},
                          {"banana", FALSE, "banana"}, {"Kiwi", FALSE, "Kiwi"}, {"Ban", FALSE, "Ban"}};
    for (const Case& c : cases) {
        CString str = c.pszText;
        EXPECT_EQ(pCombo->ConvertControlTextToValue(str, 1, 1, &style), c.bAccepted) << c.pszText;
        EXPECT_STREQ(str, c.pszValue) << c.pszText;
    }
}

TEST(TabbedComboBoxWnd, TheTitleLineIsTheHeaderAndNeverAnItem) {
    WindowGrid window(10, 5, 420, 400);
    CGEStyle style = TabbedWndStyle(GE_IDS_CTRL_CBS_TABBED_DROPDOWNLIST, kTitledTable, "2");
    style.SetUserAttribute(GE_IDS_UA_TABLIST_TITLES, "1");
    auto* pCombo = Prepare(window, 1, 1, style);
    ASSERT_NE(pCombo, nullptr);
    window.Select(1, 1);
    EXPECT_EQ(pCombo->GetCount(), 2);
    EXPECT_EQ(pCombo->GetCurSel(), 1);
    EXPECT_STREQ(pCombo->GetHeader()->GetTitle(), "Name\tKey\tName\tColour");
    PressAltKey(VK_DOWN);
    window.Update();
    ASSERT_TRUE(pCombo->GetDroppedState());
    CGETabbedLBoxHeader* pHeader = pCombo->GetHeader();
    ASSERT_NE(pHeader->GetSafeHwnd(), nullptr);
    EXPECT_TRUE(pHeader->IsWindowVisible());
    CRect rectHeader;
    pHeader->GetWindowRect(&rectHeader);
    const CRect& rectList = pCombo->GetLastListRect();
    EXPECT_EQ(rectHeader.bottom, rectList.top) << "the list opens below the cell, under its header";
    EXPECT_GE(rectList.Width(), pCombo->GetTotalListWidth());
    PressKey(VK_RETURN);
    window.Update();
    EXPECT_FALSE(pHeader->IsWindowVisible()) << "the header closes with the list";
}

// The list's columns: measured widths, given widths, and hidden columns when only the text shows.
TEST(TabbedComboBoxWnd, ColumnEdgesFollowTheWidthSettings) {
    struct Case {
        const char* pszShowAll;
        const char* pszWidths;
        bool bFirstHidden; // the key column gets no width
        int nFirstEdge;    // a given width, or 0 when measured
    };
    const Case cases[] = {{"1", "", false, 0}, {"0", "", true, 0}, {"1", "30,50,20", false, 30}};
    for (const Case& c : cases) {
        WindowGrid window;
        CGEStyle style = TabbedWndStyle(GE_IDS_CTRL_CBS_TABBED_DROPDOWN, kFruitTable, "1");
        style.SetUserAttribute(GE_IDS_UA_TABLIST_SHOWALLCOLS, c.pszShowAll);
        if (*c.pszWidths != '\0')
            style.SetUserAttribute(GE_IDS_UA_TABLIST_COLWIDTHS, c.pszWidths);
        auto* pCombo = Prepare(window, 1, 1, style);
        ASSERT_NE(pCombo, nullptr);
        window.Select(1, 1);
        SCOPED_TRACE(std::string(c.pszShowAll) + " " + c.pszWidths);
        ASSERT_EQ(pCombo->GetColumnCount(), 2);
        const std::vector<int>& edges = pCombo->GetColumnEdges();
        ASSERT_EQ(edges.size(), 2u);
        if (c.bFirstHidden) {
            EXPECT_EQ(edges[0], 0);
            EXPECT_GT(edges[1], 0) << "the text column keeps its width";
        } else if (c.nFirstEdge != 0) {
            EXPECT_EQ(edges[0], c.nFirstEdge);
            EXPECT_EQ(edges[1], 80);
            EXPECT_EQ(pCombo->GetTotalListWidth(), 100 + ::GetSystemMetrics(SM_CXVSCROLL));
        } else {
            EXPECT_GT(edges[0], 0);
            EXPECT_GT(edges[1], edges[0]);
        }
    }
}

TEST(TabbedComboBoxWnd, TheSortColumnOrdersTheList) {
    WindowGrid window;
    CGEStyle style =
        TabbedWndStyle(GE_IDS_CTRL_CBS_TABBED_DROPDOWNLIST, "1\tPear\r\n2\tApple\r\n3\tMango", "3");
    style.SetUserAttribute(GE_IDS_UA_TABLIST_SORTCOL, "1");
    auto* pCombo = Prepare(window, 1, 1, style);
    ASSERT_NE(pCombo, nullptr);
    window.Select(1, 1);
    CString strItem;
    pCombo->GetLBText(0, strItem);
    EXPECT_STREQ(strItem, "Apple\t2\tApple");
    EXPECT_EQ(pCombo->GetCurSel(), 1) << "the value selects its row in the sorted list";
    CString strKey;
    EXPECT_TRUE(pCombo->GetCurrentText(strKey));
    EXPECT_STREQ(strKey, "3");
}

TEST(TabbedComboBoxWnd, EscapeThrowsAwayTheChoice) {
    WindowGrid window;
    auto* pCombo =
        Prepare(window, 2, 2, TabbedWndStyle(GE_IDS_CTRL_CBS_TABBED_DROPDOWNLIST, kFruitTable, "1"));
    ASSERT_NE(pCombo, nullptr);
    window.Select(2, 2);
    PressAltKey(VK_DOWN);
    window.Update();
    PressKey(VK_DOWN);
    EXPECT_EQ(pCombo->GetCurSel(), 1);
    PressKey(VK_ESCAPE);
    window.Update();
    EXPECT_EQ(pCombo->GetCurSel(), 0) << "bound afresh to the cell's value";
    EXPECT_FALSE(pCombo->GetModify());
    PressKey(VK_TAB);
    window.Update();
    EXPECT_STREQ(window.Value(2, 2), "1");
}
