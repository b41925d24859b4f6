// CRecentFileList: the most recently used files, newest first, kept in the application's profile
// (entries made from lpszEntryFormat, "File%d" -> File1, File2, ... in section lpszSection) and shown
// as numbered items of a menu in place of the first recent-file command.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CString.h"

#include <vector>

class CCmdUI;

// Longest display name of a recent file in the menu before the path is shortened with "...".
#define AFX_ABBREV_FILENAME_LEN 30

class CRecentFileList {
public:
    // nStart: number of the first menu item minus one; nSize: how many files are kept.
    CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat, int nSize,
                    int nMaxDispLen = AFX_ABBREV_FILENAME_LEN);
    virtual ~CRecentFileList() = default;
    CRecentFileList(const CRecentFileList&) = delete;
    CRecentFileList& operator=(const CRecentFileList&) = delete;

    int GetSize() const { return m_nSize; }
    // The full path at nIndex; empty for an unused place.
    CString& operator[](int nIndex) { return m_arrNames[static_cast<size_t>(nIndex)]; }

    // Puts the file (made a full path) first; an entry for the same file (any case) moves up.
    virtual void Add(LPCSTR lpszPathName);
    virtual void Remove(int nIndex);
    virtual void ReadList();
    // Writes the used places and deletes the entries of unused ones.
    virtual void WriteList();

    // The name shown for entry nIndex: the file name alone when the file lies in lpszCurDir (nCurDir
    // characters), else the path shortened to the maximum display length. FALSE for an unused place.
    virtual BOOL GetDisplayName(CString& strName, int nIndex, LPCSTR lpszCurDir, int nCurDir,
                                BOOL bAtLeastName = TRUE) const;
    // Replaces the menu items of the recent-file commands with one item per file ("&1 name", ...); with
    // no files, shows the original item disabled.
    virtual void UpdateMenu(CCmdUI* pCmdUI);

    int m_nSize;
    std::vector<CString> m_arrNames;
    CString m_strSectionName;
    CString m_strEntryFormat;
    UINT m_nStart;
    int m_nMaxDisplayLength;
    CString m_strOriginal; // text of the menu item the list replaced
};
