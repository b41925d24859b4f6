// CPauseDlg: "Pause". Shows the task being timed and how long the pause has lasted. Resume ends the paused
// task at the moment the pause began and then times the original task again from now, a chosen quick
// task, or (after the dialog has closed) a new task through the start dialog. "Stop task..." offers the
// pause start as the stop time; Cancel leaves the task running.
#pragma once

#include "framework/core/CTime.h"
#include "framework/win/AfxWin.h"
#include "framework/win/CComboBox.h"
#include "framework/win/CFont.h"

class CLogDoc;
class CTask;

class CPauseDlg : public CDialog {
public:
    explicit CPauseDlg(CLogDoc* pDoc, CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;
    CTime GetPauseStart() const { return m_pauseStart; }
    // The text of the elapsed label for a pause of that many seconds.
    static CString FormatPauseLength(long seconds);

protected:
    // Resume.
    void OnOK() override;

    afx_msg void OnStopTask();
    afx_msg void OnResumeChoice();
    afx_msg void OnQuickTasks();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // The document's quick tasks by name; the one being timed (else the first) is selected.
    void FillQuickTasks();
    void EnableQuickTaskChoice();
    void ShowElapsed();
    CTask* GetChosenQuickTask() const;

    CLogDoc* m_pDoc;
    CTime m_pauseStart;
    CString m_project;
    CString m_category;
    CString m_description;
    CString m_stopTime;
    CComboBox m_quickTasks;
    CFont m_boldFont;
};
