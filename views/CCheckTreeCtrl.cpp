#include "views/CCheckTreeCtrl.h"

#include "resource.h"

namespace {
constexpr int kImageWidth = 16;
constexpr COLORREF kMask = RGB(0, 255, 0);
} // namespace

BOOL CCheckTreeCtrl::AttachImages() {
    if (m_images.GetSafeHandle() == nullptr && !m_images.Create(IDB_CHECK_TREE, kImageWidth, 0, kMask))
        return FALSE;
    SetImageList(&m_images, TVSIL_NORMAL);
    return TRUE;
}

int CCheckTreeCtrl::GetImage(HTREEITEM hItem) const {
    int image = -1, selected = -1;
    return GetItemImage(hItem, image, selected) ? image : -1;
}

void CCheckTreeCtrl::SetCheck(HTREEITEM hItem, BOOL bChecked) {
    if (hItem == nullptr || GetImage(hItem) == imageNoCheckBox)
        return;
    const int image = bChecked ? imageChecked : imageUnchecked;
    SetItemImage(hItem, image, image);
}

BOOL CCheckTreeCtrl::GetCheck(HTREEITEM hItem) const {
    return hItem != nullptr && GetImage(hItem) == imageChecked;
}

void CCheckTreeCtrl::SetItemUncheckable(HTREEITEM hItem) {
    if (hItem != nullptr)
        SetItemImage(hItem, imageNoCheckBox, imageNoCheckBox);
}
