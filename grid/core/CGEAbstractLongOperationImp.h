// Long operations (application-wide): progress display and cancellation for a CGELongOperation.
#pragma once

#include "framework/core/CObject.h"

class CGELongOperation;

class CGEAbstractLongOperationImp : public CObject {
public:
    virtual void Begin(CGELongOperation* pOp) = 0;
    virtual void End(CGELongOperation* pOp) = 0;
    virtual void FreeStatusText(CGELongOperation* pOp) = 0;
    virtual void SetStatusText(CGELongOperation* pOp, LPCSTR pszText, BOOL bCopy) = 0;
    // Progress display and message processing when due; TRUE when it ran.
    virtual BOOL Step(CGELongOperation* pOp) = 0;
    // As Step, then asks the user about aborting when Esc was pressed; bAbort tells the decision.
    virtual BOOL StepAndQueryAbort(CGELongOperation* pOp, BOOL& bAbort) = 0;
    virtual BOOL ProcessMessages(CGELongOperation* pOp) = 0;

protected:
    CGEAbstractLongOperationImp() = default;
};
