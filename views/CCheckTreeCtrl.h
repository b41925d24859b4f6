// CCheckTreeCtrl: a tree whose items show their check state as their image (from the 16-pixel strip of
// the check tree, pure green transparent): 0 unchecked, 1 checked, 2 no check box.
#pragma once

#include "framework/win/CImageList.h"
#include "framework/win/CTreeCtrl.h"

class CCheckTreeCtrl : public CTreeCtrl {
public:
    enum Image { imageUnchecked = 0, imageChecked = 1, imageNoCheckBox = 2 };

    // Gives the tree its image strip (after its window exists).
    BOOL AttachImages();
    // Checked or unchecked; an item without a check box stays as it is.
    void SetCheck(HTREEITEM hItem, BOOL bChecked);
    BOOL GetCheck(HTREEITEM hItem) const;
    void SetItemUncheckable(HTREEITEM hItem);

private:
    int GetImage(HTREEITEM hItem) const;
    CImageList m_images;
};
