#include "grid/features/CGECalcSizeImp.h"

#include "framework/win/CDC.h"
#include "grid/controls/CGEDIBPool.h"
#include "grid/controls/CGEDrawingAndFormatting.h"
#include "grid/controls/GEChoiceList.h"
#include "grid/controls/edit/CGEEditControl.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>
#include <vector>

void CGEGridCore::InstallCalcSize() {
    if (m_pCalcSizeImp == nullptr) {
        m_pCalcSizeImp = new CGECalcSizeImp;
        AddAutoDeleteObject(m_pCalcSizeImp);
    }
}

CString GEGetControlDisplayText(CGEControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style) {
    CString strText;
    if (pControl == nullptr || !pControl->GetControlText(strText, nRow, nCol, nullptr, style))
        strText = style.GetValue();
    return strText;
}

namespace {

// The widest of the text's lines, split at its line breaks.
LONG WidestHardLine(CDC* pDC, const CString& strText) {
    LONG cx = 0;
    CString strRest = strText;
    CString strLine;
    for (;;) {
        const int nMore = CutFirstLine(strRest, strLine);
        cx = std::max<LONG>(cx, pDC->GetTextExtent(strLine, strLine.GetLength()).cx);
        if (nMore < 0)
            break;
    }
    return cx;
}

} // namespace

void CGECalcSizeImp::CalcSize(CGEGridCore* pGrid, CSize& size, CGEControl* pControl, CDC* pDC, ROWCOL nRow,
                              ROWCOL nCol, const CGEStyle& style, const CGEStyle* pStandardStyle,
                              BOOL bVert) {
    size = CSize(0, 0);
    if (pControl == nullptr || pDC == nullptr)
        return;
    CGEGridParam* pParam = pGrid->GetParam();
    const CString strText = pParam != nullptr && pParam->m_bMeasureStoredValues
                                ? pGrid->GetStoredCellValue(nRow, nCol)
                                : GEGetControlDisplayText(pControl, nRow, nCol, style);

    if (!pControl->IsKindOfControlClass(&CGEEditControl::controlClass) && !strText.IsEmpty()) {
        if (const CGEDIB* pDIB = GEGetDIBPool()->Lookup(strText)) {
            size = pControl->AddTextMarginsToSize(pDC, CSize(pDIB->GetWidth(), pDIB->GetHeight()), style);
            return;
        }
    }

    CFont* pOldFont = pControl->SelectStyleFont(pDC, style, pStandardStyle);

    // The cell, or the whole span it belongs to.
    CGECellRange span;
    if (pGrid->GetCellRangeRowCol(nRow, nCol, span) == nullptr)
        span.SetCells(nRow, nCol, nRow, nCol);
    const CRect rectCell(0, 0, pGrid->SumColWidths(span.left, span.right),
                         pGrid->SumRowHeights(span.top, span.bottom));
    const CRect rectText = pControl->ComputeTextRect(nRow, nCol, &rectCell, &style);
    const LONG w = rectText.Width();
    const LONG h = rectText.Height();

    UINT nFormat = style.GetVerticalAlignment() | style.GetHorizontalAlignment();
    TEXTMETRICA tm{};
    pDC->GetTextMetrics(&tm);
    if (strText.IsEmpty()) {
        size = CSize(tm.tmMaxCharWidth, tm.tmHeight + tm.tmExternalLeading + 1);
    } else {
        nFormat |= DT_WORDBREAK | DT_NOPREFIX;
        const LONG lh = tm.tmHeight + tm.tmExternalLeading;
        const BOOL bWrap = style.GetIncludeWrapText() && style.GetWrapText();
        std::vector<int> starts, lengths;
        int n = 1;
        if (bWrap) {
            const CRect rectLayout(0, 0, std::max<LONG>(w, 1), 32767);
            n = CGEDrawingAndFormatting::GetInstance()->LayoutWrappedLines(
                pDC, strText, strText.GetLength(), rectLayout, nFormat, starts, lengths, kMaxWrappedLines);
            n = std::max(n, 1);
        }
        if (!bVert) {
            LONG cx = 0;
            if (bWrap && n * lh + 1 <= h) {
                for (size_t i = 0; i < starts.size(); ++i)
                    cx = std::max<LONG>(
                        cx, pDC->GetTextExtent(static_cast<LPCSTR>(strText) + starts[i], lengths[i]).cx);
            } else {
                cx = WidestHardLine(pDC, strText);
            }
            size = CSize(cx, h);
        } else {
            size = CSize(w, bWrap ? n * lh + 1 : lh + 1);
        }
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    size = pControl->AddTextMarginsToSize(pDC, size, style);
}
