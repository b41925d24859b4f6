// Finding files: the files and folders of a folder matching a pattern, one after the other, with their
// names, paths, sizes, times and attributes.
#include "ArchiveTestSupport.h"

#include "framework/core/CFileFind.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using archive_test::TempFolder;
using archive_test::WriteRawFile;

namespace {

struct Found {
    std::string path;
    ULONGLONG length;
    bool directory;
    bool dots;
};

// Every entry the pattern finds, by name.
std::map<std::string, Found> FindAll(const std::string& pattern) {
    std::map<std::string, Found> found;
    CFileFind finder;
    BOOL bMore = finder.FindFile(pattern.c_str());
    while (bMore) {
        bMore = finder.FindNextFile();
        found[std::string(finder.GetFileName())] =
            Found{std::string(finder.GetFilePath()), finder.GetLength(), finder.IsDirectory() != FALSE,
                  finder.IsDots() != FALSE};
    }
    return found;
}

} // namespace

TEST(CFileFind, FindsEveryEntryOfAFolderWithItsDetails) {
    TempFolder temp;
    WriteRawFile(temp.File("notes.txt"), "hello");
    WriteRawFile(temp.File("data.log"), std::string(70000, 'x'));
    ASSERT_TRUE(::CreateDirectoryA(temp.File("sub").c_str(), nullptr));

    const auto found = FindAll(temp.File("*"));
    std::set<std::string> names;
    for (const auto& entry : found)
        names.insert(entry.first);
    EXPECT_EQ(names, (std::set<std::string>{".", "..", "data.log", "notes.txt", "sub"}));
    EXPECT_EQ(found.at("notes.txt").length, 5u);
    EXPECT_EQ(found.at("data.log").length, 70000u);
    EXPECT_EQ(found.at("notes.txt").path, temp.File("notes.txt"));
    EXPECT_TRUE(found.at("sub").directory);
    EXPECT_FALSE(found.at("sub").dots);
    EXPECT_TRUE(found.at(".").dots);
    EXPECT_TRUE(found.at("..").dots);
    EXPECT_FALSE(found.at("notes.txt").directory);
}

TEST(CFileFind, PatternLimitsTheFilesAndTheLastOneSaysSo) {
    TempFolder temp;
    WriteRawFile(temp.File("a.txt"), "a");
    WriteRawFile(temp.File("b.log"), "b");
    CFileFind finder;
    ASSERT_TRUE(finder.FindFile(temp.File("*.txt").c_str()));
    EXPECT_STREQ(finder.GetFileName(), "") << "nothing is current before FindNextFile";
    EXPECT_FALSE(finder.FindNextFile()) << "the only match is also the last";
    EXPECT_STREQ(finder.GetFileName(), "a.txt");
    EXPECT_STREQ(finder.GetFileTitle(), "a");
    EXPECT_STREQ(finder.GetRoot(), temp.Path().c_str());
    EXPECT_EQ(std::string(finder.GetFileURL()), "file://" + temp.File("a.txt"));
    EXPECT_FALSE(finder.FindNextFile()) << "no further file";
    EXPECT_STREQ(finder.GetFileName(), "a.txt");
}

TEST(CFileFind, NothingFoundForMissingFoldersAndUnmatchedPatterns) {
    TempFolder temp;
    CFileFind finder;
    EXPECT_FALSE(finder.FindFile(temp.File("missing\\*").c_str()));
    EXPECT_FALSE(finder.FindNextFile());
    EXPECT_FALSE(finder.FindFile(temp.File("*.none").c_str()));
    EXPECT_STREQ(finder.GetFilePath(), "");
    EXPECT_EQ(finder.GetLength(), 0u);
    FILETIME ft;
    EXPECT_FALSE(finder.GetLastWriteTime(&ft));
}

TEST(CFileFind, TimesAndAttributesOfTheCurrentFile) {
    TempFolder temp;
    const std::string path = temp.File("stamped.txt");
    WriteRawFile(path, "x");
    // 2021-06-15 10:30:00 UTC
    SYSTEMTIME st{2021, 6, 2, 15, 10, 30, 0, 0};
    FILETIME stamp;
    ASSERT_TRUE(::SystemTimeToFileTime(&st, &stamp));
    const HANDLE h =
        ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(::SetFileTime(h, nullptr, nullptr, &stamp));
    ::CloseHandle(h);
    ASSERT_TRUE(::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));

    CFileFind finder;
    ASSERT_TRUE(finder.FindFile(path.c_str()));
    finder.FindNextFile();
    FILETIME written;
    ASSERT_TRUE(finder.GetLastWriteTime(&written));
    EXPECT_EQ(::CompareFileTime(&written, &stamp), 0);
    CTime time;
    ASSERT_TRUE(finder.GetLastWriteTime(time));
    EXPECT_EQ(time, CTime(stamp));
    EXPECT_TRUE(finder.IsReadOnly());
    EXPECT_FALSE(finder.IsDirectory());
    EXPECT_FALSE(finder.IsHidden());
    EXPECT_TRUE(finder.MatchesMask(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);

    finder.Close();
    EXPECT_STREQ(finder.GetFileName(), "");
    EXPECT_FALSE(finder.FindNextFile());
}
