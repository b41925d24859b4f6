// What the driver reports about one column of a recordset's result (GetODBCFieldInfo).
#pragma once

#include "framework/core/CString.h"
#include "framework/db/AfxDb.h"

struct CODBCFieldInfo {
    CString m_strName;          // as the driver names it (PostgreSQL reports names in lower case)
    SQLSMALLINT m_nSQLType = 0; // SQL_VARCHAR, SQL_INTEGER, SQL_TYPE_TIMESTAMP ...
    SQLULEN m_nPrecision = 0;   // column size
    SQLSMALLINT m_nScale = 0;   // decimal digits
    SQLSMALLINT m_nNullability = SQL_NULLABLE_UNKNOWN;
};
