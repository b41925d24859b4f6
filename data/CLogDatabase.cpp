#include "data/CLogDatabase.h"

#include "data/CErrorList.h"
#include "data/CValidateDatabaseDlg.h"
#include "data/CVersionSet.h"
#include "data/FileDataSource.h"
#include "foundation/CAcxLogFile.h"
#include "foundation/LocaleFormat.h"
#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"
#include "framework/win/CWaitCursor.h"
#include "framework/win/CWinApp.h"

IMPLEMENT_DYNAMIC(CLogDatabase, CDatabase)

namespace {

CLogDatabase::ProgressFactory& Factory() {
    static CLogDatabase::ProgressFactory factory = &CValidateDatabaseDlg::Show;
    return factory;
}

// Lets the progress window repaint while the check waits; sleeps briefly when nothing is queued.
void PumpOneMessage() {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

CString ErrorText(const CException* e) {
    char text[10000] = {};
    e->GetErrorMessage(text, sizeof text);
    return text;
}

// Statements that only test whether a table or column answers select no rows, so that a large table
// costs nothing.
CString ProbeTable(const char* table) {
    return CString("SELECT * FROM \"") + table + "\" WHERE 1 = 0";
}

// Clears the check's pointer to its progress window when the window goes.
class ProgressScope {
public:
    ProgressScope(IValidateDatabaseProgress*& slot, std::unique_ptr<IValidateDatabaseProgress> window)
        : m_slot(slot), m_window(std::move(window)) {
        m_slot = m_window.get();
    }
    ~ProgressScope() { m_slot = nullptr; }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

private:
    IValidateDatabaseProgress*& m_slot;
    std::unique_ptr<IValidateDatabaseProgress> m_window;
};

} // namespace

void CLogDatabase::SetProgressFactory(ProgressFactory factory) {
    Factory() = factory ? std::move(factory) : &CValidateDatabaseDlg::Show;
}

CString CLogDatabase::GetConnectString() const {
    if (!m_explicitConnect.IsEmpty())
        return m_explicitConnect;
    CString dataSource = GetDataSourceSetting();
    if (dataSource.IsEmpty())
        dataSource = DEFAULT_DATA_SOURCE;
    return "ODBC;FILEDSN=" + ConnectValue(GetFileDsnPath(dataSource)) + GetStoredCredentials();
}

void CLogDatabase::UseConnectString(const char* connect, const char* name) {
    m_explicitConnect = connect;
    m_explicitName = name;
}

CString CLogDatabase::GetLogName() const {
    return m_explicitConnect.IsEmpty() ? GetDataSourceSetting() : m_explicitName;
}

CString CLogDatabase::GetUpdateLogPath() {
    CString folder;
    GetProgramFolder(folder);
    return folder + "Database tools\\Database updates.txt";
}

void CLogDatabase::WriteLog(const CString& text) {
    const CString path = GetUpdateLogPath();
    CreateDirectoryA(GetFolderOfPath(path), nullptr); // the log may be the first file of the folder
    CAcxLogFile log(path);
    log.Log("%s", static_cast<LPCSTR>(text));
}

BOOL CLogDatabase::OpenConnection(CDatabase& database) const {
    const CString connect = GetConnectString();
    return database.Open(connect, FALSE, FALSE, connect, TRUE);
}

bool CLogDatabase::TryOpenConnection(CDatabase& database) const {
    try {
        return OpenConnection(database) != FALSE;
    } catch (CException* e) {
        e->Delete();
        return false;
    }
}

bool CLogDatabase::IsAccess() const {
    if (!IsOpen())
        return false;
    CString name = GetDBMSName();
    name.MakeUpper();
    return name.Find("ACCESS") >= 0;
}

CString CLogDatabase::MapType(const char* type) const {
    if (IsAccess()) {
        if (CString(type).CompareNoCase("ntext") == 0)
            return "memo";
        if (CString(type).CompareNoCase("varchar(255)") == 0)
            return "text";
    }
    return type;
}

bool CLogDatabase::ColumnExists(const char* table, const char* column) {
    if (!IsOpen())
        return false;
    try {
        ExecuteSQL(CString("SELECT [") + column + "] FROM \"" + table + "\" WHERE 1 = 0");
        return true;
    } catch (CDBException* e) {
        e->Delete();
        return false;
    }
}

bool CLogDatabase::AddColumn(const char* table, const char* column, const char* type, bool report) {
    if (!IsOpen())
        return false;
    bool added = true;
    try {
        // Both names quoted: tables such as [Update] are named after reserved words.
        ExecuteSQL(CString("ALTER TABLE \"") + table + "\" ADD \"" + column + "\" " + type);
    } catch (CDBException* e) {
        const CString error = ErrorText(e);
        e->Delete();
        if (report)
            AfxMessageBox(error, MB_ICONEXCLAMATION);
        WriteLog(error + "\n");
        added = false;
    }
    CString line;
    if (added)
        line.Format("The column '%s' was added to '%s' in the data source '%s'.", column, table,
                    static_cast<LPCSTR>(GetLogName()));
    else
        line.Format("The column '%s' could not be added to '%s' in data source '%s'.  Make sure you have "
                    "rights to add new columns.",
                    column, table, static_cast<LPCSTR>(GetLogName()));
    WriteLog(line + "\n");
    return added;
}

bool CLogDatabase::EnsureColumn(const char* table, const char* column, const char* type, bool report) {
    if (ColumnExists(table, column))
        return true;
    const CString mapped = MapType(type);
    AddColumn(table, column, mapped, false);
    if (ColumnExists(table, column))
        return true;
    return AddColumn(table, column, mapped, report);
}

bool CLogDatabase::EnsureTable(const char* table, const char* column, const char* type, bool create) {
    CDatabase database;
    if (!TryOpenConnection(database))
        return false;
    try {
        database.ExecuteSQL(ProbeTable(table));
        database.Close();
        return true;
    } catch (CException* e) {
        e->Delete();
        database.Close();
    }
    if (!create)
        return false;

    if (!TryOpenConnection(database))
        return false;
    const CString mapped = MapType(type);
    bool created = CreateTable(database, table, column, mapped);
    if (!created && mapped.CompareNoCase("ntext") == 0)
        created = CreateTable(database, table, column, "text");
    if (database.IsOpen())
        database.Close();

    CString line;
    if (created)
        line.Format("The table: '%s' was added to the data source '%s'.", table,
                    static_cast<LPCSTR>(GetLogName()));
    else
        line.Format("The table: '%s' could not be added to the data source '%s'.  Make sure you have rights "
                    "to add new tables.",
                    table, static_cast<LPCSTR>(GetLogName()));
    WriteLog(line + "\n");
    return created;
}

bool CLogDatabase::CreateTable(CDatabase& database, const char* table, const char* column, const char* type) {
    try {
        database.ExecuteSQL(CString("CREATE TABLE \"") + table + "\" ( \"" + column + "\" " + type + " )");
        database.Close();
        // Created is not enough: the table counts only once this connection sees it.
        return WaitForTable(database, table, 5000);
    } catch (CException* e) {
        e->Delete();
        return false;
    }
}

bool CLogDatabase::WaitForTable(CDatabase& database, const char* table, DWORD ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        if (!OpenConnection(database)) {
            PumpOneMessage();
            continue;
        }
        try {
            // The program works through this connection, so this is the one that must see the table.
            CDatabase& asker = IsOpen() ? static_cast<CDatabase&>(*this) : database;
            asker.ExecuteSQL(ProbeTable(table));
            database.Close();
            return true;
        } catch (CDBException* e) {
            e->Delete();
            database.Close();
            PumpOneMessage();
        }
    }
    return false;
}

bool CLogDatabase::ApplySchema(const SchemaRow* rows, bool report) {
    int count = 0;
    while (rows[count].column && *rows[count].column)
        ++count;
    m_schemaRows = count;
    bool all = true;
    CString presentTable; // the table of the previous rows, when it was found or made
    for (int i = 0; i < count; ++i) {
        const SchemaRow& row = rows[i];
        // A table's rows are contiguous: once it is there, its further rows only need their columns,
        // which saves a connection per row.
        if (presentTable != row.table) {
            presentTable.Empty();
            if (EnsureTable(row.table, row.column, row.type, true))
                presentTable = row.table;
            else
                all = false;
        }
        if (!EnsureColumn(row.table, row.column, row.type, report))
            all = false;
        if (m_pProgress)
            m_pProgress->SetProgress(i + 1, count);
    }
    return all;
}

bool CLogDatabase::CheckCompatibility(bool force) {
    CWaitCursor wait;
    const double programVersion = GetProgramVersionNumber();
    CVersionSet versions;
    versions.m_pDatabase = this;
    if (!force && EnsureTable("Version", "", "", false) && versions.GetVersion() >= programVersion)
        return true;

    ProgressScope progress(m_pProgress, Factory()());
    bool openedHere = false;
    if (!IsOpen()) {
        if (!OpenConnection(*this))
            return false;
        openedHere = true;
    }
    bool result = ApplySchema(g_databaseSchema, true);
    if (openedHere)
        Close();
    RegWriteBool(REG_DATABASE, "Is DB compatible", result);

    const CString dataSource = GetLogName();
    if (!result) {
        CString detail;
        detail.Format("The data source %s cannot be verified to be compatible with this version of "
                      "Brindlemark!\n\nPlease see your database administrator.\nRefer to Database "
                      "tools\\Database updates.txt for details.",
                      static_cast<LPCSTR>(dataSource));
        CErrorList::Get().Add("Checking database compatibility", 0, detail);
    } else {
        result = versions.AddVersion(programVersion);
    }

    const CString version = AcxFormatNumber(programVersion, 2, 0);
    CString line;
    if (result)
        line.Format("The data source '%s' is compatible with version '%s' of this product.",
                    static_cast<LPCSTR>(dataSource), static_cast<LPCSTR>(version));
    else
        line.Format("The data source '%s' cannot be verified to be compatible with version '%s' of this "
                    "product.  Make sure you have rights to create new tables and add columns in the "
                    "database.",
                    static_cast<LPCSTR>(dataSource), static_cast<LPCSTR>(version));
    WriteLog(line + "\n\n");
    return result;
}
