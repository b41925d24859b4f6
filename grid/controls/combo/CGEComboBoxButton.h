// CGEComboBoxButton: the drop-down button at the right edge of a combo cell: a raised or sunken face with
// the library's arrow picture. Outside the focused current cell it shows only when its owner asks for
// the button in every cell, and then never pushed.
#pragma once

#include "grid/controls/CGEButton.h"

class CGEComboBoxButton : public CGEButton {
public:
    explicit CGEComboBoxButton(CGEControl* pOwner) : CGEButton(pOwner) {}
    void Draw(CDC* pDC, BOOL bFocus) override;
};
