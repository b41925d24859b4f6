// A command's user-interface element for the update-handler tests: remembers whether the handlers
// enabled it (enabled until a handler says otherwise).
#pragma once

#include "framework/win/CCmdUI.h"

class RecordingCmdUI : public CCmdUI {
public:
    explicit RecordingCmdUI(UINT id) { m_nID = id; }
    void Enable(BOOL bOn) override {
        enabled = bOn != FALSE;
        m_bEnableChanged = TRUE;
    }
    bool enabled = true;
};
