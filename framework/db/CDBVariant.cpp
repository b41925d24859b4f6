#include "framework/db/CDBVariant.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>

namespace {

CString FormatDouble(double value, int minPrecision, int maxPrecision) {
    // The shortest form that reads back as the same number.
    char text[64] = {};
    for (int precision = minPrecision; precision <= maxPrecision; ++precision) {
        std::snprintf(text, sizeof text, "%.*g", precision, value);
        if (std::strtod(text, nullptr) == value)
            break;
    }
    return text;
}

CString FormatTimestamp(const TIMESTAMP_STRUCT& ts) {
    CString text;
    text.Format("%04d-%02u-%02u %02u:%02u:%02u", ts.year, ts.month, ts.day, ts.hour, ts.minute, ts.second);
    if (ts.fraction != 0) {
        CString fraction;
        fraction.Format(".%09lu", static_cast<unsigned long>(ts.fraction));
        fraction.TrimRight('0');
        text += fraction;
    }
    return text;
}

bool ParseTimestamp(const char* text, TIMESTAMP_STRUCT& ts) {
    ts = TIMESTAMP_STRUCT{};
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, used = 0;
    const int fields = std::sscanf(text, "%d-%d-%d%n %d:%d:%d%n", &year, &month, &day, &used, &hour, &minute,
                                   &second, &used);
    if (fields != 3 && fields != 6)
        return false;
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59)
        return false;
    ts = AfxMakeTimestamp(year, month, day, hour, minute, second);
    const char* rest = text + used;
    if (*rest == '.') {
        unsigned long fraction = 0;
        int digits = 0;
        for (++rest; *rest >= '0' && *rest <= '9'; ++rest) {
            if (digits < 9) {
                fraction = fraction * 10 + static_cast<unsigned long>(*rest - '0');
                ++digits;
            }
        }
        for (; digits < 9; ++digits)
            fraction *= 10;
        ts.fraction = fraction;
    }
    while (*rest == ' ')
        ++rest;
    return *rest == '\0';
}

bool ParseNumber(const char* text, double& value) {
    while (*text == ' ')
        ++text;
    if (*text == '\0')
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text, &end);
    while (*end == ' ')
        ++end;
    return *end == '\0' && errno == 0;
}

template <typename T> bool InRange(double value) {
    return value >= static_cast<double>(std::numeric_limits<T>::lowest()) &&
           value <= static_cast<double>(std::numeric_limits<T>::max());
}

} // namespace

CDBVariant::CDBVariant(const CDBVariant& other) {
    m_lVal = 0;
    CopyFrom(other);
}

CDBVariant::CDBVariant(CDBVariant&& other) noexcept {
    m_lVal = 0;
    *this = std::move(other);
}

CDBVariant& CDBVariant::operator=(const CDBVariant& other) {
    if (this != &other) {
        Clear();
        CopyFrom(other);
    }
    return *this;
}

CDBVariant& CDBVariant::operator=(CDBVariant&& other) noexcept {
    if (this != &other) {
        Clear();
        m_dwType = other.m_dwType;
        m_dblVal = 0;
        std::memcpy(static_cast<void*>(&m_dblVal), static_cast<const void*>(&other.m_dblVal), sizeof(double));
        other.m_dwType = DBVT_NULL;
        other.m_dblVal = 0;
    }
    return *this;
}

void CDBVariant::CopyFrom(const CDBVariant& other) {
    switch (other.m_dwType) {
    case DBVT_DATE:
        SetDate(*other.m_pdate);
        break;
    case DBVT_STRING:
        SetString(*other.m_pstring);
        break;
    case DBVT_BINARY: {
        const CLongBinary& source = *other.m_pbinary;
        const void* data = source.m_hData ? GlobalLock(source.m_hData) : nullptr;
        SetBinary(data, source.m_dwDataLength);
        if (source.m_hData)
            GlobalUnlock(source.m_hData);
        break;
    }
    default:
        m_dwType = other.m_dwType;
        m_dblVal = 0;
        std::memcpy(static_cast<void*>(&m_dblVal), static_cast<const void*>(&other.m_dblVal), sizeof(double));
        break;
    }
}

void CDBVariant::Clear() noexcept {
    switch (m_dwType) {
    case DBVT_DATE:
        delete m_pdate;
        break;
    case DBVT_STRING:
        delete m_pstring;
        break;
    case DBVT_BINARY:
        delete m_pbinary;
        break;
    default:
        break;
    }
    m_dwType = DBVT_NULL;
    m_dblVal = 0;
}

void CDBVariant::SetBool(BOOL value) {
    Clear();
    m_dwType = DBVT_BOOL;
    m_boolVal = value ? TRUE : FALSE;
}

void CDBVariant::SetUChar(unsigned char value) {
    Clear();
    m_dwType = DBVT_UCHAR;
    m_chVal = value;
}

void CDBVariant::SetShort(short value) {
    Clear();
    m_dwType = DBVT_SHORT;
    m_iVal = value;
}

void CDBVariant::SetLong(long value) {
    Clear();
    m_dwType = DBVT_LONG;
    m_lVal = value;
}

void CDBVariant::SetSingle(float value) {
    Clear();
    m_dwType = DBVT_SINGLE;
    m_fltVal = value;
}

void CDBVariant::SetDouble(double value) {
    Clear();
    m_dwType = DBVT_DOUBLE;
    m_dblVal = value;
}

void CDBVariant::SetDate(const TIMESTAMP_STRUCT& value) {
    auto* date = new TIMESTAMP_STRUCT(value);
    Clear();
    m_dwType = DBVT_DATE;
    m_pdate = date;
}

void CDBVariant::SetString(const CString& value) {
    auto* text = new CString(value);
    Clear();
    m_dwType = DBVT_STRING;
    m_pstring = text;
}

void CDBVariant::SetString(CString&& value) {
    auto* text = new CString(std::move(value));
    Clear();
    m_dwType = DBVT_STRING;
    m_pstring = text;
}

void CDBVariant::SetBinary(const void* data, SQLULEN length) {
    auto* binary = new CLongBinary;
    if (!binary->Assign(data, length)) {
        delete binary;
        throw std::bad_alloc();
    }
    Clear();
    m_dwType = DBVT_BINARY;
    m_pbinary = binary;
}

bool CDBVariant::SetCValue(SQLSMALLINT cType, const void* bytes) {
    const auto read = [bytes](auto value) {
        std::memcpy(&value, bytes, sizeof value);
        return value;
    };
    switch (cType) {
    case SQL_C_BIT:
        SetBool(read(static_cast<unsigned char>(0)) != 0);
        return true;
    case SQL_C_UTINYINT:
        SetUChar(read(static_cast<unsigned char>(0)));
        return true;
    case SQL_C_SSHORT:
        SetShort(read(SQLSMALLINT{}));
        return true;
    case SQL_C_SLONG:
        SetLong(read(SQLINTEGER{}));
        return true;
    case SQL_C_FLOAT:
        SetSingle(read(SQLREAL{}));
        return true;
    case SQL_C_DOUBLE:
        SetDouble(read(SQLDOUBLE{}));
        return true;
    case SQL_C_TYPE_TIMESTAMP:
        SetDate(read(TIMESTAMP_STRUCT{}));
        return true;
    default:
        Clear();
        return false;
    }
}

CString CDBVariant::ToText() const {
    CString text;
    switch (m_dwType) {
    case DBVT_BOOL:
        text = m_boolVal ? "1" : "0";
        break;
    case DBVT_UCHAR:
        text.Format("%u", static_cast<unsigned>(m_chVal));
        break;
    case DBVT_SHORT:
        text.Format("%d", static_cast<int>(m_iVal));
        break;
    case DBVT_LONG:
        text.Format("%ld", m_lVal);
        break;
    case DBVT_SINGLE:
        text = FormatDouble(m_fltVal, 6, 9);
        break;
    case DBVT_DOUBLE:
        text = FormatDouble(m_dblVal, 15, 17);
        break;
    case DBVT_DATE:
        text = FormatTimestamp(*m_pdate);
        break;
    case DBVT_STRING:
        text = *m_pstring;
        break;
    case DBVT_BINARY:
        if (m_pbinary->m_hData && m_pbinary->m_dwDataLength) {
            const char* data = static_cast<const char*>(GlobalLock(m_pbinary->m_hData));
            text = CString(data, static_cast<int>(m_pbinary->m_dwDataLength));
            GlobalUnlock(m_pbinary->m_hData);
        }
        break;
    default:
        break;
    }
    return text;
}

bool CDBVariant::AsDouble(double& value) const {
    switch (m_dwType) {
    case DBVT_BOOL:
        value = m_boolVal ? 1 : 0;
        return true;
    case DBVT_UCHAR:
        value = m_chVal;
        return true;
    case DBVT_SHORT:
        value = m_iVal;
        return true;
    case DBVT_LONG:
        value = m_lVal;
        return true;
    case DBVT_SINGLE:
        value = m_fltVal;
        return true;
    case DBVT_DOUBLE:
        value = m_dblVal;
        return true;
    case DBVT_STRING:
        return ParseNumber(*m_pstring, value);
    default:
        return false;
    }
}

bool CDBVariant::ConvertTo(SQLSMALLINT cType, CDBVariant& result) const {
    result.Clear();
    if (IsNull())
        return true;
    double number = 0;
    switch (cType) {
    case SQL_C_CHAR:
        result.SetString(ToText());
        return true;
    case SQL_C_BINARY:
        if (m_dwType == DBVT_BINARY) {
            result = *this;
        } else {
            const CString text = ToText();
            result.SetBinary(static_cast<LPCSTR>(text), static_cast<SQLULEN>(text.GetLength()));
        }
        return true;
    case SQL_C_TIMESTAMP:
    case SQL_C_TYPE_TIMESTAMP:
    case SQL_C_DATE:
    case SQL_C_TYPE_DATE: {
        if (m_dwType == DBVT_DATE) {
            result = *this;
            return true;
        }
        TIMESTAMP_STRUCT ts{};
        if (m_dwType != DBVT_STRING || !ParseTimestamp(*m_pstring, ts))
            return false;
        result.SetDate(ts);
        return true;
    }
    case SQL_C_BIT:
        if (!AsDouble(number))
            return false;
        result.SetBool(number != 0);
        return true;
    case SQL_C_UTINYINT:
    case SQL_C_TINYINT:
        if (!AsDouble(number) || !InRange<unsigned char>(number))
            return false;
        result.SetUChar(static_cast<unsigned char>(number));
        return true;
    case SQL_C_SSHORT:
    case SQL_C_SHORT:
        if (!AsDouble(number) || !InRange<short>(number))
            return false;
        result.SetShort(static_cast<short>(number));
        return true;
    case SQL_C_SLONG:
    case SQL_C_LONG:
        if (!AsDouble(number) || !InRange<long>(number))
            return false;
        result.SetLong(static_cast<long>(number));
        return true;
    case SQL_C_FLOAT:
        if (!AsDouble(number))
            return false;
        result.SetSingle(static_cast<float>(number));
        return true;
    case SQL_C_DOUBLE:
        if (!AsDouble(number))
            return false;
        result.SetDouble(number);
        return true;
    default:
        return false;
    }
}

bool CDBVariant::operator==(const CDBVariant& other) const {
    if (m_dwType != other.m_dwType)
        return false;
    switch (m_dwType) {
    case DBVT_NULL:
        return true;
    case DBVT_BOOL:
        return (m_boolVal != 0) == (other.m_boolVal != 0);
    case DBVT_UCHAR:
        return m_chVal == other.m_chVal;
    case DBVT_SHORT:
        return m_iVal == other.m_iVal;
    case DBVT_LONG:
        return m_lVal == other.m_lVal;
    case DBVT_SINGLE:
        return m_fltVal == other.m_fltVal;
    case DBVT_DOUBLE:
        return m_dblVal == other.m_dblVal;
    case DBVT_DATE:
        return std::memcmp(m_pdate, other.m_pdate, sizeof(TIMESTAMP_STRUCT)) == 0;
    case DBVT_STRING:
        return *m_pstring == *other.m_pstring;
    case DBVT_BINARY:
        return ToText() == other.ToText();
    default:
        return false;
    }
}
