// CLogDoc: logging entries to QuickBooks as they are completed, changed or removed, and the queue of the
// entries whose logging failed.
#include "timelog/CLogDoc.h"

#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"
#include "resource.h"
#include "timelog/ILogDocFrame.h"
#include "timelog/ILogView.h"
#include "timelog/IQuickBooksFiles.h"

namespace {

IQuickBooksFiles* g_pFiles = nullptr;

struct QuickBooksSettings {
    bool logging = false;
    CString listFile;
    CString timeFile;
    bool noExport = false;

    static QuickBooksSettings Read() {
        QuickBooksSettings settings;
        RegReadBool(REG_QUICKBOOKS, "Log to QuickBooks", &settings.logging);
        RegReadString(REG_QUICKBOOKS, "List file", settings.listFile);
        RegReadString(REG_QUICKBOOKS, "Time file", settings.timeFile);
        RegReadBool(REG_QUICKBOOKS, "No Export", &settings.noExport);
        return settings;
    }
};

CString SystemMessage(DWORD error) {
    char* pText = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&pText), 0, nullptr);
    CString text = length != 0 && pText != nullptr ? CString(pText, static_cast<int>(length)) : CString();
    if (pText != nullptr)
        ::LocalFree(pText);
    text.TrimRight();
    return text;
}

int FindNoCase(const CStringArray& items, const CString& text) {
    for (INT_PTR i = 0; i < items.GetSize(); ++i)
        if (items.GetAt(i).CompareNoCase(text) == 0)
            return static_cast<int>(i);
    return -1;
}

} // namespace

IQuickBooksFiles* GetQuickBooksFiles() {
    return g_pFiles;
}

void SetQuickBooksFiles(IQuickBooksFiles* pFiles) {
    g_pFiles = pFiles;
}

void CLogDoc::OpenQuickBooksListFile() {
    const QuickBooksSettings settings = QuickBooksSettings::Read();
    if (!settings.logging || settings.listFile.IsEmpty())
        return;
    ::SetLastError(ERROR_FILE_NOT_FOUND); // what is missing when nothing can read IIF files
    if (g_pFiles != nullptr && g_pFiles->LoadListFile(settings.listFile, *this))
        return;
    const DWORD error = ::GetLastError();
    CString message;
    AfxFormatString2(message, IDS_QB_LIST_FILE_OPEN_FAILED, settings.listFile, SystemMessage(error));
    AddErrorText(IDS_QB_LIST_FILE_ERROR, static_cast<long>(error), message);
}

bool CLogDoc::CheckQuickBooksFiles(CString& timePath) {
    const QuickBooksSettings settings = QuickBooksSettings::Read();
    timePath = settings.timeFile;
    if (!settings.logging || settings.listFile.IsEmpty())
        return false;
    if (settings.timeFile.IsEmpty() && !settings.noExport)
        return false;
    if (settings.timeFile.CompareNoCase(settings.listFile) == 0 || !FileExists(settings.listFile))
        return false;
    if (m_bReopenQBFile) {
        m_bReopenQBFile = false;
        OpenQuickBooksListFile();
    }
    const auto isOpen = [] { return g_pFiles != nullptr && g_pFiles->IsListFileOpen(); };
    if (!isOpen())
        OpenQuickBooksListFile();
    if (!isOpen())
        return false;
    if (!settings.noExport && !FileExists(settings.timeFile))
        g_pFiles->CreateTimeFile(settings.timeFile);
    return true;
}

bool CLogDoc::WriteEntryToQuickBooks(CLogEntry* pEntry, bool remove, int value) {
    CString timePath;
    if (pEntry == nullptr || !CheckQuickBooksFiles(timePath) || timePath.IsEmpty())
        return false;
    if (remove)
        return g_pFiles->RemoveTimeActivity(timePath, pEntry->GetGUID());
    return g_pFiles->AddTimeActivity(timePath, *pEntry, value);
}

bool CLogDoc::QueueEntryForQuickBooks(CLogEntry* pEntry, bool remove, int value) {
    if (pEntry == nullptr)
        return false;
    const QuickBooksSettings settings = QuickBooksSettings::Read();
    if (!settings.logging || settings.noExport)
        return true;
    if (WriteEntryToQuickBooks(pEntry, remove, value))
        return true;
    pEntry->m_Mark1 = 1;
    pEntry->m_Mark2 = remove ? 1 : 0;
    pEntry->m_Mark3 = static_cast<BYTE>(value);
    const CString guid = pEntry->GetGUID();
    if (guid.IsEmpty())
        return false;
    if (FindNoCase(m_QBQueue, guid) < 0)
        m_QBQueue.Add(guid);
    SaveQuickBooksCache();
    return false;
}

void CLogDoc::DequeueEntry(CLogEntry* pEntry) {
    if (pEntry == nullptr)
        return;
    const int index = FindNoCase(m_QBQueue, pEntry->m_GUID);
    if (index < 0)
        return;
    m_QBQueue.RemoveAt(index);
    SaveQuickBooksCache();
}

bool CLogDoc::RetryQuickBooksQueue() {
    for (INT_PTR i = 0; i < m_QBQueue.GetSize(); ++i) {
        CLogEntry* pEntry = FindLogEntryByGUIDNoCase(m_QBQueue.GetAt(i));
        if (pEntry == nullptr || pEntry->m_Mark1 == 0)
            continue;
        if (!WriteEntryToQuickBooks(pEntry, pEntry->m_Mark2 != 0, pEntry->m_Mark3))
            return false;
        pEntry->m_Mark1 = 0;
        pEntry->m_Mark2 = 0;
        pEntry->m_Mark3 = 0;
        DequeueEntry(pEntry);
        if (ILogView* pView = GetLogView())
            pView->RefreshEntryRow(pEntry);
        SaveNow();
        return true;
    }
    return false;
}
