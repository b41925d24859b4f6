// CGEChangePropertiesCmd: gives the grid its former properties back.
#pragma once

#include "grid/core/CGECommand.h"
#include "grid/core/CGEProperties.h"

class CGEChangePropertiesCmd : public CGECommand {
    DECLARE_DYNAMIC(CGEChangePropertiesCmd)
public:
    CGEChangePropertiesCmd(CGEProperties* pProperties);
    BOOL Execute(CGEGridCore* pGrid, int ctCmd) override;
    CString GetName() const override;

    std::unique_ptr<CGEProperties> m_pProperties; // taken over
};
