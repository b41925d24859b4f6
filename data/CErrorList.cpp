#include "data/CErrorList.h"

CErrorList& CErrorList::Get() {
    static CErrorList list;
    return list;
}

void CErrorList::Add(const char* message, long code, const char* detail) {
    if (m_hold)
        return;
    m_entries.push_back({CString(message), code, CString(detail)});
    if (m_onChange) {
        const auto handler = m_onChange; // the handler may replace itself
        handler();
    }
}
