#include "grid/features/CGEGridFreezeMenuHelperImp.h"

#include "framework/core/CDWordArray.h"
#include "grid/GridResource.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGERangeList.h"
#include "grid/features/CGEUndoTransaction.h"

#include <algorithm>

namespace {

// The remembered triple of the rows or the columns.
struct Remembered {
    ROWCOL& nFirst;
    ROWCOL& nCount;
    ROWCOL& nOrigin;
};

Remembered RememberedOf(CGEGridParam* pParam, BOOL bRows) {
    return bRows ? Remembered{pParam->m_nFreezeRowsFirst, pParam->m_nFreezeRowsCount,
                              pParam->m_nFreezeRowsOrigin}
                 : Remembered{pParam->m_nFreezeColsFirst, pParam->m_nFreezeColsCount,
                              pParam->m_nFreezeColsOrigin};
}

CString Name(BOOL bRows) {
    CString strName;
    strName.LoadString(bRows ? GE_IDS_FREEZE_ROWS : GE_IDS_FREEZE_COLS);
    return strName;
}

// The bulk-change flag on for the lifetime of the object, restored afterwards.
class BulkChange {
public:
    explicit BulkChange(CGEGridCore* pGrid) : m_pGrid(pGrid), m_bOld(pGrid->m_bBulkChange) {
        pGrid->m_bBulkChange = TRUE;
    }
    ~BulkChange() { m_pGrid->m_bBulkChange = m_bOld; }
    BulkChange(const BulkChange&) = delete;
    BulkChange& operator=(const BulkChange&) = delete;

private:
    CGEGridCore* m_pGrid;
    BOOL m_bOld;
};

} // namespace

void CGEGridCore::InstallFreezeMenuHelper() {
    if (m_pFreezeMenuHelperImp == nullptr) {
        m_pFreezeMenuHelperImp = new CGEGridFreezeMenuHelperImp;
        AddAutoDeleteObject(m_pFreezeMenuHelperImp);
    }
    // Freezing moves the block to the front.
    InstallMoveRowsCols();
}

BOOL CGEGridFreezeMenuHelperImp::IsFrozen(CGEGridCore* pGrid, BOOL bRows) {
    return bRows ? pGrid->GetFrozenRows() > pGrid->GetHeaderRows()
                 : pGrid->GetFrozenCols() > pGrid->GetHeaderCols();
}

BOOL CGEGridFreezeMenuHelperImp::SelectedSpan(CGEGridCore* pGrid, BOOL bRows, ROWCOL& nStart, ROWCOL& nEnd) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    CDWordArray starts, ends;
    const BOOL bAny = bRows
                          ? pParam->m_SelectedRanges.GetRowSpans(pGrid->GetRowCount(), starts, ends, TRUE)
                          : pParam->m_SelectedRanges.GetColumnSpans(pGrid->GetColCount(), starts, ends, TRUE);
    if (!bAny || starts.GetSize() != 1)
        return FALSE;
    nStart = std::max<ROWCOL>(starts[0], (bRows ? pGrid->GetHeaderRows() : pGrid->GetHeaderCols()) + 1);
    nEnd = ends[0];
    return nStart <= nEnd;
}

BOOL CGEGridFreezeMenuHelperImp::CanFreezeCols(CGEGridCore* pGrid) {
    ROWCOL nStart = 0, nEnd = 0;
    return pGrid->GetParam() != nullptr && !IsFrozen(pGrid, FALSE) &&
           SelectedSpan(pGrid, FALSE, nStart, nEnd);
}

BOOL CGEGridFreezeMenuHelperImp::CanFreezeRows(CGEGridCore* pGrid) {
    ROWCOL nStart = 0, nEnd = 0;
    return pGrid->GetParam() != nullptr && !IsFrozen(pGrid, TRUE) && SelectedSpan(pGrid, TRUE, nStart, nEnd);
}

BOOL CGEGridFreezeMenuHelperImp::CanUnfreezeCols(CGEGridCore* pGrid) {
    return pGrid->GetParam() != nullptr && IsFrozen(pGrid, FALSE);
}

BOOL CGEGridFreezeMenuHelperImp::CanUnfreezeRows(CGEGridCore* pGrid) {
    return pGrid->GetParam() != nullptr && IsFrozen(pGrid, TRUE);
}

void CGEGridFreezeMenuHelperImp::FreezeCols(CGEGridCore* pGrid) {
    if (CanFreezeCols(pGrid))
        Freeze(pGrid, FALSE);
}

void CGEGridFreezeMenuHelperImp::FreezeRows(CGEGridCore* pGrid) {
    if (CanFreezeRows(pGrid))
        Freeze(pGrid, TRUE);
}

void CGEGridFreezeMenuHelperImp::UnfreezeCols(CGEGridCore* pGrid) {
    if (CanUnfreezeCols(pGrid))
        Unfreeze(pGrid, FALSE);
}

void CGEGridFreezeMenuHelperImp::UnfreezeRows(CGEGridCore* pGrid) {
    if (CanUnfreezeRows(pGrid))
        Unfreeze(pGrid, TRUE);
}

void CGEGridFreezeMenuHelperImp::Freeze(CGEGridCore* pGrid, BOOL bRows) {
    ROWCOL nStart = 0, nEnd = 0;
    SelectedSpan(pGrid, bRows, nStart, nEnd);
    const ROWCOL nHeaders = bRows ? pGrid->GetHeaderRows() : pGrid->GetHeaderCols();
    const ROWCOL nFirst = nHeaders + 1;
    CGEUndoTransaction transaction(pGrid, Name(bRows));
    {
        BulkChange bulk(pGrid);
        pGrid->ClearSelection(FALSE);
        if (nStart > nFirst) {
            const BOOL bMoved = bRows ? pGrid->MoveRows(nStart, nEnd, nFirst, GE_UPDATENOW)
                                      : pGrid->MoveCols(nStart, nEnd, nFirst, GE_UPDATENOW);
            if (!bMoved)
                return; // the block could not come to the front: nothing is frozen (rolled back)
        }
        const Remembered remembered = RememberedOf(pGrid->GetParam(), bRows);
        remembered.nFirst = nFirst;
        remembered.nCount = nEnd - nStart + 1;
        remembered.nOrigin = nStart;
        const ROWCOL nFrozen = nHeaders + remembered.nCount;
        if (bRows)
            pGrid->SetFrozenRows(nFrozen, nHeaders, GE_UPDATENOW);
        else
            pGrid->SetFrozenCols(nFrozen, nHeaders, GE_UPDATENOW);
    }
    pGrid->Redraw(GE_UPDATENOW);
    transaction.Commit();
}

void CGEGridFreezeMenuHelperImp::Unfreeze(CGEGridCore* pGrid, BOOL bRows) {
    const Remembered remembered = RememberedOf(pGrid->GetParam(), bRows);
    const ROWCOL nHeaders = bRows ? pGrid->GetHeaderRows() : pGrid->GetHeaderCols();
    const BOOL bMoveBack = remembered.nCount > 0 && remembered.nFirst != remembered.nOrigin;
    const ROWCOL nLast = remembered.nFirst + remembered.nCount - 1;
    if (bRows) {
        // Rows: the frozen count first, then the block goes back, in no undo step of its own.
        pGrid->SetFrozenRows(nHeaders, nHeaders, GE_UPDATENOW);
        if (bMoveBack)
            pGrid->MoveRows(remembered.nFirst, nLast, remembered.nOrigin, GE_UPDATENOW);
    } else {
        CGEUndoTransaction transaction(pGrid, Name(FALSE));
        {
            BulkChange bulk(pGrid);
            if (bMoveBack)
                pGrid->MoveCols(remembered.nFirst, nLast, remembered.nOrigin, GE_UPDATENOW);
            pGrid->SetFrozenCols(nHeaders, nHeaders, GE_UPDATENOW);
        }
        pGrid->Redraw(GE_UPDATENOW);
        transaction.Commit();
    }
    remembered.nCount = 0;
}
