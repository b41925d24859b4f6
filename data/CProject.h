// A project: the named unit of work that time entries, expenses, project tasks and subsystems belong
// to. Carries its billing, salary and mileage rates and its link to a plan (a Microsoft Project file or
// a project server database). Kept by the time-log document in its project list (sorted by name) and
// GUID map; stored in [Projects] and inside the archives of log entries and view filters.
#pragma once

#include "data/CSubsystem.h"
#include "framework/core/CObject.h"
#include "framework/core/CObArray.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"
#include "framework/core/CTypedPtrArray.h"

#include <commctrl.h>

class CClient;
class CComboBoxEx;
class CLogDoc;
class CProjectType;
class CTreeCtrl;

class CProject;
using CProjectArray = CTypedPtrArray<CObArray, CProject*>;

class CProject : public CObject {
    DECLARE_SERIAL(CProject)
public:
    CProject();
    // value: the archive value (every caller passes 0.0).
    CProject(const char* name, double value);
    // Copies every field, the GUID and the subsystem list (shared objects) included; the copy is not
    // dirty, not open and has no refresh state.
    CProject(const CProject& other);
    CProject& operator=(const CProject& other);
    ~CProject() override = default;

    // The identity, made on first request.
    const CString& GetGUID();
    CString GetGUID() const { return m_GUID; }
    // Stores the flag in Dirty; a set flag also stamps Modified with now.
    void SetModified(BOOL modified);
    // Named "<None>" (any letter case): the placeholder project of entries without a project.
    BOOL IsNoneProject() const;

    // ---- subsystems (not owned; in outline order) ----
    int GetSubsystemCount() const { return static_cast<int>(m_Subsystems.GetSize()); }
    CSubsystem* GetSubsystemAt(int index) const;
    // First subsystem of that name (ignoring case); nullptr when none.
    CSubsystem* FindSubsystem(const char* name) const;
    void AddSubsystem(CSubsystem* pSubsystem);
    // Position in the list; -1 when absent.
    int IndexOfSubsystem(const CSubsystem* pSubsystem) const;
    // First subsystem with that plan task id; nullptr when none.
    CSubsystem* FindSubsystemByTaskID(int taskId) const;
    // First subsystem with that parent (nullptr: top level) and name (ignoring case).
    CSubsystem* FindChildSubsystem(const CSubsystem* pParent, const char* name) const;
    // Inserts at index (below 0 counts as 0, past the end appends) and links it to this project.
    void InsertSubsystem(int index, CSubsystem* pSubsystem);
    // Takes the subsystem out of the list; the object survives.
    void RemoveSubsystem(CSubsystem* pSubsystem);
    // Takes the subsystem and all its descendants out of the list.
    void RemoveSubsystemTree(CSubsystem* pSubsystem);
    // Appends the children of pParent (nullptr: the top level) in list order, with their descendants
    // depth first when recursive.
    void GetChildSubsystems(const CSubsystem* pParent, CSubsystemArray& children, bool recursive) const;
    // Appends the subsystem and then its descendants, depth first.
    void GetSubsystemTree(CSubsystem* pSubsystem, CSubsystemArray& tree) const;
    // Nearest subsystem before (after) it in the list with the same parent; nullptr when none.
    CSubsystem* GetPrevSibling(const CSubsystem* pSubsystem) const;
    CSubsystem* GetNextSibling(const CSubsystem* pSubsystem) const;
    bool HasParent(const CSubsystem* pSubsystem) const {
        return pSubsystem != nullptr && pSubsystem->m_pParent;
    }
    // Walking back, the first subsystem one level higher; nullptr at a higher level or the start.
    CSubsystem* GetPrevAtLevel(const CSubsystem* pSubsystem) const;
    // Makes the subsystem a child of its previous sibling (nothing without one); renumbers.
    void IndentSubsystem(CSubsystem* pSubsystem);
    // Gives the subsystem its parent's parent; the siblings after it become its children; renumbers.
    void OutdentSubsystem(CSubsystem* pSubsystem);
    bool CanMoveSubsystemUp(const CSubsystem* pSubsystem) const {
        return GetPrevSibling(pSubsystem) != nullptr;
    }
    bool CanMoveSubsystemDown(const CSubsystem* pSubsystem) const {
        return GetNextSibling(pSubsystem) != nullptr;
    }
    // Moves the subsystem with its subtree in front of its previous sibling; renumbers.
    void MoveSubsystemUp(CSubsystem* pSubsystem);
    // Moves the next sibling up; renumbers.
    void MoveSubsystemDown(CSubsystem* pSubsystem);
    void MarkAllSubsystemsChanged();
    // The subsystems other than pSubsystem that are not below it.
    void GetOtherSubsystems(const CSubsystem* pSubsystem, CSubsystemArray& others) const;
    // Numbers the tree depth first from 1 (children in list order) into each Order; marks them changed.
    void RenumberSubsystems();
    bool HasChildSubsystem(const CSubsystem* pParent) const;

    // ---- display ----
    // With withProject the project as a bold root item and its subsystem tree below it, else the tree at
    // the top level; inactive subsystems (and their subtrees) only with includeInactive or when inactive
    // subsystems are shown. The item selected before is selected again.
    void FillTree(CTreeCtrl& tree, bool withProject, bool includeInactive, HTREEITEM* pProjectItem,
                  bool expand);
    // The subsystems depth first, each name indented by four blanks per level.
    void FillSubsystemCombo(CComboBoxEx& combo);
    // One line per subsystem, depth first, "\n" between lines: path, tab, name, tab, indented name.
    CString GetSubsystemOutline() const;
    // A copy with a new GUID and the name "<name> - copy", added to the document (sorted, saved) with a
    // copy of the subsystem tree and, with copyTasks, of the project tasks of the project and of each
    // subsystem; the copy, or nullptr without a document.
    CProject* Duplicate(CLogDoc* pDoc, bool copyTasks);

    // Schema word 10: Name, ArchiveValue, ProjectType, Description, Active, Client, GUID, Created,
    // Modified, MSProjectFile, Timesheet; reads 1 to 10 and refuses others with badSchema.
    void Serialize(CArchive& ar) override;

    CTime m_Created;
    CTime m_Modified;
    CClient* m_pClient = nullptr; // not owned
    CString m_Name;
    CString m_GUID;
    CString m_Description;
    double m_ArchiveValue = 0.0;
    CProjectType* m_pProjectType = nullptr; // not owned
    BYTE m_Active = 1;
    BYTE m_Visible = 1; // the current user may see the project; set by the document
    BYTE m_Dirty = 0;
    CString m_MSProjectFile;
    BYTE m_Timesheet = 0;
    CSubsystemArray m_Subsystems; // not owned
    double m_MileageRate = 0.0;
    int m_Integrate = 0; // 0 none, 1 Microsoft Project file, 2 project server database
    CString m_PSServer;
    CString m_PSDatabase;
    CString m_PSDbo;
    CString m_PSUser;
    CString m_PSPassword; // plain in memory
    int m_PSUniqueID = 0;
    BYTE m_PSWindowNTAuth = 1;
    BYTE m_FileOpen = 0;
    BYTE m_DeferUpdate = 0;
    CTime m_LastUpdate{static_cast<__time64_t>(0)};
    int m_BillingType = 0; // rates from 0 the category, 1 the user, 2 this project
    double m_BillingRate = 100.0;
    double m_SalaryRate = 100.0;
    int m_RefreshState = 0;
    // The document's placeholder project of entries without a project.
    BYTE m_Placeholder = 0;

private:
    // Whether a subsystem (and so its subtree) shows: active, or inactive ones shown.
    static bool Shows(const CSubsystem* pSubsystem, bool includeInactive);
    void AddTreeItems(CTreeCtrl& tree, HTREEITEM hParent, const CSubsystem* pParent, bool includeInactive,
                      bool expand) const;
    void AddComboItems(CComboBoxEx& combo, const CSubsystem* pParent, int level) const;
    void AddOutlineLines(CString& text, const CSubsystem* pParent, int level) const;
    void Renumber(const CSubsystem* pParent, int& next);
    void CopySubsystemTree(CLogDoc* pDoc, CProject* pCopy, const CSubsystem* pOldParent,
                           CSubsystem* pNewParent, bool copyTasks) const;
};

// Empties the box; optionally "<All>" first (no item data); then every project of the list that is
// active (or any with inactive projects shown), visible and not the "<None>" project.
void FillProjectCombo(CComboBoxEx& combo, const CProjectArray& projects, bool withAll);
