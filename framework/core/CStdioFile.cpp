#include "framework/core/CStdioFile.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <string>

#include "framework/core/CNotSupportedException.h"

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile() : m_pStream(nullptr) {}

CStdioFile::CStdioFile(FILE* pOpenStream) : CFile(), m_pStream(pOpenStream) {
    if (pOpenStream != nullptr)
        m_hFile = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(pOpenStream)));
}

CStdioFile::CStdioFile(const char* lpszFileName, UINT nOpenFlags) : CStdioFile() {
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CStdioFile::~CStdioFile() {
    if (m_pStream != nullptr && m_bCloseOnDelete)
        Abort();
}

namespace {
// The C runtime mode for the open flags. Writing without truncation appends, as fopen's "a" does.
struct StreamMode {
    int osFlags;
    char text[4];
};

StreamMode ModeFor(UINT nOpenFlags) {
    StreamMode mode{};
    const UINT access = nOpenFlags & 3;
    char* p = mode.text;
    if (nOpenFlags & CFile::modeCreate)
        *p++ = (nOpenFlags & CFile::modeNoTruncate) ? 'a' : 'w';
    else if (access == CFile::modeWrite)
        *p++ = 'a';
    else
        *p++ = 'r';
    const bool wantsOtherDirection =
        (mode.text[0] == 'r') ? access != CFile::modeRead : access != CFile::modeWrite;
    if (wantsOtherDirection)
        *p++ = '+';
    *p++ = (nOpenFlags & CFile::typeBinary) ? 'b' : 't';
    *p = '\0';

    mode.osFlags = (nOpenFlags & CFile::typeBinary) ? _O_BINARY : _O_TEXT;
    if (mode.text[0] == 'a')
        mode.osFlags |= _O_APPEND;
    if (wantsOtherDirection)
        mode.osFlags |= _O_RDWR;
    else if (mode.text[0] == 'r')
        mode.osFlags |= _O_RDONLY;
    else
        mode.osFlags |= _O_WRONLY;
    return mode;
}
} // namespace

BOOL CStdioFile::Open(const char* lpszFileName, UINT nOpenFlags, CFileException* pError) {
    if (m_pStream != nullptr && m_bCloseOnDelete)
        Abort();
    m_pStream = nullptr;
    // The handle comes from CFile::Open so sharing and errors behave as for every other file.
    if (!CFile::Open(lpszFileName, nOpenFlags & ~static_cast<UINT>(typeText | typeBinary), pError))
        return FALSE;

    const StreamMode mode = ModeFor(nOpenFlags);
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(m_hFile), mode.osFlags);
    FILE* stream = fd == -1 ? nullptr : _fdopen(fd, mode.text);
    if (stream == nullptr) {
        const int err = errno;
        if (fd != -1)
            _close(fd); // closes the handle too
        else
            CloseHandle(m_hFile);
        m_hFile = INVALID_HANDLE_VALUE;
        m_bCloseOnDelete = FALSE;
        if (pError) {
            pError->m_lOsError = err;
            pError->m_cause = CFileException::ErrnoToException(err);
            pError->m_strFileName = lpszFileName;
        }
        m_strFileName.Empty();
        return FALSE;
    }
    m_pStream = stream;
    return TRUE;
}

void CStdioFile::ThrowStreamError() const {
    const int err = errno;
    CFileException::ThrowErrno(err == 0 ? EIO : err, m_strFileName);
}

void CStdioFile::WriteString(const char* lpsz) {
    if (lpsz == nullptr || *lpsz == '\0')
        return;
    if (std::fputs(lpsz, m_pStream) == EOF)
        ThrowStreamError();
}

char* CStdioFile::ReadString(char* lpsz, UINT nMax) {
    if (lpsz == nullptr || nMax == 0)
        return nullptr;
    const int limit = nMax > INT_MAX ? INT_MAX : static_cast<int>(nMax);
    char* result = std::fgets(lpsz, limit, m_pStream);
    if (result == nullptr) {
        lpsz[0] = '\0';
        if (std::ferror(m_pStream)) {
            std::clearerr(m_pStream);
            ThrowStreamError();
        }
    }
    return result;
}

BOOL CStdioFile::ReadString(CString& rString) {
    std::string line;
    char chunk[256];
    bool gotAny = false;
    while (ReadString(chunk, sizeof chunk) != nullptr) {
        gotAny = true;
        line += chunk;
        if (!line.empty() && line.back() == '\n')
            break;
    }
    if (!line.empty() && line.back() == '\n') {
        line.pop_back();
        if (!line.empty() && line.back() == '\r') // a binary-mode file with Windows line ends
            line.pop_back();
    }
    rString = CString(line.c_str(), static_cast<int>(line.size()));
    return gotAny;
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount) {
    if (nCount == 0)
        return 0;
    const size_t read = std::fread(lpBuf, 1, nCount, m_pStream);
    if (read < nCount && std::ferror(m_pStream)) {
        std::clearerr(m_pStream);
        ThrowStreamError();
    }
    return static_cast<UINT>(read);
}

void CStdioFile::Write(const void* lpBuf, UINT nCount) {
    if (nCount == 0)
        return;
    if (std::fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
        ThrowStreamError();
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom) {
    static_assert(begin == SEEK_SET && current == SEEK_CUR && end == SEEK_END);
    if (nFrom > end || _fseeki64(m_pStream, lOff, static_cast<int>(nFrom)) != 0)
        AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    return GetPosition();
}

ULONGLONG CStdioFile::GetPosition() const {
    const __int64 position = _ftelli64(m_pStream);
    if (position < 0)
        AfxThrowFileException(CFileException::invalidFile, errno, m_strFileName);
    return static_cast<ULONGLONG>(position);
}

ULONGLONG CStdioFile::GetLength() const {
    const __int64 position = _ftelli64(m_pStream);
    if (position < 0 || _fseeki64(m_pStream, 0, SEEK_END) != 0)
        AfxThrowFileException(CFileException::invalidFile, errno, m_strFileName);
    const __int64 length = _ftelli64(m_pStream);
    _fseeki64(m_pStream, position, SEEK_SET);
    return static_cast<ULONGLONG>(length < 0 ? 0 : length);
}

void CStdioFile::Flush() {
    if (m_pStream != nullptr && std::fflush(m_pStream) != 0)
        ThrowStreamError();
}

void CStdioFile::Close() {
    FILE* stream = m_pStream;
    const BOOL owned = m_bCloseOnDelete;
    const CString name = m_strFileName;
    m_pStream = nullptr;
    m_hFile = INVALID_HANDLE_VALUE; // fclose closes the handle with the stream
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
    if (stream != nullptr && owned && std::fclose(stream) != 0)
        CFileException::ThrowErrno(errno, name);
}

void CStdioFile::Abort() {
    if (m_pStream != nullptr && m_bCloseOnDelete)
        std::fclose(m_pStream);
    m_pStream = nullptr;
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CFile* CStdioFile::Duplicate() const {
    AfxThrowNotSupportedException();
}
