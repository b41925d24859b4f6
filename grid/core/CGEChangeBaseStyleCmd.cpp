#include "grid/core/CGEChangeBaseStyleCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGEChangeBaseStyleCmd, CGECommand)

CGEChangeBaseStyleCmd::CGEChangeBaseStyleCmd(WORD wStyleId, CGEStyle* pStyle)
    : m_wStyleId(wStyleId), m_pStyle(pStyle) {}

BOOL CGEChangeBaseStyleCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return m_pStyle != nullptr && pGrid->ChangeBaseStyle(m_wStyleId, *m_pStyle, geCopy, GE_UPDATENOW, ctCmd);
}

CString CGEChangeBaseStyleCmd::GetName() const {
    return LoadName(GE_IDS_CMD_BASE_STYLE);
}
