// Memory files over global memory: growing in steps, handing the block over (Detach) and working on a
// block someone else owns (SetHandle), through the clipboard and back.
#include "framework/core/CArchive.h"
#include "framework/core/CMemoryException.h"
#include "framework/core/CSharedFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string ReadAll(CFile& file) {
    std::string content(static_cast<size_t>(file.GetLength()), '\0');
    file.SeekToBegin();
    content.resize(file.Read(content.data(), static_cast<UINT>(content.size())));
    return content;
}

// Opens the clipboard of this process, retrying while another program holds it.
class OpenedClipboard {
public:
    OpenedClipboard() {
        for (int attempt = 0; attempt < 200 && !m_open; ++attempt) {
            m_open = ::OpenClipboard(nullptr) != FALSE;
            if (!m_open)
                ::Sleep(10);
        }
    }
    ~OpenedClipboard() {
        if (m_open)
            ::CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool IsOpen() const { return m_open; }

private:
    bool m_open = false;
};

} // namespace

TEST(CSharedFile, GrowsInStepsOfGlobalMemoryAndDetachHandsTheBlockOver) {
    CSharedFile file(GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT, 4096);
    const std::string first(5000, 'a');
    file.Write(first.data(), static_cast<UINT>(first.size()));
    file.Write("end", 4);
    EXPECT_EQ(file.GetLength(), 5004u);
    EXPECT_EQ(ReadAll(file), first + std::string("end", 4));

    HGLOBAL hMem = file.Detach();
    ASSERT_NE(hMem, nullptr);
    EXPECT_EQ(::GlobalSize(hMem), 8192u) << "two grow steps of 4096";
    EXPECT_EQ(file.GetLength(), 0u) << "the file is empty after Detach";
    const auto* bytes = static_cast<const char*>(::GlobalLock(hMem));
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(std::string(bytes, 5000), first);
    EXPECT_STREQ(bytes + 5000, "end");
    EXPECT_EQ(bytes[8191], '\0') << "zero-initialised growth";
    ::GlobalUnlock(hMem);
    ::GlobalFree(hMem);

    // The detached file starts afresh.
    file.Write("again", 5);
    EXPECT_EQ(ReadAll(file), "again");
    EXPECT_EQ(file.Detach() != nullptr, true);
}

TEST(CSharedFile, RoundTripThroughTheClipboardLeavesTheClipboardsBlockAlone) {
    const UINT format = ::RegisterClipboardFormatA(
        ("BrindlemarkSharedFileTest" + std::to_string(::GetCurrentProcessId())).c_str());
    ASSERT_NE(format, 0u);
    OpenedClipboard clipboard;
    ASSERT_TRUE(clipboard.IsOpen());
    ASSERT_TRUE(::EmptyClipboard());

    // Written through an archive, as cut and paste of structured data does.
    {
        CSharedFile file(GMEM_MOVEABLE | GMEM_SHARE, 4096);
        {
            CArchive ar(&file, CArchive::store, 4096);
            ar << 1234L << CString("cells") << 2.5;
            ar.Close();
        }
        HGLOBAL hMem = file.Detach();
        ASSERT_NE(hMem, nullptr);
        ASSERT_NE(::SetClipboardData(format, hMem), nullptr);
    }

    HGLOBAL hData = ::GetClipboardData(format);
    ASSERT_NE(hData, nullptr);
    {
        CSharedFile file;
        file.SetHandle(hData, FALSE);
        EXPECT_GE(file.GetLength(), 8u);
        CArchive ar(&file, CArchive::load, 4096);
        long number = 0;
        CString text;
        double value = 0;
        ar >> number >> text >> value;
        ar.Close();
        EXPECT_EQ(number, 1234L);
        EXPECT_STREQ(text, "cells");
        EXPECT_EQ(value, 2.5);

        // The block cannot grow past its end.
        file.SeekToEnd();
        EXPECT_THROW(
            {
                try {
                    file.Write("x", 1);
                } catch (CMemoryException* e) {
                    e->Delete();
                    throw 1;
                }
            },
            int);
        file.Close();
    }
    // Closing the file left the clipboard's block as it was.
    const auto* bytes = static_cast<const BYTE*>(::GlobalLock(hData));
    ASSERT_NE(bytes, nullptr);
    LONG stored = 0;
    std::memcpy(&stored, bytes, sizeof stored);
    EXPECT_EQ(stored, 1234L);
    ::GlobalUnlock(hData);
    ::EmptyClipboard();
}

TEST(CSharedFile, SetHandleWithGrowthWritesIntoTheCallersBlock) {
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, 4);
    ASSERT_NE(hMem, nullptr);
    std::memcpy(::GlobalLock(hMem), "abcd", 4);
    ::GlobalUnlock(hMem);

    CSharedFile file(GMEM_MOVEABLE, 16);
    file.SetHandle(hMem, TRUE);
    EXPECT_EQ(ReadAll(file), "abcd");
    file.SeekToEnd();
    file.Write("efgh", 4);
    EXPECT_EQ(ReadAll(file), "abcdefgh");
    HGLOBAL hBack = file.Detach();
    ASSERT_NE(hBack, nullptr);
    EXPECT_GE(::GlobalSize(hBack), 8u);
    EXPECT_EQ(std::memcmp(::GlobalLock(hBack), "abcdefgh", 8), 0);
    ::GlobalUnlock(hBack);
    ::GlobalFree(hBack);
}
