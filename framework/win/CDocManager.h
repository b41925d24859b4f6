// CDocManager: the application's document templates, and the work of File New, File Open and the
// recent-file list on them: choosing a template for a file, asking the user for a file name.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CPtrList.h"
#include "framework/core/CString.h"

class CDocTemplate;
class CDocument;

class CDocManager {
public:
    CDocManager() = default;
    // Deletes the templates whose m_bAutoDelete is set.
    virtual ~CDocManager();
    CDocManager(const CDocManager&) = delete;
    CDocManager& operator=(const CDocManager&) = delete;

    virtual void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    int GetDocumentCount() const;

    // The document already open for the file, or a new one from the best template; nullptr on failure.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);
    // A new document from the first template.
    virtual void OnFileNew();
    // Asks for a file and opens it.
    virtual void OnFileOpen();
    // The common file dialog; fileName is the proposed and the chosen name.
    virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                                  CDocTemplate* pTemplate);
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);

protected:
    CPtrList m_templateList;
};
