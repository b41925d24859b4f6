#include "grid/features/CGEGridResizeToFitImp.h"

#include "framework/core/CString.h"
#include "framework/core/CUserException.h"
#include "framework/win/CClientDC.h"
#include "framework/win/CWnd.h"
#include "grid/GridResource.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGELongOperation.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>
#include <functional>
#include <memory>

void CGEGridCore::InstallResizeToFit() {
    if (m_pResizeToFitImp == nullptr) {
        m_pResizeToFitImp = new CGEGridResizeToFitImp;
        AddAutoDeleteObject(m_pResizeToFitImp);
    }
    InstallCalcSize();
}

BOOL CGEGridResizeToFitImp::ResizeRowHeightsToFit(CGEGridCore* pGrid, CGECellRange range,
                                                  BOOL bResizeCoveredCells, UINT flags) {
    return ResizeToFit(pGrid, TRUE, range, bResizeCoveredCells, flags);
}

BOOL CGEGridResizeToFitImp::ResizeColWidthsToFit(CGEGridCore* pGrid, CGECellRange range,
                                                 BOOL bResizeCoveredCells, UINT flags) {
    return ResizeToFit(pGrid, FALSE, range, bResizeCoveredCells, flags);
}

namespace {

// What a measuring pass holds and gives back on every way out, an abort included: the device context
// and its former font, and the undo block, which is always closed, so that later commands never fold
// into it.
class MeasuringScope {
public:
    MeasuringScope(CGEGridCore* pGrid, LPCSTR pszText) : m_pGrid(pGrid) {
        CWnd* pWnd = pGrid->GridWnd();
        if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr) {
            m_pClientDC = std::make_unique<CClientDC>(pWnd);
            m_pDC = m_pClientDC.get();
        } else {
            m_pDC = pGrid->GetGridDC();
        }
        if (m_pDC != nullptr) {
            pGrid->PrepareDC(m_pDC);
            m_pOldFont = pGrid->SelectStandardFont(m_pDC, &pGrid->GetStandardStyle());
        }
        pGrid->BeginTrans(pszText);
    }
    ~MeasuringScope() {
        if (m_pDC != nullptr && m_pOldFont != nullptr)
            m_pDC->SelectObject(m_pOldFont);
        m_pGrid->CommitTrans();
    }
    MeasuringScope(const MeasuringScope&) = delete;
    MeasuringScope& operator=(const MeasuringScope&) = delete;

    CDC* DC() const { return m_pDC; }

private:
    CGEGridCore* m_pGrid;
    std::unique_ptr<CClientDC> m_pClientDC;
    CDC* m_pDC = nullptr;
    CFont* m_pOldFont = nullptr;
};

// The room the grid can give one line: the grid area, else the parent's client area, else its first
// child's, else a large square.
CRect AvailableArea(CGEGridCore* pGrid) {
    CRect area = pGrid->GetGridArea();
    if (!area.IsRectEmpty())
        return area;
    CWnd* pWnd = pGrid->GridWnd();
    HWND hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
    if (hWnd != nullptr) {
        RECT rc{};
        if (HWND hParent = ::GetParent(hWnd);
            hParent != nullptr && ::GetClientRect(hParent, &rc) && !::IsRectEmpty(&rc))
            return CRect(rc);
        if (HWND hChild = ::GetTopWindow(hWnd);
            hChild != nullptr && ::GetClientRect(hChild, &rc) && !::IsRectEmpty(&rc))
            return CRect(rc);
    }
    return CRect(0, 0, 0x7FFF, 0x7FFF);
}

} // namespace

BOOL CGEGridResizeToFitImp::ResizeToFit(CGEGridCore* pGrid, BOOL bRows, CGECellRange range,
                                        BOOL bResizeCoveredCells, UINT flags) {
    CString strText;
    strText.LoadString(bRows ? GE_IDS_RESIZING_ROWS : GE_IDS_RESIZING_COLS);
    const ROWCOL nRowCount = pGrid->GetRowCount();
    const ROWCOL nColCount = pGrid->GetColCount();
    range.ExpandToCells(0, 0, nRowCount, nColCount);
    if (!range.IsValid())
        return TRUE;
    pGrid->EvalMergeCells(range);
    pGrid->EvalFloatCells(range);

    CGELongOperation operation;
    operation.SetStatusText(strText);
    MeasuringScope scope(pGrid, strText);
    CDC* pDC = scope.DC();
    if (pDC == nullptr)
        return TRUE;

    const CRect area = AvailableArea(pGrid);
    const LONG nAvailable = bRows ? area.Height() : area.Width();
    const ROWCOL nFrozen = bRows ? pGrid->GetFrozenRows() : pGrid->GetFrozenCols();
    auto lineSize = [&](ROWCOL n) { return bRows ? pGrid->GetRowHeight(n) : pGrid->GetColWidth(n); };
    auto sumSizes = [&](ROWCOL nFrom, ROWCOL nTo) {
        return bRows ? pGrid->SumRowHeights(nFrom, nTo) : pGrid->SumColWidths(nFrom, nTo);
    };

    const ROWCOL nFirst = bRows ? range.top : range.left;
    const ROWCOL nLast = bRows ? range.bottom : range.right;
    const ROWCOL nAcrossFirst = bRows ? range.left : range.top;
    const ROWCOL nAcrossLast = bRows ? range.right : range.bottom;
    CGEStyle* pStyle = pGrid->CreateStyle();
    // The scratch style goes back to the grid on every way out.
    std::unique_ptr<CGEStyle, std::function<void(CGEStyle*)>> styleGuard(
        pStyle, [pGrid](CGEStyle* p) { pGrid->RecycleStyle(p); });

    for (ROWCOL n = nFirst; n <= nLast && n >= nFirst; ++n) {
        LONG nLimit = nAvailable - 1;
        if (n > nFrozen)
            nLimit = nAvailable - sumSizes(0, nFrozen) - 1;
        else if (n > 0)
            nLimit = nAvailable - sumSizes(0, n - 1) - 1;
        nLimit = std::max<LONG>(nLimit, 0);

        LONG nNeed = 0;
        for (ROWCOL a = nAcrossFirst; a <= nAcrossLast && a >= nAcrossFirst; ++a) {
            const ROWCOL nRow = bRows ? n : a;
            const ROWCOL nCol = bRows ? a : n;
            CGECellRange covered;
            LONG nAbove = 0; // what the block's other lines already give
            ROWCOL nMeasureRow = nRow, nMeasureCol = nCol;
            BOOL bMeasure = FALSE;
            if (pGrid->GetCoveredCellsRowCol(nRow, nCol, covered) != nullptr) {
                // A covered block counts once, at its last line across its first (rows: bottom row,
                // left column; columns: right column, top row), when it lies wholly inside the range.
                const BOOL bAnchor = bRows ? (n == covered.bottom && a == covered.left)
                                           : (n == covered.right && a == covered.top);
                const BOOL bInside = bRows ? (covered.top >= range.top && covered.right <= range.right)
                                           : (covered.left >= range.left && covered.bottom <= range.bottom);
                if (bResizeCoveredCells && bAnchor && bInside) {
                    bMeasure = TRUE;
                    nMeasureRow = covered.top;
                    nMeasureCol = covered.left;
                    if (n > (bRows ? covered.top : covered.left))
                        nAbove = sumSizes(bRows ? covered.top : covered.left, n - 1);
                }
                const ROWCOL nBlockEnd = bRows ? covered.right : covered.bottom;
                if (nBlockEnd > a)
                    a = nBlockEnd; // the scan goes on after the block
            } else {
                bMeasure = bRows ? pGrid->GetColWidth(nCol) > 0 : pGrid->GetRowHeight(nRow) > 0;
            }
            if (bMeasure) {
                pGrid->ComposeStyleRowCol(nMeasureRow, nMeasureCol, pStyle, TRUE);
                CGEControl* pControl = pGrid->GetRegisteredControl(pStyle->GetControl());
                if (pControl != nullptr) {
                    CSize size(0, 0);
                    pControl->CalcSize(size, pDC, nMeasureRow, nMeasureCol, *pStyle,
                                       &pGrid->GetStandardStyle(), bRows);
                    nNeed = std::max<LONG>(nNeed, (bRows ? size.cy : size.cx) - nAbove);
                }
            }
            BOOL bAbort = FALSE;
            operation.StepAndQueryAbort(bAbort);
            if (bAbort)
                AfxThrowUserException();
            if (a == GE_INVALID)
                break;
        }
        nNeed = std::min(nNeed, nLimit);
        const int nCurrent = lineSize(n);
        const BOOL bChange = (flags & kGrowOnly) != 0 ? nNeed > nCurrent : nNeed > 0 && nNeed != nCurrent;
        if (bChange) {
            const UINT redraw = flags & ~kGrowOnly;
            if (bRows)
                pGrid->SetRowHeight(n, n, static_cast<int>(nNeed), nullptr, redraw, geDo);
            else
                pGrid->SetColWidth(n, n, static_cast<int>(nNeed), nullptr, redraw, geDo);
        }
        if (n == GE_INVALID)
            break;
    }
    return TRUE;
}
