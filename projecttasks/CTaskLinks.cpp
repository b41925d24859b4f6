// CTask: the linked objects, visibility and display names.
#include "projecttasks/CTask.h"

#include "data/CCategory.h"
#include "data/CClient.h"
#include "data/CProject.h"
#include "data/CSubsystem.h"
#include "data/CUser.h"
#include "data/ListText.h"
#include "resource.h"
#include "timelog/CLogDoc.h"

CProject* CTask::GetProject() {
    if (m_pProject == nullptr && m_pDoc != nullptr) {
        if (CProject* pProject = m_pDoc->FindProjectByGUID(m_ProjectID, false))
            m_pProject = pProject;
        else if (CProject* pNone = m_pDoc->GetNoneProject())
            SetProject(pNone);
    }
    return m_pProject;
}

CSubsystem* CTask::GetSubsystem() {
    if (m_pSubsystem == nullptr && m_pDoc != nullptr && !m_SubsystemID.IsEmpty())
        m_pSubsystem = m_pDoc->FindSubsystemByGUID(m_SubsystemID);
    return m_pSubsystem;
}

CCategory* CTask::GetCategory() {
    if (m_pCategory == nullptr && m_pDoc != nullptr && !m_CategoryID.IsEmpty())
        m_pCategory = m_pDoc->FindCategoryByGUID(m_CategoryID);
    return m_pCategory;
}

CClient* CTask::GetClient() {
    if (m_pClient == nullptr && m_pDoc != nullptr && !m_ClientID.IsEmpty())
        m_pClient = m_pDoc->FindClientByGUID(m_ClientID);
    return m_pClient;
}

CUser* CTask::GetOwner() {
    if (m_pOwner == nullptr && m_pDoc != nullptr && !m_OwnerID.IsEmpty())
        m_pOwner = m_pDoc->FindUserByGUID(m_OwnerID);
    return m_pOwner;
}

void CTask::SetProject(CProject* pProject) {
    m_pProject = pProject;
    m_ProjectID = pProject != nullptr ? pProject->GetGUID() : CString();
    UpdateCosts();
}

void CTask::SetSubsystem(CSubsystem* pSubsystem) {
    m_pSubsystem = pSubsystem;
    m_SubsystemID = pSubsystem != nullptr ? pSubsystem->GetGUID() : CString();
    UpdateCosts();
}

void CTask::SetCategory(CCategory* pCategory) {
    m_pCategory = pCategory;
    m_CategoryID = pCategory != nullptr ? pCategory->GetGUID() : CString();
    UpdateCosts();
}

void CTask::SetClient(CClient* pClient) {
    m_pClient = pClient;
    m_ClientID = pClient != nullptr ? pClient->GetGUID() : CString();
}

void CTask::ClearLinks() {
    m_pOwner = m_pAssignedBy = nullptr;
    m_pClient = nullptr;
    m_pProject = nullptr;
    m_pSubsystem = nullptr;
    m_pCategory = nullptr;
    m_pParent = nullptr;
}

bool CTask::IsVisible() {
    if (CProject* pProject = GetProject()) {
        if (!pProject->m_Visible || (!pProject->m_Active && !CLogDoc::s_bShowInactiveProjects))
            return false;
    }
    if (CSubsystem* pSubsystem = GetSubsystem()) {
        if ((pSubsystem->m_Active & 0xFF) == 0 && !CLogDoc::s_bShowInactiveSubsystems)
            return false;
    }
    if (m_pDoc == nullptr)
        return true;
    // The users and groups the task is assigned to; GUIDs the document does not know assign nobody.
    CStringArray ids;
    SplitListItems(m_UserIDs.IsEmpty() ? m_OwnerID : m_UserIDs, ids);
    SplitListItems(m_GroupIDs, ids);
    bool assigned = false;
    for (INT_PTR i = 0; i < ids.GetSize(); ++i) {
        const CUser* pUser = m_pDoc->FindUserByGUID(ids.GetAt(i));
        if (pUser == nullptr)
            continue;
        if (pUser->IsGroup() || (pUser->m_Active && pUser->m_Visible))
            return true;
        assigned = true;
    }
    return !assigned;
}

CString CTask::GetDisplayName() {
    if (!m_Summary)
        return m_Name;
    if (CSubsystem* pSubsystem = GetSubsystem())
        return pSubsystem->m_Name;
    if (CProject* pProject = GetProject())
        return pProject->m_Name;
    return m_Name;
}

CString CTask::GetUsersDisplay() {
    if (!m_Usernames.IsEmpty())
        return m_Usernames;
    if (CUser* pOwner = GetOwner())
        return pOwner->GetDisplayName();
    return CString(MAKEINTRESOURCE(IDS_ALL_USERS));
}
