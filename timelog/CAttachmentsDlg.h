// CAttachmentsDlg: "Attachments", the files attached to a project task. The caller hands in the task's
// attachment text (full paths joined by "," without blanks, so a path cannot hold a comma) and reads it back
// after the dialog closed; the dialog itself stores nothing. Opened on an empty list it asks for files at
// once (and closes with Cancel when none are chosen); opened on a list it shows the first file.
#pragma once

#include "framework/core/CStringArray.h"
#include "framework/win/AfxWin.h"
#include "framework/win/CImageList.h"
#include "framework/win/CListCtrl.h"

class CAttachmentsDlg : public CDialog {
public:
    explicit CAttachmentsDlg(CWnd* pParentWnd = nullptr);

    // In and out: the attached files.
    CString m_Attachments;

    BOOL OnInitDialog() override;

    // ---- the attachment text (no window needed) ----
    // The paths of the text in order, each trimmed; empty pieces are left out.
    static void SplitPaths(const CString& text, CStringArray& paths);
    // Appends path, after a "," when the text is not empty.
    static void AppendPath(CString& text, const CString& path);
    // Removes the path at index (as SplitPaths counts them); the others keep their order. False when
    // there is no such path.
    static bool RemovePathAt(CString& text, int index);
    // A path the text can hold: not empty and without a comma.
    static bool IsStorablePath(const CString& path);
    // A UNC path begins with "\\".
    static bool IsUncPath(const CString& path);

    // The list control (what the user sees).
    CListCtrl& GetList() { return m_list; }

    static constexpr UINT_PTR kViewTimerId = 100;
    static constexpr UINT kViewDelayMs = 250;

protected:
    // The file chooser (several files may be chosen): their full paths; false when cancelled.
    virtual bool ChooseFiles(CStringArray& paths);
    // Opens the file with the program registered for it.
    virtual void OpenFile(const CString& path);

    afx_msg void OnAdd();
    afx_msg void OnRemove();
    afx_msg void OnView();
    afx_msg void OnListDoubleClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    // Runs the chooser and adds what it gave; false when it was cancelled.
    bool AddChosenFiles();
    // Rebuilds the list (and its icons) from the text.
    void FillList();
    // The selected item, or -1.
    int GetSelectedItem() const;
    void SelectItem(int index, bool focus);

    CListCtrl m_list;
    CImageList m_icons;
    bool m_viewOnOpen = false;
};
