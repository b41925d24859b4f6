// CErrorsDlg: "Errors", the list of the errors the program collected (database failures and the
// like), each with its code. "Clear all" empties the list; the check box "Do not show this dialog when
// errors occur." sets the error suppression, under which no further errors are collected.
#pragma once

#include "framework/win/AfxWin.h"
#include "framework/win/CListCtrl.h"

class CErrorList;

class CErrorsDlg : public CDialog {
public:
    // Works on list directly; suppress is the check box's value when the dialog opens.
    CErrorsDlg(CErrorList& list, bool suppress, CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // The check box as the user left it (read after the dialog closed).
    bool GetSuppress() const { return m_suppress != 0; }
    // The rows shown: message, code, details.
    CListCtrl& GetList() { return m_listCtrl; }

protected:
    void OnCancel() override;
    afx_msg void OnClearAll();
    DECLARE_MESSAGE_MAP()

private:
    void FillList();

    CErrorList& m_list;
    CListCtrl m_listCtrl;
    int m_suppress;
};

// An error code as the list shows it: in decimal, and from 100000 on as "0x%X".
CString FormatErrorCode(long code);
