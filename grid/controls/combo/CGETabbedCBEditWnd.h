// CGETabbedCBEditWnd: the edit field of a window-based tabbed combo cell. It shows only the first column
// of a list line put into it, and completes what is typed from the rows: a character that makes a text
// no row's text begins with is refused.
#pragma once

#include "grid/controls/combo/CGEComboEditPart.h"

class CGETabbedCBEditWnd : public CGEComboEditPart {
public:
    CGETabbedCBEditWnd() = default;

    // A text with a tab is cut at its first tab before the edit field takes it.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};
