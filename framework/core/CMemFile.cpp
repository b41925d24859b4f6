#include "framework/core/CMemFile.h"

#include <cstdlib>
#include <cstring>

#include "framework/core/CMemoryException.h"
#include "framework/core/CNotSupportedException.h"

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes) : m_nGrowBytes(nGrowBytes) {}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) : m_nGrowBytes(nGrowBytes) {
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile() {
    FreeBuffer();
}

BYTE* CMemFile::Alloc(SIZE_T nBytes) {
    return static_cast<BYTE*>(std::malloc(nBytes));
}

BYTE* CMemFile::Realloc(BYTE* lpMem, SIZE_T nBytes) {
    return lpMem == nullptr ? Alloc(nBytes) : static_cast<BYTE*>(std::realloc(lpMem, nBytes));
}

void CMemFile::Free(BYTE* lpMem) {
    std::free(lpMem);
}

void CMemFile::FreeBuffer() {
    if (m_lpBuffer != nullptr && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = nullptr;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = TRUE; // a buffer allocated from now on is ours
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) {
    FreeBuffer();
    m_lpBuffer = lpBuffer;
    m_nBufferSize = lpBuffer ? nBufferSize : 0;
    m_nGrowBytes = nGrowBytes;
    m_nFileSize = nGrowBytes == 0 ? m_nBufferSize : 0;
    m_nPosition = 0;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach() {
    BYTE* buffer = m_lpBuffer;
    m_lpBuffer = nullptr;
    FreeBuffer();
    return buffer;
}

void CMemFile::GrowFile(SIZE_T dwNewLen) {
    if (dwNewLen <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowMemoryException(); // a fixed buffer cannot grow
    // Round up to a whole number of grow steps.
    const SIZE_T steps = dwNewLen / m_nGrowBytes + (dwNewLen % m_nGrowBytes != 0);
    if (steps > SIZE_MAX / m_nGrowBytes)
        AfxThrowMemoryException();
    const SIZE_T newSize = steps * m_nGrowBytes;
    BYTE* grown = Realloc(m_lpBuffer, newSize);
    if (grown == nullptr)
        AfxThrowMemoryException();
    m_lpBuffer = grown;
    m_nBufferSize = newSize;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount) {
    if (m_nPosition >= m_nFileSize || nCount == 0)
        return 0;
    const SIZE_T available = m_nFileSize - m_nPosition;
    const UINT n = available < nCount ? static_cast<UINT>(available) : nCount;
    std::memcpy(lpBuf, m_lpBuffer + m_nPosition, n);
    m_nPosition += n;
    return n;
}

void CMemFile::Write(const void* lpBuf, UINT nCount) {
    if (nCount == 0)
        return;
    if (m_nPosition > SIZE_MAX - nCount)
        AfxThrowMemoryException();
    const SIZE_T end = m_nPosition + nCount;
    GrowFile(end);
    // Bytes between the old end and a position set past it read as zeros.
    if (m_nPosition > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    std::memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition = end;
    if (end > m_nFileSize)
        m_nFileSize = end;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom) {
    LONGLONG base = 0;
    switch (nFrom) {
    case begin:
        break;
    case current:
        base = static_cast<LONGLONG>(m_nPosition);
        break;
    case end:
        base = static_cast<LONGLONG>(m_nFileSize);
        break;
    default:
        AfxThrowFileException(CFileException::badSeek);
    }
    const LONGLONG target = base + lOff;
    if (target < 0)
        AfxThrowFileException(CFileException::badSeek);
    m_nPosition = static_cast<SIZE_T>(target);
    return m_nPosition;
}

void CMemFile::SetLength(ULONGLONG dwNewLen) {
    if (dwNewLen > SIZE_MAX)
        AfxThrowMemoryException();
    const auto newLen = static_cast<SIZE_T>(dwNewLen);
    GrowFile(newLen);
    if (newLen > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, newLen - m_nFileSize);
    if (m_nPosition > newLen)
        m_nPosition = newLen;
    m_nFileSize = newLen;
}

void CMemFile::Close() {
    FreeBuffer();
}

void CMemFile::Abort() {
    FreeBuffer();
}

CFile* CMemFile::Duplicate() const {
    AfxThrowNotSupportedException();
}

BOOL CMemFile::Open(const char*, UINT, CFileException*) {
    AfxThrowNotSupportedException();
}
