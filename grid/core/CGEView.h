// CGEView: the view base of grid views. Printing goes through the print-device feature with the
// grid's own printer when the feature is installed, else through the framework's printing.
#pragma once

#include "framework/win/CView.h"

class CGEGridCore;

class CGEView : public CView {
    DECLARE_DYNAMIC(CGEView)
public:
    // The grid this view shows (set by the grid views).
    virtual CGEGridCore* GetViewGrid() { return nullptr; }
    // The parent window of one of the classes the engine knows as grid frames (CGELibraryState).
    CWnd* GetGridParentWindow();

    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;

protected:
    CGEView() = default;
};
