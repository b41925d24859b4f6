#include "data/CVersionSet.h"

#include "foundation/Registry.h"

IMPLEMENT_DYNAMIC(CVersionSet, CBaseRecordset)

CVersionSet::CVersionSet(CDatabase* pDatabase) : CBaseRecordset(pDatabase) {
    m_nFields = 5;
}

CString CVersionSet::GetDefaultSQL() {
    return "[Version]";
}

void CVersionSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Double(pFX, "[Version]", m_version);
    RFX_Date(pFX, "[Upgraded]", m_upgraded);
    RFX_Text(pFX, "[By]", m_by, 255);
    RFX_Bool(pFX, "[Verified]", m_verified);
    RFX_Text(pFX, "[Comment]", m_comment, 255);
}

double CVersionSet::GetVersion() {
    if (!Reopen())
        return 0.0;
    double highest = 0.0;
    // When a row cannot be read, what was read so far still counts.
    RunAndClose([&] {
        while (!IsEOF()) {
            if (!IsFieldNull(&m_version) && m_version > highest)
                highest = m_version;
            MoveNext();
        }
    });
    return highest;
}

bool CVersionSet::AddVersion(double version) {
    if (!Reopen())
        return false;
    return RunAndClose([&] {
        AddNew();
        m_version = version;
        m_upgraded = CTime::GetCurrentTime();
        RegReadString(REG_DATABASE, "Username", m_by);
        m_verified = TRUE;
        m_comment = "Updated by Brindlemark";
        Update();
    });
}
