// Lists: inserting and removing at every place, removing while walking, searching, node blocks,
// errors, ownership and the typed pointer wrapper.
#include "framework/core/CList.h"
#include "framework/core/CNotSupportedException.h"
#include "framework/core/CObList.h"
#include "framework/core/CPtrList.h"
#include "framework/core/CStringList.h"
#include "framework/core/CTypedPtrList.h"

#include "framework/core/CollectionsTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using collections_test::BackwardContents;
using collections_test::ForwardContents;
using collections_test::ThrowsFramework;

namespace {

using IntList = CList<int, int>;
using IntVec = std::vector<int>;

void Fill(IntList& list, const IntVec& values) {
    for (int v : values)
        list.AddTail(v);
}

struct ListEditCase {
    const char* name;
    std::function<void(IntList& list, IntList& other)> edit;
    IntVec expected;
};

// Every case starts from {1, 2, 3} with other = {7, 8}.
const ListEditCase kListEdits[] = {
    {"InsertBeforeHead", [](IntList& l, IntList&) { l.InsertBefore(l.GetHeadPosition(), 0); }, {0, 1, 2, 3}},
    {"InsertBeforeTail", [](IntList& l, IntList&) { l.InsertBefore(l.GetTailPosition(), 9); }, {1, 2, 9, 3}},
    {"InsertAfterHead", [](IntList& l, IntList&) { l.InsertAfter(l.GetHeadPosition(), 9); }, {1, 9, 2, 3}},
    {"InsertAfterTail", [](IntList& l, IntList&) { l.InsertAfter(l.GetTailPosition(), 4); }, {1, 2, 3, 4}},
    {"InsertBeforeNullIsHead", [](IntList& l, IntList&) { l.InsertBefore(nullptr, 0); }, {0, 1, 2, 3}},
    {"InsertAfterNullIsTail", [](IntList& l, IntList&) { l.InsertAfter(nullptr, 4); }, {1, 2, 3, 4}},
    {"AddHeadAndTail",
     [](IntList& l, IntList&) {
         l.AddHead(0);
         l.AddTail(4);
     },
     {0, 1, 2, 3, 4}},
    {"RemoveAtHead", [](IntList& l, IntList&) { l.RemoveAt(l.GetHeadPosition()); }, {2, 3}},
    {"RemoveAtTail", [](IntList& l, IntList&) { l.RemoveAt(l.GetTailPosition()); }, {1, 2}},
    {"RemoveAtMiddle", [](IntList& l, IntList&) { l.RemoveAt(l.FindIndex(1)); }, {1, 3}},
    {"RemoveHeadReturnsIt", [](IntList& l, IntList&) { EXPECT_EQ(l.RemoveHead(), 1); }, {2, 3}},
    {"RemoveTailReturnsIt", [](IntList& l, IntList&) { EXPECT_EQ(l.RemoveTail(), 3); }, {1, 2}},
    {"RemoveEverythingThenAdd",
     [](IntList& l, IntList&) {
         l.RemoveHead();
         l.RemoveTail();
         l.RemoveAt(l.GetHeadPosition());
         l.AddTail(5);
     },
     {5}},
    {"AddHeadList", [](IntList& l, IntList& o) { l.AddHead(&o); }, {7, 8, 1, 2, 3}},
    {"AddTailList", [](IntList& l, IntList& o) { l.AddTail(&o); }, {1, 2, 3, 7, 8}},
    {"AddHeadItself", [](IntList& l, IntList&) { l.AddHead(&l); }, {1, 2, 3, 1, 2, 3}},
    {"AddTailItself", [](IntList& l, IntList&) { l.AddTail(&l); }, {1, 2, 3, 1, 2, 3}},
    {"SetAtMiddle", [](IntList& l, IntList&) { l.SetAt(l.FindIndex(1), 5); }, {1, 5, 3}},
    {"WriteThroughReferences",
     [](IntList& l, IntList&) {
         l.GetHead() = 0;
         l.GetTail() = 4;
         POSITION pos = l.FindIndex(1);
         l.GetAt(pos) *= 10;
         l.GetNext(pos) += 1;
         EXPECT_EQ(pos, l.GetTailPosition());
     },
     {0, 21, 4}},
    {"RemoveAll", [](IntList& l, IntList&) { l.RemoveAll(); }, {}},
};

class CollectionListEdit : public testing::TestWithParam<ListEditCase> {};

TEST_P(CollectionListEdit, GivesExpectedContentsBothWays) {
    IntList list;
    IntList other;
    Fill(list, {1, 2, 3});
    Fill(other, {7, 8});
    GetParam().edit(list, other);
    EXPECT_EQ(ForwardContents(list), GetParam().expected);
    EXPECT_EQ(BackwardContents(list), GetParam().expected);
    EXPECT_EQ(list.GetCount(), static_cast<INT_PTR>(GetParam().expected.size()));
    EXPECT_EQ(list.GetSize(), list.GetCount());
    EXPECT_EQ(list.IsEmpty() != FALSE, GetParam().expected.empty());
    EXPECT_EQ(ForwardContents(other), (IntVec{7, 8}));
}

INSTANTIATE_TEST_SUITE_P(Cases, CollectionListEdit, testing::ValuesIn(kListEdits),
                         [](const auto& info) { return std::string(info.param.name); });

// Node blocks of every size (a size below one counts as one) give the same list behaviour,
// including reuse of freed nodes.
class CollectionListBlocks : public testing::TestWithParam<INT_PTR> {};

TEST_P(CollectionListBlocks, RemovingWhileWalkingWithSavedPosition) {
    IntList list(GetParam());
    for (int i = 1; i <= 30; ++i)
        list.AddTail(i);
    // Remove the even values; the next position is taken before the current node goes.
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        if (list.GetNext(pos) % 2 == 0)
            list.RemoveAt(current);
    }
    IntVec odd;
    for (int i = 1; i <= 30; i += 2)
        odd.push_back(i);
    EXPECT_EQ(ForwardContents(list), odd);
    EXPECT_EQ(BackwardContents(list), odd);

    // Freed nodes are reused without disturbing the survivors.
    for (int i = 100; i < 110; ++i)
        list.AddHead(i);
    EXPECT_EQ(list.GetCount(), 25);
    EXPECT_EQ(list.GetHead(), 109);
    EXPECT_EQ(list.GetTail(), 29);

    // Walking backwards and removing everything leaves an empty, reusable list.
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;) {
        const POSITION current = pos;
        list.GetPrev(pos);
        list.RemoveAt(current);
    }
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.GetTailPosition(), nullptr);
    list.AddTail(1);
    EXPECT_EQ(ForwardContents(list), IntVec{1});
}

INSTANTIATE_TEST_SUITE_P(Sizes, CollectionListBlocks, testing::Values(1, 2, 10, 64, 0, -3));

// Zero-based index of a position, -1 when it is not in the list.
int IndexOf(const IntList& list, POSITION target) {
    int index = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr; list.GetNext(pos), ++index) {
        if (pos == target)
            return index;
    }
    return -1;
}

TEST(CollectionList, FindWalksOnFromStartAfter) {
    IntList list;
    Fill(list, {5, 1, 5, 2, 5});
    IntVec found;
    for (POSITION pos = list.Find(5); pos != nullptr; pos = list.Find(5, pos))
        found.push_back(IndexOf(list, pos));
    EXPECT_EQ(found, (IntVec{0, 2, 4}));
    EXPECT_EQ(IndexOf(list, list.Find(2, list.FindIndex(1))), 3);
    EXPECT_EQ(list.Find(7), nullptr);
    EXPECT_EQ(list.Find(5, list.GetTailPosition()), nullptr);
}

TEST(CollectionList, FindIndexCoversTheListAndNothingElse) {
    IntList list;
    Fill(list, {10, 11, 12});
    EXPECT_EQ(list.FindIndex(0), list.GetHeadPosition());
    EXPECT_EQ(list.GetAt(list.FindIndex(1)), 11);
    EXPECT_EQ(list.FindIndex(2), list.GetTailPosition());
    EXPECT_EQ(list.FindIndex(3), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
    IntList empty;
    EXPECT_EQ(empty.FindIndex(0), nullptr);
}

TEST(CollectionList, StringListFindIsCaseSensitive) {
    CStringList strings;
    strings.AddTail("Alpha");
    strings.AddTail("alpha");
    strings.AddHead(CString("beta"));
    const POSITION lower = strings.Find("alpha");
    ASSERT_NE(lower, nullptr);
    EXPECT_EQ(lower, strings.GetTailPosition());
    EXPECT_EQ(strings.Find("ALPHA"), nullptr);
    EXPECT_EQ(ForwardContents(strings), (std::vector<CString>{"beta", "Alpha", "alpha"}));
}

struct ListErrorCase {
    const char* name;
    std::function<void(IntList& list)> misuse;
};

const ListErrorCase kListErrors[] = {
    {"GetHead", [](IntList& l) { (void)l.GetHead(); }},
    {"GetTail", [](IntList& l) { (void)static_cast<const IntList&>(l).GetTail(); }},
    {"RemoveHead", [](IntList& l) { l.RemoveHead(); }},
    {"RemoveTail", [](IntList& l) { l.RemoveTail(); }},
    {"GetNextNull",
     [](IntList& l) {
         POSITION pos = nullptr;
         l.GetNext(pos);
     }},
    {"GetPrevNull",
     [](IntList& l) {
         POSITION pos = nullptr;
         l.GetPrev(pos);
     }},
    {"GetAtNull", [](IntList& l) { (void)l.GetAt(nullptr); }},
    {"SetAtNull", [](IntList& l) { l.SetAt(nullptr, 1); }},
    {"RemoveAtNull", [](IntList& l) { l.RemoveAt(nullptr); }},
    {"AddTailNullList", [](IntList& l) { l.AddTail(static_cast<IntList*>(nullptr)); }},
};

class CollectionListError : public testing::TestWithParam<ListErrorCase> {};

TEST_P(CollectionListError, ThrowsOnEmptyListOrNullPosition) {
    IntList list;
    EXPECT_TRUE(ThrowsFramework<CNotSupportedException>([&] { GetParam().misuse(list); }));
    EXPECT_TRUE(list.IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cases, CollectionListError, testing::ValuesIn(kListErrors),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CollectionList, ElementsWithOwnMemoryAreReleasedWithTheirNodes) {
    auto shared = std::make_shared<int>(1);
    {
        CList<std::shared_ptr<int>> list(2);
        for (int i = 0; i < 5; ++i)
            list.AddTail(shared);
        list.RemoveHead();
        list.RemoveAt(list.GetTailPosition());
        EXPECT_EQ(shared.use_count(), 4);
    }
    EXPECT_EQ(shared.use_count(), 1);
}

class CountedObject : public CObject {
public:
    explicit CountedObject(int& destroyed) : m_destroyed(destroyed) {}
    ~CountedObject() override { ++m_destroyed; }

private:
    int& m_destroyed;
};

TEST(CollectionList, PointerListsNeverDeleteTheirElements) {
    int destroyed = 0;
    CountedObject a(destroyed), b(destroyed);
    {
        CObList objects;
        objects.AddTail(&a);
        objects.AddTail(&b);
        objects.RemoveHead();
        CPtrList pointers;
        pointers.AddTail(&a);
        pointers.AddTail(&b);
        pointers.RemoveAll();
        pointers.AddHead(&b);
    }
    EXPECT_EQ(destroyed, 0);
}

// ---- typed pointer list ----

class CListItem : public CObject {
public:
    explicit CListItem(int v = 0) : value(v) {}
    int value;
};
class CListOther : public CObject {};

template <class L, class P>
concept CanAddTail = requires(L l, P p) {
    l.AddTail(p);
};
template <class L, class P>
concept CanInsertBefore = requires(L l, P p) {
    l.InsertBefore(nullptr, p);
};

using TypedObList = CTypedPtrList<CObList, CListItem*>;
static_assert(CanAddTail<TypedObList, CListItem*>);
static_assert(!CanAddTail<TypedObList, CListOther*>);
static_assert(!CanAddTail<TypedObList, CObject*>);
static_assert(!CanInsertBefore<TypedObList, CListOther*>);
static_assert(!CanAddTail<CTypedPtrList<CPtrList, int*>, double*>);
static_assert(
    std::is_same_v<decltype(std::declval<TypedObList&>().GetNext(std::declval<POSITION&>())), CListItem*&>);
static_assert(std::is_same_v<decltype(std::declval<const TypedObList&>().GetHead()), CListItem*>);

TEST(CollectionTypedList, WalksAndEditsWithTheStoredType) {
    CListItem one(1), two(2), three(3);
    TypedObList list(4);
    list.AddTail(&two);
    list.AddHead(&one);
    list.InsertAfter(list.GetTailPosition(), &three);
    int sum = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        sum += list.GetNext(pos)->value;
    EXPECT_EQ(sum, 6);

    TypedObList copy;
    copy.AddTail(&list);
    copy.AddHead(&list);
    EXPECT_EQ(copy.GetCount(), 6);
    EXPECT_EQ(copy.RemoveTail(), &three);
    EXPECT_EQ(copy.RemoveHead(), &one);
    copy.GetHead() = &three;
    EXPECT_EQ(static_cast<const TypedObList&>(copy).GetHead(), &three);
    // Find comes from the base list and takes the typed pointer.
    EXPECT_EQ(list.Find(&two), list.FindIndex(1));
}

} // namespace
