// "Brindlemark Database is Offline": asked at start-up when the configured data source cannot be used.
// The user works offline (IDOK; also after asking for the database options) or closes the program
// (IDCANCEL; also after using the ODBC Administrator, whose changes count at the next start).
#pragma once

#include "framework/win/AfxWin.h"

class CDatabaseOfflineDlg : public CDialog {
public:
    explicit CDatabaseOfflineDlg(const CString& dataSource, CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;

    // Whether the user asked for the database options (then the result is IDOK).
    bool OptionsRequested() const noexcept { return m_optionsRequested; }

protected:
    // Opens the system's ODBC data source administrator for this window; whether it could be opened.
    virtual bool OpenOdbcAdministrator();

    afx_msg void OnOdbcAdministrator();
    afx_msg void OnDatabaseOptions();
    DECLARE_MESSAGE_MAP()

private:
    CString m_dataSource;
    bool m_optionsRequested = false;
};
