#include "grid/core/CGEMoveColsCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGEMoveColsCmd, CGECommand)

CGEMoveColsCmd::CGEMoveColsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
    : m_nFrom(nFrom), m_nTo(nTo), m_nDest(nDest) {}

BOOL CGEMoveColsCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return pGrid->MoveCols(m_nFrom, m_nTo, m_nDest, GE_UPDATENOW, ctCmd);
}

CString CGEMoveColsCmd::GetName() const {
    return LoadName(GE_IDS_MOVE_COLS);
}
