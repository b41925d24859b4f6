// A file held in memory. It grows in steps of the grow size; a buffer attached with a grow size
// of 0 has a fixed size, and writing past it throws CMemoryException.
#pragma once

#include "framework/core/CFile.h"

class CMemFile : public CFile {
    DECLARE_DYNAMIC(CMemFile)
public:
    explicit CMemFile(UINT nGrowBytes = 1024);
    CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    ~CMemFile() override;

    // Uses the caller's buffer. With nGrowBytes 0 the buffer's bytes are the file's content and
    // its size is fixed; otherwise the file starts empty and the buffer may be reallocated with
    // realloc, so it must come from malloc. The caller frees it after Detach.
    void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    // Returns the buffer and gives it to the caller (free it with free()); the file is then empty.
    BYTE* Detach();

    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override { return m_nPosition; }
    ULONGLONG GetLength() const override { return m_nFileSize; }
    void SetLength(ULONGLONG dwNewLen) override;
    void Flush() override {}
    void Close() override;
    void Abort() override;
    CFile* Duplicate() const override; // not supported

    // A memory file has no name to open: throws CNotSupportedException.
    BOOL Open(const char* lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;

protected:
    void GrowFile(SIZE_T dwNewLen);
    void FreeBuffer();
    // Where the bytes live: malloc here; a derived file may keep them elsewhere. Realloc with a null
    // lpMem allocates; a null result means no memory.
    virtual BYTE* Alloc(SIZE_T nBytes);
    virtual BYTE* Realloc(BYTE* lpMem, SIZE_T nBytes);
    virtual void Free(BYTE* lpMem);

    SIZE_T m_nGrowBytes;
    SIZE_T m_nPosition = 0;
    SIZE_T m_nBufferSize = 0;
    SIZE_T m_nFileSize = 0;
    BYTE* m_lpBuffer = nullptr;
    BOOL m_bAutoDelete = TRUE; // the buffer is ours to free
};
