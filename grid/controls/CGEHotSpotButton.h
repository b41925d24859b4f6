// CGEHotSpotButton: the hot-spot edit's button: a bent arrow on the face when the button is at least 12
// pixels high, the bare face otherwise.
#pragma once

#include "grid/controls/CGEButton.h"

class CGEHotSpotButton : public CGEButton {
public:
    explicit CGEHotSpotButton(CGEControl* pOwner) : CGEButton(pOwner) {}
    void Draw(CDC* pDC, BOOL bFocus) override;
};
