// What the time views' window tests share: the grid engine started once, a frame with a time-log
// document holding entries and a log view on it, in a registry tree of the test's own, and painting a
// grid into pixels to look at.
#pragma once

#include "foundation/Registry.h"
#include "foundation/ScratchRegistry.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CCreateContext.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CWinApp.h"
#include "framework/win/WindowTestCommon.h"
#include "grid/core/CGELibraryState.h"
#include "timelog/CLogDoc.h"
#include "views/CLogView.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace viewtest {

// Answers the program's message boxes and remembers what they said.
class AnsweringApp : public CWinApp {
public:
    AnsweringApp() : CWinApp("Log view tests") {}
    int DoMessageBox(LPCSTR lpszPrompt, UINT, UINT) override {
        prompts.emplace_back(lpszPrompt);
        return answer;
    }
    std::vector<std::string> prompts;
    int answer = IDYES;
};

// A string-table text.
inline std::string Text(UINT id) {
    CString text;
    text.LoadString(id);
    return static_cast<LPCSTR>(text);
}

// GEInitializeLibrary once per test program, as the program's start-up does.
inline void StartEngine() {
    static const bool started = [] {
        GEInitializeLibrary(1536, 0, 0);
        return true;
    }();
    (void)started;
}

inline void PumpPending() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// A local time.
inline CTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return CTime(year, month, day, hour, minute, second);
}

// A log view on the document, made in the frame (client area width x height) and initialised as the
// document template does; nullptr when it could not be made.
inline CLogView* CreateLogView(CLogDoc& doc, CFrameWnd& frame, int width, int height) {
    frame.Create(nullptr, "Time log", WS_OVERLAPPEDWINDOW, CRect(0, 0, width, height));
    CCreateContext context;
    context.m_pCurrentDoc = &doc;
    context.m_pNewViewClass = RUNTIME_CLASS(CLogView);
    auto* view = dynamic_cast<CLogView*>(frame.CreateView(&context, AFX_IDW_PANE_FIRST));
    if (view == nullptr)
        return nullptr;
    CRect client;
    frame.GetClientRect(&client);
    view->MoveWindow(&client, FALSE);
    view->OnInitialUpdate();
    return view;
}

// A time-log document with projects and entries, shown by a log view in a frame of its own.
class LogViewTest : public ::testing::Test {
protected:
    LogViewTest() {
        StartEngine();
        RegWriteString(REG_DATABASE, "Username", "tester");
        CLogEntry::SetRoundingSettings(CRoundingSettings{});
        doc.m_bAutoDelete = FALSE;
    }
    ~LogViewTest() override {
        if (frame != nullptr && frame->GetSafeHwnd() != nullptr)
            frame->DestroyWindow();
    }

    CProject* AddProject(const char* name) {
        auto* project = new CProject(name, 0.0);
        doc.AddProject(project);
        return project;
    }
    // An entry of the log; a zero stop leaves it running.
    CLogEntry* AddEntry(CTime start, CTime stop, CProject* project, const char* description) {
        auto* entry = new CLogEntry;
        entry->m_GUID = NewGuidString();
        entry->m_pProject = project;
        entry->m_Desc = description;
        entry->SetStartTime(start);
        entry->SetStopTime(stop);
        doc.AddLogEntry(entry);
        return entry;
    }

    // The frame (client area width x height) and the view made and initialised as the template does.
    // The frame the view is made in (it deletes itself with its window).
    virtual CFrameWnd* NewFrame() { return new CFrameWnd; }
    CLogView* MakeView(int width = 800, int height = 400) {
        frame = NewFrame();
        view = CreateLogView(doc, *frame, width, height);
        return view;
    }
    // The visible text of a cell.
    CString Cell(ROWCOL row, int columnId) {
        return view->GetCellValue(row, view->GetGridColOfColumn(view->FindColumnIndex(columnId)));
    }
    // The composed style of a cell.
    const CGEStyle& StyleOf(ROWCOL row, int columnId) {
        return view->LookupStyleRowCol(row, view->GetGridColOfColumn(view->FindColumnIndex(columnId)));
    }

    ScratchRegistry registry;
    CLogDoc doc;
    CFrameWnd* frame = nullptr; // deletes itself with its window
    CLogView* view = nullptr;
};

} // namespace viewtest
