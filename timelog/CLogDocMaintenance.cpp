// CLogDoc: keeping the views in step with the lists — the log view's refresh, the quick-task chooser and
// the Assign to User menu of the project-task view.
#include "timelog/CLogDoc.h"

#include "framework/win/CComboBoxEx.h"
#include "framework/win/CMenu.h"
#include "resource.h"
#include "timelog/ILogDocFrame.h"
#include "timelog/ILogView.h"
#include "timelog/ITaskView.h"

namespace {

// The first pop-up (depth first) whose first item is the "<None>" user item; nullptr when none. owner
// and position say where it hangs.
HMENU FindAssignUserPopup(HMENU hMenu, HMENU& owner, int& position) {
    const int count = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i) {
        HMENU hSub = ::GetSubMenu(hMenu, i);
        if (hSub == nullptr)
            continue;
        if (::GetMenuItemID(hSub, 0) == ID_ASSIGN_USER_FIRST) {
            owner = hMenu;
            position = i;
            return hSub;
        }
        if (HMENU hFound = FindAssignUserPopup(hSub, owner, position))
            return hFound;
    }
    return nullptr;
}

CTask* SelectedTask() {
    ITaskView* pView = GetTaskView();
    return pView != nullptr ? pView->GetSelectedTask() : nullptr;
}

} // namespace

void CLogDoc::RefreshLogView() {
    ILogView* pView = GetLogView();
    if (pView == nullptr)
        return;
    pView->ApplySort();
    pView->ApplyFilter(m_ViewFilter);
    pView->ApplyGrayBar();
    pView->ShowLastRow();
    SetModifiedFlag(FALSE);
}

void CLogDoc::FillQuickTaskCombo(CComboBoxEx& combo) const {
    combo.ResetContent();
    for (INT_PTR i = 0; i < m_QuickTasks.GetSize(); ++i) {
        CTask* pTask = m_QuickTasks.GetAt(i);
        COMBOBOXEXITEMA item = {};
        item.mask = CBEIF_TEXT | CBEIF_LPARAM;
        item.iItem = i;
        item.pszText = const_cast<char*>(pTask->m_Name.GetString());
        item.lParam = reinterpret_cast<LPARAM>(pTask);
        combo.InsertItem(&item);
    }
}

bool CLogDoc::FillAssignToUserMenu(HMENU hMenu) {
    CTask* pTask = SelectedTask();
    HMENU hOwner = nullptr;
    int position = -1;
    HMENU hPopup = hMenu != nullptr ? FindAssignUserPopup(hMenu, hOwner, position) : nullptr;
    if (pTask == nullptr || hPopup == nullptr)
        return false;
    if (pTask->m_Summary != 0) {
        // Summaries have no owner of their own.
        ::DeleteMenu(hOwner, static_cast<UINT>(position), MF_BYPOSITION);
        return true;
    }
    ::DeleteMenu(hPopup, 0, MF_BYPOSITION);
    CMenu popup;
    popup.Attach(hPopup);
    UINT nextId = ID_ASSIGN_USER_FIRST;
    BuildUserMenu(popup, nullptr, nextId, m_Users, pTask->GetOwner());
    popup.Detach();
    return true;
}

void CLogDoc::OnAssignToUser(UINT id) {
    CTask* pTask = SelectedTask();
    if (pTask == nullptr || pTask->m_Summary != 0 || id < ID_ASSIGN_USER_FIRST || id > ID_ASSIGN_USER_LAST)
        return;
    for (INT_PTR i = 0; i < m_Users.GetSize(); ++i) {
        CUser* pUser = m_Users.GetAt(i);
        if (pUser == nullptr || pUser->IsGroup() || pUser->m_nMenuCommand != id)
            continue;
        pTask->m_pOwner = pUser;
        pTask->m_OwnerID = pUser->GetGUID();
        pTask->SetModified(TRUE);
        SaveProjectTask(pTask);
        RefreshTaskView();
        RefreshQuickTasks();
        return;
    }
}
