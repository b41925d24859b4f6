#include "data/TableSetSupport.h"

#include "data/SqlFilter.h"
#include "framework/db/CFieldExchange.h"
#include "framework/win/CWnd.h"
#include "timelog/CLogDoc.h"

#include <cmath>

CWriteProgress::CWriteProgress(CWnd* dialog, UINT textId, UINT progressId)
    : m_dialog(dialog), m_textId(textId), m_progressId(progressId),
      m_usable(dialog && textId != 0 && progressId != 0 && dialog->GetSafeHwnd() &&
               ::GetDlgItem(dialog->GetSafeHwnd(), static_cast<int>(progressId)) != nullptr) {}

void CWriteProgress::SetText(const char* text) const {
    if (m_usable)
        m_dialog->SetDlgItemText(static_cast<int>(m_textId), text);
}

void CWriteProgress::Start(int count) const {
    if (!m_usable)
        return;
    m_dialog->SendDlgItemMessage(static_cast<int>(m_progressId), PBM_SETRANGE32, 0, count);
    m_dialog->SendDlgItemMessage(static_cast<int>(m_progressId), PBM_SETPOS, 0, 0);
}

void CWriteProgress::Step(int done) const {
    if (!m_usable)
        return;
    m_dialog->SendDlgItemMessage(static_cast<int>(m_progressId), PBM_SETPOS, static_cast<WPARAM>(done), 0);
    PumpWaitingMessages();
}

void PumpWaitingMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void CheckTextWidths(CRecordset& set) {
    CFieldExchange fx(CFieldExchange::describeFields, &set);
    set.DoFieldExchange(&fx);
    for (const CFieldExchange::Binding& b : fx.m_bindings) {
        if (b.fieldType != CFieldExchange::outputColumn || b.kind != CFieldExchange::kindText ||
            b.maxLength <= 0)
            continue;
        const int length = static_cast<const CString*>(b.value)->GetLength();
        if (length <= b.maxLength)
            continue;
        auto* e = new CDBException(SQL_ERROR);
        e->m_strError.Format("The text for %s has %d characters; the column keeps at most %d.",
                             static_cast<LPCSTR>(b.name), length, b.maxLength);
        throw e;
    }
}

long LongOr(const CRecordset& set, const long& member, long fallback) {
    return set.IsFieldNull(const_cast<long*>(&member)) ? fallback : member;
}

int IntOr(const CRecordset& set, const int& member, int fallback) {
    return set.IsFieldNull(const_cast<int*>(&member)) ? fallback : member;
}

double BoundedOr(double value, double low, double high, double fallback) {
    if (std::isnan(value) || value == AFX_RFX_DOUBLE_PSEUDO_NULL || value < low || value > high)
        return fallback;
    return value;
}

bool OpenOnGUID(CBaseRecordset& set, const CString& guid) {
    set.m_strFilter = SqlEquals("GUID", guid);
    set.m_strSort.Empty();
    if (set.IsOpen())
        set.Close();
    return set.Open() != FALSE;
}

bool IsOnGUID(CBaseRecordset& set, const CString& guid) {
    return set.IsOpen() && !set.IsEOF() && !set.IsBOF() && set.GetGUID() == guid;
}

bool SaveSharedRow(CBaseRecordset& set, CLogDoc* doc, const CString& guid, const std::function<void()>& fill,
                   const std::function<CString()>& chooseRow) {
    if (!OpenOnGUID(set, guid))
        return false;
    const bool written = RunOnSet(set, doc, [&] {
        const CString target = IsOnGUID(set, guid) || !chooseRow ? guid : chooseRow();
        WriteRowOfGUID(set, target, fill);
        return true;
    });
    if (written)
        doc->RecordUpdate();
    return written;
}
