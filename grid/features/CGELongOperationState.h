// CGELongOperationState: the one record of the long-operation feature, shared by every long grid
// operation of the user-interface thread: timing, the status texts per nesting level, the abort and
// rollback decisions and the frame window that shows the status. Operations read the decisions and set
// the percentage and whether they can roll back; the feature object does the rest.
#pragma once

#include "framework/core/CString.h"

#include <array>
#include <string>

class CGELongOperationState {
public:
    // Status texts are kept for this many nesting levels; deeper operations are counted and show the
    // text of the deepest kept level.
    static constexpr int nMaxTextLevels = 64;

    static CGELongOperationState& Get();

    // The text of a level (1 = outermost); null past the kept levels.
    LPCSTR GetLevelText(int nLevel) const;
    // Sets a level's text: a copy owned here (bCopy) or the caller's pointer. Ignored past the kept levels.
    void SetLevelText(int nLevel, LPCSTR pszText, BOOL bCopy);
    // Drops an owned copy of the level's text (the level then has no text); TRUE when there was one.
    BOOL FreeLevelText(int nLevel);

    // Keeps the status of the operation at nLevel in view while deeper ones run (no effect when a
    // shallower level holds the lock already); ClearLock ends it and forgets the percentage.
    void LockStatus(int nLevel);
    void ClearLock();
    // TRUE when the operation at nLevel may show its status (at or above the locked level).
    BOOL MayShow(int nLevel) const { return nLockedLevel < 0 || nLevel <= nLockedLevel + 1; }
    // The percentage (capped at 100) from the operation at nLevel, when it is at or above the lock.
    void SetPercentDone(int nLevel, int nPercent);

    // Settings.
    DWORD dwFirstWait = 750;
    DWORD dwStepInterval = 1500;
    BOOL bAskBeforeAbort = TRUE;
    // State of the running operations.
    int nPercentDone = -1;
    int nLockedLevel = -1;
    BOOL bWaitCursorShown = FALSE;
    BOOL bAbortRequested = FALSE;
    BOOL bAbortDecided = FALSE;
    BOOL bRollbackRequested = FALSE;
    BOOL bAbortAllowed = TRUE;
    BOOL bRollbackPossible = FALSE;
    HWND hFrameWnd = nullptr;
    int nIndicator = 0;
    CString strStatus; // the text sent last

private:
    CGELongOperationState() = default;

    struct LevelText {
        LPCSTR pszText = nullptr;
        std::string strOwned;
        BOOL bOwned = FALSE;
    };
    std::array<LevelText, nMaxTextLevels> m_levels;
};
