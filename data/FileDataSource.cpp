#include "data/FileDataSource.h"

#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"

CString GetFileDsnPath(const char* name) {
    CString path = name;
    if (path.IsEmpty())
        return path;
    if (path.FindOneOf("\\/:") < 0) {
        CString folder;
        GetProgramFolder(folder);
        path = folder + path;
    }
    if (path.GetLength() < 4 || path.Right(4).CompareNoCase(".dsn") != 0)
        path += ".dsn";
    return path;
}

CString GetDataSourceSetting() {
    CString name;
    RegReadString(REG_DATABASE, "DataSource", name);
    return name;
}

CString GetStoredCredentials() {
    CString stored, password;
    RegReadString(REG_DATABASE, "DriverSync", stored);
    if (!UnscrambleText(stored, password) || password.IsEmpty())
        return CString();
    CString user;
    RegReadString(REG_DATABASE, "Username", user);
    return ";UID=" + ConnectValue(user) + ";PWD=" + ConnectValue(password);
}

CString GetDefaultDriverName() {
    // Under Wine the drivers are those of the host's driver manager, registered under their short
    // names; Windows installs the same driver under its long name.
    const bool wine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    return wine ? "SQLite3" : "SQLite3 ODBC Driver";
}

CString ConnectValue(const char* value) {
    const CString text = value;
    const bool plain = text.FindOneOf(";{}") < 0 &&
                       (text.IsEmpty() || (text[0] != ' ' && text[text.GetLength() - 1] != ' '));
    return plain ? text : "{" + text + "}";
}
