// CPrintPreviewState: what a frame looked like before a print preview took it over, so that closing
// the preview gives it back: the pane the preview replaced, the active view, and the bars the preview
// hid. Window handles rather than objects: whatever went away meanwhile is simply not restored.
#pragma once

#include "framework/core/AfxDefs.h"

#include <vector>

class CView;

class CPrintPreviewState {
public:
    HWND hWndPane = nullptr; // the frame's pane (the view, or a splitter holding it), hidden
    UINT nIDPane = 0;        // its child id, given to the preview meanwhile
    HWND hWndViewActive = nullptr;
    CView* pViewActiveOld = nullptr;
    std::vector<HWND> hiddenBars; // bars that were visible and are hidden during the preview
};
