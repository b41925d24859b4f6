#include "grid/core/CGERemoveRowsCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGERemoveRowsCmd, CGECommand)

CGERemoveRowsCmd::CGERemoveRowsCmd(ROWCOL nFrom, ROWCOL nTo) : m_nFrom(nFrom), m_nTo(nTo) {}

BOOL CGERemoveRowsCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return pGrid->RemoveRows(m_nFrom, m_nTo, GE_UPDATENOW, ctCmd);
}

CString CGERemoveRowsCmd::GetName() const {
    return LoadName(GE_IDS_INSERT_ROWS);
}
