// CMainFrame: the program's one top-level window, the frame of the log document's template. It holds
// the tool bar, the (hidden) filter bar and the status bar with its error button; its client area is a
// splitter with the navigation tree on the left and the view host on the right. It owns the two tray
// icons (the main icon, animated while a task is timed, and the Quick Info icon), shows the program's
// error list in the Errors dialog, switches views, and takes the close and exit paths: closing the
// window only hides it while the main tray icon is shown; File, Exit ends the program.
//
// The class is split by concern: CMainFrame.cpp (creation, layout, views, commands), CMainFrameTray.cpp
// (tray icons, animation, tray menu), CMainFrameClose.cpp (close, exit wait, destruction, placement)
// and CMainFrameErrors.cpp (error list and Errors dialog).
#pragma once

#include "foundation/CAcxMDIFrameWnd.h"
#include "framework/win/CDialogBar.h"
#include "framework/win/CSplitterWnd.h"
#include "framework/win/CToolBar.h"
#include "shell/CCoolMenuManager.h"
#include "shell/CErrorStatusBar.h"
#include "timelog/ILogDocFrame.h"

#include <shellapi.h>

#include <functional>

class CMainTreeView;
class CMainViewFrame;
class CMenu;

class CMainFrame : public CAcxMDIFrameWnd, public ILogDocFrame {
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame() = default;
    ~CMainFrame() override;

    // ---- views ----
    // Records the view under "Active View" and shows it (the host falls back to the time log for a view
    // it does not have); the tree follows.
    void SwitchView(int number);
    bool IsViewAvailable(int number) const;
    CMainViewFrame* GetViewHost() const { return m_pViewHost; }
    CMainTreeView* GetTreeView() const;
    // Rebuilds the view host's tabs and lays out its children.
    void RefreshViewTabs();
    // Refills the navigation tree with the views the window can show.
    void RefreshTreeLists();
    // The navigation tree's column: 250 pixels wide (at least 25) when shown, 1 pixel when hidden.
    void ShowNavigationTree(bool show);
    CSplitterWnd& GetSplitter() { return m_wndSplitter; }
    // Draws the drop-down menus with the commands' pictures.
    CCoolMenuManager& GetMenuManager() { return m_menuManager; }

    // ---- bars ----
    CToolBar& GetToolBar() { return m_wndToolBar; }
    CDialogBar& GetFilterBar() { return m_wndFilterBar; }
    CErrorStatusBar& GetStatusBar() { return m_wndStatusBar; }

    // ---- tray icons ----
    // Adds the main icon (when "Main" under "Prefs\Icons\") and the Quick Info icon (when "Quick Info"),
    // once per frame; then one animation step.
    void AddTrayIcons();
    bool HasTrayIcons() const { return m_bIconsAdded; }
    // The main icon shows the timing animation (a frame every 2 seconds) until StopTimingIcon.
    void StartTimingIcon();
    void StopTimingIcon();
    bool IsAnimating() const { return m_bAnimating; }
    // The animation frame shown (0 to 3).
    int GetAnimationFrame() const { return m_nFrame; }
    // The tool tip of a tray icon as the system gets it: at most 63 characters.
    static NOTIFYICONDATAA MakeTrayIconData(HWND hWnd, UINT callbackMessage, HICON hIcon, const char* tip);

    // ---- what the log document asks of the main window ----
    // The document of the time log view in the view host (while the frame is registered, GetLogDoc
    // answers it).
    CLogDoc* GetLogViewDocument() override;
    ILogView* GetLogView() override;
    // The column ids the time log view shows, in its order; false when there is no log view.
    bool GetLogColumnIds(CDWordArray& ids) override;
    // The timesheet, invoice and project task views are not part of this version: nothing to reload.
    void RefreshTimesheetView() override {}
    void RefreshInvoiceView() override {}
    void RefreshTaskView() override {}

    // ---- what timing asks of the main window ----
    // The project-task view is not part of this version: it never has a selection.
    bool GetSelectedProjectTask(CTask*& pTask) override;
    // Starts or stops the main tray icon's timing animation.
    void ShowTimingIcon(bool timing) override;
    // This version loads no inactivity monitor and has no task windows or sibling-product link yet:
    // there is nothing to reset, mark or tell.
    void ResetInactivity() override {}
    void MarkRunningTask() override {}
    void NotifySiblingTask(const char*) override {}

    // ---- error list ----
    // Adds an entry (message, code, details) to the program's error list unless errors are suppressed;
    // the error button follows.
    void ReportError(const char* message, long code, const char* detail) override;
    // The same with the message taken from the string table.
    void ReportErrorId(UINT messageId, long code, const char* detail);
    void ClearErrors() override;
    int GetErrorCount() const override;
    // While suppressed, nothing is added to the list.
    void SetErrorSuppression(bool suppress) override;
    bool GetErrorSuppression() const override;
    // The Errors dialog (the error button's command).
    void ShowErrorsDialog();

    // ---- placement and exit ----
    // The frame's placement under "Positions" of the application's profile.
    void SavePlacement();
    // Applies the saved placement; false when there is none (or it lies off the screen).
    bool RestorePlacement();
    bool WasPlacementRestored() const { return m_bPlacementRestored; }
    // Marks the frame to start the program again once it is destroyed, and ends the program.
    void RestartApplication();
    bool IsRelaunchPending() const { return m_bRelaunch; }
    // The database layer's busy query for the exit wait (the wait ends when it answers false); empty:
    // never busy.
    static void SetDatabaseBusyQuery(std::function<bool()> query);

    // ---- options ----
    // Opens the Options sheet on the page with that dialog id; nothing while the program has no sheet.
    void ShowOptions(UINT pageId);

    // Idle work of the application: adds the tray icons once and keeps the error button current.
    void OnIdleWork();

    BOOL OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext) override;
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible) override;

    // A timer that wakes the message loop every second, so that the application's idle work (the log
    // document's background steps: pending entries, reloads, saves) runs even while no input comes.
    static constexpr UINT_PTR kIdleWakeTimer = 2;
    static constexpr UINT kIdleWakePeriod = 1000; // ms

    // Registered messages the frame answers.
    static UINT TrackTrayMenuMessage(); // "ACX_TrackTrayMenu"

protected:
    // The system's tray call; the record comes from MakeTrayIconData.
    virtual BOOL NotifyTrayIcon(DWORD message, NOTIFYICONDATAA& data);
    // Milliseconds of the system's tick count (the tray's double button-up test).
    virtual DWORD TickNow() const;
    // Shows the tray menu at point and runs the command chosen.
    virtual void TrackTrayMenu(CMenu* pPopup, CPoint point);
    // Starts the program file again (the relaunch after the frame is gone).
    virtual void RelaunchProgram(const CString& path);

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnTrayMain(WPARAM wParam, LPARAM lParam);
    afx_msg void OnClose();
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnOptions();
    afx_msg void OnOptionsDatabase();
    afx_msg void OnUpdateOptions(CCmdUI* pCmdUI);
    afx_msg void OnViewTimesheet();
    afx_msg void OnViewTimeLog();
    afx_msg void OnViewProjectTasks();
    afx_msg void OnViewExpenses();
    afx_msg void OnViewBilling();
    afx_msg void OnUpdateViewCommand(CCmdUI* pCmdUI);
    afx_msg void OnHelp();
    afx_msg void OnStartupFollowUp();
    afx_msg void OnViewErrors();
    afx_msg void OnUpdateHoursPane(CCmdUI* pCmdUI);
    afx_msg void OnUpdateFilteredPane(CCmdUI* pCmdUI);
    afx_msg LRESULT OnTrackTrayMenu(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    bool CreateBars();
    // While the database is busy: the "Exit Brindlemark" notice, until it is done or 20 seconds passed.
    void ExitWait();
    void LoadTrayIcons();
    void DestroyTrayIconHandles();
    // Modifies or adds a tray icon: only the parts given (icon, tip) are set.
    BOOL TrayIconCall(DWORD message, UINT callbackMessage, HICON hIcon, const char* tip);
    // The tip of the timing icon: "Brindlemark is timing" and the document's status.
    CString TimingTip() const;
    void AnimationStep();
    void RefreshErrorButton();
    // Whether a log document is open in the frame.
    bool HasLogDocument();

    CToolBar m_wndToolBar;
    CDialogBar m_wndFilterBar;
    CErrorStatusBar m_wndStatusBar;
    CSplitterWnd m_wndSplitter;
    CCoolMenuManager m_menuManager;
    CMainViewFrame* m_pViewHost = nullptr; // a child window that deletes itself

    HICON m_hIconIdle = nullptr;
    HICON m_hIconPaused = nullptr;
    HICON m_hIconQuickInfo = nullptr;
    HICON m_hIconFrames[4] = {};
    bool m_bAnimating = false;
    int m_nFrame = 0;
    bool m_bIconsAdded = false;
    bool m_bMenuGuard = false;  // a tray click opened the main window: the next button-up does nothing
    DWORD m_dwLastButtonUp = 0; // tick of the last tray button-up
    bool m_bHaveButtonUp = false;

    bool m_bPlacementRestored = false;
    bool m_bRelaunch = false;
    CString m_strProgramPath; // remembered for the relaunch
};
