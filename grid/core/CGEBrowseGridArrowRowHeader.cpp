#include "grid/core/CGEBrowseGridArrowRowHeader.h"

#include "framework/win/CDC.h"
#include "grid/GridResource.h"
#include "grid/core/CGEBrowseParam.h"
#include "grid/core/CGEBrowserGrid.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>

namespace {

// Draws a bitmap with light grey as its transparent colour.
void DrawTransparent(CDC* pDC, CBitmap& bitmap, int x, int y, int cx, int cy) {
    CDC image;
    CDC mask;
    if (!image.CreateCompatibleDC(pDC) || !mask.CreateCompatibleDC(pDC))
        return;
    CBitmap maskBitmap;
    if (!maskBitmap.CreateBitmap(cx, cy, 1, 1, nullptr))
        return;
    CBitmap* pOldImage = image.SelectObject(&bitmap);
    CBitmap* pOldMask = mask.SelectObject(&maskBitmap);
    image.SetBkColor(RGB(192, 192, 192));
    mask.BitBlt(0, 0, cx, cy, &image, 0, 0, SRCCOPY); // light grey -> 1 (transparent), else 0
    const COLORREF clrOldBk = pDC->SetBkColor(RGB(255, 255, 255));
    const COLORREF clrOldText = pDC->SetTextColor(RGB(0, 0, 0));
    pDC->BitBlt(x, y, cx, cy, &image, 0, 0, SRCINVERT);
    pDC->BitBlt(x, y, cx, cy, &mask, 0, 0, SRCAND);
    pDC->BitBlt(x, y, cx, cy, &image, 0, 0, SRCINVERT);
    pDC->SetBkColor(clrOldBk);
    pDC->SetTextColor(clrOldText);
    image.SelectObject(pOldImage);
    mask.SelectObject(pOldMask);
}

} // namespace

CGEBrowseGridArrowRowHeader::CGEBrowseGridArrowRowHeader(CGEBrowserGrid* pGrid)
    : CGEControl(pGrid), m_pBrowser(pGrid) {
    m_bmpEdit.LoadBitmap(GE_IDB_ROW_EDIT);
    m_bmpAppend.LoadBitmap(GE_IDB_ROW_APPEND);
    m_bmpCurrent.LoadBitmap(GE_IDB_ROW_CURRENT);
}

UINT CGEBrowseGridArrowRowHeader::GetRowMark(ROWCOL nRow) {
    if (m_pBrowser->IsPrinting() || nRow == 0)
        return 0;
    const int nMode = m_pBrowser->GetEditMode();
    ROWCOL nCurRow = 0, nCurCol = 0;
    const BOOL bCurrent = m_pBrowser->GetCurrentCell(nCurRow, nCurCol) && nCurRow == nRow;
    if (bCurrent && nMode != CGEBrowseParam::noMode)
        return GE_IDB_ROW_EDIT;
    const ROWCOL nAppend = m_pBrowser->GetAppendRow();
    if (nAppend != GE_INVALID &&
        (nRow == nAppend || (nMode == CGEBrowseParam::addNew && nRow == nAppend + 1)))
        return GE_IDB_ROW_APPEND;
    return bCurrent ? GE_IDB_ROW_CURRENT : 0;
}

void CGEBrowseGridArrowRowHeader::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol,
                                       const CGEStyle& style, const CGEStyle* pStandardStyle) {
    DrawCellBackground(pDC, rect, style, TRUE);
    CBitmap* pBitmap = nullptr;
    switch (GetRowMark(nRow)) {
    case GE_IDB_ROW_EDIT:
        pBitmap = &m_bmpEdit;
        break;
    case GE_IDB_ROW_APPEND:
        pBitmap = &m_bmpAppend;
        break;
    case GE_IDB_ROW_CURRENT:
        pBitmap = &m_bmpCurrent;
        break;
    default:
        break;
    }
    BITMAP bm{};
    if (pBitmap != nullptr && pBitmap->GetSafeHandle() != nullptr && pBitmap->GetBitmap(&bm) != 0 &&
        bm.bmWidth <= rect.Width() - 1 && bm.bmHeight <= rect.Height() - 1) {
        const int x = std::max<int>(rect.left + 1, rect.left + (rect.Width() - 1 - bm.bmWidth) / 2);
        const int y = std::max<int>(rect.top + 1, rect.top + (rect.Height() - 1 - bm.bmHeight) / 2);
        DrawTransparent(pDC, *pBitmap, x, y, bm.bmWidth, bm.bmHeight);
    }
    CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    if (style.GetIncludeValue() && !style.GetValue().IsEmpty())
        m_pGrid->DrawCellText(pDC, rect, style, style.GetValue());
}
