// Test fixtures that give each test its own registry tree and its own folder, so that tests running
// side by side in one Wine prefix never see each other's values or files.
#pragma once

#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"

#include <windows.h>

#include <string>

// Points the registry layer at "Software\BrindlemarkTests\<new GUID>\" (below HKEY_CURRENT_USER) for
// its lifetime and deletes that tree afterwards.
class ScratchRegistry {
public:
    ScratchRegistry() : m_root(CString("Software\\BrindlemarkTests\\") + NewGuidString()) {
        RegSetTestRoot(m_root);
    }
    ~ScratchRegistry() {
        RegSetTestRoot(nullptr);
        RegDeleteTreeA(HKEY_CURRENT_USER, m_root);
        RegDeleteKeyA(HKEY_CURRENT_USER, m_root);
    }
    ScratchRegistry(const ScratchRegistry&) = delete;
    ScratchRegistry& operator=(const ScratchRegistry&) = delete;

    // The scratch root below HKEY_CURRENT_USER, without trailing backslash.
    const CString& Root() const { return m_root; }

private:
    CString m_root;
};

// A new empty folder below the temporary folder, deleted with everything in it afterwards.
class ScratchFolder {
public:
    ScratchFolder() {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        m_path = CString(temp) + "BrindlemarkTest-" + NewGuidString() + "\\";
        CreateDirectoryA(m_path, nullptr);
    }
    ~ScratchFolder() { RemoveTree(m_path); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder with its trailing backslash.
    const CString& Path() const { return m_path; }
    CString File(const char* name) const { return m_path + name; }

private:
    static void RemoveTree(const CString& folder) {
        WIN32_FIND_DATAA found = {};
        HANDLE search = FindFirstFileA(folder + "*", &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const CString name = found.cFileName;
                if (name == "." || name == "..")
                    continue;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(folder + name + "\\");
                else
                    DeleteFileA(folder + name);
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder);
    }

    CString m_path;
};

// Reads a value below HKEY_CURRENT_USER directly, bypassing the layer under test: its type and its raw
// bytes (a text's terminating zero included, as stored).
inline bool ReadRawValue(const CString& key, const char* name, std::string& data, DWORD& type) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    bool ok = RegQueryValueExA(opened, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    if (ok) {
        data.assign(size, '\0');
        ok = RegQueryValueExA(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) ==
             ERROR_SUCCESS;
        data.resize(size);
    }
    RegCloseKey(opened);
    return ok;
}
