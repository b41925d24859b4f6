// CLogDoc: copying the log (and on request the projects, project types, categories and clients) into
// the database, as the "Writing Database" window runs it, and the check that the tables can be opened.
#include "timelog/CLogDoc.h"

#include "data/CWriteDatabaseDlg.h"
#include "data/ILogDatabaseCopy.h"
#include "foundation/Registry.h"
#include "framework/win/CStatic.h"
#include "framework/win/CWaitCursor.h"
#include "framework/win/CWinApp.h"
#include "resource.h"

namespace {

// The window's view of the document's copies.
class LogCopy : public ILogDatabaseCopy {
public:
    explicit LogCopy(CLogDoc& doc) : m_doc(doc) {}
    void CopyLogToDatabase(CWnd* dialog, CStatic* status, CProgressCtrl* progress,
                           bool deleteFirst) override {
        m_doc.CopyLogToDatabase(dialog, status, progress, deleteFirst);
    }
    void CopyTasksToDatabase(CWnd* dialog, CStatic* status, CProgressCtrl* progress) override {
        m_doc.CopyTasksToDatabase(dialog, status, progress);
    }

private:
    CLogDoc& m_doc;
};

UINT ControlId(CWnd* pControl) {
    return static_cast<UINT>(pControl->GetDlgCtrlID());
}

} // namespace

bool CLogDoc::ChooseDeleteFirst(bool& deleteFirst) {
    deleteFirst = true;
    bool hasRecords = false;
    try {
        hasRecords = m_TaskSet.HasCurrentUserEntries();
    } catch (CDBException* e) {
        e->Delete(); // an unreadable table holds nothing to keep
    }
    m_TaskSet.Close();
    if (!hasRecords)
        return true;
    CString name;
    RegReadString(REG_DATABASE, "Username", name);
    CString question;
    question.Format(CString(MAKEINTRESOURCE(IDS_COPY_USER_HAS_RECORDS)), static_cast<LPCSTR>(name));
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    deleteFirst = AfxMessageBox(IDS_COPY_DELETE_TASKS, MB_YESNO | MB_ICONQUESTION) == IDYES;
    return true;
}

void CLogDoc::WriteLogToDatabase() {
    bool deleteFirst = true;
    if (!ChooseDeleteFirst(deleteFirst))
        return;
    LogCopy copy(*this);
    CWriteDatabaseDlg dialog(copy, true, deleteFirst);
    dialog.DoModal();
}

bool CLogDoc::CanOpenTaskTable() {
    if (!m_TaskSet.CanReadTable()) {
        AfxMessageBox(IDS_COPY_CANNOT_OPEN, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

bool CLogDoc::CopyEntries(CWnd* pDialog, CStatic* pStatus, CProgressCtrl* pProgress) {
    const bool written = m_TaskSet.SaveAllEntries(this, pDialog, ControlId(pStatus), ControlId(pProgress));
    pStatus->SetWindowText(CString(MAKEINTRESOURCE(IDS_COPY_FINISHED)));
    return written;
}

void CLogDoc::CopyLogToDatabase(CWnd* pDialog, CStatic* pStatus, CProgressCtrl* pProgress, bool deleteFirst) {
    if (pDialog == nullptr || pStatus == nullptr || pProgress == nullptr)
        return;
    const bool withLists = AfxMessageBox(IDS_COPY_WITH_PROJECTS, MB_YESNO | MB_ICONQUESTION) == IDYES;
    CWaitCursor wait;
    try {
        if (!CanOpenTaskTable())
            return;
        const UINT statusId = ControlId(pStatus);
        const UINT progressId = ControlId(pProgress);
        if (withLists) {
            m_ProjectSet.WriteAll(this, pDialog, statusId, progressId);
            m_ProjTypeSet.WriteAll(this, pDialog, statusId, progressId);
            m_CategorySet.WriteAll(this, pDialog, statusId, progressId);
            m_ClientSet.WriteAll(this, pDialog, statusId, progressId);
        }
        if (deleteFirst)
            m_TaskSet.DeleteUserEntries(this, pDialog, statusId, progressId);
        CopyEntries(pDialog, pStatus, pProgress);
    } catch (CDBException* e) {
        AddErrorFromException(IDS_WRITE_DATABASE, e->m_nRetCode, e);
        e->Delete();
        m_Database.Close();
    }
}

void CLogDoc::CopyTasksToDatabase(CWnd* pDialog, CStatic* pStatus, CProgressCtrl* pProgress) {
    if (pDialog == nullptr || pStatus == nullptr || pProgress == nullptr)
        return;
    CWaitCursor wait;
    try {
        if (CanOpenTaskTable())
            CopyEntries(pDialog, pStatus, pProgress);
    } catch (CDBException* e) {
        AddErrorFromException(IDS_WRITE_DATABASE, e->m_nRetCode, e);
        e->Delete();
        m_Database.Close();
    }
}

bool CLogDoc::PrepareAllTables() {
    CWaitCursor wait;
    try {
        CBaseRecordset* sets[] = {&m_TaskSet,    &m_ProjectSet,    &m_ProjTypeSet,  &m_CategorySet,
                                  &m_ClientSet,  &m_UserSet,       &m_SubsystemSet, &m_ProjectTaskSet,
                                  &m_AccountSet, &m_ExpenseTypeSet};
        bool prepared = true;
        for (CBaseRecordset* pSet : sets)
            prepared = pSet->CanOpen(this) && prepared;
        return prepared;
    } catch (CDBException* e) {
        AddErrorFromException(IDS_DATABASE_ERROR, e->m_nRetCode, e);
        e->Delete();
        m_Database.Close();
        return false;
    }
}
