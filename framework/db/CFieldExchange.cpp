#include "framework/db/CFieldExchange.h"

#include "framework/db/CRowStore.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <type_traits>

namespace {

using FX = CFieldExchange;

// Everything one kind of field member needs, in one place:
//   Member, Fetched          the member's type and the type of the value fetched for it
//   fetchType, variantType   the ODBC C type it is read with and the CDBVariant type of that value
//   sqlType                  the SQL type declared for it as a NULL parameter
//   SetNull / IsNull         its pseudo-null value
//   Load(member, fetched, maxLength) and Store(member, variant)
template <FX::FieldKind> struct Kind;

// Numbers: fetched as a number of their own or a wider type, NULL as a reserved value.
template <typename M, typename F, SQLSMALLINT cType, DWORD dbvt, SQLSMALLINT sql, M null> struct Number {
    using Member = M;
    using Fetched = F;
    static constexpr SQLSMALLINT fetchType = cType;
    static constexpr DWORD variantType = dbvt;
    static constexpr SQLSMALLINT sqlType = sql;
    static void SetNull(M& m) { m = null; }
    static bool IsNull(M m) { return m == null; }
    static void Load(M& m, F f, int) { m = static_cast<M>(f); }
    static void Store(M m, CDBVariant& v) {
        const F value = static_cast<F>(m);
        v.SetCValue(cType, &value);
    }
};

template <>
struct Kind<FX::kindInt>
    : Number<int, SQLINTEGER, SQL_C_SLONG, DBVT_LONG, SQL_INTEGER, AFX_RFX_INT_PSEUDO_NULL> {};

template <>
struct Kind<FX::kindLong>
    : Number<long, SQLINTEGER, SQL_C_SLONG, DBVT_LONG, SQL_INTEGER, AFX_RFX_LONG_PSEUDO_NULL> {};

// A bool column may hold any integer: it is read as one.
template <>
struct Kind<FX::kindBool>
    : Number<BOOL, SQLINTEGER, SQL_C_SLONG, DBVT_LONG, SQL_INTEGER, AFX_RFX_BOOL_PSEUDO_NULL> {
    static void Load(BOOL& m, SQLINTEGER f, int) { m = f != 0 ? TRUE : FALSE; }
    static void Store(BOOL m, CDBVariant& v) { v.SetLong(m != 0 ? 1 : 0); }
};

template <>
struct Kind<FX::kindByte>
    : Number<BYTE, unsigned char, SQL_C_UTINYINT, DBVT_UCHAR, SQL_SMALLINT, AFX_RFX_BYTE_PSEUDO_NULL> {};

template <>
struct Kind<FX::kindSingle>
    : Number<float, SQLREAL, SQL_C_FLOAT, DBVT_SINGLE, SQL_REAL, AFX_RFX_SINGLE_PSEUDO_NULL> {};

template <>
struct Kind<FX::kindDouble>
    : Number<double, SQLDOUBLE, SQL_C_DOUBLE, DBVT_DOUBLE, SQL_DOUBLE, AFX_RFX_DOUBLE_PSEUDO_NULL> {};

// Text: NULL is the empty text (so an empty text is written as NULL); a value is cut to the most
// characters the member keeps.
template <> struct Kind<FX::kindText> {
    using Member = CString;
    using Fetched = std::string_view;
    static constexpr SQLSMALLINT fetchType = SQL_C_CHAR;
    static constexpr DWORD variantType = DBVT_STRING;
    static constexpr SQLSMALLINT sqlType = SQL_VARCHAR;
    static void SetNull(CString& m) { m.Empty(); }
    static bool IsNull(const CString& m) { return m.IsEmpty(); }
    static void Load(CString& m, std::string_view f, int maxLength) {
        size_t length = f.size();
        if (maxLength > 0)
            length = std::min(length, static_cast<size_t>(maxLength));
        // In place: the member's buffer is reused from row to row.
        char* text = m.GetBufferSetLength(static_cast<int>(length));
        if (length)
            std::memcpy(text, f.data(), length);
    }
    static void Store(const CString& m, CDBVariant& v) { v.SetString(m); }
};

// Dates: fetched as ODBC timestamps.
template <typename M> struct Date {
    using Member = M;
    using Fetched = TIMESTAMP_STRUCT;
    static constexpr SQLSMALLINT fetchType = SQL_C_TYPE_TIMESTAMP;
    static constexpr DWORD variantType = DBVT_DATE;
    static constexpr SQLSMALLINT sqlType = SQL_TYPE_TIMESTAMP;
};

template <> struct Kind<FX::kindTime> : Date<CTime> {
    static void SetNull(CTime& m) { m = CTime(AFX_RFX_DATE_PSEUDO_NULL); }
    static bool IsNull(const CTime& m) { return m.GetTime() == AFX_RFX_DATE_PSEUDO_NULL; }
    static void Load(CTime& m, const TIMESTAMP_STRUCT& f, int) {
        m = CTime(f.year, f.month, f.day, f.hour, f.minute, f.second);
    }
    static void Store(const CTime& m, CDBVariant& v) {
        struct tm local {};
        if (m.GetLocalTm(&local))
            v.SetDate(AfxMakeTimestamp(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                                       local.tm_min, local.tm_sec));
    }
};

template <> struct Kind<FX::kindTimestamp> : Date<TIMESTAMP_STRUCT> {
    static void SetNull(TIMESTAMP_STRUCT& m) { m = TIMESTAMP_STRUCT{}; }
    static bool IsNull(const TIMESTAMP_STRUCT& m) {
        return m.year == 0 && m.month == 0 && m.day == 0 && m.hour == 0 && m.minute == 0 && m.second == 0 &&
               m.fraction == 0;
    }
    static void Load(TIMESTAMP_STRUCT& m, const TIMESTAMP_STRUCT& f, int) { m = f; }
    static void Store(const TIMESTAMP_STRUCT& m, CDBVariant& v) { v.SetDate(m); }
};

template <> struct Kind<FX::kindOleDate> : Date<COleDateTime> {
    static void SetNull(COleDateTime& m) {
        m.m_dt = 0;
        m.SetStatus(COleDateTime::null);
    }
    static bool IsNull(const COleDateTime& m) { return m.GetStatus() != COleDateTime::valid; }
    static void Load(COleDateTime& m, const TIMESTAMP_STRUCT& f, int) {
        m.SetDateTime(f.year, f.month, f.day, f.hour, f.minute, f.second);
    }
    static void Store(const COleDateTime& m, CDBVariant& v) {
        if (m.GetStatus() == COleDateTime::valid && m.GetYear() != AFX_OLE_DATETIME_ERROR)
            v.SetDate(AfxMakeTimestamp(m.GetYear(), m.GetMonth(), m.GetDay(), m.GetHour(), m.GetMinute(),
                                       m.GetSecond()));
    }
};

// Calls work with the Kind of this kind.
template <typename Work> decltype(auto) Dispatch(FX::FieldKind kind, Work&& work) {
    switch (kind) {
    case FX::kindText:
        return work(Kind<FX::kindText>{});
    case FX::kindInt:
        return work(Kind<FX::kindInt>{});
    case FX::kindLong:
        return work(Kind<FX::kindLong>{});
    case FX::kindBool:
        return work(Kind<FX::kindBool>{});
    case FX::kindByte:
        return work(Kind<FX::kindByte>{});
    case FX::kindSingle:
        return work(Kind<FX::kindSingle>{});
    case FX::kindDouble:
        return work(Kind<FX::kindDouble>{});
    case FX::kindTime:
        return work(Kind<FX::kindTime>{});
    case FX::kindTimestamp:
        return work(Kind<FX::kindTimestamp>{});
    case FX::kindOleDate:
        break;
    }
    return work(Kind<FX::kindOleDate>{});
}

template <typename K> typename K::Member& MemberOf(const FX::Binding& b) {
    return *static_cast<typename K::Member*>(b.value);
}

// The fetched value a variant of the kind's own type holds.
template <typename K> typename K::Fetched FromVariant(const CDBVariant& v) {
    using F = typename K::Fetched;
    if constexpr (std::is_same_v<F, std::string_view>)
        return std::string_view(v.m_pstring->GetString(), static_cast<size_t>(v.m_pstring->GetLength()));
    else if constexpr (std::is_same_v<F, TIMESTAMP_STRUCT>)
        return *v.m_pdate;
    else if constexpr (std::is_same_v<F, unsigned char>)
        return v.m_chVal;
    else if constexpr (std::is_same_v<F, SQLREAL>)
        return v.m_fltVal;
    else if constexpr (std::is_same_v<F, SQLDOUBLE>)
        return v.m_dblVal;
    else
        return v.m_lVal;
}

// The fetched value a row store keeps in a column of the kind's fetch type.
template <typename K> typename K::Fetched FromStore(const CRowStore& rows, size_t row, size_t column) {
    using F = typename K::Fetched;
    if constexpr (std::is_same_v<F, std::string_view>) {
        return rows.GetText(row, column);
    } else {
        F value;
        std::memcpy(&value, rows.GetFixed(row, column), sizeof value);
        return value;
    }
}

} // namespace

void CFieldExchange::Exchange(LPCSTR name, FieldKind kind, void* value, int maxLength) {
    if (m_nOperation == describeFields)
        m_bindings.push_back({m_nFieldType, name, kind, value, maxLength});
}

SQLSMALLINT CFieldExchange::FetchType(FieldKind kind) noexcept {
    return Dispatch(kind, [](auto k) { return decltype(k)::fetchType; });
}

SQLSMALLINT CFieldExchange::SqlType(FieldKind kind) noexcept {
    return Dispatch(kind, [](auto k) { return decltype(k)::sqlType; });
}

void CFieldExchange::SetPseudoNull(const Binding& b) {
    Dispatch(b.kind, [&](auto k) { decltype(k)::SetNull(MemberOf<decltype(k)>(b)); });
}

bool CFieldExchange::HoldsPseudoNull(const Binding& b) {
    return Dispatch(b.kind, [&](auto k) { return decltype(k)::IsNull(MemberOf<decltype(k)>(b)); });
}

void CFieldExchange::LoadValue(const Binding& b, const CDBVariant& v) {
    Dispatch(b.kind, [&](auto k) {
        using K = decltype(k);
        CDBVariant converted;
        const CDBVariant* value = &v;
        if (!v.IsNull() && v.m_dwType != K::variantType) {
            if (!v.ConvertTo(K::fetchType, converted) || converted.m_dwType != K::variantType)
                converted.Clear();
            value = &converted;
        }
        if (value->IsNull())
            K::SetNull(MemberOf<K>(b));
        else
            K::Load(MemberOf<K>(b), FromVariant<K>(*value), b.maxLength);
    });
}

void CFieldExchange::LoadStored(const Binding& b, const CRowStore& rows, size_t row, size_t column) {
    if (rows.IsNull(row, column)) {
        SetPseudoNull(b);
        return;
    }
    if (rows.GetColumnType(column) != FetchType(b.kind)) {
        LoadValue(b, rows.GetValue(row, column));
        return;
    }
    // Straight from the store, without a CDBVariant in between.
    Dispatch(b.kind, [&](auto k) {
        using K = decltype(k);
        K::Load(MemberOf<K>(b), FromStore<K>(rows, row, column), b.maxLength);
    });
}

CDBVariant CFieldExchange::StoreValue(const Binding& b, bool nullAllowed) {
    CDBVariant v;
    if (nullAllowed && HoldsPseudoNull(b))
        return v;
    Dispatch(b.kind, [&](auto k) { decltype(k)::Store(MemberOf<decltype(k)>(b), v); });
    return v;
}

CDBVariant CFieldExchange::Normalize(const Binding& b, const CDBVariant& fetched) {
    return Dispatch(b.kind, [&](auto k) {
        typename decltype(k)::Member member{};
        const Binding temporary{b.fieldType, b.name, b.kind, &member, b.maxLength};
        LoadValue(temporary, fetched);
        return StoreValue(temporary);
    });
}

void AFXAPI RFX_Text(CFieldExchange* pFX, LPCSTR szName, CString& value, int nMaxLength, int, short) {
    pFX->Exchange(szName, CFieldExchange::kindText, &value, nMaxLength);
}

void AFXAPI RFX_Int(CFieldExchange* pFX, LPCSTR szName, int& value) {
    pFX->Exchange(szName, CFieldExchange::kindInt, &value);
}

void AFXAPI RFX_Long(CFieldExchange* pFX, LPCSTR szName, long& value) {
    pFX->Exchange(szName, CFieldExchange::kindLong, &value);
}

void AFXAPI RFX_Bool(CFieldExchange* pFX, LPCSTR szName, BOOL& value) {
    pFX->Exchange(szName, CFieldExchange::kindBool, &value);
}

void AFXAPI RFX_Byte(CFieldExchange* pFX, LPCSTR szName, BYTE& value) {
    pFX->Exchange(szName, CFieldExchange::kindByte, &value);
}

void AFXAPI RFX_Single(CFieldExchange* pFX, LPCSTR szName, float& value) {
    pFX->Exchange(szName, CFieldExchange::kindSingle, &value);
}

void AFXAPI RFX_Double(CFieldExchange* pFX, LPCSTR szName, double& value) {
    pFX->Exchange(szName, CFieldExchange::kindDouble, &value);
}

void AFXAPI RFX_Date(CFieldExchange* pFX, LPCSTR szName, CTime& value) {
    pFX->Exchange(szName, CFieldExchange::kindTime, &value);
}

void AFXAPI RFX_Date(CFieldExchange* pFX, LPCSTR szName, TIMESTAMP_STRUCT& value) {
    pFX->Exchange(szName, CFieldExchange::kindTimestamp, &value);
}

void AFXAPI RFX_Date(CFieldExchange* pFX, LPCSTR szName, COleDateTime& value) {
    pFX->Exchange(szName, CFieldExchange::kindOleDate, &value);
}
