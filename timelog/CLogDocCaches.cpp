// CLogDoc: the two cache files beside the program, "Time cache.bmk" (entries still to be written to
// the database) and "QuickBooks cache.bmk" (entries still to be logged to QuickBooks).
#include "timelog/CLogDoc.h"

#include "foundation/SharedHelpers.h"
#include "framework/core/CArchive.h"
#include "framework/core/CArchiveException.h"
#include "framework/core/CFile.h"
#include "framework/core/CFileException.h"
#include "timelog/CacheFile.h"
#include "timelog/ILogDocFrame.h"
#include "timelog/ILogView.h"

#include <set>

namespace {

constexpr DWORD kTimeCacheVersion = 3;
constexpr DWORD kOldTimeCacheVersion = 2;
constexpr DWORD kQuickBooksCacheVersion = 2;

CString ProgramFile(const char* name) {
    CString folder;
    GetProgramFolder(folder);
    return folder + name;
}

// The objects that entries read from the time cache point at are copies made by the archive, owned by
// nobody. Each is replaced by the document's object of the same GUID; one the document does not have
// is added to it, so nothing the entry referred to is lost.
class CachedObjectResolver {
public:
    explicit CachedObjectResolver(CLogDoc& doc) : m_doc(doc) {}
    CachedObjectResolver(const CachedObjectResolver&) = delete;
    CachedObjectResolver& operator=(const CachedObjectResolver&) = delete;
    ~CachedObjectResolver() {
        for (CObject* pCopy : m_unused)
            delete pCopy;
    }

    void Resolve(CLogEntry& entry) {
        entry.m_pProject = Project(entry.m_pProject);
        entry.m_pCategory = Own(entry.m_pCategory, m_doc.FindCategoryByGUID(GuidOf(entry.m_pCategory)),
                                [this](CCategory* p) { m_doc.AddCategory(p); });
        entry.m_pSubsystem = Own(entry.m_pSubsystem, m_doc.FindSubsystemByGUID(GuidOf(entry.m_pSubsystem)),
                                 [this](CSubsystem* p) { m_doc.AddSubsystem(p); });
        entry.m_pClient = Client(entry.m_pClient);
    }

private:
    template <typename T> static CString GuidOf(T* pObject) {
        return pObject != nullptr ? CString(pObject->GetGUID()) : CString();
    }

    CProject* Project(CProject* pCopy) {
        if (pCopy == nullptr || m_kept.count(pCopy) != 0)
            return pCopy;
        CProject* pOwn = m_doc.FindProjectByGUID(GuidOf(pCopy), false);
        CProject* pResult = Own(pCopy, pOwn, [this](CProject* p) {
            m_doc.AddProject(p);
            m_doc.SortProjects();
        });
        if (pResult == pCopy) {
            pCopy->m_pClient = Client(pCopy->m_pClient);
            pCopy->m_pProjectType =
                Own(pCopy->m_pProjectType, m_doc.FindProjectTypeByGUID(GuidOf(pCopy->m_pProjectType)),
                    [this](CProjectType* p) { m_doc.AddProjectType(p); });
        } else {
            // The copy's own references are copies too: they go unless something else keeps them.
            Forget(pCopy->m_pClient);
            Forget(pCopy->m_pProjectType);
        }
        return pResult;
    }

    CClient* Client(CClient* pCopy) {
        return Own(pCopy, m_doc.FindClientByGUID(GuidOf(pCopy)), [this](CClient* p) { m_doc.AddClient(p); });
    }

    // pOwn when the document has the object (the copy is dropped), else the copy joins the document.
    template <typename T, typename Add> T* Own(T* pCopy, T* pOwn, Add add) {
        if (pCopy == nullptr || m_kept.count(pCopy) != 0 || pCopy == pOwn)
            return pCopy;
        if (pOwn != nullptr) {
            m_unused.insert(pCopy);
            return pOwn;
        }
        m_unused.erase(pCopy);
        m_kept.insert(pCopy);
        add(pCopy);
        return pCopy;
    }

    void Forget(CObject* pCopy) {
        if (pCopy != nullptr && m_kept.count(pCopy) == 0)
            m_unused.insert(pCopy);
    }

    CLogDoc& m_doc;
    std::set<CObject*> m_kept;
    std::set<CObject*> m_unused;
};

// Reads one cached entry object; a missing or repeated object means the file is damaged.
std::unique_ptr<CLogEntry> ReadEntryObject(CArchive& ar,
                                           const std::vector<std::unique_ptr<CLogEntry>>& read) {
    CObject* pObject = ar.ReadObject(RUNTIME_CLASS(CLogEntry));
    auto* pEntry = dynamic_cast<CLogEntry*>(pObject);
    for (const auto& pKnown : read)
        if (pKnown.get() == pEntry)
            pEntry = nullptr;
    if (pEntry == nullptr)
        AfxThrowArchiveException(CArchiveException::badIndex, ar.GetFile()->GetFilePath());
    return std::unique_ptr<CLogEntry>(pEntry);
}

} // namespace

CString CLogDoc::GetTimeCachePath() {
    return ProgramFile("Time cache.bmk");
}

CString CLogDoc::GetQuickBooksCachePath() {
    return ProgramFile("QuickBooks cache.bmk");
}

// ---------------------------------------------------------------- time cache

void CLogDoc::SerializeTimeCache(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kTimeCacheVersion;
        ar.WriteCount(m_TimeCacheEntries.GetSize());
        for (INT_PTR i = 0; i < m_TimeCacheEntries.GetSize(); ++i)
            ar.WriteObject(m_TimeCacheEntries.GetAt(i));
        return;
    }
    DWORD version = 0;
    ar >> version;
    if (version != kTimeCacheVersion && version != kOldTimeCacheVersion)
        AfxThrowArchiveException(CArchiveException::badSchema, ar.GetFile()->GetFilePath());
    // Everything is read before anything is taken: a damaged file changes nothing.
    std::vector<std::unique_ptr<CLogEntry>> read;
    const DWORD_PTR count = ar.ReadCount();
    for (DWORD_PTR i = 0; i < count; ++i) {
        if (version == kTimeCacheVersion) {
            read.push_back(ReadEntryObject(ar, read));
        } else {
            read.push_back(std::make_unique<CLogEntry>());
            read.back()->Serialize(ar);
        }
    }
    m_TimeCacheEntries.RemoveAll();
    m_TimeCacheRead.clear();
    for (auto& pEntry : read) {
        pEntry->m_Pending = 1;
        m_TimeCacheEntries.Add(pEntry.get());
        m_TimeCacheRead.push_back(std::move(pEntry));
    }
}

bool CLogDoc::SaveTimeCache() {
    if (m_bTimeCacheRefused)
        return false;
    return StoreCacheFile(GetTimeCachePath(), [this](CArchive& ar) { SerializeTimeCache(ar); });
}

bool CLogDoc::LoadTimeCache() {
    const CString path = GetTimeCachePath();
    if (!FileExists(path)) {
        m_TimeCacheEntries.RemoveAll();
        m_TimeCacheRead.clear();
        return true;
    }
    if (LoadCacheFile(path, [this](CArchive& ar) { SerializeTimeCache(ar); }))
        return true;
    m_bTimeCacheRefused = true;
    return false;
}

void CLogDoc::PrepareTimeCache() {
    if (!m_bTimeCacheMerged)
        return;
    m_TimeCacheEntries.RemoveAll();
    for (INT_PTR i = 0; i < m_LogEntries.GetSize(); ++i) {
        CLogEntry* pEntry = m_LogEntries.GetAt(i);
        if (pEntry != nullptr && pEntry->m_Pending != 0)
            m_TimeCacheEntries.Add(pEntry);
    }
    SaveTimeCache();
}

void CLogDoc::MergeTimeCache() {
    if (m_bTimeCacheMerged)
        return;
    m_bTimeCacheMerged = true;
    // The pending entries the log already holds stay: a cached copy with the same GUID updates them, and
    // one the cache does not have is not lost.
    if (!LoadTimeCache())
        return;
    CachedObjectResolver resolver(*this);
    for (auto& pCached : m_TimeCacheRead) {
        resolver.Resolve(*pCached);
        CLogEntry* pTarget = FindLogEntryByGUIDNoCase(pCached->GetGUID());
        if (pTarget != nullptr) {
            *pTarget = *pCached;
            pTarget->m_Pending = 1;
        } else {
            pTarget = pCached.release();
            AddLogEntry(pTarget);
        }
    }
    const bool any = !m_TimeCacheRead.empty();
    m_TimeCacheRead.clear();
    // The list now names log entries only.
    m_TimeCacheEntries.RemoveAll();
    for (INT_PTR i = 0; i < m_LogEntries.GetSize(); ++i)
        if (CLogEntry* pEntry = m_LogEntries.GetAt(i); pEntry != nullptr && pEntry->m_Pending != 0)
            m_TimeCacheEntries.Add(pEntry);
    if (any)
        RefreshTimesheetView();
}

void CLogDoc::FlushCachedEntry() {
    if (!CanWriteTables())
        return;
    for (INT_PTR i = 0; i < m_LogEntries.GetSize(); ++i) {
        CLogEntry* pEntry = m_LogEntries.GetAt(i);
        if (pEntry == nullptr || pEntry->m_Pending == 0)
            continue;
        const bool suppressed = GetErrorSuppression();
        SetErrorSuppression(true);
        const bool written = m_TaskSet.SaveEntry(this, pEntry);
        SetErrorSuppression(suppressed);
        if (written) {
            pEntry->m_Pending = 0;
            PrepareTimeCache();
            if (ILogView* pView = GetLogView())
                pView->RefreshEntryRow(pEntry);
            SaveNow();
        }
        return;
    }
}

// ---------------------------------------------------------------- QuickBooks cache

void CLogDoc::SerializeQuickBooksCache(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kQuickBooksCacheVersion;
        ar.WriteCount(m_QBQueue.GetSize());
        for (INT_PTR i = 0; i < m_QBQueue.GetSize(); ++i)
            ar << m_QBQueue.GetAt(i);
        return;
    }
    DWORD version = 0;
    ar >> version;
    if (version != kQuickBooksCacheVersion)
        AfxThrowArchiveException(CArchiveException::badSchema, ar.GetFile()->GetFilePath());
    std::vector<CString> read;
    const DWORD_PTR count = ar.ReadCount();
    for (DWORD_PTR i = 0; i < count; ++i) {
        CString guid;
        ar >> guid;
        read.push_back(guid);
    }
    m_QBQueue.RemoveAll();
    for (const CString& guid : read) {
        m_QBQueue.Add(guid);
        if (CLogEntry* pEntry = FindLogEntryByGUIDNoCase(guid))
            pEntry->m_Mark1 = 1;
    }
}

bool CLogDoc::SaveQuickBooksCache() {
    if (m_bQBCacheRefused)
        return false;
    return StoreCacheFile(GetQuickBooksCachePath(), [this](CArchive& ar) { SerializeQuickBooksCache(ar); });
}

bool CLogDoc::LoadQuickBooksCache() {
    const CString path = GetQuickBooksCachePath();
    if (!FileExists(path)) {
        m_QBQueue.RemoveAll();
        return true;
    }
    if (LoadCacheFile(path, [this](CArchive& ar) { SerializeQuickBooksCache(ar); }))
        return true;
    m_bQBCacheRefused = true;
    return false;
}
