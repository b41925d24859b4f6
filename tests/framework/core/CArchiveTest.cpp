// Archives: the stored bytes of numbers, strings, counts, times and object graphs are pinned,
// because documents and caches written by earlier versions must keep loading.
#include "ArchiveTestSupport.h"

#include "framework/core/CArchive.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using archive_test::Bytes;
using archive_test::CauseOf;
using archive_test::Concat;
using archive_test::Load;
using archive_test::Store;
using archive_test::Text;

// Named (not anonymous): the run-time class macros define functions a test may not call.
namespace archive_classes {

// A serialisable node: a value and a link to another node (possibly itself or null).
class CArcNode : public CObject {
    DECLARE_SERIAL(CArcNode)
public:
    CArcNode() { ++s_live; }
    explicit CArcNode(LONG value) : CArcNode() { m_value = value; }
    ~CArcNode() override { --s_live; }

    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar << m_value;
            ar << m_pNext;
        } else {
            ar >> m_value;
            CObject* next = nullptr;
            ar >> next;
            m_pNext = static_cast<CArcNode*>(next);
        }
    }

    LONG m_value = 0;
    CArcNode* m_pNext = nullptr; // not owned
    static inline int s_live = 0;
};

// A leaf with a value only, for graphs whose bytes are pinned.
class CArcLeaf : public CObject {
    DECLARE_SERIAL(CArcLeaf)
public:
    CArcLeaf() = default;
    explicit CArcLeaf(WORD value) : m_value(value) {}
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << m_value;
        else
            ar >> m_value;
    }
    WORD m_value = 0;
};

class CArcOther : public CObject {
    DECLARE_SERIAL(CArcOther)
public:
    CArcOther() = default;
};

// Versionable: loads every schema and records what the loader was told.
class CArcVersioned : public CObject {
    DECLARE_SERIAL(CArcVersioned)
public:
    CArcVersioned() = default;
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar << m_text;
            return;
        }
        m_schema = ar.GetObjectSchema();
        m_schemaAgain = ar.GetObjectSchema();
        ar >> m_text;
    }
    CString m_text;
    UINT m_schema = 0;
    UINT m_schemaAgain = 0;
};

class CArcDynamic : public CObject {
    DECLARE_DYNAMIC(CArcDynamic)
};

IMPLEMENT_SERIAL(CArcNode, CObject, 1)
IMPLEMENT_SERIAL(CArcLeaf, CObject, 7)
IMPLEMENT_SERIAL(CArcOther, CObject, 1)
IMPLEMENT_SERIAL(CArcVersioned, CObject, VERSIONABLE_SCHEMA | 2)
IMPLEMENT_DYNAMIC(CArcDynamic, CObject)

Bytes Le16(unsigned v) {
    return {BYTE(v), BYTE(v >> 8)};
}
Bytes Le32(unsigned long v) {
    return {BYTE(v), BYTE(v >> 8), BYTE(v >> 16), BYTE(v >> 24)};
}

// The stored description of a class seen for the first time.
Bytes NewClass(WORD schema, const std::string& name) {
    return Concat({{0xFF, 0xFF}, Le16(schema), Le16(static_cast<unsigned>(name.size())), Text(name)});
}

template <class F> int ArchiveCause(F&& f) {
    return CauseOf<CArchiveException>(std::forward<F>(f));
}

} // namespace archive_classes

using namespace archive_classes;

// bool has no stored form: writing one must be an explicit choice of size.
template <class T> constexpr bool Storable = requires(CArchive& ar, T value) {
    ar << value;
};
template <class T> constexpr bool Loadable = requires(CArchive& ar, T& value) {
    ar >> value;
};
static_assert(Storable<BYTE> && Storable<int> && Storable<CString> && !Storable<bool>);
static_assert(Loadable<BYTE> && Loadable<int> && Loadable<CString> && !Loadable<bool>);

TEST(CArchive, NumbersAreLittleEndianOfTheirSize) {
    const Bytes bytes = Store([](CArchive& ar) {
        ar << BYTE(0x81) << char('A') << WORD(0x1234) << short(-2) << int(-3) << unsigned(0x89ABCDEF)
           << LONG(0x01020304) << DWORD(0xFEDCBA98) << LONGLONG(-5) << ULONGLONG(0x1122334455667788ULL)
           << 1.5f << -2.25;
    });
    const Bytes expected = {
        0x81, 'A',  0x34, 0x12, 0xFE, 0xFF, 0xFD, 0xFF, 0xFF, 0xFF, 0xEF, 0xCD, 0xAB, 0x89,
        0x04, 0x03, 0x02, 0x01, 0x98, 0xBA, 0xDC, 0xFE, 0xFB, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
        0xFF, 0xFF, 0x88, 0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0x11, 0x00, 0x00, 0xC0, 0x3F, // 1.5f
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0xC0,                                     // -2.25
    };
    EXPECT_EQ(bytes, expected);

    Load(bytes, [](CArchive& ar) {
        BYTE b;
        char c;
        WORD w;
        short s;
        int i;
        unsigned u;
        LONG l;
        DWORD dw;
        LONGLONG ll;
        ULONGLONG ull;
        float f;
        double d;
        ar >> b >> c >> w >> s >> i >> u >> l >> dw >> ll >> ull >> f >> d;
        EXPECT_EQ(b, 0x81);
        EXPECT_EQ(c, 'A');
        EXPECT_EQ(w, 0x1234);
        EXPECT_EQ(s, -2);
        EXPECT_EQ(i, -3);
        EXPECT_EQ(u, 0x89ABCDEFu);
        EXPECT_EQ(l, 0x01020304);
        EXPECT_EQ(dw, 0xFEDCBA98u);
        EXPECT_EQ(ll, -5);
        EXPECT_EQ(ull, 0x1122334455667788ULL);
        EXPECT_EQ(f, 1.5f);
        EXPECT_EQ(d, -2.25);
        EXPECT_TRUE(ar.IsBufferEmpty());
    });
}

TEST(CArchive, StringLengthPrefixes) {
    const struct {
        size_t length;
        Bytes prefix;
    } cases[] = {
        {0, {0x00}},
        {1, {0x01}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {256, {0xFF, 0x00, 0x01}},
        {0xFFFD, {0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const auto& c : cases) {
        std::string text(c.length, '\0');
        for (size_t i = 0; i < c.length; ++i)
            text[i] = static_cast<char>('a' + i % 26);
        const CString value(text.c_str(), static_cast<int>(text.size()));
        const Bytes bytes = Store([&](CArchive& ar) { ar << value; });
        EXPECT_EQ(bytes, Concat({c.prefix, Text(text)})) << "length " << c.length;

        CString loaded("not empty");
        Load(bytes, [&](CArchive& ar) {
            ar >> loaded;
            EXPECT_TRUE(ar.IsBufferEmpty());
        });
        EXPECT_EQ(loaded.GetLength(), static_cast<int>(c.length));
        EXPECT_TRUE(loaded == value) << "length " << c.length;
    }
}

TEST(CArchive, StringsKeepEmbeddedZerosAndLiteralsStoreAsStrings) {
    const CString withZero("a\0b", 3);
    const Bytes bytes = Store([&](CArchive& ar) { ar << withZero << "xy"; });
    EXPECT_EQ(bytes, (Bytes{0x03, 'a', 0x00, 'b', 0x02, 'x', 'y'}));
    Load(bytes, [](CArchive& ar) {
        CString a;
        CString b;
        ar >> a >> b;
        EXPECT_EQ(a.GetLength(), 3);
        EXPECT_TRUE(b == "xy");
    });
}

TEST(CArchive, LoadsStringsMarkedAsUtf16) {
    const Bytes bytes = {0xFF, 0xFE, 0xFF, 0x03, 'a', 0, 0xFC, 0, 'c', 0}; // "a\u00FCc"
    Load(bytes, [](CArchive& ar) {
        CString s;
        ar >> s;
        EXPECT_STREQ(s, "a\xFC"
                        "c");
    });
}

TEST(CArchive, CorruptStringLengthIsEndOfFileNotAHugeAllocation) {
    const Bytes bytes = {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F, 'a', 'b'};
    EXPECT_EQ(ArchiveCause([&] {
                  Load(bytes, [](CArchive& ar) {
                      CString s;
                      ar >> s;
                  });
              }),
              CArchiveException::endOfFile);
}

TEST(CArchive, CountsUseSixteenBitsWithAThirtyTwoBitEscape) {
    const struct {
        DWORD_PTR count;
        Bytes bytes;
    } cases[] = {
        {0, {0x00, 0x00}},
        {1, {0x01, 0x00}},
        {0xFFFE, {0xFE, 0xFF}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {0x10000, {0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}},
        {0x12345678, {0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12}},
    };
    for (const auto& c : cases) {
        const Bytes bytes = Store([&](CArchive& ar) { ar.WriteCount(c.count); });
        EXPECT_EQ(bytes, c.bytes) << "count " << c.count;
        Load(bytes, [&](CArchive& ar) { EXPECT_EQ(ar.ReadCount(), c.count); });
    }
}

TEST(CArchive, TimesAndSpansAreThirtyTwoBitSeconds) {
    const CTime time(static_cast<__time64_t>(0x65A1B2C3));
    const CTimeSpan span(static_cast<__time64_t>(-90));
    const CTime late(static_cast<__time64_t>(0xF0000000)); // after 2038: kept unsigned
    const Bytes bytes = Store([&](CArchive& ar) { ar << time << span << late; });
    EXPECT_EQ(bytes, Concat({Le32(0x65A1B2C3), Le32(0xFFFFFFA6), Le32(0xF0000000)}));
    Load(bytes, [](CArchive& ar) {
        CTime t;
        CTimeSpan s;
        CTime l;
        ar >> t >> s >> l;
        EXPECT_EQ(t.GetTime(), 0x65A1B2C3);
        EXPECT_EQ(s.GetTimeSpan(), -90);
        EXPECT_EQ(l.GetTime(), 0xF0000000LL);
    });
}

TEST(CArchive, TimesWithoutAThirtyTwoBitFormAreRefused) {
    const auto storeTime = [](__time64_t t) {
        return ArchiveCause([&] { Store([&](CArchive& ar) { ar << CTime(t); }); });
    };
    EXPECT_EQ(storeTime(0x100000000LL), CArchiveException::genericException);
    EXPECT_EQ(storeTime(-1), CArchiveException::genericException);
    EXPECT_EQ(ArchiveCause([] { Store([](CArchive& ar) { ar << CTimeSpan(0x80000000LL); }); }),
              CArchiveException::genericException);
}

TEST(CArchive, ObjectGraphUsesClassTagsAndBackReferences) {
    CArcLeaf first(0x0102);
    CArcLeaf second(0x0304);
    CArcOther other;
    const Bytes bytes = Store([&](CArchive& ar) {
        ar << &first << &second << &first << static_cast<CObject*>(nullptr) << &other << &second;
    });
    const Bytes expected = Concat({
        NewClass(7, "CArcLeaf"), Le16(0x0102), // class index 1, object index 2
        Le16(0x8001), Le16(0x0304),            // class back-reference, object index 3
        Le16(0x0002),                          // the first object again
        Le16(0x0000),                          // null
        NewClass(1, "CArcOther"),              // class index 4, object index 5
        Le16(0x0003),                          // the second object again
    });
    EXPECT_EQ(bytes, expected);

    Load(bytes, [](CArchive& ar) {
        CArcLeaf* a = nullptr;
        CArcLeaf* b = nullptr;
        CArcLeaf* a2 = nullptr;
        CObject* none = &*std::make_unique<CArcOther>(); // overwritten with null
        CArcOther* o = nullptr;
        CObject* b2 = nullptr;
        ar >> a >> b >> a2 >> none >> o >> b2;
        std::unique_ptr<CArcLeaf> ownA(a), ownB(b);
        std::unique_ptr<CArcOther> ownO(o);
        ASSERT_NE(a, nullptr);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(a->m_value, 0x0102);
        EXPECT_EQ(b->m_value, 0x0304);
        EXPECT_EQ(a2, a);
        EXPECT_EQ(none, nullptr);
        ASSERT_NE(o, nullptr);
        EXPECT_EQ(o->GetRuntimeClass(), RUNTIME_CLASS(CArcOther));
        EXPECT_EQ(b2, b);
    });
}

TEST(CArchive, CyclesAreStoredOnceAndRestored) {
    CArcNode a(1);
    CArcNode b(2);
    a.m_pNext = &b;
    b.m_pNext = &a;
    const Bytes bytes = Store([&](CArchive& ar) { ar << &a; });
    // a: new class (index 1), object 2, value, then b: class back-reference, object 3,
    // value, then a back-reference to a.
    EXPECT_EQ(bytes, Concat({NewClass(1, "CArcNode"), Le32(1), Le16(0x8001), Le32(2), Le16(0x0002)}));

    Load(bytes, [](CArchive& ar) {
        CArcNode* loaded = nullptr;
        ar >> loaded;
        ASSERT_NE(loaded, nullptr);
        std::unique_ptr<CArcNode> ownA(loaded), ownB(loaded->m_pNext);
        EXPECT_EQ(loaded->m_value, 1);
        ASSERT_NE(loaded->m_pNext, nullptr);
        EXPECT_EQ(loaded->m_pNext->m_value, 2);
        EXPECT_EQ(loaded->m_pNext->m_pNext, loaded);
    });
}

TEST(CArchive, IndicesPastSixteenBitsUseTheBigTag) {
    // Map enough objects beforehand that the next class gets index 0x7FFF.
    std::vector<CArcLeaf> premapped(0x7FFE);
    CArcLeaf x(0xAAAA);
    CArcLeaf y(0xBBBB);
    const Bytes bytes = Store([&](CArchive& ar) {
        for (const CArcLeaf& p : premapped)
            ar.MapObject(&p);
        ar << &x << &y << &x;
    });
    const Bytes expected = Concat({
        NewClass(7, "CArcLeaf"), Le16(0xAAAA),        // class 0x7FFF, x is 0x8000
        Le16(0x7FFF), Le32(0x80007FFF), Le16(0xBBBB), // big class back-reference; y is 0x8001
        Le16(0x7FFF), Le32(0x00008000),               // big object back-reference to x
    });
    EXPECT_EQ(bytes, expected);

    Load(bytes, [&](CArchive& ar) {
        for (const CArcLeaf& p : premapped)
            ar.MapObject(&p);
        CArcLeaf* lx = nullptr;
        CArcLeaf* ly = nullptr;
        CArcLeaf* lx2 = nullptr;
        ar >> lx >> ly >> lx2;
        std::unique_ptr<CArcLeaf> ownX(lx), ownY(ly);
        ASSERT_NE(lx, nullptr);
        ASSERT_NE(ly, nullptr);
        EXPECT_EQ(lx->m_value, 0xAAAA);
        EXPECT_EQ(ly->m_value, 0xBBBB);
        EXPECT_EQ(lx2, lx);
    });
}

TEST(CArchive, MappedObjectsAreWrittenAsReferences) {
    CArcLeaf shared(5);
    const Bytes bytes = Store([&](CArchive& ar) {
        ar.MapObject(&shared);
        ar << &shared;
    });
    EXPECT_EQ(bytes, Le16(0x0001));
    Load(bytes, [&](CArchive& ar) {
        ar.MapObject(&shared);
        CArcLeaf* loaded = nullptr;
        ar >> loaded;
        EXPECT_EQ(loaded, &shared);
    });
}

TEST(CArchive, VersionableSchemaIsReportedOnceToTheLoader) {
    CArcVersioned stored;
    stored.m_text = "v";
    EXPECT_EQ(Store([&](CArchive& ar) { ar << &stored; }), Concat({NewClass(2, "CArcVersioned"), {1, 'v'}}));

    // An older file: schema 1, two objects (the second through a class back-reference).
    const Bytes older = Concat({NewClass(1, "CArcVersioned"), {1, 'a'}, Le16(0x8001), {1, 'b'}});
    Load(older, [](CArchive& ar) {
        CArcVersioned* a = nullptr;
        CArcVersioned* b = nullptr;
        ar >> a >> b;
        std::unique_ptr<CArcVersioned> ownA(a), ownB(b);
        ASSERT_NE(a, nullptr);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(a->m_schema, 1u);
        EXPECT_EQ(a->m_schemaAgain, static_cast<UINT>(-1));
        EXPECT_STREQ(a->m_text, "a");
        EXPECT_EQ(b->m_schema, 1u);
        EXPECT_STREQ(b->m_text, "b");
        EXPECT_EQ(ar.GetObjectSchema(), static_cast<UINT>(-1)); // outside any object
    });
}

TEST(CArchive, LoadErrorsGiveTheirCause) {
    const struct {
        const char* what;
        Bytes bytes;
        int cause;
    } cases[] = {
        {"other schema, not versionable", Concat({NewClass(2, "CArcLeaf"), Le16(1)}),
         CArchiveException::badSchema},
        {"unknown class", Concat({NewClass(1, "CArcNoSuchClass")}), CArchiveException::badClass},
        {"class that cannot be created", Concat({NewClass(0xFFFF, "CArcDynamic")}),
         CArchiveException::badClass},
        {"unrelated class", Concat({Le16(0), NewClass(1, "CArcOther")}), CArchiveException::badClass},
        {"back-reference to an unrelated object", Concat({NewClass(1, "CArcOther"), Le16(0x0002)}),
         CArchiveException::badClass},
        {"object index never written", Le16(0x0005), CArchiveException::badIndex},
        {"class index never written", Le16(0x8003), CArchiveException::badIndex},
        {"class index 0", Le16(0x8000), CArchiveException::badIndex},
        {"object index that is a class", Concat({NewClass(7, "CArcLeaf"), Le16(9), Le16(0x0001)}),
         CArchiveException::badIndex},
        {"big object index never written", Concat({Le16(0x7FFF), Le32(0x00012345)}),
         CArchiveException::badIndex},
        {"empty", {}, CArchiveException::endOfFile},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ArchiveCause([&] {
                      Load(c.bytes, [](CArchive& ar) {
                          // Reads two objects so back-references have something to point to.
                          CObject* first = ar.ReadObject(nullptr);
                          std::unique_ptr<CObject> own(first);
                          CArcLeaf* leaf = nullptr;
                          ar >> leaf;
                          delete leaf;
                      });
                  }),
                  c.cause)
            << c.what;
    }
}

TEST(CArchive, EveryTruncationIsEndOfFileAndLeaksNothing) {
    CArcNode a(0x11111111);
    CArcNode b(0x22222222);
    a.m_pNext = &b;
    const Bytes full = Store([&](CArchive& ar) { ar << &a << CString("tail"); });
    const int liveBefore = CArcNode::s_live;
    for (size_t cut = 0; cut < full.size(); ++cut) {
        const Bytes part(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_EQ(ArchiveCause([&] {
                      Load(part, [](CArchive& ar) {
                          CArcNode* loaded = nullptr;
                          ar >> loaded;
                          ASSERT_NE(loaded, nullptr);
                          std::unique_ptr<CArcNode> own(loaded), ownNext(loaded->m_pNext);
                          CString tail;
                          ar >> tail;
                      });
                  }),
                  CArchiveException::endOfFile)
            << "cut at " << cut;
        EXPECT_EQ(CArcNode::s_live, liveBefore) << "cut at " << cut;
    }
}

TEST(CArchive, RequestedClassMayBeAnyBase) {
    CArcLeaf leaf(3);
    const Bytes bytes = Store([&](CArchive& ar) { ar << &leaf; });
    Load(bytes, [](CArchive& ar) {
        std::unique_ptr<CObject> loaded(ar.ReadObject(RUNTIME_CLASS(CObject)));
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(static_cast<CArcLeaf*>(loaded.get())->m_value, 3);
    });
    EXPECT_EQ(
        ArchiveCause([&] { Load(bytes, [](CArchive& ar) { ar.ReadObject(RUNTIME_CLASS(CArcDynamic)); }); }),
        CArchiveException::badClass);
}

TEST(CArchive, SerializeClassWritesTagsAndSetsTheSchemaOnLoad) {
    const Bytes bytes = Store([](CArchive& ar) {
        ar.SerializeClass(RUNTIME_CLASS(CArcVersioned));
        ar.WriteClass(RUNTIME_CLASS(CArcVersioned));
    });
    EXPECT_EQ(bytes, Concat({NewClass(2, "CArcVersioned"), Le16(0x8001)}));

    const Bytes older = Concat({NewClass(1, "CArcVersioned"), Le16(0x8001)});
    Load(older, [](CArchive& ar) {
        ar.SerializeClass(RUNTIME_CLASS(CArcVersioned));
        EXPECT_EQ(ar.GetObjectSchema(), 1u);
        UINT schema = 0;
        EXPECT_EQ(ar.ReadClass(RUNTIME_CLASS(CObject), &schema), RUNTIME_CLASS(CArcVersioned));
        EXPECT_EQ(schema, 1u);
    });
    EXPECT_EQ(ArchiveCause([&] { Load(older, [](CArchive& ar) { ar.ReadClass(RUNTIME_CLASS(CArcLeaf)); }); }),
              CArchiveException::badClass);
}

TEST(CArchive, WrongDirectionIsRefused) {
    EXPECT_EQ(ArchiveCause([] {
                  Load({1, 2}, [](CArchive& ar) { ar << BYTE(1); });
              }),
              CArchiveException::readOnly);
    EXPECT_EQ(ArchiveCause([] {
                  Load({1, 2}, [](CArchive& ar) { ar.WriteObject(nullptr); });
              }),
              CArchiveException::readOnly);
    EXPECT_EQ(ArchiveCause([] {
                  Store([](CArchive& ar) {
                      BYTE b;
                      ar >> b;
                  });
              }),
              CArchiveException::writeOnly);
    EXPECT_EQ(ArchiveCause([] { Store([](CArchive& ar) { ar.ReadObject(nullptr); }); }),
              CArchiveException::writeOnly);
}

TEST(CArchive, SmallBuffersGiveTheSameBytes) {
    const std::string big(10000, 'q');
    const auto write = [&](CArchive& ar) {
        for (int i = 0; i < 40; ++i)
            ar << LONG(i) << BYTE(i);
        ar << CString(big.c_str());
        ar.Write(big.data(), 33);
        ar << WORD(0xBEEF);
    };
    const Bytes normal = Store(write);
    EXPECT_EQ(Store(write, 16), normal);
    EXPECT_EQ(normal.size(), 40u * 5 + 3 + big.size() + 33 + 2);

    for (int bufSize : {16, 4096}) {
        Load(
            normal,
            [&](CArchive& ar) {
                for (int i = 0; i < 40; ++i) {
                    LONG l;
                    BYTE b;
                    ar >> l >> b;
                    ASSERT_EQ(l, i);
                    ASSERT_EQ(b, i);
                }
                CString s;
                ar >> s;
                EXPECT_EQ(s.GetLength(), 10000);
                char raw[40] = {};
                EXPECT_EQ(ar.Read(raw, 33), 33u);
                WORD w;
                ar >> w;
                EXPECT_EQ(w, 0xBEEF);
                EXPECT_EQ(ar.Read(raw, sizeof raw), 0u); // nothing more
            },
            bufSize);
    }
}

TEST(CArchive, TextLines) {
    const Bytes bytes = Store([](CArchive& ar) {
        ar.WriteString("one\r\ntwo\n");
        ar.WriteString("\nthree\rfour");
    });
    EXPECT_EQ(bytes, Text("one\r\ntwo\n\nthree\rfour"));
    Load(bytes, [](CArchive& ar) {
        std::vector<std::string> lines;
        CString line;
        while (ar.ReadString(line))
            lines.emplace_back(line);
        EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "", "three", "four"}));
    });
    Load(bytes, [](CArchive& ar) {
        char buf[4];
        ASSERT_NE(ar.ReadString(buf, sizeof buf), nullptr);
        EXPECT_STREQ(buf, "one");
        ASSERT_NE(ar.ReadString(buf, sizeof buf), nullptr);
        EXPECT_STREQ(buf, "\n"); // the line end left over from the full buffer
        ASSERT_NE(ar.ReadString(buf, sizeof buf), nullptr);
        EXPECT_STREQ(buf, "two");
    });
    Load({}, [](CArchive& ar) {
        char buf[4];
        CString line("x");
        EXPECT_EQ(ar.ReadString(buf, sizeof buf), nullptr);
        EXPECT_FALSE(ar.ReadString(line));
        EXPECT_TRUE(line.IsEmpty());
    });
}

TEST(CArchive, DestructorFlushesUnlessTold) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << DWORD(7);
        EXPECT_EQ(file.GetLength(), 0u); // still buffered
    }
    EXPECT_EQ(file.GetLength(), 4u);
    {
        CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete);
        ar << DWORD(8);
    }
    EXPECT_EQ(file.GetLength(), 4u);
    {
        CArchive ar(&file, CArchive::store);
        ar << DWORD(9);
        ar.Abort();
    }
    EXPECT_EQ(file.GetLength(), 4u);
}

TEST(CArchive, ClosingALoadingArchiveLeavesTheFileWhereReadingStopped) {
    Bytes bytes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    {
        CArchive ar(&file, CArchive::load);
        EXPECT_TRUE(ar.IsLoading());
        EXPECT_FALSE(ar.IsStoring());
        EXPECT_EQ(ar.GetFile(), &file);
        EXPECT_TRUE(ar.IsBufferEmpty());
        WORD w;
        ar >> w;
        EXPECT_FALSE(ar.IsBufferEmpty()); // read ahead
        ar.Close();
        EXPECT_EQ(ar.GetFile(), nullptr);
    }
    EXPECT_EQ(file.GetPosition(), 2u);
    BYTE next = 0;
    file.Read(&next, 1);
    EXPECT_EQ(next, 3);
}

TEST(CArchive, ArchiveErrorsNameTheFile) {
    archive_test::TempFolder temp;
    const std::string path = temp.File("short.dat");
    archive_test::WriteRawFile(path, "\x01");
    CFile file(path.c_str(), CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    try {
        DWORD dw;
        ar >> dw;
        ADD_FAILURE() << "read past the end";
    } catch (CArchiveException* e) {
        EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
        EXPECT_STREQ(e->m_strFileName, path.c_str());
        e->Delete();
    }
}

TEST(CArchive, DocumentPointerStartsEmpty) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    EXPECT_EQ(ar.m_pDocument, nullptr);
    EXPECT_TRUE(ar.IsStoring());
}
