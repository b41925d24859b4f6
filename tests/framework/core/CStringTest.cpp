#include "framework/core/CString.h"
#include "CoreTestsResource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

std::string Bytes(const CString& s) {
    return std::string(s.GetString(), static_cast<size_t>(s.GetLength()));
}

int Sign(int v) {
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

// ---------------------------------------------------------------- construction and assignment

TEST(CStringConstruct, FromPointersCharsAndCounts) {
    EXPECT_EQ(Bytes(CString()), "");
    EXPECT_EQ(Bytes(CString(static_cast<LPCSTR>(nullptr))), "");
    EXPECT_EQ(Bytes(CString("abc")), "abc");
    EXPECT_EQ(Bytes(CString("abcdef", 3)), "abc");
    EXPECT_EQ(Bytes(CString(static_cast<LPCSTR>(nullptr), 4)), "");
    EXPECT_EQ(Bytes(CString("abc", 0)), "");
    EXPECT_EQ(Bytes(CString('x', 3)), "xxx");
    EXPECT_EQ(Bytes(CString('x')), "x");
    EXPECT_EQ(Bytes(CString('x', 0)), "");
    EXPECT_EQ(Bytes(CString('x', -2)), "");
    const unsigned char raw[] = {0x41, 0xE4, 0x42, 0};
    EXPECT_EQ(Bytes(CString(raw)), "A\xE4"
                                   "B");
}

TEST(CStringConstruct, CountedTextKeepsEmbeddedNul) {
    const CString s("ab\0cd", 5);
    EXPECT_EQ(s.GetLength(), 5);
    EXPECT_EQ(s.GetAt(3), 'c');
    EXPECT_FALSE(s == "ab");
    EXPECT_EQ(CString(s).GetLength(), 5);
}

TEST(CStringConstruct, CopiesAreIndependent) {
    CString original("shared");
    CString copy(original);
    copy.SetAt(0, 'S');
    copy += "!";
    EXPECT_EQ(Bytes(original), "shared");
    EXPECT_EQ(Bytes(copy), "Shared!");

    CString assigned;
    assigned = original;
    char* p = assigned.GetBuffer(0);
    p[0] = 'X';
    assigned.ReleaseBuffer();
    EXPECT_EQ(Bytes(original), "shared");
    EXPECT_EQ(Bytes(assigned), "Xhared");
}

TEST(CStringConstruct, MoveLeavesSourceUsable) {
    CString source("moved text");
    CString target(std::move(source));
    EXPECT_EQ(Bytes(target), "moved text");
    source = "again"; // a moved-from string must accept a new value
    EXPECT_EQ(Bytes(source), "again");
    CString other;
    other = std::move(target);
    EXPECT_EQ(Bytes(other), "moved text");
}

TEST(CStringConstruct, AssignmentForms) {
    CString s("old");
    s = 'z';
    EXPECT_EQ(Bytes(s), "z");
    s = "text";
    EXPECT_EQ(Bytes(s), "text");
    s = static_cast<LPCSTR>(nullptr);
    EXPECT_EQ(Bytes(s), "");
    s = "abc";
    s = s; // self-assignment keeps the value
    EXPECT_EQ(Bytes(s), "abc");
    s = s.Mid(1); // assigning from a part of itself
    EXPECT_EQ(Bytes(s), "bc");
}

// ---------------------------------------------------------------- element access

TEST(CStringAccess, InRangeAndOutOfRange) {
    CString s("abc");
    EXPECT_EQ(s.GetLength(), 3);
    EXPECT_FALSE(s.IsEmpty());
    EXPECT_EQ(s.GetAt(0), 'a');
    EXPECT_EQ(s[2], 'c');
    EXPECT_EQ(s[static_cast<size_t>(1)], 'b');
    EXPECT_EQ(s.GetAt(3), '\0');
    EXPECT_EQ(s.GetAt(-1), '\0');
    s.SetAt(1, 'B');
    s.SetAt(3, 'X');
    s.SetAt(-1, 'X');
    EXPECT_EQ(Bytes(s), "aBc");
    EXPECT_STREQ(static_cast<LPCSTR>(s), "aBc");
    s.Empty();
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_STREQ(s.GetString(), "");
}

// ---------------------------------------------------------------- sub-strings

struct SubCase {
    const char* what;
    std::function<CString(const CString&)> op;
    const char* expected;
};

TEST(CStringSub, LeftMidRightClampOutOfRangeArguments) {
    const CString s("abcdef");
    const std::vector<SubCase> cases = {
        {"Left(-1)", [](const CString& t) { return t.Left(-1); }, ""},
        {"Left(0)", [](const CString& t) { return t.Left(0); }, ""},
        {"Left(3)", [](const CString& t) { return t.Left(3); }, "abc"},
        {"Left(100)", [](const CString& t) { return t.Left(100); }, "abcdef"},
        {"Mid(2)", [](const CString& t) { return t.Mid(2); }, "cdef"},
        {"Mid(-2)", [](const CString& t) { return t.Mid(-2); }, "abcdef"},
        {"Mid(6)", [](const CString& t) { return t.Mid(6); }, ""},
        {"Mid(7)", [](const CString& t) { return t.Mid(7); }, ""},
        {"Mid(2,2)", [](const CString& t) { return t.Mid(2, 2); }, "cd"},
        {"Mid(-1,3)", [](const CString& t) { return t.Mid(-1, 3); }, "abc"},
        {"Mid(4,10)", [](const CString& t) { return t.Mid(4, 10); }, "ef"},
        {"Mid(1,-1)", [](const CString& t) { return t.Mid(1, -1); }, ""},
        {"Mid(10,2)", [](const CString& t) { return t.Mid(10, 2); }, ""},
        {"Mid(0,INT_MAX)", [](const CString& t) { return t.Mid(0, INT_MAX); }, "abcdef"},
        {"Right(-1)", [](const CString& t) { return t.Right(-1); }, ""},
        {"Right(2)", [](const CString& t) { return t.Right(2); }, "ef"},
        {"Right(10)", [](const CString& t) { return t.Right(10); }, "abcdef"},
        {"SpanIncluding(cba)", [](const CString& t) { return t.SpanIncluding("cba"); }, "abc"},
        {"SpanIncluding(b)", [](const CString& t) { return t.SpanIncluding("b"); }, ""},
        {"SpanIncluding()", [](const CString& t) { return t.SpanIncluding(""); }, ""},
        {"SpanIncluding(all)", [](const CString& t) { return t.SpanIncluding("fedcba"); }, "abcdef"},
        {"SpanExcluding(ed)", [](const CString& t) { return t.SpanExcluding("ed"); }, "abc"},
        {"SpanExcluding(a)", [](const CString& t) { return t.SpanExcluding("a"); }, ""},
        {"SpanExcluding()", [](const CString& t) { return t.SpanExcluding(""); }, "abcdef"},
        {"SpanExcluding(xyz)", [](const CString& t) { return t.SpanExcluding("xyz"); }, "abcdef"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Bytes(c.op(s)), c.expected);
        EXPECT_EQ(Bytes(c.op(CString())), "");
    }
    EXPECT_EQ(Bytes(s), "abcdef");
}

// ---------------------------------------------------------------- searching

struct FindCase {
    const char* what;
    std::function<int(const CString&)> op;
    int expected;
};

TEST(CStringFind, FromStartPositionsPastTheEnd) {
    const CString s("abcabc");
    const std::vector<FindCase> cases = {
        {"Find('b')", [](const CString& t) { return t.Find('b'); }, 1},
        {"Find('b',2)", [](const CString& t) { return t.Find('b', 2); }, 4},
        {"Find('b',4)", [](const CString& t) { return t.Find('b', 4); }, 4},
        {"Find('b',5)", [](const CString& t) { return t.Find('b', 5); }, -1},
        {"Find('b',6)", [](const CString& t) { return t.Find('b', 6); }, -1},
        {"Find('b',100)", [](const CString& t) { return t.Find('b', 100); }, -1},
        {"Find('b',-3)", [](const CString& t) { return t.Find('b', -3); }, 1},
        {"Find('z')", [](const CString& t) { return t.Find('z'); }, -1},
        {"Find(bc)", [](const CString& t) { return t.Find("bc"); }, 1},
        {"Find(bc,2)", [](const CString& t) { return t.Find("bc", 2); }, 4},
        {"Find(bc,5)", [](const CString& t) { return t.Find("bc", 5); }, -1},
        {"Find(bc,6)", [](const CString& t) { return t.Find("bc", 6); }, -1},
        {"Find(bc,100)", [](const CString& t) { return t.Find("bc", 100); }, -1},
        {"Find(abcabca)", [](const CString& t) { return t.Find("abcabca"); }, -1},
        {"Find(cab)", [](const CString& t) { return t.Find("cab"); }, 2},
        {"Find(xyz)", [](const CString& t) { return t.Find("xyz"); }, -1},
        {"ReverseFind('a')", [](const CString& t) { return t.ReverseFind('a'); }, 3},
        {"ReverseFind('c')", [](const CString& t) { return t.ReverseFind('c'); }, 5},
        {"ReverseFind('z')", [](const CString& t) { return t.ReverseFind('z'); }, -1},
        {"FindOneOf(xc)", [](const CString& t) { return t.FindOneOf("xc"); }, 2},
        {"FindOneOf(cb)", [](const CString& t) { return t.FindOneOf("cb"); }, 1},
        {"FindOneOf(xyz)", [](const CString& t) { return t.FindOneOf("xyz"); }, -1},
        {"FindOneOf()", [](const CString& t) { return t.FindOneOf(""); }, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.op(s), c.expected);
        EXPECT_EQ(c.op(CString()), -1);
    }
}

TEST(CStringFind, NonAsciiBytesAreOrdinaryCharacters) {
    const CString s("Gr\xFC\xDF"
                    "e");
    EXPECT_EQ(s.Find('\xDF'), 3);
    EXPECT_EQ(s.Find("\xFC\xDF"), 2);
    EXPECT_EQ(s.ReverseFind('\xFC'), 2);
}

// ---------------------------------------------------------------- editing

struct ReplaceCase {
    const char* text;
    const char* from;
    const char* to;
    const char* expected;
    int count;
};

TEST(CStringEdit, ReplaceText) {
    const ReplaceCase cases[] = {
        {"a.b.c", ".", "", "abc", 2},
        {"aaa", "aa", "b", "ba", 1},
        {"aaaa", "aa", "b", "bb", 2},
        {"abc", "b", "xyzxyz", "axyzxyzc", 1},
        {"abab", "ab", "abab", "abababab", 2},
        {"abc", "", "x", "abc", 0},
        {"abc", "d", "x", "abc", 0},
        {"", "a", "b", "", 0},
        {"abc", "abc", "", "", 1},
        {"x\r\ny\r\n", "\r\n", "\n", "x\ny\n", 2},
        {"a%b", "%", "%%", "a%%b", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + c.from + " -> " + c.to);
        CString s(c.text);
        EXPECT_EQ(s.Replace(c.from, c.to), c.count);
        EXPECT_EQ(Bytes(s), c.expected);
    }
}

TEST(CStringEdit, ReplaceWithArgumentsTakenFromItself) {
    CString s("abcabc");
    EXPECT_EQ(s.Replace(s.Mid(1, 1), s), 2); // "b" -> "abcabc"
    EXPECT_EQ(Bytes(s), "aabcabccaabcabcc");
    CString t("xy");
    EXPECT_EQ(t.Replace(static_cast<LPCSTR>(t), "z"), 1);
    EXPECT_EQ(Bytes(t), "z");
}

TEST(CStringEdit, ReplaceAndRemoveCharacters) {
    CString s("a-b-c");
    EXPECT_EQ(s.Replace('-', '+'), 2);
    EXPECT_EQ(Bytes(s), "a+b+c");
    EXPECT_EQ(s.Replace('x', 'y'), 0);
    CString banana("banana");
    EXPECT_EQ(banana.Remove('a'), 3);
    EXPECT_EQ(Bytes(banana), "bnn");
    EXPECT_EQ(banana.Remove('q'), 0);
    CString empty;
    EXPECT_EQ(empty.Remove('a'), 0);
    EXPECT_EQ(empty.Replace('a', 'b'), 0);
}

struct EditCase {
    const char* what;
    std::function<int(CString&)> op;
    const char* expected;
};

TEST(CStringEdit, InsertAndDeleteClampTheIndex) {
    const std::vector<EditCase> cases = {
        {"Insert(0,'x')", [](CString& s) { return s.Insert(0, 'x'); }, "xabc"},
        {"Insert(3,yz)", [](CString& s) { return s.Insert(3, "yz"); }, "abcyz"},
        {"Insert(1,yz)", [](CString& s) { return s.Insert(1, "yz"); }, "ayzbc"},
        {"Insert(10,!)", [](CString& s) { return s.Insert(10, "!"); }, "abc!"},
        {"Insert(10,'!')", [](CString& s) { return s.Insert(10, '!'); }, "abc!"},
        {"Insert(-5,<)", [](CString& s) { return s.Insert(-5, "<"); }, "<abc"},
        {"Insert(1,empty)", [](CString& s) { return s.Insert(1, ""); }, "abc"},
        {"Insert(1,null)", [](CString& s) { return s.Insert(1, static_cast<LPCSTR>(nullptr)); }, "abc"},
        {"Insert(self)", [](CString& s) { return s.Insert(1, static_cast<LPCSTR>(s)); }, "aabcbc"},
        {"Delete(1)", [](CString& s) { return s.Delete(1); }, "ac"},
        {"Delete(1,10)", [](CString& s) { return s.Delete(1, 10); }, "a"},
        {"Delete(0,3)", [](CString& s) { return s.Delete(0, 3); }, ""},
        {"Delete(3,1)", [](CString& s) { return s.Delete(3, 1); }, "abc"},
        {"Delete(5,1)", [](CString& s) { return s.Delete(5, 1); }, "abc"},
        {"Delete(0,0)", [](CString& s) { return s.Delete(0, 0); }, "abc"},
        {"Delete(1,-1)", [](CString& s) { return s.Delete(1, -1); }, "abc"},
        {"Delete(-1,2)", [](CString& s) { return s.Delete(-1, 2); }, "c"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CString s("abc");
        const int length = c.op(s);
        EXPECT_EQ(Bytes(s), c.expected);
        EXPECT_EQ(length, s.GetLength());
    }
    CString empty;
    EXPECT_EQ(empty.Insert(4, 'q'), 1);
    EXPECT_EQ(Bytes(empty), "q");
    EXPECT_EQ(empty.Delete(0, 5), 0);
}

TEST(CStringEdit, TrimForms) {
    const std::vector<SubCase> cases = {
        {"TrimLeft()", [](const CString& t) { return CString(t).TrimLeft(); }, "x y \n"},
        {"TrimRight()", [](const CString& t) { return CString(t).TrimRight(); }, " \t\r\n\v\fx y"},
        {"Trim()", [](const CString& t) { return CString(t).Trim(); }, "x y"},
    };
    const CString padded(" \t\r\n\v\fx y \n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Bytes(c.op(padded)), c.expected);
        EXPECT_EQ(Bytes(c.op(CString(" \t \n"))), "");
        EXPECT_EQ(Bytes(c.op(CString())), "");
        // A no-break space (0xA0) is not white space in the C locale.
        EXPECT_EQ(Bytes(c.op(CString("\xA0z\xA0"))), "\xA0z\xA0");
    }
    const std::vector<SubCase> targeted = {
        {"TrimLeft('x')", [](const CString& t) { return CString(t).TrimLeft('x'); }, "axyx"},
        {"TrimRight('x')", [](const CString& t) { return CString(t).TrimRight('x'); }, "xxaxy"},
        {"Trim('x')", [](const CString& t) { return CString(t).Trim('x'); }, "axy"},
        {"TrimLeft(xy)", [](const CString& t) { return CString(t).TrimLeft("xy"); }, "axyx"},
        {"TrimRight(xy)", [](const CString& t) { return CString(t).TrimRight("xy"); }, "xxa"},
        {"Trim(xy)", [](const CString& t) { return CString(t).Trim("xy"); }, "a"},
        {"Trim(empty set)", [](const CString& t) { return CString(t).Trim(""); }, "xxaxyx"},
    };
    for (const auto& c : targeted) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Bytes(c.op(CString("xxaxyx"))), c.expected);
    }
    EXPECT_EQ(Bytes(CString("xxxx").Trim('x')), "");
    EXPECT_EQ(Bytes(CString("yxyx").TrimRight("xy")), "");
    // A trim set taken from the string itself.
    CString self("abba");
    self.Trim(self.Left(1));
    EXPECT_EQ(Bytes(self), "bb");
}

TEST(CStringEdit, CaseAndReverseFollowTheAnsiCodePage) {
    CString s("\xE4pfel Stra\xDF"
              "e 1");
    s.MakeUpper();
    EXPECT_EQ(Bytes(s), "\xC4PFEL STRA\xDF"
                        "E 1");
    s.MakeLower();
    EXPECT_EQ(Bytes(s), "\xE4pfel stra\xDF"
                        "e 1");
    EXPECT_EQ(Bytes(CString("abc").MakeReverse()), "cba");
    EXPECT_EQ(Bytes(CString().MakeUpper()), "");
    EXPECT_EQ(Bytes(CString("a").MakeReverse()), "a");
}

// ---------------------------------------------------------------- comparison

TEST(CStringCompare, NoCaseFoldsCodePageLetters) {
    struct Case {
        const char* a;
        const char* b;
        int sign;
    };
    const Case cases[] = {
        {"\xC4", "\xE4", 0}, {"abc", "ABC", 0},   {"M\xDCLLER", "m\xFCller", 0},
        {"a", "B", -1},      {"B", "a", 1},       {"", "a", -1},
        {"", "", 0},         {"abc", "abcd", -1}, {"\xE4", "b", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        EXPECT_EQ(Sign(CString(c.a).CompareNoCase(c.b)), c.sign);
        EXPECT_EQ(Sign(CString(c.a).CollateNoCase(c.b)), c.sign);
    }
}

TEST(CStringCompare, CaseSensitiveOrderFollowsTheLocale) {
    // Locale order puts letters alphabetically whatever their case, and a-umlaut next to a.
    EXPECT_LT(CString("a").Compare("B"), 0);
    EXPECT_GT(CString("B").Compare("a"), 0);
    EXPECT_LT(CString("\xE4").Compare("b"), 0);
    EXPECT_LT(CString("a").Collate("B"), 0);
    EXPECT_NE(CString("\xC4").Compare("\xE4"), 0);
    EXPECT_EQ(CString("abc").Compare("abc"), 0);
    EXPECT_LT(CString("abc").Compare("abd"), 0);
    EXPECT_GT(CString("abc").Compare(""), 0);
    EXPECT_LT(CString("").Compare("a"), 0);
}

TEST(CStringCompare, CompareIsATotalOrderConsistentWithEquality) {
    // Strings a locale may weigh alike (hyphens, a soft hyphen it ignores, '^' and the cp1252 modifier
    // circumflex, case, accents) must still be ordered, and only identical strings compare equal.
    const std::vector<CString> words = {"coop",     "co-op", "co'op", "co\xADop", "Coop",  "COOP",
                                        "co op",    "^",     "\x88",  "\xC4pfel", "apfel", "Apfel",
                                        "\xE4pfel", "a",     "A",     "",         "a\x01", "a\xAD"};
    for (const auto& a : words) {
        for (const auto& b : words) {
            SCOPED_TRACE(Bytes(a) + " vs " + Bytes(b));
            const int ab = a.Compare(b);
            EXPECT_EQ(ab == 0, a == b);
            EXPECT_EQ(Sign(ab), -Sign(b.Compare(a)));
        }
    }
    std::vector<CString> sorted = words;
    std::sort(sorted.begin(), sorted.end());
    for (size_t i = 1; i < sorted.size(); ++i)
        EXPECT_LT(sorted[i - 1], sorted[i]);
}

TEST(CStringCompare, OperatorsWithEitherOperandTyped) {
    const CString abc("abc");
    const CString abd("abd");
    EXPECT_TRUE(abc == "abc");
    EXPECT_TRUE("abc" == abc);
    EXPECT_TRUE(abc == CString("abc"));
    EXPECT_FALSE(abc == "ABC");
    EXPECT_FALSE("ABC" == abc);
    EXPECT_TRUE(abc != "ABC");
    EXPECT_TRUE("abd" != abc);
    EXPECT_TRUE(abc != abd);
    EXPECT_FALSE(abc != "abc");
    EXPECT_TRUE(abc < abd);
    EXPECT_TRUE(abc < "abd");
    EXPECT_TRUE("abb" < abc);
    EXPECT_TRUE(abd > abc);
    EXPECT_TRUE(abd > "abc");
    EXPECT_TRUE("abe" > abd);
    EXPECT_TRUE(abc <= abc);
    EXPECT_TRUE(abc <= "abd");
    EXPECT_TRUE("abc" <= abc);
    EXPECT_FALSE(abd <= abc);
    EXPECT_TRUE(abd >= abc);
    EXPECT_TRUE(abd >= "abd");
    EXPECT_TRUE("abd" >= abc);
    EXPECT_FALSE(abc >= "abd");
    EXPECT_TRUE(CString() == "");
    EXPECT_TRUE(CString() == static_cast<LPCSTR>(nullptr));
}

// ---------------------------------------------------------------- concatenation

TEST(CStringConcat, OperatorsAndSelfAppend) {
    const CString b("b");
    EXPECT_EQ(Bytes("a" + b + 'c' + "d"), "abcd");
    EXPECT_EQ(Bytes('x' + b), "xb");
    EXPECT_EQ(Bytes(b + b), "bb");
    EXPECT_EQ(Bytes(b + static_cast<LPCSTR>(nullptr)), "b");
    CString s("ab");
    s += s;
    EXPECT_EQ(Bytes(s), "abab");
    s += static_cast<LPCSTR>(s);
    EXPECT_EQ(Bytes(s), "abababab");
    s += '!';
    s += "";
    EXPECT_EQ(Bytes(s), "abababab!");
    CString nul("a");
    nul += CString("\0b", 2);
    EXPECT_EQ(nul.GetLength(), 3);
}

// ---------------------------------------------------------------- buffers

TEST(CStringBuffer, GetBufferKeepsContentsAndReleaseFixesLength) {
    CString s("abc");
    char* p = s.GetBuffer(10);
    EXPECT_STREQ(p, "abc");
    std::strcpy(p + 3, "defghij"); // exactly 10 characters and the '\0'
    s.ReleaseBuffer();
    EXPECT_EQ(Bytes(s), "abcdefghij");
    EXPECT_EQ(s.GetLength(), 10);

    p = s.GetBuffer(20);
    std::strcpy(p, "xyzxyz");
    s.ReleaseBuffer(3);
    EXPECT_EQ(Bytes(s), "xyz");

    p = s.GetBuffer(0);
    p[1] = '\0';
    s.ReleaseBuffer();
    EXPECT_EQ(Bytes(s), "x");

    CString empty;
    p = empty.GetBuffer(0);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p[0], '\0');
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(CStringBuffer, SetLengthAndWin32Fill) {
    CString s;
    char* p = s.GetBufferSetLength(4);
    std::memset(p, 'x', 4);
    EXPECT_EQ(Bytes(s), "xxxx");
    s.FreeExtra();
    EXPECT_EQ(Bytes(s), "xxxx");

    CString dir;
    const UINT n = GetWindowsDirectoryA(dir.GetBuffer(MAX_PATH), MAX_PATH);
    dir.ReleaseBuffer();
    ASSERT_GT(n, 0u);
    EXPECT_EQ(dir.GetLength(), static_cast<int>(n));
    EXPECT_EQ(dir.Find(':'), 1);

    char* locked = s.LockBuffer();
    locked[0] = 'y';
    s.UnlockBuffer();
    EXPECT_EQ(Bytes(s), "yxxx");
}

// ---------------------------------------------------------------- resources

TEST(CStringLoad, ExistingAndMissingIds) {
    CString s("old");
    EXPECT_TRUE(s.LoadString(IDS_CORETEST_HELLO));
    EXPECT_EQ(Bytes(s), "Hello, world");
    EXPECT_TRUE(s.LoadString(IDS_CORETEST_BLOCK_END));
    EXPECT_EQ(Bytes(s), "End of block");
    EXPECT_FALSE(s.LoadString(IDS_CORETEST_ABSENT_IN_BLOCK));
    EXPECT_TRUE(s.IsEmpty());
    s = "old";
    EXPECT_FALSE(s.LoadString(IDS_CORETEST_ABSENT_BLOCK));
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringLoad, LongAndNonAsciiTexts) {
    std::string expected;
    for (int i = 0; i < 20; ++i) {
        char part[64];
        std::snprintf(part, sizeof part, "%04d:0123456789abcdefghijklmnopqrstuvwxyz;", i);
        expected += part;
    }
    CString s;
    ASSERT_TRUE(s.LoadString(IDS_CORETEST_LONG));
    EXPECT_EQ(s.GetLength(), 840);
    EXPECT_EQ(Bytes(s), expected);

    ASSERT_TRUE(s.LoadString(IDS_CORETEST_NONASCII));
    EXPECT_EQ(Bytes(s), "Gr\xFC\xDF"
                        "e \x80");
}

TEST(CStringLoad, ConstructAndAssignFromResourceId) {
    EXPECT_EQ(Bytes(CString(MAKEINTRESOURCE(IDS_CORETEST_HELLO))), "Hello, world");
    EXPECT_EQ(Bytes(CString(MAKEINTRESOURCE(IDS_CORETEST_ABSENT_BLOCK))), "");
    CString s("old");
    s = MAKEINTRESOURCE(IDS_CORETEST_BLOCK_END);
    EXPECT_EQ(Bytes(s), "End of block");
}

// ---------------------------------------------------------------- printf formatting

struct FormatCase {
    const char* what;
    std::function<void(CString&)> op;
    const char* expected;
};

TEST(CStringFormat, PrintfSpecifiers) {
    const CString name("Smith");
    const std::vector<FormatCase> cases = {
        {"d i u", [](CString& s) { s.Format("%d|%i|%u", -42, 7, 4000000000u); }, "-42|7|4000000000"},
        {"ld negative", [](CString& s) { s.Format("%ld", -123456L); }, "-123456"},
        {"ld min", [](CString& s) { s.Format("%ld", LONG_MIN); }, "-2147483648"},
        {"lu max", [](CString& s) { s.Format("%lu", ULONG_MAX); }, "4294967295"},
        {"08lX", [](CString& s) { s.Format("%08lX", 0xBEEFUL); }, "0000BEEF"},
        {"08lX full", [](CString& s) { s.Format("%08lX", 0xFFFFFFFFUL); }, "FFFFFFFF"},
        {"04x", [](CString& s) { s.Format("%04x", 255); }, "00ff"},
        {"02X", [](CString& s) { s.Format("%02X", 10); }, "0A"},
        {"02X wider", [](CString& s) { s.Format("%02X", 0x1AB); }, "1AB"},
        {".*f", [](CString& s) { s.Format("%.*f", 2, 3.14159); }, "3.14"},
        {".*f negative", [](CString& s) { s.Format("%.*f", 2, -1234.567); }, "-1234.57"},
        {".*f zero digits", [](CString& s) { s.Format("%.*f", 0, 2.6); }, "3"},
        {"10.3f", [](CString& s) { s.Format("[%10.3f]", 3.14159); }, "[     3.142]"},
        {"-6d", [](CString& s) { s.Format("[%-6d]", -42); }, "[-42   ]"},
        {"+d", [](CString& s) { s.Format("%+d", 5); }, "+5"},
        {"e", [](CString& s) { s.Format("%e", 12345.678); }, "1.234568e+04"},
        {"g", [](CString& s) { s.Format("%g", 0.0001); }, "0.0001"},
        {"s", [&name](CString& s) { s.Format("Dear %s,", static_cast<LPCSTR>(name)); }, "Dear Smith,"},
        {"5s -7s .3s", [](CString& s) { s.Format("[%5s][%-7s][%.3s]", "ab", "cd", "abcdef"); },
         "[   ab][cd     ][abc]"},
        {"c", [](CString& s) { s.Format("%c%c", 'x', '\xE4'); }, "x\xE4"},
        {"percent", [](CString& s) { s.Format("100%%"); }, "100%"},
        {"I64d", [](CString& s) { s.Format("%I64d", -9000000000LL); }, "-9000000000"},
        {"I64u", [](CString& s) { s.Format("%I64u", 18446744073709551615ULL); }, "18446744073709551615"},
        {"I64X", [](CString& s) { s.Format("%I64X", 0x123456789ABCULL); }, "123456789ABC"},
        {"lld", [](CString& s) { s.Format("%lld", LLONG_MIN); }, "-9223372036854775808"},
        {"empty", [](CString& s) { s.Format("%s", ""); }, ""},
        {"mixed", [](CString& s) { s.Format("Q%i %02i", 3, 7); }, "Q3 07"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CString s("previous");
        c.op(s);
        EXPECT_EQ(Bytes(s), c.expected);
    }
}

TEST(CStringFormat, LongResultsSelfReferenceAndAppend) {
    const std::string big(5000, 'q');
    CString s;
    s.Format("<%s>", big.c_str());
    EXPECT_EQ(Bytes(s), "<" + big + ">");

    CString t("abc");
    t.Format("%s-%s", static_cast<LPCSTR>(t), static_cast<LPCSTR>(t));
    EXPECT_EQ(Bytes(t), "abc-abc");

    t.AppendFormat(" %d%%", 50);
    EXPECT_EQ(Bytes(t), "abc-abc 50%");
}

TEST(CStringFormat, MessageInserts) {
    const CString owner("Box");
    const std::vector<FormatCase> cases = {
        {"s and d",
         [&owner](CString& s) { s.FormatMessage("%1 has %2!d! items", static_cast<LPCSTR>(owner), 42); },
         "Box has 42 items"},
        {"reordered", [](CString& s) { s.FormatMessage("%2 before %1", "one", "two"); }, "two before one"},
        {"repeated", [](CString& s) { s.FormatMessage("%1-%1", "x"); }, "x-x"},
        {"percent", [](CString& s) { s.FormatMessage("100%% done: %1!s!", "now"); }, "100% done: now"},
        {"negative d", [](CString& s) { s.FormatMessage("[%1!d!]", -7); }, "[-7]"},
        {"width", [](CString& s) { s.FormatMessage("[%1!5d!][%2!-4s!]", 42, "ab"); }, "[   42][ab  ]"},
        {"hex", [](CString& s) { s.FormatMessage("%1!08lX!", 0xBEEFUL); }, "0000BEEF"},
        {"no inserts", [](CString& s) { s.FormatMessage("plain text"); }, "plain text"},
        {"empty", [](CString& s) { s.FormatMessage(""); }, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CString s("previous");
        c.op(s);
        EXPECT_EQ(Bytes(s), c.expected);
    }
}

TEST(CStringFormat, MessageFromResource) {
    CString s;
    s.FormatMessage(IDS_CORETEST_MESSAGE, "Ledger", 12);
    EXPECT_EQ(Bytes(s), "Ledger has 12 entries");
    s.FormatMessage(IDS_CORETEST_ABSENT_BLOCK, "x");
    EXPECT_EQ(Bytes(s), "");
}

// ---------------------------------------------------------------- free functions

TEST(CStringFree, FormatStringInserts) {
    CString out("previous");
    AfxFormatString1(out, IDS_CORETEST_FORMAT1, "C:\\data\\log.txt");
    EXPECT_EQ(Bytes(out), "Cannot open C:\\data\\log.txt.");
    AfxFormatString1(out, IDS_CORETEST_FORMAT1, nullptr);
    EXPECT_EQ(Bytes(out), "Cannot open .");

    // Only the given inserts are replaced; other '%' sequences and inserted text are left as they are.
    AfxFormatString2(out, IDS_CORETEST_FORMAT2, "a", "b");
    EXPECT_EQ(Bytes(out), "Copy a to b? %3 stays, 100%% too");
    AfxFormatString2(out, IDS_CORETEST_FORMAT2, "%2", "100%");
    EXPECT_EQ(Bytes(out), "Copy %2 to 100%? %3 stays, 100%% too");
    AfxFormatString1(out, IDS_CORETEST_FORMAT2, "a");
    EXPECT_EQ(Bytes(out), "Copy a to %2? %3 stays, 100%% too");

    AfxFormatString2(out, IDS_CORETEST_ABSENT_IN_BLOCK, "a", "b");
    EXPECT_EQ(Bytes(out), "");
    out = "previous";
    AfxFormatString1(out, IDS_CORETEST_ABSENT_BLOCK, "a");
    EXPECT_EQ(Bytes(out), "");
}

TEST(CStringFree, ExtractSubString) {
    struct Case {
        const char* full;
        int index;
        char sep;
        BOOL found;
        const char* expected;
    };
    const Case cases[] = {
        {"a\nbb\n\nd", 0, '\n', TRUE, "a"}, {"a\nbb\n\nd", 1, '\n', TRUE, "bb"},
        {"a\nbb\n\nd", 2, '\n', TRUE, ""},  {"a\nbb\n\nd", 3, '\n', TRUE, "d"},
        {"a\nbb\n\nd", 4, '\n', FALSE, ""}, {"a\nbb\n\nd", -1, '\n', FALSE, ""},
        {"x,y", 1, ',', TRUE, "y"},         {"x,y", 0, ',', TRUE, "x"},
        {"x,y\nz", 1, ',', TRUE, "y\nz"},   {"trailing,", 1, ',', TRUE, ""},
        {"trailing,", 2, ',', FALSE, ""},   {"", 0, '\n', TRUE, ""},
        {"", 1, '\n', FALSE, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.full) + " #" + std::to_string(c.index));
        CString out("previous");
        EXPECT_EQ(AfxExtractSubString(out, c.full, c.index, c.sep), c.found);
        EXPECT_EQ(Bytes(out), c.expected);
    }
    CString out("previous");
    EXPECT_FALSE(AfxExtractSubString(out, nullptr, 0));
    EXPECT_TRUE(out.IsEmpty());
    EXPECT_TRUE(AfxExtractSubString(out, "title\nfilter", 1));
    EXPECT_EQ(Bytes(out), "filter");
}

} // namespace
