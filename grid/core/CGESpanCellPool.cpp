#include "grid/core/CGESpanCellPool.h"

#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CGESpanCellPool, CObject, 1)

namespace {

constexpr DWORD kNoSpan = CGEDWordArrayPtrArray::noSpan;
constexpr DWORD kFirstRefused = 0x80000000;

// The anchor at [outer][inner] and the last inner index of its run; FALSE without a span there.
BOOL FindRun(const CGEDWordArrayPtrArray& table, DWORD outer, DWORD inner, DWORD& anchor, DWORD& runEnd) {
    const CDWordArray* values = table.GetArray(outer);
    if (values == nullptr || inner >= static_cast<DWORD>(values->GetSize()))
        return FALSE;
    anchor = (*values)[inner];
    if (anchor == kNoSpan)
        return FALSE;
    runEnd = inner;
    while (runEnd + 1 < static_cast<DWORD>(values->GetSize()) && (*values)[runEnd + 1] == anchor)
        ++runEnd;
    return TRUE;
}

// Records or erases a span in one table: outer indexes o1..o2, inner span i1..i2. TRUE when touched.
BOOL EditTable(CGEDWordArrayPtrArray& table, DWORD o1, DWORD o2, DWORD i1, DWORD i2, BOOL bSet) {
    if ((bSet && i1 == i2) || o1 > o2)
        return FALSE;
    for (DWORD o = o1;; ++o) {
        if (bSet) {
            CDWordArray& values = table.GetOrCreateArray(o);
            const DWORD old = i1 < static_cast<DWORD>(values.GetSize()) ? values[i1] : kNoSpan;
            const INT_PTR size = values.GetSize();
            if (size <= static_cast<INT_PTR>(i2)) {
                values.SetSize(static_cast<INT_PTR>(i2) + 1);
                for (INT_PTR i = size; i <= static_cast<INT_PTR>(i2); ++i)
                    values[i] = kNoSpan;
            }
            for (DWORD i = i1; i <= i2; ++i)
                values[i] = i1;
            // What remains of an older span that began at i1 goes.
            for (INT_PTR i = static_cast<INT_PTR>(i2) + 1; i < values.GetSize() && values[i] == old; ++i)
                values[i] = kNoSpan;
        } else if (CDWordArray* values = table.GetArray(o)) {
            if (i1 < static_cast<DWORD>(values->GetSize()) && (*values)[i1] != kNoSpan) {
                const DWORD anchor = (*values)[i1];
                for (INT_PTR i = i1; i < values->GetSize() && (*values)[i] == anchor; ++i)
                    (*values)[i] = kNoSpan;
            }
        }
        if (o == o2)
            break;
    }
    return TRUE;
}

} // namespace

void CGESpanCellPool::Serialize(CArchive& ar) {
    m_colTable.Serialize(ar);
    m_rowTable.Serialize(ar);
}

BOOL CGESpanCellPool::GetSpannedRange(ROWCOL nRow, ROWCOL nCol, CGECellRange& range) const {
    if (nRow >= kFirstRefused || nCol >= kFirstRefused)
        return FALSE;
    BOOL found = FALSE;
    DWORD anchor = 0, runEnd = 0;
    if (FindRun(m_rowTable, nRow, nCol, anchor, runEnd)) {
        range.left = anchor;
        range.right = runEnd;
        found = TRUE;
    }
    if (FindRun(m_colTable, nCol, nRow, anchor, runEnd)) {
        range.top = anchor;
        range.bottom = runEnd;
        found = TRUE;
    }
    return found;
}

BOOL CGESpanCellPool::SetSpannedRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, BOOL bSet) {
    if (nBottom >= kFirstRefused || nRight >= kFirstRefused || nTop > nBottom || nLeft > nRight)
        return FALSE;
    const BOOL rows = EditTable(m_rowTable, nTop, nBottom, nLeft, nRight, bSet);
    const BOOL cols = EditTable(m_colTable, nLeft, nRight, nTop, nBottom, bSet);
    return rows || cols;
}

void CGESpanCellPool::InsertRows(ROWCOL nRow, ROWCOL nCount) {
    m_rowTable.InsertSlots(nRow, nCount);
    m_colTable.InsertValues(nRow, nCount);
}

void CGESpanCellPool::RemoveRows(ROWCOL nFirst, ROWCOL nLast) {
    m_rowTable.RemoveSlots(nFirst, nLast);
    m_colTable.RemoveValues(nFirst, nLast);
}

void CGESpanCellPool::MoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) {
    m_rowTable.MoveSlots(nFirst, nLast, nDest);
    m_colTable.MoveValues(nFirst, nLast, nDest);
}

void CGESpanCellPool::InsertCols(ROWCOL nCol, ROWCOL nCount) {
    m_colTable.InsertSlots(nCol, nCount);
    m_rowTable.InsertValues(nCol, nCount);
}

void CGESpanCellPool::RemoveCols(ROWCOL nFirst, ROWCOL nLast) {
    m_colTable.RemoveSlots(nFirst, nLast);
    m_rowTable.RemoveValues(nFirst, nLast);
}

void CGESpanCellPool::MoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) {
    m_colTable.MoveSlots(nFirst, nLast, nDest);
    m_rowTable.MoveValues(nFirst, nLast, nDest);
}

CGESpanCellPool& CGESpanCellPool::operator=(const CGESpanCellPool& src) {
    if (&src != this) {
        m_colTable = src.m_colTable;
        m_rowTable = src.m_rowTable;
    }
    return *this;
}
