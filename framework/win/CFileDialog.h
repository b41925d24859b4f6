// CFileDialog: the system's Open or Save As dialog. The filter is written as "Text Files (*.txt)|*.txt|
// All Files (*.*)|*.*||" and given to the system in its own form (NUL for '|', two NULs at the end).
//
// With OFN_ALLOWMULTISELECT the chosen files come back as the folder followed by the names (separated by
// NULs in the usual Explorer style, by blanks otherwise); GetStartPosition and GetNextPathName walk them
// as full paths. A single chosen file comes back as its full path. The program may point m_ofn.lpstrFile
// at a larger buffer (and set m_ofn.nMaxFile) before DoModal.
#pragma once

#include "framework/core/CString.h"
#include "framework/win/CCommonDialog.h"

#include <vector>

class CFileDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);
    ~CFileDialog() override;

    OPENFILENAMEA m_ofn;

    // IDOK when a file was chosen, IDCANCEL otherwise (also when the system reported an error, for
    // example a name buffer too small for the chosen files).
    INT_PTR DoModal() override;

    // ---- the result (while the dialog is open: what it shows now) ----
    CString GetPathName() const;
    // Name and extension, without the folder.
    CString GetFileName() const;
    // The extension, without the dot ("" when there is none).
    CString GetFileExt() const;
    // The name without folder and extension.
    CString GetFileTitle() const;
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }
    // The first of the chosen files (nullptr when none).
    POSITION GetStartPosition() const;
    // The full path of the file at pos; moves pos on (nullptr after the last).
    CString GetNextPathName(POSITION& pos) const;

    // ---- while the dialog is open ----
    CString GetFolderPath() const;
    void SetControlText(int nID, LPCSTR lpsz);
    void HideControl(int nID);
    void SetDefExt(LPCSTR lpsz);

protected:
    // What the system asks while the dialog runs (Explorer style).
    virtual UINT OnShareViolation(LPCSTR lpszPathName);
    // TRUE rejects the chosen name (the dialog stays open).
    virtual BOOL OnFileNameOK();
    virtual void OnLBSelChangedNotify(UINT nIDBox, UINT iCurSel, UINT nCode);
    virtual void OnInitDone();
    virtual void OnFileNameChange();
    virtual void OnFolderChange();
    // The chosen file type changed; m_ofn.nFilterIndex is the new one (1-based).
    virtual void OnTypeChange();

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // The system's dialog does its own keyboard handling.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    BOOL m_bOpenFileDialog;
    CString m_strFilter; // as given, with '|'
    char m_szFileTitle[64] = {};
    char m_szFileName[MAX_PATH] = {};

private:
    // Asks the open dialog for a text (CDM_GETFILEPATH, CDM_GETSPEC, CDM_GETFOLDERPATH).
    CString AskDialog(UINT message) const;

    std::vector<char> m_filter; // m_strFilter in the system's form
    CString m_strDefExt;
    HWND m_hWndTop = nullptr;
};
