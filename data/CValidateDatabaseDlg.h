// The modeless "Validating Database" window that the database compatibility check shows while it brings
// the data source up to this version of the program: an icon, a short explanation and a progress bar
// over the rows of the schema.
#pragma once

#include "data/IValidateDatabaseProgress.h"
#include "framework/win/AfxCmn.h"
#include "framework/win/AfxWin.h"

#include <memory>

class CValidateDatabaseDlg : public CDialog, public IValidateDatabaseProgress {
public:
    CValidateDatabaseDlg() = default;
    ~CValidateDatabaseDlg() override;
    CValidateDatabaseDlg(const CValidateDatabaseDlg&) = delete;
    CValidateDatabaseDlg& operator=(const CValidateDatabaseDlg&) = delete;

    // Creates the window centred, shows it and paints it at once; FALSE when it cannot be created.
    BOOL Create(CWnd* pParentWnd = nullptr);

    // The bar's range becomes 0..total (the schema's rows) and its position step; painted at once,
    // since the check does not return to a message loop until it is done.
    void SetProgress(int step, int total) override;

    // The check's progress window, shown until the object goes; nullptr when it cannot be created.
    static std::unique_ptr<IValidateDatabaseProgress> Show();

    BOOL OnInitDialog() override;

protected:
    // Neither Enter nor Escape ends the window: it goes with the check.
    void OnOK() override {}
    void OnCancel() override {}

private:
    CProgressCtrl m_progress;
};
