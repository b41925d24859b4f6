#include "grid/core/CGEControlFactory.h"

#include "grid/core/CGEGridCore.h"
#include "grid/core/CGENumberFormattingImp.h"
#include "grid/core/CGESpanCellPoolImp.h"

CGEControl* CGEControlFactory::CreateControl(UINT, CGEGridCore*) {
    // Each cell control kind adds its control id here; an id without a control yields none, and the grid
    // then draws the cell's text itself.
    return nullptr;
}

void CGEControlFactory::InstallGridFeatures(CGEGridCore* pGrid) {
    // The per-grid features add their installers here in this order: find and replace, hidden cells,
    // auto-scroll, resize to fit, update hints, command factory, sorting, alternative drawing, covered,
    // merged and floating cells, printing, range selection, spreadsheet-like frame, drag and drop, user
    // resizing, optimized update, marking the current cell's headers, freeze menu, direct copy and move,
    // text and style data exchange, cut and paste, clearing cells.
    pGrid->InstallAutoScroll();
    pGrid->InstallCommandFactory();
}

void CGEControlFactory::InstallApplicationFeatures() {
    // The application-wide features add their installers here, in this order: print device, style
    // comparison, style serialisation, older-format serialisation, registry profile, document
    // serialisation, parameter copy, rotated text, number formatting, moving data after a sort, data copy
    // and move, long operations, covered-cell pool, span-cell pool.
    GEInstallNumberFormatting();
    GEInstallSpanCellPool();
}

BOOL CGEControlFactory::RegisterWndClasses(HINSTANCE) {
    // The window-based cell controls register their window classes here.
    return TRUE;
}
