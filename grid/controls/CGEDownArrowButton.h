// CGEDownArrowButton: the spin edit's lower arrow: a downward triangle of rows 7, 5, 3 (and 1 when the
// button is at least 8 pixels high) pixels wide.
#pragma once

#include "grid/controls/CGEArrowButton.h"

class CGEDownArrowButton : public CGEArrowButton {
public:
    explicit CGEDownArrowButton(CGEControl* pOwner) : CGEArrowButton(pOwner) {}
    void Draw(CDC* pDC, BOOL bFocus) override;
};
