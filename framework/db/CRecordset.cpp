#include "framework/db/CRecordset.h"

#include "framework/db/COdbcStatement.h"
#include "framework/db/CRowStore.h"

#include <algorithm>
#include <cctype>
#include <string>

IMPLEMENT_DYNAMIC(CRecordset, CObject)

struct CRecordset::Query {
    CString sql;
    CString table;
    std::vector<CString> locatorColumns;
};

struct CRecordset::Impl {
    enum class NullState : char { automatic, forcedNull, forcedValue };

    bool open = false;
    UINT openType = snapshot;
    DWORD options = none;
    CString requested; // table name or statement as given to Open
    CString sql;       // as last sent
    CString table;     // the table changes go to; empty when read-only
    std::vector<CString> locatorColumns;
    bool locatorUsable = true;

    mutable std::vector<CFieldExchange::Binding> columns;
    mutable std::vector<CFieldExchange::Binding> params;
    mutable bool described = false;
    std::vector<NullState> nullStates;
    std::vector<char> dirty;
    std::vector<char> paramNull;

    std::vector<CODBCFieldInfo> info;
    // Every fetched row: the result columns (info), then the hidden row locator columns as text.
    CRowStore rows;
    long pos = -1;
    bool bof = true;
    bool eof = true;

    int editMode = noMode;
    std::vector<CDBVariant> saved; // field members before AddNew

    std::unique_ptr<CDatabase> ownedDatabase;

    long Count() const noexcept { return static_cast<long>(rows.GetRowCount()); }
    bool IsDeletedRow(long row) const noexcept { return rows.IsDeleted(static_cast<size_t>(row)); }
    // The row locator values of a row; empty when there is no locator.
    std::vector<CString> Locator(size_t row) const {
        std::vector<CString> values;
        for (size_t i = 0; i < locatorColumns.size(); ++i)
            values.push_back(rows.GetValue(row, info.size() + i).ToText());
        return values;
    }
};

namespace {

std::string Upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

// Position of a keyword outside literals, quoted names and parentheses; -1 when absent.
int FindTopLevelWord(const std::string& s, const char* word, size_t from = 0) {
    const std::string target = Upper(word);
    int depth = 0;
    for (size_t i = from; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '\'' || c == '"' || c == '[') {
            const char close = c == '[' ? ']' : c;
            for (++i; i < s.size() && s[i] != close; ++i) {
            }
            continue;
        }
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (depth == 0 && (i == 0 || !IsWordChar(s[i - 1])) && i + target.size() <= s.size() &&
                   Upper(s.substr(i, target.size())) == target &&
                   (i + target.size() == s.size() || !IsWordChar(s[i + target.size()]))) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Position of "<word> BY" (ORDER BY, GROUP BY) at the top level, or -1.
int FindTopLevelBy(const std::string& s, const char* word) {
    for (int at = FindTopLevelWord(s, word); at >= 0;
         at = FindTopLevelWord(s, word, static_cast<size_t>(at) + 1)) {
        size_t next = static_cast<size_t>(at) + std::string(word).size();
        while (next < s.size() && std::isspace(static_cast<unsigned char>(s[next])))
            ++next;
        if (Upper(s.substr(next, 2)) == "BY" && (next + 2 == s.size() || !IsWordChar(s[next + 2])))
            return at;
    }
    return -1;
}

bool IsFullStatement(const CString& text) {
    const std::string s = Upper(text.GetString());
    if (!s.empty() && (s.front() == '{' || s.front() == '('))
        return true;
    for (const char* word : {"SELECT", "WITH", "CALL", "EXEC", "EXECUTE"}) {
        const size_t n = std::string(word).size();
        if (s.compare(0, n, word) == 0 && (s.size() == n || !IsWordChar(s[n])))
            return true;
    }
    return false;
}

// One table name ([Tasks], "Tasks", Tasks), nothing else.
bool IsSingleName(const std::string& s) {
    if (s.empty())
        return false;
    if (s.front() == '[')
        return s.back() == ']' && s.find(']') == s.size() - 1;
    if (s.front() == '"')
        return s.back() == '"' && s.size() >= 2 && s.find('"', 1) == s.size() - 1;
    return std::all_of(s.begin(), s.end(), [](char c) { return IsWordChar(c) || c == '.'; });
}

// A bound column name as it goes into SQL: names with blanks need brackets.
CString ColumnName(const CString& name) {
    if (name.Find(' ') >= 0 && name[0] != '[' && name[0] != '"')
        return "[" + name + "]";
    return name;
}

CString StripQuotes(LPCSTR name) {
    CString s = name ? name : "";
    s.Trim();
    if (s.GetLength() >= 2 &&
        ((s[0] == '[' && s[s.GetLength() - 1] == ']') || (s[0] == '"' && s[s.GetLength() - 1] == '"')))
        s = s.Mid(1, s.GetLength() - 2);
    return s;
}

// Makes one change of the recordset all or nothing: without a transaction of the caller, the change
// runs in its own and is rolled back when any step fails (a lost connection after the UPDATE, a row
// count that is not 1 ...).
class ChangeTransaction {
public:
    explicit ChangeTransaction(CDatabase& db)
        : m_db(db), m_own(db.CanTransact() && !db.IsTransactionPending() && db.BeginTrans()) {}
    ~ChangeTransaction() {
        if (m_own && m_db.IsTransactionPending()) {
            try {
                m_db.Rollback();
            } catch (CDBException* e) {
                e->Delete();
            }
        }
    }
    ChangeTransaction(const ChangeTransaction&) = delete;
    ChangeTransaction& operator=(const ChangeTransaction&) = delete;
    void Commit() {
        if (m_own)
            m_db.CommitTrans();
        m_own = false;
    }

private:
    CDatabase& m_db;
    bool m_own;
};

bool IsLongType(SQLSMALLINT type) {
    return type == SQL_LONGVARCHAR || type == SQL_WLONGVARCHAR || type == SQL_LONGVARBINARY;
}

} // namespace

CRecordset::CRecordset(CDatabase* pDatabase) : m_pDatabase(pDatabase), m_impl(std::make_unique<Impl>()) {}

CRecordset::~CRecordset() {
    Close();
}

CString CRecordset::GetDefaultConnect() {
    return "ODBC;";
}

CString CRecordset::GetDefaultSQL() {
    return CString();
}

void CRecordset::DoFieldExchange(CFieldExchange*) {}

// ---------------------------------------------------------------- opening

BOOL CRecordset::Open(UINT nOpenType, LPCSTR lpszSQL, DWORD dwOptions) {
    if (IsOpen())
        Close();
    Impl& m = *m_impl;
    m.openType = nOpenType == AFX_DB_USE_DEFAULT_TYPE ? m_nDefaultType : nOpenType;
    m.options = dwOptions;
    m.requested = lpszSQL ? CString(lpszSQL) : GetDefaultSQL();
    m.requested.Trim();
    m.locatorUsable = true;
    try {
        if (m.requested.IsEmpty())
            AfxThrowDBException(AFX_SQL_ERROR_EMPTY_SQL, m_pDatabase, SQL_NULL_HSTMT);
        m.described = false;
        DescribeFields();
        if (m_nFields != m.columns.size() || m_nParams != m.params.size())
            AfxThrowDBException(AFX_SQL_ERROR_FIELD_SCHEMA_MISMATCH, m_pDatabase, SQL_NULL_HSTMT);
        EnsureDatabase();
        RunQuery();
    } catch (CDBException*) {
        ResetState();
        throw;
    }
    m.open = true;
    PositionFirst();
    return TRUE;
}

void CRecordset::EnsureDatabase() {
    Impl& m = *m_impl;
    if (!m_pDatabase) {
        m.ownedDatabase = std::make_unique<CDatabase>();
        m_pDatabase = m.ownedDatabase.get();
    }
    if (!m_pDatabase->IsOpen())
        m_pDatabase->OpenEx(GetDefaultConnect(), CDatabase::useCursorLib | CDatabase::noOdbcDialog);
}

void CRecordset::DescribeFields() const {
    Impl& m = *m_impl;
    if (m.described)
        return;
    CFieldExchange fx(CFieldExchange::describeFields, const_cast<CRecordset*>(this));
    const_cast<CRecordset*>(this)->DoFieldExchange(&fx);
    m.columns.clear();
    m.params.clear();
    for (const CFieldExchange::Binding& b : fx.m_bindings)
        (b.fieldType == CFieldExchange::outputColumn ? m.columns : m.params).push_back(b);
    m.nullStates.assign(m.columns.size(), Impl::NullState::automatic);
    m.dirty.assign(m.columns.size(), 0);
    m.described = true;
}

CRecordset::Query CRecordset::BuildQuery(bool withLocator) const {
    const Impl& m = *m_impl;
    const CSqlDialect& dialect = m_pDatabase->GetDialect();
    Query q;
    CString source = m.requested;
    source.TrimRight(";");
    source.TrimRight();
    CString filter = m_strFilter;
    filter.Trim();
    CString sort = m_strSort;
    sort.Trim();

    if (!IsFullStatement(source)) {
        // A table name: select the bound columns from it.
        const std::string upper = Upper(source.GetString());
        const bool single = source.Find(',') < 0 && FindTopLevelWord(upper, "JOIN") < 0;
        if (single)
            q.table = source;
        if (single && withLocator)
            q.locatorColumns = dialect.GetRowLocatorColumns();
        CString columns;
        for (const CFieldExchange::Binding& b : m.columns)
            columns += (columns.IsEmpty() ? "" : ", ") + ColumnName(b.name);
        if (columns.IsEmpty())
            columns = "*";
        for (const CString& c : q.locatorColumns)
            columns += ", " + c;
        q.sql = "SELECT " + columns + " FROM " + source;
        if (!filter.IsEmpty())
            q.sql += " WHERE " + filter;
        if (!sort.IsEmpty())
            q.sql += " ORDER BY " + sort;
        return q;
    }

    // A statement: the filter joins its WHERE, the sort its ORDER BY.
    std::string s = source.GetString();
    if (Upper(s).compare(0, 6, "SELECT") == 0 && FindTopLevelWord(s, "DISTINCT") < 0 &&
        FindTopLevelBy(s, "GROUP") < 0 && FindTopLevelWord(s, "UNION") < 0 &&
        FindTopLevelWord(s, "JOIN") < 0) {
        const int from = FindTopLevelWord(s, "FROM");
        if (from >= 0) {
            size_t end = s.size();
            for (const int at : {FindTopLevelWord(s, "WHERE"), FindTopLevelBy(s, "ORDER")})
                if (at > from)
                    end = std::min(end, static_cast<size_t>(at));
            CString table =
                CString(s.substr(static_cast<size_t>(from) + 4, end - static_cast<size_t>(from) - 4).c_str());
            table.Trim();
            if (IsSingleName(table.GetString()))
                q.table = table;
        }
    }
    if (!filter.IsEmpty()) {
        const int order = FindTopLevelBy(s, "ORDER");
        const size_t at = order >= 0 ? static_cast<size_t>(order) : s.size();
        const int where = FindTopLevelWord(s, "WHERE");
        if (where >= 0 && static_cast<size_t>(where) < at) {
            s.insert(at, ") AND (" + std::string(filter.GetString()) + ") ");
            s.insert(static_cast<size_t>(where) + 5, " (");
        } else {
            s.insert(at, " WHERE " + std::string(filter.GetString()) + " ");
        }
    }
    if (!sort.IsEmpty())
        s += (FindTopLevelBy(s, "ORDER") >= 0 ? ", " : " ORDER BY ") + std::string(sort.GetString());
    q.sql = s.c_str();
    return q;
}

void CRecordset::RunQuery() {
    Impl& m = *m_impl;
    CheckDatabase();
    Query q = BuildQuery(m.locatorUsable);
    const CString translated = m_pDatabase->GetDialect().Translate(q.sql);

    std::vector<CODBCFieldInfo> info;
    CRowStore rows;
    auto fetchAll = [&](const Query& query, const CString& sql) {
        COdbcStatement statement(*m_pDatabase);
        for (size_t i = 0; i < m.params.size(); ++i) {
            const bool isNull = i < m.paramNull.size() && m.paramNull[i];
            // Parameters go as they are: an empty text is an empty text here, not NULL.
            statement.AddParam(isNull ? CDBVariant() : CFieldExchange::StoreValue(m.params[i], false),
                               CFieldExchange::SqlType(m.params[i].kind));
        }
        statement.Execute(sql);
        const short count = statement.GetColumnCount();
        const short hidden = static_cast<short>(query.locatorColumns.size());
        const short visible = static_cast<short>(count - hidden);
        if (visible < static_cast<short>(m.columns.size()))
            AfxThrowDBException(AFX_SQL_ERROR_FIELD_SCHEMA_MISMATCH, m_pDatabase, SQL_NULL_HSTMT);
        info.clear();
        for (short c = 1; c <= visible; ++c)
            info.push_back(statement.DescribeColumn(c));
        // Bound columns are kept as their members read them, the others as their SQL type suggests,
        // the locator as text.
        std::vector<SQLSMALLINT> types;
        for (size_t index = 0; index < info.size(); ++index)
            types.push_back(COdbcStatement::ResolveCType(
                index < m.columns.size() ? CFieldExchange::FetchType(m.columns[index].kind) : 0,
                info[index].m_nSQLType));
        types.resize(static_cast<size_t>(count), SQL_C_CHAR);
        std::vector<SQLULEN> sizes;
        for (const CODBCFieldInfo& column : info)
            sizes.push_back(column.m_nPrecision);
        statement.BindColumns(types, sizes);
        rows = CRowStore(std::move(types));
        while (statement.Fetch()) {
            const size_t row = rows.AddRow();
            for (short c = 1; c <= count; ++c)
                statement.ReadInto(c, rows, row, static_cast<size_t>(c) - 1);
        }
    };

    CString sent = translated;
    try {
        fetchAll(q, translated);
    } catch (CDBException* e) {
        // A view or a table without row identities: select again without the locator (changes then
        // find the row by its values).
        bool locatorRefused = false;
        for (const CString& c : q.locatorColumns)
            locatorRefused = locatorRefused || e->m_strError.Find(c) >= 0;
        if (!locatorRefused)
            throw;
        e->Delete();
        m.locatorUsable = false;
        q = BuildQuery(false);
        sent = m_pDatabase->GetDialect().Translate(q.sql);
        fetchAll(q, sent);
    }

    m.sql = sent;
    m.table = q.table;
    m.locatorColumns = q.locatorColumns;
    m.info = std::move(info);
    m.rows = std::move(rows);
}

void CRecordset::ResetState() noexcept {
    Impl& m = *m_impl;
    m.open = false;
    m.rows.Clear();
    m.info.clear();
    m.pos = -1;
    m.bof = m.eof = true;
    m.editMode = noMode;
    m.saved.clear();
    m.sql.Empty();
    m.table.Empty();
    m.locatorColumns.clear();
}

void CRecordset::Close() {
    ResetState();
}

BOOL CRecordset::IsOpen() const noexcept {
    return m_impl->open;
}

BOOL CRecordset::Requery() {
    CheckOpen();
    EndEditing();
    RunQuery();
    PositionFirst();
    return TRUE;
}

// ---------------------------------------------------------------- checks

void CRecordset::CheckOpen() const {
    if (!IsOpen())
        AfxThrowDBException(AFX_SQL_ERROR_RECORDSET_NOT_OPEN, m_pDatabase, SQL_NULL_HSTMT);
}

void CRecordset::CheckCurrent() const {
    CheckOpen();
    const Impl& m = *m_impl;
    if (m.bof || m.eof || m.pos < 0 || m.pos >= m.Count() || m.IsDeletedRow(m.pos))
        AfxThrowDBException(AFX_SQL_ERROR_NO_CURRENT_RECORD, m_pDatabase, SQL_NULL_HSTMT);
}

void CRecordset::CheckScrollable() const {
    CheckOpen();
    if (m_impl->openType == forwardOnly)
        AfxThrowDBException(AFX_SQL_ERROR_RECORDSET_FORWARD_ONLY, m_pDatabase, SQL_NULL_HSTMT);
}

void CRecordset::CheckDatabase() const {
    if (!m_pDatabase || !m_pDatabase->IsOpen())
        AfxThrowDBException(AFX_SQL_ERROR_DATABASE_NOT_OPEN, m_pDatabase, SQL_NULL_HSTMT);
}

// ---------------------------------------------------------------- position

void CRecordset::LoadCurrent() {
    Impl& m = *m_impl;
    // Straight from the row store into the members DoFieldExchange bound.
    for (size_t i = 0; i < m.columns.size() && i < m.info.size(); ++i)
        CFieldExchange::LoadStored(m.columns[i], m.rows, static_cast<size_t>(m.pos), i);
    std::fill(m.nullStates.begin(), m.nullStates.end(), Impl::NullState::automatic);
    std::fill(m.dirty.begin(), m.dirty.end(), 0);
}

long CRecordset::NextRow(long from, int direction) const {
    const Impl& m = *m_impl;
    const long count = m.Count();
    long p = from + direction;
    while (p >= 0 && p < count && (m.options & skipDeletedRecords) && m.IsDeletedRow(p))
        p += direction;
    return std::clamp(p, -1L, count);
}

void CRecordset::PositionFirst() {
    Impl& m = *m_impl;
    m.editMode = noMode;
    m.pos = NextRow(-1, 1);
    if (m.pos >= m.Count()) {
        m.pos = -1;
        m.bof = m.eof = true; // empty: the field members keep their values
        return;
    }
    m.bof = m.eof = false;
    LoadCurrent();
}

void CRecordset::EndEditing() {
    if (m_impl->editMode != noMode)
        CancelUpdate();
}

BOOL CRecordset::IsBOF() const noexcept {
    return m_impl->bof;
}
BOOL CRecordset::IsEOF() const noexcept {
    return m_impl->eof;
}

BOOL CRecordset::IsDeleted() const noexcept {
    const Impl& m = *m_impl;
    return m.open && m.pos >= 0 && m.pos < m.Count() && m.IsDeletedRow(m.pos);
}

void CRecordset::MoveNext() {
    Move(1, SQL_FETCH_NEXT);
}
void CRecordset::MovePrev() {
    Move(-1, SQL_FETCH_PRIOR);
}
void CRecordset::MoveFirst() {
    Move(0, SQL_FETCH_FIRST);
}
void CRecordset::MoveLast() {
    Move(0, SQL_FETCH_LAST);
}

void CRecordset::Move(long nRows, WORD wFetchType) {
    Impl& m = *m_impl;
    CheckOpen();
    const long count = m.Count();
    switch (wFetchType) {
    case SQL_FETCH_FIRST:
    case SQL_FETCH_LAST: {
        CheckScrollable();
        EndEditing();
        const long p = wFetchType == SQL_FETCH_FIRST ? NextRow(-1, 1) : NextRow(count, -1);
        if (p < 0 || p >= count) {
            m.pos = -1;
            m.bof = m.eof = true;
            return;
        }
        m.pos = p;
        m.bof = m.eof = false;
        LoadCurrent();
        return;
    }
    case SQL_FETCH_ABSOLUTE:
        SetAbsolutePosition(nRows);
        return;
    case SQL_FETCH_NEXT:
        nRows = 1;
        break;
    case SQL_FETCH_PRIOR:
        nRows = -1;
        break;
    default:
        break;
    }
    if (nRows == 0) {
        CheckCurrent();
        EndEditing();
        LoadCurrent();
        return;
    }
    if (nRows < 0)
        CheckScrollable();
    if ((nRows > 0 && m.eof) || (nRows < 0 && m.bof))
        AfxThrowDBException(AFX_SQL_ERROR_NO_DATA_FOUND, m_pDatabase, SQL_NULL_HSTMT);
    EndEditing();
    const int direction = nRows > 0 ? 1 : -1;
    long p = m.bof ? -1 : m.eof ? count : m.pos;
    for (long step = 0; step < (nRows > 0 ? nRows : -nRows); ++step) {
        p = NextRow(p, direction);
        if (p < 0 || p >= count)
            break;
    }
    if (p >= count) {
        m.pos = count;
        m.eof = true;
        m.bof = count == 0;
    } else if (p < 0) {
        m.pos = -1;
        m.bof = true;
        m.eof = count == 0;
    } else {
        m.pos = p;
        m.bof = m.eof = false;
        LoadCurrent();
    }
}

void CRecordset::SetAbsolutePosition(long nRows) {
    Impl& m = *m_impl;
    CheckScrollable();
    EndEditing();
    const long count = m.Count();
    long p = nRows > 0 ? -1 : count;
    const int direction = nRows > 0 ? 1 : -1;
    for (long step = 0; step < (nRows > 0 ? nRows : -nRows) && (step == 0 || (p >= 0 && p < count)); ++step)
        p = NextRow(p, direction);
    if (nRows == 0 || p < 0) {
        m.pos = -1;
        m.bof = true;
        m.eof = count == 0;
    } else if (p >= count) {
        m.pos = count;
        m.eof = true;
        m.bof = count == 0;
    } else {
        m.pos = p;
        m.bof = m.eof = false;
        LoadCurrent();
    }
}

long CRecordset::GetRecordCount() const noexcept {
    return m_impl->Count();
}

// ---------------------------------------------------------------- capabilities

BOOL CRecordset::CanUpdate() const {
    const Impl& m = *m_impl;
    return m.open && !(m.options & (readOnly | appendOnly)) && !m.table.IsEmpty() && m_pDatabase &&
           m_pDatabase->CanUpdate();
}

BOOL CRecordset::CanAppend() const {
    const Impl& m = *m_impl;
    return m.open && !(m.options & readOnly) && !m.table.IsEmpty() && m_pDatabase && m_pDatabase->CanUpdate();
}

BOOL CRecordset::CanScroll() const noexcept {
    return m_impl->openType != forwardOnly;
}

BOOL CRecordset::CanTransact() const noexcept {
    return m_pDatabase && m_pDatabase->CanTransact();
}

int CRecordset::GetEditMode() const noexcept {
    return m_impl->editMode;
}

// ---------------------------------------------------------------- field status

namespace {

// Index of the binding of this member; -1 when none.
int IndexOfMember(const std::vector<CFieldExchange::Binding>& bindings, const void* pv) {
    const auto found = std::find_if(bindings.begin(), bindings.end(),
                                    [pv](const CFieldExchange::Binding& b) { return b.value == pv; });
    return found == bindings.end() ? -1 : static_cast<int>(found - bindings.begin());
}

} // namespace

int CRecordset::FindColumn(const void* pv) const {
    DescribeFields();
    return IndexOfMember(m_impl->columns, pv);
}

int CRecordset::FindParam(const void* pv) const {
    DescribeFields();
    return IndexOfMember(m_impl->params, pv);
}

size_t CRecordset::ColumnOf(const void* pv) const {
    const int column = FindColumn(pv);
    if (column < 0)
        AfxThrowDBException(AFX_SQL_ERROR_NO_SUCH_FIELD, m_pDatabase, SQL_NULL_HSTMT);
    return static_cast<size_t>(column);
}

void CRecordset::SetFieldNull(void* pv, BOOL bNull) {
    Impl& m = *m_impl;
    DescribeFields();
    const auto apply = [&](size_t i) {
        if (bNull)
            CFieldExchange::SetPseudoNull(m.columns[i]);
        m.nullStates[i] = bNull ? Impl::NullState::forcedNull : Impl::NullState::forcedValue;
    };
    if (!pv) {
        for (size_t i = 0; i < m.columns.size(); ++i)
            apply(i);
        return;
    }
    if (const int column = FindColumn(pv); column >= 0) {
        apply(static_cast<size_t>(column));
    } else if (const int param = FindParam(pv); param >= 0) {
        SetParamNull(param, bNull);
    } else {
        AfxThrowDBException(AFX_SQL_ERROR_NO_SUCH_FIELD, m_pDatabase, SQL_NULL_HSTMT);
    }
}

BOOL CRecordset::IsFieldNull(void* pv) const {
    const Impl& m = *m_impl;
    const int column = FindColumn(pv);
    if (column < 0) {
        const int param = FindParam(pv);
        if (param < 0)
            AfxThrowDBException(AFX_SQL_ERROR_NO_SUCH_FIELD, m_pDatabase, SQL_NULL_HSTMT);
        return static_cast<size_t>(param) < m.paramNull.size() && m.paramNull[static_cast<size_t>(param)];
    }
    switch (m.nullStates[static_cast<size_t>(column)]) {
    case Impl::NullState::forcedNull:
        return TRUE;
    case Impl::NullState::forcedValue:
        return FALSE;
    default:
        return CFieldExchange::HoldsPseudoNull(m.columns[static_cast<size_t>(column)]);
    }
}

void CRecordset::SetFieldDirty(void* pv, BOOL bDirty) {
    Impl& m = *m_impl;
    DescribeFields();
    if (!pv) {
        std::fill(m.dirty.begin(), m.dirty.end(), bDirty ? 1 : 0);
        return;
    }
    m.dirty[ColumnOf(pv)] = bDirty ? 1 : 0;
}

BOOL CRecordset::IsFieldDirty(void* pv) const {
    const Impl& m = *m_impl;
    const size_t i = ColumnOf(pv);
    if (m.dirty[i])
        return TRUE;
    if (m.editMode == edit && m.pos >= 0 && m.pos < m.Count())
        return !(CurrentValue(i) ==
                 CFieldExchange::Normalize(m.columns[i], m.rows.GetValue(static_cast<size_t>(m.pos), i)));
    if (m.editMode == addnew)
        return !CurrentValue(i).IsNull();
    return FALSE;
}

void CRecordset::SetParamNull(int nIndex, BOOL bNull) {
    Impl& m = *m_impl;
    if (nIndex < 0)
        return;
    if (m.paramNull.size() <= static_cast<size_t>(nIndex))
        m.paramNull.resize(static_cast<size_t>(nIndex) + 1, 0);
    m.paramNull[static_cast<size_t>(nIndex)] = bNull ? 1 : 0;
}

CDBVariant CRecordset::CurrentValue(size_t column) const {
    const Impl& m = *m_impl;
    switch (m.nullStates[column]) {
    case Impl::NullState::forcedNull:
        return CDBVariant();
    case Impl::NullState::forcedValue:
        return CFieldExchange::StoreValue(m.columns[column], false);
    default:
        return CFieldExchange::StoreValue(m.columns[column]);
    }
}

// ---------------------------------------------------------------- changes

void CRecordset::AddNew() {
    Impl& m = *m_impl;
    CheckOpen();
    if (!CanAppend())
        AfxThrowDBException(AFX_SQL_ERROR_RECORDSET_READONLY, m_pDatabase, SQL_NULL_HSTMT);
    EndEditing();
    m.saved.clear();
    for (const CFieldExchange::Binding& b : m.columns)
        m.saved.push_back(CFieldExchange::StoreValue(b, false));
    for (const CFieldExchange::Binding& b : m.columns)
        CFieldExchange::SetPseudoNull(b);
    std::fill(m.nullStates.begin(), m.nullStates.end(), Impl::NullState::automatic);
    std::fill(m.dirty.begin(), m.dirty.end(), 0);
    m.editMode = addnew;
}

void CRecordset::Edit() {
    Impl& m = *m_impl;
    CheckOpen();
    if (!CanUpdate())
        AfxThrowDBException(AFX_SQL_ERROR_RECORDSET_READONLY, m_pDatabase, SQL_NULL_HSTMT);
    CheckCurrent();
    if (m.editMode == addnew)
        CancelUpdate();
    std::fill(m.dirty.begin(), m.dirty.end(), 0);
    m.editMode = edit;
}

void CRecordset::CancelUpdate() {
    Impl& m = *m_impl;
    if (m.editMode == addnew) {
        for (size_t i = 0; i < m.columns.size() && i < m.saved.size(); ++i)
            CFieldExchange::LoadValue(m.columns[i], m.saved[i]);
        m.saved.clear();
        m.editMode = noMode;
        std::fill(m.nullStates.begin(), m.nullStates.end(), Impl::NullState::automatic);
        std::fill(m.dirty.begin(), m.dirty.end(), 0);
    } else if (m.editMode == edit) {
        m.editMode = noMode;
        if (m.pos >= 0 && m.pos < m.Count())
            LoadCurrent();
    }
}

BOOL CRecordset::Update() {
    Impl& m = *m_impl;
    CheckOpen();
    if (m.editMode == noMode)
        AfxThrowDBException(AFX_SQL_ERROR_ILLEGAL_MODE, m_pDatabase, SQL_NULL_HSTMT);
    CheckDatabase();
    std::vector<CDBVariant> values;
    values.reserve(m.columns.size());
    for (size_t i = 0; i < m.columns.size(); ++i)
        values.push_back(CurrentValue(i));
    if (m.editMode == addnew) {
        InsertRow(values);
        CancelUpdate(); // the field members show the current row again
        return TRUE;
    }
    return UpdateRow(values);
}

void CRecordset::InsertRow(const std::vector<CDBVariant>& values) {
    Impl& m = *m_impl;
    CString names, markers;
    ChangeTransaction transaction(*m_pDatabase);
    COdbcStatement statement(*m_pDatabase);
    for (size_t i = 0; i < m.columns.size(); ++i) {
        const bool explicitNull = m.nullStates[i] == Impl::NullState::forcedNull;
        if (values[i].IsNull() && !explicitNull)
            continue; // left to the column's default
        names += (names.IsEmpty() ? "" : ", ") + ColumnName(m.columns[i].name);
        if (values[i].IsNull()) {
            markers += CString(markers.IsEmpty() ? "" : ", ") + "NULL";
        } else {
            markers += CString(markers.IsEmpty() ? "" : ", ") + "?";
            statement.AddParam(values[i], CFieldExchange::SqlType(m.columns[i].kind));
        }
    }
    const CString sql = names.IsEmpty()
                            ? "INSERT INTO " + m.table + " DEFAULT VALUES"
                            : "INSERT INTO " + m.table + " (" + names + ") VALUES (" + markers + ")";
    statement.Execute(m_pDatabase->GetDialect().Translate(sql));
    if (statement.GetRowCount() == 0)
        AfxThrowDBException(AFX_SQL_ERROR_NO_ROWS_AFFECTED, m_pDatabase, SQL_NULL_HSTMT);
    transaction.Commit();
}

BOOL CRecordset::UpdateRow(const std::vector<CDBVariant>& values) {
    Impl& m = *m_impl;
    const size_t row = static_cast<size_t>(m.pos);
    const CSqlDialect& dialect = m_pDatabase->GetDialect();

    std::vector<size_t> changed;
    for (size_t i = 0; i < m.columns.size(); ++i) {
        const bool forced =
            m.dirty[i] || (m.options & noDirtyFieldCheck) || m.nullStates[i] != Impl::NullState::automatic;
        if (forced || !(values[i] == CFieldExchange::Normalize(m.columns[i], m.rows.GetValue(row, i))))
            changed.push_back(i);
    }
    if (changed.empty()) {
        m.editMode = noMode;
        return FALSE;
    }

    std::vector<CDBVariant> setParams;
    CString assignments;
    for (const size_t i : changed) {
        assignments += (assignments.IsEmpty() ? "" : ", ") + ColumnName(m.columns[i].name) +
                       (values[i].IsNull() ? " = NULL" : " = ?");
        if (!values[i].IsNull())
            setParams.push_back(values[i]);
    }
    std::vector<CDBVariant> whereParams;
    const CString condition = RowCondition(row, whereParams);
    ChangeTransaction transaction(*m_pDatabase);
    if (m.locatorColumns.empty())
        CheckSingleRow(condition, whereParams);

    CString sql = "UPDATE " + m.table + " SET " + assignments + " WHERE " + condition;
    const bool returning = !m.locatorColumns.empty() && dialect.UpdateReturnsNewLocator();
    if (returning) {
        CString columns;
        for (const CString& c : m.locatorColumns)
            columns += (columns.IsEmpty() ? "" : ", ") + c;
        sql += " RETURNING " + columns;
    }
    COdbcStatement statement(*m_pDatabase);
    size_t setIndex = 0;
    for (const size_t i : changed)
        if (!values[i].IsNull())
            statement.AddParam(setParams[setIndex++], CFieldExchange::SqlType(m.columns[i].kind));
    for (const CDBVariant& p : whereParams)
        statement.AddParam(p);
    statement.Execute(dialect.Translate(sql));

    std::vector<CString> newLocator = m.Locator(row);
    if (returning) {
        if (!statement.Fetch())
            AfxThrowDBException(AFX_SQL_ERROR_NO_ROWS_AFFECTED, m_pDatabase, SQL_NULL_HSTMT);
        for (short c = 1; c <= static_cast<short>(m.locatorColumns.size()); ++c)
            newLocator[static_cast<size_t>(c) - 1] = statement.GetValue(c, SQL_C_CHAR).ToText();
    } else {
        CheckOneRow(statement.GetRowCount());
    }
    transaction.Commit();

    for (const size_t i : changed)
        m.rows.SetValue(row, i, values[i]);
    for (size_t i = 0; i < newLocator.size(); ++i)
        m.rows.SetText(row, m.info.size() + i, newLocator[i].GetString(),
                       static_cast<size_t>(newLocator[i].GetLength()));
    m.editMode = noMode;
    std::fill(m.nullStates.begin(), m.nullStates.end(), Impl::NullState::automatic);
    std::fill(m.dirty.begin(), m.dirty.end(), 0);
    return TRUE;
}

void CRecordset::Delete() {
    Impl& m = *m_impl;
    CheckOpen();
    if (!CanUpdate())
        AfxThrowDBException(AFX_SQL_ERROR_RECORDSET_READONLY, m_pDatabase, SQL_NULL_HSTMT);
    CheckCurrent();
    CheckDatabase();
    EndEditing();
    const size_t row = static_cast<size_t>(m.pos);
    std::vector<CDBVariant> params;
    const CString condition = RowCondition(row, params);
    ChangeTransaction transaction(*m_pDatabase);
    if (m.locatorColumns.empty())
        CheckSingleRow(condition, params);
    COdbcStatement statement(*m_pDatabase);
    for (const CDBVariant& p : params)
        statement.AddParam(p);
    statement.Execute(m_pDatabase->GetDialect().Translate("DELETE FROM " + m.table + " WHERE " + condition));
    CheckOneRow(statement.GetRowCount());
    transaction.Commit();
    m.rows.SetDeleted(row);
}

CString CRecordset::RowCondition(size_t row, std::vector<CDBVariant>& params) const {
    const Impl& m = *m_impl;
    const CSqlDialect& dialect = m_pDatabase->GetDialect();
    if (!m.locatorColumns.empty())
        return dialect.RowLocatorCondition(m.Locator(row));
    // No locator: the row is the one with all these values. Long columns cannot be compared everywhere;
    // CheckSingleRow makes sure the values still pick one row.
    CString condition;
    for (size_t i = 0; i < m.info.size(); ++i) {
        if (IsLongType(m.info[i].m_nSQLType))
            continue;
        const CString name = i < m.columns.size() ? ColumnName(m.columns[i].name)
                                                  : dialect.QuoteIdentifier(m.info[i].m_strName);
        condition += condition.IsEmpty() ? "" : " AND ";
        if (m.rows.IsNull(row, i)) {
            condition += name + " IS NULL";
        } else {
            condition += name + " = ?";
            params.push_back(m.rows.GetValue(row, i));
        }
    }
    return condition.IsEmpty() ? CString("1 = 1") : condition;
}

void CRecordset::CheckSingleRow(const CString& condition, const std::vector<CDBVariant>& params) {
    const Impl& m = *m_impl;
    COdbcStatement statement(*m_pDatabase);
    for (const CDBVariant& p : params)
        statement.AddParam(p);
    statement.Execute(
        m_pDatabase->GetDialect().Translate("SELECT COUNT(*) FROM " + m.table + " WHERE " + condition));
    long count = 0;
    if (statement.Fetch()) {
        CDBVariant value;
        statement.GetValue(1, SQL_C_CHAR).ConvertTo(SQL_C_SLONG, value);
        count = value.IsNull() ? 0 : value.m_lVal;
    }
    CheckOneRow(count);
}

void CRecordset::CheckOneRow(SQLLEN count) const {
    if (count == 0)
        AfxThrowDBException(AFX_SQL_ERROR_NO_ROWS_AFFECTED, m_pDatabase, SQL_NULL_HSTMT);
    if (count > 1)
        AfxThrowDBException(AFX_SQL_ERROR_MULTIPLE_ROWS_AFFECTED, m_pDatabase, SQL_NULL_HSTMT);
}

// ---------------------------------------------------------------- result columns

short CRecordset::GetODBCFieldCount() const noexcept {
    return static_cast<short>(m_impl->info.size());
}

int CRecordset::FindResultColumn(LPCSTR lpszName) const {
    const Impl& m = *m_impl;
    const CString wanted = StripQuotes(lpszName);
    for (size_t i = 0; i < m.info.size(); ++i)
        if (StripQuotes(m.info[i].m_strName).CompareNoCase(wanted) == 0)
            return static_cast<int>(i);
    for (size_t i = 0; i < m.columns.size() && i < m.info.size(); ++i)
        if (StripQuotes(m.columns[i].name).CompareNoCase(wanted) == 0)
            return static_cast<int>(i);
    AfxThrowDBException(AFX_SQL_ERROR_NO_SUCH_FIELD, m_pDatabase, SQL_NULL_HSTMT);
}

void CRecordset::GetODBCFieldInfo(short nIndex, CODBCFieldInfo& fieldinfo) const {
    CheckOpen();
    if (nIndex < 0 || nIndex >= GetODBCFieldCount())
        AfxThrowDBException(AFX_SQL_ERROR_NO_SUCH_FIELD, m_pDatabase, SQL_NULL_HSTMT);
    fieldinfo = m_impl->info[static_cast<size_t>(nIndex)];
}

void CRecordset::GetODBCFieldInfo(LPCSTR lpszName, CODBCFieldInfo& fieldinfo) const {
    CheckOpen();
    fieldinfo = m_impl->info[static_cast<size_t>(FindResultColumn(lpszName))];
}

void CRecordset::GetFieldValue(short nIndex, CDBVariant& varValue, short nFieldType) const {
    CheckCurrent();
    const Impl& m = *m_impl;
    if (nIndex < 0 || nIndex >= GetODBCFieldCount())
        AfxThrowDBException(AFX_SQL_ERROR_NO_SUCH_FIELD, m_pDatabase, SQL_NULL_HSTMT);
    CDBVariant value = m.rows.GetValue(static_cast<size_t>(m.pos), static_cast<size_t>(nIndex));
    if (nFieldType == DEFAULT_FIELD_TYPE) {
        varValue = std::move(value);
        return;
    }
    if (!value.ConvertTo(nFieldType, varValue))
        AfxThrowDBException(AFX_SQL_ERROR_FIELD_SCHEMA_MISMATCH, m_pDatabase, SQL_NULL_HSTMT);
}

void CRecordset::GetFieldValue(LPCSTR lpszName, CDBVariant& varValue, short nFieldType) const {
    CheckCurrent();
    GetFieldValue(static_cast<short>(FindResultColumn(lpszName)), varValue, nFieldType);
}

void CRecordset::GetFieldValue(short nIndex, CString& strValue) const {
    CDBVariant value;
    GetFieldValue(nIndex, value);
    strValue = value.ToText();
}

void CRecordset::GetFieldValue(LPCSTR lpszName, CString& strValue) const {
    CDBVariant value;
    GetFieldValue(lpszName, value);
    strValue = value.ToText();
}

const CString& CRecordset::GetSQL() const noexcept {
    return m_impl->sql;
}

const CString& CRecordset::GetTableName() const noexcept {
    return m_impl->table;
}
