#include "grid/core/CGERemoveColsCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGERemoveColsCmd, CGECommand)

CGERemoveColsCmd::CGERemoveColsCmd(ROWCOL nFrom, ROWCOL nTo) : m_nFrom(nFrom), m_nTo(nTo) {}

BOOL CGERemoveColsCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return pGrid->RemoveCols(m_nFrom, m_nTo, GE_UPDATENOW, ctCmd);
}

CString CGERemoveColsCmd::GetName() const {
    return LoadName(GE_IDS_INSERT_COLS);
}
