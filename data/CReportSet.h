// The [Reports] table: the report files and report folders registered in the database for all users.
#pragma once

#include "data/CBaseRecordset.h"
#include "data/IReportTree.h"
#include "framework/core/CObArray.h"

class CLogDoc;

class CReportSet : public CBaseRecordset {
    DECLARE_DYNAMIC(CReportSet)
public:
    explicit CReportSet(CDatabase* pDatabase = nullptr);

    // Reads the reports the current user may see (administrators all, others those not for
    // administrators only): into the main window's report tree (intoTree), or as report file objects
    // appended to list. any tells whether there was a row. False for a null doc, without a report tree,
    // or on a failure.
    bool LoadReports(CLogDoc* doc, bool* any, bool intoTree, CObArray* list);
    // Writes one report (its row edited, or added; a report without GUID gets one) and bumps the change
    // counter.
    bool SaveReport(CLogDoc* doc, ReportRecord* report);
    bool DeleteReport(CLogDoc* doc, ReportRecord* report);

    // The report of the current row (times of 0 become now, an unknown type 1).
    ReportRecord RowToRecord();

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    CString GetGUID() const override { return m_guid; }
    void SetGUID(const CString& guid) override { m_guid = guid; }
    void OnDatabaseError(CObject* context, CDBException* e) override;

    CString m_guid;
    CTime m_created;
    CTime m_modified;
    CTime m_deleted;
    CString m_reportPath;
    int m_admin = 0;
    int m_folder = 0;
    int m_rptType = 1;
};
