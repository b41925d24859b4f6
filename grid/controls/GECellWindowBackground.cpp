#include "grid/controls/GECellWindowBackground.h"

#include "framework/win/CDC.h"
#include "framework/win/CWnd.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEStyle.h"

void GEEraseCellWindowBackground(CWnd& wnd, CDC* pDC, CGEGridCore* pGrid, const CGEStyle* pStyle) {
    CRect client;
    wnd.GetClientRect(&client);
    pDC->FillSolidRect(&client, RGB(255, 255, 255));
    if (pStyle != nullptr && pStyle->GetIncludeInterior())
        pGrid->DrawBrushRect(pDC, client, pStyle->GetInterior());
}
