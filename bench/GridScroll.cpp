// Scrolling and painting a grid of 1,000 and of 1,000,000 rows into a memory DC: each step moves the
// top row down by one and paints the grid area (800 x 600, 12 columns, a frozen header row, a value in
// every visible cell). The two sizes should cost the same per step: nothing is done for rows that do
// not show. Prints the milliseconds per step of each and their ratio.
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEStyle.h"
#include "framework/win/CDC.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kSteps = 300;

// A windowless grid whose values are made up from their row and column, as a data source would give.
class BenchGrid : public CGEGridCore {
public:
    explicit BenchGrid(ROWCOL nRows) : CGEGridCore(nullptr) {
        const CRect area(0, 0, kWidth, kHeight);
        SetGridRect(TRUE, &area);
        OnGridInitialUpdate();
        SetRowCount(nRows, GE_NOREDRAW);
        SetColCount(12, GE_NOREDRAW);
        SetFrozenRows(1, 0, GE_NOREDRAW);
    }
    BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGEStyle& style, int mt, int nType) override {
        if (nRow > 1 && nCol > 0) {
            const std::string value = std::to_string(nRow * 13 + nCol);
            style.SetValue(value.c_str());
            return TRUE;
        }
        return CGEGridCore::GetStyleRowCol(nRow, nCol, style, mt, nType);
    }
};

// Milliseconds per step of scrolling one row and painting.
double MeasureSteps(ROWCOL nRows, ROWCOL nStartRow) {
    BenchGrid grid(nRows);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(dc.GetSafeHdc(), &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hBitmap);
    grid.SetTopRow(nStartRow, GE_NOREDRAW);
    grid.OnGridDraw(&dc); // warm the caches
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kSteps; ++i) {
        grid.SetTopRow(grid.GetTopRow() + 1, GE_NOREDRAW);
        grid.OnGridDraw(&dc);
    }
    ::GdiFlush();
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    ::SelectObject(dc.GetSafeHdc(), hOld);
    ::DeleteObject(hBitmap);
    return ms / kSteps;
}

} // namespace

int main() {
    GEInitializeLibrary();
    const double small = MeasureSteps(1000, 400);
    const double large = MeasureSteps(1000000, 600000);
    std::printf("grid scroll and paint, %d steps, %d x %d pixels\n", kSteps, kWidth, kHeight);
    std::printf("  1,000 rows:     %.3f ms per step\n", small);
    std::printf("  1,000,000 rows: %.3f ms per step\n", large);
    std::printf("  ratio (large / small): %.2f (target within 1.5); target per step under 16 ms\n",
                large / small);
    return 0;
}
