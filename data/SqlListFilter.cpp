#include "data/SqlListFilter.h"

#include "framework/db/CSqlDialect.h"

namespace {

CString Like(const CString& column, const CString& pattern) {
    return column + " LIKE " + CSqlDialect::QuoteText(pattern) + " ESCAPE '\\'";
}

} // namespace

CString LikeLiteral(const char* text) {
    CString pattern;
    for (const char* c = text ? text : ""; *c; ++c) {
        if (*c == '%' || *c == '_' || *c == '\\')
            pattern += '\\';
        pattern += *c;
    }
    return pattern;
}

CString SqlListContains(const char* column, const char* item) {
    if (item == nullptr || *item == '\0')
        return CString();
    const CString name = CString("[") + column + "]";
    const CString literal = LikeLiteral(item);
    return "(" + name + " = " + CSqlDialect::QuoteText(item) + " OR " + Like(name, literal + ",%") + " OR " +
           Like(name, "%," + literal) + " OR " + Like(name, "%," + literal + ",%") + ")";
}

const char* SqlFalse() {
    return "1 = 0";
}
