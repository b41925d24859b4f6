#include "foundation/CAcxAutoSaveDoc.h"

IMPLEMENT_DYNAMIC(CAcxAutoSaveDoc, CDocument)

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
    if (!StoreReplacingFile(lpszPathName, 4096, FALSE))
        return FALSE;
    SetModifiedFlag(FALSE);
    m_timeLastSave = CTime::GetCurrentTime();
    return TRUE;
}
