#include "grid/core/CGESetRowHeightCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGESetRowHeightCmd, CGECommand)

CGESetRowHeightCmd::CGESetRowHeightCmd(ROWCOL nFrom, ROWCOL nTo, int* anHeights)
    : m_nFrom(nFrom), m_nTo(nTo), m_anHeights(anHeights) {}

BOOL CGESetRowHeightCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return pGrid->SetRowHeight(m_nFrom, m_nTo, 0, m_anHeights.get(), GE_UPDATENOW, ctCmd);
}

CString CGESetRowHeightCmd::GetName() const {
    return LoadName(GE_IDS_CMD_ROW_HEIGHTS);
}
