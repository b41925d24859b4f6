#include "grid/core/CGEDelayedRangePool.h"

#include "framework/core/CArchive.h"

#include <algorithm>
#include <memory>

IMPLEMENT_SERIAL(CGEDelayedRangePool, CObject, 1)

namespace {

bool Covers(const CGECellRange& outer, const CGECellRange& inner) {
    return outer.top <= inner.top && inner.bottom <= outer.bottom && outer.left <= inner.left &&
           inner.right <= outer.right;
}

bool Meets(const CGECellRange& a, const CGECellRange& b) {
    return a.top <= b.bottom && b.top <= a.bottom && a.left <= b.right && b.left <= a.right;
}

} // namespace

CGEDelayedRangePool::~CGEDelayedRangePool() {
    DeleteAll();
}

void CGEDelayedRangePool::DeleteAll() {
    for (INT_PTR i = 0; i < m_entries.GetSize(); ++i)
        delete GetAt(i);
    m_entries.RemoveAll();
}

void CGEDelayedRangePool::RemoveDone() {
    for (INT_PTR i = m_entries.GetSize() - 1; i >= 0; --i) {
        if (GetAt(i)->m_bDone) {
            delete GetAt(i);
            m_entries.RemoveAt(i);
        }
    }
}

void CGEDelayedRangePool::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_entries.GetSize()));
        for (INT_PTR i = 0; i < m_entries.GetSize(); ++i)
            ar.WriteOwnedObject(GetAt(i));
        return;
    }
    DeleteAll();
    for (DWORD_PTR remaining = ar.ReadCount(); remaining > 0; --remaining) {
        std::unique_ptr<CObject> entry(ar.ReadOwnedObject(RUNTIME_CLASS(CGEDelayedRange)));
        if (entry) {
            m_entries.Add(entry.get());
            entry.release();
        }
    }
}

CGEDelayedRangePool& CGEDelayedRangePool::operator=(const CGEDelayedRangePool& src) {
    if (&src == this)
        return *this;
    // Every entry goes, also those beyond the source's count, and nothing is overwritten without being freed.
    DeleteAll();
    m_entries.SetSize(src.m_entries.GetSize());
    for (INT_PTR i = 0; i < src.m_entries.GetSize(); ++i) {
        auto copy = std::make_unique<CGEDelayedRange>();
        copy->Copy(*src.GetAt(i));
        m_entries.SetAt(i, copy.release());
    }
    return *this;
}

CGECellRange& CGEDelayedRangePool::DelayRange(const CGECellRange& range) {
    INT_PTR freeSlot = -1;
    for (INT_PTR i = 0; i < m_entries.GetSize(); ++i) {
        CGEDelayedRange* entry = GetAt(i);
        if (entry->m_bDone)
            continue;
        CGECellRange& r = entry->m_range;
        if (Covers(range, r)) {
            entry->Reset();
            if (freeSlot < 0)
                freeSlot = i;
            continue;
        }
        if (entry->m_awStarts.IsEmpty()) {
            // A bordering entry grows over the new range (each edge on its own).
            if (r.right + 1 == range.left && range.left != 0)
                r.right = range.right;
            if (r.bottom + 1 == range.top && range.top != 0)
                r.bottom = range.bottom;
            if (Covers(r, range))
                return r;
        }
    }
    if (freeSlot < 0) {
        for (INT_PTR i = 0; i < m_entries.GetSize(); ++i)
            if (GetAt(i)->m_bDone)
                freeSlot = i;
    }
    if (freeSlot >= 0) {
        CGEDelayedRange* entry = GetAt(freeSlot);
        entry->m_bDone = FALSE;
        entry->m_awStarts.RemoveAll();
        entry->m_awEnds.RemoveAll();
        entry->m_range = range;
        return entry->m_range;
    }
    auto entry = std::make_unique<CGEDelayedRange>();
    entry->m_range = range;
    m_entries.InsertAt(0, entry.get());
    return entry.release()->m_range;
}

BOOL CGEDelayedRangePool::GetPendingColSpans(const CGECellRange& range, CDWordArray& lefts,
                                             CDWordArray& rights) {
    if (range.bottom < range.top || range.right < range.left)
        return FALSE;
    const INT_PTR rows = static_cast<INT_PTR>(range.bottom) - range.top + 1;
    lefts.SetSize(rows);
    rights.SetSize(rows);
    for (INT_PTR k = 0; k < rows; ++k) {
        lefts[k] = 0xFFFFFFFF;
        rights[k] = 0;
    }

    // Split the entries at the range's column band, so the bands recorded below hold for whole entries.
    const INT_PTR present = m_entries.GetSize();
    for (INT_PTR i = 0; i < present; ++i) {
        CGEDelayedRange* entry = GetAt(i);
        if (entry->m_bDone || !Meets(entry->m_range, range))
            continue;
        if (entry->m_range.left < range.left) {
            auto part = std::make_unique<CGEDelayedRange>();
            part->Copy(*entry);
            part->m_range.right = range.left - 1;
            m_entries.Add(part.release());
            entry->m_range.left = range.left;
        }
        if (entry->m_range.right > range.right) {
            auto part = std::make_unique<CGEDelayedRange>();
            part->Copy(*entry);
            part->m_range.left = range.right + 1;
            m_entries.Add(part.release());
            entry->m_range.right = range.right;
        }
    }

    BOOL any = FALSE;
    for (INT_PTR i = 0; i < m_entries.GetSize(); ++i) {
        CGEDelayedRange* entry = GetAt(i);
        if (entry->m_bDone || !Meets(entry->m_range, range))
            continue;
        const CGECellRange& r = entry->m_range;
        CGECellRange band(std::max(r.top, range.top), std::max(r.left, range.left),
                          std::min(r.bottom, range.bottom), std::min(r.right, range.right));
        if (!entry->AddEvaluatedBand(band))
            continue;
        const ULONGLONG first = std::max(band.top, r.top);
        const ULONGLONG last = std::min(band.bottom, r.bottom);
        for (ULONGLONG row = first; row <= last; ++row) {
            const auto k = static_cast<INT_PTR>(row - range.top);
            lefts[k] = lefts[k] == 0xFFFFFFFF ? r.left : std::min<DWORD>(lefts[k], r.left);
            rights[k] = std::max<DWORD>(rights[k], r.right);
        }
        any = TRUE;
    }
    if (any)
        RemoveDone();
    return any;
}

void CGEDelayedRangePool::LimitCols(ROWCOL nCol) {
    for (INT_PTR i = 0; i < m_entries.GetSize(); ++i) {
        CGECellRange& r = GetAt(i)->m_range;
        r.left = std::min(r.left, nCol);
        r.right = std::min(r.right, nCol);
    }
}

void CGEDelayedRangePool::LimitRows(ROWCOL nRow) {
    for (INT_PTR i = 0; i < m_entries.GetSize(); ++i) {
        CGECellRange& r = GetAt(i)->m_range;
        r.top = std::min(r.top, nRow);
        r.bottom = std::min(r.bottom, nRow);
    }
}
