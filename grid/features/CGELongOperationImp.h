// CGELongOperationImp: the long-operation feature (application-wide). After a first wait the wait cursor
// shows and the frame window's status bar shows the operation's text with a percentage or a turning
// indicator; pending messages keep being processed while keyboard, mouse and command input is dropped;
// Esc or Ctrl+Break asks whether to abort (and, where the operation can roll back, whether to undo what
// it did). Nested operations share CGELongOperationState; only the outermost owns the cursor and "Done.".
#pragma once

#include "framework/core/CString.h"
#include "grid/core/CGEAbstractLongOperationImp.h"

class CGELongOperationImp : public CGEAbstractLongOperationImp {
public:
    void Begin(CGELongOperation* pOp) override;
    void End(CGELongOperation* pOp) override;
    void FreeStatusText(CGELongOperation* pOp) override;
    void SetStatusText(CGELongOperation* pOp, LPCSTR pszText, BOOL bCopy) override;
    BOOL Step(CGELongOperation* pOp) override;
    BOOL StepAndQueryAbort(CGELongOperation* pOp, BOOL& bAbort) override;
    BOOL ProcessMessages(CGELongOperation* pOp) override;

    // The status line as Step would send it now (text, percentage or indicator, cancel hint); advances
    // the indicator.
    CString BuildStatusText(const CGELongOperation* pOp, BOOL bWithCancelHint);

protected:
    // Seams of the platform: the tick count, the question to the user (a MessageBox result), the wait
    // cursor and the status text sent to the frame window.
    virtual DWORD Now();
    virtual int AskUser(LPCSTR pszQuestion, UINT nType);
    // nCode 1 shows the wait cursor, -1 ends it, 0 shows it again (after a message box or dropped input).
    virtual void WaitCursor(int nCode);
    virtual void SendStatus(LPCSTR pszText);

private:
    BOOL IsDue(const CGELongOperation* pOp);
    void SendStatusWhenShown(const CGELongOperation* pOp, BOOL bWithCancelHint);
    // The decision after Esc, by the settings and the user's answer.
    void DecideAbort();
};

// Installs the long-operation feature into the engine's state (once).
void GEInstallLongOperation();
