// Painting: decides whether to paint, buffered or straight onto the target, builds the paint table of
// the rows and columns the clip box touches (never more), and draws cells, spans, grid lines, the
// selection and the current cell's frame.
#include "framework/win/CBitmap.h"
#include "framework/win/CDC.h"
#include "framework/win/CFont.h"
#include "framework/win/CWnd.h"
#include "grid/core/CGEAbstractDrawSpannedCellsImp.h"
#include "grid/core/CGEAbstractGridExcelLikeFrameImp.h"
#include "grid/core/CGEAbstractGridOldDrawingImp.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEPaintTable.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>

// ---- the paint table ----

void CGEPaintTable::Reset() {
    const size_t n = rows.size() * cols.size();
    styles.assign(n, nullptr);
    flags.assign(n, 0);
    pActiveControl = nullptr;
    bSpansFound = FALSE;
}

CRect CGEPaintTable::CellRect(int nRow, int nCol) const {
    const Line& r = rows[static_cast<size_t>(nRow)];
    const Line& c = cols[static_cast<size_t>(nCol)];
    return CRect(c.nPos, r.nPos, c.nPos + c.nSize, r.nPos + r.nSize);
}

void CGEGridCore::BuildPaintTable(CGEPaintTable& table, const CRect& rectClip) {
    table.rows.clear();
    table.cols.clear();
    table.rectGrid = GetGridArea();
    table.rectPaint = rectClip;
    const ROWCOL nRows = GetRowCount();
    const ROWCOL nCols = GetColCount();
    // Rows from the top of the grid area down to the clip box's bottom; only those meeting the clip.
    int y = table.rectGrid.top;
    for (ROWCOL ci = 0; y < rectClip.bottom; ++ci) {
        const ROWCOL nRow = GetRowFromClientRow(ci);
        if (nRow > nRows)
            break;
        const int h = GetRowHeight(nRow);
        if (h > 0 && y + h > rectClip.top)
            table.rows.push_back({nRow, y, h});
        y += h;
    }
    int x = table.rectGrid.left;
    for (ROWCOL ci = 0; x < rectClip.right; ++ci) {
        const ROWCOL nCol = GetColFromClientCol(ci);
        if (nCol > nCols)
            break;
        const int w = GetColWidth(nCol);
        if (w > 0 && x + w > rectClip.left)
            table.cols.push_back({nCol, x, w});
        x += w;
    }
    // Spans of what shows are brought up to date before the cells' styles are taken.
    if (m_pDrawSpannedCellsImp != nullptr && !table.rows.empty() && !table.cols.empty()) {
        ROWCOL nLastRow = 0, nLastCol = 0;
        for (const CGEPaintTable::Line& r : table.rows)
            nLastRow = std::max(nLastRow, r.nIndex);
        for (const CGEPaintTable::Line& c : table.cols)
            nLastCol = std::max(nLastCol, c.nIndex);
        EvalVisibleSpannedCells(CGECellRange(0, 0, nLastRow, nLastCol), TRUE);
    }
    table.Reset();
    table.pActiveControl = IsActiveCurrentCell() ? m_pCurrentControl : nullptr;
    for (int i = 0; i < table.RowCount(); ++i) {
        for (int j = 0; j < table.ColCount(); ++j) {
            CGEStyle* pStyle = CreateStyle();
            const ROWCOL nRow = table.rows[static_cast<size_t>(i)].nIndex;
            const ROWCOL nCol = table.cols[static_cast<size_t>(j)].nIndex;
            if (IsCurrentCell(nRow, nCol))
                pStyle->MergeFrom(LookupStyleRowCol(nRow, nCol), geCopy);
            else
                ComposeStyleRowCol(nRow, nCol, pStyle, TRUE);
            table.StyleAt(i, j) = pStyle;
            table.FlagsAt(i, j) = CGEPaintTable::flagBackground;
        }
    }
    if (m_pDrawSpannedCellsImp != nullptr) {
        for (int i = 0; i < table.RowCount(); ++i) {
            for (int j = 0; j < table.ColCount(); ++j) {
                if ((table.FlagsAt(i, j) & CGEPaintTable::flagSpanPart) == 0)
                    m_pDrawSpannedCellsImp->MarkSpannedCell(this, table, i, j);
            }
        }
    }
}

void CGEGridCore::FreePaintTable(CGEPaintTable& table) {
    for (CGEStyle*& pStyle : table.styles) {
        RecycleStyle(pStyle);
        pStyle = nullptr;
    }
}

// ---- entry ----

void CGEGridCore::OnGridDraw(CDC* pDC) {
    m_bRedrawWanted = FALSE;
    if (pDC == nullptr || m_pParam == nullptr || m_pParam->m_bNoDrawing)
        return;
    const CRect area = GetGridArea();
    CRect clip;
    pDC->GetClipBox(&clip);
    if (clip.IsRectEmpty())
        return;
    if (IsLockUpdate()) {
        m_bRedrawWanted = TRUE;
        return;
    }
    // Let a data source load the rows about to show.
    const int nDefaultHeight = GetDefaultRowHeight();
    const ROWCOL nEstimate = nDefaultHeight > 0 ? static_cast<ROWCOL>(area.Height() / nDefaultHeight) : 0;
    OnPrefetchRows(GetRowAtPoint(clip.TopLeft()) + nEstimate);
    if (UpdateScrollbars()) {
        if (m_pGridWnd != nullptr && m_pGridWnd->GetSafeHwnd() != nullptr)
            m_pGridWnd->Invalidate(TRUE);
        return;
    }
    m_bPainting = TRUE;
    m_pPaintDC = pDC;
    if (m_nDrawMode == 1)
        DrawBuffered(pDC);
    else
        DrawDirect(pDC);
    m_pPaintDC = nullptr;
    m_bPainting = FALSE;
}

void CGEGridCore::DrawOuterFrame(CDC* pDC) {
    const CRect area = GetGridArea();
    CRect frame(area.left - 1, area.top - 1, area.right, area.bottom);
    const COLORREF black = RGB(0, 0, 0);
    pDC->FillSolidRect(frame.left, frame.top, frame.Width(), 1, black);
    pDC->FillSolidRect(frame.left, frame.bottom - 1, frame.Width(), 1, black);
    pDC->FillSolidRect(frame.left, frame.top, 1, frame.Height(), black);
    pDC->FillSolidRect(frame.right - 1, frame.top, 1, frame.Height(), black);
}

void CGEGridCore::DrawDirect(CDC* pDC) {
    CRect clip;
    const CRect area = GetGridArea();
    if (pDC->GetClipBox(&clip) == NULLREGION)
        clip = area;
    clip.IntersectRect(clip, area);
    if (clip.IsRectEmpty())
        return;
    if (m_bOuterFrame)
        DrawOuterFrame(pDC);
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&area);
    DrawGridArea(pDC, clip);
    pDC->RestoreDC(nSaved);
    while (!m_exclusionRects.IsEmpty())
        delete static_cast<CRect*>(m_exclusionRects.RemoveHead());
    ReleaseGridDC();
}

void CGEGridCore::DrawBuffered(CDC* pDC) {
    CRect clip;
    pDC->GetClipBox(&clip);
    if (clip.IsRectEmpty())
        return;
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC)) {
        DrawDirect(pDC);
        return;
    }
    CBitmap bitmap;
    if (!bitmap.CreateCompatibleBitmap(pDC, clip.Width(), clip.Height())) {
        DrawDirect(pDC);
        return;
    }
    CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
    memDC.SetViewportOrg(-clip.left, -clip.top);
    memDC.SetBrushOrg(clip.left % 8, clip.top % 8);
    // What lies outside the grid area keeps the target's pixels.
    memDC.BitBlt(clip.left, clip.top, clip.Width(), clip.Height(), pDC, clip.left, clip.top, SRCCOPY);
    CRect rectDraw;
    const CRect area = GetGridArea();
    rectDraw.IntersectRect(clip, area);
    if (!rectDraw.IsRectEmpty()) {
        const int nSaved = memDC.SaveDC();
        memDC.IntersectClipRect(&area);
        DrawGridArea(&memDC, rectDraw);
        memDC.RestoreDC(nSaved);
    }
    if (m_bOuterFrame)
        DrawOuterFrame(&memDC);
    while (!m_exclusionRects.IsEmpty()) {
        auto* pRect = static_cast<CRect*>(m_exclusionRects.RemoveHead());
        pDC->ExcludeClipRect(pRect);
        delete pRect;
    }
    pDC->BitBlt(clip.left, clip.top, clip.Width(), clip.Height(), &memDC, clip.left, clip.top, SRCCOPY);
    memDC.SelectObject(pOldBitmap);
    ReleaseGridDC();
}

// ---- the area ----

void CGEGridCore::DrawGridArea(CDC* pDC, const CRect& rectClip) {
    CGEPaintTable table;
    BuildPaintTable(table, rectClip);
    CFont* pOldFont = SelectStandardFont(pDC);
    PrepareDC(pDC);
    if (m_pOldDrawingImp == nullptr || !m_pOldDrawingImp->DrawCellsOld(this, pDC, table))
        DrawPaintTable(pDC, table);
    // The cells under the spreadsheet-like frame were painted afresh: it is drawn over them once more.
    if (m_pExcelLikeFrameImp != nullptr && !m_bPrinting)
        UpdateSelectionFrame(pDC, TRUE, nullptr);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    FreePaintTable(table);
}

void CGEGridCore::DrawPaintTable(CDC* pDC, CGEPaintTable& table) {
    DrawBeyondLastLines(pDC, table);
    for (int i = 0; i < table.RowCount(); ++i) {
        for (int j = 0; j < table.ColCount(); ++j) {
            const WORD wFlags = table.FlagsAt(i, j);
            if ((wFlags & CGEPaintTable::flagSpanPart) != 0 && (wFlags & CGEPaintTable::flagSpanStart) == 0)
                continue;
            if ((wFlags & CGEPaintTable::flagSpanStart) != 0 && m_pDrawSpannedCellsImp != nullptr) {
                m_pDrawSpannedCellsImp->DrawSpannedCell(this, pDC, table, i, j);
                continue;
            }
            const ROWCOL nRow = table.rows[static_cast<size_t>(i)].nIndex;
            const ROWCOL nCol = table.cols[static_cast<size_t>(j)].nIndex;
            const CRect rect = table.CellRect(i, j);
            DrawItem(pDC, nRow, nCol, rect, *table.StyleAt(i, j));
        }
    }
    DrawPaintGridLines(pDC, table);
    DrawPaintClosing(pDC, table);
}

void CGEGridCore::DrawBeyondLastLines(CDC* pDC, const CGEPaintTable& table) {
    CGEProperties* pProps = GetProperties();
    const COLORREF clrBack = pProps != nullptr ? pProps->GetColorValue(CGEProperties::colorBackground)
                                               : ::GetSysColor(COLOR_BTNFACE);
    const int nRight = table.Right();
    const int nBottom = table.Bottom();
    if (nRight < table.rectPaint.right)
        pDC->FillSolidRect(nRight, table.rectPaint.top, table.rectPaint.right - nRight,
                           table.rectPaint.Height(), clrBack);
    if (nBottom < table.rectPaint.bottom)
        pDC->FillSolidRect(table.rectPaint.left, nBottom, std::max<int>(0, nRight - table.rectPaint.left),
                           table.rectPaint.bottom - nBottom, clrBack);
}

void CGEGridCore::DrawPaintGridLines(CDC* pDC, CGEPaintTable& table) {
    CGEProperties* pProps = GetProperties();
    const int nRight = table.Right();
    const int nBottom = table.Bottom();
    const ROWCOL nFrozenRows = GetFrozenRows();
    const ROWCOL nFrozenCols = GetFrozenCols();
    const BOOL bVertLines = pProps == nullptr || pProps->GetDisplayVertLines();
    const BOOL bHorzLines = pProps == nullptr || pProps->GetDisplayHorzLines();
    // Grid lines on the right and bottom pixel of each line; the frozen boundary in the fixed colour.
    // Inside a span (cells marked by the spanned-cell drawing) the lines are left out.
    for (int j = 0; bVertLines && j < table.ColCount(); ++j) {
        const CGEPaintTable::Line& c = table.cols[static_cast<size_t>(j)];
        const UINT lineFlags = c.nIndex == nFrozenCols && nFrozenCols > 0 ? 1 : 0;
        int y = table.rectPaint.top;
        for (int i = 0; table.bSpansFound && i < table.RowCount(); ++i) {
            if ((table.FlagsAt(i, j) & CGEPaintTable::flagNoRightLine) == 0)
                continue;
            const CGEPaintTable::Line& r = table.rows[static_cast<size_t>(i)];
            if (r.nPos > y)
                DrawGridLine(pDC, c.nPos + c.nSize - 1, y, 1, r.nPos - y, 1, c.nIndex, lineFlags);
            y = std::max(y, r.nPos + r.nSize);
        }
        if (nBottom > y)
            DrawGridLine(pDC, c.nPos + c.nSize - 1, y, 1, nBottom - y, 1, c.nIndex, lineFlags);
    }
    for (int i = 0; bHorzLines && i < table.RowCount(); ++i) {
        const CGEPaintTable::Line& r = table.rows[static_cast<size_t>(i)];
        const UINT lineFlags = r.nIndex == nFrozenRows && nFrozenRows > 0 ? 1 : 0;
        int x = table.rectPaint.left;
        for (int j = 0; table.bSpansFound && j < table.ColCount(); ++j) {
            if ((table.FlagsAt(i, j) & CGEPaintTable::flagNoBottomLine) == 0)
                continue;
            const CGEPaintTable::Line& c = table.cols[static_cast<size_t>(j)];
            if (c.nPos > x)
                DrawGridLine(pDC, x, r.nPos + r.nSize - 1, c.nPos - x, 1, 2, r.nIndex, lineFlags);
            x = std::max(x, c.nPos + c.nSize);
        }
        if (nRight > x)
            DrawGridLine(pDC, x, r.nPos + r.nSize - 1, nRight - x, 1, 2, r.nIndex, lineFlags);
    }
}

void CGEGridCore::DrawPaintClosing(CDC* pDC, CGEPaintTable& table) {
    // Selected cells inverted; the current cell gets its frame instead.
    for (int i = 0; i < table.RowCount(); ++i) {
        for (int j = 0; j < table.ColCount(); ++j) {
            const ROWCOL nRow = table.rows[static_cast<size_t>(i)].nIndex;
            const ROWCOL nCol = table.cols[static_cast<size_t>(j)].nIndex;
            if (IsCellSelectedForDrawing(nRow, nCol))
                DrawInvertCell(pDC, nRow, nCol, table.CellRect(i, j));
        }
    }
    ROWCOL nCurRow = 0, nCurCol = 0;
    if (GetCurrentCell(nCurRow, nCurCol)) {
        for (int i = 0; i < table.RowCount(); ++i) {
            if (table.rows[static_cast<size_t>(i)].nIndex != nCurRow)
                continue;
            for (int j = 0; j < table.ColCount(); ++j) {
                if (table.cols[static_cast<size_t>(j)].nIndex != nCurCol)
                    continue;
                CRect rect = table.CellRect(i, j);
                CGECellRange covered;
                if (GetCoveredCellsRowCol(nCurRow, nCurCol, covered) != nullptr)
                    rect = GetRangeClientRect(covered);
                if (m_pCurrentControl != nullptr)
                    m_pCurrentControl->DrawCurrentCellFrame(pDC, rect, *table.StyleAt(i, j));
                else
                    DrawCurrentCellFrameDefault(pDC, rect);
            }
        }
    }
}

void CGEGridCore::DrawCurrentCellFrameDefault(CDC* pDC, const CRect& rect) {
    if (m_pParam == nullptr || m_pParam->m_bHideCurrentCellFrame)
        return;
    if (m_pParam->m_nCurrentCellFrameMode == 2 && !m_bWndHasFocus)
        return;
    // Two pixels inside the cell, left of and above its grid lines.
    CRect frame(rect.left, rect.top, rect.right - 1, rect.bottom - 1);
    const COLORREF black = RGB(0, 0, 0);
    pDC->FillSolidRect(frame.left, frame.top, frame.Width(), 2, black);
    pDC->FillSolidRect(frame.left, frame.bottom - 2, frame.Width(), 2, black);
    pDC->FillSolidRect(frame.left, frame.top, 2, frame.Height(), black);
    pDC->FillSolidRect(frame.right - 2, frame.top, 2, frame.Height(), black);
}

// ---- cells ----

void CGEGridCore::DrawItem(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect, const CGEStyle& style) {
    CGEControl* pControl =
        GetRegisteredControl(style.GetIncludeControl() ? style.GetControl() : GE_IDS_CTRL_EDIT);
    if (pControl != nullptr) {
        if (IsCurrentCell(nRow, nCol) && !pControl->IsBoundToCellAt(nRow, nCol))
            pControl->Init(nRow, nCol);
        pControl->Draw(pDC, rect, nRow, nCol, style, m_pStyleStandard);
    } else {
        DrawCellBackground(pDC, rect, style);
        if (style.GetIncludeControl() && style.GetControl() == GE_IDS_CTRL_HEADER) {
            // Header cells look raised.
            CRect edge(rect.left, rect.top, rect.right - 1, rect.bottom - 1);
            pDC->DrawEdge(&edge, BDR_RAISEDINNER, BF_RECT);
        }
        DrawCellText(pDC, rect, style, style.GetIncludeValue() ? style.GetValue() : CString());
    }
    if (style.GetIncludeBorders()) {
        static const int kSides[4] = {2, 0, 3, 1}; // style order top, left, bottom, right
        for (int nSide = 0; nSide < 4; ++nSide) {
            if (style.HasBorder(nSide))
                DrawBorder(pDC, rect, style.GetBorder(nSide), kSides[nSide]);
        }
    }
}

void CGEGridCore::DrawCellBackground(CDC* pDC, const CRect& rect, const CGEStyle& style) {
    const CRect inner(rect.left, rect.top, rect.right - 1, rect.bottom - 1);
    if (style.GetIncludeInterior()) {
        DrawBrushRect(pDC, inner, style.GetInterior());
    } else {
        pDC->FillSolidRect(&inner, ::GetSysColor(COLOR_WINDOW));
    }
    if (style.GetIncludeDraw3dFrame() && style.GetDraw3dFrame() != 0) {
        CRect edge(inner);
        pDC->DrawEdge(&edge, style.GetDraw3dFrame() == 1 ? BDR_RAISEDINNER : BDR_SUNKENINNER, BF_RECT);
    }
}

void CGEGridCore::DrawCellText(CDC* pDC, const CRect& rect, const CGEStyle& style, const CString& strText) {
    if (strText.IsEmpty())
        return;
    CRect rectText = SubtractBorders(rect, style, TRUE);
    UINT nFormat = DT_NOPREFIX;
    switch (style.GetIncludeHorizontalAlignment() ? style.GetHorizontalAlignment() : 0) {
    case 1:
        nFormat |= DT_CENTER;
        break;
    case 2:
        nFormat |= DT_RIGHT;
        break;
    default:
        nFormat |= DT_LEFT;
        break;
    }
    const UINT nVert = style.GetIncludeVerticalAlignment() ? style.GetVerticalAlignment() : 0;
    const BOOL bWrap = style.GetIncludeWrapText() && style.GetWrapText();
    if (bWrap && nVert == DT_TOP) {
        nFormat |= DT_WORDBREAK;
    } else {
        nFormat |= DT_SINGLELINE | nVert;
    }
    // While painting the font stays selected for the next cell (the paint restores the DC's own at its
    // end); otherwise the caller's DC gets its font back.
    CFont* pFont = LookupFont(style);
    CFont* pOldFont = nullptr;
    if (pFont != nullptr && ::GetCurrentObject(pDC->GetSafeHdc(), OBJ_FONT) != pFont->GetSafeHandle())
        pOldFont = pDC->SelectObject(pFont);
    if (m_bPainting)
        pOldFont = nullptr;
    const COLORREF clrOld = pDC->SetTextColor(style.GetIncludeTextColor() ? style.GetTextColor()
                                                                          : ::GetSysColor(COLOR_WINDOWTEXT));
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(strText, &rectText, nFormat);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

void CGEGridCore::DrawGridLine(CDC* pDC, int x, int y, int cx, int cy, int, ROWCOL, UINT flags) {
    CGEProperties* pProps = GetProperties();
    const int nColor = (flags & 1) != 0 ? CGEProperties::colorFixedLines : CGEProperties::colorGridLines;
    const COLORREF clr = pProps != nullptr ? pProps->GetColorValue(nColor) : ::GetSysColor(COLOR_GRAYTEXT);
    if (cx > 0 && cy > 0)
        pDC->FillSolidRect(x, y, cx, cy, clr);
}

void CGEGridCore::DrawInvertCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect) {
    if (IsCurrentCell(nRow, nCol))
        return;
    const CRect inner(rect.left, rect.top, rect.right - 1, rect.bottom - 1);
    pDC->InvertRect(&inner);
}

void CGEGridCore::DrawBorder(CDC* pDC, const CRect& rect, const CGELinePen& pen, int nSide) {
    HPEN hPen = LookupPen(pen);
    if (hPen == nullptr)
        return;
    HGDIOBJ hOld = pDC->SelectObject(static_cast<HGDIOBJ>(hPen));
    const int r = rect.right - 1;
    const int b = rect.bottom - 1;
    switch (nSide) {
    case 0:
        pDC->MoveTo(rect.left, rect.top);
        pDC->LineTo(rect.left, b);
        break;
    case 1:
        pDC->MoveTo(r, rect.top);
        pDC->LineTo(r, b + 1);
        break;
    case 2:
        pDC->MoveTo(rect.left, rect.top);
        pDC->LineTo(r, rect.top);
        break;
    default:
        pDC->MoveTo(rect.left, b);
        pDC->LineTo(r + 1, b);
        break;
    }
    pDC->SelectObject(hOld);
}

void CGEGridCore::DrawBrushRect(CDC* pDC, const CRect& rect, const CGEStyleBrush& brush) {
    HBRUSH hBrush = LookupBrush(brush);
    if (hBrush != nullptr)
        ::FillRect(pDC->GetSafeHdc(), &rect, hBrush);
}

BOOL CGEGridCore::IsCellSelectedForDrawing(ROWCOL nRow, ROWCOL nCol) {
    if (m_pParam == nullptr || !m_pParam->m_bInvertSelection || m_pParam->m_bMarkSelection || m_bPrinting)
        return FALSE;
    return m_pParam->m_SelectedRanges.IsCellInList(nRow, nCol);
}

void CGEGridCore::AddExclusionRect(const CRect& rect) {
    m_exclusionRects.AddTail(new CRect(rect));
}

void CGEGridCore::AddRefreshRect(const CRect& rect) {
    m_refreshRects.AddTail(new CRect(rect));
}
