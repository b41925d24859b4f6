// CWinApp: the application object. Exactly one exists (normally a global); constructing it makes it
// AfxGetApp() and the main thread's CWinThread. AfxWinMain initialises it, calls InitInstance and runs
// its message loop.
//
// Profile: with a registry key (SetRegistryKey) settings live under
// HKEY_CURRENT_USER\Software\<registry key>\<profile name>\<section>; without one in the INI file
// m_pszProfileName.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CString.h"
#include "framework/win/CWinThread.h"

#include <commdlg.h>

class CCmdUI;
class CCommandLineInfo;
class CDC;
class CPrintDialog;
class CDocManager;
class CDocTemplate;
class CDocument;
class CRecentFileList;

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)
public:
    // lpszAppName: the application's name; nullptr takes the string AFX_IDS_APP_TITLE, else the
    // executable's name.
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    // Ends at once when InitInstance created no main window.
    int Run() override;
    // Saves the standard profile settings (recent files).
    int ExitInstance() override;
    BOOL OnIdle(LONG lCount) override;

    // Shows a message box owned by the active window of the application, titled with its name.
    virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    // 1: one more wait cursor level, -1: one less, 0: show the wait cursor again (after a message box).
    virtual void DoWaitCursor(int nCode);
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    virtual void AddToRecentFileList(LPCSTR lpszPathName);

    // ---- resources ----
    HICON LoadIcon(LPCSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCSTR lpszIconName) const;
    HICON LoadOEMIcon(UINT nIDIcon) const;
    HCURSOR LoadCursor(LPCSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const;
    HCURSOR LoadOEMCursor(UINT nIDCursor) const;

    // ---- profile ----
    // Settings go to the registry under Software\<lpszRegistryKey>\<application name>.
    void SetRegistryKey(LPCSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    // HKEY_CURRENT_USER\Software\<registry key>\<profile name>, created if missing; the caller closes it.
    // nullptr without a registry key.
    HKEY GetAppRegistryKey();
    // A section's key below the application key, created if missing; the caller closes it.
    HKEY GetSectionKey(LPCSTR lpszSection);

    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
    // *ppData is allocated with new[] (the caller deletes it with delete[]); FALSE when missing.
    BOOL GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    // A null lpszValue deletes the entry; a null lpszEntry deletes the whole section.
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
    BOOL WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes);

    // Reads the recent-file list (section "Recent File List", entries "File1".."File<n>") and the
    // print preview page count (section "Settings").
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();

    // Splits the command line (m_lpCmdLine, else the process's command line without the program) into
    // parameters, like the C runtime does, and hands each to rCmdInfo.ParseParam. Parameters that start
    // with '/' or '-' are flags (passed without that character).
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // Carries out the command line's request: a new document, open or print a file, register (the
    // program then ends: FALSE). Embedded or automated starts keep the main window hidden. FALSE when
    // the program should end.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    // ---- documents ----
    // The application owns its templates (deleted with it).
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    // Opens the file in the template that fits it best (or brings an open copy forward).
    virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);
    virtual BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                                  CDocTemplate* pTemplate);

    CDocManager* m_pDocManager = nullptr; // owned

    HINSTANCE m_hInstance = nullptr;
    HINSTANCE m_hPrevInstance = nullptr;
    LPSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;

    // Owned strings (allocated with malloc, freed with free): an application may replace them.
    LPCSTR m_pszAppName = nullptr;
    LPCSTR m_pszRegistryKey = nullptr;
    LPCSTR m_pszProfileName = nullptr;
    LPCSTR m_pszExeName = nullptr;
    LPCSTR m_pszHelpFilePath = nullptr;

    CRecentFileList* m_pRecentFileList = nullptr; // owned
    UINT m_nNumPreviewPages = 0;

    int m_nWaitCursorCount = 0;
    HCURSOR m_hcurWaitCursorRestore = nullptr;

    // ---- printer ----
    // The program's printer: device mode and names in global memory the application owns (freed with
    // it). The system's default printer until the user picks another in a print dialog.
    HGLOBAL m_hDevMode = nullptr;
    HGLOBAL m_hDevNames = nullptr;
    // Puts the program's printer into pPrintDlg->hDevMode and hDevNames (still the application's).
    // FALSE when there is no printer.
    BOOL GetPrinterDeviceDefaults(PRINTDLGA* pPrintDlg);
    // Runs pPD on the program's printer and keeps the printer it ends with.
    virtual INT_PTR DoPrintDialog(CPrintDialog* pPD);
    // Makes hDevNames and hDevMode the program's printer; bFreeOld frees the ones before.
    void SelectPrinter(HANDLE hDevNames, HANDLE hDevMode, BOOL bFreeOld = TRUE);
    // Takes the system's default printer when there is none yet, or always with bForceDefaults.
    void UpdatePrinterSelection(BOOL bForceDefaults);
    // A device context on the program's printer. FALSE without a printer.
    BOOL CreatePrinterDC(CDC& dc);
    // The Print Setup dialog on the program's printer (for ID_FILE_PRINT_SETUP in a message map).
    afx_msg void OnFilePrintSetup();

    // File New, File Open and the recent-file commands (ID_FILE_MRU_FILE1..16, in the map).
    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg BOOL OnOpenRecentFile(UINT nID);

protected:
    afx_msg void OnAppExit();
    afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    HKEY OpenSectionKey(LPCSTR lpszSection, bool create);
};

// The application's name (m_pszAppName), or nullptr without an application object.
LPCSTR AfxGetAppName();

// A message box through the application (CWinApp::DoMessageBox). The string form loads its text from
// the string resource nIDPrompt.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));

// Whether the user started the program (TRUE) rather than an automation client (/Embedding,
// /Automation). When the user is not in control, closing the main window does not end the program.
void AfxOleSetUserCtrl(BOOL bUserCtrl);
BOOL AfxOleGetUserCtrl();

// The entry point's work: AfxWinInit, InitApplication, InitInstance, Run; returns the exit code.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
// Records the instance handle and start-up parameters in the application object.
BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
void AfxWinTerm();
