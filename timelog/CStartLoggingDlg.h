// CStartLoggingDlg: "Start Logging Time", the compact form the timer operations use instead of the Log Task
// dialog when "Old log dlg" is set. It asks for a date and time, project, category and description, shows the
// elapsed and rounded time when a timer is being stopped, and on OK itself starts, stops or switches through
// the document. It works on its own copy of the entry it is given.
#pragma once

#include "framework/win/CBitmap.h"
#include "framework/win/CButton.h"
#include "framework/win/CToolTipCtrl.h"
#include "timelog/CEntryChoiceDlg.h"
#include "timelog/CLogEntry.h"

class CStartLoggingDlg : public CEntryChoiceDlg {
public:
    enum Mode { modeStart = 0, modeStop = 1, modeSwitch = 2 };

    CStartLoggingDlg(CLogDoc* pDoc, const CLogEntry& entry, int mode, CWnd* pParentWnd = nullptr);

    // Presets both time fields (before the dialog runs).
    void SetTime(CTime time);
    // The dialog's copy of the entry (what OK stores).
    const CLogEntry& GetEntry() const { return m_entry; }
    // The date picker's day with the time picker's time of day.
    CTime GetChosenMoment() const;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // "ACX_SetTime".
    static UINT SetTimeMessage();

protected:
    void OnOK() override;

    afx_msg void OnPickerChange(NMHDR* pNotify, LRESULT* pResult);
    afx_msg LRESULT OnSetTime(WPARAM wParam, LPARAM lParam);
    afx_msg void OnProjectChange();
    afx_msg void OnCategoryChange();
    afx_msg void OnProjects();
    afx_msg void OnCategories();
    afx_msg void OnRounding();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    // Shows the elapsed and rounded lines for the mode and the rounding preference.
    void ShowTimeLines();
    // The elapsed and rounded texts for the chosen moment; unless forced, nothing is redrawn when the elapsed
    // text did not change.
    void UpdateElapsed(bool force);
    // The document operation of the mode.
    void CarryOut();

    CLogEntry m_entry;
    int m_mode;
    CTime m_date;
    CTime m_time;
    CString m_lastElapsed;
    CButton m_roundingButton;
    CBitmap m_roundingBitmap;
    CToolTipCtrl m_toolTip;
};
