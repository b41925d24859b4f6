// The tabbed combo box: a row's text for a key and back, titles that are never choices, typed starts that
// are valid but never filed as texts in the shared maps, column widths, the maps two grids share, and
// in a real grid window its list (sorted once, titled, columns only when asked).
#include "ControlsTestSupport.h"

#include "framework/core/CMapStringToString.h"
#include "framework/win/CListBox.h"
#include "grid/controls/combo/CGETabComboCache.h"
#include "grid/controls/combo/CGETabbedComboBox.h"
#include "grid/controls/combo/CGETabbedLBoxHeader.h"

using namespace ctltest;

namespace {

const char* const kFruit = "1\tApple\r\n2\tBanana";
const char* const kTitled = "Key\tName\r\n1\tApple\r\n2\tBanana";

} // namespace

TEST(TabbedComboBox, KeysShowTheirRowsTextAndTextsStoreTheirKey) {
    for (int nId : {0, 7}) {
        TestGrid grid;
        CGETabbedComboBox combo(&grid, 52541, 52541);
        const CGEStyle style = TableStyle(kFruit, "2", nId);
        CString strText;
        EXPECT_TRUE(combo.GetControlText(strText, 1, 1, nullptr, style)) << nId;
        EXPECT_STREQ(strText, "Banana") << nId;
        EXPECT_FALSE(combo.GetControlText(strText, 1, 1, "9", style)) << "a missing key shows empty";
        EXPECT_STREQ(strText, "");
        CString str("Apple");
        EXPECT_TRUE(combo.ConvertControlTextToValue(str, 1, 1, &style));
        EXPECT_STREQ(str, "1");
        str = "apple";
        EXPECT_FALSE(combo.ConvertControlTextToValue(str, 1, 1, &style)) << "texts match exactly";
        EXPECT_STREQ(str, "apple");
        str = "";
        EXPECT_TRUE(combo.ConvertControlTextToValue(str, 1, 1, &style));
    }
}

TEST(TabbedComboBox, TitlesAreNeverAChoice) {
    TestGrid grid;
    CGETabbedComboBox combo(&grid, 52541, 52541);
    CGEStyle style = TableStyle(kTitled, "Key");
    style.SetUserAttribute(GE_IDS_UA_TABLIST_TITLES, "1");
    CString strText;
    EXPECT_FALSE(combo.GetControlText(strText, 1, 1, nullptr, style));
    CString str("Name");
    EXPECT_FALSE(combo.ConvertControlTextToValue(str, 1, 1, &style));
    EXPECT_TRUE(combo.GetControlText(strText, 1, 1, "1", style));
    EXPECT_STREQ(strText, "Apple");
}

TEST(TabbedComboBox, ATypedStartIsValidButNeverFiledAsAText) {
    TestGrid grid;
    PutStyle(grid, 2, 2, TableStyle(kFruit, "1", 3));
    grid.SetCurrentCell(2, 2, GE_CC_NOREDRAW | GE_CC_NOFOCUS);
    auto* pCombo = ControlOf<CGETabbedComboBox>(grid, 2, 2);
    ASSERT_NE(pCombo, nullptr);
    EXPECT_TRUE(pCombo->ValidateString("ban"));
    EXPECT_TRUE(pCombo->ValidateString("BAN")) << "starts compare ignoring case";
    EXPECT_FALSE(pCombo->ValidateString("cherry"));
    EXPECT_TRUE(pCombo->ValidateString(""));
    CString strLine;
    CMapStringToString* pTexts =
        CGETabComboCache(grid.GetParam()).GetTextMap(3, grid.LookupStyleRowCol(2, 2));
    EXPECT_FALSE(CGETabComboCache::Lookup(pTexts, "ban", strLine)) << "the shared map holds whole texts only";
    EXPECT_EQ(pTexts->GetCount(), 2);
    CString str("ban");
    EXPECT_FALSE(pCombo->ConvertControlTextToValue(str, 2, 2, nullptr)) << "a start is no text to store";
}

TEST(TabbedComboBox, ColumnWidthsFromTheirTextAndTheMeasure) {
    const int measured[CGETabbedComboBox::maxColumns] = {10, 20, 30, -1, -1, -1, -1, -1, -1, -1};
    EXPECT_EQ(CGETabbedComboBox::ColumnWidths(measured, "40,,60", TRUE, 0), (std::vector<int>{40, 60, 34}))
        << "digits are read, anything else separates, the rest are measured";
    EXPECT_EQ(CGETabbedComboBox::ColumnWidths(measured, "", FALSE, 2), (std::vector<int>{0, 0, 34}))
        << "only the text column shows";
    EXPECT_EQ(CGETabbedComboBox::ColumnWidths(measured, "", TRUE, 2), (std::vector<int>{14, 24, 34}));
    EXPECT_STREQ(CGETabbedComboBox::ListItemOf("1\tApple", 1), "Apple\t1\tApple");
    EXPECT_STREQ(CGETabbedComboBox::ListItemOf("1\tApple", 0), "1\tApple");
}

TEST(TabbedComboBox, GridsOfOneParameterObjectShareTheMapsUntilCleared) {
    TestGrid first;
    CGETabComboCache cache(first.GetParam());
    const CGEStyle style = TableStyle(kFruit, nullptr, 5);
    CMapStringToString* pKeys = cache.GetKeyMap(5, style);
    ASSERT_NE(pKeys, nullptr);
    EXPECT_EQ(cache.GetKeyMap(5, style), pKeys) << "built once";
    EXPECT_EQ(cache.GetKeyMap(0, style), nullptr) << "id 0 uses no map";
    const DWORD nGeneration = cache.GetGeneration();
    cache.Clear(0);
    EXPECT_EQ(cache.GetGeneration(), nGeneration);
    // A second grid on the same parameter object stores a new choice list into its current cell.
    TestGrid second;
    second.SetParam(first.GetParam(), FALSE);
    PutStyle(second, 2, 2, TableStyle(kFruit, "1", 5));
    second.SetCurrentCell(2, 2, GE_CC_NOREDRAW | GE_CC_NOFOCUS);
    auto* pCombo = ControlOf<CGETabbedComboBox>(second, 2, 2);
    ASSERT_NE(pCombo, nullptr);
    CGEStyle newList;
    newList.SetChoiceList("1\tApricot\r\n2\tBanana");
    EXPECT_TRUE(pCombo->StoreStyle(2, 2, &newList, geOverride, 0, GE_NOREDRAW));
    EXPECT_GT(cache.GetGeneration(), nGeneration) << "every control fills its list again";
    CString strText;
    EXPECT_TRUE(pCombo->GetControlText(strText, 2, 2, "1", second.LookupStyleRowCol(2, 2)));
    EXPECT_STREQ(strText, "Apricot") << "the maps were built again from the new list";
    cache.Clear(-1);
    EXPECT_EQ(first.GetParam()->m_apTabComboKeys.GetSize(), 0);
}

TEST(TabbedComboWindow, TheListIsSortedOnceAndTitled) {
    WindowGrid window;
    CGEStyle style = TableStyle("Key\tName\r\n3\tCherry\r\n1\tApple\r\n2\tBanana", "2");
    style.SetUserAttribute(GE_IDS_UA_TABLIST_TITLES, "1").SetUserAttribute(GE_IDS_UA_TABLIST_SORTCOL, "1");
    PutStyle(window.grid, 2, 2, style);
    window.Select(2, 2);
    auto* pCombo = ControlOf<CGETabbedComboBox>(window.grid, 2, 2);
    PressAltKey(VK_DOWN);
    window.Update();
    ASSERT_TRUE(pCombo->IsListShown());
    CListBox* pList = pCombo->GetListWindow();
    ASSERT_EQ(pList->GetCount(), 3) << "the title is no item";
    CString strItem;
    pList->GetText(0, strItem);
    EXPECT_STREQ(strItem, "Apple\t1\tApple");
    EXPECT_EQ(pList->GetCurSel(), 1) << "Banana, the cell's row";
    EXPECT_STREQ(pCombo->GetCellStyle().GetUserAttribute(GE_IDS_UA_TABLIST_SORTCOL).GetValueText(), "-1")
        << "marked sorted";
    ASSERT_NE(pCombo->GetHeader()->GetSafeHwnd(), nullptr);
    EXPECT_TRUE(pCombo->GetHeader()->IsWindowVisible());
    EXPECT_STREQ(pCombo->GetHeader()->GetTitle(), "Name\tKey\tName");
    EXPECT_EQ(pCombo->GetColumnCount(), 1) << "two columns, one boundary between them";
    PressKey(VK_ESCAPE);
    window.Update();
    EXPECT_FALSE(pCombo->IsListShown());
    EXPECT_FALSE(pCombo->GetHeader()->IsWindowVisible()) << "hidden with the list";
    EXPECT_NE(pCombo->GetKeptPopup(), nullptr) << "kept for the next drop-down";
}

TEST(TabbedComboWindow, AClearedListIdFillsAnOpenCellsListAgain) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, TableStyle(kFruit, "1", 7));
    window.Select(2, 2);
    auto* pCombo = ControlOf<CGETabbedComboBox>(window.grid, 2, 2);
    ASSERT_NE(pCombo, nullptr);
    PressAltKey(VK_DOWN);
    window.Update();
    ASSERT_TRUE(pCombo->IsListShown());
    EXPECT_EQ(pCombo->GetListWindow()->GetCount(), 2);
    PressKey(VK_ESCAPE);
    window.Update();
    // Another grid on the same parameter object gives list 7 a third row and clears the shared maps.
    TestGrid other;
    other.SetParam(window.grid.GetParam(), FALSE);
    CGEStyle longer;
    longer.SetChoiceList("1\tApple\r\n2\tBanana\r\n3\tCherry");
    other.SetStyleRange(CGECellRange(2, 2, 2, 2), &longer, geOverride, 0, nullptr, GE_NOREDRAW);
    CGETabComboCache(window.grid.GetParam()).Clear(7);
    PressAltKey(VK_DOWN);
    window.Update();
    ASSERT_TRUE(pCombo->IsListShown());
    EXPECT_EQ(pCombo->GetListWindow()->GetCount(), 3) << "the list is filled again from the cell's new rows";
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    window.Select(5, 5);
    EXPECT_STREQ(window.Value(2, 2), "3");
}
