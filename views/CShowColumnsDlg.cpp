#include "views/CShowColumnsDlg.h"

#include "foundation/WindowHelpers.h"
#include "framework/win/CDataExchange.h"
#include "resource.h"
#include "views/CGridColumn.h"
#include "views/CGridColumnList.h"

namespace {
constexpr int kImageWidth = 20;
constexpr int kColumnImage = 6;
constexpr COLORREF kImageMask = RGB(0, 255, 0);
} // namespace

BEGIN_MESSAGE_MAP(CShowColumnsDlg, CDialog)
ON_BN_CLICKED(IDC_COLUMNS_ADD, OnAdd)
ON_BN_CLICKED(IDC_COLUMNS_REMOVE, OnRemove)
ON_BN_CLICKED(IDC_COLUMNS_UP, OnMoveUp)
ON_BN_CLICKED(IDC_COLUMNS_DOWN, OnMoveDown)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_COLUMNS_AVAILABLE, OnSelectionChanged)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_COLUMNS_SHOWN, OnSelectionChanged)
END_MESSAGE_MAP()

CShowColumnsDlg::CShowColumnsDlg(CWnd* pParentWnd) : CDialog(IDD_SHOW_COLUMNS, pParentWnd) {}

void CShowColumnsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COLUMNS_AVAILABLE, m_available);
    DDX_Control(pDX, IDC_COLUMNS_SHOWN, m_shown);
}

BOOL CShowColumnsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_images.Create(IDB_LIST_IMAGES, kImageWidth, 0, kImageMask);
    for (CListCtrl* pList : {&m_available, &m_shown}) {
        pList->SetImageList(&m_images, LVSIL_SMALL);
        CRect client;
        pList->GetClientRect(&client);
        pList->InsertColumn(0, "", LVCFMT_LEFT, client.Width());
    }
    FillLists();
    UpdateButtons();
    return TRUE;
}

CGridColumn* CShowColumnsDlg::GetSelectedColumn(const CListCtrl& list) {
    const int item = list.GetNextItem(-1, LVNI_SELECTED);
    return item >= 0 ? reinterpret_cast<CGridColumn*>(list.GetItemData(item)) : nullptr;
}

void CShowColumnsDlg::ClearLists() {
    m_available.DeleteAllItems();
    m_shown.DeleteAllItems();
}

void CShowColumnsDlg::AddItem(CListCtrl& list, CGridColumn* pColumn) {
    const int item = list.InsertItem(list.GetItemCount(), pColumn->m_Title, kColumnImage);
    list.SetItemData(item, reinterpret_cast<DWORD_PTR>(pColumn));
}

void CShowColumnsDlg::Refill(CListCtrl& list, CGridColumn* pColumn) {
    FillLists();
    if (pColumn != nullptr) {
        SelectListItemByData(&list, reinterpret_cast<DWORD_PTR>(pColumn));
        list.SetFocus();
    }
    UpdateButtons();
}

void CShowColumnsDlg::UpdateButtons() {
    const int shown = m_shown.GetNextItem(-1, LVNI_SELECTED);
    EnableDlgItem(this, IDC_COLUMNS_ADD, m_available.GetNextItem(-1, LVNI_SELECTED) >= 0);
    EnableDlgItem(this, IDC_COLUMNS_REMOVE, shown >= 0);
    EnableDlgItem(this, IDC_COLUMNS_UP, shown > 0);
    EnableDlgItem(this, IDC_COLUMNS_DOWN, shown >= 0 && shown < m_shown.GetItemCount() - 1);
}

void CShowColumnsDlg::OnAdd() {
    if (CGridColumn* pColumn = GetSelectedColumn(m_available))
        Refill(m_shown, AddColumn(pColumn));
}

void CShowColumnsDlg::OnRemove() {
    if (CGridColumn* pColumn = GetSelectedColumn(m_shown))
        Refill(m_available, RemoveColumn(pColumn));
}

void CShowColumnsDlg::OnMoveUp() {
    if (CGridColumn* pColumn = GetSelectedColumn(m_shown)) {
        MoveColumn(pColumn, true);
        Refill(m_shown, pColumn);
    }
}

void CShowColumnsDlg::OnMoveDown() {
    if (CGridColumn* pColumn = GetSelectedColumn(m_shown)) {
        MoveColumn(pColumn, false);
        Refill(m_shown, pColumn);
    }
}

void CShowColumnsDlg::OnSelectionChanged(NMHDR*, LRESULT* pResult) {
    UpdateButtons();
    *pResult = 0;
}
