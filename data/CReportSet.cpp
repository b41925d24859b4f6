#include "data/CReportSet.h"

#include "data/CUser.h"
#include "data/SqlFilter.h"
#include "data/TableSetSupport.h"
#include "foundation/SharedHelpers.h"
#include "timelog/CLogDoc.h"

IMPLEMENT_DYNAMIC(CReportSet, CBaseRecordset)

namespace {

constexpr int kMaxReportType = 10;

} // namespace

CReportSet::CReportSet(CDatabase* pDatabase) : CBaseRecordset(pDatabase) {
    m_nFields = 8;
}

CString CReportSet::GetDefaultSQL() {
    return "[Reports]";
}

void CReportSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, "[GUID]", m_guid, 255);
    RFX_Date(pFX, "[Created]", m_created);
    RFX_Date(pFX, "[Modified]", m_modified);
    RFX_Date(pFX, "[Deleted]", m_deleted);
    RFX_Text(pFX, "[ReportPath]", m_reportPath, 255);
    RFX_Int(pFX, "[Admin]", m_admin);
    RFX_Int(pFX, "[Folder]", m_folder);
    RFX_Int(pFX, "[RptType]", m_rptType);
}

void CReportSet::OnDatabaseError(CObject* context, CDBException* e) {
    if (context && e)
        ReportDatabaseError("Reports", e);
}

ReportRecord CReportSet::RowToRecord() {
    const CTime now = CTime::GetCurrentTime();
    ReportRecord report;
    report.guid = m_guid;
    report.created = TimeOr(m_created, now);
    report.modified = TimeOr(m_modified, now);
    report.path = m_reportPath;
    report.adminOnly = IntOr(*this, m_admin, 0) != 0;
    report.folder = IntOr(*this, m_folder, 0) != 0;
    const int type = IntOr(*this, m_rptType, 1);
    report.type = type > kMaxReportType ? 1 : type;
    return report;
}

bool CReportSet::LoadReports(CLogDoc* doc, bool* any, bool intoTree, CObArray* list) {
    IReportTree* tree = IReportTree::GetMain();
    if (!doc || !tree || (!intoTree && !list))
        return false;
    if (any)
        *any = false;
    const CUser* user = doc->GetCurrentUser();
    if (!Reopen(user && user->m_Admin ? CString() : SqlEqualsNumber("Admin", 0)))
        return false;
    return RunReported(doc, [&] {
        for (; !IsEOF(); MoveNext()) {
            const ReportRecord report = RowToRecord();
            if (!intoTree)
                list->Add(tree->MakeReportFile(report));
            else if (report.folder)
                tree->AddReportFolder(report);
            else
                tree->AddReportFile(report);
            if (any)
                *any = true;
        }
        Close();
        return true;
    });
}

bool CReportSet::SaveReport(CLogDoc* doc, ReportRecord* report) {
    if (!doc || !report)
        return false;
    if (report->guid.IsEmpty())
        report->guid = NewGuidString();
    return SaveSharedRow(*this, doc, report->guid, [&] {
        const CTime now = CTime::GetCurrentTime();
        m_guid = report->guid;
        m_created = TimeOr(report->created, now);
        m_modified = TimeOr(report->modified, now);
        m_reportPath = report->path;
        m_admin = report->adminOnly ? 1 : 0;
        m_folder = report->folder ? 1 : 0;
        m_rptType = report->type;
    });
}

bool CReportSet::DeleteReport(CLogDoc* doc, ReportRecord* report) {
    if (!doc || !report)
        return false;
    return DeleteByGUID(doc, report->guid);
}
