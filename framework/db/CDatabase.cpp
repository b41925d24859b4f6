#include "framework/db/CDatabase.h"

#include "framework/db/COdbcApi.h"
#include "framework/db/COdbcStatement.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

IMPLEMENT_DYNAMIC(CDatabase, CObject)

namespace {

struct ConnectEntry {
    std::string key;
    std::string value;
    bool braced = false;
};

std::string Upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string Trim(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// KEY=VALUE;KEY={VALUE;WITH;SEMICOLONS};...
std::vector<ConnectEntry> ParseConnect(const std::string& s) {
    std::vector<ConnectEntry> entries;
    size_t i = 0;
    while (i < s.size()) {
        const size_t eq = s.find_first_of("=;", i);
        if (eq == std::string::npos || s[eq] == ';') {
            const std::string key = Trim(s.substr(i, eq == std::string::npos ? std::string::npos : eq - i));
            if (!key.empty())
                entries.push_back({key, {}, false});
            i = eq == std::string::npos ? s.size() : eq + 1;
            continue;
        }
        ConnectEntry entry{Trim(s.substr(i, eq - i)), {}, false};
        size_t v = eq + 1;
        while (v < s.size() && s[v] == ' ')
            ++v;
        if (v < s.size() && s[v] == '{') {
            entry.braced = true;
            const size_t close = s.find('}', v + 1);
            entry.value = s.substr(v + 1, close == std::string::npos ? std::string::npos : close - v - 1);
            i = close == std::string::npos ? s.size() : s.find(';', close);
            i = i == std::string::npos ? s.size() : i + 1;
        } else {
            const size_t end = s.find(';', v);
            entry.value = Trim(s.substr(v, end == std::string::npos ? std::string::npos : end - v));
            i = end == std::string::npos ? s.size() : end + 1;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string JoinConnect(const std::vector<ConnectEntry>& entries) {
    std::string s;
    for (const ConnectEntry& e : entries) {
        s += e.key + "=";
        const bool brace = e.braced || e.value.find_first_of(";{}") != std::string::npos ||
                           (!e.value.empty() && (e.value.front() == ' ' || e.value.back() == ' '));
        s += brace ? "{" + e.value + "}" : e.value;
        s += ";";
    }
    return s;
}

const ConnectEntry* FindEntry(const std::vector<ConnectEntry>& entries, const char* key) {
    for (const ConnectEntry& e : entries)
        if (Upper(e.key) == key)
            return &e;
    return nullptr;
}

CString StripOdbcPrefix(LPCSTR text) {
    CString s = text ? text : "";
    if (s.GetLength() >= 5 && s.Left(5).CompareNoCase("ODBC;") == 0)
        s = s.Mid(5);
    return s;
}

bool IsConnectString(LPCSTR text) {
    const CString s = text ? text : "";
    return s.GetLength() >= 5 && s.Left(5).CompareNoCase("ODBC;") == 0;
}

// The PostgreSQL name of this program's ANSI code page: the server converts text from and to it.
const char* PostgresEncoding(UINT codePage) {
    switch (codePage) {
    case 874:
        return "WIN874";
    case 866:
        return "WIN866";
    case 932:
        return "SJIS";
    case 936:
        return "GBK";
    case 949:
        return "UHC";
    case 950:
        return "BIG5";
    case 1250:
        return "WIN1250";
    case 1251:
        return "WIN1251";
    case 1252:
        return "WIN1252";
    case 1253:
        return "WIN1253";
    case 1254:
        return "WIN1254";
    case 1255:
        return "WIN1255";
    case 1256:
        return "WIN1256";
    case 1257:
        return "WIN1257";
    case 1258:
        return "WIN1258";
    case CP_UTF8:
        return "UTF8";
    default:
        return nullptr;
    }
}

CString Convert(LPCSTR text, UINT from, UINT to, DWORD fromFlags) {
    if (!text || !*text)
        return CString();
    // Plain ASCII is the same in UTF-8 and in every ANSI code page: most values need no conversion.
    const unsigned char* byte = reinterpret_cast<const unsigned char*>(text);
    while (*byte && *byte < 0x80)
        ++byte;
    if (!*byte)
        return CString(text);
    const int wideLength = MultiByteToWideChar(from, fromFlags, text, -1, nullptr, 0);
    if (wideLength <= 0)
        return CString(text); // not valid in the source encoding: keep the bytes
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(from, fromFlags, text, -1, wide.data(), wideLength);
    const int length = WideCharToMultiByte(to, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(to, 0, wide.c_str(), -1, out.data(), length, nullptr, nullptr);
    return CString(out.c_str());
}

CString FrameworkErrorText(RETCODE code) {
    switch (code) {
    case AFX_SQL_ERROR_CONNECT_FAIL:
        return "The connection to the data source failed.";
    case AFX_SQL_ERROR_RECORDSET_FORWARD_ONLY:
        return "The recordset can only move forward.";
    case AFX_SQL_ERROR_NO_CURRENT_RECORD:
        return "There is no current record.";
    case AFX_SQL_ERROR_RECORDSET_READONLY:
        return "The recordset cannot be changed.";
    case AFX_SQL_ERROR_NO_ROWS_AFFECTED:
        return "The record was not changed: another user has changed or deleted it.";
    case AFX_SQL_ERROR_MULTIPLE_ROWS_AFFECTED:
        return "The record cannot be told apart from other records with the same values; nothing was "
               "changed.";
    case AFX_SQL_ERROR_FIELD_SCHEMA_MISMATCH:
        return "The recordset's fields do not match the columns of the result.";
    case AFX_SQL_ERROR_ILLEGAL_MODE:
        return "Update was called without AddNew or Edit.";
    case AFX_SQL_ERROR_NO_DATA_FOUND:
        return "The recordset is already before its first or after its last record.";
    case AFX_SQL_ERROR_RECORDSET_NOT_OPEN:
        return "The recordset is not open.";
    case AFX_SQL_ERROR_DATABASE_NOT_OPEN:
        return "The database is not open.";
    case AFX_SQL_ERROR_EMPTY_SQL:
        return "The recordset has no table name or SQL statement.";
    case AFX_SQL_ERROR_NO_SUCH_FIELD:
        return "The recordset has no such field.";
    default:
        return "Database error.";
    }
}

// "[vendor][component]" prefixes of a diagnostic message.
CString OriginOf(const CString& message) {
    int end = 0;
    while (end < message.GetLength() && message[end] == '[') {
        const int close = message.Find(']', end);
        if (close < 0)
            break;
        end = close + 1;
    }
    return message.Left(end);
}

} // namespace

CDatabase::CDatabase() = default;

CDatabase::~CDatabase() {
    Close();
}

CString CDatabase::GetDriverFilePath(LPCSTR path) {
    CString full = path ? path : "";
    char buffer[MAX_PATH * 4] = {};
    if (!full.IsEmpty() && GetFullPathNameA(full, sizeof buffer, buffer, nullptr) > 0)
        full = buffer;
    using UnixName = char*(CDECL*)(LPCWSTR);
    const auto toUnix = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix || full.IsEmpty())
        return full; // Windows itself: the Windows path is the driver's path
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, full, -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_ACP, 0, full, -1, wide.data(), wideLength);
    char* unixPath = toUnix(wide.c_str());
    if (!unixPath)
        return CString();      // handed on as it stands, the host's driver would make a file named "X:\..."
    CString result = unixPath; // UTF-8, as the Linux side reads file names
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

CString CDatabase::PrepareConnectString(LPCSTR connect) {
    std::vector<ConnectEntry> entries = ParseConnect(StripOdbcPrefix(connect).GetString());
    const ConnectEntry* driver = FindEntry(entries, "DRIVER");
    const bool sqlite = driver && Upper(driver->value).find("SQLITE") != std::string::npos;
    bool changed = false;
    for (ConnectEntry& e : entries) {
        const std::string key = Upper(e.key);
        std::string& v = e.value;
        if (v.empty() || v.front() == '/')
            continue; // nothing, or already a Unix path
        bool convert = false;
        if (key == "FILEDSN" || key == "SAVEFILE")
            convert = v.find_first_of("\\/:") != std::string::npos; // a bare name lives in the DSN folder
        else if (sqlite && (key == "DATABASE" || key == "DBQ"))
            convert = v.front() != ':'; // ":memory:" is no file
        if (convert) {
            const CString path = GetDriverFilePath(v.c_str());
            if (path.IsEmpty()) {
                auto* e = new CDBException(AFX_SQL_ERROR_CONNECT_FAIL);
                e->m_strError.Format("The file \"%s\" cannot be used: its folder or drive is not available "
                                     "to the database driver.",
                                     v.c_str());
                throw e;
            }
            v = path.GetString();
            changed = true;
        }
    }
    return changed ? CString(JoinConnect(entries).c_str()) : StripOdbcPrefix(connect);
}

BOOL CDatabase::Open(LPCSTR lpszDSN, BOOL bExclusive, BOOL bReadOnly, LPCSTR lpszConnect,
                     BOOL bUseCursorLib) {
    CString connect = StripOdbcPrefix(lpszConnect);
    if (IsConnectString(lpszDSN)) {
        if (connect.IsEmpty())
            connect = StripOdbcPrefix(lpszDSN);
    } else if (lpszDSN && *lpszDSN) {
        const std::vector<ConnectEntry> entries = ParseConnect(connect.GetString());
        if (!FindEntry(entries, "DSN") && !FindEntry(entries, "FILEDSN") && !FindEntry(entries, "DRIVER"))
            connect = CString("DSN=") + lpszDSN + (connect.IsEmpty() ? "" : ";") + connect;
    }
    DWORD options = noOdbcDialog;
    if (bExclusive)
        options |= openExclusive;
    if (bReadOnly)
        options |= openReadOnly;
    if (bUseCursorLib)
        options |= useCursorLib;
    return OpenEx(connect, options);
}

BOOL CDatabase::OpenEx(LPCSTR lpszConnectString, DWORD dwOptions) {
    Close();
    try {
        Connect(PrepareConnectString(lpszConnectString), dwOptions);
        ReadDataSourceInfo();
    } catch (CDBException*) {
        Close();
        throw;
    }
    m_bReadOnly = m_bReadOnly || (dwOptions & openReadOnly) != 0;
    return TRUE;
}

void CDatabase::Connect(const CString& connect, DWORD options) {
    SQLRETURN rc = m_env.Alloc(SQL_NULL_HANDLE);
    if (!SQL_SUCCEEDED(rc))
        AfxThrowDBException(rc, this, SQL_NULL_HSTMT);
    rc = COdbcApi::SetEnvAttr(m_env.Get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3),
                              0);
    if (!SQL_SUCCEEDED(rc))
        AfxThrowDBException(rc, this, SQL_NULL_HSTMT);
    rc = m_dbc.Alloc(m_env.Get());
    if (!SQL_SUCCEEDED(rc))
        AfxThrowDBException(rc, this, SQL_NULL_HSTMT);
    // Drivers without these attributes refuse them; the connection is made all the same.
    if (m_dwLoginTimeout != 0)
        COdbcApi::SetConnectAttr(m_dbc.Get(), SQL_ATTR_LOGIN_TIMEOUT,
                                 reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(m_dwLoginTimeout)),
                                 SQL_IS_UINTEGER);
    if (options & openReadOnly)
        COdbcApi::SetConnectAttr(m_dbc.Get(), SQL_ATTR_ACCESS_MODE,
                                 reinterpret_cast<SQLPOINTER>(SQL_MODE_READ_ONLY), SQL_IS_UINTEGER);
    CString completed;
    rc = COdbcApi::DriverConnect(m_dbc.Get(), connect, completed);
    if (!SQL_SUCCEEDED(rc))
        AfxThrowDBException(rc, this, SQL_NULL_HSTMT);
    m_hdbc = m_dbc.Get();
    m_strConnect = "ODBC;" + completed;
}

void CDatabase::ReadDataSourceInfo() {
    m_strDbmsName = GetInfoText(SQL_DBMS_NAME);
    m_strDriverName = GetInfoText(SQL_DRIVER_NAME);
    m_dialect = CSqlDialect::FromDbmsName(m_strDbmsName);
    CString driver = m_strDriverName;
    driver.MakeLower();
    m_bUtf8Driver = m_dialect.GetEngine() == CSqlDialect::engineSQLite && driver.Find(".so") >= 0;

    SQLUSMALLINT txn = SQL_TC_NONE;
    SQLRETURN rc = COdbcApi::GetInfo(m_hdbc, SQL_TXN_CAPABLE, &txn, sizeof txn, nullptr);
    if (!SQL_SUCCEEDED(rc))
        AfxThrowDBException(rc, this, SQL_NULL_HSTMT);
    m_bCanTransact = txn != SQL_TC_NONE;
    SQLUINTEGER getData = 0;
    rc = COdbcApi::GetInfo(m_hdbc, SQL_GETDATA_EXTENSIONS, &getData, sizeof getData, nullptr);
    if (!SQL_SUCCEEDED(rc))
        AfxThrowDBException(rc, this, SQL_NULL_HSTMT);
    // Bound columns beside unbound ones need both: reads of columns before a bound one, and a second read
    // of a bound text that did not fit its buffer.
    constexpr SQLUINTEGER boundAndAnyColumn = SQL_GD_ANY_COLUMN | SQL_GD_BOUND;
    m_bGetDataAnyColumn = (getData & boundAndAnyColumn) == boundAndAnyColumn;
    m_bReadOnly = GetInfoText(SQL_DATA_SOURCE_READ_ONLY) == "Y";

    if (m_dialect.GetEngine() == CSqlDialect::enginePostgreSQL) {
        // The server converts between its encoding and this program's code page.
        if (const char* encoding = PostgresEncoding(GetACP()))
            ExecuteSQL(CString("SET client_encoding TO '") + encoding + "'");
    }
}

void CDatabase::Close() {
    if (m_hdbc != SQL_NULL_HDBC) {
        if (m_bTransactionPending)
            COdbcApi::EndTran(m_hdbc, SQL_ROLLBACK);
        COdbcApi::Disconnect(m_hdbc);
    }
    FreeHandles();
}

void CDatabase::FreeHandles() noexcept {
    m_dbc.Free();
    m_env.Free();
    m_hdbc = SQL_NULL_HDBC;
    m_strConnect.Empty();
    m_strDbmsName.Empty();
    m_strDriverName.Empty();
    m_dialect = CSqlDialect();
    m_bReadOnly = false;
    m_bCanTransact = false;
    m_bTransactionPending = false;
    m_bUtf8Driver = false;
    m_bGetDataAnyColumn = false;
}

CString CDatabase::GetInfoText(SQLUSMALLINT infoType) const {
    if (!IsOpen())
        AfxThrowDBException(AFX_SQL_ERROR_DATABASE_NOT_OPEN, const_cast<CDatabase*>(this), SQL_NULL_HSTMT);
    std::vector<char> buffer(1024);
    SQLSMALLINT length = 0;
    SQLRETURN rc =
        COdbcApi::GetInfo(m_hdbc, infoType, buffer.data(), static_cast<SQLSMALLINT>(buffer.size()), &length);
    if (rc == SQL_SUCCESS_WITH_INFO && length >= static_cast<SQLSMALLINT>(buffer.size())) {
        buffer.assign(static_cast<size_t>(length) + 1, 0);
        rc = COdbcApi::GetInfo(m_hdbc, infoType, buffer.data(), static_cast<SQLSMALLINT>(buffer.size()),
                               &length);
    }
    if (!SQL_SUCCEEDED(rc))
        AfxThrowDBException(rc, const_cast<CDatabase*>(this), SQL_NULL_HSTMT);
    return FromDriverText(buffer.data());
}

CString CDatabase::GetDatabaseName() const {
    if (!IsOpen())
        return CString();
    try {
        return GetInfoText(SQL_DATABASE_NAME);
    } catch (CDBException* e) {
        e->Delete();
        return CString();
    }
}

void CDatabase::ExecuteSQL(LPCSTR lpszSQL) {
    COdbcStatement statement(*this);
    statement.Execute(m_dialect.Translate(lpszSQL));
}

void CDatabase::SetAutoCommit(bool on) {
    const SQLRETURN rc = COdbcApi::SetConnectAttr(
        m_hdbc, SQL_ATTR_AUTOCOMMIT,
        reinterpret_cast<SQLPOINTER>(on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF), SQL_IS_UINTEGER);
    if (!SQL_SUCCEEDED(rc))
        AfxThrowDBException(rc, this, SQL_NULL_HSTMT);
}

BOOL CDatabase::BeginTrans() {
    if (!CanTransact() || m_bTransactionPending)
        return FALSE;
    SetAutoCommit(false);
    m_bTransactionPending = true;
    return TRUE;
}

BOOL CDatabase::CommitTrans() {
    if (!IsOpen() || !m_bTransactionPending)
        return FALSE;
    const SQLRETURN rc = COdbcApi::EndTran(m_hdbc, SQL_COMMIT);
    if (!SQL_SUCCEEDED(rc))
        AfxThrowDBException(rc, this, SQL_NULL_HSTMT);
    m_bTransactionPending = false;
    RestoreAutoCommit();
    return TRUE;
}

BOOL CDatabase::Rollback() {
    if (!IsOpen() || !m_bTransactionPending)
        return FALSE;
    const SQLRETURN rc = COdbcApi::EndTran(m_hdbc, SQL_ROLLBACK);
    m_bTransactionPending = false;
    // Back to automatic commits even when the rollback failed: the driver has ended the transaction or
    // the connection is gone.
    RestoreAutoCommit();
    if (!SQL_SUCCEEDED(rc))
        AfxThrowDBException(rc, this, SQL_NULL_HSTMT);
    return TRUE;
}

void CDatabase::RestoreAutoCommit() {
    SQLRETURN rc = SQL_ERROR;
    for (int attempt = 0; attempt < 2 && !SQL_SUCCEEDED(rc); ++attempt)
        rc = COdbcApi::SetConnectAttr(m_hdbc, SQL_ATTR_AUTOCOMMIT,
                                      reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), SQL_IS_UINTEGER);
    if (SQL_SUCCEEDED(rc))
        return;
    // A connection stuck in manual commits would silently lose every later change: give it up (the
    // driver rolls back what is open) so that the next use reconnects.
    CDBException* e = nullptr;
    try {
        AfxThrowDBException(rc, this, SQL_NULL_HSTMT);
    } catch (CDBException* thrown) {
        e = thrown;
    }
    Close();
    throw e;
}

CString CDatabase::ToDriverText(LPCSTR text) const {
    return m_bUtf8Driver ? Convert(text, CP_ACP, CP_UTF8, 0) : CString(text);
}

CString CDatabase::FromDriverText(LPCSTR text) const {
    return m_bUtf8Driver ? Convert(text, CP_UTF8, CP_ACP, MB_ERR_INVALID_CHARS) : CString(text);
}

void AFXAPI AfxThrowDBException(RETCODE nRetCode, CDatabase* pdb, HSTMT hstmt) {
    auto* e = new CDBException(nRetCode);
    if (nRetCode >= AFX_SQL_ERROR) {
        e->m_strError = FrameworkErrorText(nRetCode);
        throw e;
    }

    SQLSMALLINT type = SQL_HANDLE_STMT;
    SQLHANDLE handle = hstmt;
    if (!handle && pdb && pdb->m_dbc) {
        type = SQL_HANDLE_DBC;
        handle = pdb->m_dbc.Get();
    }
    if (!handle && pdb && pdb->m_env) {
        type = SQL_HANDLE_ENV;
        handle = pdb->m_env.Get();
    }

    auto addRecord = [&](const CString& state, SQLINTEGER native, const CString& message) {
        CString text = message;
        text.TrimRight();
        CString line;
        line.Format("%s (SQLSTATE %s)", static_cast<LPCSTR>(text), static_cast<LPCSTR>(state));
        if (!e->m_strError.IsEmpty())
            e->m_strError += "\n";
        e->m_strError += line;
        CString origin;
        origin.Format("State:%s,Native:%ld,Origin:%s\n", static_cast<LPCSTR>(state),
                      static_cast<long>(native), static_cast<LPCSTR>(OriginOf(text)));
        e->m_strStateNativeOrigin += origin;
    };

    CString state, message;
    if (COdbcApi::TakeInjectedDiag(handle, state, message)) {
        addRecord(state, 0, message);
    } else if (handle) {
        for (SQLSMALLINT record = 1;; ++record) {
            SQLINTEGER native = 0;
            if (!SQL_SUCCEEDED(COdbcApi::GetDiagRec(type, handle, record, state, native, message)))
                break;
            addRecord(state, native, pdb ? pdb->FromDriverText(message) : message);
        }
    }
    if (e->m_strError.IsEmpty())
        e->m_strError.Format("The ODBC call failed (return code %d).", static_cast<int>(nRetCode));
    throw e;
}
