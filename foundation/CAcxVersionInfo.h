// Reads the version resource of a program file: its version strings and its fixed file flags.
#pragma once

#include "framework/core/CString.h"

#include <memory>

class CAcxVersionInfo {
public:
    CAcxVersionInfo() = default;
    CAcxVersionInfo(const CAcxVersionInfo&) = delete;
    CAcxVersionInfo& operator=(const CAcxVersionInfo&) = delete;

    // Reads the version information of the file. False, and nothing loaded, when the file has none.
    bool Load(const char* path);
    // The value of key in the US English, Unicode block of the version strings ("ProductVersion",
    // "LegalCopyright" ...); the empty text when absent or when nothing is loaded.
    CString GetString(const char* key) const;
    // True when the fixed information is present, mask intersects its flags mask, and its file flags
    // contain a bit of mask.
    bool HasFileFlag(DWORD mask) const;

private:
    void Reset();

    std::unique_ptr<BYTE[]> m_block;
    const VS_FIXEDFILEINFO* m_fixed = nullptr;
};
