// The program's list of reported errors (database failures and the like). Errors are collected here
// instead of interrupting the user; the main window shows the list and counts its entries.
#pragma once

#include "framework/core/CString.h"

#include <functional>
#include <vector>

class CErrorList {
public:
    struct Entry {
        CString message; // what was being done ("Opening database [Accounts]")
        long code = 0;   // ODBC return code, system error code or 0
        CString detail;  // the driver's or the program's explanation
    };

    // The one list of the program.
    static CErrorList& Get();

    // Adds an entry and tells the change handler; ignored while the list is on hold.
    void Add(const char* message, long code, const char* detail);
    // Called after each entry added, so that the main window refreshes its error display; an empty
    // handler removes it.
    void SetChangeHandler(std::function<void()> handler) { m_onChange = std::move(handler); }
    void SetHold(bool hold) noexcept { m_hold = hold; }
    bool IsOnHold() const noexcept { return m_hold; }

    int GetCount() const noexcept { return static_cast<int>(m_entries.size()); }
    // 0 <= index < GetCount().
    const Entry& GetEntry(int index) const { return m_entries.at(static_cast<size_t>(index)); }
    void RemoveAll() noexcept { m_entries.clear(); }

private:
    std::vector<Entry> m_entries;
    bool m_hold = false;
    std::function<void()> m_onChange;
};
