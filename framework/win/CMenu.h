// CMenu: a menu bar or popup menu. An attached menu is destroyed with its wrapper unless it is detached
// first.
//
// Owner-drawn items (MF_OWNERDRAW) are measured and drawn by the CMenu attached to the menu holding them
// (or, failing that, to the nearest menu above it): the owner window's default WM_MEASUREITEM and
// WM_DRAWITEM handlers call its MeasureItem and DrawItem.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/win/CHandleMap.h"

class CBitmap;
class CWnd;

class CMenu : public CObject {
    DECLARE_DYNCREATE(CMenu)
public:
    CMenu() = default;
    ~CMenu() override;

    operator HMENU() const { return GetSafeHmenu(); }
    HMENU GetSafeHmenu() const { return AfxSafeThis(this) ? AfxSafeThis(this)->m_hMenu : nullptr; }
    BOOL operator==(const CMenu& menu) const { return m_hMenu == menu.m_hMenu; }
    BOOL operator!=(const CMenu& menu) const { return m_hMenu != menu.m_hMenu; }

    // The wrapper of hMenu: the attached object if there is one, else a temporary wrapper that lives
    // until the next idle time. nullptr for a null handle.
    static CMenu* FromHandle(HMENU hMenu);
    static CMenu* FromHandlePermanent(HMENU hMenu);
    static void DeleteTempMap();

    // FALSE for a null handle or when the wrapper holds a menu already.
    BOOL Attach(HMENU hMenu);
    HMENU Detach();

    // ---- creation ----
    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL LoadMenu(LPCSTR lpszResourceName);
    BOOL LoadMenu(UINT nIDResource);
    // From an in-memory MENUITEMTEMPLATEHEADER or MENUEX_TEMPLATE_HEADER and its items.
    BOOL LoadMenuIndirect(const void* lpMenuTemplate);
    BOOL DestroyMenu();

    // ---- reading ----
    UINT GetMenuItemCount() const;
    // The command id at nPos; 0 for a separator, (UINT)-1 for a popup.
    UINT GetMenuItemID(int nPos) const;
    // MF_CHECKED, MF_GRAYED, ... (for a popup the item count in the high byte); (UINT)-1 when there is no
    // such item.
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    // The item's text, cut to nMaxCount - 1 characters and always terminated; returns its length.
    int GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    CMenu* GetSubMenu(int nPos) const;
    BOOL GetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos = FALSE) const;
    BOOL GetMenuInfo(LPMENUINFO lpcmi) const;
    DWORD GetMenuContextHelpId() const;
    // Width in the low word and height in the high word of the default check mark.
    static DWORD GetMenuCheckMarkDimensions();

    // ---- changing ----
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp);
    BOOL InsertMenuItem(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos = FALSE);
    BOOL SetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos = FALSE);
    BOOL SetMenuInfo(LPCMENUINFO lpcmi);
    // RemoveMenu keeps a removed popup alive (its handle stays valid); DeleteMenu destroys it.
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);

    // Previous state, or (UINT)-1 when the item does not exist.
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    // Checks nIDItem with a bullet and unchecks the others of the range nIDFirst..nIDLast.
    BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags);
    // The bitmaps drawn beside an item when it is not checked and when it is (null: none / the default
    // check mark). The menu does not own them: they must outlive it.
    BOOL SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked,
                            const CBitmap* pBmpChecked);
    // (UINT)-1 removes the default item.
    BOOL SetMenuDefaultItem(UINT uItem, BOOL fByPos = FALSE);
    // The default item's id, or its position with fByPos; (UINT)-1 when there is none. gmdiFlags:
    // GMDI_USEDISABLED, GMDI_GOINTOPOPUPS.
    UINT GetDefaultItem(UINT gmdiFlags, BOOL fByPos = FALSE);
    BOOL SetMenuContextHelpId(DWORD dwContextHelpId);

    // ---- showing ----
    // Shows the popup at x, y (screen) for pWnd, which receives its commands. With TPM_RETURNCMD the
    // chosen command is returned instead of sent (0 when none was chosen).
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);
    BOOL TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm);

    // ---- owner-drawn items ----
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

    HMENU m_hMenu = nullptr;

private:
    // Takes a menu just created for this wrapper; destroys it when the wrapper holds one already.
    BOOL AttachNew(HMENU hMenu);
};

CHandleMap<CMenu, HMENU>* AfxMapHMENU();

// For the default WM_DRAWITEM / WM_MEASUREITEM handling of hWndOwner: finds the menu object for an
// owner-drawn menu item among the popup being tracked by CMenu::TrackPopupMenu, the window's menu bar and
// its system menu, and calls its DrawItem or MeasureItem. FALSE when no CMenu took the item.
BOOL AfxDrawMenuItem(HWND hWndOwner, LPDRAWITEMSTRUCT lpDrawItemStruct);
BOOL AfxMeasureMenuItem(HWND hWndOwner, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
