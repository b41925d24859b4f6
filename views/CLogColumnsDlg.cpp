#include "views/CLogColumnsDlg.h"

CLogColumnsDlg::CLogColumnsDlg(CGridColumnList& list, const CObArray& master, CWnd* pParentWnd)
    : CShowColumnsDlg(pParentWnd), m_list(list), m_work(list) {
    m_master.Copy(master);
}

void CLogColumnsDlg::FillLists() {
    ClearLists();
    for (INT_PTR i = 0; i < m_master.GetSize(); ++i) {
        auto* pColumn = dynamic_cast<CGridColumn*>(m_master[i]);
        if (pColumn != nullptr && pColumn->m_bMayBeChosen && m_work.FindIndex(pColumn) < 0)
            AddItem(m_available, pColumn);
    }
    for (int i = 0; i < m_work.GetCount(); ++i)
        AddItem(m_shown, m_work.GetAt(i));
}

CGridColumn* CLogColumnsDlg::AddColumn(CGridColumn* pColumn) {
    if (m_work.FindIndex(pColumn) < 0)
        m_work.Add(pColumn);
    return pColumn;
}

CGridColumn* CLogColumnsDlg::RemoveColumn(CGridColumn* pColumn) {
    m_work.Remove(pColumn);
    return pColumn;
}

void CLogColumnsDlg::MoveColumn(CGridColumn* pColumn, bool up) {
    const int index = m_work.FindIndex(pColumn);
    const int to = up ? index - 1 : index + 1;
    if (index < 0 || to < 0 || to >= m_work.GetCount())
        return;
    m_work.RemoveAt(index);
    m_work.InsertAt(to, pColumn);
}

void CLogColumnsDlg::OnOK() {
    m_list = m_work;
    CShowColumnsDlg::OnOK();
}
