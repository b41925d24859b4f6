#include "framework/win/CMenu.h"

#include "framework/win/CBitmap.h"
#include "framework/win/CWnd.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace {
void ClearMenuHandle(CMenu* menu) {
    menu->m_hMenu = nullptr;
}

// A popup CMenu::TrackPopupMenu is showing on this thread. The scopes of nested popups are chained
// from the innermost outwards; the chain lives on the stack, so nothing is left to destroy when the
// thread ends.
class TrackingScope {
public:
    explicit TrackingScope(HMENU hMenu) : m_hMenu(hMenu), m_pOuter(t_pInnermost) { t_pInnermost = this; }
    ~TrackingScope() { t_pInnermost = m_pOuter; }
    TrackingScope(const TrackingScope&) = delete;
    TrackingScope& operator=(const TrackingScope&) = delete;

    // The tracked popups, the innermost first.
    static std::vector<HMENU> Menus() {
        std::vector<HMENU> menus;
        for (const TrackingScope* p = t_pInnermost; p != nullptr; p = p->m_pOuter)
            menus.push_back(p->m_hMenu);
        return menus;
    }

private:
    static thread_local const TrackingScope* t_pInnermost;
    HMENU m_hMenu;
    const TrackingScope* m_pOuter;
};

thread_local const TrackingScope* TrackingScope::t_pInnermost = nullptr;

// An owner-drawn item as the owner's WM_MEASUREITEM/WM_DRAWITEM names it; hContainer is the menu holding
// it when known.
struct OwnerDrawnItem {
    UINT itemID;
    ULONG_PTR itemData;
    HMENU hContainer;
};

bool IsItem(HMENU hMenu, int nPos, const OwnerDrawnItem& item) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
    if (!::GetMenuItemInfoA(hMenu, static_cast<UINT>(nPos), TRUE, &info))
        return false;
    return (info.fType & MFT_OWNERDRAW) != 0 && info.wID == item.itemID && info.dwItemData == item.itemData;
}

constexpr int kMaxMenuDepth = 16; // menus nest a few levels; this only bounds a malformed chain

// Searches hMenu and its popups for the item. Returns the CMenu attached to the menu holding it or, when
// that has none, to its nearest enclosing menu that has one (pNearest so far). nullptr when not found or
// no menu on the way is attached.
CMenu* FindItemOwner(HMENU hMenu, const OwnerDrawnItem& item, CMenu* pNearest, int depth) {
    if (hMenu == nullptr || depth > kMaxMenuDepth)
        return nullptr;
    if (CMenu* pMenu = CMenu::FromHandlePermanent(hMenu))
        pNearest = pMenu;
    const int count = ::GetMenuItemCount(hMenu);
    if (item.hContainer == nullptr || item.hContainer == hMenu) {
        for (int nPos = 0; nPos < count; ++nPos)
            if (IsItem(hMenu, nPos, item))
                return pNearest;
    }
    for (int nPos = 0; nPos < count; ++nPos) {
        if (CMenu* pMenu = FindItemOwner(::GetSubMenu(hMenu, nPos), item, pNearest, depth + 1))
            return pMenu;
    }
    return nullptr;
}

// The menus an owner-drawn item of hWndOwner can belong to, most likely first.
std::vector<HMENU> MenusOf(HWND hWndOwner) {
    std::vector<HMENU> menus = TrackingScope::Menus();
    if (hWndOwner == nullptr)
        return menus;
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(hWndOwner, GWL_STYLE));
    if ((style & WS_CHILD) == 0) // a child window's "menu" is its control id
        menus.push_back(::GetMenu(hWndOwner));
    if ((style & WS_SYSMENU) != 0)
        menus.push_back(::GetSystemMenu(hWndOwner, FALSE));
    return menus;
}

CMenu* FindItemOwner(HWND hWndOwner, const OwnerDrawnItem& item) {
    for (HMENU hMenu : MenusOf(hWndOwner)) {
        if (CMenu* pMenu = FindItemOwner(hMenu, item, nullptr, 0))
            return pMenu;
    }
    return nullptr;
}
} // namespace

CHandleMap<CMenu, HMENU>* AfxMapHMENU() {
    return AfxThreadHandleMap<CMenu, HMENU, &ClearMenuHandle>();
}

BOOL AfxDrawMenuItem(HWND hWndOwner, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (lpDrawItemStruct == nullptr || lpDrawItemStruct->CtlType != ODT_MENU)
        return FALSE;
    const auto hMenu = reinterpret_cast<HMENU>(lpDrawItemStruct->hwndItem);
    CMenu* pMenu = CMenu::FromHandlePermanent(hMenu);
    if (pMenu == nullptr)
        pMenu = FindItemOwner(hWndOwner, {lpDrawItemStruct->itemID, lpDrawItemStruct->itemData, hMenu});
    if (pMenu == nullptr)
        return FALSE;
    pMenu->DrawItem(lpDrawItemStruct);
    return TRUE;
}

BOOL AfxMeasureMenuItem(HWND hWndOwner, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (lpMeasureItemStruct == nullptr || lpMeasureItemStruct->CtlType != ODT_MENU)
        return FALSE;
    CMenu* pMenu =
        FindItemOwner(hWndOwner, {lpMeasureItemStruct->itemID, lpMeasureItemStruct->itemData, nullptr});
    if (pMenu == nullptr)
        return FALSE;
    pMenu->MeasureItem(lpMeasureItemStruct);
    return TRUE;
}

// ---------------------------------------------------------------------------------------------------
// Handles

CMenu::~CMenu() {
    DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU hMenu) {
    if (hMenu == nullptr)
        return nullptr;
    CHandleMap<CMenu, HMENU>* map = AfxMapHMENU();
    if (CMenu* menu = map->LookupPermanent(hMenu))
        return menu;
    if (CMenu* menu = map->LookupTemporary(hMenu))
        return menu;
    auto wrapper = std::make_unique<CMenu>();
    wrapper->m_hMenu = hMenu;
    return map->AddTemporary(hMenu, std::move(wrapper));
}

CMenu* CMenu::FromHandlePermanent(HMENU hMenu) {
    return hMenu == nullptr ? nullptr : AfxMapHMENU()->LookupPermanent(hMenu);
}

void CMenu::DeleteTempMap() {
    AfxMapHMENU()->DeleteTemporary();
}

BOOL CMenu::Attach(HMENU hMenu) {
    if (hMenu == nullptr || m_hMenu != nullptr)
        return FALSE;
    m_hMenu = hMenu;
    AfxMapHMENU()->SetPermanent(hMenu, this);
    return TRUE;
}

HMENU CMenu::Detach() {
    HMENU hMenu = m_hMenu;
    if (hMenu != nullptr)
        AfxMapHMENU()->RemovePermanent(hMenu, this);
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::AttachNew(HMENU hMenu) {
    if (hMenu == nullptr)
        return FALSE;
    if (Attach(hMenu))
        return TRUE;
    ::DestroyMenu(hMenu);
    return FALSE;
}

// ---------------------------------------------------------------------------------------------------
// Creation

BOOL CMenu::CreateMenu() {
    return AttachNew(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu() {
    return AttachNew(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(LPCSTR lpszResourceName) {
    return lpszResourceName != nullptr && AttachNew(::LoadMenuA(AfxGetResourceHandle(), lpszResourceName));
}

BOOL CMenu::LoadMenu(UINT nIDResource) {
    return LoadMenu(MAKEINTRESOURCEA(nIDResource));
}

BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate) {
    return lpMenuTemplate != nullptr && AttachNew(::LoadMenuIndirectA(lpMenuTemplate));
}

BOOL CMenu::DestroyMenu() {
    if (m_hMenu == nullptr)
        return FALSE;
    return ::DestroyMenu(Detach());
}

// ---------------------------------------------------------------------------------------------------
// Reading

UINT CMenu::GetMenuItemCount() const {
    const int count = ::GetMenuItemCount(m_hMenu);
    return count < 0 ? 0 : static_cast<UINT>(count);
}

UINT CMenu::GetMenuItemID(int nPos) const {
    return ::GetMenuItemID(m_hMenu, nPos);
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const {
    return ::GetMenuState(m_hMenu, nID, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const {
    const int copied = ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
    // Some systems leave a cut string without its terminator.
    if (lpString != nullptr && nMaxCount > 0)
        lpString[std::clamp(copied, 0, nMaxCount - 1)] = '\0';
    return copied;
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
    const int length = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (length <= 0) {
        rString.Empty();
        return 0;
    }
    const int copied = ::GetMenuStringA(m_hMenu, nIDItem, rString.GetBuffer(length + 1), length + 1, nFlags);
    rString.ReleaseBuffer(copied);
    return copied;
}

CMenu* CMenu::GetSubMenu(int nPos) const {
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}

BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos) const {
    return ::GetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::GetMenuInfo(LPMENUINFO lpcmi) const {
    return ::GetMenuInfo(m_hMenu, lpcmi);
}

DWORD CMenu::GetMenuContextHelpId() const {
    return ::GetMenuContextHelpId(m_hMenu);
}

DWORD CMenu::GetMenuCheckMarkDimensions() {
    return static_cast<DWORD>(::GetMenuCheckMarkDimensions());
}

// ---------------------------------------------------------------------------------------------------
// Changing

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
    return ::AppendMenuA(m_hMenu, nFlags | MF_BITMAP, nIDNewItem,
                         reinterpret_cast<LPCSTR>(pBmp->GetSafeHandle()));
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
    return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
    return ::InsertMenuA(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem,
                         reinterpret_cast<LPCSTR>(pBmp->GetSafeHandle()));
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem,
                         reinterpret_cast<LPCSTR>(pBmp->GetSafeHandle()));
}

BOOL CMenu::InsertMenuItem(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos) {
    return ::InsertMenuItemA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::SetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos) {
    return ::SetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::SetMenuInfo(LPCMENUINFO lpcmi) {
    return ::SetMenuInfo(m_hMenu, lpcmi);
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags) {
    return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) {
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
    return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
    return static_cast<UINT>(::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck));
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags) {
    return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

BOOL CMenu::SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked,
                               const CBitmap* pBmpChecked) {
    return ::SetMenuItemBitmaps(m_hMenu, nPosition, nFlags,
                                static_cast<HBITMAP>(pBmpUnchecked->GetSafeHandle()),
                                static_cast<HBITMAP>(pBmpChecked->GetSafeHandle()));
}

BOOL CMenu::SetMenuDefaultItem(UINT uItem, BOOL fByPos) {
    return ::SetMenuDefaultItem(m_hMenu, uItem, static_cast<UINT>(fByPos));
}

UINT CMenu::GetDefaultItem(UINT gmdiFlags, BOOL fByPos) {
    return ::GetMenuDefaultItem(m_hMenu, static_cast<UINT>(fByPos), gmdiFlags);
}

BOOL CMenu::SetMenuContextHelpId(DWORD dwContextHelpId) {
    return ::SetMenuContextHelpId(m_hMenu, dwContextHelpId);
}

// ---------------------------------------------------------------------------------------------------
// Showing

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
    TrackingScope tracking(m_hMenu);
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
}

BOOL CMenu::TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm) {
    TrackingScope tracking(m_hMenu);
    return ::TrackPopupMenuEx(m_hMenu, fuFlags, x, y, pWnd->GetSafeHwnd(), lptpm);
}

// ---------------------------------------------------------------------------------------------------
// Owner-drawn items: a menu with such items derives from CMenu and overrides these.

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}
