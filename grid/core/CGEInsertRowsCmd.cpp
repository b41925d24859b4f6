#include "grid/core/CGEInsertRowsCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGEInsertRowsCmd, CGECommand)

CGEInsertRowsCmd::CGEInsertRowsCmd(ROWCOL nRow, ROWCOL nCount, CObArray* pStyles, int* anHeights,
                                   ROWCOL nColCount)
    : m_nRow(nRow), m_nCount(nCount), m_pStyles(pStyles), m_anHeights(anHeights), m_nColCount(nColCount) {}

BOOL CGEInsertRowsCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return pGrid->InsertRows(m_nRow, m_nCount, m_anHeights.get(), m_pStyles.get(), m_nColCount, GE_UPDATENOW,
                             ctCmd);
}

CString CGEInsertRowsCmd::GetName() const {
    return LoadName(GE_IDS_REMOVING_ROWS);
}
