#include "grid/core/CGEChangeStylesMapCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGEChangeStylesMapCmd, CGECommand)

CGEChangeStylesMapCmd::CGEChangeStylesMapCmd(CGEStylesMap* pStylesMap) : m_pStylesMap(pStylesMap) {}

BOOL CGEChangeStylesMapCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return m_pStylesMap != nullptr && pGrid->ChangeStylesMap(*m_pStylesMap, GE_UPDATENOW, ctCmd);
}

CString CGEChangeStylesMapCmd::GetName() const {
    return LoadName(GE_IDS_CMD_STYLES_MAP);
}
