// The short list of recently used pairs of project and category that the document keeps per user (in
// the registry under "Recent tasks\") and offers in a menu: stopping a timer records its pair here, and
// choosing a menu item starts a timer on that pair. At most 10 items, the most used first; items not
// used for 30 days, and those whose project or category is gone, drop out when the list is loaded.
#pragma once

#include "framework/core/CObArray.h"
#include "framework/core/CObject.h"
#include "timelog/CLogEntry.h"
#include "timelog/CRecentTask.h"

class CCmdUI;

class CRecentTaskList : public CObject {
    DECLARE_DYNAMIC(CRecentTaskList)
public:
    static constexpr int kMaxTasks = 10;
    static constexpr long kMaxAgeSeconds = 2592000; // 30 days

    CRecentTaskList() = default;
    ~CRecentTaskList() override;
    CRecentTaskList(const CRecentTaskList&) = delete;
    CRecentTaskList& operator=(const CRecentTaskList&) = delete;

    void SetDocument(CLogDoc* pDoc) { m_pDoc = pDoc; }
    CLogDoc* GetDocument() const { return m_pDoc; }
    int GetCount() const { return static_cast<int>(m_Tasks.GetSize()); }
    CRecentTask* GetAt(int index) const;

    // Reads the items, drops the stale and the unresolved ones (saving when any went), sorts.
    void Load();
    // A stopped entry with both project and category: its item (made when new) is used now once more;
    // sorted, cut to 10 items, saved.
    void RecordUse(const CLogEntry& entry);
    // By count, the largest first; equal counts keep their order. Then numbered 1..n.
    void Sort();
    // With a document: the item keys 1 to 10 are replaced by the items.
    void Save() const;

    // The update handler of the first recent-task command: the items replace the commands firstId ..
    // firstId + 9 at the placeholder's position ("&1 " .. "&0 " before each text, "&" doubled), disabled
    // while timing or when asked. Without items the placeholder is disabled and, for the document whose
    // menu it is, reads "<No recently used tasks>".
    void UpdateMenu(CCmdUI* pCmdUI, bool disable, bool ownDocument);
    // The item the menu gave the command, or nullptr.
    CRecentTask* FindByCommand(UINT commandId) const;
    // With a document and nothing timed: the template entry (no description, started now, the item's
    // project and category) is timed. False when nothing was started for want of a document, an item or
    // because a timer runs.
    bool StartFromCommand(UINT commandId);

    // The in-use checks and replacements of projects and categories.
    bool RefersToProject(const CProject* pProject) const;
    bool RefersToCategory(const CCategory* pCategory) const;
    void ReplaceProject(const CProject* pOld, CProject* pNew);
    void ReplaceCategory(const CCategory* pOld, CCategory* pNew);

    // The entry a recent item starts timing with.
    CLogEntry m_Template;

private:
    void RemoveAt(int index);

    CLogDoc* m_pDoc = nullptr;
    CObArray m_Tasks; // CRecentTask, owned
};

// The menu text of an item: "&" + k modulo 10 + " " + the text with every "&" doubled.
CString RecentTaskLabel(int k, const CString& text);
