#include "grid/features/CGEGridUserResizeCellsImp.h"

#include "framework/win/CClientDC.h"
#include "framework/win/CWaitCursor.h"
#include "framework/win/CWnd.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEDragLineWnd.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEProperties.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

// The row and column twins of every step: one dimension of the grid seen through the operations that
// size, hide and ask about its lines.
class Axis {
public:
    Axis(CGEGridCore* pGrid, int nKind) : m_pGrid(pGrid), m_bCols(nKind == GE_RESIZE_COLS) {}

    BOOL Cols() const { return m_bCols; }
    CGEGridParam* Param() const { return m_pGrid->GetParam(); }
    BOOL TestFlags(WORD wMask) const {
        return m_bCols ? Param()->TestColSizingFlags(wMask) : Param()->TestRowSizingFlags(wMask);
    }
    ROWCOL HeaderCount() const { return m_bCols ? m_pGrid->GetHeaderCols() : m_pGrid->GetHeaderRows(); }
    ROWCOL Count() const { return m_bCols ? m_pGrid->GetColCount() : m_pGrid->GetRowCount(); }
    int Size(ROWCOL n) const { return m_bCols ? m_pGrid->GetColWidth(n) : m_pGrid->GetRowHeight(n); }
    int BaseSize(ROWCOL n) const {
        return m_bCols ? m_pGrid->GetBaseColWidth(n) : m_pGrid->GetBaseRowHeight(n);
    }
    BOOL HasStored(ROWCOL n) const {
        return m_bCols ? Param()->HasStoredColWidth(n) : Param()->HasStoredRowHeight(n);
    }
    BOOL IsHidden(ROWCOL n) const { return m_bCols ? m_pGrid->IsColHidden(n) : m_pGrid->IsRowHidden(n); }
    void StoreHide(ROWCOL n, BOOL bHide) const {
        m_bCols ? m_pGrid->StoreHideCol(n, bHide) : m_pGrid->StoreHideRow(n, bHide);
    }
    void StoreSize(ROWCOL n, int nSize) const {
        m_bCols ? m_pGrid->StoreColWidth(n, nSize) : m_pGrid->StoreRowHeight(n, nSize);
    }
    void UpdateChanged(ROWCOL n, int nOldSize, UINT flags) const {
        int anOld[1] = {nOldSize};
        if (m_bCols)
            m_pGrid->UpdateChangedColWidths(n, n, anOld, flags);
        else
            m_pGrid->UpdateChangedRowHeights(n, n, anOld, flags);
    }
    BOOL SetSize(ROWCOL nFrom, ROWCOL nTo, int nSize, UINT flags) const {
        return m_bCols ? m_pGrid->SetColWidth(nFrom, nTo, nSize, nullptr, flags, geDo)
                       : m_pGrid->SetRowHeight(nFrom, nTo, nSize, nullptr, flags, geDo);
    }
    BOOL SetDefault(int nSize, UINT flags) const {
        return m_bCols ? m_pGrid->SetDefaultColWidth(nSize, flags)
                       : m_pGrid->SetDefaultRowHeight(nSize, flags);
    }
    BOOL Hide(ROWCOL nFrom, ROWCOL nTo, BOOL bHide, UINT flags) const {
        return m_bCols ? m_pGrid->HideCols(nFrom, nTo, bHide, nullptr, flags, geDo)
                       : m_pGrid->HideRows(nFrom, nTo, bHide, nullptr, flags, geDo);
    }
    int MinSize() const {
        return GEZoomSize(m_bCols ? Param()->m_nMinColWidth : Param()->m_nMinRowHeight, m_pGrid->GetZoom());
    }
    BOOL CanChange(ROWCOL n) const {
        return m_bCols ? m_pGrid->CanChangeColWidth(n) : m_pGrid->CanChangeRowHeight(n);
    }
    BOOL OnStart(ROWCOL n) const {
        return m_bCols ? m_pGrid->OnStartTrackColWidth(n) : m_pGrid->OnStartTrackRowHeight(n);
    }
    BOOL OnTrack(ROWCOL n, int nSize) const {
        return m_bCols ? m_pGrid->OnTrackColWidth(n, nSize) : m_pGrid->OnTrackRowHeight(n, nSize);
    }
    BOOL OnEnd(ROWCOL n, int nSize) const {
        return m_bCols ? m_pGrid->OnTrackColWidthEnd(n, nSize) : m_pGrid->OnTrackRowHeightEnd(n, nSize);
    }
    // Whether the line lies in a selected whole-row (whole-column) range.
    BOOL IsSelectedLine(ROWCOL n) const {
        return m_bCols ? Param()->m_SelectedRanges.IsCellInList(0, n)
                       : Param()->m_SelectedRanges.IsCellInList(n, 0);
    }
    BOOL FirstSelectedIsTable() const {
        const CGERangeList& list = Param()->m_SelectedRanges;
        return !list.IsEmpty() && list.GetRangeAt(list.GetHeadPosition())->IsTable();
    }
    void SelectedSpans(CDWordArray& starts, CDWordArray& ends) const {
        if (m_bCols)
            Param()->m_SelectedRanges.GetColumnSpans(Count(), starts, ends, TRUE);
        else
            Param()->m_SelectedRanges.GetRowSpans(Count(), starts, ends, TRUE);
    }
    // The position of a point or rectangle along the dimension.
    LONG Pos(CPoint point) const { return m_bCols ? point.x : point.y; }
    LONG Near(const CRect& rect) const { return m_bCols ? rect.left : rect.top; }
    CSize MakeSize(int nSize) const { return m_bCols ? CSize(nSize, 0) : CSize(0, nSize); }
    int SizeOf(CSize size) const { return m_bCols ? size.cx : size.cy; }
    // The dragged line's index in the engine's resize state.
    ROWCOL Tracked() const { return m_bCols ? m_pGrid->m_nTrackCol : m_pGrid->m_nTrackRow; }

private:
    CGEGridCore* m_pGrid;
    BOOL m_bCols;
};

BOOL HoldsCapture(CGEGridCore* pGrid) {
    CWnd* pWnd = pGrid->GridWnd();
    return pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr && ::GetCapture() == pWnd->GetSafeHwnd();
}

void DestroyDragLine(CGEGridCore* pGrid) {
    if (pGrid->m_pDragLineWnd == nullptr)
        return;
    pGrid->m_pDragLineWnd->DestroyWindow();
    delete pGrid->m_pDragLineWnd;
    pGrid->m_pDragLineWnd = nullptr;
}

// The kind of drag a border hit starts (0: none): a border of a dimension whose resizing is enabled,
// with bHiddenZones also the zone of a hidden line.
int ResizeKindOfHit(CGEGridCore* pGrid, int nHit, BOOL bHiddenZones) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return 0;
    if ((nHit == GE_HT_VERTLINE || (bHiddenZones && nHit == GE_HT_HIDDENCOL)) &&
        pParam->TestColSizingFlags(3))
        return GE_RESIZE_COLS;
    if ((nHit == GE_HT_HORZLINE || (bHiddenZones && nHit == GE_HT_HIDDENROW)) &&
        pParam->TestRowSizingFlags(3))
        return GE_RESIZE_ROWS;
    return 0;
}

} // namespace

void CGEGridCore::InstallUserResizeCells() {
    if (m_pUserResizeCellsImp == nullptr) {
        m_pUserResizeCellsImp = new CGEGridUserResizeCellsImp;
        AddAutoDeleteObject(m_pUserResizeCellsImp);
    }
}

BOOL CGEGridUserResizeCellsImp::OnLButtonDown(CGEGridCore* pGrid, CPoint&, UINT&, int& nHit, ROWCOL& nRow,
                                              ROWCOL& nCol) {
    const int nKind = ResizeKindOfHit(pGrid, nHit, TRUE);
    if (nKind == 0)
        return FALSE;
    if (pGrid->StartUserResize(nRow, nCol, nKind) && !HoldsCapture(pGrid))
        pGrid->CaptureMouse();
    return TRUE;
}

BOOL CGEGridUserResizeCellsImp::StartUserResize(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nKind) {
    const Axis axis(pGrid, nKind);
    if (axis.Param() == nullptr)
        return FALSE;
    const ROWCOL nLine = axis.Cols() ? nCol : nRow;
    if (nLine <= axis.HeaderCount() && axis.TestFlags(8))
        return FALSE;
    if (!axis.CanChange(nLine) || !axis.OnStart(nLine))
        return FALSE;

    const CRect area = pGrid->GetGridArea();
    // The header cell of the line, clipped to what shows.
    CRect rect = axis.Cols() ? pGrid->GetCellRect(0, nLine) : pGrid->GetCellRect(nLine, 0);
    rect.left = std::max(rect.left, area.left);
    rect.top = std::max(rect.top, area.top);
    if (axis.Param()->m_bAlternateLook)
        rect.OffsetRect(-1, -1);

    pGrid->m_nTrackKind = nKind;
    pGrid->m_nTrackRow = axis.Cols() ? pGrid->GetLastVisibleRow() : nLine;
    pGrid->m_nTrackCol = axis.Cols() ? nLine : pGrid->GetLastVisibleCol();
    const WORD wFlags = axis.Cols() ? axis.Param()->m_wColSizingFlags : axis.Param()->m_wRowSizingFlags;
    const BOOL bLive = (wFlags & 256) != 0;
    CGEProperties* pProps = pGrid->GetProperties();
    const BOOL bGridLines =
        pProps == nullptr || (axis.Cols() ? pProps->GetDisplayVertLines() : pProps->GetDisplayHorzLines());
    pGrid->m_bTrackLive = bLive;
    pGrid->m_bTrackHeaderPreview = (wFlags & 128) != 0 && !bLive;
    pGrid->m_bTrackDragLine = bGridLines && (wFlags & 32) == 0 && !bLive;
    pGrid->m_bTrackInvertLine = (wFlags & 64) == 0 && !bLive;
    pGrid->m_bTrackRedrawHeader = (wFlags & 16) == 0 && !bLive;
    pGrid->m_nTrackInitialSize = axis.Size(nLine);
    pGrid->m_nTrackInitialBaseSize = axis.BaseSize(nLine);
    pGrid->m_bTrackWasHidden = axis.IsHidden(nLine);
    pGrid->m_bTrackHadStoredSize = axis.HasStored(nLine);

    // The lines run across the grid area down to (right to) the last visible line's far edge.
    if (axis.Cols()) {
        LONG nTop = area.top;
        if (pGrid->m_bTrackHeaderPreview)
            nTop += pGrid->SumRowHeights(0, pGrid->GetHeaderRows());
        const LONG nBottom = std::min<LONG>(area.bottom, pGrid->GetCellRect(pGrid->m_nTrackRow, 0).bottom);
        pGrid->m_rectTrackEdge = CRect(rect.left, nTop, rect.left + 1, nBottom);
        pGrid->m_rectTrackBorder = CRect(rect.right, nTop, rect.right + 1, nBottom);
    } else {
        LONG nLeft = area.left;
        if (pGrid->m_bTrackHeaderPreview)
            nLeft += pGrid->SumColWidths(0, pGrid->GetHeaderCols());
        const LONG nRight = std::min<LONG>(area.right, pGrid->GetCellRect(0, pGrid->m_nTrackCol).right);
        pGrid->m_rectTrackEdge = CRect(nLeft, rect.top, nRight, rect.top + 1);
        pGrid->m_rectTrackBorder = CRect(nLeft, rect.bottom, nRight, rect.bottom + 1);
    }

    CWnd* pWnd = pGrid->GridWnd();
    const BOOL bWindow = pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr;
    if (pGrid->m_bTrackDragLine && bWindow) {
        if (pGrid->m_pDragLineWnd == nullptr) {
            auto* pLine = new CGEDragLineWnd(pGrid);
            pLine->Create(pWnd);
            pGrid->m_pDragLineWnd = pLine;
        }
        static_cast<CGEDragLineWnd*>(pGrid->m_pDragLineWnd)
            ->ShowLine(axis.Cols() ? 1 : 2, pGrid->m_rectTrackBorder, nLine);
    }
    pGrid->m_bTrackMoved = FALSE;
    pGrid->m_rectTrackCurrent = pGrid->m_rectTrackBorder;
    pGrid->m_bTrackResize = TRUE;
    if (pGrid->m_bTrackRedrawHeader && bWindow)
        pWnd->InvalidateRect(&rect, TRUE);
    return TRUE;
}

CSize CGEGridUserResizeCellsImp::ProposedSize(CGEGridCore* pGrid, CPoint point) {
    const Axis axis(pGrid, pGrid->m_nTrackKind);
    return axis.MakeSize(axis.Pos(point) - axis.Near(pGrid->m_rectTrackEdge));
}

BOOL CGEGridUserResizeCellsImp::OnMouseMove(CGEGridCore* pGrid, CPoint& point, UINT&) {
    if (!pGrid->m_bTrackResize)
        return FALSE;
    pGrid->TrackUserResize(pGrid->m_nTrackRow, pGrid->m_nTrackCol, pGrid->m_nTrackKind,
                           ProposedSize(pGrid, point));
    return TRUE;
}

void CGEGridUserResizeCellsImp::InvertLine(CGEGridCore* pGrid, CDC* pDC, const CRect& rect) {
    if (pDC != nullptr && pGrid->m_bTrackInvertLine && rect != pGrid->m_rectTrackBorder)
        pDC->PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), DSTINVERT);
}

CRect CGEGridUserResizeCellsImp::HeaderPreviewRect(CGEGridCore* pGrid) {
    const CRect area = pGrid->GetGridArea();
    if (pGrid->m_nTrackKind == GE_RESIZE_COLS)
        return CRect(pGrid->m_rectTrackEdge.left, area.top, area.right,
                     area.top + pGrid->SumRowHeights(0, pGrid->GetHeaderRows()));
    return CRect(area.left, pGrid->m_rectTrackEdge.top,
                 area.left + pGrid->SumColWidths(0, pGrid->GetHeaderCols()), area.bottom);
}

void CGEGridUserResizeCellsImp::TrackUserResize(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nKind,
                                                CSize size) {
    const Axis axis(pGrid, nKind);
    const ROWCOL nLine = axis.Cols() ? nCol : nRow;
    pGrid->m_bTrackMoved = TRUE;
    const int nSize = std::max(axis.SizeOf(size), axis.MinSize());
    if (!axis.OnTrack(nLine, nSize))
        return;

    // Size changes during the drag leave the scroll bars alone.
    const BOOL bOldLock = pGrid->LockScrollbars(TRUE);
    CWnd* pWnd = pGrid->GridWnd();
    const BOOL bWindow = pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr;
    std::unique_ptr<CClientDC> pDC;
    if (bWindow) {
        pDC = std::make_unique<CClientDC>(pWnd);
        pGrid->PrepareDC(pDC.get());
    }

    const CRect area = pGrid->GetGridArea();
    const CRect& edge = pGrid->m_rectTrackEdge;
    const CRect& border = pGrid->m_rectTrackBorder;
    CRect line = border;
    if (axis.Cols()) {
        const LONG x = edge.left + nSize;
        line.left = std::min<LONG>(std::max<LONG>(x, edge.left), area.right - 7);
        line.right = std::min<LONG>(std::max<LONG>(x + 1, edge.right), area.right - 6);
    } else {
        const LONG y = edge.top + nSize;
        line.top = std::min<LONG>(std::max<LONG>(y, edge.top), area.bottom - 7);
        line.bottom = std::min<LONG>(std::max<LONG>(y + 1, edge.bottom), area.bottom - 6);
    }
    if (line != pGrid->m_rectTrackCurrent) {
        InvertLine(pGrid, pDC.get(), pGrid->m_rectTrackCurrent);
        pGrid->m_rectTrackCurrent = line;
        InvertLine(pGrid, pDC.get(), line);

        const int nNew = pGrid->m_nTrackInitialSize + (axis.Near(line) - axis.Near(border));
        if (pGrid->m_bTrackLive) {
            const BOOL bOld = pGrid->SetUserResizing(TRUE);
            const int nOld = axis.Size(nLine);
            if (nOld == 0 && nNew > 0)
                axis.StoreHide(nLine, FALSE);
            axis.StoreSize(nLine, nNew);
            axis.UpdateChanged(nLine, nOld, GE_UPDATENOW);
            pGrid->SetUserResizing(bOld);
        } else if (pGrid->m_bTrackHeaderPreview) {
            // The headers show the size for a moment; the line itself keeps its size until the end.
            const BOOL bOld = pGrid->SetUserResizing(TRUE);
            const BOOL bHidden = axis.IsHidden(nLine);
            const BOOL bHad = axis.HasStored(nLine);
            const int nBase = axis.BaseSize(nLine);
            if (bHidden && nNew > 0)
                axis.StoreHide(nLine, FALSE);
            axis.StoreSize(nLine, nNew);
            if (bWindow) {
                const CRect rectHeaders = HeaderPreviewRect(pGrid);
                pWnd->InvalidateRect(&rectHeaders, FALSE);
                pWnd->UpdateWindow();
            }
            axis.StoreSize(nLine, bHad ? nBase : -1);
            axis.StoreHide(nLine, bHidden);
            pGrid->SetUserResizing(bOld);
        }
    }
    pGrid->LockScrollbars(bOldLock);
}

void CGEGridUserResizeCellsImp::RestoreInitialSize(CGEGridCore* pGrid) {
    const Axis axis(pGrid, pGrid->m_nTrackKind);
    const ROWCOL nLine = axis.Tracked();
    axis.StoreSize(nLine, pGrid->m_bTrackHadStoredSize ? pGrid->m_nTrackInitialBaseSize : -1);
    axis.StoreHide(nLine, pGrid->m_bTrackWasHidden);
}

void CGEGridUserResizeCellsImp::EraseTracking(CGEGridCore* pGrid) {
    pGrid->m_bTrackResize = FALSE;
    DestroyDragLine(pGrid);
    CWnd* pWnd = pGrid->GridWnd();
    if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr) {
        CClientDC dc(pWnd);
        pGrid->PrepareDC(&dc);
        InvertLine(pGrid, &dc, pGrid->m_rectTrackCurrent);
    }
}

void CGEGridUserResizeCellsImp::CancelUserResize(CGEGridCore* pGrid) {
    if (!pGrid->m_bTrackResize)
        return;
    EraseTracking(pGrid);
    const Axis axis(pGrid, pGrid->m_nTrackKind);
    const ROWCOL nLine = axis.Tracked();
    CWnd* pWnd = pGrid->GridWnd();
    const BOOL bWindow = pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr;
    if (pGrid->m_bTrackLive) {
        const int nNow = axis.Size(nLine);
        RestoreInitialSize(pGrid);
        axis.UpdateChanged(nLine, nNow, GE_UPDATENOW);
    } else if (pGrid->m_bTrackHeaderPreview) {
        RestoreInitialSize(pGrid);
        if (bWindow) {
            const CRect rectHeaders = HeaderPreviewRect(pGrid);
            pWnd->InvalidateRect(&rectHeaders, FALSE);
        }
    } else if (pGrid->m_bTrackRedrawHeader) {
        if (axis.Cols())
            pGrid->RedrawRowCol(0, nLine, 0, nLine, GE_UPDATENOW);
        else
            pGrid->RedrawRowCol(nLine, 0, nLine, 0, GE_UPDATENOW);
    }
}

BOOL CGEGridUserResizeCellsImp::OnLButtonUp(CGEGridCore* pGrid, CPoint& point, UINT&) {
    if (!pGrid->m_bTrackResize)
        return FALSE;
    pGrid->EndUserResize(pGrid->m_nTrackRow, pGrid->m_nTrackCol, pGrid->m_nTrackKind,
                         ProposedSize(pGrid, point));
    if (HoldsCapture(pGrid))
        CWnd::ReleaseCapture();
    return TRUE;
}

void CGEGridUserResizeCellsImp::EndUserResize(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nKind,
                                              CSize size) {
    const Axis axis(pGrid, nKind);
    if (axis.Param() == nullptr)
        return;
    const ROWCOL nLine = axis.Cols() ? nCol : nRow;
    if (pGrid->m_bTrackMoved)
        TrackUserResize(pGrid, nRow, nCol, nKind, size);
    const int nFinal = std::max(axis.SizeOf(size), axis.MinSize());
    EraseTracking(pGrid);

    CWnd* pWnd = pGrid->GridWnd();
    const BOOL bWindow = pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr;
    UINT mode = GE_UPDATENOW;
    const BOOL bLive = pGrid->m_bTrackLive;
    if (bLive) {
        // The final size is applied below through the undoable operations.
        RestoreInitialSize(pGrid);
        mode = GE_INVALIDATE;
    } else if (pGrid->m_bTrackHeaderPreview) {
        RestoreInitialSize(pGrid);
        if (bWindow) {
            const CRect rectHeaders = HeaderPreviewRect(pGrid);
            pWnd->InvalidateRect(&rectHeaders, FALSE);
        }
    }
    const BOOL bOldResizing = bLive ? pGrid->SetUserResizing(TRUE) : FALSE;

    const LONG nDistance = axis.Near(pGrid->m_rectTrackCurrent) - axis.Near(pGrid->m_rectTrackBorder);
    const int nCurrent = axis.Size(nLine);
    if (!axis.OnEnd(nLine, nFinal) || std::labs(nDistance) < 2 || !pGrid->m_bTrackMoved) {
        if (axis.Cols() && bWindow) {
            const CRect rectHeader = pGrid->GetCellRect(0, nLine);
            pWnd->InvalidateRect(&rectHeader, FALSE);
        }
        axis.UpdateChanged(nLine, nCurrent, mode);
    } else {
        const int nNew = nCurrent + static_cast<int>(nDistance);
        if (nLine != 0 && axis.TestFlags(1)) {
            axis.SetDefault(nNew, mode);
        } else if (nLine != 0 && axis.IsSelectedLine(nLine)) {
            if (axis.FirstSelectedIsTable()) {
                axis.SetDefault(nNew, mode);
            } else {
                CDWordArray starts, ends;
                axis.SelectedSpans(starts, ends);
                CWaitCursor wait;
                for (INT_PTR i = starts.GetSize() - 1; i >= 0; --i) {
                    const ROWCOL nFirst = std::max<ROWCOL>(starts[i], 1);
                    if (nNew < 1)
                        axis.Hide(nFirst, ends[i], TRUE, mode);
                    else
                        axis.SetSize(nFirst, ends[i], nNew, mode);
                }
            }
        } else if (nNew < 1) {
            axis.Hide(nLine, nLine, TRUE, mode);
        } else {
            if (axis.IsHidden(nLine)) {
                if (axis.Cols() && pGrid->GetMergeCellsMode() != 0) {
                    axis.StoreSize(nLine, 0);
                    axis.Hide(nLine, nLine, FALSE, mode);
                } else {
                    axis.StoreHide(nLine, FALSE);
                    axis.StoreSize(nLine, 0);
                }
            }
            axis.SetSize(nLine, nLine, nNew, mode);
        }
    }

    if (bWindow)
        pWnd->UpdateWindow();
    if (axis.Cols())
        pGrid->ScrollCellInView(pGrid->GetTopRow(), nLine, GE_UPDATENOW);
    else
        pGrid->ScrollCellInView(nLine, pGrid->GetLeftCol(), GE_UPDATENOW);
    pGrid->UpdateScrollbars();
    if (bLive)
        pGrid->SetUserResizing(bOldResizing);
    if (bWindow && ::GetFocus() == pWnd->GetSafeHwnd() && pGrid->IsActiveCurrentCell()) {
        if (CGEControl* pControl = pGrid->GetCurrentCellControl())
            pControl->Refresh();
    }
    pGrid->UpdateScrollbars();
}

BOOL CGEGridUserResizeCellsImp::OnLButtonDblClk(CGEGridCore* pGrid, CPoint&, UINT&, int& nHit, ROWCOL& nRow,
                                                ROWCOL& nCol) {
    // The zones of hidden lines are not handled here.
    const int nKind = ResizeKindOfHit(pGrid, nHit, FALSE);
    if (nKind == 0)
        return FALSE;
    const Axis axis(pGrid, nKind);
    const ROWCOL nLine = axis.Cols() ? nCol : nRow;
    if (!axis.CanChange(nLine))
        return FALSE;
    if (nLine != 0 && axis.TestFlags(1))
        return TRUE;
    const ROWCOL nCount = axis.Count();
    const BOOL bNextHidden = nLine < nCount && axis.IsHidden(nLine + 1);
    if (!axis.IsHidden(nLine) && !bNextHidden) {
        if (axis.IsSelectedLine(nLine) && !axis.FirstSelectedIsTable()) {
            CDWordArray starts, ends;
            axis.SelectedSpans(starts, ends);
            CWaitCursor wait;
            for (INT_PTR i = starts.GetSize() - 1; i >= 0; --i) {
                const ROWCOL nFirst = std::max<ROWCOL>(starts[i], 1);
                if (axis.IsHidden(nFirst))
                    axis.Hide(nFirst, ends[i], FALSE, GE_UPDATENOW);
                else
                    axis.SetSize(nFirst, ends[i], -1, GE_UPDATENOW);
            }
        } else {
            // The first click of the double click started (and ended) a drag on this line.
            const ROWCOL nDragged = pGrid->m_nTrackKind == nKind ? axis.Tracked() : nLine;
            axis.SetSize(nDragged, nDragged, -1, GE_UPDATENOW);
        }
        return TRUE;
    }
    // Show the whole run of adjacent hidden lines around the border.
    ROWCOL nFirst = axis.IsHidden(nLine) ? nLine : nLine + 1;
    while (nFirst > 1 && axis.IsHidden(nFirst - 1) && axis.CanChange(nFirst - 1))
        --nFirst;
    ROWCOL nLast = bNextHidden ? nLine + 1 : nLine;
    while (nLast < nCount && axis.IsHidden(nLast + 1) && axis.CanChange(nLast + 1))
        ++nLast;
    axis.Hide(nFirst, nLast, FALSE, GE_UPDATENOW);
    return TRUE;
}
