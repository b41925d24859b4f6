// Sorting 100,000 grid rows by two keys (a text column ascending, then a number column descending, both
// keys found automatically from the values) through the grid's sort, which reads every key through the
// cell's control, detects the key types, sorts and moves the stored rows. Beside it, std::stable_sort of
// the same keys, already taken out of the grid, with the same comparison, in the same run. Each is the
// best of three runs on fresh data; prints both times, their ratio and whether the two orders agree.
#include "grid/core/CGEData.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEStyle.h"
#include "grid/features/CGESortInfoArray.h"

#include <mbstring.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr ROWCOL kRows = 100000;
constexpr int kRuns = 3;

struct Row {
    std::string text;
    double number;
    ROWCOL id;
};

// The values of row i (1-based): a project name out of 500, an amount out of 100,000, the row's id.
Row MakeRow(ROWCOL i) {
    char text[32];
    std::snprintf(text, sizeof text, "Project %03lu", static_cast<unsigned long>((i * 7919UL) % 500));
    const double number = static_cast<double>((i * 104729UL) % 100000) / 100.0;
    return Row{text, number, i};
}

class BenchGrid : public CGEGridCore {
public:
    BenchGrid() : CGEGridCore(nullptr) {
        const CRect area(0, 0, 800, 600);
        SetGridRect(TRUE, &area);
        OnGridInitialUpdate();
        SetRowCount(kRows, GE_NOREDRAW);
        SetColCount(3, GE_NOREDRAW);
        GetParam()->EnableUndo(FALSE);
        CGEStyle style;
        char sz[32];
        for (ROWCOL r = 1; r <= kRows; ++r) {
            const Row row = MakeRow(r);
            Store(r, 1, row.text.c_str(), style);
            std::snprintf(sz, sizeof sz, "%.2f", row.number);
            Store(r, 2, sz, style);
            std::snprintf(sz, sizeof sz, "%lu", static_cast<unsigned long>(row.id));
            Store(r, 3, sz, style);
        }
    }

private:
    void Store(ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue, CGEStyle& style) {
        style.SetValue(pszValue);
        GetData()->StoreStyleRowCol(nRow, nCol, &style, geCopy, -1);
    }
};

bool Before(const Row& a, const Row& b) {
    const int n = _mbsicoll(reinterpret_cast<const unsigned char*>(a.text.c_str()),
                            reinterpret_cast<const unsigned char*>(b.text.c_str()));
    if (n != 0)
        return n < 0;
    return a.number > b.number;
}

double Milliseconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The grid's sort on a fresh grid; TRUE in bAgree when its order is the reference order.
double SortGrid(const std::vector<Row>& reference, bool& bAgree) {
    BenchGrid grid;
    CGESortInfoArray keys;
    keys.SetSize(2);
    keys[0].nRC = 1;
    keys[0].sortType = CGESortInfo::autodetect;
    keys[1].nRC = 2;
    keys[1].sortType = CGESortInfo::autodetect;
    keys[1].sortOrder = CGESortInfo::descending;
    const auto start = std::chrono::steady_clock::now();
    grid.SortRows(CGECellRange().SetTable(), keys, GE_NOREDRAW);
    const double ms = Milliseconds(start);
    bAgree = keys[0].sortType == CGESortInfo::alphanumeric && keys[1].sortType == CGESortInfo::numeric;
    for (ROWCOL r = 1; r <= kRows && bAgree; ++r) {
        const CGEStyle* pStyle = grid.GetData()->LookupStyle(r, 3);
        bAgree = pStyle != nullptr && std::stoul(pStyle->GetValue().GetString()) == reference[r - 1].id;
    }
    return ms;
}

// std::stable_sort of the same keys; the sorted rows are left in rows.
double SortReference(std::vector<Row>& rows) {
    rows.clear();
    for (ROWCOL r = 1; r <= kRows; ++r)
        rows.push_back(MakeRow(r));
    const auto start = std::chrono::steady_clock::now();
    std::stable_sort(rows.begin(), rows.end(), Before);
    return Milliseconds(start);
}

} // namespace

int main() {
    GEInitializeLibrary();
    std::vector<Row> rows;
    rows.reserve(kRows);
    double referenceMs = 1e30, gridMs = 1e30;
    bool bAgree = true;
    for (int i = 0; i < kRuns; ++i) {
        referenceMs = std::min(referenceMs, SortReference(rows));
        bool bThisAgrees = false;
        gridMs = std::min(gridMs, SortGrid(rows, bThisAgrees));
        bAgree = bAgree && bThisAgrees;
    }
    std::printf(
        "grid sort of %lu rows by two automatic keys (text ascending, number descending), best of %d\n",
        static_cast<unsigned long>(kRows), kRuns);
    std::printf("  grid SortRows:           %.1f ms\n", gridMs);
    std::printf("  std::stable_sort (keys): %.1f ms\n", referenceMs);
    std::printf("  ratio: %.2f (target within 3)\n", gridMs / referenceMs);
    std::printf("  orders agree: %s\n", bAgree ? "yes" : "NO");
    return bAgree ? 0 : 1;
}
