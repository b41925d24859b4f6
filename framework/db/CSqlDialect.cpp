#include "framework/db/CSqlDialect.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

namespace {

enum class Tok { space, word, quotedIdent, bracketIdent, text, other };

struct Token {
    Tok kind;
    std::string text; // as written
    std::string name; // identifiers: the name without its quotes
};

bool IsWordStart(unsigned char c) {
    return std::isalpha(c) || c == '_' || c >= 0x80;
}
bool IsWordChar(unsigned char c) {
    return std::isalnum(c) || c == '_' || c == '$' || c >= 0x80;
}

// Reads a run closed by `close`, where a doubled `close` stands for one.
size_t ReadQuoted(const std::string& s, size_t start, char close, std::string& inner) {
    size_t i = start + 1;
    while (i < s.size()) {
        if (s[i] == close) {
            if (close != ']' && i + 1 < s.size() && s[i + 1] == close) {
                inner += close;
                i += 2;
                continue;
            }
            return i + 1;
        }
        inner += s[i++];
    }
    return i; // unterminated: the rest belongs to it
}

std::vector<Token> Tokenize(const std::string& s) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        Token t{Tok::other, {}, {}};
        size_t end = i + 1;
        if (std::isspace(c)) {
            t.kind = Tok::space;
            while (end < s.size() && std::isspace(static_cast<unsigned char>(s[end])))
                ++end;
        } else if (c == '\'') {
            t.kind = Tok::text;
            end = ReadQuoted(s, i, '\'', t.name);
        } else if (c == '"') {
            t.kind = Tok::quotedIdent;
            end = ReadQuoted(s, i, '"', t.name);
        } else if (c == '[') {
            t.kind = Tok::bracketIdent;
            end = ReadQuoted(s, i, ']', t.name);
        } else if (IsWordStart(c)) {
            t.kind = Tok::word;
            while (end < s.size() && IsWordChar(static_cast<unsigned char>(s[end])))
                ++end;
        } else if (std::isdigit(c)) {
            while (end < s.size() && (std::isalnum(static_cast<unsigned char>(s[end])) || s[end] == '.'))
                ++end;
        }
        t.text = s.substr(i, end - i);
        if (t.kind == Tok::word)
            t.name = t.text;
        tokens.push_back(std::move(t));
        i = end;
    }
    return tokens;
}

std::string Upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool IsOneOf(const std::string& word, std::initializer_list<const char*> list) {
    const std::string upper = Upper(word);
    return std::any_of(list.begin(), list.end(), [&](const char* w) { return upper == w; });
}

// Words that are never a column or table name in the program's SQL.
bool IsKeyword(const std::string& word) {
    return IsOneOf(word, {"SELECT",  "FROM",   "WHERE",   "AND",        "OR",         "NOT",    "NULL",
                          "LIKE",    "IN",     "IS",      "BETWEEN",    "ORDER",      "BY",     "GROUP",
                          "HAVING",  "AS",     "ON",      "JOIN",       "INNER",      "LEFT",   "RIGHT",
                          "OUTER",   "CREATE", "ALTER",   "TABLE",      "ADD",        "COLUMN", "DROP",
                          "PRIMARY", "KEY",    "DEFAULT", "CONSTRAINT", "REFERENCES", "UNIQUE", "CHECK",
                          "INSERT",  "INTO",   "VALUES",  "UPDATE",     "SET",        "DELETE", "DISTINCT",
                          "ASC",     "DESC",   "CAST",    "EXISTS",     "ALL",        "ANY",    "UNION",
                          "CASE",    "WHEN",   "THEN",    "ELSE",       "END",        "ESCAPE", "TOP"});
}

// Reserved words that a table of the program may be named after; they need quotes as table names.
bool IsReservedTableName(const std::string& word) {
    return IsOneOf(word,
                   {"UPDATE", "ORDER",  "GROUP",   "USER",       "SELECT", "TABLE",      "WHERE",  "FROM",
                    "DESC",   "ASC",    "BY",      "DEFAULT",    "CHECK",  "COLUMN",     "VALUES", "SET",
                    "DELETE", "INSERT", "INTO",    "JOIN",       "UNION",  "ALL",        "AND",    "OR",
                    "NOT",    "NULL",   "AS",      "ON",         "IN",     "IS",         "LIKE",   "CREATE",
                    "ALTER",  "DROP",   "PRIMARY", "REFERENCES", "UNIQUE", "CONSTRAINT", "CASE",   "WHEN",
                    "THEN",   "ELSE",   "END",     "TO",         "GRANT",  "LIMIT",      "OFFSET"});
}

bool IsIdentifier(const Token& t) {
    return t.kind == Tok::quotedIdent || t.kind == Tok::bracketIdent ||
           (t.kind == Tok::word && !IsKeyword(t.text));
}

// Index of the last non-space token before `end`, or -1.
int PrevSignificant(const std::vector<Token>& tokens, int end) {
    for (int i = end - 1; i >= 0; --i)
        if (tokens[static_cast<size_t>(i)].kind != Tok::space)
            return i;
    return -1;
}

int NextSignificant(const std::vector<Token>& tokens, size_t start) {
    for (size_t i = start; i < tokens.size(); ++i)
        if (tokens[i].kind != Tok::space)
            return static_cast<int>(i);
    return -1;
}

CString FormatDate(int year, int month, int day) {
    CString text;
    text.Format("{d '%04d-%02d-%02d'}", year, month, day);
    return text;
}

CString FormatTimestamp(int year, int month, int day, int hour, int minute, int second) {
    CString text;
    text.Format("{ts '%04d-%02d-%02d %02d:%02d:%02d'}", year, month, day, hour, minute, second);
    return text;
}

} // namespace

CSqlDialect CSqlDialect::FromDbmsName(LPCSTR dbmsName) {
    const std::string upper = Upper(dbmsName ? dbmsName : "");
    if (upper.find("ACCESS") != std::string::npos)
        return CSqlDialect(engineAccess);
    if (upper.find("SQLITE") != std::string::npos)
        return CSqlDialect(engineSQLite);
    if (upper.find("POSTGRES") != std::string::npos)
        return CSqlDialect(enginePostgreSQL);
    return CSqlDialect(engineGeneric);
}

CString CSqlDialect::QuoteIdentifier(LPCSTR name) const {
    std::string bare = name ? name : "";
    if (bare.size() >= 2 &&
        ((bare.front() == '[' && bare.back() == ']') || (bare.front() == '"' && bare.back() == '"')))
        bare = bare.substr(1, bare.size() - 2);
    if (m_engine == engineAccess)
        return CString(("[" + bare + "]").c_str());
    if (m_engine == enginePostgreSQL)
        bare = Lower(bare);
    std::string quoted = "\"";
    for (char c : bare) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    quoted += '"';
    return CString(quoted.c_str());
}

CString CSqlDialect::QuoteText(LPCSTR text) {
    CString quoted = text;
    quoted.Replace("'", "''");
    return "'" + quoted + "'";
}

CString CSqlDialect::DateLiteral(const CTime& time) {
    if (time.GetYear() == 0)
        return "NULL";
    return FormatDate(time.GetYear(), time.GetMonth(), time.GetDay());
}

CString CSqlDialect::TimestampLiteral(const CTime& time) {
    if (time.GetYear() == 0)
        return "NULL";
    return FormatTimestamp(time.GetYear(), time.GetMonth(), time.GetDay(), time.GetHour(), time.GetMinute(),
                           time.GetSecond());
}

CString CSqlDialect::DateLiteral(const COleDateTime& time) {
    if (time.GetStatus() != COleDateTime::valid || time.GetYear() == AFX_OLE_DATETIME_ERROR)
        return "NULL";
    return FormatDate(time.GetYear(), time.GetMonth(), time.GetDay());
}

CString CSqlDialect::TimestampLiteral(const COleDateTime& time) {
    if (time.GetStatus() != COleDateTime::valid || time.GetYear() == AFX_OLE_DATETIME_ERROR)
        return "NULL";
    return FormatTimestamp(time.GetYear(), time.GetMonth(), time.GetDay(), time.GetHour(), time.GetMinute(),
                           time.GetSecond());
}

CString CSqlDialect::MapColumnType(LPCSTR type) const {
    const std::string word = type ? type : "";
    if (m_engine == enginePostgreSQL) {
        struct Mapping {
            const char* from;
            const char* to;
        };
        static const Mapping mappings[] = {
            {"DATETIME", "timestamp"},
            {"NTEXT", "text"},
            {"MEMO", "text"},
            {"LONGTEXT", "text"},
            {"LONGCHAR", "text"},
            {"MONEY", "numeric(19,4)"},
            {"CURRENCY", "numeric(19,4)"},
            {"BIT", "smallint"},
            {"YESNO", "smallint"},
            {"BYTE", "smallint"},
            {"FLOAT", "double precision"},
            {"DOUBLE", "double precision"},
            {"SINGLE", "real"},
            {"LONG", "integer"},
            {"COUNTER", "serial"},
            {"AUTOINCREMENT", "serial"},
            {"IMAGE", "bytea"},
            {"LONGBINARY", "bytea"},
            {"OLEOBJECT", "bytea"},
        };
        const std::string upper = Upper(word);
        for (const Mapping& m : mappings)
            if (upper == m.from)
                return m.to;
    } else if (m_engine == engineSQLite) {
        if (IsOneOf(word, {"COUNTER", "AUTOINCREMENT"}))
            return "integer primary key autoincrement";
    }
    return word.c_str();
}

CString CSqlDialect::Translate(LPCSTR sql) const {
    std::vector<Token> tokens = Tokenize(sql ? sql : "");

    // Column types are mapped in table definitions only.
    bool ddl = false;
    if (const int first = NextSignificant(tokens, 0);
        first >= 0 && tokens[static_cast<size_t>(first)].kind == Tok::word) {
        const int second = NextSignificant(tokens, static_cast<size_t>(first) + 1);
        ddl = IsOneOf(tokens[static_cast<size_t>(first)].text, {"CREATE", "ALTER"}) && second >= 0 &&
              IsOneOf(tokens[static_cast<size_t>(second)].text, {"TABLE"});
    }
    const int leading = NextSignificant(tokens, 0);

    std::vector<Token> out;
    out.reserve(tokens.size());
    for (size_t i = 0; i < tokens.size(); ++i) {
        Token t = tokens[i];
        const int prev = PrevSignificant(out, static_cast<int>(out.size()));
        const Token* before = prev >= 0 ? &out[static_cast<size_t>(prev)] : nullptr;

        if (t.kind == Tok::word && before && before->kind == Tok::word && IsReservedTableName(t.text) &&
            (IsOneOf(before->text, {"FROM", "INTO", "TABLE", "JOIN"}) ||
             (IsOneOf(before->text, {"UPDATE"}) && prev == leading))) {
            // A table named after a reserved word.
            t.kind = Tok::quotedIdent;
            t.text = QuoteIdentifier(t.name.c_str()).GetString();
        } else if (t.kind == Tok::bracketIdent || t.kind == Tok::quotedIdent) {
            if (m_engine == enginePostgreSQL || (m_engine == engineGeneric && t.kind == Tok::bracketIdent))
                t.text = QuoteIdentifier(t.name.c_str()).GetString();
        } else if (t.kind == Tok::word && ddl && before && IsIdentifier(*before) && !IsKeyword(t.text) &&
                   !(IsOneOf(t.text, {"AUTOINCREMENT"}) && IsOneOf(before->text, {"KEY"}))) {
            // A word right after a column name is its type.
            t.text = MapColumnType(t.text.c_str()).GetString();
        } else if (t.kind == Tok::word && m_engine == enginePostgreSQL && IsOneOf(t.text, {"LIKE"})) {
            // Compare the text of the left-hand column: LIKE is not defined on numbers in PostgreSQL.
            int operand = prev;
            if (operand >= 0 && out[static_cast<size_t>(operand)].kind == Tok::word &&
                IsOneOf(out[static_cast<size_t>(operand)].text, {"NOT"}))
                operand = PrevSignificant(out, operand);
            if (operand >= 0 && IsIdentifier(out[static_cast<size_t>(operand)])) {
                int start = operand;
                // A qualified name: table.column
                while (start >= 2 && out[static_cast<size_t>(start) - 1].text == "." &&
                       IsIdentifier(out[static_cast<size_t>(start) - 2]))
                    start -= 2;
                std::string operandText;
                for (int k = start; k <= operand; ++k)
                    operandText += out[static_cast<size_t>(k)].text;
                out[static_cast<size_t>(start)].text = "CAST(" + operandText + " AS TEXT)";
                out[static_cast<size_t>(start)].kind = Tok::other;
                out.erase(out.begin() + start + 1, out.begin() + operand + 1);
            }
        }
        out.push_back(std::move(t));
    }

    std::string result;
    for (const Token& t : out)
        result += t.text;
    return CString(result.c_str());
}

std::vector<CString> CSqlDialect::GetRowLocatorColumns() const {
    switch (m_engine) {
    case engineSQLite:
        return {"rowid"};
    case enginePostgreSQL:
        return {"ctid", "xmin"};
    default:
        return {};
    }
}

CString CSqlDialect::RowLocatorCondition(const std::vector<CString>& values) const {
    const std::vector<CString> columns = GetRowLocatorColumns();
    CString condition;
    for (size_t i = 0; i < columns.size() && i < values.size(); ++i) {
        if (!condition.IsEmpty())
            condition += " AND ";
        // rowid is a number; ctid and xmin are compared with their text forms.
        const std::string value = values[i].GetString();
        const bool number =
            m_engine == engineSQLite && !value.empty() &&
            std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
        condition += columns[i] + " = " + (number ? values[i] : QuoteText(values[i]));
    }
    return condition;
}
