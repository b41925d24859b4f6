// CErrorStatusBar: the main window's status bar with its error button. While the program's error list
// holds entries, a flat button with the error image and the number of errors sits at the right end of
// the message pane; clicking it sends the command that opens the Errors dialog (ID_VIEW_ERRORS) to the
// frame. Without errors the button is hidden.
#pragma once

#include "framework/win/CButton.h"
#include "framework/win/CStatusBar.h"

class CErrorStatusBar : public CStatusBar {
    DECLARE_DYNAMIC(CErrorStatusBar)
public:
    CErrorStatusBar() = default;
    ~CErrorStatusBar() override;

    // The status bar (control id nID, with a size grip) and its error button.
    BOOL CreateBar(CWnd* pParentWnd, UINT nID);
    // Shows the number of errors on the button, or hides it for 0.
    void SetErrorCount(int count);
    int GetErrorCount() const { return m_count; }
    CButton& GetErrorButton() { return m_button; }

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    void PlaceButton();

    CButton m_button;
    HICON m_hIcon = nullptr;
    int m_count = 0;
};
