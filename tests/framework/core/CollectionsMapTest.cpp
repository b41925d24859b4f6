// Maps: inserting, overwriting, looking up, removing while walking, hash table sizes, order,
// ownership and the typed pointer wrapper.
#include "framework/core/CMap.h"
#include "framework/core/CMapPtrToPtr.h"
#include "framework/core/CMapPtrToWord.h"
#include "framework/core/CMapStringToOb.h"
#include "framework/core/CMapStringToPtr.h"
#include "framework/core/CMapStringToString.h"
#include "framework/core/CMapWordToOb.h"
#include "framework/core/CMapWordToPtr.h"
#include "framework/core/CNotSupportedException.h"
#include "framework/core/CTypedPtrMap.h"

#include "framework/core/CollectionsTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

using collections_test::ThrowsFramework;

namespace {

// Every entry of a map, in the order the map walks them.
template <class Map, class Key, class Value> std::vector<std::pair<Key, Value>> Entries(const Map& map) {
    std::vector<std::pair<Key, Value>> out;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        Key key{};
        Value value{};
        map.GetNextAssoc(pos, key, value);
        out.emplace_back(key, value);
    }
    return out;
}

template <class Map, class Key, class Value> std::map<Key, Value> Sorted(const Map& map) {
    const auto entries = Entries<Map, Key, Value>(map);
    return std::map<Key, Value>(entries.begin(), entries.end());
}

std::map<std::string, std::string> SortedStrings(const CMapStringToString& map) {
    std::map<std::string, std::string> out;
    for (const auto& [key, value] : Entries<CMapStringToString, CString, CString>(map))
        out.emplace(key.GetString(), value.GetString());
    return out;
}

TEST(CollectionMap, SetAtOverwritesAndKeysAreCaseSensitive) {
    CMapStringToString map;
    map.SetAt("Key", "1");
    map.SetAt("key", "2");
    map.SetAt("Key", "3");
    map["KEY"] = "4";
    EXPECT_EQ(map.GetCount(), 3);
    EXPECT_EQ(map.GetSize(), 3);
    CString value;
    EXPECT_TRUE(map.Lookup("Key", value));
    EXPECT_EQ(value, "3");
    EXPECT_TRUE(map.Lookup(CString("key"), value));
    EXPECT_EQ(value, "2");
    EXPECT_EQ(SortedStrings(map),
              (std::map<std::string, std::string>{{"KEY", "4"}, {"Key", "3"}, {"key", "2"}}));
}

TEST(CollectionMap, LookupOfMissingKeyLeavesValueAlone) {
    CMapStringToPtr map;
    int target = 0;
    void* value = &target;
    EXPECT_FALSE(map.Lookup("absent", value));
    map.SetAt("present", nullptr);
    EXPECT_FALSE(map.Lookup("Present", value));
    EXPECT_EQ(value, &target);
    EXPECT_TRUE(map.Lookup("present", value));
    EXPECT_EQ(value, nullptr);
    EXPECT_FALSE(map.RemoveKey("absent"));
    CMapStringToPtr empty;
    EXPECT_FALSE(empty.RemoveKey("x"));
    EXPECT_EQ(empty.GetStartPosition(), nullptr);
}

TEST(CollectionMap, IndexOperatorInsertsZeroValues) {
    CMapStringToPtr pointers;
    EXPECT_EQ(pointers["new"], nullptr);
    CMapPtrToWord words;
    int anchor = 0;
    EXPECT_EQ(words[&anchor], 0);
    words[&anchor] += 7;
    CMapStringToString strings;
    EXPECT_TRUE(strings["empty"].IsEmpty());
    CMapWordToPtr byWord;
    byWord[3] = &anchor;
    EXPECT_EQ(pointers.GetCount(), 1);
    EXPECT_EQ(strings.GetCount(), 1);
    WORD word = 0;
    EXPECT_TRUE(words.Lookup(&anchor, word));
    EXPECT_EQ(word, 7);
    void* found = nullptr;
    EXPECT_TRUE(byWord.Lookup(3, found));
    EXPECT_EQ(found, &anchor);
}

struct MapShape {
    UINT hashSize;
    INT_PTR blockSize;
};

void PrintTo(const MapShape& shape, std::ostream* os) {
    *os << "hash " << shape.hashSize << ", block " << shape.blockSize;
}

// Small tables force long chains; block sizes below one count as one.
class CollectionMapShapes : public testing::TestWithParam<MapShape> {};

TEST_P(CollectionMapShapes, RemovingWhileWalkingVisitsEveryEntryOnce) {
    CMap<int, int, int, int> map(GetParam().blockSize);
    map.InitHashTable(GetParam().hashSize);
    EXPECT_EQ(map.GetHashTableSize(), GetParam().hashSize);
    for (int key = 0; key < 200; ++key)
        map[key * 37] = key;
    ASSERT_EQ(map.GetCount(), 200);

    // Remove the entries with an odd value as they are visited; the position has already moved on.
    std::map<int, int> visited;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        int key = 0;
        int value = 0;
        map.GetNextAssoc(pos, key, value);
        ++visited[key];
        if (value % 2 != 0) {
            EXPECT_TRUE(map.RemoveKey(key));
        }
    }
    EXPECT_EQ(visited.size(), 200u);
    for (const auto& [key, times] : visited)
        EXPECT_EQ(times, 1) << key;

    std::map<int, int> expected;
    for (int key = 0; key < 200; key += 2)
        expected[key * 37] = key;
    EXPECT_EQ((Sorted<CMap<int, int, int, int>, int, int>(map)), expected);

    // Removing everything while walking, then refilling, works on the same map.
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        int key = 0;
        int value = 0;
        map.GetNextAssoc(pos, key, value);
        map.RemoveKey(key);
    }
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(map.GetStartPosition(), nullptr);
    map.SetAt(5, 6);
    int value = 0;
    EXPECT_TRUE(map.Lookup(5, value));
    EXPECT_EQ(value, 6);
    EXPECT_EQ(map.GetHashTableSize(), GetParam().hashSize);
}

INSTANTIATE_TEST_SUITE_P(Shapes, CollectionMapShapes,
                         testing::Values(MapShape{1, 1}, MapShape{7, 3}, MapShape{10, 10}, MapShape{17, 0},
                                         MapShape{257, 10}, MapShape{1021, -2}));

TEST(CollectionMap, ResizingTheTableKeepsTheEntries) {
    CMapStringToString map;
    EXPECT_EQ(map.GetHashTableSize(), 17u);
    for (int i = 0; i < 50; ++i) {
        CString key;
        key.Format("key%d", i);
        map[key] = key + "!";
    }
    map.InitHashTable(3, FALSE);
    EXPECT_EQ(map.GetHashTableSize(), 3u);
    map.InitHashTable(257);
    ASSERT_EQ(map.GetCount(), 50);
    for (int i = 0; i < 50; ++i) {
        CString key;
        key.Format("key%d", i);
        CString value;
        ASSERT_TRUE(map.Lookup(key, value)) << i;
        EXPECT_EQ(value, key + "!");
    }
    EXPECT_EQ((Entries<CMapStringToString, CString, CString>(map).size()), 50u);
}

TEST(CollectionMap, SameOperationsGiveSameOrder) {
    auto build = [](CMapStringToString& map) {
        map.InitHashTable(5);
        for (const char* key : {"delta", "alpha", "echo", "bravo", "charlie", "foxtrot", "golf"})
            map[key] = key;
        map.RemoveKey("echo");
        map["alpha"] = "again";
    };
    CMapStringToString first;
    CMapStringToString second;
    build(first);
    build(second);
    const auto a = Entries<CMapStringToString, CString, CString>(first);
    EXPECT_EQ(a.size(), 6u);
    const auto b = Entries<CMapStringToString, CString, CString>(second);
    EXPECT_EQ(a, b);
}

TEST(CollectionMap, GetNextAssocAtTheEndThrows) {
    CMapWordToPtr map;
    map[1] = nullptr;
    POSITION pos = map.GetStartPosition();
    WORD key = 0;
    void* value = nullptr;
    map.GetNextAssoc(pos, key, value);
    EXPECT_EQ(pos, nullptr);
    EXPECT_TRUE(ThrowsFramework<CNotSupportedException>([&] { map.GetNextAssoc(pos, key, value); }));
}

TEST(CollectionMap, RemoveAllEmptiesButKeepsTheTableSize) {
    CMapPtrToPtr map(4);
    map.InitHashTable(10);
    int cells[20] = {};
    for (int& cell : cells)
        map[&cell] = &cell + 1;
    EXPECT_EQ(map.GetCount(), 20);
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    void* value = nullptr;
    EXPECT_FALSE(map.Lookup(&cells[0], value));
    EXPECT_EQ(map.GetHashTableSize(), 10u);
    map.SetAt(&cells[1], &cells[2]);
    EXPECT_TRUE(map.Lookup(&cells[1], value));
    EXPECT_EQ(value, &cells[2]);
}

class CountedObject : public CObject {
public:
    explicit CountedObject(int& destroyed) : m_destroyed(destroyed) {}
    ~CountedObject() override { ++m_destroyed; }

private:
    int& m_destroyed;
};

TEST(CollectionMap, ObjectMapsNeverDeleteTheirValues) {
    int destroyed = 0;
    CountedObject a(destroyed), b(destroyed);
    {
        CMapStringToOb byName;
        byName["a"] = &a;
        byName["b"] = &b;
        byName.RemoveKey("a");
        byName["b"] = &a; // overwriting drops the old pointer without deleting it
        CMapWordToOb byWord;
        byWord[1] = &a;
        byWord[2] = &b;
        byWord.RemoveAll();
        byWord[3] = &b;
    }
    EXPECT_EQ(destroyed, 0);
}

// ---- typed pointer map ----

class CMapItem : public CObject {
public:
    explicit CMapItem(int v = 0) : value(v) {}
    int value;
};
class CMapOther : public CObject {};

template <class M, class K, class V>
concept CanSetAt = requires(M m, K k, V v) {
    m.SetAt(k, v);
};

using ItemsByName = CTypedPtrMap<CMapStringToOb, CString, CMapItem*>;
using ItemsByWindow = CTypedPtrMap<CMapPtrToPtr, HWND, CMapItem*>;
static_assert(CanSetAt<ItemsByName, const char*, CMapItem*>);
static_assert(!CanSetAt<ItemsByName, const char*, CMapOther*>);
static_assert(!CanSetAt<ItemsByName, const char*, CObject*>);
static_assert(!CanSetAt<ItemsByWindow, HWND, int*>);
static_assert(std::is_same_v<decltype(std::declval<ItemsByName&>()["x"]), CMapItem*&>);

TEST(CollectionTypedMap, StringKeysToObjects) {
    CMapItem one(1), two(2);
    ItemsByName map(5);
    map.SetAt("one", &one);
    map["two"] = &two;
    CMapItem* found = nullptr;
    ASSERT_TRUE(map.Lookup("two", found));
    EXPECT_EQ(found->value, 2);
    EXPECT_FALSE(map.Lookup("Two", found));
    int sum = 0;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        CString key;
        CMapItem* item = nullptr;
        map.GetNextAssoc(pos, key, item);
        EXPECT_EQ(key, item == &one ? "one" : "two");
        sum += item->value;
    }
    EXPECT_EQ(sum, 3);
    EXPECT_TRUE(map.RemoveKey("one"));
    EXPECT_EQ(map.GetCount(), 1);
}

TEST(CollectionTypedMap, WindowHandlesToObjects) {
    CMapItem item(9);
    ItemsByWindow map;
    map.InitHashTable(10);
    const HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x1234));
    map.SetAt(window, &item);
    CMapItem* found = nullptr;
    ASSERT_TRUE(map.Lookup(window, found));
    EXPECT_EQ(found, &item);
    POSITION pos = map.GetStartPosition();
    HWND key = nullptr;
    map.GetNextAssoc(pos, key, found);
    EXPECT_EQ(key, window);
    EXPECT_EQ(pos, nullptr);
    EXPECT_TRUE(map.RemoveKey(window));
    EXPECT_TRUE(map.IsEmpty());
}

} // namespace
