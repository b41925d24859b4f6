// A column value of any type, as GetFieldValue returns it. m_dwType tells which member is valid; the
// pointer members are owned by the variant (copies are deep).
#pragma once

#include "framework/core/CString.h"
#include "framework/db/AfxDb.h"
#include "framework/db/CLongBinary.h"

#define DBVT_NULL 0
#define DBVT_BOOL 1
#define DBVT_UCHAR 2
#define DBVT_SHORT 3
#define DBVT_LONG 4
#define DBVT_SINGLE 5
#define DBVT_DOUBLE 6
#define DBVT_DATE 7
#define DBVT_STRING 8
#define DBVT_BINARY 9
#define DBVT_ASTRING DBVT_STRING // this build's strings are ANSI

class CDBVariant {
public:
    CDBVariant() noexcept { m_lVal = 0; }
    CDBVariant(const CDBVariant& other);
    CDBVariant(CDBVariant&& other) noexcept;
    CDBVariant& operator=(const CDBVariant& other);
    CDBVariant& operator=(CDBVariant&& other) noexcept;
    ~CDBVariant() { Clear(); }

    // Back to DBVT_NULL, releasing what a pointer member held.
    void Clear() noexcept;

    void SetBool(BOOL value);
    void SetUChar(unsigned char value);
    void SetShort(short value);
    void SetLong(long value);
    void SetSingle(float value);
    void SetDouble(double value);
    void SetDate(const TIMESTAMP_STRUCT& value);
    void SetString(const CString& value);
    void SetString(CString&& value); // takes the text over: no copy of a fetched value
    void SetBinary(const void* data, SQLULEN length);
    // A fixed-size ODBC C value (SQL_C_BIT, SQL_C_UTINYINT, SQL_C_SSHORT, SQL_C_SLONG, SQL_C_FLOAT,
    // SQL_C_DOUBLE, SQL_C_TYPE_TIMESTAMP) from its bytes (any alignment); false (and NULL) for other types.
    bool SetCValue(SQLSMALLINT cType, const void* bytes);

    bool IsNull() const noexcept { return m_dwType == DBVT_NULL; }

    // The value as text: numbers in the C locale ("12.5", "-3"), dates as "yyyy-mm-dd hh:mm:ss" (with
    // the fraction when there is one), binary data as its bytes; NULL gives the empty text.
    CString ToText() const;
    // Converts to the DBVT type of the ODBC C type (SQL_C_CHAR, SQL_C_SLONG, SQL_C_DOUBLE,
    // SQL_C_TYPE_TIMESTAMP ...). NULL stays NULL. False when the value cannot be represented.
    bool ConvertTo(SQLSMALLINT cType, CDBVariant& result) const;

    // Equal type and equal value (NULL equals NULL).
    bool operator==(const CDBVariant& other) const;

    DWORD m_dwType = DBVT_NULL;
    union {
        BOOL m_boolVal;
        unsigned char m_chVal;
        short m_iVal;
        long m_lVal;
        float m_fltVal;
        double m_dblVal;
        TIMESTAMP_STRUCT* m_pdate;
        CString* m_pstring;
        CLongBinary* m_pbinary;
        CString* m_pstringA;
    };

private:
    void CopyFrom(const CDBVariant& other);
    // Numeric value of a number, bool or numeric text; false for other types.
    bool AsDouble(double& value) const;
};
