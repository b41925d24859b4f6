// One recently used pair of project and category, offered in the recent-tasks menu. Its values live in
// the registry under "Recent tasks\Task N\" by its number N in the list.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"

class CCategory;
class CLogDoc;
class CProject;

class CRecentTask : public CObject {
    DECLARE_DYNAMIC(CRecentTask)
public:
    CRecentTask(CLogDoc* pDoc, CProject* pProject, CCategory* pCategory);

    // "project, category" (an absent object gives an empty name).
    void BuildText();
    // Numbers the item and points it at its key, "Recent tasks\Task N\".
    void SetNumber(int number);
    // Reads the project and category (by name, through the document), the last use (now when absent) and
    // the count from its key.
    void Load();
    // Writes the names (empty for an absent object), the last use (now when null) and the count.
    void Save() const;

    CLogDoc* m_pDoc;
    CProject* m_pProject;
    CCategory* m_pCategory;
    CTime m_LastUsed;
    int m_TimesUsed = 0;
    int m_Number = -1; // 1-based position; -1 until numbered
    CString m_KeyPath;
    CString m_Text;
    UINT m_CommandId = 0; // the menu command last given to it
};
