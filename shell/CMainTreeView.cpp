#include "shell/CMainTreeView.h"

#include "framework/win/CFrameWnd.h"

IMPLEMENT_DYNCREATE(CMainTreeView, CView)

BEGIN_MESSAGE_MAP(CMainTreeView, CView)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_NOTIFY(TVN_SELCHANGEDA, CMainTreeView::kTreeId, OnSelChanged)
END_MESSAGE_MAP()

int CMainTreeView::OnCreate(LPCREATESTRUCTA lpCreateStruct) {
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_SHOWSELALWAYS | TVS_FULLROWSELECT | TVS_TRACKSELECT,
                       CRect(0, 0, 0, 0), this, kTreeId))
        return -1;
    return 0;
}

void CMainTreeView::OnDraw(CDC*) {
    // The tree control covers the whole view.
}

void CMainTreeView::OnSize(UINT, int cx, int cy) {
    if (m_tree.m_hWnd != nullptr)
        m_tree.MoveWindow(0, 0, cx, cy);
}

void CMainTreeView::OnSetFocus(CWnd*) {
    if (m_tree.m_hWnd != nullptr)
        m_tree.SetFocus();
}

void CMainTreeView::SetViews(const std::vector<Entry>& views) {
    m_views = views;
    m_selecting = true;
    m_tree.DeleteAllItems();
    for (const Entry& entry : m_views) {
        HTREEITEM item = m_tree.InsertItem(entry.name);
        m_tree.SetItemData(item, static_cast<DWORD_PTR>(entry.number));
    }
    m_selecting = false;
}

void CMainTreeView::SelectView(int number) {
    m_selecting = true;
    for (HTREEITEM item = m_tree.GetRootItem(); item != nullptr; item = m_tree.GetNextSiblingItem(item)) {
        if (static_cast<int>(m_tree.GetItemData(item)) == number) {
            m_tree.SelectItem(item);
            break;
        }
    }
    m_selecting = false;
}

int CMainTreeView::GetSelectedView() const {
    HTREEITEM item = m_tree.GetSelectedItem();
    return item != nullptr ? static_cast<int>(m_tree.GetItemData(item)) : 0;
}

void CMainTreeView::OnSelChanged(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    if (m_selecting)
        return;
    const int number = GetSelectedView();
    for (const Entry& entry : m_views) {
        if (entry.number == number) {
            GetTopLevelFrame()->PostMessage(WM_COMMAND, entry.command);
            return;
        }
    }
}
