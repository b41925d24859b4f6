#include "grid/core/CGEMoveDataRowsCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGEMoveDataRowsCmd, CGECommand)

CGEMoveDataRowsCmd::CGEMoveDataRowsCmd(const CGECellRange& range, const CDWordArray& order) : m_range(range) {
    m_order.Copy(order);
}

BOOL CGEMoveDataRowsCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return pGrid->ReorderRows(m_range, m_order, GE_UPDATENOW, ctCmd);
}

CString CGEMoveDataRowsCmd::GetName() const {
    return LoadName(GE_IDS_CMD_SORT_ROWS);
}
