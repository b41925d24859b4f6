// CGEDelayedRange: one entry of a delayed-range pool: cells whose floating or merged state must be evaluated
// again, with the row bands already evaluated (sorted by first row, not overlapping) and a done flag (the
// whole range is evaluated and the entry is free for reuse). Archived (class schema 1) as the range, the
// band starts and the band ends; a loaded entry is done when its bands cover its rows.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CDWordArray.h"
#include "framework/core/CObject.h"
#include "grid/core/CGECellRange.h"

class CGEDelayedRange : public CObject {
    DECLARE_SERIAL(CGEDelayedRange)
public:
    // Pending, no bands.
    CGEDelayedRange() = default;

    // Loading refuses band lists of different lengths, a band that ends before it starts and bands out of
    // order (the archive's generic exception).
    void Serialize(CArchive& ar) override;
    // Becomes a copy of src: range, bands and done flag.
    virtual void Copy(const CGEDelayedRange& src);
    // Empties the bands and marks the entry done.
    void Reset();
    // Records that rows b.top..b.bottom (within the entry) were handed out for evaluation; b is narrowed by
    // rows a band already covers at one end. FALSE when every row of b was evaluated before. The entry
    // becomes done when one band covers all its rows.
    BOOL AddEvaluatedBand(CGECellRange& b);
    // TRUE when one band covers every row of the range.
    BOOL BandsCoverRange() const;

    CGECellRange m_range;
    CDWordArray m_awEnds;   // last row of each evaluated band
    CDWordArray m_awStarts; // first row of each evaluated band
    BOOL m_bDone = FALSE;
};
