// Memory files: growth, fixed attached buffers, reading past the end, giving the buffer away.
#include "ArchiveTestSupport.h"

#include "framework/core/CMemFile.h"
#include "framework/core/CMemoryException.h"
#include "framework/core/CNotSupportedException.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

using archive_test::CauseOf;

namespace {

std::string Contents(CMemFile& file) {
    std::string s(static_cast<size_t>(file.GetLength()), '\0');
    file.SeekToBegin();
    s.resize(file.Read(s.data(), static_cast<UINT>(s.size())));
    return s;
}

bool ThrowsMemory(const std::function<void()>& f) {
    try {
        f();
    } catch (CMemoryException* e) {
        e->Delete();
        return true;
    }
    return false;
}

} // namespace

TEST(CMemFile, GrowsInStepsAndKeepsEverythingWritten) {
    CMemFile file(7);
    std::string expected;
    for (int i = 0; i < 50; ++i) {
        const std::string item = std::to_string(i) + ",";
        file.Write(item.data(), static_cast<UINT>(item.size()));
        expected += item;
    }
    EXPECT_EQ(file.GetLength(), expected.size());
    EXPECT_EQ(file.GetPosition(), expected.size());
    EXPECT_EQ(Contents(file), expected);
}

TEST(CMemFile, ReadingPastTheEndReturnsFewerBytes) {
    CMemFile file;
    file.Write("abcdef", 6);
    file.Seek(4, CFile::begin);
    char buf[10] = {};
    EXPECT_EQ(file.Read(buf, sizeof buf), 2u);
    EXPECT_STREQ(buf, "ef");
    EXPECT_EQ(file.Read(buf, sizeof buf), 0u);
    file.Seek(100, CFile::begin);
    EXPECT_EQ(file.Read(buf, sizeof buf), 0u);
}

TEST(CMemFile, WritingAfterAGapFillsItWithZeros) {
    CMemFile file(4);
    file.Write("ab", 2);
    EXPECT_EQ(file.Seek(3, CFile::current), 5u);
    file.Write("z", 1);
    EXPECT_EQ(Contents(file), std::string("ab\0\0\0z", 6));
    EXPECT_EQ(CauseOf<CFileException>([&] { file.Seek(-7, CFile::end); }), CFileException::badSeek);
    EXPECT_EQ(file.GetPosition(), 6u); // unchanged by the failed seek
}

TEST(CMemFile, SetLengthCutsAndExtendsWithZeros) {
    CMemFile file(16);
    file.Write("0123456789", 10);
    file.SetLength(4);
    EXPECT_EQ(file.GetPosition(), 4u);
    EXPECT_EQ(Contents(file), "0123");
    file.SetLength(6);
    EXPECT_EQ(Contents(file), std::string("0123\0\0", 6));
}

TEST(CMemFile, DetachGivesTheBufferAwayAndLeavesAnEmptyFile) {
    CMemFile file(8);
    file.Write("hello, memory", 13);
    const auto length = file.GetLength();
    BYTE* data = file.Detach();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data), static_cast<size_t>(length)), "hello, memory");
    EXPECT_EQ(file.GetLength(), 0u);
    EXPECT_EQ(file.GetPosition(), 0u);
    file.Write("new", 3); // a fresh buffer of its own
    EXPECT_EQ(Contents(file), "new");
    std::free(data);
}

TEST(CMemFile, AttachedFixedBufferIsTheContentAndCannotGrow) {
    BYTE buffer[8];
    std::memcpy(buffer, "abcdefgh", 8);
    CMemFile file(buffer, sizeof buffer);
    EXPECT_EQ(file.GetLength(), 8u);
    EXPECT_EQ(Contents(file), "abcdefgh");
    file.Seek(6, CFile::begin);
    file.Write("XY", 2); // fits exactly
    EXPECT_TRUE(ThrowsMemory([&] { file.Write("!", 1); }));
    EXPECT_EQ(std::memcmp(buffer, "abcdefXY", 8), 0);
    EXPECT_EQ(file.Detach(), buffer);
}

TEST(CMemFile, AttachedGrowingBufferStartsEmptyAndIsReturnedByDetach) {
    auto* initial = static_cast<BYTE*>(std::malloc(4));
    ASSERT_NE(initial, nullptr);
    CMemFile file;
    file.Attach(initial, 4, 4);
    EXPECT_EQ(file.GetLength(), 0u);
    file.Write("0123456789", 10); // grows the caller's buffer
    BYTE* grown = file.Detach();
    ASSERT_NE(grown, nullptr);
    EXPECT_EQ(std::memcmp(grown, "0123456789", 10), 0);
    std::free(grown);
}

TEST(CMemFile, OpenAndDuplicateAreNotSupported) {
    CMemFile file;
    const auto unsupported = [](const std::function<void()>& f) {
        try {
            f();
        } catch (CNotSupportedException* e) {
            e->Delete();
            return true;
        }
        return false;
    };
    EXPECT_TRUE(unsupported([&] { file.Open("x", CFile::modeRead); }));
    EXPECT_TRUE(unsupported([&] { delete file.Duplicate(); }));
}
