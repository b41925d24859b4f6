#include "framework/win/CDocument.h"

#include "framework/core/CArchive.h"
#include "framework/core/CArchiveException.h"
#include "framework/core/CFile.h"
#include "framework/core/CFileException.h"
#include "framework/core/CUserException.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CDocTemplate.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CMDIChildWnd.h"
#include "framework/win/CView.h"
#include "framework/win/CWaitCursor.h"
#include "framework/win/CWinApp.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
ON_COMMAND(ID_FILE_SAVE, OnFileSave)
ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

namespace {

CString FullPath(LPCSTR lpszPathName) {
    char buffer[MAX_PATH * 2] = {};
    const DWORD length = ::GetFullPathNameA(lpszPathName, sizeof buffer, buffer, nullptr);
    if (length == 0 || length >= sizeof buffer)
        return CString(lpszPathName);
    return CString(buffer);
}

// The file name of a path, with its extension.
CString FileNameOf(const CString& path) {
    const int slash = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    return path.Mid(slash + 1);
}

CString FolderOf(const CString& path) {
    const int slash = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    return slash < 0 ? CString(".") : path.Left(slash);
}

// A new empty file in a folder, deleted on every way out unless it was moved into place.
class TempFile {
public:
    explicit TempFile(const CString& folder) {
        char name[MAX_PATH] = {};
        if (::GetTempFileNameA(folder, "sav", 0, name) != 0)
            m_path = name;
        else
            m_error = static_cast<LONG>(::GetLastError());
    }
    ~TempFile() {
        if (!m_path.IsEmpty())
            ::DeleteFileA(m_path);
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool IsValid() const { return !m_path.IsEmpty(); }
    // Why the file could not be made.
    LONG Error() const { return m_error; }
    const CString& Path() const { return m_path; }
    // Moves the file over target; afterwards there is nothing left to delete.
    bool MoveOver(LPCSTR target) {
        if (!::MoveFileExA(m_path, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return false;
        m_path.Empty();
        return true;
    }

private:
    CString m_path;
    LONG m_error = 0;
};

// The frame a view counts for: a frame nested as a child inside another frame (a view host in a pane
// of the main frame) is part of that frame; MDI child frames are frames of their own.
CFrameWnd* DocumentFrameOf(const CView* pView) {
    CFrameWnd* pFrame = pView->GetParentFrame();
    while (pFrame != nullptr && (pFrame->GetStyle() & WS_CHILD) != 0 &&
           dynamic_cast<CMDIChildWnd*>(pFrame) == nullptr) {
        CFrameWnd* pOuter = pFrame->GetParentFrame();
        if (pOuter == nullptr)
            break;
        pFrame = pOuter;
    }
    return pFrame;
}

// The distinct frames that show the views of a document, in view order.
std::vector<CFrameWnd*> FramesOf(const CDocument& doc) {
    std::vector<CFrameWnd*> frames;
    POSITION pos = doc.GetFirstViewPosition();
    while (pos != nullptr) {
        CView* pView = doc.GetNextView(pos);
        CFrameWnd* pFrame = DocumentFrameOf(pView);
        if (pFrame != nullptr && std::find(frames.begin(), frames.end(), pFrame) == frames.end())
            frames.push_back(pFrame);
    }
    return frames;
}

} // namespace

CDocument::~CDocument() {
    // Views that outlive their document must not call back into it.
    while (!m_viewList.IsEmpty()) {
        auto* pView = static_cast<CView*>(m_viewList.RemoveHead());
        pView->m_pDocument = nullptr;
    }
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}

// ---------------------------------------------------------------------------------------------------
// Title, path, changes

void CDocument::SetTitle(LPCSTR lpszTitle) {
    m_strTitle = lpszTitle;
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU) {
    m_strPathName = FullPath(lpszPathName);
    SetTitle(FileNameOf(m_strPathName));
    if (bAddToMRU) {
        if (CWinApp* pApp = AfxGetApp())
            pApp->AddToRecentFileList(m_strPathName);
    }
}

BOOL CDocument::IsModified() {
    return m_bModified;
}

void CDocument::SetModifiedFlag(BOOL bModified) {
    m_bModified = bModified;
}

// ---------------------------------------------------------------------------------------------------
// Views

void CDocument::AddView(CView* pView) {
    if (pView == nullptr || pView->m_pDocument == this)
        return;
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView) {
    if (pView == nullptr || pView->m_pDocument != this)
        return;
    if (POSITION pos = m_viewList.Find(pView))
        m_viewList.RemoveAt(pos);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

POSITION CDocument::GetFirstViewPosition() const {
    return m_viewList.GetHeadPosition();
}

CView* CDocument::GetNextView(POSITION& rPosition) const {
    return static_cast<CView*>(const_cast<CPtrList&>(m_viewList).GetNext(rPosition));
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint) {
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr) {
        CView* pView = GetNextView(pos);
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::OnChangedViewList() {
    if (m_viewList.IsEmpty() && m_bAutoDelete) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateFrameCounts() {
    const std::vector<CFrameWnd*> frames = FramesOf(*this);
    int nWindow = frames.size() > 1 ? 1 : 0;
    for (CFrameWnd* pFrame : frames) {
        pFrame->m_nWindow = nWindow;
        if (nWindow != 0)
            ++nWindow;
        pFrame->OnUpdateFrameTitle(TRUE);
    }
}

// ---------------------------------------------------------------------------------------------------
// Life cycle

void CDocument::DeleteContents() {}

void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

CFile* CDocument::GetFile(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
    auto pFile = std::make_unique<CFile>();
    if (!pFile->Open(lpszFileName, nOpenFlags, pError))
        return nullptr;
    return pFile.release();
}

void CDocument::ReleaseFile(CFile* pFile, BOOL bAbort) {
    if (pFile == nullptr)
        return;
    if (bAbort) {
        pFile->Abort();
    } else {
        try {
            pFile->Close();
        } catch (CException*) {
            delete pFile;
            throw;
        }
    }
    delete pFile;
}

BOOL CDocument::OnOpenDocument(LPCSTR lpszPathName) {
    CFileException fe;
    CFile* pFile = GetFile(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe);
    if (pFile == nullptr) {
        ReportSaveLoadException(lpszPathName, &fe, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag(); // until the whole file was read
    try {
        CArchive loadArchive(pFile, CArchive::load | CArchive::bNoFlushOnDelete);
        loadArchive.m_pDocument = this;
        BeginWaitCursor();
        if (pFile->GetLength() != 0)
            Serialize(loadArchive);
        loadArchive.Close();
        EndWaitCursor();
    } catch (CException* e) {
        EndWaitCursor();
        ReleaseFile(pFile, TRUE);
        DeleteContents();
        ReportSaveLoadException(lpszPathName, e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        e->Delete();
        return FALSE;
    }
    try {
        ReleaseFile(pFile, FALSE);
    } catch (CException* e) {
        e->Delete(); // everything was read; a failing close of a file opened for reading changes nothing
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCSTR lpszPathName) {
    if (!StoreReplacingFile(lpszPathName, 4096, TRUE))
        return FALSE;
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::StoreReplacingFile(LPCSTR lpszPathName, int nBufSize, BOOL bReport) {
    // The temporary file is in the same folder, so the final move stays on one volume.
    const CString target = FullPath(lpszPathName);
    const auto report = [&](CException* e, UINT nIDPDefault) {
        if (bReport)
            ReportSaveLoadException(lpszPathName, e, TRUE, nIDPDefault);
    };
    TempFile temp(FolderOf(target));
    if (!temp.IsValid()) {
        CFileException fe(CFileException::OsErrorToException(temp.Error()), temp.Error(), lpszPathName);
        report(&fe, AFX_IDP_INVALID_FILENAME);
        return FALSE;
    }
    CFileException fe;
    CFile* pFile =
        GetFile(temp.Path(), CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &fe);
    if (pFile == nullptr) {
        report(&fe, AFX_IDP_INVALID_FILENAME);
        return FALSE;
    }
    try {
        // Only a save the user asked for shows the hourglass; it is gone before any report.
        std::optional<CWaitCursor> wait;
        if (bReport)
            wait.emplace();
        CArchive saveArchive(pFile, CArchive::store | CArchive::bNoFlushOnDelete, nBufSize);
        saveArchive.m_pDocument = this;
        Serialize(saveArchive);
        saveArchive.Close();
        pFile->Flush(); // on disk before it replaces the good copy
    } catch (CException* e) {
        ReleaseFile(pFile, TRUE);
        report(e, AFX_IDP_FAILED_TO_SAVE_DOC);
        e->Delete();
        return FALSE;
    }
    try {
        ReleaseFile(pFile, FALSE); // deletes the file object even when closing fails
    } catch (CException* e) {
        report(e, AFX_IDP_FAILED_TO_SAVE_DOC);
        e->Delete();
        return FALSE;
    }
    if (!temp.MoveOver(target)) {
        const LONG error = static_cast<LONG>(::GetLastError());
        CFileException moveError(CFileException::OsErrorToException(error), error, lpszPathName);
        report(&moveError, AFX_IDP_FAILED_TO_SAVE_DOC);
        return FALSE;
    }
    return TRUE;
}

void CDocument::ReportSaveLoadException(LPCSTR lpszPathName, CException* e, BOOL, UINT nIDPDefault) {
    // A user exception was explained when it was thrown.
    if (e != nullptr && e->IsKindOf(RUNTIME_CLASS(CUserException)))
        return;
    CString prompt;
    if (e != nullptr &&
        (e->IsKindOf(RUNTIME_CLASS(CFileException)) || e->IsKindOf(RUNTIME_CLASS(CArchiveException)))) {
        char text[512] = {};
        if (e->GetErrorMessage(text, sizeof text))
            prompt = text;
    }
    if (prompt.IsEmpty()) {
        const CString name = lpszPathName != nullptr ? FileNameOf(lpszPathName) : m_strTitle;
        AfxFormatString1(prompt, nIDPDefault, name);
    }
    AfxMessageBox(prompt, MB_ICONEXCLAMATION, nIDPDefault);
}

BOOL CDocument::SaveModified() {
    if (!IsModified())
        return TRUE;
    CString name = m_strPathName.IsEmpty() ? m_strTitle : FileNameOf(m_strPathName);
    if (name.IsEmpty())
        name.LoadString(AFX_IDS_UNTITLED);
    CString prompt;
    AfxFormatString1(prompt, AFX_IDP_ASK_TO_SAVE, name);
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL, AFX_IDP_ASK_TO_SAVE)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::DoFileSave() {
    const DWORD attributes = ::GetFileAttributesA(m_strPathName);
    if (m_strPathName.IsEmpty() ||
        (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)))
        return DoSave(nullptr);
    return DoSave(m_strPathName);
}

BOOL CDocument::DoSave(LPCSTR lpszPathName, BOOL bReplace) {
    CString newName = lpszPathName;
    if (newName.IsEmpty()) {
        newName = m_strPathName;
        if (bReplace && newName.IsEmpty()) {
            newName = m_strTitle;
            // A title may hold characters a file name cannot.
            newName = newName.SpanExcluding("%;/\\:*?\"<>|");
            CString ext;
            if (m_pDocTemplate != nullptr && m_pDocTemplate->GetDocString(ext, CDocTemplate::filterExt) &&
                !ext.IsEmpty()) {
                const int semicolon = ext.Find(';');
                if (semicolon >= 0)
                    ext = ext.Left(semicolon);
                newName += ext.Mid(ext.Find('.') >= 0 ? ext.Find('.') : 0);
            }
        }
        CWinApp* pApp = AfxGetApp();
        if (pApp == nullptr ||
            !pApp->DoPromptFileName(newName, bReplace ? AFX_IDS_SAVEFILE : AFX_IDS_SAVEFILECOPY,
                                    OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, m_pDocTemplate))
            return FALSE;
    }
    if (!OnSaveDocument(newName))
        return FALSE;
    if (bReplace)
        SetPathName(newName);
    return TRUE;
}

void CDocument::OnCloseDocument() {
    // The frames go first; their views leave the list as they are destroyed. The document must not
    // delete itself while that happens.
    const BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    for (;;) {
        const std::vector<CFrameWnd*> frames = FramesOf(*this);
        if (frames.empty())
            break;
        PreCloseFrame(frames.front());
        frames.front()->DestroyWindow();
        // A view without a frame (or one whose window survived) is detached so the loop ends.
        if (!FramesOf(*this).empty() && FramesOf(*this).front() == frames.front())
            break;
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrameArg) {
    for (CFrameWnd* pFrame : FramesOf(*this)) {
        if (pFrame != pFrameArg)
            return TRUE; // another frame still shows the document
    }
    return SaveModified();
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::OnFileClose() {
    if (!SaveModified())
        return;
    OnCloseDocument();
}

void CDocument::OnFileSave() {
    DoFileSave();
}

void CDocument::OnFileSaveAs() {
    if (!DoSave(nullptr))
        TRACE("Save As failed or was cancelled\n");
}
