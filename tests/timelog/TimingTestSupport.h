// Test support of the timer operations: a log view that records what the document told it, and entry
// dialogs whose answers the test gives (each answer does what the real dialog does on OK: it calls the
// document's own operations).
#pragma once

#include "timelog/CLogDoc.h"
#include "timelog/ILogDocDialogs.h"
#include "timelog/ILogView.h"

#include <functional>
#include <string>
#include <vector>

namespace timingtest {

class RecordingLogView : public ILogView {
public:
    bool HasUnfinishedRow() override { return unfinishedRow; }
    CLogEntry* GetEntryAtRow(DWORD) override { return nullptr; }
    CLogEntry* GetSelectedEntry() override { return nullptr; }
    void RefreshEntryRow(CLogEntry* pEntry) override { refreshedRows.push_back(pEntry); }
    void RefreshAllRows() override { calls.emplace_back("rows"); }
    void ApplySort() override { calls.emplace_back("sort"); }
    void ApplyFilter(const CViewFilter&) override { calls.emplace_back("filter"); }
    void ApplyGrayBar() override { calls.emplace_back("graybar"); }
    void ResetRowHeights() override { calls.emplace_back("heights"); }
    void Redraw() override { calls.emplace_back("redraw"); }
    void GetSelectedRows(CDWordArray& starts, CDWordArray& ends) override {
        starts.Copy(selectionStarts);
        ends.Copy(selectionEnds);
    }
    void SelectRows(const CDWordArray& starts, const CDWordArray& ends) override {
        selectionStarts.Copy(starts);
        selectionEnds.Copy(ends);
    }
    void SelectEntryRow(CLogEntry* pEntry) override { selectedEntry = pEntry; }
    void ClearSelection() override {
        selectionStarts.RemoveAll();
        selectionEnds.RemoveAll();
        selectedEntry = nullptr;
    }

    bool unfinishedRow = false;
    std::vector<std::string> calls;
    std::vector<CLogEntry*> refreshedRows;
    CDWordArray selectionStarts;
    CDWordArray selectionEnds;
    CLogEntry* selectedEntry = nullptr;
};

// Every dialog the document opens is answered by a function the test sets; a dialog without one is
// cancelled. Each call is recorded by name ("logtask-start", "startlogging-stop", "pause", ...).
class ScriptedDialogs : public ILogDocDialogs {
public:
    using LogTaskAnswer = std::function<int(CLogDoc&, CTime, CLogEntry*)>;
    using EntryAnswer = std::function<int(CLogDoc&, CLogEntry&, CTime)>;
    using DocAnswer = std::function<int(CLogDoc&)>;

    ScriptedDialogs() { SetLogDocDialogs(this); }
    ~ScriptedDialogs() override { SetLogDocDialogs(nullptr); }
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    int RunLogTask(CLogDoc& doc, LogTaskMode mode, CTime time, CLogEntry* initial) override {
        static const char* const names[] = {"logtask-start", "logtask-stop", "logtask-completed"};
        const int index = static_cast<int>(mode);
        opened.emplace_back(names[index]);
        times.push_back(time);
        initials.push_back(initial);
        return logTask[index] ? logTask[index](doc, time, initial) : IDCANCEL;
    }
    int RunStartLogging(CLogDoc& doc, CLogEntry& entry, StartLoggingMode mode, CTime time) override {
        const bool stop = mode == StartLoggingMode::stop;
        opened.emplace_back(stop ? "startlogging-stop" : "startlogging-start");
        times.push_back(time);
        initials.push_back(&entry);
        const EntryAnswer& answer = stop ? startLoggingStop : startLoggingStart;
        return answer ? answer(doc, entry, time) : IDCANCEL;
    }
    int RunCompletedTime(CLogDoc& doc) override { return Run("completed", completedTime, doc); }
    int RunPause(CLogDoc& doc) override {
        pausedWhileOpen = doc.IsPaused();
        return Run("pause", pause, doc);
    }
    int RunInterrupt(CLogDoc& doc) override { return Run("interrupt", interrupt, doc); }
    int ShowSwitchNotice() override {
        opened.emplace_back("switch-notice");
        return IDOK;
    }
    int RunLogin(CLogDoc&) override { return IDCANCEL; }
    int RunDataAccess() override { return IDCANCEL; }

    LogTaskAnswer logTask[3];
    EntryAnswer startLoggingStart;
    EntryAnswer startLoggingStop;
    DocAnswer completedTime;
    DocAnswer pause;
    DocAnswer interrupt;

    std::vector<std::string> opened;
    std::vector<CTime> times;
    std::vector<CLogEntry*> initials;
    bool pausedWhileOpen = false;

private:
    int Run(const char* name, const DocAnswer& answer, CLogDoc& doc) {
        opened.emplace_back(name);
        return answer ? answer(doc) : IDCANCEL;
    }
};

} // namespace timingtest
