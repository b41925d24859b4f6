#include "grid/core/CGEMoveRowsCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGEMoveRowsCmd, CGECommand)

CGEMoveRowsCmd::CGEMoveRowsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
    : m_nFrom(nFrom), m_nTo(nTo), m_nDest(nDest) {}

BOOL CGEMoveRowsCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return pGrid->MoveRows(m_nFrom, m_nTo, m_nDest, GE_UPDATENOW, ctCmd);
}

CString CGEMoveRowsCmd::GetName() const {
    return LoadName(GE_IDS_MOVE_ROWS);
}
