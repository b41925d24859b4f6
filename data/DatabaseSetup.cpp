#include "data/DatabaseSetup.h"

#include "data/CLogDatabase.h"
#include "data/CVersionSet.h"
#include "data/FileDataSource.h"
#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"
#include "framework/db/COdbcApi.h"
#include "framework/db/COdbcHandle.h"
#include "framework/win/CWinApp.h"

namespace {

// Connects once with a connection string and disconnects; the handles go with the call.
SQLRETURN ConnectOnce(const CString& connect) {
    COdbcHandle env(SQL_HANDLE_ENV);
    COdbcHandle dbc(SQL_HANDLE_DBC);
    SQLRETURN rc = env.Alloc(SQL_NULL_HANDLE);
    if (SQL_SUCCEEDED(rc))
        rc = COdbcApi::SetEnvAttr(env.Get(), SQL_ATTR_ODBC_VERSION,
                                  reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), SQL_IS_INTEGER);
    if (SQL_SUCCEEDED(rc))
        rc = dbc.Alloc(env.Get());
    if (!SQL_SUCCEEDED(rc))
        return rc;
    CString prepared;
    try {
        prepared = CDatabase::PrepareConnectString(connect);
    } catch (CDBException* e) {
        e->Delete(); // a file the driver cannot reach is never handed to it
        return SQL_ERROR;
    }
    CString completed;
    rc = COdbcApi::DriverConnect(dbc.Get(), prepared, completed);
    if (SQL_SUCCEEDED(rc))
        COdbcApi::Disconnect(dbc.Get());
    return rc;
}

void DeleteAnyFile(const char* path) {
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL); // a read-only file cannot be deleted
    DeleteFileA(path);
}

// The shipped database: copied to the read-only template, and moved to the working database unless
// there already is one (which is never overwritten).
void PlaceInstalledDatabase(const CString& install, const CString& empty, const CString& working) {
    if (FileExists(empty))
        DeleteAnyFile(empty);
    CopyFileA(install, empty, FALSE);
    SetFileAttributesA(empty, FILE_ATTRIBUTE_READONLY);
    if (!FileExists(working)) {
        MoveFileA(install, working);
        SetFileAttributesA(working, FILE_ATTRIBUTE_NORMAL);
    } else {
        DeleteAnyFile(install);
    }
}

} // namespace

bool ConnectFileDsn(const char* name, short* sqlResult) {
    // A missing file cannot connect; asking the driver manager anyway would leave an empty file of that
    // name behind on some systems.
    const CString path = GetFileDsnPath(name);
    const SQLRETURN rc = FileExists(path)
                             ? ConnectOnce("FILEDSN=" + ConnectValue(path) + GetStoredCredentials() + ";")
                             : SQLRETURN{SQL_ERROR};
    if (sqlResult)
        *sqlResult = rc;
    return SQL_SUCCEEDED(rc);
}

bool CreateFileDsn(const char* name, const char* driver, const char* databasePath) {
    // Access names its database file DBQ, the other file database drivers Database.
    const char* fileKey = CString(driver).Find("Access") >= 0 ? "DBQ=" : "Database=";
    ConnectOnce("SAVEFILE=" + ConnectValue(GetFileDsnPath(name)) + ";DRIVER=" + ConnectValue(driver) + ";" +
                fileKey + ConnectValue(databasePath) + ";");
    short rc = 0;
    return ConnectFileDsn(name, &rc);
}

bool TestFileDsn(const CString& name, bool report) {
    short rc = 0;
    if (ConnectFileDsn(name, &rc))
        return true;
    if (report) {
        CString text;
        text.Format(
            "The File DSN \"%s\" does not exist, or cannot be used.\n\nYou may need to open the ODBC "
            "Administrator in the Control Panel to create a File DSN with this name.\n\nSQLDriverConnect "
            "error: (0x%08X).",
            static_cast<LPCSTR>(name), static_cast<unsigned>(static_cast<int>(rc)));
        AfxMessageBox(text, MB_ICONEXCLAMATION);
    }
    return false;
}

bool CreateDatabaseTemplate(const char* path) {
    const CString folder = GetFolderOfPath(path);
    CreateDirectoryA(folder, nullptr);
    // Only a file in an existing folder has a path the driver can use: under Wine a path that cannot be
    // translated would reach the driver as it stands and make a stray file elsewhere.
    const DWORD attributes = GetFileAttributesA(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    const CString file = CString(path).Mid(folder.GetLength());
    bool made = false;
    {
        CLogDatabase database;
        database.UseConnectString("ODBC;DRIVER=" + ConnectValue(GetDefaultDriverName()) +
                                      ";Database=" + ConnectValue(path) + ";",
                                  file);
        try {
            const CString connect = database.GetConnectString();
            database.Open(connect, FALSE, FALSE, connect, TRUE);
            made = database.ApplySchema(g_databaseSchema, false);
            if (made) {
                CVersionSet versions(&database);
                made = versions.AddVersion(GetProgramVersionNumber());
            }
        } catch (CException* e) {
            e->Delete();
            made = false;
        }
    }
    if (!made)
        DeleteAnyFile(path); // half a template must not pass for a whole one
    return made;
}

bool SetupDefaultDatabase() {
    const CString dataSource = GetDataSourceSetting();
    if (!dataSource.IsEmpty())
        return TestFileDsn(dataSource, true);

    RegWriteBool(REG_DATABASE, "Run compat.exe", true);
    CString folder;
    GetProgramFolder(folder);
    const CString install = folder + "Database tools\\Install.mdb";
    const CString empty = folder + "Database tools\\Empty.mdb";
    const CString working = folder + DEFAULT_DATABASE_FILE;
    // Without an installation that shipped the database, the program makes it.
    if (!FileExists(install))
        CreateDatabaseTemplate(install);
    if (FileExists(install))
        PlaceInstalledDatabase(install, empty, working);

    CString name;
    if (FileExists(working)) {
        name = DEFAULT_DATA_SOURCE;
        RegWriteString(REG_DATABASE, "DataSource", name);
        short rc = 0;
        if (!ConnectFileDsn(name, &rc))
            CreateFileDsn(name, GetDefaultDriverName(), working);
    }
    return TestFileDsn(name, true);
}
