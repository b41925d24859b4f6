// CGESpanStyleSource: a cell's composed style and control as the floating and merging evaluations see
// them. The style comes from the row cache of the evaluation when it holds the column; else, with cached
// styles asked for and outside the current cell, from a copy of the engine's looked-up style; else it is
// composed and kept in the row cache. The current cell is composed afresh and shows the text being edited.
#pragma once

#include "grid/core/GECoreDefs.h"

class CGEControl;
class CGEGridCore;
class CGESpanStyleCache;
class CGEStyle;

class CGESpanStyleSource {
public:
    CGESpanStyleSource(CGEGridCore* pGrid, CGESpanStyleCache& cache, ROWCOL nRow, ROWCOL nCol,
                       BOOL bCachedStyles);
    ~CGESpanStyleSource();
    CGESpanStyleSource(const CGESpanStyleSource&) = delete;
    CGESpanStyleSource& operator=(const CGESpanStyleSource&) = delete;

    const CGEStyle& Style() const { return *m_pStyle; }
    // The control registered for the style's control id (null while none can be had).
    CGEControl* Control() const { return m_pControl; }

private:
    CGEGridCore* m_pGrid;
    CGEStyle* m_pStyle = nullptr;
    CGEStyle* m_pOwned = nullptr; // recycled with the source
    CGEControl* m_pControl = nullptr;
};
