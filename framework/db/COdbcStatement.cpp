#include "framework/db/COdbcStatement.h"

#include "framework/db/CDatabase.h"
#include "framework/db/COdbcApi.h"
#include "framework/db/CRowStore.h"

#include <algorithm>
#include <cstring>

struct COdbcStatement::Param {
    CDBVariant value;
    SQLSMALLINT nullSqlType = SQL_VARCHAR;
    // The buffers the driver reads the value from.
    std::string bytes; // text and binary data, timestamps as text
    TIMESTAMP_STRUCT timestamp{};
    long number = 0;
    short smallNumber = 0;
    float single = 0;
    double real = 0;
    SQLLEN indicator = 0;
    // How the value is bound.
    SQLSMALLINT cType = SQL_C_CHAR;
    SQLSMALLINT sqlType = SQL_VARCHAR;
    SQLULEN size = 0;
    SQLSMALLINT digits = 0;
    SQLPOINTER data = nullptr;
    SQLLEN bufferLength = 0;

    template <typename T> void BindFixed(T& slot, T fixed, SQLSMALLINT c, SQLSMALLINT sql) {
        slot = fixed;
        cType = c;
        sqlType = sql;
        data = &slot;
    }
    void BindBytes(std::string text, SQLSMALLINT c, SQLSMALLINT sql) {
        bytes = std::move(text);
        cType = c;
        sqlType = sql;
        size = bytes.empty() ? 1 : bytes.size();
        data = bytes.data();
        bufferLength = indicator = static_cast<SQLLEN>(bytes.size());
    }
};

COdbcStatement::COdbcStatement(CDatabase& db) : m_db(db) {
    if (!db.IsOpen())
        AfxThrowDBException(AFX_SQL_ERROR_DATABASE_NOT_OPEN, &db, SQL_NULL_HSTMT);
    const SQLRETURN rc = m_stmt.Alloc(db.m_hdbc);
    if (!SQL_SUCCEEDED(rc))
        AfxThrowDBException(rc, &db, SQL_NULL_HSTMT);
    // A driver without timeouts says so with a warning or an error; the statement works either way.
    if (const DWORD timeout = db.GetQueryTimeout(); timeout != 0)
        COdbcApi::SetStmtAttr(m_stmt.Get(), SQL_ATTR_QUERY_TIMEOUT,
                              reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(timeout)), SQL_IS_UINTEGER);
}

COdbcStatement::~COdbcStatement() = default;

void COdbcStatement::Fail(SQLRETURN rc) {
    AfxThrowDBException(rc, &m_db, m_stmt.Get());
}

void COdbcStatement::AddParam(const CDBVariant& value, SQLSMALLINT nullSqlType) {
    auto param = std::make_unique<Param>();
    param->value = value;
    param->nullSqlType = nullSqlType;
    m_params.push_back(std::move(param));
}

void COdbcStatement::BindParams() {
    const bool timestampsAsText = m_db.GetDialect().BindsTimestampsAsText();
    SQLUSMALLINT number = 0;
    for (const auto& p : m_params) {
        ++number;
        p->indicator = 0;
        const CDBVariant& v = p->value;
        switch (v.m_dwType) {
        case DBVT_NULL:
            p->sqlType = p->nullSqlType;
            p->size = p->sqlType == SQL_TYPE_TIMESTAMP ? 19 : 1;
            p->indicator = SQL_NULL_DATA;
            break;
        case DBVT_BOOL:
            p->BindFixed(p->number, v.m_boolVal ? 1L : 0L, SQL_C_SLONG, SQL_INTEGER);
            break;
        case DBVT_LONG:
            p->BindFixed(p->number, v.m_lVal, SQL_C_SLONG, SQL_INTEGER);
            break;
        case DBVT_UCHAR:
            p->BindFixed(p->smallNumber, static_cast<short>(v.m_chVal), SQL_C_SSHORT, SQL_SMALLINT);
            break;
        case DBVT_SHORT:
            p->BindFixed(p->smallNumber, v.m_iVal, SQL_C_SSHORT, SQL_SMALLINT);
            break;
        case DBVT_SINGLE:
            p->BindFixed(p->single, v.m_fltVal, SQL_C_FLOAT, SQL_REAL);
            break;
        case DBVT_DOUBLE:
            p->BindFixed(p->real, v.m_dblVal, SQL_C_DOUBLE, SQL_DOUBLE);
            break;
        case DBVT_DATE:
            if (timestampsAsText) {
                p->BindBytes(v.ToText().GetString(), SQL_C_CHAR, SQL_VARCHAR);
            } else {
                p->BindFixed(p->timestamp, *v.m_pdate, SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP);
                p->size = p->timestamp.fraction ? 29 : 19;
                p->digits = p->timestamp.fraction ? 9 : 0;
                p->bufferLength = sizeof p->timestamp;
            }
            break;
        case DBVT_BINARY:
            p->BindBytes(v.ToText().GetString(), SQL_C_BINARY, SQL_LONGVARBINARY);
            break;
        default: { // text
            std::string text = m_db.ToDriverText(v.ToText()).GetString();
            // Long texts go as long data: some drivers refuse more than 255 characters of VARCHAR.
            const SQLSMALLINT sqlType = text.size() > 255 ? SQL_LONGVARCHAR : SQL_VARCHAR;
            p->BindBytes(std::move(text), SQL_C_CHAR, sqlType);
            break;
        }
        }
        const SQLRETURN rc = COdbcApi::BindParameter(m_stmt.Get(), number, p->cType, p->sqlType, p->size,
                                                     p->digits, p->data, p->bufferLength, &p->indicator);
        if (!SQL_SUCCEEDED(rc))
            Fail(rc);
    }
}

void COdbcStatement::Execute(const CString& sql) {
    BindParams();
    const CString text = m_db.ToDriverText(sql);
    const SQLRETURN rc = COdbcApi::ExecDirect(m_stmt.Get(), text, SQL_NTS);
    if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA)
        Fail(rc);
    // An UPDATE ... RETURNING that reached no row has no result to fetch from.
    m_bNoData = rc == SQL_NO_DATA;
}

SQLLEN COdbcStatement::GetRowCount() {
    SQLLEN rows = -1;
    const SQLRETURN rc = COdbcApi::RowCount(m_stmt.Get(), &rows);
    if (!SQL_SUCCEEDED(rc))
        Fail(rc);
    return rows;
}

short COdbcStatement::GetColumnCount() {
    SQLSMALLINT count = 0;
    const SQLRETURN rc = COdbcApi::NumResultCols(m_stmt.Get(), &count);
    if (!SQL_SUCCEEDED(rc))
        Fail(rc);
    return count;
}

CODBCFieldInfo COdbcStatement::DescribeColumn(short column) {
    SQLCHAR name[256] = {};
    SQLSMALLINT nameLength = 0;
    CODBCFieldInfo info;
    const SQLRETURN rc =
        COdbcApi::DescribeCol(m_stmt.Get(), static_cast<SQLUSMALLINT>(column), name, sizeof name, &nameLength,
                              &info.m_nSQLType, &info.m_nPrecision, &info.m_nScale, &info.m_nNullability);
    if (!SQL_SUCCEEDED(rc))
        Fail(rc);
    info.m_strName = m_db.FromDriverText(reinterpret_cast<const char*>(name));
    return info;
}

bool COdbcStatement::Fetch() {
    if (m_bNoData)
        return false;
    const SQLRETURN rc = COdbcApi::Fetch(m_stmt.Get());
    if (rc == SQL_NO_DATA)
        return false;
    if (!SQL_SUCCEEDED(rc))
        Fail(rc);
    return true;
}

template <typename Sink>
bool COdbcStatement::ReadPieces(short column, bool binary, Sink& sink, char*& start, size_t& length) {
    // Most values fit the first piece. Longer values are read in further pieces, as large as the rest
    // when the driver tells its length (the length of long columns is often unknown).
    size_t room = 1024;
    char* buffer = sink.Begin(room);
    start = buffer;
    length = 0;
    const SQLSMALLINT cType = binary ? SQL_C_BINARY : SQL_C_CHAR;
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = COdbcApi::GetData(m_stmt.Get(), static_cast<SQLUSMALLINT>(column), cType, buffer,
                                               static_cast<SQLLEN>(room), &indicator);
        if (rc == SQL_NO_DATA)
            return true;
        if (!SQL_SUCCEEDED(rc))
            Fail(rc);
        if (indicator == SQL_NULL_DATA)
            return false;
        const size_t fits = binary ? room : room - 1;
        const bool truncated = indicator == SQL_NO_TOTAL || static_cast<size_t>(indicator) > fits;
        const size_t got = truncated ? fits : static_cast<size_t>(indicator);
        length += got;
        if (!truncated)
            return true;
        room = indicator == SQL_NO_TOTAL ? std::max<size_t>(8192, length)
                                         : static_cast<size_t>(indicator) - got + (binary ? 0 : 1);
        buffer = sink.Grow(length, room);
        start = buffer - length;
    }
}

namespace {

// Room for ReadText: a buffer on the stack for the first piece, so that a value costs no more than its
// own string; a growing string for longer values.
struct TextSink {
    char first[1024];
    std::string large;
    char* Begin(size_t) { return first; }
    char* Grow(size_t used, size_t room) {
        if (large.empty())
            large.assign(first, used);
        large.resize(used + room);
        return large.data() + used;
    }
};

// Room in a row of a row store.
struct StoreSink {
    CRowStore& store;
    size_t row;
    char* Begin(size_t room) { return store.BeginText(row, room); }
    char* Grow(size_t used, size_t room) { return store.GrowText(row, used, room); }
};

bool HasHighBytes(const char* text, size_t length) {
    for (size_t i = 0; i < length; ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return true;
    return false;
}

} // namespace

CString COdbcStatement::ReadText(short column, bool binary, bool& isNull) {
    TextSink sink;
    char* start = nullptr;
    size_t length = 0;
    isNull = !ReadPieces(column, binary, sink, start, length);
    if (isNull)
        return CString();
    return CString(start, static_cast<int>(length));
}

void COdbcStatement::BindColumns(const std::vector<SQLSMALLINT>& cTypes, const std::vector<SQLULEN>& sizes) {
    if (!m_db.CanGetDataAnyColumn() || !m_columns.empty())
        return; // SQLGetData would then be refused on the columns before a bound one
    m_columns.resize(cTypes.size());
    for (size_t i = 0; i < cTypes.size(); ++i) {
        BoundColumn& b = m_columns[i];
        SQLPOINTER buffer = &b.value;
        SQLLEN length = sizeof b.value;
        if (cTypes[i] == SQL_C_CHAR) {
            // Room for the declared characters in UTF-8 (as the SQLite driver hands them over), up to a
            // size that keeps the buffers of a row small; longer values are rare and read again.
            const SQLULEN declared = i < sizes.size() && sizes[i] > 0 ? sizes[i] : 1024;
            b.text.resize(std::clamp<size_t>(static_cast<size_t>(declared) * 3 + 1, 32, 1024));
            buffer = b.text.data();
            length = static_cast<SQLLEN>(b.text.size());
        } else if (CRowStore::FixedSize(cTypes[i]) == 0) {
            continue; // binary data: always read in pieces
        }
        const SQLRETURN rc = COdbcApi::BindCol(m_stmt.Get(), static_cast<SQLUSMALLINT>(i + 1), cTypes[i],
                                               buffer, length, &b.indicator);
        if (!SQL_SUCCEEDED(rc))
            Fail(rc);
        b.bound = true;
    }
}

const COdbcStatement::BoundColumn* COdbcStatement::BoundAt(short column) const noexcept {
    if (column < 1 || static_cast<size_t>(column) > m_columns.size())
        return nullptr;
    const BoundColumn& b = m_columns[static_cast<size_t>(column) - 1];
    return b.bound ? &b : nullptr;
}

void COdbcStatement::StoreText(CRowStore& store, size_t row, size_t storeColumn, const CString& text) {
    const CString converted = m_db.FromDriverText(text);
    store.SetText(row, storeColumn, converted.GetString(), static_cast<size_t>(converted.GetLength()));
}

void COdbcStatement::ReadInto(short column, CRowStore& store, size_t row, size_t storeColumn) {
    const SQLSMALLINT cType = store.GetColumnType(storeColumn);
    const BoundColumn* bound = BoundAt(column);
    if (bound && bound->indicator == SQL_NULL_DATA)
        return;
    if (cType == SQL_C_CHAR && bound && bound->indicator != SQL_NO_TOTAL &&
        static_cast<size_t>(bound->indicator) < bound->text.size()) {
        const char* text = bound->text.data();
        size_t length = static_cast<size_t>(bound->indicator);
        if (const void* end = std::memchr(text, '\0', length))
            length = static_cast<size_t>(static_cast<const char*>(end) - text);
        if (HasHighBytes(text, length))
            StoreText(store, row, storeColumn, CString(text, static_cast<int>(length)));
        else
            store.SetText(row, storeColumn, text, length);
        return;
    }
    if (cType == SQL_C_CHAR || cType == SQL_C_BINARY) {
        StoreSink sink{store, row};
        char* start = nullptr;
        size_t length = 0;
        if (!ReadPieces(column, cType == SQL_C_BINARY, sink, start, length))
            return;
        if (cType == SQL_C_CHAR) {
            // As GetValue gives it: up to the first '\0', in the program's code page.
            if (const void* end = std::memchr(start, '\0', length))
                length = static_cast<size_t>(static_cast<const char*>(end) - start);
            if (HasHighBytes(start, length)) {
                StoreText(store, row, storeColumn, CString(start, static_cast<int>(length)));
                return;
            }
        }
        store.EndText(row, storeColumn, length); // the text is in place already
        return;
    }
    if (bound) {
        store.SetFixed(row, storeColumn, &bound->value);
        return;
    }
    FixedValue buffer;
    if (ReadFixed(column, cType, buffer))
        store.SetFixed(row, storeColumn, &buffer);
}

bool COdbcStatement::ReadFixed(short column, SQLSMALLINT cType, FixedValue& buffer) {
    std::memset(&buffer, 0, sizeof buffer);
    SQLLEN indicator = 0;
    const SQLRETURN rc = COdbcApi::GetData(m_stmt.Get(), static_cast<SQLUSMALLINT>(column), cType, &buffer,
                                           sizeof buffer, &indicator);
    if (!SQL_SUCCEEDED(rc))
        Fail(rc);
    return indicator != SQL_NULL_DATA;
}

SQLSMALLINT COdbcStatement::ResolveCType(SQLSMALLINT cType, SQLSMALLINT sqlType) noexcept {
    if (cType != 0)
        return cType;
    switch (sqlType) {
    case SQL_BIT:
        return SQL_C_BIT;
    case SQL_TINYINT:
        return SQL_C_UTINYINT;
    case SQL_SMALLINT:
        return SQL_C_SSHORT;
    case SQL_INTEGER:
        return SQL_C_SLONG;
    case SQL_REAL:
        return SQL_C_FLOAT;
    case SQL_FLOAT:
    case SQL_DOUBLE:
        return SQL_C_DOUBLE;
    case SQL_DATE:
    case SQL_TIME:
    case SQL_TIMESTAMP:
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIME:
    case SQL_TYPE_TIMESTAMP:
        return SQL_C_TYPE_TIMESTAMP;
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY:
        return SQL_C_BINARY;
    default: // character data, and numbers that need more than a double (NUMERIC, DECIMAL, BIGINT)
        return SQL_C_CHAR;
    }
}

CDBVariant COdbcStatement::GetValue(short column, SQLSMALLINT cType, SQLSMALLINT sqlType) {
    cType = ResolveCType(cType, sqlType);

    CDBVariant value;
    if (cType == SQL_C_CHAR || cType == SQL_C_BINARY) {
        bool isNull = false;
        const CString data = ReadText(column, cType == SQL_C_BINARY, isNull);
        if (isNull)
            return value;
        if (cType == SQL_C_BINARY)
            value.SetBinary(static_cast<LPCSTR>(data), static_cast<SQLULEN>(data.GetLength()));
        else
            value.SetString(m_db.FromDriverText(data));
        return value;
    }

    FixedValue buffer;
    if (ReadFixed(column, cType, buffer))
        value.SetCValue(cType, &buffer);
    return value;
}
