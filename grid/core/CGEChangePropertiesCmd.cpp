#include "grid/core/CGEChangePropertiesCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGEChangePropertiesCmd, CGECommand)

CGEChangePropertiesCmd::CGEChangePropertiesCmd(CGEProperties* pProperties) : m_pProperties(pProperties) {}

BOOL CGEChangePropertiesCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return m_pProperties != nullptr && pGrid->ChangeProperties(*m_pProperties, GE_UPDATENOW, ctCmd);
}

CString CGEChangePropertiesCmd::GetName() const {
    return LoadName(GE_IDS_CMD_PROPERTIES);
}
