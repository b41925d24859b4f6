#include "grid/features/CGEGridSortMoveDataImp.h"

#include "grid/core/CGEData.h"
#include "grid/core/CGELibraryState.h"

#include <vector>

namespace {

BOOL IsPermutation(const CDWordArray& order, ROWCOL nCount) {
    if (order.GetSize() != static_cast<INT_PTR>(nCount))
        return FALSE;
    std::vector<bool> seen(nCount, false);
    for (INT_PTR i = 0; i < order.GetSize(); ++i) {
        const DWORD n = order[i];
        if (n >= nCount || seen[n])
            return FALSE;
        seen[n] = true;
    }
    return TRUE;
}

// Entries nBase + order[i] of a pointer array go to nBase + i. The entries keep their owners: only the
// pointers change places. When the region reached the array's end, trailing null entries are cut off
// (never below nBase).
void Permute(CPtrArray& array, ROWCOL nBase, const CDWordArray& order) {
    const ROWCOL n = static_cast<ROWCOL>(order.GetSize());
    const INT_PTR nSize = array.GetSize();
    if (static_cast<INT_PTR>(nBase) >= nSize)
        return; // nothing stored in the region
    std::vector<void*> moved(n, nullptr);
    for (ROWCOL i = 0; i < n; ++i) {
        const INT_PTR nOld = static_cast<INT_PTR>(nBase) + order[static_cast<INT_PTR>(i)];
        moved[i] = nOld < nSize ? array.GetAt(nOld) : nullptr;
    }
    const INT_PTR nEnd = static_cast<INT_PTR>(nBase) + n;
    if (nSize < nEnd)
        array.SetSize(nEnd);
    for (ROWCOL i = 0; i < n; ++i)
        array.SetAt(static_cast<INT_PTR>(nBase) + i, moved[i]);
    if (array.GetSize() == nEnd) {
        INT_PTR nKeep = nEnd;
        while (nKeep > static_cast<INT_PTR>(nBase) && array.GetAt(nKeep - 1) == nullptr)
            --nKeep;
        array.SetSize(nKeep);
    }
}

// The first and last line of the range along rows (columns) and whether they lie inside the data.
BOOL LinesOf(const CGECellRange& range, BOOL bRows, ROWCOL nLast, ROWCOL& nFirst, ROWCOL& nCount) {
    const ROWCOL a = bRows ? range.top : range.left;
    const ROWCOL b = bRows ? range.bottom : range.right;
    if (!range.IsValid() || a == 0 || a > b || b > nLast)
        return FALSE;
    nFirst = a;
    nCount = b - a + 1;
    return TRUE;
}

} // namespace

void GEInstallSortMoveData() {
    CGELibraryState* pState = GEGetLibraryState();
    if (pState->m_pSortMoveDataImp == nullptr) {
        auto* pImp = new CGEGridSortMoveDataImp;
        pState->m_pSortMoveDataImp = pImp;
        pState->AddAutoDeleteObject(pImp);
    }
}

BOOL CGEGridSortMoveDataImp::MoveDataRows(CGEData* pData, const CGECellRange& range,
                                          const CDWordArray& order) {
    ROWCOL nFirst = 0, nCount = 0;
    if (pData == nullptr || !LinesOf(range, TRUE, pData->GetRowCount(), nFirst, nCount) ||
        !IsPermutation(order, nCount))
        return FALSE;
    Permute(pData->m_apapCellStyle, nFirst, order);
    Permute(pData->m_apRowBaseStyle, nFirst, order);
    return TRUE;
}

BOOL CGEGridSortMoveDataImp::MoveDataCols(CGEData* pData, const CGECellRange& range,
                                          const CDWordArray& order) {
    ROWCOL nFirst = 0, nCount = 0;
    if (pData == nullptr || !LinesOf(range, FALSE, pData->GetColCount(), nFirst, nCount) ||
        !IsPermutation(order, nCount))
        return FALSE;
    for (INT_PTR r = 0; r < pData->m_apapCellStyle.GetSize(); ++r) {
        if (CGEStylePtrArray* pRow = pData->m_apapCellStyle.GetRow(static_cast<ROWCOL>(r)))
            Permute(*pRow, nFirst, order);
    }
    Permute(pData->m_apColBaseStyle, nFirst, order);
    return TRUE;
}
