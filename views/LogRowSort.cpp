#include "views/LogRowSort.h"

#include "timelog/CLogEntry.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <variant>

namespace {

using SortKey = std::variant<double, CString>;

SortKey KeyOf(const CLogEntry& entry, int columnId) {
    switch (columnId) {
    case CLogEntry::colStart:
        return static_cast<double>(entry.m_StartTime.GetTime());
    case CLogEntry::colStop:
        return static_cast<double>(entry.m_EndTime.GetTime());
    case CLogEntry::colElapsed:
        // What the cell shows: the time from start to stop, nothing without a start.
        return entry.m_StartTime.GetTime() == 0 || entry.IsRunning()
                   ? 0.0
                   : static_cast<double>(entry.m_EndTime.GetTime() - entry.m_StartTime.GetTime());
    case CLogEntry::colRounded:
        return static_cast<double>(entry.m_Duration.GetTotalSeconds());
    case CLogEntry::colBilled:
        return static_cast<double>(entry.m_Billed);
    case CLogEntry::colBillable:
        return static_cast<double>(entry.m_Billable);
    case CLogEntry::colCostClient:
        return entry.m_CostClient;
    case CLogEntry::colCostSalary:
        return entry.m_CostSalary;
    default: {
        CString text;
        entry.GetColumnText(text, columnId);
        return text;
    }
    }
}

bool Less(const SortKey& a, const SortKey& b) {
    if (a.index() != b.index())
        return a.index() < b.index();
    if (const double* pa = std::get_if<double>(&a))
        return *pa < std::get<double>(b);
    return std::strcmp(std::get<CString>(a), std::get<CString>(b)) < 0;
}

} // namespace

std::vector<long> LogSortOrder(const std::vector<const CLogEntry*>& entries, int columnId, bool ascending) {
    std::vector<SortKey> keys;
    keys.reserve(entries.size());
    for (const CLogEntry* pEntry : entries)
        keys.push_back(pEntry != nullptr ? KeyOf(*pEntry, columnId) : SortKey(CString()));
    std::vector<long> order(entries.size());
    std::iota(order.begin(), order.end(), 0L);
    std::stable_sort(order.begin(), order.end(), [&](long a, long b) {
        return ascending ? Less(keys[static_cast<size_t>(a)], keys[static_cast<size_t>(b)])
                         : Less(keys[static_cast<size_t>(b)], keys[static_cast<size_t>(a)]);
    });
    return order;
}
