// CMenu: a menu or popup menu. An attached menu is destroyed with its wrapper unless it is detached
// first.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/win/CHandleMap.h"

class CMenu : public CObject {
    DECLARE_DYNCREATE(CMenu)
public:
    CMenu() = default;
    ~CMenu() override;

    operator HMENU() const { return GetSafeHmenu(); }
    HMENU GetSafeHmenu() const { return AfxSafeThis(this) ? AfxSafeThis(this)->m_hMenu : nullptr; }

    // The wrapper of hMenu: the attached object if there is one, else a temporary wrapper that lives
    // until the next idle time. nullptr for a null handle.
    static CMenu* FromHandle(HMENU hMenu);
    static CMenu* FromHandlePermanent(HMENU hMenu);
    static void DeleteTempMap();

    BOOL Attach(HMENU hMenu);
    HMENU Detach();

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL LoadMenu(LPCSTR lpszResourceName);
    BOOL LoadMenu(UINT nIDResource);
    BOOL DestroyMenu();

    UINT GetMenuItemCount() const;
    // The command id at nPos; 0 for a separator, (UINT)-1 for a popup.
    UINT GetMenuItemID(int nPos) const;
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    CMenu* GetSubMenu(int nPos) const;

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);

    // Previous state, or (UINT)-1 when the item does not exist.
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags);

    HMENU m_hMenu = nullptr;
};

CHandleMap<CMenu, HMENU>* AfxMapHMENU();
