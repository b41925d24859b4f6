// CGELongOperation: made on the stack by every grid operation that may take long. It begins on
// construction and ends on destruction; its calls go to the application-wide long-operation feature.
// Without that feature only the nesting level is counted and nothing is shown.
#pragma once

#include "framework/core/AfxDefs.h"

class CGELongOperation {
public:
    CGELongOperation();
    ~CGELongOperation();
    CGELongOperation(const CGELongOperation&) = delete;
    CGELongOperation& operator=(const CGELongOperation&) = delete;

    void FreeStatusText();
    void SetStatusText(LPCSTR pszText, BOOL bCopy = TRUE);
    BOOL Step();
    BOOL StepAndQueryAbort(BOOL& bAbort);
    BOOL ProcessMessages();

    // Operations begun and not ended (counted also without the feature).
    static int GetNestingLevel() { return s_nLevel; }

    DWORD m_dwStartTicks;
    DWORD m_dwLastTicks;
    LPCSTR m_pszStatusText = nullptr;
    BOOL m_bShowDone = TRUE;
    BOOL m_bShowStatus = TRUE;

private:
    static int s_nLevel;
};
