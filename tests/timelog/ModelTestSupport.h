// Shared support of the time-log tests: a scratch registry with fixed rounding and user, a recording
// application and a main frame that answers the document (archiving helpers: the data tests' support).
#pragma once

#include "../data/ModelObjectsSupport.h"
#include "foundation/Registry.h"
#include "timelog/CLogDoc.h"
#include "timelog/ILogDocFrame.h"
#include "framework/win/CWinApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace modeltest {

// A main frame that answers the document's questions and records the errors it was given.
class RecordingFrame : public ILogDocFrame {
public:
    RecordingFrame() { SetLogDocFrame(this); }
    ~RecordingFrame() override { SetLogDocFrame(nullptr); }
    RecordingFrame(const RecordingFrame&) = delete;
    RecordingFrame& operator=(const RecordingFrame&) = delete;

    CLogDoc* GetLogViewDocument() override { return doc; }
    ILogView* GetLogView() override { return logView; }
    bool GetLogColumnIds(CDWordArray& ids) override {
        if (!hasLogGrid)
            return false;
        ids.Copy(columns);
        return true;
    }
    void ReportError(const char* message, long code, const char* detail) override {
        errors.push_back({message, code, detail});
    }
    void SetErrorSuppression(bool on) override { suppress = on; }
    bool GetErrorSuppression() const override { return suppress; }
    int GetErrorCount() const override { return static_cast<int>(errors.size()); }
    void ClearErrors() override { errors.clear(); }
    void RefreshTimesheetView() override { ++refreshes; }
    void RefreshInvoiceView() override { ++refreshes; }
    void RefreshTaskView() override { ++refreshes; }
    bool GetSelectedProjectTask(CTask*& pTask) override {
        pTask = selectedTask;
        return hasTaskView;
    }
    void ShowTimingIcon(bool timing) override { timingIcon = timing; }
    void ResetInactivity() override { ++inactivityResets; }
    void MarkRunningTask() override { ++runningMarks; }
    void NotifySiblingTask(const char* taskGUID) override { siblingNotices.emplace_back(taskGUID); }

    struct Error {
        std::string message;
        long code;
        std::string detail;
    };
    CLogDoc* doc = nullptr;
    ILogView* logView = nullptr;
    bool hasLogGrid = true;
    CDWordArray columns;
    std::vector<Error> errors;
    bool suppress = false;
    int refreshes = 0;
    bool hasTaskView = true;
    CTask* selectedTask = nullptr;
    bool timingIcon = false;
    int inactivityResets = 0;
    int runningMarks = 0;
    std::vector<std::string> siblingNotices;
};

// Records message boxes instead of showing them.
class RecordingApp : public CWinApp {
public:
    RecordingApp() : CWinApp("Model Tests") {}
    int DoMessageBox(LPCSTR lpszPrompt, UINT, UINT) override {
        prompts.emplace_back(lpszPrompt);
        return IDOK;
    }
    std::vector<std::string> prompts;
};

// A scratch registry whose user is "tester" and whose rounding is off.
class ModelTest : public ::testing::Test {
protected:
    ModelTest() {
        RegWriteString(REG_DATABASE, "Username", "tester");
        CLogEntry::SetRoundingSettings(CRoundingSettings{});
    }
    ~ModelTest() override { CLogEntry::SetRoundingSettings(CRoundingSettings{}); }

    ScratchRegistry m_registry;
};

} // namespace modeltest
