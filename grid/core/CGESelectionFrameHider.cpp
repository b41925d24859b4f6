#include "grid/core/CGESelectionFrameHider.h"

#include "grid/core/CGEGridCore.h"

CGESelectionFrameHider::CGESelectionFrameHider(CGEGridCore* pGrid) : m_pGrid(pGrid) {
    m_bWasHidden = m_pGrid->HideSelectionFrame(TRUE, TRUE);
}

CGESelectionFrameHider::~CGESelectionFrameHider() {
    Restore();
}

void CGESelectionFrameHider::Restore() {
    if (m_bRestored)
        return;
    m_bRestored = TRUE;
    if (!m_bWasHidden)
        m_pGrid->HideSelectionFrame(FALSE, TRUE);
}
