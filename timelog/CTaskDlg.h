// CTaskDlg: "Log Task", the entry form the timer operations open to start a timer, stop it, enter completed
// time, or view and edit an existing log entry (with "<" and ">" to the neighbouring rows of the log view).
// It edits its own working copy of an entry in a property grid of fields and changes the document only on
// "&Save and Close"; Cancel leaves the document as it was.
#pragma once

#include "data/CNameValuePairs.h"
#include "framework/win/CDialog.h"
#include "framework/win/CImageList.h"
#include "records/CNameValueGridWnd.h"
#include "timelog/CLogEntry.h"

#include <memory>

class CLogDoc;

class CTaskDlg : public CDialog {
public:
    explicit CTaskDlg(CLogDoc* pDoc, CWnd* pParentWnd = nullptr);
    ~CTaskDlg() override;
    CTaskDlg(const CTaskDlg&) = delete;
    CTaskDlg& operator=(const CTaskDlg&) = delete;

    // ---- set by the caller before the dialog runs ----
    // Without a document the dialog does nothing.
    CLogDoc* m_pDoc;
    // What Save and Close does: start a timer, stop the running one, save an edited entry, add a completed
    // one. The caller sets one.
    bool m_bStartMode = false;
    bool m_bStopMode = false;
    bool m_bEditMode = false;
    bool m_bCompletedMode = false;
    // Its fields prefill the working entry (not owned).
    const CLogEntry* m_pSourceEntry = nullptr;
    // Edit mode: the log-view row of the edited entry (follows "<" and ">").
    DWORD m_EditRow = 0;
    // The moment the dialog stands for (its construction unless set): a new entry's start, a stop's stop.
    void SetTime(CTime time) { m_DialogTime = time; }

    // The entry the form edits, made on first use.
    CLogEntry* GetWorkingEntry();
    // The form's fields (field id = log column id).
    const CNameValuePairs& GetPairs() const { return m_Pairs; }
    CNameValueGridWnd& GetGrid() { return m_Grid; }
    // The text the project-task line shows.
    const CString& GetProjectTaskText() const { return m_ProjectTaskText; }

    // "ACX_UpdateWnd": the form is rebuilt (the switch that the user typed a description stays).
    static UINT UpdateWndMessage();

    BOOL OnInitDialog() override;

    // The longest text a "Text 1" to "Text 3" field may hold (their columns in the database).
    static constexpr int kMaxUserText = 255;
    // No row of the form is higher than this many lines.
    static constexpr int kMaxRowLines = 15;

protected:
    void OnOK() override;

    afx_msg void OnPrevious();
    afx_msg void OnNext();
    afx_msg LRESULT OnModifyField(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUpdateWnd(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnBtnPost(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCollapseGroup(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    DECLARE_MESSAGE_MAP()

private:
    // ---- the form (CTaskDlgForm.cpp) ----
    // The working entry: a copy of the document's current entry as a new entry at the dialog's time, the
    // source entry over it, then the mode's stop time.
    void BuildWorkingEntry();
    // The fields of the working entry as the mode shows them; the grid shows them, the description cell
    // is made current, and the switch that the user typed a description is cleared.
    void FillForm();
    void AddEntryField(int columnId, UINT controlType, const CString& choices = CString());
    // The field shows the working entry's text again.
    void ShowField(int columnId);
    // A field the user changed reaches the working entry, and the fields that depend on it follow.
    void ApplyFieldChange(int fieldId, const CString& text);
    // The latest entry of the project (and category) fills in what the user has not chosen.
    void AutofillByProject();
    void AutofillByCategory();
    bool IsAutofillOn() const;
    CString GetSubsystemChoices() const;

    // ---- the window (CTaskDlg.cpp) ----
    // Title, operation text and picture, the "<" and ">" buttons, the project-task line.
    void ShowModeTexts();
    void FitToGrid();
    void Navigate(bool forward);
    // The refusals of Save and Close (each tells the user); true when the entry may be saved.
    bool CheckBeforeSave();
    // The document operation of the mode.
    void CarryOut();
    void ApplyEdit();
    // The working entry becomes the current entry and its mirror, unless that would overwrite the timed
    // task with another entry.
    void MirrorWorkingEntry();
    void DrawProjectTaskPanel(CDC* pDC, const CRect& rect);

    std::unique_ptr<CLogEntry> m_pEntry;
    CTime m_DialogTime;
    bool m_bDescriptionEdited = false;
    bool m_bChanging = false;       // a field change is being handled
    bool m_bEditingRunning = false; // the edited entry is the running one
    CNameValuePairs m_Pairs;
    CNameValueGridWnd m_Grid;
    CString m_ProjectTaskText;
    CImageList m_PanelIcon;
};
