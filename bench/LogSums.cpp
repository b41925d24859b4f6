// Measures the logged-time sums as the Quick Info pages ask for them: the seven day sums and the total
// of the last week over a log of 100,000 entries (a few a day for several years, the newest last), for
// every entry and for one project. Next to it, in the same run, the reference: one plain pass adding up
// the durations of all entries.
//
//   bench_LogSums.exe [entries]
#include "timelog/CLogDoc.h"
#include "timelog/LogClock.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The best of a few runs, in milliseconds.
template <typename Work> double BestMs(Work work) {
    double best = 1e9;
    for (int run = 0; run < 7; ++run) {
        const double start = Now();
        work();
        best = std::min(best, (Now() - start) * 1000.0);
    }
    return best;
}

volatile long long g_sink = 0; // keeps the results alive

} // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    CLogEntry::SetRoundingSettings(CRoundingSettings{true, 900, 450, false, false});
    CLogDoc doc;
    CProject* projects[8] = {};
    for (int i = 0; i < 8; ++i) {
        CString name;
        name.Format("Project %c", 'A' + i);
        projects[i] = new CProject(name, 0.0);
        doc.AddProject(projects[i]);
    }
    // Four entries a working day, 1 to 3 hours each, ending today.
    const CTime today = CTime(2026, 12, 11, 0, 0, 0);
    const int days = count / 4 + 1;
    CTime day = CLogDoc::AddDaysToTime(today, -days);
    for (int i = 0; i < count; ++i) {
        if (i % 4 == 0)
            day = CLogDoc::AddDaysToTime(day, 1);
        auto* entry = new CLogEntry;
        entry->m_StartTime = day + CTimeSpan(8 * 3600 + (i % 4) * 7200);
        entry->m_EndTime = entry->m_StartTime + CTimeSpan(3600 + (i * 37) % 7200);
        entry->m_Duration = entry->m_EndTime - entry->m_StartTime;
        entry->m_pProject = projects[i % 8];
        doc.AddLogEntry(entry);
    }
    LogClock::SetNowForTests(today + CTimeSpan(12 * 3600));
    const CTime weekStart = CLogDoc::AddDaysToTime(today, -6);

    const auto week = [&](const CLogDoc::LoggedTimeSelection& selection) {
        long long total = 0;
        for (int d = 0; d < 7; ++d) {
            const CTime from = CLogDoc::AddDaysToTime(weekStart, d);
            total += doc.SumLoggedTime(from, CLogDoc::AddDaysToTime(from, 1), selection).GetTotalSeconds();
        }
        total +=
            doc.SumLoggedTime(weekStart, CLogDoc::AddDaysToTime(weekStart, 7), selection).GetTotalSeconds();
        g_sink = g_sink + total;
    };
    const double all = BestMs([&] { week({}); });
    const double one = BestMs([&] { week({.pProject = projects[3]}); });
    const double reference = BestMs([&] {
        long long total = 0;
        for (int i = 0; i < doc.GetLogEntryCount(); ++i)
            total += doc.GetLogEntryAt(i)->m_Duration.GetTotalSeconds();
        g_sink = g_sink + total;
    });
    std::printf("log of %d entries\n", count);
    std::printf("week: 7 day sums + week total, all entries:  %8.3f ms (target < 10 ms)\n", all);
    std::printf("week: 7 day sums + week total, one project:  %8.3f ms\n", one);
    std::printf("reference: one pass over every duration:     %8.3f ms\n", reference);
    LogClock::SetNowForTests(CTime());
    return 0;
}
