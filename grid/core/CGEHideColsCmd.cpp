#include "grid/core/CGEHideColsCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGEHideColsCmd, CGECommand)

CGEHideColsCmd::CGEHideColsCmd(ROWCOL nFrom, ROWCOL nTo, BOOL* abHidden)
    : m_nFrom(nFrom), m_nTo(nTo), m_abHidden(abHidden) {}

BOOL CGEHideColsCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return pGrid->HideCols(m_nFrom, m_nTo, TRUE, m_abHidden.get(), GE_UPDATENOW, ctCmd);
}

CString CGEHideColsCmd::GetName() const {
    return LoadName(GE_IDS_CMD_HIDE_COLS);
}
