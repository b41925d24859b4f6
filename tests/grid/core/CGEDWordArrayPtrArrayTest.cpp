// Spanned-cell tables: the slot and value edits, assignment, and the archive form with damaged input.
#include "grid/core/CGEDWordArrayPtrArray.h"

#include "GridArchiveTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using archive_test::Bytes;
constexpr DWORD F = CGEDWordArrayPtrArray::noSpan;

// Slot i holds the single value i * 10 (or is null when listed as such).
void FillSlots(CGEDWordArrayPtrArray& table, std::initializer_list<int> values) {
    for (int v : values) {
        if (v < 0) {
            table.Add(nullptr);
        } else {
            auto* a = new CDWordArray;
            a->Add(static_cast<DWORD>(v));
            table.Add(a);
        }
    }
}

std::string Slots(const CGEDWordArrayPtrArray& table) {
    std::string s;
    for (INT_PTR i = 0; i < table.GetSize(); ++i) {
        const CDWordArray* a = table.GetArray(i);
        s += a == nullptr ? "-" : std::to_string((*a)[0]);
        s += " ";
    }
    return s;
}

std::string Values(const CDWordArray& a) {
    std::string s;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        s += (a[i] == F ? std::string("F") : std::to_string(a[i])) + " ";
    return s;
}

TEST(CGEDWordArrayPtrArray, SlotEdits) {
    struct Case {
        const char* what;
        BOOL (*edit)(CGEDWordArrayPtrArray&);
        BOOL result;
        const char* after;
    };
    const Case cases[] = {
        {"insert 2 at 1", [](CGEDWordArrayPtrArray& t) { return t.InsertSlots(1, 2); }, TRUE,
         "0 - - 1 2 3 4 5 "},
        {"insert past the end", [](CGEDWordArrayPtrArray& t) { return t.InsertSlots(6, 2); }, TRUE,
         "0 1 2 3 4 5 "},
        {"insert too far", [](CGEDWordArrayPtrArray& t) { return t.InsertSlots(1, 0x7FFFFFFF); }, FALSE,
         "0 1 2 3 4 5 "},
        {"remove 1..2", [](CGEDWordArrayPtrArray& t) { return t.RemoveSlots(1, 2); }, TRUE, "0 3 4 5 "},
        {"remove 4..99", [](CGEDWordArrayPtrArray& t) { return t.RemoveSlots(4, 99); }, TRUE, "0 1 2 3 "},
        {"remove past the end", [](CGEDWordArrayPtrArray& t) { return t.RemoveSlots(6, 7); }, FALSE,
         "0 1 2 3 4 5 "},
        {"move 1..2 down to 4", [](CGEDWordArrayPtrArray& t) { return t.MoveSlots(1, 2, 4); }, TRUE,
         "0 3 4 5 1 2 "},
        {"move 4..5 up to 1", [](CGEDWordArrayPtrArray& t) { return t.MoveSlots(4, 5, 1); }, TRUE,
         "0 4 5 1 2 3 "},
        {"move onto itself", [](CGEDWordArrayPtrArray& t) { return t.MoveSlots(2, 3, 2); }, TRUE,
         "0 1 2 3 4 5 "},
        {"move past the end", [](CGEDWordArrayPtrArray& t) { return t.MoveSlots(7, 8, 9); }, TRUE,
         "0 1 2 3 4 5 "},
        {"move 5 to 7", [](CGEDWordArrayPtrArray& t) { return t.MoveSlots(5, 5, 7); }, TRUE,
         "0 1 2 3 4 - - 5 "},
        {"move refused", [](CGEDWordArrayPtrArray& t) { return t.MoveSlots(0x80000000, 1, 2); }, FALSE,
         "0 1 2 3 4 5 "},
    };
    for (const Case& c : cases) {
        CGEDWordArrayPtrArray table;
        FillSlots(table, {0, 1, 2, 3, 4, 5});
        EXPECT_EQ(c.edit(table), c.result) << c.what;
        EXPECT_EQ(Slots(table), c.after) << c.what;
    }
    CGEDWordArrayPtrArray empty;
    EXPECT_FALSE(empty.InsertSlots(0, 1));
    EXPECT_FALSE(empty.RemoveSlots(0, 1));
    EXPECT_FALSE(empty.MoveSlots(0, 1, 3));
    EXPECT_FALSE(empty.InsertValues(0, 1));
}

TEST(CGEDWordArrayPtrArray, ValueEdits) {
    CGEDWordArrayPtrArray table;
    CDWordArray& shortOne = table.GetOrCreateArray(0);
    shortOne.Add(7);
    CDWordArray& longOne = table.GetOrCreateArray(2);
    for (DWORD v : {1, 2, 3, 4})
        longOne.Add(v);
    EXPECT_EQ(table.GetArray(1), nullptr);

    EXPECT_TRUE(table.InsertValues(1, 2)); // the short array ends before index 1
    EXPECT_EQ(Values(shortOne), "7 ");
    EXPECT_EQ(Values(longOne), "1 F F 2 3 4 ");
    EXPECT_TRUE(table.RemoveValues(1, 2));
    EXPECT_EQ(Values(longOne), "1 2 3 4 ");
    EXPECT_TRUE(table.MoveValues(0, 0, 5)); // grows the arrays with empty entries, never with 0
    EXPECT_EQ(Values(shortOne), "F F F F F 7 ");
    EXPECT_EQ(Values(longOne), "2 3 4 F F 1 ");
    EXPECT_TRUE(table.RemoveValues(3, 100));
    EXPECT_EQ(Values(longOne), "2 3 4 ");
}

TEST(CGEDWordArrayPtrArray, AssignmentCopiesDeeplyAndFillsNullSlots) {
    CGEDWordArrayPtrArray src, dest;
    FillSlots(src, {5, -1, 6});
    FillSlots(dest, {1, 2, 3, 4});
    dest = src;
    ASSERT_EQ(dest.GetSize(), 3);
    EXPECT_NE(dest.GetArray(0), src.GetArray(0));
    EXPECT_EQ((*dest.GetArray(0))[0], 5u);
    ASSERT_NE(dest.GetArray(1), nullptr);
    EXPECT_TRUE(dest.GetArray(1)->IsEmpty());
}

Bytes StoreTable(CGEDWordArrayPtrArray& table) {
    return archive_test::Store([&](CArchive& ar) { table.Serialize(ar); });
}

TEST(CGEDWordArrayPtrArray, ArchiveFormAndRoundTrip) {
    CGEDWordArrayPtrArray table;
    FillSlots(table, {-1, 9, -1});
    const Bytes bytes = StoreTable(table);
    // (The trailing empty slot is not kept on loading.)
    // Version, count 3, slot 1 with its array (count 1, value 9), end marker.
    EXPECT_EQ(bytes, (Bytes{1, 0, 3, 0, 0, 0, 1, 0, 0, 0, 1, 0, 9, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
    CGEDWordArrayPtrArray back;
    FillSlots(back, {1, 2, 3, 4, 5});
    archive_test::Load(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    EXPECT_EQ(Slots(back), "- 9 ");
}

TEST(CGEDWordArrayPtrArray, DamagedArchivesAreRefused) {
    struct Case {
        const char* what;
        Bytes bytes;
        int cause;
    };
    const Case cases[] = {
        {"version 2", {2, 0, 3, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}, CArchiveException::badSchema},
        {"index outside the table", {1, 0, 3, 0, 0, 0, 3, 0, 0, 0, 0, 0}, CArchiveException::badIndex},
        {"index repeated",
         {1, 0, 3, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0},
         CArchiveException::badIndex},
        {"huge count", {1, 0, 0xFE, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF}, CArchiveException::badIndex},
        {"no end marker", {1, 0, 3, 0, 0, 0, 1, 0, 0, 0, 0, 0}, CArchiveException::endOfFile},
    };
    for (const Case& c : cases) {
        CGEDWordArrayPtrArray table;
        FillSlots(table, {1});
        EXPECT_EQ(archive_test::CauseOf<CArchiveException>(
                      [&] { archive_test::Load(c.bytes, [&](CArchive& ar) { table.Serialize(ar); }); }),
                  c.cause)
            << c.what;
        if (c.cause == CArchiveException::badSchema) {
            EXPECT_EQ(table.GetSize(), 0) << c.what; // left empty
        }
    }
}

TEST(CGEDWordArrayPtrArray, LoaderSurvivesFuzzing) {
    CGEDWordArrayPtrArray table;
    FillSlots(table, {-1, 1, 2, -1, 4});
    table.GetOrCreateArray(4).Add(F);
    grid_test::FuzzLoader(StoreTable(table), [](CArchive& ar) {
        CGEDWordArrayPtrArray t;
        t.Serialize(ar);
    });
}

} // namespace
