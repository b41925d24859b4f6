// A set of rows selected from a data source, with field members bound through DoFieldExchange.
//
// Open runs the SELECT and fetches every row into the recordset (all open types behave as snapshots:
// changes of other users appear after Requery); no ODBC cursor or lock is kept between calls, so a
// recordset may stay open as long as its owner likes. The first row is current after Open. The rows are
// kept compactly (CRowStore); DoFieldExchange is called once per Open to learn the bound members, which
// are then filled straight from the stored row whenever a row becomes current.
//
// Edit/Update and Delete change exactly the current row, also in tables without a key: on SQLite and
// PostgreSQL the row is found again by its hidden row locator (rowid; ctid + xmin, which also notices a
// row another user has changed meanwhile). Elsewhere the row is found by all its fetched values and the
// change is made only when exactly one row has them. A change that would reach no row or several rows
// throws a CDBException and changes nothing.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/db/AfxDb.h"
#include "framework/db/CDBVariant.h"
#include "framework/db/CDatabase.h"
#include "framework/db/CFieldExchange.h"
#include "framework/db/CODBCFieldInfo.h"

#include <memory>
#include <vector>

class CRecordset : public CObject {
    DECLARE_DYNAMIC(CRecordset)
public:
    enum OpenType { dynaset, snapshot, forwardOnly, dynamic };
    enum OpenOptions {
        none = 0x0000,
        readOnly = 0x0004,
        appendOnly = 0x0008,         // AddNew only; no Edit or Delete
        skipDeletedRecords = 0x0010, // moves pass over rows deleted through this recordset
        noDirtyFieldCheck = 0x0020,  // Update writes every field, changed or not
        useBookmarks = 0x0100,       // accepted; rows are always fetched
        executeDirect = 0x2000,      // accepted; statements are always executed directly
    };
    enum EditMode { noMode, edit, addnew };

    explicit CRecordset(CDatabase* pDatabase = nullptr);
    ~CRecordset() override;

    // nOpenType: AFX_DB_USE_DEFAULT_TYPE takes m_nDefaultType. lpszSQL: nullptr takes GetDefaultSQL(); a
    // table name ("[Tasks]", "Tasks") selects the bound columns (or *) from it; a full SELECT is run as it
    // is. m_strFilter and m_strSort are added as WHERE and ORDER BY; the database's dialect adapts the
    // result. Without a database object, or with one not yet open, the database is opened with
    // GetDefaultConnect(). TRUE on success; throws CDBException (and stays closed) on failure.
    virtual BOOL Open(UINT nOpenType = AFX_DB_USE_DEFAULT_TYPE, LPCSTR lpszSQL = nullptr,
                      DWORD dwOptions = none);
    virtual void Close();
    BOOL IsOpen() const noexcept;
    // Selects again with the present filter, sort and parameters. On failure (CDBException) the rows
    // and position stay as they were.
    virtual BOOL Requery();

    BOOL IsBOF() const noexcept;
    BOOL IsEOF() const noexcept;
    BOOL IsDeleted() const noexcept;
    // Moving past the last row gives EOF; MoveNext at EOF and MovePrev at BOF throw. MoveFirst and
    // MoveLast on an empty set leave BOF and EOF set. A forward-only set throws on every backward move.
    void MoveFirst();
    void MoveNext();
    void MovePrev();
    void MoveLast();
    virtual void Move(long nRows, WORD wFetchType = SQL_FETCH_RELATIVE);
    // 1 is the first row, -1 the last; beyond either end gives EOF or BOF.
    void SetAbsolutePosition(long nRows);
    // Rows selected (rows deleted through this recordset included).
    long GetRecordCount() const noexcept;

    virtual void AddNew();
    virtual void Edit();
    // Writes the new row or the changed fields. FALSE when an edited row had no changed field.
    virtual BOOL Update();
    virtual void Delete();
    virtual void CancelUpdate();
    int GetEditMode() const noexcept;

    BOOL CanUpdate() const;
    BOOL CanAppend() const;
    BOOL CanScroll() const noexcept;
    BOOL CanRestart() const noexcept { return TRUE; }
    BOOL CanTransact() const noexcept;

    // pv is a bound field member; nullptr means every bound column.
    void SetFieldNull(void* pv, BOOL bNull = TRUE);
    BOOL IsFieldNull(void* pv) const;
    void SetFieldDirty(void* pv, BOOL bDirty = TRUE);
    BOOL IsFieldDirty(void* pv) const;
    // Parameter nIndex (0-based) is bound as NULL.
    void SetParamNull(int nIndex, BOOL bNull = TRUE);

    // The columns of the result (the hidden row locator not counted).
    short GetODBCFieldCount() const noexcept;
    void GetODBCFieldInfo(short nIndex, CODBCFieldInfo& fieldinfo) const;
    void GetODBCFieldInfo(LPCSTR lpszName, CODBCFieldInfo& fieldinfo) const;
    // A column of the current row; names compare without case and without [] or "".
    void GetFieldValue(short nIndex, CDBVariant& varValue, short nFieldType = DEFAULT_FIELD_TYPE) const;
    void GetFieldValue(LPCSTR lpszName, CDBVariant& varValue, short nFieldType = DEFAULT_FIELD_TYPE) const;
    void GetFieldValue(short nIndex, CString& strValue) const;
    void GetFieldValue(LPCSTR lpszName, CString& strValue) const;

    // The statement sent at the last Open or Requery, and the table it selects from (empty when the
    // statement is not a simple selection from one table).
    const CString& GetSQL() const noexcept;
    const CString& GetTableName() const noexcept;

    virtual CString GetDefaultConnect();
    virtual CString GetDefaultSQL();
    virtual void DoFieldExchange(CFieldExchange* pFX);

    CString m_strFilter;
    CString m_strSort;
    CDatabase* m_pDatabase;
    UINT m_nFields = 0;
    UINT m_nParams = 0;
    UINT m_nDefaultType = snapshot;
    // No statement stays open between calls (see above); kept for code that tests it.
    HSTMT m_hstmt = SQL_NULL_HSTMT;

private:
    struct Impl;
    struct Query;

    void CheckOpen() const;
    void CheckCurrent() const;
    void CheckScrollable() const;
    void CheckDatabase() const;
    void EnsureDatabase();
    void DescribeFields() const;
    Query BuildQuery(bool withLocator) const;
    void RunQuery();
    void ResetState() noexcept;
    void PositionFirst();
    void LoadCurrent();
    long NextRow(long from, int direction) const;
    void EndEditing();
    int FindColumn(const void* pv) const;
    int FindParam(const void* pv) const;
    // The column of a bound member; throws (AFX_SQL_ERROR_NO_SUCH_FIELD) when it is none.
    size_t ColumnOf(const void* pv) const;
    int FindResultColumn(LPCSTR lpszName) const;
    CDBVariant CurrentValue(size_t column) const;
    CString RowCondition(size_t row, std::vector<CDBVariant>& params) const;
    void CheckSingleRow(const CString& condition, const std::vector<CDBVariant>& params);
    // Throws unless count (rows changed or found) is 1.
    void CheckOneRow(SQLLEN count) const;
    void InsertRow(const std::vector<CDBVariant>& values);
    BOOL UpdateRow(const std::vector<CDBVariant>& values);

    std::unique_ptr<Impl> m_impl;
};
