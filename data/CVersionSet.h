// The [Version] table: one row per upgrade of the data source, with the program version that did it.
#pragma once

#include "data/CBaseRecordset.h"
#include "framework/core/CTime.h"

class CVersionSet : public CBaseRecordset {
    DECLARE_DYNAMIC(CVersionSet)
public:
    explicit CVersionSet(CDatabase* pDatabase = nullptr);

    // The highest version recorded; 0 when there is none or the table cannot be read.
    double GetVersion();
    // Records an upgrade to version by the configured user, now.
    bool AddVersion(double version);

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

    double m_version = 0;
    CTime m_upgraded;
    CString m_by;
    BOOL m_verified = FALSE;
    CString m_comment;
};
