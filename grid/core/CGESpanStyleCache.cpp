#include "grid/core/CGESpanStyleCache.h"

#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEStyle.h"

CGESpanStyleCache::~CGESpanStyleCache() {
    for (auto& [col, pStyle] : m_styles)
        delete pStyle;
}

CGEStyle& CGESpanStyleCache::Get(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) {
    CGEStyle*& slot = m_styles[nCol];
    if (slot == nullptr) {
        slot = pGrid->CreateStyle();
        pGrid->ComposeStyleRowCol(nRow, nCol, slot, TRUE);
    }
    return *slot;
}

CGEStyle* CGESpanStyleCache::Lookup(ROWCOL nCol) const {
    const auto it = m_styles.find(nCol);
    return it != m_styles.end() ? it->second : nullptr;
}

void CGESpanStyleCache::Flush(CGEGridCore* pGrid) {
    for (auto& [col, pStyle] : m_styles)
        pGrid->RecycleStyle(pStyle);
    m_styles.clear();
}
