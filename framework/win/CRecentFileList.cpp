#include "framework/win/CRecentFileList.h"

#include "framework/win/CCmdUI.h"
#include "framework/win/CMenu.h"
#include "framework/win/CWinApp.h"

#include <algorithm>
#include <cstdio>

namespace {

CString FullPath(LPCSTR lpszPathName) {
    char buffer[MAX_PATH];
    char* filePart = nullptr;
    const DWORD length = ::GetFullPathNameA(lpszPathName, MAX_PATH, buffer, &filePart);
    if (length == 0 || length >= MAX_PATH)
        return CString(lpszPathName);
    return CString(buffer, static_cast<int>(length));
}

CString EntryName(const CString& format, int number) {
    CString entry;
    entry.Format(format, number);
    return entry;
}

// "C:\...\folder\file.ext": the root, then as many trailing folders as fit in nMaxLength.
CString Abbreviate(const CString& path, int nMaxLength, BOOL bAtLeastName) {
    if (path.GetLength() <= nMaxLength)
        return path;
    const int nameStart = std::max(path.ReverseFind('\\'), path.ReverseFind('/')) + 1;
    const CString name = path.Mid(nameStart);
    if (name.GetLength() >= nMaxLength || nameStart == 0)
        return bAtLeastName ? name : CString();
    // The root: "C:\" or "\\server\share\".
    int rootEnd = path.Find('\\');
    if (path.Left(2) == "\\\\") {
        const int share = path.Find('\\', 2);
        rootEnd = share < 0 ? -1 : path.Find('\\', share + 1);
    }
    const CString root = rootEnd < 0 ? CString() : path.Left(rootEnd + 1);
    const CString ellipsis("...\\");
    // Drop folders after the root until the rest fits.
    int cut = rootEnd + 1;
    while (cut < nameStart) {
        const CString candidate = root + ellipsis + path.Mid(cut);
        if (candidate.GetLength() <= nMaxLength)
            return candidate;
        const int next = path.Find('\\', cut);
        if (next < 0 || next >= nameStart)
            break;
        cut = next + 1;
    }
    const CString shortest = root + ellipsis + name;
    if (shortest.GetLength() <= nMaxLength)
        return shortest;
    return name;
}

} // namespace

CRecentFileList::CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat, int nSize,
                                 int nMaxDispLen)
    : m_nSize(std::max(nSize, 1)), m_arrNames(static_cast<size_t>(std::max(nSize, 1))),
      m_strSectionName(lpszSection), m_strEntryFormat(lpszEntryFormat), m_nStart(nStart),
      m_nMaxDisplayLength(nMaxDispLen) {}

void CRecentFileList::Add(LPCSTR lpszPathName) {
    if (lpszPathName == nullptr || *lpszPathName == '\0')
        return;
    const CString path = FullPath(lpszPathName);
    // The same file further down moves to the top; otherwise the last entry falls off.
    int nFound = m_nSize - 1;
    for (int i = 0; i < m_nSize - 1; ++i) {
        if (m_arrNames[static_cast<size_t>(i)].CompareNoCase(path) == 0) {
            nFound = i;
            break;
        }
    }
    for (int i = nFound; i > 0; --i)
        m_arrNames[static_cast<size_t>(i)] = m_arrNames[static_cast<size_t>(i - 1)];
    m_arrNames[0] = path;
}

void CRecentFileList::Remove(int nIndex) {
    if (nIndex < 0 || nIndex >= m_nSize)
        return;
    m_arrNames.erase(m_arrNames.begin() + nIndex);
    m_arrNames.emplace_back();
}

void CRecentFileList::ReadList() {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    for (int i = 0; i < m_nSize; ++i)
        m_arrNames[static_cast<size_t>(i)] =
            pApp->GetProfileString(m_strSectionName, EntryName(m_strEntryFormat, i + 1));
}

void CRecentFileList::WriteList() {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    for (int i = 0; i < m_nSize; ++i) {
        const CString& name = m_arrNames[static_cast<size_t>(i)];
        const CString entry = EntryName(m_strEntryFormat, i + 1);
        pApp->WriteProfileString(m_strSectionName, entry, name.IsEmpty() ? nullptr : (LPCSTR)name);
    }
}

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCSTR lpszCurDir, int nCurDir,
                                     BOOL bAtLeastName) const {
    if (nIndex < 0 || nIndex >= m_nSize)
        return FALSE;
    const CString& path = m_arrNames[static_cast<size_t>(nIndex)];
    if (path.IsEmpty())
        return FALSE;
    // A file in the current folder is shown by its name alone.
    if (lpszCurDir != nullptr && nCurDir > 0 && path.GetLength() > nCurDir &&
        path.Left(nCurDir).CompareNoCase(CString(lpszCurDir, nCurDir)) == 0 && path[nCurDir] == '\\' &&
        path.Find('\\', nCurDir + 1) < 0) {
        strName = path.Mid(nCurDir + 1);
        return TRUE;
    }
    strName = Abbreviate(path, m_nMaxDisplayLength, bAtLeastName);
    return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI) {
    if (m_arrNames[0].IsEmpty()) {
        if (!m_strOriginal.IsEmpty())
            pCmdUI->SetText(m_strOriginal);
        pCmdUI->Enable(FALSE);
        return;
    }
    CMenu* pMenu = pCmdUI->m_pMenu;
    if (pMenu == nullptr)
        return;
    if (m_strOriginal.IsEmpty())
        pMenu->GetMenuString(pCmdUI->m_nID, m_strOriginal, MF_BYCOMMAND);
    for (int i = 0; i < m_nSize; ++i)
        pMenu->DeleteMenu(pCmdUI->m_nID + static_cast<UINT>(i), MF_BYCOMMAND);

    char curDir[MAX_PATH] = {};
    const int nCurDir = static_cast<int>(::GetCurrentDirectoryA(MAX_PATH, curDir));
    const UINT nFirstID = pCmdUI->m_nID;
    for (int i = 0; i < m_nSize; ++i) {
        CString name;
        if (!GetDisplayName(name, i, curDir, nCurDir < MAX_PATH ? nCurDir : 0))
            break;
        name.Replace("&", "&&"); // a file name's '&' is no mnemonic
        CString text;
        text.Format("&%u %s", (static_cast<UINT>(i) + 1 + m_nStart) % 10, (LPCSTR)name);
        pMenu->InsertMenu(pCmdUI->m_nIndex++, MF_STRING | MF_BYPOSITION, nFirstID + static_cast<UINT>(i),
                          text);
    }
    // The caller goes on after the last item added; all added items are enabled.
    pCmdUI->m_nIndex--;
    pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = TRUE;
}
