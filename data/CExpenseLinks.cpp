// CExpense: the objects its GUIDs name.
#include "data/CExpense.h"

#include "data/CAccount.h"
#include "data/CCategory.h"
#include "data/CClient.h"
#include "data/CExpenseTrip.h"
#include "data/CExpenseType.h"
#include "data/CProject.h"
#include "data/CSubsystem.h"
#include "data/CUser.h"
#include "timelog/CLogDoc.h"

namespace {

// The cached object, else the one the document's finder gives for guid (then cached).
template <typename T, typename Find> T* Resolve(T*& cache, CLogDoc* pDoc, const CString& guid, Find find) {
    if (cache == nullptr && pDoc != nullptr && !guid.IsEmpty())
        cache = find(*pDoc, guid);
    return cache;
}

template <typename T> void Link(T*& cache, CString& guid, T* pObject) {
    cache = pObject;
    guid = pObject != nullptr ? CString(pObject->GetGUID()) : CString();
}

} // namespace

CUser* CExpense::GetUser() {
    return Resolve(m_pUser, m_pDoc, m_UserUID,
                   [](CLogDoc& d, const CString& g) { return d.FindUserByGUID(g); });
}

CClient* CExpense::GetClient() {
    return Resolve(m_pClient, m_pDoc, m_ClientUID,
                   [](CLogDoc& d, const CString& g) { return d.FindClientByGUID(g); });
}

CProject* CExpense::GetProject() {
    if (m_pProject == nullptr && m_pDoc != nullptr) {
        if (CProject* pProject = m_pDoc->FindProjectByGUID(m_ProjectUID, false))
            m_pProject = pProject;
        else if (CProject* pNone = m_pDoc->GetNoneProject())
            SetProject(pNone);
    }
    return m_pProject;
}

CSubsystem* CExpense::GetSubsystem() {
    return Resolve(m_pSubsystem, m_pDoc, m_SubsystemID,
                   [](CLogDoc& d, const CString& g) { return d.FindSubsystemByGUID(g); });
}

CCategory* CExpense::GetCategory() {
    return Resolve(m_pCategory, m_pDoc, m_CategoryID,
                   [](CLogDoc& d, const CString& g) { return d.FindCategoryByGUID(g); });
}

CAccount* CExpense::GetBank() {
    return Resolve(m_pBank, m_pDoc, m_BankID,
                   [](CLogDoc& d, const CString& g) { return d.FindAccountByGUID(g); });
}

CAccount* CExpense::GetAccount() {
    return Resolve(m_pAccount, m_pDoc, m_AccountID,
                   [](CLogDoc& d, const CString& g) { return d.FindAccountByGUID(g); });
}

CExpenseType* CExpense::GetType() {
    return Resolve(m_pType, m_pDoc, m_TypeID,
                   [](CLogDoc& d, const CString& g) { return d.FindExpenseTypeByGUID(g); });
}

CExpenseTrip* CExpense::GetTrip() {
    return Resolve(m_pTrip, m_pDoc, m_TripID,
                   [](CLogDoc& d, const CString& g) { return d.FindExpenseTripByGUID(g); });
}

void CExpense::SetUser(CUser* pUser) {
    Link(m_pUser, m_UserUID, pUser);
    // The unit is the group the user belongs to; a user without group belongs to none.
    m_OrganizationID = pUser != nullptr && pUser->m_pParent != nullptr ? pUser->m_pParent->m_GUID : CString();
}

void CExpense::SetClient(CClient* pClient) {
    Link(m_pClient, m_ClientUID, pClient);
}

void CExpense::SetProject(CProject* pProject) {
    Link(m_pProject, m_ProjectUID, pProject);
}

void CExpense::SetSubsystem(CSubsystem* pSubsystem) {
    Link(m_pSubsystem, m_SubsystemID, pSubsystem);
}

void CExpense::SetCategory(CCategory* pCategory) {
    Link(m_pCategory, m_CategoryID, pCategory);
}

void CExpense::SetBank(CAccount* pAccount) {
    Link(m_pBank, m_BankID, pAccount);
}

void CExpense::SetAccount(CAccount* pAccount) {
    Link(m_pAccount, m_AccountID, pAccount);
}

void CExpense::SetType(CExpenseType* pType) {
    Link(m_pType, m_TypeID, pType);
}

void CExpense::SetTrip(CExpenseTrip* pTrip) {
    Link(m_pTrip, m_TripID, pTrip);
}
