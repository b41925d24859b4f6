// CGEChangeBaseStyleCmd: gives a base style its former attributes back.
#pragma once

#include "grid/core/CGECommand.h"
#include "grid/core/CGEStyle.h"

class CGEChangeBaseStyleCmd : public CGECommand {
    DECLARE_DYNAMIC(CGEChangeBaseStyleCmd)
public:
    CGEChangeBaseStyleCmd(WORD wStyleId, CGEStyle* pStyle);
    BOOL Execute(CGEGridCore* pGrid, int ctCmd) override;
    CString GetName() const override;

    WORD m_wStyleId;
    std::unique_ptr<CGEStyle> m_pStyle; // taken over
};
