// CBrindlemarkWinApp: the program's application object (one global instance). It runs the start-up in
// its fixed order (database check with the offline choice, preference defaults, single instance, the
// document template, the active log file, the main window shown or left in the tray), owns the active
// log document and the objects beside the user interface, routes the timer commands to the document,
// and takes the program down again.
//
// Split by concern: CBrindlemarkWinApp.cpp (object, idle work, main window, errors, help),
// CBrindlemarkWinAppStartup.cpp (InitInstance) and CBrindlemarkWinAppCommands.cpp (commands).
#pragma once

#include "foundation/CAcxWinApp.h"
#include "foundation/CDialogPositionHook.h"
#include "shell/CEntryDialogs.h"
#include "shell/CHideNoticeDlg.h"

#include <memory>

class CLogDoc;
class CMainFrame;

class CBrindlemarkWinApp : public CAcxWinApp {
public:
    CBrindlemarkWinApp();
    ~CBrindlemarkWinApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL OnIdle(LONG lCount) override;
    BOOL ProcessMessageFilter(int code, LPMSG lpMsg) override;
    // Opens the program's HTML Help: HELP_FINDER its default topic, HELP_CONTEXT the topic of the low 16
    // bits of dwData. A help file that cannot be opened is named in a message.
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;

    // ---- main window ----
    // The first call shows the frame (with its saved placement, else with the start-up show command);
    // activate brings the program forward. Later calls always bring it forward.
    void ShowMainWindow(bool activate);
    bool IsFirstShowPending() const { return m_bFirstShowPending; }
    // The main frame, when there is one.
    CMainFrame* GetMainFrame() const;
    // The main tray icon shows the timing animation, or the idle icon again.
    void ShowTimingIcon();
    void ShowIdleIcon();

    // ---- active log document ----
    CLogDoc* GetActiveLogDocument() const { return m_pActiveDoc; }
    const CString& GetActiveLogPath() const { return m_strActiveLogPath; }
    // Clears the active document when it is pDoc.
    void ForgetLogDocument(CLogDoc* pDoc);
    // Compares path with the active log path ignoring case; when equal, pDoc becomes the active
    // document. The comparison's result (0: equal).
    int MatchActiveLog(CLogDoc* pDoc, const char* path);
    bool HasStarted() const { return m_bStarted; }

    // ---- errors ----
    // A system error code (non-zero) as "(0x%08X) <system text>" into the main window's error list,
    // under the message of messageId; nothing while no log document is open.
    void ReportSystemError(UINT messageId, DWORD code);

    // ---- tool tips of dialogs ----
    // While a dialog that shows tool tips is active, the messages of its window and children go to its
    // tool tip control too. nullptr for both ends the relay.
    void SetToolTipRelay(CWnd* pDialog, CWnd* pToolTip);

    // Ends the notice of a hidden start (its time is up).
    void CloseHideNotice();

    // ---- profile ----
    // The application's profile (window placement, bar state) lives under the product's key, wherever
    // the registry layer keeps it (a scratch root in tests).
    void UseProductRegistryKey();

    // ---- exit ----
    // True once the user chose Exit: the main window then closes for good.
    bool IsExiting() const { return m_bExiting; }

    // ---- timer commands ----
    // Each goes to the active log document and does nothing while no log document is open.
    // Whether the commands on a timed task (stop, stop now, switch, pause, interrupt) may run: the
    // document times a task, is not being opened and its Pause dialog is not open.
    static bool CanActOnTimedTask(const CLogDoc* pDoc);

protected:
    afx_msg void OnStartTimer();
    afx_msg void OnStopTimer();
    afx_msg void OnStopNow();
    afx_msg void OnPauseTimer();
    afx_msg void OnInterruptTimer();
    afx_msg void OnEnterCompletedTime();
    // A new task like the one selected in the active view.
    afx_msg void OnStartNewCopy();
    afx_msg void OnSwitchTask();
    afx_msg void OnUpdateTimedTaskCommand(CCmdUI* pCmdUI);
    // Start, Enter Completed Time and Start new copy: disabled without an active document, otherwise
    // that document's update handler decides.
    afx_msg void OnUpdateDocumentDecides(CCmdUI* pCmdUI);
    afx_msg void OnAppExit();
    afx_msg void OnAppAbout();
    afx_msg void OnOpenMainWindow();
    afx_msg void OnSetActiveLog();
    afx_msg void OnUpdateSetActiveLog(CCmdUI* pCmdUI);
    afx_msg void OnUpdateQuickTasksMenu(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    // The start-up's steps (InitInstance runs them under the wait cursor).
    BOOL StartUp();
    // The single-instance lock: a copy the program restarted waits for the ending copy to let go of it.
    bool TakeSingleInstance();
    void ShowAtStartup(bool trayStart, bool logOpened);
    // The view class of the document template's time log.
    static CRuntimeClass* LogViewClass();

    CString m_strActiveLogPath;
    CLogDoc* m_pActiveDoc = nullptr;
    bool m_bFirstShowPending = true;
    bool m_bStarted = false;
    bool m_bExiting = false;
    bool m_bComInitialized = false;
    int m_nStartupShow = SW_SHOWNORMAL; // the show command the program was started with
    std::unique_ptr<CDialogPositionHook> m_pDialogHook;
    std::unique_ptr<CHideNoticeDlg> m_pHideNotice;
    CEntryDialogs m_EntryDialogs; // registered with the time-log document while the program runs
    HMODULE m_hMonitor = nullptr; // "Monitor.dll", or nullptr
    HWND m_hWndRelayDialog = nullptr;
    HWND m_hWndRelayTip = nullptr;
};

// The application object when it is the program's, else nullptr.
CBrindlemarkWinApp* BrindlemarkApp();
// Posts the exit command to the main window of the calling thread.
void PostAppExit();

// How the main window appears at the end of the start-up.
enum class StartupShow {
    hidden,          // stays in the tray
    shown,           // shown and brought forward
    hiddenWithNotice // stays in the tray after the notice "The Brindlemark window will be hidden."
};
// trayStart: the command line asked for the tray; hasLaunched: a start completed before; hideAtStartup
// and mainIcon: the preferences; logOpened: the active log could be opened. The window is never left
// hidden without a main tray icon or without a log.
StartupShow DecideStartupShow(bool trayStart, bool hasLaunched, bool hideAtStartup, bool mainIcon,
                              bool logOpened);
