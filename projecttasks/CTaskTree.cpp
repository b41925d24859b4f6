// CTask: its place in the project-task outline: parent, order, roll-up into a summary, collapsed mark.
#include "projecttasks/CTask.h"

#include "data/CProject.h"
#include "data/CSubsystem.h"
#include "foundation/Registry.h"

namespace {

// A chain of parents longer than this is a loop.
constexpr int kMaxDepth = 10000;

template <typename T> int Order(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

CTime Earliest(CTime a, CTime b) {
    if (a.GetTime() == 0)
        return b;
    if (b.GetTime() == 0)
        return a;
    return b < a ? b : a;
}

CTime Latest(CTime a, CTime b) {
    return b > a ? b : a;
}

} // namespace

void CTask::SetParent(CTask* pParent) {
    m_pParent = pParent;
    m_ParentGUID = pParent != nullptr ? pParent->GetGUID() : CString();
}

CTask* CTask::GetTopmostAncestor() const {
    CTask* pTop = m_pParent;
    for (int depth = 0; pTop != nullptr && pTop->m_pParent != nullptr && depth < kMaxDepth; ++depth)
        pTop = pTop->m_pParent;
    return pTop;
}

int CTask::Compare(CTask& other, UINT columnId, bool ascending, bool byOutline) {
    if (byOutline) {
        CProject* pMine = GetProject();
        CProject* pTheirs = other.GetProject();
        const CString mine = pMine != nullptr ? pMine->m_Name : CString();
        const CString theirs = pTheirs != nullptr ? pTheirs->m_Name : CString();
        if (const int byProject = mine.CompareNoCase(theirs); byProject != 0)
            return byProject < 0 ? -1 : 1;
        CSubsystem* pMySub = GetSubsystem();
        CSubsystem* pTheirSub = other.GetSubsystem();
        const int bySubsystem =
            Order(pMySub != nullptr ? pMySub->m_Order : -1, pTheirSub != nullptr ? pTheirSub->m_Order : -1);
        if (bySubsystem != 0)
            return bySubsystem;
    }
    int result = 0;
    switch (columnId) {
    case kColumnStartDate:
        result = Order(m_StartDate.GetTime(), other.m_StartDate.GetTime());
        break;
    case kColumnUsers:
        result = GetUsersDisplay().CompareNoCase(other.GetUsersDisplay());
        break;
    default:
        result = m_Name.CompareNoCase(other.m_Name);
        break;
    }
    result = result < 0 ? -1 : (result > 0 ? 1 : 0);
    return ascending ? result : -result;
}

void CTask::RollUpChild(CTask& child) {
    m_Duration += child.m_Duration;
    m_ActualWork += child.m_ActualWork;
    if (!child.m_Completed)
        m_RemainingDuration += child.m_RemainingDuration;
    m_CostSalary += child.m_CostSalary;
    m_CostClient += child.m_CostClient;
    m_CostSalaryActual += child.m_CostSalaryActual;
    m_CostClientActual += child.m_CostClientActual;
    m_CostSalaryRemain += child.m_CostSalaryRemain;
    m_CostClientRemain += child.m_CostClientRemain;
    m_StartDate = Earliest(m_StartDate, child.m_StartDate);
    m_FinishDate = Latest(m_FinishDate, child.GetFinishDate());
    m_DueDate = Latest(m_DueDate, child.m_DueDate);
    m_CompletedDate = Latest(m_CompletedDate, child.m_CompletedDate);
    if (!child.m_Completed)
        m_Completed = 0;
    UpdatePercentComplete();
}

bool CTask::ReadCollapsedMark() {
    CSubsystem* pSubsystem = GetSubsystem();
    CProject* pProject = pSubsystem == nullptr ? GetProject() : nullptr;
    CString name;
    if (pSubsystem != nullptr)
        name = pSubsystem->GetGUID();
    else if (pProject != nullptr)
        name = pProject->GetGUID();
    bool collapsed = false;
    if (!name.IsEmpty())
        RegReadBool(REG_ROOT "Task View\\Collapsed\\", name, &collapsed);
    return collapsed;
}
