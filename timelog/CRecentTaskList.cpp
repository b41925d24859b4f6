#include "timelog/CRecentTaskList.h"

#include "foundation/Registry.h"
#include "framework/win/CCmdUI.h"
#include "framework/win/CMenu.h"
#include "resource.h"
#include "timelog/CLogDoc.h"
#include "timelog/LogClock.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CRecentTaskList, CObject)

CString RecentTaskLabel(int k, const CString& text) {
    CString label;
    label.Format("&%d ", k % 10);
    for (int i = 0; i < text.GetLength(); ++i) {
        const char c = text[i];
        label += c;
        if (::IsDBCSLeadByte(static_cast<BYTE>(c)) && i + 1 < text.GetLength())
            label += text[++i]; // a double-byte character is copied whole
        else if (c == '&')
            label += '&';
    }
    return label;
}

CRecentTaskList::~CRecentTaskList() {
    for (INT_PTR i = 0; i < m_Tasks.GetSize(); ++i)
        delete m_Tasks.GetAt(i);
}

CRecentTask* CRecentTaskList::GetAt(int index) const {
    return index >= 0 && index < GetCount() ? static_cast<CRecentTask*>(m_Tasks.GetAt(index)) : nullptr;
}

void CRecentTaskList::RemoveAt(int index) {
    delete m_Tasks.GetAt(index);
    m_Tasks.RemoveAt(index);
}

void CRecentTaskList::Load() {
    while (GetCount() > 0)
        RemoveAt(GetCount() - 1);
    int count = 0;
    RegReadInt(REG_RECENT_TASKS, "Num tasks", &count);
    // Only ten items are ever saved: a larger count is damage and is not followed.
    count = std::clamp(count, 0, kMaxTasks);
    for (int n = 1; n <= count; ++n) {
        auto* pTask = new CRecentTask(m_pDoc, nullptr, nullptr);
        pTask->SetNumber(n);
        pTask->Load();
        m_Tasks.Add(pTask);
    }
    const CTime oldest = LogClock::Now() - CTimeSpan(kMaxAgeSeconds);
    bool dropped = false;
    for (int i = GetCount() - 1; i >= 0; --i) {
        if (GetAt(i)->m_LastUsed < oldest) {
            RemoveAt(i);
            dropped = true;
        }
    }
    for (int i = GetCount() - 1; i >= 0; --i) {
        if (GetAt(i)->m_pProject == nullptr || GetAt(i)->m_pCategory == nullptr) {
            RemoveAt(i);
            dropped = true;
        }
    }
    Sort();
    if (dropped)
        Save();
}

void CRecentTaskList::Sort() {
    std::vector<CRecentTask*> order;
    for (int i = 0; i < GetCount(); ++i)
        order.push_back(GetAt(i));
    std::stable_sort(order.begin(), order.end(), [](const CRecentTask* a, const CRecentTask* b) {
        return a->m_TimesUsed > b->m_TimesUsed;
    });
    for (int i = 0; i < GetCount(); ++i) {
        m_Tasks.SetAt(i, order[static_cast<size_t>(i)]);
        order[static_cast<size_t>(i)]->SetNumber(i + 1);
    }
}

void CRecentTaskList::RecordUse(const CLogEntry& entry) {
    if (entry.m_pProject == nullptr || entry.m_pCategory == nullptr)
        return;
    CRecentTask* pTask = nullptr;
    for (int i = 0; i < GetCount() && pTask == nullptr; ++i)
        if (GetAt(i)->m_pProject == entry.m_pProject && GetAt(i)->m_pCategory == entry.m_pCategory)
            pTask = GetAt(i);
    if (pTask == nullptr) {
        pTask = new CRecentTask(m_pDoc, entry.m_pProject, entry.m_pCategory);
        pTask->SetNumber(GetCount() + 1);
        m_Tasks.Add(pTask);
    }
    pTask->m_LastUsed = LogClock::Now();
    ++pTask->m_TimesUsed;
    pTask->BuildText();
    Sort();
    // The least used items go; never the one just used, which would otherwise lose every tie with them
    // and a new pair could not enter a full list.
    for (int i = GetCount() - 1; GetCount() > kMaxTasks && i >= 0; --i)
        if (GetAt(i) != pTask)
            RemoveAt(i);
    for (int i = 0; i < GetCount(); ++i)
        GetAt(i)->SetNumber(i + 1);
    Save();
}

void CRecentTaskList::Save() const {
    if (m_pDoc == nullptr)
        return;
    for (int n = 1; n <= kMaxTasks; ++n) {
        CString key;
        key.Format(REG_RECENT_TASKS "Task %d", n);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, RegResolveKeyPath(key));
        ::RegDeleteKeyA(HKEY_CURRENT_USER, RegResolveKeyPath(key));
    }
    RegWriteInt(REG_RECENT_TASKS, "Num tasks", GetCount());
    for (int i = 0; i < GetCount(); ++i)
        GetAt(i)->Save();
}

void CRecentTaskList::UpdateMenu(CCmdUI* pCmdUI, bool disable, bool ownDocument) {
    CMenu* pMenu = pCmdUI->m_pMenu;
    if (pMenu == nullptr)
        return;
    if (m_pDoc == nullptr || GetCount() == 0) {
        pCmdUI->Enable(FALSE);
        if (ownDocument)
            pCmdUI->SetText(CString(MAKEINTRESOURCE(IDS_NO_RECENT_TASKS)));
        return;
    }
    const bool grayed = disable || m_pDoc->IsTiming();
    const UINT firstId = pCmdUI->m_nID;
    for (UINT id = firstId; id < firstId + kMaxTasks; ++id)
        pMenu->DeleteMenu(id, MF_BYCOMMAND);
    UINT position = pCmdUI->m_nIndex;
    for (int k = 1; k <= GetCount(); ++k) {
        CRecentTask* pTask = GetAt(k - 1);
        pTask->m_CommandId = firstId + static_cast<UINT>(k) - 1;
        pMenu->InsertMenu(position++, MF_BYPOSITION | MF_STRING | (grayed ? MF_GRAYED : MF_ENABLED),
                          pTask->m_CommandId, RecentTaskLabel(k, pTask->m_Text));
    }
    // The menu update goes on after the items inserted here.
    pCmdUI->m_nIndex = position - 1;
    pCmdUI->m_nIndexMax = static_cast<UINT>(pMenu->GetMenuItemCount());
    pCmdUI->m_bEnableChanged = TRUE;
}

CRecentTask* CRecentTaskList::FindByCommand(UINT commandId) const {
    for (int i = 0; i < GetCount(); ++i)
        if (GetAt(i)->m_CommandId == commandId)
            return GetAt(i);
    return nullptr;
}

bool CRecentTaskList::StartFromCommand(UINT commandId) {
    if (m_pDoc == nullptr || m_pDoc->IsTiming())
        return false;
    const CRecentTask* pTask = FindByCommand(commandId);
    if (pTask == nullptr)
        return false;
    m_Template.m_Desc.Empty();
    m_Template.SetStartTime(LogClock::Now());
    m_Template.m_pProject = pTask->m_pProject;
    m_Template.m_pCategory = pTask->m_pCategory;
    m_pDoc->StartTiming(&m_Template);
    return true;
}

bool CRecentTaskList::RefersToProject(const CProject* pProject) const {
    for (int i = 0; i < GetCount(); ++i)
        if (GetAt(i)->m_pProject == pProject)
            return true;
    return false;
}

bool CRecentTaskList::RefersToCategory(const CCategory* pCategory) const {
    for (int i = 0; i < GetCount(); ++i)
        if (GetAt(i)->m_pCategory == pCategory)
            return true;
    return false;
}

void CRecentTaskList::ReplaceProject(const CProject* pOld, CProject* pNew) {
    for (int i = 0; i < GetCount(); ++i) {
        if (GetAt(i)->m_pProject == pOld) {
            GetAt(i)->m_pProject = pNew;
            GetAt(i)->BuildText();
        }
    }
}

void CRecentTaskList::ReplaceCategory(const CCategory* pOld, CCategory* pNew) {
    for (int i = 0; i < GetCount(); ++i) {
        if (GetAt(i)->m_pCategory == pOld) {
            GetAt(i)->m_pCategory = pNew;
            GetAt(i)->BuildText();
        }
    }
}
