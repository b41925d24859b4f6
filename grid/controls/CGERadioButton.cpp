#include "grid/controls/CGERadioButton.h"

#include "framework/win/CBrush.h"
#include "framework/win/CDC.h"
#include "grid/GridResource.h"
#include "grid/controls/CGEDIB.h"
#include "grid/controls/GEChoiceList.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace {

// The library's picture of the 3-D buttons: row 13 holds the unselected (x 0) and selected (x 14) button.
const CGEDIB& RadioBitmap() {
    static const CGEDIB dib = CGEDIB::FromResource(GE_IDB_RADIOBUTTON);
    return dib;
}

constexpr int kBitmapCx = 14;
constexpr int kBitmapCy = 13;
constexpr int kBitmapRow = 13;

} // namespace

const CGEControlClass CGERadioButton::controlClass = {"CGERadioButton", &CGEControl::controlClass};

CGERadioButton::CGERadioButton(CGEGridCore* pGrid, BOOL b3D) : CGEControl(pGrid), m_b3D(b3D) {}

// ---- arithmetic ----

std::vector<CString> CGERadioButton::ItemsOf(const CGEStyle& style) {
    return style.GetIncludeChoiceList() ? GetChoiceListLines(style.GetChoiceList(), TRUE)
                                        : std::vector<CString>();
}

int CGERadioButton::SelectedIndex(const CGEStyle& style) {
    if (!style.GetIncludeValue())
        return -1;
    const CString strValue = style.GetValue();
    if (strValue.IsEmpty())
        return -1;
    char* pEnd = nullptr;
    errno = 0;
    const long nValue = std::strtol(strValue, &pEnd, 10);
    // A value that is no index selects nothing.
    if (pEnd == strValue.GetString() || *pEnd != '\0' || errno != 0 || nValue < 0 || nValue > INT_MAX)
        return -1;
    return static_cast<int>(nValue);
}

int CGERadioButton::NextIndex(int nCurrent, int nCount) {
    if (nCount <= 0)
        return -1;
    const int nNext = nCurrent + 1;
    return nNext >= nCount || nNext < 0 ? 0 : nNext;
}

BOOL CGERadioButton::NextValueText(const CGEStyle& style, CString& strValue) {
    // The wrap counts the items of the cell being changed, whatever cell was drawn last.
    const int nNext = NextIndex(SelectedIndex(style), static_cast<int>(ItemsOf(style).size()));
    if (nNext < 0)
        return FALSE;
    strValue.Format("%d", nNext);
    return TRUE;
}

int CGERadioButton::ItemHeight(CDC* pDC) {
    TEXTMETRICA tm{};
    pDC->GetTextMetrics(&tm);
    return std::max<int>(buttonSize, tm.tmHeight + tm.tmExternalLeading);
}

std::vector<CRect> CGERadioButton::ItemBands(CDC* pDC, const CRect& rectText,
                                             const std::vector<CString>& items, BOOL bHorizontal) {
    const int cyItem = ItemHeight(pDC);
    std::vector<CRect> bands;
    int x = rectText.left;
    int y = rectText.top;
    for (const CString& item : items) {
        if (bHorizontal) {
            const int cx = textOffset + pDC->GetTextExtent(item, item.GetLength()).cx;
            bands.emplace_back(x, rectText.top, x + cx, rectText.top + cyItem);
            x += cx;
        } else {
            bands.emplace_back(rectText.left, y, rectText.right, y + cyItem);
            y += cyItem;
        }
    }
    return bands;
}

int CGERadioButton::HitTestItems(CDC* pDC, const CRect& rectText, const std::vector<CString>& items,
                                 BOOL bHorizontal, CPoint point) {
    const std::vector<CRect> bands = ItemBands(pDC, rectText, items, bHorizontal);
    for (size_t i = 0; i < bands.size(); ++i) {
        const CRect& band = bands[i];
        const CRect button(band.left, band.top, band.left + textOffset, band.bottom);
        CRect text(band.left + textOffset, band.top, band.left + textOffset, band.bottom);
        pDC->DrawText(items[i], items[i].GetLength(), &text, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        if (button.PtInRect(point) || text.PtInRect(point))
            return static_cast<int>(i);
    }
    return -1;
}

// ---- drawing ----

void CGERadioButton::DrawButton(CDC* pDC, int x, int y, BOOL bSelected) {
    if (m_b3D && !RadioBitmap().IsEmpty()) {
        RadioBitmap().DrawPart(pDC, x, y, kBitmapCx, kBitmapCy, bSelected ? kBitmapCx : 0, kBitmapRow);
        return;
    }
    CGdiObject* pOldPen = pDC->SelectStockObject(BLACK_PEN);
    CGdiObject* pOldBrush = pDC->SelectStockObject(WHITE_BRUSH);
    pDC->Ellipse(x, y, x + buttonSize, y + buttonSize);
    if (bSelected) {
        pDC->SelectStockObject(BLACK_BRUSH);
        const int left = x - 3; // the band's left edge
        pDC->Ellipse(left + 5, y + 2, left + 13, y + 10);
    }
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

void CGERadioButton::DrawItems(CDC* pDC, const CRect& rectText, const std::vector<CString>& items,
                               int nSelected, BOOL bHorizontal) {
    const std::vector<CRect> bands = ItemBands(pDC, rectText, items, bHorizontal);
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rectText);
    for (size_t i = 0; i < bands.size(); ++i) {
        const CRect& band = bands[i];
        DrawButton(pDC, band.left + 3, band.top + (band.Height() - buttonSize) / 2,
                   static_cast<int>(i) == nSelected);
        CRect text(band.left + textOffset, band.top, bHorizontal ? band.right : rectText.right, band.bottom);
        pDC->DrawText(items[i], items[i].GetLength(), &text, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    }
    pDC->RestoreDC(nSaved);
}

void CGERadioButton::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                          const CGEStyle* pStandardStyle) {
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    CGEProperties* pProps = m_pGrid->GetProperties();
    const BOOL bBlackWhite = m_pGrid->IsPrinting() && pProps != nullptr && pProps->m_bBlackWhite;
    const COLORREF clrText = bBlackWhite                   ? RGB(0, 0, 0)
                             : style.GetIncludeTextColor() ? style.GetTextColor()
                                                           : ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF clrBack = bBlackWhite                  ? RGB(255, 255, 255)
                             : style.GetIncludeInterior() ? style.GetInterior().GetBkColor()
                                                          : ::GetSysColor(COLOR_WINDOW);
    DrawCellBackground(pDC, rect, style, FALSE);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOldBack = pDC->SetBkColor(clrBack);
    const COLORREF clrOldText = pDC->SetTextColor(clrText);
    const std::vector<CString> items = ItemsOf(style);
    DrawItems(pDC, ComputeTextRect(nRow, nCol, &rect, &style), items, SelectedIndex(style),
              IsHorizontal(style));
    m_nItemCount = static_cast<int>(items.size());
    pDC->SetTextColor(clrOldText);
    pDC->SetBkColor(clrOldBack);
    pDC->SetBkMode(nOldMode);
    CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

void CGERadioButton::CalcSize(CSize& size, CDC* pDC, ROWCOL, ROWCOL, const CGEStyle& style,
                              const CGEStyle* pStandardStyle, BOOL) {
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    const std::vector<CString> items = ItemsOf(style);
    int cxWidest = 0;
    for (const CString& item : items)
        cxWidest = std::max<int>(cxWidest, pDC->GetTextExtent(item, item.GetLength()).cx);
    const CSize needed(cxWidest + 22, static_cast<int>(items.size()) * ItemHeight(pDC) + 4);
    size = AddTextMarginsToSize(pDC, needed, style);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

// ---- mouse and keys ----

int CGERadioButton::HitTestCell(const CGEStyle& style, CPoint point) {
    CDC* pDC = m_pGrid->GetGridDC();
    if (pDC == nullptr)
        return -1;
    CFont* pOldFont = SelectStyleFont(pDC, style, nullptr);
    const CRect rectText = ComputeTextRect(m_nRow, m_nCol, nullptr, &style);
    const int nHit = HitTestItems(pDC, rectText, ItemsOf(style), IsHorizontal(style), point);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    return nHit;
}

BOOL CGERadioButton::LButtonUp(UINT nFlags, CPoint point, UINT nHitState) {
    if ((nHitState & GE_MR_UP) == 0)
        return CGEControl::LButtonUp(nFlags, point, nHitState);
    const CGEStyle& style = m_pGrid->LookupStyleRowCol(m_nRow, m_nCol);
    if (IsReadOnly())
        return TRUE;
    const int nHit = HitTestCell(style, point);
    if (nHit < 0)
        return TRUE;
    if (nHit != SelectedIndex(style) && OnStartEditing()) {
        CString strValue;
        strValue.Format("%d", nHit);
        m_pGrid->StoreValueInRange(CGECellRange(m_nRow, m_nCol, m_nRow, m_nCol), strValue, geOverride, 0,
                                   GE_UPDATENOW);
    }
    OnChildButtonClicked(nullptr);
    return TRUE;
}

BOOL CGERadioButton::OnGridWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (CGEControl::OnGridWindowMessage(message, wParam, lParam))
        return TRUE;
    if (message != WM_CHAR || wParam != VK_SPACE)
        return FALSE;
    if (IsReadOnly())
        return FALSE;
    CString strValue;
    if (NextValueText(m_pGrid->LookupStyleRowCol(m_nRow, m_nCol), strValue))
        m_pGrid->StoreValueInRange(CGECellRange(m_nRow, m_nCol, m_nRow, m_nCol), strValue, geOverride, 0,
                                   GE_UPDATENOW);
    return TRUE;
}
