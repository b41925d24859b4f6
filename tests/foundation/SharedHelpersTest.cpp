#include "foundation/SharedHelpers.h"

#include "foundation/ScratchRegistry.h"

#include <gtest/gtest.h>

#include <objbase.h>

#include <regex>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ToVector(const CStringArray& parts) {
    std::vector<std::string> result;
    for (INT_PTR i = 0; i < parts.GetSize(); ++i)
        result.emplace_back(parts[i]);
    return result;
}

std::vector<DWORD> ToVector(const CDWordArray& values) {
    std::vector<DWORD> result;
    for (INT_PTR i = 0; i < values.GetSize(); ++i)
        result.push_back(values[i]);
    return result;
}

// ---------------- identities ----------------

TEST(GuidText, NewGuidHasTheStoredIdentityForm) {
    const std::regex form("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9a-f]{4}-[0-9A-F]{4}-[0-9A-F]{12}$");
    const CString first = NewGuidString();
    const CString second = NewGuidString();
    EXPECT_TRUE(std::regex_match(std::string(first), form)) << first;
    EXPECT_TRUE(std::regex_match(std::string(second), form)) << second;
    EXPECT_NE(first, second);
}

TEST(GuidText, CreateGuidStringGivesTheTextOfTheGuidItMade) {
    struct Case {
        bool braces;
        bool dashes;
        const char* form;
    };
    const Case cases[] = {
        {false, true, "^[0-9A-F]{8}-[0-9A-F]{4}-[0-9a-f]{4}-[0-9A-F]{4}-[0-9A-F]{12}$"},
        {true, true, "^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9a-f]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$"},
        {false, false, "^[0-9A-F]{12}[0-9a-f]{4}[0-9A-F]{16}$"},
        {true, false, "^\\{[0-9A-F]{12}[0-9a-f]{4}[0-9A-F]{16}\\}$"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        GUID guid = {};
        CString text;
        ASSERT_TRUE(CreateGuidString(&guid, &text, c.braces, c.dashes));
        EXPECT_TRUE(std::regex_match(std::string(text), std::regex(c.form))) << text;

        // The system's own parser reads the dashed, braced form back to the same GUID.
        GUID dashed = {};
        CString again;
        CreateGuidString(&dashed, &again, true, true);
        wchar_t wide[64] = {};
        MultiByteToWideChar(CP_ACP, 0, again, -1, wide, 64);
        GUID parsed = {};
        ASSERT_EQ(S_OK, CLSIDFromString(wide, &parsed));
        EXPECT_TRUE(IsEqualGUID(dashed, parsed)) << again;
    }
}

// ---------------- program folder and files ----------------

TEST(ProgramFolder, IsTheFolderOfTheRunningProgram) {
    CString folder;
    GetProgramFolder(folder);
    ASSERT_FALSE(folder.IsEmpty());
    EXPECT_EQ('\\', folder[folder.GetLength() - 1]);
    EXPECT_TRUE(FileExists(folder + "test_foundation.exe")) << folder;
    EXPECT_STREQ(folder + "Brindlemark.chm", GetHelpFilePath());
}

TEST(ProgramFolder, TestsCanPointItElsewhere) {
    SetProgramFolderForTests("C:\\Scratch\\Program");
    CString folder;
    GetProgramFolder(folder);
    EXPECT_STREQ("C:\\Scratch\\Program\\", folder);
    EXPECT_STREQ("C:\\Scratch\\Program\\Brindlemark.chm", GetHelpFilePath());

    SetProgramFolderForTests(nullptr);
    GetProgramFolder(folder);
    EXPECT_TRUE(FileExists(folder + "test_foundation.exe")) << folder;
}

TEST(ProgramFolder, FolderOfAPathEndsAfterItsLastBackslash) {
    EXPECT_STREQ("C:\\", GetFolderOfPath("C:\\Brindlemark.exe"));
    EXPECT_STREQ("C:\\Program Files\\Quillmere\\", GetFolderOfPath("C:\\Program Files\\Quillmere\\a.exe"));
    EXPECT_STREQ("", GetFolderOfPath("Brindlemark.exe"));
}

TEST(FileExists, AnswersForFilesOnly) {
    ScratchFolder folder;
    const CString file = folder.File("present.txt");
    HANDLE handle = CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, handle);

    EXPECT_TRUE(FileExists(file)) << "a file held open without sharing still exists";
    CloseHandle(handle);
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(folder.File("absent.txt")));
    EXPECT_FALSE(FileExists(folder.Path())) << "a folder is no file";
    EXPECT_FALSE(FileExists(""));
}

TEST(FileExists, AnswersForLongPaths) {
    ScratchFolder folder;
    CString deep = folder.Path();
    while (deep.GetLength() < 180) {
        deep += "A rather long folder name\\";
        ASSERT_TRUE(CreateDirectoryA(deep, nullptr));
    }
    const CString file = deep + "Time Log.bmk";
    HANDLE handle = CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, handle);
    CloseHandle(handle);
    EXPECT_TRUE(FileExists(file)) << file.GetLength() << " characters";
}

TEST(IsKeyDown, FollowsTheHighBitOfTheKeyState) {
    BYTE saved[256] = {};
    ASSERT_TRUE(GetKeyboardState(saved));
    BYTE state[256] = {};
    state[VK_F7] = 0x80;
    state[VK_F8] = 0x01; // toggled, not down
    ASSERT_TRUE(SetKeyboardState(state));
    EXPECT_TRUE(IsKeyDown(VK_F7));
    EXPECT_FALSE(IsKeyDown(VK_F8));
    EXPECT_FALSE(IsKeyDown(VK_F9));
    SetKeyboardState(saved);
}

// ---------------- version number ----------------

TEST(ProgramVersion, IsTheProductVersionAsANumber) {
    EXPECT_DOUBLE_EQ(5.0, GetProgramVersionNumber());
}

TEST(ProgramVersionDeDE, DottedProductVersionIsReadIndependentlyOfTheLocale) {
    char grouping[8] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, grouping, sizeof grouping);
    ASSERT_STREQ(".", grouping) << "this test needs a locale that groups with a point";
    EXPECT_DOUBLE_EQ(5.0, GetProgramVersionNumber());
}

TEST(ProgramVersion, DottedDecimalsAreReadWithAPoint) {
    struct Case {
        const char* text;
        bool success;
        double value;
    };
    const Case cases[] = {{"5.0", true, 5.0}, {"12.25", true, 12.25}, {" 7", true, 7.0},
                          {".5", true, 0.5},  {"-1.5", true, -1.5},   {"5.0.1", true, 5.0},
                          {"4,5", true, 4.0}, {"abc", false, 99.0},   {"", false, 99.0},
                          {".", false, 99.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        double value = 99.0;
        EXPECT_EQ(c.success, ParseDottedDecimal(c.text, &value));
        EXPECT_DOUBLE_EQ(c.value, value);
    }
}

// ---------------- stored secrets ----------------

TEST(ScrambleText, EveryTextRoundTrips) {
    CString allBytes;
    for (int b = 1; b < 256; ++b)
        allBytes += static_cast<char>(b);
    const CString texts[] = {"a",      "secret",         "pa'ss\"w`rd %s\\", "aaaaaaaaaaaaaaaaaaaaaaaa",
                             allBytes, CString('x', 127)};
    for (const CString& plain : texts) {
        for (int variant : {0, 1, 15}) {
            SCOPED_TRACE(testing::Message() << plain << " variant " << variant);
            const CString stored = ScrambleText(plain, variant);
            EXPECT_NE(plain, stored);
            if (plain.GetLength() > 1) {
                EXPECT_LT(stored.Find(plain), 0) << "the plain text shows in the stored form";
            }
            for (int i = 0; i < stored.GetLength(); ++i) {
                const char c = stored[i];
                EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'))
                    << "stored form: letters and digits";
            }
            CString back = "stale";
            EXPECT_TRUE(UnscrambleText(stored, back));
            EXPECT_TRUE(back == plain);
        }
    }
}

TEST(ScrambleText, EmptyStaysEmpty) {
    EXPECT_TRUE(ScrambleText("").IsEmpty());
    CString plain = "stale";
    EXPECT_TRUE(UnscrambleText("", plain));
    EXPECT_TRUE(plain.IsEmpty());
}

TEST(ScrambleText, TextsNotInStoredFormAreRefused) {
    for (const char* stored : {"secret", "A1", "Z00", "AGG", "a00", "A0g", "A0"}) {
        SCOPED_TRACE(stored);
        CString plain = "stale";
        EXPECT_FALSE(UnscrambleText(stored, plain));
        EXPECT_TRUE(plain.IsEmpty());
    }
}

// ---------------- colours ----------------

TEST(LightenColor, AddsTheFractionOf256ToEachChannel) {
    struct Case {
        COLORREF color;
        double f;
        COLORREF expected;
    };
    const Case cases[] = {
        {RGB(10, 20, 30), 0.5, RGB(138, 148, 158)}, {RGB(200, 250, 100), 0.5, RGB(255, 255, 228)},
        {RGB(10, 20, 30), 0.0, RGB(10, 20, 30)},    {RGB(0, 0, 255), 0.25, RGB(64, 64, 255)},
        {RGB(10, 20, 30), 1.0, RGB(255, 255, 255)}, {RGB(10, 20, 30), 2.5, RGB(255, 255, 255)},
        {RGB(10, 20, 30), -0.5, RGB(10, 20, 30)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.color << " f " << c.f);
        EXPECT_EQ(c.expected, LightenColor(c.color, c.f));
    }
}

// ---------------- text routines ----------------

TEST(SplitString, SplitsKeepingEmptyPieces) {
    struct Case {
        const char* text;
        char separator;
        bool trim;
        std::vector<std::string> parts;
    };
    const Case cases[] = {
        {"a, \"b\" ,,c", ',', true, {"a", "b", "", "c"}},
        {"a, \"b\" ,,c", ',', false, {"a", " \"b\" ", "", "c"}},
        {"", ',', true, {""}},
        {"a,", ',', false, {"a", ""}},
        {"\"\"x\"\"", ',', true, {"\"x\""}}, // only one pair of quotes goes
        {" \" ", ',', true, {"\""}},
        {"one\ttwo", '\t', true, {"one", "two"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CStringArray parts;
        parts.Add("left over");
        SplitString(c.text, parts, c.separator, c.trim);
        EXPECT_EQ(c.parts, ToVector(parts));
    }
}

TEST(SplitString, SplitAtCharConsumesTheText) {
    CString text = " a ;b;";
    CStringArray parts;
    SplitAtChar(text, parts, ';');
    EXPECT_EQ((std::vector<std::string>{" a ", "b", ""}), ToVector(parts));
    EXPECT_TRUE(text.IsEmpty());
}

TEST(ParseNumberList, AppendsTheLeadingIntegerOfEachPiece) {
    CString text = "1-3, 5 12x,,  7";
    CDWordArray numbers;
    numbers.Add(9);
    EXPECT_TRUE(ParseNumberList(text, numbers));
    EXPECT_EQ((std::vector<DWORD>{9, 1, 3, 5, 12, 7}), ToVector(numbers));
    EXPECT_TRUE(text.IsEmpty());
}

TEST(JoinStrings, PutsTheSeparatorBetweenElementsOnly) {
    CStringArray parts;
    CString out = "stale";
    JoinStrings(parts, out, ", ");
    EXPECT_STREQ("", out);
    parts.Add("a");
    JoinStrings(parts, out, ", ");
    EXPECT_STREQ("a", out);
    parts.Add("");
    parts.Add("c");
    JoinStrings(parts, out, ", ");
    EXPECT_STREQ("a, , c", out);
}

TEST(FindInArrays, FindsTheFirstEqualElement) {
    CDWordArray values;
    for (DWORD v : {5u, 7u, 5u})
        values.Add(v);
    EXPECT_EQ(0, FindDWordInArray(values, 5));
    EXPECT_EQ(1, FindDWordInArray(values, 7));
    EXPECT_EQ(-1, FindDWordInArray(values, 9));
    EXPECT_EQ(-1, FindDWordInArray(CDWordArray(), 5));

    CStringArray texts;
    texts.Add("Alpha");
    texts.Add("beta");
    texts.Add("Beta");
    EXPECT_EQ(1, FindStringNoCase(texts, "BETA"));
    EXPECT_EQ(0, FindStringNoCase(texts, "alpha"));
    EXPECT_EQ(-1, FindStringNoCase(texts, "alph"));
}

TEST(InsertStringSorted, InsertsBeforeTheFirstElementThatSortsAfter) {
    CStringArray texts;
    for (const char* text : {"beta", "Alpha", "gamma", "Beta", "alpha", "Delta"})
        InsertStringSorted(texts, text);
    EXPECT_EQ((std::vector<std::string>{"Alpha", "alpha", "beta", "Beta", "Delta", "gamma"}),
              ToVector(texts));
}

TEST(StripEnclosingQuotes, RemovesOnePairAroundTheWholeText) {
    const std::pair<const char*, const char*> cases[] = {
        {"\"abc\"", "abc"}, {"\"\"", ""},         {"\"", "\""},           {"\"abc", "\"abc"},
        {"abc\"", "abc\""}, {"a\"b\"", "a\"b\""}, {"\"\"a\"\"", "\"a\""}, {"", ""},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        CString value = text;
        const CString result = StripEnclosingQuotes(value);
        EXPECT_STREQ(expected, value);
        EXPECT_STREQ(expected, result);
    }
}

TEST(ReplaceApostrophes, MakesTextsSafeForSqlAndBack) {
    CString name = "O'Brien's `quote` shop";
    ReplaceApostrophes(name, true);
    EXPECT_LT(name.Find('\''), 0);
    EXPECT_STREQ("O`Brien`s `quote` shop", name);
    ReplaceApostrophes(name, false);
    EXPECT_STREQ("O'Brien's 'quote' shop", name);

    CString plain = "O'Brien";
    ReplaceApostrophes(plain, true);
    ReplaceApostrophes(plain, false);
    EXPECT_STREQ("O'Brien", plain);
}

TEST(LineScanning, NextLineMovesPastAllLineBreaks) {
    const CString text = "ab\r\n\r\ncd\nef";
    int pos = 0;
    EXPECT_TRUE(NextLine(text, pos));
    EXPECT_EQ(6, pos);
    EXPECT_TRUE(NextLine(text, pos));
    EXPECT_EQ(9, pos);
    EXPECT_FALSE(NextLine(text, pos));
    EXPECT_EQ(11, pos);

    pos = 2;
    SkipLineBreaks(text, pos);
    EXPECT_EQ(6, pos);
    SkipLineBreaks(text, pos);
    EXPECT_EQ(6, pos);
    pos = 0;
    EXPECT_FALSE(NextLine("ab\r\n", pos));
    EXPECT_EQ(4, pos);
}

TEST(LineScanning, ReadNextFieldStopsAtSeparatorsAndLineBreaks) {
    const CString text = "a\tb\t\tc\r\n\r\nd";
    int pos = 0;
    CString field;
    std::vector<std::string> fields;
    while (ReadNextField(text, field, '\t', pos))
        fields.emplace_back(field);
    EXPECT_EQ((std::vector<std::string>{"a", "b", "", "c"}), fields);
    EXPECT_EQ(6, pos);
    EXPECT_TRUE(field.IsEmpty());

    // The empty line between the two lines gives no field.
    pos = 8;
    field = "stale";
    EXPECT_FALSE(ReadNextField(text, field, '\t', pos));
    EXPECT_TRUE(field.IsEmpty());
    EXPECT_EQ(8, pos);

    EXPECT_TRUE(NextLine(text, pos));
    EXPECT_TRUE(ReadNextField(text, field, '\t', pos));
    EXPECT_STREQ("d", field);
    EXPECT_FALSE(ReadNextField(text, field, '\t', pos));
    EXPECT_EQ(text.GetLength(), pos);
}

TEST(LineScanning, CountTabFieldsCountsTheFirstLineOnly) {
    struct Case {
        const char* text;
        int fields;
        int stop;
    };
    const Case cases[] = {
        {"a\tb\tc\r\nd\te\tf\tg", 3, 5}, {"", 1, 0}, {"\t", 2, 1}, {"abc", 1, 3}, {"\nx\ty", 1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int stop = -1;
        EXPECT_EQ(c.fields, CountTabFields(c.text, &stop));
        EXPECT_EQ(c.stop, stop);
    }
}

} // namespace
