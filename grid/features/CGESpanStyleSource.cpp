#include "grid/features/CGESpanStyleSource.h"

#include "grid/core/CGEControl.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGESpanStyleCache.h"
#include "grid/core/CGEStyle.h"

CGESpanStyleSource::CGESpanStyleSource(CGEGridCore* pGrid, CGESpanStyleCache& cache, ROWCOL nRow, ROWCOL nCol,
                                       BOOL bCachedStyles)
    : m_pGrid(pGrid) {
    const BOOL bCurrent = pGrid->IsCurrentCell(nRow, nCol);
    if (bCurrent) {
        m_pOwned = pGrid->CreateStyle();
        pGrid->ComposeStyleRowCol(nRow, nCol, m_pOwned, TRUE);
        m_pStyle = m_pOwned;
    } else if (CGEStyle* pKept = cache.Lookup(nCol)) {
        m_pStyle = pKept;
    } else if (bCachedStyles) {
        m_pOwned = pGrid->CreateStyle();
        m_pOwned->Assign(pGrid->LookupStyleRowCol(nRow, nCol));
        m_pStyle = m_pOwned;
    } else {
        m_pStyle = &cache.Get(pGrid, nRow, nCol);
    }
    m_pControl = pGrid->GetRegisteredControl(m_pStyle->GetIncludeControl() ? m_pStyle->GetControl()
                                                                           : GE_IDS_CTRL_EDIT);
    // The text being edited counts as the current cell's value.
    if (bCurrent && m_pControl != nullptr)
        m_pControl->LoadCurrentText(nRow, nCol, *m_pOwned);
}

CGESpanStyleSource::~CGESpanStyleSource() {
    m_pGrid->RecycleStyle(m_pOwned);
}
