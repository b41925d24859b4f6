// CGEGridWnd: a grid as a child window of its own (class "GEWND"), created directly or attached to a
// custom control "GEWND" of a dialog template. Its messages go to the grid core (GEGridMessages.h)
// after the derived class's message map.
#pragma once

#include "framework/win/CWnd.h"
#include "grid/core/CGEGridCore.h"

class CGEGridWnd : public CWnd, public CGEGridCore {
    DECLARE_DYNCREATE(CGEGridWnd)
public:
    CGEGridWnd();
    // The window goes before the grid core, so that no message reaches a destroyed core.
    ~CGEGridWnd() override;

    // Creates the window (class "GEWND") and initialises the grid; FALSE when the window could not be
    // made. The engine must have started (GEInitializeLibrary), else a framework exception.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Takes over the dialog's custom control nID and initialises the grid.
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    // Scroll-bar modes from the window style, then the grid core's initialisation.
    virtual void Initialize();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
