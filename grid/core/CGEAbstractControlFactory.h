// CGEAbstractControlFactory: what the grid engine asks of its control factory. The engine's state owns
// one factory (GEInitializeLibrary makes it); every grid asks it for the control of a control id it
// meets for the first time, and for its per-grid feature objects when the grid is constructed.
#pragma once

#include "framework/core/AfxDefs.h"

class CGEControl;
class CGEGridCore;
class CGEStylesMap;

class CGEAbstractControlFactory {
public:
    virtual ~CGEAbstractControlFactory() = default;

    // A new control for the control id (a string-table id), owned by the caller; null for an id the
    // factory does not know.
    virtual CGEControl* CreateControl(UINT nID, CGEGridCore* pGrid) = 0;
    // Fills the grid's feature-object members (called as the last step of the grid's construction).
    virtual void InstallGridFeatures(CGEGridCore* pGrid) = 0;
    // Creates the application-wide feature objects into the engine's state (once, at start-up).
    virtual void InstallApplicationFeatures() = 0;
    // Registers the window classes of the factory's own controls; the result is not used.
    virtual BOOL RegisterWndClasses(HINSTANCE hInstance) = 0;
    virtual void UnregisterWndClasses(HINSTANCE) {}
    // The control ids and the user attributes a styles map offers (once per styles map a grid makes).
    virtual void RegisterControlNames(CGEStylesMap&) {}
    virtual void RegisterUserAttributes(CGEStylesMap&) {}

protected:
    CGEAbstractControlFactory() = default;
};
