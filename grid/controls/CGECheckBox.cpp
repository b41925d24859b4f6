#include "grid/controls/CGECheckBox.h"

#include "framework/win/CBrush.h"
#include "framework/win/CDC.h"
#include "grid/GridResource.h"
#include "grid/controls/CGEDrawingAndFormatting.h"
#include "grid/controls/GEChoiceList.h"
#include "grid/controls/GEControlIds.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGESysDrawInfo.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

CGECellRange Cell(ROWCOL nRow, ROWCOL nCol) {
    return CGECellRange(nRow, nCol, nRow, nCol);
}

CString LabelOf(const CGEStyle& style) {
    return style.GetIncludeChoiceList() ? style.GetChoiceList() : CString();
}

BOOL IsWrapped(const CGEStyle& style) {
    return style.GetIncludeWrapText() && style.GetWrapText();
}

CString ValueOf(const CGEStyle& style) {
    return style.GetIncludeValue() ? style.GetValue() : CString();
}

} // namespace

const CGEControlClass CGECheckBox::controlClass = {"CGECheckBox", &CGEControl::controlClass};

CGECheckBox::CGECheckBox(CGEGridCore* pGrid, BOOL b3D, UINT nBitmapId, UINT nPrintBitmapId)
    : CGEControl(pGrid), m_b3D(b3D) {
    if (nBitmapId != 0)
        m_nBitmapId = nBitmapId;
    else if (!b3D)
        m_nBitmapId = GE_IDB_CHECKBOX;
    else
        m_nBitmapId = GEGetLibraryState()->m_bAlternateLook ? GE_IDB_CHECKBOX_ALT : GE_IDB_CHECKBOX_3D;
    m_nPrintBitmapId = nPrintBitmapId != 0 ? nPrintBitmapId : GE_IDB_CHECKBOX;
}

// ---- values ----

CString CGECheckBox::CheckedValue(const CGEStyle& style) {
    const CString strValue = style.HasUserAttribute(GE_IDS_UA_CHECKBOX_CHECKED)
                                 ? style.GetUserAttribute(GE_IDS_UA_CHECKBOX_CHECKED).GetValueText()
                                 : CString();
    return strValue.IsEmpty() ? CString("1") : strValue;
}

CString CGECheckBox::UncheckedValue(const CGEStyle& style) {
    const CString strValue = style.HasUserAttribute(GE_IDS_UA_CHECKBOX_UNCHECKED)
                                 ? style.GetUserAttribute(GE_IDS_UA_CHECKBOX_UNCHECKED).GetValueText()
                                 : CString();
    return strValue.IsEmpty() ? CString("0") : strValue;
}

BOOL CGECheckBox::IsTriState(const CGEStyle& style) {
    return style.GetIncludeTriState() && style.GetTriState();
}

CString CGECheckBox::NextValue(const CString& strValue, const CGEStyle& style) {
    if (strValue.CompareNoCase(CheckedValue(style)) == 0)
        return UncheckedValue(style);
    if (strValue.CompareNoCase(UncheckedValue(style)) == 0)
        return IsTriState(style) ? CString() : CheckedValue(style);
    return CheckedValue(style);
}

WORD CGECheckBox::GetCheckState(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style) {
    WORD nState = 0;
    const BOOL bCurrent = m_pGrid->IsCurrentCell(nRow, nCol);
    if (bCurrent)
        nState |= stateCurrent;
    if ((style.GetIncludeEnabled() && !style.GetEnabled()) || (bCurrent && m_bPressed))
        nState |= stateGrayed;
    // The same comparison as ConvertControlTextToValue: a value differing only in case counts.
    const CString strValue = ValueOf(style);
    const BOOL bChecked = strValue.CompareNoCase(CheckedValue(style)) == 0;
    if (bChecked)
        nState |= stateChecked;
    else if (strValue.CompareNoCase(UncheckedValue(style)) == 0 || !IsTriState(style))
        nState |= stateUnchecked;
    return nState;
}

int CGECheckBox::FrameOf(WORD nState) {
    if ((nState & (stateChecked | stateUnchecked)) == 0)
        return 4;
    return ((nState & stateGrayed) != 0 ? 2 : 0) + ((nState & stateChecked) != 0 ? 1 : 0);
}

BOOL CGECheckBox::ConvertControlTextToValue(CString& str, ROWCOL nRow, ROWCOL nCol,
                                            const CGEStyle* pOldStyle) {
    CGEStyle* pComposed = nullptr;
    if (pOldStyle == nullptr) {
        pComposed = m_pGrid->CreateStyle();
        m_pGrid->ComposeStyleRowCol(nRow, nCol, pComposed, TRUE);
        pOldStyle = pComposed;
    }
    if (IsTriState(*pOldStyle) && str.CompareNoCase(CheckedValue(*pOldStyle)) != 0 &&
        str.CompareNoCase(UncheckedValue(*pOldStyle)) != 0)
        str.Empty();
    if (pComposed != nullptr)
        m_pGrid->RecycleStyle(pComposed);
    return TRUE;
}

// ---- pictures ----

COLORREF CGECheckBox::MapBitmapColor(COLORREF color, BOOL bPrint) {
    const CGESysDrawInfo* pInfo = GEGetSysDrawInfo();
    const BOOL bCached = pInfo->m_nColors > 0;
    switch (color) {
    case RGB(0, 0, 0):
        return bPrint ? RGB(0, 0, 0) : bCached ? pInfo->m_clrWindowText : ::GetSysColor(COLOR_WINDOWTEXT);
    case RGB(255, 0, 0):
        return bPrint ? RGB(255, 255, 255) : bCached ? pInfo->m_clrWindow : ::GetSysColor(COLOR_WINDOW);
    case RGB(0, 255, 0):
        return bCached ? pInfo->m_clrWindowFrame : ::GetSysColor(COLOR_WINDOWFRAME);
    case RGB(192, 192, 192):
        return ::GetSysColor(COLOR_BTNFACE);
    default:
        return color;
    }
}

BOOL CGECheckBox::LoadBitmaps() {
    m_screenBitmap = CGEDIB::FromResource(m_nBitmapId);
    if (m_screenBitmap.IsEmpty())
        return FALSE;
    m_printBitmap = CGEDIB::FromResource(m_nPrintBitmapId);
    const auto map = [this](CGEDIB& dib, BOOL bPrint) {
        RGBQUAD* pColors = dib.GetColorTable();
        for (int i = 0; pColors != nullptr && i < dib.GetColorCount(); ++i) {
            const COLORREF mapped =
                MapBitmapColor(RGB(pColors[i].rgbRed, pColors[i].rgbGreen, pColors[i].rgbBlue), bPrint);
            pColors[i] = RGBQUAD{GetBValue(mapped), GetGValue(mapped), GetRValue(mapped), 0};
        }
    };
    map(m_screenBitmap, FALSE);
    map(m_printBitmap, TRUE);
    return TRUE;
}

// ---- layout and drawing ----

CRect CGECheckBox::ComputeCheckBoxRect(CDC* pDC, const CRect& rect, const CString& strLabel, UINT nAlign) {
    int cyBox = boxSize;
    int cxNeeded = boxSize;
    if (!strLabel.IsEmpty()) {
        TEXTMETRICA tm{};
        pDC->GetTextMetrics(&tm);
        cyBox = std::min<int>(boxSize, tm.tmHeight + tm.tmInternalLeading);
        cxNeeded = boxSize * 3 / 2 + pDC->GetTextExtent(strLabel, strLabel.GetLength()).cx;
    }
    const int nHorzSlack = rect.Width() - cxNeeded;
    const int nVertSlack = rect.Height() - cyBox;
    int x = std::max(0, std::min(nHorzSlack, 3));
    int y = std::max(0, std::min(nVertSlack, 3));
    if ((nAlign & DT_CENTER) != 0)
        x = std::max(0, nHorzSlack / 2);
    else if ((nAlign & DT_RIGHT) != 0)
        x = std::max(0, nHorzSlack);
    // A cell lower than the box keeps the box at its top (clipped), never below it.
    if ((nAlign & DT_VCENTER) != 0)
        y = std::max(0, nVertSlack / 2);
    else if ((nAlign & DT_BOTTOM) != 0)
        y = std::max(0, nVertSlack);
    return CRect(rect.left + x, rect.top + y, std::min<int>(rect.left + x + boxSize, rect.right),
                 std::min<int>(rect.top + y + boxSize, rect.bottom));
}

void CGECheckBox::DrawCheckBox(CDC* pDC, const CRect& rect, WORD nState, UINT nAlign,
                               const CString& strLabel) {
    CRect box = ComputeCheckBoxRect(pDC, rect, strLabel, nAlign);
    CBrush brush(pDC->GetTextColor());
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    if (m_screenBitmap.IsEmpty() && !LoadBitmaps()) {
        pDC->SelectObject(pOldBrush);
        return;
    }
    const CGEDIB& dib = m_pGrid->IsPrinting() && !m_printBitmap.IsEmpty() ? m_printBitmap : m_screenBitmap;
    const int cx = std::min<int>(boxSize, box.Width());
    const int cy = std::min<int>(boxSize, box.Height());
    if (cx > 0 && cy > 0) {
        // Bottom-up pictures count their rows from the bottom: all five frames span the whole height.
        ::StretchDIBits(pDC->GetSafeHdc(), box.left, box.top, cx, cy, FrameOf(nState) * boxSize, 0, boxSize,
                        boxSize, dib.GetBits(), dib.GetInfo(), DIB_RGB_COLORS, SRCCOPY);
        if (m_b3D && !m_pGrid->IsPrinting())
            pDC->DrawEdge(&box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    }
    pDC->SelectObject(pOldBrush);
}

void CGECheckBox::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                       const CGEStyle* pStandardStyle) {
    const WORD nState = GetCheckState(nRow, nCol, style);
    const UINT nAlign = CGEDrawingAndFormatting::AlignmentFormat(style);
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    DrawCellBackground(pDC, rect, style, FALSE);
    CGEProperties* pProps = m_pGrid->GetProperties();
    const BOOL bBlackWhite = m_pGrid->IsPrinting() && pProps != nullptr && pProps->m_bBlackWhite;
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOldBack =
        pDC->SetBkColor(bBlackWhite                  ? RGB(255, 255, 255)
                        : style.GetIncludeInterior() ? style.GetInterior().GetBkColor()
                                                     : ::GetSysColor(COLOR_WINDOW));
    const COLORREF clrOldText =
        pDC->SetTextColor(bBlackWhite                   ? RGB(0, 0, 0)
                          : style.GetIncludeTextColor() ? style.GetTextColor()
                                                        : ::GetSysColor(COLOR_WINDOWTEXT));
    const CRect rectText = ComputeTextRect(nRow, nCol, &rect, &style);
    const CString strLabel = LabelOf(style);
    DrawCheckBox(pDC, rectText, nState, nAlign, strLabel);
    if (!strLabel.IsEmpty() && rectText.left + boxSize * 3 / 2 < rectText.right) {
        CRect rectLabel = rectText;
        rectLabel.left += boxSize * 3 / 2;
        const UINT nFormat = nAlign | DT_NOPREFIX | (IsWrapped(style) ? DT_WORDBREAK : DT_SINGLELINE);
        CGEDrawingAndFormatting::GetInstance()->DrawText(pDC, strLabel, strLabel.GetLength(), rectLabel,
                                                         nFormat);
    }
    pDC->SetTextColor(clrOldText);
    pDC->SetBkColor(clrOldBack);
    pDC->SetBkMode(nOldMode);
    CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

void CGECheckBox::CalcSize(CSize& size, CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                           const CGEStyle* pStandardStyle, BOOL) {
    CGECellRange range = Cell(nRow, nCol);
    m_pGrid->GetCellRangeRowCol(nRow, nCol, range);
    const CRect rectCell(0, 0, m_pGrid->SumColWidths(range.left, range.right),
                         m_pGrid->SumRowHeights(range.top, range.bottom));
    const CRect rectText = ComputeTextRect(nRow, nCol, &rectCell, &style);
    const int nMargin = std::max(3, ::GetSystemMetrics(SM_CXFRAME) / 2);
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    TEXTMETRICA tm{};
    pDC->GetTextMetrics(&tm);
    const CString strLabel = LabelOf(style);
    int cx = 0;
    int cy = 0;
    if (strLabel.IsEmpty()) {
        cy = tm.tmHeight + tm.tmExternalLeading + 1;
        cx = tm.tmMaxCharWidth + 2 * nMargin;
    } else {
        const int cyLine = tm.tmHeight + tm.tmExternalLeading;
        // The label's own lines, and the pieces wrapping breaks them into inside the cell.
        std::vector<CString> lines;
        CString strRest = strLabel;
        CString strLine;
        while (!strRest.IsEmpty()) {
            CutFirstLine(strRest, strLine);
            lines.push_back(strLine);
        }
        std::vector<CString> pieces = lines;
        if (IsWrapped(style)) {
            std::vector<int> starts;
            std::vector<int> lengths;
            CRect rectLabel = rectText;
            rectLabel.left += boxSize * 3 / 2;
            CGEDrawingAndFormatting::GetInstance()->LayoutWrappedLines(pDC, strLabel, strLabel.GetLength(),
                                                                       rectLabel, DT_WORDBREAK | DT_NOPREFIX,
                                                                       starts, lengths, 32);
            pieces.clear();
            for (size_t i = 0; i < starts.size(); ++i)
                pieces.push_back(strLabel.Mid(starts[i], lengths[i]));
        }
        cy = (cyLine + 1) * static_cast<int>(std::max<size_t>(pieces.size(), 1));
        const BOOL bPiecesFit = (cyLine + 1) * static_cast<int>(pieces.size()) <= rectText.Height();
        const std::vector<CString>& measured = IsWrapped(style) && bPiecesFit ? pieces : lines;
        int cxWidest = 0;
        for (const CString& piece : measured)
            cxWidest = std::max<int>(cxWidest, pDC->GetTextExtent(piece, piece.GetLength()).cx);
        cx = cxWidest + 2 * nMargin;
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    size = AddTextMarginsToSize(pDC, CSize(boxSize + 6 + cx, std::max(boxSize + 4, cy)), style);
}

// ---- mouse and keys ----

const CGEStyle& CGECheckBox::StyleForToggle() {
    return m_pGrid->LookupStyleRowCol(m_nRow, m_nCol);
}

CRect CGECheckBox::BoxRectOfCell(const CGEStyle& style) {
    CDC* pDC = m_pGrid->GetGridDC();
    CFont* pOldFont = SelectStyleFont(pDC, style, nullptr);
    const CRect rectText = ComputeTextRect(m_nRow, m_nCol, nullptr, &style);
    const CRect box =
        ComputeCheckBoxRect(pDC, rectText, LabelOf(style), CGEDrawingAndFormatting::AlignmentFormat(style));
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    return box;
}

BOOL CGECheckBox::OnMouseMove(UINT nFlags, CPoint point) {
    const BOOL bPressed = (nFlags & MK_LBUTTON) != 0 && m_rectBox.PtInRect(point);
    if (bPressed != m_bPressed) {
        m_bPressed = bPressed;
        Refresh();
    }
    CGEControl::OnMouseMove(nFlags, point);
    return TRUE;
}

BOOL CGECheckBox::LButtonDown(UINT nFlags, CPoint point, UINT nHitState) {
    if (IsReadOnly())
        return FALSE;
    m_rectBox = BoxRectOfCell(StyleForToggle());
    if (m_rectBox.PtInRect(point)) {
        m_bPressed = TRUE;
        Refresh();
    }
    CGEControl::LButtonDown(nFlags, point, nHitState);
    return TRUE;
}

BOOL CGECheckBox::LButtonUp(UINT nFlags, CPoint point, UINT nHitState) {
    m_bPressed = FALSE;
    if (!CGEControl::LButtonUp(nFlags, point, nHitState) && m_rectBox.PtInRect(point))
        OnChildButtonClicked(nullptr);
    return TRUE;
}

BOOL CGECheckBox::LButtonDblClk(UINT nFlags, CPoint point) {
    m_bPressed = FALSE;
    if (!CGEControl::LButtonDblClk(nFlags, point) && m_rectBox.PtInRect(point))
        OnChildButtonClicked(nullptr);
    return TRUE;
}

BOOL CGECheckBox::OnGridWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (CGEControl::OnGridWindowMessage(message, wParam, lParam))
        return TRUE;
    if (message == WM_CHAR && wParam == VK_SPACE) {
        OnChildButtonClicked(nullptr);
        return TRUE;
    }
    return FALSE;
}

void CGECheckBox::OnChildButtonClicked(CGEChild* pChild) {
    if (!OnStartEditing())
        return;
    if (IsReadOnly())
        return;
    const CGEStyle& style = StyleForToggle();
    const CString strValue = NextValue(ValueOf(style), style);
    m_pGrid->StoreValueInRange(Cell(m_nRow, m_nCol), strValue, geOverride, 0, GE_UPDATENOW);
    CGEControl::OnChildButtonClicked(pChild);
}

void CGECheckBox::OnGridSysColorChange() {
    LoadBitmaps();
    CGEControl::OnGridSysColorChange();
}

void CGECheckBox::OnGridCancelMode() {
    if (m_bPressed) {
        m_bPressed = FALSE;
        Refresh();
    }
    CGEControl::OnGridCancelMode();
}
