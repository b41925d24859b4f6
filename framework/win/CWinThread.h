// CWinThread: a thread with a message loop. The application object (CWinApp) is the one of the thread
// that constructed it; its Run loop pumps messages, lets windows translate them first and does idle
// work when the queue is empty.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/win/CCmdTarget.h"

class CException;
class CWnd;

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    ~CWinThread() override;

    virtual BOOL InitInstance();
    // The message loop: returns ExitInstance()'s result after WM_QUIT.
    virtual int Run();
    // Returns the exit code of the thread (the WM_QUIT code).
    virtual int ExitInstance();
    // Gets and dispatches one message; FALSE on WM_QUIT.
    virtual BOOL PumpMessage();
    // Offers pMsg to thread-message handlers and to the windows it is for (through their parents up to
    // the main window), which may translate it (accelerators, dialog keys). TRUE when translated.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Idle work while the queue is empty; lCount counts the calls since the last message. Count 0
    // updates the command user interface of the main window and its descendants; later counts free
    // temporary handle wrappers (windows, menus, DCs, GDI objects, image lists). Returns TRUE while more idle
    // work remains.
    virtual BOOL OnIdle(LONG lCount);
    // FALSE for messages that must not restart idle processing (repeated mouse moves, paint, caret).
    virtual BOOL IsIdleMessage(MSG* pMsg);
    // Messages of modal loops of the system (dialog boxes, message boxes, menus) on this thread, before
    // they are dispatched (code MSGF_DIALOGBOX, MSGF_MENU, ...). TRUE when the message was handled.
    virtual BOOL ProcessMessageFilter(int code, LPMSG lpMsg);
    // A framework exception escaped a message handler: reports it and returns the message's result.
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);
    virtual CWnd* GetMainWnd();

    CWnd* m_pMainWnd = nullptr;
    CWnd* m_pActiveWnd = nullptr;
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    BOOL m_bAutoDelete = FALSE;
    MSG m_msgCur{}; // the message PumpMessage is working on

protected:
    // Dispatches a message posted to the thread itself (no window) through the message map.
    BOOL DispatchThreadMessageEx(MSG* pMsg);

    // Makes this object the calling thread's CWinThread and hooks the thread's modal loops.
    void AttachToCurrentThread();

private:
    void DetachFromThread();

    POINT m_ptCursorLast{-1, -1};
    UINT m_nMsgLast = 0;
    HHOOK m_hHookMsgFilter = nullptr;
};

// The calling thread's CWinThread (for the main thread, the application), or nullptr.
CWinThread* AfxGetThread();
CWnd* AfxGetMainWnd();
// Gets, translates and dispatches one message of this thread; FALSE on WM_QUIT.
BOOL AfxPumpMessage();
// The message the current PumpMessage/AfxPumpMessage is working on.
MSG* AfxGetCurrentMessage();
BOOL AfxIsIdleMessage(MSG* pMsg);
BOOL AfxPreTranslateMessage(MSG* pMsg);
LRESULT AfxProcessWndProcException(CException* e, const MSG* pMsg);
