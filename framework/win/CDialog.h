// CDialog: a dialog box from a dialog template, modal (DoModal runs its own message loop until
// EndDialog) or modeless (Create).
//
// The dialog's window is handled by this object like any CWnd; OnInitDialog runs when the controls
// exist and loads them through UpdateData(FALSE). OK saves them through UpdateData(TRUE) and closes the
// dialog only when that succeeds.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/win/CWnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog() = default;
    explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modeless: creates the dialog (shown if its template says WS_VISIBLE). Without a parent, the
    // application's main window owns it.
    BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd = nullptr);
    // Modal from a template in memory (then DoModal).
    BOOL InitModalIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd = nullptr);

    // Runs the dialog modally: its owner is disabled meanwhile. Returns the EndDialog result, or -1
    // when the dialog could not be created.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    // Called when the controls exist; returns TRUE to let the system focus the first control.
    virtual BOOL OnInitDialog();
    virtual void OnSetFont(CFont* pFont);
    // OK: saves the controls' data (UpdateData) and ends with IDOK when that succeeds.
    virtual void OnOK();
    // Cancel (also Escape): ends with IDCANCEL.
    virtual void OnCancel();

    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    // LOWORD: id of the default push button; HIWORD: DC_HASDEFID when there is one.
    DWORD GetDefID() const;
    // Dialog units to pixels of this dialog's font.
    void MapDialogRect(LPRECT lpRect) const;
    void SetHelpID(UINT nIDR) { m_nIDHelp = nIDR; }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Commands the dialog does not handle go to its owner, then to the application (menu and
    // accelerator commands only; control notifications stay with the dialog).
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    LPCSTR m_lpszTemplateName = nullptr;
    LPCDLGTEMPLATEA m_lpDialogTemplate = nullptr;
    UINT m_nIDHelp = 0;
    CWnd* m_pParentWnd = nullptr;

protected:
    afx_msg LRESULT HandleSetFont(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateDlgIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWndTop = nullptr; // top-level window disabled while the dialog is modal
};
