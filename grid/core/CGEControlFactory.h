// CGEControlFactory: the engine's standard control factory. It makes the cell control of a control id
// (every id it has no kind of control for gets the edit control), names the control ids and user
// attributes a styles map offers, installs the feature objects into every grid and into the engine's
// state, and registers the window classes of the grid's sheet tabs.
#pragma once

#include "grid/core/CGEAbstractControlFactory.h"

class CGEControlFactory : public CGEAbstractControlFactory {
public:
    CGEControlFactory() = default;

    // A new control (the caller owns it); null only when memory runs out, or for the object preview
    // (20132) of a grid that is no record browser.
    CGEControl* CreateControl(UINT nID, CGEGridCore* pGrid) override;
    // The control ids in the order the styles dialog lists them; a missing name string raises the
    // resource exception.
    void RegisterControlNames(CGEStylesMap& stylesMap) override;
    // The controls' user attributes with the styles that edit them.
    void RegisterUserAttributes(CGEStylesMap& stylesMap) override;
    void InstallGridFeatures(CGEGridCore* pGrid) override;
    void InstallApplicationFeatures() override;
    // "CGEGridWnd", "CGETabBeam" and "CGETabWnd" (left as they are when registered before); a failure
    // raises the resource exception.
    BOOL RegisterWndClasses(HINSTANCE hInstance) override;
    void UnregisterWndClasses(HINSTANCE hInstance) override;
};
