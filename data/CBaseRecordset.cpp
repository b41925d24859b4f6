#include "data/CBaseRecordset.h"

#include "data/CErrorList.h"
#include "data/CLogDatabase.h"
#include "data/FileDataSource.h"
#include "foundation/Registry.h"
#include "framework/db/COdbcApi.h"
#include "framework/db/COdbcHandle.h"
#include "framework/db/CSqlDialect.h"

IMPLEMENT_DYNAMIC(CBaseRecordset, CRecordset)

namespace {

CString ErrorMessage(const CException* e) {
    char text[10000] = {};
    e->GetErrorMessage(text, sizeof text);
    return text;
}

CString CannotOpenText(const CString& dataSource) {
    CString text;
    text.Format(
        "Database: %s.  The database cannot be opened.  You may need to use the ODBC Administrator in "
        "the control panel to correct the problem.  The database for this program is specified in "
        "the Options dialog of Brindlemark.",
        static_cast<LPCSTR>(dataSource));
    return text;
}

// "text" occurs in where at a position after its first character.
bool ContainsAfterStart(const CString& where, const char* text) {
    return where.Find(text) > 0;
}

} // namespace

CBaseRecordset::CBaseRecordset(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_nDefaultType = snapshot;
}

CString CBaseRecordset::GetDefaultConnect() {
    if (const auto* database = dynamic_cast<CLogDatabase*>(m_pDatabase))
        return database->GetConnectString();
    if (m_pDatabase && m_pDatabase->IsOpen())
        return m_pDatabase->GetConnect();
    return "ODBC;DSN=";
}

BOOL CBaseRecordset::Open(UINT nOpenType, LPCSTR lpszSQL, DWORD dwOptions) {
    if (offline)
        return FALSE;
    const CString dataSource = GetDataSourceSetting();
    bool suppress = false;
    RegReadBool(REG_PREFS, "Supress errors", &suppress);
    if (m_pDatabase && !m_pDatabase->IsOpen() && !TestConnection(suppress) && suppress)
        return FALSE;

    BOOL opened = FALSE;
    CString detail;
    long code = 0;
    try {
        opened = CRecordset::Open(nOpenType, lpszSQL, dwOptions);
        m_openOptions = dwOptions;
    } catch (CDBException* e) {
        detail = ErrorMessage(e);
        code = e->m_nRetCode;
        e->Delete();
        opened = FALSE;
    }
    if (!opened) {
        if (detail.IsEmpty())
            detail = CannotOpenText(dataSource);
        CErrorList::Get().Add("Opening database " + GetDefaultSQL(), code, detail);
    }
    return opened;
}

bool CBaseRecordset::TestConnection(bool report) {
    accessDataSource = false;
    CString connect = GetDefaultConnect();
    if (connect.Find("ODBC;") >= 0)
        connect = connect.Right(connect.GetLength() - 5);
    SQLRETURN rc = SQL_SUCCESS;
    try {
        connect = CDatabase::PrepareConnectString(connect);
    } catch (CDBException* e) {
        e->Delete(); // a file the driver cannot reach: the test fails like any connection
        rc = SQL_ERROR;
    }

    // The handles are freed when the test ends, whatever its outcome.
    COdbcHandle env(SQL_HANDLE_ENV);
    COdbcHandle dbc(SQL_HANDLE_DBC);
    if (SQL_SUCCEEDED(rc))
        rc = env.Alloc(SQL_NULL_HANDLE);
    if (SQL_SUCCEEDED(rc))
        rc = COdbcApi::SetEnvAttr(env.Get(), SQL_ATTR_ODBC_VERSION,
                                  reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), SQL_IS_INTEGER);
    if (SQL_SUCCEEDED(rc))
        rc = dbc.Alloc(env.Get());
    CString completed;
    if (SQL_SUCCEEDED(rc))
        rc = COdbcApi::DriverConnect(dbc.Get(), connect, completed);
    if (SQL_SUCCEEDED(rc)) {
        COdbcApi::Disconnect(dbc.Get());
        accessDataSource =
            ContainsAfterStart(completed, "*.mdb") || ContainsAfterStart(completed, "Microsoft Access");
        return true;
    }
    if (report)
        CErrorList::Get().Add("Opening database", static_cast<long>(GetLastError()),
                              CannotOpenText(GetDataSourceSetting()));
    return false;
}

BOOL CBaseRecordset::Refresh() {
    if (IsOpen() && !(m_openOptions & executeDirect) && Requery())
        return TRUE;
    if (IsOpen())
        Close();
    Open();
    if (!IsOpen()) {
        m_strFilter.Empty();
        m_strSort.Empty();
        Open();
    }
    return IsOpen();
}

bool CBaseRecordset::FindByGUID(const CString& guid) {
    m_strFilter = "GUID = " + CSqlDialect::QuoteText(guid);
    if (!(IsOpen() && !(m_openOptions & executeDirect) && Requery())) {
        if (IsOpen())
            Close();
        Open();
    }
    if (!IsOpen()) {
        m_strFilter.Empty(); // the sort stays: only the filter can have made the open fail
        Open();
    }
    // Without a current row the field member still holds an earlier row's value.
    if (!IsOpen() || IsEOF() || IsBOF())
        return false;
    return GetGUID() == guid;
}

bool CBaseRecordset::DeleteByGUID(CObject* context, const CString& guid) {
    if (!context)
        return false;
    return RunReported(context, [&] {
        if (!Open())
            return false;
        if (FindByGUID(guid)) {
            Delete();
            MoveNext();
        }
        Close();
        return true;
    });
}

void CBaseRecordset::OnDatabaseError(CObject* context, CDBException* e) {
    if (context && e)
        ReportDatabaseError("Database error", e);
}

void CBaseRecordset::ReportDatabaseError(const char* caption, const CDBException* e) {
    CErrorList::Get().Add(caption, e->m_nRetCode, ErrorMessage(e));
}

CString CBaseRecordset::GetGUID() const {
    return "none";
}

void CBaseRecordset::SetGUID(const CString&) {}

bool CBaseRecordset::CanOpen(CObject* target) {
    if (!target)
        return false;
    return RunReported(target, [&] {
        if (!Open())
            return false;
        Close();
        return true;
    });
}

bool CBaseRecordset::LoadAll(CObject* target) {
    if (!target)
        return false;
    if (!Reopen(GetLoadFilter(target)))
        return false;
    // A row that cannot be read ends the load; the caller sees the false result.
    return RunAndClose([&] {
        while (!IsEOF()) {
            TransferRow(target);
            MoveNext();
        }
    });
}

BOOL CBaseRecordset::Reopen(const CString& filter) {
    m_strFilter = filter;
    m_strSort.Empty();
    if (IsOpen())
        Close();
    return Open();
}

void CBaseRecordset::TransferRow(CObject*) {}

CString CBaseRecordset::GetLoadFilter(CObject*) {
    return CString();
}
