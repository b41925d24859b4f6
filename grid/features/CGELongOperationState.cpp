#include "grid/features/CGELongOperationState.h"

#include <algorithm>

CGELongOperationState& CGELongOperationState::Get() {
    static CGELongOperationState state;
    return state;
}

LPCSTR CGELongOperationState::GetLevelText(int nLevel) const {
    if (nLevel < 1 || nLevel > nMaxTextLevels)
        return nullptr;
    return m_levels[static_cast<size_t>(nLevel - 1)].pszText;
}

void CGELongOperationState::SetLevelText(int nLevel, LPCSTR pszText, BOOL bCopy) {
    if (nLevel < 1 || nLevel > nMaxTextLevels)
        return;
    LevelText& level = m_levels[static_cast<size_t>(nLevel - 1)];
    if (bCopy && pszText != nullptr) {
        level.strOwned = pszText;
        level.pszText = level.strOwned.c_str();
        level.bOwned = TRUE;
    } else {
        level.strOwned.clear();
        level.pszText = pszText;
        level.bOwned = FALSE;
    }
}

BOOL CGELongOperationState::FreeLevelText(int nLevel) {
    if (nLevel < 1 || nLevel > nMaxTextLevels)
        return FALSE;
    LevelText& level = m_levels[static_cast<size_t>(nLevel - 1)];
    if (!level.bOwned)
        return FALSE;
    level.pszText = nullptr;
    level.strOwned.clear();
    level.bOwned = FALSE;
    return TRUE;
}

void CGELongOperationState::LockStatus(int nLevel) {
    if (nLockedLevel < 0 || nLockedLevel > nLevel - 1)
        nLockedLevel = std::max(nLevel - 1, 0);
}

void CGELongOperationState::ClearLock() {
    nLockedLevel = -1;
    nPercentDone = -1;
}

void CGELongOperationState::SetPercentDone(int nLevel, int nPercent) {
    if (MayShow(nLevel))
        nPercentDone = std::clamp(nPercent, 0, 100);
}
