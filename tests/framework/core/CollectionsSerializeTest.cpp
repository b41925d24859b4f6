// Collections in archives: the stored bytes, round trips (values, strings, objects and shared
// objects), loading over existing contents, damaged data and the collections with no stored form.
#include "framework/core/CArchiveException.h"
#include "framework/core/CArray.h"
#include "framework/core/CByteArray.h"
#include "framework/core/CDWordArray.h"
#include "framework/core/CList.h"
#include "framework/core/CMap.h"
#include "framework/core/CMapPtrToPtr.h"
#include "framework/core/CMapPtrToWord.h"
#include "framework/core/CMapStringToOb.h"
#include "framework/core/CMapStringToPtr.h"
#include "framework/core/CMapStringToString.h"
#include "framework/core/CMapWordToOb.h"
#include "framework/core/CMapWordToPtr.h"
#include "framework/core/CNotSupportedException.h"
#include "framework/core/CObArray.h"
#include "framework/core/CObList.h"
#include "framework/core/CPtrArray.h"
#include "framework/core/CPtrList.h"
#include "framework/core/CStringArray.h"
#include "framework/core/CStringList.h"
#include "framework/core/CTypedPtrArray.h"
#include "framework/core/CUIntArray.h"
#include "framework/core/CWordArray.h"

#include "framework/core/CollectionsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using collections_test::ArrayContents;
using collections_test::ForwardContents;
using collections_test::LoadBytes;
using collections_test::StoreBytes;
using collections_test::ThrowsFramework;

// A small archivable object for the object collections (a registered class, so not in the
// anonymous namespace).
class CCollectionArchivedItem : public CObject {
    DECLARE_SERIAL(CCollectionArchivedItem)
public:
    CCollectionArchivedItem() = default;
    explicit CCollectionArchivedItem(LONG v) : value(v) {}
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << value;
        else
            ar >> value;
    }
    LONG value = 0;
};
IMPLEMENT_SERIAL(CCollectionArchivedItem, CObject, 1)

namespace {

using Bytes = std::vector<uint8_t>;

// Deletes the objects a test loaded (collections never delete their elements).
class LoadedObjects {
public:
    void Keep(CObject* object) {
        if (object != nullptr && std::find(m_objects.begin(), m_objects.end(), object) == m_objects.end())
            m_objects.push_back(object);
    }
    ~LoadedObjects() {
        for (CObject* object : m_objects)
            delete object;
    }

private:
    std::vector<CObject*> m_objects;
};

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

// A string in the archive's form for lengths below 255.
Bytes ShortString(const std::string& text) {
    Bytes out{static_cast<uint8_t>(text.size())};
    out.insert(out.end(), text.begin(), text.end());
    return out;
}

struct PinnedCase {
    const char* name;
    std::function<Bytes()> store;
    Bytes expected;
};

const PinnedCase kPinned[] = {
    {"StringArray",
     [] {
         CStringArray a;
         a.Add("ab");
         a.Add("");
         a.Add("xyz");
         return StoreBytes(a);
     },
     {0x03, 0x00, 0x02, 'a', 'b', 0x00, 0x03, 'x', 'y', 'z'}},
    {"EmptyStringArray",
     [] {
         CStringArray a;
         return StoreBytes(a);
     },
     {0x00, 0x00}},
    {"DWordArray",
     [] {
         CDWordArray a;
         a.Add(1);
         a.Add(0x12345678);
         a.Add(0xFFFFFFFF);
         return StoreBytes(a);
     },
     {0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x78, 0x56, 0x34, 0x12, 0xFF, 0xFF, 0xFF, 0xFF}},
    {"WordArray",
     [] {
         CWordArray a;
         a.Add(0x0102);
         a.Add(0xFFFF);
         return StoreBytes(a);
     },
     {0x02, 0x00, 0x02, 0x01, 0xFF, 0xFF}},
    {"ByteArray",
     [] {
         CByteArray a;
         a.Add(0x00);
         a.Add(0x7F);
         a.Add(0xFF);
         return StoreBytes(a);
     },
     {0x03, 0x00, 0x00, 0x7F, 0xFF}},
    {"StringList",
     [] {
         CStringList l;
         l.AddTail("yz");
         l.AddHead("x");
         return StoreBytes(l);
     },
     {0x02, 0x00, 0x01, 'x', 0x02, 'y', 'z'}},
    {"MapStringToStringOneEntry",
     [] {
         CMapStringToString m;
         m["k"] = "value";
         return StoreBytes(m);
     },
     {0x01, 0x00, 0x01, 'k', 0x05, 'v', 'a', 'l', 'u', 'e'}},
    {"GenericIntArray",
     [] {
         CArray<int, int> a;
         a.Add(-1);
         a.Add(2);
         return StoreBytes(a);
     },
     {0x02, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00}},
    {"GenericStringList",
     [] {
         CList<CString> l;
         l.AddTail("a");
         return StoreBytes(l);
     },
     {0x01, 0x00, 0x01, 'a'}},
    {"GenericWordToDWordMap",
     [] {
         CMap<WORD, WORD, DWORD, DWORD> m;
         m[5] = 7;
         return StoreBytes(m);
     },
     {0x01, 0x00, 0x05, 0x00, 0x07, 0x00, 0x00, 0x00}},
};

class CollectionPinnedBytes : public testing::TestWithParam<PinnedCase> {};

TEST_P(CollectionPinnedBytes, StoresTheExpectedBytes) {
    EXPECT_EQ(GetParam().store(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CollectionPinnedBytes, testing::ValuesIn(kPinned),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CollectionSerialize, LargeCountsUseTheLongCountForm) {
    CByteArray small;
    small.SetSize(0xFFFE);
    small[0xFFFD] = 0x5A;
    const Bytes smallBytes = StoreBytes(small);
    ASSERT_EQ(smallBytes.size(), 2u + 0xFFFE);
    EXPECT_EQ(Bytes(smallBytes.begin(), smallBytes.begin() + 2), (Bytes{0xFE, 0xFF}));
    EXPECT_EQ(smallBytes.back(), 0x5A);

    CByteArray large;
    large.SetSize(0x10001);
    large[0x10000] = 0xA5;
    const Bytes largeBytes = StoreBytes(large);
    ASSERT_EQ(largeBytes.size(), 6u + 0x10001);
    EXPECT_EQ(Bytes(largeBytes.begin(), largeBytes.begin() + 6), (Bytes{0xFF, 0xFF, 0x01, 0x00, 0x01, 0x00}));

    CByteArray loaded;
    LoadBytes(loaded, largeBytes);
    ASSERT_EQ(loaded.GetSize(), 0x10001);
    EXPECT_EQ(loaded[0x10000], 0xA5);
    EXPECT_EQ(loaded[0], 0);
}

// Entries are stored in the order the map walks them, each as key then value.
TEST(CollectionSerialize, MapStoresEveryEntryInWalkingOrder) {
    CMapStringToString map;
    map["first"] = "1";
    map["second"] = "22";
    map["third"] = "";
    Bytes expected{0x03, 0x00};
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        CString key;
        CString value;
        map.GetNextAssoc(pos, key, value);
        expected = Concat({expected, ShortString(key.GetString()), ShortString(value.GetString())});
    }
    EXPECT_EQ(StoreBytes(map), expected);
}

// Loading replaces whatever the collection held before.
TEST(CollectionSerialize, RoundTripsReplaceExistingContents) {
    CStringArray strings;
    strings.Add("one");
    strings.Add(CString('w', 300)); // needs the longer length form
    strings.Add("");
    CStringArray loadedStrings;
    loadedStrings.Add("stale");
    LoadBytes(loadedStrings, StoreBytes(strings));
    EXPECT_EQ(ArrayContents(loadedStrings), ArrayContents(strings));

    CDWordArray numbers;
    for (DWORD v : {0u, 1u, 0x80000000u, 0xFFFFFFFFu})
        numbers.Add(v);
    CDWordArray loadedNumbers;
    loadedNumbers.SetSize(10);
    LoadBytes(loadedNumbers, StoreBytes(numbers));
    EXPECT_EQ(ArrayContents(loadedNumbers), ArrayContents(numbers));

    CWordArray words;
    words.Add(0xBEEF);
    CWordArray loadedWords;
    loadedWords.Add(1);
    loadedWords.Add(2);
    LoadBytes(loadedWords, StoreBytes(words));
    EXPECT_EQ(ArrayContents(loadedWords), ArrayContents(words));

    CStringList list;
    list.AddTail("b");
    list.AddTail("a");
    CStringList loadedList;
    loadedList.AddTail("stale");
    LoadBytes(loadedList, StoreBytes(list));
    EXPECT_EQ(ForwardContents(loadedList), ForwardContents(list));

    CMapStringToString map;
    map["Key"] = "upper";
    map["key"] = "lower";
    CMapStringToString loadedMap;
    loadedMap["stale"] = "x";
    LoadBytes(loadedMap, StoreBytes(map));
    EXPECT_EQ(loadedMap.GetCount(), 2);
    CString value;
    EXPECT_FALSE(loadedMap.Lookup("stale", value));
    EXPECT_TRUE(loadedMap.Lookup("Key", value));
    EXPECT_EQ(value, "upper");
    EXPECT_TRUE(loadedMap.Lookup("key", value));
    EXPECT_EQ(value, "lower");

    CMap<int, int, CString, const CString&> generic;
    generic[-4] = "minus four";
    generic[70000] = "big";
    CMap<int, int, CString, const CString&> loadedGeneric;
    loadedGeneric[1] = "stale";
    LoadBytes(loadedGeneric, StoreBytes(generic));
    EXPECT_EQ(loadedGeneric.GetCount(), 2);
    EXPECT_TRUE(loadedGeneric.Lookup(70000, value));
    EXPECT_EQ(value, "big");
    EXPECT_TRUE(loadedGeneric.Lookup(-4, value));
    EXPECT_EQ(value, "minus four");
}

TEST(CollectionSerialize, ObjectArrayKeepsNullsAndSharedObjects) {
    CCollectionArchivedItem first(11), second(-22);
    CObArray array;
    array.Add(&first);
    array.Add(&second);
    array.Add(&first);
    array.Add(nullptr);
    CObArray loaded;
    LoadBytes(loaded, StoreBytes(array));
    LoadedObjects owned;
    for (INT_PTR i = 0; i < loaded.GetSize(); ++i)
        owned.Keep(loaded[i]);

    ASSERT_EQ(loaded.GetSize(), 4);
    ASSERT_NE(loaded[0], nullptr);
    ASSERT_NE(loaded[1], nullptr);
    EXPECT_TRUE(loaded[0]->IsKindOf(RUNTIME_CLASS(CCollectionArchivedItem)));
    EXPECT_EQ(static_cast<CCollectionArchivedItem*>(loaded[0])->value, 11);
    EXPECT_EQ(static_cast<CCollectionArchivedItem*>(loaded[1])->value, -22);
    EXPECT_EQ(loaded[2], loaded[0]);
    EXPECT_EQ(loaded[3], nullptr);
    EXPECT_NE(loaded[0], &first);
}

TEST(CollectionSerialize, TypedObjectArrayStoresThroughItsBase) {
    CCollectionArchivedItem item(5);
    CTypedPtrArray<CObArray, CCollectionArchivedItem*> array;
    array.Add(&item);
    CTypedPtrArray<CObArray, CCollectionArchivedItem*> loaded;
    LoadBytes(loaded, StoreBytes(array));
    LoadedObjects owned;
    ASSERT_EQ(loaded.GetSize(), 1);
    owned.Keep(loaded.GetAt(0));
    EXPECT_EQ(loaded.GetAt(0)->value, 5);
}

TEST(CollectionSerialize, ObjectListAndObjectMapsRoundTrip) {
    CCollectionArchivedItem a(1), b(2);
    CObList list;
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddTail(&a);
    CObList loadedList;
    LoadBytes(loadedList, StoreBytes(list));
    LoadedObjects owned;
    for (POSITION pos = loadedList.GetHeadPosition(); pos != nullptr;)
        owned.Keep(loadedList.GetNext(pos));
    ASSERT_EQ(loadedList.GetCount(), 3);
    EXPECT_EQ(static_cast<CCollectionArchivedItem*>(loadedList.GetHead())->value, 1);
    EXPECT_EQ(static_cast<CCollectionArchivedItem*>(loadedList.GetAt(loadedList.FindIndex(1)))->value, 2);
    EXPECT_EQ(loadedList.GetTail(), loadedList.GetHead());

    CMapStringToOb byName;
    byName["a"] = &a;
    byName["b"] = &b;
    CMapStringToOb loadedByName;
    LoadBytes(loadedByName, StoreBytes(byName));
    CObject* found = nullptr;
    ASSERT_TRUE(loadedByName.Lookup("b", found));
    owned.Keep(found);
    EXPECT_EQ(static_cast<CCollectionArchivedItem*>(found)->value, 2);
    ASSERT_TRUE(loadedByName.Lookup("a", found));
    owned.Keep(found);
    EXPECT_EQ(static_cast<CCollectionArchivedItem*>(found)->value, 1);

    CMapWordToOb byWord;
    byWord[0xFFFF] = &b;
    byWord[0] = nullptr;
    CMapWordToOb loadedByWord;
    LoadBytes(loadedByWord, StoreBytes(byWord));
    ASSERT_EQ(loadedByWord.GetCount(), 2);
    ASSERT_TRUE(loadedByWord.Lookup(0xFFFF, found));
    owned.Keep(found);
    EXPECT_EQ(static_cast<CCollectionArchivedItem*>(found)->value, 2);
    ASSERT_TRUE(loadedByWord.Lookup(0, found));
    EXPECT_EQ(found, nullptr);
}

// A count far beyond the data must end in an archive error, not in an attempt to allocate it.
TEST(CollectionSerialize, TruncatedDataThrowsEndOfFile) {
    struct Case {
        const char* name;
        std::function<void(const Bytes&)> load;
        Bytes bytes;
    };
    const Case cases[] = {
        {"DWordArrayHugeCount",
         [](const Bytes& b) {
             CDWordArray a;
             LoadBytes(a, b);
         },
         {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00}},
        {"ByteArrayShort",
         [](const Bytes& b) {
             CByteArray a;
             LoadBytes(a, b);
         },
         {0x05, 0x00, 0x01, 0x02}},
        {"StringListHugeCount",
         [](const Bytes& b) {
             CStringList l;
             LoadBytes(l, b);
         },
         {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x01, 'a'}},
        {"MapMissingValue",
         [](const Bytes& b) {
             CMapStringToString m;
             LoadBytes(m, b);
         },
         {0x01, 0x00, 0x01, 'k'}},
        {"MissingCount",
         [](const Bytes& b) {
             CWordArray a;
             LoadBytes(a, b);
         },
         {0x01}},
    };
    for (const Case& c : cases) {
        bool endOfFile = false;
        try {
            c.load(c.bytes);
        } catch (CArchiveException* e) {
            endOfFile = e->m_cause == CArchiveException::endOfFile;
            e->Delete();
        }
        EXPECT_TRUE(endOfFile) << c.name;
    }
}

// Collections written as objects carry their class name and schema 0 and come back as new objects
// of their class.
TEST(CollectionSerialize, CollectionsTravelAsObjects) {
    CStringArray strings;
    strings.Add("a");
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << static_cast<CObject*>(&strings);
        ar.Close();
    }
    Bytes bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    EXPECT_EQ(bytes, Concat({{0xFF, 0xFF, 0x00, 0x00, 0x0C, 0x00},
                             Bytes{'C', 'S', 't', 'r', 'i', 'n', 'g', 'A', 'r', 'r', 'a', 'y'},
                             {0x01, 0x00, 0x01, 'a'}}));

    file.SeekToBegin();
    CArchive in(&file, CArchive::load);
    std::unique_ptr<CObject> loaded(in.ReadObject(RUNTIME_CLASS(CStringArray)));
    ASSERT_NE(loaded, nullptr);
    ASSERT_TRUE(loaded->IsKindOf(RUNTIME_CLASS(CStringArray)));
    EXPECT_EQ(ArrayContents(*static_cast<CStringArray*>(loaded.get())), std::vector<CString>{"a"});
}

TEST(CollectionSerialize, RunTimeClassesOfTheCollections) {
    struct Case {
        CRuntimeClass* runtimeClass;
        const char* name;
        bool serializable;
    };
    const Case cases[] = {
        {RUNTIME_CLASS(CObList), "CObList", true},
        {RUNTIME_CLASS(CPtrList), "CPtrList", false},
        {RUNTIME_CLASS(CStringList), "CStringList", true},
        {RUNTIME_CLASS(CObArray), "CObArray", true},
        {RUNTIME_CLASS(CPtrArray), "CPtrArray", false},
        {RUNTIME_CLASS(CStringArray), "CStringArray", true},
        {RUNTIME_CLASS(CDWordArray), "CDWordArray", true},
        {RUNTIME_CLASS(CWordArray), "CWordArray", true},
        {RUNTIME_CLASS(CByteArray), "CByteArray", true},
        {RUNTIME_CLASS(CUIntArray), "CUIntArray", false},
        {RUNTIME_CLASS(CMapStringToOb), "CMapStringToOb", true},
        {RUNTIME_CLASS(CMapStringToPtr), "CMapStringToPtr", false},
        {RUNTIME_CLASS(CMapStringToString), "CMapStringToString", true},
        {RUNTIME_CLASS(CMapPtrToPtr), "CMapPtrToPtr", false},
        {RUNTIME_CLASS(CMapWordToOb), "CMapWordToOb", true},
        {RUNTIME_CLASS(CMapWordToPtr), "CMapWordToPtr", false},
        {RUNTIME_CLASS(CMapPtrToWord), "CMapPtrToWord", false},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(c.runtimeClass->m_lpszClassName, c.name);
        EXPECT_TRUE(c.runtimeClass->IsDerivedFrom(RUNTIME_CLASS(CObject))) << c.name;
        EXPECT_EQ(CRuntimeClass::FromName(c.name), c.runtimeClass) << c.name;
        EXPECT_EQ(c.runtimeClass->m_wSchema, c.serializable ? 0u : 0xFFFFu) << c.name;
        std::unique_ptr<CObject> created(c.runtimeClass->CreateObject());
        EXPECT_EQ(created != nullptr, c.serializable) << c.name;
        if (created) {
            EXPECT_EQ(created->GetRuntimeClass(), c.runtimeClass) << c.name;
        }
    }
}

TEST(CollectionSerialize, PointerCollectionsStoreNothing) {
    int target = 0;
    CPtrArray array;
    array.Add(&target);
    CPtrList list;
    list.AddTail(&target);
    CMapPtrToPtr map;
    map[&target] = &target;
    EXPECT_TRUE(StoreBytes(array).empty());
    EXPECT_TRUE(StoreBytes(list).empty());
    EXPECT_TRUE(StoreBytes(map).empty());
    // Loading reads nothing and keeps the contents.
    LoadBytes(array, {});
    EXPECT_EQ(array.GetSize(), 1);
}

TEST(CollectionSerialize, ElementsWithoutArchiveFormAreRefused) {
    CArray<std::string> texts;
    texts.Add("no stored form");
    EXPECT_TRUE(ThrowsFramework<CNotSupportedException>([&] { StoreBytes(texts); }));
    CArray<std::string> empty;
    EXPECT_EQ(StoreBytes(empty), (Bytes{0x00, 0x00}));
}

} // namespace
