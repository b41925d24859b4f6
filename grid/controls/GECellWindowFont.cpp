#include "grid/controls/GECellWindowFont.h"

#include "framework/win/CFont.h"
#include "grid/core/CGEFont.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>
#include <iterator>

void GEBuildCellWindowFont(CGEGridCore* pGrid, const CGEStyle& style, CFont& fontResult) {
    fontResult.DeleteObject();
    CGEFont font = style.GetIncludeFont() ? style.GetFont() : CGEFont::GetDefaultFont();
    if (font.GetSizeTenths() != 0)
        font.SetSize(font.GetSize() * pGrid->GetZoom() * 0.01);
    font.SetOrientation(0);
    LOGFONTA lf{};
    font.GetLogFont(lf, 100);
    if (lf.lfHeight == 0 || lf.lfFaceName[0] == '\0') {
        LOGFONTA grid{};
        if (CFont* pGridFont = pGrid->LookupFont(style))
            pGridFont->GetLogFont(&grid);
        if (lf.lfHeight == 0)
            lf.lfHeight = grid.lfHeight;
        if (lf.lfFaceName[0] == '\0')
            std::copy(std::begin(grid.lfFaceName), std::end(grid.lfFaceName), std::begin(lf.lfFaceName));
        if (lf.lfWeight == 0)
            lf.lfWeight = grid.lfWeight;
    }
    lf.lfEscapement = lf.lfOrientation = 0;
    fontResult.CreateFontIndirect(&lf);
}
