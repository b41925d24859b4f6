#include "grid/core/CGEMoveCellsCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGEMoveCellsCmd, CGECommand)

CGEMoveCellsCmd::CGEMoveCellsCmd(const CGECellRange& source, ROWCOL nDestRow, ROWCOL nDestCol,
                                 CObject* pUndoInfo)
    : m_source(source), m_nDestRow(nDestRow), m_nDestCol(nDestCol), m_pUndoInfo(pUndoInfo) {}

BOOL CGEMoveCellsCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    CObject* pInfo = m_pUndoInfo.get();
    const BOOL bMoved = pGrid->MoveCells(m_source, m_nDestRow, m_nDestCol, pInfo, GE_UPDATENOW, ctCmd);
    if (pInfo != m_pUndoInfo.get())
        m_pUndoInfo.reset(pInfo);
    return bMoved;
}

CString CGEMoveCellsCmd::GetName() const {
    return LoadName(GE_IDS_MOVE);
}
