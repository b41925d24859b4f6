#include "foundation/CAcxAutoSaveDoc.h"

#include "framework/core/CArchive.h"
#include "framework/core/CException.h"
#include "framework/core/CFile.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CAcxAutoSaveDoc, CDocument)

namespace {

CString FolderOf(const CString& path) {
    const int slash = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    return slash < 0 ? CString(".") : path.Left(slash);
}

// Deletes the temporary file on every way out unless it was moved into place.
class TempFile {
public:
    explicit TempFile(const CString& folder) {
        char name[MAX_PATH] = {};
        if (::GetTempFileNameA(folder, "bmk", 0, name) != 0)
            m_path = name;
    }
    ~TempFile() {
        if (!m_path.IsEmpty())
            ::DeleteFileA(m_path);
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool IsValid() const { return !m_path.IsEmpty(); }
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
};

} // namespace

bool CAcxAutoSaveDoc::DoAutoSave(bool force) {
    if (!m_bAutoSaveEnabled)
        return true;
    if (!IsModified() && !force)
        return true;
    const DWORD attributes = ::GetFileAttributesA(GetPathName());
    if (GetPathName().IsEmpty() || attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    m_bAutoSaving = true;
    const BOOL bSaved = DoSave(GetPathName(), TRUE);
    m_bAutoSaving = false;
    return bSaved != FALSE;
}

bool CAcxAutoSaveDoc::IsAutoSaveDue() const {
    if (m_timeLastSave.GetTime() == 0)
        return true;
    const long long elapsed =
        static_cast<long long>(CTime::GetCurrentTime().GetTime() - m_timeLastSave.GetTime());
    return elapsed >= static_cast<long long>(static_cast<int>(m_nAutoSaveInterval));
}

void CAcxAutoSaveDoc::SetAutoSave(unsigned intervalSeconds, unsigned flags) {
    m_nAutoSaveInterval = intervalSeconds;
    m_nAutoSaveFlags = flags;
}

void CAcxAutoSaveDoc::SetModifiedFlag(BOOL bModified) {
    CDocument::SetModifiedFlag(bModified);
    if (bModified && (m_nAutoSaveFlags & autoSaveOnModify) && IsAutoSaveDue())
        DoAutoSave(false);
}

BOOL CAcxAutoSaveDoc::OnSaveDocument(LPCSTR lpszPathName) {
    if (m_bAutoSaving)
        return StoreAutomatically(lpszPathName);
    if (!CDocument::OnSaveDocument(lpszPathName))
        return FALSE;
    m_timeLastSave = CTime::GetCurrentTime();
    return TRUE;
}

BOOL CAcxAutoSaveDoc::StoreAutomatically(LPCSTR lpszPathName) {
    TempFile temp(FolderOf(lpszPathName));
    if (!temp.IsValid())
        return FALSE;
    CFile* pFile =
        GetFile(temp.Path(), CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, nullptr);
    if (pFile == nullptr)
        return FALSE;
    try {
        CArchive archive(pFile, CArchive::store | CArchive::bNoFlushOnDelete, 4096);
        archive.m_pDocument = this;
        Serialize(archive);
        archive.Close();
        pFile->Flush(); // on disk before it replaces the good copy
    } catch (CException* e) {
        ReleaseFile(pFile, TRUE);
        e->Delete();
        return FALSE;
    }
    try {
        ReleaseFile(pFile, FALSE); // deletes the file object even when closing fails
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    if (!temp.MoveOver(lpszPathName))
        return FALSE;
    SetModifiedFlag(FALSE);
    m_timeLastSave = CTime::GetCurrentTime();
    return TRUE;
}
