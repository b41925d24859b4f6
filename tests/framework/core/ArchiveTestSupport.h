// Helpers for the file, archive and exception tests: a scratch folder per test, catching the
// framework's heap-pointer exceptions with their cause, and archiving to and from memory.
#pragma once

#include "framework/core/CArchive.h"
#include "framework/core/CArchiveException.h"
#include "framework/core/CFile.h"
#include "framework/core/CFileException.h"
#include "framework/core/CMemFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace archive_test {

using Bytes = std::vector<BYTE>;

// A folder of its own under the temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> counter{0};
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = std::string(temp) + "bm_core_" + std::to_string(GetCurrentProcessId()) + "_" +
                 std::to_string(counter++) + "_" + (info ? info->name() : "x");
        for (char& c : m_path)
            if (c == '/')
                c = '_'; // parameterised test names
        CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~TempFolder() { RemoveTree(m_path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const std::string& name) const { return m_path + "\\" + name; }
    const std::string& Path() const { return m_path; }

private:
    static void RemoveTree(const std::string& dir) {
        WIN32_FIND_DATAA data;
        const HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = data.cFileName;
                if (name == "." || name == "..")
                    continue;
                const std::string full = dir + "\\" + name;
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(full);
                } else {
                    SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileA(full.c_str());
                }
            } while (FindNextFileA(find, &data));
            FindClose(find);
        }
        RemoveDirectoryA(dir.c_str());
    }

    std::string m_path;
};

// Writes raw bytes to a file through Win32 directly (independent of the classes under test).
inline void WriteRawFile(const std::string& path, const std::string& content) {
    const HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(h);
}

inline std::string ReadRawFile(const std::string& path) {
    const HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(h, buffer, sizeof buffer, &read, nullptr) && read > 0)
        content.append(buffer, read);
    CloseHandle(h);
    return content;
}

// The cause of the framework exception of class E that f throws, or -1 when it throws none.
template <class E, class F> int CauseOf(F&& f) {
    try {
        f();
    } catch (E* e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

// The bytes an archive writes through a memory file.
inline Bytes Store(const std::function<void(CArchive&)>& write, int bufSize = 4096) {
    CMemFile file(64);
    {
        CArchive ar(&file, CArchive::store, bufSize);
        write(ar);
        ar.Close();
    }
    const auto length = static_cast<size_t>(file.GetLength());
    BYTE* data = file.Detach();
    Bytes bytes(data, data + length);
    std::free(data);
    return bytes;
}

// Loads from the given bytes; the archive reads exactly these bytes and no more.
inline void Load(Bytes bytes, const std::function<void(CArchive&)>& read, int bufSize = 4096) {
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load, bufSize);
    read(ar);
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

inline Bytes Text(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

} // namespace archive_test
