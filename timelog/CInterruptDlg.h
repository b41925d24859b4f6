// CInterruptDlg: "Interrupt". Times a short interruption — a quick task or a task chosen by project,
// subsystem, category and description, from the time in the picker — after stopping the interrupted
// task, and then times the interrupted task again from now ("Resume the original task"). The last
// interruption's project, subsystem, category and description ("Interrupt\") are the next one's defaults.
#pragma once

#include "framework/win/CComboBoxEx.h"
#include "framework/win/CFont.h"
#include "timelog/CEntryChoiceDlg.h"
#include "timelog/CLogEntry.h"

class CSubsystem;
class CTask;

class CInterruptDlg : public CEntryChoiceDlg {
public:
    explicit CInterruptDlg(CLogDoc* pDoc, CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;
    // An interruption is being timed.
    bool IsInterrupting() const { return m_interrupting; }
    const CLogEntry& GetInterruptedEntry() const { return m_interrupted; }

protected:
    // "Resume the original task".
    void OnOK() override;

    afx_msg void OnStart();
    afx_msg void OnStop();
    afx_msg void OnKindChoice();
    afx_msg void OnProjectChange();
    afx_msg void OnChoiceChange();
    afx_msg void OnPickerChange(NMHDR* pNotify, LRESULT* pResult);
    afx_msg void OnProjects();
    afx_msg void OnCategories();
    DECLARE_MESSAGE_MAP()

private:
    void FillQuickTasks();
    // "<Not Specified>", then the subsystems of the chosen project (active ones unless inactive ones are
    // shown); selects pSelect's item.
    void FillSubsystems(CSubsystem* pSelect);
    CSubsystem* GetChosenSubsystem();
    CTask* GetChosenQuickTask() const;
    bool IsQuickTaskChosen() const;
    // Enables the quick-task or the generic controls by the choice, while no interruption is timed.
    void EnableChoiceControls();
    // Step between choosing an interruption and timing one.
    void ShowInterrupting(bool interrupting);
    // The generic choice into "Interrupt\" and the interruption entry (and, while interrupting, the
    // entry being timed); false with its message when the project or the category is missing.
    bool SaveChoice();
    CTime GetPickerTime();
    void SetPickerTime(CTime time);

    CTime m_interruptStart;
    CLogEntry m_interrupted;
    CLogEntry m_interruption;
    bool m_interrupting = false;
    CComboBox m_quickTasks;
    CComboBoxEx m_subsystems;
    CFont m_boldFont;
};
