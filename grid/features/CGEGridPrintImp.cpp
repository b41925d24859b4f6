// Printing of a grid: the page bands, the pages and their end. The header and footer are in
// CGEGridPrintImpHeader.cpp.
#include "grid/features/CGEGridPrintImp.h"

#include "framework/core/CDWordArray.h"
#include "framework/win/CDC.h"
#include "framework/win/CFont.h"
#include "framework/win/CPrintDialog.h"
#include "framework/win/CPrintInfo.h"
#include "framework/win/CWaitCursor.h"
#include "framework/win/CWnd.h"
#include "grid/core/CGEAbstractDelayedRangePoolImp.h"
#include "grid/core/CGEAbstractSpanCellPoolImp.h"
#include "grid/core/CGEDelayedRangePool.h"
#include "grid/core/CGESpanCellPool.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEProperties.h"

#include <algorithm>
#include <memory>

namespace {

// The largest page count the print dialog can hold; a larger count would read as "not known".
constexpr UINT kMaxPageCount = 0xFFFE;

// The row or column side of the grid's print state, so that one cutting serves both directions.
class Axis {
public:
    Axis(CGEGridCore* pGrid, BOOL bRows) : m_pGrid(pGrid), m_bRows(bRows) {}

    ROWCOL& PrintStart() const { return m_bRows ? m_pGrid->m_nPrintTopRow : m_pGrid->m_nPrintLeftCol; }
    CDWordArray& Starts() const { return m_bRows ? m_pGrid->m_awRowPageStarts : m_pGrid->m_awColPageStarts; }
    ROWCOL Frozen() const { return m_bRows ? m_pGrid->GetFrozenRows() : m_pGrid->GetFrozenCols(); }
    ROWCOL Count() const { return m_bRows ? m_pGrid->GetRowCount() : m_pGrid->GetColCount(); }
    // The visible index of the line under the point; GE_INVALID when the rest fits.
    ROWCOL ClientAt(CPoint point) const {
        return m_bRows ? m_pGrid->GetClientRowAtPoint(point) : m_pGrid->GetClientColAtPoint(point);
    }
    ROWCOL FromClient(ROWCOL nClient) const {
        return m_bRows ? m_pGrid->GetRowFromClientRow(nClient) : m_pGrid->GetColFromClientCol(nClient);
    }
    ROWCOL Client(ROWCOL nLine) const {
        return m_bRows ? m_pGrid->GetClientRow(nLine) : m_pGrid->GetClientCol(nLine);
    }
    // The first line from the print start that does not fit the area.
    ROWCOL CalcEnd(const CRect& rectArea, BOOL& bReachedEnd) const {
        return m_bRows ? m_pGrid->CalcBottomRowFromTopRow(rectArea, bReachedEnd)
                       : m_pGrid->CalcRightColFromLeftCol(rectArea, bReachedEnd);
    }
    const CDWordArray* Breaks() const {
        CGEProperties* pProps = m_pGrid->GetProperties();
        if (pProps == nullptr)
            return nullptr;
        return m_bRows ? &pProps->m_RowBreaks : &pProps->m_ColBreaks;
    }

private:
    CGEGridCore* m_pGrid;
    BOOL m_bRows;
};

int BandCount(const CDWordArray& starts) {
    return std::max<int>(static_cast<int>(starts.GetSize()) - 1, 0);
}

// The band of a list of starts that holds a line; 0 when none does.
int BandOf(const CDWordArray& starts, ROWCOL nLine) {
    for (int i = 0; i < BandCount(starts); ++i) {
        if (nLine >= starts[i] && nLine < starts[i + 1])
            return i;
    }
    return 0;
}

UINT PageCount(CGEGridCore* pGrid) {
    const UINT n = static_cast<UINT>(BandCount(pGrid->m_awColPageStarts)) *
                   static_cast<UINT>(BandCount(pGrid->m_awRowPageStarts));
    return std::min(n, kMaxPageCount);
}

// Selects the standard style's font into a DC for a print step and puts the former one back.
class StandardFontScope {
public:
    StandardFontScope(CGEGridCore* pGrid, CDC* pDC) : m_pDC(pDC), m_pOld(pGrid->SelectStandardFont(pDC)) {}
    ~StandardFontScope() {
        if (m_pOld != nullptr)
            m_pDC->SelectObject(m_pOld);
    }
    StandardFontScope(const StandardFontScope&) = delete;
    StandardFontScope& operator=(const StandardFontScope&) = delete;

private:
    CDC* m_pDC;
    CFont* m_pOld;
};

// Print mode of the engine for one print step (the window draws normally between pages).
class PrintingScope {
public:
    explicit PrintingScope(CGEGridCore* pGrid) : m_pGrid(pGrid) { pGrid->SetPrinting(TRUE, FALSE); }
    ~PrintingScope() { m_pGrid->SetPrinting(FALSE, FALSE); }
    PrintingScope(const PrintingScope&) = delete;
    PrintingScope& operator=(const PrintingScope&) = delete;

private:
    CGEGridCore* m_pGrid;
};

// The printable page of the device in logical units.
CRect DevicePage(CDC* pDC) {
    CRect rect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    pDC->DPtoLP(&rect);
    return rect;
}

} // namespace

void CGEGridCore::InstallPrinting() {
    if (m_pPrintImp == nullptr) {
        auto pImp = std::make_unique<CGEGridPrintImp>();
        m_pPrintImp = pImp.get();
        AddAutoDeleteObject(pImp.release());
    }
}

UINT CGEGridPrintImp::PageOfBands(int nPageOrder, int nRowBands, int nColBands, int nRowBand, int nColBand) {
    if (nPageOrder == 0)
        return static_cast<UINT>(nColBands * nRowBand + nColBand + 1);
    return static_cast<UINT>(nRowBands * nColBand + nRowBand + 1);
}

int CGEGridPrintImp::CutBands(CGEGridCore* pGrid, BOOL bRows, CPoint probe, ROWCOL nFirst, ROWCOL nLast,
                              ROWCOL nWindowStart) {
    const Axis axis(pGrid, bRows);
    CDWordArray& starts = axis.Starts();
    starts.RemoveAll();
    ROWCOL& nStart = axis.PrintStart();
    nStart = std::max(nFirst, axis.Frozen() + 1);
    starts.Add(nStart);
    const CDWordArray* pBreaks = axis.Breaks();
    const INT_PTR nBreaks = pBreaks != nullptr ? pBreaks->GetSize() : 0;
    INT_PTR k = 0; // the next forced break not yet taken
    BOOL bFinished = FALSE;
    // The remaining forced breaks inside the range, then the end of the range.
    const auto appendBreaks = [&] {
        for (; k < nBreaks && (*pBreaks)[k] <= nLast; ++k) {
            if ((*pBreaks)[k] > starts[starts.GetSize() - 1])
                starts.Add((*pBreaks)[k]);
        }
        starts.Add(nLast + 1);
        bFinished = TRUE;
    };
    if (nBreaks > 0 && axis.ClientAt(probe) == GE_INVALID)
        appendBreaks();
    while (!bFinished) {
        const ROWCOL nClient = axis.ClientAt(probe);
        if (nClient == GE_INVALID)
            break;
        // A line cut by the edge starts the next page; a line larger than the page gets one of its own.
        ROWCOL nNext = std::max(nStart + 1, axis.FromClient(nClient));
        // Breaks at or before the start of this page have no effect (they would never advance).
        while (k < nBreaks && (*pBreaks)[k] <= nStart)
            ++k;
        if (k < nBreaks && (*pBreaks)[k] < nNext)
            nNext = (*pBreaks)[k++];
        if (nNext > nLast)
            break;
        starts.Add(nNext);
        nStart = nNext;
        if (nBreaks > 0 && axis.ClientAt(probe) == GE_INVALID)
            appendBreaks();
    }
    if (!bFinished)
        starts.Add(nLast + 1);
    return BandOf(starts, nWindowStart);
}

void CGEGridPrintImp::BeginPrinting(CGEGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) {
    if (pGrid == nullptr || pDC == nullptr || pInfo == nullptr || pGrid->GetParam() == nullptr)
        return;
    if (pGrid->m_nPrintDimensionMode == 1 || (pGrid->m_nPrintDimensionMode == 2 && !pInfo->m_bPreview))
        pGrid->EnsureGridDimension(static_cast<ROWCOL>(-2), static_cast<ROWCOL>(-2));
    CWaitCursor wait;
    pGrid->PrepareDC(pDC, pInfo);
    pGrid->m_awRowPageStarts.RemoveAll();
    pGrid->m_awColPageStarts.RemoveAll();
    const ROWCOL nWindowTop = pGrid->IsPrinting() ? pGrid->m_nPrintTopRow : pGrid->GetTopRow();
    const ROWCOL nWindowLeft = pGrid->IsPrinting() ? pGrid->m_nPrintLeftCol : pGrid->GetLeftCol();
    pGrid->m_bRedrawAfterPrint = FALSE;
    PrintingScope printing(pGrid);

    // Floating cells are laid out again for the printer in pools of their own.
    CGEGridParam* pParam = pGrid->GetParam();
    CGELibraryState* pState = GEGetLibraryState();
    if (pParam->m_pPrintFloatPool == nullptr && pState->m_pSpanCellPoolImp != nullptr)
        pParam->m_pPrintFloatPool = pState->m_pSpanCellPoolImp->CreatePool();
    if (pParam->m_pPrintFloatDelayPool == nullptr && pState->m_pDelayedRangePoolImp != nullptr)
        pParam->m_pPrintFloatDelayPool = pState->m_pDelayedRangePoolImp->CreatePool();
    pGrid->DelayFloatCells(CGECellRange().SetTable());

    pGrid->FreeGdiCache();
    StandardFontScope font(pGrid, pDC);
    pGrid->CalcPrinterTextMetrics(pDC, pGrid->m_nPrintCharWidth, pGrid->m_nPrintLineHeight);

    pInfo->m_rectDraw = DevicePage(pDC);
    pGrid->SubtractPrintMargins(pDC, pInfo);
    pGrid->m_rectPrint = pInfo->m_rectDraw;
    const CPoint probe = pGrid->GetGridArea().BottomRight();

    const ROWCOL nRows = pGrid->GetRowCount();
    const ROWCOL nCols = pGrid->GetColCount();
    const BOOL bSelection = pInfo->m_pPD != nullptr && pInfo->m_pPD->PrintSelection();
    CGERangeList& selected = pParam->m_SelectedRanges;
    pGrid->m_nPreviewRowBand = pGrid->m_nPreviewColBand = 0;
    if (bSelection && selected.IsEmpty()) {
        // What the window shows, on one page.
        pGrid->m_bPrintSelection = TRUE;
        pGrid->m_nPrintTopRow = nWindowTop;
        pGrid->m_nPrintLeftCol = nWindowLeft;
        const ROWCOL nClientCol = pGrid->GetClientColAtPoint(probe);
        const ROWCOL nClientRow = pGrid->GetClientRowAtPoint(probe);
        pGrid->m_awColPageStarts.Add(nWindowLeft);
        pGrid->m_awColPageStarts.Add(nClientCol == GE_INVALID
                                         ? nCols + 1
                                         : std::max(nWindowLeft + 1, pGrid->GetColFromClientCol(nClientCol)));
        pGrid->m_awRowPageStarts.Add(nWindowTop);
        pGrid->m_awRowPageStarts.Add(nClientRow == GE_INVALID
                                         ? nRows + 1
                                         : std::max(nWindowTop + 1, pGrid->GetRowFromClientRow(nClientRow)));
    } else {
        CGECellRange range;
        if (bSelection)
            range = *selected.GetRangeAt(selected.GetTailPosition());
        else
            range.SetTable();
        range.ExpandToCells(pGrid->GetFrozenRows() + 1, pGrid->GetFrozenCols() + 1, nRows, nCols);
        pGrid->m_bPrintSelection = bSelection;
        // Columns first with the rows at their first printed row, then rows.
        pGrid->m_nPrintTopRow = std::max(range.top, pGrid->GetFrozenRows() + 1);
        pGrid->m_nPreviewColBand = CutBands(pGrid, FALSE, probe, range.left, range.right, nWindowLeft);
        pGrid->m_nPrintLeftCol = std::max(range.left, pGrid->GetFrozenCols() + 1);
        pGrid->m_nPreviewRowBand = CutBands(pGrid, TRUE, probe, range.top, range.bottom, nWindowTop);
        pGrid->m_nPrintTopRow = std::max(range.top, pGrid->GetFrozenRows() + 1);
    }

    const UINT nPages = PageCount(pGrid);
    pInfo->SetMaxPage(nPages);
    pInfo->m_strPageDesc.AppendFormat(" / %u", nPages);
    if (pInfo->m_bPreview) {
        const int nOrder = pGrid->GetProperties() != nullptr ? pGrid->GetProperties()->m_nPageOrder : 0;
        pInfo->m_nCurPage =
            PageOfBands(nOrder, BandCount(pGrid->m_awRowPageStarts), BandCount(pGrid->m_awColPageStarts),
                        pGrid->m_nPreviewRowBand, pGrid->m_nPreviewColBand);
    }
}

BOOL CGEGridPrintImp::RecutBands(CGEGridCore* pGrid, BOOL bRows, const CRect& rectArea) {
    const Axis axis(pGrid, bRows);
    CDWordArray& starts = axis.Starts();
    const ROWCOL nCount = axis.Count();
    if (starts.GetSize() < 2 || starts[starts.GetSize() - 1] > nCount)
        return FALSE;
    ROWCOL& nStart = axis.PrintStart();
    const ROWCOL nSaved = nStart;
    starts.SetSize(starts.GetSize() - 1);
    nStart = starts[starts.GetSize() - 1];
    for (;;) {
        BOOL bReachedEnd = FALSE;
        const ROWCOL nEnd = axis.CalcEnd(rectArea, bReachedEnd);
        if (bReachedEnd || nEnd >= nCount + 1) {
            starts.Add(nCount + 1);
            break;
        }
        nStart = std::max(nStart + 1, nEnd);
        starts.Add(nStart);
    }
    nStart = nSaved;
    return TRUE;
}

void CGEGridPrintImp::PrintPage(CGEGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) {
    if (pGrid == nullptr || pDC == nullptr || pInfo == nullptr || pGrid->GetParam() == nullptr)
        return;
    pGrid->m_bRedrawAfterPrint = FALSE;
    BOOL bRedraw = FALSE;
    {
        PrintingScope printing(pGrid);
        pGrid->FreeGdiCache();
        StandardFontScope font(pGrid, pDC);
        pGrid->CalcPrinterTextMetrics(pDC, pGrid->m_nPrintCharWidth, pGrid->m_nPrintLineHeight);
        pGrid->SubtractPrintMargins(pDC, pInfo);
        pGrid->m_rectPrint = pInfo->m_rectDraw;

        CGEProperties* pProps = pGrid->GetProperties();
        const int nOrder = pProps != nullptr ? pProps->m_nPageOrder : 0;
        int nRowBands = BandCount(pGrid->m_awRowPageStarts);
        int nColBands = BandCount(pGrid->m_awColPageStarts);
        auto locate = [&](int& nRowBand, int& nColBand) {
            const int p = static_cast<int>(pInfo->m_nCurPage) - 1;
            nRowBand = nOrder == 0 ? p / std::max(nColBands, 1) : p % std::max(nRowBands, 1);
            nColBand = nOrder == 0 ? p % std::max(nColBands, 1) : p / std::max(nRowBands, 1);
        };
        int nRowBand = 0, nColBand = 0;
        locate(nRowBand, nColBand);
        // A page that no band pair holds (a page range past the end, or no BeginPrinting) prints nothing.
        if (pInfo->m_nCurPage == 0 || nRowBand >= nRowBands || nColBand >= nColBands) {
            pInfo->m_bContinuePrinting = FALSE;
            return;
        }
        pGrid->m_nPrintTopRow = pGrid->m_awRowPageStarts[nRowBand];
        pGrid->m_nPrintLeftCol = pGrid->m_awColPageStarts[nColBand];

        if (!pGrid->m_bPrintSelection) {
            const CRect area = pGrid->GetGridArea();
            const int nDefaultHeight = std::max(pGrid->GetDefaultRowHeight(), 1);
            const int nDefaultWidth = std::max(pGrid->GetDefaultColWidth(), 1);
            pGrid->EnsureGridDimension(
                pGrid->m_nPrintTopRow + 2 * static_cast<ROWCOL>(area.Height() / nDefaultHeight),
                pGrid->m_nPrintLeftCol + 4 * static_cast<ROWCOL>(area.Width() / nDefaultWidth));
            const BOOL bRowsChanged = RecutBands(pGrid, TRUE, area);
            const BOOL bColsChanged = RecutBands(pGrid, FALSE, area);
            if (bRowsChanged || bColsChanged) {
                nRowBands = BandCount(pGrid->m_awRowPageStarts);
                nColBands = BandCount(pGrid->m_awColPageStarts);
                pInfo->SetMaxPage(PageCount(pGrid));
                locate(nRowBand, nColBand);
                if (nRowBand >= nRowBands || nColBand >= nColBands) {
                    pInfo->m_bContinuePrinting = FALSE;
                    return;
                }
                pGrid->m_nPrintTopRow = pGrid->m_awRowPageStarts[nRowBand];
                pGrid->m_nPrintLeftCol = pGrid->m_awColPageStarts[nColBand];
            }
        }

        const ROWCOL nRows = pGrid->GetRowCount();
        const ROWCOL nCols = pGrid->GetColCount();
        // The band ends before the next band's start (the range's end on the last band).
        const ROWCOL nLastClientRow =
            pGrid->GetClientRow(std::min<ROWCOL>(pGrid->m_awRowPageStarts[nRowBand + 1] - 1, nRows));
        const ROWCOL nLastClientCol =
            pGrid->GetClientCol(std::min<ROWCOL>(pGrid->m_awColPageStarts[nColBand + 1] - 1, nCols));
        int nWidth = pGrid->SumClientColWidths(0, nLastClientCol);
        int nHeight = pGrid->SumClientRowHeights(0, nLastClientRow);

        CRect& rectPrint = pGrid->m_rectPrint;
        if (pProps != nullptr && pProps->m_bCenterHorizontal)
            rectPrint.left += (rectPrint.Width() - nWidth) / 2;
        if (pProps != nullptr && pProps->m_bCenterVertical)
            rectPrint.top += (rectPrint.Height() - nHeight) / 2;
        rectPrint.right = rectPrint.left + nWidth;
        rectPrint.bottom = rectPrint.top + nHeight;

        pGrid->PrintPageHeaderAndFooter(pDC, pInfo);

        if (pProps != nullptr && pProps->m_bPrintFrame) {
            if (pGrid->GetParam()->m_bPrintFrameAdjust) {
                --nWidth;
                --nHeight;
            }
            const int l = rectPrint.left, t = rectPrint.top;
            const ROWCOL nLastRow = pGrid->GetRowFromClientRow(nLastClientRow);
            const ROWCOL nLastCol = pGrid->GetColFromClientCol(nLastClientCol);
            pGrid->DrawGridLine(pDC, l - 1, t - 1, nWidth + 3, 2, 2, 0, 0);
            pGrid->DrawGridLine(pDC, l - 1, t + nHeight, nWidth + 3, 2, 2, nLastRow + 1, 0);
            pGrid->DrawGridLine(pDC, l - 1, t - 1, 2, nHeight + 3, 1, 0, 0);
            pGrid->DrawGridLine(pDC, l + nWidth, t - 1, 2, nHeight + 3, 1, nLastCol + 1, 0);
        }

        const int nSaved = pDC->SaveDC();
        pDC->IntersectClipRect(&rectPrint);
        pGrid->DrawGridArea(pDC, rectPrint);
        pDC->RestoreDC(nSaved);

        pInfo->m_bContinuePrinting =
            !(nLastClientRow == pGrid->GetClientRow(nRows) && nLastClientCol == pGrid->GetClientCol(nCols));
        bRedraw = pGrid->m_bRedrawAfterPrint;
    }
    if (bRedraw)
        pGrid->Redraw(GE_INVALIDATE, FALSE);
}

void CGEGridPrintImp::EndPrinting(CGEGridCore* pGrid, CDC*, CPrintInfo*) {
    if (pGrid == nullptr)
        return;
    pGrid->m_awRowPageStarts.RemoveAll();
    pGrid->m_awColPageStarts.RemoveAll();
    if (CWnd* pWnd = pGrid->GridWnd(); pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
        pWnd->Invalidate(TRUE);
    if (CGEGridParam* pParam = pGrid->GetParam()) {
        delete pParam->m_pPrintFloatPool;
        pParam->m_pPrintFloatPool = nullptr;
        delete pParam->m_pPrintFloatDelayPool;
        pParam->m_pPrintFloatDelayPool = nullptr;
    }
}
