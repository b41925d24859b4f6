// CGEPluginComponent: a helper that sees the grid window's messages before the grid does (auto-scroll).
// A grid hands each of its plug-ins the grid window at initialisation.
#pragma once

#include "framework/core/CObject.h"

class CWnd;

class CGEPluginComponent : public CObject {
public:
    virtual void PlugIn(CWnd* pWnd) { m_pWnd = pWnd; }
    // TRUE when the plug-in handled the message (the grid window then does nothing more with it).
    virtual BOOL OnPluginMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) = 0;
    CWnd* GetPluginWnd() const { return m_pWnd; }

protected:
    CGEPluginComponent() = default;
    CWnd* m_pWnd = nullptr;
};
