// CEntryChoiceDlg: what the Start Logging Time and Enter Completed Time dialogs share: the project and
// category combos (objects as item data, "<Not Specified>" first for the project), the description that a
// choice takes from the latest entry of that project (and category), the "Projects..." and
// "Categories..." buttons that edit the document's lists and refill the combos, and the check of the
// choice on OK. Without a document the combos stay empty and nothing is looked up.
#pragma once

#include "framework/win/AfxWin.h"
#include "framework/win/CComboBox.h"

class CCategory;
class CLogDoc;
class CProject;

class CEntryChoiceDlg : public CDialog {
public:
    // The control ids of one form.
    struct ChoiceControls {
        int project;
        int category;
        int description;
        int projectsButton;
        int categoriesButton;
    };

    CEntryChoiceDlg(UINT templateId, CLogDoc* pDoc, const ChoiceControls& ids, CWnd* pParentWnd);

    // The document's commands that edit its project and category lists.
    static constexpr UINT kEditProjectsCommand = 32788;
    static constexpr UINT kEditCategoriesCommand = 32792;

protected:
    // Subclasses the combos (call from OnInitDialog before filling).
    void AttachChoiceControls();
    // "<Not Specified>" (no object), then every project that is visible to the user and active (inactive
    // ones too while they are shown); selects pSelect's item (none when no item carries it).
    void FillProjects(CProject* pSelect);
    // The categories that are active and visible; selects pSelect's item.
    void FillCategories(CCategory* pSelect);
    // The buttons work only on an open document.
    void EnableListButtons();

    // A project was chosen: the latest entry of that project gives the category to select and the
    // description; the category combo is refilled in every case.
    void ProjectChosen();
    // A category was chosen: the latest entry of project and category gives the description.
    void CategoryChosen();
    void EditProjects();
    void EditCategories();

    // The chosen objects; false (with its message, the combo focused) when the choice is incomplete.
    bool CheckChoice(CProject*& pProject, CCategory*& pCategory);

    // The object of the selected item; nullptr for none or "<Not Specified>".
    CProject* GetChosenProject() const;
    CCategory* GetChosenCategory() const;

    CLogDoc* m_pDoc;
    ChoiceControls m_ids;
    CComboBox m_projects;
    CComboBox m_categories;
    CString m_description;
    CCategory* m_pRememberedCategory = nullptr;

private:
    void RunListCommand(UINT command);
};
