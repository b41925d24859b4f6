#include "framework/win/CMenu.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace {
void ClearMenuHandle(CMenu* menu) {
    menu->m_hMenu = nullptr;
}
} // namespace

CHandleMap<CMenu, HMENU>* AfxMapHMENU() {
    return AfxThreadHandleMap<CMenu, HMENU, &ClearMenuHandle>();
}

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

BOOL CMenu::CreateMenu() {
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu() {
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(LPCSTR lpszResourceName) {
    return Attach(::LoadMenuA(AfxGetResourceHandle(), lpszResourceName));
}

BOOL CMenu::LoadMenu(UINT nIDResource) {
    return LoadMenu(MAKEINTRESOURCEA(nIDResource));
}

BOOL CMenu::DestroyMenu() {
    if (m_hMenu == nullptr)
        return FALSE;
    return ::DestroyMenu(Detach());
}

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
    return ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
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

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
    return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
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
