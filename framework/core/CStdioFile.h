// Buffered file over a C runtime stream. With typeText (the default) "\n" is written as "\r\n"
// and "\r\n" reads as "\n"; typeBinary passes bytes unchanged.
#pragma once

#include <cstdio>

#include "framework/core/CFile.h"

class CStdioFile : public CFile {
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    // Wraps an open stream; the stream stays the caller's.
    explicit CStdioFile(FILE* pOpenStream);
    // Opens or throws CFileException.
    CStdioFile(const char* lpszFileName, UINT nOpenFlags);
    ~CStdioFile() override;

    BOOL Open(const char* lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;

    // Writes the text as it is; add "\n" for a line end.
    virtual void WriteString(const char* lpsz);
    // Reads up to nMax - 1 characters, stopping after a "\n" (which is kept). nullptr at the end.
    virtual char* ReadString(char* lpsz, UINT nMax);
    // Reads one line without its line end ("\n", or "\r\n" in binary mode). FALSE at the end.
    virtual BOOL ReadString(CString& rString);

    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override;
    ULONGLONG GetLength() const override;
    void Flush() override;
    void Close() override;
    void Abort() override;
    CFile* Duplicate() const override; // not supported for streams

    FILE* m_pStream;

private:
    [[noreturn]] void ThrowStreamError() const;
};
