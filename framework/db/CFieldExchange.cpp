#include "framework/db/CFieldExchange.h"

#include <cstring>

namespace {

bool IsZero(const TIMESTAMP_STRUCT& ts) {
    return ts.year == 0 && ts.month == 0 && ts.day == 0 && ts.hour == 0 && ts.minute == 0 && ts.second == 0 &&
           ts.fraction == 0;
}

TIMESTAMP_STRUCT ToTimestamp(int year, int month, int day, int hour, int minute, int second) {
    TIMESTAMP_STRUCT ts{};
    ts.year = static_cast<SQLSMALLINT>(year);
    ts.month = static_cast<SQLUSMALLINT>(month);
    ts.day = static_cast<SQLUSMALLINT>(day);
    ts.hour = static_cast<SQLUSMALLINT>(hour);
    ts.minute = static_cast<SQLUSMALLINT>(minute);
    ts.second = static_cast<SQLUSMALLINT>(second);
    return ts;
}

} // namespace

void CFieldExchange::Exchange(LPCSTR name, FieldKind kind, void* value, int maxLength) {
    if (m_nOperation == describeFields) {
        m_bindings.push_back({m_nFieldType, name, kind, value, maxLength});
        return;
    }
    if (m_nOperation == loadFields && m_nFieldType == outputColumn && m_pRow) {
        if (m_nColumn < m_pRow->size())
            LoadValue({m_nFieldType, name, kind, value, maxLength}, (*m_pRow)[m_nColumn]);
        ++m_nColumn;
    }
}

SQLSMALLINT CFieldExchange::FetchType(FieldKind kind) noexcept {
    switch (kind) {
    case kindText:
        return SQL_C_CHAR;
    case kindByte:
        return SQL_C_UTINYINT;
    case kindSingle:
        return SQL_C_FLOAT;
    case kindDouble:
        return SQL_C_DOUBLE;
    case kindTime:
    case kindTimestamp:
    case kindOleDate:
        return SQL_C_TYPE_TIMESTAMP;
    default: // int, long and bool all read as a 32-bit number (a bool column may hold any integer)
        return SQL_C_SLONG;
    }
}

SQLSMALLINT CFieldExchange::SqlType(FieldKind kind) noexcept {
    switch (kind) {
    case kindText:
        return SQL_VARCHAR;
    case kindByte:
        return SQL_SMALLINT;
    case kindSingle:
        return SQL_REAL;
    case kindDouble:
        return SQL_DOUBLE;
    case kindTime:
    case kindTimestamp:
    case kindOleDate:
        return SQL_TYPE_TIMESTAMP;
    default:
        return SQL_INTEGER;
    }
}

void CFieldExchange::SetPseudoNull(const Binding& b) {
    switch (b.kind) {
    case kindText:
        static_cast<CString*>(b.value)->Empty();
        break;
    case kindInt:
        *static_cast<int*>(b.value) = AFX_RFX_INT_PSEUDO_NULL;
        break;
    case kindLong:
        *static_cast<long*>(b.value) = AFX_RFX_LONG_PSEUDO_NULL;
        break;
    case kindBool:
        *static_cast<BOOL*>(b.value) = AFX_RFX_BOOL_PSEUDO_NULL;
        break;
    case kindByte:
        *static_cast<BYTE*>(b.value) = AFX_RFX_BYTE_PSEUDO_NULL;
        break;
    case kindSingle:
        *static_cast<float*>(b.value) = AFX_RFX_SINGLE_PSEUDO_NULL;
        break;
    case kindDouble:
        *static_cast<double*>(b.value) = AFX_RFX_DOUBLE_PSEUDO_NULL;
        break;
    case kindTime:
        *static_cast<CTime*>(b.value) = CTime(AFX_RFX_DATE_PSEUDO_NULL);
        break;
    case kindTimestamp:
        *static_cast<TIMESTAMP_STRUCT*>(b.value) = TIMESTAMP_STRUCT{};
        break;
    case kindOleDate: {
        auto* date = static_cast<COleDateTime*>(b.value);
        date->m_dt = 0;
        date->SetStatus(COleDateTime::null);
        break;
    }
    }
}

bool CFieldExchange::HoldsPseudoNull(const Binding& b) {
    switch (b.kind) {
    case kindText:
        return static_cast<const CString*>(b.value)->IsEmpty();
    case kindInt:
        return *static_cast<const int*>(b.value) == AFX_RFX_INT_PSEUDO_NULL;
    case kindLong:
        return *static_cast<const long*>(b.value) == AFX_RFX_LONG_PSEUDO_NULL;
    case kindBool:
        return *static_cast<const BOOL*>(b.value) == AFX_RFX_BOOL_PSEUDO_NULL;
    case kindByte:
        return *static_cast<const BYTE*>(b.value) == AFX_RFX_BYTE_PSEUDO_NULL;
    case kindSingle:
        return *static_cast<const float*>(b.value) == AFX_RFX_SINGLE_PSEUDO_NULL;
    case kindDouble:
        return *static_cast<const double*>(b.value) == AFX_RFX_DOUBLE_PSEUDO_NULL;
    case kindTime:
        return static_cast<const CTime*>(b.value)->GetTime() == AFX_RFX_DATE_PSEUDO_NULL;
    case kindTimestamp:
        return IsZero(*static_cast<const TIMESTAMP_STRUCT*>(b.value));
    case kindOleDate:
        return static_cast<const COleDateTime*>(b.value)->GetStatus() != COleDateTime::valid;
    }
    return false;
}

void CFieldExchange::LoadValue(const Binding& b, const CDBVariant& v) {
    if (v.IsNull()) {
        SetPseudoNull(b);
        return;
    }
    switch (b.kind) {
    case kindText: {
        auto& member = *static_cast<CString*>(b.value);
        if (v.m_dwType == DBVT_STRING) // the common case, without a copy in between
            member = *v.m_pstring;
        else
            member = v.ToText();
        if (b.maxLength > 0 && member.GetLength() > b.maxLength)
            member = member.Left(b.maxLength);
        break;
    }
    case kindInt:
        *static_cast<int*>(b.value) = static_cast<int>(v.m_lVal);
        break;
    case kindLong:
        *static_cast<long*>(b.value) = v.m_lVal;
        break;
    case kindBool:
        *static_cast<BOOL*>(b.value) = v.m_lVal != 0 ? TRUE : FALSE;
        break;
    case kindByte:
        *static_cast<BYTE*>(b.value) = v.m_chVal;
        break;
    case kindSingle:
        *static_cast<float*>(b.value) = v.m_fltVal;
        break;
    case kindDouble:
        *static_cast<double*>(b.value) = v.m_dblVal;
        break;
    case kindTime: {
        const TIMESTAMP_STRUCT& ts = *v.m_pdate;
        *static_cast<CTime*>(b.value) = CTime(ts.year, ts.month, ts.day, ts.hour, ts.minute, ts.second);
        break;
    }
    case kindTimestamp:
        *static_cast<TIMESTAMP_STRUCT*>(b.value) = *v.m_pdate;
        break;
    case kindOleDate: {
        const TIMESTAMP_STRUCT& ts = *v.m_pdate;
        static_cast<COleDateTime*>(b.value)->SetDateTime(ts.year, ts.month, ts.day, ts.hour, ts.minute,
                                                         ts.second);
        break;
    }
    }
}

CDBVariant CFieldExchange::StoreValue(const Binding& b, bool nullAllowed) {
    CDBVariant v;
    if (nullAllowed && HoldsPseudoNull(b))
        return v;
    switch (b.kind) {
    case kindText:
        v.SetString(*static_cast<const CString*>(b.value));
        break;
    case kindInt:
        v.SetLong(*static_cast<const int*>(b.value));
        break;
    case kindLong:
        v.SetLong(*static_cast<const long*>(b.value));
        break;
    case kindBool:
        v.SetLong(*static_cast<const BOOL*>(b.value) != 0 ? 1 : 0);
        break;
    case kindByte:
        v.SetUChar(*static_cast<const BYTE*>(b.value));
        break;
    case kindSingle:
        v.SetSingle(*static_cast<const float*>(b.value));
        break;
    case kindDouble:
        v.SetDouble(*static_cast<const double*>(b.value));
        break;
    case kindTime: {
        struct tm local {};
        if (static_cast<const CTime*>(b.value)->GetLocalTm(&local))
            v.SetDate(ToTimestamp(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                                  local.tm_min, local.tm_sec));
        break;
    }
    case kindTimestamp:
        v.SetDate(*static_cast<const TIMESTAMP_STRUCT*>(b.value));
        break;
    case kindOleDate: {
        const auto* date = static_cast<const COleDateTime*>(b.value);
        if (date->GetStatus() == COleDateTime::valid && date->GetYear() != AFX_OLE_DATETIME_ERROR)
            v.SetDate(ToTimestamp(date->GetYear(), date->GetMonth(), date->GetDay(), date->GetHour(),
                                  date->GetMinute(), date->GetSecond()));
        break;
    }
    }
    return v;
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

CDBVariant CFieldExchange::Normalize(const Binding& b, const CDBVariant& fetched) {
    CString text;
    int intValue = 0;
    long longValue = 0;
    BOOL boolValue = FALSE;
    BYTE byteValue = 0;
    float singleValue = 0;
    double doubleValue = 0;
    CTime timeValue;
    TIMESTAMP_STRUCT timestampValue{};
    COleDateTime oleValue;
    void* member = nullptr;
    switch (b.kind) {
    case kindText:
        member = &text;
        break;
    case kindInt:
        member = &intValue;
        break;
    case kindLong:
        member = &longValue;
        break;
    case kindBool:
        member = &boolValue;
        break;
    case kindByte:
        member = &byteValue;
        break;
    case kindSingle:
        member = &singleValue;
        break;
    case kindDouble:
        member = &doubleValue;
        break;
    case kindTime:
        member = &timeValue;
        break;
    case kindTimestamp:
        member = &timestampValue;
        break;
    case kindOleDate:
        member = &oleValue;
        break;
    }
    const Binding temporary{b.fieldType, b.name, b.kind, member, b.maxLength};
    LoadValue(temporary, fetched);
    return StoreValue(temporary);
}
