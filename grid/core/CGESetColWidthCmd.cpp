#include "grid/core/CGESetColWidthCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGESetColWidthCmd, CGECommand)

CGESetColWidthCmd::CGESetColWidthCmd(ROWCOL nFrom, ROWCOL nTo, int* anWidths)
    : m_nFrom(nFrom), m_nTo(nTo), m_anWidths(anWidths) {}

BOOL CGESetColWidthCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return pGrid->SetColWidth(m_nFrom, m_nTo, 0, m_anWidths.get(), GE_UPDATENOW, ctCmd);
}

CString CGESetColWidthCmd::GetName() const {
    return LoadName(GE_IDS_CMD_COL_WIDTHS);
}
