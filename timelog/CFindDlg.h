// CFindDlg: "Find", the modeless dialog of a text search over the items of the active view (log entries,
// project tasks, expenses, invoices). It collects the search (the text, how its words combine, one project
// or any) and shows the item found: the caption of the column that matched and the item's text there. The
// search itself, the texts of found items and opening them are the document's (IFindService); without a
// document the dialog does nothing.
#pragma once

#include "framework/win/AfxWin.h"
#include "framework/win/CComboBoxEx.h"
#include "framework/win/CImageList.h"
#include "timelog/CFindRequest.h"

class CFindDlg;
class CLogDoc;
class CProject;

// What the Find dialog asks of the document.
class IFindService {
public:
    virtual ~IFindService() = default;
    // The text of the last search (the dialog offers it when it opens).
    virtual CString GetLastFindText() = 0;
    // Searches the active view on from its last hit; on a hit the item's GUID and the id of the column in
    // which the text was found.
    virtual bool FindItem(const CFindRequest& request, CString& guid, int& columnId) = 0;
    // The found item's text for that column: the column's caption in the active view, ":", a line break
    // (carriage return, line feed) and the item's text; empty when the item is unknown.
    virtual CString GetFoundItemText(const CString& guid, int columnId) = 0;
    // Opens the item in its own dialog.
    virtual void OpenFoundItem(const CString& guid) = 0;
    // The dialog is cancelled or closed: the document destroys it (its window and the object).
    virtual void EndFind(CFindDlg* pDialog) = 0;
};

class CFindDlg : public CDialog {
public:
    CFindDlg(CLogDoc* pDoc, IFindService* pService, CWnd* pParentWnd = nullptr);

    // The modeless window.
    BOOL Create(CWnd* pParentWnd = nullptr);
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // The search as the dialog holds it (after the values were taken from the controls).
    void GetFindSpec(CFindRequest& request) const;
    // The text split at blanks, pieces trimmed, empty pieces left out.
    static void SplitWords(const CString& text, CStringArray& words);

    bool IsExpanded() const { return m_expanded; }
    const CString& GetFoundGUID() const { return m_foundGUID; }

    // How the dialog's bottom lies against the result box (pixels, screen coordinates).
    static constexpr int kCollapsedGap = 10; // above the result box's top
    static constexpr int kExpandedGap = 40;  // below the result box's bottom

protected:
    // Cancel and closing the window end the search through the document.
    void OnCancel() override;

    afx_msg void OnFindNext();
    afx_msg void OnEditItem();
    DECLARE_MESSAGE_MAP()

private:
    void FillProjects();
    // Collapsed: the result box and what is below it are cut off.
    void SetExpanded(bool expanded);

    CLogDoc* m_pDoc;
    IFindService* m_pService;
    CString m_findText;
    int m_match = 0; // 0 any word, 1 all words, 2 the exact phrase
    CComboBoxEx m_projects;
    CImageList m_images;
    CProject* m_pProject = nullptr;
    CString m_foundGUID;
    int m_foundColumnId = -1;
    bool m_expanded = true;
};
