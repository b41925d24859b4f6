// CLogDoc: the document file (version 11 written, 2 to 11 read), saving and closing.
//
// A document file is outside data: it may be damaged, cut short or written by a newer program. It is
// read into lists of its own first and taken over only when every field was read, so a refused file
// leaves the document empty and never half loaded. The file may also name one object twice (in two
// lists, or twice in one); each object gets exactly one owner, and objects only pointed at are kept in
// m_ArchiveOrphans, so nothing is freed twice or left pointing at freed memory.
#include "timelog/CLogDoc.h"

#include "data/CBill.h"
#include "framework/core/CArchive.h"
#include "framework/core/CFile.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CDocTemplate.h"
#include "framework/win/CWinApp.h"
#include "resource.h"
#include "timelog/ILogDocShell.h"

#include <set>

namespace {

constexpr DWORD kFileVersion = 11;
constexpr DWORD kOldestVersion = 2;

// The fields of a document file as read, before the document takes them.
struct FileContents {
    CProjectArray projects;
    CCategoryArray categories;
    CCategoryArray categories2;
    CObList legacy;
    CLogEntryArray oldLog;
    BYTE timing = 0;
    CTime timingStart{static_cast<__time64_t>(0)};
    CProjectTypeArray projectTypes;
    CViewFilter filter;
    CLogEntry current;
    CObject* placeholder = nullptr;
    CLogEntryArray quickPicks;
    CClientArray clients;
    CLogEntryArray log;
    bool hasFilter = false;
    bool hasCurrent = false;
};

// Gives every object read exactly one owner: the first list that holds it; a second place in a list is
// dropped. Objects that are only pointed at are collected as orphans.
class Ownership {
public:
    template <typename Array> void Claim(Array& list) {
        for (INT_PTR i = list.GetSize() - 1; i >= 0; --i)
            if (list.GetAt(i) == nullptr)
                list.RemoveAt(i);
        Array kept;
        for (INT_PTR i = 0; i < list.GetSize(); ++i)
            if (m_owned.insert(list.GetAt(i)).second)
                kept.Add(list.GetAt(i));
        list.RemoveAll();
        list.Append(kept);
    }
    void Claim(CObList& list) {
        CObList kept;
        while (!list.IsEmpty()) {
            CObject* pObject = list.RemoveHead();
            if (pObject != nullptr && m_owned.insert(pObject).second)
                kept.AddTail(pObject);
        }
        list.AddTail(&kept);
    }
    // An object pointed at that no list owns.
    void Reach(const CObject* pObject) {
        if (pObject != nullptr && m_owned.count(pObject) == 0 && m_orphans.insert(pObject).second)
            m_orphanList.push_back(const_cast<CObject*>(pObject));
    }
    void ReachFrom(const CLogEntry& entry) {
        Reach(entry.m_pProject);
        Reach(entry.m_pCategory);
        Reach(entry.m_pBill);
        Reach(entry.m_pSubsystem);
        Reach(entry.m_pClient);
    }
    void ReachFrom(const CProject& project) {
        Reach(project.m_pProjectType);
        Reach(project.m_pClient);
    }
    const std::vector<CObject*>& Orphans() const { return m_orphanList; }

private:
    std::set<const CObject*> m_owned;
    std::set<const CObject*> m_orphans;
    std::vector<CObject*> m_orphanList;
};

// Every object of the file's contents under one owner; the orphans come out in orphans.
void ClaimContents(FileContents& file, std::vector<CObject*>& orphans) {
    Ownership owners;
    owners.Claim(file.projects);
    owners.Claim(file.categories);
    owners.Claim(file.categories2);
    owners.Claim(file.projectTypes);
    owners.Claim(file.clients);
    owners.Claim(file.quickPicks);
    owners.Claim(file.log);
    owners.Claim(file.oldLog);
    owners.Claim(file.legacy);
    for (INT_PTR i = 0; i < file.projects.GetSize(); ++i)
        owners.ReachFrom(*file.projects.GetAt(i));
    for (const CLogEntryArray* entries : {&file.log, &file.oldLog, &file.quickPicks})
        for (INT_PTR i = 0; i < entries->GetSize(); ++i)
            owners.ReachFrom(*entries->GetAt(i));
    owners.ReachFrom(file.current);
    owners.Reach(file.filter.m_pProject);
    owners.Reach(file.filter.m_pProjectType);
    owners.Reach(file.placeholder);
    // Objects reached only through an orphan (a project's type or client) are orphans too.
    for (size_t i = 0; i < owners.Orphans().size(); ++i)
        if (const auto* pProject = dynamic_cast<const CProject*>(owners.Orphans()[i]))
            owners.ReachFrom(*pProject);
    orphans = owners.Orphans();
}

// Deletes everything a partly read file left behind.
void DiscardContents(FileContents& file) {
    std::vector<CObject*> orphans;
    ClaimContents(file, orphans);
    const auto deleteAll = [](auto& list) {
        for (INT_PTR i = 0; i < list.GetSize(); ++i)
            delete list.GetAt(i);
        list.RemoveAll();
    };
    // The filter and the current entry point at objects about to go.
    file.filter.m_pProject = nullptr;
    file.filter.m_pProjectType = nullptr;
    deleteAll(file.projects);
    deleteAll(file.categories);
    deleteAll(file.categories2);
    deleteAll(file.projectTypes);
    deleteAll(file.clients);
    deleteAll(file.quickPicks);
    deleteAll(file.log);
    deleteAll(file.oldLog);
    while (!file.legacy.IsEmpty())
        delete file.legacy.RemoveHead();
    for (CObject* pObject : orphans)
        delete pObject;
}

// A list written as the object arrays write themselves: a count, then each element as an object.
template <typename Array> void StoreList(CArchive& ar, const Array& list) {
    ar.WriteCount(static_cast<DWORD_PTR>(list.GetSize()));
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        ar.WriteObject(list.GetAt(i));
}

void StoreList(CArchive& ar, const CObList& list) {
    ar.WriteCount(static_cast<DWORD_PTR>(list.GetCount()));
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        ar.WriteObject(list.GetNext(pos));
}

// Reads such a list, each element of the array's class; a null element is left out.
template <typename T, typename Array> void LoadList(CArchive& ar, Array& list, const CRuntimeClass* pClass) {
    for (DWORD_PTR remaining = ar.ReadCount(); remaining > 0; --remaining) {
        CObject* pObject = ar.ReadObject(pClass);
        if (pObject != nullptr)
            list.Add(static_cast<T*>(pObject));
    }
}

void LoadList(CArchive& ar, CObList& list) {
    for (DWORD_PTR remaining = ar.ReadCount(); remaining > 0; --remaining) {
        CObject* pObject = ar.ReadObject(nullptr);
        if (pObject != nullptr)
            list.AddTail(pObject);
    }
}

CString FileNameOf(const CArchive& ar) {
    return ar.GetFile() != nullptr ? ar.GetFile()->GetFilePath() : CString();
}

void ReadFields(CArchive& ar, DWORD version, FileContents& file) {
    LoadList<CProject>(ar, file.projects, RUNTIME_CLASS(CProject));
    LoadList<CCategory>(ar, file.categories, RUNTIME_CLASS(CCategory));
    LoadList<CCategory>(ar, file.categories2, RUNTIME_CLASS(CCategory));
    if (version >= 4)
        LoadList(ar, file.legacy);
    for (DWORD_PTR remaining = ar.ReadCount(); remaining > 0; --remaining) {
        auto* pEntry = new CLogEntry;
        file.oldLog.Add(pEntry);
        pEntry->Serialize(ar);
    }
    ar >> file.timing;
    if (version >= 3)
        ar >> file.timingStart;
    if (version >= 5)
        LoadList<CProjectType>(ar, file.projectTypes, RUNTIME_CLASS(CProjectType));
    if (version >= 6) {
        file.filter.Serialize(ar);
        file.hasFilter = true;
    }
    if (version >= 7) {
        file.current.Serialize(ar);
        file.hasCurrent = true;
    }
    if (version >= 8)
        file.placeholder = ar.ReadObject(RUNTIME_CLASS(CProject));
    if (version >= 9)
        LoadList<CLogEntry>(ar, file.quickPicks, RUNTIME_CLASS(CLogEntry));
    if (version >= 10)
        LoadList<CClient>(ar, file.clients, RUNTIME_CLASS(CClient));
    if (version >= 11)
        LoadList<CLogEntry>(ar, file.log, RUNTIME_CLASS(CLogEntry));
}

} // namespace

// ---------------------------------------------------------------- the document file

void CLogDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        StoreDocumentFile(ar);
    else
        LoadDocumentFile(ar);
}

void CLogDoc::StoreDocumentFile(CArchive& ar) {
    ar << kFileVersion;
    StoreList(ar, m_Projects);
    StoreList(ar, m_Categories);
    ar.WriteCount(0); // the second category list is kept in the categories
    StoreList(ar, m_LegacyObjects);
    ar.WriteCount(0); // the log follows in its own list
    ar << static_cast<BYTE>(m_bTiming ? 1 : 0);
    ar << m_TimingStart;
    StoreList(ar, m_ProjectTypes);
    m_ViewFilter.Serialize(ar);
    m_CurrentEntry.Serialize(ar);
    const CProject placeholder;
    ar.WriteOwnedObject(&placeholder);
    StoreList(ar, m_QuickPicks);
    StoreList(ar, m_Clients);
    StoreList(ar, m_LogEntries);
}

void CLogDoc::LoadDocumentFile(CArchive& ar) {
    DWORD version = 0;
    ar >> version;
    if (version < kOldestVersion || version > kFileVersion)
        AfxThrowArchiveException(CArchiveException::badSchema, FileNameOf(ar));
    FileContents file;
    try {
        ReadFields(ar, version, file);
    } catch (CArchiveException* e) {
        DiscardContents(file);
        if (e->m_strFileName.IsEmpty())
            e->m_strFileName = FileNameOf(ar);
        throw;
    } catch (...) {
        DiscardContents(file);
        throw;
    }

    std::vector<CObject*> orphans;
    ClaimContents(file, orphans);
    for (CObject* pObject : orphans)
        m_ArchiveOrphans.Add(pObject);
    for (INT_PTR i = 0; i < file.projects.GetSize(); ++i)
        AddProject(file.projects.GetAt(i));
    for (INT_PTR i = 0; i < file.categories.GetSize(); ++i)
        AddCategory(file.categories.GetAt(i));
    for (INT_PTR i = 0; i < file.categories2.GetSize(); ++i)
        AddCategory(file.categories2.GetAt(i));
    while (!file.legacy.IsEmpty())
        m_LegacyObjects.AddTail(file.legacy.RemoveHead());
    for (INT_PTR i = 0; i < file.projectTypes.GetSize(); ++i)
        AddProjectType(file.projectTypes.GetAt(i));
    for (INT_PTR i = 0; i < file.quickPicks.GetSize(); ++i)
        AddQuickPick(file.quickPicks.GetAt(i));
    for (INT_PTR i = 0; i < file.clients.GetSize(); ++i)
        AddClient(file.clients.GetAt(i));
    m_bTiming = file.timing != 0;
    if (version >= 3)
        m_TimingStart = file.timingStart;
    if (file.hasFilter)
        m_ViewFilter.Copy(file.filter);
    if (file.hasCurrent)
        m_CurrentEntry = file.current;
    CProject* pNone = EnsureNoneProject();
    // The log: the list of version 11, else the old-style records.
    CLogEntryArray& log = version >= kFileVersion ? file.log : file.oldLog;
    for (INT_PTR i = 0; i < log.GetSize(); ++i)
        AddLogEntry(log.GetAt(i));
    log.RemoveAll();
    for (INT_PTR i = 0; i < m_LogEntries.GetSize(); ++i) {
        CLogEntry* pEntry = m_LogEntries.GetAt(i);
        if (pEntry->m_pProject == nullptr || IndexOfProject(pEntry->m_pProject) < 0) {
            pEntry->m_pProject = pNone;
            pEntry->SetModified(TRUE);
        }
    }
    // Entries of a version 11 file are never the old-style records (those were written empty).
    for (INT_PTR i = 0; i < file.oldLog.GetSize(); ++i)
        m_ArchiveOrphans.Add(file.oldLog.GetAt(i));
    file.oldLog.RemoveAll();
}

void CLogDoc::DeleteArchiveOrphans() {
    for (INT_PTR i = 0; i < m_ArchiveOrphans.GetSize(); ++i)
        delete m_ArchiveOrphans.GetAt(i);
    m_ArchiveOrphans.RemoveAll();
}

// ---------------------------------------------------------------- saving and closing

BOOL CLogDoc::OnSaveDocument(LPCSTR lpszPathName) {
    ILogDocShell* pShell = GetLogDocShell();
    if (pShell != nullptr && GetPathName().CompareNoCase(lpszPathName != nullptr ? lpszPathName : "") != 0) {
        pShell->ForgetLogDocument(this);
        pShell->MatchActiveLog(this, lpszPathName);
    }
    return CAcxAutoSaveDoc::OnSaveDocument(lpszPathName);
}

BOOL CLogDoc::DoSave(LPCSTR lpszPathName, BOOL bReplace) {
    CString newName = lpszPathName;
    if (newName.IsEmpty()) {
        newName = GetTitle();
        const int cut = newName.FindOneOf(" #%;/\\");
        if (cut >= 0)
            newName = newName.Left(cut);
        CString ext;
        if (GetDocTemplate() != nullptr && GetDocTemplate()->GetDocString(ext, CDocTemplate::filterExt) &&
            !ext.IsEmpty()) {
            const int semicolon = ext.Find(';');
            if (semicolon >= 0)
                ext = ext.Left(semicolon);
            newName += ext;
        }
        CWinApp* pApp = AfxGetApp();
        if (pApp == nullptr ||
            !pApp->DoPromptFileName(newName, bReplace ? AFX_IDS_SAVEFILE : AFX_IDS_SAVEFILECOPY,
                                    OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, GetDocTemplate()))
            return FALSE;
    }
    // The file is written beside the target and moved over it only when complete, so a failed save of
    // a new file leaves no partial file behind.
    return CAcxAutoSaveDoc::DoSave(newName, bReplace);
}

BOOL CLogDoc::SaveModified() {
    ILogDocShell* pShell = GetLogDocShell();
    if (pShell != nullptr && pShell->HasUnfinishedLogRow() &&
        AfxMessageBox(IDS_CLOSE_UNFINISHED_TASK, MB_YESNO | MB_ICONQUESTION) == IDNO)
        return FALSE;
    DoAutoSave(true);
    return TRUE;
}

void CLogDoc::OnCloseDocument() {
    ILogDocShell* pShell = GetLogDocShell();
    if (pShell != nullptr) {
        if (m_bTiming)
            pShell->ShowTrayTiming(false);
        pShell->ForgetLogDocument(this);
    }
    DoAutoSave(true);
    CAcxAutoSaveDoc::OnCloseDocument();
}
