#include "grid/core/CGESetFrozenColsCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGESetFrozenColsCmd, CGECommand)

CGESetFrozenColsCmd::CGESetFrozenColsCmd(ROWCOL nFrozen, ROWCOL nHeader)
    : m_nFrozen(nFrozen), m_nHeader(nHeader) {}

BOOL CGESetFrozenColsCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return pGrid->SetFrozenCols(m_nFrozen, m_nHeader, GE_UPDATENOW, ctCmd);
}

CString CGESetFrozenColsCmd::GetName() const {
    return LoadName(GE_IDS_FREEZE_COLS);
}
