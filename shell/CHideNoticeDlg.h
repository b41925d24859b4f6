// CHideNoticeDlg: the modeless notice "The Brindlemark window will be hidden.", shown for a few seconds
// when the program starts hidden in the tray.
#pragma once

#include "framework/win/AfxWin.h"

class CHideNoticeDlg : public CDialog {
public:
    CHideNoticeDlg() = default;
    // Creates and shows the notice over the screen's centre.
    BOOL CreateNotice(CWnd* pParentWnd = nullptr);
};
