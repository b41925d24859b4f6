#include "grid/core/CGEHideRowsCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGEHideRowsCmd, CGECommand)

CGEHideRowsCmd::CGEHideRowsCmd(ROWCOL nFrom, ROWCOL nTo, BOOL* abHidden)
    : m_nFrom(nFrom), m_nTo(nTo), m_abHidden(abHidden) {}

BOOL CGEHideRowsCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return pGrid->HideRows(m_nFrom, m_nTo, TRUE, m_abHidden.get(), GE_UPDATENOW, ctCmd);
}

CString CGEHideRowsCmd::GetName() const {
    return LoadName(GE_IDS_CMD_HIDE_ROWS);
}
