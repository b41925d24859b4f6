#include "framework/win/CWinApp.h"

#include "framework/core/CException.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CCmdUI.h"
#include "framework/win/CCommandLineInfo.h"
#include "framework/win/CDocManager.h"
#include "framework/win/CDocument.h"
#include "framework/win/CPrintDialog.h"
#include "framework/win/CRecentFileList.h"
#include "framework/win/CWnd.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
ON_COMMAND(ID_APP_EXIT, OnAppExit)
ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
END_MESSAGE_MAP()

namespace {

BOOL g_bUserCtrl = TRUE;

LPCSTR Duplicate(LPCSTR text) {
    return text != nullptr ? _strdup(text) : nullptr;
}

void Replace(LPCSTR& member, LPCSTR text) {
    std::free(const_cast<char*>(member));
    member = Duplicate(text);
}

std::string ModulePath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameA(AfxGetInstanceHandle(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size())
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

// Closes a registry key when it goes out of scope.
class RegKey {
public:
    explicit RegKey(HKEY hKey = nullptr) : m_hKey(hKey) {}
    ~RegKey() {
        if (m_hKey != nullptr)
            ::RegCloseKey(m_hKey);
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    HKEY get() const { return m_hKey; }
    explicit operator bool() const { return m_hKey != nullptr; }

private:
    HKEY m_hKey;
};

// Binary values in an INI file: two letters 'A'..'P' per byte, low half first.
std::string EncodeBinary(const BYTE* data, UINT size) {
    std::string text;
    text.reserve(size * 2);
    for (UINT i = 0; i < size; ++i) {
        text += static_cast<char>('A' + (data[i] & 0x0F));
        text += static_cast<char>('A' + ((data[i] >> 4) & 0x0F));
    }
    return text;
}

bool DecodeBinary(const CString& text, std::vector<BYTE>& data) {
    if (text.GetLength() % 2 != 0)
        return false;
    data.clear();
    for (int i = 0; i < text.GetLength(); i += 2) {
        const int low = text[i] - 'A';
        const int high = text[i + 1] - 'A';
        if (low < 0 || low > 15 || high < 0 || high > 15)
            return false;
        data.push_back(static_cast<BYTE>(low | (high << 4)));
    }
    return true;
}

} // namespace

// ---------------------------------------------------------------------------------------------------
// Construction

CWinApp::CWinApp(LPCSTR lpszAppName) {
    AfxSetApp(this);
    // Exceptions report their errors through the application's message box.
    AfxSetReportErrorProc(static_cast<int (*)(LPCSTR, UINT, UINT)>(&AfxMessageBox));
    AttachToCurrentThread();
    m_hInstance = AfxGetInstanceHandle();

    const std::string path = ModulePath();
    const size_t nameStart =
        path.find_last_of("\\/:") == std::string::npos ? 0 : path.find_last_of("\\/:") + 1;
    std::string exeName = path.substr(nameStart);
    const size_t dot = exeName.rfind('.');
    if (dot != std::string::npos)
        exeName.erase(dot);
    m_pszExeName = Duplicate(exeName.c_str());

    std::string helpPath = path;
    const size_t pathDot = helpPath.rfind('.');
    if (pathDot != std::string::npos && pathDot > nameStart)
        helpPath.erase(pathDot);
    helpPath += ".HLP";
    m_pszHelpFilePath = Duplicate(helpPath.c_str());

    if (lpszAppName != nullptr) {
        m_pszAppName = Duplicate(lpszAppName);
    } else {
        CString title;
        m_pszAppName = Duplicate(title.LoadString(AFX_IDS_APP_TITLE) && !title.IsEmpty() ? (LPCSTR)title
                                                                                         : exeName.c_str());
    }
    m_pszProfileName = Duplicate((exeName + ".INI").c_str());
}

CWinApp::~CWinApp() {
    SelectPrinter(nullptr, nullptr, TRUE);
    delete m_pDocManager;
    m_pDocManager = nullptr;
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    for (LPCSTR* member :
         {&m_pszAppName, &m_pszRegistryKey, &m_pszProfileName, &m_pszExeName, &m_pszHelpFilePath})
        Replace(*member, nullptr);
    if (AfxGetApp() == this)
        AfxSetApp(nullptr);
}

BOOL CWinApp::InitApplication() {
    return TRUE;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::Run() {
    // Without a main window nothing could ever end the loop (unless an automation client started us).
    if (m_pMainWnd == nullptr && AfxOleGetUserCtrl())
        ::PostQuitMessage(0);
    return CWinThread::Run();
}

int CWinApp::ExitInstance() {
    SaveStdProfileSettings();
    return CWinThread::ExitInstance();
}

BOOL CWinApp::OnIdle(LONG lCount) {
    return CWinThread::OnIdle(lCount);
}

// ---------------------------------------------------------------------------------------------------
// Message boxes, wait cursor, help

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT) {
    HWND hWndTop = nullptr;
    HWND hWnd = CWnd::GetSafeOwner_(nullptr, &hWndTop);
    // The owner itself stays enabled so that it gets the focus back when the box closes.
    if (hWnd != hWndTop && hWnd != nullptr)
        ::EnableWindow(hWnd, TRUE);
    if ((nType & MB_ICONMASK) == 0) {
        switch (nType & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL:
        case MB_ABORTRETRYIGNORE:
        case MB_RETRYCANCEL:
            nType |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONQUESTION;
            break;
        default:
            break;
        }
    }
    const int nResult = ::MessageBoxA(hWnd, lpszPrompt, m_pszAppName, nType);
    if (hWndTop != nullptr)
        ::EnableWindow(hWndTop, TRUE);
    return nResult;
}

void CWinApp::DoWaitCursor(int nCode) {
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount > 0) {
        HCURSOR hcurPrev = ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32514))); // IDC_WAIT
        if (nCode > 0 && m_nWaitCursorCount == 1)
            m_hcurWaitCursorRestore = hcurPrev;
    } else {
        m_nWaitCursorCount = 0;
        ::SetCursor(m_hcurWaitCursorRestore);
    }
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd) {
    ::WinHelpA(AfxGetMainWnd()->GetSafeHwnd(), m_pszHelpFilePath, nCmd, dwData);
}

void CWinApp::AddToRecentFileList(LPCSTR lpszPathName) {
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->Add(lpszPathName);
}

void CWinApp::OnAppExit() {
    if (m_pMainWnd != nullptr)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI) {
    if (m_pRecentFileList == nullptr)
        pCmdUI->Enable(FALSE);
    else
        m_pRecentFileList->UpdateMenu(pCmdUI);
}

// ---------------------------------------------------------------------------------------------------
// Resources

HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const {
    return ::LoadIconA(AfxGetResourceHandle(), lpszResourceName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return LoadIcon(MAKEINTRESOURCEA(nIDResource));
}

HICON CWinApp::LoadStandardIcon(LPCSTR lpszIconName) const {
    return ::LoadIconA(nullptr, lpszIconName);
}

HICON CWinApp::LoadOEMIcon(UINT nIDIcon) const {
    return ::LoadIconA(nullptr, MAKEINTRESOURCEA(nIDIcon));
}

HCURSOR CWinApp::LoadCursor(LPCSTR lpszResourceName) const {
    return ::LoadCursorA(AfxGetResourceHandle(), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const {
    return LoadCursor(MAKEINTRESOURCEA(nIDResource));
}

HCURSOR CWinApp::LoadStandardCursor(LPCSTR lpszCursorName) const {
    return ::LoadCursorA(nullptr, lpszCursorName);
}

HCURSOR CWinApp::LoadOEMCursor(UINT nIDCursor) const {
    return ::LoadCursorA(nullptr, MAKEINTRESOURCEA(nIDCursor));
}

// ---------------------------------------------------------------------------------------------------
// Profile

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey) {
    Replace(m_pszRegistryKey, lpszRegistryKey);
    Replace(m_pszProfileName, m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey) {
    CString key;
    key.LoadString(nIDRegistryKey);
    SetRegistryKey(key);
}

HKEY CWinApp::GetAppRegistryKey() {
    if (m_pszRegistryKey == nullptr || m_pszProfileName == nullptr)
        return nullptr;
    const std::string path = std::string("Software\\") + m_pszRegistryKey + "\\" + m_pszProfileName;
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_READ | KEY_WRITE, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection) {
    return OpenSectionKey(lpszSection, true);
}

// Reading opens existing keys only, so that asking for a setting leaves no empty keys behind.
HKEY CWinApp::OpenSectionKey(LPCSTR lpszSection, bool create) {
    if (lpszSection == nullptr || m_pszRegistryKey == nullptr || m_pszProfileName == nullptr)
        return nullptr;
    HKEY hKey = nullptr;
    if (create) {
        RegKey app(GetAppRegistryKey());
        if (!app || ::RegCreateKeyExA(app.get(), lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      KEY_READ | KEY_WRITE, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
            return nullptr;
        return hKey;
    }
    const std::string path =
        std::string("Software\\") + m_pszRegistryKey + "\\" + m_pszProfileName + "\\" + lpszSection;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ | KEY_WRITE, &hKey) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault) {
    if (m_pszRegistryKey == nullptr)
        return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    RegKey section(OpenSectionKey(lpszSection, false));
    if (!section)
        return static_cast<UINT>(nDefault);
    DWORD value = 0;
    DWORD type = 0;
    DWORD size = sizeof value;
    if (::RegQueryValueExA(section.get(), lpszEntry, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                           &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return static_cast<UINT>(nDefault);
    return value;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault) {
    if (m_pszRegistryKey == nullptr) {
        std::vector<char> buffer(256);
        for (;;) {
            const DWORD length = ::GetPrivateProfileStringA(
                lpszSection, lpszEntry, lpszDefault ? lpszDefault : "", buffer.data(),
                static_cast<DWORD>(buffer.size()), m_pszProfileName);
            if (length + 1 < buffer.size())
                return CString(buffer.data(), static_cast<int>(length));
            buffer.resize(buffer.size() * 2);
        }
    }
    RegKey section(OpenSectionKey(lpszSection, false));
    DWORD type = 0;
    DWORD size = 0;
    if (!section || lpszEntry == nullptr ||
        ::RegQueryValueExA(section.get(), lpszEntry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return CString(lpszDefault);
    CString value;
    if (size == 0)
        return value;
    char* buffer = value.GetBuffer(static_cast<int>(size));
    if (::RegQueryValueExA(section.get(), lpszEntry, nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                           &size) != ERROR_SUCCESS) {
        value.ReleaseBuffer(0);
        return CString(lpszDefault);
    }
    // The stored size counts the terminator when there is one.
    int length = static_cast<int>(size);
    while (length > 0 && buffer[length - 1] == '\0')
        --length;
    value.ReleaseBuffer(length);
    return value;
}

BOOL CWinApp::GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes) {
    *ppData = nullptr;
    *pBytes = 0;
    if (m_pszRegistryKey == nullptr) {
        const CString text = GetProfileString(lpszSection, lpszEntry, nullptr);
        std::vector<BYTE> data;
        if (text.IsEmpty() || !DecodeBinary(text, data))
            return FALSE;
        *ppData = new BYTE[data.size()];
        std::memcpy(*ppData, data.data(), data.size());
        *pBytes = static_cast<UINT>(data.size());
        return TRUE;
    }
    RegKey section(OpenSectionKey(lpszSection, false));
    DWORD type = 0;
    DWORD size = 0;
    if (!section ||
        ::RegQueryValueExA(section.get(), lpszEntry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_BINARY)
        return FALSE;
    auto* data = new BYTE[size > 0 ? size : 1];
    if (::RegQueryValueExA(section.get(), lpszEntry, nullptr, &type, data, &size) != ERROR_SUCCESS) {
        delete[] data;
        return FALSE;
    }
    *ppData = data;
    *pBytes = size;
    return TRUE;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue) {
    if (m_pszRegistryKey == nullptr) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", nValue);
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, text, m_pszProfileName);
    }
    RegKey section(OpenSectionKey(lpszSection, true));
    const DWORD value = static_cast<DWORD>(nValue);
    return section && ::RegSetValueExA(section.get(), lpszEntry, 0, REG_DWORD,
                                       reinterpret_cast<const BYTE*>(&value), sizeof value) == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue) {
    if (m_pszRegistryKey == nullptr)
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    if (lpszSection == nullptr)
        return FALSE;
    if (lpszEntry == nullptr) {
        RegKey app(GetAppRegistryKey());
        if (!app)
            return FALSE;
        const LONG result = ::RegDeleteTreeA(app.get(), lpszSection);
        return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
    }
    if (lpszValue == nullptr) {
        RegKey section(OpenSectionKey(lpszSection, false));
        if (!section)
            return TRUE;
        const LONG result = ::RegDeleteValueA(section.get(), lpszEntry);
        return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
    }
    RegKey section(OpenSectionKey(lpszSection, true));
    return section &&
           ::RegSetValueExA(section.get(), lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                            static_cast<DWORD>(std::strlen(lpszValue) + 1)) == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes) {
    if (m_pszRegistryKey == nullptr)
        return WriteProfileString(lpszSection, lpszEntry, EncodeBinary(pData, nBytes).c_str());
    RegKey section(OpenSectionKey(lpszSection, true));
    return section &&
           ::RegSetValueExA(section.get(), lpszEntry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU) {
    if (nMaxMRU != 0) {
        delete m_pRecentFileList;
        m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d", static_cast<int>(nMaxMRU));
        m_pRecentFileList->ReadList();
    }
    m_nNumPreviewPages = GetProfileInt("Settings", "PreviewPages", 0);
}

void CWinApp::SaveStdProfileSettings() {
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->WriteList();
    if (m_nNumPreviewPages != 0)
        WriteProfileInt("Settings", "PreviewPages", static_cast<int>(m_nNumPreviewPages));
}

// ---------------------------------------------------------------------------------------------------
// Command line

namespace {

// The C runtime's rules: white space separates parameters outside quotes; 2n backslashes before a quote
// give n backslashes and the quote opens or closes quoting; 2n+1 give n backslashes and a literal quote;
// other backslashes are literal; "" inside quotes is a literal quote.
std::vector<std::string> SplitCommandLine(const char* p) {
    std::vector<std::string> params;
    for (;;) {
        while (*p == ' ' || *p == '\t')
            ++p;
        if (*p == '\0')
            break;
        std::string param;
        bool quoted = false;
        while (*p != '\0' && (quoted || (*p != ' ' && *p != '\t'))) {
            if (*p == '\\') {
                size_t slashes = 0;
                while (*p == '\\') {
                    ++slashes;
                    ++p;
                }
                if (*p == '"') {
                    param.append(slashes / 2, '\\');
                    if (slashes % 2 == 1) {
                        param += '"';
                        ++p;
                    }
                } else {
                    param.append(slashes, '\\');
                }
            } else if (*p == '"') {
                if (quoted && p[1] == '"') {
                    param += '"';
                    p += 2;
                } else {
                    quoted = !quoted;
                    ++p;
                }
            } else {
                param += *p++;
            }
        }
        params.push_back(std::move(param));
    }
    return params;
}

// The process's command line without the program's own name.
const char* ArgumentsOfProcess() {
    const char* p = ::GetCommandLineA();
    if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"')
            ++p;
        if (*p == '"')
            ++p;
    } else {
        while (*p != '\0' && *p != ' ' && *p != '\t')
            ++p;
    }
    return p;
}

} // namespace

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) {
    const std::vector<std::string> params =
        SplitCommandLine(m_lpCmdLine != nullptr ? m_lpCmdLine : ArgumentsOfProcess());
    for (size_t i = 0; i < params.size(); ++i) {
        const char* param = params[i].c_str();
        BOOL bFlag = FALSE;
        if (*param == '-' || *param == '/') {
            bFlag = TRUE;
            ++param;
        }
        rCmdInfo.ParseParam(param, bFlag, i + 1 == params.size());
    }
}

// ---------------------------------------------------------------------------------------------------
// Documents

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate) {
    if (m_pDocManager == nullptr)
        m_pDocManager = new CDocManager;
    m_pDocManager->AddDocTemplate(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const {
    return m_pDocManager != nullptr ? m_pDocManager->GetFirstDocTemplatePosition() : nullptr;
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const {
    return m_pDocManager->GetNextDocTemplate(pos);
}

CDocument* CWinApp::OpenDocumentFile(LPCSTR lpszFileName) {
    return m_pDocManager != nullptr ? m_pDocManager->OpenDocumentFile(lpszFileName) : nullptr;
}

BOOL CWinApp::SaveAllModified() {
    return m_pDocManager == nullptr || m_pDocManager->SaveAllModified();
}

void CWinApp::CloseAllDocuments(BOOL bEndSession) {
    if (m_pDocManager != nullptr)
        m_pDocManager->CloseAllDocuments(bEndSession);
}

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                               CDocTemplate* pTemplate) {
    CDocManager manager;
    CDocManager* pManager = m_pDocManager != nullptr ? m_pDocManager : &manager;
    return pManager->DoPromptFileName(fileName, nIDSTitle, lFlags, bOpenFileDialog, pTemplate);
}

void CWinApp::OnFileNew() {
    if (m_pDocManager != nullptr)
        m_pDocManager->OnFileNew();
}

void CWinApp::OnFileOpen() {
    if (m_pDocManager != nullptr)
        m_pDocManager->OnFileOpen();
}

BOOL CWinApp::OnOpenRecentFile(UINT nID) {
    if (m_pRecentFileList == nullptr)
        return FALSE;
    const int nIndex = static_cast<int>(nID - ID_FILE_MRU_FILE1);
    if (nIndex < 0 || nIndex >= m_pRecentFileList->GetSize() || (*m_pRecentFileList)[nIndex].IsEmpty())
        return FALSE;
    // A file that cannot be opened any more leaves the list.
    const CString path = (*m_pRecentFileList)[nIndex];
    if (OpenDocumentFile(path) == nullptr)
        m_pRecentFileList->Remove(nIndex);
    return TRUE;
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo) {
    // Started by an automation client: the main window stays hidden until the client shows it.
    if (rCmdInfo.m_bRunEmbedded || rCmdInfo.m_bRunAutomated)
        m_nCmdShow = SW_HIDE;
    BOOL bResult = TRUE;
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
            OnFileNew();
        if (m_pMainWnd == nullptr)
            bResult = FALSE;
        break;
    case CCommandLineInfo::FileOpen:
        if (OpenDocumentFile(rCmdInfo.m_strFileName) == nullptr)
            bResult = FALSE;
        break;
    case CCommandLineInfo::FilePrintTo:
    case CCommandLineInfo::FilePrint:
        // Print without showing anything, then end.
        m_nCmdShow = SW_HIDE;
        if (OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr && m_pMainWnd != nullptr)
            m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
        bResult = FALSE;
        break;
    case CCommandLineInfo::FileDDE:
        // The shell sends its request later through DDE: stay hidden until then.
        m_nCmdShow = SW_HIDE;
        break;
    case CCommandLineInfo::AppRegister:
    case CCommandLineInfo::AppUnregister:
        // These switches only ask for (un)registration, after which the program ends.
        bResult = FALSE;
        break;
    case CCommandLineInfo::FileNothing:
        break;
    }
    return bResult;
}

// ---------------------------------------------------------------------------------------------------
// Global functions

LPCSTR AfxGetAppName() {
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr ? pApp->m_pszAppName : nullptr;
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp) {
    if (CWinApp* pApp = AfxGetApp())
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBoxA(CWnd::GetSafeOwner_(nullptr, nullptr), lpszText, nullptr, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
    CString text;
    text.LoadString(nIDPrompt);
    if (nIDHelp == static_cast<UINT>(-1))
        nIDHelp = nIDPrompt;
    return AfxMessageBox(text, nType, nIDHelp);
}

void AfxOleSetUserCtrl(BOOL bUserCtrl) {
    g_bUserCtrl = bUserCtrl;
}

BOOL AfxOleGetUserCtrl() {
    return g_bUserCtrl;
}

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
    AfxSetInstanceHandle(hInstance);
    if (CWinApp* pApp = AfxGetApp()) {
        pApp->m_hInstance = hInstance;
        pApp->m_hPrevInstance = hPrevInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
    }
    return TRUE;
}

void AfxWinTerm() {
    CWnd::DeleteTempMap();
    CMenu::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
    int nReturnCode = -1;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) &&
        pApp->InitApplication()) {
        if (!pApp->InitInstance()) {
            if (pApp->m_pMainWnd != nullptr)
                pApp->m_pMainWnd->DestroyWindow();
            nReturnCode = pApp->ExitInstance();
        } else {
            nReturnCode = pApp->Run();
        }
    }
    AfxWinTerm();
    return nReturnCode;
}

// ---------------------------------------------------------------------------------------------------
// Printer

void CWinApp::SelectPrinter(HANDLE hDevNames, HANDLE hDevMode, BOOL bFreeOld) {
    if (bFreeOld) {
        if (m_hDevNames != nullptr && m_hDevNames != hDevNames)
            ::GlobalFree(m_hDevNames);
        if (m_hDevMode != nullptr && m_hDevMode != hDevMode)
            ::GlobalFree(m_hDevMode);
    }
    m_hDevNames = static_cast<HGLOBAL>(hDevNames);
    m_hDevMode = static_cast<HGLOBAL>(hDevMode);
}

void CWinApp::UpdatePrinterSelection(BOOL bForceDefaults) {
    if (!bForceDefaults && m_hDevNames != nullptr)
        return;
    CPrintDialog defaults(FALSE);
    if (defaults.GetDefaults())
        SelectPrinter(defaults.m_pd.hDevNames, defaults.m_pd.hDevMode);
}

BOOL CWinApp::GetPrinterDeviceDefaults(PRINTDLGA* pPrintDlg) {
    UpdatePrinterSelection(m_hDevNames == nullptr);
    if (m_hDevNames == nullptr || pPrintDlg == nullptr)
        return FALSE;
    pPrintDlg->hDevNames = m_hDevNames;
    pPrintDlg->hDevMode = m_hDevMode;
    return TRUE;
}

INT_PTR CWinApp::DoPrintDialog(CPrintDialog* pPD) {
    UpdatePrinterSelection(FALSE);
    pPD->m_pd.hDevMode = m_hDevMode;
    pPD->m_pd.hDevNames = m_hDevNames;
    INT_PTR nResponse = pPD->DoModal();
    // A printer that went away (or changed) since it was chosen: once more on the system's default.
    const DWORD dwError = ::CommDlgExtendedError();
    if (nResponse != IDOK && (dwError == PDERR_PRINTERNOTFOUND || dwError == PDERR_DNDMMISMATCH ||
                              dwError == PDERR_DEFAULTDIFFERENT)) {
        if (pPD->m_pd.hDevNames != m_hDevNames && pPD->m_pd.hDevNames != nullptr)
            ::GlobalFree(pPD->m_pd.hDevNames);
        if (pPD->m_pd.hDevMode != m_hDevMode && pPD->m_pd.hDevMode != nullptr)
            ::GlobalFree(pPD->m_pd.hDevMode);
        SelectPrinter(nullptr, nullptr, TRUE);
        pPD->m_pd.hDevMode = nullptr;
        pPD->m_pd.hDevNames = nullptr;
        nResponse = pPD->DoModal();
    }
    // The dialog may have replaced (and freed) the handles it was given.
    SelectPrinter(pPD->m_pd.hDevNames, pPD->m_pd.hDevMode, FALSE);
    return nResponse;
}

BOOL CWinApp::CreatePrinterDC(CDC& dc) {
    PRINTDLGA pd{};
    pd.lStructSize = sizeof pd;
    if (!GetPrinterDeviceDefaults(&pd))
        return FALSE;
    CPrintDialog printer(FALSE);
    printer.m_pd.hDevNames = pd.hDevNames;
    printer.m_pd.hDevMode = pd.hDevMode;
    HDC hDC = printer.CreatePrinterDC();
    printer.m_pd.hDevNames = nullptr; // still the application's
    printer.m_pd.hDevMode = nullptr;
    if (hDC == nullptr)
        return FALSE;
    if (!dc.Attach(hDC)) {
        ::DeleteDC(hDC); // the wrapper holds a DC already
        return FALSE;
    }
    return TRUE;
}

void CWinApp::OnFilePrintSetup() {
    CPrintDialog setup(TRUE);
    DoPrintDialog(&setup);
}
