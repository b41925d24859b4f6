// Every ODBC call of the database classes goes through here. Only the unsuffixed (ANSI in this build)
// entry points are used: Wine's ...A entry points are stubs that end the process.
//
// The class is also the test seam for failures: FailCall makes chosen calls fail with SQL_ERROR and a
// chosen SQLSTATE, exactly as a driver would report them (a lost connection, a timeout, a deadlock).
#pragma once

#include "framework/db/AfxDb.h"
#include "framework/core/CString.h"

class COdbcApi {
public:
    // Makes the nth counted call from now (1 = the next one) and the (count - 1) calls after it fail
    // with SQL_ERROR and the diagnostic sqlState / "Injected failure". count < 0: every call from the
    // nth on. Replaces an earlier request.
    static void FailCall(long nth, LPCSTR sqlState, long count = 1);
    static void ClearFailures();
    // Number of counted calls made so far in this process (handle releases and diagnostics are not
    // counted).
    static long GetCallCount();

    // The diagnostic of an injected failure on this handle, if the last failure on it was injected;
    // consumed by the call.
    static bool TakeInjectedDiag(SQLHANDLE handle, CString& sqlState, CString& message);

    static SQLRETURN AllocHandle(SQLSMALLINT type, SQLHANDLE input, SQLHANDLE* output);
    static SQLRETURN FreeHandle(SQLSMALLINT type, SQLHANDLE handle);
    static SQLRETURN SetEnvAttr(SQLHENV env, SQLINTEGER attribute, SQLPOINTER value, SQLINTEGER length);
    static SQLRETURN SetConnectAttr(SQLHDBC dbc, SQLINTEGER attribute, SQLPOINTER value, SQLINTEGER length);
    static SQLRETURN DriverConnect(SQLHDBC dbc, LPCSTR connect, CString& completed);
    static SQLRETURN Disconnect(SQLHDBC dbc);
    static SQLRETURN GetInfo(SQLHDBC dbc, SQLUSMALLINT type, SQLPOINTER value, SQLSMALLINT size,
                             SQLSMALLINT* length);
    static SQLRETURN EndTran(SQLHDBC dbc, SQLSMALLINT completion);
    static SQLRETURN SetStmtAttr(SQLHSTMT stmt, SQLINTEGER attribute, SQLPOINTER value, SQLINTEGER length);
    static SQLRETURN ExecDirect(SQLHSTMT stmt, const char* sql, SQLINTEGER length);
    static SQLRETURN BindParameter(SQLHSTMT stmt, SQLUSMALLINT number, SQLSMALLINT cType, SQLSMALLINT sqlType,
                                   SQLULEN columnSize, SQLSMALLINT digits, SQLPOINTER value,
                                   SQLLEN bufferLength, SQLLEN* indicator);
    static SQLRETURN NumResultCols(SQLHSTMT stmt, SQLSMALLINT* count);
    static SQLRETURN DescribeCol(SQLHSTMT stmt, SQLUSMALLINT column, SQLCHAR* name, SQLSMALLINT nameSize,
                                 SQLSMALLINT* nameLength, SQLSMALLINT* sqlType, SQLULEN* columnSize,
                                 SQLSMALLINT* digits, SQLSMALLINT* nullable);
    static SQLRETURN BindCol(SQLHSTMT stmt, SQLUSMALLINT column, SQLSMALLINT cType, SQLPOINTER buffer,
                             SQLLEN bufferLength, SQLLEN* indicator);
    static SQLRETURN Fetch(SQLHSTMT stmt);
    static SQLRETURN GetData(SQLHSTMT stmt, SQLUSMALLINT column, SQLSMALLINT cType, SQLPOINTER buffer,
                             SQLLEN bufferLength, SQLLEN* indicator);
    static SQLRETURN RowCount(SQLHSTMT stmt, SQLLEN* rows);
    static SQLRETURN MoreResults(SQLHSTMT stmt);
    static SQLRETURN GetDiagRec(SQLSMALLINT type, SQLHANDLE handle, SQLSMALLINT record, CString& sqlState,
                                SQLINTEGER& native, CString& message);

private:
    // Counts the call; true when it is to fail (the diagnostic is then recorded for the handle).
    static bool Fails(SQLHANDLE handle);
};
