#include "timelog/LogClock.h"

#include <optional>

namespace {
// Everything of the time log runs on the user-interface thread; tests set these before they act.
CTime g_fixedNow;
std::optional<DWORD> g_fixedTicks;
} // namespace

namespace LogClock {

CTime Now() {
    return g_fixedNow.GetTime() != 0 ? g_fixedNow : CTime::GetCurrentTime();
}

DWORD TickCount() {
    return g_fixedTicks ? *g_fixedTicks : ::GetTickCount();
}

void SetNowForTests(CTime time) {
    g_fixedNow = time;
}

void AdvanceForTests(long long seconds) {
    if (g_fixedNow.GetTime() != 0)
        g_fixedNow += CTimeSpan(seconds);
}

void SetTickCountForTests(DWORD ticks) {
    g_fixedTicks = ticks;
}

void ClearTickCountForTests() {
    g_fixedTicks.reset();
}

} // namespace LogClock
