#include "data/CQuickPickSet.h"

#include "data/IProjectTaskWriter.h"
#include "data/SqlFilter.h"
#include "data/TableSetSupport.h"
#include "foundation/Registry.h"
#include "projecttasks/CTask.h"
#include "timelog/CLogDoc.h"
#include "timelog/CLogEntry.h"

#include <memory>

IMPLEMENT_DYNAMIC(CQuickPickSet, CBaseRecordset)

CQuickPickSet::CQuickPickSet(CDatabase* pDatabase) : CBaseRecordset(pDatabase) {
    m_nFields = 9;
}

CString CQuickPickSet::GetDefaultSQL() {
    return "[QuickPicks]";
}

void CQuickPickSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Date(pFX, "[Created]", m_created);
    RFX_Date(pFX, "[Modified]", m_modified);
    RFX_Text(pFX, "[GUID]", m_guid, 255);
    RFX_Text(pFX, "[Name]", m_name, 255);
    RFX_Text(pFX, "[ProjectID]", m_projectId, 255);
    RFX_Text(pFX, "[SubsystemID]", m_subsystemId, 255);
    RFX_Text(pFX, "[CategoryID]", m_categoryId, 255);
    // A long-text column: read whole.
    RFX_Text(pFX, "[Desc]", m_desc, kLongTextLength);
    RFX_Text(pFX, "[Username]", m_username, 255);
}

void CQuickPickSet::OnDatabaseError(CObject* context, CDBException* e) {
    if (context && e)
        ReportDatabaseError("Quick Tasks", e);
}

CString CQuickPickSet::GetLoadFilter(CObject*) {
    CString user;
    RegReadString(REG_DATABASE, "Username", user);
    m_strFilter = "(" + SqlEqualsOrEmpty("Username", "") + " OR " + SqlLikeText("Username", user) + ")";
    return m_strFilter;
}

void CQuickPickSet::LoadQuickPick(CLogEntry& entry, CLogDoc* doc) {
    const CTime now = CTime::GetCurrentTime();
    entry.m_Created = TimeOr(m_created, now);
    entry.m_Modified = TimeOr(m_modified, now);
    entry.m_GUID = m_guid;
    entry.m_Name = m_name;
    entry.m_Desc = m_desc;
    entry.m_ExtraText = m_username;
    if (doc) {
        entry.m_pProject = doc->FindProjectByGUID(m_projectId, true);
        entry.m_pSubsystem = doc->FindSubsystemByGUID(m_subsystemId);
        entry.m_pCategory = doc->FindCategoryByGUID(m_categoryId);
    }
}

void CQuickPickSet::TransferRow(CObject* target) {
    auto* doc = dynamic_cast<CLogDoc*>(target);
    if (!doc)
        return;
    auto entry = std::make_unique<CLogEntry>();
    LoadQuickPick(*entry, doc);
    CLogEntry* existing = doc->FindQuickPickByGUID(m_guid);
    if (!existing) {
        doc->AddQuickPick(entry.release());
    } else if (entry->m_Modified > existing->m_Modified) {
        *existing = *entry;
        existing->m_bModified = 0;
    }
}

bool CQuickPickSet::ConvertToProjectTasks(CLogDoc* doc, IProjectTaskWriter* writer) {
    if (!doc || !writer || !Reopen())
        return false;
    return RunReported(doc, [&] {
        for (; !IsEOF(); MoveNext()) {
            CLogEntry pick;
            LoadQuickPick(pick, doc);
            CTask task;
            task.m_pDoc = doc;
            task.m_Name = pick.m_Name;
            task.m_Description = pick.m_Desc;
            task.m_pProject = pick.m_pProject;
            task.m_ProjectID = m_projectId;
            task.m_pSubsystem = pick.m_pSubsystem;
            task.m_SubsystemID = m_subsystemId;
            task.m_pCategory = pick.m_pCategory;
            task.m_CategoryID = m_categoryId;
            task.m_QuickTask = 1;
            writer->SaveProjectTask(&task);
        }
        Close();
        return true;
    });
}
