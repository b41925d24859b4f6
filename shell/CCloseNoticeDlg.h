// CCloseNoticeDlg: "Brindlemark - Close Main Window", the notice that closing the main window leaves
// the program running in the tray, with "Don't tell me this again".
#pragma once

#include "framework/win/AfxWin.h"

class CCloseNoticeDlg : public CDialog {
public:
    explicit CCloseNoticeDlg(CWnd* pParentWnd = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    // Whether the user asked not to be told again (read after the dialog closed).
    bool DontTellAgain() const { return m_dontTell != 0; }

protected:
    void OnCancel() override;

private:
    int m_dontTell = 0;
};

// Whether closing the main window tells the user that the program keeps running ("Close main" under
// "Prefs\"; on until the user ticks "Don't tell me this again").
bool IsCloseNoticeWanted();
void SetCloseNoticeWanted(bool wanted);
