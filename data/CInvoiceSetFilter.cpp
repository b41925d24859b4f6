// CInvoiceSet: the invoice view's filter and the invoice numbers.
#include "data/CInvoiceSet.h"

#include "data/CClient.h"
#include "data/CErrorList.h"
#include "data/CProject.h"
#include "data/SqlListFilter.h"
#include "data/SqlFilter.h"
#include "data/TableSetSupport.h"
#include "foundation/LocaleFormat.h"
#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"
#include "timelog/CLogDoc.h"

#include <algorithm>
#include <random>

namespace {

constexpr char kKey[] = REG_FILTER_PROJECT_TASKS;
constexpr long kFirstLargest = 999;
// Two copies that took the same number both try again, after a pause of their own.
constexpr int kReserveAttempts = 50;
constexpr DWORD kMaxPauseMs = 40;

struct FilterValues {
    CString project;
    CString client;
    int months = 0;
    bool pastDue = false;
};

FilterValues ReadValues() {
    FilterValues v;
    RegReadString(kKey, "InProject", v.project);
    RegReadString(kKey, "InClient", v.client);
    // Cleared values are empty texts: they read as 0 and false.
    RegReadInt(kKey, "InDate", &v.months);
    RegReadBool(kKey, "InPastDue", &v.pastDue);
    return v;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

void Pause() {
    static thread_local std::mt19937 random{std::random_device{}()};
    Sleep(std::uniform_int_distribution<DWORD>(1, kMaxPauseMs)(random));
}

} // namespace

CTime MonthsBefore(const CTime& now, int months) {
    struct tm local {};
    if (months <= 0 || now.GetLocalTm(&local) == nullptr)
        return now;
    int month = local.tm_mon - months % 12; // 0-based
    int year = local.tm_year + 1900 - months / 12;
    if (month < 0) {
        month += 12;
        --year;
    }
    const int day = std::min(local.tm_mday, DaysInMonth(year, month + 1));
    return CTime(year, month + 1, day, local.tm_hour, local.tm_min, local.tm_sec);
}

void CInvoiceSet::SetFilterClient(CClient* client) {
    RegWriteString(kKey, "InClient", client ? CString(client->GetGUID()) : CString());
}

void CInvoiceSet::SetFilterProject(CProject* project) {
    RegWriteString(kKey, "InProject", project ? CString(project->GetGUID()) : CString());
}

void CInvoiceSet::SetFilterDate(int months) {
    RegWriteInt(kKey, "InDate", months);
}

void CInvoiceSet::SetFilterPastDue(bool pastDue) {
    RegWriteBool(kKey, "InPastDue", pastDue);
}

void CInvoiceSet::ClearFilter() {
    for (const char* name : {"InProject", "InClient", "InDate", "InPastDue"})
        RegWriteString(kKey, name, "");
}

bool CInvoiceSet::IsFiltered() {
    const FilterValues v = ReadValues();
    return !v.project.IsEmpty() || !v.client.IsEmpty() || v.months >= 1 || v.pastDue;
}

CString CInvoiceSet::GetFilterText(CLogDoc* doc) {
    if (!IsFiltered())
        return CString();
    const FilterValues v = ReadValues();
    CString text;
    auto add = [&](const CString& part) { text += (text.IsEmpty() ? "" : ", ") + part; };
    if (CClient* client = doc && !v.client.IsEmpty() ? doc->FindClientByGUID(v.client) : nullptr)
        add(client->GetCompanyName());
    if (CProject* project = doc && !v.project.IsEmpty() ? doc->FindProjectByGUID(v.project, false) : nullptr)
        add(project->m_Name);
    if (v.months >= 1) {
        CString within;
        within.Format(v.months == 1 ? "Created within %i month" : "Created within %i months", v.months);
        add(within);
    }
    if (v.pastDue)
        add("Past due invoices");
    return text;
}

CString CInvoiceSet::BuildViewFilter(const CTime& now) {
    const FilterValues v = ReadValues();
    // Rows marked deleted (reserved numbers among them) are no invoices to show.
    CString filter = "([Deleted] IS NULL)";
    if (!v.project.IsEmpty())
        filter = SqlAnd(filter, SqlEquals("ProjectUID", v.project));
    if (!v.client.IsEmpty())
        filter = SqlAnd(filter, SqlEquals("ClientUID", v.client));
    if (v.months >= 1)
        filter = SqlAnd(filter, SqlAtOrAfter("Created", StartOfDay(MonthsBefore(now, v.months))));
    // An invoice paid in full is not past due, whatever its due date.
    if (v.pastDue)
        filter = SqlAnd(filter, "([DueDate] IS NOT NULL) AND " + SqlBefore("DueDate", StartOfDay(now)) +
                                    " AND " + SqlAfter("DueDate", FilterEpoch()) +
                                    " AND ([PaidInFull] = 0 OR [PaidInFull] IS NULL)");
    return filter;
}

bool CInvoiceSet::LargestNumber(CLogDoc* doc, long& largest) {
    largest = 0;
    return ForEachRow(doc, CString(), CString(), [&] {
        const long number = ParseLeadingInt(m_invoiceNum);
        if (number > largest)
            largest = number;
    });
}

bool CInvoiceSet::Reserve(CLogDoc* doc, const CString& guid, const CString& number) {
    if (!Query(SqlFalse()))
        return false;
    return RunReported(doc, [&] {
        const CTime now = CTime::GetCurrentTime();
        AddNew();
        m_guid = guid;
        m_created = m_modified = m_deleted = now;
        m_invoiceNum = number;
        Update();
        Close();
        return true;
    });
}

long CInvoiceSet::CountNumber(CLogDoc* doc, const CString& number) {
    long count = 0;
    if (!ForEachRow(doc, SqlEquals("InvoiceNum", number), CString(), [&] { ++count; }))
        return -1;
    return count;
}

bool CInvoiceSet::GetNextInvoiceNumber(CLogDoc* doc, CString& number, const CString& reserveFor) {
    number.Empty();
    if (!doc)
        return false;
    // An invoice that has a row already keeps it; its number is reserved beside it.
    const bool ownRow = !reserveFor.IsEmpty() && !AnyRow(SqlEquals("GUID", reserveFor));
    for (int attempt = 0; attempt < kReserveAttempts; ++attempt) {
        long largest = 0;
        if (!LargestNumber(doc, largest))
            return false;
        const CString candidate = LongToString((largest == 0 ? kFirstLargest : largest) + 1);
        const CString guid = ownRow ? reserveFor : NewGuidString();
        if (!Reserve(doc, guid, candidate))
            return false;
        // Another copy that reserved the same number meanwhile is seen now: a number is kept only
        // when no other row carries it at this moment.
        const long count = CountNumber(doc, candidate);
        if (count == 1) {
            number = candidate;
            return true;
        }
        DeleteByGUID(doc, guid);
        if (count < 0)
            return false;
        Pause();
    }
    CErrorList::Get().Add("Invoices", 0,
                          "No invoice number could be reserved: other users kept taking the same one.");
    return false;
}

bool CInvoiceSet::ReleaseInvoiceNumber(const CString& reservedFor) {
    if (reservedFor.IsEmpty() || !Query(SqlEquals("GUID", reservedFor) + " AND ([Deleted] IS NOT NULL)"))
        return false;
    return RunReported(this, [&] {
        for (; !IsEOF(); MoveNext())
            Delete();
        Close();
        return true;
    });
}
