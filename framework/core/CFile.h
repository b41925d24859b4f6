// Unbuffered binary file over a Win32 file handle. Errors are thrown as CFileException carrying
// the operating system's error code; the handle is closed with the object.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/core/CFileException.h"
#include "framework/core/CFileStatus.h"

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,  // used by CStdioFile
        typeBinary = 0x8000 // used by CStdioFile
    };
    enum Attribute : BYTE {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20
    };
    enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

    static const HANDLE hFileNull;

    CFile();
    // Wraps an open handle; the handle stays the caller's (it is not closed with this object).
    explicit CFile(HANDLE hFile);
    // Opens or throws CFileException.
    CFile(const char* lpszFileName, UINT nOpenFlags);
    ~CFile() override;

    operator HANDLE() const { return m_hFile; }

    // Returns FALSE and fills *pError (when given) instead of throwing.
    virtual BOOL Open(const char* lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);

    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG dwNewLen);
    virtual void Flush();
    // Closes the file; errors are thrown.
    virtual void Close();
    // Closes the file, ignoring errors (for clean-up after a failure).
    virtual void Abort();
    // A second object on a duplicate of the handle, sharing the file position.
    virtual CFile* Duplicate() const;

    BOOL GetStatus(CFileStatus& rStatus) const;
    static BOOL GetStatus(const char* lpszFileName, CFileStatus& rStatus);
    static void Rename(const char* lpszOldName, const char* lpszNewName);
    static void Remove(const char* lpszFileName);

    virtual CString GetFileName() const;  // name with extension, without folder
    virtual CString GetFileTitle() const; // name without folder and extension
    virtual CString GetFilePath() const;  // full path
    virtual void SetFilePath(const char* lpszNewName);

    HANDLE m_hFile;

protected:
    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};
