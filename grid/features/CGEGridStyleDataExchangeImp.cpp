#include "grid/features/CGEGridStyleDataExchangeImp.h"

#include "framework/core/CArchive.h"
#include "framework/core/CArchiveException.h"
#include "framework/core/CMemoryException.h"
#include "framework/core/CObArray.h"
#include "framework/core/CUserException.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGELongOperation.h"
#include "grid/core/CGERangeList.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStylesMap.h"
#include "grid/features/CGELongOperationState.h"
#include "grid/features/GELongOperationPercent.h"
#include "grid/features/CGERangeBlock.h"
#include "grid/features/CGEUndoTransaction.h"

#include <algorithm>
#include <memory>

namespace {

constexpr WORD kCopyMasked = 0x800;
constexpr WORD kNoNewRows = 0x200;
constexpr WORD kNoNewCols = 0x400;

// The styles map in the archive's document pointer while a block is written or read (the styles' archive
// form looks there for base-style names); the former pointer comes back at the end.
class StylesMapInArchive {
public:
    StylesMapInArchive(CArchive& ar, CGEStylesMap* pMap) : m_ar(ar), m_pOld(ar.m_pDocument) {
        if (pMap != nullptr)
            m_ar.m_pDocument = reinterpret_cast<CDocument*>(static_cast<CObject*>(pMap));
    }
    ~StylesMapInArchive() { m_ar.m_pDocument = m_pOld; }
    StylesMapInArchive(const StylesMapInArchive&) = delete;
    StylesMapInArchive& operator=(const StylesMapInArchive&) = delete;

private:
    CArchive& m_ar;
    CDocument* m_pOld;
};

// Reads the array of a block: an object array written by WriteObject whose elements are styles or null.
// The elements are read as objects of their own, so damaged data that names an object read before (perhaps
// a part a style owns and has freed) is refused instead of reaching it. Returns null when the array holds a
// different number of cells; archive exceptions pass on (the styles read so far are freed).
std::unique_ptr<CObArray, void (*)(CObArray*)> ReadCells(CArchive& ar, DWORD nCount) {
    auto freeCells = [](CObArray* pArray) {
        if (pArray == nullptr)
            return;
        for (INT_PTR i = 0; i < pArray->GetSize(); ++i)
            delete pArray->GetAt(i);
        delete pArray;
    };
    std::unique_ptr<CObArray, void (*)(CObArray*)> cells(new CObArray, freeCells);
    UINT nSchema = 0;
    DWORD obTag = 0;
    if (ar.ReadClass(RUNTIME_CLASS(CObArray), &nSchema, &obTag) == nullptr)
        AfxThrowArchiveException(CArchiveException::badIndex);
    ar.MapObject(cells.get()); // the array's own index, as the writer counted it
    if (ar.ReadCount() != nCount)
        return {nullptr, freeCells};
    cells->SetSize(0, 4096);
    for (DWORD i = 0; i < nCount; ++i)
        cells->Add(ar.ReadOwnedObject(RUNTIME_CLASS(CGEStyle)));
    return cells;
}

} // namespace

void CGEGridCore::InstallStyleDataExchange() {
    if (m_pStyleDataExchangeImp == nullptr) {
        m_pStyleDataExchangeImp = new CGEGridStyleDataExchangeImp;
        AddAutoDeleteObject(m_pStyleDataExchangeImp);
    }
}

BOOL CGEGridCore::CopyCellsToArchive(CArchive& ar, const CGERangeList& list, BOOL bComposed) {
    return m_pStyleDataExchangeImp != nullptr
               ? m_pStyleDataExchangeImp->CopyCellsToArchive(this, ar, list, bComposed)
               : FALSE;
}

BOOL CGEGridCore::GetCellStyleForCopy(ROWCOL nRow, ROWCOL nCol, CGEStyle& style, BOOL bComposed) {
    return m_pStyleDataExchangeImp != nullptr
               ? m_pStyleDataExchangeImp->GetCellStyleForCopy(this, nRow, nCol, style, bComposed)
               : FALSE;
}

BOOL CGEGridCore::PasteCellsFromArchive(CArchive& ar, const CGECellRange& range, BOOL bCheckSize) {
    return m_pStyleDataExchangeImp != nullptr
               ? m_pStyleDataExchangeImp->PasteCellsFromArchive(this, ar, range, bCheckSize)
               : FALSE;
}

BOOL CGEGridStyleDataExchangeImp::GetCellStyleForCopy(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                      CGEStyle& style, BOOL bComposed) {
    if (bComposed) {
        pGrid->ComposeStyleRowCol(nRow, nCol, &style);
        return TRUE;
    }
    if (!pGrid->GetStyleRowCol(nRow, nCol, style, geCopy))
        return FALSE;
    if ((pGrid->m_wClipboardFlags & kCopyMasked) != 0)
        style.SetIncludeMask(style.GetIncludeMask() & pGrid->m_dwCopyMask);
    return !style.IsEmpty();
}

BOOL CGEGridStyleDataExchangeImp::CopyCellsToArchive(CGEGridCore* pGrid, CArchive& ar,
                                                     const CGERangeList& list, BOOL bComposed) {
    CGELongOperation operation;
    operation.SetStatusText(GEGetLibraryState()->GetText(CGELibraryState::textCopyingInternal));
    const CGERangeBlock block(list, pGrid->GetRowCount(), pGrid->GetColCount());
    if (block.IsEmpty())
        return FALSE;
    const ULONGLONG nRows = block.GetRowCount(), nCols = block.GetColCount();
    if (nRows > nMaxRowsOrCols || nCols > nMaxRowsOrCols || nRows * nCols >= 0x3FFFFFFF)
        AfxThrowMemoryException();

    StylesMapInArchive mapScope(ar, pGrid->GetStylesMap());
    CObArray cells;
    cells.SetSize(static_cast<INT_PTR>(nRows * nCols));
    struct FreeCells {
        CGEGridCore* pGrid;
        CObArray& cells;
        ~FreeCells() {
            for (INT_PTR i = 0; i < cells.GetSize(); ++i)
                pGrid->RecycleStyle(static_cast<CGEStyle*>(cells.GetAt(i)));
        }
    } freeCells{pGrid, cells};
    INT_PTR nIndex = 0;
    const BOOL bComplete = block.ForEachCell([&](ROWCOL nRow, ROWCOL nCol, ROWCOL, ROWCOL) {
        CGEStyle* pStyle = pGrid->CreateStyle();
        if (GetCellStyleForCopy(pGrid, nRow, nCol, *pStyle, bComposed))
            cells.SetAt(nIndex, pStyle);
        else
            pGrid->RecycleStyle(pStyle);
        GEShowPercentDone(static_cast<ULONGLONG>(++nIndex), nRows * nCols);
        BOOL bAbort = FALSE;
        operation.StepAndQueryAbort(bAbort);
        return !bAbort;
    });
    if (!bComplete)
        return FALSE;
    ar << static_cast<DWORD>(nRows) << static_cast<DWORD>(nCols);
    ar.WriteObject(&cells);
    pGrid->m_nLastCopiedRows = static_cast<ROWCOL>(nRows);
    pGrid->m_nLastCopiedCols = static_cast<ROWCOL>(nCols);
    return TRUE;
}

BOOL CGEGridStyleDataExchangeImp::PasteCellsFromArchive(CGEGridCore* pGrid, CArchive& ar,
                                                        const CGECellRange& range, BOOL bCheckSize) {
    if (!range.IsValid())
        return FALSE;
    StylesMapInArchive mapScope(ar, pGrid->GetStylesMap());
    DWORD nRows = 0, nCols = 0;
    ar >> nRows >> nCols;
    if (nRows == 0 || nCols == 0 || nRows > nMaxRowsOrCols || nCols > nMaxRowsOrCols ||
        range.top >= GE_INVALID - nRows || range.left >= GE_INVALID - nCols)
        return FALSE;
    CGECellRange target(range.top, range.left, range.top + nRows - 1, range.left + nCols - 1);
    if (bCheckSize && (target.bottom != range.bottom || target.right != range.right) &&
        !pGrid->ConfirmPasteSizeMismatch())
        return FALSE;

    CGEUndoTransaction transaction(pGrid, GEGetLibraryState()->GetText(CGELibraryState::textPaste));
    CGELongOperation operation;
    operation.SetStatusText(GEGetLibraryState()->GetText(CGELibraryState::textPastingData));
    CGELongOperationState::Get().bRollbackPossible = TRUE;
    pGrid->ResetCurrentCellStyleCache();

    const auto cells = ReadCells(ar, nRows * nCols);
    if (cells == nullptr)
        return FALSE;
    const CObArray* pCells = cells.get();

    // Rows and columns the grid does not have are added when allowed; the block is cut where they are not.
    if (target.bottom > pGrid->GetRowCount() &&
        ((pGrid->m_wClipboardFlags & kNoNewRows) != 0 || !pGrid->SetRowCount(target.bottom, GE_NOREDRAW)))
        target.bottom = std::min(target.bottom, pGrid->GetRowCount());
    if (target.right > pGrid->GetColCount() &&
        ((pGrid->m_wClipboardFlags & kNoNewCols) != 0 || !pGrid->SetColCount(target.right, GE_NOREDRAW)))
        target.right = std::min(target.right, pGrid->GetColCount());
    if (target.top > pGrid->GetRowCount() || target.left > pGrid->GetColCount() ||
        target.bottom < target.top || target.right < target.left)
        return FALSE;

    // The styles of the cells that land inside the grid, row by row.
    const DWORD nKeepRows = target.bottom - target.top + 1, nKeepCols = target.right - target.left + 1;
    CObArray kept;
    kept.SetSize(static_cast<INT_PTR>(nKeepRows) * nKeepCols);
    for (DWORD r = 0; r < nKeepRows; ++r)
        for (DWORD c = 0; c < nKeepCols; ++c)
            kept.SetAt(static_cast<INT_PTR>(r) * nKeepCols + c,
                       pCells->GetAt(static_cast<INT_PTR>(r) * nCols + c));

    const BOOL bStored = pGrid->SetStyleRange(target, nullptr, geCopy, 0, &kept, GE_INVALIDATE);
    const CGELongOperationState& state = CGELongOperationState::Get();
    if (!bStored || (state.bAbortDecided && state.bRollbackRequested))
        return FALSE;
    transaction.Commit();
    if (pGrid->IsCurrentCell())
        pGrid->RefreshCurrentCell(FALSE);
    return TRUE;
}
