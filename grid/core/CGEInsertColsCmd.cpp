#include "grid/core/CGEInsertColsCmd.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"

IMPLEMENT_DYNAMIC(CGEInsertColsCmd, CGECommand)

CGEInsertColsCmd::CGEInsertColsCmd(ROWCOL nCol, ROWCOL nCount, CObArray* pStyles, int* anWidths,
                                   ROWCOL nRowCount)
    : m_nCol(nCol), m_nCount(nCount), m_pStyles(pStyles), m_anWidths(anWidths), m_nRowCount(nRowCount) {}

BOOL CGEInsertColsCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    return pGrid->InsertCols(m_nCol, m_nCount, m_anWidths.get(), m_pStyles.get(), m_nRowCount, GE_UPDATENOW,
                             ctCmd);
}

CString CGEInsertColsCmd::GetName() const {
    return LoadName(GE_IDS_REMOVING_COLS);
}
