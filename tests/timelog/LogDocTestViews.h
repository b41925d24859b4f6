// Test answers of the document's seams for the timing and cache tests: a log view that records what it
// was told, IIF files that record and answer the QuickBooks logging, and a fixed clock.
#pragma once

#include "timelog/ILogView.h"
#include "timelog/IQuickBooksFiles.h"
#include "timelog/LogClock.h"
#include "timelog/CLogEntry.h"

#include <string>
#include <vector>

namespace modeltest {

// A log view without a window: records the rows it was told to read again and its refreshes.
class RecordingLogView : public ILogView {
public:
    bool HasUnfinishedRow() override { return unfinished; }
    CLogEntry* GetEntryAtRow(DWORD row) override {
        return row >= 1 && row <= rows.size() ? rows[row - 1] : nullptr;
    }
    CLogEntry* GetSelectedEntry() override { return nullptr; }
    void RefreshEntryRow(CLogEntry* pEntry) override { refreshedRows.push_back(pEntry); }
    void RefreshAllRows() override { calls += "rows;"; }
    void ApplySort() override { calls += "sort;"; }
    void ApplyFilter(const CViewFilter&) override { calls += "filter;"; }
    void ApplyGrayBar() override { calls += "graybar;"; }
    void ResetRowHeights() override {}
    void Redraw() override { calls += "redraw;"; }
    void GetSelectedRows(CDWordArray& starts, CDWordArray& ends) override {
        starts.Copy(selStarts);
        ends.Copy(selEnds);
    }
    void SelectRows(const CDWordArray& starts, const CDWordArray& ends) override {
        calls += "select;";
        reselected = starts.GetSize() == selStarts.GetSize() && ends.GetSize() == selEnds.GetSize();
        for (INT_PTR i = 0; reselected && i < starts.GetSize(); ++i)
            reselected = starts[i] == selStarts[i] && ends[i] == selEnds[i];
    }
    void SelectEntryRow(CLogEntry*) override {}
    void ClearSelection() override { calls += "clear;"; }

    bool unfinished = false;
    std::vector<CLogEntry*> rows;
    std::vector<CLogEntry*> refreshedRows;
    std::string calls;
    CDWordArray selStarts;
    CDWordArray selEnds;
    bool reselected = false;
};

// IIF files that keep the time file's rows in memory; each operation can be told to fail.
class RecordingQuickBooksFiles : public IQuickBooksFiles {
public:
    RecordingQuickBooksFiles() { SetQuickBooksFiles(this); }
    ~RecordingQuickBooksFiles() override { SetQuickBooksFiles(nullptr); }
    RecordingQuickBooksFiles(const RecordingQuickBooksFiles&) = delete;
    RecordingQuickBooksFiles& operator=(const RecordingQuickBooksFiles&) = delete;

    bool LoadListFile(const char* path, CLogDoc&) override {
        listLoads.emplace_back(path);
        if (!listLoadSucceeds) {
            ::SetLastError(ERROR_SHARING_VIOLATION);
            return false;
        }
        listOpen = true;
        return true;
    }
    bool IsListFileOpen() const override { return listOpen; }
    bool CreateTimeFile(const char* timePath) override {
        created.emplace_back(timePath);
        return true;
    }
    bool AddTimeActivity(const char* timePath, CLogEntry& entry, int value) override {
        if (!writesSucceed)
            return false;
        rows.push_back({timePath, entry.GetGUID().GetString(), value});
        return true;
    }
    bool RemoveTimeActivity(const char* timePath, const char* guid) override {
        if (!writesSucceed)
            return false;
        removed.push_back({timePath, guid, -1});
        return true;
    }

    struct Row {
        std::string timeFile;
        std::string guid;
        int value;
    };
    bool listLoadSucceeds = true;
    bool listOpen = false;
    bool writesSucceed = true;
    std::vector<std::string> listLoads;
    std::vector<std::string> created;
    std::vector<Row> rows;
    std::vector<Row> removed;
};

// Stands the log clock still for the lifetime of the object.
class FixedClock {
public:
    explicit FixedClock(CTime now) { LogClock::SetNowForTests(now); }
    ~FixedClock() { LogClock::SetNowForTests(CTime()); }
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;
};

} // namespace modeltest
