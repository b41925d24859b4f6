#include "timelog/CEntryChoiceDlg.h"

#include "foundation/WindowHelpers.h"
#include "resource.h"
#include "timelog/CLogDoc.h"

CEntryChoiceDlg::CEntryChoiceDlg(UINT templateId, CLogDoc* pDoc, const ChoiceControls& ids, CWnd* pParentWnd)
    : CDialog(templateId, pParentWnd), m_pDoc(pDoc), m_ids(ids) {}

void CEntryChoiceDlg::AttachChoiceControls() {
    m_projects.SubclassDlgItem(m_ids.project, this);
    m_categories.SubclassDlgItem(m_ids.category, this);
}

void CEntryChoiceDlg::FillProjects(CProject* pSelect) {
    if (m_pDoc == nullptr || m_projects.GetSafeHwnd() == nullptr)
        return;
    m_projects.ResetContent();
    CString notSpecified;
    notSpecified.LoadString(IDS_COMBO_NOT_SPECIFIED);
    m_projects.SetItemDataPtr(m_projects.AddString(notSpecified), nullptr);
    for (int i = 0; i < m_pDoc->GetProjectCount(); ++i) {
        CProject* pProject = m_pDoc->GetProjectAt(i);
        if (pProject == nullptr || !pProject->m_Visible ||
            (!pProject->m_Active && !CLogDoc::s_bShowInactiveProjects))
            continue;
        m_projects.SetItemDataPtr(m_projects.AddString(pProject->m_Name), pProject);
    }
    FitComboDropHeight(&m_projects);
    SelectComboItemByData(&m_projects, reinterpret_cast<DWORD_PTR>(pSelect));
}

void CEntryChoiceDlg::FillCategories(CCategory* pSelect) {
    if (m_pDoc == nullptr || m_categories.GetSafeHwnd() == nullptr)
        return;
    m_categories.ResetContent();
    for (INT_PTR i = 0; i < m_pDoc->m_Categories.GetSize(); ++i) {
        CCategory* pCategory = m_pDoc->m_Categories[i];
        // Inactive categories are never offered, whatever the projects show.
        if (pCategory == nullptr || !pCategory->m_Active || !pCategory->m_Visible)
            continue;
        m_categories.SetItemDataPtr(m_categories.AddString(pCategory->m_Name), pCategory);
    }
    FitComboDropHeight(&m_categories);
    SelectComboItemByData(&m_categories, reinterpret_cast<DWORD_PTR>(pSelect));
}

void CEntryChoiceDlg::EnableListButtons() {
    const BOOL open = m_pDoc != nullptr;
    for (const int id : {m_ids.projectsButton, m_ids.categoriesButton}) {
        if (CWnd* pButton = GetDlgItem(id))
            pButton->EnableWindow(open);
    }
}

CProject* CEntryChoiceDlg::GetChosenProject() const {
    const int selected = m_projects.GetSafeHwnd() != nullptr ? m_projects.GetCurSel() : CB_ERR;
    return selected < 0 ? nullptr : static_cast<CProject*>(m_projects.GetItemDataPtr(selected));
}

CCategory* CEntryChoiceDlg::GetChosenCategory() const {
    const int selected = m_categories.GetSafeHwnd() != nullptr ? m_categories.GetCurSel() : CB_ERR;
    return selected < 0 ? nullptr : static_cast<CCategory*>(m_categories.GetItemDataPtr(selected));
}

void CEntryChoiceDlg::ProjectChosen() {
    if (m_pDoc == nullptr)
        return;
    m_pRememberedCategory = GetChosenCategory();
    if (CProject* pProject = GetChosenProject()) {
        if (const CLogEntry* pLatest = m_pDoc->FindMatchingEntry(pProject, nullptr)) {
            m_pRememberedCategory = pLatest->m_pCategory;
            m_description = pLatest->m_Desc;
            SetDlgItemText(m_ids.description, m_description);
        }
    }
    FillCategories(m_pRememberedCategory);
}

void CEntryChoiceDlg::CategoryChosen() {
    if (m_pDoc == nullptr)
        return;
    CProject* pProject = GetChosenProject();
    CCategory* pCategory = GetChosenCategory();
    if (pProject == nullptr || pCategory == nullptr)
        return;
    if (const CLogEntry* pLatest = m_pDoc->FindMatchingEntry(pProject, pCategory)) {
        m_description = pLatest->m_Desc;
        SetDlgItemText(m_ids.description, m_description);
    }
}

void CEntryChoiceDlg::RunListCommand(UINT command) {
    // The document's own command handler edits the list (it does nothing where it is not offered).
    if (m_pDoc != nullptr)
        m_pDoc->OnCmdMsg(command, CN_COMMAND, nullptr, nullptr);
}

void CEntryChoiceDlg::EditProjects() {
    CProject* pProject = GetChosenProject();
    CCategory* pCategory = GetChosenCategory();
    RunListCommand(kEditProjectsCommand);
    FillProjects(pProject);
    FillCategories(pCategory);
}

void CEntryChoiceDlg::EditCategories() {
    CCategory* pCategory = GetChosenCategory();
    RunListCommand(kEditCategoriesCommand);
    FillCategories(pCategory);
}

bool CEntryChoiceDlg::CheckChoice(CProject*& pProject, CCategory*& pCategory) {
    if (m_projects.GetCurSel() < 0 || m_categories.GetCurSel() < 0) {
        AfxMessageBox(IDS_CHOOSE_PROJECT_AND_CATEGORY, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    pProject = GetChosenProject();
    pCategory = GetChosenCategory();
    if (pProject == nullptr) {
        AfxMessageBox(IDS_CHOOSE_PROJECT_OR_NONE, MB_OK | MB_ICONEXCLAMATION);
        GotoDlgCtrl(&m_projects);
        return false;
    }
    if (pCategory == nullptr) {
        AfxMessageBox(IDS_CHOOSE_CATEGORY, MB_OK | MB_ICONEXCLAMATION);
        GotoDlgCtrl(&m_categories);
        return false;
    }
    return true;
}
