#include "grid/core/CGESetCoveredCellsCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGESetCoveredCellsCmd, CGECommand)

CGESetCoveredCellsCmd::CGESetCoveredCellsCmd(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
    : m_nTop(nTop), m_nLeft(nLeft), m_nBottom(nBottom), m_nRight(nRight) {}

BOOL CGESetCoveredCellsCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return pGrid->SetCoveredCellsRowCol(m_nTop, m_nLeft, m_nBottom, m_nRight, GE_UPDATENOW, ctCmd);
}

CString CGESetCoveredCellsCmd::GetName() const {
    return LoadName(GE_IDS_CMD_COVER_CELLS);
}
