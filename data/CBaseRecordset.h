// The base of every table's recordset. Adds to CRecordset: no opening at all while the program works
// offline, a connection test before the first open, failures reported to the error list instead of
// thrown, the connection string of the program's database, a refresh that falls back to reopening,
// finding and deleting a row by its GUID column, and loading every row of a filter into a target.
#pragma once

#include "framework/db/CRecordset.h"

class CBaseRecordset : public CRecordset {
    DECLARE_DYNAMIC(CBaseRecordset)
public:
    // pDatabase: normally the program's CLogDatabase.
    explicit CBaseRecordset(CDatabase* pDatabase = nullptr);

    // FALSE while offline; FALSE (and an entry in the error list) when the open fails.
    BOOL Open(UINT nOpenType = AFX_DB_USE_DEFAULT_TYPE, LPCSTR lpszSQL = nullptr,
              DWORD dwOptions = none) override;
    // The connection string of the program's database; "ODBC;DSN=" without one.
    CString GetDefaultConnect() override;

    // Connects once to the data source and disconnects; report files a failure in the error list.
    bool TestConnection(bool report);
    // Requeries, or reopens when that is not possible; dropping filter and sort when even that fails.
    BOOL Refresh();

    // Selects the row with this GUID (exactly, case counts) and stays open on it; false when there is
    // none or the set cannot be opened.
    virtual bool FindByGUID(const CString& guid);
    // Deletes the row with this GUID; true also when there is none. Database errors go to
    // OnDatabaseError with context; false when context is null.
    virtual bool DeleteByGUID(CObject* context, const CString& guid);
    // Files a database error in the error list (when both are given).
    virtual void OnDatabaseError(CObject* context, CDBException* e);
    // The GUID field member of the set ("none" here: the base has none).
    virtual CString GetGUID() const;
    virtual void SetGUID(const CString& guid);
    // Whether the set can be opened; false when target is null.
    virtual bool CanOpen(CObject* target);
    // Hands every row of GetLoadFilter(target) to TransferRow; false when target is null or the set
    // cannot be opened or read.
    virtual bool LoadAll(CObject* target);
    // Copies the current row into target; the base copies nothing.
    virtual void TransferRow(CObject* target);
    virtual CString GetLoadFilter(CObject* target);

    // Set by the start-up when the user chose to work without the database: no recordset opens.
    static inline bool offline = false;
    // The last successful connection test found a Microsoft Access data source.
    static inline bool accessDataSource = false;

protected:
    // Adds caption, the exception's return code and its message to the error list.
    static void ReportDatabaseError(const char* caption, const CDBException* e);
    // Opens the set afresh on the rows of filter, unsorted (closing it first when it is open).
    BOOL Reopen(const CString& filter = CString());
    // Runs work on the open set and closes the set; false when work threw a CDBException, which is
    // discarded without a report.
    template <typename Work> bool RunAndClose(Work work) {
        bool done = true;
        try {
            work();
        } catch (CDBException* e) {
            e->Delete();
            done = false;
        }
        Close();
        return done;
    }
    // Runs work (which returns bool); a CDBException from it goes to OnDatabaseError with context, and the
    // set is closed and the result false.
    template <typename Work> bool RunReported(CObject* context, Work work) {
        try {
            return work();
        } catch (CDBException* e) {
            OnDatabaseError(context, e);
            e->Delete();
            Close();
            return false;
        }
    }

private:
    DWORD m_openOptions = none;
};
