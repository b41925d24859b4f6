// The record browser: the append row, editing and adding records through the edit buffer, storing them
// field by field (also after columns moved), cancelling, the row-header marks and the archive of the
// browse parameters.
#include "GridCoreTestSupport.h"

#include "framework/core/CArchive.h"
#include "framework/core/CArchiveException.h"
#include "framework/core/CMemFile.h"
#include "framework/core/CNotSupportedException.h"
#include "grid/core/CGEBrowseGridArrowRowHeader.h"
#include "grid/core/CGEBrowseParam.h"
#include "grid/core/CGEBrowserGrid.h"
#include "grid/GridResource.h"

#include <map>
#include <string>
#include <utility>

namespace {

// A browser over a small table of records (record index, field index) -> text, with one header row.
class RecordBrowser : public CGEBrowserGrid {
public:
    explicit RecordBrowser(long nRecords) : CGEBrowserGrid(gridtest::Started(nullptr)), records(nRecords) {
        const CRect area(0, 0, 400, 300);
        SetGridRect(TRUE, &area);
        OnGridInitialUpdate();
        SetColCount(3, GE_NOREDRAW);
        GetBrowseParam()->ResetEditBuffer(3);
    }
    long GetRecordCount() override { return records; }
    BOOL OnFlushCellValue(ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue) override {
        ++flushes;
        table[{GetRecordIndexOfRow(nRow), GetFieldIndexOfCol(nCol)}] = pszValue;
        return TRUE;
    }
    BOOL OnFlushRecord(ROWCOL nRow) override {
        if (failFlush)
            return FALSE;
        const BOOL bResult = CGEBrowserGrid::OnFlushRecord(nRow);
        if (bResult && GetEditMode() == CGEBrowseParam::addNew)
            ++records;
        return bResult;
    }
    void DisplayWarningText() override {}
    // Types a value into a cell as a control stores it.
    BOOL Type(ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue) {
        return StoreValueInRange(CGECellRange(nRow, nCol, nRow, nCol), pszValue, geOverride, -1, GE_NOREDRAW);
    }

    long records;
    int flushes = 0;
    BOOL failFlush = FALSE;
    std::map<std::pair<long, short>, std::string> table;
};

} // namespace

TEST(BrowserGrid, TheAppendRowShowsUnlessReadOnly) {
    RecordBrowser empty(0);
    EXPECT_EQ(empty.GetRowCount(), 1u) << "an empty source still shows the append row";
    EXPECT_EQ(empty.GetAppendRow(), 1u);
    empty.SetReadOnly(TRUE);
    EXPECT_EQ(empty.GetRowCount(), 0u);
    EXPECT_EQ(empty.GetAppendRow(), GE_INVALID);
    EXPECT_TRUE(gridtest::ThrowsFrameworkException<CNotSupportedException>([&] { empty.AddNew(); }));

    RecordBrowser five(5);
    EXPECT_EQ(five.GetRowCount(), 6u);
    EXPECT_TRUE(five.IsRecordRow(5));
    EXPECT_FALSE(five.IsRecordRow(6));
}

TEST(BrowserGrid, EditingARecordStoresItsChangedFieldsOnUpdate) {
    RecordBrowser browser(5);
    ASSERT_TRUE(browser.Edit(2));
    EXPECT_EQ(browser.GetEditMode(), CGEBrowseParam::edit);
    EXPECT_TRUE(browser.Type(2, 3, "three"));
    EXPECT_STREQ(browser.GetCellValue(2, 3), "three") << "the edit buffer shows before the record is stored";
    EXPECT_EQ(browser.flushes, 0);
    EXPECT_TRUE(browser.Update(FALSE));
    EXPECT_EQ(browser.GetEditMode(), CGEBrowseParam::noMode);
    EXPECT_EQ(browser.table.size(), 1u);
    EXPECT_EQ((browser.table[{1, 2}]), "three");
    EXPECT_TRUE(browser.WasRecordStored());
}

TEST(BrowserGrid, UpdateWithoutChangesTouchesNothingAndEndsTheEditMode) {
    RecordBrowser browser(5);
    ASSERT_TRUE(browser.Edit(3));
    EXPECT_TRUE(browser.Update(FALSE));
    EXPECT_EQ(browser.flushes, 0);
    EXPECT_EQ(browser.GetEditMode(), CGEBrowseParam::noMode);
    EXPECT_FALSE(browser.Update(FALSE)) << "no pending record";
}

TEST(BrowserGrid, AFailedStoreLeavesTheRecordPending) {
    RecordBrowser browser(5);
    browser.Edit(1);
    browser.Type(1, 1, "x");
    browser.failFlush = TRUE;
    EXPECT_FALSE(browser.Update(FALSE));
    EXPECT_EQ(browser.GetEditMode(), CGEBrowseParam::edit);
    EXPECT_STREQ(browser.GetCellValue(1, 1), "x");
}

TEST(BrowserGrid, AddingARecordShowsANewAppendRow) {
    RecordBrowser browser(2);
    const ROWCOL nRow = browser.AddNew();
    ASSERT_EQ(nRow, 3u);
    EXPECT_EQ(browser.GetEditMode(), CGEBrowseParam::addNew);
    EXPECT_EQ(browser.GetRowCount(), 4u) << "two records, the new one and the append row";
    browser.Type(3, 1, "new");
    EXPECT_TRUE(browser.Update(FALSE));
    EXPECT_EQ(browser.records, 3);
    EXPECT_EQ((browser.table[{2, 0}]), "new");
    EXPECT_EQ(browser.GetRowCount(), 4u) << "three records and the append row";
}

TEST(BrowserGrid, CancellingANewRecordTakesItsRowAway) {
    RecordBrowser browser(2);
    browser.AddNew();
    browser.Type(3, 2, "dropped");
    browser.CancelRecord();
    EXPECT_EQ(browser.GetEditMode(), CGEBrowseParam::noMode);
    EXPECT_EQ(browser.GetRowCount(), 3u);
    EXPECT_EQ(browser.flushes, 0);
}

TEST(BrowserGrid, TypingIntoTheAppendRowStartsANewRecord) {
    RecordBrowser browser(1);
    EXPECT_TRUE(browser.Type(2, 2, "typed"));
    EXPECT_EQ(browser.GetEditMode(), CGEBrowseParam::addNew);
    EXPECT_TRUE(browser.Update(FALSE));
    EXPECT_EQ((browser.table[{1, 1}]), "typed");
}

TEST(BrowserGrid, MovedColumnsStoreEachValueToItsOwnField) {
    RecordBrowser browser(3);
    browser.OnColsMoved(1, 1, 3); // field 1 now shows in column 3, fields 2 and 3 in columns 1 and 2
    EXPECT_EQ(browser.GetFieldFromCol(3), 1u);
    EXPECT_EQ(browser.GetFieldFromCol(1), 2u);
    browser.Edit(1);
    browser.Type(1, 3, "first field");
    browser.Type(1, 1, "second field");
    ASSERT_TRUE(browser.Update(FALSE));
    EXPECT_EQ((browser.table[{0, 0}]), "first field");
    EXPECT_EQ((browser.table[{0, 1}]), "second field");
}

TEST(BrowserGrid, RowHeaderMarks) {
    RecordBrowser browser(3);
    CGEBrowseGridArrowRowHeader header(&browser);
    browser.SetCurrentCell(2, 1, GE_CC_NOFOCUS);
    EXPECT_EQ(header.GetRowMark(2), static_cast<UINT>(GE_IDB_ROW_CURRENT));
    EXPECT_EQ(header.GetRowMark(4), static_cast<UINT>(GE_IDB_ROW_APPEND));
    EXPECT_EQ(header.GetRowMark(1), 0u);
    browser.Edit(2);
    EXPECT_EQ(header.GetRowMark(2), static_cast<UINT>(GE_IDB_ROW_EDIT));
    browser.SetPrinting(TRUE, FALSE);
    EXPECT_EQ(header.GetRowMark(2), 0u) << "nothing while printing";
    browser.SetPrinting(FALSE, FALSE);
    EXPECT_EQ(browser.GetRowHeaderStyle().GetControl(), GE_IDS_CTRL_BROWSEARROWHEADER);
}

TEST(BrowserGrid, TheBrowseParametersRefuseALaterSchema) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CGEBrowseParam param;
        param.m_bBrowseInit = TRUE;
        param.Serialize(ar);
        ar.Close();
    }
    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        CGEBrowseParam loaded;
        loaded.Serialize(ar);
        EXPECT_TRUE(loaded.m_bBrowseInit);
    }
    CMemFile later;
    {
        // A valid grid-parameter part, so the browse part's own schema is the one refused.
        CArchive ar(&later, CArchive::store);
        CGEBrowseParam newer;
        newer.CGEGridParam::Serialize(ar);
        ar << static_cast<WORD>(3) << static_cast<BYTE>(1);
        ar.Close();
    }
    later.SeekToBegin();
    CArchive ar(&later, CArchive::load);
    CGEBrowseParam refused;
    int nCause = 0;
    try {
        refused.Serialize(ar);
    } catch (CArchiveException* e) {
        nCause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(nCause, CArchiveException::badSchema);
}
