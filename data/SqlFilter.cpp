#include "data/SqlFilter.h"

#include "framework/db/CSqlDialect.h"

namespace {

// Column names go in brackets: the dialect quotes them for the engine, and a name such as User or
// Order is then never taken for a keyword.
CString Column(const char* column) {
    return CString("[") + column + "]";
}

CString Compare(const char* column, const char* op, const CTime& time) {
    return "(" + Column(column) + " " + op + " " + CSqlDialect::TimestampLiteral(time) + ")";
}

} // namespace

CString SqlEquals(const char* column, const char* text) {
    return Column(column) + " = " + CSqlDialect::QuoteText(text);
}

CString SqlLikeText(const char* column, const char* text) {
    CString pattern;
    for (const char* c = text ? text : ""; *c; ++c) {
        if (*c == '%' || *c == '_' || *c == '\\')
            pattern += '\\';
        pattern += *c;
    }
    return Column(column) + " LIKE " + CSqlDialect::QuoteText(pattern) + " ESCAPE '\\'";
}

CString SqlEqualsOrEmpty(const char* column, const char* text) {
    if (text && *text)
        return SqlEquals(column, text);
    return "(" + Column(column) + " IS NULL OR " + Column(column) + " = '')";
}

CString SqlEqualsNumber(const char* column, long number) {
    CString text;
    text.Format("%s = %ld", static_cast<LPCSTR>(Column(column)), number);
    return text;
}

CString SqlAnd(const CString& first, const CString& second) {
    if (first.IsEmpty())
        return second;
    if (second.IsEmpty())
        return first;
    return first + " AND " + second;
}

CTime StartOfDay(const CTime& time) {
    struct tm local {};
    if (time.GetTime() == 0 || !time.GetLocalTm(&local))
        return time;
    return CTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, 0, 0, 0);
}

CTime StartOfNextDay(const CTime& time) {
    struct tm local {};
    if (time.GetTime() == 0 || !time.GetLocalTm(&local))
        return time;
    // mktime carries day 32 into the next month.
    return CTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday + 1, 0, 0, 0);
}

CString SqlAtOrAfter(const char* column, const CTime& time) {
    return Compare(column, ">=", time);
}

CString SqlBefore(const char* column, const CTime& time) {
    return Compare(column, "<", time);
}

CString SqlAfter(const char* column, const CTime& time) {
    return Compare(column, ">", time);
}

CString SqlOnDay(const char* column, const CTime& day) {
    return SqlAtOrAfter(column, StartOfDay(day)) + " AND " + SqlBefore(column, StartOfNextDay(day));
}

CTime FilterEpoch() {
    return CTime(1970, 1, 1, 0, 0, 0);
}

CString TaskEntriesFilter(const TaskEntryQuery& query) {
    CString filter;
    if (!query.clientId.IsEmpty())
        filter = SqlAnd(filter, SqlLikeText("ClientID", query.clientId));
    if (!query.projectId.IsEmpty())
        filter = SqlAnd(filter, SqlLikeText("ProjectID", query.projectId));
    if (!query.categoryId.IsEmpty())
        filter = SqlAnd(filter, SqlLikeText("CategoryID", query.categoryId));
    if (!query.userId.IsEmpty())
        filter = SqlAnd(filter, SqlLikeText("UserID", query.userId));
    if (query.from.GetTime() != 0)
        filter = SqlAnd(filter, SqlAtOrAfter("StartTime", StartOfDay(query.from)) + " AND " +
                                    SqlAfter("StartTime", FilterEpoch()));
    if (query.to.GetTime() != 0)
        filter = SqlAnd(filter, SqlBefore("EndTime", StartOfDay(query.to)) + " AND " +
                                    SqlAfter("EndTime", FilterEpoch()));
    return filter;
}

CString ExportEntriesFilter(const char* projectId, bool range, const CTime& start, const CTime& end,
                            bool unbilledOnly) {
    CString filter;
    if (projectId && *projectId)
        filter = SqlLikeText("ProjectID", projectId);
    if (range)
        filter = SqlAnd(filter, SqlAtOrAfter("StartTime", StartOfDay(start)) + " AND " +
                                    SqlBefore("StartTime", StartOfNextDay(end)));
    if (unbilledOnly)
        filter = SqlAnd(filter, SqlEqualsNumber("Billed", 0));
    return filter;
}

CString TimesheetFilter(const CTime& sheetDate, const char* ownerId) {
    return SqlOnDay("SheetDate", sheetDate) + " AND (" + SqlEquals("OwnerID", ownerId) + ")";
}
