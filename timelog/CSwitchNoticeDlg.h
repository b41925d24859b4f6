// CSwitchNoticeDlg: the notice between the stop and the start of a switch, "The previous task was stopped.
// Now you may choose a new task to start." With "Don't tell me this again" (the bool "Switch msg" under
// "Prefs\") it closes at once with OK, unless Shift is held down while it opens.
#pragma once

#include "framework/win/AfxWin.h"

class CSwitchNoticeDlg : public CDialog {
public:
    explicit CSwitchNoticeDlg(CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

protected:
    // Writes the check box to "Switch msg".
    void OnOK() override;

private:
    int m_dontTell = 0;
};
