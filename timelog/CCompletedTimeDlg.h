// CCompletedTimeDlg: "Enter Completed Time", the older form for work already finished: a start, a stop or
// a duration, project, category and description. On OK it adds the new log entry to the document itself.
// The duration field takes hours ("1.5") or hours and minutes ("1:30") and moves the stop; moving the
// times rewrites the duration.
#pragma once

#include "timelog/CEntryChoiceDlg.h"
#include "timelog/CLogEntry.h"

class CCompletedTimeDlg : public CEntryChoiceDlg {
public:
    explicit CCompletedTimeDlg(CLogDoc* pDoc, CWnd* pParentWnd = nullptr);

    // The entry OK adds (a copy of it goes into the log).
    const CLogEntry& GetWorkingEntry() const { return m_entry; }

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // "ACX_SetDuration" (lParam: the preset text) and "ACX_SetTime".
    static UINT SetDurationMessage();
    static UINT SetTimeMessage();

protected:
    void OnOK() override;

    afx_msg void OnStartDateChange(NMHDR* pNotify, LRESULT* pResult);
    afx_msg void OnPickerChange(NMHDR* pNotify, LRESULT* pResult);
    afx_msg LRESULT OnSetTime(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetDuration(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDurationPreset();
    afx_msg void OnDurationEdit();
    afx_msg void OnProjectChange();
    afx_msg void OnCategoryChange();
    afx_msg void OnProjects();
    afx_msg void OnCategories();
    DECLARE_MESSAGE_MAP()

private:
    // The pickers' values into the members.
    void ReadPickers();
    // Both stop pickers show the moment (change handlers suppressed).
    void ShowStop(CTime stop);
    CTime GetStart() const;
    CTime GetStop() const;
    // The duration field's text moves the stop.
    void ApplyDuration();

    CLogEntry m_entry;
    CComboBox m_duration;
    CTime m_startDate;
    CTime m_startTime;
    CTime m_stopDate;
    CTime m_stopTime;
    bool m_bSuppress = false;
};
