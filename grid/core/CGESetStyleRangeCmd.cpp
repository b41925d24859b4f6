#include "grid/core/CGESetStyleRangeCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGESetStyleRangeCmd, CGECommand)

CGESetStyleRangeCmd::CGESetStyleRangeCmd(const CGECellRange& range, CObArray* pStyles)
    : m_range(range), m_pStyles(pStyles) {}

BOOL CGESetStyleRangeCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return pGrid->SetStyleRange(m_range, nullptr, geCopy, -1, m_pStyles.get(), GE_UPDATENOW, ctCmd);
}

CString CGESetStyleRangeCmd::GetName() const {
    return LoadName(GE_IDS_CMD_CELLS);
}
