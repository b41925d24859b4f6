#include "timelog/CRecentTask.h"

#include "data/CCategory.h"
#include "data/CProject.h"
#include "foundation/Registry.h"
#include "timelog/CLogDoc.h"
#include "timelog/LogClock.h"

IMPLEMENT_DYNAMIC(CRecentTask, CObject)

CRecentTask::CRecentTask(CLogDoc* pDoc, CProject* pProject, CCategory* pCategory)
    : m_pDoc(pDoc), m_pProject(pProject), m_pCategory(pCategory) {
    BuildText();
}

void CRecentTask::BuildText() {
    m_Text = (m_pProject != nullptr ? m_pProject->m_Name : CString()) + ", " +
             (m_pCategory != nullptr ? m_pCategory->m_Name : CString());
}

void CRecentTask::SetNumber(int number) {
    m_Number = number;
    m_KeyPath.Format(REG_RECENT_TASKS "Task %d\\", number);
}

void CRecentTask::Load() {
    CString project;
    CString category;
    RegReadString(m_KeyPath, "Project", project);
    RegReadString(m_KeyPath, "Category", category);
    m_pProject = m_pDoc != nullptr ? m_pDoc->FindProjectByName(project) : nullptr;
    m_pCategory = m_pDoc != nullptr ? m_pDoc->FindCategoryByName(category) : nullptr;
    m_LastUsed = CTime();
    RegReadTime(m_KeyPath, "Last time used", &m_LastUsed);
    if (m_LastUsed.GetTime() == 0)
        m_LastUsed = LogClock::Now();
    RegReadInt(m_KeyPath, "Num times used", &m_TimesUsed);
    BuildText();
}

void CRecentTask::Save() const {
    RegWriteString(m_KeyPath, "Project", m_pProject != nullptr ? m_pProject->m_Name : CString());
    RegWriteString(m_KeyPath, "Category", m_pCategory != nullptr ? m_pCategory->m_Name : CString());
    RegWriteTime(m_KeyPath, "Last time used", m_LastUsed.GetTime() != 0 ? m_LastUsed : LogClock::Now());
    RegWriteInt(m_KeyPath, "Num times used", m_TimesUsed);
}
