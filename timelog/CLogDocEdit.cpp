// CLogDoc: creators, renames with the unique-name check, removals and the order of the projects.
#include "timelog/CLogDoc.h"

#include "resource.h"

namespace {
CString Text(UINT id) {
    return id != 0 ? CString(MAKEINTRESOURCE(id)) : CString();
}
} // namespace

CProject* CLogDoc::FindOrAddProject(const char* name, const char* description) {
    if (CProject* pProject = FindProjectByName(name))
        return pProject;
    auto* pProject = new CProject(name, 0.0);
    pProject->m_Description = description;
    pProject->SetModified(TRUE);
    AddProject(pProject);
    SortProjects();
    SetModifiedFlag();
    DoAutoSave(true);
    return pProject;
}

CCategory* CLogDoc::FindOrAddCategory(const char* name, const char* description) {
    if (CCategory* pCategory = FindCategoryByName(name))
        return pCategory;
    auto* pCategory = new CCategory(name, description);
    pCategory->SetModified(TRUE);
    AddCategory(pCategory);
    SetModifiedFlag();
    DoAutoSave(true);
    return pCategory;
}

CCategory* CLogDoc::FindOrAddCategory(UINT nameId, UINT descriptionId) {
    return FindOrAddCategory(Text(nameId), Text(descriptionId));
}

CProjectType* CLogDoc::FindOrAddProjectType(const char* name) {
    if (CProjectType* pType = FindProjectTypeByName(name))
        return pType;
    auto* pType = new CProjectType(name);
    pType->SetModified(TRUE);
    AddProjectType(pType);
    SetModifiedFlag();
    DoAutoSave(true);
    return pType;
}

CProjectType* CLogDoc::FindOrAddProjectType(UINT nameId) {
    return FindOrAddProjectType(Text(nameId));
}

CExpenseType* CLogDoc::FindOrAddExpenseType(const char* name, const char* description) {
    if (CExpenseType* pType = FindExpenseTypeByName(name))
        return pType;
    auto* pType = new CExpenseType(name, description);
    pType->SetModified(TRUE);
    AddExpenseType(pType);
    SetModifiedFlag();
    DoAutoSave(true);
    return pType;
}

CExpenseType* CLogDoc::FindOrAddExpenseType(UINT nameId, UINT descriptionId) {
    return FindOrAddExpenseType(Text(nameId), Text(descriptionId));
}

CClient* CLogDoc::FindOrAddClient(const char* name, const char* description) {
    if (CClient* pClient = FindClientByName(name))
        return pClient;
    auto* pClient = new CClient;
    pClient->SetCompanyName(name);
    pClient->SetDescription(description);
    pClient->SetModified(TRUE);
    AddClient(pClient);
    SetModifiedFlag();
    DoAutoSave(true);
    return pClient;
}

CCategory* CLogDoc::NewCategory(const char* name, const char* description, bool mainList) {
    auto* pCategory = new CCategory(name, description);
    if (mainList)
        AddCategory(pCategory);
    else
        m_Categories2.Add(pCategory);
    SetModifiedFlag();
    return pCategory;
}

CProject* CLogDoc::NewProject(const char* name) {
    auto* pProject = new CProject(name, 0.0);
    m_Projects.Add(pProject);
    SetModifiedFlag();
    return pProject;
}

CProject* CLogDoc::EnsureNoneProject() {
    CProject* pProject = FindOrAddProject(Text(IDS_NONE), Text(IDS_NONE_PROJECT_DESCRIPTION));
    pProject->m_Placeholder = 1;
    return pProject;
}

void CLogDoc::SortProjects() {
    CProjectArray sorted;
    for (INT_PTR i = 0; i < m_Projects.GetSize(); ++i) {
        CProject* pProject = m_Projects.GetAt(i);
        INT_PTR at = 0;
        while (at < sorted.GetSize() && pProject->m_Name.CompareNoCase(sorted.GetAt(at)->m_Name) >= 0)
            ++at;
        sorted.InsertAt(at, pProject);
    }
    m_Projects.Copy(sorted);
}
