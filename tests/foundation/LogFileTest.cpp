#include "foundation/CAcxLogFile.h"

#include "foundation/ScratchRegistry.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string ReadAll(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteAll(const char* path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
}

TEST(LogFile, LogCallsAppendAfterEarlierContent) {
    ScratchFolder folder;
    const CString path = folder.File("Database updates.txt");
    WriteAll(path, "earlier\r\n");

    CAcxLogFile log(path);
    log.Log("Added column %s to table %s\n", "Rate", "Tasks");
    log.Log("%d of %d\n", 2, 3);
    EXPECT_EQ("earlier\r\nAdded column Rate to table Tasks\r\n2 of 3\r\n", ReadAll(path));

    CAcxLogFile second(path);
    second.Log("tail");
    EXPECT_EQ("earlier\r\nAdded column Rate to table Tasks\r\n2 of 3\r\ntail", ReadAll(path));
}

TEST(LogFile, CreatesAMissingFileAndLeavesItClosed) {
    ScratchFolder folder;
    const CString path = folder.File("Refresh PT Log.txt");
    CAcxLogFile log(path);
    log.Log("line\n");
    EXPECT_EQ("line\r\n", ReadAll(path));

    // Between calls nobody holds the file: it can be opened without any sharing.
    HANDLE handle = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, handle);
    if (handle != INVALID_HANDLE_VALUE)
        CloseHandle(handle);
}

TEST(LogFile, WritesNothingWhileAnotherWriterHoldsTheFile) {
    ScratchFolder folder;
    const CString path = folder.File("Busy.log");
    WriteAll(path, "before\n");
    HANDLE writer = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, writer);

    CAcxLogFile log(path);
    EXPECT_NO_THROW(log.Log("lost %s\n", "line"));
    CloseHandle(writer);
    EXPECT_EQ("before\n", ReadAll(path));

    log.Log("after\n");
    EXPECT_EQ("before\nafter\r\n", ReadAll(path)) << "the next call writes again once the file is free";
}

TEST(LogFile, WritesNothingWhenTheFolderIsMissing) {
    ScratchFolder folder;
    const CString path = folder.File("No folder\\x.log");
    CAcxLogFile log(path);
    EXPECT_NO_THROW(log.Log("text\n"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path));
}

TEST(LogFile, LongTextsAreWrittenWhole) {
    ScratchFolder folder;
    const CString path = folder.File("Long.log");
    const std::string text(5000, 'x');
    CAcxLogFile log(path);
    log.Log("%s|%s", text.c_str(), text.c_str());
    EXPECT_EQ(text + "|" + text, ReadAll(path));
}

} // namespace
