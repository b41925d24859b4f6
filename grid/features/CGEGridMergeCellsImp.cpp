#include "grid/features/CGEGridMergeCellsImp.h"

#include "grid/core/CGEAbstractGridUpdateHintImp.h"
#include "grid/core/CGEAbstractSpanCellPoolImp.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEDelayedRangePool.h"
#include "grid/core/CGEDelayedRangePoolImp.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGESpanCellPool.h"
#include "grid/core/CGESpanCellPoolImp.h"
#include "grid/core/CGEStyle.h"
#include "grid/features/CGESpanStyleSource.h"
#include "grid/features/CGEStyleCompareSubsetImp.h"

#include <algorithm>
#include <cstring>

namespace {

WORD EvalBits(CGEGridCore* pGrid) {
    return static_cast<WORD>(pGrid->GetMergeCellsMode() & 3);
}

BOOL IsMerged(const CGECellRange& range) {
    return range.bottom > range.top || range.right > range.left;
}

} // namespace

void CGEGridCore::InstallMergeCells() {
    if (m_pMergeCellsImp == nullptr) {
        auto* pImp = new CGEGridMergeCellsImp;
        m_pMergeCellsImp = pImp;
        AddAutoDeleteObject(pImp);
    }
    InstallDrawSpannedCells();
    GEInstallSpanCellPool();
    GEInstallDelayedRangePool();
    GEInstallStyleCompareSubset();
}

CGESpanCellPool* CGEGridMergeCellsImp::PoolOf(CGEGridCore* pGrid, int nDirection) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return nullptr;
    return nDirection == 0 ? pParam->m_pHorzMergePool : pParam->m_pVertMergePool;
}

void CGEGridMergeCellsImp::Widen(CGECellRange* pChanged, const CGECellRange& reach, ROWCOL nRow,
                                 ROWCOL nCol) {
    if (pChanged == nullptr)
        return;
    if (!pChanged->IsValid())
        *pChanged = CGECellRange(nRow, nCol, nRow, nCol);
    pChanged->SetUnion(*pChanged, reach);
}

void CGEGridMergeCellsImp::SetMergeCellsMode(CGEGridCore* pGrid, WORD wMode, BOOL bRedraw) {
    CGEGridParam* pParam = pGrid->GetParam();
    // A mode the feature does not know would merge without pools to keep the runs in: it is not set.
    if (pParam == nullptr || !IsValidMode(wMode))
        return;
    if (wMode != pParam->m_wMergeCellsMode) {
        pParam->m_wMergeCellsMode = wMode;
        delete pParam->m_pMergeDelayPool;
        pParam->m_pMergeDelayPool = nullptr;
        delete pParam->m_pHorzMergePool;
        pParam->m_pHorzMergePool = nullptr;
        delete pParam->m_pVertMergePool;
        pParam->m_pVertMergePool = nullptr;
        CGELibraryState* pState = GEGetLibraryState();
        const WORD wEval = wMode & 3;
        if (wEval != 0 && pState->m_pSpanCellPoolImp != nullptr) {
            pParam->m_pHorzMergePool = pState->m_pSpanCellPoolImp->CreatePool();
            pParam->m_pVertMergePool = pState->m_pSpanCellPoolImp->CreatePool();
        }
        if (wEval == 1 && pState->m_pDelayedRangePoolImp != nullptr) {
            pParam->m_pMergeDelayPool = pState->m_pDelayedRangePoolImp->CreatePool();
            DelayMergeCells(pGrid, CGECellRange().SetTable(), GE_INVALID, GE_INVALID);
        }
    }
    if (bRedraw)
        pGrid->Redraw(GE_UPDATENOW, TRUE);
}

void CGEGridMergeCellsImp::DelayMergeCells(CGEGridCore* pGrid, const CGECellRange& rangeIn, ROWCOL nLastRow,
                                           ROWCOL nLastCol) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (EvalBits(pGrid) != 1 || pParam->m_pMergeDelayPool == nullptr)
        return;
    const ROWCOL nRows = pGrid->GetRowCount();
    const ROWCOL nCols = pGrid->GetColCount();
    CGECellRange range(rangeIn);
    range.ExpandToCells(0, 0, nRows, nCols);
    range.bottom = std::min(range.bottom, nRows);
    range.right = std::min(range.right, nCols);
    if (range.bottom < range.top || range.right < range.left)
        return;
    // Hidden lines are looked through: the pending range reaches the next visible ones.
    while (range.top > 0 && pGrid->IsRowHidden(range.top))
        --range.top;
    while (range.bottom < nRows && pGrid->IsRowHidden(range.bottom))
        ++range.bottom;
    while (range.left > 0 && pGrid->IsColHidden(range.left))
        --range.left;
    while (range.right < nCols && pGrid->IsColHidden(range.right))
        ++range.right;
    pParam->m_pMergeDelayPool->DelayRange(range);
    if (nLastRow != GE_INVALID)
        pParam->m_pMergeDelayPool->LimitRows(nLastRow);
    if (nLastCol != GE_INVALID)
        pParam->m_pMergeDelayPool->LimitCols(nLastCol);
}

BOOL CGEGridMergeCellsImp::EvalMergeCells(CGEGridCore* pGrid, const CGECellRange& range, BOOL bUpdate,
                                          CGECellRange* pChanged, BOOL bCachedStyles) {
    if (pGrid->m_bMergeEvalLock)
        return FALSE;
    switch (EvalBits(pGrid)) {
    case 1:
        return EvalMergeCellsDelayed(pGrid, range, bUpdate, pChanged, bCachedStyles);
    case 2:
        return EvalMergeCellsImmediate(pGrid, range, bUpdate, pChanged, bCachedStyles);
    default:
        return FALSE;
    }
}

BOOL CGEGridMergeCellsImp::EvalMergeCellsImmediate(CGEGridCore* pGrid, CGECellRange range, BOOL bUpdate,
                                                   CGECellRange* pChanged, BOOL bCachedStyles) {
    CGEGridParam* pParam = pGrid->GetParam();
    const ROWCOL nRows = pGrid->GetRowCount();
    const ROWCOL nCols = pGrid->GetColCount();
    range.ExpandToCells(0, 0, nRows, nCols);
    range.bottom = std::min(range.bottom, nRows);
    range.right = std::min(range.right, nCols);
    if (range.bottom < range.top || range.right < range.left)
        return FALSE;
    const BOOL bOldLock = bUpdate ? pParam->IsLockUpdate() : pParam->SetLockUpdate(TRUE);
    BOOL bResult = FALSE;
    for (ROWCOL nRow = range.top; nRow <= range.bottom; ++nRow) {
        if (!pGrid->IsRowHidden(nRow)) {
            for (ROWCOL nCol = range.left; nCol <= range.right; ++nCol) {
                if (!pGrid->IsColHidden(nCol))
                    bResult |= EvalMergeCell(pGrid, nRow, nCol, pChanged, bCachedStyles);
            }
        }
        pGrid->m_mergeStyleCache.Flush(pGrid);
    }
    if (!bUpdate)
        pParam->SetLockUpdate(bOldLock);
    return bResult;
}

BOOL CGEGridMergeCellsImp::EvalMergeCellsDelayed(CGEGridCore* pGrid, CGECellRange range, BOOL bUpdate,
                                                 CGECellRange* pChanged, BOOL bCachedStyles) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam->m_pMergeDelayPool == nullptr)
        return FALSE;
    const ROWCOL nRows = pGrid->GetRowCount();
    const ROWCOL nCols = pGrid->GetColCount();
    range.ExpandToCells(0, 0, nRows, nCols);
    range.bottom = std::min(range.bottom, nRows);
    range.right = std::min(range.right, nCols);
    if (range.bottom < range.top || range.right < range.left)
        return FALSE;
    CDWordArray lefts, rights;
    if (!pParam->m_pMergeDelayPool->GetPendingColSpans(range, lefts, rights))
        return FALSE;
    const BOOL bOldLock = bUpdate ? pParam->IsLockUpdate() : pParam->SetLockUpdate(TRUE);
    BOOL bResult = FALSE;
    for (INT_PTR i = 0; i < rights.GetSize(); ++i) {
        if (lefts[i] > rights[i])
            continue;
        const ROWCOL nRow = range.top + static_cast<ROWCOL>(i);
        const ROWCOL nRight = std::min<ROWCOL>(rights[i], nCols);
        for (ROWCOL nCol = lefts[i]; nCol <= nRight; ++nCol)
            bResult |= EvalMergeCell(pGrid, nRow, nCol, pChanged, bCachedStyles);
        pGrid->m_mergeStyleCache.Flush(pGrid);
    }
    if (!bUpdate)
        pParam->SetLockUpdate(bOldLock);
    return bResult;
}

BOOL CGEGridMergeCellsImp::EvalMergeCell(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGECellRange* pChanged,
                                         BOOL bCachedStyles) {
    const WORD wEval = EvalBits(pGrid);
    if (wEval == 0)
        return FALSE;
    const WORD wMode = pGrid->GetMergeCellsMode();
    const BOOL bDelayed = wEval == 1;
    const ROWCOL nRows = pGrid->GetRowCount();
    const ROWCOL nCols = pGrid->GetColCount();
    CGECellRange& last = pGrid->m_rangeLastMerged;
    BOOL bResult = FALSE;
    if ((wMode & 8) == 0) {
        if (nCol > 0 && nCol <= nCols) {
            last.valid = FALSE;
            ROWCOL nLeft = nCol - 1;
            while (bDelayed && nLeft > 0 && pGrid->IsColHidden(nLeft))
                --nLeft;
            if (EvalMergeColPair(pGrid, nRow, nLeft, nCol, pChanged, bCachedStyles)) {
                bResult = TRUE;
                for (ROWCOL k = last.left; last.IsValid() && k > 0 &&
                                           EvalMergeColPair(pGrid, nRow, k - 1, k, pChanged, bCachedStyles);)
                    --k;
            }
        }
        if (nCol < nCols) {
            last.valid = FALSE;
            ROWCOL nRight = nCol + 1;
            while (bDelayed && nRight < nCols && pGrid->IsColHidden(nRight))
                ++nRight;
            if (EvalMergeColPair(pGrid, nRow, nCol, nRight, pChanged, bCachedStyles)) {
                bResult = TRUE;
                for (ROWCOL k = last.right;
                     last.IsValid() && k < nCols &&
                     EvalMergeColPair(pGrid, nRow, k, k + 1, pChanged, bCachedStyles) && k + 1 < nCols;)
                    ++k;
            }
        }
    }
    if ((wMode & 4) == 0) {
        if (nRow > 0 && nRow <= nRows) {
            last.valid = FALSE;
            ROWCOL nUpper = nRow - 1;
            while (bDelayed && nUpper > 0 && pGrid->IsRowHidden(nUpper))
                --nUpper;
            if (EvalMergeRowPair(pGrid, nCol, nUpper, nRow, pChanged)) {
                bResult = TRUE;
                for (ROWCOL k = last.top;
                     last.IsValid() && k > 0 && EvalMergeRowPair(pGrid, nCol, k - 1, k, pChanged);)
                    --k;
            }
        }
        if (nRow < nRows) {
            last.valid = FALSE;
            ROWCOL nLower = nRow + 1;
            while (bDelayed && nLower < nRows && pGrid->IsRowHidden(nLower))
                ++nLower;
            bResult |= EvalMergeRowPair(pGrid, nCol, nRow, nLower, pChanged);
        }
    }
    return bResult;
}

BOOL CGEGridMergeCellsImp::EvalMergeColPair(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol1, ROWCOL nCol2,
                                            CGECellRange* pChanged, BOOL bCachedStyles) {
    CGECellRange r1, r2;
    const BOOL bMerged1 = GetMergedCellsRange(pGrid, nRow, nCol1, r1, 0) != nullptr && IsMerged(r1);
    const BOOL bMerged2 = GetMergedCellsRange(pGrid, nRow, nCol2, r2, 0) != nullptr && IsMerged(r2);
    if (!bMerged1)
        r1 = CGECellRange(nRow, nCol1, nRow, nCol1);
    if (!bMerged2)
        r2 = CGECellRange(nRow, nCol2, nRow, nCol2);
    CGESpanStyleSource s1(pGrid, pGrid->m_mergeStyleCache, nRow, nCol1, bCachedStyles);
    CGESpanStyleSource s2(pGrid, pGrid->m_mergeStyleCache, nRow, nCol2, bCachedStyles);
    const BOOL bCan1 = CanMergeCell(pGrid, s1.Control(), nRow, nCol1, s1.Style(), 0);
    // A hidden neighbour is looked through in delayed mode, without being merged itself.
    if (EvalBits(pGrid) == 1 && (pGrid->IsRowHidden(nRow) || pGrid->IsColHidden(nCol2)))
        return TRUE;
    const BOOL bCan2 = CanMergeCell(pGrid, s2.Control(), nRow, nCol2, s2.Style(), 0);
    BOOL bRecorded = FALSE;
    if (bCan1 && bCan2 && CanMergeStyles(pGrid, s1.Style(), s2.Style())) {
        if (r1.right == r2.right)
            return FALSE; // already one run
        if (bMerged2)
            MergeCellsRange(pGrid, 0, r2.top, r2.left, r2.top, r2.left, GE_UPDATENOW);
        bRecorded |= MergeCellsRange(pGrid, 0, r1.top, r1.left, r1.bottom, r2.right, GE_UPDATENOW);
    } else {
        BOOL bDissolved1 = FALSE;
        if (bMerged1 && r1.right >= nCol2) {
            bRecorded |= MergeCellsRange(pGrid, 0, nRow, r1.left, nRow, r1.left, GE_UPDATENOW);
            bDissolved1 = TRUE;
            if (nCol1 > r1.left)
                bRecorded |= MergeCellsRange(pGrid, 0, nRow, r1.left, nRow, nCol1, GE_UPDATENOW);
        }
        if (bMerged2 && r2.left <= nCol1) {
            if (!(bDissolved1 && r2.right == r1.right))
                bRecorded |= MergeCellsRange(pGrid, 0, nRow, r2.left, nRow, r2.left, GE_UPDATENOW);
            if (nCol2 < r2.right)
                bRecorded |= MergeCellsRange(pGrid, 0, nRow, nCol2, nRow, r2.right, GE_UPDATENOW);
        }
    }
    if (bRecorded)
        Widen(pChanged, CGECellRange(r1.top, r1.left, r2.bottom, r2.right), nRow, nCol2);
    return bRecorded;
}

BOOL CGEGridMergeCellsImp::EvalMergeRowPair(CGEGridCore* pGrid, ROWCOL nCol, ROWCOL nRow1, ROWCOL nRow2,
                                            CGECellRange* pChanged) {
    CGECellRange r1, r2;
    const BOOL bMerged1 = GetMergedCellsRange(pGrid, nRow1, nCol, r1, 1) != nullptr && IsMerged(r1);
    const BOOL bMerged2 = GetMergedCellsRange(pGrid, nRow2, nCol, r2, 1) != nullptr && IsMerged(r2);
    if (!bMerged1)
        r1 = CGECellRange(nRow1, nCol, nRow1, nCol);
    if (!bMerged2)
        r2 = CGECellRange(nRow2, nCol, nRow2, nCol);
    // Always the engine's looked-up styles: the row cache holds another row's cells.
    CGESpanStyleCache none;
    CGESpanStyleSource s1(pGrid, none, nRow1, nCol, TRUE);
    CGESpanStyleSource s2(pGrid, none, nRow2, nCol, TRUE);
    const BOOL bCan1 = CanMergeCell(pGrid, s1.Control(), nRow1, nCol, s1.Style(), 1);
    const BOOL bCan2 = CanMergeCell(pGrid, s2.Control(), nRow2, nCol, s2.Style(), 1);
    BOOL bRecorded = FALSE;
    if (bCan1 && bCan2 && CanMergeStyles(pGrid, s1.Style(), s2.Style())) {
        if (r1.bottom == r2.bottom)
            return FALSE;
        if (bMerged2)
            MergeCellsRange(pGrid, 1, r2.top, r2.left, r2.top, r2.left, GE_UPDATENOW);
        bRecorded |= MergeCellsRange(pGrid, 1, r1.top, r1.left, r2.bottom, r1.right, GE_UPDATENOW);
    } else {
        BOOL bDissolved1 = FALSE;
        if (bMerged1 && r1.bottom >= nRow2) {
            bRecorded |= MergeCellsRange(pGrid, 1, r1.top, nCol, r1.top, nCol, GE_UPDATENOW);
            bDissolved1 = TRUE;
            if (nRow1 > r1.top)
                bRecorded |= MergeCellsRange(pGrid, 1, r1.top, nCol, nRow1, nCol, GE_UPDATENOW);
        }
        if (bMerged2 && r2.top <= nRow1) {
            if (!(bDissolved1 && r2.bottom == r1.bottom))
                bRecorded |= MergeCellsRange(pGrid, 1, r2.top, nCol, r2.top, nCol, GE_UPDATENOW);
            if (nRow2 < r2.bottom)
                bRecorded |= MergeCellsRange(pGrid, 1, nRow2, nCol, r2.bottom, nCol, GE_UPDATENOW);
        }
    }
    if (bRecorded)
        Widen(pChanged, CGECellRange(r1.top, r1.left, r2.bottom, r2.right), nRow2, nCol);
    return bRecorded;
}

CGECellRange* CGEGridMergeCellsImp::GetMergedCellsRange(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                        CGECellRange& range, int nDirection) {
    range = CGECellRange(nRow, nCol, nRow, nCol);
    if (EvalBits(pGrid) == 0)
        return nullptr;
    BOOL bFound = FALSE;
    if (nDirection == -1 || nDirection == 0) {
        CGECellRange run(nRow, nCol, nRow, nCol);
        CGESpanCellPool* pPool = PoolOf(pGrid, 0);
        if (pPool != nullptr && pPool->GetSpannedRange(nRow, nCol, run) && run.right > run.left) {
            range.left = run.left;
            range.right = run.right;
            bFound = TRUE;
        }
    }
    if (nDirection == -1 || nDirection == 1) {
        CGECellRange run(nRow, nCol, nRow, nCol);
        CGESpanCellPool* pPool = PoolOf(pGrid, 1);
        if (pPool != nullptr && pPool->GetSpannedRange(nRow, nCol, run) && run.bottom > run.top) {
            range.top = run.top;
            range.bottom = run.bottom;
            bFound = TRUE;
        }
    }
    return bFound ? &range : nullptr;
}

BOOL CGEGridMergeCellsImp::CanMergeCell(CGEGridCore* pGrid, CGEControl* pControl, ROWCOL nRow, ROWCOL nCol,
                                        const CGEStyle& style, int nDirection) {
    const WORD wEval = EvalBits(pGrid);
    if (wEval == 1 && (pGrid->IsRowHidden(nRow) || pGrid->IsColHidden(nCol)))
        return TRUE;
    if (wEval == 0 || !style.GetIncludeMergeCell())
        return FALSE;
    const WORD wMode = pGrid->GetMergeCellsMode();
    const UINT nKind = style.GetMergeCell();
    if (nDirection == 0) {
        if ((nKind & 1) == 0 || (wMode & 8) != 0)
            return FALSE;
    } else if (nDirection == 1) {
        if ((nKind & 2) == 0 || (wMode & 4) != 0)
            return FALSE;
    } else {
        return FALSE;
    }
    CGECellRange covered;
    if (pGrid->GetCoveredCellsRowCol(nRow, nCol, covered) != nullptr)
        return FALSE;
    if (pControl != nullptr)
        return pControl->CanMergeCell(nRow, nCol, style, nDirection);
    return style.GetIncludeValue() && !style.GetValue().IsEmpty();
}

BOOL CGEGridMergeCellsImp::CanMergeStyles(CGEGridCore*, const CGEStyle& style, const CGEStyle& other) {
    if (!style.GetIncludeMergeCell() || !other.GetIncludeMergeCell())
        return FALSE;
    if ((style.GetMergeCell() & 4) != 0 && (other.GetMergeCell() & 4) != 0)
        return std::strcmp(style.GetValue(), other.GetValue()) == 0;
    return style.IsSubSet(other) && other.IsSubSet(style);
}

BOOL CGEGridMergeCellsImp::MergeCellsRange(CGEGridCore* pGrid, int nDirection, ROWCOL nRow, ROWCOL nCol,
                                           ROWCOL nToRow, ROWCOL nToCol, UINT flags) {
    CGECellRange held;
    if (GetMergedCellsRange(pGrid, nRow, nCol, held, nDirection) == nullptr)
        held = CGECellRange(nRow, nCol, nRow, nCol);
    if (!StoreMergedCellsRange(pGrid, nDirection, nRow, nCol, nToRow, nToCol, nToRow > nRow || nToCol > nCol))
        return FALSE;
    pGrid->m_rangeLastMerged = CGECellRange(nRow, nCol, nToRow, nToCol);
    const CGECellRange united(nRow, nCol, std::max(held.bottom, nToRow), std::max(held.right, nToCol));
    pGrid->DelayFloatCells(united, GE_INVALID);
    if (!pGrid->m_bNoRedrawSpans)
        UpdateMergedCells(pGrid, united.top, united.left, united.bottom, united.right, flags, TRUE);
    return TRUE;
}

BOOL CGEGridMergeCellsImp::StoreMergedCellsRange(CGEGridCore* pGrid, int nDirection, ROWCOL nRow, ROWCOL nCol,
                                                 ROWCOL nToRow, ROWCOL nToCol, BOOL bSet) {
    if (EvalBits(pGrid) == 0)
        return FALSE;
    CGESpanCellPool* pPool = PoolOf(pGrid, nDirection);
    return pPool != nullptr && pPool->SetSpannedRange(nRow, nCol, nToRow, nToCol, bSet);
}

void CGEGridMergeCellsImp::UpdateMergedCells(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                             ROWCOL nToCol, UINT flags, BOOL bCreateHint) {
    if (!pGrid->IsLockUpdate()) {
        CGECellRange now;
        GetMergedCellsRange(pGrid, nRow, nCol, now, -1);
        pGrid->RedrawRange(nRow, nCol, std::max(nToRow, now.bottom), std::max(nToCol, now.right), flags,
                           TRUE);
    }
    if (bCreateHint && pGrid->m_pUpdateHintImp != nullptr)
        pGrid->m_pUpdateHintImp->HintUpdateMergedCells(pGrid, nRow, nCol, nToRow, nToCol, flags);
}

BOOL CGEGridMergeCellsImp::ExpandMergedCellsRange(CGEGridCore* pGrid, CGECellRange& range) {
    if (EvalBits(pGrid) == 0 || !range.IsCells() || !range.IsValid())
        return FALSE;
    const CGECellRange before = range;
    // Runs along rows (the horizontal pool's row table), then down columns (the vertical pool's column
    // table); lines without runs have no array and cost one look.
    if (CGESpanCellPool* pPool = PoolOf(pGrid, 0)) {
        const CGEDWordArrayPtrArray& rows = pPool->GetRowTable();
        for (ROWCOL nRow = range.top; nRow <= range.bottom && nRow < static_cast<ROWCOL>(rows.GetSize());
             ++nRow) {
            const CDWordArray* pRow = rows.GetArray(nRow);
            for (ROWCOL nCol = range.left;
                 pRow != nullptr && nCol <= range.right && nCol < static_cast<ROWCOL>(pRow->GetSize());) {
                CGECellRange run;
                if (GetMergedCellsRange(pGrid, nRow, nCol, run, 0) != nullptr) {
                    range.SetUnion(range, run);
                    nCol = run.right + 1;
                } else {
                    ++nCol;
                }
            }
        }
    }
    if (CGESpanCellPool* pPool = PoolOf(pGrid, 1)) {
        const CGEDWordArrayPtrArray& cols = pPool->GetColTable();
        for (ROWCOL nCol = range.left; nCol <= range.right && nCol < static_cast<ROWCOL>(cols.GetSize());
             ++nCol) {
            const CDWordArray* pCol = cols.GetArray(nCol);
            for (ROWCOL nRow = range.top;
                 pCol != nullptr && nRow <= range.bottom && nRow < static_cast<ROWCOL>(pCol->GetSize());) {
                CGECellRange run;
                if (GetMergedCellsRange(pGrid, nRow, nCol, run, 1) != nullptr) {
                    range.SetUnion(range, run);
                    nRow = run.bottom + 1;
                } else {
                    ++nRow;
                }
            }
        }
    }
    return !(range == before);
}
