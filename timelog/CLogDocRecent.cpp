// CLogDoc: the recent tasks, the pairs of project and category last stopped.
#include "timelog/CLogDoc.h"

void CLogDoc::LoadRecentTasks() {
    m_RecentTasks.SetDocument(this);
    m_RecentTasks.Load();
}

void CLogDoc::RecordRecentTask(const CLogEntry& entry) {
    m_RecentTasks.RecordUse(entry);
}

void CLogDoc::OnUpdateRecentTask(CCmdUI* pCmdUI) {
    m_RecentTasks.UpdateMenu(pCmdUI, false, m_RecentTasks.GetDocument() == this);
}
