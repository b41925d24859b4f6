#include "framework/win/CDocManager.h"

#include "framework/win/AfxRes.h"
#include "framework/win/CDocTemplate.h"
#include "framework/win/CDocument.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CView.h"
#include "framework/win/CWinApp.h"

#include <commdlg.h>

#include <string>
#include <vector>

CDocManager::~CDocManager() {
    while (!m_templateList.IsEmpty()) {
        auto* pTemplate = static_cast<CDocTemplate*>(m_templateList.RemoveHead());
        if (pTemplate->m_bAutoDelete)
            delete pTemplate;
    }
}

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate) {
    if (pTemplate == nullptr || m_templateList.Find(pTemplate) != nullptr)
        return;
    pTemplate->LoadTemplate();
    m_templateList.AddTail(pTemplate);
}

POSITION CDocManager::GetFirstDocTemplatePosition() const {
    return m_templateList.GetHeadPosition();
}

CDocTemplate* CDocManager::GetNextDocTemplate(POSITION& pos) const {
    return static_cast<CDocTemplate*>(const_cast<CPtrList&>(m_templateList).GetNext(pos));
}

int CDocManager::GetDocumentCount() const {
    int count = 0;
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        POSITION docPos = pTemplate->GetFirstDocPosition();
        while (docPos != nullptr) {
            pTemplate->GetNextDoc(docPos);
            ++count;
        }
    }
    return count;
}

CDocument* CDocManager::OpenDocumentFile(LPCSTR lpszFileName) {
    if (lpszFileName == nullptr || *lpszFileName == '\0')
        return nullptr;
    CDocTemplate* pBestTemplate = nullptr;
    CDocument* pOpenDocument = nullptr;
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        CDocument* pOpen = nullptr;
        const CDocTemplate::Confidence match = pTemplate->MatchDocType(lpszFileName, pOpen);
        if (match > bestMatch) {
            bestMatch = match;
            pBestTemplate = pTemplate;
        }
        if (match == CDocTemplate::yesAlreadyOpen) {
            pOpenDocument = pOpen;
            break;
        }
    }
    if (pOpenDocument != nullptr) {
        // Already open: its frame comes to the front.
        POSITION viewPos = pOpenDocument->GetFirstViewPosition();
        if (viewPos != nullptr) {
            CView* pView = pOpenDocument->GetNextView(viewPos);
            if (CFrameWnd* pFrame = pView->GetParentFrame())
                pFrame->ActivateFrame();
        }
        return pOpenDocument;
    }
    if (pBestTemplate == nullptr) {
        AfxMessageBox(AFX_IDP_FAILED_TO_OPEN_DOC);
        return nullptr;
    }
    return pBestTemplate->OpenDocumentFile(lpszFileName);
}

void CDocManager::OnFileNew() {
    if (m_templateList.IsEmpty()) {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return;
    }
    // With several templates the first one is used (no File New list).
    auto* pTemplate = static_cast<CDocTemplate*>(m_templateList.GetHead());
    pTemplate->OpenDocumentFile(nullptr);
}

void CDocManager::OnFileOpen() {
    // Through the application, so that a program that asks for file names its own way (as Save As
    // does through the document) is asked here too.
    CWinApp* pApp = AfxGetApp();
    CString newName;
    const DWORD flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
    const BOOL bChosen = pApp != nullptr
                             ? pApp->DoPromptFileName(newName, AFX_IDS_OPENFILE, flags, TRUE, nullptr)
                             : DoPromptFileName(newName, AFX_IDS_OPENFILE, flags, TRUE, nullptr);
    if (bChosen && pApp != nullptr)
        pApp->OpenDocumentFile(newName);
}

BOOL CDocManager::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                                   CDocTemplate* pTemplate) {
    // Filter: the templates' own types (only pTemplate's when given), then all files.
    std::string filter;
    CString defaultExt;
    auto addTemplate = [&](CDocTemplate* pT) {
        CString name;
        CString ext;
        if (pT->GetDocString(name, CDocTemplate::filterName) && !name.IsEmpty() &&
            pT->GetDocString(ext, CDocTemplate::filterExt) && !ext.IsEmpty()) {
            if (defaultExt.IsEmpty())
                defaultExt = ext.Mid(ext.Find('.') >= 0 ? ext.Find('.') + 1 : 0);
            filter += static_cast<LPCSTR>(name);
            filter += '\0';
            filter += '*';
            filter += static_cast<LPCSTR>(ext.Mid(ext.Find('.') >= 0 ? ext.Find('.') : 0));
            filter += '\0';
        }
    };
    if (pTemplate != nullptr) {
        addTemplate(pTemplate);
    } else {
        POSITION pos = GetFirstDocTemplatePosition();
        while (pos != nullptr)
            addTemplate(GetNextDocTemplate(pos));
    }
    CString allFilter;
    allFilter.LoadString(AFX_IDS_ALLFILTER);
    filter += static_cast<LPCSTR>(allFilter);
    filter += '\0';
    filter += "*.*";
    filter += '\0';
    filter += '\0';

    CString title;
    title.LoadString(nIDSTitle);
    std::vector<char> buffer(MAX_PATH * 4, '\0');
    lstrcpynA(buffer.data(), fileName, static_cast<int>(buffer.size()));

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = CWnd::GetSafeOwner_(nullptr, nullptr);
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrTitle = title.IsEmpty() ? nullptr : static_cast<LPCSTR>(title);
    ofn.lpstrDefExt = defaultExt.IsEmpty() ? nullptr : static_cast<LPCSTR>(defaultExt);
    ofn.Flags = lFlags | OFN_EXPLORER | OFN_ENABLESIZING | (bOpenFileDialog ? 0 : OFN_OVERWRITEPROMPT);
    const BOOL bResult = bOpenFileDialog ? ::GetOpenFileNameA(&ofn) : ::GetSaveFileNameA(&ofn);
    if (bResult)
        fileName = buffer.data();
    return bResult;
}

BOOL CDocManager::SaveAllModified() {
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        if (!GetNextDocTemplate(pos)->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CDocManager::CloseAllDocuments(BOOL bEndSession) {
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr)
        GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}
