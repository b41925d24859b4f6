// CUser: its duplicate, and the menus, combo boxes and trees that dialogs and views build from the user
// list.
#include "data/CUser.h"

#include "foundation/SharedHelpers.h"
#include "framework/win/CComboBoxEx.h"
#include "framework/win/CMenu.h"
#include "framework/win/CTreeCtrl.h"
#include "framework/win/CWaitCursor.h"
#include "timelog/CLogDoc.h"
#include "resource.h"

namespace {
constexpr int kGroupImage = 7;
constexpr int kPersonImage = 8;
constexpr int kCurrentUserImage = 17;
// Trees deeper than this come only from a parent cycle in damaged data.
constexpr int kMaxDepth = 1000;

void AddMenuItems(CMenu& menu, const CUser* pParent, UINT& nextId, const CUserArray& users,
                  const CUser* pChecked, int depth) {
    if (depth > kMaxDepth)
        return;
    for (INT_PTR i = 0; i < users.GetSize(); ++i) {
        CUser* pUser = users.GetAt(i);
        if (pUser == nullptr || pUser == pParent || pUser->m_pParent != pParent || !pUser->m_Active ||
            !pUser->m_Visible)
            continue;
        if (!pUser->IsGroup()) {
            pUser->m_nMenuCommand = nextId++;
            menu.AppendMenu(MF_STRING | (pUser == pChecked ? MF_CHECKED : MF_UNCHECKED),
                            pUser->m_nMenuCommand, pUser->GetDisplayName());
        } else if (pParent == nullptr) {
            AddMenuItems(menu, pUser, nextId, users, pChecked, depth + 1);
        } else {
            CMenu submenu;
            if (!submenu.CreatePopupMenu())
                continue;
            AddMenuItems(submenu, pUser, nextId, users, pChecked, depth + 1);
            menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(submenu.Detach()), pUser->GetDisplayName());
        }
    }
}

void AddTreeItems(const CUser* pParent, CTreeCtrl& tree, HTREEITEM hParentItem, const CUserArray& users,
                  bool displayNames, bool includeInactive, bool includePersons,
                  const CStringArray* checkedGUIDs, int depth) {
    if (depth > kMaxDepth)
        return;
    for (INT_PTR i = 0; i < users.GetSize(); ++i) {
        CUser* pUser = users.GetAt(i);
        if (pUser == nullptr || pUser == pParent || pUser->m_pParent != pParent)
            continue;
        if (!includeInactive && (!pUser->m_Active || !pUser->m_Visible))
            continue;
        if (!includePersons && !pUser->IsGroup())
            continue;
        const int image =
            pUser->IsGroup() ? kGroupImage : (pUser->m_CurrentUser ? kCurrentUserImage : kPersonImage);
        const UINT state = pUser->m_CurrentUser ? TVIS_BOLD : 0;
        HTREEITEM hItem =
            tree.InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE,
                            displayNames ? pUser->GetDisplayName() : pUser->m_User, image, image, state,
                            TVIS_BOLD, reinterpret_cast<LPARAM>(pUser), hParentItem, TVI_LAST);
        if (checkedGUIDs != nullptr) {
            for (INT_PTR j = 0; j < checkedGUIDs->GetSize(); ++j) {
                if (checkedGUIDs->GetAt(j).CompareNoCase(pUser->m_GUID) == 0) {
                    tree.SetCheck(hItem, TRUE);
                    break;
                }
            }
        }
        AddTreeItems(pUser, tree, hItem, users, displayNames, includeInactive, includePersons, checkedGUIDs,
                     depth + 1);
    }
}
} // namespace

void BuildUserMenu(CMenu& menu, const CUser* pParent, UINT& nextId, const CUserArray& users,
                   const CUser* pChecked) {
    AddMenuItems(menu, pParent, nextId, users, pChecked, 0);
}

void FillUserCombo(CComboBoxEx& combo, const CUserArray& users, bool includeGroups, bool withAll) {
    combo.ResetContent();
    auto insert = [&combo](const CString& text, int image, CUser* pUser) {
        COMBOBOXEXITEM item = {};
        item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_LPARAM;
        item.iItem = -1;
        item.pszText = const_cast<char*>(text.GetString());
        item.iImage = item.iSelectedImage = image;
        item.lParam = reinterpret_cast<LPARAM>(pUser);
        combo.InsertItem(&item);
    };
    if (withAll)
        insert(CString(MAKEINTRESOURCE(IDS_ALL_USERS)), kGroupImage, nullptr);
    for (INT_PTR i = 0; i < users.GetSize(); ++i) {
        CUser* pUser = users.GetAt(i);
        if (pUser == nullptr || !pUser->m_Active || (pUser->IsGroup() && !includeGroups))
            continue;
        insert(pUser->GetDisplayName(), pUser->IsGroup() ? kGroupImage : kPersonImage, pUser);
    }
}

void FillUserTree(const CUser* pParent, CTreeCtrl& tree, HTREEITEM hParentItem, const CUserArray& users,
                  bool displayNames, bool includeInactive, bool includePersons, bool expand,
                  const CStringArray* checkedGUIDs) {
    AddTreeItems(pParent, tree, hParentItem, users, displayNames, includeInactive, includePersons,
                 checkedGUIDs, 0);
    if (expand && hParentItem != nullptr && hParentItem != TVI_ROOT)
        tree.Expand(hParentItem, TVE_EXPAND);
}

CUser* CUser::Duplicate(CLogDoc* pDoc) {
    if (pDoc == nullptr)
        return nullptr;
    CWaitCursor wait;
    auto* pCopy = new CUser(*this);
    pCopy->m_User.Format(CString(MAKEINTRESOURCE(IDS_USER_COPY_FORMAT)), m_User.GetString());
    pCopy->m_GUID = NewGuidString();
    pCopy->m_FullName.Empty();
    pCopy->m_QBInclude = 0;
    pCopy->m_QBEmployee.Empty();
    pCopy->m_CurrentUser = 0;
    pCopy->m_Created = CTime::GetCurrentTime();
    pCopy->m_Modified = m_Created;
    pDoc->AddUser(pCopy);
    pDoc->SaveUser(pCopy);
    if (pDoc->CanWriteTables())
        pDoc->m_ProjectTaskSet.CopyTasksForUser(pDoc, m_GUID, pCopy->m_GUID);
    return pCopy;
}
