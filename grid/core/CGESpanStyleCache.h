// CGESpanStyleCache: the composed styles of the row that a floating or merging evaluation walks, so that
// each cell's style is composed once per row pass. The grid keeps one for floating and one for merging;
// the evaluation flushes it after each row. It owns the styles it holds.
#pragma once

#include "grid/core/GECoreDefs.h"

#include <map>

class CGEGridCore;
class CGEStyle;

class CGESpanStyleCache {
public:
    CGESpanStyleCache() = default;
    ~CGESpanStyleCache();
    CGESpanStyleCache(const CGESpanStyleCache&) = delete;
    CGESpanStyleCache& operator=(const CGESpanStyleCache&) = delete;

    // The composed style of (nRow, nCol) for this row pass: kept from before, else made with the grid's
    // CreateStyle, composed and kept.
    CGEStyle& Get(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol);
    // The style kept for the column, or null.
    CGEStyle* Lookup(ROWCOL nCol) const;
    // Hands every kept style back to the grid's style recycling and empties the cache.
    void Flush(CGEGridCore* pGrid);
    BOOL IsEmpty() const { return m_styles.empty(); }

private:
    std::map<ROWCOL, CGEStyle*> m_styles;
};
