// CAcxWinApp: the base of the program's application object. It keeps the program to one running copy
// per user session (a named mutex held for the life of the application object; a second start brings
// the first copy's main window to the front and ends), owns the window class of the main frame, and
// shows or hides the whole application.
#pragma once

#include "framework/core/CMutex.h"
#include "framework/core/CSingleLock.h"
#include "framework/core/CString.h"
#include "framework/win/CWinApp.h"

class CWnd;

class CAcxWinApp : public CWinApp {
public:
    // instanceName names the mutex and, followed by "WndClass", the main window's class. Without a name
    // no class name is formed and FirstInstance fails.
    explicit CAcxWinApp(const char* instanceName);
    ~CAcxWinApp() override = default;

    // True when no other copy runs and the main window's class is registered (icon iconId). Otherwise
    // brings the other copy forward (when its window can be found) and returns false.
    bool FirstInstance(UINT iconId);
    // For a copy that restarts the program while the previous copy is still ending: waits up to timeout
    // ms for the other copy to let go of the instance lock, then holds it and registers the main
    // window's class as FirstInstance does. False when the other copy still holds the lock.
    bool WaitForInstance(UINT iconId, DWORD timeout);
    // Unregisters the window class when this copy registered it.
    int ExitInstance() override;
    // The profile lives under HKEY_CURRENT_USER\Software\<key>\<profile>.
    void SetRegistryPath(const char* key, const char* profile);
    // show: brings the main window (restored, with its popups) to the front. !show: hides it and its
    // popups, only when no user controls the program (started for an automation client).
    void ActivateApp(bool show);
    bool IsMainWindowVisible();
    CString GetWndClassName() const { return m_strWndClassName; }

protected:
    CString m_strWndClassName;
    CMutex m_mutex;
    CSingleLock m_lock;
    bool m_bClassRegistered = false;
    // How long to wait for the other copy's window before looking a second time.
    DWORD m_nFindRetryDelay = 5000;

private:
    bool RegisterMainWindowClass(UINT iconId);
    // The other copy's main window, or nullptr.
    HWND FindOtherInstanceWindow() const;
    void ShowOwnedPopups(bool show);
};

// The application object when it is a CAcxWinApp, else nullptr.
CAcxWinApp* AcxGetApp();
// The number of the registered message "ACX_GOTOFOREGROUND" (registered at program start).
UINT AcxGotoForegroundMessage();
// Sends "ACX_GOTOFOREGROUND" (wParam 0, lParam 0) to pWnd and waits until it was handled.
void AcxSendGotoForeground(CWnd* pWnd);
