// The command factory's creators, and its installation into a grid.
#include "grid/core/CGECommandFactory.h"

#include "grid/core/CGEBlockCmd.h"
#include "grid/core/CGEChangeBaseStyleCmd.h"
#include "grid/core/CGEChangePropertiesCmd.h"
#include "grid/core/CGEChangeStylesMapCmd.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEHideColsCmd.h"
#include "grid/core/CGEHideRowsCmd.h"
#include "grid/core/CGEInsertColsCmd.h"
#include "grid/core/CGEInsertRowsCmd.h"
#include "grid/core/CGEMoveCellsCmd.h"
#include "grid/core/CGEMoveColsCmd.h"
#include "grid/core/CGEMoveDataColsCmd.h"
#include "grid/core/CGEMoveDataRowsCmd.h"
#include "grid/core/CGEMoveRowsCmd.h"
#include "grid/core/CGERemoveColsCmd.h"
#include "grid/core/CGERemoveRowsCmd.h"
#include "grid/core/CGESetColWidthCmd.h"
#include "grid/core/CGESetCoveredCellsCmd.h"
#include "grid/core/CGESetDefaultColWidthCmd.h"
#include "grid/core/CGESetDefaultRowHeightCmd.h"
#include "grid/core/CGESetFrozenColsCmd.h"
#include "grid/core/CGESetFrozenRowsCmd.h"
#include "grid/core/CGESetRowHeightCmd.h"
#include "grid/core/CGESetStyleRangeCmd.h"

void CGEGridCore::InstallCommandFactory() {
    if (m_pCommandFactory != nullptr)
        return;
    auto* pFactory = new CGECommandFactory;
    m_pCommandFactory = pFactory;
    AddAutoDeleteObject(pFactory);
}

CGECommand* CGECommandFactory::CreateBlockCmd(LPCSTR pszName) {
    return new CGEBlockCmd(pszName);
}

CGECommand* CGECommandFactory::CreateSetRowHeightCmd(ROWCOL nFrom, ROWCOL nTo, int* anOldHeights) {
    return new CGESetRowHeightCmd(nFrom, nTo, anOldHeights);
}

CGECommand* CGECommandFactory::CreateHideRowsCmd(ROWCOL nFrom, ROWCOL nTo, BOOL* abOldHidden) {
    return new CGEHideRowsCmd(nFrom, nTo, abOldHidden);
}

CGECommand* CGECommandFactory::CreateSetDefaultRowHeightCmd(int nOldHeight) {
    return new CGESetDefaultRowHeightCmd(nOldHeight);
}

CGECommand* CGECommandFactory::CreateSetColWidthCmd(ROWCOL nFrom, ROWCOL nTo, int* anOldWidths) {
    return new CGESetColWidthCmd(nFrom, nTo, anOldWidths);
}

CGECommand* CGECommandFactory::CreateHideColsCmd(ROWCOL nFrom, ROWCOL nTo, BOOL* abOldHidden) {
    return new CGEHideColsCmd(nFrom, nTo, abOldHidden);
}

CGECommand* CGECommandFactory::CreateSetDefaultColWidthCmd(int nOldWidth) {
    return new CGESetDefaultColWidthCmd(nOldWidth);
}

CGECommand* CGECommandFactory::CreateMoveRowsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
    return new CGEMoveRowsCmd(nFrom, nTo, nDest);
}

CGECommand* CGECommandFactory::CreateMoveColsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
    return new CGEMoveColsCmd(nFrom, nTo, nDest);
}

CGECommand* CGECommandFactory::CreateRemoveRowsCmd(ROWCOL nFrom, ROWCOL nTo) {
    return new CGERemoveRowsCmd(nFrom, nTo);
}

CGECommand* CGECommandFactory::CreateRemoveColsCmd(ROWCOL nFrom, ROWCOL nTo) {
    return new CGERemoveColsCmd(nFrom, nTo);
}

CGECommand* CGECommandFactory::CreateInsertRowsCmd(ROWCOL nRow, ROWCOL nCount, CObArray* pOldStyles,
                                                   int* anOldHeights, ROWCOL nColCount) {
    return new CGEInsertRowsCmd(nRow, nCount, pOldStyles, anOldHeights, nColCount);
}

CGECommand* CGECommandFactory::CreateInsertColsCmd(ROWCOL nCol, ROWCOL nCount, CObArray* pOldStyles,
                                                   int* anOldWidths, ROWCOL nRowCount) {
    return new CGEInsertColsCmd(nCol, nCount, pOldStyles, anOldWidths, nRowCount);
}

CGECommand* CGECommandFactory::CreateSetCoveredCellsCmd(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                                        ROWCOL nRight) {
    return new CGESetCoveredCellsCmd(nTop, nLeft, nBottom, nRight);
}

CGECommand* CGECommandFactory::CreateSetStyleRangeCmd(const CGECellRange& range, CObArray* pOldStyles) {
    return new CGESetStyleRangeCmd(range, pOldStyles);
}

CGECommand* CGECommandFactory::CreateSetFrozenRowsCmd(ROWCOL nOldFrozen, ROWCOL nOldHeader) {
    return new CGESetFrozenRowsCmd(nOldFrozen, nOldHeader);
}

CGECommand* CGECommandFactory::CreateSetFrozenColsCmd(ROWCOL nOldFrozen, ROWCOL nOldHeader) {
    return new CGESetFrozenColsCmd(nOldFrozen, nOldHeader);
}

CGECommand* CGECommandFactory::CreateMoveDataRowsCmd(const CGECellRange& range,
                                                     const CDWordArray& inverseOrder) {
    return new CGEMoveDataRowsCmd(range, inverseOrder);
}

CGECommand* CGECommandFactory::CreateMoveDataColsCmd(const CGECellRange& range,
                                                     const CDWordArray& inverseOrder) {
    return new CGEMoveDataColsCmd(range, inverseOrder);
}

CGECommand* CGECommandFactory::CreateChangeStylesMapCmd(CGEStylesMap* pOldStylesMap) {
    return new CGEChangeStylesMapCmd(pOldStylesMap);
}

CGECommand* CGECommandFactory::CreateChangePropertiesCmd(CGEProperties* pOldProperties) {
    return new CGEChangePropertiesCmd(pOldProperties);
}

CGECommand* CGECommandFactory::CreateChangeBaseStyleCmd(WORD wStyleId, CGEStyle* pOldStyle) {
    return new CGEChangeBaseStyleCmd(wStyleId, pOldStyle);
}

CGECommand* CGECommandFactory::CreateMoveCellsCmd(const CGECellRange& source, ROWCOL nDestRow,
                                                  ROWCOL nDestCol, CObject* pUndoInfo) {
    return new CGEMoveCellsCmd(source, nDestRow, nDestCol, pUndoInfo);
}

CGECommand* CGECommandFactory::CreateSetRangeNameCmd(LPCSTR, const CGECellRange*) {
    return nullptr;
}

CGECommand* CGECommandFactory::CreateDeleteRangeNameCmd(LPCSTR, const CGECellRange&) {
    return nullptr;
}
