// Sizes, the button's place, drawing inactive and active cells.
#include "grid/controls/combo/CGEComboBoxWnd.h"

#include "framework/win/CClientDC.h"
#include "framework/win/CDC.h"
#include "grid/controls/CGEComboBoxWndButton.h"
#include "grid/controls/CGEDrawingAndFormatting.h"
#include "grid/controls/GECellWindowFont.h"
#include "grid/controls/GEChoiceList.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// The list shows at most this many items when it opens.
constexpr int kMaxShownItems = 8;

} // namespace

CRect CGEComboBoxWnd::ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell,
                                      const CGEStyle* pStyle) {
    CRect rect = CGEControl::ComputeTextRect(nRow, nCol, pRectCell, pStyle);
    if (m_pGrid->IsCurrentCell(nRow, nCol)) {
        if (m_bActive)
            return rect;
        rect.right -= 15;
        rect.left += 2;
        return rect;
    }
    rect.left += 2;
    if (!m_bInactiveTextFullWidth || m_bShowButtonWhenInactive)
        rect.right -= 15;
    return rect;
}

CSize CGEComboBoxWnd::AddTextMarginsToSize(CDC* pDC, CSize size, const CGEStyle& style) {
    size.cx += 19;
    return CGEStatic::AddTextMarginsToSize(pDC, size, style);
}

void CGEComboBoxWnd::CalcSize(CSize& size, CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                              const CGEStyle* pStandardStyle, BOOL bVert) {
    if (!m_bNotOwnerDrawn) {
        size = CSize(0, 0);
        return;
    }
    CGEStatic::CalcSize(size, pDC, nRow, nCol, style, pStandardStyle, bVert);
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    CSize own(0, 0);
    if (!bVert) {
        if (m_bFillFromChoiceList && style.GetIncludeChoiceList()) {
            CString strList = style.GetChoiceList();
            CString strLine;
            while (!strList.IsEmpty()) {
                CutFirstLine(strList, strLine);
                own.cx = std::max<int>(own.cx, pDC->GetTextExtent(strLine, strLine.GetLength()).cx);
            }
        }
    } else {
        TEXTMETRICA tm{};
        pDC->GetTextMetrics(&tm);
        own.cy = tm.tmHeight + tm.tmExternalLeading + 1 + (m_bFitInsideCell ? 1 + 2 * m_nFrameWidth : 1);
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    own = AddTextMarginsToSize(pDC, own, style);
    size.cx = std::max(size.cx, own.cx);
    size.cy = std::max(size.cy, own.cy);
}

int CGEComboBoxWnd::MeasureFontHeight(const CGEStyle& style) {
    CWnd* pGridWnd = GetGridWindow();
    if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr)
        return 0;
    CClientDC dc(pGridWnd);
    m_pGrid->PrepareDC(&dc);
    CFont* pOldFont = SelectStyleFont(&dc, style, nullptr);
    TEXTMETRICA tm{};
    dc.GetTextMetrics(&tm);
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    return tm.tmHeight;
}

CRect CGEComboBoxWnd::FontHeightRect(const CRect& rect, const CGEStyle& style, int nHeight) const {
    CRect result = rect;
    if (style.GetIncludeVerticalAlignment()) {
        const UINT nVert = style.GetVerticalAlignment();
        if (nVert == DT_VCENTER)
            result.top += (rect.Height() - nHeight) / 2 - m_nFrameWidth;
        else if (nVert == DT_BOTTOM)
            result.top = rect.bottom - 2 * m_nFrameWidth - nHeight;
    }
    result.bottom = result.top + 2 * m_nFrameWidth + nHeight - 1;
    return result;
}

void CGEComboBoxWnd::LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) {
    if (m_pDropButton == nullptr)
        return;
    CRect rectButton(std::max<int>(rect.right - 16, rect.left + 1), rect.top, rect.right - 1,
                     rect.bottom - 1);
    if (m_bFitHeightToFont) {
        const CGEStyle* pStyle = nullptr;
        CGEStyle* pComposed = nullptr;
        if (IsBoundToCellAt(nRow, nCol)) {
            pStyle = &GetCellStyle();
        } else if (m_bShowButtonWhenInactive) {
            pComposed = m_pGrid->CreateStyle();
            m_pGrid->ComposeStyleRowCol(nRow, nCol, pComposed, TRUE);
            pStyle = pComposed;
        }
        if (pStyle != nullptr) {
            if (m_nFontHeight == 0)
                m_nFontHeight = MeasureFontHeight(*pStyle);
            const int nHeight = std::min(m_nFontHeight + 2, rect.Height() - 2 * m_nFrameWidth);
            const CRect rectFit = FontHeightRect(rect, *pStyle, nHeight);
            rectButton.top = rectFit.top;
            rectButton.bottom = rectFit.bottom;
        }
        if (pComposed != nullptr)
            m_pGrid->RecycleStyle(pComposed);
    }
    m_pDropButton->SetRect(rectButton);
}

void CGEComboBoxWnd::BuildWindowFont(const CGEStyle& style) {
    // A new font makes the combo box measure and size itself again: it is only given one that differs.
    CFont font;
    GEBuildCellWindowFont(m_pGrid, style, font);
    LOGFONTA lfNew{};
    LOGFONTA lfOld{};
    font.GetLogFont(&lfNew);
    if (m_font.GetSafeHandle() != nullptr) {
        m_font.GetLogFont(&lfOld);
        if (std::memcmp(&lfNew, &lfOld, sizeof(lfNew)) == 0)
            return;
    }
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&lfNew);
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetSafeHandle()), TRUE);
}

void CGEComboBoxWnd::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                          const CGEStyle* pStandardStyle) {
    if (!IsBoundToCellAt(nRow, nCol) || !m_bActive || m_pGrid->IsPrinting() || !HasWindow())
        DrawInactive(pDC, rect, nRow, nCol, style, pStandardStyle);
    else
        DrawActive(pDC, rect, nRow, nCol, style, pStandardStyle);
}

int CGEComboBoxWnd::ListHeight(int nTextHeight, int nShownItems) const {
    return (nTextHeight + 2 + 2 * m_nFrameWidth) * nShownItems;
}

void CGEComboBoxWnd::DrawInactive(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol,
                                  const CGEStyle& style, const CGEStyle* pStandardStyle) {
    if (m_bFitHeightToFont)
        m_nFontHeight = MeasureFontHeight(style);
    if (m_bNotOwnerDrawn || !HasWindow()) {
        CGEStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    // An owner-drawn window draws the cell's item itself.
    DrawCellBackground(pDC, rect, style, TRUE);
    CRect rectItem = CGEControl::ComputeTextRect(nRow, nCol, &rect, &style);
    if (m_bFitHeightToFont)
        rectItem = FontHeightRect(rectItem, style, std::min(m_nFontHeight + 2, rectItem.Height()));
    const int nIndex =
        style.GetIncludeValue() && !style.GetValue().IsEmpty() ? std::atoi(style.GetValue()) : 0;
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_COMBOBOX;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID());
    dis.itemID = static_cast<UINT>(nIndex);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = ODS_SELECTED;
    dis.hwndItem = GetSafeHwnd();
    dis.hDC = pDC->GetSafeHdc();
    dis.itemData = GetItemData(nIndex);
    dis.rcItem = rectItem;
    const UINT nFrame = style.GetIncludeDraw3dFrame() ? style.GetDraw3dFrame() : 0;
    if (!m_pGrid->IsPrinting() && nFrame == 0 && m_bDrawInactiveFrame) {
        CGEDrawingAndFormatting::GetInstance()->Draw3dFrame(pDC, rectItem.left, rectItem.top,
                                                            rectItem.right - 1, rectItem.bottom - 1, 1,
                                                            RGB(0, 0, 0), RGB(255, 255, 255));
        CRect rectInner = rectItem;
        rectInner.DeflateRect(2, 2);
        dis.rcItem = rectInner;
    }
    DrawItem(&dis);
    CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

void CGEComboBoxWnd::DrawActive(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                                const CGEStyle* pStandardStyle) {
    CWnd* pGridWnd = GetGridWindow();
    int nSelStart = 0;
    int nSelEnd = 0;
    GetEditSel(nSelStart, nSelEnd);
    if (m_pDropButton != nullptr)
        m_pDropButton->SetRect(CRect(0, 0, 0, 0));
    BuildWindowFont(style);
    CGEProperties* pProps = m_pGrid->GetProperties();
    COLORREF clrBack =
        style.GetIncludeInterior() ? style.GetInterior().GetBkColor() : ::GetSysColor(COLOR_WINDOW);
    if (pProps != nullptr && pProps->m_bPrinting && pProps->m_bBlackWhite)
        clrBack = RGB(255, 255, 255);
    DrawCellBackground(pDC, rect, style, TRUE);
    CRect rectWnd = CGEControl::ComputeTextRect(nRow, nCol, &rect, &style);
    AdjustActiveRect(rectWnd);
    CFont* pOldFont = pDC->SelectObject(&m_font);
    TEXTMETRICA tm{};
    pDC->GetTextMetrics(&tm);
    pDC->SelectObject(pOldFont);
    m_clrBack = clrBack;

    int nItemHeight = rectWnd.Height();
    if (m_bFitHeightToFont) {
        nItemHeight = std::min<int>(tm.tmHeight + 2, nItemHeight);
        if (style.GetIncludeVerticalAlignment()) {
            const UINT nVert = style.GetVerticalAlignment();
            if (nVert == DT_VCENTER)
                rectWnd.top += (rectWnd.Height() - nItemHeight) / 2;
            else if (nVert == DT_BOTTOM)
                rectWnd.top = rectWnd.bottom - nItemHeight - 2;
        }
        rectWnd.bottom = rectWnd.top + nItemHeight;
    }
    if (GEGetLibraryState()->m_bNewShell || rectWnd.Height() < nItemHeight + 2 * m_nFrameWidth) {
        if (!m_bFitInsideCell)
            rectWnd.InflateRect(0, m_nFrameWidth);
        else
            nItemHeight -= 2 * m_nFrameWidth;
    }
    AddRefreshRect(rectWnd);
    const int nShown = std::min(GetCount(), kMaxShownItems);
    rectWnd.bottom += ListHeight(tm.tmHeight, nShown);

    // Hiding and moving a window that already stands there would make the grid paint the cell again,
    // and again: it only moves when its place changes.
    const CRect rectMove = CalcWindowRectFromCell(rectWnd);
    if (!IsWindowVisible() || m_rectPlaced != rectMove) {
        Hide();
        MoveWindow(&rectMove, FALSE);
        m_rectPlaced = rectMove;
    }
    m_clrBack = clrBack;
    SetActive(TRUE);
    const int nSetHeight =
        LOWORD(GEGetLibraryState()->m_bNewShell ? nItemHeight : nItemHeight + m_nFrameWidth);
    // The combo box closes its list whenever its height is set; the platform may also report another
    // height than the one set, so the control remembers what it set.
    if (m_nItemHeightSet != nSetHeight) {
        SetItemHeight(-1, static_cast<UINT>(nSetHeight));
        m_nItemHeightSet = nSetHeight;
    }
    if (CWnd::GetFocus() == pGridWnd)
        MoveFocusLocked(this);
    if (style.GetIncludeMaxLength() && style.GetMaxLength() != 0)
        LimitText(style.GetMaxLength());
    OnWindowPlaced();
    SetEditSel(nSelStart, nSelEnd);
    if (!IsWindowVisible())
        ShowWindow(SW_SHOW);

    // A cell partly under the frozen rows or columns shows only its visible part.
    const BOOL bRowUnder = nRow > m_pGrid->GetFrozenRows() && nRow < m_pGrid->GetTopRow();
    const BOOL bColUnder = nCol > m_pGrid->GetFrozenCols() && nCol < m_pGrid->GetLeftCol();
    CRect clip;
    if ((bRowUnder || bColUnder) && pDC->GetClipBox(&clip) != NULLREGION && !clip.IsRectEmpty()) {
        CRect client;
        GetClientRect(&client);
        ValidateRect(&client);
        pGridWnd->MapWindowPoints(this, &clip);
        InvalidateRect(&clip, TRUE);
    }
    UpdateWindow();
    CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}
