#include "grid/core/CGESetDefaultColWidthCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGESetDefaultColWidthCmd, CGECommand)

CGESetDefaultColWidthCmd::CGESetDefaultColWidthCmd(int nWidth) : m_nWidth(nWidth) {}

BOOL CGESetDefaultColWidthCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return pGrid->SetDefaultColWidth(m_nWidth, GE_UPDATENOW, ctCmd);
}

CString CGESetDefaultColWidthCmd::GetName() const {
    return LoadName(GE_IDS_CMD_DEFAULT_COL_WIDTH);
}
