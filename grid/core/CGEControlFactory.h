// CGEControlFactory: the engine's standard control factory. It makes the cell control of a control id
// and installs the feature objects into every grid and into the engine's state. Each control kind and
// each feature adds itself here where it is built; a control id the factory does not know yields null,
// and the grid then draws the cell's text itself.
#pragma once

#include "grid/core/CGEAbstractControlFactory.h"

class CGEControlFactory : public CGEAbstractControlFactory {
public:
    CGEControlFactory() = default;

    CGEControl* CreateControl(UINT nID, CGEGridCore* pGrid) override;
    void InstallGridFeatures(CGEGridCore* pGrid) override;
    void InstallApplicationFeatures() override;
    BOOL RegisterWndClasses(HINSTANCE hInstance) override;
};
