// Range lists: ownership, copying, finding cells, row and column edits, spans, and the archive form.
#include "grid/core/CGERangeList.h"

#include "GridArchiveTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using archive_test::Bytes;

CGECellRange Invalid(CGECellRange r) {
    r.valid = FALSE;
    return r;
}

// The list's ranges, head to tail.
std::vector<CGECellRange> Contents(const CGERangeList& list) {
    std::vector<CGECellRange> out;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        out.push_back(*list.GetNextRange(pos));
    return out;
}

void Fill(CGERangeList& list, std::initializer_list<CGECellRange> ranges) {
    for (const CGECellRange& r : ranges)
        list.AddRange(r);
}

std::string Describe(const std::vector<CGECellRange>& ranges) {
    std::ostringstream s;
    for (const CGECellRange& r : ranges)
        s << "[" << r.kind << " " << r.top << "," << r.left << "-" << r.bottom << "," << r.right
          << (r.valid ? "" : " invalid") << "]";
    return s.str();
}

TEST(CGERangeList, CopyHoldsValidRangesInReverseOrder) {
    const CGECellRange a(1, 1, 1, 1), b(2, 2, 2, 2), c(3, 3, 3, 3);
    CGERangeList src;
    Fill(src, {a, Invalid(CGECellRange(9, 9, 9, 9)), b, c});
    CGERangeList copy;
    Fill(copy, {CGECellRange(7, 7, 8, 8)});
    copy = src;
    EXPECT_EQ(Describe(Contents(copy)), Describe({c, b, a}));
    // The copy owns new ranges.
    EXPECT_NE(copy.GetRangeAt(copy.GetHeadPosition()), src.GetRangeAt(src.GetTailPosition()));
    copy = copy;
    EXPECT_EQ(copy.GetCount(), 3);
}

TEST(CGERangeList, FindingCells) {
    CGERangeList list;
    Fill(list, {CGECellRange(1, 1, 2, 2), CGECellRange().SetRows(5, 6), CGECellRange(2, 2, 3, 3),
                Invalid(CGECellRange(8, 8, 9, 9))});
    const POSITION first = list.GetHeadPosition();
    POSITION third = list.FindIndex(2);
    EXPECT_EQ(list.FindRange(2, 2), first);
    EXPECT_EQ(list.FindRange(3, 3), third);
    EXPECT_EQ(list.FindRange(8, 8), nullptr);
    EXPECT_EQ(list.FindRange(4, 4), nullptr);
    EXPECT_TRUE(list.IsCellInList(2, 2, first));  // the third range holds it too
    EXPECT_FALSE(list.IsCellInList(1, 1, first)); // only the skipped one does
    EXPECT_TRUE(list.IsCellInList(1, 1, nullptr));

    EXPECT_TRUE(list.IsAnyCellFromCol(500)); // whole rows reach every column
    EXPECT_FALSE(list.IsAnyCellFromRow(4));
    EXPECT_TRUE(list.IsAnyCellFromRow(3));
    EXPECT_FALSE(list.IsAnyCellFromRow(9)); // only an invalid range there
    CGERangeList cols;
    Fill(cols, {CGECellRange().SetCols(4, 5)});
    EXPECT_TRUE(cols.IsAnyCellFromRow(12345));
    EXPECT_FALSE(cols.IsAnyCellFromCol(3));
    EXPECT_TRUE(cols.IsAnyCellFromCol(5));
}

TEST(CGERangeList, Deleting) {
    CGERangeList list;
    Fill(list, {CGECellRange(1, 1, 1, 1), Invalid(CGECellRange(2, 2, 2, 2)), CGECellRange(3, 3, 3, 3),
                Invalid(CGECellRange(4, 4, 4, 4))});
    list.DeleteInvalidRanges();
    EXPECT_EQ(Describe(Contents(list)), Describe({CGECellRange(1, 1, 1, 1), CGECellRange(3, 3, 3, 3)}));
    list.DeleteAt(list.GetHeadPosition());
    EXPECT_EQ(Describe(Contents(list)), Describe({CGECellRange(3, 3, 3, 3)}));
    list.DeleteAll();
    EXPECT_TRUE(list.IsEmpty());
}

// One row edit applied to a list of ranges, and the ranges it must leave.
struct EditCase {
    const char* what;
    std::vector<CGECellRange> before;
    void (*edit)(CGERangeList&);
    std::vector<CGECellRange> after;
};

class CGERangeListEdits : public ::testing::TestWithParam<EditCase> {};

TEST_P(CGERangeListEdits, LeaveTheExpectedRanges) {
    const EditCase& c = GetParam();
    CGERangeList list;
    for (const CGECellRange& r : c.before)
        list.AddRange(r);
    c.edit(list);
    EXPECT_EQ(Describe(Contents(list)), Describe(c.after));
}

CGECellRange R(ROWCOL t, ROWCOL l, ROWCOL b, ROWCOL r) {
    return CGECellRange(t, l, b, r);
}
CGECellRange Rows(ROWCOL a, ROWCOL b) {
    return CGECellRange().SetRows(a, b);
}
CGECellRange Cols(ROWCOL a, ROWCOL b) {
    return CGECellRange().SetCols(a, b);
}
CGECellRange Clamped(CGECellRange r, ROWCOL bottom) {
    r.bottom = bottom;
    return r;
}

const EditCase kEditCases[] = {
    {"insert 2 rows at 3",
     {R(1, 1, 4, 1), R(3, 1, 4, 1), R(1, 1, 2, 1), Cols(1, 2)},
     [](CGERangeList& l) { l.InsertRows(3, 2); },
     {R(1, 1, 6, 1), R(5, 1, 6, 1), R(1, 1, 2, 1), Cols(1, 2)}},
    {"insert 3 cols at 2",
     {R(1, 1, 1, 4), R(1, 2, 1, 2), Rows(1, 2)},
     [](CGERangeList& l) { l.InsertCols(2, 3); },
     {R(1, 1, 1, 7), R(1, 5, 1, 5), Rows(1, 2)}},
    {"remove rows 3..5",
     {R(3, 1, 5, 1), R(2, 1, 8, 1), R(6, 1, 9, 1), R(4, 1, 7, 1), R(1, 1, 2, 1), Cols(1, 1)},
     [](CGERangeList& l) { l.RemoveRows(3, 5, 100); },
     {Invalid(R(3, 1, 5, 1)), R(2, 1, 5, 1), R(3, 1, 6, 1), R(3, 1, 4, 1), R(1, 1, 2, 1), Cols(1, 1)}},
    {"remove rows clamps to the rows left",
     {R(2, 1, 8, 1), R(7, 1, 12, 1), R(9, 1, 10, 1)},
     [](CGERangeList& l) { l.RemoveRows(3, 5, 6); },
     {R(2, 1, 5, 1), R(4, 1, 6, 1), R(6, 1, 6, 1)}},
    {"remove rows leaves invalid ranges alone",
     {Invalid(R(8, 1, 9, 1))},
     [](CGERangeList& l) { l.RemoveRows(3, 5, 100); },
     {Invalid(R(8, 1, 9, 1))}},
    {"remove cols 2..3",
     {R(1, 2, 1, 3), R(1, 1, 1, 6), Rows(4, 4)},
     [](CGERangeList& l) { l.RemoveCols(2, 3, 50); },
     {Invalid(R(1, 2, 1, 3)), R(1, 1, 1, 4), Rows(4, 4)}},
    {"move rows 2..3 down to 5",
     {R(2, 1, 3, 1), R(4, 1, 4, 1), R(6, 1, 6, 1), R(7, 1, 7, 1), R(1, 1, 1, 1), Cols(2, 2)},
     [](CGERangeList& l) { l.MoveRows(2, 3, 5, 100); },
     {R(5, 1, 6, 1), R(2, 1, 2, 1), R(4, 1, 4, 1), R(7, 1, 7, 1), R(1, 1, 1, 1), Cols(2, 2)}},
    {"move rows 5..6 up to 2",
     {R(5, 1, 6, 1), R(2, 1, 3, 1), R(4, 1, 4, 1), R(1, 1, 1, 1), R(7, 1, 7, 1)},
     [](CGERangeList& l) { l.MoveRows(5, 6, 2, 100); },
     {R(2, 1, 3, 1), R(4, 1, 5, 1), R(6, 1, 6, 1), R(1, 1, 1, 1), R(7, 1, 7, 1)}},
    {"move rows clamps bottoms",
     {R(2, 1, 9, 1)},
     [](CGERangeList& l) { l.MoveRows(2, 3, 5, 10); },
     {Clamped(R(5, 1, 12, 1), 10)}},
    {"move rows onto itself changes nothing",
     {R(2, 1, 30, 1)},
     [](CGERangeList& l) { l.MoveRows(2, 3, 2, 10); },
     {R(2, 1, 30, 1)}},
    {"move cols 1..1 to 3",
     {R(1, 1, 1, 1), R(1, 2, 1, 3), Rows(1, 1)},
     [](CGERangeList& l) { l.MoveCols(1, 1, 3, 10); },
     {R(1, 3, 1, 3), R(1, 1, 1, 2), Rows(1, 1)}},
};

INSTANTIATE_TEST_SUITE_P(Table, CGERangeListEdits, ::testing::ValuesIn(kEditCases),
                         [](const ::testing::TestParamInfo<EditCase>& info) {
                             std::string name;
                             for (const char* p = info.param.what; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

std::vector<std::pair<DWORD, DWORD>> Spans(const CDWordArray& starts, const CDWordArray& ends) {
    std::vector<std::pair<DWORD, DWORD>> out;
    for (INT_PTR i = 0; i < starts.GetSize(); ++i)
        out.emplace_back(starts[i], ends[i]);
    return out;
}

TEST(CGERangeList, ColumnSpansAreSortedDisjointAndJoined) {
    CGERangeList list;
    Fill(list, {R(1, 8, 2, 9), R(1, 2, 2, 3), R(5, 4, 6, 4), Invalid(R(1, 20, 1, 30)), R(1, 12, 1, 14),
                R(1, 13, 1, 16), Cols(30, 31)});
    CDWordArray starts, ends;
    starts.Add(99); // emptied first
    ends.Add(99);
    EXPECT_TRUE(list.GetColumnSpans(50, starts, ends, FALSE));
    const std::vector<std::pair<DWORD, DWORD>> expected = {{2, 4}, {8, 9}, {12, 16}, {30, 31}};
    EXPECT_EQ(Spans(starts, ends), expected);

    EXPECT_TRUE(list.GetColumnSpans(50, starts, ends, TRUE)); // whole columns only
    EXPECT_EQ(Spans(starts, ends), (std::vector<std::pair<DWORD, DWORD>>{{30, 31}}));

    CGERangeList rowsOnly;
    Fill(rowsOnly, {Rows(3, 4), R(1, 2, 1, 3)});
    EXPECT_FALSE(rowsOnly.GetColumnSpans(50, starts, ends, TRUE));
    EXPECT_TRUE(starts.IsEmpty());
    EXPECT_TRUE(rowsOnly.GetColumnSpans(50, starts, ends, FALSE));
    EXPECT_EQ(Spans(starts, ends), (std::vector<std::pair<DWORD, DWORD>>{{0, 50}}));
}

TEST(CGERangeList, RowSpansAndTheTable) {
    CGERangeList list;
    Fill(list, {R(10, 1, 12, 1), Rows(2, 3), R(1, 1, 1, 1)});
    CDWordArray starts, ends;
    EXPECT_TRUE(list.GetRowSpans(40, starts, ends, FALSE));
    EXPECT_EQ(Spans(starts, ends), (std::vector<std::pair<DWORD, DWORD>>{{1, 3}, {10, 12}}));
    EXPECT_TRUE(list.GetRowSpans(40, starts, ends, TRUE));
    EXPECT_EQ(Spans(starts, ends), (std::vector<std::pair<DWORD, DWORD>>{{2, 3}}));
    // The table covers every row whatever coordinates it kept.
    CGERangeList table;
    Fill(table, {R(7, 7, 9, 9).SetTable()});
    EXPECT_TRUE(table.GetRowSpans(40, starts, ends, TRUE));
    EXPECT_EQ(Spans(starts, ends), (std::vector<std::pair<DWORD, DWORD>>{{0, 40}}));
}

TEST(CGERangeList, StoringDropsInvalidRanges) {
    CGERangeList list;
    Fill(list, {Invalid(R(1, 1, 2, 2))});
    const Bytes bytes = archive_test::Store([&](CArchive& ar) { list.Serialize(ar); });
    EXPECT_EQ(bytes, (Bytes{1, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(list.IsEmpty());
}

TEST(CGERangeList, ArchiveRoundTripAppendsToWhatTheListHeld) {
    CGERangeList src;
    Fill(src, {R(1, 2, 3, 4), Rows(5, 6), Cols(7, 8), CGECellRange().SetTable()});
    const Bytes bytes = archive_test::Store([&](CArchive& ar) { src.Serialize(ar); });
    EXPECT_EQ(bytes.size(), 2u + 4u + 4u * 18u);
    CGERangeList back;
    Fill(back, {R(9, 9, 9, 9)});
    archive_test::Load(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    std::vector<CGECellRange> expected = {R(9, 9, 9, 9)};
    for (const CGECellRange& r : Contents(src))
        expected.push_back(r);
    EXPECT_EQ(Describe(Contents(back)), Describe(expected));
}

TEST(CGERangeList, DamagedArchivesAreRefused) {
    CGERangeList list;
    const auto cause = [&](const Bytes& bytes) {
        return archive_test::CauseOf<CArchiveException>(
            [&] { archive_test::Load(bytes, [&](CArchive& ar) { list.Serialize(ar); }); });
    };
    EXPECT_EQ(cause({2, 0, 0, 0, 0, 0}), CArchiveException::badSchema);
    EXPECT_TRUE(list.IsEmpty());
    // A count larger than the ranges present: the ranges read stay owned by the list.
    Bytes oneOfTwo = {1, 0, 2, 0, 0, 0};
    const Bytes range = archive_test::Store([](CArchive& ar) { ar << CGECellRange(1, 1, 1, 1); });
    oneOfTwo.insert(oneOfTwo.end(), range.begin(), range.end());
    EXPECT_EQ(cause(oneOfTwo), CArchiveException::endOfFile);
    EXPECT_EQ(list.GetCount(), 1);
}

TEST(CGERangeList, LoaderSurvivesFuzzing) {
    CGERangeList src;
    Fill(src, {R(1, 2, 3, 4), Rows(5, 6), Cols(7, 8)});
    const Bytes bytes = archive_test::Store([&](CArchive& ar) { src.Serialize(ar); });
    grid_test::FuzzLoader(bytes, [](CArchive& ar) {
        CGERangeList list;
        list.Serialize(ar);
    });
}

} // namespace
