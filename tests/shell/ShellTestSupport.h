// What the shell's window tests share: the program's application object recording its message boxes,
// a main frame whose tray calls, clock and tray menu the test sees, a document and a log view that
// stand in for the program's, and a fixture that opens them through a single-document template as the
// start-up does, in a registry tree and data folder of the test's own.
#pragma once

#include <gtest/gtest.h>

#include "foundation/ScratchRegistry.h"
#include "framework/win/AfxPriv.h"
#include "framework/win/CCmdUI.h"
#include "framework/win/CDocument.h"
#include "framework/win/CMenu.h"
#include "framework/win/CSingleDocTemplate.h"
#include "framework/win/CView.h"
#include "framework/win/WindowTestCommon.h"
#include "grid/core/CGELibraryState.h"
#include "resource.h"
#include "shell/CBrindlemarkWinApp.h"
#include "shell/CMainFrame.h"

#include <string>
#include <vector>

namespace shelltest {

using wintest::ChildTexts;
using wintest::ClassOf;
using wintest::TextOf;
using wintest::ThreadDialogs;
using wintest::TimerDriver;

// Dispatches what is waiting in this thread's queue through the framework (WM_QUIT stays).
inline void PumpPending() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT)
        AfxPumpMessage();
}

// The program's application object, recording message boxes instead of showing them.
class TestShellApp : public CBrindlemarkWinApp {
public:
    TestShellApp() {
        MSG quit;
        while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        UseProductRegistryKey();
    }
    ~TestShellApp() override {
        if (m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr)
            m_pMainWnd->DestroyWindow();
        MSG quit;
        while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    int DoMessageBox(LPCSTR lpszPrompt, UINT, UINT) override {
        prompts.emplace_back(lpszPrompt);
        return IDOK;
    }
    // The active log path as the start-up would have chosen it.
    void SetActiveLogPath(const char* path) { m_strActiveLogPath = path; }

    std::vector<std::string> prompts;
};

// One call the frame made to the tray.
struct TrayCall {
    DWORD message;
    NOTIFYICONDATAA data;
    std::string Tip() const { return data.szTip; }
};

class TestMainFrame : public CMainFrame {
    DECLARE_DYNCREATE(TestMainFrame)
public:
    std::vector<TrayCall> trayCalls;
    DWORD now = 100000;              // the frame's clock, in milliseconds
    std::vector<UINT> trayMenuItems; // the items of the last tray menu shown
    UINT trayMenuDefault = 0;
    int trayMenus = 0;
    // Relaunches outlive the frame object (deleted with its window).
    static inline std::vector<std::string> relaunched;

    // The tray calls with this message for this icon id.
    std::vector<TrayCall> CallsFor(DWORD message, UINT id) const {
        std::vector<TrayCall> found;
        for (const TrayCall& call : trayCalls) {
            if (call.message == message && call.data.uID == id)
                found.push_back(call);
        }
        return found;
    }

protected:
    BOOL NotifyTrayIcon(DWORD message, NOTIFYICONDATAA& data) override {
        trayCalls.push_back({message, data});
        return TRUE;
    }
    DWORD TickNow() const override { return now; }
    void TrackTrayMenu(CMenu* pPopup, CPoint) override {
        ++trayMenus;
        trayMenuItems.clear();
        for (int i = 0; i < static_cast<int>(pPopup->GetMenuItemCount()); ++i)
            trayMenuItems.push_back(pPopup->GetMenuItemID(i));
        trayMenuDefault = ::GetMenuDefaultItem(pPopup->GetSafeHmenu(), FALSE, 0);
    }
    void RelaunchProgram(const CString& path) override { relaunched.emplace_back(path); }
};

// The log document of the tests: it keeps no data.
class TestLogDoc : public CDocument {
    DECLARE_DYNCREATE(TestLogDoc)
public:
    void Serialize(CArchive&) override {}
};

// Stands in for the time log view.
class TestLogView : public CView {
    DECLARE_DYNCREATE(TestLogView)
public:
    void OnDraw(CDC*) override {}
};

// The main frame opened on a new test document, as the start-up opens it (not shown yet).
class MainFrameFixture : public ::testing::Test {
protected:
    // The view class the template names for the time log.
    virtual CRuntimeClass* LogViewClass() { return RUNTIME_CLASS(TestLogView); }
    // The document class of the template.
    virtual CRuntimeClass* DocumentClass() { return RUNTIME_CLASS(TestLogDoc); }

    void SetUp() override {
        // The grid engine starts once per program before any window, as the start-up does it.
        static const bool engineStarted = [] {
            GEInitializeLibrary(1536);
            return true;
        }();
        (void)engineStarted;
        app.AddDocTemplate(new CSingleDocTemplate(IDR_LOGTYPE, DocumentClass(), RUNTIME_CLASS(TestMainFrame),
                                                  LogViewClass()));
        app.m_nCmdShow = SW_HIDE;
        app.OnFileNew();
        frame = dynamic_cast<TestMainFrame*>(app.m_pMainWnd);
        ASSERT_NE(frame, nullptr);
        doc = frame->GetActiveDocument();
        ASSERT_NE(doc, nullptr);
    }

    // The messages posted to the frame, taken from the queue.
    std::vector<MSG> TakePosted() {
        std::vector<MSG> posted;
        MSG msg;
        while (::PeekMessageA(&msg, frame->m_hWnd, 0, 0, PM_REMOVE)) {
            if (msg.message != WM_PAINT && msg.message != WM_TIMER)
                posted.push_back(msg);
        }
        return posted;
    }

    ScratchRegistry registry;
    TestShellApp app;
    TestMainFrame* frame = nullptr;
    CDocument* doc = nullptr;
};

} // namespace shelltest
