#include "grid/core/CGESetDefaultRowHeightCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGESetDefaultRowHeightCmd, CGECommand)

CGESetDefaultRowHeightCmd::CGESetDefaultRowHeightCmd(int nHeight) : m_nHeight(nHeight) {}

BOOL CGESetDefaultRowHeightCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return pGrid->SetDefaultRowHeight(m_nHeight, GE_UPDATENOW, ctCmd);
}

CString CGESetDefaultRowHeightCmd::GetName() const {
    return LoadName(GE_IDS_CMD_DEFAULT_ROW_HEIGHT);
}
