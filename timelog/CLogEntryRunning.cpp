// CLogEntry: the mirror of the running entry under "Logging\", which another process, the log grid's row
// marker and a restart of the program read.
#include "timelog/CLogEntry.h"

#include "data/CCategory.h"
#include "data/CClient.h"
#include "data/CProject.h"
#include "data/CSubsystem.h"
#include "foundation/Registry.h"
#include "timelog/CLogDoc.h"

namespace {
// A time of 0 is written as the time of writing (a running entry's end time among them).
CTime OrNow(CTime time) {
    return time.GetTime() == 0 ? CTime::GetCurrentTime() : time;
}
} // namespace

void CLogEntry::SaveRunning() {
    CLogDoc* pDoc = GetLogDoc();
    if (pDoc == nullptr)
        return;
    RegWriteBool(REG_LOGGING, "Logging", pDoc->IsTiming());
    RegWriteTime(REG_LOGGING, "Logging started", OrNow(pDoc->GetLoggingStarted()));
    RegWriteTime(REG_LOGGING, "Start time", OrNow(m_StartTime));
    RegWriteTime(REG_LOGGING, "End time", OrNow(m_EndTime));
    RegWriteString(REG_LOGGING, "Client", m_pClient != nullptr ? m_pClient->GetCompanyName() : CString());
    RegWriteString(REG_LOGGING, "Project", m_pProject != nullptr ? m_pProject->m_Name : CString());
    RegWriteString(REG_LOGGING, "Subsystem", m_pSubsystem != nullptr ? m_pSubsystem->m_Name : CString());
    RegWriteString(REG_LOGGING, "Category", m_pCategory != nullptr ? m_pCategory->m_Name : CString());
    RegWriteString(REG_LOGGING, "Description", m_Desc);
    RegWriteString(REG_LOGGING, "Name", m_Name);
    RegWriteInt(REG_LOGGING, "Project ID", m_ProjProjectID);
    RegWriteInt(REG_LOGGING, "Resource ID", m_ProjResourceID);
    RegWriteInt(REG_LOGGING, "Assignment ID", m_ProjAssignmentID);
    RegWriteInt(REG_LOGGING, "MS Task ID", m_MSTaskID);
}

void CLogEntry::LoadRunning(CLogDoc* pDoc) {
    m_pClient = nullptr;
    m_pProject = nullptr;
    m_pSubsystem = nullptr;
    m_pCategory = nullptr;
    m_StartTime = m_EndTime = CTime::GetCurrentTime();
    RegReadTime(REG_LOGGING, "Start time", &m_StartTime);
    RegReadTime(REG_LOGGING, "End time", &m_EndTime);
    RegReadString(REG_LOGGING, "Description", m_Desc);
    RegReadString(REG_LOGGING, "Name", m_Name);
    RegReadInt(REG_LOGGING, "Project ID", &m_ProjProjectID);
    RegReadInt(REG_LOGGING, "Resource ID", &m_ProjResourceID);
    RegReadInt(REG_LOGGING, "Assignment ID", &m_ProjAssignmentID);
    RegReadInt(REG_LOGGING, "MS Task ID", &m_MSTaskID);
    CString client;
    CString project;
    CString subsystem;
    CString category;
    RegReadString(REG_LOGGING, "Client", client);
    RegReadString(REG_LOGGING, "Project", project);
    RegReadString(REG_LOGGING, "Subsystem", subsystem);
    RegReadString(REG_LOGGING, "Category", category);
    if (pDoc == nullptr)
        return;
    m_pClient = pDoc->FindClientByName(client);
    m_pProject = pDoc->FindProjectByName(project);
    if (m_pProject != nullptr && !subsystem.IsEmpty())
        m_pSubsystem = m_pProject->FindSubsystem(subsystem);
    m_pCategory = pDoc->FindCategoryByName(category);
}

void CLogEntry::LoadRunningState(CLogDoc* pDoc) {
    if (pDoc == nullptr)
        return;
    LoadRunning(pDoc);
    bool logging = false;
    RegReadBool(REG_LOGGING, "Logging", &logging);
    CTime started = CTime::GetCurrentTime();
    RegReadTime(REG_LOGGING, "Logging started", &started);
    pDoc->SetLoggingStarted(started);
    pDoc->SetTimingFlag(logging);
}
