#include "grid/core/CGEMoveDataColsCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGEMoveDataColsCmd, CGECommand)

CGEMoveDataColsCmd::CGEMoveDataColsCmd(const CGECellRange& range, const CDWordArray& order) : m_range(range) {
    m_order.Copy(order);
}

BOOL CGEMoveDataColsCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return pGrid->ReorderCols(m_range, m_order, GE_UPDATENOW, ctCmd);
}

CString CGEMoveDataColsCmd::GetName() const {
    return LoadName(GE_IDS_CMD_SORT_COLS);
}
