#include "framework/core/CFile.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CFile, CObject)

// The members use INVALID_HANDLE_VALUE itself, so objects constructed during static initialisation
// (before this constant is set) are right too.
const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

CFile::CFile() : m_hFile(INVALID_HANDLE_VALUE), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(const char* lpszFileName, UINT nOpenFlags) : CFile() {
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile() {
    // A destructor must not throw; callers who care about close errors call Close() themselves.
    if (m_hFile != INVALID_HANDLE_VALUE && m_bCloseOnDelete)
        Abort();
}

namespace {
DWORD AccessFor(UINT nOpenFlags) {
    switch (nOpenFlags & 3) {
    case CFile::modeRead:
        return GENERIC_READ;
    case CFile::modeWrite:
        return GENERIC_WRITE;
    case CFile::modeReadWrite:
        return GENERIC_READ | GENERIC_WRITE;
    default:
        return 0;
    }
}

DWORD ShareFor(UINT nOpenFlags) {
    switch (nOpenFlags & 0x70) {
    case CFile::shareDenyWrite:
        return FILE_SHARE_READ;
    case CFile::shareDenyRead:
        return FILE_SHARE_WRITE;
    case CFile::shareDenyNone:
        return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default: // shareCompat and shareExclusive
        return 0;
    }
}

DWORD CreationFor(UINT nOpenFlags) {
    if (nOpenFlags & CFile::modeCreate)
        return (nOpenFlags & CFile::modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    return OPEN_EXISTING;
}

CString FullPath(const char* lpszFileName) {
    char full[MAX_PATH];
    const DWORD n = GetFullPathNameA(lpszFileName, MAX_PATH, full, nullptr);
    return (n == 0 || n >= MAX_PATH) ? CString(lpszFileName) : CString(full);
}
} // namespace

BOOL CFile::Open(const char* lpszFileName, UINT nOpenFlags, CFileException* pError) {
    if (m_hFile != INVALID_HANDLE_VALUE && m_bCloseOnDelete)
        Abort();
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();

    const DWORD access = AccessFor(nOpenFlags);
    const bool badFlags = access == 0 || lpszFileName == nullptr || *lpszFileName == '\0';
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, (nOpenFlags & modeNoInherit) == 0};
    const HANDLE h = badFlags ? INVALID_HANDLE_VALUE
                              : CreateFileA(lpszFileName, access, ShareFor(nOpenFlags), &sa,
                                            CreationFor(nOpenFlags), FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        if (pError) {
            const LONG osError = badFlags ? ERROR_INVALID_PARAMETER : static_cast<LONG>(GetLastError());
            pError->m_lOsError = osError;
            pError->m_cause =
                badFlags ? CFileException::badPath : CFileException::OsErrorToException(osError);
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = h;
    m_bCloseOnDelete = TRUE;
    m_strFileName = FullPath(lpszFileName);
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
    if (nCount == 0)
        return 0;
    DWORD read = 0;
    if (!ReadFile(m_hFile, lpBuf, nCount, &read, nullptr))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
    return read;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
    if (nCount == 0)
        return;
    DWORD written = 0;
    if (!WriteFile(m_hFile, lpBuf, nCount, &written, nullptr))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
    if (written < nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom) {
    static_assert(begin == FILE_BEGIN && current == FILE_CURRENT && end == FILE_END);
    if (nFrom > end)
        AfxThrowFileException(CFileException::badSeek, ERROR_INVALID_PARAMETER, m_strFileName);
    LARGE_INTEGER distance;
    distance.QuadPart = lOff;
    LARGE_INTEGER position{};
    if (!SetFilePointerEx(m_hFile, distance, &position, nFrom))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
    return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetPosition() const {
    LARGE_INTEGER position{};
    if (!SetFilePointerEx(m_hFile, LARGE_INTEGER{}, &position, FILE_CURRENT))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
    return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetLength() const {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(m_hFile, &size))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
    return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::SetLength(ULONGLONG dwNewLen) {
    Seek(static_cast<LONGLONG>(dwNewLen), begin);
    if (!SetEndOfFile(m_hFile))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
}

void CFile::Flush() {
    if (m_hFile == INVALID_HANDLE_VALUE)
        return;
    if (!FlushFileBuffers(m_hFile))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
}

void CFile::Close() {
    const HANDLE h = m_hFile;
    const BOOL owned = m_bCloseOnDelete;
    const CString name = m_strFileName;
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
    if (h != INVALID_HANDLE_VALUE && owned && !CloseHandle(h))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), name);
}

void CFile::Abort() {
    if (m_hFile != INVALID_HANDLE_VALUE && m_bCloseOnDelete)
        CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CFile* CFile::Duplicate() const {
    HANDLE duplicate = nullptr;
    const HANDLE process = GetCurrentProcess();
    if (!DuplicateHandle(process, m_hFile, process, &duplicate, 0, FALSE, DUPLICATE_SAME_ACCESS))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
    auto* file = new CFile(duplicate);
    file->m_bCloseOnDelete = TRUE;
    file->m_strFileName = m_strFileName;
    return file;
}

namespace {
void CopyName(const char* name, CFileStatus& rStatus) {
    lstrcpynA(rStatus.m_szFullName, name, MAX_PATH);
}
} // namespace

BOOL CFile::GetStatus(CFileStatus& rStatus) const {
    BY_HANDLE_FILE_INFORMATION info{};
    if (m_hFile == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(m_hFile, &info))
        return FALSE;
    CopyName(m_strFileName, rStatus);
    rStatus.m_ctime = CTime(info.ftCreationTime);
    rStatus.m_atime = CTime(info.ftLastAccessTime);
    rStatus.m_mtime = CTime(info.ftLastWriteTime);
    rStatus.m_size = (static_cast<ULONGLONG>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    rStatus.m_attribute = static_cast<BYTE>(info.dwFileAttributes);
    return TRUE;
}

BOOL CFile::GetStatus(const char* lpszFileName, CFileStatus& rStatus) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (lpszFileName == nullptr || !GetFileAttributesExA(lpszFileName, GetFileExInfoStandard, &data))
        return FALSE;
    CopyName(FullPath(lpszFileName), rStatus);
    rStatus.m_ctime = CTime(data.ftCreationTime);
    rStatus.m_atime = CTime(data.ftLastAccessTime);
    rStatus.m_mtime = CTime(data.ftLastWriteTime);
    rStatus.m_size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    rStatus.m_attribute = static_cast<BYTE>(data.dwFileAttributes);
    return TRUE;
}

void CFile::Rename(const char* lpszOldName, const char* lpszNewName) {
    if (!MoveFileA(lpszOldName, lpszNewName))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), lpszOldName);
}

void CFile::Remove(const char* lpszFileName) {
    if (!DeleteFileA(lpszFileName))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), lpszFileName);
}

CString CFile::GetFileName() const {
    const int slash = std::max(m_strFileName.ReverseFind('\\'), m_strFileName.ReverseFind('/'));
    return m_strFileName.Mid(slash + 1);
}

CString CFile::GetFileTitle() const {
    const CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}

CString CFile::GetFilePath() const {
    return m_strFileName;
}

void CFile::SetFilePath(const char* lpszNewName) {
    m_strFileName = lpszNewName;
}
