// CTask: estimates, percent complete, costs and the finish date.
#include "projecttasks/CTask.h"

#include "data/CCategory.h"
#include "data/CProject.h"
#include "data/CUser.h"
#include "foundation/LocaleFormat.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kSecondsPerHour = 3600.0;
constexpr double kHoursPerDay = 8.0;
constexpr double kDaySpanHours = 9.0;   // eight hours of work and a lunch hour
constexpr double kLunchFromHours = 4.0; // a shorter day has a lunch hour from this many hours on
constexpr int kWorkStartHour = 8;
constexpr int kLastLayoutYear = 2037;
// Bounds the layout of absurd estimates (several centuries of work days).
constexpr int kMaxLayoutDays = 100000;

enum : int { kSunday = 1, kSaturday = 7 };

CTimeSpan Seconds(double hours) {
    return CTimeSpan(static_cast<LONGLONG>(std::llround(hours * kSecondsPerHour)));
}

// The points of a layout of hours of work from start: each working day's start and end.
std::vector<CTime> LayOutWork(CTime day, double hours) {
    std::vector<CTime> points;
    for (int n = 0; n < kMaxLayoutDays; ++n) {
        if (day.GetDayOfWeek() == kSaturday)
            AddDaysToTime(day, 1);
        if (day.GetDayOfWeek() == kSunday)
            AddDaysToTime(day, 1);
        points.push_back(day);
        const double taken = hours > kHoursPerDay ? kHoursPerDay : hours;
        const double span =
            hours > kHoursPerDay ? kDaySpanHours : (hours >= kLunchFromHours ? hours + 1.0 : hours);
        const CTime end = day + Seconds(span);
        if (end.GetYear() > kLastLayoutYear || end.GetYear() == 0)
            break;
        points.push_back(end);
        hours -= taken;
        AddDaysToTime(day, 1);
        if (!(hours > 0.0))
            break;
    }
    return points;
}

} // namespace

void CTask::UpdatePercentComplete() {
    if (m_Completed && !m_Summary) {
        m_PercentComplete = 100;
        m_RemainingDuration = CTimeSpan(0);
        return;
    }
    m_PercentComplete = 0;
    const double duration = static_cast<double>(m_Duration.GetTimeSpan());
    if (duration != 0.0 && m_ActualWork.GetTimeSpan() != 0)
        m_PercentComplete = static_cast<int>(
            (duration - static_cast<double>(m_RemainingDuration.GetTimeSpan())) * 100.0 / duration + 0.5);
}

void CTask::SetDuration(CTimeSpan s) {
    m_Duration = std::max(s, m_ActualWork);
    const CTimeSpan remaining = m_Duration - m_ActualWork;
    m_RemainingDuration = remaining.GetTimeSpan() > 0 ? remaining : CTimeSpan(0);
    UpdatePercentComplete();
    m_FinishStale = 1;
    GetFinishDate();
    UpdateCosts();
}

void CTask::SetActualWork(CTimeSpan s) {
    m_ActualWork = s;
    m_Duration = std::max(m_Duration, s);
    const CTimeSpan remaining = m_Duration - s;
    m_RemainingDuration = remaining.GetTimeSpan() > 0 ? remaining : CTimeSpan(0);
    UpdatePercentComplete();
    m_FinishStale = 1;
    GetFinishDate();
    UpdateCosts();
}

void CTask::GetRates(double& clientRate, double& salaryRate) {
    clientRate = salaryRate = 0.0;
    CProject* pProject = GetProject();
    const int basis = pProject != nullptr ? pProject->m_BillingType : 0;
    if (basis == 1) {
        if (const CUser* pOwner = GetOwner()) {
            clientRate = pOwner->m_BillingRate;
            salaryRate = pOwner->m_HourlyRate;
        }
    } else if (basis == 2) {
        clientRate = pProject->m_BillingRate;
        salaryRate = pProject->m_SalaryRate;
    } else if (const CCategory* pCategory = GetCategory()) {
        clientRate = pCategory->m_Rate;
        salaryRate = pCategory->m_HourlyRate;
    }
}

void CTask::UpdateCosts() {
    if (m_Summary)
        return;
    double clientRate = 0.0;
    double salaryRate = 0.0;
    GetRates(clientRate, salaryRate);
    const LONGLONG seconds = m_Duration.GetTimeSpan();
    const double hours = seconds < 1 ? 0.0 : static_cast<double>(seconds) / kSecondsPerHour;
    m_CostSalary = hours * salaryRate;
    m_CostClient = m_Billable ? hours * clientRate : 0.0;
    m_CostSalaryRemain = std::max(0.0, m_CostSalary - m_CostSalaryActual);
    m_CostClientRemain = std::max(0.0, m_CostClient - m_CostClientActual);
}

CTime CTask::GetWorkStart() const {
    CTime start = m_StartDate;
    struct tm local {};
    if (start.GetTime() == 0 || start.GetLocalTm(&local) == nullptr) {
        const CTime now = CTime::GetCurrentTime();
        start = CTime(now.GetYear(), now.GetMonth(), now.GetDay(), kWorkStartHour, 0, 0);
    } else if (local.tm_hour == 0 && local.tm_min == 0 && local.tm_sec == 0) {
        start = CTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, kWorkStartHour, 0, 0);
    }
    if (start.GetDayOfWeek() == kSaturday)
        AddDaysToTime(start, 1);
    if (start.GetDayOfWeek() == kSunday)
        AddDaysToTime(start, 1);
    return start;
}

CTime CTask::GetFinishDate() {
    if (m_Summary || !m_FinishStale)
        return m_FinishDate;
    const std::vector<CTime> points =
        LayOutWork(GetWorkStart(), static_cast<double>(m_Duration.GetTimeSpan()) / kSecondsPerHour);
    if (points.size() >= 2 && points.size() % 2 == 0) {
        m_FinishDate = points.back();
        m_FinishStale = 0;
    }
    return m_FinishDate;
}
