#include "views/CViewColumnsDlg.h"

#include "views/CGridColumn.h"
#include "views/CLogView.h"

#include <algorithm>

CViewColumnsDlg::CViewColumnsDlg(CLogView* pView, CWnd* pParentWnd)
    : CShowColumnsDlg(pParentWnd), m_pView(pView) {
    for (int i = 0; i < pView->GetColumnCount(); ++i) {
        CGridColumn* pColumn = pView->GetColumnAt(i);
        m_order.push_back(pColumn);
        m_visible.push_back(pColumn->m_bVisible);
    }
}

int CViewColumnsDlg::PositionOf(const CGridColumn* pColumn) const {
    const auto found = std::find(m_order.begin(), m_order.end(), pColumn);
    return found != m_order.end() ? static_cast<int>(found - m_order.begin()) : -1;
}

void CViewColumnsDlg::FillLists() {
    ClearLists();
    for (size_t i = 0; i < m_order.size(); ++i) {
        if (m_visible[i])
            AddItem(m_shown, m_order[i]);
        else if (m_order[i]->m_bMayBeChosen)
            AddItem(m_available, m_order[i]);
    }
}

CGridColumn* CViewColumnsDlg::AddColumn(CGridColumn* pColumn) {
    const int position = PositionOf(pColumn);
    if (position >= 0)
        m_visible[static_cast<size_t>(position)] = TRUE;
    return pColumn;
}

CGridColumn* CViewColumnsDlg::RemoveColumn(CGridColumn* pColumn) {
    const int position = PositionOf(pColumn);
    if (position >= 0)
        m_visible[static_cast<size_t>(position)] = FALSE;
    return pColumn;
}

void CViewColumnsDlg::MoveColumn(CGridColumn* pColumn, bool up) {
    // The neighbour is the shown item above (below) the selected one.
    const int item = m_shown.GetNextItem(-1, LVNI_SELECTED);
    const int neighbourItem = up ? item - 1 : item + 1;
    if (item < 0 || neighbourItem < 0 || neighbourItem >= m_shown.GetItemCount())
        return;
    auto* pNeighbour = reinterpret_cast<CGridColumn*>(m_shown.GetItemData(neighbourItem));
    const int from = PositionOf(pColumn);
    if (from < 0 || PositionOf(pNeighbour) < 0)
        return;
    const BOOL visible = m_visible[static_cast<size_t>(from)];
    m_order.erase(m_order.begin() + from);
    m_visible.erase(m_visible.begin() + from);
    const int at = PositionOf(pNeighbour) + (up ? 0 : 1);
    m_order.insert(m_order.begin() + at, pColumn);
    m_visible.insert(m_visible.begin() + at, visible);
}

void CViewColumnsDlg::OnOK() {
    m_pView->SetColumnOrder(m_order, m_visible);
    CShowColumnsDlg::OnOK();
}
