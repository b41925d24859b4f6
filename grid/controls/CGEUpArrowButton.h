// CGEUpArrowButton: the spin edit's upper arrow: an upward triangle of rows 1, 3, 5 (and 7 when the button
// is at least 8 pixels high) pixels wide.
#pragma once

#include "grid/controls/CGEArrowButton.h"

class CGEUpArrowButton : public CGEArrowButton {
public:
    explicit CGEUpArrowButton(CGEControl* pOwner) : CGEArrowButton(pOwner) {}
    void Draw(CDC* pDC, BOOL bFocus) override;
};
