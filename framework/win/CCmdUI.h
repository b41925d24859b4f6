// CCmdUI: the user-interface element of one command (a menu item or a control) while its update
// handler decides whether it is enabled, checked or how it reads.
#pragma once

#include "framework/core/AfxDefs.h"

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI {
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;
    CCmdUI(const CCmdUI&) = delete;
    CCmdUI& operator=(const CCmdUI&) = delete;

    virtual void Enable(BOOL bOn = TRUE);
    // 0 unchecked, 1 checked, 2 indeterminate (buttons only).
    virtual void SetCheck(int nCheck = 1);
    // Checked with a radio mark (menus) or as a radio button.
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCSTR lpszText);

    // Lets the next command target's update handler run as well.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks pTarget's update handlers for this command. With bDisableIfNoHndler, a command that has
    // neither an update handler that enabled it nor a command handler is disabled.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    // Updates every item of a popup menu through pTarget. Update handlers may insert or delete items
    // while this runs: they move m_nIndex to the last item they handled and set m_nIndexMax to the new
    // item count. A handler that only deletes items (its own, or others before or after it) need not:
    // every item left is still updated once. Items without handlers are disabled when bAutoMenuEnable
    // is set (system commands excepted).
    static void UpdateMenu(CCmdTarget* pTarget, CMenu* pMenu, BOOL bAutoMenuEnable = TRUE);

    UINT m_nID = 0;
    UINT m_nIndex = 0;           // position of the menu item
    CMenu* m_pMenu = nullptr;    // the menu, when a menu item is updated
    CMenu* m_pSubMenu = nullptr; // the popup the item opens, if any
    CMenu* m_pParentMenu = nullptr;
    CWnd* m_pOther = nullptr; // the control, when a control is updated
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
    UINT m_nIndexMax = 0; // number of items of m_pMenu
};
