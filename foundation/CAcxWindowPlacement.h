// CAcxWindowPlacement: a window's placement (normal rectangle, minimized and maximized positions, show
// state) kept as ten integers in one section of the application's profile.
#pragma once

#include "framework/core/AfxDefs.h"

class CWnd;

class CAcxWindowPlacement {
public:
    CAcxWindowPlacement();

    // Reads each entry, keeping the current value when an entry is missing.
    void Read(const char* section);
    void Write(const char* section) const;
    // Takes the window's placement, then writes it.
    void Save(const char* section, CWnd* pWnd);
    // Reads the placement and applies it when its normal rectangle lies at least partly on the primary
    // screen; false (nothing applied) otherwise, so the window keeps its default position.
    bool Restore(const char* section, CWnd* pWnd);

    WINDOWPLACEMENT m_wp;
};
