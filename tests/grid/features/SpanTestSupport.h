// What the tests of covered, merged and floated cells share: a grid with 50-pixel columns and 20-pixel
// rows, a cell control that measures its text at a fixed width per character and floats by the static
// cell's rule, and styles applied to single cells.
#pragma once

#include "FeatureTestSupport.h"

#include "grid/core/CGEControl.h"

namespace spantest {

constexpr WORD kMeasuringControl = 30001;

// Measures a text as 10 pixels per character (unless told otherwise) and counts the measurements.
class MeasuringControl : public CGEControl {
public:
    explicit MeasuringControl(CGEGridCore* pGrid) : CGEControl(pGrid) {}
    void CalcSize(CSize& size, CDC*, ROWCOL, ROWCOL, const CGEStyle& style, const CGEStyle*, BOOL) override {
        ++measured;
        size = CSize(style.GetValue().GetLength() * charWidth, 18);
    }
    BOOL CanFloatCell(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style, BOOL bFloatOrFlood) override {
        return m_pGrid->CanFloatText(this, nRow, nCol, style, bFloatOrFlood);
    }
    int charWidth = 10;
    int measured = 0;
};

// Columns 50 pixels wide (the row header 30), rows 20 pixels high.
class SpanGrid : public gridtest::TestGrid {
public:
    explicit SpanGrid(ROWCOL nRows = 20, ROWCOL nCols = 10, CRect area = CRect(0, 0, 400, 300))
        : TestGrid(nRows, nCols, area) {
        GetParam()->SetDefaultRowHeight(20);
        GetParam()->SetDefaultColWidth(50);
        GetParam()->StoreColWidth(0, 30);
        control = new MeasuringControl(this);
        RegisterControl(kMeasuringControl, control, FALSE, FALSE);
    }
    // Every cell of the table floats and may be floated over, through the measuring control.
    void FloatEverywhere() {
        CGEStyle style;
        style.SetControl(kMeasuringControl).SetFloatCell(TRUE).SetFloodCell(TRUE);
        SetStyleRange(CGECellRange().SetTable(), &style, geOverride, 0, nullptr, GE_NOREDRAW);
    }
    // Every cell of the table may merge in the ways given (MergeCell value).
    void MergeEverywhere(UINT nKind) {
        CGEStyle style;
        style.SetMergeCell(nKind);
        SetStyleRange(CGECellRange().SetTable(), &style, geOverride, 0, nullptr, GE_NOREDRAW);
    }
    void Set(ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue) {
        SetValueRange(CGECellRange(nRow, nCol, nRow, nCol), pszValue, geOverride, 0, GE_NOREDRAW);
    }
    // The span a cell belongs to as "top,left-bottom,right", "-" when none.
    template <class F> static std::string Span(F lookup) {
        CGECellRange range;
        if (!lookup(range))
            return "-";
        return std::to_string(range.top) + "," + std::to_string(range.left) + "-" +
               std::to_string(range.bottom) + "," + std::to_string(range.right);
    }
    std::string Floated(ROWCOL nRow, ROWCOL nCol) {
        return Span([&](CGECellRange& r) { return GetFloatedCellsRange(nRow, nCol, r) != nullptr; });
    }
    std::string Merged(ROWCOL nRow, ROWCOL nCol, int nDirection = -1) {
        return Span(
            [&](CGECellRange& r) { return GetMergedCellsRange(nRow, nCol, r, nDirection) != nullptr; });
    }
    std::string Covered(ROWCOL nRow, ROWCOL nCol) {
        return Span([&](CGECellRange& r) { return GetCoveredCellsRowCol(nRow, nCol, r) != nullptr; });
    }
    // Evaluates the spans of the whole table.
    BOOL EvalAll() { return EvalVisibleSpannedCells(CGECellRange().SetTable(), FALSE); }

    MeasuringControl* control = nullptr;
};

} // namespace spantest
