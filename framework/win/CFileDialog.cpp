#include "framework/win/CFileDialog.h"

#include <cderr.h>
#include <dlgs.h>

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

namespace {

// The part of a path after its folder.
CString NamePart(const CString& path) {
    const int cut = std::max({path.ReverseFind('\\'), path.ReverseFind('/'), path.ReverseFind(':')});
    return cut < 0 ? path : path.Mid(cut + 1);
}

// Length of the string at p, not reading at or past end.
size_t BoundedLength(const char* p, const char* end) {
    const char* q = p;
    while (q < end && *q != '\0')
        ++q;
    return static_cast<size_t>(q - p);
}

bool IsFullPath(const CString& name) {
    return (name.GetLength() >= 2 && name[1] == ':') ||
           (name.GetLength() >= 2 && name[0] == '\\' && name[1] == '\\');
}

} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
                         LPCSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_bOpenFileDialog(bOpenFileDialog) {
    m_ofn = OPENFILENAMEA{};
    m_ofn.lStructSize = sizeof(OPENFILENAMEA);
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof m_szFileName;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof m_szFileTitle;
    m_ofn.Flags = dwFlags | OFN_ENABLEHOOK | OFN_EXPLORER;
    m_ofn.lpfnHook = &HookProc<OPENFILENAMEA>;
    m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
    if (lpszDefExt != nullptr) {
        m_strDefExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_strDefExt;
    }
    if (lpszFileName != nullptr)
        lstrcpynA(m_szFileName, lpszFileName, static_cast<int>(sizeof m_szFileName));

    // "a|b|c|d||" becomes "a\0b\0c\0d\0\0"; a filter without the closing "||" is closed all the same.
    if (lpszFilter != nullptr && *lpszFilter != '\0') {
        m_strFilter = lpszFilter;
        m_filter.assign(lpszFilter, lpszFilter + std::strlen(lpszFilter));
        for (char& c : m_filter) {
            if (c == '|')
                c = '\0';
        }
        m_filter.push_back('\0');
        m_filter.push_back('\0');
        m_ofn.lpstrFilter = m_filter.data();
    }
}

CFileDialog::~CFileDialog() = default;

INT_PTR CFileDialog::DoModal() {
    if (m_hWnd != nullptr)
        return -1;
    m_ofn.hwndOwner = CWnd::GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), &m_hWndTop);
    m_ofn.hInstance = AfxGetResourceHandle();
    m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
    if (m_ofn.lpstrFileTitle == m_szFileTitle)
        m_szFileTitle[0] = '\0';
    const BOOL bResult = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    if (m_hWndTop != nullptr) {
        ::EnableWindow(m_hWndTop, TRUE);
        m_hWndTop = nullptr;
    }
    // The system destroyed the window; a wrapper left attached would point at nothing.
    if (m_hWnd != nullptr && !::IsWindow(m_hWnd))
        Detach();
    return bResult ? IDOK : IDCANCEL;
}

// ---------------------------------------------------------------------------------------------------
// The result

CString CFileDialog::AskDialog(UINT message) const {
    CString text;
    HWND hDlg = m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr;
    if (hDlg == nullptr || !(m_ofn.Flags & OFN_EXPLORER))
        return text;
    const auto nLength = static_cast<int>(::SendMessageA(hDlg, message, 0, 0));
    if (nLength <= 0)
        return text;
    ::SendMessageA(hDlg, message, static_cast<WPARAM>(nLength),
                   reinterpret_cast<LPARAM>(text.GetBuffer(nLength)));
    text.ReleaseBuffer();
    return text;
}

CString CFileDialog::GetPathName() const {
    if (m_hWnd != nullptr && (m_ofn.Flags & OFN_EXPLORER))
        return AskDialog(CDM_GETFILEPATH);
    return m_ofn.lpstrFile != nullptr ? CString(m_ofn.lpstrFile) : CString();
}

CString CFileDialog::GetFileName() const {
    if (m_hWnd != nullptr && (m_ofn.Flags & OFN_EXPLORER))
        return AskDialog(CDM_GETSPEC);
    return NamePart(GetPathName());
}

CString CFileDialog::GetFileExt() const {
    const CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const {
    const CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}

POSITION CFileDialog::GetStartPosition() const {
    if (m_ofn.lpstrFile == nullptr || m_ofn.nMaxFile == 0 || m_ofn.lpstrFile[0] == '\0')
        return nullptr;
    return reinterpret_cast<POSITION>(m_ofn.lpstrFile);
}

CString CFileDialog::GetNextPathName(POSITION& pos) const {
    const char* base = m_ofn.lpstrFile;
    const char* end = base + m_ofn.nMaxFile;
    const char* p = reinterpret_cast<const char*>(pos);
    pos = nullptr;
    if (p == nullptr || base == nullptr || p < base || p >= end)
        return CString();
    if (!(m_ofn.Flags & OFN_ALLOWMULTISELECT))
        return CString(p, static_cast<int>(BoundedLength(p, end)));

    const char separator = (m_ofn.Flags & OFN_EXPLORER) ? '\0' : ' ';
    // The folder comes first, then the names; a single chosen file is its full path alone.
    const char* folderEnd = base;
    while (folderEnd < end && *folderEnd != '\0' && *folderEnd != separator)
        ++folderEnd;
    const CString folder(base, static_cast<int>(folderEnd - base));
    const char* firstName = folderEnd + 1;
    const bool bSeveral = folderEnd < end && *folderEnd == separator && firstName < end && *firstName != '\0';
    if (p == base) {
        if (!bSeveral)
            return CString(base, static_cast<int>(BoundedLength(base, end)));
        p = firstName;
    }
    const char* nameEnd = p;
    while (nameEnd < end && *nameEnd != '\0' && *nameEnd != separator)
        ++nameEnd;
    const CString name(p, static_cast<int>(nameEnd - p));
    const char* next = nameEnd + 1;
    if (nameEnd < end && *nameEnd == separator && next < end && *next != '\0')
        pos = reinterpret_cast<POSITION>(const_cast<char*>(next));
    if (IsFullPath(name))
        return name;
    CString path = folder;
    if (!path.IsEmpty() && path[path.GetLength() - 1] != '\\')
        path += '\\';
    return path + name;
}

// ---------------------------------------------------------------------------------------------------
// While the dialog is open

CString CFileDialog::GetFolderPath() const {
    return AskDialog(CDM_GETFOLDERPATH);
}

void CFileDialog::SetControlText(int nID, LPCSTR lpsz) {
    if (m_hWnd != nullptr)
        ::SendMessageA(::GetParent(m_hWnd), CDM_SETCONTROLTEXT, static_cast<WPARAM>(nID),
                       reinterpret_cast<LPARAM>(lpsz));
}

void CFileDialog::HideControl(int nID) {
    if (m_hWnd != nullptr)
        ::SendMessageA(::GetParent(m_hWnd), CDM_HIDECONTROL, static_cast<WPARAM>(nID), 0);
}

void CFileDialog::SetDefExt(LPCSTR lpsz) {
    m_strDefExt = lpsz != nullptr ? lpsz : "";
    m_ofn.lpstrDefExt = lpsz != nullptr ? static_cast<LPCSTR>(m_strDefExt) : nullptr;
    if (m_hWnd != nullptr)
        ::SendMessageA(::GetParent(m_hWnd), CDM_SETDEFEXT, 0, reinterpret_cast<LPARAM>(m_ofn.lpstrDefExt));
}

UINT CFileDialog::OnShareViolation(LPCSTR) {
    return OFN_SHAREWARN; // the system tells the user
}

BOOL CFileDialog::OnFileNameOK() {
    return FALSE;
}

void CFileDialog::OnLBSelChangedNotify(UINT, UINT, UINT) {}

void CFileDialog::OnInitDone() {
    // The dialog is centred over its owner, as other dialogs of the program are.
    if (CWnd* pDlg = GetParent())
        pDlg->CenterWindow();
}

void CFileDialog::OnFileNameChange() {}

void CFileDialog::OnFolderChange() {}

void CFileDialog::OnTypeChange() {}

BOOL CFileDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const auto* pNotify = reinterpret_cast<const OFNOTIFYA*>(lParam);
    const UINT code = pNotify->hdr.code;
    if (code > CDN_FIRST || code < CDN_LAST)
        return CCommonDialog::OnNotify(wParam, lParam, pResult);
    // The system may hand over its own copy of the structure: keep ours in step.
    if (pNotify->lpOFN != nullptr && pNotify->lpOFN != &m_ofn)
        m_ofn.nFilterIndex = pNotify->lpOFN->nFilterIndex;
    LRESULT lResult = 0;
    switch (code) {
    case CDN_INITDONE:
        OnInitDone();
        break;
    case CDN_SELCHANGE:
        OnFileNameChange();
        break;
    case CDN_FOLDERCHANGE:
        OnFolderChange();
        break;
    case CDN_TYPECHANGE:
        OnTypeChange();
        break;
    case CDN_SHAREVIOLATION:
        lResult = OnShareViolation(pNotify->pszFile);
        break;
    case CDN_FILEOK:
        lResult = OnFileNameOK();
        break;
    default:
        return CCommonDialog::OnNotify(wParam, lParam, pResult);
    }
    // The system reads the answer as the dialog's message result.
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, lResult);
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}

BOOL CFileDialog::PreTranslateMessage(MSG* pMsg) {
    return CWnd::PreTranslateMessage(pMsg);
}
