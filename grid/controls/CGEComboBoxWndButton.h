// CGEComboBoxWndButton: the drop-down button of the window-based combo box. Over the active current cell
// the real combo box shows its own button, so this one draws nothing there; outside the current cell it
// shows (never pushed) only when its owner asks for the button in inactive cells.
#pragma once

#include "grid/controls/CGEButton.h"

class CGEComboBoxWndButton : public CGEButton {
public:
    // pbShowWhenInactive: the owner's option to show the button in cells it does not edit (null: never).
    explicit CGEComboBoxWndButton(CGEControl* pOwner, const BOOL* pbShowWhenInactive = nullptr)
        : CGEButton(pOwner), m_pbShowWhenInactive(pbShowWhenInactive) {}
    void Draw(CDC* pDC, BOOL bFocus) override;

private:
    const BOOL* m_pbShowWhenInactive;
};
