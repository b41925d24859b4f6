// CGESelectionFrameHider: hides the grid's spreadsheet-like selection frame for its own lifetime (an
// operation that moves cells would otherwise leave frame pixels behind) and shows it again afterwards,
// unless it was hidden before. Nothing without the frame feature.
#pragma once

#include "framework/core/AfxDefs.h"

class CGEGridCore;

class CGESelectionFrameHider {
public:
    explicit CGESelectionFrameHider(CGEGridCore* pGrid);
    ~CGESelectionFrameHider();
    CGESelectionFrameHider(const CGESelectionFrameHider&) = delete;
    CGESelectionFrameHider& operator=(const CGESelectionFrameHider&) = delete;

    // Puts the frame back to its former state now (once).
    void Restore();

private:
    CGEGridCore* m_pGrid;
    BOOL m_bWasHidden = FALSE;
    BOOL m_bRestored = FALSE;
};
