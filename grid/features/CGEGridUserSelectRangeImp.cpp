#include "grid/features/CGEGridUserSelectRangeImp.h"

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

constexpr WORD kAnySelection = 255;

CGERangeList& Selection(CGEGridCore* pGrid) {
    return pGrid->GetParam()->m_SelectedRanges;
}

// Row-selection modes of the current-cell flags: 1 only the current row, 2 whole rows.
BOOL IsRowMode(CGEGridCore* pGrid) {
    return pGrid->GetParam()->TestCurrentCellFlags(3);
}
BOOL IsRowMode1(CGEGridCore* pGrid) {
    return pGrid->GetParam()->TestCurrentCellFlags(1);
}

// The range a selection call with four numbers names: column 0 whole rows, row 0 whole columns, both the
// table.
CGECellRange RangeOf(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) {
    const ROWCOL top = std::min(nTop, nBottom), bottom = std::max(nTop, nBottom);
    const ROWCOL left = std::min(nLeft, nRight), right = std::max(nLeft, nRight);
    if (top == 0 && left == 0)
        return CGECellRange().SetTable();
    if (left == 0)
        return CGECellRange().SetRows(top, bottom);
    if (top == 0)
        return CGECellRange().SetCols(left, right);
    return CGECellRange(top, left, bottom, right);
}

// A range as the cells it covers in the grid (whole rows from column 1, and so on).
CGECellRange CellsOf(CGEGridCore* pGrid, const CGECellRange& range, ROWCOL nFirst = 1) {
    CGECellRange cells(range);
    cells.ExpandToCells(nFirst, nFirst, pGrid->GetRowCount(), pGrid->GetColCount());
    cells.kind = CGECellRange::cells;
    return cells;
}

// TRUE when a whole-row (whole-column) or table range other than the one at posSkip selects the line.
BOOL IsLineSelectedElsewhere(const CGERangeList& list, BOOL bRow, ROWCOL nLine, POSITION posSkip) {
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        const POSITION posThis = pos;
        const CGECellRange* pRange = list.GetNextRange(pos);
        if (posThis == posSkip || !pRange->IsValid())
            continue;
        if (pRange->IsTable())
            return TRUE;
        if (bRow && pRange->IsRows() && nLine >= pRange->top && nLine <= pRange->bottom)
            return TRUE;
        if (!bRow && pRange->IsCols() && nLine >= pRange->left && nLine <= pRange->right)
            return TRUE;
    }
    return FALSE;
}

// The visible lines of a grid among nFirst..nLast: the frozen ones and those from the top (left) on.
std::vector<ROWCOL> VisibleLines(CGEGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast) {
    std::vector<ROWCOL> lines;
    const ROWCOL nFrozen = bRows ? pGrid->GetFrozenRows() : pGrid->GetFrozenCols();
    const ROWCOL nScroll = bRows ? pGrid->GetTopRow() : pGrid->GetLeftCol();
    const ROWCOL nLastVisible = bRows ? pGrid->GetLastVisibleRow() : pGrid->GetLastVisibleCol();
    for (ROWCOL n = nFirst; n <= std::min(nLast, nFrozen); ++n)
        lines.push_back(n);
    for (ROWCOL n = std::max(nFirst, nScroll); n <= std::min(nLast, nLastVisible); ++n)
        lines.push_back(n);
    return lines;
}

// Moves the spreadsheet-like frame to a range (stored even where there is no window to draw on).
void MoveFrame(CGEGridCore* pGrid, const CGECellRange* pRange) {
    std::unique_ptr<CClientDC> pDC;
    if (CWnd* pWnd = pGrid->GridWnd(); pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
        pDC = std::make_unique<CClientDC>(pWnd);
    pGrid->UpdateSelectionFrame(pDC.get(), TRUE, pRange);
}

} // namespace

void CGEGridCore::InstallUserSelectRange() {
    if (m_pUserSelectRangeImp == nullptr) {
        m_pUserSelectRangeImp = new CGEGridUserSelectRangeImp;
        AddAutoDeleteObject(m_pUserSelectRangeImp);
    }
}

// ---- keyboard ----

BOOL CGEGridUserSelectRangeImp::MoveCurrentCell(CGEGridCore* pGrid, int nDirection, UINT nCount) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    const BOOL bExtend = pGrid->IsKeyDown(VK_SHIFT) && pParam->TestSelectionFlags(64);
    ROWCOL nRow = 0, nCol = 0;
    const BOOL bCurrent = pGrid->GetCurrentCell(nRow, nCol);
    if (IsRowMode(pGrid) && bCurrent)
        return MoveInRowMode(pGrid, nDirection, nCount, bExtend, IsRowMode1(pGrid));
    if (!bExtend || !bCurrent) {
        pGrid->m_posActiveRange = nullptr;
        return pGrid->MoveCurrentCell(nDirection, nCount, TRUE);
    }
    if (pGrid->m_posActiveRange == nullptr) {
        if (!pGrid->CanSelectCurrentCell(nRow, nCol) || !pGrid->CanChangeSelection(nullptr, TRUE, TRUE))
            return FALSE;
        pGrid->SetSelection(nullptr);
        AppendActiveRange(pGrid);
        pGrid->m_nAnchorRow = nRow;
        pGrid->m_nAnchorCol = nCol;
    }
    CGECellRange* pActive = Selection(pGrid).GetRangeAt(pGrid->m_posActiveRange);
    if (!pGrid->CanChangeSelection(pActive, FALSE, TRUE))
        return FALSE;
    if (!pGrid->MoveCurrentCell(nDirection, nCount, FALSE))
        return FALSE;
    pGrid->GetCurrentCell(nRow, nCol);
    pGrid->SetSelection(pGrid->m_posActiveRange, pGrid->m_nAnchorRow, pGrid->m_nAnchorCol, nRow, nCol);
    pGrid->m_nLastSelRow = nRow;
    pGrid->m_nLastSelCol = nCol;
    pGrid->OnChangedSelection(Selection(pGrid).GetRangeAt(pGrid->m_posActiveRange), FALSE, TRUE);
    return TRUE;
}

BOOL CGEGridUserSelectRangeImp::MoveInRowMode(CGEGridCore* pGrid, int nDirection, UINT nCount, BOOL bExtend,
                                              BOOL bCurrentRowOnly) {
    ROWCOL nRow = 0, nCol = 0;
    pGrid->GetCurrentCell(nRow, nCol);
    if (pGrid->m_posActiveRange == nullptr || !bExtend || bCurrentRowOnly) {
        pGrid->SetSelection(nullptr);
        AppendActiveRange(pGrid);
        pGrid->m_nAnchorRow = nRow;
        pGrid->m_nAnchorCol = nCol;
    }
    const BOOL bMoved = pGrid->MoveCurrentCell(nDirection, nCount, TRUE);
    pGrid->GetCurrentCell(nRow, nCol);
    const ROWCOL nFrom = bExtend && !bCurrentRowOnly ? pGrid->m_nAnchorRow : nRow;
    pGrid->SetSelection(pGrid->m_posActiveRange, nFrom, 0, nRow, 0);
    if (!bExtend || bCurrentRowOnly) {
        pGrid->m_nAnchorRow = nRow;
        pGrid->m_nAnchorCol = nCol;
    }
    pGrid->OnChangedSelection(Selection(pGrid).GetRangeAt(pGrid->m_posActiveRange), FALSE, TRUE);
    return bMoved;
}

POSITION CGEGridUserSelectRangeImp::AppendActiveRange(CGEGridCore* pGrid) {
    pGrid->m_posActiveRange = Selection(pGrid).AddRange(CGECellRange());
    return pGrid->m_posActiveRange;
}

void CGEGridUserSelectRangeImp::ClearAll(CGEGridCore* pGrid, BOOL bKey) {
    if (!pGrid->CanChangeSelection(nullptr, TRUE, bKey))
        return;
    pGrid->SetSelection(nullptr);
    pGrid->OnChangedSelection(nullptr, TRUE, bKey);
}

// ---- mouse ----

BOOL CGEGridUserSelectRangeImp::OnLButtonDown(CGEGridCore* pGrid, CPoint&, UINT& nFlags, int&, ROWCOL& nRow,
                                              ROWCOL& nCol) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    pGrid->m_nLastSelRow = nRow;
    pGrid->m_nLastSelCol = nCol;
    const ROWCOL nHeaderRows = pGrid->GetHeaderRows();
    const ROWCOL nHeaderCols = pGrid->GetHeaderCols();
    if (nRow == 0 && nCol == 0) {
        // The corner cell selects the table, or deselects it when it is selected.
        if (!pParam->TestSelectionFlags(4) || !pGrid->CanSelectCurrentCell(0, 0))
            return FALSE;
        BOOL bTable = FALSE;
        POSITION pos = Selection(pGrid).GetHeadPosition();
        while (pos != nullptr && !bTable) {
            const CGECellRange* pRange = Selection(pGrid).GetNextRange(pos);
            bTable = pRange->IsValid() && pRange->IsTable();
        }
        pGrid->SelectRange(CGECellRange().SetTable(), !bTable, TRUE);
        return TRUE;
    }
    const BOOL bColHeader = nRow <= nHeaderRows && nCol > nHeaderCols;
    const BOOL bRowHeader = nCol <= nHeaderCols && nRow > nHeaderRows;
    const BOOL bCell = nRow > nHeaderRows && nCol > nHeaderCols;
    if (!bColHeader && !bRowHeader && !bCell)
        return FALSE;
    const BOOL bRowMode = IsRowMode(pGrid);
    BOOL bCtrl = (nFlags & MK_CONTROL) != 0 && pParam->TestSelectionFlags(16);
    BOOL bShift = (nFlags & MK_SHIFT) != 0 && pParam->TestSelectionFlags(32);
    if (bRowMode) {
        bCtrl = !IsRowMode1(pGrid) && (nFlags & MK_CONTROL) != 0;
        bShift = !IsRowMode1(pGrid) && (nFlags & MK_SHIFT) != 0;
    }
    if (!pParam->TestSelectionFlags(kAnySelection) || !pGrid->CanSelectCurrentCell(nRow, nCol))
        return FALSE;

    CGERangeList& list = Selection(pGrid);
    ROWCOL nCurRow = 0, nCurCol = 0;
    const BOOL bCurrent = pGrid->GetCurrentCell(nCurRow, nCurCol);
    if (!bShift) {
        if (!bCtrl)
            ClearAll(pGrid, FALSE);
        else if (list.IsEmpty() && bCurrent && (nCurRow != nRow || nCurCol != nCol) && !bRowMode)
            pGrid->SelectRange(CGECellRange(nCurRow, nCurCol, nCurRow, nCurCol), TRUE, TRUE);
    }
    const BOOL bAllowed = (bRowHeader && pParam->TestSelectionFlags(1)) ||
                          (bColHeader && pParam->TestSelectionFlags(2)) ||
                          (bCell && pParam->TestSelectionFlags(8));
    if (!bAllowed)
        return FALSE;

    if (bShift) {
        if (list.IsEmpty()) {
            AppendActiveRange(pGrid);
            pGrid->m_nAnchorRow = bCurrent ? nCurRow : 1;
            pGrid->m_nAnchorCol = bCurrent ? nCurCol : 1;
        } else {
            pGrid->m_posActiveRange = list.GetTailPosition();
        }
        // A header extends by whole lines.
        pGrid->SetSelection(pGrid->m_posActiveRange, bColHeader ? 0 : pGrid->m_nAnchorRow,
                            bRowHeader ? 0 : pGrid->m_nAnchorCol, nRow, nCol);
        pGrid->m_wButtonMode |= 2;
        return TRUE;
    }
    AppendActiveRange(pGrid);
    pGrid->m_nAnchorRow = nRow;
    pGrid->m_nAnchorCol = nCol;
    pGrid->m_wButtonMode |= 2;
    if (bCell && !bRowMode)
        return TRUE; // the block grows when the mouse moves
    if (IsRowMode1(pGrid) || (bCell && bRowMode) || bRowHeader)
        pGrid->SetSelection(pGrid->m_posActiveRange, nRow, 0, nRow, 0);
    else
        pGrid->SetSelection(pGrid->m_posActiveRange, 0, nCol, 0, nCol);
    return TRUE;
}

BOOL CGEGridUserSelectRangeImp::OnMouseMove(CGEGridCore* pGrid, CPoint&, UINT&, ROWCOL& nRow, ROWCOL& nCol) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || !pParam->TestSelectionFlags(kAnySelection) || (pGrid->m_wButtonMode & 2) == 0)
        return FALSE;
    const ROWCOL nAnchorRow = pGrid->m_nAnchorRow;
    const ROWCOL nAnchorCol = pGrid->m_nAnchorCol;
    CGECellRange range;
    if (IsRowMode1(pGrid)) {
        range = RangeOf(nRow, 0, nRow, 0);
    } else if (nAnchorRow <= pGrid->GetHeaderRows()) {
        range = RangeOf(0, nAnchorCol, 0, nCol);
    } else if (nAnchorCol > pGrid->GetHeaderCols()) {
        const ROWCOL nMouseRow = std::max(nRow, pGrid->GetHeaderRows() + 1);
        const ROWCOL nMouseCol = std::max(nCol, pGrid->GetHeaderCols() + 1);
        range = RangeOf(nAnchorRow, nAnchorCol, nMouseRow, nMouseCol);
    } else {
        range = RangeOf(nAnchorRow, 0, nRow, 0);
    }
    if (pGrid->m_posActiveRange != nullptr && pGrid->CanChangeSelection(&range, FALSE, FALSE)) {
        const BOOL bRows = range.IsRows() || range.IsTable();
        const BOOL bCols = range.IsCols() || range.IsTable();
        pGrid->SetSelection(pGrid->m_posActiveRange, bCols ? 0 : range.top, bRows ? 0 : range.left,
                            bCols ? 0 : range.bottom, bRows ? 0 : range.right);
        pGrid->OnChangedSelection(&range, FALSE, FALSE);
    }
    return TRUE;
}

BOOL CGEGridUserSelectRangeImp::OnLButtonUp(CGEGridCore* pGrid, CPoint&, UINT&) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || !pParam->TestSelectionFlags(kAnySelection) || (pGrid->m_wButtonMode & 2) == 0 ||
        (pGrid->m_nAnchorRow == 0 && pGrid->m_nAnchorCol == 0))
        return FALSE;
    const ROWCOL nRow = pGrid->m_nAnchorRow;
    const ROWCOL nCol = pGrid->m_nAnchorCol;
    const BOOL bClick = nRow == pGrid->m_nLastSelRow && nCol == pGrid->m_nLastSelCol;
    const BOOL bDataCell = nRow > pGrid->GetHeaderRows() && nCol > pGrid->GetHeaderCols();
    if (bClick && bDataCell && !IsRowMode(pGrid)) {
        if ((pGrid->m_wButtonMode & 128) != 0 && pGrid->m_posActiveRange != nullptr) {
            // Ctrl+click selects the one cell.
            pGrid->SetSelection(pGrid->m_posActiveRange, nRow, nCol, nRow, nCol);
        } else if (!pParam->m_bExcelLikeCurrentCell) {
            // A plain click leaves only the current cell.
            ClearAll(pGrid, FALSE);
        }
    } else {
        const CGECellRange* pActive = pGrid->m_posActiveRange != nullptr
                                          ? Selection(pGrid).GetRangeAt(pGrid->m_posActiveRange)
                                          : nullptr;
        pGrid->OnChangedSelection(pActive, FALSE, FALSE);
    }
    pGrid->m_wButtonMode &= static_cast<WORD>(~2);
    return TRUE;
}

BOOL CGEGridUserSelectRangeImp::OnCellClick(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT nFlags,
                                            CPoint) {
    if (pGrid->GetParam() == nullptr || (nFlags & MK_CONTROL) == 0)
        return FALSE;
    const BOOL bRowHeader = nCol <= pGrid->GetHeaderCols() && nRow > pGrid->GetHeaderRows();
    const BOOL bColHeader = nRow <= pGrid->GetHeaderRows() && nCol > pGrid->GetHeaderCols();
    if (!bRowHeader && !bColHeader)
        return FALSE;
    const ROWCOL nLine = bRowHeader ? nRow : nCol;
    if (!IsLineSelectedElsewhere(Selection(pGrid), bRowHeader, nLine, pGrid->m_posActiveRange))
        return FALSE;
    pGrid->m_posActiveRange = nullptr;
    pGrid->SelectRange(bRowHeader ? CGECellRange().SetRows(nLine, nLine)
                                  : CGECellRange().SetCols(nLine, nLine),
                       FALSE, TRUE);
    return TRUE;
}

// ---- the list ----

void CGEGridUserSelectRangeImp::SelectRange(CGEGridCore* pGrid, const CGECellRange& range, BOOL bSelect,
                                            BOOL bUpdate) {
    if (pGrid->GetParam() == nullptr)
        return;
    CGERangeList before;
    before = Selection(pGrid);
    if (!pGrid->StoreSelectRange(range, bSelect))
        return;
    CGECellRange changed(range);
    pGrid->OnChangedSelection(&changed, FALSE, FALSE);
    if (bUpdate)
        pGrid->UpdateSelectRange(range, &before, TRUE);
}

BOOL CGEGridUserSelectRangeImp::StoreSelectRange(CGEGridCore* pGrid, const CGECellRange& range,
                                                 BOOL bSelect) {
    if (pGrid->GetParam() == nullptr || !range.IsValid())
        return FALSE;
    CGERangeList& list = Selection(pGrid);
    if (bSelect) {
        list.AddRange(range);
        return TRUE;
    }
    const CGECellRange target = CellsOf(pGrid, range);
    POSITION pos = list.GetHeadPosition();
    const INT_PTR nOld = list.GetCount();
    for (INT_PTR i = 0; i < nOld && pos != nullptr; ++i) {
        const POSITION posThis = pos;
        const CGECellRange old = *list.GetNextRange(pos);
        if (!old.IsValid())
            continue;
        const CGECellRange cells = CellsOf(pGrid, old);
        CGECellRange inter;
        if (!inter.SetIntersection(cells, target))
            continue;
        if (posThis == pGrid->m_posActiveRange)
            pGrid->m_posActiveRange = nullptr;
        // Above and below keep whole rows when rows are taken from rows or the table; left and right keep
        // whole columns when columns are taken from columns or the table.
        const BOOL bRowPieces = range.IsRows() && (old.IsRows() || old.IsTable());
        const BOOL bColPieces = range.IsCols() && (old.IsCols() || old.IsTable());
        auto addRows = [&](ROWCOL a, ROWCOL b) {
            list.AddRange(bRowPieces ? CGECellRange().SetRows(a, b)
                                     : CGECellRange(a, cells.left, b, cells.right));
        };
        auto addCols = [&](ROWCOL a, ROWCOL b) {
            list.AddRange(bColPieces ? CGECellRange().SetCols(a, b)
                                     : CGECellRange(cells.top, a, cells.bottom, b));
        };
        if (cells.top < inter.top)
            addRows(cells.top, inter.top - 1);
        if (inter.bottom < cells.bottom)
            addRows(inter.bottom + 1, cells.bottom);
        if (cells.left < inter.left)
            addCols(cells.left, inter.left - 1);
        if (inter.right < cells.right)
            addCols(inter.right + 1, cells.right);
        list.DeleteAt(posThis);
    }
    return TRUE;
}

POSITION CGEGridUserSelectRangeImp::SetSelection(CGEGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft,
                                                 ROWCOL nBottom, ROWCOL nRight) {
    if (pGrid->GetParam() == nullptr)
        return nullptr;
    CGERangeList& list = Selection(pGrid);
    if (pos == nullptr) {
        if (!list.IsEmpty()) {
            pGrid->UpdateClearSelection(TRUE);
            list.DeleteAll();
        }
        pGrid->m_posActiveRange = nullptr;
        return nullptr;
    }
    if (IsRowMode(pGrid))
        nLeft = nRight = 0;
    if (CWnd* pWnd = pGrid->GridWnd(); pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
        pWnd->UpdateWindow();
    const CGECellRange range = RangeOf(nTop, nLeft, nBottom, nRight);
    pGrid->UpdateSetSelection(pos, nTop, nLeft, nBottom, nRight, TRUE);
    *list.GetRangeAt(pos) = range;
    return pos;
}

// ---- painting ----

template <class IsNew>
void CGEGridUserSelectRangeImp::InvertChanges(CGEGridCore* pGrid, const CGECellRange& cells,
                                              const CGERangeList* pOld, IsNew isNew) {
    CGEGridParam* pParam = pGrid->GetParam();
    CWnd* pWnd = pGrid->GridWnd();
    if (pParam == nullptr || pGrid->IsLockUpdate() || pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr ||
        !cells.IsValid())
        return;
    if (!pParam->m_bInvertSelection || pParam->m_bMarkSelection) {
        // Selected cells are drawn in another way: the paint draws them.
        pGrid->RedrawRowCol(cells.top, cells.left, cells.bottom, cells.right, GE_INVALIDATE, FALSE);
        return;
    }
    CClientDC dc(pWnd);
    const CRect area = pGrid->GetGridArea();
    dc.IntersectClipRect(area);
    const std::vector<ROWCOL> rows = VisibleLines(pGrid, TRUE, cells.top, cells.bottom);
    const std::vector<ROWCOL> cols = VisibleLines(pGrid, FALSE, cells.left, cells.right);
    for (ROWCOL nRow : rows) {
        for (ROWCOL nCol : cols) {
            const BOOL bOld = pGrid->IsCellSelected(nRow, nCol, pOld);
            if (bOld == isNew(nRow, nCol))
                continue;
            const CRect rect = pGrid->GetCellRect(nRow, nCol);
            if (!rect.IsRectEmpty())
                pGrid->DrawInvertCell(&dc, nRow, nCol, rect);
        }
    }
}

void CGEGridUserSelectRangeImp::UpdateSetSelection(CGEGridCore* pGrid, POSITION pos, ROWCOL nTop,
                                                   ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                                                   BOOL bCreateHint) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || pos == nullptr)
        return;
    const CGERangeList& list = Selection(pGrid);
    const CGECellRange newCells = CellsOf(pGrid, RangeOf(nTop, nLeft, nBottom, nRight));
    CGECellRange examine(newCells);
    const CGECellRange& old = *list.GetRangeAt(pos);
    if (old.IsValid())
        examine.SetUnion(newCells, CellsOf(pGrid, old));
    const CGECellRange newRange = RangeOf(nTop, nLeft, nBottom, nRight);
    MoveFrame(pGrid, &newRange);
    if (!pParam->IsLockUpdate()) {
        InvertChanges(pGrid, examine, &list, [&](ROWCOL nRow, ROWCOL nCol) {
            return newCells.Contains(nRow, nCol) || list.IsCellInList(nRow, nCol, pos);
        });
    }
    if (bCreateHint && pGrid->m_pUpdateHintImp != nullptr)
        pGrid->m_pUpdateHintImp->HintUpdateSetSelection(pGrid, pos, nTop, nLeft, nBottom, nRight);
}

void CGEGridUserSelectRangeImp::UpdateSelectRange(CGEGridCore* pGrid, const CGECellRange& range,
                                                  const CGERangeList* pOldList, BOOL bCreateHint) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return;
    const CGERangeList& list = Selection(pGrid);
    const CGECellRange* pLast =
        list.GetTailPosition() != nullptr ? list.GetRangeAt(list.GetTailPosition()) : nullptr;
    MoveFrame(pGrid, pLast);
    if (!pParam->IsLockUpdate() && pOldList != nullptr) {
        // A table selected before reaches into the headers.
        const POSITION posHead = pOldList->GetHeadPosition();
        const BOOL bFromHeaders = posHead != nullptr && pOldList->GetRangeAt(posHead)->IsTable();
        const CGECellRange cells = CellsOf(pGrid, range, bFromHeaders || range.IsTable() ? 0 : 1);
        InvertChanges(pGrid, cells, pOldList,
                      [&](ROWCOL nRow, ROWCOL nCol) { return list.IsCellInList(nRow, nCol); });
    }
    if (bCreateHint && pGrid->m_pUpdateHintImp != nullptr)
        pGrid->m_pUpdateHintImp->HintSelectRange(pGrid, range, 0);
}

void CGEGridUserSelectRangeImp::UpdateClearSelection(CGEGridCore* pGrid, BOOL bCreateHint) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return;
    if (!pParam->IsLockUpdate()) {
        const CGECellRange all(0, 0, pGrid->GetRowCount(), pGrid->GetColCount());
        InvertChanges(pGrid, all, &Selection(pGrid), [](ROWCOL, ROWCOL) { return FALSE; });
    }
    pGrid->ForgetSelectionFrame();
    if (bCreateHint && pGrid->m_pUpdateHintImp != nullptr)
        pGrid->m_pUpdateHintImp->HintUpdateClearSelection(pGrid);
}
