// CLogDoc: the recent tasks, the pairs of project and category last stopped.
#include "timelog/CLogDoc.h"

#include "framework/win/CCmdUI.h"
#include "timelog/ILogDocShell.h"

void CLogDoc::LoadRecentTasks() {
    m_RecentTasks.SetDocument(this);
    m_RecentTasks.Load();
}

void CLogDoc::RecordRecentTask(const CLogEntry& entry) {
    m_RecentTasks.RecordUse(entry);
}

bool CLogDoc::IsActiveLogDocument() const {
    const ILogDocShell* pShell = GetLogDocShell();
    return pShell != nullptr && pShell->IsActiveLogDocument(this);
}

void CLogDoc::OnUpdateRecentTask(CCmdUI* pCmdUI) {
    if (!IsActiveLogDocument()) {
        pCmdUI->ContinueRouting();
        return;
    }
    m_RecentTasks.UpdateMenu(pCmdUI, false, m_RecentTasks.GetDocument() == this);
}

BOOL CLogDoc::OnRecentTask(UINT id) {
    if (!IsActiveLogDocument())
        return FALSE;
    m_RecentTasks.StartFromCommand(id);
    return TRUE;
}
