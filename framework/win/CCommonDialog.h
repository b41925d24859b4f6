// CCommonDialog: base of the wrappers of the system's common dialogs (file, find and replace, print).
// The system runs the dialog; its hook makes the dialog's window (for the file dialog: the window the
// system puts inside the dialog for the program) this object's window, so that message maps and
// OnInitDialog work as for any dialog. OK and Cancel stay the system's to handle.
#pragma once

#include "framework/win/CDialog.h"

#include <commdlg.h>

class CCommonDialog : public CDialog {
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);

protected:
    // Saves the controls' data (UpdateData) and lets the system's OK go on only when that succeeds.
    void OnOK() override;
    void OnCancel() override;

    // The hook procedure of every common dialog: at WM_INITDIALOG, lParam points at the dialog's
    // structure T (OPENFILENAMEA, FINDREPLACEA, PRINTDLGA), whose lCustData holds the CCommonDialog.
    template <class T>
    static UINT_PTR CALLBACK HookProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message != WM_INITDIALOG || lParam == 0)
            return 0;
        auto* pDlg = reinterpret_cast<CCommonDialog*>(reinterpret_cast<const T*>(lParam)->lCustData);
        return HandleInitDialog(pDlg, hWnd, wParam, lParam);
    }

private:
    static UINT_PTR HandleInitDialog(CCommonDialog* pDlg, HWND hWnd, WPARAM wParam, LPARAM lParam);
};
