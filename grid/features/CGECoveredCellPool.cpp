#include "grid/features/CGECoveredCellPool.h"

IMPLEMENT_DYNAMIC(CGECoveredCellPool, CObject)

POSITION CGECoveredCellPool::Lookup(ROWCOL nRow, ROWCOL nCol) const {
    if (m_blocks.empty())
        return nullptr;
    const ROWCOL nTallest = *m_heights.rbegin();
    const ROWCOL nFirstTop = nRow > nTallest ? nRow - nTallest : 0;
    for (auto it = m_blocks.lower_bound({nFirstTop, 0}); it != m_blocks.end() && it->first.first <= nRow;
         ++it) {
        const Block& b = it->second;
        if (nRow <= b.bottom && nCol >= it->first.second && nCol <= b.right)
            return b.pos;
    }
    return nullptr;
}

BOOL CGECoveredCellPool::SetRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, POSITION pos) {
    const auto it = m_blocks.find({nTop, nLeft});
    const BOOL bHeld = it != m_blocks.end();
    if (bHeld) {
        m_heights.erase(m_heights.find(it->second.bottom - nTop));
        m_blocks.erase(it);
    }
    if (pos == nullptr)
        return bHeld;
    if (nBottom < nTop || nRight < nLeft)
        return FALSE;
    m_blocks[{nTop, nLeft}] = Block{nBottom, nRight, pos};
    m_heights.insert(nBottom - nTop);
    return TRUE;
}

void CGECoveredCellPool::RemoveAll() {
    m_blocks.clear();
    m_heights.clear();
}
