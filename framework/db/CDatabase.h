// A connection to an ODBC data source. Recordsets run their statements through it; it also runs
// statements directly (ExecuteSQL) and controls transactions.
//
// Connection strings are passed to the driver manager as they are, with two adjustments: a leading
// "ODBC;" is dropped, and under Wine, where the drivers and the driver manager are Linux libraries,
// Windows paths in FILEDSN=, SAVEFILE= and (for SQLite drivers) Database=/DBQ= become Unix paths.
// The connection never prompts: missing information fails with a CDBException.
#pragma once

#include "framework/core/CDBException.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/db/AfxDb.h"
#include "framework/db/COdbcHandle.h"
#include "framework/db/CSqlDialect.h"

class CDatabase;
// See the end of this file.
[[noreturn]] void AFXAPI AfxThrowDBException(RETCODE nRetCode, CDatabase* pdb, HSTMT hstmt);

class CDatabase : public CObject {
    DECLARE_DYNAMIC(CDatabase)
public:
    enum DbOpenOptions {
        openExclusive = 0x0001, // accepted; ODBC has no exclusive connections
        openReadOnly = 0x0002,
        useCursorLib = 0x0004, // accepted; rows are always fetched into the recordset
        noOdbcDialog = 0x0008, // the connection never prompts in any case
        forceOdbcDialog = 0x0010,
    };

    CDatabase();
    ~CDatabase() override;

    // lpszConnect is a connection string ("ODBC;" prefix optional). lpszDSN, when given and not itself a
    // connection string, is added as DSN= unless lpszConnect already names a DSN, FILEDSN or DRIVER.
    // TRUE on success; throws CDBException when the connection fails.
    virtual BOOL Open(LPCSTR lpszDSN, BOOL bExclusive = FALSE, BOOL bReadOnly = FALSE,
                      LPCSTR lpszConnect = "ODBC;", BOOL bUseCursorLib = TRUE);
    virtual BOOL OpenEx(LPCSTR lpszConnectString, DWORD dwOptions = 0);
    // Rolls back an open transaction and disconnects. Harmless when not open.
    virtual void Close();
    BOOL IsOpen() const noexcept { return m_hdbc != SQL_NULL_HDBC; }

    // "ODBC;" + the connection string the driver completed.
    const CString& GetConnect() const noexcept { return m_strConnect; }
    // SQLGetInfo(SQL_DATABASE_NAME); empty when not open or not known.
    CString GetDatabaseName() const;
    // Answers of SQLGetInfo, read when the connection was made: "SQLite", "PostgreSQL", "ACCESS" ...
    const CString& GetDBMSName() const noexcept { return m_strDbmsName; }
    const CString& GetDriverName() const noexcept { return m_strDriverName; }
    // Any text answer of SQLGetInfo (SQL_DBMS_VER, SQL_IDENTIFIER_QUOTE_CHAR ...). Throws CDBException.
    CString GetInfoText(SQLUSMALLINT infoType) const;
    const CSqlDialect& GetDialect() const noexcept { return m_dialect; }

    // Whether the driver reads columns with SQLGetData beside bound ones: unbound columns in any order,
    // and bound ones again.
    bool CanGetDataAnyColumn() const noexcept { return m_bGetDataAnyColumn; }

    BOOL CanUpdate() const noexcept { return IsOpen() && !m_bReadOnly; }
    BOOL CanTransact() const noexcept { return IsOpen() && m_bCanTransact; }
    void SetLoginTimeout(DWORD dwSeconds) noexcept { m_dwLoginTimeout = dwSeconds; }
    void SetQueryTimeout(DWORD dwSeconds) noexcept { m_dwQueryTimeout = dwSeconds; }
    DWORD GetQueryTimeout() const noexcept { return m_dwQueryTimeout; }

    // Runs a statement that returns no rows (or whose rows are not wanted), after the dialect has
    // adapted it. Throws CDBException.
    void ExecuteSQL(LPCSTR lpszSQL);

    // Manual-commit mode until CommitTrans or Rollback. FALSE when the data source has no transactions or
    // one is already open. CommitTrans keeps the transaction open when the commit fails (throws), so that
    // the caller can roll it back. A connection that cannot return to automatic commits afterwards is
    // closed (CDBException), so that no later change waits for a commit that never comes.
    BOOL BeginTrans();
    BOOL CommitTrans();
    BOOL Rollback();
    BOOL IsTransactionPending() const noexcept { return m_bTransactionPending; }

    // Text for the driver and text from it. The Linux SQLite driver stores what it is given: text goes to
    // it as UTF-8 and comes back to this program's code page; other drivers convert themselves.
    CString ToDriverText(LPCSTR text) const;
    CString FromDriverText(LPCSTR text) const;

    // A Windows file path as the ODBC drivers and driver manager of this system need it: under Wine the
    // Unix path (kernel32's wine_get_unix_file_name), elsewhere the full Windows path. "" when Wine has no
    // Unix path for it (a drive without mapping, a missing folder): such a path must not reach the driver.
    static CString GetDriverFilePath(LPCSTR path);
    // The connection string with "ODBC;" removed and its file paths made driver paths (see above). Throws
    // CDBException (AFX_SQL_ERROR_CONNECT_FAIL) when a file path has no driver path.
    static CString PrepareConnectString(LPCSTR connect);

    HDBC m_hdbc = SQL_NULL_HDBC;

private:
    friend void AFXAPI AfxThrowDBException(RETCODE, CDatabase*, HSTMT);
    void Connect(const CString& connect, DWORD options);
    void ReadDataSourceInfo();
    void SetAutoCommit(bool on);
    void RestoreAutoCommit();
    void FreeHandles() noexcept;

    COdbcHandle m_env{SQL_HANDLE_ENV};
    COdbcHandle m_dbc{SQL_HANDLE_DBC};
    CString m_strConnect;
    CString m_strDbmsName;
    CString m_strDriverName;
    CSqlDialect m_dialect;
    DWORD m_dwLoginTimeout = 15;
    DWORD m_dwQueryTimeout = 15;
    bool m_bReadOnly = false;
    bool m_bCanTransact = false;
    bool m_bTransactionPending = false;
    bool m_bUtf8Driver = false;
    bool m_bGetDataAnyColumn = false;
};

// Throws a new CDBException for a failed ODBC call (nRetCode an SQLRETURN; the diagnostics are read from
// hstmt, else from the database's connection) or for a failure the framework found (nRetCode one of the
// AFX_SQL_ERROR_ codes). m_strError holds one line per diagnostic, "message (SQLSTATE xxxxx)";
// m_strStateNativeOrigin one "State:xxxxx,Native:n,Origin:[...]" line per diagnostic.
[[noreturn]] void AFXAPI AfxThrowDBException(RETCODE nRetCode, CDatabase* pdb, HSTMT hstmt);
