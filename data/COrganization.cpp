#include "data/COrganization.h"

IMPLEMENT_DYNAMIC(COrganization, CObject)

COrganization::~COrganization() {
    RemoveAll();
}

COrganization& COrganization::Get() {
    static COrganization organization;
    return organization;
}

void COrganization::RemoveAll() {
    for (INT_PTR i = 0; i < m_Groups.GetSize(); ++i)
        delete m_Groups.GetAt(i);
    m_Groups.RemoveAll();
    for (INT_PTR i = 0; i < m_Loaded.GetSize(); ++i)
        delete m_Loaded.GetAt(i);
    m_Loaded.RemoveAll();
}

COrgGroup* COrganization::FindByChildHierarchy(const COrgGroupArray& groups, const CString& hierarchy) {
    for (INT_PTR i = 0; i < groups.GetSize(); ++i) {
        COrgGroup* pGroup = groups.GetAt(i);
        if (pGroup->GetChildHierarchy().CompareNoCase(hierarchy) == 0)
            return pGroup;
        if (COrgGroup* pFound = FindByChildHierarchy(pGroup->m_Groups, hierarchy))
            return pFound;
    }
    return nullptr;
}

void COrganization::BuildTree() {
    const INT_PTR passes = m_Loaded.GetSize();
    for (INT_PTR pass = 0; pass < passes; ++pass) {
        bool attached = false;
        for (INT_PTR i = 0; i < m_Loaded.GetSize() && !attached; ++i) {
            COrgGroup* pGroup = m_Loaded.GetAt(i);
            if (pGroup->m_Hierarchy.IsEmpty()) {
                pGroup->m_pParent = nullptr;
                m_Groups.Add(pGroup);
                attached = true;
            } else if (COrgGroup* pParent = FindByChildHierarchy(m_Groups, pGroup->m_Hierarchy)) {
                pGroup->m_pParent = pParent;
                pParent->m_Groups.Add(pGroup);
                attached = true;
            }
            if (attached)
                m_Loaded.RemoveAt(i);
        }
        if (!attached)
            break;
    }
    for (INT_PTR i = 0; i < m_Loaded.GetSize(); ++i) {
        COrgGroup* pGroup = m_Loaded.GetAt(i);
        pGroup->m_Hierarchy.Empty();
        pGroup->m_pParent = nullptr;
        m_Groups.Add(pGroup);
    }
    m_Loaded.RemoveAll();
}
