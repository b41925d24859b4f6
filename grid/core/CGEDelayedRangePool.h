// CGEDelayedRangePool: the ranges whose floating or merged cells must be evaluated again before they are
// next needed, evaluated piecewise as the visible rows ask for them. Owns its entries; new entries go to the
// front. Archived (class schema 1) as the array of its entries (a count, then each entry as an object).
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CDWordArray.h"
#include "framework/core/CObArray.h"
#include "framework/core/CObject.h"
#include "grid/core/CGEDelayedRange.h"

class CGEDelayedRangePool : public CObject {
    DECLARE_SERIAL(CGEDelayedRangePool)
public:
    CGEDelayedRangePool() = default;
    ~CGEDelayedRangePool() override;

    // Loading empties the pool first and refuses damaged entries with the archive exception.
    void Serialize(CArchive& ar) override;
    // Empties this pool, then holds a copy of every entry of src at the same index. Self-assignment does
    // nothing.
    virtual CGEDelayedRangePool& operator=(const CGEDelayedRangePool& src);

    // Records a range as pending: pending entries it contains are retired, an entry without evaluated bands
    // that borders it is extended over it, a retired entry is reused, else a new entry goes to the front.
    // Returns the pool's range that now covers the given one (valid until the pool next changes).
    CGECellRange& DelayRange(const CGECellRange& range);
    // For each row of range (row top + k at index k), the smallest left and largest right column of the
    // pending entries that meet it (0xFFFFFFFF and 0 where none); the rows handed out are recorded as
    // evaluated and entries that become done are removed. TRUE when any row was handed out.
    BOOL GetPendingColSpans(const CGECellRange& range, CDWordArray& lefts, CDWordArray& rights);
    // Clamps every entry's right and left (bottom and top) to at most nCol (nRow).
    void LimitCols(ROWCOL nCol);
    void LimitRows(ROWCOL nRow);
    // Deletes and removes every entry that is done, last to first.
    void RemoveDone();
    // Deletes every entry.
    void DeleteAll();

    INT_PTR GetCount() const { return m_entries.GetSize(); }
    CGEDelayedRange* GetAt(INT_PTR nIndex) const {
        return static_cast<CGEDelayedRange*>(m_entries.GetAt(nIndex));
    }

private:
    CObArray m_entries; // owned CGEDelayedRange pointers
};
