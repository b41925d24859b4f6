#include "framework/win/CCmdUI.h"

#include "framework/win/CCmdTarget.h"
#include "framework/win/CMenu.h"
#include "framework/win/CWnd.h"

#include <vector>

void AfxMsgThunk::BeginCmdUI(void* pExtra) {
    static_cast<CCmdUI*>(pExtra)->m_bContinueRouting = FALSE;
}

BOOL AfxMsgThunk::EndCmdUI(void* pExtra) {
    return !static_cast<CCmdUI*>(pExtra)->m_bContinueRouting;
}

void CCmdUI::Enable(BOOL bOn) {
    if (m_pMenu != nullptr) {
        // The item that opens a popup is not changed through the popup's first command.
        if (m_pSubMenu != nullptr)
            return;
        m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    } else if (m_pOther != nullptr) {
        // A control that loses its enabled state must not keep the focus.
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd)
            ::SendMessageA(::GetParent(m_pOther->m_hWnd), WM_NEXTDLGCTL, 0, FALSE);
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck) {
    if (m_pMenu != nullptr) {
        if (m_pSubMenu != nullptr)
            return;
        m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    } else if (m_pOther != nullptr) {
        if (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON)
            m_pOther->SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
    }
}

void CCmdUI::SetRadio(BOOL bOn) {
    if (m_pMenu != nullptr) {
        if (m_pSubMenu != nullptr)
            return;
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        if (::GetMenuItemInfoA(m_pMenu->m_hMenu, m_nIndex, TRUE, &info)) {
            info.fType = bOn ? (info.fType | MFT_RADIOCHECK) : (info.fType & ~MFT_RADIOCHECK);
            info.fState = bOn ? (info.fState | MFS_CHECKED) : (info.fState & ~MFS_CHECKED);
            ::SetMenuItemInfoA(m_pMenu->m_hMenu, m_nIndex, TRUE, &info);
        }
        return;
    }
    SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCSTR lpszText) {
    if (m_pMenu != nullptr) {
        if (m_pSubMenu != nullptr)
            return;
        // Keep the item's state (enabled, checked); only its text changes.
        UINT nState = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION);
        nState &= ~(MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR | MF_POPUP);
        nState &= 0xFFFF; // the high byte of the state holds the item count of popups
        m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
    } else if (m_pOther != nullptr) {
        CString current;
        m_pOther->GetWindowText(current);
        if (current != lpszText)
            m_pOther->SetWindowText(lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE; // separators and unnamed controls have no command
    m_bEnableChanged = FALSE;
    const BOOL bResult = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    if (bDisableIfNoHndler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info{nullptr, nullptr};
        const BOOL bHandler = pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info);
        Enable(bHandler);
    }
    return bResult;
}

namespace {

// What identifies a menu item while its neighbours come and go: its command id, or the popup it opens.
struct MenuItemKey {
    UINT nID;
    HMENU hSubMenu;
    bool operator==(const MenuItemKey&) const = default;
};

std::vector<MenuItemKey> MenuItemKeys(HMENU hMenu) {
    std::vector<MenuItemKey> keys;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i)
        keys.push_back({::GetMenuItemID(hMenu, i), ::GetSubMenu(hMenu, i)});
    return keys;
}

// After an update handler deleted items: how many of the items up to and including position nDone are
// left. The menu now is what remains of before, in the same order.
UINT ItemsLeftUpTo(const std::vector<MenuItemKey>& before, const std::vector<MenuItemKey>& after,
                   UINT nDone) {
    UINT nLeft = 0;
    size_t j = 0;
    for (size_t i = 0; i < before.size() && i <= nDone && j < after.size(); ++i) {
        if (before[i] == after[j]) {
            ++nLeft;
            ++j;
        }
    }
    return nLeft;
}

} // namespace

void CCmdUI::UpdateMenu(CCmdTarget* pTarget, CMenu* pMenu, BOOL bAutoMenuEnable) {
    if (pTarget == nullptr || pMenu == nullptr)
        return;
    CCmdUI state;
    state.m_pMenu = pMenu;
    state.m_nIndexMax = pMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        state.m_nID = pMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0)
            continue; // separator
        const std::vector<MenuItemKey> before = MenuItemKeys(pMenu->m_hMenu);
        const UINT nIndex = state.m_nIndex;
        const UINT nIndexMax = state.m_nIndexMax;
        if (state.m_nID == static_cast<UINT>(-1)) {
            // A popup item takes the state of its first command; it is never disabled automatically.
            state.m_pSubMenu = pMenu->GetSubMenu(static_cast<int>(state.m_nIndex));
            if (state.m_pSubMenu == nullptr || (state.m_nID = state.m_pSubMenu->GetMenuItemID(0)) == 0 ||
                state.m_nID == static_cast<UINT>(-1))
                continue;
            state.DoUpdate(pTarget, FALSE);
        } else {
            // System commands (0xF000 and up) are the system's to enable.
            state.m_pSubMenu = nullptr;
            state.DoUpdate(pTarget, bAutoMenuEnable && state.m_nID < 0xF000);
        }
        const UINT nCount = pMenu->GetMenuItemCount();
        const bool bHandlerMoved = state.m_nIndex != nIndex || state.m_nIndexMax != nIndexMax;
        if (nCount < nIndexMax && !bHandlerMoved) {
            // The handler deleted items (its own among them, or items before it) without saying where
            // it ended: go on after what is left of the items done, so that every remaining item is
            // updated once. (Unsigned: with none left the loop's step brings the index to 0.)
            state.m_nIndex = ItemsLeftUpTo(before, MenuItemKeys(pMenu->m_hMenu), nIndex) - 1;
        }
        state.m_nIndexMax = nCount;
    }
}
