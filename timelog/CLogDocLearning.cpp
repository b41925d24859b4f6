// CLogDoc: the first-run learning material — a project with example tasks that walk a new user through
// the program, and the first of them timed once to show the timer.
#include "timelog/CLogDoc.h"

#include "foundation/Registry.h"
#include "framework/win/CWaitCursor.h"
#include "resource.h"
#include "timelog/CLogHint.h"

#include <array>

namespace {

constexpr int kLearningTaskCount = 7;
constexpr long kFirstTaskSeconds = 3600;
constexpr long kOtherTaskSeconds = 900;

CString LoadText(UINT id) {
    CString text;
    text.LoadString(id);
    return text;
}

// Reads a "Prefs\" switch and sets it; whether it was already set.
bool TestAndSetPref(const char* name) {
    bool done = false;
    RegReadBool(REG_PREFS, name, &done);
    if (!done)
        RegWriteBool(REG_PREFS, name, true);
    return done;
}

} // namespace

bool CLogDoc::RunLearningSetup() {
    if (TestAndSetPref("Learning setup"))
        return false;
    bool objects = false;
    bool learning = false;
    m_DefaultSet.GetObjectsAndLearningFlags(this, &objects, &learning);
    if (learning)
        return false;
    m_DefaultSet.SetObjectsAndLearningFlags(this, objects, true);

    CWaitCursor wait;
    CProject* pProject =
        FindOrAddProject(LoadText(IDS_LEARNING_PROJECT), LoadText(IDS_LEARNING_PROJECT_DESC));
    auto* pSubsystem = new CSubsystem();
    pSubsystem->m_Name = LoadText(IDS_LEARNING_SUBSYSTEM);
    pSubsystem->m_pProject = pProject;
    pSubsystem->m_ProjectUID = pProject->GetGUID();
    AddSubsystem(pSubsystem);
    pProject->AddSubsystem(pSubsystem);
    CProjectType* pType = FindOrAddProjectType(IDS_PROJECT_TYPE_IN_HOUSE);
    CClient* pClient = FindOrAddClient(LoadText(IDS_CLIENT_MY_COMPANY), LoadText(IDS_MY_COMPANY_DESC));
    pClient->SetThisCompany();
    pProject->m_pProjectType = pType;
    pProject->m_pClient = pClient;
    if (CanWriteTables()) {
        m_SubsystemSet.SaveSubsystem(this, pSubsystem);
        SaveProject(pProject);
        m_ProjTypeSet.SaveProjectType(this, pType);
        SaveClient(pClient);
    }

    CCategory* pCategory = FindCategoryByName(LoadText(IDS_LEARNING_CATEGORY));
    for (int i = 0; i < kLearningTaskCount; ++i) {
        auto* pTask = new CTask();
        pTask->m_pDoc = this;
        pTask->m_Name = LoadText(IDS_LEARNING_TASK_FIRST + i);
        pTask->m_Description = LoadText(IDS_LEARNING_TASK_DESC_FIRST + i);
        pTask->SetProject(pProject);
        pTask->SetSubsystem(pSubsystem);
        pTask->SetCategory(pCategory);
        pTask->SetDuration(CTimeSpan(i == 0 ? kFirstTaskSeconds : kOtherTaskSeconds));
        AddProjectTask(pTask);
        SaveProjectTask(pTask);
    }
    SetModifiedFlag();
    DoAutoSave(true);
    RefreshTaskView();
    CLogHint hint;
    UpdateAllViews(nullptr, 0, &hint);
    return true;
}

bool CLogDoc::RunLearningTask() {
    bool done = false;
    RegReadBool(REG_PREFS, "Learning task", &done);
    if (done)
        return false;
    RegWriteBool(REG_PREFS, "Learning task", true);
    if (m_LogEntries.GetSize() > 0)
        return false;
    const CString firstName = LoadText(IDS_LEARNING_TASK_FIRST);
    for (INT_PTR i = 0; i < m_ProjectTasks.GetSize(); ++i) {
        CTask* pTask = m_ProjectTasks.GetAt(i);
        if (pTask->m_Name.CompareNoCase(firstName) == 0) {
            StartQuickTaskAt(pTask, CTime(static_cast<__time64_t>(0)));
            break;
        }
    }
    // The log is known to be empty: the first load of the idle poll has nothing to bring.
    m_bLogLoadPending = false;
    return true;
}
