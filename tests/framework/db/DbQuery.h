// Reading single values back from a test database.
#pragma once

#include "framework/db/CRecordset.h"

#include <cstdlib>

namespace dbtest {

// The text of the first column of the first row sql selects ("" for NULL); "<no row>" when there is none.
inline CString QueryText(CDatabase& db, const CString& sql) {
    CRecordset rs(&db);
    rs.Open(CRecordset::forwardOnly, sql, CRecordset::readOnly);
    if (rs.IsEOF())
        return "<no row>";
    CString text;
    rs.GetFieldValue(static_cast<short>(0), text);
    return text;
}

// The single number sql selects (COUNT(*) and the like).
inline long QueryNumber(CDatabase& db, const CString& sql) {
    return std::atol(QueryText(db, sql));
}

} // namespace dbtest
