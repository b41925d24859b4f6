// Constants shared by the database classes: the values that stand for NULL in bound fields, the
// framework's own error codes, and the open-type default.
#pragma once

#include "framework/core/AfxDefs.h"

#include <sql.h>
#include <sqlext.h>

// A NULL column read into a numeric field member gives these values; writing them back writes NULL.
#define AFX_RFX_INT_PSEUDO_NULL (0x7EE4)
#define AFX_RFX_LONG_PSEUDO_NULL (0x4a4d4120L)
#define AFX_RFX_BYTE_PSEUDO_NULL 255
#define AFX_RFX_SINGLE_PSEUDO_NULL (-9.123e19f)
#define AFX_RFX_DOUBLE_PSEUDO_NULL (-9.123e19)
#define AFX_RFX_BOOL_PSEUDO_NULL 2
// A NULL date-time column reads as CTime(0); a CTime of 0 is written as NULL.
#define AFX_RFX_DATE_PSEUDO_NULL 0

// A TIMESTAMP_STRUCT of these fields, without a fraction.
inline TIMESTAMP_STRUCT AfxMakeTimestamp(int year, int month, int day, int hour = 0, int minute = 0,
                                         int second = 0) noexcept {
    TIMESTAMP_STRUCT ts{};
    ts.year = static_cast<SQLSMALLINT>(year);
    ts.month = static_cast<SQLUSMALLINT>(month);
    ts.day = static_cast<SQLUSMALLINT>(day);
    ts.hour = static_cast<SQLUSMALLINT>(hour);
    ts.minute = static_cast<SQLUSMALLINT>(minute);
    ts.second = static_cast<SQLUSMALLINT>(second);
    return ts;
}

// Open with the recordset's m_nDefaultType.
#define AFX_DB_USE_DEFAULT_TYPE (0xFFFFFFFF)

// GetFieldValue without a requested type: the column's natural type.
#define DEFAULT_FIELD_TYPE SQL_TYPE_NULL

// CDBException::m_nRetCode values for failures found by the framework itself (the ODBC return codes
// are the small negative and positive SQLRETURN values).
#define AFX_SQL_ERROR 1000
#define AFX_SQL_ERROR_CONNECT_FAIL (AFX_SQL_ERROR + 1)
#define AFX_SQL_ERROR_RECORDSET_FORWARD_ONLY (AFX_SQL_ERROR + 2)
#define AFX_SQL_ERROR_NO_CURRENT_RECORD (AFX_SQL_ERROR + 3)
#define AFX_SQL_ERROR_RECORDSET_READONLY (AFX_SQL_ERROR + 4)
#define AFX_SQL_ERROR_NO_ROWS_AFFECTED (AFX_SQL_ERROR + 5)
#define AFX_SQL_ERROR_MULTIPLE_ROWS_AFFECTED (AFX_SQL_ERROR + 6)
#define AFX_SQL_ERROR_FIELD_SCHEMA_MISMATCH (AFX_SQL_ERROR + 7)
#define AFX_SQL_ERROR_ILLEGAL_MODE (AFX_SQL_ERROR + 8)
#define AFX_SQL_ERROR_NO_DATA_FOUND (AFX_SQL_ERROR + 9)
#define AFX_SQL_ERROR_RECORDSET_NOT_OPEN (AFX_SQL_ERROR + 10)
#define AFX_SQL_ERROR_DATABASE_NOT_OPEN (AFX_SQL_ERROR + 11)
#define AFX_SQL_ERROR_EMPTY_SQL (AFX_SQL_ERROR + 12)
#define AFX_SQL_ERROR_NO_SUCH_FIELD (AFX_SQL_ERROR + 13)
