#include "shell/CErrorsDlg.h"

#include "data/CErrorList.h"
#include "resource.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CErrorsDlg, CDialog)
ON_BN_CLICKED(IDC_ERRORS_CLEAR_ALL, OnClearAll)
END_MESSAGE_MAP()

CString FormatErrorCode(long code) {
    CString text;
    if (code >= 100000)
        text.Format("0x%lX", static_cast<unsigned long>(code));
    else
        text.Format("%ld", code);
    return text;
}

CErrorsDlg::CErrorsDlg(CErrorList& list, bool suppress, CWnd* pParentWnd)
    : CDialog(IDD_ERRORS, pParentWnd), m_list(list), m_suppress(suppress ? 1 : 0) {}

void CErrorsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ERRORS_LIST, m_listCtrl);
    DDX_Check(pDX, IDC_ERRORS_DONT_SHOW, m_suppress);
}

BOOL CErrorsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_listCtrl.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    CRect client;
    m_listCtrl.GetClientRect(&client);
    const int codeWidth = 70;
    const int rest = std::max(100, client.Width() - codeWidth - ::GetSystemMetrics(SM_CXVSCROLL));
    m_listCtrl.InsertColumn(0, "Error", LVCFMT_LEFT, rest * 2 / 5);
    m_listCtrl.InsertColumn(1, "Code", LVCFMT_RIGHT, codeWidth);
    m_listCtrl.InsertColumn(2, "Details", LVCFMT_LEFT, rest - rest * 2 / 5);
    FillList();
    return TRUE;
}

void CErrorsDlg::FillList() {
    m_listCtrl.DeleteAllItems();
    for (int i = 0; i < m_list.GetCount(); ++i) {
        const CErrorList::Entry& entry = m_list.GetEntry(i);
        const int row = m_listCtrl.InsertItem(i, entry.message);
        m_listCtrl.SetItemText(row, 1, FormatErrorCode(entry.code));
        m_listCtrl.SetItemText(row, 2, entry.detail);
    }
}

void CErrorsDlg::OnClearAll() {
    m_list.RemoveAll();
    FillList();
}

void CErrorsDlg::OnCancel() {
    // "Close" keeps the check box's choice.
    UpdateData(TRUE);
    CDialog::OnCancel();
}
