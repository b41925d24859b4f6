// The tree of expense accounts that the account dialogs show.
#include "data/CAccount.h"

#include "framework/win/CTreeCtrl.h"

namespace {

constexpr int kBankImage = 30;
constexpr int kAccountImage = 31;
// Bounds the depth of a damaged chart whose parents run in circles below the top.
constexpr int kMaxDepth = 1000;

void InsertChildren(CTreeCtrl& tree, HTREEITEM under, const CAccountArray& accounts, const CAccount* pParent,
                    bool includeInactive, int depth) {
    if (depth > kMaxDepth)
        return;
    for (INT_PTR i = 0; i < accounts.GetSize(); ++i) {
        CAccount* pAccount = accounts.GetAt(i);
        if (pAccount == nullptr || pAccount->GetParent() != pParent ||
            (!pAccount->m_Active && !includeInactive))
            continue;
        const int image = pAccount->m_ActType == CAccount::bankAccount ? kBankImage : kAccountImage;
        HTREEITEM item = tree.InsertItem(pAccount->m_Name, image, image, under);
        tree.SetItemData(item, reinterpret_cast<DWORD_PTR>(pAccount));
        tree.SetCheck(item, FALSE);
        InsertChildren(tree, item, accounts, pAccount, includeInactive, depth + 1);
        tree.Expand(item, TVE_EXPAND);
    }
}

} // namespace

void FillAccountTree(CTreeCtrl& tree, const CAccountArray& accounts, bool includeInactive) {
    HTREEITEM selected = tree.GetSelectedItem();
    HTREEITEM root = tree.GetRootItem();
    InsertChildren(tree, root != nullptr ? root : TVI_ROOT, accounts, nullptr, includeInactive, 0);
    tree.SelectItem(selected);
}
