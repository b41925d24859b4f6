#include "framework/core/CFileFind.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CFileFind, CObject)

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

} // namespace

CFileFind::~CFileFind() {
    Close();
}

void CFileFind::Close() {
    CloseContext();
    m_bHaveFound = false;
    m_bHaveNext = false;
    m_strRoot.Empty();
}

void CFileFind::CloseContext() {
    if (m_hContext != INVALID_HANDLE_VALUE) {
        ::FindClose(m_hContext);
        m_hContext = INVALID_HANDLE_VALUE;
    }
}

BOOL CFileFind::FindFile(LPCSTR pstrName, DWORD) {
    Close();
    const CString pattern(pstrName != nullptr && *pstrName != '\0' ? pstrName : "*.*");
    m_hContext = ::FindFirstFileA(pattern, &m_next);
    if (m_hContext == INVALID_HANDLE_VALUE)
        return FALSE;
    m_bHaveNext = true;

    // The folder of the pattern, as a full path.
    std::vector<char> full(MAX_PATH);
    char* filePart = nullptr;
    DWORD nLength = ::GetFullPathNameA(pattern, static_cast<DWORD>(full.size()), full.data(), &filePart);
    if (nLength >= full.size()) {
        full.resize(nLength + 1);
        nLength = ::GetFullPathNameA(pattern, static_cast<DWORD>(full.size()), full.data(), &filePart);
    }
    if (nLength == 0) {
        m_strRoot = pattern;
    } else {
        CString root(full.data());
        const int cut = std::max(root.ReverseFind('\\'), root.ReverseFind('/'));
        root = cut < 0 ? CString() : root.Left(cut);
        // A drive's root keeps its separator ("C:\").
        if (root.GetLength() == 2 && root[1] == ':')
            root += '\\';
        m_strRoot = root;
    }
    return TRUE;
}

BOOL CFileFind::FindNextFile() {
    if (!m_bHaveNext)
        return FALSE;
    m_found = m_next;
    m_bHaveFound = true;
    m_bHaveNext = m_hContext != INVALID_HANDLE_VALUE && ::FindNextFileA(m_hContext, &m_next) != FALSE;
    if (!m_bHaveNext)
        CloseContext();
    return m_bHaveNext;
}

// ---------------------------------------------------------------------------------------------------
// The current file

ULONGLONG CFileFind::GetLength() const {
    if (!m_bHaveFound)
        return 0;
    return (static_cast<ULONGLONG>(m_found.nFileSizeHigh) << 32) | m_found.nFileSizeLow;
}

CString CFileFind::GetFileName() const {
    return m_bHaveFound ? CString(m_found.cFileName) : CString();
}

CString CFileFind::GetFilePath() const {
    if (!m_bHaveFound)
        return CString();
    CString path = m_strRoot;
    if (!path.IsEmpty() && !IsSeparator(path[path.GetLength() - 1]))
        path += '\\';
    return path + m_found.cFileName;
}

CString CFileFind::GetFileTitle() const {
    const CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot <= 0 ? name : name.Left(dot);
}

CString CFileFind::GetFileURL() const {
    if (!m_bHaveFound)
        return CString();
    return CString("file://") + GetFilePath();
}

CString CFileFind::GetRoot() const {
    return m_strRoot;
}

BOOL CFileFind::GetLastWriteTime(FILETIME* pTimeStamp) const {
    if (!m_bHaveFound || pTimeStamp == nullptr)
        return FALSE;
    *pTimeStamp = m_found.ftLastWriteTime;
    return TRUE;
}

BOOL CFileFind::GetLastAccessTime(FILETIME* pTimeStamp) const {
    if (!m_bHaveFound || pTimeStamp == nullptr)
        return FALSE;
    *pTimeStamp = m_found.ftLastAccessTime;
    return TRUE;
}

BOOL CFileFind::GetCreationTime(FILETIME* pTimeStamp) const {
    if (!m_bHaveFound || pTimeStamp == nullptr)
        return FALSE;
    *pTimeStamp = m_found.ftCreationTime;
    return TRUE;
}

BOOL CFileFind::GetLastWriteTime(CTime& refTime) const {
    FILETIME ft;
    if (!GetLastWriteTime(&ft))
        return FALSE;
    refTime = CTime(ft);
    return TRUE;
}

BOOL CFileFind::GetLastAccessTime(CTime& refTime) const {
    FILETIME ft;
    if (!GetLastAccessTime(&ft))
        return FALSE;
    refTime = CTime(ft);
    return TRUE;
}

BOOL CFileFind::GetCreationTime(CTime& refTime) const {
    FILETIME ft;
    if (!GetCreationTime(&ft))
        return FALSE;
    refTime = CTime(ft);
    return TRUE;
}

BOOL CFileFind::MatchesMask(DWORD dwMask) const {
    return m_bHaveFound && (m_found.dwFileAttributes & dwMask) != 0;
}

BOOL CFileFind::IsDots() const {
    if (!IsDirectory())
        return FALSE;
    const char* name = m_found.cFileName;
    return (name[0] == '.' && name[1] == '\0') || (name[0] == '.' && name[1] == '.' && name[2] == '\0');
}
