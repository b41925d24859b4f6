#include "foundation/CAcxVersionInfo.h"

void CAcxVersionInfo::Reset() {
    m_fixed = nullptr;
    m_block.reset();
}

bool CAcxVersionInfo::Load(const char* path) {
    // A failed load leaves nothing behind, so no answer comes from a file loaded earlier.
    Reset();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0)
        return false;
    auto block = std::make_unique<BYTE[]>(size);
    if (!GetFileVersionInfoA(path, 0, size, block.get()))
        return false;
    m_block = std::move(block);
    void* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueA(m_block.get(), "\\", &fixed, &length) && fixed && length >= sizeof(VS_FIXEDFILEINFO))
        m_fixed = static_cast<const VS_FIXEDFILEINFO*>(fixed);
    return true;
}

CString CAcxVersionInfo::GetString(const char* key) const {
    if (!m_block)
        return CString();
    const CString path = CString("\\StringFileInfo\\040904B0\\") + key;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(m_block.get(), path, &value, &length) || !value || length == 0)
        return CString();
    // length counts characters including the terminating zero; stop at the first zero either way.
    const auto* text = static_cast<const char*>(value);
    int count = 0;
    while (count < static_cast<int>(length) && text[count] != '\0')
        ++count;
    return CString(text, count);
}

bool CAcxVersionInfo::HasFileFlag(DWORD mask) const {
    return m_fixed && (m_fixed->dwFileFlagsMask & mask) != 0 && (m_fixed->dwFileFlags & mask) != 0;
}
