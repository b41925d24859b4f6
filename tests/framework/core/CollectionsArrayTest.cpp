// Arrays: editing operations, bounds errors, self-referencing inserts, ownership and the typed
// pointer wrapper.
#include "framework/core/CArray.h"
#include "framework/core/CByteArray.h"
#include "framework/core/CDWordArray.h"
#include "framework/core/CNotSupportedException.h"
#include "framework/core/CObArray.h"
#include "framework/core/CPtrArray.h"
#include "framework/core/CStringArray.h"
#include "framework/core/CTypedPtrArray.h"
#include "framework/core/CUIntArray.h"
#include "framework/core/CWordArray.h"

#include "framework/core/CollectionsTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using collections_test::ArrayContents;
using collections_test::ThrowsFramework;

namespace {

using DwVec = std::vector<DWORD>;

void Fill(CDWordArray& array, const DwVec& values) {
    array.RemoveAll();
    for (DWORD v : values)
        array.Add(v);
}

struct ArrayEditCase {
    const char* name;
    std::function<void(CDWordArray& array, CDWordArray& other)> edit;
    DwVec expected;
};

// Every case starts from {10, 20, 30, 40} with other = {1, 2}.
const ArrayEditCase kArrayEdits[] = {
    {"InsertAtFront", [](CDWordArray& a, CDWordArray&) { a.InsertAt(0, 5); }, {5, 10, 20, 30, 40}},
    {"InsertBeforeLast", [](CDWordArray& a, CDWordArray&) { a.InsertAt(3, 5); }, {10, 20, 30, 5, 40}},
    {"InsertSeveral", [](CDWordArray& a, CDWordArray&) { a.InsertAt(2, 7, 3); }, {10, 20, 7, 7, 7, 30, 40}},
    {"InsertAtEnd", [](CDWordArray& a, CDWordArray&) { a.InsertAt(4, 9); }, {10, 20, 30, 40, 9}},
    {"InsertPastEndZeroFillsGap",
     [](CDWordArray& a, CDWordArray&) { a.InsertAt(6, 9, 2); },
     {10, 20, 30, 40, 0, 0, 9, 9}},
    {"InsertZeroCopies", [](CDWordArray& a, CDWordArray&) { a.InsertAt(1, 9, 0); }, {10, 20, 30, 40}},
    {"InsertArrayInMiddle",
     [](CDWordArray& a, CDWordArray& o) { a.InsertAt(1, &o); },
     {10, 1, 2, 20, 30, 40}},
    {"InsertArrayPastEnd",
     [](CDWordArray& a, CDWordArray& o) { a.InsertAt(6, &o); },
     {10, 20, 30, 40, 0, 0, 1, 2}},
    {"InsertArrayIntoItself",
     [](CDWordArray& a, CDWordArray&) { a.InsertAt(2, &a); },
     {10, 20, 10, 20, 30, 40, 30, 40}},
    {"InsertArrayIntoItselfPastEnd",
     [](CDWordArray& a, CDWordArray&) { a.InsertAt(5, &a); },
     {10, 20, 30, 40, 0, 10, 20, 30, 40}},
    {"RemoveFirst", [](CDWordArray& a, CDWordArray&) { a.RemoveAt(0); }, {20, 30, 40}},
    {"RemoveLast", [](CDWordArray& a, CDWordArray&) { a.RemoveAt(3); }, {10, 20, 30}},
    {"RemoveRange", [](CDWordArray& a, CDWordArray&) { a.RemoveAt(1, 2); }, {10, 40}},
    {"RemoveEverything", [](CDWordArray& a, CDWordArray&) { a.RemoveAt(0, 4); }, {}},
    {"ShrinkThenGrowZeroes",
     [](CDWordArray& a, CDWordArray&) {
         a.SetSize(2);
         a.SetSize(5);
     },
     {10, 20, 0, 0, 0}},
    {"ShrinkToZeroThenGrow",
     [](CDWordArray& a, CDWordArray&) {
         a.SetSize(0);
         a.SetSize(2, 16);
     },
     {0, 0}},
    {"SetAtGrowPastEnd", [](CDWordArray& a, CDWordArray&) { a.SetAtGrow(6, 1); }, {10, 20, 30, 40, 0, 0, 1}},
    {"SetAtGrowInside", [](CDWordArray& a, CDWordArray&) { a.SetAtGrow(1, 1); }, {10, 1, 30, 40}},
    {"AppendOther",
     [](CDWordArray& a, CDWordArray& o) { EXPECT_EQ(a.Append(o), 4); },
     {10, 20, 30, 40, 1, 2}},
    {"AppendItself",
     [](CDWordArray& a, CDWordArray&) { EXPECT_EQ(a.Append(a), 4); },
     {10, 20, 30, 40, 10, 20, 30, 40}},
    {"CopyOther", [](CDWordArray& a, CDWordArray& o) { a.Copy(o); }, {1, 2}},
    {"CopyItself", [](CDWordArray& a, CDWordArray&) { a.Copy(a); }, {10, 20, 30, 40}},
    {"SetAtAndElementAt",
     [](CDWordArray& a, CDWordArray&) {
         a.SetAt(0, 11);
         a.ElementAt(1) = 21;
         a[2] += 1;
         a.GetData()[3] = 41;
     },
     {11, 21, 31, 41}},
    {"AddReturnsIndex", [](CDWordArray& a, CDWordArray&) { EXPECT_EQ(a.Add(50), 4); }, {10, 20, 30, 40, 50}},
    {"FreeExtraKeepsElements",
     [](CDWordArray& a, CDWordArray&) {
         a.RemoveAt(2, 2);
         a.FreeExtra();
     },
     {10, 20}},
};

class CollectionArrayEdit : public testing::TestWithParam<ArrayEditCase> {};

TEST_P(CollectionArrayEdit, GivesExpectedContents) {
    const ArrayEditCase& c = GetParam();
    CDWordArray array;
    CDWordArray other;
    Fill(array, {10, 20, 30, 40});
    Fill(other, {1, 2});
    c.edit(array, other);
    EXPECT_EQ(ArrayContents(array), c.expected);
    EXPECT_EQ(array.GetSize(), static_cast<INT_PTR>(c.expected.size()));
    EXPECT_EQ(array.GetCount(), array.GetSize());
    EXPECT_EQ(array.GetUpperBound(), array.GetSize() - 1);
    EXPECT_EQ(array.IsEmpty() != FALSE, c.expected.empty());
    EXPECT_EQ(ArrayContents(other), (DwVec{1, 2}));
}

INSTANTIATE_TEST_SUITE_P(Cases, CollectionArrayEdit, testing::ValuesIn(kArrayEdits),
                         [](const auto& info) { return std::string(info.param.name); });

struct ArrayErrorCase {
    const char* name;
    std::function<void(CDWordArray& array)> misuse;
};

const ArrayErrorCase kArrayErrors[] = {
    {"GetAtNegative", [](CDWordArray& a) { (void)a.GetAt(-1); }},
    {"GetAtSize", [](CDWordArray& a) { (void)a.GetAt(4); }},
    {"ConstIndexPastEnd", [](CDWordArray& a) { (void)static_cast<const CDWordArray&>(a)[4]; }},
    {"IndexPastEnd", [](CDWordArray& a) { a[4] = 1; }},
    {"ElementAtPastEnd", [](CDWordArray& a) { a.ElementAt(100) = 1; }},
    {"SetAtPastEnd", [](CDWordArray& a) { a.SetAt(4, 1); }},
    {"SetAtGrowNegative", [](CDWordArray& a) { a.SetAtGrow(-1, 1); }},
    {"InsertAtNegative", [](CDWordArray& a) { a.InsertAt(-1, 1); }},
    {"InsertNegativeCount", [](CDWordArray& a) { a.InsertAt(1, 1, -2); }},
    {"InsertNullArray", [](CDWordArray& a) { a.InsertAt(1, static_cast<CDWordArray*>(nullptr)); }},
    {"RemoveAtNegative", [](CDWordArray& a) { a.RemoveAt(-1); }},
    {"RemoveAtSize", [](CDWordArray& a) { a.RemoveAt(4); }},
    {"RemoveRangePastEnd", [](CDWordArray& a) { a.RemoveAt(3, 2); }},
    {"RemoveNegativeCount", [](CDWordArray& a) { a.RemoveAt(0, -1); }},
    {"SetSizeNegative", [](CDWordArray& a) { a.SetSize(-1); }},
};

class CollectionArrayError : public testing::TestWithParam<ArrayErrorCase> {};

TEST_P(CollectionArrayError, ThrowsAndLeavesArrayUnchanged) {
    CDWordArray array;
    Fill(array, {10, 20, 30, 40});
    EXPECT_TRUE(ThrowsFramework<CNotSupportedException>([&] { GetParam().misuse(array); }));
    EXPECT_EQ(ArrayContents(array), (DwVec{10, 20, 30, 40}));
}

INSTANTIATE_TEST_SUITE_P(Cases, CollectionArrayError, testing::ValuesIn(kArrayErrors),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CollectionArray, EmptyArrayHasNoDataAndRejectsReads) {
    CByteArray bytes;
    EXPECT_TRUE(bytes.IsEmpty());
    EXPECT_EQ(bytes.GetUpperBound(), -1);
    EXPECT_EQ(bytes.GetData(), nullptr);
    EXPECT_TRUE(ThrowsFramework<CNotSupportedException>([&] { (void)bytes.GetAt(0); }));
}

// Adding or inserting an element of the array itself must survive the reallocation it causes.
TEST(CollectionArray, ElementsOfTheArrayItselfCanBeAddedWhileItGrows) {
    const CString longText("a text long enough to live outside any small-string buffer");
    CStringArray strings;
    strings.Add(longText);
    for (int i = 0; i < 200; ++i) {
        strings.Add(strings[0]);
        strings.InsertAt(0, strings[strings.GetUpperBound()]);
        strings.SetAtGrow(strings.GetSize(), strings[1]);
    }
    ASSERT_EQ(strings.GetSize(), 601);
    for (INT_PTR i = 0; i < strings.GetSize(); ++i)
        ASSERT_EQ(strings[i], longText) << i;
}

TEST(CollectionArray, StringArrayStoresCopiesAndComparesExactly) {
    CStringArray strings;
    char buffer[] = "first";
    strings.Add(buffer);
    strings.Add(CString("sec\0ond", 7));
    strings.InsertAt(1, "middle", 2);
    buffer[0] = 'X';
    EXPECT_EQ(strings[0], "first");
    EXPECT_EQ(strings[3].GetLength(), 7);
    strings.SetSize(6);
    EXPECT_TRUE(strings[5].IsEmpty());
    EXPECT_EQ(ArrayContents(strings),
              (std::vector<CString>{"first", "middle", "middle", CString("sec\0ond", 7), "", ""}));
}

TEST(CollectionArray, IntegerArraysKeepTheirElementWidths) {
    CWordArray words;
    words.Add(0xFFFF);
    words.SetSize(3);
    CUIntArray uints;
    uints.SetAtGrow(2, 0xFFFFFFFFu);
    CByteArray bytes;
    bytes.InsertAt(0, 0xAB, 3);
    EXPECT_EQ(ArrayContents(words), (std::vector<WORD>{0xFFFF, 0, 0}));
    EXPECT_EQ(ArrayContents(uints), (std::vector<UINT>{0, 0, 0xFFFFFFFFu}));
    EXPECT_EQ(ArrayContents(bytes), (std::vector<BYTE>{0xAB, 0xAB, 0xAB}));
}

TEST(CollectionArray, GenericArrayHoldsClassValues) {
    using Values = std::vector<int>;
    CArray<Values> rows;
    rows.SetSize(2, 4);
    rows[1] = Values{2, 2};
    rows.InsertAt(0, Values{1});
    rows.RemoveAt(1);
    rows.SetAtGrow(3, Values{4});
    EXPECT_EQ(ArrayContents(rows), (std::vector<Values>{{1}, {2, 2}, {}, {4}}));
}

class CountedObject : public CObject {
public:
    explicit CountedObject(int& destroyed) : m_destroyed(destroyed) {}
    ~CountedObject() override { ++m_destroyed; }

private:
    int& m_destroyed;
};

TEST(CollectionArray, PointerArraysNeverDeleteTheirElements) {
    int destroyed = 0;
    CountedObject a(destroyed), b(destroyed), c(destroyed);
    {
        CObArray objects;
        objects.Add(&a);
        objects.Add(&b);
        objects.Add(&c);
        objects.RemoveAt(0);
        objects.SetSize(1);
        CPtrArray pointers;
        pointers.Add(&a);
        pointers.RemoveAll();
        pointers.Add(&c);
        objects.InsertAt(0, &c);
    }
    EXPECT_EQ(destroyed, 0);
}

// ---- typed pointer array ----

class CTypedBase : public CObject {
public:
    int value = 0;
};
class CTypedOther : public CObject {};

// A class whose CObject part does not start at the object's address.
struct LeadingPart {
    virtual ~LeadingPart() = default;
    int padding = 7;
};
class CShiftedObject : public LeadingPart, public CObject {
public:
    int value = 0;
};

template <class A, class P>
concept CanAdd = requires(A a, P p) {
    a.Add(p);
};
template <class A, class P>
concept CanSetAt = requires(A a, P p) {
    a.SetAt(0, p);
};

using TypedObArray = CTypedPtrArray<CObArray, CTypedBase*>;
using TypedPtrArray = CTypedPtrArray<CPtrArray, int*>;

static_assert(CanAdd<TypedObArray, CTypedBase*>);
static_assert(!CanAdd<TypedObArray, CTypedOther*>);
static_assert(!CanAdd<TypedObArray, CObject*>);
static_assert(!CanSetAt<TypedObArray, CTypedOther*>);
static_assert(!CanAdd<TypedPtrArray, double*>);
static_assert(std::is_same_v<decltype(std::declval<const TypedObArray&>().GetAt(0)), CTypedBase*>);
static_assert(std::is_same_v<decltype(std::declval<TypedObArray&>()[0]), CTypedBase*&>);

TEST(CollectionTypedArray, GivesBackTheStoredTypeThroughEveryAccessor) {
    CTypedBase first, second;
    TypedObArray array;
    EXPECT_EQ(array.Add(&first), 0);
    array.SetAtGrow(2, &second);
    array.ElementAt(1) = &second;
    array[1]->value = 5;
    EXPECT_EQ(array.GetAt(0), &first);
    EXPECT_EQ(array.GetData()[2], &second);
    EXPECT_EQ(second.value, 5);

    TypedObArray copy;
    copy.Copy(array);
    copy.InsertAt(0, &array);
    copy.Append(array);
    EXPECT_EQ(ArrayContents(copy), (std::vector<CTypedBase*>{&first, &second, &second, &first, &second,
                                                             &second, &first, &second, &second}));
    // The base class view holds the same pointers.
    const CObArray& base = copy;
    EXPECT_EQ(base.GetAt(0), static_cast<CObject*>(&first));
}

TEST(CollectionTypedArray, ConvertsPointersWhoseBasePartIsShifted) {
    CShiftedObject shifted;
    CTypedPtrArray<CObArray, CShiftedObject*> array;
    array.Add(&shifted);
    const auto& constArray = array;
    EXPECT_EQ(constArray.GetAt(0), &shifted);
    EXPECT_EQ(constArray[0]->padding, 7);
    EXPECT_EQ(static_cast<const CObArray&>(array).GetAt(0), static_cast<CObject*>(&shifted));
}

TEST(CollectionTypedArray, PointerArrayOfPlainPointers) {
    int values[3] = {1, 2, 3};
    TypedPtrArray array;
    for (int& v : values)
        array.Add(&v);
    array.RemoveAt(1);
    EXPECT_EQ(*array[1], 3);
    EXPECT_EQ(*array.GetAt(0), 1);
}

} // namespace
