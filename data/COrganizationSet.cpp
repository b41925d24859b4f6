#include "data/COrganizationSet.h"

#include "data/COrganization.h"
#include "framework/win/CWaitCursor.h"
#include "timelog/CLogDoc.h"

#include <memory>

IMPLEMENT_DYNAMIC(COrganizationSet, CBaseRecordset)

namespace {

// Member lists and their access texts.
constexpr int kListLength = 10000;

} // namespace

COrganizationSet::COrganizationSet(CDatabase* pDatabase) : CBaseRecordset(pDatabase) {
    m_nFields = 6;
}

CString COrganizationSet::GetDefaultSQL() {
    return "[Organization]";
}

void COrganizationSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, "[GUID]", m_guid, 255);
    RFX_Text(pFX, "[Group]", m_group, 255);
    RFX_Text(pFX, "[Users]", m_users, kListLength);
    RFX_Text(pFX, "[Hierarchy]", m_hierarchy, 255);
    RFX_Text(pFX, "[Reports]", m_reports, kListLength);
    RFX_Text(pFX, "[Selection]", m_selection, 255);
}

void COrganizationSet::OnDatabaseError(CObject* context, CDBException* e) {
    if (context && e)
        ReportDatabaseError("Organization", e);
}

bool COrganizationSet::LoadTree(CLogDoc* doc) {
    if (!doc || !Reopen())
        return false;
    COrganization& tree = COrganization::Get();
    bool read = false;
    {
        CWaitCursor wait;
        read = RunReported(doc, [&] {
            for (; !IsEOF(); MoveNext()) {
                if (!m_guid.IsEmpty() && doc->FindOrgGroupByGUID(m_guid))
                    continue;
                auto group = std::make_unique<COrgGroup>(m_guid, m_group, m_hierarchy, m_users, m_reports,
                                                         m_selection);
                group->m_pParent = nullptr;
                doc->RegisterOrgGroup(group.get());
                tree.AddLoadedGroup(group.release());
            }
            Close();
            return true;
        });
    }
    tree.BuildTree();
    return read;
}

bool COrganizationSet::LoadAll(CObject* target) {
    return LoadTree(dynamic_cast<CLogDoc*>(target));
}
