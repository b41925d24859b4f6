// CGEComboEditPart: the edit field inside a window-based combo cell, subclassed so that its keys pass the
// combo's key filter first and so that losing the focus to a window outside the combo is heard by the
// combo (and through it by the grid).
#pragma once

#include "framework/win/CEdit.h"

class CGEComboBoxWnd;

class CGEComboEditPart : public CEdit {
public:
    CGEComboEditPart() = default;

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

    // The combo box whose edit field this is; null when the parent is not one.
    CGEComboBoxWnd* Combo() const;
};
