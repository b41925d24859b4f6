#include "grid/features/CGEGridExcelLikeFrameImp.h"

#include "framework/win/CClientDC.h"
#include "framework/win/CWnd.h"
#include "grid/core/CGEAbstractGridUpdateHintImp.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGERangeList.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// How far a pane part is pushed past its pane's clip where the range goes on into the next pane, so that
// no frame line is drawn at the pane boundary.
constexpr int kBeyond = 8;

BOOL FrameShown(CGEGridCore* pGrid) {
    const CGEGridParam* pParam = pGrid->GetParam();
    return pParam != nullptr && pParam->m_bExcelLikeFrame && !pGrid->m_bFrameHidden;
}

BOOL HasVisibleWindow(CGEGridCore* pGrid) {
    CWnd* pWnd = pGrid->GridWnd();
    return pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr && pWnd->IsWindowVisible();
}

void Invert(CDC* pDC, const CRect& piece, const CRect& rectClip) {
    CRect rect(piece);
    if (!rectClip.IsRectEmpty() && !rect.IntersectRect(&rect, &rectClip))
        return;
    if (!rect.IsRectEmpty())
        pDC->InvertRect(&rect);
}

// One pane's share of the range in one direction: the lines [first, last] and their pixels [start, end),
// the pane's own pixels [paneStart, paneEnd), and whether the range's leading edge lies in the pane.
struct PanePart {
    int start, end, paneStart, paneEnd;
    BOOL bLeadingEdge;
};

// The parts of lines nFirst..nLast in the frozen lines 1..nFrozen and in the scrolling lines from
// nScroll to nLastVisible. sum(a, b) adds up the sizes of lines a..b.
template <class Sum>
std::vector<PanePart> PaneParts(ROWCOL nFirst, ROWCOL nLast, ROWCOL nFrozen, ROWCOL nScroll,
                                ROWCOL nLastVisible, int nOrigin, int nAreaEnd, Sum sum) {
    std::vector<PanePart> parts;
    const int nLimit = nAreaEnd - nOrigin + kBeyond;
    auto clampPx = [&](LONG n) { return nOrigin + static_cast<int>(std::min<LONG>(n, nLimit)); };
    const int nFrozenEnd = clampPx(sum(0, nFrozen));
    if (nFirst <= nFrozen) {
        PanePart part{clampPx(nFirst > 0 ? sum(0, nFirst - 1) : 0), clampPx(sum(0, std::min(nLast, nFrozen))),
                      nOrigin, nFrozenEnd, TRUE};
        if (nLast > nFrozen)
            part.end = nFrozenEnd + kBeyond;
        parts.push_back(part);
    }
    if (nLast >= nScroll && nFirst <= nLastVisible && nScroll <= nLastVisible) {
        const ROWCOL nFrom = std::max(nFirst, nScroll);
        const int nStart =
            nFrozenEnd +
            static_cast<int>(std::min<LONG>(nFrom > nScroll ? sum(nScroll, nFrom - 1) : 0, nLimit));
        const int nEnd = nStart + static_cast<int>(std::min<LONG>(sum(nFrom, nLast), nLimit));
        parts.push_back(PanePart{nStart, nEnd, nFrozenEnd, nAreaEnd, nFirst >= nScroll});
    }
    return parts;
}

} // namespace

void CGEGridCore::InstallExcelLikeFrame() {
    InstallUserSelectRange();
    if (m_pExcelLikeFrameImp == nullptr) {
        m_pExcelLikeFrameImp = new CGEGridExcelLikeFrameImp;
        AddAutoDeleteObject(m_pExcelLikeFrameImp);
    }
}

void CGEGridCore::ForgetSelectionFrame() {
    if (m_pExcelLikeFrameImp != nullptr && m_rangeFrame.IsValid() && HasVisibleWindow(this)) {
        CClientDC dc(m_pGridWnd);
        UpdateSelectionFrame(&dc, TRUE, nullptr);
    }
    m_rangeFrame.valid = FALSE;
}

// ---- drawing ----

void CGEGridExcelLikeFrameImp::DrawFrameRect(CGEGridCore* pGrid, CDC* pDC, const CRect& rectIn,
                                             const CRect& rectClip, BOOL bTop, BOOL bLeft, int nHandle,
                                             BOOL bHandleOnly) {
    if (pDC == nullptr)
        return;
    const CGEGridParam* pParam = pGrid->GetParam();
    const BOOL bAlternate = pParam != nullptr && pParam->m_bAlternateLook;
    CRect r(rectIn);
    if (bAlternate)
        r.OffsetRect(-1, -1);
    const int L = r.left, T = r.top, R = r.right, B = r.bottom;
    if (!bHandleOnly) {
        // Where an edge lies in another pane its lines are left out and the lines across run on to the
        // pane boundary.
        const int nTop = bTop ? T : T - kBeyond;
        const int nLeft = bLeft ? L : L - kBeyond;
        std::vector<CRect> pieces;
        if (bTop) {
            pieces.emplace_back(bLeft ? L - 1 : nLeft, T - 1, R + 2, bAlternate ? T + 1 : T);
            pieces.emplace_back(bLeft ? L + 2 : nLeft, T + 2, R - 2, T + 3);
        }
        if (bLeft) {
            if (bAlternate)
                pieces.emplace_back(L - 1, bTop ? T + 1 : nTop, L + 1, B + 2);
            else
                pieces.emplace_back(L - 1, bTop ? T : nTop, L, B + 2);
            pieces.emplace_back(L + 2, bTop ? T + 3 : nTop, L + 3, B - 2);
        }
        if (bAlternate) {
            pieces.emplace_back(bLeft ? L + 1 : nLeft, B + 1, R + 1, B + 2);
            pieces.emplace_back(R + 1, bTop ? T + 1 : nTop, R + 2, B + 2);
        } else {
            pieces.emplace_back(bLeft ? L : nLeft, B, R, B + 2);
            pieces.emplace_back(R, bTop ? T : nTop, R + 2, B + 2);
        }
        pieces.emplace_back(bLeft ? L + 2 : nLeft, B - 2, R - 2, B - 1);
        pieces.emplace_back(R - 2, bTop ? T + 2 : nTop, R - 1, B - 1);
        for (const CRect& piece : pieces)
            Invert(pDC, piece, rectClip);
    }
    // The handle sits on a corner of the range; none where that corner's edge lies in another pane.
    std::vector<CRect> handle;
    if (nHandle == handleCells) {
        handle = {CRect(R - 1, B - 2, R + 2, B + 3), CRect(R - 2, B - 1, R + 3, B + 2),
                  CRect(R + 2, B + 2, R + 3, B + 3)};
    } else if (nHandle == handleRows && bLeft) {
        handle = {CRect(L + 2, B - 1, L + 7, B + 2), CRect(L + 3, B - 3, L + 7, B - 2),
                  CRect(L + 1, B - 2, L + 6, B + 3), CRect(L + 1, B + 2, L + 2, B + 3)};
    } else if (nHandle == handleCols && bTop) {
        handle = {CRect(R - 1, T + 2, R + 2, T + 7), CRect(R - 3, T + 3, R - 2, T + 7),
                  CRect(R - 2, T + 1, R + 3, T + 6), CRect(R + 2, T + 1, R + 3, T + 2)};
    }
    for (const CRect& piece : handle)
        Invert(pDC, piece, rectClip);
}

void CGEGridExcelLikeFrameImp::DrawSelectionFrame(CGEGridCore* pGrid, CDC* pDC, const CGECellRange* pRange,
                                                  int nHandle, BOOL bHandleOnly) {
    if (pDC == nullptr || pRange == nullptr || !pRange->IsValid() || pGrid->GetParam() == nullptr ||
        pGrid->IsLockUpdate())
        return;
    const CRect area = pGrid->GetGridArea();
    const BOOL bPrinting = pGrid->IsPrinting();
    const ROWCOL nTopRow = bPrinting ? pGrid->m_nPrintTopRow : pGrid->GetTopRow();
    const ROWCOL nLeftCol = bPrinting ? pGrid->m_nPrintLeftCol : pGrid->GetLeftCol();
    const std::vector<PanePart> rows =
        PaneParts(pRange->top, pRange->bottom, pGrid->GetFrozenRows(), nTopRow, pGrid->GetLastVisibleRow(),
                  area.top, area.bottom, [pGrid](ROWCOL a, ROWCOL b) { return pGrid->SumRowHeights(a, b); });
    const std::vector<PanePart> cols =
        PaneParts(pRange->left, pRange->right, pGrid->GetFrozenCols(), nLeftCol, pGrid->GetLastVisibleCol(),
                  area.left, area.right, [pGrid](ROWCOL a, ROWCOL b) { return pGrid->SumColWidths(a, b); });
    for (const PanePart& row : rows) {
        for (const PanePart& col : cols) {
            const CRect rect(col.start, row.start, col.end, row.end);
            const CRect pane(col.paneStart, row.paneStart, col.paneEnd, row.paneEnd);
            if (rect.IsRectEmpty() || pane.IsRectEmpty())
                continue;
            pGrid->DrawFrameRect(pDC, rect, pane, row.bLeadingEdge, col.bLeadingEdge, nHandle, bHandleOnly);
        }
    }
}

// ---- state ----

void CGEGridExcelLikeFrameImp::UpdateSelectionFrame(CGEGridCore* pGrid, CDC* pDC, BOOL bErase,
                                                    const CGECellRange* pNewRange) {
    if (!FrameShown(pGrid))
        return;
    if (bErase && pDC != nullptr && pGrid->m_rangeFrame.IsValid())
        pGrid->DrawSelectionFrame(pDC, &pGrid->m_rangeFrame, pGrid->m_nFrameHandle, FALSE);
    if (pNewRange == nullptr)
        return;
    if (!pNewRange->IsValid()) {
        pGrid->m_rangeFrame.valid = FALSE;
        return;
    }
    CGECellRange range(*pNewRange);
    if (!range.IsTable()) {
        if (range.top == 0 && range.left == 0)
            range.kind = CGECellRange::table;
        else if (range.top == 0)
            range.kind = CGECellRange::cols;
        else if (range.left == 0)
            range.kind = CGECellRange::rows;
        else
            range.kind = CGECellRange::cells;
    }
    pGrid->m_nFrameHandle = range.IsCols() ? handleCols : range.IsRows() ? handleRows : handleCells;
    range.ExpandToCells(pGrid->GetHeaderRows() + 1, pGrid->GetHeaderCols() + 1, pGrid->GetRowCount(),
                        pGrid->GetColCount());
    // A range that holds no cell (the grid is empty) frames nothing.
    if (range.top > range.bottom || range.left > range.right)
        range.valid = FALSE;
    pGrid->m_rangeFrame = range;
    if (pDC != nullptr && range.IsValid())
        pGrid->DrawSelectionFrame(pDC, &pGrid->m_rangeFrame, pGrid->m_nFrameHandle, FALSE);
}

void CGEGridExcelLikeFrameImp::ToggleFrameHandle(CGEGridCore* pGrid) {
    if (pGrid->m_nFrameHandle == handleCells || !pGrid->m_rangeFrame.IsValid() || !FrameShown(pGrid) ||
        !HasVisibleWindow(pGrid))
        return;
    CClientDC dc(pGrid->GridWnd());
    pGrid->DrawSelectionFrame(&dc, &pGrid->m_rangeFrame, pGrid->m_nFrameHandle, TRUE);
}

BOOL CGEGridExcelLikeFrameImp::HideSelectionFrame(CGEGridCore* pGrid, BOOL bHide, BOOL bCreateHint) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || !pParam->m_bExcelLikeFrame)
        return FALSE;
    const BOOL bWasHidden = pGrid->m_bFrameHidden;
    if (bHide == bWasHidden)
        return bWasHidden;
    {
        std::unique_ptr<CClientDC> pDC;
        if (!pGrid->IsLockUpdate() && HasVisibleWindow(pGrid))
            pDC = std::make_unique<CClientDC>(pGrid->GridWnd());
        pGrid->m_bFrameHidden = FALSE;
        const CGERangeList& list = pParam->m_SelectedRanges;
        if (bHide)
            pGrid->UpdateSelectionFrame(pDC.get(), TRUE, nullptr);
        else if (!list.IsEmpty())
            pGrid->UpdateSelectionFrame(pDC.get(), FALSE, list.GetRangeAt(list.GetTailPosition()));
        else
            pGrid->m_rangeFrame.valid = FALSE;
    }
    pGrid->m_bFrameHidden = bHide;
    if (bCreateHint && pGrid->m_pUpdateHintImp != nullptr)
        pGrid->m_pUpdateHintImp->HintUpdateSelectionFrame(pGrid, GE_INVALIDATE);
    return bWasHidden;
}
