// CFileFind: the files of a folder that match a pattern, one after the other. FindFile starts the
// search; each FindNextFile makes the next file the current one (call it before looking at the first)
// and answers whether more follow:
//
//   CFileFind finder;
//   BOOL bMore = finder.FindFile("C:\\Data\\*.txt");
//   while (bMore) {
//       bMore = finder.FindNextFile();
//       ... finder.GetFilePath() ...
//   }
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"

class CFileFind : public CObject {
    DECLARE_DYNAMIC(CFileFind)
public:
    CFileFind() = default;
    ~CFileFind() override;
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // pstrName: a path with wildcards (default "*.*" in the current folder). FALSE when nothing
    // matches or the folder does not exist.
    virtual BOOL FindFile(LPCSTR pstrName = nullptr, DWORD dwUnused = 0);
    // Makes the next file current; FALSE when it is the last one (or there was none).
    virtual BOOL FindNextFile();
    void Close();

    // ---- the current file ----
    ULONGLONG GetLength() const;
    // Name and extension.
    virtual CString GetFileName() const;
    // Folder and name.
    virtual CString GetFilePath() const;
    // Name without extension.
    virtual CString GetFileTitle() const;
    // "file://" and the path.
    virtual CString GetFileURL() const;
    // The folder searched (no trailing separator except for a drive's root).
    virtual CString GetRoot() const;

    virtual BOOL GetLastWriteTime(FILETIME* pTimeStamp) const;
    virtual BOOL GetLastAccessTime(FILETIME* pTimeStamp) const;
    virtual BOOL GetCreationTime(FILETIME* pTimeStamp) const;
    BOOL GetLastWriteTime(CTime& refTime) const;
    BOOL GetLastAccessTime(CTime& refTime) const;
    BOOL GetCreationTime(CTime& refTime) const;

    // Whether the current file has any of the FILE_ATTRIBUTE_xxx bits of dwMask.
    virtual BOOL MatchesMask(DWORD dwMask) const;
    // "." or ".." (the folder itself and its parent).
    virtual BOOL IsDots() const;
    BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsCompressed() const { return MatchesMask(FILE_ATTRIBUTE_COMPRESSED); }
    BOOL IsSystem() const { return MatchesMask(FILE_ATTRIBUTE_SYSTEM); }
    BOOL IsHidden() const { return MatchesMask(FILE_ATTRIBUTE_HIDDEN); }
    BOOL IsTemporary() const { return MatchesMask(FILE_ATTRIBUTE_TEMPORARY); }
    BOOL IsNormal() const { return MatchesMask(FILE_ATTRIBUTE_NORMAL); }
    BOOL IsArchived() const { return MatchesMask(FILE_ATTRIBUTE_ARCHIVE); }

protected:
    virtual void CloseContext();

    HANDLE m_hContext = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA m_found{}; // the current file
    WIN32_FIND_DATAA m_next{};  // the one after it
    bool m_bHaveFound = false;
    bool m_bHaveNext = false;
    CString m_strRoot;
};
