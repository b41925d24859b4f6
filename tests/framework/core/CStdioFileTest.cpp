// Text files: line-end translation in text mode, lines read back without their ends, modes.
#include "ArchiveTestSupport.h"

#include "framework/core/CStdioFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using archive_test::ReadRawFile;
using archive_test::TempFolder;
using archive_test::WriteRawFile;

namespace {

std::vector<std::string> ReadLines(CStdioFile& file) {
    std::vector<std::string> lines;
    CString line;
    while (file.ReadString(line))
        lines.emplace_back(line);
    EXPECT_TRUE(line.IsEmpty()); // the failed read leaves an empty string
    return lines;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(CStdioFile, TextModeWritesCrLfAndReadsLinesWithoutEnds) {
    TempFolder temp;
    const std::string path = temp.File("log.txt");
    {
        CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        file.WriteString("first\n");
        file.WriteString("");
        file.WriteString("second\n\nlast");
    }
    EXPECT_EQ(ReadRawFile(path), "first\r\nsecond\r\n\r\nlast");

    CStdioFile file(path.c_str(), CFile::modeRead); // text is the default
    EXPECT_EQ(ReadLines(file), (Lines{"first", "second", "", "last"}));
}

TEST(CStdioFile, BinaryModeKeepsBytesAndStillSplitsLines) {
    TempFolder temp;
    const std::string path = temp.File("bin.txt");
    {
        CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        file.WriteString("a\nb\r\nc\n");
    }
    EXPECT_EQ(ReadRawFile(path), "a\nb\r\nc\n");
    CStdioFile file(path.c_str(), CFile::modeRead | CFile::typeBinary);
    EXPECT_EQ(ReadLines(file), (Lines{"a", "b", "c"}));
}

TEST(CStdioFile, ReadsTextWithMixedLineEnds) {
    TempFolder temp;
    const std::string path = temp.File("mixed.txt");
    WriteRawFile(path, "one\r\ntwo\nthree\r\n");
    CStdioFile file(path.c_str(), CFile::modeRead | CFile::typeText);
    EXPECT_EQ(ReadLines(file), (Lines{"one", "two", "three"}));
}

TEST(CStdioFile, LongLinesAreReadWhole) {
    TempFolder temp;
    const std::string path = temp.File("long.txt");
    const std::string longLine(3000, 'x');
    WriteRawFile(path, longLine + "\r\n" + "y\r\n");
    CStdioFile file(path.c_str(), CFile::modeRead);
    EXPECT_EQ(ReadLines(file), (Lines{longLine, "y"}));
}

TEST(CStdioFile, BufferReadKeepsTheNewLineAndStopsAtTheLimit) {
    TempFolder temp;
    const std::string path = temp.File("buf.txt");
    WriteRawFile(path, "abcdef\r\ngh");
    CStdioFile file(path.c_str(), CFile::modeRead);
    char buf[5];
    ASSERT_NE(file.ReadString(buf, sizeof buf), nullptr);
    EXPECT_STREQ(buf, "abcd");
    ASSERT_EQ(file.ReadString(buf, sizeof buf), buf);
    EXPECT_STREQ(buf, "ef\n");
    ASSERT_NE(file.ReadString(buf, sizeof buf), nullptr);
    EXPECT_STREQ(buf, "gh");
    EXPECT_EQ(file.ReadString(buf, sizeof buf), nullptr);
}

TEST(CStdioFile, WritingWithoutTruncationAppends) {
    TempFolder temp;
    const std::string path = temp.File("append.log");
    for (const char* entry : {"one\n", "two\n"}) {
        CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        file.WriteString(entry);
    }
    EXPECT_EQ(ReadRawFile(path), "one\r\ntwo\r\n");
    {
        CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        file.WriteString("fresh\n");
    }
    EXPECT_EQ(ReadRawFile(path), "fresh\r\n");
}

TEST(CStdioFile, RawReadWriteSeekAndLength) {
    TempFolder temp;
    const std::string path = temp.File("raw.dat");
    CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeReadWrite | CFile::typeBinary);
    file.Write("0123456789", 10);
    EXPECT_EQ(file.GetLength(), 10u);
    EXPECT_EQ(file.GetPosition(), 10u);
    EXPECT_EQ(file.Seek(3, CFile::begin), 3u);
    char buf[8] = {};
    EXPECT_EQ(file.Read(buf, 4), 4u);
    EXPECT_STREQ(buf, "3456");
    EXPECT_EQ(file.Seek(-2, CFile::end), 8u);
    EXPECT_EQ(file.Read(buf, 8), 2u); // fewer at the end
    file.Close();
    EXPECT_EQ(file.m_pStream, nullptr);
    EXPECT_EQ(ReadRawFile(path), "0123456789");
}

TEST(CStdioFile, OpenErrorsAndSharingAreThoseOfTheFile) {
    TempFolder temp;
    const std::string path = temp.File("locked.txt");
    CStdioFile missing;
    CFileException error;
    EXPECT_FALSE(missing.Open(temp.File("none.txt").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(missing.m_pStream, nullptr);

    CFile exclusive(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
    CStdioFile second;
    EXPECT_FALSE(second.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone, &error));
    EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
}

TEST(CStdioFile, WrappedStreamStaysTheCallers) {
    TempFolder temp;
    const std::string path = temp.File("stream.txt");
    FILE* stream = std::fopen(path.c_str(), "w");
    ASSERT_NE(stream, nullptr);
    {
        CStdioFile wrapped(stream);
        wrapped.WriteString("a\n");
    }
    EXPECT_GE(std::fputs("b\n", stream), 0); // still open
    std::fclose(stream);
    EXPECT_EQ(ReadRawFile(path), "a\r\nb\r\n");
}
