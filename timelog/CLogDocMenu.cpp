// CLogDoc: the menus trimmed to the current user's rights, and the active view checked against them.
#include "timelog/CLogDoc.h"

#include "foundation/Registry.h"
#include "framework/win/CCmdUI.h"
#include "framework/win/CMenu.h"
#include "resource.h"

#include <initializer_list>

namespace {

// Rights (CUser rights positions) the menus follow.
enum Right : int {
    kUsers = 1,
    kReferenceLists = 2,
    kGlobalReports = 3,
    kProjectTasks = 4,
    kTimesheet = 5,
    kTimeLog = 6,
    kExpenses = 7,
    kInvoices = 8,
    kRefreshTasks = 9,
    kChangePassword = 11,
    kOptions = 12,
};

// "Active View" values.
enum View : int {
    kViewTimesheet = 2,
    kViewTimeLog = 3,
    kViewProjectTasks = 4,
    kViewExpenses = 5,
    kViewInvoices = 6
};

int CommandPosition(HMENU hMenu, UINT id) {
    const int count = GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i) {
        if (GetMenuItemID(hMenu, i) == id)
            return i;
    }
    return -1;
}

bool IsSeparatorAt(HMENU hMenu, int position) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    return GetMenuItemInfoA(hMenu, static_cast<UINT>(position), TRUE, &info) && info.hSubMenu == nullptr &&
           (info.fType & MFT_SEPARATOR) != 0;
}

// Removes the command; withSeparator: also the separator just above it. A command not in the menu
// changes nothing.
void RemoveCommand(HMENU hMenu, UINT id, bool withSeparator = false) {
    const int position = CommandPosition(hMenu, id);
    if (position < 0)
        return;
    if (withSeparator && position > 0 && GetMenuItemID(hMenu, position - 1) == 0)
        DeleteMenu(hMenu, static_cast<UINT>(position - 1), MF_BYPOSITION);
    DeleteMenu(hMenu, id, MF_BYCOMMAND);
}

void RemoveCommands(HMENU hMenu, std::initializer_list<UINT> ids, bool withSeparator = false) {
    for (const UINT id : ids)
        RemoveCommand(hMenu, id, withSeparator);
}

} // namespace

void CLogDoc::OnUpdateTrimMenu(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    if (pCmdUI->m_pMenu != nullptr)
        TrimMenu(pCmdUI->m_pMenu->GetSafeHmenu(), IsDocumentOpen());
}

void CLogDoc::TrimMenu(HMENU hMenu, bool documentOpen) const {
    if (hMenu == nullptr)
        return;
    if (documentOpen) {
        if (!HasRight(kUsers))
            RemoveCommand(hMenu, ID_EDIT_USERS);
        if (!HasRight(kReferenceLists)) {
            RemoveCommands(hMenu, {ID_EDIT_PROJECTS, ID_EDIT_PROJECT_TYPES, ID_EDIT_CATEGORIES,
                                   ID_EDIT_EXPENSE_ACCOUNTS, ID_EDIT_EXPENSE_TYPES, ID_EDIT_CLIENTS});
            if (IsSeparatorAt(hMenu, 2))
                DeleteMenu(hMenu, 2, MF_BYPOSITION);
        }
        if (!HasRight(kGlobalReports))
            RemoveCommand(hMenu, ID_GLOBAL_REPORTS);
    } else {
        RemoveCommands(hMenu, {ID_EDIT_PROJECTS, ID_EDIT_PROJECT_TYPES, ID_EDIT_CATEGORIES,
                               ID_EDIT_EXPENSE_ACCOUNTS, ID_EDIT_EXPENSE_TYPES, ID_EDIT_CLIENTS,
                               ID_EDIT_USERS, ID_STARTUP_WIZARD, ID_GLOBAL_REPORTS, ID_PROJECT_TASK_TOOLS});
        RemoveCommand(hMenu, ID_REFRESH_PROJECT_TASKS, true);
    }
    if (!HasRight(kChangePassword))
        RemoveCommand(hMenu, ID_CHANGE_PASSWORD);
    if (!HasRight(kOptions))
        RemoveCommands(hMenu, {ID_OPTIONS, ID_OPTIONS_DATABASE, ID_INTEGRATION_OPTIONS});
    if (!HasRight(kProjectTasks))
        RemoveCommands(hMenu, {ID_PROJECT_TASK_NEW, ID_REFRESH_PROJECT_TASKS, ID_PROJECT_TASK_TOOLS});
    if (!HasRight(kExpenses)) {
        RemoveCommand(hMenu, ID_EXPENSE_NEW);
        RemoveCommands(hMenu, {ID_EXPENSE_TRIPS, ID_EDIT_EXPENSE_ACCOUNTS, ID_EDIT_EXPENSE_TYPES}, true);
    }
    if (!HasRight(kInvoices))
        RemoveCommand(hMenu, ID_INVOICE_NEW);
    if (!HasRight(kProjectTasks) && !HasRight(kTimeLog) && !HasRight(kExpenses) && !HasRight(kInvoices)) {
        RemoveCommand(hMenu, ID_VIEW_COLUMNS);
        RemoveCommands(hMenu, {ID_VIEW_TASK, ID_VIEW_TIMESHEET}, true);
    }
    if (!HasRight(kRefreshTasks))
        RemoveCommand(hMenu, ID_REFRESH_PROJECT_TASKS, true);
    // No separator may open or close the menu.
    while (GetMenuItemCount(hMenu) > 0 && IsSeparatorAt(hMenu, 0))
        DeleteMenu(hMenu, 0, MF_BYPOSITION);
    while (GetMenuItemCount(hMenu) > 0 && GetMenuItemID(hMenu, GetMenuItemCount(hMenu) - 1) == 0)
        DeleteMenu(hMenu, static_cast<UINT>(GetMenuItemCount(hMenu) - 1), MF_BYPOSITION);
}

int CLogDoc::CheckActiveView() const {
    int fallback = kViewProjectTasks;
    if (HasRight(kProjectTasks))
        fallback = kViewProjectTasks;
    else if (HasRight(kTimesheet))
        fallback = kViewTimesheet;
    else if (HasRight(kTimeLog))
        fallback = kViewTimeLog;
    else if (HasRight(kExpenses))
        fallback = kViewExpenses;
    else if (HasRight(kInvoices))
        fallback = kViewInvoices;
    int view = 0;
    RegReadInt(REG_PREFS, "Active View", &view);
    const bool refused =
        (view == kViewProjectTasks && !HasRight(kProjectTasks)) ||
        (view == kViewTimesheet && !HasRight(kTimesheet)) || (view == kViewTimeLog && !HasRight(kTimeLog)) ||
        (view == kViewExpenses && !HasRight(kExpenses)) || (view == kViewInvoices && !HasRight(kInvoices));
    if (refused)
        view = fallback;
    RegWriteInt(REG_PREFS, "Active View", view);
    return view;
}
