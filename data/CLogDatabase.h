// The program's database: the connection to the configured ODBC data source, and the schema that the
// program needs there. The compatibility check brings an older data source up to this version of the
// program (missing tables and columns are added), records the version in [Version] and writes what it
// did to the update log "Database tools\Database updates.txt" in the program folder.
#pragma once

#include "data/DatabaseSchema.h"
#include "data/IValidateDatabaseProgress.h"
#include "framework/db/CDatabase.h"

#include <functional>
#include <memory>

class CLogDatabase : public CDatabase {
    DECLARE_DYNAMIC(CLogDatabase)
public:
    CLogDatabase() = default;

    // "ODBC;FILEDSN=<file of the configured data source>", plus the stored user and password when a
    // password is stored.
    CString GetConnectString() const;
    // Connects to this connection string instead of the configured data source (the program's own
    // database files, tools); name stands for the data source in the update log.
    void UseConnectString(const char* connect, const char* name);

    // True when connected to a Microsoft Access data source (its types are named differently).
    bool IsAccess() const;

    bool ColumnExists(const char* table, const char* column);
    // Adds the column and logs the outcome; report shows the driver's message when it fails. False at
    // once when not connected.
    bool AddColumn(const char* table, const char* column, const char* type, bool report);
    // The column exists afterwards.
    bool EnsureColumn(const char* table, const char* column, const char* type, bool report);
    // The table exists afterwards (create: made with this first column when missing). Works on a
    // connection of its own.
    bool EnsureTable(const char* table, const char* column, const char* type, bool create);
    // Creates the table on database (connected) and waits until this connection sees it.
    bool CreateTable(CDatabase& database, const char* table, const char* column, const char* type);
    // Reopens database and asks for the table (through this connection when it is open) until it
    // answers or ms milliseconds have passed; whether it answered.
    bool WaitForTable(CDatabase& database, const char* table, DWORD ms);
    // Ensures every table and column of rows; true only when every row succeeded.
    bool ApplySchema(const SchemaRow* rows, bool report);
    // Upgrades the data source when it carries an older version than the program (or always with force).
    bool CheckCompatibility(bool force);

    // Rows of the schema being applied.
    int GetSchemaRowCount() const noexcept { return m_schemaRows; }

    static CString GetUpdateLogPath();

    // Makes the progress window of the check: the "Validating Database" window unless another factory
    // is set (an empty one sets that window back); a factory may return nullptr to show nothing.
    using ProgressFactory = std::function<std::unique_ptr<IValidateDatabaseProgress>()>;
    static void SetProgressFactory(ProgressFactory factory);

private:
    BOOL OpenConnection(CDatabase& database) const;
    // The same; false also when the open throws.
    bool TryOpenConnection(CDatabase& database) const;
    CString MapType(const char* type) const;
    CString GetLogName() const;
    static void WriteLog(const CString& text);

    int m_schemaRows = 0;
    IValidateDatabaseProgress* m_pProgress = nullptr;
    CString m_explicitConnect;
    CString m_explicitName;
};
