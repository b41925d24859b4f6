#include "grid/features/CGEGridFloatCellsImp.h"

#include "framework/win/CDC.h"
#include "grid/core/CGEAbstractGridUpdateHintImp.h"
#include "grid/core/CGEAbstractSpanCellPoolImp.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEDelayedRangePool.h"
#include "grid/core/CGEDelayedRangePoolImp.h"
#include "grid/core/CGEFont.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGESpanCellPool.h"
#include "grid/core/CGESpanCellPoolImp.h"
#include "grid/core/CGEStyle.h"
#include "grid/features/CGESpanStyleSource.h"

#include <algorithm>

void CGEGridCore::InstallFloatCells() {
    if (m_pFloatCellsImp == nullptr) {
        auto* pImp = new CGEGridFloatCellsImp;
        m_pFloatCellsImp = pImp;
        AddAutoDeleteObject(pImp);
    }
    GEInstallSpanCellPool();
    GEInstallDelayedRangePool();
    InstallDrawSpannedCells();
}

CGESpanCellPool* CGEGridFloatCellsImp::GetFloatCellsPool(CGEGridCore* pGrid) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return nullptr;
    return pGrid->IsPrinting() ? pParam->m_pPrintFloatPool : pParam->m_pFloatPool;
}

CGEDelayedRangePool* CGEGridFloatCellsImp::GetFloatDelayPool(CGEGridCore* pGrid) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return nullptr;
    return pGrid->IsPrinting() ? pParam->m_pPrintFloatDelayPool : pParam->m_pFloatDelayPool;
}

void CGEGridFloatCellsImp::SetFloatCellsMode(CGEGridCore* pGrid, WORD wMode, BOOL bRedraw) {
    CGEGridParam* pParam = pGrid->GetParam();
    // An unknown mode would float cells without a pool to keep them in: it is not set.
    if (pParam == nullptr || !IsValidMode(wMode))
        return;
    if (wMode != pParam->m_wFloatCellsMode) {
        pParam->m_wFloatCellsMode = wMode;
        delete pParam->m_pFloatPool;
        pParam->m_pFloatPool = nullptr;
        delete pParam->m_pFloatDelayPool;
        pParam->m_pFloatDelayPool = nullptr;
        CGELibraryState* pState = GEGetLibraryState();
        if (wMode != 0 && pState->m_pSpanCellPoolImp != nullptr)
            pParam->m_pFloatPool = pState->m_pSpanCellPoolImp->CreatePool();
        if (wMode == 1 && pState->m_pDelayedRangePoolImp != nullptr) {
            pParam->m_pFloatDelayPool = pState->m_pDelayedRangePoolImp->CreatePool();
            DelayFloatCells(pGrid, CGECellRange().SetTable(), GE_INVALID);
        }
    }
    if (bRedraw)
        pGrid->Redraw(GE_UPDATENOW, TRUE);
}

void CGEGridFloatCellsImp::DelayFloatCells(CGEGridCore* pGrid, const CGECellRange& rangeIn, ROWCOL nLastCol) {
    if (pGrid->GetFloatCellsMode() != 1)
        return;
    CGEGridParam* pParam = pGrid->GetParam();
    const ROWCOL nFirstRow = pGrid->GetHeaderRows() + 1;
    const ROWCOL nFirstCol = pGrid->GetHeaderCols() + 1;
    CGECellRange range(rangeIn);
    range.ExpandToCells(nFirstRow, nFirstCol, pGrid->GetRowCount(), pGrid->GetColCount());
    range.top = std::max(range.top, nFirstRow);
    range.left = std::max(range.left, nFirstCol);
    if (range.bottom < range.top || range.right < range.left)
        return;
    auto record = [&](CGEDelayedRangePool* pPool) {
        if (pPool == nullptr)
            return;
        pPool->DelayRange(range);
        if (nLastCol != GE_INVALID)
            pPool->LimitCols(nLastCol);
    };
    if (!pGrid->IsPrinting())
        record(pParam->m_pFloatDelayPool);
    record(pParam->m_pPrintFloatDelayPool);
}

BOOL CGEGridFloatCellsImp::EvalFloatCells(CGEGridCore* pGrid, const CGECellRange& range, BOOL bUpdate,
                                          CGECellRange* pChanged, BOOL bCachedStyles) {
    if (pGrid->m_bFloatEvalLock)
        return FALSE;
    switch (pGrid->GetFloatCellsMode()) {
    case 1:
        return EvalFloatCellsDelayed(pGrid, range, bUpdate, pChanged, bCachedStyles);
    case 2:
        return EvalFloatCellsImmediate(pGrid, range, bUpdate, pChanged, bCachedStyles);
    default:
        return FALSE;
    }
}

BOOL CGEGridFloatCellsImp::EvalFloatCellsImmediate(CGEGridCore* pGrid, CGECellRange range, BOOL bUpdate,
                                                   CGECellRange* pChanged, BOOL bCachedStyles) {
    CGEGridParam* pParam = pGrid->GetParam();
    const ROWCOL nFirstRow = pGrid->GetHeaderRows() + 1;
    const ROWCOL nFirstCol = pGrid->GetHeaderCols() + 1;
    const ROWCOL nRows = pGrid->GetRowCount();
    const ROWCOL nCols = pGrid->GetColCount();
    range.ExpandToCells(nFirstRow, nFirstCol, nRows, nCols);
    range.top = std::max(range.top, nFirstRow);
    range.left = std::max(range.left, nFirstCol);
    range.bottom = std::min(range.bottom, nRows);
    range.right = std::min(range.right, nCols);
    const BOOL bOldLock = bUpdate ? pParam->IsLockUpdate() : pParam->SetLockUpdate(TRUE);
    BOOL bResult = FALSE;
    for (ROWCOL nRow = range.top; nRow <= range.bottom && range.left <= range.right; ++nRow) {
        if (!pGrid->IsRowHidden(nRow)) {
            for (ROWCOL nCol = range.left; nCol <= range.right; ++nCol) {
                if (!pGrid->IsColHidden(nCol))
                    bResult |= EvalFloatCell(pGrid, nRow, nCol, pChanged, bCachedStyles);
            }
        }
        pGrid->m_floatStyleCache.Flush(pGrid);
        if (nRow == range.bottom)
            break; // the last row may be the highest number there is
    }
    pGrid->ReleaseGridDC();
    if (!bUpdate)
        pParam->SetLockUpdate(bOldLock);
    return bResult;
}

BOOL CGEGridFloatCellsImp::EvalFloatCellsDelayed(CGEGridCore* pGrid, CGECellRange range, BOOL bUpdate,
                                                 CGECellRange* pChanged, BOOL bCachedStyles) {
    CGEDelayedRangePool* pPool = GetFloatDelayPool(pGrid);
    if (pPool == nullptr)
        return FALSE;
    const ROWCOL nFirstRow = pGrid->GetHeaderRows() + 1;
    const ROWCOL nFirstCol = pGrid->GetHeaderCols() + 1;
    const ROWCOL nCols = pGrid->GetColCount();
    range.ExpandToCells(nFirstRow, nFirstCol, pGrid->GetRowCount(), nCols);
    range.top = std::max(range.top, nFirstRow);
    range.left = std::max(range.left, nFirstCol);
    if (range.bottom < range.top || range.right < range.left)
        return FALSE;
    CDWordArray lefts, rights;
    if (!pPool->GetPendingColSpans(range, lefts, rights))
        return FALSE;
    CGEGridParam* pParam = pGrid->GetParam();
    const BOOL bOldLock = bUpdate ? pParam->IsLockUpdate() : pParam->SetLockUpdate(TRUE);
    BOOL bResult = FALSE;
    for (INT_PTR i = 0; i < rights.GetSize(); ++i) {
        const ROWCOL nRow = range.top + static_cast<ROWCOL>(i);
        if (rights[i] == 0 || pGrid->IsRowHidden(nRow))
            continue;
        const ROWCOL nRight = std::min<ROWCOL>(rights[i], nCols);
        for (ROWCOL nCol = std::max<ROWCOL>(lefts[i], nFirstCol); nCol <= nRight; ++nCol) {
            if (!pGrid->IsColHidden(nCol))
                bResult |= EvalFloatCell(pGrid, nRow, nCol, pChanged, bCachedStyles);
        }
        pGrid->m_floatStyleCache.Flush(pGrid);
    }
    pGrid->ReleaseGridDC();
    if (!bUpdate)
        pParam->SetLockUpdate(bOldLock);
    return bResult;
}

BOOL CGEGridFloatCellsImp::EvalFloatCell(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGECellRange* pChanged,
                                         BOOL bCachedStyles) {
    const ROWCOL nHeaderCols = pGrid->GetHeaderCols();
    if (pGrid->GetFloatCellsMode() == 0 || nRow <= pGrid->GetHeaderRows() || nCol <= nHeaderCols)
        return FALSE;
    BOOL bFloat = FALSE;
    {
        CGESpanStyleSource source(pGrid, pGrid->m_floatStyleCache, nRow, nCol, bCachedStyles);
        bFloat = CanFloatCell(pGrid, source.Control(), nRow, nCol, source.Style(), TRUE);
    }
    // The origin of the float that reaches the left neighbour, or the neighbour itself.
    ROWCOL nLeftOrigin = nCol - 1;
    CGECellRange left;
    if (GetFloatedCellsRange(pGrid, nRow, nCol - 1, left) != nullptr)
        nLeftOrigin = left.left;
    const BOOL bLeft = nLeftOrigin > nHeaderCols; // header columns never float
    BOOL bChanged = FALSE;
    // An empty cell first gives up its own float and then lets the left text run over it; a filled cell
    // first stops the left text and then floats itself.
    if (bFloat) {
        if (bLeft)
            bChanged |= EvalFloatCellExtent(pGrid, nRow, nLeftOrigin, pChanged, bCachedStyles);
        bChanged |= EvalFloatCellExtent(pGrid, nRow, nCol, pChanged, bCachedStyles);
    } else {
        bChanged |= EvalFloatCellExtent(pGrid, nRow, nCol, pChanged, bCachedStyles);
        if (bLeft)
            bChanged |= EvalFloatCellExtent(pGrid, nRow, nLeftOrigin, pChanged, bCachedStyles);
    }
    return bChanged;
}

BOOL CGEGridFloatCellsImp::EvalFloatCellExtent(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                               CGECellRange* pChanged, BOOL bCachedStyles) {
    ROWCOL nOrigin = nCol;
    ROWCOL nOldRight = nCol;
    CGECellRange floated;
    if (GetFloatedCellsRange(pGrid, nRow, nCol, floated) != nullptr) {
        nOrigin = floated.left;
        nOldRight = floated.right;
    }
    const ROWCOL nCols = pGrid->GetColCount();
    ROWCOL nLast = nOrigin;
    int nWidth = 0;
    BOOL bFloat = FALSE;
    {
        CGESpanStyleSource source(pGrid, pGrid->m_floatStyleCache, nRow, nOrigin, bCachedStyles);
        bFloat = CanFloatCell(pGrid, source.Control(), nRow, nOrigin, source.Style(), TRUE);
        if (bFloat) {
            CSize size(0, 0);
            source.Control()->CalcSize(size, pGrid->GetGridDC(), nRow, nOrigin, source.Style(),
                                       &pGrid->GetStandardStyle(), FALSE);
            nWidth = size.cx;
        }
    }
    if (bFloat) {
        ROWCOL n = 0;
        while (nOrigin + n < nCols) {
            const int nColWidth = pGrid->GetColWidth(nOrigin + n);
            if (nWidth <= nColWidth)
                break;
            CGESpanStyleSource next(pGrid, pGrid->m_floatStyleCache, nRow, nOrigin + n + 1, bCachedStyles);
            if (!CanFloatCell(pGrid, next.Control(), nRow, nOrigin + n + 1, next.Style(), FALSE))
                break;
            nWidth -= nColWidth;
            ++n;
        }
        nLast = nOrigin + n;
    }
    if (nLast == nOldRight)
        return FALSE;
    const BOOL bStored = SetFloatedCellsRange(pGrid, nRow, nOrigin, nRow, nLast, GE_INVALIDATE);
    if (bStored && pChanged != nullptr) {
        const CGECellRange reach(nRow, nOrigin, nRow, std::max(nOldRight, nLast));
        if (pChanged->IsValid())
            pChanged->SetUnion(*pChanged, reach);
        else
            *pChanged = reach;
    }
    return bStored;
}

CGECellRange* CGEGridFloatCellsImp::GetFloatedCellsRange(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                         CGECellRange& range) {
    range = CGECellRange(nRow, nCol, nRow, nCol);
    if (pGrid->GetFloatCellsMode() == 0)
        return nullptr;
    CGESpanCellPool* pPool = GetFloatCellsPool(pGrid);
    if (pPool == nullptr || !pPool->GetSpannedRange(nRow, nCol, range))
        return nullptr;
    // Floats are one row high; only the row table counts.
    range.top = range.bottom = nRow;
    return range.right > range.left ? &range : nullptr;
}

BOOL CGEGridFloatCellsImp::CanFloatText(CGEGridCore*, CGEControl*, ROWCOL, ROWCOL, const CGEStyle& style,
                                        BOOL bFloatOrFlood) {
    const BOOL bEmpty = !style.GetIncludeValue() || style.GetValue().IsEmpty();
    if (!bFloatOrFlood)
        return bEmpty;
    // Rotated text never floats.
    if (style.GetIncludeFont() && style.GetFont().GetOrientation() != 0)
        return FALSE;
    return !bEmpty;
}

BOOL CGEGridFloatCellsImp::CanFloatCell(CGEGridCore* pGrid, CGEControl* pControl, ROWCOL nRow, ROWCOL nCol,
                                        const CGEStyle& style, BOOL bFloatOrFlood) {
    if (pGrid->GetFloatCellsMode() == 0 || pControl == nullptr)
        return FALSE;
    CGECellRange range;
    if (pGrid->GetCoveredCellsRowCol(nRow, nCol, range) != nullptr ||
        pGrid->GetMergedCellsRange(nRow, nCol, range, -1) != nullptr)
        return FALSE;
    if (bFloatOrFlood) {
        if (!style.GetIncludeFloatCell() || !style.GetFloatCell())
            return FALSE;
    } else {
        // A float never crosses from the frozen columns into the scrolled ones.
        if (nCol == pGrid->GetFrozenCols() + 1)
            return FALSE;
        if (!style.GetIncludeFloodCell() || !style.GetFloodCell())
            return FALSE;
    }
    return pControl->CanFloatCell(nRow, nCol, style, bFloatOrFlood);
}

BOOL CGEGridFloatCellsImp::SetFloatedCellsRange(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                                ROWCOL nToCol, UINT flags) {
    CGECellRange held;
    GetFloatedCellsRange(pGrid, nRow, nCol, held);
    const ROWCOL nOldBottom = held.bottom;
    const ROWCOL nOldRight = held.right;
    if (!StoreFloatedCellsRange(pGrid, nRow, nCol, nToRow, nToCol, nToRow > nRow || nToCol > nCol))
        return FALSE;
    if (!pGrid->m_bNoRedrawSpans)
        UpdateFloatedCells(pGrid, nRow, nCol, nOldBottom, nOldRight, flags, TRUE);
    return TRUE;
}

BOOL CGEGridFloatCellsImp::StoreFloatedCellsRange(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                                  ROWCOL nToCol, BOOL bSet) {
    if (pGrid->GetFloatCellsMode() == 0)
        return FALSE;
    CGESpanCellPool* pPool = GetFloatCellsPool(pGrid);
    return pPool != nullptr && pPool->SetSpannedRange(nRow, nCol, nToRow, nToCol, bSet);
}

void CGEGridFloatCellsImp::UpdateFloatedCells(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                              ROWCOL nToCol, UINT flags, BOOL bCreateHint) {
    if (!pGrid->IsLockUpdate()) {
        CGECellRange now;
        GetFloatedCellsRange(pGrid, nRow, nCol, now);
        pGrid->RedrawRange(nRow, nCol, std::max(nToRow, now.bottom), std::max(nToCol, now.right), flags,
                           TRUE);
    }
    if (bCreateHint && pGrid->m_pUpdateHintImp != nullptr)
        pGrid->m_pUpdateHintImp->HintUpdateFloatedCells(pGrid, nRow, nCol, nToRow, nToCol, flags);
}

BOOL CGEGridFloatCellsImp::ExpandFloatedCellsRange(CGEGridCore* pGrid, CGECellRange& range) {
    // Whole rows and the table hold every float they meet; only blocks of cells can grow.
    if (pGrid->GetFloatCellsMode() == 0 || !range.IsCells() || !range.IsValid())
        return FALSE;
    CGESpanCellPool* pPool = GetFloatCellsPool(pGrid);
    if (pPool == nullptr)
        return FALSE;
    const CGECellRange before = range;
    const CGEDWordArrayPtrArray& rows = pPool->GetRowTable();
    // Rows without floats have no array: the walk costs one look per row of the range that has any.
    const ROWCOL nLastRow = std::min<ROWCOL>(range.bottom, static_cast<ROWCOL>(rows.GetSize()));
    for (ROWCOL nRow = range.top; nRow <= nLastRow && nRow < static_cast<ROWCOL>(rows.GetSize()); ++nRow) {
        const CDWordArray* pRow = rows.GetArray(nRow);
        if (pRow == nullptr)
            continue;
        for (ROWCOL nCol = range.left; nCol <= range.right && nCol < static_cast<ROWCOL>(pRow->GetSize());) {
            CGECellRange floated;
            if (GetFloatedCellsRange(pGrid, nRow, nCol, floated) != nullptr) {
                range.SetUnion(range, floated);
                nCol = floated.right + 1;
            } else {
                ++nCol;
            }
        }
    }
    return !(range == before);
}
