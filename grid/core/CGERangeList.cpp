#include "grid/core/CGERangeList.h"

#include "framework/core/CArchive.h"
#include "framework/core/CArchiveException.h"

#include <algorithm>
#include <memory>

IMPLEMENT_SERIAL(CGERangeList, CPtrList, 1)

namespace {

// One direction of the table: the range's coordinates along it, the kind that is "whole" along it (whole
// rows for the row axis) and the kind that reaches across all of it (whole columns for the row axis; their
// coordinates along this axis are 0 and mean nothing).
struct Axis {
    ROWCOL CGECellRange::*first;
    ROWCOL CGECellRange::*last;
    UINT wholeKind;
    UINT acrossKind;
};

constexpr Axis kRowAxis{&CGECellRange::top, &CGECellRange::bottom, CGECellRange::rows, CGECellRange::cols};
constexpr Axis kColAxis{&CGECellRange::left, &CGECellRange::right, CGECellRange::cols, CGECellRange::rows};

// Ranges whose coordinates along the axis mean nothing are left alone by row (column) edits.
bool SpansWholeAxis(const CGECellRange& r, const Axis& axis) {
    return r.kind == axis.acrossKind || r.kind == CGECellRange::table;
}

template <class F> void ForEachRange(const CGERangeList& list, F&& f) {
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        f(*list.GetNextRange(pos));
}

void InsertAlong(CGERangeList& list, const Axis& axis, ROWCOL at, ROWCOL count) {
    ForEachRange(list, [&](CGECellRange& r) {
        if (SpansWholeAxis(r, axis))
            return;
        if (r.*axis.first >= at)
            r.*axis.first += count;
        if (r.*axis.last >= at)
            r.*axis.last += count;
    });
}

void RemoveAlong(CGERangeList& list, const Axis& axis, ROWCOL first, ROWCOL last, ROWCOL lastAfter) {
    if (last < first)
        return;
    const ROWCOL n = last - first + 1;
    ForEachRange(list, [&](CGECellRange& r) {
        if (!r.valid || SpansWholeAxis(r, axis))
            return;
        ROWCOL& lo = r.*axis.first;
        ROWCOL& hi = r.*axis.last;
        if (lo >= first && hi <= last) {
            r.valid = FALSE;
            hi = std::min(hi, lastAfter);
            return;
        }
        if (lo >= first)
            lo = std::max(first, std::max(lo, last) - n);
        if (hi >= first)
            hi = std::max(hi, last) - n;
        r.valid = hi >= lo;
        hi = std::min(hi, lastAfter);
    });
}

void MoveAlong(CGERangeList& list, const Axis& axis, ROWCOL first, ROWCOL last, ROWCOL dest,
               ROWCOL lastIndex) {
    if (dest == first || last < first)
        return;
    const ROWCOL n = last - first + 1;
    const ROWCOL target = dest > first ? dest + n : dest;
    ForEachRange(list, [&](CGECellRange& r) {
        if (SpansWholeAxis(r, axis))
            return;
        ROWCOL& lo = r.*axis.first;
        ROWCOL& hi = r.*axis.last;
        // Unsigned arithmetic: a shift up is added as its two's complement.
        ROWCOL shift = 0;
        if (lo >= first && lo <= last && last < target)
            shift = target - n - first;
        else if (lo >= first && lo <= last && target < first)
            shift = target - first;
        else if (lo > last && lo < target)
            shift = 0u - n;
        else if (lo < first && lo >= target)
            shift = n;
        lo += shift;
        hi += shift;
        hi = std::min(hi, lastIndex);
    });
}

// Adds [start, end] to the sorted spans: widens the first span it overlaps, or goes before the first span
// that starts after it, or at the end.
void InsertSpan(CDWordArray& starts, CDWordArray& ends, DWORD start, DWORD end) {
    const INT_PTR count = starts.GetSize();
    for (INT_PTR i = 0; i < count; ++i) {
        const DWORD s = starts[i];
        const DWORD e = ends[i];
        const bool overlaps =
            (s >= start && s <= end) || (e >= start && e <= end) || (start >= s && start <= e);
        if (overlaps) {
            starts[i] = std::min(s, start);
            ends[i] = std::max(e, end);
            return;
        }
        if (s > start) {
            starts.InsertAt(i, start);
            ends.InsertAt(i, end);
            return;
        }
    }
    starts.Add(start);
    ends.Add(end);
}

// Joins overlapping and adjacent neighbours.
void JoinSpans(CDWordArray& starts, CDWordArray& ends) {
    for (INT_PTR i = 0; i + 1 < starts.GetSize();) {
        if (static_cast<ULONGLONG>(ends[i]) + 1 >= starts[i + 1]) {
            ends[i] = std::max(ends[i], ends[i + 1]);
            starts.RemoveAt(i + 1);
            ends.RemoveAt(i + 1);
        } else {
            ++i;
        }
    }
}

BOOL SpansAlong(const CGERangeList& list, const Axis& axis, ROWCOL lastIndex, CDWordArray& starts,
                CDWordArray& ends, BOOL bOnlyWhole) {
    starts.RemoveAll();
    ends.RemoveAll();
    BOOL any = FALSE;
    ForEachRange(list, [&](const CGECellRange& r) {
        if (!r.valid)
            return;
        if (bOnlyWhole && r.kind != axis.wholeKind && r.kind != CGECellRange::table)
            return;
        if (SpansWholeAxis(r, axis))
            InsertSpan(starts, ends, 0, lastIndex);
        else
            InsertSpan(starts, ends, r.*axis.first, r.*axis.last);
        any = TRUE;
    });
    JoinSpans(starts, ends);
    return any;
}

} // namespace

CGERangeList::~CGERangeList() {
    DeleteAll();
}

CGERangeList& CGERangeList::operator=(const CGERangeList& src) {
    if (&src == this)
        return *this;
    DeleteAll();
    ForEachRange(src, [this](const CGECellRange& r) {
        if (!r.valid)
            return;
        auto copy = std::make_unique<CGECellRange>(r);
        AddHead(copy.get());
        copy.release(); // the list owns it now
    });
    return *this;
}

void CGERangeList::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << static_cast<WORD>(1);
        DeleteInvalidRanges();
        ar << static_cast<DWORD>(GetCount());
        ForEachRange(*this, [&ar](const CGECellRange& r) { ar << r; });
        return;
    }
    WORD schema = 0;
    ar >> schema;
    if (schema != 1)
        AfxThrowArchiveException(CArchiveException::badSchema);
    DWORD count = 0;
    ar >> count;
    // Each range is read before the list takes it, so damaged data stops at the first short read.
    for (DWORD i = 0; i < count; ++i) {
        auto range = std::make_unique<CGECellRange>();
        ar >> *range;
        AddTail(range.get());
        range.release();
    }
}

POSITION CGERangeList::AddRange(const CGECellRange& range) {
    auto copy = std::make_unique<CGECellRange>(range);
    const POSITION pos = AddTail(copy.get());
    copy.release();
    return pos;
}

POSITION CGERangeList::FindRange(ROWCOL nRow, ROWCOL nCol) const {
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
        const POSITION here = pos;
        if (GetNextRange(pos)->Contains(nRow, nCol))
            return here;
    }
    return nullptr;
}

BOOL CGERangeList::IsCellInList(ROWCOL nRow, ROWCOL nCol, POSITION posSkip) const {
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
        const POSITION here = pos;
        const CGECellRange* r = GetNextRange(pos);
        if (here != posSkip && r->Contains(nRow, nCol))
            return TRUE;
    }
    return FALSE;
}

BOOL CGERangeList::IsAnyCellFromCol(ROWCOL nCol) const {
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
        const CGECellRange* r = GetNextRange(pos);
        if (r->valid && (SpansWholeAxis(*r, kColAxis) || (r->left <= nCol && nCol <= r->right)))
            return TRUE;
    }
    return FALSE;
}

BOOL CGERangeList::IsAnyCellFromRow(ROWCOL nRow) const {
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
        const CGECellRange* r = GetNextRange(pos);
        if (r->valid && (SpansWholeAxis(*r, kRowAxis) || (r->top <= nRow && nRow <= r->bottom)))
            return TRUE;
    }
    return FALSE;
}

void CGERangeList::DeleteAt(POSITION pos) {
    delete GetRangeAt(pos);
    RemoveAt(pos);
}

void CGERangeList::DeleteAll() {
    for (POSITION pos = GetHeadPosition(); pos != nullptr;)
        delete GetNextRange(pos);
    RemoveAll();
}

void CGERangeList::DeleteInvalidRanges() {
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
        const POSITION here = pos;
        if (!GetNextRange(pos)->valid)
            DeleteAt(here);
    }
}

void CGERangeList::InsertRows(ROWCOL nRow, ROWCOL nCount) {
    InsertAlong(*this, kRowAxis, nRow, nCount);
}

void CGERangeList::InsertCols(ROWCOL nCol, ROWCOL nCount) {
    InsertAlong(*this, kColAxis, nCol, nCount);
}

void CGERangeList::RemoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nLastRowAfter) {
    RemoveAlong(*this, kRowAxis, nFirst, nLast, nLastRowAfter);
}

void CGERangeList::RemoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nLastColAfter) {
    RemoveAlong(*this, kColAxis, nFirst, nLast, nLastColAfter);
}

void CGERangeList::MoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, ROWCOL nLastRow) {
    MoveAlong(*this, kRowAxis, nFirst, nLast, nDest, nLastRow);
}

void CGERangeList::MoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, ROWCOL nLastCol) {
    MoveAlong(*this, kColAxis, nFirst, nLast, nDest, nLastCol);
}

BOOL CGERangeList::GetColumnSpans(ROWCOL nLastCol, CDWordArray& starts, CDWordArray& ends,
                                  BOOL bOnlyWholeCols) const {
    return SpansAlong(*this, kColAxis, nLastCol, starts, ends, bOnlyWholeCols);
}

BOOL CGERangeList::GetRowSpans(ROWCOL nLastRow, CDWordArray& starts, CDWordArray& ends,
                               BOOL bOnlyWholeRows) const {
    return SpansAlong(*this, kRowAxis, nLastRow, starts, ends, bOnlyWholeRows);
}
