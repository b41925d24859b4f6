// Binary files on disk: opening modes, sharing, errors with their causes, positions and lengths.
#include "ArchiveTestSupport.h"

#include "framework/core/CFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

using archive_test::CauseOf;
using archive_test::ReadRawFile;
using archive_test::TempFolder;
using archive_test::WriteRawFile;

namespace {

std::string ReadAll(CFile& file) {
    std::string content(static_cast<size_t>(file.GetLength()), '\0');
    file.SeekToBegin();
    content.resize(file.Read(content.data(), static_cast<UINT>(content.size())));
    return content;
}

} // namespace

TEST(CFile, OpenFailuresReportCauseOsErrorAndName) {
    TempFolder temp;
    const std::string missing = temp.File("missing.dat");
    const std::string badFolder = temp.File("no-folder\\file.dat");
    const struct {
        std::string name;
        UINT flags;
        int cause;
        LONG osError;
    } cases[] = {
        {missing, CFile::modeRead, CFileException::fileNotFound, ERROR_FILE_NOT_FOUND},
        {missing, CFile::modeReadWrite, CFileException::fileNotFound, ERROR_FILE_NOT_FOUND},
        {badFolder, CFile::modeCreate | CFile::modeWrite, CFileException::badPath, ERROR_PATH_NOT_FOUND},
        {temp.Path(), CFile::modeWrite, CFileException::accessDenied, ERROR_ACCESS_DENIED}, // a folder
    };
    for (const auto& c : cases) {
        CFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(c.name.c_str(), c.flags, &error)) << c.name;
        EXPECT_EQ(error.m_cause, c.cause) << c.name;
        EXPECT_EQ(error.m_lOsError, c.osError) << c.name;
        EXPECT_STREQ(error.m_strFileName, c.name.c_str());
        EXPECT_EQ(file.m_hFile, CFile::hFileNull);
    }
    EXPECT_FALSE(CFile().Open(missing.c_str(), CFile::modeRead)); // no error object: just FALSE
}

TEST(CFile, ConstructorThrowsTheOpenError) {
    TempFolder temp;
    const std::string missing = temp.File("missing.dat");
    try {
        CFile file(missing.c_str(), CFile::modeRead);
        ADD_FAILURE() << "opened a missing file";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
        EXPECT_EQ(e->m_lOsError, ERROR_FILE_NOT_FOUND);
        EXPECT_STREQ(e->m_strFileName, missing.c_str());
        e->Delete();
    }
}

TEST(CFile, SharingModesDecideWhetherASecondOpenSucceeds) {
    TempFolder temp;
    const std::string path = temp.File("shared.dat");
    WriteRawFile(path, "data");
    const struct {
        UINT first;
        UINT second;
        bool opens;
    } cases[] = {
        {CFile::modeRead | CFile::shareExclusive, CFile::modeRead | CFile::shareDenyNone, false},
        {CFile::modeRead | CFile::shareCompat, CFile::modeRead | CFile::shareDenyNone, false},
        {CFile::modeRead | CFile::shareDenyWrite, CFile::modeRead | CFile::shareDenyNone, true},
        {CFile::modeRead | CFile::shareDenyWrite, CFile::modeReadWrite | CFile::shareDenyNone, false},
        {CFile::modeRead | CFile::shareDenyRead, CFile::modeRead | CFile::shareDenyNone, false},
        {CFile::modeReadWrite | CFile::shareDenyNone, CFile::modeReadWrite | CFile::shareDenyNone, true},
        {CFile::modeReadWrite | CFile::shareDenyNone, CFile::modeRead | CFile::shareDenyWrite, false},
    };
    for (const auto& c : cases) {
        CFile first;
        ASSERT_TRUE(first.Open(path.c_str(), c.first));
        CFile second;
        CFileException error;
        EXPECT_EQ(second.Open(path.c_str(), c.second, &error) != FALSE, c.opens)
            << std::hex << c.first << " then " << c.second;
        if (!c.opens) {
            EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
            EXPECT_EQ(error.m_lOsError, ERROR_SHARING_VIOLATION);
        }
    }
}

TEST(CFile, CreateTruncatesUnlessNoTruncate) {
    TempFolder temp;
    const std::string path = temp.File("t.dat");
    WriteRawFile(path, "0123456789");
    {
        CFile keep(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
        EXPECT_EQ(keep.GetLength(), 10u);
        EXPECT_EQ(keep.GetPosition(), 0u);
        keep.Write("ab", 2);
    }
    EXPECT_EQ(ReadRawFile(path), "ab23456789");
    {
        CFile truncate(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        EXPECT_EQ(truncate.GetLength(), 0u);
    }
    EXPECT_EQ(ReadRawFile(path), "");
    {
        const std::string fresh = temp.File("fresh.dat");
        CFile created(fresh.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        EXPECT_EQ(created.GetLength(), 0u);
    }
}

TEST(CFile, ReadWriteSeekAndLength) {
    TempFolder temp;
    const std::string path = temp.File("rw.dat");
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeReadWrite);
    file.Write("hello world", 11);
    EXPECT_EQ(file.GetPosition(), 11u);
    EXPECT_EQ(file.GetLength(), 11u);

    EXPECT_EQ(file.Seek(-5, CFile::end), 6u);
    char buf[16] = {};
    EXPECT_EQ(file.Read(buf, sizeof buf), 5u); // fewer bytes at the end
    EXPECT_STREQ(buf, "world");
    EXPECT_EQ(file.Read(buf, sizeof buf), 0u);

    EXPECT_EQ(file.Seek(2, CFile::begin), 2u);
    EXPECT_EQ(file.Seek(2, CFile::current), 4u);
    file.Write("O", 1);
    EXPECT_EQ(file.SeekToEnd(), 11u);
    file.SeekToBegin();
    EXPECT_EQ(file.GetPosition(), 0u);
    EXPECT_EQ(ReadAll(file), "hellO world");

    file.SetLength(5);
    EXPECT_EQ(file.GetLength(), 5u);
    file.SetLength(8);
    EXPECT_EQ(ReadAll(file), std::string("hellO\0\0\0", 8));

    EXPECT_EQ(CauseOf<CFileException>([&] { file.Seek(-1, CFile::begin); }), CFileException::badSeek);
    file.Flush();
    file.Close();
    EXPECT_EQ(ReadRawFile(path), std::string("hellO\0\0\0", 8));
}

TEST(CFile, ReadingAWriteOnlyFileThrowsAccessDenied) {
    TempFolder temp;
    const std::string path = temp.File("w.dat");
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    char c;
    try {
        file.Read(&c, 1);
        ADD_FAILURE() << "read from a write-only file";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::accessDenied);
        EXPECT_EQ(e->m_lOsError, ERROR_ACCESS_DENIED);
        EXPECT_STREQ(e->m_strFileName, file.GetFilePath());
        e->Delete();
    }
}

TEST(CFile, NamesAndPaths) {
    TempFolder temp;
    const std::string path = temp.File("Time Book.v2.tlg");
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    EXPECT_STREQ(file.GetFilePath(), path.c_str());
    EXPECT_STREQ(file.GetFileName(), "Time Book.v2.tlg");
    EXPECT_STREQ(file.GetFileTitle(), "Time Book.v2");
    file.Close();
    EXPECT_EQ(file.m_hFile, CFile::hFileNull);
    EXPECT_TRUE(file.GetFilePath().IsEmpty());
    file.Close(); // closing twice is harmless
}

TEST(CFile, ClosedByItsDestructorAndAbort) {
    TempFolder temp;
    const std::string path = temp.File("c.dat");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
        file.Write("x", 1);
    }
    CFile again;
    ASSERT_TRUE(again.Open(path.c_str(), CFile::modeRead | CFile::shareExclusive));
    again.Abort();
    EXPECT_EQ(again.m_hFile, CFile::hFileNull);
    CFile third;
    EXPECT_TRUE(third.Open(path.c_str(), CFile::modeRead | CFile::shareExclusive));
}

TEST(CFile, WrappedHandleStaysTheCallers) {
    TempFolder temp;
    const std::string path = temp.File("h.dat");
    const HANDLE h =
        CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    {
        CFile wrapped(h);
        wrapped.Write("abc", 3);
    }
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(h, "d", 1, &written, nullptr)); // still open
    CloseHandle(h);
    EXPECT_EQ(ReadRawFile(path), "abcd");
}

TEST(CFile, DuplicateSharesThePosition) {
    TempFolder temp;
    const std::string path = temp.File("d.dat");
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeReadWrite);
    file.Write("12345", 5);
    std::unique_ptr<CFile> copy(file.Duplicate());
    EXPECT_STREQ(copy->GetFilePath(), file.GetFilePath());
    EXPECT_EQ(copy->GetPosition(), 5u);
    copy->Seek(1, CFile::begin);
    EXPECT_EQ(file.GetPosition(), 1u);
    copy.reset(); // closes the duplicate only
    char c = 0;
    EXPECT_EQ(file.Read(&c, 1), 1u);
    EXPECT_EQ(c, '2');
}

TEST(CFile, StatusRenameAndRemove) {
    TempFolder temp;
    const std::string path = temp.File("s.dat");
    const std::string renamed = temp.File("s2.dat");
    WriteRawFile(path, "12345");

    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(path.c_str(), status));
    EXPECT_EQ(status.m_size, 5u);
    EXPECT_STREQ(status.m_szFullName, path.c_str());
    EXPECT_EQ(status.m_attribute & CFile::directory, 0);
    const __time64_t now = CTime::GetCurrentTime().GetTime();
    EXPECT_LE(std::llabs(status.m_mtime.GetTime() - now), 120);
    {
        CFile open(path.c_str(), CFile::modeRead);
        CFileStatus byHandle;
        ASSERT_TRUE(open.GetStatus(byHandle));
        EXPECT_EQ(byHandle.m_size, 5u);
        EXPECT_EQ(byHandle.m_mtime.GetTime(), status.m_mtime.GetTime());
        EXPECT_STREQ(byHandle.m_szFullName, path.c_str());
    }
    EXPECT_FALSE(CFile::GetStatus(temp.File("none.dat").c_str(), status));
    ASSERT_TRUE(CFile::GetStatus(temp.Path().c_str(), status));
    EXPECT_NE(status.m_attribute & CFile::directory, 0);

    CFile::Rename(path.c_str(), renamed.c_str());
    EXPECT_EQ(ReadRawFile(renamed), "12345");
    EXPECT_EQ(ReadRawFile(path), "<missing>");
    EXPECT_EQ(CauseOf<CFileException>([&] { CFile::Rename(path.c_str(), renamed.c_str()); }),
              CFileException::fileNotFound);

    CFile::Remove(renamed.c_str());
    EXPECT_EQ(ReadRawFile(renamed), "<missing>");
    EXPECT_EQ(CauseOf<CFileException>([&] { CFile::Remove(renamed.c_str()); }), CFileException::fileNotFound);
}
