#include "DbTestSupport.h"
#include "TestRecordsets.h"

#include "framework/db/COdbcApi.h"
#include "framework/db/CSqlDialect.h"

#include <cstring>
#include <string>

namespace dbtest {
namespace {

class RecordsetTest : public EngineTest {
protected:
    CString ItemTable(std::initializer_list<std::pair<const char*, int>> rows) {
        const CString t = NewTable("items");
        Exec(CItemSet::CreateSql(t));
        for (const auto& [item, qty] : rows) {
            CString sql;
            sql.Format("INSERT INTO [%s] ([Item], [Qty]) VALUES (%s, %d)", static_cast<LPCSTR>(t),
                       static_cast<LPCSTR>(CSqlDialect::QuoteText(item)), qty);
            Exec(sql);
        }
        return t;
    }
};

long RetCode(CDBException* e) {
    return e ? e->m_nRetCode : 0;
}

TEST_P(RecordsetTest, EveryFieldTypeRoundTrips) {
    const CString t = NewTable("types");
    Exec(CAllTypesSet::CreateSql(t));
    CAllTypesSet set(&m_db, t);
    ASSERT_TRUE(set.Open());
    EXPECT_TRUE(set.IsBOF() && set.IsEOF());

    const CString longText = CString('x', 15000) + "\xE9nd \x80";
    set.AddNew();
    set.m_name = "J\xFCrgen's \x80";
    set.m_count = -32000;
    set.m_total = 2000000000L;
    set.m_flag = TRUE;
    set.m_small = 200;
    set.m_ratio = 0.25f;
    set.m_amount = 1234.5678;
    set.m_started = CTime(2024, 3, 7, 14, 5, 9);
    set.m_stamp = TIMESTAMP_STRUCT{2023, 12, 31, 23, 59, 58, 0};
    set.m_ole = COleDateTime(1965, 6, 15, 8, 30, 0);
    set.m_desc = longText;
    ASSERT_TRUE(set.Update());
    // After AddNew the members show the current row again: there was none, so what they held before.
    EXPECT_TRUE(set.IsEOF());

    ASSERT_TRUE(set.Requery());
    ASSERT_FALSE(set.IsEOF());
    EXPECT_EQ(set.GetRecordCount(), 1);
    EXPECT_STREQ(set.m_name, "J\xFCrgen's \x80");
    EXPECT_EQ(set.m_count, -32000);
    EXPECT_EQ(set.m_total, 2000000000L);
    EXPECT_EQ(set.m_flag, TRUE);
    EXPECT_EQ(set.m_small, 200);
    EXPECT_FLOAT_EQ(set.m_ratio, 0.25f);
    EXPECT_DOUBLE_EQ(set.m_amount, 1234.5678);
    EXPECT_EQ(set.m_started, CTime(2024, 3, 7, 14, 5, 9));
    EXPECT_EQ(set.m_stamp.year, 2023);
    EXPECT_EQ(set.m_stamp.month, 12);
    EXPECT_EQ(set.m_stamp.day, 31);
    EXPECT_EQ(set.m_stamp.hour, 23);
    EXPECT_EQ(set.m_stamp.minute, 59);
    EXPECT_EQ(set.m_stamp.second, 58);
    EXPECT_EQ(set.m_ole, COleDateTime(1965, 6, 15, 8, 30, 0));
    EXPECT_EQ(set.m_desc.GetLength(), longText.GetLength());
    EXPECT_TRUE(set.m_desc == longText);
    for (void* field :
         {static_cast<void*>(&set.m_name), static_cast<void*>(&set.m_count), static_cast<void*>(&set.m_ole)})
        EXPECT_FALSE(set.IsFieldNull(field));
}

TEST_P(RecordsetTest, NullColumnsReadAsPseudoNullsAndAreWrittenBackAsNull) {
    const CString t = NewTable("nulls");
    Exec(CAllTypesSet::CreateSql(t));
    Exec("INSERT INTO " + Bracket(t) + " ([Name]) VALUES (NULL)");
    CAllTypesSet set(&m_db, t);
    set.Open();
    ASSERT_FALSE(set.IsEOF());
    EXPECT_TRUE(set.m_name.IsEmpty());
    EXPECT_EQ(set.m_count, AFX_RFX_INT_PSEUDO_NULL);
    EXPECT_EQ(set.m_total, AFX_RFX_LONG_PSEUDO_NULL);
    EXPECT_EQ(set.m_flag, AFX_RFX_BOOL_PSEUDO_NULL);
    EXPECT_EQ(set.m_small, AFX_RFX_BYTE_PSEUDO_NULL);
    EXPECT_EQ(set.m_ratio, AFX_RFX_SINGLE_PSEUDO_NULL);
    EXPECT_EQ(set.m_amount, AFX_RFX_DOUBLE_PSEUDO_NULL);
    EXPECT_EQ(set.m_started.GetTime(), 0);
    EXPECT_EQ(set.m_stamp.year, 0);
    EXPECT_EQ(set.m_ole.GetStatus(), COleDateTime::null);
    for (void* field :
         {static_cast<void*>(&set.m_name), static_cast<void*>(&set.m_count), static_cast<void*>(&set.m_total),
          static_cast<void*>(&set.m_flag), static_cast<void*>(&set.m_small), static_cast<void*>(&set.m_ratio),
          static_cast<void*>(&set.m_amount), static_cast<void*>(&set.m_started),
          static_cast<void*>(&set.m_stamp), static_cast<void*>(&set.m_ole)})
        EXPECT_TRUE(set.IsFieldNull(field));

    // One field changed on the NULL row: the others stay NULL.
    set.Edit();
    set.m_total = 7;
    ASSERT_TRUE(set.Update());
    EXPECT_EQ(
        Count(t, "[Total] = 7 AND [Name] IS NULL AND [Count] IS NULL AND [Flag] IS NULL AND [Small] IS NULL "
                 "AND [Ratio] IS NULL AND [Amount] IS NULL AND [Started] IS NULL AND [Stamp] IS NULL "
                 "AND [Ole] IS NULL AND [Desc] IS NULL"),
        1);

    // A new row with an empty text and untouched fields: NULL, so that IS NULL filters find it.
    set.AddNew();
    set.m_name = "";
    set.m_count = 5;
    ASSERT_TRUE(set.Update());
    EXPECT_EQ(Count(t, "[Name] IS NULL"), 2);
    EXPECT_EQ(Count(t, "[Count] = 5 AND [Total] IS NULL AND [Started] IS NULL"), 1);
}

TEST_P(RecordsetTest, SetFieldNullOverridesTheAutomaticRule) {
    const CString t = ItemTable({{"a", 5}});
    CItemSet set(&m_db, t);
    set.Open();
    set.Edit();
    set.SetFieldNull(&set.m_qty);
    EXPECT_EQ(set.m_qty, AFX_RFX_LONG_PSEUDO_NULL);
    EXPECT_TRUE(set.IsFieldNull(&set.m_qty));
    ASSERT_TRUE(set.Update());
    EXPECT_EQ(Count(t, "[Qty] IS NULL AND [Item] = 'a'"), 1);

    // An empty text that is declared not NULL is stored as an empty text.
    set.Edit();
    set.m_item = "";
    set.SetFieldNull(&set.m_item, FALSE);
    EXPECT_FALSE(set.IsFieldNull(&set.m_item));
    ASSERT_TRUE(set.Update());
    EXPECT_EQ(Count(t, "[Item] = ''"), 1);

    int notAField = 0;
    DbError e(CatchDb([&] { set.SetFieldNull(&notAField); }));
    EXPECT_EQ(RetCode(e.e), AFX_SQL_ERROR_NO_SUCH_FIELD);
}

TEST_P(RecordsetTest, UpdateWithoutChangesWritesNothing) {
    const CString t = ItemTable({{"a", 5}});
    CItemSet set(&m_db, t);
    set.Open();
    set.Edit();
    const long before = COdbcApi::GetCallCount();
    EXPECT_FALSE(set.Update());
    EXPECT_EQ(COdbcApi::GetCallCount(), before);
    EXPECT_EQ(set.GetEditMode(), CRecordset::noMode);
    DbError e(CatchDb([&] { set.Update(); }));
    EXPECT_EQ(RetCode(e.e), AFX_SQL_ERROR_ILLEGAL_MODE);
}

TEST_P(RecordsetTest, DirtyFieldsDecideWhatUpdateWrites) {
    const CString t = ItemTable({{"a", 1}});
    CItemSet set(&m_db, t);
    set.Open();
    set.Edit();
    EXPECT_FALSE(set.IsFieldDirty(&set.m_qty));
    set.SetFieldDirty(&set.m_qty);
    EXPECT_TRUE(set.IsFieldDirty(&set.m_qty));
    EXPECT_FALSE(set.IsFieldDirty(&set.m_item));
    EXPECT_TRUE(set.Update()); // written although its value is the same

    CItemSet all(&m_db, t);
    all.Open(CRecordset::snapshot, nullptr, CRecordset::noDirtyFieldCheck);
    all.Edit();
    EXPECT_TRUE(all.Update());
    EXPECT_EQ(Count(t, "[Item] = 'a' AND [Qty] = 1"), 1);
    if (IsPostgres())
        return; // there the row version refuses a row another user changed (test above)

    // Only changed fields are written: what another user changed in the others stays.
    Exec("UPDATE " + Bracket(t) + " SET [Qty] = 7");
    set.Edit();
    set.m_item = "b";
    ASSERT_TRUE(set.Update());
    EXPECT_EQ(Count(t, "[Item] = 'b' AND [Qty] = 7"), 1);
    // Unless every field is to be written.
    all.Edit();
    all.m_item = "c";
    ASSERT_TRUE(all.Update());
    EXPECT_EQ(Count(t, "[Item] = 'c' AND [Qty] = 1"), 1);
}

TEST_P(RecordsetTest, EditAndDeleteReachExactlyTheCurrentRowAmongDuplicates) {
    const CString t = ItemTable({{"a", 1}, {"a", 1}, {"a", 1}, {"b", 2}});
    CItemSet set(&m_db, t);
    set.m_strSort = "[Qty]";
    set.Open();
    set.MoveNext();
    ASSERT_STREQ(set.m_item, "a");
    set.Edit();
    set.m_qty = 9;
    ASSERT_TRUE(set.Update());
    EXPECT_EQ(Count(t, "[Qty] = 1"), 2);
    EXPECT_EQ(Count(t, "[Qty] = 9"), 1);
    EXPECT_EQ(Count(t), 4);

    // The edited row again, then the next duplicate.
    set.Delete();
    EXPECT_TRUE(set.IsDeleted());
    EXPECT_EQ(Count(t), 3);
    EXPECT_EQ(Count(t, "[Qty] = 9"), 0);
    set.MoveNext();
    ASSERT_STREQ(set.m_item, "a");
    set.Delete();
    EXPECT_EQ(Count(t, "[Item] = 'a'"), 1);

    set.MoveFirst();
    ASSERT_FALSE(set.IsDeleted());
    set.Edit();
    set.m_item = "c";
    ASSERT_TRUE(set.Update());
    EXPECT_EQ(Count(t, "[Item] = 'a'"), 0);
    EXPECT_EQ(Count(t, "[Item] = 'c' AND [Qty] = 1"), 1);
    EXPECT_EQ(Count(t, "[Item] = 'b'"), 1);
}

TEST_P(RecordsetTest, RowRemovedByAnotherUserIsNotWrittenAgain) {
    const CString t = ItemTable({{"a", 1}});
    CItemSet set(&m_db, t);
    set.Open();
    Exec("DELETE FROM " + Bracket(t));

    set.Edit();
    set.m_qty = 5;
    DbError update(CatchDb([&] { set.Update(); }));
    EXPECT_EQ(RetCode(update.e), AFX_SQL_ERROR_NO_ROWS_AFFECTED)
        << (update ? static_cast<LPCSTR>(update->m_strError) : "");
    EXPECT_EQ(Count(t), 0);
    set.CancelUpdate();
    DbError remove(CatchDb([&] { set.Delete(); }));
    EXPECT_EQ(RetCode(remove.e), AFX_SQL_ERROR_NO_ROWS_AFFECTED);
}

TEST_P(RecordsetTest, RowChangedByAnotherUserIsNotOverwrittenOnPostgres) {
    if (!IsPostgres())
        GTEST_SKIP() << "SQLite has one writer; the last change wins there";
    const CString t = ItemTable({{"a", 1}});
    CItemSet set(&m_db, t);
    set.Open();
    Exec("UPDATE " + Bracket(t) + " SET [Qty] = 7");
    set.Edit();
    set.m_item = "z";
    DbError e(CatchDb([&] { set.Update(); }));
    EXPECT_EQ(RetCode(e.e), AFX_SQL_ERROR_NO_ROWS_AFFECTED);
    EXPECT_EQ(Count(t, "[Qty] = 7 AND [Item] = 'a'"), 1);
    // After a requery the row can be changed.
    set.CancelUpdate();
    set.Requery();
    set.Edit();
    set.m_item = "z";
    EXPECT_TRUE(set.Update());
    EXPECT_EQ(Count(t, "[Qty] = 7 AND [Item] = 'z'"), 1);
}

TEST_P(RecordsetTest, FiltersSortsAndDateRanges) {
    const CString t = NewTable("filter");
    Exec(CAllTypesSet::CreateSql(t));
    CAllTypesSet set(&m_db, t);
    set.Open();
    const struct {
        const char* name;
        int count;
        CTime started;
    } rows[] = {{"n1", 10, CTime(2004, 3, 2, 10, 0, 0)},
                {"n2", 11, CTime(2004, 3, 3, 9, 0, 0)},
                {"n3", 20, CTime(2004, 3, 4, 23, 0, 0)},
                {"n4", AFX_RFX_INT_PSEUDO_NULL, CTime(2004, 3, 5, 0, 0, 0)}};
    for (const auto& r : rows) {
        set.AddNew();
        set.m_name = r.name;
        set.m_count = r.count;
        set.m_started = r.started;
        set.Update();
    }
    auto names = [&]() {
        set.Requery();
        CString list;
        for (; !set.IsEOF(); set.MoveNext())
            list += set.m_name + " ";
        return list;
    };
    set.m_strSort = "[Started]";
    set.m_strFilter = "[Count] LIKE '1%'";
    EXPECT_STREQ(names(), "n1 n2 ");
    set.m_strFilter = "[Started] >= " + CSqlDialect::DateLiteral(CTime(2004, 3, 3, 0, 0, 0)) +
                      " AND [Started] < " + CSqlDialect::DateLiteral(CTime(2004, 3, 5, 0, 0, 0));
    EXPECT_STREQ(names(), "n2 n3 ");
    // A timestamp written through the recordset equals the literal of the same time.
    set.m_strFilter = "[Started] = " + CSqlDialect::TimestampLiteral(CTime(2004, 3, 3, 9, 0, 0));
    EXPECT_STREQ(names(), "n2 ");
    set.m_strFilter = "[Count] IS NULL";
    EXPECT_STREQ(names(), "n4 ");
    set.m_strFilter.Empty();
    set.m_strSort = "[Name] DESC";
    EXPECT_STREQ(names(), "n4 n3 n2 n1 ");
}

TEST_P(RecordsetTest, ParametersBindInMarkerOrder) {
    const CString t = ItemTable({{"it's -- x", 1}, {"it's -- x", 2}, {"it's -- x", 3}, {"b", 5}});
    CItemSet set(&m_db, t, 2);
    set.m_strFilter = "[Item] = ? AND [Qty] > ?";
    set.m_strSort = "[Qty]";
    set.m_paramName = "it's -- x";
    set.m_paramQty = 1;
    set.Open();
    EXPECT_EQ(set.GetRecordCount(), 2);
    EXPECT_EQ(set.m_qty, 2);
    set.m_paramQty = 2;
    set.Requery();
    EXPECT_EQ(set.GetRecordCount(), 1);
    EXPECT_EQ(set.m_qty, 3);
    set.m_paramName = "b";
    set.m_paramQty = 0;
    set.Requery();
    ASSERT_EQ(set.GetRecordCount(), 1);
    EXPECT_STREQ(set.m_item, "b");
    set.SetParamNull(0);
    set.Requery();
    EXPECT_EQ(set.GetRecordCount(), 0);
}

TEST_P(RecordsetTest, QuotedUserTextNeverWidensAFilter) {
    const CString hostile = "x' OR '1'='1";
    const CString t = ItemTable({{"a", 1}, {"b", 2}});
    CItemSet set(&m_db, t);
    set.m_strFilter = "[Item] = " + CSqlDialect::QuoteText(hostile);
    set.Open();
    EXPECT_EQ(set.GetRecordCount(), 0);
    set.AddNew();
    set.m_item = hostile;
    set.m_qty = 3;
    set.Update();
    set.Requery();
    ASSERT_EQ(set.GetRecordCount(), 1);
    EXPECT_STREQ(set.m_item, hostile);
}

TEST_P(RecordsetTest, NavigationAndEnds) {
    const CString t = ItemTable({{"a", 3}, {"b", 1}, {"c", 5}, {"d", 2}, {"e", 4}});
    CItemSet set(&m_db, t);
    set.m_strSort = "[Qty]";
    set.Open();
    EXPECT_EQ(set.GetRecordCount(), 5);
    EXPECT_EQ(set.m_qty, 1);
    EXPECT_FALSE(set.IsBOF() || set.IsEOF());
    for (int i = 0; i < 4; ++i)
        set.MoveNext();
    EXPECT_EQ(set.m_qty, 5);
    set.MoveNext();
    EXPECT_TRUE(set.IsEOF());
    EXPECT_FALSE(set.IsBOF());
    DbError pastEnd(CatchDb([&] { set.MoveNext(); }));
    EXPECT_EQ(RetCode(pastEnd.e), AFX_SQL_ERROR_NO_DATA_FOUND);
    set.MovePrev();
    EXPECT_EQ(set.m_qty, 5);
    set.MoveFirst();
    EXPECT_EQ(set.m_qty, 1);
    set.MovePrev();
    EXPECT_TRUE(set.IsBOF());
    DbError beforeStart(CatchDb([&] { set.MovePrev(); }));
    EXPECT_EQ(RetCode(beforeStart.e), AFX_SQL_ERROR_NO_DATA_FOUND);
    set.MoveNext();
    EXPECT_EQ(set.m_qty, 1);
    set.MoveLast();
    EXPECT_EQ(set.m_qty, 5);
    set.SetAbsolutePosition(2);
    EXPECT_EQ(set.m_qty, 2);
    set.SetAbsolutePosition(-2);
    EXPECT_EQ(set.m_qty, 4);
    set.Move(-2);
    EXPECT_EQ(set.m_qty, 2);
    set.Move(10);
    EXPECT_TRUE(set.IsEOF());
    set.SetAbsolutePosition(0);
    EXPECT_TRUE(set.IsBOF());

    // Rows deleted through the set are passed over when asked.
    set.Close();
    set.Open(CRecordset::snapshot, nullptr, CRecordset::skipDeletedRecords);
    set.MoveNext();
    set.Delete();
    set.MoveFirst();
    EXPECT_EQ(set.m_qty, 1);
    set.MoveNext();
    EXPECT_EQ(set.m_qty, 3);
}

TEST_P(RecordsetTest, EmptyResultKeepsFieldMembers) {
    const CString t = ItemTable({});
    CItemSet set(&m_db, t);
    set.m_qty = 1234;
    set.Open();
    EXPECT_TRUE(set.IsBOF() && set.IsEOF());
    EXPECT_EQ(set.m_qty, 1234);
    EXPECT_EQ(set.GetRecordCount(), 0);
    set.MoveFirst();
    set.MoveLast();
    EXPECT_TRUE(set.IsBOF() && set.IsEOF());
    DbError next(CatchDb([&] { set.MoveNext(); }));
    EXPECT_EQ(RetCode(next.e), AFX_SQL_ERROR_NO_DATA_FOUND);
    DbError edit(CatchDb([&] { set.Edit(); }));
    EXPECT_EQ(RetCode(edit.e), AFX_SQL_ERROR_NO_CURRENT_RECORD);
}

TEST_P(RecordsetTest, ForwardOnlyMovesForwardOnly) {
    const CString t = ItemTable({{"a", 1}, {"b", 2}});
    CItemSet set(&m_db, t);
    set.Open(CRecordset::forwardOnly);
    EXPECT_FALSE(set.CanScroll());
    set.MoveNext();
    EXPECT_FALSE(set.IsEOF());
    for (auto move : {&CRecordset::MovePrev, &CRecordset::MoveFirst, &CRecordset::MoveLast}) {
        DbError e(CatchDb([&] { (set.*move)(); }));
        EXPECT_EQ(RetCode(e.e), AFX_SQL_ERROR_RECORDSET_FORWARD_ONLY);
    }
}

TEST_P(RecordsetTest, RequerySeesNewRowsAndKeepsTheOldOnesWhenItFails) {
    const CString t = ItemTable({{"a", 1}});
    CItemSet set(&m_db, t);
    set.Open();
    Exec("INSERT INTO " + Bracket(t) + " ([Item], [Qty]) VALUES ('b', 2)");
    EXPECT_EQ(set.GetRecordCount(), 1);
    set.Requery();
    EXPECT_EQ(set.GetRecordCount(), 2);

    set.m_strFilter = "[NoSuchColumn] = 1";
    DbError e(CatchDb([&] { set.Requery(); }));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->m_nRetCode, SQL_ERROR);
    EXPECT_TRUE(set.IsOpen());
    EXPECT_EQ(set.GetRecordCount(), 2);
    EXPECT_FALSE(set.IsEOF());
}

TEST_P(RecordsetTest, FullStatementTakesFilterAndSort) {
    const CString t = ItemTable({{"x", 1}, {"y", 1}, {"x", 3}, {"x", 5}, {"y", 5}, {"x", 7}});
    CItemSet set(&m_db, t);
    set.m_strFilter = "[Item] = 'x'";
    set.m_strSort = "[Qty] DESC";
    // The filter must not bind tighter than the statement's OR.
    set.Open(CRecordset::snapshot,
             "SELECT [Item], [Qty] FROM " + Bracket(t) + " WHERE [Qty] = 1 OR [Qty] = 5");
    EXPECT_STREQ(set.GetTableName(), Bracket(t));
    CString list;
    for (; !set.IsEOF(); set.MoveNext())
        list.AppendFormat("%s%ld ", static_cast<LPCSTR>(set.m_item), set.m_qty);
    EXPECT_STREQ(list, "x5 x1 ");

    set.Close();
    set.m_strFilter = "[Qty] < 6";
    set.m_strSort.Empty();
    set.Open(CRecordset::snapshot,
             "SELECT [Item], [Qty] FROM " + Bracket(t) + " WHERE [Qty] > 1 ORDER BY [Item], [Qty]");
    list.Empty();
    for (; !set.IsEOF(); set.MoveNext())
        list.AppendFormat("%s%ld ", static_cast<LPCSTR>(set.m_item), set.m_qty);
    EXPECT_STREQ(list, "x3 x5 y5 ");
    // A statement over one table can be changed through the set.
    set.MoveFirst();
    set.Edit();
    set.m_qty = 4;
    EXPECT_TRUE(set.Update());
    EXPECT_EQ(Count(t, "[Qty] = 4"), 1);
    EXPECT_EQ(Count(t, "[Qty] = 3"), 0);
}

TEST_P(RecordsetTest, UnboundColumnsThroughFieldInfoAndValues) {
    const CString t = ItemTable({{"12", 34}});
    CRecordset rs(&m_db);
    rs.Open(CRecordset::snapshot, Bracket(t));
    ASSERT_EQ(rs.GetODBCFieldCount(), 2); // the hidden row locator is not counted
    CODBCFieldInfo info;
    rs.GetODBCFieldInfo(static_cast<short>(1), info);
    EXPECT_EQ(info.m_strName.CompareNoCase("Qty"), 0);
    EXPECT_EQ(info.m_nSQLType, SQL_INTEGER);
    rs.GetODBCFieldInfo("[item]", info);
    EXPECT_EQ(info.m_strName.CompareNoCase("Item"), 0);

    CDBVariant value;
    rs.GetFieldValue("[Qty]", value);
    ASSERT_EQ(value.m_dwType, static_cast<DWORD>(DBVT_LONG));
    EXPECT_EQ(value.m_lVal, 34);
    rs.GetFieldValue("Item", value);
    ASSERT_EQ(value.m_dwType, static_cast<DWORD>(DBVT_STRING));
    EXPECT_STREQ(*value.m_pstring, "12");
    rs.GetFieldValue(static_cast<short>(0), value, SQL_C_SLONG);
    EXPECT_EQ(value.m_lVal, 12);
    CString text;
    rs.GetFieldValue(static_cast<short>(1), text);
    EXPECT_STREQ(text, "34");
    DbError e(CatchDb([&] { rs.GetFieldValue("Nope", value); }));
    EXPECT_EQ(RetCode(e.e), AFX_SQL_ERROR_NO_SUCH_FIELD);
}

TEST_P(RecordsetTest, BareMixedCaseTableNameOpensAndChanges) {
    const CString t = NewTable("MixedCase");
    Exec(CItemSet::CreateSql(t));
    Exec("INSERT INTO " + Bracket(t) + " ([Item], [Qty]) VALUES ('a', 1)");
    CItemSet set(&m_db, t);
    set.m_strFilter = "Item = 'a'"; // unquoted names, as the program's filters write them
    set.Open(CRecordset::snapshot, t);
    ASSERT_EQ(set.GetRecordCount(), 1);
    EXPECT_STREQ(set.GetTableName(), t);
    set.Edit();
    set.m_qty = 2;
    EXPECT_TRUE(set.Update());
    EXPECT_EQ(Count(t, "Qty = 2"), 1);
}

TEST_P(RecordsetTest, ReadOnlyAndAppendOnly) {
    const CString t = ItemTable({{"a", 1}});
    CItemSet set(&m_db, t);
    set.Open(CRecordset::snapshot, nullptr, CRecordset::readOnly);
    EXPECT_FALSE(set.CanUpdate());
    EXPECT_FALSE(set.CanAppend());
    for (auto change : {&CRecordset::Edit, &CRecordset::AddNew, &CRecordset::Delete}) {
        DbError e(CatchDb([&] { (set.*change)(); }));
        EXPECT_EQ(RetCode(e.e), AFX_SQL_ERROR_RECORDSET_READONLY);
    }
    set.Close();
    set.Open(CRecordset::snapshot, nullptr, CRecordset::appendOnly);
    EXPECT_FALSE(set.CanUpdate());
    EXPECT_TRUE(set.CanAppend());
    DbError e(CatchDb([&] { set.Edit(); }));
    EXPECT_EQ(RetCode(e.e), AFX_SQL_ERROR_RECORDSET_READONLY);
    set.AddNew();
    set.m_item = "b";
    EXPECT_TRUE(set.Update());
    EXPECT_EQ(Count(t), 2);
}

// A set that connects by itself, as the program's sets do.
class CSelfConnectingSet : public CItemSet {
public:
    CSelfConnectingSet(CDatabase* db, const CString& table, const CString& connect)
        : CItemSet(db, table), m_connect(connect) {}
    CString GetDefaultConnect() override { return m_connect; }

private:
    CString m_connect;
};

TEST_P(RecordsetTest, OpensItsDatabaseWithTheDefaultConnection) {
    const CString t = ItemTable({{"a", 1}});
    CDatabase closed;
    CSelfConnectingSet set(&closed, t, m_connect);
    set.Open();
    EXPECT_TRUE(closed.IsOpen());
    EXPECT_STREQ(set.m_item, "a");

    CSelfConnectingSet own(nullptr, t, m_connect);
    own.Open();
    ASSERT_NE(own.m_pDatabase, nullptr);
    EXPECT_TRUE(own.m_pDatabase->IsOpen());
    EXPECT_EQ(own.GetRecordCount(), 1);
}

TEST_P(RecordsetTest, MismatchedFieldCountIsRefused) {
    const CString t = ItemTable({{"a", 1}});
    CItemSet set(&m_db, t);
    set.m_nFields = 3;
    DbError e(CatchDb([&] { set.Open(); }));
    EXPECT_EQ(RetCode(e.e), AFX_SQL_ERROR_FIELD_SCHEMA_MISMATCH);
    EXPECT_FALSE(set.IsOpen());
}

TEST_P(RecordsetTest, TruncatedTextAndUnrepresentableDatesSurviveEditsOfOtherFields) {
    const CString t = NewTable("keep");
    Exec(CAllTypesSet::CreateSql(t));
    const CString longName = "abcdefghijklmnopqrstuvwxyz0123"; // 30 characters; the field keeps 20
    Exec("INSERT INTO " + Bracket(t) + " ([Name], [Count], [Started]) VALUES ('" + longName +
         "', 1, {ts '1960-05-01 10:00:00'})");
    CAllTypesSet set(&m_db, t);
    set.Open();
    EXPECT_STREQ(set.m_name, longName.Left(20));
    EXPECT_EQ(set.m_started.GetTime(), 0);
    CString stored;
    set.GetFieldValue("[Name]", stored);
    EXPECT_STREQ(stored, longName);

    set.Edit();
    set.m_count = 2;
    ASSERT_TRUE(set.Update());
    EXPECT_EQ(Count(t, "[Count] = 2 AND [Name] = '" + longName + "'"), 1);
    EXPECT_EQ(QueryText(m_db, "SELECT [Started] FROM " + Bracket(t)).Left(10), "1960-05-01");
}

TEST_P(RecordsetTest, CancelUpdateRestoresTheFieldMembers) {
    const CString t = ItemTable({{"a", 1}});
    CItemSet set(&m_db, t);
    set.Open();
    set.AddNew();
    EXPECT_TRUE(set.m_item.IsEmpty());
    set.m_item = "new";
    set.CancelUpdate();
    EXPECT_STREQ(set.m_item, "a");
    set.Edit();
    set.m_qty = 99;
    set.CancelUpdate();
    EXPECT_EQ(set.m_qty, 1);
    EXPECT_EQ(Count(t), 1);
    EXPECT_EQ(Count(t, "[Qty] = 99"), 0);
}

// Texts of every length around the pieces they are read in, non-ASCII characters across the piece
// borders, and binary values with zero bytes, read whole through field members and GetFieldValue.
TEST_P(RecordsetTest, LongTextsAndBinaryValuesAreReadWhole) {
    const CString t = NewTable("long");
    // SQLite reads a column as binary data only when it is declared as such.
    const CString binaryType = IsPostgres() ? "image" : "blob";
    Exec("CREATE TABLE " + Bracket(t) + " ([Id] integer, [Body] ntext, [Data] " + binaryType + ")");
    const int lengths[] = {0, 1, 1022, 1023, 1024, 1025, 8191, 8192, 9000, 70000};
    auto body = [](int length) {
        CString text;
        for (int i = 0; i < length; ++i)
            text += i % 509 == 508 ? '\xE9' : static_cast<char>('a' + i % 26);
        return text;
    };
    auto data = [](int length) {
        std::string bytes(static_cast<size_t>(length), '\0');
        for (int i = 0; i < length; ++i)
            bytes[static_cast<size_t>(i)] = static_cast<char>(i % 5 == 0 ? 0 : i % 251);
        return bytes;
    };
    for (int id = 0; id < static_cast<int>(std::size(lengths)); ++id) {
        const int length = lengths[id];
        CString hex;
        for (const char c : data(length))
            hex.AppendFormat("%02x", static_cast<unsigned char>(c));
        const CString blob = IsPostgres() ? "decode('" + hex + "', 'hex')" : "X'" + hex + "'";
        CString sql;
        sql.Format("INSERT INTO %s ([Id], [Body], [Data]) VALUES (%d, ", static_cast<LPCSTR>(Bracket(t)), id);
        Exec(sql + CSqlDialect::QuoteText(body(length)) + ", " + blob + ")");
    }
    Exec("INSERT INTO " + Bracket(t) + " ([Id]) VALUES (99)");

    CRecordset rs(&m_db);
    rs.Open(CRecordset::snapshot, "SELECT [Id], [Body], [Data] FROM " + Bracket(t) + " ORDER BY [Id]");
    ASSERT_EQ(rs.GetRecordCount(), static_cast<long>(std::size(lengths)) + 1);
    for (const int length : lengths) {
        SCOPED_TRACE(length);
        CDBVariant text, bytes;
        rs.GetFieldValue("[Body]", text);
        rs.GetFieldValue("[Data]", bytes);
        ASSERT_EQ(text.m_dwType, static_cast<DWORD>(DBVT_STRING));
        EXPECT_EQ(text.m_pstring->GetLength(), length);
        EXPECT_TRUE(*text.m_pstring == body(length));
        ASSERT_EQ(bytes.m_dwType, static_cast<DWORD>(DBVT_BINARY));
        const CString read = bytes.ToText();
        EXPECT_EQ(std::string(read.GetString(), static_cast<size_t>(read.GetLength())), data(length));
        rs.MoveNext();
    }
    CDBVariant text, bytes;
    rs.GetFieldValue("[Body]", text);
    rs.GetFieldValue("[Data]", bytes);
    EXPECT_TRUE(text.IsNull());
    EXPECT_TRUE(bytes.IsNull());

    if (!IsPostgres()) {
        // SQLite keeps a text longer than its column was declared for: it is read whole all the same.
        const CString s = NewTable("short");
        Exec("CREATE TABLE " + Bracket(s) + " ([Name] varchar(10))");
        Exec("INSERT INTO " + Bracket(s) + " ([Name]) VALUES (" + CSqlDialect::QuoteText(body(3000)) + ")");
        CRecordset names(&m_db);
        names.Open(CRecordset::snapshot, "SELECT [Name] FROM " + Bracket(s));
        CString name;
        names.GetFieldValue(static_cast<short>(0), name);
        EXPECT_TRUE(name == body(3000)) << name.GetLength();
    }

    // The same texts in a field member; a change of another field keeps them.
    class CBodySet : public CRecordset {
    public:
        CBodySet(CDatabase* db, const CString& table) : CRecordset(db), m_table(table) { m_nFields = 2; }
        CString GetDefaultSQL() override { return "[" + m_table + "]"; }
        void DoFieldExchange(CFieldExchange* pFX) override {
            pFX->SetFieldType(CFieldExchange::outputColumn);
            RFX_Long(pFX, "[Id]", m_id);
            RFX_Text(pFX, "[Body]", m_body, 100000);
        }
        long m_id = 0;
        CString m_body;
        CString m_table;
    } bodies(&m_db, t);
    bodies.m_strSort = "[Id]";
    bodies.Open();
    for (const int length : lengths) {
        EXPECT_TRUE(bodies.m_body == body(length)) << length;
        bodies.MoveNext();
    }
    bodies.MovePrev();
    bodies.Edit();
    bodies.m_id = 50;
    ASSERT_TRUE(bodies.Update());
    EXPECT_EQ(QueryNumber(m_db, "SELECT COUNT(*) FROM " + Bracket(t) +
                                    " WHERE [Id] = 50 AND [Body] = " + CSqlDialect::QuoteText(body(70000))),
              1);
}

// Rows of every column type through a set without bound members: NULL stays NULL in each.
TEST_P(RecordsetTest, UnboundColumnsOfEveryTypeKeepNulls) {
    const CString t = NewTable("unbound");
    Exec("CREATE TABLE " + Bracket(t) +
         " ([I] integer, [S] smallint, [F] float, [R] real, [D] datetime, [V] varchar(20), [T] ntext, "
         "[B] " +
         (IsPostgres() ? "image" : "blob") + ", [M] money)");
    Exec("INSERT INTO " + Bracket(t) + " ([I]) VALUES (NULL)");
    Exec("INSERT INTO " + Bracket(t) +
         " ([I], [S], [F], [R], [D], [V], [T], [B], [M]) VALUES (7, 3, 2.5, 0.5, " +
         CSqlDialect::TimestampLiteral(CTime(2024, 3, 7, 14, 5, 9)) + ", 'v', 'long', " +
         (IsPostgres() ? "decode('00ff', 'hex')" : "X'00ff'") + ", 12.25)");
    CRecordset rs(&m_db);
    rs.m_strSort = "[I]";
    rs.Open(CRecordset::snapshot, Bracket(t));
    ASSERT_EQ(rs.GetRecordCount(), 2);
    const short columns = rs.GetODBCFieldCount();
    ASSERT_EQ(columns, 9);
    // NULLs sort first on SQLite and last on PostgreSQL.
    if (IsPostgres())
        rs.MoveNext();
    for (short i = 0; i < columns; ++i) {
        CDBVariant v;
        rs.GetFieldValue(i, v);
        EXPECT_TRUE(v.IsNull()) << i;
    }
    IsPostgres() ? rs.MovePrev() : rs.MoveNext();
    const char* expected[] = {"7", "3", "2.5", "0.5", "2024-03-07 14:05:09", "v", "long", nullptr, "12.25"};
    for (short i = 0; i < columns; ++i) {
        CDBVariant v;
        rs.GetFieldValue(i, v);
        ASSERT_FALSE(v.IsNull()) << i;
        CString text = v.ToText();
        if (!expected[i]) {
            EXPECT_EQ(v.m_dwType, static_cast<DWORD>(DBVT_BINARY));
            EXPECT_EQ(std::string(text.GetString(), static_cast<size_t>(text.GetLength())),
                      std::string("\0\xff", 2));
            continue;
        }
        if (text.Find('.') >= 0 && v.m_dwType == DBVT_STRING)
            text.TrimRight('0'); // numeric(19,4) on PostgreSQL reads as "12.2500"
        EXPECT_STREQ(text, expected[i]) << i;
    }
}

// More rows than one block of the row store holds: every row reads back, and changes reach the right
// row wherever it lies.
TEST_P(RecordsetTest, ManyRowsReadBackAndChangeTheRightRow) {
    const CString t = NewTable("many");
    Exec(CItemSet::CreateSql(t));
    const int rows = 6000;
    for (int first = 0; first < rows; first += 500) {
        CString sql = "INSERT INTO " + Bracket(t) + " ([Item], [Qty]) VALUES ";
        for (int i = first; i < first + 500; ++i)
            sql.AppendFormat("%s('item %d', %d)", i == first ? "" : ", ", i, i);
        Exec(sql);
    }
    CItemSet set(&m_db, t);
    set.m_strSort = "[Qty]";
    set.Open(CRecordset::snapshot, nullptr, CRecordset::skipDeletedRecords);
    ASSERT_EQ(set.GetRecordCount(), rows);
    int expected = 0;
    for (; !set.IsEOF(); set.MoveNext(), ++expected) {
        ASSERT_EQ(set.m_qty, expected);
        CString item;
        item.Format("item %d", expected);
        ASSERT_STREQ(set.m_item, item);
    }
    EXPECT_EQ(expected, rows);

    for (const long target : {5990L, 3100L, 7L}) {
        set.SetAbsolutePosition(target + 1);
        ASSERT_EQ(set.m_qty, target);
        set.Edit();
        set.m_item = "changed " + CString('x', 200);
        ASSERT_TRUE(set.Update());
    }
    set.SetAbsolutePosition(4001);
    set.Delete();
    set.MoveLast();
    EXPECT_EQ(set.m_qty, rows - 1);
    set.SetAbsolutePosition(5990); // the deleted row before it is passed over
    EXPECT_EQ(set.m_qty, 5990);
    EXPECT_STREQ(set.m_item, "changed " + CString('x', 200));
    set.MovePrev();
    EXPECT_STREQ(set.m_item, "item 5989");
    set.SetAbsolutePosition(4001);
    EXPECT_EQ(set.m_qty, 4001);
    EXPECT_EQ(set.GetRecordCount(), rows);
    EXPECT_EQ(Count(t), rows - 1);
    EXPECT_EQ(Count(t, "[Item] LIKE 'changed%'"), 3);
    EXPECT_EQ(Count(t, "[Qty] = 4000"), 0);
    EXPECT_EQ(Count(t, "[Item] LIKE 'changed%' AND [Qty] IN (7, 3100, 5990)"), 3);
}

INSTANTIATE_TEST_SUITE_P(Engines, RecordsetTest, ::testing::Values("sqlite", "postgres"), EngineName);

} // namespace
} // namespace dbtest
