#include "data/CObjectRecordset.h"

#include "data/TableSetSupport.h"
#include "framework/win/CWaitCursor.h"

IMPLEMENT_DYNAMIC(CObjectRecordset, CBaseRecordset)

void CObjectRecordset::OnDatabaseError(CObject* context, CDBException* e) {
    if (context && e)
        ReportDatabaseError(m_caption, e);
}

bool CObjectRecordset::Query(const CString& filter, const CString& sort) {
    m_strFilter = filter;
    m_strSort = sort;
    if (IsOpen())
        Close();
    return Open() != FALSE;
}

bool CObjectRecordset::AnyRow(const CString& filter) {
    if (!Query(filter))
        return false;
    return RunReported(this, [&] {
        const bool any = !IsEOF();
        Close();
        return any;
    });
}

bool CObjectRecordset::ForEachRow(CObject* context, const CString& filter, const CString& sort,
                                  const std::function<void()>& visit) {
    if (!Query(filter, sort))
        return false;
    CWaitCursor wait;
    return RunReported(context ? context : this, [&] {
        for (; !IsEOF(); MoveNext())
            visit();
        Close();
        return true;
    });
}

bool CObjectRecordset::ChangeRows(CObject* context, const CString& filter,
                                  const std::function<void()>& change) {
    return ForEachRow(context, filter, CString(), [&] {
        Edit();
        change();
        CheckTextWidths(*this);
        Update();
    });
}

bool CObjectRecordset::SaveRow(CObject* context, const CString& guid, const std::function<void()>& fill) {
    if (!OpenOnGUID(*this, guid))
        return false;
    return RunReported(context ? context : this, [&] {
        WriteRowOfGUID(*this, guid, fill);
        return true;
    });
}
