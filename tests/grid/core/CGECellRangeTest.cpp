// Cell ranges: ordering setters, expansion, containment, intersection and union tables, and the stored form.
#include "grid/core/CGECellRange.h"

#include "GridArchiveTestSupport.h"

#include <gtest/gtest.h>

namespace {

using archive_test::Bytes;
using K = CGECellRange::Kind;

CGECellRange Rows(ROWCOL a, ROWCOL b) {
    return CGECellRange().SetRows(a, b);
}
CGECellRange Cols(ROWCOL a, ROWCOL b) {
    return CGECellRange().SetCols(a, b);
}
CGECellRange Cells(ROWCOL t, ROWCOL l, ROWCOL b, ROWCOL r) {
    return CGECellRange(t, l, b, r);
}
CGECellRange Table() {
    return CGECellRange().SetTable();
}

// Expected fields of a range: kind, top, left, bottom, right, valid.
struct Fields {
    UINT kind;
    ROWCOL top, left, bottom, right;
    BOOL valid;
};

void ExpectFields(const CGECellRange& r, const Fields& f) {
    EXPECT_EQ(r.kind, f.kind);
    EXPECT_EQ(r.top, f.top);
    EXPECT_EQ(r.left, f.left);
    EXPECT_EQ(r.bottom, f.bottom);
    EXPECT_EQ(r.right, f.right);
    EXPECT_EQ(r.valid, f.valid);
}

TEST(CGECellRange, DefaultIsEmptyAndInvalid) {
    const CGECellRange r;
    ExpectFields(r, {K::cells, 0, 0, 0, 0, FALSE});
    EXPECT_FALSE(r.Contains(0, 0));
    EXPECT_FALSE(r.Contains(1, 1));
    ExpectFields(CGECellRange(static_cast<const CGECellRange*>(nullptr)), {K::cells, 0, 0, 0, 0, FALSE});
    const CGECellRange src(3, 4, 5, 6);
    EXPECT_EQ(CGECellRange(&src), src);
}

TEST(CGECellRange, SettersOrderTheirArguments) {
    ExpectFields(Cells(5, 7, 2, 3), {K::cells, 2, 3, 5, 7, TRUE});
    ExpectFields(Rows(4, 2), {K::rows, 2, 0, 4, 0, TRUE});
    ExpectFields(Cols(9, 3), {K::cols, 0, 3, 0, 9, TRUE});
    // The table keeps whatever coordinates it held.
    ExpectFields(Cells(1, 2, 3, 4).SetTable(), {K::table, 1, 2, 3, 4, TRUE});
}

TEST(CGECellRange, ExpandToCells) {
    ExpectFields(Rows(2, 4).ExpandToCells(1, 1, 100, 20), {K::cells, 2, 1, 4, 20, TRUE});
    ExpectFields(Cols(3, 5).ExpandToCells(1, 1, 100, 20), {K::cells, 1, 3, 100, 5, TRUE});
    ExpectFields(Table().ExpandToCells(2, 3, 100, 20), {K::cells, 2, 3, 100, 20, TRUE});
    ExpectFields(Cells(5, 6, 7, 8).ExpandToCells(1, 1, 100, 20), {K::cells, 5, 6, 7, 8, TRUE});
    // The valid flag stays as it was.
    CGECellRange invalidRows = Rows(2, 4);
    invalidRows.valid = FALSE;
    ExpectFields(invalidRows.ExpandToCells(1, 1, 9, 9), {K::cells, 2, 1, 4, 9, FALSE});
}

TEST(CGECellRange, Contains) {
    struct Case {
        CGECellRange range;
        ROWCOL row, col;
        BOOL expected;
    };
    const Case cases[] = {
        {Table(), 0, 0, TRUE},
        {Table(), 1000, 70, TRUE},
        {Rows(2, 4), 3, 999, TRUE},
        {Rows(2, 4), 5, 1, FALSE},
        {Rows(2, 4), 1, 1, FALSE},
        {Cols(3, 5), 999, 5, TRUE},
        {Cols(3, 5), 1, 6, FALSE},
        {Cells(1, 1, 2, 2), 2, 2, TRUE},
        {Cells(1, 1, 2, 2), 2, 3, FALSE},
        {Cells(1, 1, 2, 2), 0, 1, FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.range.Contains(c.row, c.col), c.expected) << c.range.kind << " " << c.row << "," << c.col;
    CGECellRange invalidTable = Table();
    invalidTable.valid = FALSE;
    EXPECT_FALSE(invalidTable.Contains(1, 1));
}

TEST(CGECellRange, IntersectionTable) {
    struct Case {
        const char* what;
        CGECellRange a, b;
        Fields expected;
    };
    const Case cases[] = {
        {"rows x cells", Rows(2, 4), Cells(1, 3, 6, 5), {K::cells, 2, 3, 4, 5, TRUE}},
        {"cells x rows", Cells(1, 3, 6, 5), Rows(2, 4), {K::cells, 2, 3, 4, 5, TRUE}},
        {"rows x cols", Rows(2, 4), Cols(3, 5), {K::cells, 2, 3, 4, 5, TRUE}},
        {"cols x rows", Cols(3, 5), Rows(2, 4), {K::cells, 2, 3, 4, 5, TRUE}},
        {"disjoint cells", Cells(1, 1, 2, 2), Cells(3, 3, 4, 4), {K::cells, 3, 3, 2, 2, FALSE}},
        {"overlapping cells", Cells(1, 1, 5, 5), Cells(3, 2, 8, 4), {K::cells, 3, 2, 5, 4, TRUE}},
        {"table x cells", Table(), Cells(1, 2, 3, 4), {K::cells, 1, 2, 3, 4, TRUE}},
        {"cells x table", Cells(1, 2, 3, 4), Table(), {K::cells, 1, 2, 3, 4, TRUE}},
        {"cols x cols", Cols(2, 6), Cols(4, 9), {K::cols, 0, 4, 0, 6, TRUE}},
        {"disjoint cols", Cols(2, 3), Cols(5, 9), {K::cols, 0, 5, 0, 3, FALSE}},
        {"cols x cells", Cols(2, 6), Cells(1, 4, 9, 8), {K::cells, 1, 4, 9, 6, TRUE}},
        {"cells x cols", Cells(1, 4, 9, 8), Cols(2, 6), {K::cells, 1, 4, 9, 6, TRUE}},
        {"rows x rows", Rows(2, 6), Rows(4, 9), {K::rows, 4, 0, 6, 0, TRUE}},
        {"disjoint rows", Rows(7, 9), Rows(1, 3), {K::rows, 7, 0, 3, 0, FALSE}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CGECellRange r;
        EXPECT_EQ(r.SetIntersection(c.a, c.b), c.expected.valid);
        ExpectFields(r, c.expected);
    }
}

TEST(CGECellRange, IntersectionIgnoresInputValidityAndMayAlias) {
    CGECellRange a = Cells(1, 1, 5, 5);
    a.valid = FALSE;
    EXPECT_TRUE(a.SetIntersection(a, Cells(2, 2, 3, 3)));
    ExpectFields(a, {K::cells, 2, 2, 3, 3, TRUE});
}

TEST(CGECellRange, UnionTable) {
    struct Case {
        const char* what;
        CGECellRange a, b;
        UINT kind;
        ROWCOL top, left, bottom, right;
    };
    const Case cases[] = {
        {"rows + cols", Rows(1, 2), Cols(3, 4), K::table, 0, 0, 0, 0},
        {"table + cells", Table(), Cells(1, 1, 2, 2), K::table, 0, 0, 0, 0},
        {"cols + cells", Cols(2, 3), Cells(5, 1, 6, 1), K::cols, 0, 1, 0, 3},
        {"cells + rows", Cells(5, 1, 6, 1), Rows(2, 3), K::rows, 2, 0, 6, 0},
        {"cells + cells", Cells(5, 1, 6, 2), Cells(2, 4, 3, 7), K::cells, 2, 1, 6, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CGECellRange a = c.a;
        a.valid = FALSE; // not consulted
        CGECellRange r;
        EXPECT_TRUE(r.SetUnion(a, c.b));
        EXPECT_EQ(r.kind, c.kind);
        if (c.kind != K::table) {
            EXPECT_EQ(r.top, c.top);
            EXPECT_EQ(r.left, c.left);
            EXPECT_EQ(r.bottom, c.bottom);
            EXPECT_EQ(r.right, c.right);
        }
    }
}

TEST(CGECellRange, StoredFormIsEighteenBytes) {
    const Bytes bytes = archive_test::Store([](CArchive& ar) { ar << Rows(2, 4); });
    const Bytes expected = {2, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 1, 1};
    EXPECT_EQ(bytes, expected);
}

TEST(CGECellRange, ArchiveRoundTrip) {
    CGECellRange invalid = Cells(7, 8, 9, 10);
    invalid.valid = FALSE;
    const CGECellRange ranges[] = {Cells(1, 2, 3, 4), Rows(5, 0x7FFFFFFF), Cols(1, 2), Table(), invalid};
    for (const CGECellRange& src : ranges) {
        const Bytes bytes = archive_test::Store([&](CArchive& ar) { ar << src; });
        CGECellRange back;
        archive_test::Load(bytes, [&](CArchive& ar) { ar >> back; });
        EXPECT_EQ(back, src);
    }
}

TEST(CGECellRange, DamagedInputIsRefused) {
    const Bytes badKind = {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 4, 1};
    CGECellRange r;
    EXPECT_EQ(archive_test::CauseOf<CArchiveException>(
                  [&] { archive_test::Load(badKind, [&](CArchive& ar) { ar >> r; }); }),
              CArchiveException::genericException);
    const Bytes shortRange = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    EXPECT_EQ(archive_test::CauseOf<CArchiveException>(
                  [&] { archive_test::Load(shortRange, [&](CArchive& ar) { ar >> r; }); }),
              CArchiveException::endOfFile);
    // A stored valid byte other than 0 or 1 reads as valid.
    const Bytes validTwo = {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 2};
    archive_test::Load(validTwo, [&](CArchive& ar) { ar >> r; });
    EXPECT_EQ(r.valid, TRUE);
}

} // namespace
