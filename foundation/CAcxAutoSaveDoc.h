// CAcxAutoSaveDoc: the base of a document that writes itself back to its own file at any moment, without
// asking the user (DoAutoSave), and optionally whenever it becomes modified after an interval passed.
//
// An automatic save writes the whole document to a temporary file beside the real one, flushes it to
// disk and only then moves it over the real file, so a save that fails part way (disk full, an error in
// Serialize, the process ending) leaves the last good file whole.
#pragma once

#include "framework/core/CTime.h"
#include "framework/win/CDocument.h"

class CAcxAutoSaveDoc : public CDocument {
    DECLARE_DYNAMIC(CAcxAutoSaveDoc)
public:
    // Flags of SetAutoSave.
    enum { autoSaveOnModify = 0x0001 }; // save when the document becomes modified and a save is due

    // True when nothing needed saving or the save succeeded. force: save even when not modified. A
    // document without a file yet, or whose file is read-only or gone, is not saved (false).
    bool DoAutoSave(bool force);
    // True when nothing was saved yet, or at least the interval passed since the last save.
    bool IsAutoSaveDue() const;
    void SetAutoSave(unsigned intervalSeconds, unsigned flags);
    void EnableAutoSave(bool enable) { m_bAutoSaveEnabled = enable; }
    CTime GetLastSaveTime() const { return m_timeLastSave; }

    BOOL OnSaveDocument(LPCSTR lpszPathName) override;
    void SetModifiedFlag(BOOL bModified = TRUE) override;

protected:
    CAcxAutoSaveDoc() = default;

    // The automatic store: temporary file, flush, replace (see StoreReplacingFile). FALSE, without any
    // message, when anything failed.
    BOOL StoreAutomatically(LPCSTR lpszPathName);

    bool m_bAutoSaveEnabled = true;
    bool m_bAutoSaving = false;       // an automatic save runs (steers OnSaveDocument)
    unsigned m_nAutoSaveInterval = 0; // seconds
    CTime m_timeLastSave{static_cast<__time64_t>(0)};
    unsigned m_nAutoSaveFlags = 0;
};
