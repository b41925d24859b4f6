// The reports registered in the database, as the report side of the program takes them: report files
// and report folders (the report objects and the main window's report tree implement it).
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"

// One [Reports] row as a report object carries it.
struct ReportRecord {
    CString guid;
    CTime created;
    CTime modified;
    CString path; // the report file or folder
    bool adminOnly = false;
    bool folder = false; // a folder of report files, else one report file
    int type = 1;        // report type code, 1..10
};

class IReportTree {
public:
    virtual ~IReportTree() = default;
    // A report file object for a list (owned by the caller), marked as coming from the database.
    virtual CObject* MakeReportFile(const ReportRecord& report) = 0;
    // Adds a report file at the tree's top level.
    virtual void AddReportFile(const ReportRecord& report) = 0;
    // Adds a report folder, with the report files it holds, to the tree.
    virtual void AddReportFolder(const ReportRecord& report) = 0;

    // The main window's report tree; nullptr while there is none.
    static IReportTree* GetMain() noexcept { return s_main; }
    static void SetMain(IReportTree* tree) noexcept { s_main = tree; }

private:
    static inline IReportTree* s_main = nullptr;
};
