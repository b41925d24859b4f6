#include "framework/db/COdbcApi.h"

#include <mutex>
#include <vector>

namespace {

struct FailurePlan {
    long from = 0; // first failing call number; 0 = none
    long to = 0;   // one past the last failing call number; 0 = unbounded
    CString state;
};

struct InjectedDiag {
    SQLHANDLE handle;
    CString state;
};

std::mutex g_lock;
long g_calls = 0;
FailurePlan g_plan;
std::vector<InjectedDiag> g_diags;

} // namespace

void COdbcApi::FailCall(long nth, LPCSTR sqlState, long count) {
    std::lock_guard guard(g_lock);
    g_plan.from = g_calls + (nth < 1 ? 1 : nth);
    g_plan.to = count < 0 ? 0 : g_plan.from + count;
    g_plan.state = sqlState;
}

void COdbcApi::ClearFailures() {
    std::lock_guard guard(g_lock);
    g_plan = FailurePlan{};
    g_diags.clear();
}

long COdbcApi::GetCallCount() {
    std::lock_guard guard(g_lock);
    return g_calls;
}

bool COdbcApi::Fails(SQLHANDLE handle) {
    std::lock_guard guard(g_lock);
    const long n = ++g_calls;
    if (g_plan.from == 0 || n < g_plan.from || (g_plan.to != 0 && n >= g_plan.to))
        return false;
    std::erase_if(g_diags, [handle](const InjectedDiag& d) { return d.handle == handle; });
    g_diags.push_back({handle, g_plan.state});
    return true;
}

bool COdbcApi::TakeInjectedDiag(SQLHANDLE handle, CString& sqlState, CString& message) {
    std::lock_guard guard(g_lock);
    for (auto it = g_diags.begin(); it != g_diags.end(); ++it) {
        if (it->handle == handle) {
            sqlState = it->state;
            message = "[Brindlemark][Fault injection] Injected failure";
            g_diags.erase(it);
            return true;
        }
    }
    return false;
}

SQLRETURN COdbcApi::AllocHandle(SQLSMALLINT type, SQLHANDLE input, SQLHANDLE* output) {
    if (Fails(input)) {
        *output = SQL_NULL_HANDLE;
        return SQL_ERROR;
    }
    return ::SQLAllocHandle(type, input, output);
}

SQLRETURN COdbcApi::FreeHandle(SQLSMALLINT type, SQLHANDLE handle) {
    {
        std::lock_guard guard(g_lock);
        std::erase_if(g_diags, [handle](const InjectedDiag& d) { return d.handle == handle; });
    }
    return ::SQLFreeHandle(type, handle);
}

SQLRETURN COdbcApi::SetEnvAttr(SQLHENV env, SQLINTEGER attribute, SQLPOINTER value, SQLINTEGER length) {
    return Fails(env) ? SQL_ERROR : ::SQLSetEnvAttr(env, attribute, value, length);
}

SQLRETURN COdbcApi::SetConnectAttr(SQLHDBC dbc, SQLINTEGER attribute, SQLPOINTER value, SQLINTEGER length) {
    return Fails(dbc) ? SQL_ERROR : ::SQLSetConnectAttr(dbc, attribute, value, length);
}

SQLRETURN COdbcApi::DriverConnect(SQLHDBC dbc, LPCSTR connect, CString& completed) {
    completed.Empty();
    if (Fails(dbc))
        return SQL_ERROR;
    std::vector<SQLCHAR> out(4096);
    SQLSMALLINT outLength = 0;
    const SQLRETURN rc =
        ::SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(const_cast<char*>(connect)), SQL_NTS,
                           out.data(), static_cast<SQLSMALLINT>(out.size()), &outLength, SQL_DRIVER_NOPROMPT);
    if (SQL_SUCCEEDED(rc))
        completed = reinterpret_cast<const char*>(out.data());
    return rc;
}

SQLRETURN COdbcApi::Disconnect(SQLHDBC dbc) {
    return ::SQLDisconnect(dbc);
}

SQLRETURN COdbcApi::GetInfo(SQLHDBC dbc, SQLUSMALLINT type, SQLPOINTER value, SQLSMALLINT size,
                            SQLSMALLINT* length) {
    return Fails(dbc) ? SQL_ERROR : ::SQLGetInfo(dbc, type, value, size, length);
}

SQLRETURN COdbcApi::EndTran(SQLHDBC dbc, SQLSMALLINT completion) {
    return Fails(dbc) ? SQL_ERROR : ::SQLEndTran(SQL_HANDLE_DBC, dbc, completion);
}

SQLRETURN COdbcApi::SetStmtAttr(SQLHSTMT stmt, SQLINTEGER attribute, SQLPOINTER value, SQLINTEGER length) {
    return Fails(stmt) ? SQL_ERROR : ::SQLSetStmtAttr(stmt, attribute, value, length);
}

SQLRETURN COdbcApi::ExecDirect(SQLHSTMT stmt, const char* sql, SQLINTEGER length) {
    return Fails(stmt) ? SQL_ERROR
                       : ::SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql)), length);
}

SQLRETURN COdbcApi::BindParameter(SQLHSTMT stmt, SQLUSMALLINT number, SQLSMALLINT cType, SQLSMALLINT sqlType,
                                  SQLULEN columnSize, SQLSMALLINT digits, SQLPOINTER value,
                                  SQLLEN bufferLength, SQLLEN* indicator) {
    return Fails(stmt) ? SQL_ERROR
                       : ::SQLBindParameter(stmt, number, SQL_PARAM_INPUT, cType, sqlType, columnSize, digits,
                                            value, bufferLength, indicator);
}

SQLRETURN COdbcApi::NumResultCols(SQLHSTMT stmt, SQLSMALLINT* count) {
    return Fails(stmt) ? SQL_ERROR : ::SQLNumResultCols(stmt, count);
}

SQLRETURN COdbcApi::DescribeCol(SQLHSTMT stmt, SQLUSMALLINT column, SQLCHAR* name, SQLSMALLINT nameSize,
                                SQLSMALLINT* nameLength, SQLSMALLINT* sqlType, SQLULEN* columnSize,
                                SQLSMALLINT* digits, SQLSMALLINT* nullable) {
    return Fails(stmt) ? SQL_ERROR
                       : ::SQLDescribeCol(stmt, column, name, nameSize, nameLength, sqlType, columnSize,
                                          digits, nullable);
}

SQLRETURN COdbcApi::BindCol(SQLHSTMT stmt, SQLUSMALLINT column, SQLSMALLINT cType, SQLPOINTER buffer,
                            SQLLEN bufferLength, SQLLEN* indicator) {
    return Fails(stmt) ? SQL_ERROR : ::SQLBindCol(stmt, column, cType, buffer, bufferLength, indicator);
}

SQLRETURN COdbcApi::Fetch(SQLHSTMT stmt) {
    return Fails(stmt) ? SQL_ERROR : ::SQLFetch(stmt);
}

SQLRETURN COdbcApi::GetData(SQLHSTMT stmt, SQLUSMALLINT column, SQLSMALLINT cType, SQLPOINTER buffer,
                            SQLLEN bufferLength, SQLLEN* indicator) {
    return Fails(stmt) ? SQL_ERROR : ::SQLGetData(stmt, column, cType, buffer, bufferLength, indicator);
}

SQLRETURN COdbcApi::RowCount(SQLHSTMT stmt, SQLLEN* rows) {
    return Fails(stmt) ? SQL_ERROR : ::SQLRowCount(stmt, rows);
}

SQLRETURN COdbcApi::MoreResults(SQLHSTMT stmt) {
    return Fails(stmt) ? SQL_ERROR : ::SQLMoreResults(stmt);
}

SQLRETURN COdbcApi::GetDiagRec(SQLSMALLINT type, SQLHANDLE handle, SQLSMALLINT record, CString& sqlState,
                               SQLINTEGER& native, CString& message) {
    SQLCHAR state[SQL_SQLSTATE_SIZE + 1] = {};
    std::vector<SQLCHAR> text(SQL_MAX_MESSAGE_LENGTH + 1);
    SQLSMALLINT length = 0;
    native = 0;
    SQLRETURN rc = ::SQLGetDiagRec(type, handle, record, state, &native, text.data(),
                                   static_cast<SQLSMALLINT>(text.size()), &length);
    if (rc == SQL_SUCCESS_WITH_INFO && length >= static_cast<SQLSMALLINT>(text.size())) {
        text.assign(static_cast<size_t>(length) + 1, 0);
        rc = ::SQLGetDiagRec(type, handle, record, state, &native, text.data(),
                             static_cast<SQLSMALLINT>(text.size()), &length);
    }
    sqlState = reinterpret_cast<const char*>(state);
    message = reinterpret_cast<const char*>(text.data());
    return rc;
}
