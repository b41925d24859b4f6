// CDocument: the data of one document, shown by any number of views. It reads and writes its file
// through a CArchive (Serialize), knows whether it has unsaved changes, and tells its views when it
// changed (UpdateAllViews). Commands the active view does not handle reach the document next.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CPtrList.h"
#include "framework/core/CString.h"
#include "framework/win/CCmdTarget.h"

class CArchive;
class CException;
class CFile;
class CFileException;
class CDocTemplate;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument() = default;
    // Views still attached lose their document.
    ~CDocument() override;

    // ---- title and path ----
    const CString& GetTitle() const { return m_strTitle; }
    // Shows the new title in the captions of the frames.
    virtual void SetTitle(LPCSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // Makes the path a full path, takes its file name as the title and (bAddToMRU) puts it at the top
    // of the application's recent-file list.
    virtual void SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    // ---- changes ----
    virtual BOOL IsModified();
    virtual void SetModifiedFlag(BOOL bModified = TRUE);

    // ---- views ----
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    virtual POSITION GetFirstViewPosition() const;
    virtual CView* GetNextView(POSITION& rPosition) const;
    // Calls OnUpdate of every view except pSender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = nullptr);
    // Numbers the frames of this document ("title:1", "title:2") when it has more than one.
    virtual void UpdateFrameCounts();

    // ---- life cycle ----
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
    // Writes the document to a new file beside lpszPathName and moves it over the old file only when
    // the whole document was written, so a failure leaves the old file as it was.
    virtual BOOL OnSaveDocument(LPCSTR lpszPathName);
    // Destroys the frames that show the document, then the document (m_bAutoDelete).
    virtual void OnCloseDocument();
    virtual void DeleteContents();
    virtual void PreCloseFrame(CFrameWnd* pFrame);
    // Asks the user whether to save unsaved changes: TRUE when the document may be closed.
    virtual BOOL SaveModified();
    // Closing pFrame would close the document: asks to save it first.
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    virtual void ReportSaveLoadException(LPCSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault);
    // The file the document is read from or written to; nullptr (and *pError filled) on failure.
    virtual CFile* GetFile(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError);
    virtual void ReleaseFile(CFile* pFile, BOOL bAbort);

    // Saves under lpszPathName; nullptr asks the user for a name. bReplace: the document takes the new
    // name (Save As) rather than writing a copy.
    virtual BOOL DoSave(LPCSTR lpszPathName, BOOL bReplace = TRUE);
    // Save: under the document's path, or through Save As when it has none or the file is read-only.
    virtual BOOL DoFileSave();

    // Routes commands to the document, then to its template.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    CPtrList m_viewList;
    BOOL m_bModified = FALSE;
    BOOL m_bAutoDelete = TRUE; // deleted when its last view goes
    BOOL m_bEmbedded = FALSE;

protected:
    // The view list changed: a document without views closes itself (m_bAutoDelete).
    virtual void OnChangedViewList();
    // Stores the document (Serialize, through an archive with an nBufSize-byte buffer) into a new file
    // beside lpszPathName, flushes it and only then moves it over lpszPathName, so a failure leaves the
    // old file as it was. bReport: a failure is told to the user (ReportSaveLoadException) and a wait
    // cursor shows while storing; otherwise FALSE is all the caller hears.
    BOOL StoreReplacingFile(LPCSTR lpszPathName, int nBufSize, BOOL bReport);

    afx_msg void OnFileClose();
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();

    DECLARE_MESSAGE_MAP()
};
