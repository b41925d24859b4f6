#include "grid/core/CGESetFrozenRowsCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGESetFrozenRowsCmd, CGECommand)

CGESetFrozenRowsCmd::CGESetFrozenRowsCmd(ROWCOL nFrozen, ROWCOL nHeader)
    : m_nFrozen(nFrozen), m_nHeader(nHeader) {}

BOOL CGESetFrozenRowsCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return pGrid->SetFrozenRows(m_nFrozen, m_nHeader, GE_UPDATENOW, ctCmd);
}

CString CGESetFrozenRowsCmd::GetName() const {
    return LoadName(GE_IDS_FREEZE_ROWS);
}
