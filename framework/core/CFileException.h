// Raised by file operations; carries the cause, the operating system's error code and the file.
#pragma once

#include "framework/core/CException.h"
#include "framework/core/CString.h"

class CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, const char* lpszFileName = nullptr);

    void Clear();
    BOOL GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;

    // Maps a Win32 error code (GetLastError) to a cause.
    static int OsErrorToException(LONG lOsError);
    // Maps a C runtime errno value to a cause.
    static int ErrnoToException(int nErrno);
    [[noreturn]] static void ThrowOsError(LONG lOsError, const char* lpszFileName = nullptr);
    [[noreturn]] static void ThrowErrno(int nErrno, const char* lpszFileName = nullptr);

    int m_cause;
    LONG m_lOsError; // -1 when no operating system error is known
    CString m_strFileName;
};

[[noreturn]] void AfxThrowFileException(int cause, LONG lOsError = -1, const char* lpszFileName = nullptr);
