// CExpenseSet: the expense view's filter, the expenses of an invoice and the accounting export.
#include "data/CExpenseSet.h"

#include "data/CExpense.h"
#include "data/CClient.h"
#include "data/CExpenseTrip.h"
#include "data/CProject.h"
#include "data/CUser.h"
#include "data/IExpenseExport.h"
#include "data/SqlFilter.h"
#include "data/TableSetSupport.h"
#include "foundation/Registry.h"
#include "resource.h"
#include "timelog/CLogDoc.h"

#include <memory>

namespace {

constexpr char kKey[] = REG_FILTER_PROJECT_TASKS;
constexpr long kSecondsPerDay = 86400;

struct DateRange {
    int code;
    int days;
    UINT title;
};
// The "ExDate" codes; any other non-zero code counts as the first.
constexpr DateRange kRanges[] = {{7, 30, IDS_DATES_LAST_30_DAYS},
                                 {8, 60, IDS_DATES_LAST_60_DAYS},
                                 {9, 90, IDS_DATES_LAST_90_DAYS},
                                 {10, 120, IDS_DATES_LAST_120_DAYS}};

struct FilterValues {
    CString project;
    CString trip;
    int code = 0;
};

FilterValues ReadValues() {
    FilterValues v;
    RegReadString(kKey, "ExProject", v.project);
    RegReadString(kKey, "ExTrip", v.trip);
    RegReadInt(kKey, "ExDate", &v.code);
    return v;
}

const DateRange& RangeOf(int code) {
    for (const DateRange& range : kRanges)
        if (range.code == code)
            return range;
    return kRanges[0];
}

// "(StartDate IS NOT NULL) AND (StartDate >= from's day) AND (StartDate > the epoch)".
CString DatedFrom(const CTime& from) {
    return "([StartDate] IS NOT NULL) AND " + SqlAtOrAfter("StartDate", StartOfDay(from)) + " AND " +
           SqlAfter("StartDate", FilterEpoch());
}

CString DatedBefore(const CTime& to) {
    return SqlBefore("StartDate", StartOfDay(to)) + " AND " + SqlAfter("StartDate", FilterEpoch());
}

} // namespace

void CExpenseSet::SetFilterProject(CProject* project) {
    RegWriteString(kKey, "ExProject", project ? CString(project->GetGUID()) : CString());
}

void CExpenseSet::SetFilterTrip(CExpenseTrip* trip) {
    RegWriteString(kKey, "ExTrip", trip ? CString(trip->GetGUID()) : CString());
}

void CExpenseSet::SetFilterDate(int code) {
    RegWriteInt(kKey, "ExDate", code);
}

void CExpenseSet::ClearFilter() {
    RegWriteString(kKey, "ExProject", "");
    RegWriteString(kKey, "ExTrip", "");
    RegWriteInt(kKey, "ExDate", 0);
}

bool CExpenseSet::IsFiltered() {
    const FilterValues v = ReadValues();
    return !v.project.IsEmpty() || !v.trip.IsEmpty() || v.code != 0;
}

CString CExpenseSet::GetFilterText(CLogDoc* doc) {
    if (!IsFiltered())
        return CString();
    const FilterValues v = ReadValues();
    CString text;
    auto add = [&](const CString& part) { text += (text.IsEmpty() ? "" : ", ") + part; };
    if (const CProject* p = doc && !v.project.IsEmpty() ? doc->FindProjectByGUID(v.project, false) : nullptr)
        add(p->m_Name);
    if (const CExpenseTrip* t = doc && !v.trip.IsEmpty() ? doc->FindExpenseTripByGUID(v.trip) : nullptr)
        add(t->m_Name);
    if (v.code != 0)
        add(CString(MAKEINTRESOURCE(RangeOf(v.code).title)));
    return text;
}

CString CExpenseSet::BuildViewFilter(CLogDoc* doc) {
    CString filter;
    if (CUser* user = doc ? doc->GetCurrentUser() : nullptr)
        filter = SqlEquals("UserUID", user->GetGUID());
    const FilterValues v = ReadValues();
    if (!v.project.IsEmpty())
        filter = SqlAnd(filter, SqlEquals("ProjectUID", v.project));
    if (!v.trip.IsEmpty())
        filter = SqlAnd(filter, SqlEquals("TripID", v.trip));
    if (v.code != 0)
        filter = SqlAnd(
            filter, DatedFrom(CTime::GetCurrentTime() - CTimeSpan(RangeOf(v.code).days * kSecondsPerDay)));
    return filter;
}

bool CExpenseSet::FilterForInvoice(CClient* client, CProject* project, const CTime& from, const CTime& to,
                                   CObArray& out, CLogDoc* doc) {
    if (!doc)
        return false;
    CString filter;
    if (client)
        filter = SqlAnd(filter, SqlEquals("ClientUID", client->GetGUID()));
    if (project && !project->IsNoneProject())
        filter = SqlAnd(filter, SqlEquals("ProjectUID", project->GetGUID()));
    if (from.GetTime() != 0)
        filter = SqlAnd(filter, DatedFrom(from));
    if (to.GetTime() != 0)
        filter = SqlAnd(filter, DatedBefore(to));
    return ForEachRow(doc, filter, "[StartDate] ASC", [&] {
        auto expense = std::make_unique<CExpense>();
        RowToObject(*expense, doc);
        out.Add(expense.release());
    });
}

bool CExpenseSet::ExportExpenses(CLogDoc* doc, IExpenseExportSection* section,
                                 IExportExpenseOptions* options) {
    if (!doc || !section || !options)
        return false;
    CString filter;
    if (const CString project = options->GetProjectGUID(); !project.IsEmpty())
        filter = SqlEquals("ProjectUID", project);
    if (options->HasDateRange())
        filter = SqlAnd(filter, SqlAtOrAfter("StartDate", StartOfDay(options->GetRangeStart())) + " AND " +
                                    SqlBefore("StartDate", StartOfNextDay(options->GetRangeEnd())));
    if (options->UnbilledOnly())
        filter = SqlAnd(filter, "([Billed] = 0 OR [Billed] IS NULL)");
    if (!Query(filter, "[StartDate] ASC"))
        return false;
    const bool markAsBilled = options->MarkAsBilled();
    return RunAndClose([&] {
        for (; !IsEOF(); MoveNext()) {
            CExpense expense;
            RowToObject(expense, doc);
            // Only an expense that reached the file counts as billed.
            if (!options->IncludesExpense(&expense) || !section->AddExpense(&expense) || !markAsBilled)
                continue;
            Edit();
            m_billed = 1;
            Update();
        }
    });
}
