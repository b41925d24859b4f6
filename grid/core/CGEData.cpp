#include "grid/core/CGEData.h"

#include "framework/core/CArchive.h"
#include "framework/core/CObArray.h"
#include "grid/core/CGEAbstractGridDocSerializeImp.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>
#include <vector>

IMPLEMENT_SERIAL(CGEData, CObject, 1)

CGEData& CGEData::operator=(const CGEData& src) {
    if (this == &src)
        return *this;
    m_nRows = src.m_nRows;
    m_nCols = src.m_nCols;
    m_apapCellStyle = src.m_apapCellStyle;
    m_apRowBaseStyle = src.m_apRowBaseStyle;
    m_apColBaseStyle = src.m_apColBaseStyle;
    return *this;
}

void CGEData::Serialize(CArchive& ar) {
    if (CGEAbstractGridDocSerializeImp* pImp = GEGetLibraryState()->m_pDocSerializeImp)
        pImp->SerializeData(this, ar);
}

// ---- counts ----

BOOL CGEData::StoreRowCount(ROWCOL nRows) {
    if (nRows == m_nRows)
        return FALSE;
    if (nRows < m_nRows) {
        m_apapCellStyle.RemoveEntries(nRows + 1, m_nRows);
        m_apRowBaseStyle.RemoveEntries(nRows + 1, m_nRows);
    }
    m_nRows = nRows;
    return TRUE;
}

BOOL CGEData::StoreColCount(ROWCOL nCols) {
    if (nCols == m_nCols)
        return FALSE;
    if (nCols < m_nCols) {
        for (INT_PTR r = 0; r < m_apapCellStyle.GetSize(); ++r) {
            if (CGEStylePtrArray* pRow = m_apapCellStyle.GetRow(static_cast<ROWCOL>(r)))
                pRow->RemoveEntries(nCols + 1, m_nCols);
        }
        m_apColBaseStyle.RemoveEntries(nCols + 1, m_nCols);
    }
    m_nCols = nCols;
    return TRUE;
}

BOOL CGEData::StoreInsertRows(ROWCOL nRow, ROWCOL nCount) {
    if (nCount == 0 || nRow == 0 || nRow > m_nRows + 1 || nCount > 0x7FFFFFFF - m_nRows)
        return FALSE;
    m_apapCellStyle.InsertEmpty(nRow, nCount);
    m_apRowBaseStyle.InsertEmpty(nRow, nCount);
    m_nRows += nCount;
    return TRUE;
}

BOOL CGEData::StoreInsertCols(ROWCOL nCol, ROWCOL nCount) {
    if (nCount == 0 || nCol == 0 || nCol > m_nCols + 1 || nCount > 0x7FFFFFFF - m_nCols)
        return FALSE;
    for (INT_PTR r = 0; r < m_apapCellStyle.GetSize(); ++r) {
        if (CGEStylePtrArray* pRow = m_apapCellStyle.GetRow(static_cast<ROWCOL>(r)))
            pRow->InsertEmpty(nCol, nCount);
    }
    m_apColBaseStyle.InsertEmpty(nCol, nCount);
    m_nCols += nCount;
    return TRUE;
}

BOOL CGEData::StoreRemoveRows(ROWCOL nFrom, ROWCOL nTo) {
    if (nFrom == 0 || nFrom > nTo || nFrom > m_nRows)
        return FALSE;
    nTo = std::min(nTo, m_nRows);
    m_apapCellStyle.RemoveEntries(nFrom, nTo);
    m_apRowBaseStyle.RemoveEntries(nFrom, nTo);
    m_nRows -= nTo - nFrom + 1;
    return TRUE;
}

BOOL CGEData::StoreRemoveCols(ROWCOL nFrom, ROWCOL nTo) {
    if (nFrom == 0 || nFrom > nTo || nFrom > m_nCols)
        return FALSE;
    nTo = std::min(nTo, m_nCols);
    for (INT_PTR r = 0; r < m_apapCellStyle.GetSize(); ++r) {
        if (CGEStylePtrArray* pRow = m_apapCellStyle.GetRow(static_cast<ROWCOL>(r)))
            pRow->RemoveEntries(nFrom, nTo);
    }
    m_apColBaseStyle.RemoveEntries(nFrom, nTo);
    m_nCols -= nTo - nFrom + 1;
    return TRUE;
}

namespace {

// A move of lines nFrom..nTo to nDest stays inside 1..nLast.
BOOL IsValidMove(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, ROWCOL nLast) {
    if (nFrom == 0 || nDest == 0 || nFrom > nTo || nTo > nLast || nFrom == nDest)
        return FALSE;
    return nDest + (nTo - nFrom) <= nLast;
}

} // namespace

BOOL CGEData::StoreMoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
    if (!IsValidMove(nFrom, nTo, nDest, m_nRows))
        return FALSE;
    m_apapCellStyle.MoveEntries(nFrom, nTo, nDest);
    m_apRowBaseStyle.MoveEntries(nFrom, nTo, nDest);
    return TRUE;
}

BOOL CGEData::StoreMoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
    if (!IsValidMove(nFrom, nTo, nDest, m_nCols))
        return FALSE;
    for (INT_PTR r = 0; r < m_apapCellStyle.GetSize(); ++r) {
        if (CGEStylePtrArray* pRow = m_apapCellStyle.GetRow(static_cast<ROWCOL>(r)))
            pRow->MoveEntries(nFrom, nTo, nDest);
    }
    m_apColBaseStyle.MoveEntries(nFrom, nTo, nDest);
    return TRUE;
}

// ---- styles ----

const CGEStyle* CGEData::LookupStyle(ROWCOL nRow, ROWCOL nCol) const {
    if (nRow == 0)
        return m_apColBaseStyle.GetStyle(nCol);
    if (nCol == 0)
        return m_apRowBaseStyle.GetStyle(nRow);
    const CGEStylePtrArray* pRow = m_apapCellStyle.GetRow(nRow);
    return pRow != nullptr ? pRow->GetStyle(nCol) : nullptr;
}

CGEStyle* CGEData::TakeStyle(ROWCOL nRow, ROWCOL nCol) {
    CGEStylePtrArray* pArray = nullptr;
    ROWCOL nIndex = nCol;
    if (nRow == 0) {
        pArray = &m_apColBaseStyle;
    } else if (nCol == 0) {
        pArray = &m_apRowBaseStyle;
        nIndex = nRow;
    } else {
        pArray = m_apapCellStyle.GetRow(nRow);
    }
    if (pArray == nullptr || static_cast<INT_PTR>(nIndex) >= pArray->GetSize())
        return nullptr;
    auto* pStyle = static_cast<CGEStyle*>(pArray->GetAt(nIndex));
    pArray->SetAt(nIndex, nullptr);
    return pStyle;
}

void CGEData::PutStyle(ROWCOL nRow, ROWCOL nCol, CGEStyle* pStyle) {
    if (nRow == 0)
        m_apColBaseStyle.SetStyle(nCol, pStyle);
    else if (nCol == 0)
        m_apRowBaseStyle.SetStyle(nRow, pStyle);
    else if (pStyle != nullptr)
        m_apapCellStyle.GetOrAddRow(nRow)->SetStyle(nCol, pStyle);
    else if (CGEStylePtrArray* pRow = m_apapCellStyle.GetRow(nRow))
        pRow->SetStyle(nCol, nullptr);
}

BOOL CGEData::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGEStyle& style, int mt, int) {
    const CGEStyle* pStored = LookupStyle(nRow, nCol);
    if (pStored == nullptr)
        return FALSE;
    style.MergeFrom(*pStored, mt);
    return TRUE;
}

BOOL CGEData::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle, int mt, int) {
    if (nRow > m_nRows || nCol > m_nCols)
        return FALSE;
    if (mt == geRemove) {
        CGEStyle* pOld = TakeStyle(nRow, nCol);
        delete pOld;
        return pOld != nullptr;
    }
    if (pStyle == nullptr)
        return FALSE;
    if (mt == geCopy) {
        PutStyle(nRow, nCol, pStyle->GetIncludeMask() != 0 ? pStyle->Clone() : nullptr);
        return TRUE;
    }
    CGEStyle* pStored = TakeStyle(nRow, nCol);
    if (pStored == nullptr) {
        if (mt == geExclude)
            return FALSE;
        pStored = pStyle->Clone();
    } else {
        pStored->MergeFrom(*pStyle, mt);
    }
    if (pStored->GetIncludeMask() == 0) {
        delete pStored;
        pStored = nullptr;
    }
    PutStyle(nRow, nCol, pStored);
    return TRUE;
}

BOOL CGEData::CopyCells(const CGECellRange& range, ROWCOL nDestRow, ROWCOL nDestCol) {
    if (!range.IsValid() || range.top > range.bottom || range.left > range.right)
        return FALSE;
    if (nDestRow == range.top && nDestCol == range.left)
        return TRUE; // nothing to copy onto itself
    const ROWCOL nRows = range.bottom - range.top + 1;
    const ROWCOL nCols = range.right - range.left + 1;
    // Walk away from the destination so that every source cell is read before it is overwritten.
    const BOOL bRowsUp = nDestRow > range.top;
    const BOOL bColsUp = nDestCol > range.left;
    for (ROWCOL i = 0; i < nRows; ++i) {
        const ROWCOL dr = bRowsUp ? nRows - 1 - i : i;
        for (ROWCOL j = 0; j < nCols; ++j) {
            const ROWCOL dc = bColsUp ? nCols - 1 - j : j;
            if (nDestRow + dr > m_nRows || nDestCol + dc > m_nCols)
                continue;
            const CGEStyle* pSource = LookupStyle(range.top + dr, range.left + dc);
            PutStyle(nDestRow + dr, nDestCol + dc, pSource != nullptr ? pSource->Clone() : nullptr);
        }
    }
    return TRUE;
}

BOOL CGEData::MoveCells(const CGECellRange& range, ROWCOL nDestRow, ROWCOL nDestCol, CObject*& pUndoInfo,
                        BOOL bRecordUndo, int) {
    if (!range.IsValid() || range.top > range.bottom || range.left > range.right)
        return FALSE;
    const ROWCOL nRows = range.bottom - range.top + 1;
    const ROWCOL nCols = range.right - range.left + 1;
    if (nDestRow == range.top && nDestCol == range.left)
        return TRUE;
    // Take the source block out first, so that overlapping blocks move whole.
    std::vector<CGEStyle*> block(static_cast<size_t>(nRows) * nCols, nullptr);
    for (ROWCOL i = 0; i < nRows; ++i) {
        for (ROWCOL j = 0; j < nCols; ++j)
            block[static_cast<size_t>(i) * nCols + j] = TakeStyle(range.top + i, range.left + j);
    }
    CObArray* pOld = bRecordUndo ? new CObArray : nullptr;
    for (ROWCOL i = 0; i < nRows; ++i) {
        for (ROWCOL j = 0; j < nCols; ++j) {
            CGEStyle* pStyle = block[static_cast<size_t>(i) * nCols + j];
            const ROWCOL r = nDestRow + i;
            const ROWCOL c = nDestCol + j;
            if (r > m_nRows || c > m_nCols) {
                delete pStyle;
                continue;
            }
            CGEStyle* pReplaced = TakeStyle(r, c);
            if (pOld != nullptr)
                pOld->Add(pReplaced);
            else
                delete pReplaced;
            PutStyle(r, c, pStyle);
        }
    }
    if (pOld != nullptr)
        pUndoInfo = pOld;
    return TRUE;
}

namespace {

// Applies a permutation (entry i: which old offset lands at offset i) to nCount consecutive slots.
template <class Get, class Set> void Permute(ROWCOL nCount, const CDWordArray& order, Get get, Set set) {
    std::vector<CGEStyle*> old(nCount);
    for (ROWCOL i = 0; i < nCount; ++i)
        old[i] = get(i);
    for (ROWCOL i = 0; i < nCount; ++i)
        set(i, old[order[static_cast<INT_PTR>(i)]]);
}

BOOL IsPermutation(const CDWordArray& order, ROWCOL nCount) {
    if (order.GetSize() != static_cast<INT_PTR>(nCount))
        return FALSE;
    std::vector<bool> seen(nCount, false);
    for (INT_PTR i = 0; i < order.GetSize(); ++i) {
        if (order[i] >= nCount || seen[order[i]])
            return FALSE;
        seen[order[i]] = true;
    }
    return TRUE;
}

} // namespace

BOOL CGEData::MoveDataRows(const CGECellRange& range, const CDWordArray& order) {
    if (range.top == 0 || range.top > range.bottom || range.bottom > m_nRows)
        return FALSE;
    const ROWCOL nCount = range.bottom - range.top + 1;
    if (!IsPermutation(order, nCount))
        return FALSE;
    const ROWCOL nLeft = range.IsRows() || range.IsTable() ? 0 : range.left;
    const ROWCOL nRight = range.IsRows() || range.IsTable() ? m_nCols : std::min(range.right, m_nCols);
    for (ROWCOL c = nLeft; c <= nRight; ++c) {
        Permute(
            nCount, order, [&](ROWCOL i) { return TakeStyle(range.top + i, c); },
            [&](ROWCOL i, CGEStyle* p) { PutStyle(range.top + i, c, p); });
    }
    return TRUE;
}

BOOL CGEData::MoveDataCols(const CGECellRange& range, const CDWordArray& order) {
    if (range.left == 0 || range.left > range.right || range.right > m_nCols)
        return FALSE;
    const ROWCOL nCount = range.right - range.left + 1;
    if (!IsPermutation(order, nCount))
        return FALSE;
    const ROWCOL nTop = range.IsCols() || range.IsTable() ? 0 : range.top;
    const ROWCOL nBottom = range.IsCols() || range.IsTable() ? m_nRows : std::min(range.bottom, m_nRows);
    for (ROWCOL r = nTop; r <= nBottom; ++r) {
        Permute(
            nCount, order, [&](ROWCOL i) { return TakeStyle(r, range.left + i); },
            [&](ROWCOL i, CGEStyle* p) { PutStyle(r, range.left + i, p); });
    }
    return TRUE;
}
